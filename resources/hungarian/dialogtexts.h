// The hungarian texts of the shared dialog layouts (resources/dialogs/): one
// #define per text that a layout names, in this language's code page.
#pragma once

// The send dialog (2090-senddialog.rc).
#define DLGTEXT_SENDMAIL_CAPTION "Levél küldése"
#define DLGTEXT_SENDMAIL_TO "Címzett:"
#define DLGTEXT_SENDMAIL_FROM "Feladó:"
#define DLGTEXT_SENDMAIL_SUBJECT "Tárgy:"
#define DLGTEXT_SENDMAIL_TEXT "Szöveg:"
#define DLGTEXT_SENDMAIL_SEND "&Küldés"
#define DLGTEXT_SENDMAIL_CLOSE "Mégse"
