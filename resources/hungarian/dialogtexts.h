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
// The install wizard's pages (2001-2006, 2009).
#define DLGTEXT_WELCOME_INTRO "A varázsló telepíti a programot a számítógépére. Válassza ki a telepítés módját:"
#define DLGTEXT_WELCOME_NEW "Ú&j telepítés"
#define DLGTEXT_WELCOME_SAME "A telepített verzió &újratelepítése"
#define DLGTEXT_WELCOME_UPDATE "A telepített korábbi verzió &frissítése"
#define DLGTEXT_WELCOME_NEXT "A folytatáshoz kattintson a Tovább gombra, a kilépéshez a Mégse gombra."
#define DLGTEXT_DESTINATION_INTRO "A program az alábbi mappába kerül."
#define DLGTEXT_DESTINATION_GROUP "Célmappa"
#define DLGTEXT_DESTINATION_BROWSE "&Tallózás..."
#define DLGTEXT_DESTINATION_HINT "Ha másik mappába szeretné telepíteni, írja be a nevét, vagy kattintson a Tallózás gombra."
#define DLGTEXT_LICENCE_ACCEPT "&Elfogadom a szerzõdést"
#define DLGTEXT_LICENCE_PRINT "&Nyomtatás..."
#define DLGTEXT_COPY_HINT "Ez néhány percig is eltarthat. Kérjük, várjon, amíg minden fájl átmásolódik."
#define DLGTEXT_SHORTCUTS_GROUP "Programcsoport a Start menüben"
#define DLGTEXT_SHORTCUTS_MINE "Csak &nekem"
#define DLGTEXT_SHORTCUTS_ALL "A számítógép &minden felhasználójának"
#define DLGTEXT_SHORTCUTS_NONE "&Ne legyen programcsoport"
#define DLGTEXT_SHORTCUTS_DESKTOP "Ikon az &asztalon"
#define DLGTEXT_ADVERT_TEASER1 "Ajánlat a(z) $PROG felhasználóinak"
#define DLGTEXT_ADVERT_TEASER2 "Tudjon meg többet: $PROG"
