# The wrappers with steps of their own, one call each, against the same calls
# from C: special_calls.pl prints what the Perl subs give, special_calls (a C
# program) what the routines give, line by line the same; the PNG and the PDF
# kept in memory are the same bytes (the PDF's date masked).
use strict;
use warnings;
use Test::More;
use lib "$ENV{KAVLOR_SOURCE_DIR}/tests/perl/lib";
use KavlorTest qw(in_tmp masked read_file source_dir);

in_tmp();
# The protocol kavfin prints is left out: only the lines of results count.
my @c = grep { /^\w+:/ } qx{'$ENV{KAVLOR_SPECIAL_CALLS}'};
is($?, 0, 'the C program runs');
my $script = source_dir() . '/tests/perl/special_calls.pl';
my @perl = grep { /^\w+:/ } qx{'$^X' '$script'};
is($?, 0, 'the Perl script runs');
cmp_ok(scalar @c, '>=', 30, 'a line for each result');
is(scalar @perl, scalar @c, 'as many lines from Perl');
for my $i (0 .. $#c) {
    my ($name) = $c[$i] =~ /^(\w+):/;
    is($perl[$i], $c[$i], "line $i: $name");
}
ok(read_file('perl.png') eq read_file('c.png'), 'rbfpng: the same PNG');
ok(masked(read_file('perl.pdf')) eq masked(read_file('c.pdf')), 'pdfbuf: the same PDF');
is(-e 'perl-messages.txt' ? read_file('perl-messages.txt') : 'none',
   -e 'c-messages.txt' ? read_file('c-messages.txt') : 'none', 'the same warnings');
done_testing();
