// The callbacks of the Perl module (callbacks.cpp): the error a Perl sub left
// behind when it died inside a library call.
#pragma once

#include "perl/frame.h"

namespace kavlor_perl {

// Raises, as a croak, the error of a callback sub that died during the library
// call the wrapper just made, once the library may draw again; nothing when
// none died.
void checkCallbackError(pTHX);

} // namespace kavlor_perl
