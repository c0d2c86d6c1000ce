#include <cstring>

#include "unzip/run.h"

namespace UNZIP {

bool ARCHIVE::Open(const char* name) {
  Close();
  file_ = OSYS::File::Open(name, OSYS::File::Access::Read);
  if (file_ == nullptr) return false;
  size_ = OSYS::File::Size(file_);
  if (size_ < 0) {
    Close();
    return false;
  }
  buffer_start_ = 0;
  length_ = at_ = 0;
  file_position_ = -1;
  return true;
}

int ARCHIVE::ReadFile(int64_t position, uint8_t* dst, size_t n) {
  if (position != file_position_) {
    file_position_ = OSYS::File::Seek(file_, position, OSYS::File::Origin::Begin);
    if (file_position_ != position) {
      file_position_ = -1;
      return -1;
    }
  }
  int got = OSYS::File::Read(file_, dst, static_cast<int>(n));
  if (got < 0) {
    file_position_ = -1;
    return -1;
  }
  file_position_ += got;
  return got;
}

void ARCHIVE::Close() {
  if (file_ != nullptr) OSYS::File::Close(file_);
  file_ = nullptr;
}

bool ARCHIVE::Seek(int64_t position) {
  if (position < 0) return false;  // as with a file, a position past the end reads nothing
  if (position >= buffer_start_ && position <= buffer_start_ + static_cast<int64_t>(length_)) {
    at_ = static_cast<size_t>(position - buffer_start_);
    return true;
  }
  buffer_start_ = position;
  length_ = at_ = 0;
  return true;
}

bool ARCHIVE::Fill() {
  buffer_start_ += static_cast<int64_t>(length_);
  length_ = at_ = 0;
  int got = ReadFile(buffer_start_, buffer_, MEMBERINPUT::kBufferSize);
  if (got <= 0) return false;
  length_ = static_cast<size_t>(got);
  return true;
}

size_t ARCHIVE::Read(void* dst, size_t n) {
  uint8_t* out = static_cast<uint8_t*>(dst);
  size_t done = 0;
  while (done < n) {
    if (at_ == length_ && !Fill()) break;
    size_t piece = length_ - at_;
    if (piece > n - done) piece = n - done;
    std::memcpy(out + done, buffer_ + at_, piece);
    at_ += piece;
    done += piece;
  }
  return done;
}

size_t ARCHIVE::ReadInto(uint8_t* dst, size_t n) {
  const int64_t position = Tell();
  size_t done = length_ - at_;
  if (done > n) done = n;
  std::memmove(dst, buffer_ + at_, done);
  buffer_start_ = position + static_cast<int64_t>(done);
  length_ = at_ = 0;
  if (done < n) {
    int got = ReadFile(buffer_start_, dst + done, n - done);
    if (got > 0) {
      done += static_cast<size_t>(got);
      buffer_start_ += got;
    }
  }
  return done;
}

bool ARCHIVE::ReadAt(int64_t position, uint8_t* dst, size_t n) {
  if (position < 0) return false;
  // The buffer no longer matches the reading position.
  buffer_start_ = position + static_cast<int64_t>(n);
  length_ = at_ = 0;
  size_t done = 0;
  while (done < n) {
    int got = ReadFile(position + static_cast<int64_t>(done), dst + done, n - done);
    if (got <= 0) return false;
    done += static_cast<size_t>(got);
  }
  return true;
}

}  // namespace UNZIP
