"""The signature table of the Python and Perl bindings: its loader.

    import signatures
    table = signatures.load()            # bindings/signatures.txt and python_only.txt
    for routine in table.python_wrapped():
        ...

The table (signatures.txt) has one row per public routine: its C prototype, the
kind of every parameter, and what each binding makes of it. README.md describes
the format and every kind. The loader checks everything it can check without
the header, and fails with TableError naming the file and line.
"""

from __future__ import annotations

import dataclasses
import pathlib
import re

HERE = pathlib.Path(__file__).resolve().parent
TABLE = HERE / "signatures.txt"
PYTHON_ONLY = HERE / "python_only.txt"


class TableError(Exception):
    """A row of the table that cannot be read or does not hold together."""


# ---- Kinds ----------------------------------------------------------------------------------
#
# A kind says what a parameter is to the bindings. For each kind: the C types it fits,
# its arguments (expressions) and options, whether it is an argument and whether it is
# part of the result in each binding, and which of its arguments count elements that the
# Python wrapper converts (those are the counts its guard tests).


@dataclasses.dataclass(frozen=True)
class KindSpec:
    ctypes: tuple[str, ...]  # C types of the parameter; "(*)" stands for any function pointer
    args: tuple[str, ...] = ()  # names of the positional arguments, for messages and README
    options: tuple[str, ...] = ()  # keyword options
    python_arg: bool = True
    python_result: bool = False
    perl_arg: bool = True
    perl_result: bool = False
    counts: tuple[int, ...] = ()  # positional arguments the Python wrapper converts by
    replaces_result: bool = False  # the parameter's text stands in for the function result


def _scalar(ctype: str) -> KindSpec:
    return KindSpec((ctype,))


def _array(ctype: str, *args: str, counts=(0,), **flags) -> KindSpec:
    return KindSpec((ctype,), args, counts=counts, **flags)


KINDS: dict[str, KindSpec] = {
    # Scalars in; these are also the kinds a parameter has when the row names none.
    "int": _scalar("int"),
    "short": _scalar("short"),
    "float": _scalar("float"),
    "string": _scalar("const char *"),
    "stream": _scalar("FILE *"),
    "callback": KindSpec(("(*)",)),
    "callback_data": _scalar("int"),
    # Scalars out.
    "int_out": KindSpec(("int *",), python_arg=False, python_result=True),
    "float_out": KindSpec(("float *",), python_arg=False, python_result=True),
    "int_inout": KindSpec(("int *",), python_result=True),
    "int_result": KindSpec(("int *",), python_arg=False, python_result=True, perl_arg=False,
                           perl_result=True),
    "status_out": KindSpec(("int *",), python_arg=False),
    "string_out": KindSpec(("char *",), ("size",), options=("magic",), python_arg=False,
                           python_result=True),
    "string_inout": KindSpec(("char *",), ("size",), python_result=True),
    "text_result": KindSpec(("char *",), ("size",), python_arg=False, python_result=True,
                            perl_arg=False, perl_result=True, replaces_result=True),
    "text_append": KindSpec(("char *",), ("size",), python_result=True, perl_result=True,
                            replaces_result=True),
    # Arrays. A count is the number of elements the routine reads or writes.
    "farray": _array("const float *", "count"),
    "iarray": _array("const int *", "count"),
    "fscratch": _array("float *", "count", "size"),
    "finout": _array("float *", "count"),
    "iinout": _array("int *", "count"),
    "sinout": _array("short *", "count"),
    "fout": KindSpec(("float *",), ("capacity", "count"), options=("pycount",), counts=(0,)),
    "iout": KindSpec(("int *",), ("capacity", "count"), options=("pycount",), counts=(0,)),
    "fmatrix": _array("const float *", "nx", "ny", counts=(0, 1)),
    "fmatrix3": _array("const float *", "nx", "ny", "nz", counts=(0, 1, 2)),
    "fmatrix_out": _array("float *", "nx", "ny", counts=(0, 1)),
    "fwork": KindSpec(("float *",), ("size",), python_arg=False, perl_arg=False),
    "iwork": KindSpec(("int *",), ("size",), python_arg=False, perl_arg=False),
    # Bytes and pixels.
    "bytes_in": _array("const char *", "count"),
    "bytes_out": KindSpec(("char *",), ("size", "length"), python_arg=False,
                          python_result=True),
    "bytes_query": KindSpec(("char *",), ("size", "length"), python_arg=False,
                            python_result=True),
    "pixels_in": _array("const unsigned char *", "count"),
    "pixels_out": KindSpec(("unsigned char *",), ("count",), python_arg=False,
                           python_result=True, counts=(0,)),
    # The legend buffer of legini, leglin, legend and their friends.
    "legend": KindSpec(("const char *",)),
    "legend_init": KindSpec(("char *",), ("size",)),
    "legend_inout": KindSpec(("char *",)),
}

