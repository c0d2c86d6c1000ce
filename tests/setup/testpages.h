// Ids of the test pages and strings of the wizard frame tests.
#pragma once

#define PAGE_TEXT 20001    // an edit and a check box
#define PAGE_RADIO 20002   // a checked radio button first, then an edit
#define PAGE_BUTTONS 20003 // a push button first

#define IDC_PAGE_EDIT 101
#define IDC_PAGE_CHECK 102
#define IDC_PAGE_RADIO1 111
#define IDC_PAGE_RADIO2 112
#define IDC_PAGE_BUTTON 121

#define STR_TITLE_1 20101
#define STR_TEXT_1 20102
#define STR_TITLE_2 20103
#define STR_TEXT_2 20104
#define STR_TITLE_3 20105
#define STR_TEXT_3 20106
