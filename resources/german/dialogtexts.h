// The german texts of the shared dialog layouts (resources/dialogs/): one
// #define per text that a layout names, in this language's code page.
#pragma once

// The wizard frame (10702-wizardframe.rc).
#define DLGTEXT_FRAME_HELP "&Hilfe"
#define DLGTEXT_FRAME_BACK "< &Zurück"
#define DLGTEXT_FRAME_NEXT "&Weiter >"
#define DLGTEXT_FRAME_CANCEL "Abbrechen"

// The frame's test page (9900-wizardtestpage.rc).
#define DLGTEXT_WIZTEST_LABEL "Name des Testprodukts:"
#define DLGTEXT_WIZTEST_CHECK "Ein Symbol auf dem Desktop anlegen"

// The send dialog (2090-senddialog.rc).
#define DLGTEXT_SENDMAIL_CAPTION "eMail senden"
#define DLGTEXT_SENDMAIL_TO "An:"
#define DLGTEXT_SENDMAIL_FROM "Von:"
#define DLGTEXT_SENDMAIL_SUBJECT "Betreff:"
#define DLGTEXT_SENDMAIL_TEXT "Text:"
#define DLGTEXT_SENDMAIL_SEND "&Senden"
#define DLGTEXT_SENDMAIL_CLOSE "Abbruch"
