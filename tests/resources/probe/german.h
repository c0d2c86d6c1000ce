// German texts of the probe layout (Windows-1252).
#define DLGTEXT_PROBE_CAPTION "Prüfung"
#define DLGTEXT_PROBE_LABEL "Ein Layout, vier Sprachen: Grüße"
#define DLGTEXT_PROBE_BUTTON "OK"
