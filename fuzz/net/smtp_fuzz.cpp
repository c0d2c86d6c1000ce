// The SMTP dialogue of EMAIL::SendMail against a server that answers with
// the fuzzer's bytes. The first byte picks the size of the error buffer and
// whether the mail authenticates; the rest is everything the server says,
// followed by empty lines so that no read waits for its time-out. The error
// buffer is allocated at exactly its size, so a write past it is caught.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "net/email.h"
#include "tests/net/scriptdevice.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1 || size > 60000) return 0;
  const int bufferSize = data[0] % 64 == 0 ? 1 : (data[0] & 0x3f) * 5;
  const bool authenticate = (data[0] & 0x40) != 0;

  SMTPSCRIPT script;
  std::string replies(reinterpret_cast<const char*>(data + 1), size - 1);
  for (int i = 0; i < 16; ++i) replies += "\r\n";
  script.Replies = {replies};
  SCRIPTDEVICE::Install(&script);

  EMAIL mail("me@example.com", "shop@example.com", "Order", "line\n.\n.x\nend", "host");
  if (authenticate) {
    mail.AuthUser = "user";
    mail.AuthPassword = "password";
  }
  std::unique_ptr<char[]> error(new char[static_cast<std::size_t>(bufferSize)]);
  std::memset(error.get(), '#', static_cast<std::size_t>(bufferSize));
  int result = mail.SendMail(mail.Compose(0), error.get(), bufferSize, 2000);
  if (result != 0 && result != 1) std::abort();
  if (std::memchr(error.get(), 0, static_cast<std::size_t>(bufferSize)) == nullptr) std::abort();
  // All replies come at once, so the script sees every line the client
  // sent as a command: an accepted mail must have ended its data.
  bool dataEnded = false;
  for (const std::string& line : script.Commands) dataEnded = dataEnded || line == ".";
  if (result == 1 && !dataEnded) std::abort();

  SCRIPTDEVICE::Install(nullptr);
  return 0;
}
