#!/usr/bin/python3
"""Writes the wrappers of the Perl module Kavlor from the bindings' signature table.

    generate_wrappers.py TABLE_DIR HEADER OUT_DIR PARTS

One wrapper a row: check the number of arguments, convert the scalars, check and
convert the arrays, call the routine, write the arrays and the output scalars back,
set the result (bindings/README.md says what each kind of parameter becomes, perl/frame.h
holds the conversions). The rows marked `hand` for Perl are written by hand in this
folder. The run over the table and the walk of counts are bindings/generation.py's, which
the Python module's generator shares.

Writes into OUT_DIR:
  wrappers_1.cpp .. wrappers_PARTS.cpp   the generated wrappers, split for a parallel build
  registrations.cpp                      the subs the module start registers
"""

from __future__ import annotations

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "bindings"))
import generation  # noqa: E402  (beside the table it walks)
from generation import Unsupported, c_string  # noqa: E402

SCALAR_IN = {"int": ("const int", "intArg"), "short": ("const short", "shortArg"),
             "float": ("const float", "floatArg"), "string": ("const char *const", "stringArg"),
             "stream": ("FILE *const", "streamArg")}
SCALAR_OUT = {"int_out": "int", "float_out": "float", "status_out": "int", "int_result": "int"}
ARRAY_IN = {"farray": ("float", "floatArray"), "iarray": ("int", "intArray"),
            "fscratch": ("float", "floatArray"), "finout": ("float", "floatArray"),
            "iinout": ("int", "intArray"), "sinout": ("short", "shortArray")}
WRITE_BACK = {"finout": "storeFloats", "iinout": "storeInts", "sinout": "storeShorts",
              "fout": "storeFloats", "iout": "storeInts"}


