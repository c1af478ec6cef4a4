"""The widget callback table: 200 registrations for the life of the process, then an
exception; the library is not called for a registration that found no slot."""

import os

from conftest import run_python


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
