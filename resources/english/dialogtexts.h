// The english texts of the shared dialog layouts (resources/dialogs/): one
// #define per text that a layout names, in this language's code page.
#pragma once

// The send dialog (2090-senddialog.rc).
#define DLGTEXT_SENDMAIL_CAPTION "Send mail"
#define DLGTEXT_SENDMAIL_TO "To:"
#define DLGTEXT_SENDMAIL_FROM "From:"
#define DLGTEXT_SENDMAIL_SUBJECT "Subject:"
#define DLGTEXT_SENDMAIL_TEXT "Text:"
#define DLGTEXT_SENDMAIL_SEND "&Send"
#define DLGTEXT_SENDMAIL_CLOSE "Cancel"
