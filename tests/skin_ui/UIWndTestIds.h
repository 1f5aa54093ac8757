#pragma once
// Resources of the skinned-window tests.
#define IDS_TEST_CAPTION 5001
#define IDS_TEST_ABSENT 5002   // no such string
