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
// The install wizard's pages (2001-2006, 2009).
#define DLGTEXT_WELCOME_INTRO "Cet assistant installe le programme sur votre ordinateur. Choisissez le type d'installation :"
#define DLGTEXT_WELCOME_NEW "&Nouvelle installation"
#define DLGTEXT_WELCOME_SAME "&Réinstaller la version installée"
#define DLGTEXT_WELCOME_UPDATE "&Mettre à jour la version antérieure installée"
#define DLGTEXT_WELCOME_NEXT "Cliquez sur Suivant pour continuer, ou sur Annuler pour quitter l'installation."
#define DLGTEXT_DESTINATION_INTRO "Le programme sera installé dans le dossier ci-dessous."
#define DLGTEXT_DESTINATION_GROUP "Dossier de destination"
#define DLGTEXT_DESTINATION_BROWSE "&Parcourir..."
#define DLGTEXT_DESTINATION_HINT "Pour l'installer dans un autre dossier, tapez son nom ou cliquez sur Parcourir pour le choisir."
#define DLGTEXT_LICENCE_ACCEPT "J'&accepte le contrat"
#define DLGTEXT_LICENCE_PRINT "&Imprimer..."
#define DLGTEXT_COPY_HINT "Cela peut prendre quelques minutes. Veuillez attendre que tous les fichiers soient copiés."
#define DLGTEXT_SHORTCUTS_GROUP "Groupe de programmes du menu Démarrer"
#define DLGTEXT_SHORTCUTS_MINE "Pour &moi seulement"
#define DLGTEXT_SHORTCUTS_ALL "Pour &tous les utilisateurs de cet ordinateur"
#define DLGTEXT_SHORTCUTS_NONE "&Aucun groupe de programmes"
#define DLGTEXT_SHORTCUTS_DESKTOP "Placer une icône sur le &bureau"
#define DLGTEXT_ADVERT_TEASER1 "Recommandé aux utilisateurs de $PROG"
#define DLGTEXT_ADVERT_TEASER2 "En savoir plus sur $PROG"
