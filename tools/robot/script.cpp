#include "tools/robot/script.h"

#include <sstream>

namespace robot {

std::string Token::OptionName() const {
  size_t eq = text.find('=');
  if (eq == std::string::npos || eq == 0 || eq >= quoted_from) return {};
  for (size_t i = 0; i < eq; ++i) {
    char c = text[i];
    if (!((c >= 'a' && c <= 'z') || c == '-')) return {};
  }
  return text.substr(0, eq);
}

std::string Token::OptionValue() const {
  size_t eq = text.find('=');
  return eq == std::string::npos ? std::string() : text.substr(eq + 1);
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char EscapedCharacter(char c, bool* known) {
  *known = true;
  switch (c) {
    case '"': return '"';
    case '\\': return '\\';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    default: *known = false; return c;
  }
}

// Splits one line; false on an unterminated quote.
bool TokenizeLine(const std::string& line, std::vector<Token>* tokens) {
  size_t i = 0;
  while (true) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size()) return true;
    Token token;
    while (i < line.size() && !IsBlank(line[i])) {
      if (line[i] != '"') {
        token.text += line[i++];
        continue;
      }
      if (token.quoted_from == std::string::npos) token.quoted_from = token.text.size();
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\' && i < line.size()) {
          bool known;
          char e = EscapedCharacter(line[i], &known);
          if (known) {
            token.text += e;
            ++i;
            continue;
          }
        }
        token.text += c;
      }
      if (!closed) return false;
    }
    tokens->push_back(std::move(token));
  }
}

std::string Trimmed(const std::string& line) {
  size_t b = 0, e = line.size();
  while (b < e && IsBlank(line[b])) ++b;
  while (e > b && IsBlank(line[e - 1])) --e;
  return line.substr(b, e - b);
}

}  // namespace

bool TokenizeScript(const std::string& text, std::vector<ScriptLine>* lines, int* error_line,
                    std::string* error) {
  std::istringstream in(text);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (number == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
    ScriptLine parsed;
    parsed.number = number;
    parsed.source = Trimmed(line);
    if (parsed.source.empty() || parsed.source[0] == '#') continue;
    if (!TokenizeLine(line, &parsed.tokens)) {
      *error_line = number;
      *error = "a quote is not closed";
      return false;
    }
    lines->push_back(std::move(parsed));
  }
  return true;
}

bool ExpandVariables(const std::string& text, const VariableLookup& lookup, std::string* out,
                     std::string* error) {
  out->clear();
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '$' || i + 1 >= text.size()) {
      *out += text[i];
      continue;
    }
    if (text[i + 1] == '$') {
      *out += '$';
      ++i;
      continue;
    }
    if (text[i + 1] != '{') {
      *out += '$';
      continue;
    }
    size_t close = text.find('}', i + 2);
    if (close == std::string::npos) {
      *error = "a ${ is not closed by }";
      return false;
    }
    std::string name = text.substr(i + 2, close - i - 2);
    std::string value;
    if (!lookup(name, &value)) {
      *error = "the variable " + name + " is not defined (define it with -D " + name +
               "=VALUE, in the environment or with read)";
      return false;
    }
    *out += value;
    i = close;
  }
  return true;
}

}  // namespace robot
