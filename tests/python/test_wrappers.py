"""What the wrappers return, and the wrappers with steps of their own: byte buffers, pixels in both
pixel modes, files, the legend the module keeps, spline output of any point count."""

import kavlor
import pytest


@pytest.fixture
def svg_plot(in_tmp):
    kavlor.metafl("SVG")
    kavlor.setfil("plot.svg")
    kavlor.filmod("DELE")
    kavlor.kavini()
    yield
    kavlor.kavfin()


@pytest.fixture
def raster(in_tmp):
    """An open plot on the memory raster, in image mode."""
    kavlor.metafl("VIRT")
    kavlor.winsiz(20, 10)
    kavlor.kavini()
    kavlor.imgini()
    yield
    kavlor.imgfin()
    kavlor.kavfin()


def test_results_are_single_values_or_tuples_in_parameter_order(svg_plot):
    kavlor.setrgb(1.0, 0.0, 1.0)
    assert kavlor.getrgb() == (1.0, 0.0, 1.0)
    assert kavlor.getlab() == ("FLOAT", "FLOAT", "FLOAT")
    assert kavlor.fcha(3.14159, 3) == "3.142"
    assert kavlor.intcha(-42) == "-42"
    kavlor.basdat(1, 1, 2024)
    assert kavlor.trfdat(31) == (1, 2, 2024)
    assert kavlor.getlev() == 1
    assert isinstance(kavlor.getver(), float)
    date, time = kavlor.dattim()
    assert len(date) == 10 and len(time) == 8
    assert kavlor.bitsi2(4, 0x17FF0, 0, 0, 0) == kavlor.bitsi2(4, 0x7FF0, 0, 0, 0)  # 16 bits
    assert kavlor.getmfl() == "SVG "


def test_unit_switches_the_messages_off_and_on(svg_plot, capfd):
    assert kavlor.getuni() == 6  # standard output
    kavlor.unit(0)
    kavlor.height(-1)  # a warning, not printed
    kavlor.unit(7)
    assert capfd.readouterr().out == ""
    kavlor.height(-1)
    assert "Warning" in capfd.readouterr().out


def test_pixels_go_round_the_memory_raster_in_both_pixel_modes(raster):
    assert kavlor.rpixls(0, 0, 0, 10) == b""
    assert kavlor.rpxrow(0, 0, -1) == b""
    kavlor.wpixls(bytes(range(6)), 2, 3, 3, 2)
    assert kavlor.rpixls(2, 3, 3, 2) == (bytes(range(6)), 6)
    kavlor.imgmod("RGB")
    rgb = bytes([255, 0, 0, 0, 255, 0])
    kavlor.wpxrow(rgb, 0, 0, 2)
    assert kavlor.rpxrow(0, 0, 2) == (rgb, 6)  # three bytes a pixel
    with pytest.raises(ValueError):
        kavlor.wpxrow(rgb[:5], 0, 0, 2)
    kavlor.imgmod("IND")
    assert kavlor.rpixel(2, 3) == 0


def test_pixel_requests_the_picture_cannot_answer_raise_before_a_buffer_is_taken(raster):
    for call, text in [
            (lambda: kavlor.rpxrow(0, 0, 201), "rpxrow: 201 pixels requested, more than the 200 "
                                               "of the picture"),
            (lambda: kavlor.rpixls(0, 0, 1000, 1000), "rpixls: 1000000 pixels requested, more "
                                                      "than the 200 of the picture"),
            (lambda: kavlor.rpixls(0, 0, 65536, 65536), "rpixls: 4294967296 pixels requested, "
                                                        "more than the 200 of the picture")]:
        with pytest.raises(ValueError) as raised:
            call()
        assert str(raised.value) == text
    assert kavlor.rpixls(0, 0, 20, 10) == (bytes(200), 200)  # the whole picture
    kavlor.imgfin()
    with pytest.raises(ValueError, match="^rpxrow: pixels are read only in image mode$"):
        kavlor.rpxrow(0, 0, 1)
    kavlor.imgini()


