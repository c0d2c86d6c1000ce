// The texts of the file dialogs: the platform filter made from the system's
// filter syntax, and the files of a dialog's result.
#include "foundation/globals.h"
#include "osys/filedialog.h"

namespace OSYS::FileDialogText {

namespace {

const char* DefaultFilter() { return LanguageNumber == 7 ? "\nAlle Dateien|*.*" : "\nAll Files|*.*"; }

// The line without a CR that a CR LF text leaves at its end.
STRING LineOf(const STRING& text, int index) {
  STRING line = text.Line(index);
  if (line.StrLen > 0 && line.Buffer[line.StrLen - 1] == '\r') line.CutRight(1);
  return line;
}

// Appends text and its terminating zero byte to the filter.
void AppendField(STRING& filter, const STRING& text) {
  filter.Append(text);
  filter.Append("", 1);
}

// Length of the zero-ended text at offset, or -1 when no zero comes before
// size.
int FieldLength(const char* buffer, int offset, int size) {
  for (int i = offset; i < size; ++i)
    if (buffer[i] == 0) return i - offset;
  return -1;
}

}  // namespace

STRING PlatformFilter(const char* filterText, STRING* defaultExtension) {
  STRING text(filterText != nullptr ? filterText : DefaultFilter());
  STRING filter("");
  if (defaultExtension != nullptr) *defaultExtension = "";
  for (int i = 0;; ++i) {
    STRING line = LineOf(text, i);
    if (line.Buffer == nullptr) break;
    if (i == 0 && line.StrLen > 0 && line.Buffer[0] == '.') {
      if (defaultExtension != nullptr) *defaultExtension = line.Mid(1);
      continue;
    }
    STRING description = line.Token(0, "|");
    STRING pattern = line.Token(1, "|", TOKEN_REST);
    // An empty pattern would end the platform's list early.
    if (description.StrLen == 0 || pattern.Buffer == nullptr || pattern.StrLen == 0) continue;
    AppendField(filter, description || " (" || pattern || ")");
    AppendField(filter, pattern);
  }
  return filter;
}

STRING WithoutTrailingDot(const char* path) {
  STRING text(path);
  if (text.StrLen > 0 && text.Buffer[text.StrLen - 1] == '.') text.CutRight(1);
  return text;
}

int SplitSelection(const char* buffer, int size, DYNARRAY* list) {
  if (buffer == nullptr || size <= 0) return 0;
  int first = FieldLength(buffer, 0, size);
  if (first <= 0) return 0;
  STRING directory;
  directory.Make(first, buffer);
  int offset = first + 1;
  int name = FieldLength(buffer, offset, size);
  if (name < 0) return 0;  // cut off before its end
  if (name == 0) {
    if (list != nullptr) list->Add(WithoutTrailingDot(directory.Buffer));
    return 1;
  }
  if (directory.Buffer[directory.StrLen - 1] != '\\') directory.Append("\\");
  int count = 0;
  for (; name > 0; offset += name + 1, name = FieldLength(buffer, offset, size)) {
    STRING file(directory);
    file.Append(buffer + offset, name);
    if (list != nullptr) list->Add(WithoutTrailingDot(file.Buffer));
    ++count;
  }
  return count;
}

}  // namespace OSYS::FileDialogText
