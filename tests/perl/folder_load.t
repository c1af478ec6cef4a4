# The setup program's layout: Kavlor.so right beside Kavlor.pm, no auto/ tree.
# The module loads it from its own folder however perl names that folder, and
# never a Kavlor.so from anywhere else.
use strict;
use warnings;
use Test::More;
use File::Copy qw(copy);
use File::Path qw(make_path);
use lib "$ENV{KAVLOR_SOURCE_DIR}/tests/perl/lib";
use KavlorTest qw(in_tmp run_perl);
use Kavlor ();

(my $built = $INC{'Kavlor.pm'}) =~ s{Kavlor\.pm\z}{};
my $tmp = in_tmp();
make_path('flat');
copy("${built}Kavlor.pm", 'flat/Kavlor.pm') or die $!;
copy("${built}auto/Kavlor/Kavlor.so", 'flat/Kavlor.so') or die $!;
delete local $ENV{PERL5LIB};

my $script = 'use Kavlor; print "$INC{q{Kavlor.pm}} $DynaLoader::dl_shared_objects[-1] ",'
           . ' Kavlor::getlev()';
for my $case (['-I.', 'flat', 'Kavlor.pm ./Kavlor.so 0'],
              ['-Iflat', '.', 'flat/Kavlor.pm flat/Kavlor.so 0'],
              ["-I$tmp/flat", '.', "$tmp/flat/Kavlor.pm $tmp/flat/Kavlor.so 0"]) {
    my ($option, $folder, $expected) = @$case;
    chdir "$tmp/$folder" or die $!;
    my $out = qx{'$^X' '$option' -e '$script' 2>&1};
    is($?, 0, "$option from $folder: the module loads") or diag $out;
    is($out, $expected, "$option from $folder: from its own folder");
}
done_testing();
