#!/usr/bin/python3
"""Prints the tables of a bench/run.sh run: the median seconds per case and program with the ratio
of Kavlor to the fastest peer, then the sizes of the files written.

    table.py RESULTS PICTURES

RESULTS holds status.tsv (W, format, program, state: ok, no-writer or failed) and one hyperfine
JSON file per case (W-format.json); PICTURES holds the files, named W-program.format."""
import csv
import json
import os
import sys

PROGRAMS = ("kavlor", "kavlor.py", "plplot", "gnuplot", "matplotlib")
PEERS = PROGRAMS[2:]
NOT_TIMED = {"no-writer": "n/a", "failed": "FAIL"}


def read_runs(results):
    """Returns the cases in run order and, per (case, program), the median seconds or a mark."""
    cases, cells = [], {}
    with open(os.path.join(results, "status.tsv"), newline="") as f:
        for w, fmt, program, state in csv.reader(f, delimiter="\t"):
            if (w, fmt) not in cases:
                cases.append((w, fmt))
            cells[w, fmt, program] = NOT_TIMED.get(state)
    for w, fmt in cases:
        path = os.path.join(results, f"{w}-{fmt}.json")
        if os.path.exists(path):
            with open(path) as f:
                for result in json.load(f)["results"]:
                    cells[w, fmt, result["command"]] = result["median"]
    return cases, cells


def seconds(value):
    """Three significant digits, trailing zeros kept: 0.520, 12.4."""
    return f"{value:#.3g}".rstrip(".")


def print_table(header, rows):
    widths = [max(len(row[i]) for row in [header] + rows) for i in range(len(header))]
    for row in [header] + rows:
        print("  ".join(cell.ljust(widths[0]) if i == 0 else cell.rjust(widths[i])
                        for i, cell in enumerate(row)))


def main():
    results, pictures = sys.argv[1], sys.argv[2]
    cases, cells = read_runs(results)

    rows = []
    for w, fmt in cases:
        peer_medians = [cells[w, fmt, p] for p in PEERS if isinstance(cells.get((w, fmt, p)), float)]
        fastest = min(peer_medians, default=None)
        row = [f"{w} {fmt}"]
        for program in PROGRAMS:
            cell = cells.get((w, fmt, program), "-")
            if isinstance(cell, float):
                cell = seconds(cell) + ("*" if program in PEERS and cell == fastest else "")
            row.append(cell or "-")
        kavlor, python = cells.get((w, fmt, "kavlor")), cells.get((w, fmt, "kavlor.py"))
        row.append(f"{kavlor / fastest:.2f}" if isinstance(kavlor, float) and fastest else "-")
        row.append(f"{python / kavlor:.2f}" if isinstance(python, float) and
                   isinstance(kavlor, float) else "-")
        rows.append(row)
    print_table(["case", *PROGRAMS, "kavlor/fastest", "py/C"], rows)
    print("* fastest peer; kavlor/fastest below 1 means Kavlor is faster; n/a: no writer for the "
          "format;\npy/C: Kavlor from Python (kavlor.py, interpreter and NumPy start-up included) "
          "over Kavlor from C")

    print("\nSize of the file written (kB)")
    rows = []
    for w, fmt in cases:
        row = [f"{w} {fmt}"]
        for program in PROGRAMS:
            path = os.path.join(pictures, f"{w}-{program}.{fmt}")
            row.append(f"{os.path.getsize(path) / 1000:.0f}" if os.path.exists(path) else "-")
        rows.append(row)
    print_table(["case", *PROGRAMS], rows)


if __name__ == "__main__":
    main()
