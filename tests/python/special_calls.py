"""The calls of special_calls.c made from Python, printed the same way: the wrappers with steps
of their own, their results set against the same calls from C."""

import kavlor


def floats(name, values):
    print(" ".join([f"{name}:"] + ["%.9g" % v for v in values]))


def ints(name, values):
    print(" ".join([f"{name}:"] + [str(v) for v in values]))


def save(path, data):
    with open(path, "wb") as file:
        file.write(data)


PX, PY, PZ = [0.0, 2.0, 0.0, 2.0, 1.0], [0.0, 0.0, 2.0, 2.0, 1.0], [0.0, 0.0, 0.0, 0.0, 1.0]


def triangles():
    x, y = list(PX), list(PY)  # work room of the routine, not written back
    i1, i2, i3 = [0] * 20, [0] * 20, [0] * 20
    ntri = kavlor.triang(x, y, 5, i1, i2, i3, 20)
    print(f"triang: {ntri}")
    ints("i1", i1[:ntri])
    ints("i2", i2[:ntri])
    ints("i3", i3[:ntri])
    xp, yp, nray = [0.0] * 50, [0.0] * 50, [0] * 10
    nlins = kavlor.tripts(PX, PY, PZ, 5, i1, i2, i3, ntri, 0.5, xp, yp, 50, nray, 10)
    print(f"tripts: {nlins}")
    ints("nray", nray[:nlins])
    floats("xpts", xp[:nray[0]])
    floats("ypts", yp[:nray[0]])


def grids():
    g = [0.0, 1.0, 2.0]
    xp, yp, nray = [0.0] * 40, [0.0] * 40, [0] * 5
    nlins = kavlor.conpts(g, 3, g, 3, [[0, 0, 0], [0, 1, 0], [0, 0, 0]], 0.5, xp, yp, 40, nray, 5)
    print(f"conpts: {nlins}")
    ints("nray", nray[:nlins])
    floats("xpts", xp[:nray[0]])
    floats("ypts", yp[:nray[0]])
    zmat = [[0.0] * 4 for _ in range(4)]
    kavlor.graf(0, 3, 0, 1, 0, 3, 0, 1)  # getmat works in an axis system
    kavlor.getmat(PX, PY, PZ, 5, zmat, 4, 4, 0.0)
    floats("getmat", [z for row in zmat for z in row])
    big = [0.0] * 9
    kavlor.trfmat([[1, 2], [3, 4]], 2, 2, big, 3, 3)
    floats("trfmat", big)


def texts():
    print(f"fcha: {kavlor.flen(3.25, 2)} {kavlor.fcha(3.25, 2)}")
    print(f"fcha: {kavlor.flen(-1234.5, 0)} {kavlor.fcha(-1234.5, 0)}")
    items = kavlor.itmcat("one|two", "three")
    print(f"itmcat: {items}\nitmstr: {kavlor.itmstr(items, 2)}")
    print(f"upstr: {kavlor.upstr('abc')}")
    xs, ys = [0.0] * 201, [0.0] * 201
    ns = kavlor.spline([0, 1, 2, 3, 4], [0, 1, 0, 1, 0], 5, xs, ys)
    print(f"spline: {ns}")
    floats("xs", xs[:5])
    floats("ys", ys[:5])
    floats("last", xs[ns - 2:ns])


def files():
    unit = kavlor.openfl("bytes.bin", 0, 1)
    written = kavlor.writfl(unit, b"A\x00\xffxyz", 6)
    print(f"writfl: {written}")
    kavlor.closfl(unit)
    unit = kavlor.openfl("bytes.bin", 0, 0)
    data, n = kavlor.readfl(unit, 4)
    print(f"readfl: {n}")
    ints("bytes", data)
    print(f"readfl: {kavlor.readfl(unit, 16)[1]}")
    kavlor.closfl(unit)


def pixels():
    kavlor.metafl("VIRT")
    kavlor.winsiz(20, 10)
    kavlor.kavini()
    kavlor.imgini()
    kavlor.wpixls(bytes([1, 2, 3, 4, 5, 6]), 2, 3, 3, 2)
    ints("rpixls", kavlor.rpixls(1, 3, 4, 2)[0])
    kavlor.imgmod("RGB")
    kavlor.wpxrow(bytes([255, 0, 0, 0, 128, 7]), 0, 0, 2)
    ints("rpxrow", kavlor.rpxrow(0, 0, 3)[0])
    kavlor.imgmod("IND")
    kavlor.imgfin()
    n = kavlor.rbfpng(0)[1]
    png, length = kavlor.rbfpng(n)
    print(f"rbfpng: {n} {length}")
    save("python.png", png)
    kavlor.kavfin()


def pdf():
    kavlor.metafl("PDF")
    kavlor.setfil("kept.pdf")
    kavlor.pdfmod("ON", "BUFF")
    kavlor.kavini()
    kavlor.rectan(100, 100, 500, 300)
    kavlor.kavfin()
    n = kavlor.pdfbuf(0)[1]
    data, length = kavlor.pdfbuf(n)
    print(f"pdfbuf: {int(length == n)}")
    save("python.pdf", data)


kavlor.errdev("FILE")
kavlor.errfil("python-messages.txt")
triangles()
kavlor.metafl("VIRT")  # getmat and spline draw nothing, but need an open page
kavlor.kavini()
grids()
texts()
kavlor.kavfin()
files()
pixels()
pdf()
