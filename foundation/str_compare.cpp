// The null guard, case-insensitive comparison, concatenation and equality.
#include <atomic>
#include <cstdlib>
#include <cstring>

#include "foundation/log.h"
#include "foundation/str.h"
#include "osys/platform.h"

namespace {

// The last value read from KORVEXFAILONNULL.
std::atomic<int> FailOnNull{0};

int FailOnNullMode() {
  char value[64];
  if (OSYS::Platform::EnvironmentValue("KORVEXFAILONNULL", value, sizeof value))
    FailOnNull = static_cast<int>(std::strtol(value, nullptr, 10));
  return FailOnNull.load();
}

unsigned char Lower(unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c; }

STRING Concatenate(const STRING& left, const char* text) {
  const char* l = NullGuard(left.Buffer, "STR::op1||");
  const char* r = NullGuard(text, "STR::op2||");
  STRING result;
  result.Make(0, nullptr);
  if (l != nullptr && left.Buffer != nullptr) result.Append(l, left.StrLen);
  if (r != nullptr) result.Append(r);
  return result;
}

}  // namespace

const char* NullGuard(const char* p, const char* label) {
  if (p != nullptr) return p;
  int mode = FailOnNullMode();
  const char* result = (mode & 1) ? nullptr : "<NULL>";
  if ((mode & 2) && result == nullptr)
    ReportAssertion(0, "p!=NULL", __FILE__, __LINE__, label != nullptr ? label : "<none>", 0);
  return result;
}

int StrICmp(const char* a, const char* b, bool nullAware) {
  if (nullAware && (a == nullptr || b == nullptr)) return a == b ? 0 : 1;
  a = NullGuard(a, "stricmp p1");
  b = NullGuard(b, "stricmp p2");
  if (a == nullptr) a = "";
  if (b == nullptr) b = "";
  const auto* x = reinterpret_cast<const unsigned char*>(a);
  const auto* y = reinterpret_cast<const unsigned char*>(b);
  for (;; ++x, ++y) {
    int d = Lower(*x) - Lower(*y);
    if (d != 0 || *x == 0) return d;
  }
}

STRING operator||(const STRING& left, const char* text) { return Concatenate(left, text); }
STRING operator||(const STRING& left, const STRING& right) { return Concatenate(left, right.Buffer); }
STRING operator||(const char* text, const STRING& right) { return Concatenate(STRING(text), right.Buffer); }

bool operator==(const STRING& s, const char* text) { return StrICmp(s.Buffer, text, true) == 0; }
bool operator==(const STRING& a, const STRING& b) { return StrICmp(a.Buffer, b.Buffer, true) == 0; }
