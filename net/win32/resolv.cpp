// TCPIPIO::Resolv and TCPIPIO::PortOf: host and service lookup, with the
// process-wide table of copied host entries.
#include <winsock2.h>

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/log.h"
#include "net/tcpipio.h"

namespace {

// One copied host entry: the hostent points into the strings it owns.
class RESOLVED {
 public:
  void CopyFrom(const hostent* source) {
    Name = source->h_name != nullptr ? source->h_name : "";
    Aliases.clear();
    for (char** a = source->h_aliases; a != nullptr && *a != nullptr; ++a) Aliases.emplace_back(*a);
    Addresses.clear();
    for (char** a = source->h_addr_list; a != nullptr && *a != nullptr; ++a)
      Addresses.emplace_back(*a, static_cast<std::size_t>(source->h_length));
    Finish(source->h_addrtype, source->h_length);
  }

  void Unnamed(std::uint32_t address) {
    Name = "<unnamed>";
    Aliases.clear();
    Addresses.assign(1, std::string(reinterpret_cast<const char*>(&address), sizeof address));
    Finish(AF_INET, sizeof address);
  }

  hostent* Entry() { return &Host; }

 private:
  void Finish(int type, int length) {
    AliasList.clear();
    for (std::string& a : Aliases) AliasList.push_back(a.data());
    AliasList.push_back(nullptr);
    AddressList.clear();
    for (std::string& a : Addresses) AddressList.push_back(a.data());
    AddressList.push_back(nullptr);
    Host.h_name = Name.data();
    Host.h_aliases = AliasList.data();
    Host.h_addrtype = static_cast<short>(type);
    Host.h_length = static_cast<short>(length);
    Host.h_addr_list = AddressList.data();
  }

  hostent Host{};
  std::string Name;
  std::vector<std::string> Aliases;
  std::vector<char*> AliasList;
  std::vector<std::string> Addresses;
  std::vector<char*> AddressList;
};

constexpr int ResolverEntries = 128;
RESOLVED Resolved[ResolverEntries];
int tmpcnt = 0;

unsigned PointerText(const void* p) { return static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(p)); }

bool HasLetter(const STRING& text) {
  for (int i = 0; i < text.StrLen; ++i)
    if (std::isalpha(static_cast<unsigned char>(text.Buffer[i]))) return true;
  return false;
}

}  // namespace

hostent* TCPIPIO::Resolv(const char* destination, STRING* port, STRING* host, std::uint32_t* address,
                         bool noReverse) {
  tmpcnt = (tmpcnt + 1) % ResolverEntries;
  RESOLVED& slot = Resolved[tmpcnt];
  const char* text = NullGuard(destination, "Resolv");
  LogPrintf("TCPIPIO::Resolv(%s) tmpcnt= %d\n", text, tmpcnt);
  while (*text == ' ' || *text == '*' || *text == ':') ++text;
  STRING rest(text);
  int separator = rest.Pos(" ");
  if (separator < 0) separator = rest.Pos(":");
  STRING hostText = separator < 0 ? rest : rest.Left(separator);
  STRING portText = separator < 0 ? STRING("23") : rest.Mid(separator + 1);
  if (host != nullptr) *host = hostText;
  bool numeric = !HasLetter(hostText);
  LogPrintf("TCPIPIO::Resolv newdest= %s, port= %s, isipaddr= %d\n", hostText.Buffer, portText.Buffer, numeric ? 1 : 0);

  hostent* result = nullptr;
  if (numeric) {
    // An empty host (as in "*") means every local address.
    std::uint32_t converted = hostText.StrLen > 0 ? inet_addr(hostText.Buffer) : htonl(INADDR_ANY);
    if (address != nullptr) *address = converted;
    hostent* found = nullptr;
    if (!noReverse) {
      found = gethostbyaddr(reinterpret_cast<const char*>(&converted), sizeof converted, AF_INET);
      LogPrintf("TCPIPIO::Resolv after gethostbyaddr hnm= %08x\n", PointerText(found));
    }
    if (found != nullptr)
      slot.CopyFrom(found);
    else
      slot.Unnamed(converted);
    result = slot.Entry();
  } else {
    hostent* found = gethostbyname(hostText.Buffer);
    LogPrintf("TCPIPIO::Resolv after gethostbyname hnm= %08x\n", PointerText(found));
    if (found != nullptr && found->h_addr_list != nullptr && found->h_addr_list[0] != nullptr) {
      slot.CopyFrom(found);
      result = slot.Entry();
      if (address != nullptr && result->h_length == sizeof *address)
        std::memcpy(address, result->h_addr_list[0], sizeof *address);
    }
  }
  LogPrintf("TCPIPIO::~Resolv LastError-WSABASEERR= %d\n", WSAGetLastError() - WSABASEERR);
  if (port != nullptr) *port = portText;
  return result;
}

int TCPIPIO::PortOf(const char* portText) {
  if (portText == nullptr) return 0;
  if (std::isdigit(static_cast<unsigned char>(portText[0]))) {
    int port = 0;
    for (const char* d = portText; std::isdigit(static_cast<unsigned char>(*d)); ++d) {
      port = port * 10 + (*d - '0');
      if (port > 65535) return 0;
    }
    return port;
  }
  servent* service = getservbyname(portText, "tcp");
  return service != nullptr ? ntohs(static_cast<u_short>(service->s_port)) : 0;
}