def test_picture_files_in_memory(raster):
    assert kavlor.pdfbuf(-1) == (b"", 0)
    png, length = kavlor.rbfpng(100000)
    assert png.startswith(b"\x89PNG") and len(png) == length
    assert kavlor.rbfpng(0) == (b"", length)  # only the length
    assert kavlor.rbfpng(10)[0] == b""  # too small: the routine refuses


def test_pdf_kept_in_memory(in_tmp):
    kavlor.metafl("PDF")
    kavlor.setfil("kept.pdf")
    kavlor.pdfmod("ON", "BUFF")
    kavlor.kavini()
    kavlor.kavfin()
    empty, size = kavlor.pdfbuf(0)
    assert empty == b"" and size > 0
    pdf, length = kavlor.pdfbuf(size)
    assert length == size and pdf.startswith(b"%PDF")


def test_files_are_written_and_read_in_bytes(in_tmp):
    assert kavlor.readfl(1, 0) == (b"", 0)
    assert kavlor.openfl("data.bin", 3, 1) == 0
    assert kavlor.writfl(3, b"\x00\xffabc", 5) == 5
    assert kavlor.writfl(3, b"", 0) == 0
    kavlor.closfl(3)
    assert kavlor.openfl("data.bin", 3, 0) == 0
    assert kavlor.readfl(3, 100) == (b"\x00\xffabc", 5)
    assert kavlor.readfl(99, 10) == (b"", -1)  # a bad unit: no bytes
    kavlor.closfl(3)


def test_spline_lists_hold_the_points_of_the_splmod_setting(svg_plot):
    x, y = [0.0, 1.0, 2.0, 3.0], [0.0, 1.0, 0.0, 1.0]
    with pytest.raises(MemoryError, match="^out of range$"):
        kavlor.spline(x, y, 4, [0.0] * 200, [0.0] * 200)  # 201 points by default
    kavlor.splmod(3, 300)
    xs, ys = [0.0] * 301, [0.0] * 301
    assert kavlor.spline(x, y, 4, xs, ys) == 301
    assert xs[0] == 0.0 and xs[300] == 3.0


def test_arrays_come_back_with_the_counts_the_routines_report(svg_plot):
    xh, yh = [0.0] * 5, [-1.0] * 5
    assert kavlor.histog([1.0, 1.0, 2.0, 3.0, 3.0], 5, xh, yh) == 3
    assert xh[:3] == [1.0, 2.0, 3.0] and yh == [2.0, 1.0, 2.0, -1.0, -1.0]
    x, y = [0.0, 1.0, 0.0, 1.0], [0.0, 0.0, 1.0, 1.0]
    i1, i2, i3 = [0] * 12, [0] * 12, [0] * 12
    assert kavlor.triang(x, y, 4, i1, i2, i3, 12) == 2
    assert x == [0.0, 1.0, 0.0, 1.0]  # work room, not written back
    for triangle in zip(i1[:2], i2[:2], i3[:2]):
        assert len(set(triangle)) == 3 and set(triangle) <= {1, 2, 3, 4}


def test_the_legend_lives_in_the_module(svg_plot, capfd):
    assert kavlor.nxlegn("") == 0  # no legini yet: the library refuses
    kavlor.graf(0.0, 1.0, 0.0, 1.0, 0.0, 1.0, 0.0, 1.0)
    kavlor.legini("ignored", 2, 10)
    kavlor.leglin("", "first", 1)
    kavlor.leglin("", "second", 2)
    width = kavlor.nxlegn("")
    assert width > 0
    kavlor.legini("", 31, 10)  # refused: the legend in force and its lines stay
    assert kavlor.nxlegn("") == width
    kavlor.leglin("", "a longer second line", 2)
    assert "Warning" in capfd.readouterr().out  # too long for 10 characters
    kavlor.legend("", 3)
    kavlor.endgrf()
