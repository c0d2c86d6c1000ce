// EMAIL: construction, attachment parts and the MIME boundary.
#include "net/email.h"

#include "foundation/log.h"

namespace {

constexpr int ContentTypeLimit = 255;
constexpr int BoundaryLimit = 64;

STRING TextOf(const char* text) { return STRING(text != nullptr ? text : ""); }

}  // namespace

EMAIL::EMAIL(const char* sender, const char* receiver, const char* subject, const char* body, const char* smtpHost)
    : Sender(TextOf(sender)),
      Receiver(TextOf(receiver)),
      Subject(TextOf(subject)),
      SmtpHost(TextOf(smtpHost)),
      AuthUser(""),
      AuthPassword(""),
      Body(TextOf(body)),
      Sent(0) {
  LogPrintf("EMAIL::Sender %s\n", Sender.Buffer);
  LogPrintf("EMAIL::Receiver %s\n", Receiver.Buffer);
  LogPrintf("EMAIL::Subject %s\n", Subject.Buffer);
  LogPrintf("EMAIL::SmtpHost %s\n", SmtpHost.Buffer);
  Sender.Strip('B', " ");
  Receiver.Strip('B', " ");
  SmtpHost.Strip('B', " ");
  if (Sender.StrLen == 0) Sender = "anonymous";
}

void EMAIL::AddAttachment(const char* contentType, const char* fileName, const STRING& data) {
  STRING type(contentType != nullptr ? contentType : "application/octet-stream");
  if (type.StrLen > ContentTypeLimit) type.Truncate(ContentTypeLimit);
  STRING name(TextOf(fileName));
  STRING part = "Content-Type: " || type || "; name=\"" || name || "\"\r\n";
  part.Append("Content-Transfer-Encoding: base64\r\n");
  part.Append("Content-Disposition: attachment; filename=\"" || name || "\"\r\n\r\n");
  part.Append(data.ToBase64(true));
  Attachments.Add(part);
}

STRING EMAIL::MakeBoundary() {
  STRING boundary("----=_Korvex_Mime_Part_08154711");
  bool reported = false;
  for (;;) {
    bool clash = false;
    for (int i = 0; i < Attachments.Count() && !clash; ++i) clash = Attachments.ItemAt(i)->Find(boundary.Buffer);
    if (!clash) return boundary;
    boundary.Append("$");
    if (boundary.StrLen >= BoundaryLimit && !reported) {
      ReportAssertion(0, "boundary.Length()<64", __FILE__, __LINE__, nullptr, 0);
      reported = true;
    }
  }
}
