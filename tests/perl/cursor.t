# Cursor input and several windows from Perl under an X server of the
# test's own: a child process clicks and types with xdotool while the sub
# waits, and the points come back into the Perl arrays, no more than the room
# given.
use strict;
use warnings;
use Test::More;
use POSIX ();
use lib "$ENV{KAVLOR_SOURCE_DIR}/tests/perl/lib";
use KavlorTest qw(in_tmp start_xvfb window_named);
use Kavlor;

in_tmp();
start_xvfb(60);

# Runs the sub while a child sends the xdotool commands to the window titled
# so: input that comes before the sub waits is queued for it.
sub while_waiting {
    my ($title, $sub, @commands) = @_;
    my $pid = fork() // die "fork: $!";
    if ($pid == 0) {
        my $window = window_named($title);
        for my $command (@commands) {
            system('xdotool ' . ($command =~ s/WINDOW/$window/gr));
        }
        POSIX::_exit($window ? 0 : 1);
    }
    $sub->();
    waitpid $pid, 0;
    is($?, 0, "$title: the window was there");
}

Kavlor::errdev('FILE');
Kavlor::metafl('XWIN');
Kavlor::winsiz(400, 300);
Kavlor::kavini();
Kavlor::csruni('PIXE');
Kavlor::sendbf();

my (@x, @y, $n, $iret);
while_waiting('KAVLOR 1 / Working', sub { Kavlor::csrpts(\@x, \@y, 3, $n, $iret) },
              (map { "mousemove --window WINDOW $_->[0] $_->[1] click 1" }
                   [10, 20], [30, 40], [50, 60], [70, 80]),
              'click 3');
is($n, 3, 'csrpts: the points its room holds');
is($iret, 1, 'csrpts: one more was clicked');
is_deeply(\@x, [10, 30, 50], 'csrpts: x');
is_deeply(\@y, [20, 40, 60], 'csrpts: y');

my ($px, $py);
while_waiting('KAVLOR 1 / Working', sub { Kavlor::csrpt1($px, $py) },
              'mousemove --window WINDOW 123 45 click 1');
is("$px $py", '123 45', 'csrpt1');

Kavlor::csrmod('READ', 'POS');
my ($kx, $ky) = (0, 0);
my $key;
while_waiting('KAVLOR 1 / Working', sub { $key = Kavlor::csrpos($kx, $ky) },
              'mousemove --window WINDOW 7 9', 'key a');
is($key, 97, 'csrpos: the key');
is("$kx $ky", '7 9', 'csrpos: where the pointer stood');

Kavlor::opnwin(3);
is(Kavlor::winid(), 3, 'opnwin: the new window is current');
Kavlor::selwin(1);
is(Kavlor::winid(), 1, 'selwin');
Kavlor::clswin(3);
Kavlor::winmod('NOHO');
Kavlor::kavfin();
done_testing();
