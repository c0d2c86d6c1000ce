// The french texts of the shared dialog layouts (resources/dialogs/): one
// #define per text that a layout names, in this language's code page.
#pragma once

// The send dialog (2090-senddialog.rc).
#define DLGTEXT_SENDMAIL_CAPTION "Envoyer le courriel"
#define DLGTEXT_SENDMAIL_TO "À :"
#define DLGTEXT_SENDMAIL_FROM "De :"
#define DLGTEXT_SENDMAIL_SUBJECT "Objet :"
#define DLGTEXT_SENDMAIL_TEXT "Texte :"
#define DLGTEXT_SENDMAIL_SEND "&Envoyer"
#define DLGTEXT_SENDMAIL_CLOSE "Annuler"