# What a routine's C result becomes in both bindings.
RESULTS = {
    "void": "none",
    "int": "int",
    "short": "int",
    "float": "float",
    "const char *": "string",  # the library keeps the text; NULL gives None or undef
    "char *": "owned_string",  # a new heap text: copied, then freed; NULL gives None or undef
    "FILE *": "stream",  # 6 when there is a stream, 0 when there is none
}

# Names an expression may use besides the routine's parameters.
RESULT_NAME = "result"  # the routine's own result
LIBRARY_VALUES = {
    "spline_points": "the number of points spline writes with the current splmod settings",
}
BUILTINS = {"sum": 2, "len": 1}  # sum(array, n): its first n values; len(x): bytes or elements


# ---- Expressions ----------------------------------------------------------------------------


@dataclasses.dataclass(frozen=True)
class Expr:
    """A count or size: integers, names, + - *, parentheses and calls."""

    op: str  # "num", "name", "call", "+", "-" or "*"
    value: int | str | None = None  # the number, the name or the called function
    args: tuple[Expr, ...] = ()

    def names(self) -> set[str]:
        """The names the expression reads (function names not included)."""
        if self.op == "name":
            return {self.value}
        return set().union(*(a.names() for a in self.args)) if self.args else set()

    def calls(self) -> set[str]:
        own = {self.value} if self.op == "call" else set()
        return own.union(*(a.calls() for a in self.args))

    def render(self, name=lambda n: n, call=None) -> str:
        """Text of the expression; name() and call(function, args) rewrite what they name."""
        if self.op == "num":
            return str(self.value)
        if self.op == "name":
            return name(self.value)
        if self.op == "call":
            args = [a.render(name, call) for a in self.args]
            return call(self.value, args) if call else f"{self.value}({', '.join(args)})"
        left, right = (a.render(name, call) for a in self.args)
        if self.args[0].op in "+-" and self.op == "*":
            left = f"({left})"
        if self.args[1].op in "+-" and self.op in "*-":
            right = f"({right})"
        return f"{left} {self.op} {right}"

    def __str__(self) -> str:
        return self.render()


_TOKEN = re.compile(r"\s*(?:(\d+)|([A-Za-z_]\w*)|(.))")


def parse_expr(text: str) -> Expr:
    tokens = [m.group(m.lastindex) for m in _TOKEN.finditer(text) if m.lastindex]
    pos = 0

    def peek():
        return tokens[pos] if pos < len(tokens) else None

    def take(expected=None):
        nonlocal pos
        token = peek()
        if token is None or (expected and token != expected):
            raise TableError(f"bad expression {text!r}")
        pos += 1
        return token

    def binary(operators, operand):
        node = operand()
        while peek() in tuple(operators):
            op = take()
            node = Expr(op, args=(node, operand()))
        return node

    def atom():
        token = take()
        if token.isdigit():
            return Expr("num", int(token))
        if token == "(":
            node = binary("+-", term)
            take(")")
            return node
        if not re.fullmatch(r"[A-Za-z_]\w*", token):
            raise TableError(f"bad expression {text!r}")
        if peek() != "(":
            return Expr("name", token)
        take("(")
        args = [binary("+-", term)]
        while peek() == ",":
            take(",")
            args.append(binary("+-", term))
        take(")")
        return Expr("call", token, tuple(args))

    def term():
        return binary("*", atom)

    node = binary("+-", term)
    if peek() is not None:
        raise TableError(f"bad expression {text!r}")
    return node


