#include "framework/ComPtr.h"
#include "framework/ComSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(ComSupport, BstrRoundTripsBetweenAnsiAndWide)
{
    struct Case {
        const char* ansi;
        const wchar_t* wide;
    };
    const Case cases[] = {
        {"", L""},
        {"plain", L"plain"},
        {"caf\xE9 \x80", L"caf\u00E9 \u20AC"},   // code page 1252
    };
    for (const Case& c : cases) {
        const _bstr_t fromAnsi(c.ansi);
        EXPECT_STREQ(c.wide, static_cast<const wchar_t*>(fromAnsi)) << c.ansi;
        EXPECT_EQ(std::wcslen(c.wide), fromAnsi.length());
        const _bstr_t fromWide(c.wide);
        EXPECT_STREQ(c.ansi, static_cast<const char*>(fromWide)) << c.ansi;
    }
    const _bstr_t none(static_cast<const char*>(nullptr));
    EXPECT_EQ(nullptr, static_cast<const wchar_t*>(none));
    EXPECT_EQ(nullptr, static_cast<const char*>(none));

    _bstr_t joined = _bstr_t("ab") + _bstr_t(L"cd");
    joined += "e";
    EXPECT_STREQ("abcde", static_cast<const char*>(joined));
}

TEST(ComSupport, ConversionsHandleNullAndEmbeddedZeros)
{
    EXPECT_EQ(nullptr, _com_util::ConvertStringToBSTR(nullptr));
    EXPECT_EQ(nullptr, _com_util::ConvertBSTRToString(nullptr));

    BSTR withZero = ::SysAllocStringLen(L"a\0b", 3);
    char* text = _com_util::ConvertBSTRToString(withZero);
    ASSERT_NE(nullptr, text);
    EXPECT_EQ(0, std::memcmp(text, "a\0b", 4));
    delete[] text;
    ::SysFreeString(withZero);

    BSTR empty = _com_util::ConvertStringToBSTR("");
    ASSERT_NE(nullptr, empty);
    EXPECT_EQ(0u, ::SysStringLen(empty));
    ::SysFreeString(empty);
}

TEST(ComSupport, VariantsRoundTripAndFailedConversionsRaiseTheirHresult)
{
    _variant_t number(42L);
    EXPECT_EQ(VT_I4, V_VT(&number));
    const _bstr_t asText(number);
    EXPECT_STREQ(L"42", static_cast<const wchar_t*>(asText));

    _variant_t text("17");
    EXPECT_EQ(VT_BSTR, V_VT(&text));
    EXPECT_EQ(17L, static_cast<long>(text));
    EXPECT_STREQ(L"17", V_BSTR(&text));

    _variant_t flag(true);
    EXPECT_EQ(VARIANT_TRUE, V_BOOL(&flag));

    _variant_t notANumber(L"not a number");
    try {
        (void)static_cast<long>(notANumber);
        ADD_FAILURE() << "expected a COM error";
    } catch (const _com_error& e) {
        EXPECT_EQ(DISP_E_TYPEMISMATCH, e.Error());
    }

    EXPECT_EQ(VT_ERROR, V_VT(&vtMissing));
    EXPECT_EQ(DISP_E_PARAMNOTFOUND, V_ERROR(&vtMissing));
}

TEST(ComSupport, IssueErrorExCarriesTheHresult)
{
    try {
        _com_issue_errorex(E_ACCESSDENIED, nullptr, IID_IUnknown);
        ADD_FAILURE() << "expected a COM error";
    } catch (const _com_error& e) {
        EXPECT_EQ(E_ACCESSDENIED, e.Error());
        EXPECT_EQ(nullptr, e.ErrorInfo());
    }
    try {
        _com_util::CheckError(E_OUTOFMEMORY);
        ADD_FAILURE() << "expected a COM error";
    } catch (const _com_error& e) {
        EXPECT_EQ(E_OUTOFMEMORY, e.Error());
    }
}

namespace {

// A minimal COM object that counts its references (and remembers whether they ever ran
// out, which would have freed a real object).
class Counted : public IUnknown {
public:
    ULONG refs = 1;
    bool ranOut = false;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown))
            return E_NOINTERFACE;
        *out = static_cast<IUnknown*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        ranOut = ranOut || refs == 1;
        return --refs;
    }
};

} // namespace

TEST(ComPtrTests, CountsReferencesThroughCopiesMovesAndQueries)
{
    Counted object;  // starts with the one reference the test owns
    {
        ComPtr<IUnknown> a(&object);
        EXPECT_EQ(2u, object.refs);
        ComPtr<IUnknown> b = a;
        EXPECT_EQ(3u, object.refs);
        ComPtr<IUnknown> c = std::move(b);
        EXPECT_EQ(3u, object.refs);
        EXPECT_FALSE(b);
        c = nullptr;
        EXPECT_EQ(2u, object.refs);

        ComPtr<IUnknown> queried;
        EXPECT_EQ(S_OK, queried.QueryFrom(&object, IID_IUnknown));
        EXPECT_EQ(3u, object.refs);
        ComPtr<IDispatch> wrong;
        EXPECT_EQ(E_NOINTERFACE, wrong.QueryFrom(&object, IID_IDispatch));
        EXPECT_FALSE(wrong);
        EXPECT_EQ(E_POINTER, wrong.QueryFrom(static_cast<IUnknown*>(nullptr), IID_IDispatch));

        // Out releases what is held before the callee fills the slot.
        EXPECT_EQ(S_OK, object.QueryInterface(IID_IUnknown, queried.OutVoid()));
        EXPECT_EQ(3u, object.refs);

        IUnknown* raw = queried.Detach();
        EXPECT_EQ(3u, object.refs);
        ComPtr<IUnknown> adopted;
        adopted.Attach(raw);                           // takes over that reference
        EXPECT_EQ(3u, object.refs);
    }
    EXPECT_EQ(1u, object.refs);
}

TEST(ComPtrTests, QueryingTheObjectItHoldsKeepsTheObjectAlive)
{
    Counted object;   // its one reference is handed to the pointer below
    {
        ComPtr<IUnknown> only(&object, false);
        EXPECT_EQ(S_OK, only.QueryFrom(only.Get(), IID_IUnknown));
        EXPECT_EQ(static_cast<IUnknown*>(&object), only.Get());
        EXPECT_EQ(1u, object.refs);
        EXPECT_FALSE(object.ranOut);

        ComPtr<IDispatch> other;
        EXPECT_EQ(E_NOINTERFACE, other.QueryFrom(only.Get(), IID_IDispatch));
        EXPECT_FALSE(other);
    }
    EXPECT_TRUE(object.ranOut);   // released by the pointer as it went
    EXPECT_EQ(0u, object.refs);
}

TEST(ComPtrTests, CreatesARealComObject)
{
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
    {
        // The standard COM memory allocator object is always there.
        ComPtr<IMalloc> allocator;
        ASSERT_EQ(S_OK, ::CoGetMalloc(1, allocator.Out()));
        void* block = allocator->Alloc(16);
        EXPECT_NE(nullptr, block);
        allocator->Free(block);

        // A DOM document from its literal class and interface ids.
        static const CLSID kDomDocument = {0x2933BF90, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
        ComPtr<IDispatch> document;
        EXPECT_EQ(S_OK, document.CreateInstance(kDomDocument, IID_IDispatch));
        EXPECT_TRUE(document);
    }
    ::CoUninitialize();
}
