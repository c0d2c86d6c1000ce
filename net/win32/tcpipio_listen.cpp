// The listening side of TCPIPIO: the process-wide table of listening
// sockets and TCPIPIO::AcceptCall.
#include <winsock2.h>

#include <cstdio>

#include "foundation/dynarray.h"
#include "foundation/log.h"
#include "net/tcperror.h"
#include "net/tcpipio.h"
#include "osys/osys.h"

TCPIPIO::INSOCKET TCPIPIO::InSockets[TCPIPIO::INSOCKETCOUNT] = {
    {0, TCPIP_NOSOCKET_HANDLE, -1}, {0, TCPIP_NOSOCKET_HANDLE, -1}, {0, TCPIP_NOSOCKET_HANDLE, -1},
    {0, TCPIP_NOSOCKET_HANDLE, -1}, {0, TCPIP_NOSOCKET_HANDLE, -1}, {0, TCPIP_NOSOCKET_HANDLE, -1},
    {0, TCPIP_NOSOCKET_HANDLE, -1}, {0, TCPIP_NOSOCKET_HANDLE, -1}, {0, TCPIP_NOSOCKET_HANDLE, -1},
    {0, TCPIP_NOSOCKET_HANDLE, -1}, {0, TCPIP_NOSOCKET_HANDLE, -1}, {0, TCPIP_NOSOCKET_HANDLE, -1},
    {0, TCPIP_NOSOCKET_HANDLE, -1}, {0, TCPIP_NOSOCKET_HANDLE, -1}, {0, TCPIP_NOSOCKET_HANDLE, -1},
    {0, TCPIP_NOSOCKET_HANDLE, -1},
};

namespace {

// The local address in brackets after the port of OurId, or an empty text.
STRING BracketedAddress(const STRING& ourId) {
  int open = ourId.Pos("[");
  if (open < 0) return STRING("");
  int close = ourId.Pos("]", open);
  return ourId.Mid(open + 1, close < 0 ? -1 : close - open - 1);
}

}  // namespace

// The listening socket for the port OurId names: the registered one, or a
// new one bound, listening and registered. After a failed bind or listen
// the socket is returned unregistered, with the error set.
std::uintptr_t TCPIPIO::MakeAcceptSocket() {
  const int port = StrAtoi(OurId.Buffer);
  for (INSOCKET& entry : InSockets) {
    if (entry.UseCount > 0 && entry.Port == port) {
      ++entry.UseCount;
      return entry.Socket;
    }
  }
  SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
  if (s == INVALID_SOCKET) return TCPIP_NOSOCKET_HANDLE;
  std::uint32_t address = htonl(INADDR_ANY);
  STRING bracketed = BracketedAddress(OurId);
  if (bracketed.StrLen > 0) {
    hostent* entry = Resolv(bracketed.Buffer, nullptr, nullptr, &address, true);
    if (entry == nullptr) entry = Resolv("*", nullptr, nullptr, &address, true);
    ReportAssertion(entry != nullptr, "hnm", __FILE__, __LINE__, nullptr, 0);
  }
  LogPrintf("TCPIPIO::MakeAcceptSocket bind to %08x %s %d\n", static_cast<unsigned>(ntohl(address)), bracketed.Buffer, port);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = htons(static_cast<u_short>(port));
  local.sin_addr.s_addr = address;
  if (bind(s, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
    LastError = TCPIP_BINDFAILED;
    return s;
  }
  if (listen(s, 0) != 0) {
    LastError = TCPIP_LISTENFAILED;
    return s;
  }
  for (INSOCKET& entry : InSockets) {
    if (entry.UseCount == 0) {
      entry = {1, s, port};
      return s;
    }
  }
  ReportAssertion(0, "i<ARRAYMAX(TCPIPIO::InSockets)", __FILE__, __LINE__, nullptr, 0);
  return s;
}

// One user fewer of a listening socket; the last one (or force) closes it.
// A socket that never got into the table is closed when forced.
void TCPIPIO::ReleaseInSocket(std::uintptr_t socket, bool force) {
  for (INSOCKET& entry : InSockets) {
    if (entry.UseCount > 0 && entry.Socket == socket) {
      if (--entry.UseCount <= 0 || force) {
        closesocket(socket);
        entry = {0, TCPIP_NOSOCKET_HANDLE, -1};
      }
      return;
    }
  }
  if (force && socket != TCPIP_NOSOCKET_HANDLE) closesocket(socket);
}

bool TCPIPIO::AcceptCall() {
  LogPrintf("TCPIPIO::AcceptCall\n");
  ReportAssertion(!IsOnline(), "!(int)this->GetInfo(\"ONLINE\")", __FILE__, __LINE__, nullptr, 0);
  AcceptIdle.Reset();
  ReportAssertion(InSocket == TCPIP_NOSOCKET_HANDLE, "TCPIPIO::InSocket==-1", __FILE__, __LINE__, nullptr, 0);
  InSocket = MakeAcceptSocket();
  bool ok = false;
  sockaddr_in peer{};
  int peerLength = sizeof peer;
  SOCKET s = accept(InSocket, reinterpret_cast<sockaddr*>(&peer), &peerLength);
  if (s == INVALID_SOCKET) {
    LastError = TCPIP_ACCEPTFAILED;
    LogPrintf("TCPIPIO::AcceptCall error\n");
  } else {
    LogPrintf("TCPIPIO::AcceptCall accepted ok\n");
    CallInSocket = InSocket;
    LastError = TCPIP_NOERROR;
    InSocket = TCPIP_NOSOCKET_HANDLE;
    peerLength = sizeof peer;
    getpeername(s, reinterpret_cast<sockaddr*>(&peer), &peerLength);
    LogPrintf("TCPIPIO::AcceptCall accepted 2\n");
    hostent* name = ResolvePeerNames ? gethostbyaddr(reinterpret_cast<const char*>(&peer.sin_addr), 4, AF_INET) : nullptr;
    if (name != nullptr)
      std::snprintf(PeerName, sizeof PeerName, "%s (%s)", name->h_name, inet_ntoa(peer.sin_addr));
    else
      std::snprintf(PeerName, sizeof PeerName, "%s", inet_ntoa(peer.sin_addr));
    LastActivity = OSYS::Seconds();
    // Bytes left over from an earlier call are not this peer's.
    ReadAheadCount = 0;
    ReadAheadPos = 0;
    Socket = s;
    LogPrintf("TCPIPIO::AcceptCall accepted 3\n");
    ok = true;
  }
  AcceptIdle.Set();
  LogPrintf("TCPIPIO::~AcceptCall\n");
  return ok;
}
