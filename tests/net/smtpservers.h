// The SMTP servers the Windows tests talk to (tests/net/smtp_wine.sh starts
// them and passes their ports and mail folder in the environment).
#pragma once

#include <string>

// The loopback port of a server mode ("login", "cram", "noehlo", "data4xx",
// "silent", "greetclose", "backlog", "refused", "unnamed"); 0 when the
// environment does not name it.
int ServerPort(const char* mode);
// "127.0.0.1:port" of a mode.
std::string ServerAddress(const char* mode);
// What the server stored for a recipient: the message as received (".eml")
// or its envelope record (".json"); empty when there is none.
std::string StoredMail(const std::string& recipient, const char* extension);
