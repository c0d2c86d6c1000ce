// Action handlers of the data-bound dialogs (ui/datafield.h).
#pragma once

#include "ui/datafield.h"

// Lets the user choose a folder (SHBrowseForFolderA) starting at the text
// of the edit whose id is user; the chosen path, without one trailing
// "\\", becomes the edit's text. The title is value up to the first "|".
// Returns value unchanged.
STRING BrowseFolderHandler(INT_PTR user, HWND dialog, STRING value);

// Opens value (a file name or address) with the shell's "open" verb in the
// current directory. Returns value unchanged.
STRING OpenDocumentHandler(INT_PTR user, HWND dialog, STRING value);
