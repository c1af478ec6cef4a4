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
from generation import (SCALAR_OUTPUTS, Unsupported, array_kinds, by_array_kind,  # noqa: E402
                        c_string, zeroed_scalar)

# What each kind of parameter becomes in each step of an XSUB, as templates of C++ lines:
# {local} is the parameter's variable, {p} its name, {st} its place on Perl's stack, {usage}
# its name in the usage text (a C string), {c0} {c1} {c2} the kind's counts and sizes as C++
# expressions, {magic} whether a string_out sets magic. The arrays of numbers take the
# templates of their use (generation.ARRAY_KINDS), {T} their element type, {E} its name in the
# frame's functions.
ARRAY_ARG = ["AV *const av_{p} = arrayArg(aTHX_ call, {st}, {usage});"]
OUT_ARG = ["outArg(aTHX_ {st});"]
# The Perl arguments, read in conversion order; arrays are taken as references.
ARGUMENTS = {
    "int": ["const int {local} = intArg(aTHX_ {st});"],
    "short": ["const short {local} = shortArg(aTHX_ {st});"],
    "float": ["const float {local} = floatArg(aTHX_ {st});"],
    "string": ["const char *const {local} = stringArg(aTHX_ {st});"],
    "stream": ["FILE *const {local} = streamArg(aTHX_ {st});"],
    "int_out": OUT_ARG, "float_out": OUT_ARG, "status_out": OUT_ARG, "string_out": OUT_ARG,
    "int_inout": ["int {local} = intArg(aTHX_ {st});"],
    "string_inout": ["const Count len_{p} = Count(sv_len({st}));"],
    "bytes_in": [], "legend": [],  # read with the buffers
    **{kind: ARRAY_ARG for kind in array_kinds("in", "scratch", "inout", "out") +
       ["fmatrix", "fmatrix3", "fmatrix_out", "bytes_out", "pixels_in", "pixels_out"]},
}
# Every array is checked against its counts before any element is converted; the rows a
# matrix had at its check are the rows converted and written back (perl/frame.h).
CHECKS = {
    **by_array_kind({use: ["checkLength(aTHX_ call, av_{p}, {usage}, {c0});"]
                     for use in ("in", "scratch", "inout")}),
    "pixels_in": ["checkLength(aTHX_ call, av_{p}, {usage}, mul({c0}, kavlor_pixel_bytes()));"],
    "fmatrix": ["AV *const *const rows_{p} = checkMatrix(aTHX_ call, av_{p}, {usage}, {c0}, "
                "{c1});"],
    "fmatrix3": ["AV *const *const rows_{p} = checkMatrix3(aTHX_ call, av_{p}, {usage}, {c0}, "
                 "{c1}, {c2});"],
    "fmatrix_out": ["AV *const *const rows_{p} = checkMatrix(aTHX_ call, av_{p}, {usage}, {c0}, "
                    "-1);"],
}
# The buffers the routine reads and writes, and the output scalars.
CHAR_BUFFER = ["char *const {local} = buffer<char>(aTHX_ call, {c0});"]
BUFFERS = {
    **{kind: [zeroed_scalar(kind, "{local}")] for kind in SCALAR_OUTPUTS},
    **by_array_kind({
        "in": ["{T} *const {local} = {T}Array(aTHX_ call, av_{p}, {c0});"],
        "scratch": ["{T} *const {local} = {T}Array(aTHX_ call, av_{p}, {c1});"],
        "inout": ["Count n_{p} = 0;",
                  "{T} *const {local} = {T}Array(aTHX_ call, av_{p}, {c0}, &n_{p});"],
        "out": ["const Count cap_{p} = {c0};",
                "{T} *const {local} = buffer<{T}>(aTHX_ call, cap_{p});"],
        "work": ["{T} *const {local} = buffer<{T}>(aTHX_ call, {c0});"],
    }),
    "fmatrix": ["const float *const {local} = floatMatrix(aTHX_ call, rows_{p}, {c0}, {c1});"],
    "fmatrix3": ["const float *const {local} = floatMatrix(aTHX_ call, rows_{p}, mul({c0}, {c1}), "
                 "{c2});"],
    "fmatrix_out": ["float *const {local} = buffer<float>(aTHX_ call, mul({c0}, {c1}));"],
    "string_out": CHAR_BUFFER, "text_result": CHAR_BUFFER,
    "string_inout": ["char *const {local} = ownBuffer(aTHX_ {st}, {c0});"],
    "bytes_in": ["const char *const {local} = bytesArg(aTHX_ call, {st}, {usage}, {c0});"],
    "bytes_out": ["const Count cap_{p} = {c0};",
                  "char *const {local} = cap_{p} < 0 ? nullptr : buffer<char>(aTHX_ call, "
                  "cap_{p});"],
    "pixels_in": ["const unsigned char *const {local} = byteArray(aTHX_ call, av_{p}, "
                  "mul({c0}, kavlor_pixel_bytes()));"],
    "pixels_out": ["const Count cap_{p} = pixelBytes(aTHX_ call, {usage}, {c0});",
                   "unsigned char *const {local} = buffer<unsigned char>(aTHX_ call, cap_{p});"],
    "legend": ["const char *const {local} = legendArg(aTHX_ call, {st});"],
}
# After the call: the arrays written back (the count written cut to the buffer), then the
# output scalars set.
WRITE_BACK = {
    **by_array_kind({
        "inout": ["store{E}s(aTHX_ av_{p}, {local}, n_{p});"],
        "out": ["store{E}s(aTHX_ av_{p}, {local}, clampCount({c1}, cap_{p}));"],
    }),
    "fmatrix_out": ["storeMatrix(aTHX_ rows_{p}, {local}, {c0}, {c1});"],
    "bytes_out": ["if ({local} != nullptr)",
                  "    storeBytes(aTHX_ av_{p}, {local}, clampCount({c1}, cap_{p}));"],
    "pixels_out": ["storePixels(aTHX_ av_{p}, {local}, cap_{p});"],
}
SET_SCALARS = {
    **{kind: [f"set{ctype.capitalize()}(aTHX_ {{st}}, {{local}});"]
       for kind, ctype in SCALAR_OUTPUTS.items() if kind != "int_result"},  # the sub's value
    "int_inout": ["setInt(aTHX_ {st}, {local});"],
    "string_out": ["setText(aTHX_ {st}, {local}, {magic});"],
    "string_inout": ["recountOwnBuffer(aTHX_ {st});"],
}
BY_ADDRESS = {"int_out", "float_out", "status_out", "int_result", "int_inout"}


