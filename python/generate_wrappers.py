#!/usr/bin/python3
"""Writes the wrappers of the Python module kavlor from the bindings' signature table.

    generate_wrappers.py TABLE_DIR HEADER OUT_DIR PARTS

One wrapper a row: parse the arguments, return at once when a count is not positive,
convert the arrays, call the routine (and raise what a callback raised meanwhile), write
the output arrays back, build the result
(bindings/README.md says what each kind of parameter becomes). The rows marked `hand`
are written by hand in this folder. The run over the table and the walk of counts are
bindings/generation.py's, which the Perl module's generator shares.

Writes into OUT_DIR:
  wrappers_1.cpp .. wrappers_PARTS.cpp   the generated wrappers, split for a parallel build
  method_table.cpp                       the module's method table, in the table's order
  python/routines.h                      KAVLOR_HAS_<name> for the hand rows kavlor.h declares
"""

from __future__ import annotations

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "bindings"))
import generation  # noqa: E402  (beside the table it walks)
from generation import (SCALAR_OUTPUTS, Unsupported, array_kinds, by_array_kind,  # noqa: E402
                        c_string, zeroed_scalar)

# C++ keywords and the helper names of the generated code, which a parameter must not hide.
RESERVED = {"arrays", "args", "result", "Count", "Text", "TextBuffer", "auto", "char", "class",
            "default", "delete", "do", "double", "float", "for", "if", "int", "long", "new",
            "return", "short", "signed", "this", "unsigned", "void", "while"}

# The module's frame has arrays of floats and ints (the arrays of numbers take the converter
# and the type of their element and use, generation.ARRAY_KINDS); the matrices are floats.
NUMBERS = ("float", "int")
INPUT_ARRAYS = {**by_array_kind({"in": "{T}s", "scratch": "{T}s", "inout": "{T}sInOut",
                                 "out": "{T}sInOut"}, NUMBERS),
                "fmatrix": "matrix", "fmatrix3": "matrix3", "fmatrix_out": "matrixInOut",
                "bytes_in": "bytes", "pixels_in": "bytes"}
ARRAY_TYPES = {**by_array_kind(dict.fromkeys(("in", "scratch", "inout", "out", "work"),
                                             "{E}Array"), NUMBERS),
               "fmatrix": "FloatArray", "fmatrix3": "FloatArray", "fmatrix_out": "FloatArray",
               "bytes_in": "ByteArgument", "pixels_in": "ByteArgument"}
TEXT_BUFFERS = {"string_out", "text_result", "string_inout", "text_append"}


