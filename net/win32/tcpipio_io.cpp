// TCPIPIO::DevRead and TCPIPIO::DevWrite: receiving through the read-ahead
// buffer on the reader thread, and sending on the owner's thread.
#include <winsock2.h>

#include <cstdio>

#include "foundation/dynarray.h"
#include "foundation/log.h"
#include "net/tcperror.h"
#include "net/tcpipio.h"
#include "osys/osys.h"

namespace {

constexpr unsigned WriteTrace = 0x202;
constexpr unsigned ReadTrace = 0x203;
constexpr unsigned DumpTrace = 0x207;
constexpr unsigned ByteTrace = 0x208;
constexpr int DumpBytesPerLine = 16;

// A head line with the direction, then the bytes as hex, 16 a line; nothing
// is formatted when the level is off.
void HexDump(const char* direction, const char* bytes, int length) {
  if (!LogPrintfLevel(DumpTrace, "TCPIPIO::%s : \n", direction)) return;
  for (int at = 0; at < length; at += DumpBytesPerLine) {
    char line[DumpBytesPerLine * 3 + 1];
    int used = 0;
    for (int i = at; i < length && i < at + DumpBytesPerLine; ++i)
      used += std::snprintf(line + used, sizeof line - static_cast<std::size_t>(used), "%02x ",
                            static_cast<unsigned char>(bytes[i]));
    line[used] = 0;
    LogPrintfLevel(DumpTrace, "    %s\n", line);
  }
}

}  // namespace

int TCPIPIO::HandOut(char* buffer, int n, bool offline) {
  int given = 0;
  while (given < n && ReadAheadPos < ReadAheadCount) {
    char byte = ReadAhead[ReadAheadPos++];
    buffer[given++] = byte;
    LogPrintfLevel(ByteTrace,
                   offline ? "TCPIPIO::DevRead from readahead (offline) %d\n" : "TCPIPIO::DevRead from readahead %d\n",
                   static_cast<unsigned char>(byte));
  }
  return given;
}

bool TCPIPIO::DevRead(char* buffer, int* length) {
  const int n = *length;
  LogPrintfLevel(ReadTrace, "TCPIPIO::DevRead %d\n", n);
  ReadIdle.Reset();
  int given = 0;
  bool ok = true;
  if (!IsOnline()) {
    // What arrived before the peer went is still handed out.
    given = HandOut(buffer, n, true);
    ok = given > 0;
  } else {
    for (;;) {
      given += HandOut(buffer + given, n - given, false);
      if (given >= n) break;
      int waiting = DevGetNumAvail();
      if (waiting <= 0 && given > 0) break;
      int amount = waiting == 0 ? 1 : (waiting < 0 || waiting > TCPIP_READAHEADSIZE ? TCPIP_READAHEADSIZE : waiting);
      LogPrintfLevel(DumpTrace, "TCPIPIO::DevRead will recv, len= %d\n", amount);
      SOCKET s = Socket.load();
      int rc = recv(s, ReadAhead, amount, 0);
      if (rc > 0) {
        ReadAheadCount = rc;
        ReadAheadPos = 0;
        HexDump("RECV", ReadAhead, rc);
        continue;
      }
      if (rc == 0) {
        LogPrintf("TCPIPIO::DevRead read disconnect rc=%d, lasterror= %d\n", rc, WSAGetLastError());
        EndCall(s, TCPIP_DISCONNECTED);
        break;
      }
      LogPrintf("TCPIPIO::DevRead read error rc=%d, lasterror= %d\n", rc, WSAGetLastError());
      if (StrAtoi(HoldOnError.Buffer) == 0) {
        EndCall(s, TCPIP_RECVFAILED);
      } else if (Socket.load() == s) {
        LastError = TCPIP_RECVFAILED;
      }
      // Bytes already taken from the read-ahead buffer are delivered.
      ok = given > 0;
      break;
    }
  }
  *length = given;
  LogPrintfLevel(ReadTrace, "TCPIPIO::DevRead done rc=%d *plen=%d\n", ok ? 1 : 0, given);
  if (ok) LastActivity = OSYS::Seconds();
  ReadIdle.Set();
  return ok;
}

bool TCPIPIO::DevWrite(const char* bytes, int length) {
  WriteIdle.Reset();
  LogPrintfLevel(WriteTrace, "TCPIPIO::DevWrite l=%d\n", length);
  bool ok = false;
  SOCKET s = Socket.load();
  if (s != INVALID_SOCKET) {
    int rc = send(s, bytes, length, 0);
    if (rc < 0) {
      LogPrintfLevel(WriteTrace, "TCPIPIO::DevWrite error rc=%d\n", rc);
      EndCall(s, LastError);
    } else {
      if (rc == 0) LogPrintfLevel(WriteTrace, "TCPIPIO::DevWrite send rc=%d\n", rc);
      HexDump("SEND", bytes, length);
      LastActivity = OSYS::Seconds();
      ok = true;
    }
  }
  WriteIdle.Set();
  LogPrintfLevel(WriteTrace, "TCPIPIO::DevWrite done rc= %d, l=%d\n", ok ? 1 : 0, length);
  return ok;
}
