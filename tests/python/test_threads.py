"""Python threads draw with records of their own once thrini has made them: two threads whose
calls interleave write the files each draws alone, legends included."""

import threading

import kavlor
from conftest import masked, run_python

SCRIPT = """
    import threading, kavlor

    def draw(k, path, turn):
        steps = [
            lambda: (kavlor.metafl("SVG"), kavlor.setfil(path), kavlor.filmod("DELE")),
            kavlor.kavini,
            lambda: kavlor.graf(0.0, 10.0, 0.0, 2.0, 0.0, 10.0, 0.0, 2.0 + k),
            lambda: kavlor.legini("", 2, 8),
            lambda: kavlor.leglin("", "curve %d" % k, 1),
            lambda: kavlor.curve([0, 5, 10], [k, 10 - k, k], 3),
            lambda: kavlor.leglin("", "none %d" % k, 2),
            lambda: kavlor.legend("", 3),
            kavlor.endgrf,
            kavlor.kavfin,
        ]
        for step in steps:
            turn()
            step()
"""


def test_threads_draw_what_each_draws_alone(tmp_path):
    run_python(SCRIPT + """
    kavlor.thrini(2)
    barrier = threading.Barrier(2)
    threads = [threading.Thread(target=draw, args=(k, "thread%d.svg" % k, barrier.wait))
               for k in (1, 2)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    kavlor.thrfin()
    """, tmp_path)
    for k in (1, 2):
        run_python(SCRIPT + f"""
    draw({k}, "alone{k}.svg", lambda: None)
    """, tmp_path)
        alone = (tmp_path / f"alone{k}.svg").read_bytes()
        assert masked((tmp_path / f"thread{k}.svg").read_bytes()) == masked(alone)
