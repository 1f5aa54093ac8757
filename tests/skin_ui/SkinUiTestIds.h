#pragma once
// Resources of the skin drawing test program.
#define IDB_TEST_QUAD 101   // 2 x 2: red, green / blue, white
#define IDB_TEST_ABSENT 102 // no such resource