def split_top(text: str, separator: str = ",") -> list[str]:
    """Splits at the separators that stand outside parentheses."""
    parts, depth, start = [], 0, 0
    for i, ch in enumerate(text):
        depth += (ch == "(") - (ch == ")")
        if ch == separator and depth == 0:
            parts.append(text[start:i].strip())
            start = i + 1
    parts.append(text[start:].strip())
    return parts


# ---- Rows -----------------------------------------------------------------------------------


@dataclasses.dataclass(frozen=True)
class Kind:
    name: str
    args: tuple[Expr, ...] = ()
    options: dict = dataclasses.field(default_factory=dict, compare=False)

    @property
    def spec(self) -> KindSpec:
        return KINDS[self.name]

    def arg(self, role: str) -> Expr:
        """The argument named role: "count", "size", "capacity", ..."""
        return self.args[self.spec.args.index(role)]

    def __str__(self) -> str:
        parts = [str(a) for a in self.args] + [f"{k}={v}" for k, v in self.options.items()]
        return f"{self.name}({', '.join(parts)})" if parts else self.name


@dataclasses.dataclass
class Param:
    name: str
    ctype: str  # normalised: "const float *", "int", "float (*)(float x, float y)"
    kind: Kind | None = None

    @property
    def is_function_pointer(self) -> bool:
        return "(*)" in self.ctype


@dataclasses.dataclass
class Routine:
    name: str
    prototype: str  # the C declaration, whitespace normalised, without the final ";"
    result: str  # C type of the routine's own result
    params: list[Param]
    python_position: int | None = None  # place in the Python method table, None: not offered
    python_hand: bool = False  # the Python wrapper has steps of its own
    perl_names: tuple[str, ...] | None = None  # Perl usage names, None: not offered
    perl_hand: bool = False
    perl_order: tuple[str, ...] | None = None  # Perl conversion order when it differs
    line: int = 0

    def param(self, name: str) -> Param:
        for p in self.params:
            if p.name == name:
                return p
        raise KeyError(name)

    @property
    def result_kind(self) -> str:
        return RESULTS[self.result]

    @property
    def result_replaced(self) -> bool:
        return any(p.kind.spec.replaces_result for p in self.params)

    # Python
    @property
    def python(self) -> bool:
        return self.python_position is not None

    def python_args(self) -> list[Param]:
        return [p for p in self.params if p.kind.spec.python_arg]

    def python_results(self) -> list:
        """What the Python wrapper returns, in order: parameters, then "result" for the
        routine's own result. One item is returned as such, several as a tuple."""
        items: list = [p for p in self.params if p.kind.spec.python_result]
        if self.result != "void" and not self.result_replaced:
            items.append(RESULT_NAME)
        return items

    def python_guards(self) -> list[str]:
        """The counts that must be positive before the Python wrapper converts anything."""
        names: list[str] = []
        for p in self.params:
            for i in p.kind.spec.counts:
                names += [n for n in sorted(p.kind.args[i].names()) if n not in names]
        return [p.name for p in self.params if p.name in names]

    def python_guard_result(self):
        """What the Python wrapper returns when a guard fails: None, 0, 0.0 or b"", the empty
        value of its one result."""
        results = self.python_results()
        if not results:
            return None
        if len(results) > 1:
            raise TableError(f"{self.name}: a guarded wrapper with several results")
        item = results[0]
        if item == RESULT_NAME:
            return {"int": 0, "float": 0.0}.get(self.result_kind)
        return {"float_out": 0.0, "pixels_out": b""}.get(item.kind.name, 0)

    # Perl
    @property
    def perl(self) -> bool:
        return self.perl_names is not None

    def perl_args(self) -> list[tuple[str, Param]]:
        """The Perl arguments in usage order: (usage name, parameter)."""
        visible = [p for p in self.params if p.kind.spec.perl_arg]
        return list(zip(self.perl_names or (), visible))

    def perl_result(self):
        """What the Perl sub returns: a parameter, "result" or None."""
        for p in self.params:
            if p.kind.spec.perl_result:
                return p
        return RESULT_NAME if self.result != "void" else None

    def perl_usage(self) -> str:
        return f"Usage: Kavlor::{self.name}({', '.join(self.perl_names or ())})"


