# A plot in a screen window: a damped oscillation in an axis system, shown in
# a window that waits for the right mouse button or RETURN. With the argument
# "brief" the window closes by itself after a second. Without a display the
# plot is drawn into a window that is never shown and the script ends at once.
use strict;
use warnings;
use FindBin;
use lib $FindBin::Bin;
use ExamplePage;
use Kavlor;

my $n = 301;
my @x = map { f(f(0.05) * $_) } 0 .. $n - 1;
my @y = map { f(f(exp(f(f(-0.3) * $_))) * f(cos(f(2 * $_)))) } @x;

Kavlor::metafl('XWIN');
Kavlor::kavini();
# What kavfin waits for, set after kavini, which resets it.
Kavlor::winkey('RETU');
if (@ARGV && $ARGV[0] eq 'brief') {
    Kavlor::winmod('DELA');
    Kavlor::winopt(1, 'DELA');
}
Kavlor::name('Time', 'X');
Kavlor::name('Amplitude', 'Y');
Kavlor::titlin('A damped oscillation', 2);
Kavlor::graf(0, 15, 0, 3, -1, 1, -1, 0.5);
Kavlor::title();
Kavlor::color('GREEN');
Kavlor::curve(\@x, \@y, $n);
Kavlor::endgrf();
Kavlor::kavfin();
printf "The window %s.\n",
    $ENV{DISPLAY} ? 'was shown' : 'stayed hidden: no display';
