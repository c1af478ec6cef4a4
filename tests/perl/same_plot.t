# A plot made from Perl is the plot the same calls make from C, byte for byte
# (dates masked): arrays, a matrix of row references, the legend in a scalar,
# and surfaces of Perl subs (perl_plots.pl and reference_plots.c draw them).
use strict;
use warnings;
use Test::More;
use File::Path qw(make_path);
use lib "$ENV{KAVLOR_SOURCE_DIR}/tests/perl/lib";
use KavlorTest qw(in_tmp masked read_file reference_plot source_dir);

my $plots = source_dir() . '/tests/perl/perl_plots.pl';
my $dir = in_tmp();
make_path('perl', 'c');
for my $case (qw(curves saddle flat torus)) {
    for my $format ([PDF => 'pdf'], [SVG => 'svg'], [PNG => 'png']) {
        my ($device, $suffix) = @$format;
        my $file = "$case.$suffix";
        system($^X, $plots, $case, $device, "perl/$file") == 0 or die "perl_plots.pl $case";
        my $drawn = read_file("perl/$file");
        ok(masked($drawn) eq masked(reference_plot($case, $device, "c/$file")),
           "$case as $device: the bytes C draws");
    }
}
done_testing();
