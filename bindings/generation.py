"""What the wrapper generators of both modules share (python/generate_wrappers.py and
perl/generate_wrappers.py): one run over the signature table, the rows a module offers, the
compile-time check of each wrapper against kavlor.h, the kinds of arrays of numbers (their
element and what the routine does with them), and the walk of count and size expressions
into C++.

    generation.Run(argv, "perl/generate_wrappers.py")   # argv: TABLE_DIR HEADER OUT_DIR PARTS

A row whose routine kavlor.h does not declare yet is left out, so a module offers what the
library has.
"""

from __future__ import annotations

import dataclasses
import pathlib
import re

import signatures


@dataclasses.dataclass(frozen=True)
class ArrayKind:
    """What a routine does with an array of numbers that a binding hands it."""
    element: str  # the C type of an element: "float", "int" or "short"
    use: str  # "in": its first count elements read; "scratch": read, and room for size
    # elements; "inout": count elements read and written back; "out": room for capacity
    # elements, count written back; "work": size elements of room, no argument


# The kinds of arrays of numbers (the matrices, bytes and pixels have steps of their own in
# each binding). Both generators make their steps for these from the element and the use.
ARRAY_KINDS = {
    "farray": ArrayKind("float", "in"),
    "iarray": ArrayKind("int", "in"),
    "fscratch": ArrayKind("float", "scratch"),
    "finout": ArrayKind("float", "inout"),
    "iinout": ArrayKind("int", "inout"),
    "sinout": ArrayKind("short", "inout"),
    "fout": ArrayKind("float", "out"),
    "iout": ArrayKind("int", "out"),
    "fwork": ArrayKind("float", "work"),
    "iwork": ArrayKind("int", "work"),
}


# The scalars a routine writes through a pointer without reading them, by their C type:
# both modules pass the address of a variable of theirs that starts at zero.
SCALAR_OUTPUTS = {"int_out": "int", "int_result": "int", "status_out": "int",
                  "float_out": "float"}


def zeroed_scalar(kind: str, local: str) -> str:
    """The declaration of the variable of a SCALAR_OUTPUTS kind, zero."""
    ctype = SCALAR_OUTPUTS[kind]
    return f"{ctype} {local} = {'0.0f' if ctype == 'float' else '0'};"


def array_kinds(*uses: str) -> list[str]:
    """The array kinds of the uses given, in the order of ARRAY_KINDS."""
    return [kind for kind, a in ARRAY_KINDS.items() if a.use in uses]


def by_array_kind(templates: dict, elements=("float", "int", "short")) -> dict:
    """Each array kind's template (a text, or a list of lines) made from the template of its
    use, {T} standing for the element type (float) and {E} for its name in functions (Float);
    a kind whose use has no template, or whose element is not among elements, is left out."""
    def filled(template, element: str):
        if isinstance(template, list):
            return [filled(line, element) for line in template]
        return template.replace("{T}", element).replace("{E}", element.capitalize())
    return {kind: filled(templates[a.use], a.element) for kind, a in ARRAY_KINDS.items()
            if a.use in templates and a.element in elements}


class Unsupported(Exception):
    """A row that the generated frame cannot serve; it must be marked hand."""


def declared_routines(header: pathlib.Path) -> set[str]:
    text = re.sub(r"/\*.*?\*/", "", header.read_text(), flags=re.S)
    return set(re.findall(r"^KAVLOR_API[^;(]*?\b(\w+)\s*\(", text, re.M))


def c_string(text: str) -> str:
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def c_function(routine, head: str, body: list[str]) -> str:
    """A wrapper's text: the prototype it wraps, a check that kavlor.h declares the routine
    with that very type, then the function head and its indented body."""
    signature = routine.prototype.replace(f" {routine.name}(", "(", 1).replace(
        f"*{routine.name}(", "*(", 1)
    lines = [f"// {routine.prototype}",
             f"static_assert(std::is_same_v<decltype({routine.name}), {signature}>);",
             f"{head} {{"]
    lines += ["    " + line for line in body]
    lines.append("}")
    return "\n".join(lines)


class Counts:
    """Writes a row's counts and sizes (signatures.Expr) as 64-bit C++ expressions of the
    type Count that both modules' frames define; a product is held by mul(), never wrapping.
    A binding says how it names a parameter (local), reads one as a count (parameter),
    measures one (length), adds up an int array (sum) and writes a sum or difference (add)."""

    def __init__(self, routine, routines):
        self.r = routine
        self.routines = routines

    def count(self, expr) -> str:
        if expr.op == "num":
            return str(expr.value)
        if expr.op == "name":
            if expr.value == "result":
                return "Count(result)"
            if expr.value == "spline_points":
                return "Count(kavlor_spline_points())"
            return self.parameter(self.r.param(expr.value))
        if expr.op == "call":
            if expr.value == "len":
                (arg,) = expr.args
                return self.length(self.r.param(arg.value))
            if expr.value == "sum":
                return self.sum(*expr.args)
            if expr.value in self.routines:
                args = ", ".join(self.local(a.value) if a.op == "name" else str(a.value)
                                 for a in expr.args)
                return f"Count({expr.value}({args}))"
            raise Unsupported(f"{expr.value}() in a count")
        left, right = (self.count(a) for a in expr.args)
        if expr.op == "*":
            return f"mul({left}, {right})"
        return self.add(expr, left, right)

    def local(self, name: str) -> str:
        raise NotImplementedError

    def parameter(self, p) -> str:
        raise NotImplementedError

    def length(self, p) -> str:
        raise NotImplementedError

    def sum(self, array, n) -> str:
        raise Unsupported("sum() in a count")

    def add(self, expr, left: str, right: str) -> str:
        raise NotImplementedError


class Run:
    """One run of a generator: the table, the routines kavlor.h declares, and the files it
    writes into OUT_DIR (the wrappers split into PARTS files for a parallel build)."""

    def __init__(self, argv: list[str], generator: str):
        table_dir, header = pathlib.Path(argv[1]), pathlib.Path(argv[2])
        self.out_dir, self.parts = pathlib.Path(argv[3]), int(argv[4])
        self.generator = generator
        self.table = signatures.load(table_dir / "signatures.txt", table_dir / "python_only.txt")
        self.present = declared_routines(header)
        self.names = {r.name for r in self.table}

    def offered(self, rows) -> list:
        """The rows of a module whose routines kavlor.h declares."""
        return [r for r in rows if r.name in self.present]

    def wrappers(self, rows, wrapper) -> list[str]:
        """The text of wrapper(row, names).text() for each row; a row the frame cannot serve
        ends the run with the row's place in the table."""
        texts = []
        for r in rows:
            try:
                texts.append(wrapper(r, self.names).text())
            except Unsupported as e:
                raise SystemExit(f"{self.table.source}:{r.line}: {r.name}: {e}; "
                                 "mark the row hand")
        return texts

    def write_wrappers(self, preamble: str, texts: list[str]) -> None:
        """wrappers_1.cpp .. wrappers_PARTS.cpp, each the preamble and its share of texts."""
        self.out_dir.mkdir(parents=True, exist_ok=True)
        per_part = -(-len(texts) // self.parts)
        for i in range(self.parts):
            chunk = texts[i * per_part:(i + 1) * per_part]
            (self.out_dir / f"wrappers_{i + 1}.cpp").write_text(preamble + "".join(
                "\n" + t + "\n" for t in chunk))

    def banner(self) -> str:
        return (f"// Generated by {self.generator} from bindings/signatures.txt: "
                "do not edit.")
