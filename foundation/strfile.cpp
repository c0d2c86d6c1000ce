// STRING::Load and STRING::Save: a whole file into or out of a string.
#include <memory>
#include <new>

#include "foundation/str.h"
#include "foundation/textfile.h"

int STRING::Load(const char* fileName, const char* mode) {
  STREAMMODE m = ParseStreamMode(mode);
  if (!m.Valid || fileName == nullptr) return 0;
  OSYS::File::Handle file = OSYS::File::Open(fileName, OSYS::File::Access::Read, OSYS::File::Share::Read);
  if (file == nullptr) return 0;
  OSYS::File::CLOSER closer(file);
  TEXTREADER reader(file, m.Text);
  STRING content(BlockSize);
  content.Make(0, nullptr);
  constexpr int PieceSize = 8192;
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[PieceSize]);
  if (buffer == nullptr) return 0;
  for (;;) {
    int n = reader.Read(buffer.get(), PieceSize);
    if (n < 0) return 0;  // a read failure leaves the string as it was
    content.Append(buffer.get(), n);
    if (n < PieceSize) break;
  }
  int grownBlockSize = content.BlockSize;
  int flags = Flags | (content.Flags & STRINGFLAG_DYNABLOCK);
  *this = static_cast<STRING&&>(content);
  BlockSize = grownBlockSize;
  Flags = flags;
  return 1;
}

int STRING::Save(const char* fileName, const char* mode) const {
  STREAMMODE m = ParseStreamMode(mode);
  if (!m.Valid || m.Access == OSYS::File::Access::Read || fileName == nullptr) return 0;
  OSYS::File::Handle file = OSYS::File::Open(fileName, m.Access, OSYS::File::Share::None);
  if (file == nullptr) return 0;
  const char* data = NullGuard(Buffer, "STRING::Save");
  bool written = data == nullptr || WriteStream(file, data, StrLen, m.Text);
  bool closed = OSYS::File::Close(file);
  return written && closed ? 1 : 0;
}
