// STRING::Format and STRING::AppendFormat: printf-style text through a
// fixed buffer; a result that does not fit is cut and reported.
#include <cstdarg>

#include "foundation/log.h"
#include "foundation/str.h"

namespace {

// Formats into buffer; the characters stored (a too long result is cut to
// size - 1 and reported).
template <int Size>
int FormatInto(char (&buf)[Size], const char* format, va_list arguments) {
  const char* text = NullGuard(format, "STRING::Format");
  int rc = FormatText(buf, sizeof(buf), text != nullptr ? text : "", arguments);
  if (rc < 0) rc = 0;
  ReportAssertion(rc < static_cast<int>(sizeof(buf)) - 1, "rc<sizeof(buf)-1", __FILE__, __LINE__, format, 0);
  return rc < Size - 1 ? rc : Size - 1;
}

}  // namespace

int STRING::FormatV(const char* format, va_list arguments) {
  char buf[2048];
  int count = FormatInto(buf, format, arguments);
  Make(count, buf);
  return count;
}

int STRING::AppendFormatV(const char* format, va_list arguments) {
  char buf[4096];
  int count = FormatInto(buf, format, arguments);
  Append(buf, count);
  return count;
}

int STRING::Format(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  int count = FormatV(format, arguments);
  va_end(arguments);
  return count;
}

int STRING::AppendFormat(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  int count = AppendFormatV(format, arguments);
  va_end(arguments);
  return count;
}
