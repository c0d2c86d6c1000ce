// Stream modes and text-mode translation over the file layer, the same in
// both builds: in text mode CR LF arrives as LF and a byte 26 ends the data
// on reading, and every LF is written as CR LF.
#pragma once

#include "osys/file.h"

struct STREAMMODE {
  bool Valid;
  bool Text;
  OSYS::File::Access Access;
};

// "r", "w", "a", optionally with "b" (binary) or "t"; anything else is not
// valid.
STREAMMODE ParseStreamMode(const char* mode);

// Reads a file in text or binary mode.
class TEXTREADER {
 public:
  TEXTREADER(OSYS::File::Handle file, bool text);
  ~TEXTREADER();
  TEXTREADER(const TEXTREADER&) = delete;
  TEXTREADER& operator=(const TEXTREADER&) = delete;

  // Up to count bytes into buffer; fewer only at the end of the data.
  // -1 when the file could not be read.
  int Read(char* buffer, int count);

 private:
  // The next raw byte, or -1 at the end (-2 on a read failure).
  int Next();

  OSYS::File::Handle File;
  bool Text;
  bool Ended = false;
  bool Failed = false;
  int Pending = -1;  // a byte read ahead after a CR
  static constexpr int RawSize = 8192;
  char* Raw;  // on the heap: threads of the system have small stacks
  int RawLength = 0;
  int RawPos = 0;
};

// Writes length bytes, every LF as CR LF in text mode; false on failure.
bool WriteStream(OSYS::File::Handle file, const char* data, int length, bool text);
