// EMAIL::SendMail and EMAIL::Send: the SMTP dialogue.
//
// Every reply is one line in a reply buffer of EMAIL_REPLYSIZE bytes; its
// code is the value of its leading digits. The dialogue stops at the first
// reply that is not what the step needs, without QUIT, and the caller gets
// that reply line as the error text.
#include <cstring>

#include "foundation/log.h"
#include "net/baseio.h"
#include "net/crypto.h"
#include "net/email.h"
#include "net/mailfields.h"
#include "net/md5.h"
#include "net/tcp.h"

namespace {

constexpr int CommandTimeout = 5000;
constexpr int EndOfDataTimeout = 12000;
constexpr int SendTimeout = 15000;
// The name the client gives itself after EHLO and HELO.
constexpr char ClientDomain[] = "korvex.com";

int ReplyCode(const char* reply) {
  int code = 0;
  for (int i = 0; reply[i] >= '0' && reply[i] <= '9'; ++i) {
    code = code * 10 + (reply[i] - '0');
    if (code > 9999) return 9999;  // no reply code is that long; stay in range
  }
  return code;
}

bool Is2xx(int code) { return code >= 200 && code <= 299; }

void CopyText(char* destination, int size, const char* text) {
  if (destination == nullptr || size <= 0) return;
  std::size_t n = std::strlen(text);
  if (n > static_cast<std::size_t>(size - 1)) n = static_cast<std::size_t>(size - 1);
  std::memcpy(destination, text, n);
  destination[n] = 0;
}

class SMTPDIALOGUE {
 public:
  SMTPDIALOGUE(BASEIO* device, EMAIL* mail, char* reply) : Device(device), Mail(mail), Reply(reply) {}

  bool Run(const STRING& message, int timeout) {
    ReadGreeting(timeout);
    Greet();
    if (!Authenticate(timeout)) return false;
    STRING address = OnOneLine(Mail->Receiver);
    // The envelope sender is the receiver's address.
    Command(("MAIL FROM:<" || address || ">").Buffer, CommandTimeout);
    if (!Is2xx(Code())) return false;
    Command(("RCPT TO:<" || address || ">").Buffer, CommandTimeout);
    if (!Is2xx(Code())) return false;
    Command("DATA", CommandTimeout);
    if (Code() < 200 || Code() > 399) return false;
    LogPrintf("EMAIL::SendMail before writing the message\n");
    TransmitMessage(message);
    Command(".", EndOfDataTimeout);
    bool accepted = Is2xx(Code());
    char quitReply[EMAIL_REPLYSIZE];
    TCP::WriteCmd(Device, "QUIT", quitReply, sizeof quitReply, CommandTimeout);
    Device->DropCall();
    return accepted;
  }

 private:
  // Sends a command and reads its reply line into Reply (empty when none
  // came); the steps test the reply's code.
  void Command(const char* command, int timeout) { TCP::WriteCmd(Device, command, Reply, EMAIL_REPLYSIZE, timeout); }
  void NextLine(int timeout) { TCP::ReadLine(Device, Reply, EMAIL_REPLYSIZE, timeout); }
  int Code() const { return ReplyCode(Reply); }
  // The reply buffer is zero-filled before every read, so its fourth byte
  // is a zero for a shorter line.
  bool Continues() const { return Reply[3] == '-'; }

  void ReadGreeting(int timeout) {
    do {
      NextLine(timeout);
    } while (Continues());
  }

  // EHLO, noting the AUTH mechanisms of its continuation lines; HELO when
  // EHLO was not accepted.
  void Greet() {
    Command(("EHLO " || STRING(ClientDomain)).Buffer, CommandTimeout);
    while (Continues()) {
      STRING line(Reply);
      if (line.iFind("AUTH")) {
        if (line.Find("LOGIN")) OffersLogin = true;
        if (line.Find("CRAM-MD5")) OffersCramMd5 = true;
      }
      NextLine(CommandTimeout);
    }
    if (Is2xx(Code())) return;
    Command(("HELO " || STRING(ClientDomain)).Buffer, CommandTimeout);
    while (Continues()) NextLine(CommandTimeout);
  }