_DEFAULT_KINDS = {spec.ctypes[0]: name for name, spec in KINDS.items()
                  if name in ("int", "short", "float", "string", "stream")}


def parse_prototype(text: str) -> tuple[str, str, list[Param]]:
    """Splits "int f(const float *x, int n)" into result type, name and parameters."""
    text = " ".join(text.split())
    m = re.fullmatch(r"(.+?)\s*\b([a-z][a-z0-9]*)\((.*)\)", text)
    if not m:
        raise TableError(f"not a C prototype: {text}")
    result, name, body = normalise_type(m.group(1)), m.group(2), m.group(3).strip()
    params = []
    if body != "void":
        for decl in split_top(body):
            fm = re.fullmatch(r"(.+?)\(\s*\*\s*(\w+)\s*\)\s*(\(.*\))", decl)
            if fm:  # a function pointer
                params.append(Param(fm.group(2), f"{normalise_type(fm.group(1))} (*){fm.group(3)}"))
                continue
            pm = re.fullmatch(r"(.+?[\s*])(\w+)", decl)
            if not pm:
                raise TableError(f"{name}: cannot read the parameter {decl!r}")
            params.append(Param(pm.group(2), normalise_type(pm.group(1))))
    return result, name, params


def normalise_type(text: str) -> str:
    return " ".join(text.replace("*", " * ").split())


def normalise_prototype(text: str) -> str:
    text = " ".join(text.split())
    return text.replace("( ", "(").replace(" )", ")").replace(" ,", ",")


def parse_kind(text: str) -> Kind:
    m = re.fullmatch(r"(\w+)(?:\((.*)\))?", text.strip())
    if not m:
        raise TableError(f"bad kind {text!r}")
    name = m.group(1)
    if name not in KINDS:
        raise TableError(f"unknown kind {name!r}")
    args, options = [], {}
    for part in split_top(m.group(2)) if m.group(2) else []:
        om = re.fullmatch(r"(\w+)\s*=\s*(.+)", part)
        if om:
            options[om.group(1)] = parse_expr(om.group(2))
        else:
            if options:
                raise TableError(f"{text}: positional argument after an option")
            args.append(parse_expr(part))
    spec = KINDS[name]
    if len(args) != len(spec.args):
        raise TableError(f"{text}: {name} takes {', '.join(spec.args) or 'no arguments'}")
    for option in options:
        if option not in spec.options:
            raise TableError(f"{text}: {name} has no option {option!r}")
    if "magic" in options and str(options["magic"]) not in ("0", "1"):
        raise TableError(f"{text}: magic is 0 or 1")
    return Kind(name, tuple(args), options)


