# Widget callbacks under an X server of the test's own: xdotool clicks a push
# button while wgfin runs the dialog; the Perl sub registered first for the
# widget gets its id; a sub that dies ends the dialog, and wgfin raises its
# error; a sub that calls wgfin without a dialog of its own is refused.
use strict;
use warnings;
use Test::More;
use POSIX ();
use lib "$ENV{KAVLOR_SOURCE_DIR}/tests/perl/lib";
use KavlorTest qw(in_tmp start_xvfb window_named);
use Kavlor;

in_tmp();
start_xvfb(60);

our @heard;
our $dies = 0;
sub first { push @heard, "first @_"; die "callback failed\n" if $dies }
sub second { push @heard, "second @_" }
sub again { push @heard, "again @_"; Kavlor::wgfin() }

# Runs the dialog titled so; a child process clicks the windows (x, y) given
# once the dialog is shown: the dialog takes the clicks in order.
sub dialog {
    my ($title, @clicks) = @_;
    my $pid = fork() // die "fork: $!";
    if ($pid == 0) {
        my $ok = window_named($title);
        for my $click (@clicks) {
            system("xdotool mousemove --window $click->[0] $click->[1] $click->[2] click 1");
        }
        POSIX::_exit($ok ? 0 : 1);
    }
    my $result = eval { Kavlor::wgfin(); 1 } ? '' : $@;
    waitpid $pid, 0;
    is($?, 0, "$title: the dialog was shown");
    return $result;
}

sub push_dialog {
    my ($title) = @_;
    Kavlor::swgtit($title);
    my $ip = Kavlor::wgini('VERT');
    my $push = Kavlor::wgpbut($ip, 'Push');
    my $ok = Kavlor::wgok($ip);
    return ($push, Kavlor::gwgxid($push), Kavlor::gwgxid($ok));
}

my ($push, $push_window, $ok_window) = push_dialog('Callbacks');
Kavlor::swgcbk($push, 'main::first');
Kavlor::swgcbk($push, 'main::second');
is(dialog('Callbacks', [$push_window, 10, 5], [$push_window, 10, 5], [$ok_window, 10, 5]), '',
   'the dialog ends');
is_deeply(\@heard, ["first $push", "first $push"], 'the first registration of the widget wins');

# The first click calls wgfin in the callback, which is refused (the refusal's
# box on standard error); the second dies, and the dialog ends without OK.
@heard = ();
$dies = 1;
($push, $push_window, $ok_window) = push_dialog('Dying');
my $again = Kavlor::wgpbut(1, 'Again');
Kavlor::swgcbk($push, 'main::first');
Kavlor::swgcbk($again, 'main::again');
{
    local $ENV{KAVLOR_MSGBOX} = 'log';
    is(dialog('Dying', [Kavlor::gwgxid($again), 10, 5], [$push_window, 10, 5]),
       "callback failed\n", 'the dialog ends, and wgfin raises the error of the sub');
}
is_deeply(\@heard, ["again $again", "first $push"], 'the refused wgfin returned at once');

# The texts of a text field and a file field, read after OK into buffers of the
# wrappers' own: a text longer than a field holds comes back cut, never more.
{
    Kavlor::swgtit('Texts');
    my $ip = Kavlor::wgini('VERT');
    my $long = join '', map { chr(ord('a') + $_ % 26) } 0 .. 299;
    my $text = Kavlor::wgtxt($ip, $long);
    my $file = Kavlor::wgfil($ip, 'File', 'data.dat', '*.dat');
    my $ok = Kavlor::wgok($ip);
    is(dialog('Texts', [Kavlor::gwgxid($ok), 10, 5]), '', 'the texts dialog ends');
    my $got = Kavlor::gwgtxt($text);
    ok(length($got) > 0 && length($got) <= 256, 'gwgtxt: at most 256 characters')
        or diag length $got;
    is($got, substr($long, 0, length $got), 'the start of the text');
    is(Kavlor::gwgfil($file), 'data.dat', 'gwgfil: the file');
}

done_testing();
