# A first plot: two curves in an axis system with axis names and a title,
# written as curve_title.pdf, .svg and .png (or only the format named on the
# command line).
use strict;
use warnings;
use FindBin;
use lib $FindBin::Bin;
use ExamplePage;
use Kavlor;

my $pi = f(3.1415927);
my @x = map { f(2 * $_) } 0 .. 180;
my @s = map { f(sin(f(f($_ * $pi) / 180))) } @x;
my @c = map { f(cos(f(f($_ * $pi) / 180))) } @x;

plot_formats('curve_title', sub {
    my ($device, $file) = @_;
    open_page($device, $file);
    Kavlor::name('Angle in degrees', 'X');
    Kavlor::name('Value', 'Y');
    Kavlor::titlin('Sine and cosine', 1);
    Kavlor::titlin('from 0 to 360 degrees', 3);
    Kavlor::graf(0, 360, 0, 90, -1, 1, -1, 0.5);
    Kavlor::title();
    Kavlor::color('RED');
    Kavlor::curve(\@x, \@s, scalar @x);
    Kavlor::color('BLUE');
    Kavlor::dash();
    Kavlor::curve(\@x, \@c, scalar @x);
    Kavlor::endgrf();
    Kavlor::kavfin();
});
