# Arrays: input arrays and matrices, arrays written back, output arrays, and
# the bad input the wrappers refuse before anything is converted or called.
use strict;
use warnings;
use Test::More;
use lib "$ENV{KAVLOR_SOURCE_DIR}/tests/perl/lib";
use KavlorTest qw(in_tmp);
use Kavlor;

in_tmp();
Kavlor::errdev('FILE'); # the library's warnings go to a file, not into the TAP
Kavlor::errfil('messages.txt');

# ---- Written back ----------------------------------------------------------------
{
    my @x = (4, '3', 1, 0.1);
    Kavlor::sortr1(\@x, 3, 'A');
    is_deeply([map { sprintf '%.17g', $_ } @x], ['1', '3', '4', '0.10000000149011612'],
              'sortr1 writes the whole array back, in single precision');
    my @shorts = (1, 256, 255);
    Kavlor::swapi2(\@shorts, 3);
    is_deeply(\@shorts, [256, 1, -256], 'swapi2: 16-bit values, signed');
    my @ints = (1, 255);
    Kavlor::swapi4(\@ints, 2);
    is_deeply(\@ints, [2**24, -2**24], 'swapi4: 32-bit values, signed');
}

# ---- Output arrays ----------------------------------------------------------------
{
    my @a = (9, 9, 9, 9, 9);
    my @b;
    is(Kavlor::histog([3, 1, 3, 2, 3], 5, \@a, \@b), 3, 'histog: the count is the result');
    is_deeply([\@a, \@b], [[1, 2, 3, 9, 9], [1, 1, 3]],
              'elements beyond the count stay, shorter arrays grow');
    Kavlor::bezier([0, 1], [0, 1], 2, \my @x, \my @y, 3);
    is_deeply([\@x, \@y], [[0, 0.5, 1], [0, 0.5, 1]], 'bezier: outputs sized by the count');
    Kavlor::metafl('SVG');
    Kavlor::setfil('spline.svg');
    Kavlor::kavini();
    my @ten = map { $_ * 1.0 } 0 .. 9;
    is(Kavlor::spline(\@ten, [map { $_ * $_ } 0 .. 9], 10, \my @xs, \my @ys), 201,
       'spline: 201 points by default');
    is(scalar @xs, 201, 'written back whole');
    Kavlor::splmod(3, 30000);
    is(Kavlor::spline(\@ten, \@ten, 10, \@xs, \@ys), 30001, 'and as many as splmod asks for');
    is(scalar @ys, 30001, 'the buffers hold them');
    Kavlor::splmod(3, 200);
    Kavlor::kavfin();

    # A matrix written back into the rows the caller gave, growing them.
    my @rows = ([], [0], [0, 0, 0, 0]);
    Kavlor::trfmat([[1, 2], [3, 4]], 2, 2, \@rows, 3, 3);
    is_deeply([map { scalar @$_ } @rows], [3, 3, 4], 'trfmat: rows grow to ny, none shrinks');
    is_deeply([@{$rows[0]}[0, 2], @{$rows[2]}[0, 2]], [1, 2, 3, 4], 'the corners stay');

    # Signed bytes of readfl.
    open my $fh, '>:raw', 'bytes.bin' or die;
    print $fh "\x41\x00\xFF";
    close $fh;
    my $unit = Kavlor::openfl('bytes.bin', 0, 0);
    my @r = (9, 9, 9, 9, 9);
    is(Kavlor::readfl($unit, \@r, 10), 3, 'readfl: the bytes read');
    is_deeply(\@r, [65, 0, -1, 9, 9], 'as signed values, the rest left');
    is(Kavlor::readfl($unit, \@r, 10), 0, 'none at the end');
    Kavlor::closfl($unit);
}

