// TCPIPIO::MakeCall and TCPIPIO::DropCall: placing a call with a
// non-blocking connect polled once a second, and ending it.
#include <winsock2.h>

#include <cstdio>
#include <cstring>

#include "foundation/log.h"
#include "net/tcperror.h"
#include "net/tcpipio.h"
#include "osys/osys.h"

namespace {

constexpr int PollMs = 1000;

unsigned PointerText(const void* p) { return static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(p)); }

void SetBlocking(SOCKET s, bool blocking) {
  u_long nonBlocking = blocking ? 0 : 1;
  ioctlsocket(s, FIONBIO, &nonBlocking);
}

// Polls the connect in progress until select reports the socket or the
// limit is reached; true when it became writable (connected).
bool AwaitConnect(SOCKET s, int limit) {
  int elapsed = 0;
  int rc = 0;
  fd_set writable, failed;
  for (;;) {
    FD_ZERO(&writable);
    FD_SET(s, &writable);
    FD_ZERO(&failed);
    FD_SET(s, &failed);
    timeval timeout{PollMs / 1000, 0};
    LogPrintf("TCPIPIO::MakeCall before select timout= %d, %d\n", static_cast<int>(timeout.tv_sec),
              static_cast<int>(timeout.tv_usec));
    rc = select(0, nullptr, &writable, &failed, &timeout);
    LogPrintf("TCPIPIO::MakeCall after select fds= %d, %d\n", FD_ISSET(s, &writable) ? 1 : 0, FD_ISSET(s, &failed) ? 1 : 0);
    elapsed += PollMs;
    if (elapsed >= limit) {
      LogPrintf("TCPIPIO::MakeCall timed out\n");
      break;
    }
    if (rc != 0) break;
  }
  if (rc == SOCKET_ERROR) {
    char info[64];
    std::snprintf(info, sizeof info, "WSAGetLastError=%d", WSAGetLastError());
    ReportAssertion(0, "rc!=SOCKET_ERROR", __FILE__, __LINE__, info, 1);
  }
  return rc > 0 && FD_ISSET(s, &writable);
}

}  // namespace

bool TCPIPIO::MakeCall(const char* destination) {
  LogPrintf("TCPIPIO::MakeCall\n");
  ReportAssertion(!IsOnline(), "!(int)this->GetInfo(\"ONLINE\")", __FILE__, __LINE__, nullptr, 0);
  ReportAssertion(!IsOnline(), "!(int)this->GetInfo(\"ONLINE\")", __FILE__, __LINE__, nullptr, 0);
  LogPrintf("TCPIPIO::MakeCall(%s)\n", NullGuard(destination, "MakeCall"));
  if (IsOnline()) return true;

  STRING port, host;
  hostent* entry = Resolv(destination, &port, &host, nullptr, false);
  SetPeerName(host.Buffer != nullptr ? host.Buffer : "");
  if (entry == nullptr) {
    LastError = TCPIP_HOSTNOTFOUND;
  } else {
    LogPrintf("TCPIPIO::MakeCall after resolv(): hnm= %08x\n", PointerText(entry));
    sockaddr_in address{};
    address.sin_family = static_cast<short>(entry->h_addrtype);
    std::memcpy(&address.sin_addr, entry->h_addr_list[0], sizeof address.sin_addr);
    address.sin_port = htons(static_cast<u_short>(PortOf(port.Buffer)));
    SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
    if (s == INVALID_SOCKET || address.sin_port == 0) {
      if (s != INVALID_SOCKET) closesocket(s);
      LastError = TCPIP_NOSOCKET;
    } else {
      LogPrintf("TCPIPIO::MakeCall after socket(): sock= %d\n", static_cast<int>(s));
      SetBlocking(s, false);
      connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address);
      bool connected = AwaitConnect(s, ConnectTimeout == -1 ? TCPIP_DEFAULTCONNECTTIMEOUT : ConnectTimeout);
      SetBlocking(s, true);
      if (connected) {
        LogPrintf("TCPIPIO::MakeCall after connect(): rc= %d\n", 0);
        ReadAheadCount = 0;
        ReadAheadPos = 0;
        std::snprintf(PeerName, sizeof PeerName, "%s (%s)", entry->h_name, inet_ntoa(address.sin_addr));
        CallInSocket = TCPIP_NOSOCKET_HANDLE;
        LastError = TCPIP_NOERROR;
        LastActivity = OSYS::Seconds();
        Socket = s;
      } else {
        // The device does not hold on to a socket whose connect failed.
        closesocket(s);
        LastError = TCPIP_NORESPONSE;
      }
    }
  }
  LogPrintf("TCPIPIO::~MakeCall last error = %d WSABASEERR+%d\n", LastError, WSAGetLastError() - WSABASEERR);
  return IsOnline();
}

bool TCPIPIO::EndCall(std::uintptr_t expected, int reason) {
  CRITSECTLOCK hold(&CallLock);
  LogPrintf("TCPIPIO::DropCall socket= %d\n", static_cast<int>(Socket.load()));
  SOCKET s = Socket.load();
  if (s == INVALID_SOCKET || (expected != TCPIP_NOSOCKET_HANDLE && s != expected)) return false;
  LastError = reason;
  Socket = TCPIP_NOSOCKET_HANDLE;
  shutdown(s, SD_BOTH);
  int rc = closesocket(s);
  LogPrintf("TCPIPIO::DropCall soclose(%d) done, rc= %d\n", static_cast<int>(s), rc);
  if (CallInSocket != TCPIP_NOSOCKET_HANDLE) {
    ReleaseInSocket(CallInSocket, false);
    CallInSocket = TCPIP_NOSOCKET_HANDLE;
  }
  SetPeerName("<unknown>");
  return true;
}

bool TCPIPIO::DropCall() {
  EndCall(TCPIP_NOSOCKET_HANDLE, TCPIP_NOERROR);
  LogPrintf("TCPIPIO::~DropCall\n");
  return !IsOnline();
}
