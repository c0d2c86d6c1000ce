// The german texts of the shared dialog layouts (resources/dialogs/): one
// #define per text that a layout names, in this language's code page.
#pragma once

// The send dialog (2090-senddialog.rc).
#define DLGTEXT_SENDMAIL_CAPTION "eMail senden"
#define DLGTEXT_SENDMAIL_TO "An:"
#define DLGTEXT_SENDMAIL_FROM "Von:"
#define DLGTEXT_SENDMAIL_SUBJECT "Betreff:"
#define DLGTEXT_SENDMAIL_TEXT "Text:"
#define DLGTEXT_SENDMAIL_SEND "&Senden"
#define DLGTEXT_SENDMAIL_CLOSE "Abbruch"
