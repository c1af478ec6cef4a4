#!/usr/bin/env python3
"""The layering check on small trees: which includes it lets pass and which it names."""
import contextlib
import io
import pathlib
import sys
import tempfile
import unittest
from unittest import mock

sys.path.insert(0, str(pathlib.Path(__file__).parent))
import check_layers  # noqa: E402

# A record made of one state header of the 2-D layer.
RECORD = '#include "graphics2d/pie_state.h"\n'

# (file, its include, a breach?)
CASES = [
    ("kernel/a.cpp", "kernel/b.h", False),
    ("kernel/a.cpp", "platform/windows.h", False),
    ("kernel/a.cpp", "kavlor.h", False),
    ("kernel/a.cpp", "graphics2d/pie_state.h", False),  # a part of the record
    ("kernel/a.cpp", "devices/svg.h", True),
    ("kernel/a.cpp", "graphics3d/projection.h", True),
    ("platform/a.cpp", "kernel/record.h", True),
    ("platform/a.cpp", "devices/byte_sink.h", True),
    ("devices/a.cpp", "kernel/record.h", False),
    ("devices/a.cpp", "graphics2d/curves.h", True),
    ("graphics2d/a.cpp", "devices/svg.h", False),
    ("graphics2d/a.cpp", "graphics3d/projection.h", True),
    ("graphics3d/a.cpp", "graphics2d/curves.h", False),
    ("graphics3d/a.cpp", "widgets/dialogs.h", True),
    ("widgets/a.cpp", "graphics3d/projection.h", False),
    ("graphics2d/pie_state.h", "graphics2d/curves.h", True),  # a record part leans on the kernel only
    ("graphics2d/pie_state.h", "kernel/colour_value.h", False),
]

# (text of the record's state header, the function it declares or None)
STATE_HEADERS = [
    ("struct GlobalRecord;\nstruct PieState { int n = 0; };\nvoid resetPieDefaults(GlobalRecord &rec);\n",
     "resetPieDefaults"),
    ("struct PieState { int n = 0; };\ninline int pieCount(const PieState &s) { return s.n; }\n",
     "pieCount"),
    ("namespace pies {\nint count();\n} // namespace pies\n", "count"),
    ('extern "C" {\nvoid piefun(void);\n}\n', "piefun"),
    # Data, and the members of the types that hold it.
    ("#include <memory>\n#define PIE_SLOTS(n) (2 * (n))\n"
     "struct Block;\nstruct BlockFree { void operator()(Block *b) const; };\n"
     "using PieCallback = void (*)(int id);\nconstexpr int kPieBytes = sizeof(int) * PIE_SLOTS(3);\n"
     "struct PieState {\n    std::unique_ptr<Block, BlockFree> block;\n"
     "    void (*callback)(int id) = nullptr;\n    int count() const { return n; } // not f(x);\n"
     "    int n = 0;\n};\n", None),
]


def write_tree(root, files):
    for path, text in files:
        (root / path).parent.mkdir(parents=True, exist_ok=True)
        (root / path).write_text(text)


class LayeringCheck(unittest.TestCase):
    def test_each_include_judged_by_its_layer(self):
        for name, header, breach in CASES:
            with self.subTest(file=name, include=header), tempfile.TemporaryDirectory() as d:
                root = pathlib.Path(d)
                write_tree(root, [("kernel/record.h", RECORD), (name, f'#include "{header}"\n')])
                found = check_layers.breaches(root)
                self.assertEqual((name, header) in found, breach)
                self.assertLessEqual(len(found), 1)

    def test_a_state_header_holds_data_only(self):
        for text, function in STATE_HEADERS:
            with self.subTest(text=text), tempfile.TemporaryDirectory() as d:
                root = pathlib.Path(d)
                write_tree(root, [("kernel/record.h", RECORD), ("graphics2d/pie_state.h", text),
                                  ("graphics2d/pies.h", text)])  # pies.h is no part of the record
                expected = {("graphics2d/pie_state.h", function)} if function else set()
                self.assertEqual(check_layers.state_functions(root), expected)

    def test_a_tree_with_a_breach_fails_the_check(self):
        # No include is excused: the kernel's last knot to the writers fails like any other.
        with tempfile.TemporaryDirectory() as d:
            root = pathlib.Path(d)
            write_tree(root, [("kernel/record.h", RECORD),
                              ("kernel/device_fonts.cpp", '#include "devices/svg.h"\n')])
            argv = mock.patch.object(sys, "argv", ["check_layers.py", d])
            out = io.StringIO()
            with argv, contextlib.redirect_stdout(out):
                self.assertEqual(check_layers.main(), 1)
            self.assertIn("kernel/device_fonts.cpp includes devices/svg.h", out.getvalue())
            (root / "kernel/device_fonts.cpp").write_text('#include "kernel/driver.h"\n')
            with argv, contextlib.redirect_stdout(out):
                self.assertEqual(check_layers.main(), 0)
            # A part of the record that declares a function fails it too.
            write_tree(root, [("graphics2d/pie_state.h",
                               "struct GlobalRecord;\nvoid resetPieDefaults(GlobalRecord &rec);\n")])
            out = io.StringIO()
            with argv, contextlib.redirect_stdout(out):
                self.assertEqual(check_layers.main(), 1)
            self.assertIn("graphics2d/pie_state.h declares resetPieDefaults", out.getvalue())


if __name__ == "__main__":
    unittest.main()
