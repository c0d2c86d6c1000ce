// Ids of the robot's test dialog; shared by its template and its code.
#pragma once

#define IDD_MAIN 100
#define IDD_PAGE 101

#define IDT_NAME 1001
#define IDT_APPLY 1002
#define IDT_TICK 1003
#define IDT_RED 1004
#define IDT_BLUE 1005
#define IDT_FRUIT 1006
#define IDT_SIZE 1007
#define IDT_ASK 1008
#define IDT_ANSWER 1009
#define IDT_SAVEAS 1010
#define IDT_SAVED 1011
#define IDT_HELPME 1012
#define IDT_HELPED 1013
#define IDT_NOTE 1014

#define IDT_EXTRA 2001
#define IDT_COMMENT 2002
