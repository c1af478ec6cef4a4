# One picture in every file format the library writes: a page of lines,
# colours, fills, markers, arrows and text in the stroke and the PostScript
# fonts, then a page with a shaded surface, a curve on a plane of the 3-D box
# and a block of pixels in image mode. Each device writes every_device.EXT, or
# only the device named on the command line (for example PDF). Where the format
# holds pages (CGM, Kyocera, PostScript, PDF) the second page follows in the
# same file; elsewhere it is a file of its own, every_device_2.EXT. The raster
# files are true colour, so that the colour given as RGB is the one drawn, not
# the nearest of a palette's 256.
use strict;
use warnings;
use FindBin;
use lib $FindBin::Bin;
use ExamplePage;
use Kavlor;

# The device, the file's extension, and whether it has image mode, holds pages,
# has the PostScript fonts and writes pixels.
my @devices = (
    [GKSL => 'met', 0, 0, 0, 0],   [CGM => 'cgm', 0, 1, 0, 0],    [KYOC => 'kyo', 0, 1, 0, 0],
    [HPGL => 'hpg', 0, 0, 0, 0],   [HPA4 => 'a4.hpg', 0, 0, 0, 0], [POST => 'psc', 1, 1, 1, 0],
    [PSCL => 'cl.psc', 1, 1, 1, 0], [EPS => 'eps', 1, 0, 1, 0],    [PS => 'ps', 1, 1, 1, 0],
    [PDF => 'pdf', 1, 1, 1, 0],    [TIFF => 'tif', 1, 0, 0, 1],   [PNG => 'png', 1, 0, 0, 1],
    [PPM => 'ppm', 1, 0, 0, 1],    [BMP => 'bmp', 1, 0, 0, 1],    [GIF => 'gif', 1, 0, 0, 1],
    [JAVA => 'java', 0, 0, 0, 0],  [SVG => 'svg', 0, 0, 1, 0],    [WMF => 'wmf', 0, 0, 0, 0],
);

sub shapes {
    my ($psfonts) = @_;
    # Lines in colours, widths and styles.
    for my $i (0 .. 7) {
        Kavlor::setclr(30 + 28 * $i);
        Kavlor::dash() if $i == 3;
        Kavlor::linwid(15) if $i == 5;
        Kavlor::line(100, 100 + 60 * $i, 1000, 150 + 60 * $i);
    }
    Kavlor::solid();
    Kavlor::linwid(1);

    # Fills: a solid and a hatched polygon, a box, circles, a sector, a triangle.
    Kavlor::setclr(200);
    Kavlor::shdpat(16);
    Kavlor::areaf([1900, 2300, 2400, 2100, 1850], [200, 150, 400, 600, 450], 5);
    Kavlor::shdpat(5);
    Kavlor::setclr(90);
    Kavlor::circle(1400, 350, 200);
    Kavlor::shdpat(16);
    Kavlor::setrgb(0.2, 0.6, 0.9);
    Kavlor::ellips(1400, 800, 250, 100);
    Kavlor::shdpat(0);
    Kavlor::recfll(100, 700, 400, 200, 150);
    Kavlor::sector(800, 900, 50, 180, 30, 290, 60);
    Kavlor::setclr(240);
    Kavlor::trifll([2500, 2900, 2700], [700, 650, 350]);
    Kavlor::rectan(2050, 750, 300, 200);

    # Markers and arrows.
    Kavlor::hsymbl(40);
    for my $i (0 .. 23) {
        Kavlor::setclr(10 + 10 * $i);
        Kavlor::symbol($i, 150 + 110 * $i, 1150);
    }
    Kavlor::vector(200 + 600 * $_, 1300, 600 + 600 * $_, 1400, 1201 + $_ * 1000) for 0 .. 3;

    # Text in the stroke font, turned, and in a PostScript font where the device
    # has one; the accented text is Latin-1.
    Kavlor::color('FORE');
    Kavlor::height(50);
    Kavlor::messag('Stroke text: x^2 + y', 100, 1550);
    Kavlor::angle(20);
    Kavlor::messag('turned', 1400, 1650);
    Kavlor::angle(0);
    Kavlor::psfont('Times-Roman') if $psfonts;
    Kavlor::chacod('ISO1');
    Kavlor::messag("PostScript text, accented: caf\xe9", 100, 1750);
    Kavlor::frame(3);
    Kavlor::rectan(1800, 1700, 500, 150);
    Kavlor::frame(1);
}

sub surface_and_plane {
    my ($image) = @_;
    my @x = map { f(-1 + f(f(2 * $_) / 11)) } 0 .. 11;
    my @y = @x;
    my @z = map { my $u = $_; [map { f(f($u * $u) - f($_ * $_)) } @y] } @x;
    my @c = map { f(f($_ / 39) * f(6.2831853)) } 0 .. 39;
    my @s = map { f(sin($_)) } @c;

    # A block of pixels in image mode, on the devices that have it.
    if ($image) {
        Kavlor::imgini();
        for my $i (0 .. 39) {
            Kavlor::wpixel(20 + $i, 20 + $_, ($i + $_) % 256) for 0 .. 39;
        }
        Kavlor::imgfin();
    }

    Kavlor::axspos(500, 1800);
    Kavlor::axslen(1200, 1200);
    Kavlor::view3d(-40, 30, 7, 'ANGL');
    Kavlor::graf3d(-1, 1, -1, 0.5, -1, 1, -1, 0.5, -1, 1, -1, 0.5);
    Kavlor::box3d();
    Kavlor::surshd(\@x, 12, \@y, 12, \@z);
    Kavlor::grfini(-1, -1, -1, 1, -1, -1, 1, -1, 1);
    Kavlor::graf(0, 6.3, 0, 1, -1, 1, -1, 0.5);
    Kavlor::curve(\@c, \@s, 40);
    Kavlor::endgrf();
    Kavlor::grffin();
    Kavlor::endgrf();
}

# Opens a plot on the device into every_device.EXT, every_device_2.EXT for
# page 2.
sub open_plot {
    my ($keyword, $extension, $raster, $page) = @_;
    Kavlor::metafl($keyword);
    Kavlor::setfil($page == 1 ? "every_device.$extension" : "every_device_$page.$extension");
    Kavlor::filmod('DELE');
    Kavlor::imgfmt('RGB') if $raster;
    Kavlor::kavini();
}

for my $device (@devices) {
    my ($keyword, $extension, $image, $pages, $psfonts, $raster) = @$device;
    next if @ARGV && $ARGV[0] ne $keyword;
    open_plot($keyword, $extension, $raster, 1);
    shapes($psfonts);
    if ($pages) {
        Kavlor::newpag();
    } else {
        Kavlor::kavfin();
        open_plot($keyword, $extension, $raster, 2);
    }
    surface_and_plane($image);
    Kavlor::kavfin();
}