class Wrapper(generation.Counts):
    """The C++ text of one routine's XSUB."""

    def __init__(self, routine, routines):
        super().__init__(routine, routines)
        self.usage_name = {}  # parameter -> its name in the usage text
        self.index = {}  # parameter -> its place on Perl's argument stack
        for i, (usage, p) in enumerate(routine.perl_args()):
            self.usage_name[p.name] = usage
            self.index[p.name] = i
        self.capacity = {}  # output array -> the expression of its buffer's elements

    @staticmethod
    def local(name: str) -> str:
        return "a_" + name

    def st(self, p) -> str:
        return f"ST({self.index[p.name]})"

    # ---- counts: how this binding reads what a count names -------------------------------

    def parameter(self, p) -> str:
        if p.kind.name not in ("int", "short", "int_out", "int_inout", "int_result",
                               "status_out"):
            raise Unsupported(f"{p.name} of kind {p.kind.name} as a count")
        return f"Count({self.local(p.name)})"

    def length(self, p) -> str:
        if p.kind.name not in ("string", "string_inout"):
            raise Unsupported(f"len() of {p.name}")
        return f"len_{p.name}"

    def sum(self, array, n) -> str:
        return (f"sumOf({self.local(array.value)}, {self.count(n)}, "
                f"{self.capacity[array.value]})")

    def add(self, expr, left: str, right: str) -> str:
        return f"({left} {expr.op} {right})"

    # ---- the parts of a wrapper -------------------------------------------------------------

    def scalars(self) -> list[str]:
        """The Perl arguments read in conversion order; arrays are taken as references."""
        args = self.r.perl_args()
        if self.r.perl_order:
            by_usage = dict(args)
            args = [(n, by_usage[n]) for n in self.r.perl_order]
        lines = []
        for usage, p in args:
            kind, local, st = p.kind.name, self.local(p.name), self.st(p)
            if kind in SCALAR_IN:
                ctype, convert = SCALAR_IN[kind]
                lines.append(f"{ctype} {local} = {convert}(aTHX_ {st});")
            elif kind in ("int_out", "float_out", "status_out", "string_out"):
                lines.append(f"outArg(aTHX_ {st});")
            elif kind == "int_inout":
                lines.append(f"int {local} = intArg(aTHX_ {st});")
            elif kind in ARRAY_IN or kind in ("fout", "iout", "fmatrix", "fmatrix3",
                                              "fmatrix_out", "bytes_out", "pixels_in",
                                              "pixels_out"):
                lines.append(f"AV *const av_{p.name} = arrayArg(aTHX_ call, {st}, "
                             f"{c_string(usage)});")
            elif kind == "string_inout":
                lines.append(f"const Count len_{p.name} = Count(sv_len({st}));")
            elif kind in ("bytes_in", "legend"):
                pass  # read with the buffers
            else:
                raise Unsupported(f"{p.name} of kind {kind}")
        return lines

    def checks(self) -> list[str]:
        """Every array is checked against its counts before any element is converted."""
        lines = []
        for p in self.r.params:
            kind, args = p.kind.name, p.kind.args
            if not p.kind.spec.perl_arg:
                continue
            name = c_string(self.usage_name[p.name])
            av = f"av_{p.name}"
            if kind in ARRAY_IN:
                lines.append(f"checkLength(aTHX_ call, {av}, {name}, {self.count(args[0])});")
            elif kind == "pixels_in":
                lines.append(f"checkLength(aTHX_ call, {av}, {name}, "
                             f"mul({self.count(args[0])}, kavlor_pixel_bytes()));")
            elif kind == "fmatrix":
                lines.append(f"checkMatrix(aTHX_ call, {av}, {name}, {self.count(args[0])}, "
                             f"{self.count(args[1])});")
            elif kind == "fmatrix3":
                lines.append(f"checkMatrix3(aTHX_ call, {av}, {name}, "
                             + ", ".join(self.count(a) for a in args) + ");")
            elif kind == "fmatrix_out":
                lines.append(f"checkMatrix(aTHX_ call, {av}, {name}, {self.count(args[0])}, -1);")
        return lines

    def buffers(self) -> list[str]:
        lines = []
        for p in self.r.params:
            kind, local, args = p.kind.name, self.local(p.name), p.kind.args
            if kind in SCALAR_OUT:
                zero = "0.0f" if SCALAR_OUT[kind] == "float" else "0"
                lines.append(f"{SCALAR_OUT[kind]} {local} = {zero};")
            elif kind in ARRAY_IN:
                ctype, convert = ARRAY_IN[kind]
                room = self.count(args[1] if kind == "fscratch" else args[0])
                lines.append(f"{ctype} *const {local} = {convert}(aTHX_ call, av_{p.name}, "
                             f"{room});")
                if kind in WRITE_BACK:
                    lines.append(f"const Count n_{p.name} = arrayLength(aTHX_ av_{p.name});")
            elif kind in ("fout", "iout"):
                ctype = "float" if kind == "fout" else "int"
                self.capacity[p.name] = f"cap_{p.name}"
                lines.append(f"const Count cap_{p.name} = {self.count(args[0])};")
                lines.append(f"{ctype} *const {local} = buffer<{ctype}>(aTHX_ call, "
                             f"cap_{p.name});")
            elif kind == "fmatrix":
                lines.append(f"const float *const {local} = floatMatrix(aTHX_ call, "
                             f"av_{p.name}, {self.count(args[0])}, {self.count(args[1])});")
            elif kind == "fmatrix3":
                lines.append(f"const float *const {local} = floatMatrix3(aTHX_ call, "
                             f"av_{p.name}, " + ", ".join(self.count(a) for a in args) + ");")
            elif kind == "fmatrix_out":
                lines.append(f"float *const {local} = buffer<float>(aTHX_ call, "
                             f"mul({self.count(args[0])}, {self.count(args[1])}));")
            elif kind in ("fwork", "iwork"):
                ctype = "float" if kind == "fwork" else "int"
                lines.append(f"{ctype} *const {local} = buffer<{ctype}>(aTHX_ call, "
                             f"{self.count(args[0])});")
            elif kind in ("string_out", "text_result"):
                lines.append(f"char *const {local} = buffer<char>(aTHX_ call, "
                             f"{self.count(args[0])});")
            elif kind == "string_inout":
                lines.append(f"char *const {local} = ownBuffer(aTHX_ {self.st(p)}, "
                             f"{self.count(args[0])});")
            elif kind == "bytes_in":
                lines.append(f"const char *const {local} = bytesArg(aTHX_ call, {self.st(p)}, "
                             f"{c_string(self.usage_name[p.name])}, {self.count(args[0])});")
            elif kind == "bytes_out":
                lines.append(f"const Count cap_{p.name} = {self.count(args[0])};")
                lines.append(f"char *const {local} = cap_{p.name} < 0 ? nullptr : "
                             f"buffer<char>(aTHX_ call, cap_{p.name});")
            elif kind == "pixels_in":
                lines.append(f"const unsigned char *const {local} = byteArray(aTHX_ call, "
                             f"av_{p.name}, mul({self.count(args[0])}, kavlor_pixel_bytes()));")
            elif kind == "pixels_out":
                lines.append(f"const Count cap_{p.name} = mul({self.count(args[0])}, "
                             "kavlor_pixel_bytes());")
                lines.append(f"unsigned char *const {local} = buffer<unsigned char>(aTHX_ call, "
                             f"cap_{p.name});")
            elif kind == "legend":
                lines.append(f"const char *const {local} = legendArg(aTHX_ call, "
                             f"{self.st(p)});")
        return lines

    def call(self) -> list[str]:
        args = []
        for p in self.r.params:
            local = self.local(p.name)
            if p.kind.name in SCALAR_OUT or p.kind.name == "int_inout":
                args.append(f"&{local}")
            else:
                args.append(local)
        call = f"{self.r.name}({', '.join(args)});"
        check = "checkCallbackError(aTHX);"
        if self.r.result == "void":
            return [call, check]
        declaration = self.r.result if self.r.result.endswith("*") else f"{self.r.result} "
        return [f"[[maybe_unused]] {declaration}const result = {call}", check]

    def write_back(self) -> list[str]:
        lines = []
        for p in self.r.params:
            kind, local, args = p.kind.name, self.local(p.name), p.kind.args
            if kind in ("finout", "iinout", "sinout"):
                lines.append(f"{WRITE_BACK[kind]}(aTHX_ av_{p.name}, {local}, n_{p.name});")
            elif kind in ("fout", "iout"):
                lines.append(f"{WRITE_BACK[kind]}(aTHX_ av_{p.name}, {local}, "
                             f"clampCount({self.count(args[1])}, cap_{p.name}));")
            elif kind == "fmatrix_out":
                lines.append(f"storeMatrix(aTHX_ av_{p.name}, {local}, {self.count(args[0])}, "
                             f"{self.count(args[1])});")
            elif kind == "bytes_out":
                lines.append(f"if ({local} != nullptr)")
                lines.append(f"    storeBytes(aTHX_ av_{p.name}, {local}, "
                             f"clampCount({self.count(args[1])}, cap_{p.name}));")
            elif kind == "pixels_out":
                lines.append(f"storePixels(aTHX_ av_{p.name}, {local}, cap_{p.name});")
        for p in self.r.params:
            kind, local = p.kind.name, self.local(p.name)
            if kind in ("int_out", "status_out", "int_inout"):
                lines.append(f"setInt(aTHX_ {self.st(p)}, {local});")
            elif kind == "float_out":
                lines.append(f"setFloat(aTHX_ {self.st(p)}, {local});")
            elif kind == "string_out":
                magic = "false" if str(p.kind.options.get("magic", "1")) == "0" else "true"
                lines.append(f"setText(aTHX_ {self.st(p)}, {local}, {magic});")
            elif kind == "string_inout":
                lines.append(f"recountOwnBuffer(aTHX_ {self.st(p)});")
        return lines

    def result(self) -> list[str]:
        item = self.r.perl_result()
        if item is None:
            return ["LEAVE;", "XSRETURN_EMPTY;"]
        if item == "result":
            setter = {"int": "resultInt", "float": "resultFloat", "string": "resultText",
                      "owned_string": "resultOwnedText",
                      "stream": "resultStream"}[self.r.result_kind]
            value = "result"
        elif item.kind.name == "int_result":
            setter, value = "resultInt", self.local(item.name)
        elif item.kind.name == "text_result":
            setter, value = "resultText", self.local(item.name)
        else:
            raise Unsupported(f"{item.name} of kind {item.kind.name} as the result")
        return [f"{setter}(aTHX_ TARG, {value});", "LEAVE;", "ST(0) = TARG;", "XSRETURN(1);"]

    def text(self) -> str:
        items = len(self.r.perl_args())
        head = ["dXSARGS;", "PERL_UNUSED_VAR(cv);",
                f"static constexpr Call call{{{c_string(self.r.name)}, "
                f"{c_string(self.r.perl_usage())}}};",
                f"checkArgumentCount(aTHX_ call, items, {items});"]
        if self.r.perl_result() is not None:
            head.append("dXSTARG;")
        body = head + self.scalars() + ["ENTER;"] + self.checks() + self.buffers() + \
            self.call() + self.write_back() + self.result()
        return generation.c_function(self.r, f"KAVLOR_PERL_EXPORT void XS_Kavlor_{self.r.name}"
                                     "(pTHX_ CV *cv)", body)


