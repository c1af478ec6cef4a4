"""The sequence converters: what they take (sequences, buffer objects), the exceptions they raise
with their texts, and the arrays they write back into the caller's objects."""

import array

import kavlor
import numpy
import pytest


class Sized:
    """A sequence whose length cannot be taken."""

    def __getitem__(self, i):
        return 1.0

    def __len__(self):
        raise RuntimeError("no length here")


def mean(values, n):
    return kavlor.moment(values, n, "MEAN")


# The inputs a float array takes, and the numbers the library receives.
@pytest.mark.parametrize("values, expected", [
    ([1, 2.5, True, 0.5], [1.0, 2.5, 1.0, 0.5]),
    ((4.0, 2.0), [4.0, 2.0]),                          # a tuple serves where an array is read
    (range(1, 4), [1.0, 2.0, 3.0]),
    (array.array("d", [0.1, 0.2]), [0.1, 0.2]),
    (array.array("i", [7, -3]), [7.0, -3.0]),
    (numpy.array([1.5, 2.5, 3.5]), [1.5, 2.5, 3.5]),
    (numpy.array([1.5, 2.5], dtype=numpy.float32), [1.5, 2.5]),
    (numpy.array([[1, 2], [3, 4]], dtype=numpy.int16), [1.0, 2.0, 3.0, 4.0]),
    (numpy.arange(10.0)[::3], [0.0, 3.0, 6.0, 9.0]),   # strided, no copy by hand
    ([numpy.float32(0.25), numpy.int64(3)], [0.25, 3.0]),
    (b"\x01\x02", [1.0, 2.0]),
])
def test_float_arrays_take_sequences_and_buffers(values, expected):
    assert mean(values, len(expected)) == pytest.approx(sum(expected) / len(expected))
    x = list(expected)
    kavlor.sortr1(x, len(x), "A")
    assert x == sorted(numpy.float32(expected).tolist())


# Arguments the converters refuse: the exception and its text. "sequence error" and "out of
# range" are MemoryErrors, as scripts have always seen them.
@pytest.mark.parametrize("call, error, text", [
    (lambda: mean(5, 2), ValueError, "parameter is not a sequence"),
    (lambda: mean({1: 2.0, 2: 3.0}, 2), ValueError, "parameter is not a sequence"),
    (lambda: mean(Sized(), 2), ValueError, "sequence has no length"),
    (lambda: mean([1.0, 2.0], 3), MemoryError, "out of range"),
    (lambda: mean([1.0] * 10, 2**31 - 1), MemoryError, "out of range"),
    (lambda: mean(numpy.zeros(2), 3), MemoryError, "out of range"),
    (lambda: mean([1.0, "2"], 2), ValueError, "no floatingpoint element in sequence"),
    (lambda: mean("12", 2), ValueError, "no floatingpoint element in sequence"),
    (lambda: mean([1.0, None], 2), ValueError, "no floatingpoint element in sequence"),
    (lambda: mean([1.0, 10**400], 2), ValueError, "no floatingpoint element in sequence"),
    (lambda: mean([1.0, 1j], 2), ValueError, "no floatingpoint element in sequence"),
    (lambda: kavlor.colray([1.0], [1.5], 1), ValueError, "no integer element in sequence"),
    (lambda: kavlor.colray([1.0], [2**40], 1), ValueError, "no integer element in sequence"),
    (lambda: kavlor.colray([1.0], numpy.array([0.5]), 1), ValueError,
     "no integer element in sequence"),
    (lambda: kavlor.colray([1.0], numpy.array([2**32], dtype=numpy.uint64), 1), ValueError,
     "no integer element in sequence"),
    (lambda: kavlor.contur([1, 2], 2, [1, 2], 2, [[1, 2], [3]], 0.5), ValueError,
     "matrix rows have different lengths"),
    (lambda: kavlor.contur([1, 2], 2, [1, 2], 2, [], 0.5), ValueError, "sequence error"),
    (lambda: kavlor.contur([1, 2], 2, [1, 2], 2, [[1, 2], [3, 4]], 0.5) or
     kavlor.contur([1, 2], 2, [1, 2], 2, [[1, 2]], 0.5), MemoryError, "out of range"),
    (lambda: kavlor.contur([1, 2], 2, [1, 2], 2, [[1, "x"], [3, 4]], 0.5), ValueError,
     "no floatingpoint element in sequence"),
    (lambda: kavlor.contur([1], 2**31 - 1, [1], 2**31 - 1, [1.0], 0.5), MemoryError,
     "out of range"),
    (lambda: kavlor.getmat([0.0], [0.0], [1.0], 1, [0.0] * 4, 2**30, 2**30, 0.0), MemoryError,
     "out of range"),
    (lambda: kavlor.suriso([1], 2**31 - 1, [1], 2**31 - 1, [1], 2**31 - 1, [1.0], 0.5),
     MemoryError, "out of range"),  # three dimensions do not wrap either
    (lambda: kavlor.suriso([1], 1, [1], 1, [1], 1, [[[1]], [3]], 0.5), MemoryError,
     "sequence error"),
    # Rows of another length than the matrix's are never read as one flat sequence.
    (lambda: kavlor.contur([1, 2], 2, [1, 2], 2, [[1, 2, 3, 4]], 0.5), ValueError,
     "a matrix row holds 4 numbers, not 2"),
    (lambda: kavlor.contur([1, 2], 2, [1, 2], 2, [[1, 2, 3], [4, 5, 6]], 0.5), ValueError,
     "a matrix row holds 3 numbers, not 2"),
    (lambda: kavlor.contur([1, 2], 2, [1, 2], 2, numpy.zeros((2, 3)), 0.5), ValueError,
     "a matrix row holds 3 numbers, not 2"),
    (lambda: kavlor.trfmat([[1, 2], [3, 4]], 2, 2, [[0, 0, 0], [0, 0, 0]], 3, 2), ValueError,
     "a matrix row holds 3 numbers, not 2"),
    (lambda: kavlor.suriso([1], 1, [1, 2], 2, [1], 1, [[[1, 2], [3, 4]]], 0.5), ValueError,
     "a matrix row holds 2 numbers, not 1"),
    (lambda: kavlor.suriso([1], 1, [1, 2], 2, [1], 1, [[[1], [3, 4]]], 0.5), ValueError,
     "matrix rows have different lengths"),
    (lambda: kavlor.suriso([1], 1, [1], 1, [1, 2], 2, numpy.zeros((1, 2, 4)), 0.5), ValueError,
     "a matrix row holds 4 numbers, not 2"),
    (lambda: kavlor.suriso([1], 1, [1, 2], 2, [1], 1, [[[1], [2], [3]]], 0.5), ValueError,
     "a matrix level holds 3 rows, not 2"),
    (lambda: kavlor.suriso([1], 1, [1, 2], 2, [1, 2], 2, numpy.zeros((1, 3, 2)), 0.5),
     ValueError, "a matrix level holds 3 rows, not 2"),
    (lambda: kavlor.suriso([1], 1, [1], 1, [1], 1, [[1, 2]], 0.5), ValueError,
     "sequence has no length"),
])
def test_refused_arguments_raise_the_converters_texts(call, error, text):
    with pytest.raises(error) as raised:
        call()
    assert str(raised.value) == text


