# The Perl twins of the plots of tests/python/reference_plots.c: each draws its
# case from start to end with the numbers the C program computes (in double,
# narrowed by the wrappers). The tests run each in a fresh perl.
#
#     perl perl_plots.pl CASE DEVICE FILE
use strict;
use warnings;
use Kavlor;

sub grid {
    my @gx = map { $_ * $_ * 0.1 } 0 .. 6;
    my @gy = map { -1.0 + 0.5 * $_ } 0 .. 4;
    my @gz = map { my $i = $_; [map { sin($i * 0.1 * $i) * cos(-1.0 + 0.5 * $_) } 0 .. 4] } 0 .. 6;
    return (\@gx, \@gy, \@gz);
}

sub curves {
    my @x = map { $_ * 0.25 } 0 .. 39;
    my @sines = map { sin($_ * 0.25) } 0 .. 39;
    my @cosines = map { 0.5 * cos($_ * 0.25) } 0 .. 39;
    Kavlor::kavini();
    Kavlor::name('Time', 'X');
    Kavlor::name('Value', 'Y');
    Kavlor::titlin('Curves, contours and a legend', 2);
    Kavlor::graf(0.0, 10.0, 0.0, 2.0, -1.5, 1.5, -1.5, 0.5);
    Kavlor::title();
    Kavlor::color('RED');
    Kavlor::curve(\@x, \@sines, 40);
    Kavlor::color('BLUE');
    Kavlor::dash();
    Kavlor::curve(\@x, \@cosines, 40);
    Kavlor::solid();
    Kavlor::color('GREEN');
    my ($gx, $gy, $gz) = grid();
    Kavlor::contur($gx, 7, $gy, 5, $gz, 0.3);
    Kavlor::color('FORE');
    my $cbuf;
    Kavlor::legini($cbuf, 2, 12);
    Kavlor::leglin($cbuf, 'sine', 1);
    Kavlor::leglin($cbuf, 'cosine', 2);
    Kavlor::legtit('Legend');
    Kavlor::legend($cbuf, 3);
    Kavlor::shdpat(16);
    Kavlor::areaf([300, 500, 400], [1700, 1700, 1500], 3);
    Kavlor::rlmess('a message', 5.0, 1.0);
    Kavlor::endgrf();
    Kavlor::kavfin();
}

sub saddle { my ($x, $y) = @_; return $x * $x - $y * $y }
sub flat { return 0 }

sub function_surface {
    my ($function) = @_;
    Kavlor::kavini();
    Kavlor::graf3d(-2.0, 2.0, -2.0, 1.0, -2.0, 2.0, -2.0, 1.0, -4.0, 4.0, -4.0, 2.0);
    Kavlor::surfun($function, 1, 0.25, 1, 0.25);
    Kavlor::endgrf();
    Kavlor::kavfin();
}

sub torus {
    my ($u, $v, $iopt) = @_;
    my $r = 2.0 + cos($v);
    return ($r * cos($u), $r * sin($u), sin($v))[$iopt - 1];
}

sub parametric_surface {
    Kavlor::kavini();
    Kavlor::graf3d(-3.0, 3.0, -3.0, 1.0, -3.0, 3.0, -3.0, 1.0, -3.0, 3.0, -3.0, 1.0);
    Kavlor::surfcp('main::torus', 0.0, 6.2831855, 0.3, 0.0, 6.2831855, 0.5);
    Kavlor::endgrf();
    Kavlor::kavfin();
}

my %plots = (
    curves => \&curves,
    saddle => sub { function_surface('main::saddle') },
    flat => sub { function_surface('flat') },
    torus => \&parametric_surface,
);

my ($case, $device, $path) = @ARGV;
Kavlor::metafl($device);
Kavlor::setfil($path);
Kavlor::filmod('DELE');
$plots{$case}->();
