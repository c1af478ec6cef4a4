# The line styles, wide lines with their caps and joins, colours (HPGL and a
# Java applet source).
use strict;
use warnings;
use Kavlor;

sub draw {
    Kavlor::pagera();
    # The eight line styles.
    for my $i (0 .. 7) {
        Kavlor::setclr(30 * $i + 20);
        Kavlor::lintyp($i);
        Kavlor::line(200, 200 + 120 * $i, 1300, 200 + 120 * $i);
    }
    Kavlor::solid();
    # Wider and wider lines with the three caps.
    my @caps = qw(CUT ROUN LONG);
    for my $i (0 .. 2) {
        Kavlor::setclr(60 + 80 * $i);
        Kavlor::lncap($caps[$i]);
        Kavlor::linwid(10 + 15 * $i);
        Kavlor::line(1600, 300 + 300 * $i, 2700, 300 + 300 * $i);
    }
    # A sharp and a truncated corner.
    Kavlor::linwid(30);
    Kavlor::lnjoin('SHAR');
    Kavlor::line(1600, 1300, 2000, 1300);
    Kavlor::line(2000, 1300, 2000, 1800);
    Kavlor::lnjoin('TRUN');
    Kavlor::line(2200, 1300, 2600, 1300);
    Kavlor::line(2600, 1300, 2600, 1800);
}

Kavlor::metafl('HPGL');
Kavlor::setfil('line_styles.hpg');
Kavlor::filmod('DELE');
Kavlor::kavini();
draw();
Kavlor::kavfin();

Kavlor::metafl('JAVA');
Kavlor::setfil('LineStyles.java');
Kavlor::kavini();
draw();
Kavlor::kavfin();
