// Language variants of configuration keys. A key followed by the language
// suffix (language string 2980, e.g. ".GER") replaces the plain key; a key
// with any other dotted ending is dropped. Used on setup.cfg, the advertising
// file and the order form's lists.
#pragma once

#include "foundation/dynarray.h"

// Every key that contains a "." is removed from list; before that, when its
// last characters equal suffix (without regard to case), its value becomes
// the value of the key without them (created when missing). Keys without a
// "." stay. A null or empty suffix matches no key.
void LocaliseKeys(STRINGARRAY& list, const char* suffix);
