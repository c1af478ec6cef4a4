# Every C example of the gallery has a Perl twin, which writes the files its C
# twin writes, byte for byte (dates masked); a twin of a screen example shows
# the very pixels in its window.
use strict;
use warnings;
use Test::More;
use File::Basename qw(basename);
use File::Path qw(make_path);
use POSIX ();
use lib "$ENV{KAVLOR_SOURCE_DIR}/tests/perl/lib";
use KavlorTest qw(in_tmp masked read_file source_dir start_xvfb);

# These show their plot in a screen window and write no file.
my %screen = map { $_ => 1 } qw(screen_window);
# The title of a window while it waits for the user at the end of the plot.
my $waiting = '^KAVLOR 1 / Click MB2 or RETURN';

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
        system("cd $who/$name && " . command($name, $who) . ' > /dev/null') == 0
            or die "$name ($who) failed";
    }
    my @files = map { basename($_) } glob("c/$name/*");
    is_deeply([sort map { basename($_) } glob("perl/$name/*")], [sort @files],
              "$name: the same files");
    for my $file (@files) {
        ok(masked(read_file("perl/$name/$file")) eq masked(read_file("c/$name/$file")),
           "$name: $file");
    }
}

# Runs a screen example on the display and returns the pixels of its window
# while it waits at the end of the plot (xwd, as a PPM); then RETURN ends the
# wait and the program.
sub shown_pixels {
    my ($name, $who) = @_;
    my $pid = fork() // die "fork: $!";
    if ($pid == 0) {
        { exec('sh', '-c', "cd $who/$name && exec " . command($name, $who) . ' > /dev/null') }
        POSIX::_exit(127);
    }
    my ($window) = `timeout 60 xdotool search --sync --onlyvisible --name '$waiting'` =~ /^(\d+)/;
    my $pixels = defined $window ? `timeout 60 xwd -silent -id $window | xwdtopnm 2>/dev/null` : '';
    system("xdotool mousemove --window $window 30 30 key Return") if defined $window;
    kill 'KILL', $pid unless defined $window;
    waitpid $pid, 0;
    is($?, 0, "$name ($who): the window was shown and ended by RETURN");
    return $pixels;
}

start_xvfb(300) if %screen; # the watchdog of the rest of the test
for my $name (sort keys %screen) {
    make_path("c/$name", "perl/$name");
    # Without a display the window is never shown: the same report, and no
    # file. The library's report and the script's line reach standard output
    # from two buffers, so their lines that are not empty are compared in
    # order of their text.
    my %report;
    for my $who (qw(c perl)) {
        my $output = `cd $who/$name && DISPLAY= @{[command($name, $who)]}`;
        is($?, 0, "$name ($who) without a display");
        $report{$who} = [sort grep { length } split /\n/, masked($output)];
        is_deeply([glob("$who/$name/*")], [], "$name ($who): no file");
    }
    is_deeply($report{perl}, $report{c}, "$name: the same report");
    ok((grep { $_ eq 'The window stayed hidden: no display.' } @{$report{c}}), "$name: hidden");

    # On a display: the window of each, while it waits for RETURN.
    my %shown = map { $_ => shown_pixels($name, $_) } qw(c perl);
    ok(length $shown{c} > 0 && $shown{perl} eq $shown{c}, "$name: the same pixels");
}
done_testing();
