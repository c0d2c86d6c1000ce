// The file dialogs over the common dialogs, with the system's own filter
// syntax, and the two texts they work from.
//
// Filter text: lines separated by LF. A first line beginning with "." gives
// the default extension (the text after the "."), which a typed name
// without extension receives. Every other line is a description, "|" and a
// pattern ("Text|*.txt", "Pictures|*.bmp;*.png"), shown as "Text (*.txt)";
// lines with an empty description or without a pattern are skipped. The
// first filter is preselected. A null filter text is "\nAll Files|*.*"
// ("\nAlle Dateien|*.*" when LanguageNumber is 7).
#pragma once

#include "foundation/dynarray.h"
#include "foundation/str.h"

namespace OSYS {

// A file dialog owned by the window owner (a window handle or null): mode 0
// the save dialog, any other mode the open dialog. initialPath names the
// directory to start in, or a file in it (split at its last "\\"; without
// one the start is "." and the text is the proposed name). With a list, the
// user may choose several files: each is appended to the list as directory
// + "\\" + name and *count (when given) receives their number. Returns the
// chosen path without a trailing "." (the first chosen file with a list),
// or a null string when the user cancelled or the dialog failed. Product
// build only.
STRING FileDialog(void* owner, const char* title, const char* initialPath, int mode, DYNARRAY* list, int* count,
                  const char* filter);

// The save dialog: FileDialog(owner, title, initialPath, 0, null, null, filter).
STRING SaveFileDialog(void* owner, const char* title, const char* initialPath, const char* filter);

namespace FileDialogText {

// The platform's filter of a filter text: pairs of display text and pattern,
// each ended by a zero byte (the string's terminator ends the list); the
// empty string when there is no filter. The default extension (or the empty
// string) goes to *defaultExtension when it is given.
STRING PlatformFilter(const char* filterText, STRING* defaultExtension);

// The files of a dialog's result buffer of size bytes: a single path, or a
// directory followed by names, each ended by a zero byte and the whole by a
// second one. Appends directory + "\\" + name for each (the path itself for
// a single one), without a trailing ".", and returns their number. Nothing
// beyond size bytes is read.
int SplitSelection(const char* buffer, int size, DYNARRAY* list);

// A chosen path without one trailing ".".
STRING WithoutTrailingDot(const char* path);

}  // namespace FileDialogText

}  // namespace OSYS
