// The low-level file layer: open, read, write, seek and close files, and the
// few operations on names that the system needs. Nothing throws: failures
// give a null handle, false or -1, and leave the error number in the
// calling thread's last error (OSYS::GetLastError, OSYS::ErrorText).
// Bytes go through unchanged; text-mode translation is the caller's.
#pragma once

#include <cstdint>

#include "osys/osys.h"

namespace OSYS::File {

struct OBJECT;
using Handle = OBJECT*;

enum class Access {
  Read,    // an existing file, for reading
  Write,   // created, or truncated when it exists, for writing
  Append,  // opened or created, positioned at its end, for writing
};

// What others may do with the file while it is open. The host build has no
// sharing modes and ignores it.
enum class Share {
  None,       // deny read and write
  Read,       // others may read (deny write)
  ReadWrite,  // others may read and write
};

// Flags of Open.
constexpr unsigned WriteThrough = 1;  // every write goes straight to disk

enum class Origin { Begin, Current, End };

// Attribute bits, with the values of the Win32 attributes. On the host only
// ReadOnly (no write permission) and Directory are kept.
constexpr std::uint32_t AttrReadOnly = 0x01;
constexpr std::uint32_t AttrHidden = 0x02;
constexpr std::uint32_t AttrSystem = 0x04;
constexpr std::uint32_t AttrDirectory = 0x10;
constexpr std::uint32_t AttrArchive = 0x20;
constexpr std::uint32_t AttrNormal = 0x80;
constexpr std::uint32_t AttrInvalid = 0xFFFFFFFFu;

struct STATUS {
  std::int64_t Size;
  std::int64_t Modified;  // seconds since 1970 (UTC)
  std::uint32_t Attributes;
};

// Null on failure.
Handle Open(const char* name, Access access, Share share = Share::Read, unsigned flags = 0);
// Bytes read (0 at the end of the file), or -1 on failure.
int Read(Handle file, void* buffer, int count);
// True when all count bytes were written.
bool Write(Handle file, const void* buffer, int count);
// The new position, or -1 on failure.
std::int64_t Seek(Handle file, std::int64_t offset, Origin origin);
std::int64_t Tell(Handle file);
std::int64_t Size(Handle file);
// Closes and frees the handle (a null handle is ignored).
bool Close(Handle file);

// One directory; its parent must exist.
bool MakeDirectory(const char* name);
bool Remove(const char* name);
std::uint32_t GetAttributes(const char* name);
bool SetAttributes(const char* name, std::uint32_t attributes);
// The modification time of a file, as a local date and time.
bool SetModificationTime(const char* name, const LOCALTIME& time);
bool Exists(const char* name);
bool IsDirectory(const char* name);
bool Status(const char* name, STATUS* status);

// Test seam: the nth call from now (1 = the next) of Open, Read or Write
// fails with the error number code; n = 0 switches the seam off.
void FailNthCall(int n, unsigned code);

// Closes the handle when the scope ends.
class CLOSER {
 public:
  explicit CLOSER(Handle file) : File(file) {}
  ~CLOSER() { Close(File); }
  CLOSER(const CLOSER&) = delete;
  CLOSER& operator=(const CLOSER&) = delete;

 private:
  Handle File;
};

}  // namespace OSYS::File
