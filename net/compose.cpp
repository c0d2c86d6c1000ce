// EMAIL::Compose: the Internet message of a mail, and its date.
#include <cstring>

#include "net/email.h"
#include "net/mailfields.h"
#include "osys/osys.h"

namespace {

constexpr const char* MonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

struct CIVILDATE {
  std::int64_t Year;
  int Month;  // 1-12
  int Day;
};

// The proleptic Gregorian date of a day number counted from 1 January 1970.
CIVILDATE DateOfDay(std::int64_t day) {
  day += 719468;
  std::int64_t era = (day >= 0 ? day : day - 146096) / 146097;
  auto dayOfEra = static_cast<unsigned>(day - era * 146097);
  unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
  CIVILDATE date;
  date.Day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  date.Month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  date.Year = static_cast<std::int64_t>(yearOfEra) + era * 400 + (date.Month <= 2 ? 1 : 0);
  return date;
}

// One body line as the message carries it.
STRING BodyLine(STRING line) {
  line.Strip('R', " \t");
  line.Strip('B', "\r\n");
  line.Replace("\r", " ");
  if (line.StrLen == 1 && line.Buffer[0] == '.') line = ". ";
  line.Append("\r\n", 2);
  return line;
}

}  // namespace

STRING OnOneLine(const STRING& value) {
  STRING line(value);
  for (int i = 0; i < line.StrLen; ++i)
    if (line.Buffer[i] == '\r' || line.Buffer[i] == '\n') line.Buffer[i] = ' ';
  return line;
}

STRING MailDate(std::int64_t secondsSince1970) {
  std::int64_t day = secondsSince1970 >= 0 ? secondsSince1970 / 86400 : -((-secondsSince1970 + 86399) / 86400);
  auto secondOfDay = static_cast<int>(secondsSince1970 - day * 86400);
  CIVILDATE date = DateOfDay(day);
  STRING text;
  text.Format("%02d %.3s %02d %02d%02d GMT", date.Day, MonthNames[date.Month - 1], static_cast<int>(date.Year % 100),
              secondOfDay / 3600, secondOfDay / 60 % 60);
  return text;
}

STRING EMAIL::Compose() { return Compose(OSYS::Seconds()); }

STRING EMAIL::Compose(std::int64_t secondsSince1970) {
  STRING message = "From: " || OnOneLine(Sender) || "\r\n";
  message.Append("To: " || OnOneLine(Receiver) || "\r\n");
  message.Append("Date: " || MailDate(secondsSince1970) || "\r\n");
  message.Append("Subject: " || OnOneLine(Subject) || "\r\n");
  STRING boundary;
  if (Attachments.Count() > 0) {
    boundary = MakeBoundary();
    message.Append("Content-Type: multipart/mixed; boundary=\"" || boundary || "\"\r\n\r\n");
    message.Append("--" || boundary || "\r\nContent-Type: text/plain\r\n");
  }
  message.Append("\r\n", 2);
  // Line i is the text between the i-th and the (i+1)-th "\n".
  const char* text = Body.Buffer != nullptr ? Body.Buffer : "";
  for (int start = 0;;) {
    const void* end = std::memchr(text + start, '\n', static_cast<std::size_t>(Body.StrLen - start));
    int stop = end != nullptr ? static_cast<int>(static_cast<const char*>(end) - text) : Body.StrLen;
    message.Append(BodyLine(Body.Mid(start, stop - start)));
    if (end == nullptr) break;
    start = stop + 1;
  }
  message.Append("\r\n", 2);
  if (Attachments.Count() > 0) {
    for (int i = 0; i < Attachments.Count(); ++i)
      message.Append("--" || boundary || "\r\n" || *Attachments.ItemAt(i) || "\r\n");
    message.Append("--" || boundary || "--\r\n\r\n");
  }
  return message;
}
