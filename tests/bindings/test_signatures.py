"""Checks the signature table of the bindings against the header, the list of public
routines and itself, and checks that its loader refuses rows that do not hold together.

Run: python3 tests/bindings/test_signatures.py
"""

import pathlib
import re
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "bindings"))
import signatures  # noqa: E402

TABLE = signatures.load()


def header_prototypes() -> dict[str, str]:
    text = re.sub(r"/\*.*?\*/", "", (ROOT / "include" / "kavlor.h").read_text(), flags=re.S)
    found = {}
    for declaration in re.findall(r"^KAVLOR_API\s+([^;]*);", text, re.M):
        prototype = signatures.normalise_prototype(declaration)
        found[signatures.parse_prototype(prototype)[1]] = prototype
    return found


def public_names() -> tuple[list[str], list[str]]:
    """The routines the bindings offer, and those without a binding."""
    bound, unbound, current = [], [], None
    for line in (ROOT / "tests" / "api" / "public_names.txt").read_text().splitlines():
        if line.startswith("#"):
            current = unbound if "Without a binding" in line else bound
        elif line.strip():
            current.append(line.strip())
    return bound, unbound


class TableAgainstTheLibrary(unittest.TestCase):
    def test_every_row_has_the_prototype_of_the_header(self):
        bound, unbound = public_names()
        for name, prototype in header_prototypes().items():
            if name in unbound:
                continue
            with self.subTest(routine=name):
                self.assertIn(name, TABLE.by_name)
                self.assertEqual(TABLE[name].prototype, prototype)

    def test_the_rows_are_the_public_routines(self):
        bound, _ = public_names()
        self.assertEqual(len(bound), 619)
        self.assertEqual([r.name for r in TABLE], sorted(bound))

    def test_each_binding_offers_its_routines(self):
        python = TABLE.python_methods()
        self.assertEqual(len(python), 624)
        self.assertEqual(len(set(python)), 624)
        self.assertEqual(python[-9:], ["plot", "scattr", "plot3", "surf3", "surface",
                                       "surshade", "contour", "conshade", "setvar"])
        self.assertEqual({r.name for r in TABLE if not r.python},
                         {"getplv", "setcbk", "swapi2", "swapi4"})
        self.assertEqual(len(TABLE.perl_subs()), 617)
        self.assertEqual({r.name for r in TABLE if not r.perl}, {"swgcb", "texval"})

    def test_perl_usage_names_are_plain_names(self):
        for r in TABLE.perl_subs():
            for name in r.perl_names:
                self.assertRegex(name, r"^[a-z][a-z0-9]*$", r.name)


