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
// The install wizard's pages (2001-2006, 2009).
#define DLGTEXT_WELCOME_INTRO "This wizard installs the program on your computer. Choose the kind of installation:"
#define DLGTEXT_WELCOME_NEW "&New installation"
#define DLGTEXT_WELCOME_SAME "&Reinstall the version that is installed"
#define DLGTEXT_WELCOME_UPDATE "&Update the earlier version that is installed"
#define DLGTEXT_WELCOME_NEXT "Click Next to continue, or Cancel to leave the setup."
#define DLGTEXT_DESTINATION_INTRO "The program will be installed in the folder below."
#define DLGTEXT_DESTINATION_GROUP "Destination folder"
#define DLGTEXT_DESTINATION_BROWSE "B&rowse..."
#define DLGTEXT_DESTINATION_HINT "To install it in another folder, type the folder's name or click Browse and choose one."
#define DLGTEXT_LICENCE_ACCEPT "I &accept the agreement"
#define DLGTEXT_LICENCE_PRINT "&Print..."
#define DLGTEXT_COPY_HINT "This can take a few minutes. Please wait until every file has been copied."
#define DLGTEXT_SHORTCUTS_GROUP "Program group in the Start menu"
#define DLGTEXT_SHORTCUTS_MINE "For &me only"
#define DLGTEXT_SHORTCUTS_ALL "For &all users of this computer"
#define DLGTEXT_SHORTCUTS_NONE "&No program group"
#define DLGTEXT_SHORTCUTS_DESKTOP "Put an icon on the &desktop"
#define DLGTEXT_ADVERT_TEASER1 "Recommended for users of $PROG"
#define DLGTEXT_ADVERT_TEASER2 "Find out more about $PROG"