class Wrapper(generation.Counts):
    """The C++ text of one routine's wrapper."""

    def local(self, name: str) -> str:
        """The parameter's name in the wrapper, with "_" where it would hide a name."""
        clash = name in RESERVED or name in self.routines or name == self.r.name
        return name + "_" if clash else name

    # ---- counts: how this binding reads what a count names -------------------------------

    def parameter(self, p) -> str:
        if p.kind.name in ("string", "string_inout", "text_append"):
            raise Unsupported(f"{p.name} is a text, not a count")
        return f"Count({self.local(p.name)})"

    def length(self, p) -> str:
        if p.kind.name not in ("string_inout", "text_append", "string"):
            raise Unsupported(f"len() of {p.name}")
        return f"{self.text_name(p)}.size()"

    def add(self, expr, left: str, right: str) -> str:
        if expr.args[1].op in "+-" and expr.op == "-":
            right = f"({right})"
        return f"{left} {expr.op} {right}"

    def text_name(self, p) -> str:
        """The parsed text of a string argument that a buffer is made from."""
        local = self.local(p.name)
        return f"{local}_in" if p.kind.name in ("string_inout", "text_append") else local

    # ---- the parts of a wrapper -------------------------------------------------------------

    def parse(self) -> list[str]:
        declarations, formats, targets = [], [], []
        for p in self.r.python_args():
            kind, local = p.kind.name, self.local(p.name)
            if kind in ("int", "short", "stream", "int_inout"):
                declarations.append(f"int {local} = 0;")
                formats.append("i")
                targets.append(f"&{local}")
            elif kind == "float":
                declarations.append(f"float {local} = 0.0f;")
                formats.append("f")
                targets.append(f"&{local}")
            elif kind in ("string", "string_inout", "text_append"):
                declarations.append(f"Text {self.text_name(p)};")
                formats.append("O&")
                targets.append(f"Text::convert, &{self.text_name(p)}")
            elif kind in INPUT_ARRAYS:
                declarations.append(f"PyObject *{local}_arg = nullptr;")
                formats.append("O")
                targets.append(f"&{local}_arg")
            else:
                raise Unsupported(f"{p.name} of kind {kind}")
        lines = declarations
        fmt = "".join(formats) + ":" + self.r.name
        lines.append(f'if (!PyArg_ParseTuple({", ".join(["args", c_string(fmt)] + targets)}))')
        lines.append("    return nullptr;")
        return lines

    def guard(self) -> list[str]:
        names = self.r.python_guards()
        if not names:
            return []
        empty = {type(None): "Py_RETURN_NONE;", int: "return PyLong_FromLong(0);",
                 float: "return PyFloat_FromDouble(0.0);",
                 bytes: "return PyBytes_FromStringAndSize(nullptr, 0);"}
        value = self.r.python_guard_result()
        test = " || ".join(f"{self.local(n)} <= 0" for n in names)
        return [f"if ({test})", f"    {empty[type(value)]}"]

    def arrays(self) -> list[str]:
        params = [p for p in self.r.params if p.kind.name in ARRAY_TYPES]
        if not params:
            return []
        lines = []
        by_type: dict[str, list[str]] = {}
        for p in params:
            by_type.setdefault(ARRAY_TYPES[p.kind.name], []).append(self.local(p.name))
        lines += [f"{t} {', '.join(names)};" for t, names in by_type.items()]
        lines.append("Conversions arrays;")
        work = []
        for p in params:
            kind, local, args = p.kind.name, self.local(p.name), p.kind.args
            if kind in array_kinds("work"):
                work.append(f"arrays.work({local}, {self.count(args[0])});")
                continue
            # An output array converts its capacity; its count is what is written back.
            counts = [self.count(a) for a in (args[:1] if kind in array_kinds("out") else args)]
            if kind == "pixels_in":
                counts = [f"mul({counts[0]}, kavlor_pixel_bytes())"]
            lines.append(f"arrays.{INPUT_ARRAYS[kind]}({local}, {local}_arg, {', '.join(counts)});")
        lines += work
        lines += ["if (arrays.failed())", "    return nullptr;"]
        return lines

    def buffers(self) -> list[str]:
        lines = []
        for p in self.r.params:
            kind, local = p.kind.name, self.local(p.name)
            if kind in SCALAR_OUTPUTS:
                lines.append(zeroed_scalar(kind, local))
            elif kind in TEXT_BUFFERS:
                size = self.count(p.kind.arg("size"))
                initial = f", {self.text_name(p)}" if kind in ("string_inout", "text_append") \
                    else ""
                lines.append(f"TextBuffer {local};")
                lines += [f"if (!{local}.take({size}{initial}))", "    return nullptr;"]
        return lines

    def call(self) -> list[str]:
        args = []
        for p in self.r.params:
            kind, local = p.kind.name, self.local(p.name)
            if kind in ("int", "float", "callback_data"):
                args.append(local)
            elif kind == "short":
                args.append(f"static_cast<short>({local})")
            elif kind == "string":
                args.append(f"{local}.c_str()")
            elif kind == "stream":
                args.append(f"streamArgument({local})")
            elif kind in SCALAR_OUTPUTS or kind == "int_inout":
                args.append(f"&{local}")
            elif kind == "pixels_in":
                args.append(f"{local}.pixels()")
            else:
                args.append(f"{local}.data()")
        call = f"{self.r.name}({', '.join(args)});"
        # A callback that raised during the call: its exception is the wrapper's.
        raised = ["if (callbackRaised())", "    return nullptr;"]
        if "result" not in self.r.python_results():
            return [call] + raised
        declaration = self.r.result if self.r.result.endswith("*") else f"const {self.r.result} "
        if self.r.result_kind == "owned_string":
            raised = ["if (callbackRaised()) {", "    std::free(result);", "    return nullptr;",
                      "}"]
        return [f"{declaration}result = {call}"] + raised

    def write_back(self) -> list[str]:
        steps = []
        for p in self.r.params:
            kind, local, args = p.kind.name, self.local(p.name), p.kind.args
            if kind in array_kinds("inout"):
                steps.append(f"writeBack({local}, {self.count(args[0])})")
            elif kind in array_kinds("out"):
                count = p.kind.options.get("pycount", args[1])
                steps.append(f"writeBack({local}, {self.count(count)})")
            elif kind == "fmatrix_out":
                steps.append(f"writeBackMatrix({local}, {self.count(args[0])}, "
                             f"{self.count(args[1])})")
        if not steps:
            return []
        return [f"if (!{' || !'.join(steps)})", "    return nullptr;"]

    def result(self) -> list[str]:
        items = []
        for item in self.r.python_results():
            if item == "result":
                items.append({"int": "PyLong_FromLong(result)",
                              "float": "PyFloat_FromDouble(result)",
                              "string": "textResult(result)",
                              "owned_string": "ownedTextResult(result)",
                              "stream": "streamResult(result)"}[self.r.result_kind])
                continue
            kind, local = item.kind.name, self.local(item.name)
            if kind in ("int_out", "int_result", "int_inout"):
                items.append(f"PyLong_FromLong({local})")
            elif kind == "float_out":
                items.append(f"PyFloat_FromDouble({local})")
            elif kind in TEXT_BUFFERS:
                items.append(f"textResult({local}.data(), {local}.size())")
            else:
                raise Unsupported(f"{item.name} of kind {kind} as a result")
        if not items:
            return ["Py_RETURN_NONE;"]
        if len(items) == 1:
            return [f"return {items[0]};"]
        return [f"return results({{{', '.join(items)}}});"]

    def text(self) -> str:
        body = self.parse() + self.guard() + self.arrays() + self.buffers() + self.call() + \
            self.write_back() + self.result()
        return generation.c_function(
            self.r, f"PyObject *kavlor_{self.r.name}(PyObject *, PyObject *args)", body)


