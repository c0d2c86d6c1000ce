// Ids of the test dialogs linked into the ui tests (testdialogs.rc).
#pragma once

#define DLG_BASIC 100       // OK, Cancel, an edit, a help button
#define DLG_CONTROLS 200    // one control of every kind the data dialogs bind
#define DLG_SPINFREE 300    // an edit and a control that already has id 65000

#define IDC_EDIT 101
#define IDC_CHECK 102
#define IDC_SEND 103
#define IDC_RADIO0 104
#define IDC_RADIO1 105
#define IDC_RADIO2 106
#define IDC_LIST 107
#define IDC_MULTILIST 108
#define IDC_NUMBER 109
#define IDC_COMBO 110
#define IDC_LABEL 111
#define IDC_ACTION 112
#define IDC_GROUP 113
#define IDC_PATH 114
#define IDC_HELPBUTTON 9
#define IDC_TAKEN 65000
