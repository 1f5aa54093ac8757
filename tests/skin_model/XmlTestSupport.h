#pragma once
// Helpers of the skin file tests: a COM apartment per test and small DOM documents.
#include <gtest/gtest.h>

#include "skin/model/XmlDom.h"
#include "skin/model/XmlSerializer.h"

#include <objbase.h>

#include <string>

namespace lumeo_test {

// Tests that build DOM documents: COM is initialised for the test's thread.
class XmlTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        m_com = true;
    }
    void TearDown() override
    {
        if (m_com)
            CoUninitialize();
    }

private:
    bool m_com = false;
};

// The file's bytes without the byte-order mark, which the tests check on their own.
inline std::string WithoutMark(const std::string& bytes)
{
    return bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? bytes.substr(3) : bytes;
}

// Lines joined with CR LF, each line ended by it, as the skin file has them.
inline std::string CrLfLines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace lumeo_test