PREAMBLE = """\
// Generated by python/generate_wrappers.py from bindings/signatures.txt: do not edit.
#include "kernel/binding_readings.h"
#include "python/callbacks.h"
#include "python/sequences.h"
#include "python/values.h"

#include <kavlor.h>

#include <type_traits>
"""


def main(argv: list[str]) -> int:
    run = generation.Run(argv, "python/generate_wrappers.py")
    table, present, out_dir = run.table, run.present, run.out_dir
    rows = run.offered(table.python_wrapped())
    run.write_wrappers(PREAMBLE, run.wrappers([r for r in rows if not r.python_hand], Wrapper))

    functions = [f"kavlor_{r.name}" for r in rows] + \
        [f"kavlor_{name}" for name in table.python_only]
    methods = [r.name for r in rows] + table.python_only
    table_text = [
        run.banner(),
        "// The method table of the module kavlor: the wrapped routines in the table's order,",
        "// then the quick plots and setvar.",
        '#include "python/method_table.h"', "",
        "PyObject *" + ",\n    *".join(f"{f}(PyObject *, PyObject *)" for f in functions) + ";",
        "", "PyMethodDef kavlorMethods[] = {"]
    table_text += [f'    {{"{m}", {f}, METH_VARARGS, nullptr}},' for m, f in zip(methods, functions)]
    table_text += ["    {nullptr, nullptr, 0, nullptr},", "};", ""]
    (out_dir / "method_table.cpp").write_text("\n".join(table_text))

    hand = [r for r in table.python_wrapped() if r.python_hand]
    routines_text = [
        "// Generated by python/generate_wrappers.py: the routines of the hand-written",
        "// wrappers that kavlor.h declares; a wrapper is built when its routine is there.",
        "#pragma once", ""]
    routines_text += [f"#define KAVLOR_HAS_{r.name} 1" if r.name in present
                      else f"// {r.name}: not in kavlor.h yet" for r in hand]
    (out_dir / "python").mkdir(exist_ok=True)
    (out_dir / "python" / "routines.h").write_text("\n".join(routines_text) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
