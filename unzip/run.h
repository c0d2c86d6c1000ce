// The state of one engine run: the options of its command line, the open
// archive with its input buffer, the window, and what the end record said.
// One RUN exists per UnzipMain call; nothing of it outlives the run.
#pragma once

#include <cstdint>

#include "osys/file.h"
#include "unzip/input.h"

namespace UNZIP {

struct OPTIONS {
  bool list_short = false;     // -l
  bool list_verbose = false;   // -v
  bool test = false;           // -t
  bool to_screen = false;      // -c, -p
  bool freshen = false;        // -f
  bool update = false;         // -u
  bool show_comment = false;   // -z
  bool never_overwrite = false;  // -n
  bool overwrite = false;      // -o
  int text = 0;                // -a, -aa (accepted; text is not converted)
  bool junk_paths = false;     // -j
  bool keep_case = false;      // -U
  bool keep_version = false;   // -V
  bool blanks_to_underscore = false;  // -s
  bool volume_labels = false;  // -$
  int quiet = 0;               // -q, -qq

  const char* archive = nullptr;
  char** patterns = nullptr;   // member patterns of the command line
  int pattern_count = 0;
  char** excludes = nullptr;   // after -x
  int exclude_count = 0;
  const char* directory = nullptr;  // after -d

  bool Listing() const { return list_short || list_verbose; }
};

// What the end record of the archive says.
struct ENDRECORD {
  int64_t position = 0;  // where it was found
  uint16_t this_disk = 0;
  uint16_t central_disk = 0;
  uint16_t entries_here = 0;
  uint16_t entries = 0;
  uint32_t central_size = 0;
  uint32_t central_offset = 0;
  uint16_t comment_length = 0;
};

// The archive, read through the 2048-byte input buffer.
class ARCHIVE {
 public:
  // `buffer` holds MEMBERINPUT::kBufferSize + 4 bytes.
  explicit ARCHIVE(uint8_t* buffer) : buffer_(buffer) {}
  ~ARCHIVE() { Close(); }
  ARCHIVE(const ARCHIVE&) = delete;
  ARCHIVE& operator=(const ARCHIVE&) = delete;

  bool Open(const char* name);
  void Close();
  int64_t Size() const { return size_; }
  // False for a position before the start.
  bool Seek(int64_t position);
  int64_t Tell() const { return buffer_start_ + at_; }
  // Bytes read (fewer at the end of the archive).
  size_t Read(void* dst, size_t n);
  bool ReadExact(void* dst, size_t n) { return Read(dst, n) == n; }
  // Reads up to `n` bytes at the current position into `dst`, which may be
  // the input buffer itself (member data is read so); what the buffer held
  // is forgotten.
  size_t ReadInto(uint8_t* dst, size_t n);
  // Reads `n` bytes at `position` into `dst` outside the buffer.
  bool ReadAt(int64_t position, uint8_t* dst, size_t n);
  uint8_t* Buffer() { return buffer_; }

 private:
  bool Fill();
  // Reads at `position` straight from the file, seeking only when the file
  // is elsewhere (most reads follow the previous one).
  int ReadFile(int64_t position, uint8_t* dst, size_t n);

  OSYS::File::Handle file_ = nullptr;
  int64_t size_ = 0;
  uint8_t* buffer_;
  int64_t buffer_start_ = 0;  // archive offset of buffer_[0]
  size_t length_ = 0;         // valid bytes in the buffer
  size_t at_ = 0;             // read position in the buffer
  int64_t file_position_ = -1;  // where the file is; -1 unknown
};

struct RUN {
  OPTIONS options;
  ENDRECORD end;
  ARCHIVE* archive = nullptr;
  const char* archive_name = nullptr;  // the name that opened
  uint8_t* window = nullptr;           // SLIDE::kSize bytes
  int64_t extra_bytes = 0;             // shift of every stored offset
  bool fat_destination = false;
  int status = 0;                      // highest status so far
  unsigned skipped = 0;                // members skipped as unsupported
  bool first_member_done = false;      // re-compensation is tried only once
  bool write_abandoned = false;        // a write failed and the user did not go on
  unsigned listed = 0;

  void Raise(int s) {
    if (s > status) status = s;
  }
};

// Little-endian fields.
inline uint16_t Get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
inline uint32_t Get32(const uint8_t* p) { return static_cast<uint32_t>(Get16(p)) | static_cast<uint32_t>(Get16(p + 2)) << 16; }

}  // namespace UNZIP
