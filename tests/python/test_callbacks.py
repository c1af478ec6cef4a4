"""Callbacks: the widget callback table holds 200 registrations for the life of the process,
then an exception, and the library is not called for a registration that found no slot. An
exception raised in a callback ends what called it (nothing more of a surface reaches the
page, a dialog ends) and is raised by the wrapper. A surface's function is that of its own
surfun or surfcp call, in nested calls and in threads."""

import os
import re
import subprocess
import sys
import textwrap

from conftest import masked, run_python


def test_the_201st_widget_callback_is_refused(tmp_path):
    env = {key: value for key, value in os.environ.items() if key != "DISPLAY"}
    process = run_python("""
        import kavlor
        for id in range(200):
            kavlor.swgcbk(id, print)
        try:
            kavlor.swgcbk(200, print)
        except ValueError as error:
            print(error)
    """, tmp_path, env=env)
    assert process.stdout == "Too many callback routines\n"
    # The library refuses every registration before wgini, each in a box of its own
    # (written to standard error without a display): 200 of them, not 201.
    assert process.stderr.count("swgcbk") == 200


SURFACE = """
    import kavlor

    def page(path, surface):
        kavlor.errdev("FILE")
        kavlor.errfil(path + ".txt")
        kavlor.metafl("SVG")
        kavlor.setfil(path)
        kavlor.kavini()
        kavlor.errmod("PROT", "OFF")  # the script's output is what it prints
        kavlor.graf3d(-2.0, 2.0, -2.0, 1.0, -2.0, 2.0, -2.0, 1.0, -4.0, 4.0, -4.0, 2.0)
        try:
            surface()
        except KeyError as error:
            print(path, "raised", error)
        kavlor.endgrf()
        kavlor.kavfin()
"""


def test_a_surface_whose_function_raises_draws_no_more(tmp_path):
    process = run_python(SURFACE + """
    calls = []
    def raises(*args):
        calls.append(args)
        raise KeyError("no surface")
    page("empty.svg", lambda: None)
    page("surfun.svg", lambda: kavlor.surfun(raises, 2, 0.5, 2, 0.5))
    page("surfcp.svg", lambda: kavlor.surfcp(raises, 0.0, 1.0, 0.25, 0.0, 1.0, 0.25))
    print(len(calls), "calls")
    """, tmp_path)
    assert process.stdout == ("surfun.svg raised 'no surface'\n"
                              "surfcp.svg raised 'no surface'\n"
                              "2 calls\n")
    empty = masked((tmp_path / "empty.svg").read_bytes())
    for name in ("surfun", "surfcp"):
        assert masked((tmp_path / f"{name}.svg").read_bytes()) == empty, name


def test_a_surface_keeps_its_function(tmp_path):
    """A function that draws a surface of its own gets its function back afterwards; a thread
    that draws while another thread's surface waits in its function draws with its own."""
    process = run_python(SURFACE + """
    seen = []
    def outer(x, y):
        seen.append("o")
        if len(seen) == 1:
            kavlor.surfun(lambda x, y: seen.append("i") or 2.0, 1, 1.0, 1, 1.0)
        return 1.0
    page("nested.svg", lambda: kavlor.surfun(outer, 1, 1.0, 1, 1.0))
    print("".join(seen))
    """, tmp_path)
    assert re.fullmatch("oi+o+\n", process.stdout), process.stdout

    # The first thread's function, at its first point, lets the second thread start its
    # surface and waits until the second's function has run once; the first thread's
    # surface then ends while the second's waits.
    process = run_python(SURFACE + """
    import threading
    kavlor.thrini(2)
    first_waits, second_waits = threading.Event(), threading.Event()
    calls = set()
    def function(name, z):
        def f(x, y):
            first = not calls
            calls.add((threading.current_thread().name, name))
            if first:
                second_waits.set()
                first_waits.wait(30)
            elif name == "flat" and not first_waits.is_set():
                second_waits.clear()
                first_waits.set()
                second_waits.wait(30)
            return z
        return f
    def second():
        second_waits.wait(30)
        page("second.svg", lambda: kavlor.surfun(function("flat", 0.0), 1, 1.0, 1, 1.0))
    two = threading.Thread(target=second, name="two")
    one = threading.Thread(target=page, name="one",
                           args=("first.svg",
                                 lambda: kavlor.surfun(function("tall", 1.0), 1, 1.0, 1, 1.0)))
    two.start()
    one.start()
    one.join()
    second_waits.set()
    two.join()
    kavlor.thrfin()
    print(sorted(calls))
    """, tmp_path)
    assert process.stdout == "[('one', 'tall'), ('two', 'flat')]\n"


def test_a_widget_callback_that_raises_ends_the_dialog(tmp_path, display):
    """The first click's callback calls wgfin without a dialog of its own, which is refused
    (the refusal's box on standard error); the second raises, and the dialog ends without OK."""
    script = """
        import subprocess, kavlor
        kavlor.swgtit("Raising")
        ip = kavlor.wgini("VERT")
        again = kavlor.wgpbut(ip, "Again")
        push = kavlor.wgpbut(ip, "Push")
        kavlor.wgok(ip)
        heard = []
        def runs_again(id):
            heard.append(id)
            kavlor.wgfin()
        def raises(id):
            heard.append(id)
            raise KeyError("callback failed")
        kavlor.swgcbk(again, runs_again)
        kavlor.swgcbk(push, raises)
        clicks = [f"xdotool mousemove --window {kavlor.gwgxid(id)} 10 5 click 1"
                  for id in (again, push)]
        helper = subprocess.Popen(
            ["sh", "-c", "xdotool search --sync --onlyvisible --name '^Raising$' >/dev/null; "
             + "; ".join(clicks)])
        try:
            kavlor.wgfin()
        except KeyError as error:
            print("wgfin raised", error)
        helper.wait(timeout=30)
        print(heard == [again, push])
    """
    env = dict(os.environ, DISPLAY=display, KAVLOR_MSGBOX="log")
    process = subprocess.run([sys.executable, "-c", textwrap.dedent(script)],
                             cwd=tmp_path, env=env, capture_output=True, text=True,
                             timeout=60)  # a dialog that goes on would never end
    assert process.returncode == 0, process.stderr
    assert process.stdout == "wgfin raised 'callback failed'\nTrue\n"
    assert "[wgfin]\n>>>> No call to wgini before!\n" in process.stderr
