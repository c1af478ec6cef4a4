#!/usr/bin/env python3
"""Checks that every include of the library's own headers keeps to the layers.

  platform/   includes nothing of ours
  kernel/     itself and platform/
  devices/    the kernel and platform/
  graphics2d/ devices/, the kernel and platform/
  graphics3d/ graphics2d/ and everything below
  widgets/    every folder below

The per-thread record (kernel/record.h) is made of plain-data state headers
that live beside their subsystems; any layer may include those, and they
themselves include only the kernel, platform/ and other state headers. They
hold data and nothing else: a function declared or defined at namespace scope
in one of them would let whoever includes the record call into the layer that
owns it by name. (Members of the types they hold, such as the deleter of an
owned block, belong to the data and are not counted.) `kavlor.h`, the public
interface, may be included anywhere. The folders above the library (bindings,
python, perl, setup, tests, examples, bench) are not checked.

Usage: check_layers.py [ROOT]   (ROOT: the source tree; default: this checkout)
Prints each include and each function of a state header that breaks a rule and
exits 1 when there is one.
"""
import pathlib
import re
import sys

LAYERS = ["platform", "kernel", "devices", "graphics2d", "graphics3d", "widgets"]
SOURCE_SUFFIXES = {".h", ".cpp", ".c"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
RECORD = "kernel/record.h"


def allowed_folders(folder):
    """The folders a file of this layer may include from."""
    return set(LAYERS[: LAYERS.index(folder) + 1])


def own_includes(path):
    return INCLUDE.findall(path.read_text(encoding="latin-1"))


def record_parts(root):
    """The state headers the record is composed of: what record.h includes."""
    record = root / RECORD
    if not record.exists():
        return set()
    return {h for h in own_includes(record) if h.split("/")[0] in LAYERS}


def breaches(root):
    parts = record_parts(root)
    found = set()
    for folder in LAYERS:
        base = root / folder
        if not base.is_dir():
            continue
        for path in sorted(base.rglob("*")):
            if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
                continue
            name = path.relative_to(root).as_posix()
            may = allowed_folders(folder)
            if name in parts:  # a record part leans on nothing above the kernel
                may = allowed_folders("kernel")
            for header in own_includes(path):
                top = header.split("/")[0]
                if top not in LAYERS or top in may:
                    continue
                if header in parts:
                    continue
                found.add((name, header))
    return found


# What a source text keeps once its comments, literals and preprocessor lines
# are gone: the declarations to judge.
COMMENT_OR_LITERAL = re.compile(
    r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.DOTALL)
PREPROCESSOR = re.compile(r"^\s*#.*?(?<!\\)$", re.MULTILINE | re.DOTALL)
# The name a parenthesis follows in a function's declarator: an identifier or
# an operator, possibly qualified.
FUNCTION_NAME = re.compile(r"((?:\w+\s*::\s*)*(?:operator\s*[^\s(]+|~?\w+))\s*$")
# Words a parenthesis follows that make no function.
NOT_FUNCTIONS = {"alignas", "decltype", "noexcept", "sizeof", "static_assert", "__attribute__"}


def code_of(text):
    text = COMMENT_OR_LITERAL.sub(lambda m: " " if m.group(0).startswith("/") else '""', text)
    return PREPROCESSOR.sub("", text)


def declared_function(statement):
    """The name of the function a namespace-scope statement declares, or None."""
    statement = " ".join(statement.split())
    if re.match(r"(using|typedef|static_assert|friend)\b", statement):
        return None
    opening = statement.find("(")
    if opening < 0 or "=" in statement[:opening]:
        return None  # no call at all, or a variable's initialiser
    if re.match(r"\s*[*&^]", statement[opening + 1:]):
        return None  # a pointer to a function is data
    name = FUNCTION_NAME.search(statement[:opening])
    if name is None or name.group(1).split("::")[-1].strip() in NOT_FUNCTIONS:
        return None
    return name.group(1)


def namespace_statements(code):
    """The statements at namespace scope: the text before each ';' and before
    each brace that opens a body other than a namespace's (the body skipped)."""
    statements, current, depth = [], [], 0
    for c in code:
        if depth > 0:  # inside a body: find its end
            depth += {"{": 1, "}": -1}.get(c, 0)
        elif c == ";":
            statements.append("".join(current))
            current = []
        elif c == "{":
            head = "".join(current)
            if re.search(r'(\bnamespace\b[\w\s:]*|\bextern\s*"")\s*$', head):
                current = []  # a namespace's members are at namespace scope too
            else:
                statements.append(head)
                current = []
                depth = 1
        elif c == "}":
            current = []  # the end of a namespace
        else:
            current.append(c)
    return statements


def state_functions(root):
    """(state header, function) for each function a part of the record declares."""
    found = set()
    for name in record_parts(root):
        path = root / name
        if not path.is_file():
            continue
        for statement in namespace_statements(code_of(path.read_text(encoding="latin-1"))):
            function = declared_function(statement)
            if function is not None:
                found.add((name, function))
    return found


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[2])
    found = sorted(breaches(root))
    for name, header in found:
        print(f"{name} includes {header}: its layer may not reach that folder")
    functions = sorted(state_functions(root))
    for name, function in functions:
        print(f"{name} declares {function}: a part of the record holds data only")
    if found or functions:
        return 1
    print("layers hold")
    return 0


if __name__ == "__main__":
    sys.exit(main())
