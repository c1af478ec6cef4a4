# Filled contour bands with labelled contour lines over them and a colour bar.
use strict;
use warnings;
use FindBin;
use lib $FindBin::Bin;
use ExamplePage;
use Kavlor;

my ($nx, $ny, $nlev) = (120, 100, 13);
my @x = map { f(-3 + f(f(6 * $_) / ($nx - 1))) } 0 .. $nx - 1;
my @y = map { f(-2.5 + f(f(5 * $_) / ($ny - 1))) } 0 .. $ny - 1;
sub sq { return f($_[0] * $_[0]) }
# Two hills and a valley, as rows of the matrix.
my @z = map {
    my $u = $_;
    [map {
        my $v = $_;
        my $hill = f(f(1.2) * f(exp(0 - f(sq(f($u - 1)) + sq($v)))));
        my $second = f(f(0.8) * f(exp(0 - f(sq(f($u + f(1.2))) + sq(f($v - 1))))));
        my $valley = f(f(0.9) * f(exp(f((0 - f(sq(f($u + 0.5)) + sq(f($v + f(1.4))))) * 2))));
        f(f($hill + $second) - $valley)
    } @y]
} @x;
my @bands = map { f(f(-0.9) + f(f(0.2) * $_)) } 0 .. $nlev;
my @lines = map { f(f(-0.8) + f(f(0.2) * $_)) } 0 .. $nlev - 1;

plot_formats('contours', sub {
    my ($device, $file) = @_;
    open_page($device, $file);
    Kavlor::name('X', 'X');
    Kavlor::name('Y', 'Y');
    Kavlor::name('Height', 'Z');
    Kavlor::titlin('Filled contours with labelled lines', 2);
    Kavlor::graf3(-3, 3, -3, 1, -2.5, 2.5, -2.5, 1, -0.9, 1.7, -0.9, 0.2);
    Kavlor::conshd(\@x, $nx, \@y, $ny, \@z, \@bands, $nlev + 1);
    Kavlor::color('FORE');
    Kavlor::labels('FLOAT', 'CONTUR');
    Kavlor::contur(\@x, $nx, \@y, $ny, \@z, $_) for @lines;
    Kavlor::title();
    Kavlor::endgrf();
    Kavlor::kavfin();
});
