#include "foundation/textfile.h"

#include <new>

STREAMMODE ParseStreamMode(const char* mode) {
  STREAMMODE m{false, true, OSYS::File::Access::Read};
  if (mode == nullptr) return m;
  switch (mode[0]) {
    case 'r': m.Access = OSYS::File::Access::Read; break;
    case 'w': m.Access = OSYS::File::Access::Write; break;
    case 'a': m.Access = OSYS::File::Access::Append; break;
    default: return m;
  }
  for (const char* p = mode + 1; *p != 0; ++p) {
    if (*p == 'b')
      m.Text = false;
    else if (*p != 't')
      return m;
  }
  m.Valid = true;
  return m;
}

TEXTREADER::TEXTREADER(OSYS::File::Handle file, bool text)
    : File(file), Text(text), Raw(new (std::nothrow) char[RawSize]) {
  if (Raw == nullptr) Failed = Ended = true;
}

TEXTREADER::~TEXTREADER() { delete[] Raw; }

int TEXTREADER::Next() {
  if (RawPos == RawLength) {
    if (Ended) return -1;
    RawLength = OSYS::File::Read(File, Raw, RawSize);
    RawPos = 0;
    if (RawLength < 0) {
      RawLength = 0;
      Failed = Ended = true;
      return -2;
    }
    if (RawLength == 0) {
      Ended = true;
      return -1;
    }
  }
  return static_cast<unsigned char>(Raw[RawPos++]);
}

int TEXTREADER::Read(char* buffer, int count) {
  int n = 0;
  while (n < count) {
    int c = Pending >= 0 ? Pending : Next();
    Pending = -1;
    if (c < 0) break;
    if (Text && c == 26) {  // the end of the data
      Ended = true;
      RawPos = RawLength;
      break;
    }
    if (Text && c == '\r') {
      int after = Next();
      if (after == '\n')
        c = '\n';
      else if (after >= 0)
        Pending = after;
    }
    buffer[n++] = static_cast<char>(c);
  }
  return Failed ? -1 : n;
}

bool WriteStream(OSYS::File::Handle file, const char* data, int length, bool text) {
  if (!text) return OSYS::File::Write(file, data, length);
  char out[2048];
  int used = 0;
  for (int i = 0; i < length; ++i) {
    if (used >= static_cast<int>(sizeof out) - 2) {
      if (!OSYS::File::Write(file, out, used)) return false;
      used = 0;
    }
    if (data[i] == '\n') out[used++] = '\r';
    out[used++] = data[i];
  }
  return OSYS::File::Write(file, out, used);
}
