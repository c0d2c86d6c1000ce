// The error codes of the TCP/IP device, with the texts and classes that its
// status keys "LASTERRORSTRING" and "LASTERRORCLASS" report.
#pragma once

#include "foundation/str.h"

constexpr int TCPIP_NOERROR = 0;
constexpr int TCPIP_NORESPONSE = 4096;     // not connected within the time limit, or refused
constexpr int TCPIP_NOSOCKET = 4097;       // no socket, or the service has no port
constexpr int TCPIP_HOSTNOTFOUND = 4098;
constexpr int TCPIP_DISCONNECTED = 4099;   // the peer closed the connection
constexpr int TCPIP_RECVFAILED = 4100;
constexpr int TCPIP_IOCTLFAILED = 4101;    // counting the waiting bytes failed
constexpr int TCPIP_LISTENFAILED = 4102;
constexpr int TCPIP_ACCEPTFAILED = 4103;
constexpr int TCPIP_BINDFAILED = 4104;

// The text of a code ("Host not found"); a code outside the table gives its
// decimal digits.
STRING TcpErrorText(int code);
// The class of a code (200 none, 400 try again, 500 failed); 599 outside
// the table.
int TcpErrorClass(int code);
