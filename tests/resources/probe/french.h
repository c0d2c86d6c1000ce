// French texts of the probe layout (Windows-1252).
#define DLGTEXT_PROBE_CAPTION "Épreuve"
#define DLGTEXT_PROBE_LABEL "Une présentation, quatre langues"
#define DLGTEXT_PROBE_BUTTON "OK"
