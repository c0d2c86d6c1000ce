// The help object: connects windows and dialogs to a help file of the
// platform's help viewer (WinHelpA). F1 (WM_HELP) and a push button with id
// 9 show the topic of the focused control or of the window, as far as the
// help file defines topics for them: the file's ids (or contents) file
// lists the contexts it defines, one "name=number" per line.
#pragma once

#include <windows.h>

#include "foundation/str.h"

class HELP {
 public:
  HELP();
  // Asks the help viewer to close (HELP_QUIT) when a help file was set.
  ~HELP();
  HELP(const HELP&) = delete;
  HELP& operator=(const HELP&) = delete;

  // Takes the help file and the contexts it defines from the file of the
  // same name ending in "ids", or else in "cnt". A null name does nothing.
  void LoadHelpIds(const char* helpFile);
  void SetDefaultContext(int context);
  int DefaultContext() const;
  bool IsReady() const;
  // Shows the topic of id (through the translation table) when the help
  // file defines it.
  bool ShowContext(int id);
  // The topic of the window or of the nearest parent that has one.
  bool ShowForWindow(HWND window);
  // WM_HELP and button 9 of a window with the given id: the focused
  // control's topic, else the window's, else the default context. False
  // only when no help file is set (the message is then not handled).
  bool ContextHelp(HWND window, int id);

  HWND Owner;
  STRING HelpFile;
  int Default;
  struct TRANSLATION {
    int Id;
    int Context;
  };
  TRANSLATION Translation[128];
  int TranslationCount;
  int HelpIds[256];
  int NumHelpIds;

 private:
  bool Defines(int context) const;
};

// The program's help object.
extern HELP Help;

// Context help for the framework's windows and dialogs.
bool ContextHelp(HWND window, int id);
