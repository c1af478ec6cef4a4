# Callbacks: Perl subs named by string answer the library's calls; a sub that
# dies ends the Perl calls of that library call, nothing more of the call
# reaches the page, and its error is raised by the wrapper once the library
# has returned. A surface's function is that of its own surfun call.
use strict;
use warnings;
use Test::More;
use lib "$ENV{KAVLOR_SOURCE_DIR}/tests/perl/lib";
use KavlorTest qw(in_tmp masked read_file);
use Kavlor;

in_tmp();
Kavlor::errdev('FILE');
Kavlor::errfil('messages.txt');

sub open_plot {
    my ($file) = @_;
    Kavlor::metafl('SVG');
    Kavlor::setfil($file);
    Kavlor::kavini();
    Kavlor::errmod('PROT', 'OFF'); # no end-of-run protocol between the test's lines
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

# A surface whose function dies at once draws nothing: the page is the page
# without the surface.
sub dies_at_once { die "no surface\n" }
{
    my $page = sub {
        my ($file, $surface) = @_;
        open_plot($file);
        Kavlor::graf3d(-2, 2, -2, 1, -2, 2, -2, 1, -4, 4, -4, 2);
        eval { $surface->() };
        my $error = $@;
        Kavlor::endgrf();
        Kavlor::kavfin();
        return [$error, masked(read_file($file))];
    };
    my $empty = $page->('empty.svg', sub { })->[1];
    for my $case (['surfun', sub { Kavlor::surfun('main::dies_at_once', 2, 0.5, 2, 0.5) }],
                  ['surfcp', sub { Kavlor::surfcp('main::dies_at_once', 0, 1, 0.25, 0, 1, 0.25) }]) {
        my ($name, $surface) = @$case;
        my ($error, $drawn) = @{$page->("$name.svg", $surface)};
        is($error, "no surface\n", "$name raises the error");
        is($drawn, $empty, "$name: nothing of the surface reaches the page");
    }
}

# A function that draws a surface of its own gets its function back afterwards.
our @order;
sub outer_height {
    push @order, 'o';
    Kavlor::surfun('main::inner_height', 1, 1.0, 1, 1.0) if @order == 1;
    return 1.0;
}
sub inner_height { push @order, 'i'; return 2.0 }
{
    open_plot('nested.svg');
    Kavlor::graf3d(-2, 2, -2, 1, -2, 2, -2, 1, -4, 4, -4, 2);
    Kavlor::surfun('main::outer_height', 1, 1.0, 1, 1.0);
    like(join('', @order), qr/^oi+o+$/, 'nested surfun: the outer surface keeps its function');
    Kavlor::endgrf();
    Kavlor::kavfin();
}

# ---- The user projection -----------------------------------------------------------
sub stretch { $_[0] = $_[0] * 2 + 1; $_[1] *= 3 }
sub nothing { }
sub dying_projection { die "projection failed\n" }
our $fails = 0;
sub failing_projection { die "projection failed\n" if $fails; stretch(@_) }
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

    # A map curve whose projection dies draws nothing; the map drawn before stays.
    my $map = sub {
        my ($file, $curve) = @_;
        open_plot($file);
        Kavlor::setcbk('main::failing_projection', 'MYPR');
        Kavlor::axspos(500, 1500);
        Kavlor::axslen(1000, 1000);
        Kavlor::projct('MYPR');
        $fails = 0;
        Kavlor::grafmp(-180, 180, -180, 90, -90, 90, -90, 30);
        $fails = 1;
        eval { $curve->() };
        my $error = $@;
        Kavlor::endgrf();
        Kavlor::kavfin();
        return [$error, masked(read_file($file))];
    };
    my $without = $map->('map.svg', sub { })->[1];
    my ($error, $drawn) = @{$map->('map_curve.svg',
                                   sub { Kavlor::curvmp([-90, 0, 90], [-45, 45, -45], 3) })};
    is($error, "projection failed\n", 'curvmp raises the error');
    is($drawn, $without, 'and draws nothing');
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