PREAMBLE = """\
// Generated by perl/generate_wrappers.py from bindings/signatures.txt: do not edit.
#include "kernel/binding_readings.h"

#include <kavlor.h>

#include <cstring>
#include <type_traits>

#include "perl/callbacks.h"
#include "perl/frame.h"

using namespace kavlor_perl;
"""


def main(argv: list[str]) -> int:
    run = generation.Run(argv, "perl/generate_wrappers.py")
    rows = run.offered(run.table.perl_subs())
    run.write_wrappers(PREAMBLE, run.wrappers([r for r in rows if not r.perl_hand], Wrapper))

    text = [
        run.banner(),
        "// The subs the module start registers: every routine of the table that the Perl",
        "// module offers and kavlor.h declares, generated or written by hand.",
        '#include "perl/registrations.h"', "",
        'extern "C" {',
        "void " + ",\n    ".join(f"XS_Kavlor_{r.name}(pTHX_ CV *)" for r in rows) + ";",
        "}", "",
        "const Registration kRegistrations[] = {"]
    text += [f'    {{"Kavlor::{r.name}", XS_Kavlor_{r.name}}},' for r in rows]
    text += ["};", f"const int kRegistrationCount = {len(rows)};", ""]
    (run.out_dir / "registrations.cpp").write_text("\n".join(text))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
