"""The quick plots and setvar: each quick plot writes the file that its documented call sequence
writes from C (reference_plots.c), and setvar refuses what it must. The quick-plot variables live
for the process, so every case runs in a fresh interpreter."""

import pytest
from conftest import masked, python_plot, reference_plot, run_python

CASES = ["plot", "plot_fixed", "plot_twice", "plot3", "surf3", "surf3_column", "surface",
         "surshade", "contour", "contour_levels", "conshade"]


@pytest.mark.parametrize("case", CASES)
def test_a_quick_plot_draws_its_call_sequence(tmp_path, case):
    (tmp_path / "python").mkdir()
    (tmp_path / "c").mkdir()
    drawn = python_plot(case, "SVG", tmp_path / "python" / "plot.svg")
    assert masked(drawn) == masked(reference_plot(case, "SVG", tmp_path / "c" / "plot.svg"))


def test_setvar_refuses_unknown_names_and_values_of_the_wrong_type(tmp_path):
    run_python("""
        import kavlor, pytest
        with pytest.raises(ValueError, match="^undefined variable$"):
            kavlor.setvar("FOO", 1)
        with pytest.raises(TypeError):
            kavlor.setvar("H", 1.5)
        with pytest.raises(TypeError):
            kavlor.setvar("T1", 5)
        kavlor.setvar("h", 40)  # any case; the value waits for the plot to open
        with pytest.raises(TypeError):
            kavlor.setvar("H", "big")  # refused: the value stays 40
        kavlor.metafl("SVG")
        kavlor.setfil("plot.svg")
        kavlor.kavini()
        assert kavlor.gethgt() == 40
        kavlor.setvar("H", 50)  # applied at once while the plot is open
        assert kavlor.gethgt() == 50
        kavlor.kavfin()
    """, tmp_path)


def test_quick_plots_refuse_bad_sequences_and_draw_nothing_without_numbers(tmp_path):
    run_python("""
        import kavlor, pytest
        kavlor.metafl("SVG")
        with pytest.raises(ValueError, match="^mismatch of array sizes$"):
            kavlor.plot([1.0, 2.0], [1.0])
        with pytest.raises(ValueError, match="^no floatingpoint element in sequence$"):
            kavlor.scattr([1.0, "2"], [1.0, 2.0])
        with pytest.raises(ValueError, match="^matrix rows have different lengths$"):
            kavlor.contour([1.0, 2.0], [1.0, 2.0], [[1.0, 2.0], [3.0]])
        with pytest.raises(ValueError, match="^parameter is not a sequence$"):
            kavlor.surface(1.0, [1.0], [[1.0]])
        assert kavlor.plot([], []) is None
        assert kavlor.surf3([], [1.0], []) is None
        assert kavlor.getlev() == 0  # nothing opened
    """, tmp_path)