class WhatTheGeneratorsRead(unittest.TestCase):
    """The views of a row that the two generators build their wrappers from."""

    CASES = [
        # routine, Python arguments, Python results, Python guards, Perl result
        ("curve", ["x", "y", "n"], [], ["n"], None),
        ("abs3pt", ["x", "y", "z"], ["xp", "yp"], [], None),
        ("csrpos", ["x", "y"], ["x", "y", "result"], [], "result"),
        ("csrpts", ["x", "y", "nmax"], ["n"], ["nmax"], None),
        ("gmxalf", ["alph"], ["cin", "cout", "result"], [], "result"),
        ("fcha", ["x", "ndig"], ["text"], [], "text"),
        ("histog", ["x", "n", "xh", "yh"], ["nh"], ["n"], "nh"),
        ("conpts", ["xray", "nx", "yray", "ny", "zmat", "zlev", "xpts", "ypts", "maxpts", "nray",
                    "maxray"], ["nlins"], ["nx", "ny", "maxpts", "maxray"], "nlins"),
        ("getmat", ["xray", "yray", "zray", "n", "zmat", "nx", "ny", "zval"], [],
         ["n", "nx", "ny"], None),
        ("triang", ["xray", "yray", "n", "i1ray", "i2ray", "i3ray", "nmax"], ["result"],
         ["n", "nmax"], "result"),
        ("trifll", ["x", "y"], [], [], None),
        ("readfl", ["unit", "nbytes"], ["buffer", "result"], [], "result"),
        ("wpixls", ["iray", "ix", "iy", "nw", "nh"], [], ["nw", "nh"], None),
    ]

    def test_arguments_results_and_guards(self):
        name_of = lambda item: getattr(item, "name", item)  # noqa: E731
        for routine, args, results, guards, perl_result in self.CASES:
            with self.subTest(routine=routine):
                r = TABLE[routine]
                self.assertEqual([p.name for p in r.python_args()], args)
                self.assertEqual([name_of(x) for x in r.python_results()], results)
                self.assertEqual(r.python_guards(), guards)
                self.assertEqual(name_of(r.perl_result()), perl_result)

    def test_perl_arguments_pair_usage_names_with_parameters(self):
        r = TABLE["spline"]
        self.assertEqual(r.perl_usage(), "Usage: Kavlor::spline(x1ray, x2ray, n, x3ray, x4ray)")
        self.assertEqual([(name, p.name) for name, p in r.perl_args()],
                         [("x1ray", "x"), ("x2ray", "y"), ("n", "n"), ("x3ray", "xs"),
                          ("x4ray", "ys")])

    def test_expressions_render_with_the_generators_names(self):
        count = TABLE["conpts"].param("xpts").kind.arg("count")
        self.assertEqual(count.render(lambda n: f"c_{n}", lambda f, a: f"{f}_of({', '.join(a)})"),
                         "sum_of(c_nray, c_nlins)")
        size = signatures.parse_expr("(nlin + 1) * nmaxln - 2")
        self.assertEqual(str(size), "(nlin + 1) * nmaxln - 2")
        self.assertEqual(size.names(), {"nlin", "nmaxln"})


class LoaderRefusesBrokenRows(unittest.TestCase):
    """Each broken row must be refused with a message that names what is wrong."""

    GOOD = "curve   void curve(const float *x, const float *y, int n)\n" \
           "        py 1 ; pl (x1ray, x2ray, n) ; x, y: farray(n)\n"

    CASES = [
        ("an unknown kind", "x, y: farray(n)", "x, y: floatarray(n)", "unknown kind"),
        ("a count that is no argument", "x, y: farray(n)", "x, y: farray(m)", "no argument"),
        ("a pointer without a kind", " ; x, y: farray(n)", "", "needs a kind"),
        ("an input kind on a written array", "const float *x", "float *x", "const float *"),
        ("too few Perl names", "pl (x1ray, x2ray, n)", "pl (x1ray, n)", "2 Perl names"),
        ("a kind with a missing argument", "farray(n)", "farray()", "takes count"),
        ("an unknown option", "farray(n)", "farray(n, pycount=n)", "no option"),
        ("the prototype of another routine", "void curve(", "void curvx(", "prototype of"),
        ("a bad expression", "farray(n)", "farray(n +)", "bad expression"),
        ("no Python clause", "py 1 ; ", "", "no py clause"),
        ("a call of no routine", "farray(n)", "farray(nlines(n))", "calls nlines, no routine"),
        ("a sum over a float array", "farray(n)", "farray(sum(y, n))", "an int array"),
    ]

    def load(self, rows: str):
        with tempfile.TemporaryDirectory() as folder:
            table = pathlib.Path(folder) / "signatures.txt"
            table.write_text(rows)
            extra = pathlib.Path(folder) / "python_only.txt"
            extra.write_text("")
            return signatures.load(table, extra)

    def test_the_good_row_loads(self):
        self.assertEqual(self.load(self.GOOD)["curve"].python_guards(), ["n"])

    def test_broken_rows(self):
        for what, old, new, message in self.CASES:
            with self.subTest(what):
                with self.assertRaisesRegex(signatures.TableError, f"signatures.txt:1: .*{message}"):
                    self.load(self.GOOD.replace(old, new, 1))

    def test_rows_out_of_order_and_python_gaps(self):
        other = self.GOOD.replace("curve", "axis").replace("py 1", "py 3")
        with self.assertRaisesRegex(signatures.TableError, "alphabetical"):
            self.load(self.GOOD + other)
        with self.assertRaisesRegex(signatures.TableError, "Python positions"):
            self.load(other.replace("axis", "arc") + self.GOOD)


if __name__ == "__main__":
    unittest.main()
