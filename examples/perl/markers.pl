# Several curves with markers, a thick line and steps.
use strict;
use warnings;
use FindBin;
use lib $FindBin::Bin;
use ExamplePage;
use Kavlor;

my @x = map { $_ + 1 } 0 .. 9;
my @fit = map { f(f(f(0.8) * $_) + 1) } @x;
my @y = map {
    my $k = $_;
    [map { f(f($fit[$_] + f(2.5 * $k)) + f(f(0.4) * ((($_ * 7 + $k * 3) % 5) - 2))) } 0 .. 9]
} 0 .. 2;

plot_formats('markers', sub {
    my ($device, $file) = @_;
    open_page($device, $file);
    Kavlor::name('Sample', 'X');
    Kavlor::name('Signal', 'Y');
    Kavlor::titlin('Three series with markers, a fit and steps', 2);
    Kavlor::intax(); # integer labels
    Kavlor::graf(0, 11, 0, 1, 0, 18, 0, 3);
    Kavlor::title();
    # Markers only: a different symbol and colour for each series.
    Kavlor::incmrk(-1);
    Kavlor::hsymbl(30);
    my @colours = qw(RED GREE BLUE);
    for my $k (0 .. 2) {
        Kavlor::color($colours[$k]);
        Kavlor::marker($k + 2);
        Kavlor::curve(\@x, $y[$k], 10);
    }
    # The fit as a thick line without markers.
    Kavlor::incmrk(0);
    Kavlor::color('FORE');
    Kavlor::thkcrv(3);
    Kavlor::curve(\@x, \@fit, 10);
    Kavlor::thkcrv(1);
    # Steps through the first series, dashed, a marker at every other point.
    Kavlor::color('MAGE');
    Kavlor::dash();
    Kavlor::polcrv('STEP');
    Kavlor::incmrk(2);
    Kavlor::marker(15);
    Kavlor::curve(\@x, $y[0], 10);
    Kavlor::endgrf();
    Kavlor::kavfin();
});
