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
// The install wizard's pages (2001-2006, 2009).
#define DLGTEXT_WELCOME_INTRO "Dieser Assistent installiert das Programm auf Ihrem Computer. Wählen Sie die Art der Installation:"
#define DLGTEXT_WELCOME_NEW "&Neue Installation"
#define DLGTEXT_WELCOME_SAME "Installierte Version &erneut installieren"
#define DLGTEXT_WELCOME_UPDATE "Installierte ältere Version &aktualisieren"
#define DLGTEXT_WELCOME_NEXT "Klicken Sie auf Weiter, um fortzufahren, oder auf Abbrechen, um die Installation zu verlassen."
#define DLGTEXT_DESTINATION_INTRO "Das Programm wird in den folgenden Ordner installiert."
#define DLGTEXT_DESTINATION_GROUP "Zielordner"
#define DLGTEXT_DESTINATION_BROWSE "&Durchsuchen..."
#define DLGTEXT_DESTINATION_HINT "Um es in einen anderen Ordner zu installieren, geben Sie dessen Namen ein oder klicken Sie auf Durchsuchen."
#define DLGTEXT_LICENCE_ACCEPT "Ich &nehme den Vertrag an"
#define DLGTEXT_LICENCE_PRINT "&Drucken..."
#define DLGTEXT_COPY_HINT "Das kann einige Minuten dauern. Bitte warten Sie, bis alle Dateien kopiert sind."
#define DLGTEXT_SHORTCUTS_GROUP "Programmgruppe im Startmenü"
#define DLGTEXT_SHORTCUTS_MINE "Nur für &mich"
#define DLGTEXT_SHORTCUTS_ALL "Für &alle Benutzer dieses Computers"
#define DLGTEXT_SHORTCUTS_NONE "&Keine Programmgruppe"
#define DLGTEXT_SHORTCUTS_DESKTOP "Symbol auf dem &Desktop anlegen"
#define DLGTEXT_ADVERT_TEASER1 "Empfohlen für Benutzer von $PROG"
#define DLGTEXT_ADVERT_TEASER2 "Erfahren Sie mehr über $PROG"
