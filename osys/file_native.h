// The platform halves of the file layer (osys/file.h); osys/file.cpp puts the
// test seam in front of them.
#pragma once

#include "osys/file.h"

namespace OSYS::FileNative {

File::Handle Open(const char* name, File::Access access, File::Share share, unsigned flags);
int Read(File::Handle file, void* buffer, int count);
bool Write(File::Handle file, const void* buffer, int count);
std::int64_t Seek(File::Handle file, std::int64_t offset, File::Origin origin);
std::int64_t Size(File::Handle file);
bool Close(File::Handle file);
bool MakeDirectory(const char* name);
bool Remove(const char* name);
std::uint32_t GetAttributes(const char* name);
bool SetAttributes(const char* name, std::uint32_t attributes);
bool SetModificationTime(const char* name, const LOCALTIME& time);
bool Status(const char* name, File::STATUS* status);

}  // namespace OSYS::FileNative
