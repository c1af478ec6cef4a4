# What the tests of the Perl module Kavlor share: fresh interpreters for cases
# that depend on process-wide state, the reference plots of the C program,
# files compared with their dates masked, and the routines kavlor.h declares.
package KavlorTest;

use strict;
use warnings;
use Exporter 'import';
use File::Temp qw(tempdir);
use IPC::Open3;
use Symbol qw(gensym);
use POSIX ();
use Fcntl qw(F_SETFD);

our @EXPORT_OK = qw(run_perl in_tmp masked read_file reference_plot declared_routines
                    public_names source_dir
                    scaled start_xvfb window_named);

sub source_dir { return $ENV{KAVLOR_SOURCE_DIR} // "$INC{'KavlorTest.pm'}/../../../.." }

# Runs code in a fresh perl with the module on @INC; returns the exit status
# and everything it printed (standard output, then standard error).
sub run_perl {
    my ($code, @args) = @_;
    my $err = gensym;
    my $pid = open3(my $in, my $out, $err, $^X, '-e', $code, @args);
    close $in;
    local $/;
    my $stdout = <$out> // '';
    my $stderr = <$err> // '';
    waitpid $pid, 0;
    return ($? >> 8, $stdout, $stderr);
}

# A fresh temporary folder, made the working folder.
sub in_tmp {
    my $dir = tempdir(CLEANUP => 1);
    chdir $dir or die "chdir $dir: $!";
    return $dir;
}

sub read_file {
    my ($path) = @_;
    open my $fh, '<:raw', $path or die "$path: $!";
    local $/;
    return scalar <$fh>;
}

# A file's bytes with the dates of PDF, SVG, PostScript and Java headers, and
# of the library's end-of-run report, masked.
sub masked {
    my ($data) = @_;
    $data =~ s/D:\d{14}/D:<date>/g;
    $data =~ s/\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d/<date> <time>/g;
    $data =~ s/\d\d\.\d\d\.\d{4} , \d\d:\d\d:\d\d/<date> , <time>/g;
    $data =~ s/\d\d\.\d\d\.\d{4}, \d\d:\d\d:\d\d/<date>, <time>/g; # Java sources
    $data =~ s/\d\d\.\d\d\.\d{4}  Time    : \d\d:\d\d:\d\d/<date>  Time    : <time>/g; # protocol
    return $data;
}

# The file the C program reference_plots draws for a case.
sub reference_plot {
    my ($case, $device, $path) = @_;
    system($ENV{KAVLOR_REFERENCE_PLOTS}, $case, $device, $path) == 0
        or die "reference_plots $case failed";
    return read_file($path);
}

# How much longer than on a plain build and an idle machine a test may wait:
# the build's factor (sanitizers slow every program) times
# KAVLOR_TEST_TIME_FACTOR, which a slow or loaded machine sets, as the C++,
# Python and shell helpers of the tests read it. Tests wait for events, never
# for a time: a bound only ends a wait that would hang.
sub time_factor {
    my $factor = 1;
    for my $name (qw(KAVLOR_TEST_BUILD_TIME_FACTOR KAVLOR_TEST_TIME_FACTOR)) {
        my $text = $ENV{$name} // '';
        next if $text eq '';
        if ($text =~ /^\s*(\d+(\.\d*)?|\.\d+)\s*$/ && $text > 0) {
            $factor *= $text;
        } else {
            print STDERR "$name=$text is no positive number: 1\n";
        }
    }
    return $factor;
}

# A bound in seconds of a plain build on an idle machine, for this build and machine.
sub scaled {
    my ($seconds) = @_;
    my $scaled = $seconds * time_factor();
    return $scaled == int($scaled) ? $scaled : int($scaled) + 1;
}

# An X server of the test's own: Xvfb on a display number it picks, DISPLAY
# pointed at it; it ends with the test. A watchdog ends a test that hangs.
sub start_xvfb {
    my $seconds = scaled($_[0] // 60);
    $SIG{ALRM} = sub { print STDERR "watchdog: the test ran over $seconds s\n"; kill 'KILL', $$ };
    alarm($seconds);
    pipe(my $read, my $write) or die "pipe: $!";
    my $pid = fork() // die "fork: $!";
    if ($pid == 0) {
        close $read;
        my $fd = fileno $write;
        fcntl($write, F_SETFD, 0) or die "fcntl: $!"; # kept open across exec
        delete $ENV{LD_PRELOAD};    # the sanitizer's runtime is for the interpreter alone
        { exec 'Xvfb', '-displayfd', $fd, '-screen', '0', '1024x768x24', '-nolisten', 'tcp', '-r' }
        POSIX::_exit(127);
    }
    close $write;
    my $number = <$read>;
    die "Xvfb did not start\n" unless defined $number && $number =~ /^(\d+)/;
    $ENV{DISPLAY} = ":$1";
    my $parent = $$;
    eval q{END { kill 'TERM', $pid if $$ == $parent && $pid }};
    return $pid;
}

# The id of the window titled exactly so once the server shows it (a click
# sent to a window not yet mapped lands beneath it), waiting up to 20 s
# (scaled); 0 when none is shown.
sub window_named {
    my ($title) = @_;
    my $end = time() + scaled(20);
    while (1) {
        my $id = `env -u LD_PRELOAD xdotool search --onlyvisible --name '^$title\$' 2>/dev/null`;
        return $1 if $id =~ /^(\d+)/;
        return 0 if time() > $end;
        select(undef, undef, undef, 0.02);
    }
}

# The routines kavlor.h declares.
sub declared_routines {
    my $header = read_file(source_dir() . '/include/kavlor.h');
    $header =~ s{/\*.*?\*/}{}gs;
    my %names = map { $_ => 1 } $header =~ /^KAVLOR_API[^;(]*?\b(\w+)\s*\(/mg;
    return \%names;
}

# The library's public routines that a binding may offer (the list's names up
# to those without a binding).
sub public_names {
    open my $fh, '<', source_dir() . '/tests/api/public_names.txt' or die $!;
    my @names;
    while (my $line = <$fh>) {
        last if $line =~ /^# Without a binding/;
        push @names, $line =~ s/\s+//gr if $line =~ /^\w/;
    }
    return @names;
}

1;
