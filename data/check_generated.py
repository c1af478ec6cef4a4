#!/usr/bin/python3
"""Runs a generator into an empty folder and compares every file it writes with
the committed file of the same path, byte for byte.

    check_generated.py REPO_DIR GENERATOR [ARGS...]

The generator is called with its arguments and "--out-dir TMP". Exit status
0 when all files agree, 1 on any difference or a missing file, 77 (skipped)
when the generator reports with 77 that its source is not installed. With
KAVLOR_GENERATOR_SOURCES=required in the environment (./test.sh sets it: it
installs every source) a missing source is a failure, not a skip.
"""
import os
import subprocess
import sys
import tempfile


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    repo, command = sys.argv[1], sys.argv[2:]
    with tempfile.TemporaryDirectory() as out:
        run = subprocess.run(command + ['--out-dir', out])
        if run.returncode == 77:
            if os.environ.get('KAVLOR_GENERATOR_SOURCES') == 'required':
                print('the generator\'s source is not installed, and this run requires it')
                return 1
            print('SKIPPED: the generator\'s source package is not installed')
            return 77
        if run.returncode != 0:
            print('the generator failed with status %d' % run.returncode)
            return 1
        written = sorted(os.path.relpath(os.path.join(d, f), out)
                         for d, _, files in os.walk(out) for f in files)
        if not written:
            print('the generator wrote nothing')
            return 1
        failures = 0
        for rel in written:
            committed = os.path.join(repo, rel)
            with open(os.path.join(out, rel), 'rb') as f:
                made = f.read()
            if not os.path.exists(committed):
                print('%s: not committed' % rel)
                failures += 1
                continue
            with open(committed, 'rb') as f:
                if f.read() != made:
                    print('%s: differs from what the generator makes' % rel)
                    failures += 1
        print('%d files compared, %d differ' % (len(written), failures))
        return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
