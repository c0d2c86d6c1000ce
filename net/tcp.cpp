// TCP::ReadLine and TCP::WriteCmd.
#include "net/tcp.h"

#include <cstring>

#include "foundation/log.h"
#include "foundation/str.h"
#include "net/baseio.h"

namespace {

// The command as the trace shows it: a password after "PASS " or after
// "LOGIN " of an IMAP login becomes "******".
STRING MaskedForTrace(const char* command) {
  STRING copy(command);
  int at = -1;
  int keyword = 0;
  if (copy.iFind("PASS ", &at)) {
    keyword = 5;
  } else if (copy.iFind("IMAP") && copy.iFind("LOGIN", &at)) {
    keyword = 6;
  }
  if (keyword > 0) {
    int cut = at + keyword;
    copy.Truncate(cut < copy.StrLen ? cut : copy.StrLen);
    copy.Append("******");
  }
  return copy;
}

}  // namespace

namespace TCP {

bool ReadLine(BASEIO* device, char* buffer, int size, int timeout) {
  if (size <= 0) return false;
  std::memset(buffer, 0, static_cast<std::size_t>(size));
  int length = size - 1;
  if (!device->Read(buffer, &length, timeout, "\n") || length <= 0) {
    buffer[0] = 0;
    return false;
  }
  if (buffer[length - 1] == '\n') --length;
  buffer[length] = 0;
  int kept = 0;
  for (int i = 0; i < length; ++i)
    if (buffer[i] != '\r') buffer[kept++] = buffer[i];
  std::memset(buffer + kept, 0, static_cast<std::size_t>(length - kept));
  return true;
}

bool WriteCmd(BASEIO* device, const char* command, char* reply, int size, int timeout) {
  STRING line(NullGuard(command, "WriteCmd"));
  line.Append("\r\n", 2);
  LogPrintf("TCP::WriteCmd %s\n", MaskedForTrace(line.Left(line.StrLen - 2).Buffer).Buffer);
  device->Write(line.Buffer, -1);
  if (reply == nullptr || timeout == 0) return true;
  bool ok = ReadLine(device, reply, size, timeout);
  LogPrintf("TCP::WriteCmd returned %s\n", reply);
  return ok;
}

}  // namespace TCP
