# Circles, arcs, sectors, rectangles, arrows, framed shields, hatch line
# styles and the logo (HPGL, PNG and WMF).
use strict;
use warnings;
use Kavlor;

sub draw {
    Kavlor::pagera();

    # Row 1: outlined figures.
    Kavlor::setclr(50);
    Kavlor::circle(250, 250, 150);
    Kavlor::ellips(650, 250, 200, 100);
    Kavlor::arcell(1100, 250, 200, 120, 30, 300, 20);
    Kavlor::rectan(1400, 100, 300, 300);
    Kavlor::rndrec(1800, 100, 400, 300, 5);
    Kavlor::rndrec(2300, 100, 400, 300, 9);

    # Row 2: the same figures filled solid and hatched.
    Kavlor::setclr(180);
    Kavlor::shdpat(16);
    Kavlor::circle(250, 650, 150);
    Kavlor::shdpat(5);
    Kavlor::ellips(650, 650, 200, 100);
    Kavlor::shdpat(16);
    Kavlor::arcell(1100, 650, 200, 120, 30, 300, 20);
    Kavlor::shdpat(9);
    Kavlor::rectan(1400, 500, 300, 300);
    Kavlor::shdpat(16);
    Kavlor::rndrec(1800, 500, 400, 300, 5);
    Kavlor::shdpat(12);
    Kavlor::rndrec(2300, 500, 400, 300, 9);
    Kavlor::shdpat(0);

    # Row 3: sectors, boxes and a polygon.
    Kavlor::sector(250, 1150, 0, 200, 20, 110, 250);
    Kavlor::sector(250, 1150, 100, 200, 150, 340, 100);
    Kavlor::sector(750, 1150, 80, 180, 0, 400, 30);
    Kavlor::recfll(1050, 1000, 300, 150, 220);
    Kavlor::point(1200, 1300, 200, 60, 60);
    Kavlor::setclr(140);
    Kavlor::shdpat(17);
    Kavlor::areaf([2350, 2650, 2750, 2500, 2300], [1150, 1100, 1300, 1450, 1350], 5);
    Kavlor::shdpat(0);

    # Hatch types 5, 6 and 7: dotted, dashed and dash-dot lines. Types 6 and 7
    # draw in the groups of the last group pattern: pairs of lines with no gap
    # between them draw every line.
    Kavlor::setclr(20);
    Kavlor::mypat(0, 2, 0, 0);
    for my $i (0 .. 2) {
        Kavlor::mypat(0, 5 + $i, 3, 0);
        Kavlor::rectan(1450 + 250 * $i, 1000, 200, 300);
    }
    Kavlor::shdpat(0);

    # Row 4: arrows of every form (0 filled, 1 shaft to the base, 2 open,
    # 3 closed) and every choice of heads.
    Kavlor::setclr(239);
    for my $i (0 .. 3) {
        my $y = 1550 + 120 * $i;
        Kavlor::vector(100, $y, 500, $y, 1400 + 10 * $i + 1);
        Kavlor::vector(600, $y, 1000, $y, 2300 + 10 * $i + 2);
        Kavlor::vector(1100, $y, 1500, $y, 3300 + 10 * $i + 3);
    }
    Kavlor::vector(1600, 1950, 1900, 1550, 1501);
    Kavlor::vector(1650, 1550, 1950, 1950, 0);

    # Shields with their frames keep lines out.
    Kavlor::setclr(81);
    Kavlor::shlcir(2200, 1750, 100);
    Kavlor::shlrct(2450, 1650, 200, 120, 30);
    Kavlor::line(2050, 1600 + 40 * $_, 2900, 1600 + 40 * $_) for 0 .. 8;

    # The logo in the lower right corner.
    Kavlor::qlgsiz(250);
    Kavlor::qornpl(2);
}

Kavlor::metafl('HPGL');
Kavlor::setfil('figures.hpg');
Kavlor::filmod('DELE');
Kavlor::kavini();
draw();
Kavlor::kavfin();

Kavlor::metafl('PNG');
Kavlor::setfil('figures.png');
Kavlor::kavini();
draw();
Kavlor::kavfin();

Kavlor::metafl('WMF');
Kavlor::setfil('figures.wmf');
Kavlor::wmfmod('PLAC', 'FORMAT');
Kavlor::kavini();
draw();
Kavlor::kavfin();
