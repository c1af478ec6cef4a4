# Every C example of the gallery has a Perl twin, which writes the files its C
# twin writes, byte for byte (dates masked); a twin of a screen example shows
# the very pixels in its windows, its widget callbacks drawing what the C
# callbacks draw.
use strict;
use warnings;
use Test::More;
use File::Basename qw(basename);
use File::Path qw(make_path);
use lib "$ENV{KAVLOR_SOURCE_DIR}/tests/perl/lib";
use KavlorTest qw(in_tmp masked read_file source_dir);

# These show their plot in a screen window and write no file.
my %screen = map { $_ => 1 } qw(screen_window scale_dialog);

my %perl = map { basename($_, '.pl') => $_ } glob(source_dir() . '/examples/perl/*.pl');
my @c_examples = sort map { basename($_, '.c') } glob(source_dir() . '/examples/c/*.c');
is_deeply([grep { !$perl{$_} } @c_examples], [], 'every C example has a Perl twin');
in_tmp();

sub program { return "$ENV{KAVLOR_EXAMPLES}/example_$_[0]" }

# The command line of a twin, run in its own folder.
sub command {
    my ($name, $who) = @_;
    return $who eq 'c' ? "'" . program($name) . "'" : "'$^X' '$perl{$name}'";
}

for my $name (grep { !$screen{$_} } sort keys %perl) {
    ok(-x program($name), "$name has a C twin") or next;
    make_path("c/$name", "perl/$name");
    for my $who (qw(c perl)) {
        my $stdout = `cd $who/$name && @{[command($name, $who)]}`;
        $? == 0 or die "$name ($who) failed";
        unlike($stdout, qr/<<<< Warning/, "$name ($who): no warning");
    }
    my @files = map { basename($_) } glob("c/$name/*");
    is_deeply([sort map { basename($_) } glob("perl/$name/*")], [sort @files],
              "$name: the same files");
    for my $file (@files) {
        ok(masked(read_file("perl/$name/$file")) eq masked(read_file("c/$name/$file")),
           "$name: $file");
    }
}

# The lines of a standard output that are not empty, dates masked, in order of
# their text: the library's report and the script's lines reach it from two
# buffers.
sub report { return [sort grep { length } split /\n/, masked($_[0] // '')] }

# Shows a screen example on an X server of its own and writes what its windows
# show.
my $shown = source_dir() . '/tests/support/screen_example.sh';

for my $name (sort keys %screen) {
    make_path("c/$name", "perl/$name");
    # Without a display no window is shown: the same report and messages, and
    # no file.
    my %output;
    for my $who (qw(c perl)) {
        my $stdout = `cd $who/$name && DISPLAY= @{[command($name, $who)]} 2> ../$name.err`;
        is($?, 0, "$name ($who) without a display");
        $output{$who} = [report($stdout), read_file("$who/$name.err")];
        is_deeply([glob("$who/$name/*")], [], "$name ($who): no file");
    }
    is_deeply($output{perl}, $output{c}, "$name: the same report and messages");

    # On an X server of its own: what the windows of each show (the pictures
    # screen_example.sh takes of each example, the twin's when they are like
    # the C program's), and what each prints at the end.
    for my $who (qw(c perl)) {
        my $like = $who eq 'c' ? '' : "--like c/$name";
        is(system("'$shown' $name $who/$name $like @{[command($name, $who)]}"), 0,
           "$name ($who) shown");
    }
    my @pictures = map { basename($_) } glob("c/$name/*.ppm");
    ok(@pictures, "$name: pictures taken");
    is_deeply([map { basename($_) } glob("perl/$name/*.ppm")], \@pictures,
              "$name: the same pictures");
    for my $file (@pictures) {
        ok(read_file("perl/$name/$file") eq read_file("c/$name/$file"), "$name: $file");
    }
    is_deeply(report(read_file("perl/$name/stdout")), report(read_file("c/$name/stdout")),
              "$name: the same report at the end");
}
done_testing();
