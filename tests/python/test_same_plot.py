"""A plot made from Python is the plot the same calls make from C, byte for byte (dates masked):
sequences of every sort, a matrix as nested lists, the legend the module keeps, and surfaces of
Python functions (python_plots.py and reference_plots.c draw them)."""

import kavlor
import pytest
from conftest import masked, python_plot, reference_plot

FORMATS = [("PDF", "pdf"), ("SVG", "svg"), ("PNG", "png")]


@pytest.mark.parametrize("case", ["curves", "saddle", "flat", "torus"])
@pytest.mark.parametrize("device, suffix", FORMATS)
def test_python_draws_the_bytes_c_draws(tmp_path, case, device, suffix):
    (tmp_path / "python").mkdir()
    (tmp_path / "c").mkdir()
    drawn = python_plot(case, device, tmp_path / "python" / f"plot.{suffix}")
    assert masked(drawn) == masked(reference_plot(case, device, tmp_path / "c" / f"plot.{suffix}"))


def test_an_exception_in_a_surface_function_ends_its_calls_and_is_raised(in_tmp):
    calls = []

    def failing(x, y):
        calls.append((x, y))
        raise ArithmeticError("no value here")

    kavlor.metafl("SVG")
    kavlor.setfil("failing.svg")
    kavlor.kavini()
    kavlor.graf3d(-2.0, 2.0, -2.0, 1.0, -2.0, 2.0, -2.0, 1.0, -4.0, 4.0, -4.0, 2.0)
    with pytest.raises(ArithmeticError, match="no value here"):
        kavlor.surfun(failing, 1, 0.25, 1, 0.25)
    assert len(calls) == 1
    kavlor.surfun(lambda x, y: 0.0, 1, 0.5, 1, 0.5)  # the next surface calls Python again
    with pytest.raises(TypeError):
        kavlor.surfun(None, 1, 0.5, 1, 0.5)  # no callable: found out when it is called
    kavlor.endgrf()
    kavlor.kavfin()
