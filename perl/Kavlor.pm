# The Perl module Kavlor: the routines of the Kavlor plotting library as the
# subs Kavlor::<routine>. The compiled part, auto/Kavlor/Kavlor.so, lies beside
# this file; XSLoader finds it through @INC. The setup program installs it as
# Kavlor.so right beside this file instead, and from there it is loaded here.
package Kavlor;

use strict;
use warnings;

our $VERSION = '9.1';

# perl -I. names this file "Kavlor.pm", without a folder; the library is then
# named "./Kavlor.so", since dlopen looks for a name without a slash in the
# system's library folders, not here.
my $folder = (__FILE__ =~ s{[^/]*\z}{}r) || './';
if (!-e "${folder}auto/Kavlor/Kavlor.so" && -e "${folder}Kavlor.so") {
    require DynaLoader;
    my $file = "${folder}Kavlor.so";
    my $library = DynaLoader::dl_load_file($file, 0)
        or die "Cannot load $file: " . DynaLoader::dl_error() . "\n";
    my $boot = DynaLoader::dl_find_symbol($library, 'boot_Kavlor')
        or die "No boot_Kavlor in $file\n";
    push @DynaLoader::dl_librefs, $library;
    push @DynaLoader::dl_modules, 'Kavlor';
    push @DynaLoader::dl_shared_objects, $file;
    DynaLoader::dl_install_xsub('Kavlor::bootstrap', $boot, $file)->('Kavlor', $VERSION);
}
else {
    require XSLoader;
    XSLoader::load('Kavlor', $VERSION);
}

1;
