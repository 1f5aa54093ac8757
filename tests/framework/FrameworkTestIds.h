#pragma once
// String-table ids of the framework test program (FrameworkTests.rc).
#define IDS_TEST_APP_TITLE 57344
#define IDS_TEST_HELLO 101
#define IDS_TEST_UNICODE 102
#define IDS_TEST_PROMPT 103
#define IDS_TEST_MISSING 199

// Menu of the menu tests.
#define IDR_TEST_MENU 120
#define IDR_TEST_MISSING_MENU 121
#define ID_TEST_OPEN 201
#define ID_TEST_EXIT 202
#define ID_TEST_RECENT_ONE 211
