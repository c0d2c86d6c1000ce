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
