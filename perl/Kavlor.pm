# The Perl module Kavlor: the routines of the Kavlor plotting library as the
# subs Kavlor::<routine>. The compiled part, auto/Kavlor/Kavlor.so, lies beside
# this file; XSLoader finds it through @INC.
package Kavlor;

use strict;
use warnings;

our $VERSION = '9.1';

require XSLoader;
XSLoader::load('Kavlor', $VERSION);

1;