def test_every_array_is_converted_and_the_last_failure_is_raised():
    with pytest.raises(ValueError, match="^no floatingpoint element in sequence$"):
        kavlor.curve(5, ["x"], 1)
    with pytest.raises(ValueError, match="^parameter is not a sequence$"):
        kavlor.curve(["x"], 5, 1)
    with pytest.raises(MemoryError, match="^out of range$"):
        kavlor.curve(["x"], [], 1)


def test_a_count_that_is_not_positive_converts_nothing_and_calls_nothing(capfd):
    assert kavlor.curve(5, 5, 0) is None
    assert kavlor.moment("not numbers", -1, "MEAN") == 0.0
    assert kavlor.histog([], 0, [], []) == 0
    assert kavlor.spline([], [], 0, [], []) == 0
    assert kavlor.crvmat([], -1, -1, 1, 1) is None  # two negative sizes are no positive product
    assert capfd.readouterr().out == ""


def test_sorted_arrays_are_written_back_into_the_callers_objects():
    values = [3.0, 1.0, 2.0, 9.0, 0.0]
    kavlor.sortr1(values, 3, "A")
    assert values == [1.0, 2.0, 3.0, 9.0, 0.0]  # only the counted items change
    x, y = numpy.array([3.0, 1.0, 2.0]), array.array("f", [30.0, 10.0, 20.0])
    kavlor.sortr2(x, y, 3, "A")
    assert x.tolist() == [1.0, 2.0, 3.0] and y.tolist() == [10.0, 20.0, 30.0]
    every_other = numpy.array([5.0, -1.0, 4.0, -1.0, 3.0], dtype=numpy.float32)
    kavlor.sortr1(every_other[::2], 3, "A")
    assert every_other.tolist() == [3.0, -1.0, 4.0, -1.0, 5.0]
    integers = numpy.array([3, 1, 2])
    kavlor.sortr1(integers, 3, "A")  # through the array's own item assignment
    assert integers.tolist() == [1, 2, 3]


def test_an_array_that_takes_no_items_is_refused_before_the_call():
    values = (3.0, 1.0)
    with pytest.raises(TypeError, match="'tuple' object does not support item assignment"):
        kavlor.sortr1(values, 2, "A")
    with pytest.raises(TypeError, match="does not support item assignment"):
        kavlor.trfmat([[1.0, 2.0], [3.0, 4.0]], 2, 2, [(0.0, 0.0), (0.0, 0.0)], 2, 2)


@pytest.mark.parametrize("shape", ["flat", "rows", "numpy"])
def test_matrices_are_written_back_in_the_shape_they_came_in(shape):
    source = [[1.0, 2.0], [3.0, 4.0]]
    target = {"flat": [0.0] * 4, "rows": [[0.0, 0.0], [0.0, 0.0]],
              "numpy": numpy.zeros((2, 2), dtype=numpy.float32)}[shape]
    kavlor.trfmat(source, 2, 2, target, 2, 2)
    values = numpy.asarray(target, dtype=float).reshape(4).tolist()
    assert values == [1.0, 2.0, 3.0, 4.0]
    assert (type(target[0]) is list) == (shape == "rows")


def test_a_matrix_with_numbers_among_its_rows_fills_one_place_for_each():
    target = [[0.0, 0.0], 0.0, [0.0, 0.0]]
    kavlor.trfmat([1.0, 2.0, 3.0, 4.0], 2, 2, target, 2, 2)
    assert target == [[1.0, 2.0], 3.0, [4.0, 0.0]]