def check_routine(r: Routine) -> None:
    """Everything a row must hold on its own."""
    if r.result not in RESULTS:
        raise TableError(f"{r.name}: no binding returns a {r.result!r}")
    names = {p.name for p in r.params}
    for p in r.params:
        if p.kind is None:
            if p.ctype not in _DEFAULT_KINDS:
                raise TableError(f"{r.name}: {p.name} ({p.ctype}) needs a kind")
            p.kind = Kind(_DEFAULT_KINDS[p.ctype])
        spec = p.kind.spec
        fits = p.is_function_pointer if spec.ctypes == ("(*)",) else p.ctype in spec.ctypes
        if not fits:
            raise TableError(f"{r.name}: {p.name} is {p.ctype}, a {p.kind.name} is "
                             f"{' or '.join(spec.ctypes)}")
        for expr in list(p.kind.args) + list(p.kind.options.values()):
            for n in expr.names():
                if n == RESULT_NAME and r.result != "void":
                    continue
                if n not in names and n not in LIBRARY_VALUES:
                    raise TableError(f"{r.name}: {p.kind} of {p.name} names {n!r}, "
                                     "which is no argument")
            check_builtin_calls(r, expr)
    perl_results = [p for p in r.params if p.kind.spec.perl_result]
    if len(perl_results) > 1 or (perl_results and r.result != "void" and not r.result_replaced):
        raise TableError(f"{r.name}: a Perl sub returns one value")
    if r.perl_names is not None:
        visible = [p.name for p in r.params if p.kind.spec.perl_arg]
        if len(r.perl_names) != len(visible):
            raise TableError(f"{r.name}: {len(r.perl_names)} Perl names for the "
                             f"{len(visible)} Perl arguments {', '.join(visible)}")
        if len(set(r.perl_names)) != len(r.perl_names):
            raise TableError(f"{r.name}: a Perl name twice")
        if r.perl_order is not None and sorted(r.perl_order) != sorted(r.perl_names):
            raise TableError(f"{r.name}: the conversion order is no order of the Perl names")


def check_builtin_calls(r: Routine, expr: Expr) -> None:
    """sum() adds the first values of an int array, len() measures a parameter."""
    if expr.op == "call" and expr.value in BUILTINS:
        args = expr.args
        params = {p.name: p for p in r.params}
        if len(args) != BUILTINS[expr.value] or args[0].op != "name" or (
                args[0].value not in params) or (
                expr.value == "sum" and params[args[0].value].ctype != "int *"):
            raise TableError(f"{r.name}: {expr} takes " +
                             ("an int array and a count" if expr.value == "sum" else
                              "a parameter"))
    for a in expr.args:
        check_builtin_calls(r, a)


# ---- The table file -------------------------------------------------------------------------


class Table:
    def __init__(self, routines: list[Routine], python_only: list[str], source="signatures.txt"):
        self.routines = routines
        self.source = source
        self.by_name = {r.name: r for r in routines}
        self.python_only = python_only

    def __getitem__(self, name: str) -> Routine:
        return self.by_name[name]

    def __iter__(self):
        return iter(self.routines)

    def __len__(self) -> int:
        return len(self.routines)

    def python_wrapped(self) -> list[Routine]:
        """The routines the Python module wraps, in the order of its method table."""
        return sorted((r for r in self.routines if r.python), key=lambda r: r.python_position)

    def python_methods(self) -> list[str]:
        """Every name of the Python module, in method-table order."""
        return [r.name for r in self.python_wrapped()] + self.python_only

    def perl_subs(self) -> list[Routine]:
        return [r for r in self.routines if r.perl]


def read_rows(text: str, source: str = "signatures.txt"):
    """Yields (line number, name, prototype, clauses) for each row, the clauses as one text.
    A row is a line that begins with a name, and the indented lines after it; the prototype
    and the clauses may go on over lines while a parenthesis is open."""
    row = None

    def rows():
        for number, raw in enumerate(text.splitlines(), 1):
            line = raw.rstrip()
            if line and not line.lstrip().startswith("#"):
                yield number, line

    for number, line in rows():
        if not line[0].isspace():
            if row:
                yield row
            m = re.fullmatch(r"(\w+)\s+(.*)", line)
            if not m:
                raise TableError(f"{source}:{number}: a row begins with a name and a prototype")
            row = [number, m.group(1), m.group(2), ""]
        elif row is None:
            raise TableError(f"{source}:{number}: an indented line before the first row")
        elif open_parenthesis(row[2]):
            row[2] += " " + line.strip()
        else:
            row[3] += (" " if open_parenthesis(row[3]) else " ; ") + line.strip()
    if row:
        yield row


def open_parenthesis(text: str) -> bool:
    return text.count("(") > text.count(")")


