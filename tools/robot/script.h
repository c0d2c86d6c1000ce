// The lexical form of a robot script: one command a line, split into tokens.
//
// Tokens are separated by blanks. Double quotes group blanks into a token and
// know the escapes \" \\ \n \r \t; any other backslash stays as it is, so
// "C:\Temp" needs no doubling. Quotes may sit inside a token (title="A b").
// A line whose first token starts with '#' is a comment; '#' elsewhere is an
// ordinary character (window classes such as #32770 need it).
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace robot {

struct Token {
  std::string text;  // quotes and escapes resolved, variables not yet expanded
  // Offset in text of the first character that came from inside quotes;
  // npos when the token had no quotes. Options (name=value) are recognised
  // only where the '=' is not quoted.
  size_t quoted_from = std::string::npos;

  // The option name when the token is written name=value with the '=' outside
  // quotes and a name of lowercase letters and dashes; empty otherwise.
  std::string OptionName() const;
  std::string OptionValue() const;
};

struct ScriptLine {
  int number = 0;
  std::string source;  // the line without surrounding blanks, for messages
  std::vector<Token> tokens;
};

// Splits a script into its command lines. Blank and comment lines are left
// out. On an unterminated quote returns false and describes it in *error.
bool TokenizeScript(const std::string& text, std::vector<ScriptLine>* lines, int* error_line,
                    std::string* error);

// Replaces ${NAME} by the value lookup gives and $$ by $; a '$' before any
// other character stays. Returns false naming the variable when lookup knows
// no such name, or when a ${ is not closed.
using VariableLookup = std::function<bool(const std::string& name, std::string* value)>;
bool ExpandVariables(const std::string& text, const VariableLookup& lookup, std::string* out,
                     std::string* error);

}  // namespace robot
