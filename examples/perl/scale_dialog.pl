# A dialog of a scale and a draw widget: the damped oscillation in the draw
# widget follows the scale, which sets its damping. The plot is drawn again
# each time the scale is let go; OK ends the script. Without a display the
# dialog's messages go to the standard error and the script ends at once.
use strict;
use warnings;
use FindBin;
use lib $FindBin::Bin;
use ExamplePage;
use Kavlor;

my $n = 301;
my $draw_widget;

# The oscillation with the damping d, drawn into the draw widget (in single
# precision, as the C twin computes it).
sub plot {
    my ($d) = @_;
    my @x = map { f(f(0.05) * $_) } 0 .. $n - 1;
    my @y = map { f(f(exp(f(-$d * $_))) * f(cos(f(2 * $_)))) } @x;
    Kavlor::setxid(Kavlor::gwgxid($draw_widget), 'WIND');
    Kavlor::metafl('XWIN');
    Kavlor::scrmod('REVE');         # black on white
    Kavlor::kavini();
    Kavlor::errmod('PROT', 'OFF');  # no end report for every redraw
    Kavlor::erase();                # the widget holds the last plot
    Kavlor::name('Time', 'X');
    Kavlor::name('Amplitude', 'Y');
    Kavlor::titlin(sprintf('Damping %.2f', $d), 2);
    Kavlor::graf(0, 15, 0, 3, -1, 1, -1, 0.5);
    Kavlor::title();
    Kavlor::color('BLUE');
    Kavlor::curve(\@x, \@y, $n);
    Kavlor::endgrf();
    Kavlor::kavfin();
}

sub follow_scale { plot(Kavlor::gwgscl($_[0])) }

Kavlor::swgtit('Damped oscillation');
Kavlor::swgdrw(0.7);
Kavlor::swgwth(-45);    # widgets 45 % of the screen wide
my $top = Kavlor::wgini('VERT');
Kavlor::swgstp(0.05);
my $scale = Kavlor::wgscl($top, 'Damping', 0, 1, 0.3, 2);
$draw_widget = Kavlor::wgdraw($top);
Kavlor::wgok($top);
Kavlor::swgcbk($scale, 'main::follow_scale');
plot(Kavlor::gwgscl($scale));
Kavlor::wgfin();
Kavlor::setxid(0, 'NONE');
printf "The damping chosen: %.2f\n", Kavlor::gwgscl($scale);
