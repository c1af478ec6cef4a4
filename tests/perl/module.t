# The module start: the version check, and the subs it registers.
use strict;
use warnings;
use Test::More;
use lib "$ENV{KAVLOR_SOURCE_DIR}/tests/perl/lib";
use KavlorTest qw(run_perl declared_routines public_names);

# Each case loads the module in a fresh perl: the package's variables as the
# script sets them, then the module start, with or without a version.
my $loaded = 'print defined &Kavlor::thrfin ? "thrfin" : "none", defined &Kavlor::swgcb ? " swgcb" : ""';
my @cases = (
    # [what, the script before the load, the load's arguments, the message or undef]
    ['the string 9.1', '', q{'Kavlor', '9.1'}, undef],
    ['the number 9.1', '', q{'Kavlor', 9.1}, undef],
    ['the number 9.10', '', q{'Kavlor', 9.10}, undef],
    ['the string 9.10', '', q{'Kavlor', '9.10'},
     'Kavlor object version 9.1 does not match bootstrap parameter 9.10'],
    ['the string 9.1.0', '', q{'Kavlor', '9.1.0'},
     'Kavlor object version 9.1 does not match bootstrap parameter 9.1.0'],
    ['an undefined parameter', '', q{'Kavlor', undef},
     'Kavlor object version 9.1 does not match bootstrap parameter '],
    ['$VERSION 9.10', q{$Kavlor::VERSION = '9.10';}, q{'Kavlor'},
     'Kavlor object version 9.1 does not match $Kavlor::VERSION 9.10'],
    ['$XS_VERSION before $VERSION', q{$Kavlor::XS_VERSION = '9.1'; $Kavlor::VERSION = '9.10';},
     q{'Kavlor'}, undef],
    ['a defined $XS_VERSION wins', q{$Kavlor::XS_VERSION = '9.10'; $Kavlor::VERSION = '9.1';},
     q{'Kavlor'}, 'Kavlor object version 9.1 does not match $Kavlor::XS_VERSION 9.10'],
    ['an undefined $XS_VERSION is passed over',
     q{$Kavlor::XS_VERSION = undef; $Kavlor::VERSION = '9.1';}, q{'Kavlor'}, undef],
    ['an undefined $VERSION', q{$Kavlor::VERSION = undef;}, q{'Kavlor'},
     'Kavlor object version 9.1 does not match $Kavlor::VERSION '],
    ['no version at all', '', q{'Kavlor'}, undef],
);
for my $case (@cases) {
    my ($what, $before, $arguments, $message) = @$case;
    my $code = qq{package Kavlor; $before require XSLoader; }
             . qq{eval { XSLoader::load($arguments) }; print STDERR \$@; $loaded};
    my ($status, $out, $err) = run_perl($code);
    is($status, 0, "$what: the script runs");
    if (defined $message) {
        like($err, qr/^\Q$message\E at /, "$what: the load dies with the message");
        is($out, 'none', "$what: nothing is registered");
    } else {
        is($err, '', "$what: the load passes");
        is($out, 'thrfin', "$what: the subs are registered, swgcb is not");
    }
}

# Every routine the library declares, but swgcb and texval, is a sub; nothing more.
use Kavlor;
use B;
my $declared = declared_routines();
my @expected = sort grep { $declared->{$_} && $_ ne 'swgcb' && $_ ne 'texval' } public_names();
my @defined = sort grep { defined &{"Kavlor::$_"} && $_ ne 'bootstrap' } keys %Kavlor::;
is_deeply(\@defined, \@expected, 'the subs are the routines the library has');
cmp_ok(scalar @expected, '>=', 595, 'the library has nearly all of them');
is(B::svref_2object(\&Kavlor::curve)->FILE, 'Kavlor.c', 'the subs are registered from Kavlor.c');
is(sprintf('%.17g', Kavlor::getver()), '9.1000003814697266', 'getver: 9.1 in single precision');

done_testing();
