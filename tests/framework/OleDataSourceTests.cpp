// A data source offers its blocks under their formats as copies the receiver owns, keeps
// them while anyone holds the data, and its default drop source drops or cancels by the
// keys; a data object wrapper reads them back and keeps the caller's reference rules.
#include "framework/GlobalMemory.h"
#include "framework/OleDataObject.h"
#include "framework/OleDataSource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const CLIPFORMAT kFirst = static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"LumeoTestFirst"));
const CLIPFORMAT kSecond = static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"LumeoTestSecond"));
const CLIPFORMAT kMissing = static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"LumeoTestMissing"));

HGLOBAL Block(const char* text)
{
    CGlobalMemory block;
    block.Allocate(std::strlen(text) + 1, text);
    return block.Detach();
}

std::string Text(HGLOBAL block)
{
    const CGlobalLock lock(block);
    return lock.Data() ? static_cast<const char*>(lock.Data()) : "<unlocked>";
}

} // namespace

TEST(OleDataSource, OffersEachFormatAsACopyTheReceiverOwns)
{
    COleDataSource source;
    source.CacheGlobalData(kFirst, Block("first"));
    source.CacheGlobalData(kSecond, Block("second"));
    source.CacheGlobalData(kFirst, Block("first again"));   // replaces the earlier offer

    COleDataObject data;
    data.Attach(source.GetDataObject(), FALSE);
    EXPECT_TRUE(data.IsDataAvailable(kFirst));
    EXPECT_TRUE(data.IsDataAvailable(kSecond));
    EXPECT_FALSE(data.IsDataAvailable(kMissing));
    const FORMATETC asStream{0, nullptr, DVASPECT_CONTENT, -1, TYMED_ISTREAM};
    EXPECT_FALSE(data.IsDataAvailable(kFirst, &asStream));

    CGlobalMemory first(data.GetGlobalData(kFirst));
    CGlobalMemory again(data.GetGlobalData(kFirst));
    ASSERT_TRUE(first);
    EXPECT_EQ("first again", Text(first.Get()));
    EXPECT_NE(first.Get(), again.Get()) << "each receiver gets a block of its own";
    EXPECT_EQ("second", Text(CGlobalMemory(data.GetGlobalData(kSecond)).Get()));
    EXPECT_EQ(nullptr, data.GetGlobalData(kMissing));

    ComPtr<IEnumFORMATETC> formats;
    ASSERT_EQ(S_OK, source.GetDataObject()->EnumFormatEtc(DATADIR_GET, formats.Out()));
    FORMATETC listed[3] = {};
    ULONG count = 0;
    formats->Next(3, listed, &count);
    ASSERT_EQ(2u, count);
    EXPECT_EQ(kFirst, listed[0].cfFormat);
    EXPECT_EQ(kSecond, listed[1].cfFormat);

    source.Empty();
    EXPECT_FALSE(data.IsDataAvailable(kFirst));
}

TEST(OleDataSource, TheDataOutlivesTheSourceWhileAReceiverHoldsIt)
{
    ComPtr<IDataObject> kept;
    {
        COleDataSource source;
        source.CacheGlobalData(kFirst, Block("kept"));
        kept = ComPtr<IDataObject>(source.GetDataObject());
    }
    COleDataObject data;
    data.Attach(kept.Get(), FALSE);
    EXPECT_EQ("kept", Text(CGlobalMemory(data.GetGlobalData(kFirst)).Get()));
}

TEST(OleDataObject, ReleasesOnlyAReferenceItWasGiven)
{
    COleDataSource source;
    IDataObject* const face = source.GetDataObject();
    const auto references = [face] {
        face->AddRef();
        return face->Release();
    };
    const ULONG before = references();
    {
        COleDataObject borrowed;
        borrowed.Attach(face, FALSE);
        EXPECT_EQ(face, borrowed.GetIDataObject(FALSE));
    }
    EXPECT_EQ(before, references());
    {
        COleDataObject owning;
        face->AddRef();   // handed over to the holder
        owning.Attach(face);
        EXPECT_EQ(before + 1, references());
        IDataObject* const taken = owning.Detach();
        EXPECT_EQ(face, taken);
        owning.Attach(taken);
    }
    EXPECT_EQ(before, references());

    COleDataObject empty;
    STGMEDIUM medium;
    EXPECT_FALSE(empty.IsDataAvailable(kFirst));
    EXPECT_FALSE(empty.GetData(kFirst, &medium));
    EXPECT_EQ(static_cast<DWORD>(TYMED_NULL), medium.tymed);
    EXPECT_EQ(nullptr, empty.GetGlobalData(kFirst));
}

TEST(OleDropSource, DropsOnTheButtonsReleaseAndCancelsOnEscapeOrTheOtherButton)
{
    struct Case {
        const char* name;
        BOOL escape;
        DWORD keys;
        SCODE expected;
    };
    const Case cases[] = {
        {"button held", FALSE, MK_LBUTTON, S_OK},
        {"button held with shift", FALSE, MK_LBUTTON | MK_SHIFT, S_OK},
        {"button released", FALSE, 0, DRAGDROP_S_DROP},
        {"escape", TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL},
        {"other button joins", FALSE, MK_LBUTTON | MK_RBUTTON, DRAGDROP_S_CANCEL},
    };
    COleDropSource source;
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, source.QueryContinueDrag(c.escape, c.keys)) << c.name;
    EXPECT_EQ(DRAGDROP_S_USEDEFAULTCURSORS, source.GiveFeedback(DROPEFFECT_COPY));
    EXPECT_NE(nullptr, source.GetDropSource());
}
