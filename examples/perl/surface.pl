# A colour-shaded surface in a 3-D axis system with its box.
use strict;
use warnings;
use FindBin;
use lib $FindBin::Bin;
use ExamplePage;
use Kavlor;

my $n = 60;
my @x = map { f(-3 + f(f(6 * $_) / ($n - 1))) } 0 .. $n - 1;
my @y = @x;
my @z = map {
    my $u = $_;
    [map {
        my $r = f(sqrt(f(f($u * $u) + f($_ * $_))));
        f(f(cos(f(2 * $r))) * f(exp(f(f(-0.4) * $r))))
    } @y]
} @x;

plot_formats('surface', sub {
    my ($device, $file) = @_;
    open_page($device, $file);
    Kavlor::axspos(685, 1850);
    Kavlor::axslen(1600, 1600);
    Kavlor::name('X', 'X');
    Kavlor::name('Y', 'Y');
    Kavlor::name('Z', 'Z');
    Kavlor::titlin('A colour-shaded surface', 2);
    Kavlor::view3d(-50, 35, 7, 'ANGL');
    Kavlor::graf3d(-3, 3, -3, 1, -3, 3, -3, 1, -1, 1, -1, 0.5);
    Kavlor::box3d();
    Kavlor::surshd(\@x, $n, \@y, $n, \@z);
    Kavlor::title();
    Kavlor::endgrf();
    Kavlor::kavfin();
});
