// A program for the robot-driven tests of the send dialog: it shows a mail
// in EMAIL::SendDialog and writes what came of it into the file OUT.
//
//   net_senddialog_probe OUT LIBRARY LANGUAGE SMTPHOST RECEIVER BODY
//
// LIBRARY is the language library that supplies template 2090, LANGUAGE the
// LanguageNumber of the run. OUT gets "sent=" and the dialog's result, then
// the mail's sender, subject and body as the dialog left them.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "foundation/globals.h"
#include "net/email.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 7) return 3;
  std::FILE* out = std::fopen(__argv[1], "wb");
  if (out == nullptr) return 4;
  ResourceModule = LoadLibraryA(__argv[2]);
  if (ResourceModule == nullptr) return 5;
  LanguageNumber = std::atoi(__argv[3]);
  EMAIL mail("customer@example.com", __argv[5], "Feedback", __argv[6], __argv[4]);
  int sent = mail.SendDialog(2090, "Send feedback");
  std::fprintf(out, "sent=%d\nsender=%s\nsubject=%s\nbody=%s\n", sent, mail.Sender.Buffer, mail.Subject.Buffer,
               mail.Body.Buffer);
  std::fclose(out);
  return 0;
}
