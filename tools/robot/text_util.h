// Small text helpers shared by the robot's parts: comparisons, quoting for
// messages and dumps, and the number formats of the script language.
#pragma once

#include <string>
#include <string_view>

namespace robot {

// ASCII case-insensitive equality (window class names compare this way).
bool EqualsNoCase(std::string_view a, std::string_view b);

// A caption as the user reads it: "&Save" gives "Save", "&&" gives "&".
std::string WithoutMnemonics(std::string_view caption);

// The text in double quotes, with \\ \" \r \n \t and \xHH for other control
// characters, so that it stays on one line.
std::string Quoted(std::string_view text);

// A decimal or 0x-hexadecimal integer with an optional minus sign; the whole
// text must be the number.
bool ParseInteger(std::string_view text, long long* value);

// A non-negative number of seconds such as "5" or "0.25".
bool ParseSeconds(std::string_view text, double* seconds);

// Seconds for messages: "10 s", "0.5 s".
std::string FormatSeconds(double seconds);

}  // namespace robot
