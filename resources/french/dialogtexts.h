// The french texts of the shared dialog layouts (resources/dialogs/): one
// #define per text that a layout names, in this language's code page.
#pragma once

// The wizard frame (10702-wizardframe.rc).
#define DLGTEXT_FRAME_HELP "&Aide"
#define DLGTEXT_FRAME_BACK "< &Précédent"
#define DLGTEXT_FRAME_NEXT "&Suivant >"
#define DLGTEXT_FRAME_CANCEL "Annuler"

// The frame's test page (9900-wizardtestpage.rc).
#define DLGTEXT_WIZTEST_LABEL "Nom du produit d'essai :"
#define DLGTEXT_WIZTEST_CHECK "Créer une icône sur le bureau"

// The send dialog (2090-senddialog.rc).
#define DLGTEXT_SENDMAIL_CAPTION "Envoyer le courriel"
#define DLGTEXT_SENDMAIL_TO "À :"
#define DLGTEXT_SENDMAIL_FROM "De :"
#define DLGTEXT_SENDMAIL_SUBJECT "Objet :"
#define DLGTEXT_SENDMAIL_TEXT "Texte :"
#define DLGTEXT_SENDMAIL_SEND "&Envoyer"
#define DLGTEXT_SENDMAIL_CLOSE "Annuler"
