// DYNARRAY: a growable array of owned STRING items with a re-entrant lock.
// STRINGARRAY: a keyed string list - keys sorted case-insensitively, each
// with a value - and the key=value text form of the configuration files:
//
//   key=value          one pair per line (LF; CR LF in files); nothing is
//                      trimmed; the value is backslash-escaped: \\ is one
//                      backslash, \n a line feed, \x3d an "="
//   key=={{Base64}}    a value of byte data
//   #Handle=5, #Key=t  the list's Handle and Key
//
// Lookups of a missing key create it with a null value. No operation
// throws; misuse raises an assertion report and carries on.
#pragma once

#include "foundation/str.h"
#include "osys/sync.h"

class DYNARRAY {
 public:
  DYNARRAY();
  // The tokens of text at the separators, empty tokens included.
  DYNARRAY(const STRING& text, const char* separators);
  DYNARRAY(const DYNARRAY& other);
  DYNARRAY& operator=(const DYNARRAY& other);

  // Orders two items: with flag 2 as decimal numbers, else byte-wise. Only
  // derived arrays that sort provide it; the base reports "FALSE".
  virtual int Compare(const STRING* a, const STRING* b, int flags);
  virtual ~DYNARRAY();

  int Count() const;
  // The item itself (it may be changed in place); for a position outside
  // the array a null stand-in string after the report.
  STRING* ItemAt(int i);
  const STRING* ItemAt(int i) const;
  // A copy of s at pos (0 <= pos <= Count()).
  void InsertAt(int pos, const STRING& s);
  void Add(const STRING& s);
  void RemoveAt(int pos);
  void Swap(int pos1, int pos2);
  // Frees all items and the slots (the capacity becomes 0).
  void Clear();
  void CopyFrom(const DYNARRAY& other);
  // Inserts the lines of a text file as items 0, 1, 2 ... (strictly
  // unescaped when unescape is set); the number of lines, 0 when the file
  // cannot be opened.
  int LoadLines(const char* fileName, bool unescape);

  // The comparison of Compare for derived arrays: -1, 0, 1 byte-wise
  // (case-sensitive), or with flag 2 the difference of the decimal values.
  static int CompareValues(const STRING* a, const STRING* b, int flags);

  CRITSECT* pLock;
  STRING** ppItems;
  int ItemCount;
  int MaxItems;
  int GrowBy;

 private:
  bool Grow();
};

class STRINGARRAY {
 public:
  STRINGARRAY();
  // The list of a text in the key=value form.
  explicit STRINGARRAY(const STRING& text);
  virtual ~STRINGARRAY();

  // The value of key, created (null) at its sorted place when missing.
  STRING& Value(const char* key);
  int IndexOf(const char* key) const;
  bool Contains(const char* key) const;
  bool Remove(const char* key);
  DYNARRAY GetKeys() const;
  void Sort();
  STRING ToText() const;
  bool Save(const char* fileName) const;
  // False, and the list unchanged, when the file cannot be read.
  bool Load(const char* fileName);

  int Handle;
  int Reserved;
  DYNARRAY Keys;
  DYNARRAY Values;
  int LockTable;
  STRING Key;

 private:
  void Parse(const STRING& text);
  void AddLine(const STRING& line);
};

// The leading decimal number of a text (as atoi); a null text reads as 0.
int StrAtoi(const char* text);
