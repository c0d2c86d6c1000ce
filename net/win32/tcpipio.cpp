// TCPIPIO: construction and end of the device, its status keys and the
// count of waiting bytes.
#include <winsock2.h>

#include <cstdio>
#include <cstring>

#include "foundation/log.h"
#include "net/tcperror.h"
#include "net/tcpipio.h"
#include "osys/osys.h"

namespace {

constexpr unsigned CountTrace = 0x207;

}  // namespace

TCPIPIO::TCPIPIO(const char* ourId, const char* callType, const char* holdOnError)
    : BASEIO(ourId, callType, holdOnError, true),
      SocketsStarted(false),
      Socket(TCPIP_NOSOCKET_HANDLE),
      PeerName(),
      HostName(),
      InSocket(TCPIP_NOSOCKET_HANDLE),
      CallInSocket(TCPIP_NOSOCKET_HANDLE),
      AcceptIdle(false),
      ReadIdle(false),
      WriteIdle(false),
      ResolvePeerNames(0),
      ConnectTimeout(-1),
      ReadAhead(),
      ReadAheadCount(0),
      ReadAheadPos(0),
      LastActivity(0) {
  WSADATA data;
  SocketsStarted = WSAStartup(MAKEWORD(1, 1), &data) == 0;
  if (SocketsStarted) {
    std::memset(ReadAhead, 0, sizeof ReadAhead);
    if (gethostname(HostName, sizeof HostName) != 0) HostName[0] = 0;
    HostName[sizeof HostName - 1] = 0;
  }
  SetPeerName("<unknown>");
  AcceptIdle.Set();
  ReadIdle.Set();
  WriteIdle.Set();
  StartEvent.Set();
}

TCPIPIO::~TCPIPIO() {
  if (IsOnline()) DropCall();
  if (InSocket != TCPIP_NOSOCKET_HANDLE) {
    ReleaseInSocket(InSocket, true);
    InSocket = TCPIP_NOSOCKET_HANDLE;
  }
  ReportAssertion(!IsOnline(), "!(int)this->GetInfo(\"ONLINE\")", __FILE__, __LINE__, nullptr, 0);
  AcceptIdle.Wait(SEM_INDEFINITE_WAIT);
  ReadIdle.Wait(SEM_INDEFINITE_WAIT);
  WriteIdle.Wait(SEM_INDEFINITE_WAIT);
  KillDaemon();
  if (SocketsStarted) WSACleanup();
}

bool TCPIPIO::IsOnline() const { return Socket.load() != TCPIP_NOSOCKET_HANDLE; }

void TCPIPIO::SetPeerName(const char* text) { std::snprintf(PeerName, sizeof PeerName, "%s", text); }

bool TCPIPIO::DevIsReady() { return SocketsStarted; }

int TCPIPIO::DevGetNumAvail() {
  int held = ReadAheadCount - ReadAheadPos;
  if (held > 0) return held;
  SOCKET s = Socket.load();
  if (s == INVALID_SOCKET) return 0;
  u_long waiting = 0;
  if (ioctlsocket(s, FIONREAD, &waiting) != 0) {
    LastError = TCPIP_IOCTLFAILED;
    waiting = 0;
  }
  LogPrintfLevel(CountTrace, "TCPIPIO::DevGetNumAvail %d\n", static_cast<int>(waiting));
  return static_cast<int>(waiting);
}

STRING TCPIPIO::GetInfo(const char* key) {
  STRING k(NullGuard(key, "GetInfo"));
  k.ToUpper();
  STRING value("");
  if (k == "OWNID") {
    value = HostName;
  } else if (k == "CALLERID") {
    value = PeerName;
  } else if (k == "DEVICENAME") {
    value = "TCPIP";
  } else if (k == "ONLINE") {
    value = IsOnline() ? "1" : "0";
  } else if (k == "BANDWIDTH") {
    value = "128000";
  } else if (k == "IDLE_TIME") {
    value.Format("%lu", static_cast<unsigned long>(OSYS::Seconds() - LastActivity));
  } else if (k == "LASTERROR") {
    value.Format("%d", LastError);
  } else if (k == "LASTERRORSTRING") {
    value = TcpErrorText(LastError);
  } else if (k == "LASTERRORCLASS") {
    value.Format("%d", TcpErrorClass(LastError));
  } else {
    ReportAssertion(0, "FALSE", __FILE__, __LINE__, ("*" || k || "*").Buffer, 0);
  }
  return value;
}
