# Logarithmic axes scaled from the data: the gain of a second-order low-pass
# filter with its corner at 1 kHz, powers of ten as labels, markers.
use strict;
use warnings;
use FindBin;
use lib $FindBin::Bin;
use ExamplePage;
use Kavlor;

my (@f, @gain);
for my $i (0 .. 60) {
    my $r = f(f(10**f(1 + f(f(0.07) * $i))) / 1000);
    push @f, f(1000 * $r);
    my $d = f(1 - f($r * $r));
    push @gain, f(1 / f(sqrt(f(f($d * $d) + f(f(0.5 * $r) * $r)))));
}

plot_formats('log_axis', sub {
    my ($device, $file) = @_;
    open_page($device, $file);
    Kavlor::scale('LOG', 'XY');
    Kavlor::labels('LOG', 'XY');
    Kavlor::setscl(\@f, scalar @f, 'X');
    Kavlor::setscl(\@gain, scalar @gain, 'Y');
    Kavlor::name('Frequency in Hz', 'X');
    Kavlor::name('Gain', 'Y');
    Kavlor::titlin('Low-pass filter', 1);
    Kavlor::titlin('a second-order response with its corner at 1 kHz', 3);
    Kavlor::graf(0, 0, 0, 0, 0, 0, 0, 0);
    Kavlor::title();
    Kavlor::color('BLUE');
    Kavlor::marker(3);
    Kavlor::incmrk(5);
    Kavlor::curve(\@f, \@gain, scalar @f);
    Kavlor::endgrf();
    Kavlor::kavfin();
});
