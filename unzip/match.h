// Member-name patterns: "*" any run of characters (also across "/"), "?"
// one character, "[...]" one character of a set with ranges "a-z", negated
// by a leading "!" or "^", and "\" to take the next character as it is.
#pragma once

namespace UNZIP {

bool MatchPattern(const char* pattern, const char* name, bool ignore_case);

}  // namespace UNZIP