class Fields(dict):
    """The values of a parameter's template fields, each worked out when a template names it
    (a count may not be writable for a kind whose templates do not use it)."""

    def __init__(self, wrapper, p):
        super().__init__()
        self.w, self.p = wrapper, p

    def __missing__(self, field: str) -> str:
        w, p = self.w, self.p
        if field == "local":
            return w.local(p.name)
        if field == "p":
            return p.name
        if field == "st":
            return w.st(p)
        if field == "usage":
            return c_string(w.usage_name[p.name])
        if field == "magic":
            return "false" if str(p.kind.options.get("magic", "1")) == "0" else "true"
        return w.count(p.kind.args[int(field[1:])])  # c0, c1, c2


class Wrapper(generation.Counts):
    """The C++ text of one routine's XSUB."""

    def __init__(self, routine, routines):
        super().__init__(routine, routines)
        self.usage_name = {}  # parameter -> its name in the usage text
        self.index = {}  # parameter -> its place on Perl's argument stack
        for i, (usage, p) in enumerate(routine.perl_args()):
            self.usage_name[p.name] = usage
            self.index[p.name] = i

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
        if self.r.param(array.value).kind.name not in ("fout", "iout"):
            raise Unsupported(f"sum() of {array.value}, which is no output array")
        return f"sumOf({self.local(array.value)}, {self.count(n)}, cap_{array.value})"

    def add(self, expr, left: str, right: str) -> str:
        return f"({left} {expr.op} {right})"

    # ---- the parts of a wrapper -------------------------------------------------------------

    def step(self, templates: dict, params) -> list[str]:
        """The lines of one step: the templates of each parameter's kind, in order."""
        return [line.format_map(Fields(self, p)) for p in params
                for line in templates.get(p.kind.name, ())]

    def scalars(self) -> list[str]:
        args = self.r.perl_args()
        if self.r.perl_order:
            by_usage = dict(args)
            args = [(n, by_usage[n]) for n in self.r.perl_order]
        for _, p in args:
            if p.kind.name not in ARGUMENTS:
                raise Unsupported(f"{p.name} of kind {p.kind.name}")
        return self.step(ARGUMENTS, [p for _, p in args])

    def call(self) -> list[str]:
        args = []
        for p in self.r.params:
            local = self.local(p.name)
            if p.kind.name in BY_ADDRESS:
                args.append(f"&{local}")
            else:
                args.append(local)
        call = f"{self.r.name}({', '.join(args)});"
        check = "checkCallbackError(aTHX);"
        if self.r.result == "void":
            return [call, check]
        declaration = self.r.result if self.r.result.endswith("*") else f"{self.r.result} "
        return [f"[[maybe_unused]] {declaration}const result = {call}", check]

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
        params = self.r.params
        body = head + self.scalars() + ["ENTER;"] + self.step(CHECKS, params) + \
            self.step(BUFFERS, params) + self.call() + self.step(WRITE_BACK, params) + \
            self.step(SET_SCALARS, params) + self.result()
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
