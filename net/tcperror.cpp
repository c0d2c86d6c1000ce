// The error table of the TCP/IP device.
#include "net/tcperror.h"

namespace {

struct TCPERROR {
  int Code;
  const char* Text;
  int Class;
};

// In the order the table is searched.
constexpr TCPERROR Errors[] = {
    {TCPIP_NORESPONSE, "No response", 400},
    {TCPIP_NOSOCKET, "No TCP/IP socket or service", 500},
    {TCPIP_HOSTNOTFOUND, "Host not found", 500},
    {TCPIP_DISCONNECTED, "Remote disconnected", 500},
    {TCPIP_IOCTLFAILED, "Error Ioctl failed", 500},
    {TCPIP_LISTENFAILED, "Listen failed", 500},
    {TCPIP_BINDFAILED, "Bind failed", 500},
    {TCPIP_ACCEPTFAILED, "Accept failed", 500},
    {TCPIP_RECVFAILED, "Recv failed", 500},
    {TCPIP_NOERROR, "No Error", 200},
};

const TCPERROR* Find(int code) {
  for (const TCPERROR& e : Errors)
    if (e.Code == code) return &e;
  return nullptr;
}

}  // namespace

STRING TcpErrorText(int code) {
  const TCPERROR* e = Find(code);
  STRING text;
  if (e != nullptr)
    text = e->Text;
  else
    text.Format("%d", code);
  return text;
}

int TcpErrorClass(int code) {
  const TCPERROR* e = Find(code);
  return e != nullptr ? e->Class : 599;
}
