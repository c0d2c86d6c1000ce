// STRINGARRAY: the keyed list over two parallel DYNARRAYs, and its
// key=value text form.
#include <cstring>

#include "foundation/dynarray.h"
#include "foundation/log.h"

namespace {

bool IsByteData(const STRING& raw) {
  return raw.StrLen >= 5 && std::memcmp(raw.Buffer, "={{", 3) == 0 &&
         std::memcmp(raw.Buffer + raw.StrLen - 2, "}}", 2) == 0;
}

const char* KeyText(const DYNARRAY& keys, int i) { return keys.ppItems[i]->Buffer; }

}  // namespace

STRINGARRAY::STRINGARRAY() : Handle(0), Reserved(0), LockTable(0) {}

STRINGARRAY::STRINGARRAY(const STRING& text) : STRINGARRAY() { Parse(text); }

STRINGARRAY::~STRINGARRAY() = default;

// One line of the text form; a line without "=" is reported and skipped.
void STRINGARRAY::AddLine(const STRING& line) {
  int equals = -1;
  if (!line.Find("=", &equals)) {
    ReportAssertion(0, "item.Find(\"=\")", __FILE__, __LINE__, line.Buffer, 0);
    return;
  }
  STRING key = line.Left(equals);
  STRING raw = line.Mid(equals + 1);
  STRING value;
  if (IsByteData(raw)) {
    value = raw.Mid(3, raw.StrLen - 5).FromBase64();
    value.Flags |= STRINGFLAG_BYTES;
  } else {
    value = raw.Unescape(false);
  }
  if (StrICmp(key.Buffer, "#Handle") == 0) {
    Handle = StrAtoi(value.Buffer);
  } else if (StrICmp(key.Buffer, "#Key") == 0) {
    Key = value;
  } else {
    Keys.Add(key);
    Values.Add(value);
  }
}

// The lines are those of STRING::Line, taken in one pass; empty lines are
// skipped and nothing is trimmed.
void STRINGARRAY::Parse(const STRING& text) {
  int begin = 0;
  while (text.Buffer != nullptr && begin <= text.StrLen) {
    const void* lf = std::memchr(text.Buffer + begin, '\n', static_cast<size_t>(text.StrLen - begin));
    int end = lf != nullptr ? static_cast<int>(static_cast<const char*>(lf) - text.Buffer) : text.StrLen;
    if (end > begin) AddLine(text.Mid(begin, end - begin));
    begin = end + 1;
  }
  Sort();
}

void STRINGARRAY::Sort() {
  CRITSECTLOCK holdKeys(Keys.pLock);
  CRITSECTLOCK holdValues(Values.pLock);
  bool exchanged = true;
  while (exchanged) {
    exchanged = false;
    for (int i = Keys.ItemCount - 1; i >= 1; --i) {
      if (StrICmp(KeyText(Keys, i), KeyText(Keys, i - 1)) < 0) {
        Keys.Swap(i, i - 1);
        Values.Swap(i, i - 1);
        exchanged = true;
      }
    }
  }
}

STRING& STRINGARRAY::Value(const char* key) {
  CRITSECTLOCK holdKeys(Keys.pLock);
  int i = 0;
  int order = 1;
  while (i < Keys.ItemCount && (order = StrICmp(KeyText(Keys, i), key)) < 0) ++i;
  if (i >= Keys.ItemCount || order != 0) {
    if (LockTable) ReportAssertion(0, "!this->LockTable", __FILE__, __LINE__, NullGuard(key, nullptr), 0);
    CRITSECTLOCK holdValues(Values.pLock);
    Keys.InsertAt(i, STRING(key));
    Values.InsertAt(i, STRING());
  }
  return *Values.ItemAt(i);
}

int STRINGARRAY::IndexOf(const char* key) const {
  CRITSECTLOCK hold(Keys.pLock);
  for (int i = 0; i < Keys.ItemCount; ++i) {
    int order = StrICmp(KeyText(Keys, i), key);
    if (order == 0) return i;
    if (order > 0) break;
  }
  return -1;
}

bool STRINGARRAY::Contains(const char* key) const { return IndexOf(key) != -1; }

bool STRINGARRAY::Remove(const char* key) {
  CRITSECTLOCK holdKeys(Keys.pLock);
  CRITSECTLOCK holdValues(Values.pLock);
  for (int i = 0; i < Keys.ItemCount; ++i) {
    if (StrICmp(KeyText(Keys, i), key, true) == 0) {
      Keys.RemoveAt(i);
      Values.RemoveAt(i);
      return true;
    }
  }
  return false;
}

DYNARRAY STRINGARRAY::GetKeys() const {
  DYNARRAY keys;
  keys.CopyFrom(Keys);
  return keys;
}

STRING STRINGARRAY::ToText() const {
  STRING text;
  text.Make(0, nullptr);
  if (Handle != 0) text.AppendFormat("#Handle=%d\n", Handle);
  if (Key.Buffer != nullptr) text.Append("#Key=").Append(Key).Append("\n");
  CRITSECTLOCK holdKeys(Keys.pLock);
  CRITSECTLOCK holdValues(Values.pLock);
  for (int i = 0; i < Keys.ItemCount; ++i) {
    const STRING& value = *Values.ppItems[i];
    text.Append(*Keys.ppItems[i]).Append("=");
    if (value.Flags & STRINGFLAG_BYTES)
      text.Append("={{").Append(value.ToBase64(false)).Append("}}");
    else
      text.Append(value.Escape("={}"));
    text.Append("\n");
  }
  return text;
}

bool STRINGARRAY::Save(const char* fileName) const { return ToText().Save(fileName, "w") != 0; }

bool STRINGARRAY::Load(const char* fileName) {
  STRING text;
  if (!text.Load(fileName, "r")) return false;
  STRINGARRAY loaded(text);
  Handle = loaded.Handle;
  Reserved = loaded.Reserved;
  Keys.CopyFrom(loaded.Keys);
  Values.CopyFrom(loaded.Values);
  LockTable = 0;
  Key = loaded.Key;
  return true;
}
