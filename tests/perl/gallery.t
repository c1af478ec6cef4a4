# Every Perl example of the gallery writes the files its C twin writes, byte
# for byte (dates masked).
use strict;
use warnings;
use Test::More;
use File::Basename qw(basename);
use File::Path qw(make_path);
use lib "$ENV{KAVLOR_SOURCE_DIR}/tests/perl/lib";
use KavlorTest qw(in_tmp masked read_file source_dir);

my @scripts = sort glob(source_dir() . '/examples/perl/*.pl');
cmp_ok(scalar @scripts, '>=', 11, 'the gallery in Perl');
in_tmp();
for my $script (@scripts) {
    my $name = basename($script, '.pl');
    my $program = "$ENV{KAVLOR_EXAMPLES}/example_$name";
    ok(-x $program, "$name has a C twin") or next;
    make_path("c/$name", "perl/$name");
    system("cd c/$name && '$program' > /dev/null") == 0 or die "$program failed";
    system("cd perl/$name && '$^X' '$script' > /dev/null") == 0 or die "$script failed";
    my @files = map { basename($_) } glob("c/$name/*");
    is_deeply([sort map { basename($_) } glob("perl/$name/*")], [sort @files],
              "$name: the same files");
    for my $file (@files) {
        ok(masked(read_file("perl/$name/$file")) eq masked(read_file("c/$name/$file")),
           "$name: $file");
    }
}
done_testing();
