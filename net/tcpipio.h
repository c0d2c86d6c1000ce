// TCPIPIO: the communication device for TCP connections over Windows
// Sockets 1.1 (product build).
//
// MakeCall resolves "host:port" (or "host port"; the port may be a service
// name, 23 when missing) and connects with a time-out, polling once a
// second. The reader thread of the base receives through ReadAhead: up to
// 8192 bytes per recv, handed out to the receive queue in one packet. The
// device is online exactly while Socket is set; a peer that closes, a
// failed receive (unless HoldOnError reads non-zero) and a failed send drop
// the call. Bytes received before the peer closed are still handed out.
//
// The listening side (AcceptCall) listens on the port OurId names - a
// decimal port, optionally followed by a local address in brackets - through
// InSockets, one table of listening sockets for the whole process.
#pragma once

#include <atomic>
#include <cstdint>

#include "foundation/str.h"
#include "net/baseio.h"
#include "osys/sync.h"

struct hostent;

// The value of a socket handle that is none (INVALID_SOCKET).
constexpr std::uintptr_t TCPIP_NOSOCKET_HANDLE = ~static_cast<std::uintptr_t>(0);
constexpr int TCPIP_NAMESIZE = 256;
constexpr int TCPIP_READAHEADSIZE = 8192;
// MakeCall's time limit when ConnectTimeout is -1.
constexpr int TCPIP_DEFAULTCONNECTTIMEOUT = 60000;

class TCPIPIO : public BASEIO {
 public:
  TCPIPIO(const char* ourId, const char* callType, const char* holdOnError);
  ~TCPIPIO() override;

  bool DevRead(char* buffer, int* length) override;
  bool DevWrite(const char* bytes, int length) override;
  int DevGetNumAvail() override;
  bool DevIsReady() override;
  bool MakeCall(const char* destination) override;
  bool AcceptCall() override;
  bool DropCall() override;
  // "OWNID", "CALLERID", "DEVICENAME", "ONLINE", "BANDWIDTH", "IDLE_TIME",
  // "LASTERROR", "LASTERRORSTRING", "LASTERRORCLASS"; any other key gives an
  // empty text and the report "FALSE".
  STRING GetInfo(const char* key) override;

  // Splits destination into host and port text (blanks, "*" and ":" in
  // front are skipped; the port follows the first blank, else the first
  // ":"; "23" without one) and resolves the host: a dotted address without
  // letters by inet_addr (its reverse lookup unless noReverse; "<unnamed>"
  // when there is none), a name by gethostbyname. The entry is a copy in the
  // process-wide resolver table, valid for the next 127 resolutions; null
  // when a name did not resolve. Each out parameter may be null; address is
  // in network byte order.
  static hostent* Resolv(const char* destination, STRING* port, STRING* host, std::uint32_t* address, bool noReverse);

  // The port of a port text: its decimal value when it starts with a digit,
  // else the port of the tcp service of that name, 0 when there is none.
  static int PortOf(const char* portText);

  struct INSOCKET {
    int UseCount;  // 0: free
    std::uintptr_t Socket;
    int Port;
  };
  static constexpr int INSOCKETCOUNT = 16;
  static INSOCKET InSockets[INSOCKETCOUNT];

  bool SocketsStarted;
  // Set by the owner; cleared under CallLock by the owner or by the reader
  // thread when the peer goes, and closed by whoever cleared it.
  std::atomic<std::uintptr_t> Socket;
  char PeerName[TCPIP_NAMESIZE];
  char HostName[TCPIP_NAMESIZE];
  std::uintptr_t InSocket;
  std::uintptr_t CallInSocket;
  EVENTSEM AcceptIdle;
  EVENTSEM ReadIdle;
  EVENTSEM WriteIdle;
  int ResolvePeerNames;
  int ConnectTimeout;  // ms; -1: 60000
  char ReadAhead[TCPIP_READAHEADSIZE];
  int ReadAheadCount;
  int ReadAheadPos;
  std::int64_t LastActivity;  // seconds since 1970

 private:
  // Serialises the end of a call between the owner and the reader thread.
  CRITSECT CallLock;
  bool IsOnline() const;
  // Closes the connection if it is still the socket given (any socket for
  // TCPIP_NOSOCKET_HANDLE) and records reason as the last error; false when
  // it was closed already. A call the owner dropped therefore keeps "No
  // Error" even though the reader thread's receive then fails, and a lost
  // connection has its reason set before the device reads offline.
  bool EndCall(std::uintptr_t expected, int reason);
  void SetPeerName(const char* text);
  // Bytes from ReadAhead into buffer, at most n; the count handed out.
  int HandOut(char* buffer, int n, bool offline);
  std::uintptr_t MakeAcceptSocket();
  static void ReleaseInSocket(std::uintptr_t socket, bool force);
};
