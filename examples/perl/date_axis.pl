# A year of daily values on a date axis labelled by month names.
use strict;
use warnings;
use FindBin;
use lib $FindBin::Bin;
use ExamplePage;
use Kavlor;

my $pi = f(3.1415927);
my @day = 0 .. 364;
my @t = map {
    my $i = $_;
    my $angle = f(f(f(2 * $pi) * f($i - 15)) / 365);
    f(f(9 - f(9.5 * f(cos($angle)))) +
      f(f(2.5 * f(sin(f(f(0.9) * $i)))) * f(sin(f(f(0.13) * $i)))))
} @day;

plot_formats('date_axis', sub {
    my ($device, $file) = @_;
    open_page($device, $file);
    Kavlor::basdat(1, 1, 2023); # day 0
    Kavlor::labels('DATE', 'X');
    Kavlor::labmod('STEP', 'MONT', 'X');
    Kavlor::labmod('DAY', 'NONE', 'X');
    Kavlor::labmod('MONTH', 'NAME', 'X');
    Kavlor::labmod('YEAR', 'NONE', 'X');
    Kavlor::digits(-1, 'Y');
    Kavlor::labpos('CENT', 'X'); # each month's name between its ticks
    Kavlor::name('2023', 'X');
    Kavlor::name('Temperature in degrees Celsius', 'Y');
    Kavlor::titlin('Daily mean temperature', 1);
    Kavlor::graf(0, 365, 0, 1, -10, 30, -10, 10);
    Kavlor::title();
    Kavlor::color('RED');
    Kavlor::curve(\@day, \@t, scalar @day);
    Kavlor::endgrf();
    Kavlor::kavfin();
});
