#pragma once
// String-table ids of the framework test program (FrameworkTests.rc).
#define IDS_TEST_APP_TITLE 57344
#define IDS_TEST_HELLO 101
#define IDS_TEST_UNICODE 102
#define IDS_TEST_PROMPT 103
#define IDS_TEST_MISSING 199
