# What the gallery's axis-system examples share: the page opened on a device,
# one file written per format, and numbers in single precision, so that a
# script computes its data as the C examples do.
package ExamplePage;

use strict;
use warnings;
use Exporter 'import';
use Kavlor;

our @EXPORT = qw(open_page plot_formats f);

# A number rounded to single precision; f(f(a) * f(b)) is the float product.
sub f { return unpack 'f', pack 'f', $_[0] }

# Opens a plot on device into file. PNG pages are drawn black on white, as on
# paper, in a stroke font; the vector files take PostScript's Helvetica.
sub open_page {
    my ($device, $file) = @_;
    Kavlor::metafl($device);
    Kavlor::setfil($file);
    Kavlor::filmod('DELE');
    Kavlor::kavini();
    if ($device eq 'PNG') {
        Kavlor::revscr();
        Kavlor::complx();
    } else {
        Kavlor::psfont('Helvetica');
    }
}

# Draws the plot as stem.pdf, stem.svg and stem.png, or only in the format
# named on the command line (PDF, SVG or PNG).
sub plot_formats {
    my ($stem, $plot) = @_;
    for my $format ([PDF => 'pdf'], [SVG => 'svg'], [PNG => 'png']) {
        my ($device, $suffix) = @$format;
        $plot->($device, "$stem.$suffix") if !@ARGV || $ARGV[0] eq $device;
    }
}

1;