  bool Authenticate(int timeout) {
    if (Mail->AuthUser.StrLen == 0 || Mail->AuthPassword.StrLen == 0) return true;
    if (OffersCramMd5) return CramMd5(timeout);
    if (OffersLogin) return Login(timeout);
    return true;
  }

  // RFC 2195: the user name, a blank and the hex HMAC-MD5 of the challenge
  // under the password, in Base64.
  bool CramMd5(int timeout) {
    Command("AUTH CRAM-MD5", CommandTimeout);
    if (Code() != 334) return false;
    STRING challenge = STRING(std::strlen(Reply) >= 4 ? Reply + 4 : "").FromBase64();
    STRING digest = HMAC_MD5(Mail->AuthPassword.Buffer, Mail->AuthPassword.StrLen, challenge.Buffer, challenge.StrLen);
    STRING answer = Mail->AuthUser || " " || HexLines(digest.Buffer, digest.StrLen, true);
    Command(answer.ToBase64(false).Buffer, timeout);
    return Is2xx(Code());
  }

  bool Login(int timeout) {
    Command("AUTH LOGIN", CommandTimeout);
    if (Code() != 334) return false;
    Command(Mail->AuthUser.ToBase64(false).Buffer, CommandTimeout);
    if (Code() != 334) return false;
    Command(Mail->AuthPassword.ToBase64(false).Buffer, timeout);
    return Is2xx(Code());
  }

  // Each line of the message, without trailing blanks and CRs, as one write
  // ending in CR LF. A line that would be a lone "." keeps a blank after it,
  // and a line that begins with "." gets a second one in front, which the
  // server removes again (RFC 5321 4.5.2), so that every line arrives as it
  // stands and none can end the data early.
  void TransmitMessage(const STRING& message) {
    const char* text = message.Buffer != nullptr ? message.Buffer : "";
    int length = message.StrLen;
    for (int start = 0; start < length;) {
      const void* found = std::memchr(text + start, '\n', static_cast<std::size_t>(length - start));
      int end = found != nullptr ? static_cast<int>(static_cast<const char*>(found) - text) : length;
      STRING piece;
      piece.Make(end - start, text + start);
      start = end + 1;
      if (start < length && text[start] == '\r') ++start;
      while (piece.StrLen > 0 && (piece.Buffer[piece.StrLen - 1] == ' ' || piece.Buffer[piece.StrLen - 1] == '\r'))
        piece.Truncate(piece.StrLen - 1);
      if (piece.StrLen == 1 && piece.Buffer[0] == '.') piece.Append(" ");
      if (piece.StrLen > 0 && piece.Buffer[0] == '.') piece.Insert(".", 0);
      piece.Append("\r\n", 2);
      Device->Write(piece.Buffer, piece.StrLen);
    }
  }

  BASEIO* Device;
  EMAIL* Mail;
  char* Reply;
  bool OffersLogin = false;
  bool OffersCramMd5 = false;
};

}  // namespace

int EMAIL::SendMail(const STRING& message, char* errorText, int size, int timeout) {
  char reply[EMAIL_REPLYSIZE] = {};
  int result = 0;
  BASEIO* device = NewMailDevice();
  if (device == nullptr) {
    CopyText(reply, sizeof reply, "No TCP/IP socket or service");
  } else if (!device->MakeCall((SmtpHost || ":smtp").Buffer)) {
    STRING error = device->GetInfo("LASTERRORSTRING");
    LogPrintf("EMAIL::SendMail error: %s\n", error.Buffer);
    CopyText(reply, sizeof reply, error.Buffer != nullptr ? error.Buffer : "");
  } else {
    SMTPDIALOGUE dialogue(device, this, reply);
    result = dialogue.Run(message, timeout) ? 1 : 0;
  }
  CopyText(errorText, size, reply);
  delete device;
  return result;
}

int EMAIL::Send(char* errorText) {
  errorText[0] = 0;
  STRING message = Compose();
  char reply[EMAIL_REPLYSIZE] = {};
  int result = SendMail(message, reply, sizeof reply, SendTimeout);
  CopyText(errorText, EMAIL_REPLYSIZE, reply);
  return result;
}
