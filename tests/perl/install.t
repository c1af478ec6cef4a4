# The module installed into a prefix is found with perl -I and loads the
# prefix's library through its run path.
use strict;
use warnings;
use Test::More;
use Config;
use lib "$ENV{KAVLOR_SOURCE_DIR}/tests/perl/lib";
use KavlorTest qw(in_tmp run_perl);

my $prefix = $ENV{KAVLOR_TEST_PREFIX};
(my $arch = $Config{sitearch}) =~ s/^\Q$Config{siteprefix}\E//;
my $dir = "$prefix$arch";
ok(-f "$dir/Kavlor.pm" && -f "$dir/auto/Kavlor/Kavlor.so", "installed into $dir");

in_tmp();
delete local $ENV{PERL5LIB};
delete local $ENV{LD_LIBRARY_PATH};
my ($status, $out, $err) = run_perl(<<'PERL', $dir);
use lib shift;
use Kavlor;
print $INC{'Kavlor.pm'}, "\n";
open my $maps, '<', '/proc/self/maps' or die;
my ($library) = map { (split)[-1] } grep { /libkavlor/ } <$maps>;
print "$library\n";
Kavlor::metafl('SVG');
Kavlor::setfil('installed.svg');
Kavlor::kavini();
Kavlor::kavfin();
PERL
is($status, 0, 'the script runs') or diag $err;
my ($module, $library) = split /\n/, $out;
is($module, "$dir/Kavlor.pm", 'the installed module is loaded');
like($library, qr{^\Q$prefix\E/lib/libkavlor\.so}, 'with the installed library');
ok(-s 'installed.svg', 'and draws');
done_testing();
