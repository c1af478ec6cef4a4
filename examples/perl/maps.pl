# The world's coastlines with a grid in Winkel's tripel and as a hemisphere;
# Europe on a conical map with four countries filled and a legend on a box of
# the page's colour: the two pages of maps.pdf, and maps.svg and maps_2.svg,
# maps.png and maps_2.png.
use strict;
use warnings;
use FindBin;
use lib $FindBin::Bin;
use ExamplePage;
use Kavlor;

sub world_maps {
    Kavlor::titlin('The world in two projections', 2);
    Kavlor::axspos(120, 1650);
    Kavlor::axslen(1770, 1000); # the tripel is 1.77 times as wide as high
    Kavlor::labels('MAP', 'XY');
    Kavlor::projct('WINK');
    Kavlor::mapbas('GSHI');
    Kavlor::grafmp(-180, 180, -180, 60, -90, 90, -90, 30);
    Kavlor::color('BLUE');
    Kavlor::gridmp(1, 1);
    Kavlor::color('FORE');
    Kavlor::world();
    Kavlor::title();
    Kavlor::endgrf();

    Kavlor::axspos(2030, 1500);
    Kavlor::axslen(800, 800);
    Kavlor::projct('ORTH');
    Kavlor::mappol(-30, 40);
    Kavlor::frame(3);
    Kavlor::grafmp(-180, 180, -180, 30, -90, 90, -90, 30);
    Kavlor::color('BLUE');
    Kavlor::gridmp(1, 1);
    Kavlor::color('FORE');
    Kavlor::world();
    Kavlor::endgrf();
}

sub europe {
    my @countries = (10, 9, 16, 31); # Germany, France, Italy, Yugoslavia
    my @colours = (Kavlor::intrgb(0.95, 0.75, 0.2), Kavlor::intrgb(0.3, 0.55, 0.9),
                   Kavlor::intrgb(0.4, 0.8, 0.4), Kavlor::intrgb(0.85, 0.4, 0.45));
    Kavlor::frame(1);
    Kavlor::titlin('Europe', 2);
    Kavlor::labels('MAP', 'XY');
    Kavlor::axspos(400, 1800);
    Kavlor::axslen(2000, 1500);
    Kavlor::projct('CONF');
    Kavlor::mapbas('KAVL');
    Kavlor::grafmp(-20, 40, -20, 10, 35, 70, 35, 5);
    my $foreground = Kavlor::intrgb(0, 0, 0);
    Kavlor::shdeur([0], [0], [$foreground], 1);
    Kavlor::shdeur(\@countries, [16, 16, 16, 16], \@colours, 4);
    Kavlor::color('BLUE');
    Kavlor::gridmp(1, 1);
    Kavlor::color('FORE');
    my $cbuf;
    Kavlor::legini($cbuf, 4, 24);
    Kavlor::leglin($cbuf, 'Germany', 1);
    Kavlor::leglin($cbuf, 'France', 2);
    Kavlor::leglin($cbuf, 'Italy', 3);
    Kavlor::leglin($cbuf, 'Former Yugoslavia', 4);
    Kavlor::legtit('Countries');
    my ($width, $height) = (Kavlor::nxlegn($cbuf), Kavlor::nylegn($cbuf));
    Kavlor::recfll(2370 - $width, 330, $width, $height, 0);
    Kavlor::legpos(2370 - $width, 330);
    Kavlor::legend($cbuf, 7);
    Kavlor::title();
    Kavlor::endgrf();
}

plot_formats('maps', sub {
    my ($device, $file) = @_;
    open_page($device, $file);
    world_maps();
    next_page($device, $file, 2);
    europe();
    Kavlor::kavfin();
});
