# The frame every wrapper shares: the usage croaks, the conversions of scalars,
# output scalars and results.
use strict;
use warnings;
use Test::More;
use lib "$ENV{KAVLOR_SOURCE_DIR}/tests/perl/lib";
use KavlorTest qw(declared_routines in_tmp run_perl source_dir);

# ---- Usage texts: a wrong number of arguments croaks before anything happens ----
#
# In a fresh perl, every sub of the list is called with one argument too few and
# one too many, each a tied scalar that counts its reads. Nothing may be read,
# and the library, which would print a warning at level 0, prints nothing.
{
    my $declared = declared_routines();
    open my $fh, '<', source_dir() . '/tests/perl/usage_texts.txt' or die $!;
    my @usages = grep { /^Usage: Kavlor::(\w+)\(/ && $declared->{$1} } map { s/\n//r } <$fh>;
    cmp_ok(scalar @usages, '>', 150, 'usage texts of routines the library has');
    my $list = join "\n", @usages;
    my ($status, $out, $err) = run_perl(<<'PERL', $list);
use strict;
use warnings;
use Kavlor;
package Counted { sub TIESCALAR { bless [0] } sub FETCH { $_[0][0]++; 1 } sub STORE {} }
my $reads = 0;
for my $usage (split /\n/, shift) {
    my ($name, $names) = $usage =~ /^Usage: Kavlor::(\w+)\((.*)\)$/ or die $usage;
    my $n = () = $names =~ /\w+/g;
    for my $count (grep { $_ >= 0 } $n - 1, $n + 1) {
        my @args;
        tie $args[$_], 'Counted' for 0 .. $count - 1;
        eval { no strict 'refs'; &{"Kavlor::$name"}(@args) };
        print STDERR "$name with $count: $@" unless $@ =~ /^\Q$usage\E at /;
        $reads += tied($args[$_])->[0] for 0 .. $count - 1;
    }
}
print STDERR "$reads arguments read\n" if $reads;
print STDERR "level ", Kavlor::getlev(), "\n" if Kavlor::getlev() != 0;
PERL
    is($status, 0, 'the calls run');
    is($err, '', 'each croaks with its usage text, reading no argument');
    is($out, '', 'and the library is not called');
}

use Kavlor;

# ---- Conversions: what the routine receives, read back through getters ---------
{
    my @ints = (
        # [argument, the value the routine gets]
        [3.7, 3], [-3.7, -3], ['12', 12], [undef, 0], [2**32 + 1, 1], [2**32 + 45, 45],
        [2**31, -2**31], ['7 apples', 7],
    );
    in_tmp();
    Kavlor::metafl('SVG');
    Kavlor::setfil('conversions.svg');
    Kavlor::kavini();
    for my $case (@ints) {
        my ($value, $expected) = @$case;
        no warnings qw(numeric uninitialized);
        Kavlor::angle($value);
        is(Kavlor::getang(), $expected, 'int ' . ($value // 'undef') . " reaches the routine as $expected");
    }
    is(Kavlor::bitsi4(1, 1, 31, 0, 0), -2147483648, 'an int result keeps its sign');
    is(Kavlor::bitsi2(4, 240, 8, 0, 0), -4096, 'short arguments and results');
    is(Kavlor::intlen(2**32 + 12345), 5, 'the low 32 bits of a large integer');

    # Numbers rounded to single precision, strings read as numbers.
    Kavlor::graf(undef // 0, '2.5', 0.1, '0.5', -1, 1, -1, 1);
    Kavlor::getgrf(my $a, my $e, my $or, my $step, 'X');
    is_deeply([map { sprintf '%.17g', $_ } $a, $e, $or, $step],
              ['0', '2.5', '0.10000000149011612', '0.5'], 'floats: narrowed, strings read');
    Kavlor::endgrf();
    is(Kavlor::itmcat(5, 6), '5|6', 'a number as a string argument is its string form');
    Kavlor::kavfin();
}

# ---- Output scalars and results ----------------------------------------------
{
    Kavlor::circ3p(0, 0, 2, 0, 0, 2, my $xm, my $ym, my $r);
    is_deeply([$xm, $ym, sprintf('%.17g', $r)], [1, 1, '1.4142135381698608'],
              'float outputs are the single-precision values');

    package Stores { sub TIESCALAR { bless [] } sub FETCH { 'old' } sub STORE { push @{$_[0]}, $_[1] } }
    tie my $tied, 'Stores';
    Kavlor::circ3p(0, 0, 2, 0, 0, 2, my $x, my $y, $tied);
    is(scalar @{tied $tied}, 1, 'a tied output is stored once');

    my $xmax = 0;
    eval { Kavlor::circ3p(0, 0, 2, 0, 0, 2, $xmax, 0, my $rr) };
    like($@, qr/^Modification of a read-only value attempted/, 'a literal output croaks');
    is($xmax, 1, 'after the routine ran and the outputs before it were set');

    my @list = Kavlor::dash();
    is(scalar @list, 0, 'a sub without a result returns an empty list');
    my $scalar = Kavlor::dash();
    ok(!defined $scalar, 'and undef in scalar context');
    Kavlor::errdev('FILE'); # the warning of getalf goes to a file
    Kavlor::errfil('messages.txt');
    ok(!defined Kavlor::getalf(), 'a null text result is undef');
    Kavlor::metafl('SVG');
    Kavlor::setfil('outputs.svg');
    Kavlor::kavini();
    is(Kavlor::getlev(), 1, 'an int result');
    is(Kavlor::getuni(), 6, 'a stream result: 6');
    Kavlor::kavfin();
    is(Kavlor::intcha(-2147483648), '-2147483648', 'a text buffer result');
    my $text = 'abc';
    Kavlor::upstr($text);
    is($text, 'ABC', 'a string changed in place');
    my $copy = my $shared = 'xyz' x 3;
    Kavlor::upstr($shared);
    is($copy, 'xyzxyzxyz', 'a string shared with a copy is changed alone');
    Kavlor::dattim(my $date, my $time);
    like("$date $time", qr/^\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d$/, 'date and time texts');
}

done_testing();
