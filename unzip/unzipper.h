// UNZIPPER: the installer's view of one install archive. Constructing it
// lists the archive (filling the engine's capture tables); First and Next
// walk the members; Extract runs the engine for one member under the
// product's ProtectedFiles and AskOverwrite lists.
//
// Only one UNZIPPER is meaningful at a time: the member list lives in the
// engine's process-wide tables (unzip/engine.h), and constructing another
// clears them. UnzipTotal holds the archive's total uncompressed size.
#pragma once

#include <cstdint>

#include "foundation/str.h"
#include "unzip/engine.h"

// The texts of the overwrite question by language string number (2992 the
// format with one "%s", 2993 the caption). By default the language strings
// of the loaded language library (product build); the host build has no
// library and reads "<STR-ERR>", as a missing string does. Tests set their own.
using UNZIPPERTEXT = STRING (*)(int id);
extern UNZIPPERTEXT UnzipperText;
STRING UnzipperLanguageText(int id);

// Asks a yes/no question; true for Yes. The default shows a question box
// owned by the active window (product build) and answers No where there is
// no window system (host build).
using UNZIPPERQUESTION = bool (*)(const char* text, const char* caption);
extern UNZIPPERQUESTION UnzipperQuestion;
bool UnzipperQuestionBox(const char* text, const char* caption);

class UNZIPPER {
 public:
  static constexpr int kArchiveNameSize = 128;
  static constexpr int kWordSize = 100;  // each engine word stays below 100 characters

  // Copies the name and both lists ("\" made "/"; a null list is empty) and
  // lists the archive. A failed listing raises the report "error==FALSE".
  UNZIPPER(const char* archive, const char* ask_overwrite, const char* protected_files);
  ~UNZIPPER() = default;
  UNZIPPER(const UNZIPPER&) = delete;
  UNZIPPER& operator=(const UNZIPPER&) = delete;

  // The first member's size and name (into `name`, kUnzipNameSize bytes).
  std::uint32_t First(char* name);
  // The size and name of the member at the cursor, which then advances; past
  // the last member the empty name and 0.
  std::uint32_t Next(char* name);
  // 1 when the member was extracted or deliberately skipped, 0 when the
  // engine failed (any status but 0) or a word did not fit its slot. *ran
  // tells whether the engine was run for it.
  int Extract(const char* member, const char* directory, int* ran = nullptr);

 private:
  // The member list entry `index` into `name`.
  std::uint32_t Member(int index, char* name) const;
  // True when `member` is named (case-insensitively) by the first field of
  // an entry of `list` whose target file exists; the first such entry's
  // second field goes into `question`.
  bool ListedAndPresent(const STRING& list, const char* member, const char* directory, STRING* question) const;

  char ArchiveName[kArchiveNameSize];
  STRING AskList;
  STRING ProtectList;
  int Cursor;
};
