# Every sub with array arguments, called with bad arrays: non-references,
# arrays and matrices shorter than the counts, and then arrays long enough.
# Each call is refused by a croak of the frame or runs; none reads or writes
# past a buffer (the suite runs under AddressSanitizer too). The subs and
# their argument names come from the module's own usage texts; a name tells
# an array (x1ray, xpts) or a matrix (xmat), and the few whose names do not
# (conshd's zlev, conmat's x1ray) take the other shape and are refused.
use strict;
use warnings;
use Test::More;
use lib "$ENV{KAVLOR_SOURCE_DIR}/tests/perl/lib";
use KavlorTest qw(in_tmp scaled);
use Kavlor;

alarm scaled(120);
in_tmp();
Kavlor::errdev('FILE');
Kavlor::errfil('messages.txt');
Kavlor::metafl('SVG');
Kavlor::setfil('bad_input.svg');
Kavlor::kavini();

my $array = qr/(?:ray|pts)$/;
my $matrix = qr/mat$/;
my %subs;
for my $name (sort grep { defined &{"Kavlor::$_"} && $_ ne 'bootstrap' } keys %Kavlor::) {
    no strict 'refs';
    eval { &{"Kavlor::$name"}(('x') x 99) };
    my ($names) = $@ =~ /^Usage: Kavlor::\w+\((.*)\) at / or die "$name: $@";
    my @names = split /, /, $names;
    $subs{$name} = \@names if grep { /$array|$matrix/ } @names;
}
cmp_ok(scalar keys %subs, '>=', 60, 'subs with arrays');

# The arguments of a call: arrays as the case gives them, counts 3, texts "A".
sub arguments {
    my ($names, $array_value, $matrix_value) = @_;
    return map {
        /$array/ ? $array_value->() : /$matrix/ ? $matrix_value->() : /^s\d?$/ ? 'A' : 3
    } @$names;
}
# A refusal of the frame, or a call that ran (the pixel subs, called outside
# image mode, are refused whatever their arrays).
my $frame = qr/is not a reference to an array|, fewer than \d+|pixels are read only in image mode/;
my $refused = qr/^(?:Kavlor::\w+: .*(?:$frame) at |$)/;
my @cases = (
    ['no references', sub { 7 }, sub { 7 }, qr/^Kavlor::\w+: \w+ is not a reference to an array/],
    ['empty arrays', sub { [] }, sub { [] }, $refused],
    ['short rows', sub { [1, 2, 3] }, sub { [[1, 2, 3], [1]] }, $refused],
    ['a missing row', sub { [1, 2, 3] }, sub { my @m; $m[2] = [1, 2, 3]; \@m }, $refused],
    ['long enough', sub { [(1) x 27] }, sub { [map { [map { [1, 1, 1] } 1 .. 3] } 1 .. 3] },
     $refused],
);
for my $case (@cases) {
    my ($what, $array_value, $matrix_value, $expected) = @$case;
    my @wrong;
    for my $name (sort keys %subs) {
        next if $name =~ /^q/; # the quick plots open plots of their own
        no strict 'refs';
        eval { &{"Kavlor::$name"}(arguments($subs{$name}, $array_value, $matrix_value)) };
        push @wrong, "$name: $@" unless $@ =~ $expected;
    }
    is_deeply(\@wrong, [], "$what: every sub croaks or runs as it should");
}

# Arrays and matrices whose elements run code when they are converted to
# numbers (an overloaded 0+): code that empties every array of the call, puts
# fresh rows and elements in place of the old ones, or lengthens the arrays.
# What the frame reads stays held until the call returns: every call runs or
# croaks, and none reads memory that the code freed.
our @arrays; # the arrays and matrices of the call being made
our $meddle; # what converting an element does to them
{
    package Meddling;
    use overload '0+' => sub { $main::meddle->(); 0.5 }, fallback => 1;
}
# 27 meddling elements; 3 rows of 3 meddling elements, which are also rows of
# 3 meddling elements for the subs that read three levels.
sub meddling_array {
    push @arrays, [map { bless {}, 'Meddling' } 1 .. 27];
    return $arrays[-1];
}
sub meddling_matrix {
    push @arrays, [map { [map { bless [map { bless {}, 'Meddling' } 1 .. 3], 'Meddling' } 1 .. 3] }
                   1 .. 3];
    return $arrays[-1];
}
my %meddling = (
    'elements that empty their arrays' => sub { @$_ = () for @arrays },
    'elements that replace their rows and themselves' =>
        sub { @$_ = map { ref eq 'ARRAY' ? [@$_] : 0.25 } @$_ for @arrays },
    'elements that lengthen their arrays' => sub { push @$_, 0.25 for @arrays },
);
for my $what (sort keys %meddling) {
    local $meddle = $meddling{$what};
    my @wrong;
    for my $name (sort keys %subs) {
        next if $name =~ /^q/;
        local @arrays;
        no strict 'refs';
        eval { &{"Kavlor::$name"}(arguments($subs{$name}, \&meddling_array, \&meddling_matrix)) };
        push @wrong, "$name: $@" unless $@ =~ $refused;
    }
    is_deeply(\@wrong, [], "$what: every sub croaks or runs as it should");
}
Kavlor::kavfin();
done_testing();
