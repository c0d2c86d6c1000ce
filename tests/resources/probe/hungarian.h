// Hungarian texts of the probe layout (Windows-1250).
#define DLGTEXT_PROBE_CAPTION "Próba"
#define DLGTEXT_PROBE_LABEL "Egy elrendezés, négy nyelv: tûrõ"
#define DLGTEXT_PROBE_BUTTON "OK"
