#include "framework/Object.h"

#include <gtest/gtest.h>

#include <memory>

namespace object_tests {

class CShape : public CObject {
    DECLARE_DYNAMIC(CShape)
public:
    virtual int Corners() const = 0;
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CSquare : public CShape {
    DECLARE_DYNCREATE(CSquare)
public:
    int Corners() const override { return 4; }
};
IMPLEMENT_DYNCREATE(CSquare, CShape)

class CTile : public CSquare {
    DECLARE_DYNCREATE(CTile)
public:
    static int liveCount;
    CTile() { ++liveCount; }
    ~CTile() override { --liveCount; }
};
int CTile::liveCount = 0;
IMPLEMENT_DYNCREATE(CTile, CSquare)

class CLine : public CObject {
    DECLARE_DYNAMIC(CLine)
};
IMPLEMENT_DYNAMIC(CLine, CObject)

} // namespace object_tests

using namespace object_tests;

TEST(RuntimeClass, RecordsNameSizeAndBase)
{
    EXPECT_STREQ("CSquare", RUNTIME_CLASS(CSquare)->m_lpszClassName);
    EXPECT_EQ(static_cast<int>(sizeof(CTile)), RUNTIME_CLASS(CTile)->m_nObjectSize);
    EXPECT_EQ(RUNTIME_CLASS(CShape), RUNTIME_CLASS(CSquare)->m_pBaseClass);
    EXPECT_EQ(RUNTIME_CLASS(CObject), RUNTIME_CLASS(CShape)->m_pBaseClass);
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObject)->m_pBaseClass);
}

TEST(RuntimeClass, KindTestsFollowTheDerivationChain)
{
    struct Case {
        const CRuntimeClass* objectClass;
        const CRuntimeClass* asked;
        bool expected;
    };
    const Case cases[] = {
        {RUNTIME_CLASS(CTile), RUNTIME_CLASS(CTile), true},
        {RUNTIME_CLASS(CTile), RUNTIME_CLASS(CSquare), true},
        {RUNTIME_CLASS(CTile), RUNTIME_CLASS(CShape), true},
        {RUNTIME_CLASS(CTile), RUNTIME_CLASS(CObject), true},
        {RUNTIME_CLASS(CSquare), RUNTIME_CLASS(CTile), false},
        {RUNTIME_CLASS(CSquare), RUNTIME_CLASS(CLine), false},
        {RUNTIME_CLASS(CLine), RUNTIME_CLASS(CShape), false},
        {RUNTIME_CLASS(CObject), RUNTIME_CLASS(CObject), true},
        {RUNTIME_CLASS(CTile), nullptr, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, c.objectClass->IsDerivedFrom(c.asked))
            << c.objectClass->m_lpszClassName << " / " << (c.asked ? c.asked->m_lpszClassName : "null");
    }
}

TEST(RuntimeClass, ObjectsAnswerWithTheirMostDerivedClass)
{
    CTile tile;
    const CObject& asObject = tile;
    EXPECT_EQ(RUNTIME_CLASS(CTile), asObject.GetRuntimeClass());
    EXPECT_TRUE(asObject.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_FALSE(asObject.IsKindOf(RUNTIME_CLASS(CLine)));
    EXPECT_FALSE(asObject.IsKindOf(nullptr));
}

TEST(RuntimeClass, CreatesObjectsByRecord)
{
    ASSERT_TRUE(RUNTIME_CLASS(CTile)->IsDynamicCreatable());
    const int before = CTile::liveCount;
    {
        std::unique_ptr<CObject> made(RUNTIME_CLASS(CTile)->CreateObject());
        ASSERT_NE(nullptr, made);
        EXPECT_EQ(before + 1, CTile::liveCount);
        EXPECT_EQ(RUNTIME_CLASS(CTile), made->GetRuntimeClass());
        EXPECT_EQ(4, static_cast<CShape*>(made.get())->Corners());
    }
    // Deleting through CObject* runs the derived destructor.
    EXPECT_EQ(before, CTile::liveCount);

    std::unique_ptr<CObject> square(CSquare::CreateObject());
    ASSERT_NE(nullptr, square);
    EXPECT_TRUE(square->IsKindOf(RUNTIME_CLASS(CSquare)));
    EXPECT_FALSE(square->IsKindOf(RUNTIME_CLASS(CTile)));
}

TEST(RuntimeClass, AbstractAndPlainClassesAreNotCreatable)
{
    EXPECT_FALSE(RUNTIME_CLASS(CShape)->IsDynamicCreatable());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CShape)->CreateObject());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CLine)->CreateObject());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObject)->CreateObject());
}
