// Texts that go into one header or command line of a mail.
#pragma once

#include "foundation/str.h"

// value with every CR and LF replaced by a blank, so that it cannot start a
// header or a command of its own.
STRING OnOneLine(const STRING& value);
