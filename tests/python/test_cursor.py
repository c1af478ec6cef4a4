"""Cursor input from Python under an X server of the test's own: xdotool clicks and types while
the wrapper waits, and the points come back into the caller's lists, no more than the room
given; the windows of opnwin and selwin."""

import os
import subprocess
import sys

from conftest import scaled

SCRIPT = """
import subprocess, sys
import kavlor

def while_waiting(call, *commands):
    # Input that comes before the call waits is queued for it. (The test's
    # timeout bounds the wait for the helper.)
    helper = subprocess.Popen(["sh", "-c", "; ".join(f"xdotool {c}" for c in commands)])
    result = call()
    helper.wait()
    return result

kavlor.errdev("FILE")
kavlor.metafl("XWIN")
kavlor.winsiz(400, 300)
kavlor.kavini()
kavlor.csruni("PIXE")
kavlor.sendbf()
window = subprocess.run(["xdotool", "search", "--name", "^KAVLOR 1 / Working$"],
                        capture_output=True, text=True).stdout.split()[0]
clicks = [f"mousemove --window {window} {x} {y} click 1" for x, y in
          [(10, 20), (30, 40), (50, 60), (70, 80)]]
x, y = [0] * 3, [0] * 3
n = while_waiting(lambda: kavlor.csrpts(x, y, 3), *clicks, "click 3")
print("csrpts", n, x, y)
print("csrpt1", while_waiting(kavlor.csrpt1, f"mousemove --window {window} 123 45 click 1"))
kavlor.csrmod("READ", "POS")
print("csrpos", while_waiting(lambda: kavlor.csrpos(0, 0),
                              f"mousemove --window {window} 7 9", "key a"))
kavlor.opnwin(2)
print("winid", kavlor.winid())
kavlor.selwin(1)
print("winid", kavlor.winid())
kavlor.winmod("NOHO")
kavlor.kavfin()
"""


def test_the_points_keys_and_windows_come_back(tmp_path, display):
    env = dict(os.environ, DISPLAY=display)
    process = subprocess.run([sys.executable, "-c", SCRIPT], cwd=tmp_path, env=env,
                             capture_output=True, text=True,
                             timeout=scaled(60))  # no wait may hang
    assert process.returncode == 0, process.stderr
    lines = [line for line in process.stdout.splitlines()
             if line.split(" ")[0] in ("csrpts", "csrpt1", "csrpos", "winid")]
    assert lines == [
        "csrpts 3 [10, 30, 50] [20, 40, 60]",
        "csrpt1 (123, 45)",
        "csrpos (7, 9, 97)",
        "winid 2",
        "winid 1",
    ]
