# The calls of special_calls.c made from Perl, printed the same way: the wrappers
# with steps of their own, their results set against the same calls from C.
use strict;
use warnings;
use Kavlor;

sub floats { my ($name, @v) = @_; print join(' ', "$name:", map { sprintf '%.9g', $_ } @v), "\n" }
sub ints { my ($name, @v) = @_; print join(' ', "$name:", @v), "\n" }

sub save {
    my ($path, $bytes) = @_;
    open my $fh, '>:raw', $path or die "$path: $!";
    print $fh $bytes;
    close $fh or die "$path: $!";
}

my @px = (0, 2, 0, 2, 1);
my @py = (0, 0, 2, 2, 1);
my @pz = (0, 0, 0, 0, 1);

sub triangles {
    my @x = @px; # work room of the routine, not written back
    my @y = @py;
    my $ntri = Kavlor::triang(\@x, \@y, 5, \my @i1, \my @i2, \my @i3, 20);
    print "triang: $ntri\n";
    ints('i1', @i1[0 .. $ntri - 1]);
    ints('i2', @i2[0 .. $ntri - 1]);
    ints('i3', @i3[0 .. $ntri - 1]);
    my $nlins = Kavlor::tripts(\@px, \@py, \@pz, 5, \@i1, \@i2, \@i3, $ntri, 0.5, \my @xp,
                               \my @yp, 50, \my @nray, 10);
    print "tripts: $nlins\n";
    ints('nray', @nray[0 .. $nlins - 1]);
    floats('xpts', @xp[0 .. $nray[0] - 1]);
    floats('ypts', @yp[0 .. $nray[0] - 1]);
}

sub grids {
    my @g = (0, 1, 2);
    my $nlins = Kavlor::conpts(\@g, 3, \@g, 3, [[0, 0, 0], [0, 1, 0], [0, 0, 0]], 0.5, \my @xp,
                               \my @yp, 40, \my @nray, 5);
    print "conpts: $nlins\n";
    ints('nray', @nray[0 .. $nlins - 1]);
    floats('xpts', @xp[0 .. $nray[0] - 1]);
    floats('ypts', @yp[0 .. $nray[0] - 1]);
    my @zmat = map { [] } 1 .. 4;
    Kavlor::graf(0, 3, 0, 1, 0, 3, 0, 1); # getmat works in an axis system
    Kavlor::getmat(\@px, \@py, \@pz, 5, \@zmat, 4, 4, 0);
    floats('getmat', map { @$_ } @zmat);
    my @big = ([], [], []);
    Kavlor::trfmat([[1, 2], [3, 4]], 2, 2, \@big, 3, 3);
    floats('trfmat', map { @$_ } @big);
}

sub texts {
    print 'fcha: ', Kavlor::flen(3.25, 2), ' ', Kavlor::fcha(3.25, 2), "\n";
    print 'fcha: ', Kavlor::flen(-1234.5, 0), ' ', Kavlor::fcha(-1234.5, 0), "\n";
    my $items = Kavlor::itmcat('one|two', 'three');
    print "itmcat: $items\nitmstr: ", Kavlor::itmstr($items, 2), "\n";
    my $upper = 'abc';
    Kavlor::upstr($upper);
    print "upstr: $upper\n";
    my $ns = Kavlor::spline([0 .. 4], [0, 1, 0, 1, 0], 5, \my @xs, \my @ys);
    print "spline: $ns\n";
    floats('xs', @xs[0 .. 4]);
    floats('ys', @ys[0 .. 4]);
    floats('last', @xs[$ns - 2, $ns - 1]);
}

sub files {
    my $unit = Kavlor::openfl('bytes.bin', 0, 1);
    print 'writfl: ', Kavlor::writfl($unit, "\101\000\377xyz", 6), "\n";
    Kavlor::closfl($unit);
    $unit = Kavlor::openfl('bytes.bin', 0, 0);
    my @bytes = (0) x 4;
    print 'readfl: ', Kavlor::readfl($unit, \@bytes, 4), "\n";
    ints('bytes', map { $_ & 255 } @bytes);
    print 'readfl: ', Kavlor::readfl($unit, \@bytes, 16), "\n";
    Kavlor::closfl($unit);
}

sub pixels {
    Kavlor::metafl('VIRT');
    Kavlor::winsiz(20, 10);
    Kavlor::kavini();
    Kavlor::imgini();
    Kavlor::wpixls([1 .. 6], 2, 3, 3, 2);
    Kavlor::rpixls(\my @got, 1, 3, 4, 2);
    ints('rpixls', @got);
    Kavlor::imgmod('RGB');
    Kavlor::wpxrow([255, 0, 0, 0, 128, 7], 0, 0, 2);
    Kavlor::rpxrow(\my @row, 0, 0, 3);
    ints('rpxrow', @row);
    Kavlor::imgmod('IND');
    Kavlor::imgfin();
    my $n = Kavlor::rbfpng(my $png, 0);
    print "rbfpng: $n ", Kavlor::rbfpng($png, $n), "\n";
    save('perl.png', $png);
    Kavlor::kavfin();
}

sub pdf {
    Kavlor::metafl('PDF');
    Kavlor::setfil('kept.pdf');
    Kavlor::pdfmod('ON', 'BUFF');
    Kavlor::kavini();
    Kavlor::rectan(100, 100, 500, 300);
    Kavlor::kavfin();
    my $n = Kavlor::pdfbuf(my $bytes, 0);
    print 'pdfbuf: ', (Kavlor::pdfbuf($bytes, $n) == $n ? 1 : 0), "\n";
    save('perl.pdf', $bytes);
}

Kavlor::errdev('FILE');
Kavlor::errfil('perl-messages.txt');
triangles();
Kavlor::metafl('VIRT'); # getmat and spline draw nothing, but need an open page
Kavlor::kavini();
grids();
texts();
Kavlor::kavfin();
files();
pixels();
pdf();
