# Two Perl threads draw at once with records of their own once thrini has made
# them: their calls interleave step by step, and each writes the file it draws
# alone, legend and surface callbacks included.
use strict;
use warnings;
use Test::More;
use lib "$ENV{KAVLOR_SOURCE_DIR}/tests/perl/lib";
use KavlorTest qw(in_tmp masked read_file run_perl);

my $draw = <<'PERL';
use strict;
use warnings;
use Kavlor;
sub height { return $_[0] * $_[1] }
sub draw {
    my ($k, $path, $turn) = @_;
    my $cbuf;
    my @steps = (
        sub { Kavlor::metafl('SVG'); Kavlor::setfil($path); Kavlor::filmod('DELE') },
        sub { Kavlor::kavini() },
        sub { Kavlor::graf(0, 10, 0, 2, 0, 10, 0, 2 + $k) },
        sub { Kavlor::legini($cbuf, 2, 8) },
        sub { Kavlor::leglin($cbuf, "curve $k", 1) },
        sub { Kavlor::curve([0, 5, 10], [$k, 10 - $k, $k], 3) },
        sub { Kavlor::leglin($cbuf, "none $k", 2) },
        sub { Kavlor::legend($cbuf, 3) },
        sub { Kavlor::endgrf() },
        sub { Kavlor::graf3d(-2, 2, -2, 1, -2, 2, -2, 1, -4, 4, -4, 2) },
        sub { Kavlor::surfun('main::height', $k, 0.5, 1, 0.5) },
        sub { Kavlor::endgrf() },
        sub { Kavlor::kavfin() },
    );
    for my $step (@steps) {
        $turn->();
        $step->();
    }
}
PERL

in_tmp();
my ($status, $out, $err) = run_perl($draw . <<'PERL');
use threads;
use Thread::Semaphore;
Kavlor::thrini(2);
# The threads take turns: each step of one between two steps of the other.
my @go = (Thread::Semaphore->new(1), Thread::Semaphore->new(0));
my @threads = map {
    my $k = $_;
    threads->create(sub {
        my $first = 1;
        draw($k, "thread$k.svg", sub {
            $go[2 - $k]->up unless $first;
            $first = 0;
            $go[$k - 1]->down;
        });
        $go[2 - $k]->up;
    });
} 1, 2;
$_->join for @threads;
Kavlor::thrfin();
PERL
is($status, 0, 'the threads draw') or diag $err;
for my $k (1, 2) {
    ($status, $out, $err) = run_perl($draw . qq{draw($k, "alone$k.svg", sub { });});
    is($status, 0, "the plot of thread $k drawn alone") or diag $err;
    ok(masked(read_file("thread$k.svg")) eq masked(read_file("alone$k.svg")),
       "thread $k drew the file it draws alone");
}
# Each thread's surface is drawn with its own function, also while the other
# thread's surface runs: the first thread's function, at its first point, lets
# the second thread start its surface and waits until the second's function
# has run once; the first thread's surface then ends while the second's waits.
($status, $out, $err) = run_perl(<<'PERL');
use strict;
use warnings;
use threads;
use Thread::Semaphore;
use Kavlor;
my ($first_waits, $second_waits) = (Thread::Semaphore->new(0), Thread::Semaphore->new(0));
our (@seen, $second);
sub tall {
    push @seen, 'tall';
    if (@seen == 1) { $second_waits->up; $first_waits->down }
    return 1.0;
}
sub flat {
    push @seen, 'flat';
    if ($second && @seen == 1) { $first_waits->up; $second_waits->down }
    return 0.0;
}
sub surface {
    my ($k, $function) = @_;
    Kavlor::metafl('SVG');
    Kavlor::setfil("surface$k.svg");
    Kavlor::filmod('DELE');
    Kavlor::kavini();
    Kavlor::graf3d(-2, 2, -2, 1, -2, 2, -2, 1, -4, 4, -4, 2);
    Kavlor::surfun($function, 1, 1.0, 1, 1.0);
    Kavlor::endgrf();
    Kavlor::kavfin();
    return join ' ', @seen;
}
Kavlor::thrini(2);
my $one = threads->create(sub { surface(1, 'main::tall') });
my $two = threads->create(sub {
    $second_waits->down;
    $second = 1;
    my $seen = surface(2, 'main::flat');
    return $seen;
});
my $seen_one = $one->join;
$second_waits->up;
my $seen_two = $two->join;
Kavlor::thrfin();
print "$_\n" for $seen_one, $seen_two;
PERL
is($status, 0, 'the threads draw their surfaces') or diag $err;
my ($one, $two) = split /\n/, $out;
like($one, qr/^tall( tall)+$/, 'the first thread calls only its function');
like($two, qr/^flat( flat)+$/, 'and the second only its own');
done_testing();
