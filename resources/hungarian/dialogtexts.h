// The hungarian texts of the shared dialog layouts (resources/dialogs/): one
// #define per text that a layout names, in this language's code page.
#pragma once

// The wizard frame (10702-wizardframe.rc).
#define DLGTEXT_FRAME_HELP "&Súgó"
#define DLGTEXT_FRAME_BACK "< &Vissza"
#define DLGTEXT_FRAME_NEXT "&Tovább >"
#define DLGTEXT_FRAME_CANCEL "Mégse"

// The frame's test page (9900-wizardtestpage.rc).
#define DLGTEXT_WIZTEST_LABEL "A teszttermék neve:"
#define DLGTEXT_WIZTEST_CHECK "Ikon létrehozása az asztalon"

// The send dialog (2090-senddialog.rc).
#define DLGTEXT_SENDMAIL_CAPTION "Levél küldése"
#define DLGTEXT_SENDMAIL_TO "Címzett:"
#define DLGTEXT_SENDMAIL_FROM "Feladó:"
#define DLGTEXT_SENDMAIL_SUBJECT "Tárgy:"
#define DLGTEXT_SENDMAIL_TEXT "Szöveg:"
#define DLGTEXT_SENDMAIL_SEND "&Küldés"
#define DLGTEXT_SENDMAIL_CLOSE "Mégse"
