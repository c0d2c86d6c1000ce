#include "tests/net/scriptdevice.h"

#include "net/email.h"

namespace {

SMTPSCRIPT* Installed = nullptr;

BASEIO* NewScriptDevice() { return new SCRIPTDEVICE(Installed); }

}  // namespace

std::string SMTPSCRIPT::Received() const {
  std::string out;
  std::size_t start = 0;
  while (start < DataLines.size()) {
    std::size_t end = DataLines.find("\r\n", start);
    end = end == std::string::npos ? DataLines.size() : end + 2;
    std::string line = DataLines.substr(start, end - start);
    if (!line.empty() && line[0] == '.') line.erase(0, 1);
    out += line;
    start = end;
  }
  return out;
}

SCRIPTDEVICE::SCRIPTDEVICE(SMTPSCRIPT* script) : Script(script) { RefuseCall = script->RefuseCall; }

SCRIPTDEVICE::~SCRIPTDEVICE() {
  Stop();
  Script->Deleted = true;
}

void SCRIPTDEVICE::Install(SMTPSCRIPT* script) {
  Installed = script;
  SetMailDeviceFactory(script != nullptr ? NewScriptDevice : nullptr);
}

bool SCRIPTDEVICE::MakeCall(const char* destination) {
  Script->Destination = destination;
  if (!TESTDEVICE::MakeCall(destination)) return false;
  std::lock_guard<std::mutex> hold(Guard);
  NextReply();
  return true;
}

void SCRIPTDEVICE::NextReply() {
  if (NextReplyIndex < Script->Replies.size()) SupplyLocked(Script->Replies[NextReplyIndex++]);
}

void SCRIPTDEVICE::OnWrite(const char* bytes, int length) {
  Partial.append(bytes, static_cast<std::size_t>(length));
  for (std::size_t end; (end = Partial.find("\r\n")) != std::string::npos;) {
    std::string line = Partial.substr(0, end);
    Partial.erase(0, end + 2);
    Line(line);
  }
}

void SCRIPTDEVICE::Line(const std::string& line) {
  if (InData) {
    if (line == ".") {
      InData = false;
      Script->DataEnded = true;
      NextReply();
    } else {
      Script->DataLines += line + "\r\n";
    }
    return;
  }
  Script->Commands.push_back(line);
  std::size_t replyIndex = NextReplyIndex;
  NextReply();
  if (line == "DATA" && replyIndex < Script->Replies.size() && Script->Replies[replyIndex].rfind("354", 0) == 0)
    InData = true;
}
