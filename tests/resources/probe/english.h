// English texts of the probe layout.
#define DLGTEXT_PROBE_CAPTION "Probe"
#define DLGTEXT_PROBE_LABEL "One layout, four languages"
#define DLGTEXT_PROBE_BUTTON "OK"
