#include "tests/net/smtpservers.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

int ServerPort(const char* mode) {
  std::string name = "HALVIX_SMTP_";
  for (const char* c = mode; *c != 0; ++c) name += static_cast<char>(*c >= 'a' && *c <= 'z' ? *c - 'a' + 'A' : *c);
  const char* value = std::getenv(name.c_str());
  return value != nullptr ? std::atoi(value) : 0;
}

std::string ServerAddress(const char* mode) { return "127.0.0.1:" + std::to_string(ServerPort(mode)); }

std::string StoredMail(const std::string& recipient, const char* extension) {
  const char* folder = std::getenv("HALVIX_MAILDIR");
  if (folder == nullptr) return "";
  std::ifstream file(std::string(folder) + "\\" + recipient + extension, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}
