# The subs of the screen and window-font routines: the usage croak of a call
# with one argument too many, and a call without a display, each in a fresh
# perl. A routine the library does not have yet is skipped.
use strict;
use warnings;
use Test::More;
use lib "$ENV{KAVLOR_SOURCE_DIR}/tests/perl/lib";
use KavlorTest qw(declared_routines in_tmp run_perl scaled);

alarm scaled(600); # no wait may hang

my $open = q{Kavlor::metafl('SVG'); Kavlor::setfil('plot.svg'); Kavlor::kavini();};
my $open_wmf = q{Kavlor::metafl('WMF'); Kavlor::setfil('plot.wmf'); Kavlor::kavini();};
my @cases = (
    # [routine, its usage, the script, what it prints last]
    ['getdsp', '', q{print Kavlor::getdsp()}, 'NONE'],
    ['getscr', 'i1, i2', q{Kavlor::getscr(my $w, my $h); print "$w $h"}, '0 0'],
    ['getbpp', '', q{print Kavlor::getbpp()}, '8'],
    ['scrmod', 's', qq{Kavlor::scrmod('REVE'); $open Kavlor::kavfin(); print 'drawn'}, 'drawn'],
    ['x11mod', 's', qq{Kavlor::x11mod('STOR'); $open Kavlor::kavfin(); print 'drawn'}, 'drawn'],
    ['setxid', 'i, s', qq{Kavlor::setxid(0, 'NONE'); $open Kavlor::kavfin(); print 'drawn'},
     'drawn'],
    ['getxid', 's', qq{$open my \$i = Kavlor::getxid('WIND'); Kavlor::kavfin(); }
                  . q{print $i =~ /^-?\d+$/ ? 'int' : $i}, 'int'],
    ['wintit', 's', qq{$open Kavlor::wintit('A title'); Kavlor::kavfin(); print 'drawn'}, 'drawn'],
    ['winfnt', 's', qq{$open_wmf Kavlor::winfnt('Arial'); Kavlor::messag('Text', 100, 100); }
                  . q{Kavlor::kavfin(); open my $f, '<:raw', 'plot.wmf' or die; local $/; }
                  . q{my $n = () = <$f> =~ /Arial/g; print $n}, '1'],
    ['hwfont', '', qq{$open_wmf Kavlor::hwfont(); Kavlor::messag('Text', 100, 100); }
                 . q{Kavlor::kavfin(); print 'drawn'}, 'drawn'],
);
# A screen plot without a display: its windows exist, unshown, and waits end at once.
my $screen = q{Kavlor::metafl('XWIN'); Kavlor::kavini();};
my $type = q{print $i =~ /^-?\d+$/ ? 'int' : $i};
push @cases, (
    ['opnwin', 'i', qq{$screen Kavlor::opnwin(2); Kavlor::kavfin(); print 'drawn'}, 'drawn'],
    ['selwin', 'i', qq{$screen Kavlor::selwin(1); Kavlor::kavfin(); print 'drawn'}, 'drawn'],
    ['clswin', 'i', qq{$screen Kavlor::clswin(1); Kavlor::kavfin(); print 'drawn'}, 'drawn'],
    ['winid', '', qq{$screen my \$i = Kavlor::winid(); Kavlor::kavfin(); $type}, 'int'],
    ['csrmod', 's1, s2', qq{Kavlor::csrmod('READ', 'POS'); $screen Kavlor::kavfin(); print 'drawn'},
     'drawn'],
    ['csrtyp', 's', qq{$screen Kavlor::csrtyp('ARRO'); Kavlor::kavfin(); print 'drawn'}, 'drawn'],
    ['csruni', 's', qq{$screen Kavlor::csruni('PIXE'); Kavlor::kavfin(); print 'drawn'}, 'drawn'],
    ['setcsr', 's', qq{$screen Kavlor::setcsr('CROS'); Kavlor::kavfin(); print 'drawn'}, 'drawn'],
    ['csrpt1', 'i1, i2', qq{$screen Kavlor::csrpt1(my \$x, my \$y); Kavlor::kavfin(); }
                       . q{print defined $x && defined $y ? 'set' : 'unset'}, 'set'],
    ['csrpos', 'i1, i2', qq{$screen my (\$x, \$y) = (1, 1); my \$i = Kavlor::csrpos(\$x, \$y); }
                       . qq{Kavlor::kavfin(); $type}, 'int'],
    ['csrpts', 'n1ray, n2ray, nmax, n, iret',
     qq{$screen Kavlor::csrpts(\\my \@x, \\my \@y, 5, my \$i, my \$r); Kavlor::kavfin(); $type},
     'int'],
    ['csrmov', 'n1ray, n2ray, nmax, n, iret',
     qq{$screen Kavlor::csrmov(\\my \@x, \\my \@y, 5, my \$i, my \$r); Kavlor::kavfin(); $type},
     'int'],
    ['sendmb', '', q{Kavlor::sendmb(); print 'called'}, 'called'],
    ['wgdraw', 'ip', qq{my \$i = Kavlor::wgdraw(1); $type}, 'int'],
);

in_tmp();
delete local $ENV{DISPLAY};
my $declared = declared_routines();
for my $case (@cases) {
    my ($name, $usage, $script, $expected) = @$case;
  SKIP: {
        skip "the library has no $name yet", 3 unless $declared->{$name};
        my $count = () = $usage =~ /\w+/g;
        my ($status, $out, $err) = run_perl(
            qq{use Kavlor; eval { Kavlor::$name((1) x ($count + 1)) }; print \$@});
        like($out, qr/^Usage: Kavlor::$name\(\Q$usage\E\) at /, "$name: the usage croak");
        # What the script prints is a line of its own among the protocol of kavfin.
        ($status, $out, $err)
            = run_perl(qq{use Kavlor; Kavlor::errdev('FILE'); $script; print "\\n"});
        is($status, 0, "$name: the script runs") or diag $err;
        like($out, qr/^\Q$expected\E$/m, "$name: without a display");
    }
}
done_testing();
