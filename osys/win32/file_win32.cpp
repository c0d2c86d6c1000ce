// The file layer over the Win32 file API.
#include <windows.h>

#include <new>

#include "osys/file_native.h"

namespace OSYS::File {
struct OBJECT {
  HANDLE Handle;
};
}  // namespace OSYS::File

namespace OSYS::FileNative {

namespace {

DWORD ShareMode(File::Share share) {
  switch (share) {
    case File::Share::None: return 0;
    case File::Share::Read: return FILE_SHARE_READ;
    case File::Share::ReadWrite: return FILE_SHARE_READ | FILE_SHARE_WRITE;
  }
  return 0;
}

// Seconds since 1970 of a file time.
std::int64_t UnixSeconds(const FILETIME& time) {
  ULARGE_INTEGER ticks{{time.dwLowDateTime, time.dwHighDateTime}};
  return static_cast<std::int64_t>(ticks.QuadPart / 10000000ULL) - 11644473600LL;
}

}  // namespace

File::Handle Open(const char* name, File::Access access, File::Share share, unsigned flags) {
  DWORD desired = access == File::Access::Read ? GENERIC_READ : GENERIC_WRITE;
  DWORD disposition = access == File::Access::Read    ? OPEN_EXISTING
                      : access == File::Access::Write ? CREATE_ALWAYS
                                                      : OPEN_ALWAYS;
  DWORD attributes = FILE_ATTRIBUTE_NORMAL;
  if (flags & File::WriteThrough) attributes |= FILE_FLAG_WRITE_THROUGH;
  HANDLE h = ::CreateFileA(name, desired, ShareMode(share), nullptr, disposition, attributes, nullptr);
  if (h == INVALID_HANDLE_VALUE) return nullptr;
  if (access == File::Access::Append) {
    LARGE_INTEGER zero{};
    ::SetFilePointerEx(h, zero, nullptr, FILE_END);
  }
  auto* file = new (std::nothrow) File::OBJECT{h};
  if (file == nullptr) {
    ::CloseHandle(h);
    ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  }
  return file;
}

int Read(File::Handle file, void* buffer, int count) {
  DWORD done = 0;
  if (!::ReadFile(file->Handle, buffer, static_cast<DWORD>(count), &done, nullptr)) return -1;
  return static_cast<int>(done);
}

bool Write(File::Handle file, const void* buffer, int count) {
  DWORD done = 0;
  if (!::WriteFile(file->Handle, buffer, static_cast<DWORD>(count), &done, nullptr)) return false;
  if (done != static_cast<DWORD>(count)) {
    ::SetLastError(ERROR_DISK_FULL);
    return false;
  }
  return true;
}

std::int64_t Seek(File::Handle file, std::int64_t offset, File::Origin origin) {
  DWORD method = origin == File::Origin::Begin     ? FILE_BEGIN
                 : origin == File::Origin::Current ? FILE_CURRENT
                                                   : FILE_END;
  LARGE_INTEGER distance;
  distance.QuadPart = offset;
  LARGE_INTEGER position{};
  if (!::SetFilePointerEx(file->Handle, distance, &position, method)) return -1;
  return position.QuadPart;
}

std::int64_t Size(File::Handle file) {
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file->Handle, &size)) return -1;
  return size.QuadPart;
}

bool Close(File::Handle file) {
  bool ok = ::CloseHandle(file->Handle) != 0;
  delete file;
  return ok;
}

bool MakeDirectory(const char* name) { return ::CreateDirectoryA(name, nullptr) != 0; }
bool Remove(const char* name) { return ::DeleteFileA(name) != 0; }

std::uint32_t GetAttributes(const char* name) { return ::GetFileAttributesA(name); }

bool SetAttributes(const char* name, std::uint32_t attributes) {
  return ::SetFileAttributesA(name, attributes) != 0;
}

bool SetModificationTime(const char* name, const LOCALTIME& time) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(time.Year);
  st.wMonth = static_cast<WORD>(time.Month);
  st.wDay = static_cast<WORD>(time.Day);
  st.wHour = static_cast<WORD>(time.Hour);
  st.wMinute = static_cast<WORD>(time.Minute);
  st.wSecond = static_cast<WORD>(time.Second);
  st.wMilliseconds = static_cast<WORD>(time.Milliseconds);
  FILETIME local, utc;
  if (!::SystemTimeToFileTime(&st, &local) || !::LocalFileTimeToFileTime(&local, &utc)) {
    ::SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  HANDLE h = ::CreateFileA(name, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  bool ok = ::SetFileTime(h, nullptr, nullptr, &utc) != 0;
  DWORD error = ::GetLastError();
  ::CloseHandle(h);
  if (!ok) ::SetLastError(error);
  return ok;
}

bool Status(const char* name, File::STATUS* status) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExA(name, GetFileExInfoStandard, &data)) return false;
  status->Size = (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  status->Modified = UnixSeconds(data.ftLastWriteTime);
  status->Attributes = data.dwFileAttributes;
  return true;
}

}  // namespace OSYS::FileNative
