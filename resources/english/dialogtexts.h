// The english texts of the shared dialog layouts (resources/dialogs/): one
// #define per text that a layout names, in this language's code page.
#pragma once

// The wizard frame (10702-wizardframe.rc).
#define DLGTEXT_FRAME_HELP "&Help"
#define DLGTEXT_FRAME_BACK "< &Back"
#define DLGTEXT_FRAME_NEXT "&Next >"
#define DLGTEXT_FRAME_CANCEL "Cancel"

// The frame's test page (9900-wizardtestpage.rc).
#define DLGTEXT_WIZTEST_LABEL "Name of the test product:"
#define DLGTEXT_WIZTEST_CHECK "Create an icon on the desktop"

// The send dialog (2090-senddialog.rc).
#define DLGTEXT_SENDMAIL_CAPTION "Send mail"
#define DLGTEXT_SENDMAIL_TO "To:"
#define DLGTEXT_SENDMAIL_FROM "From:"
#define DLGTEXT_SENDMAIL_SUBJECT "Subject:"
#define DLGTEXT_SENDMAIL_TEXT "Text:"
#define DLGTEXT_SENDMAIL_SEND "&Send"
#define DLGTEXT_SENDMAIL_CLOSE "Cancel"
