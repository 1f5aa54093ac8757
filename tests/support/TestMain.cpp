#include <gtest/gtest.h>
#include <windows.h>

int main(int argc, char** argv)
{
    // A crash must fail the test program, never open Wine's or Windows' crash dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
