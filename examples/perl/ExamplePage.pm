# What the gallery's axis-system examples share: the page opened on a device,
# one file written per format, and numbers in single precision, so that a
# script computes its data as the C examples do.
package ExamplePage;

use strict;
use warnings;
use Exporter 'import';
use Kavlor;

our @EXPORT = qw(open_page next_page plot_formats f);

# A number rounded to single precision; f(f(a) * f(b)) is the float product.
sub f { return unpack 'f', pack 'f', $_[0] }

# Opens a plot on device into file. PNG pages are drawn on white, as on paper,
# in true colour and a stroke font; the vector files take PostScript's
# Helvetica.
sub open_page {
    my ($device, $file) = @_;
    Kavlor::metafl($device);
    Kavlor::setfil($file);
    Kavlor::filmod('DELE');
    if ($device eq 'PNG') {
        Kavlor::scrmod('REVERS');
        Kavlor::imgfmt('RGB');
    }
    Kavlor::kavini();
    if ($device eq 'PNG') {
        Kavlor::complx();
    } else {
        Kavlor::psfont('Helvetica');
    }
}

# Starts page 2, 3, ... of the plot that open_page opened on device into file:
# a new page of the file where the format holds pages (PDF), else a file of its
# own, the page number before the extension (maps_2.svg).
sub next_page {
    my ($device, $file, $page) = @_;
    if ($device eq 'PDF') {
        Kavlor::newpag();
        return;
    }
    Kavlor::kavfin();
    my ($stem, $extension) = $file =~ /^(.*)\.([^.]*)$/;
    open_page($device, "${stem}_$page.$extension");
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
