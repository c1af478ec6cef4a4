# A helix in a 3-D axis system with the box edges and grids on its back faces.
use strict;
use warnings;
use FindBin;
use lib $FindBin::Bin;
use ExamplePage;
use Kavlor;

my $turns = f(6 * f(3.14159265));
my (@x, @y, @z);
for my $i (0 .. 399) {
    my $t = f(f($turns * $i) / 399);
    push @x, f(cos($t));
    push @y, f(sin($t));
    push @z, f($t / $turns);
}

plot_formats('helix3d', sub {
    my ($device, $file) = @_;
    open_page($device, $file);
    Kavlor::axspos(785, 1850);
    Kavlor::axslen(1400, 1400);
    Kavlor::name('X', 'X');
    Kavlor::name('Y', 'Y');
    Kavlor::name('Height', 'Z');
    Kavlor::view3d(-40, 30, 7, 'ANGL'); # from the front left, above
    Kavlor::titlin('A helix in a 3-D axis system', 2);
    Kavlor::graf3d(-1, 1, -1, 0.5, -1, 1, -1, 0.5, 0, 1, 0, 0.2);
    Kavlor::box3d();
    Kavlor::color('GREEN');
    Kavlor::grid3d(1, 1, 'BACK');
    Kavlor::color('RED');
    Kavlor::thkcrv(3);
    Kavlor::curv3d(\@x, \@y, \@z, 400);
    Kavlor::color('FORE');
    Kavlor::title();
    Kavlor::endgrf();
    Kavlor::kavfin();
});