# ---- Pixels: a request the picture cannot answer croaks before a buffer is taken --
{
    Kavlor::metafl('VIRT');
    Kavlor::winsiz(20, 10);
    Kavlor::kavini();
    my @row = (7) x 5;
    eval { Kavlor::rpxrow(\@row, 0, 0, 1) };
    like($@, qr/^Kavlor::rpxrow: n1ray: pixels are read only in image mode at /,
         'outside image mode');
    Kavlor::imgini();
    for my $case ([sub { Kavlor::rpxrow(\@row, 0, 0, 201) }, 'rpxrow', 201],
                  [sub { Kavlor::rpixls(\@row, 0, 0, 1000, 1000) }, 'rpixls', 1000000],
                  [sub { Kavlor::rpixls(\@row, 0, 0, 65536, 65536) }, 'rpixls', 4294967296]) {
        my ($call, $name, $count) = @$case;
        eval { $call->() };
        like($@, qr/^Kavlor::$name: $count pixels requested for n1ray, more than the 200 of the picture at /,
             "$name: $count pixels");
    }
    is_deeply(\@row, [(7) x 5], 'the array is left alone');
    Kavlor::rpixls(\@row, 0, 0, 20, 10);
    is(scalar @row, 200, 'the whole picture');
    Kavlor::imgfin();
    Kavlor::kavfin();
}

# ---- Bad input: a croak, nothing converted, nothing called ---------------------
{
    package Counted { sub TIESCALAR { bless [0] } sub FETCH { $_[0][0]++; 1 } sub STORE {} }
    my @bad = (
        # [call, the message]
        [sub { Kavlor::curve(1, [1, 2], 2) }, 'Kavlor::curve: x1ray is not a reference to an array'],
        [sub { Kavlor::curve({}, [1, 2], 2) }, 'Kavlor::curve: x1ray is not a reference to an array'],
        [sub { Kavlor::curve([1, 2], [1], 2) }, 'Kavlor::curve: x2ray holds 1 elements, fewer than 2'],
        [sub { Kavlor::curve([1, 2], [1, 2], 1e6) }, 'Kavlor::curve: x1ray holds 2 elements, fewer than 1000000'],
        [sub { Kavlor::contur([1, 2], 2, [1, 2], 2, [[1, 2]], 0.5) },
         'Kavlor::contur: xmat holds 1 elements, fewer than 2'],
        [sub { Kavlor::contur([1, 2], 2, [1, 2], 2, [[1, 2], 3], 0.5) },
         'Kavlor::contur: row 1 of xmat is not a reference to an array'],
        [sub { Kavlor::contur([1, 2], 2, [1, 2], 2, [[1, 2], [3]], 0.5) },
         'Kavlor::contur: row 1 of xmat holds 1 elements, fewer than 2'],
        [sub { my @m; $m[1] = [1, 2]; Kavlor::contur([1, 2], 2, [1, 2], 2, \@m, 0.5) },
         'Kavlor::contur: row 0 of xmat is not a reference to an array'],
        [sub { Kavlor::suriso([1], 1, [1, 2], 2, [1], 1, [[[1], []]], 0.5) },
         'Kavlor::suriso: row 1 of wmat holds 0 elements, fewer than 1'],
        [sub { Kavlor::histog([1, 2, 3], 3, 'x', []) }, 'Kavlor::histog: x2ray is not a reference to an array'],
        [sub { Kavlor::writfl(0, 'abc', 4) }, 'Kavlor::writfl: cbuf holds 3 bytes, fewer than 4'],
        [sub { Kavlor::wpixls([1, 2, 3], 0, 0, 2, 2) }, 'Kavlor::wpixls: n1ray holds 3 elements, fewer than 4'],
        [sub { Kavlor::trfmat([[1]], 1, 1, [[0], 1], 2, 2) },
         'Kavlor::trfmat: row 1 of xmat is not a reference to an array'],
    );
    for my $case (@bad) {
        my ($call, $message) = @$case;
        eval { $call->() };
        like($@, qr/^\Q$message\E at /, $message);
    }
    # A tied element behind a bad array is never read.
    my @tied;
    tie $tied[$_], 'Counted' for 0 .. 2;
    eval { Kavlor::curve(\@tied, [1], 3) };
    is(tied($tied[0])->[0], 0, 'no element is converted before the arrays are checked');

    my @holes;
    $holes[2] = 5;
    my @sorted = @holes;
    Kavlor::sortr1(\@holes, 3, 'A');
    is_deeply(\@holes, [0, 0, 5], 'holes read as 0');

    my @readonly = (0, 0, 0);
    Internals::SvREADONLY(@readonly, 1);
    Internals::SvREADONLY($_, 1) for @readonly;
    eval { Kavlor::histog([1, 2, 3], 3, \@readonly, []) };
    like($@, qr/^Modification of a read-only value attempted/, 'a read-only output array croaks');
}

done_testing();
