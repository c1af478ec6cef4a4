# Callbacks: Perl subs named by string answer the library's calls; a sub that
# dies ends the Perl calls of that library call and its error is raised by the
# wrapper once the library has returned.
use strict;
use warnings;
use Test::More;
use lib "$ENV{KAVLOR_SOURCE_DIR}/tests/perl/lib";
use KavlorTest qw(in_tmp);
use Kavlor;

in_tmp();
Kavlor::errdev('FILE');
Kavlor::errfil('messages.txt');

sub open_plot {
    my ($file) = @_;
    Kavlor::metafl('SVG');
    Kavlor::setfil($file);
    Kavlor::kavini();
}

# ---- Surfaces ------------------------------------------------------------------------
our @calls;
sub surface_height { push @calls, [@_]; return 1.5 }
sub dying_height { push @calls, [@_]; die "no value here\n" }
sub listed_height { return (1, 2) }
sub parametric { push @calls, $_[2]; return $_[2] }
{
    open_plot('surfaces.svg');
    Kavlor::graf3d(-2, 2, -2, 1, -2, 2, -2, 1, -4, 4, -4, 2);
    Kavlor::surfun('main::surface_height', 1, 1.0, 1, 1.0);
    ok(@calls > 20, 'surfun calls the sub for the grid points');
    is_deeply([grep { @$_ != 2 } @calls], [], 'with x and y');

    @calls = ();
    eval { Kavlor::surfun('main::dying_height', 1, 0.25, 1, 0.25) };
    is($@, "no value here\n", 'a sub that dies: its error is raised by surfun');
    is(scalar @calls, 1, 'and the library calls no more Perl');
    eval { Kavlor::surfun('main::no_such_sub', 1, 0.5, 1, 0.5) };
    like($@, qr/^Undefined subroutine &main::no_such_sub called/, 'an undefined sub likewise');
    eval { Kavlor::surfun('main::listed_height', 1, 0.5, 1, 0.5) };
    is($@, '', 'a sub answering a list gives its last value');
    is(Kavlor::getlev(), 3, 'the library stays at its level');

    @calls = ();
    Kavlor::surfcp('main::parametric', 0, 1, 0.5, 0, 1, 0.5);
    is_deeply([@calls[0 .. 5]], [1, 2, 3, 1, 2, 3], 'surfcp asks for x, y and z in turn');
    Kavlor::endgrf();
    Kavlor::kavfin();
    is(Kavlor::getlev(), 0, 'the plot ends');
}

# ---- The user projection -----------------------------------------------------------
sub stretch { $_[0] = $_[0] * 2 + 1; $_[1] *= 3 }
sub nothing { }
sub dying_projection { die "projection failed\n" }
{
    my $place = sub {
        my ($sub) = @_;
        open_plot("projection_$sub.svg");
        Kavlor::setcbk("main::$sub", 'MYPR');
        Kavlor::axspos(500, 1500);
        Kavlor::axslen(1000, 1000);
        Kavlor::projct('MYPR');
        Kavlor::grafmp(-180, 180, -180, 90, -90, 90, -90, 30);
        Kavlor::pos2pt(10, 20, my $xp, my $yp);
        Kavlor::endgrf();
        Kavlor::kavfin();
        return [$xp, $yp];
    };
    is_deeply($place->('stretch'), [521, 1440], 'the sub moves the points');
    is_deeply($place->('nothing'), [510, 1480], 'a sub that assigns nothing leaves them');
    open_plot('projection_dies.svg');
    Kavlor::setcbk('main::dying_projection', 'MYPR');
    Kavlor::projct('MYPR');
    eval { Kavlor::grafmp(-180, 180, -180, 90, -90, 90, -90, 30) };
    is($@, "projection failed\n", 'a dying projection: raised by the drawing sub');
    eval { Kavlor::pos2pt(10, 20, my $xp, my $yp) };
    is($@, "projection failed\n", 'and by each later one that projects');
    Kavlor::endgrf();
    Kavlor::kavfin();
    my $long = 'main::' . ('x' x 300);
    no strict 'refs';
    *{$long} = \&nothing;
    open_plot('projection_long.svg');
    Kavlor::setcbk($long, 'MYPR');
    Kavlor::projct('MYPR');
    eval { Kavlor::grafmp(-180, 180, -180, 90, -90, 90, -90, 30) };
    is($@, '', 'a sub name of 300 characters');
    Kavlor::endgrf();
    Kavlor::kavfin();
}

done_testing();
