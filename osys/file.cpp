// The file layer: the platform half behind a counter that tests use to make
// the nth call fail.
#include "osys/file.h"

#include <atomic>

#include "osys/file_native.h"
#include "osys/platform.h"

namespace OSYS::File {

namespace {

std::atomic<int> CallsUntilFailure{0};
std::atomic<unsigned> InjectedError{0};

// True when this call is the one the seam makes fail.
bool InjectedFailure() {
  if (CallsUntilFailure.load() <= 0) return false;
  if (CallsUntilFailure.fetch_sub(1) != 1) return false;
  Platform::SetLastErrorCode(InjectedError.load());
  return true;
}

}  // namespace

void FailNthCall(int n, unsigned code) {
  InjectedError = code;
  CallsUntilFailure = n;
}

Handle Open(const char* name, Access access, Share share, unsigned flags) {
  if (name == nullptr || *name == 0) {
    Platform::SetLastErrorCode(ErrorInvalidName);
    return nullptr;
  }
  if (InjectedFailure()) return nullptr;
  return FileNative::Open(name, access, share, flags);
}

int Read(Handle file, void* buffer, int count) {
  if (file == nullptr || count < 0) {
    Platform::SetLastErrorCode(file == nullptr ? ErrorInvalidHandle : ErrorInvalidParameter);
    return -1;
  }
  if (InjectedFailure()) return -1;
  return FileNative::Read(file, buffer, count);
}

bool Write(Handle file, const void* buffer, int count) {
  if (file == nullptr || count < 0) {
    Platform::SetLastErrorCode(file == nullptr ? ErrorInvalidHandle : ErrorInvalidParameter);
    return false;
  }
  if (InjectedFailure()) return false;
  return count == 0 || FileNative::Write(file, buffer, count);
}

std::int64_t Seek(Handle file, std::int64_t offset, Origin origin) {
  if (file == nullptr) {
    Platform::SetLastErrorCode(ErrorInvalidHandle);
    return -1;
  }
  return FileNative::Seek(file, offset, origin);
}

std::int64_t Tell(Handle file) { return Seek(file, 0, Origin::Current); }

std::int64_t Size(Handle file) {
  if (file == nullptr) {
    Platform::SetLastErrorCode(ErrorInvalidHandle);
    return -1;
  }
  return FileNative::Size(file);
}

bool Close(Handle file) { return file == nullptr || FileNative::Close(file); }

bool MakeDirectory(const char* name) { return name != nullptr && FileNative::MakeDirectory(name); }
bool Remove(const char* name) { return name != nullptr && FileNative::Remove(name); }

std::uint32_t GetAttributes(const char* name) {
  return name == nullptr ? AttrInvalid : FileNative::GetAttributes(name);
}

bool SetAttributes(const char* name, std::uint32_t attributes) {
  return name != nullptr && FileNative::SetAttributes(name, attributes);
}

bool SetModificationTime(const char* name, const LOCALTIME& time) {
  return name != nullptr && FileNative::SetModificationTime(name, time);
}

bool Exists(const char* name) { return GetAttributes(name) != AttrInvalid; }

bool IsDirectory(const char* name) {
  std::uint32_t attributes = GetAttributes(name);
  return attributes != AttrInvalid && (attributes & AttrDirectory) != 0;
}

bool Status(const char* name, STATUS* status) {
  return name != nullptr && status != nullptr && FileNative::Status(name, status);
}

}  // namespace OSYS::File