def parse_row(number: int, name: str, prototype: str, clauses: list[str]) -> Routine:
    result, proto_name, params = parse_prototype(prototype)
    if proto_name != name:
        raise TableError(f"row {name} holds the prototype of {proto_name}")
    r = Routine(name, normalise_prototype(prototype), result, params, line=number)
    seen = set()
    for clause in filter(None, clauses):
        head = clause.split(None, 1)[0]
        if head in ("py", "pl"):
            if head in seen:
                raise TableError(f"{name}: two {head} clauses")
            seen.add(head)
            (parse_python if head == "py" else parse_perl)(r, clause[2:].strip())
            continue
        m = re.fullmatch(r"([\w\s,]+):\s*(.+)", clause)
        if not m:
            raise TableError(f"{name}: cannot read {clause!r}")
        kind = parse_kind(m.group(2))
        for pname in (n.strip() for n in m.group(1).split(",")):
            try:
                p = r.param(pname)
            except KeyError:
                raise TableError(f"{name}: no parameter {pname!r}") from None
            if p.kind is not None:
                raise TableError(f"{name}: two kinds for {pname}")
            p.kind = kind
    for head in ("py", "pl"):
        if head not in seen:
            raise TableError(f"{name}: no {head} clause")
    check_routine(r)
    return r


def parse_python(r: Routine, text: str) -> None:
    if text == "-":
        return
    m = re.fullmatch(r"(\d+)(\s+hand)?", text)
    if not m:
        raise TableError(f"{r.name}: py takes a position or -, not {text!r}")
    r.python_position, r.python_hand = int(m.group(1)), bool(m.group(2))


def parse_perl(r: Routine, text: str) -> None:
    if text == "-":
        return
    m = re.fullmatch(r"\(([^)]*)\)(\s+hand)?(?:\s+order\s+\(([^)]*)\))?", text)
    if not m:
        raise TableError(f"{r.name}: pl takes (names) [hand] [order (names)] or -")
    names = lambda s: tuple(n.strip() for n in s.split(",") if n.strip())  # noqa: E731
    r.perl_names, r.perl_hand = names(m.group(1)), bool(m.group(2))
    r.perl_order = names(m.group(3)) if m.group(3) is not None else None


def load(table_path=TABLE, python_only_path=PYTHON_ONLY) -> Table:
    table_path = pathlib.Path(table_path)
    routines = []
    for number, name, prototype, clauses in read_rows(table_path.read_text(), table_path.name):
        try:
            routines.append(parse_row(number, name, prototype, split_top(clauses, ";")))
        except TableError as e:
            raise TableError(f"{table_path.name}:{number}: {e}") from None
    python_only = [line.strip() for line in pathlib.Path(python_only_path).read_text().splitlines()
                   if line.strip() and not line.startswith("#")]
    table = Table(routines, python_only, table_path.name)
    check_table(table)
    return table


def check_table(table: Table) -> None:
    """What the rows must hold together."""
    names = [r.name for r in table]
    if names != sorted(names) or len(set(names)) != len(names):
        raise TableError("the rows are not in alphabetical order, or a name is there twice")
    positions = sorted(r.python_position for r in table if r.python)
    if positions != list(range(1, len(positions) + 1)):
        raise TableError("the Python positions are not 1, 2, ... without gaps or repeats")
    if set(table.python_only) & set(names) or len(set(table.python_only)) != len(
            table.python_only):
        raise TableError("a Python-only name is also a routine, or there twice")
    for r in table:
        try:
            if r.python and r.python_guards():
                r.python_guard_result()
            for p in r.params:
                for expr in list(p.kind.args) + list(p.kind.options.values()):
                    for f in expr.calls() - set(BUILTINS):
                        if f not in table.by_name or table[f].result_kind != "int":
                            raise TableError(f"{r.name}: {expr} calls {f}, no routine with "
                                             "an int result")
        except TableError as e:
            raise TableError(f"{table.source}:{r.line}: {e}") from None
