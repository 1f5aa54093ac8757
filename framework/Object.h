#pragma once
// Run-time class records: every framework class can name its class, test what it derives
// from and, when it has a default constructor, be created from its record alone (the way
// window and thread classes are handed around by record rather than by type).

#include <new>

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    CObject* (*m_pfnCreateObject)();      // null for classes that cannot be created by record
    const CRuntimeClass* m_pBaseClass;    // null only for CObject itself

    // A new object of this class, or null when the class is not dynamically creatable
    // or the allocation fails. The caller owns the result.
    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* base) const;
    bool IsDynamicCreatable() const { return m_pfnCreateObject != nullptr; }
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                    \
public:                                                                \
    static const CRuntimeClass class##class_name;                      \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                  \
    DECLARE_DYNAMIC(class_name)                                        \
    static CObject* CreateObject();

#define LUMEO_IMPLEMENT_RUNTIMECLASS(class_name, base_name, create)    \
    const CRuntimeClass class_name::class##class_name = {              \
        #class_name, static_cast<int>(sizeof(class_name)), create,     \
        RUNTIME_CLASS(base_name)};                                     \
    const CRuntimeClass* class_name::GetRuntimeClass() const           \
    {                                                                  \
        return RUNTIME_CLASS(class_name);                              \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_name)                       \
    LUMEO_IMPLEMENT_RUNTIMECLASS(class_name, base_name, nullptr)

// new (std::nothrow) keeps allocation failure a null result rather than an exception, so
// creation by record can be used from window procedures and thread starts.
#define IMPLEMENT_DYNCREATE(class_name, base_name)                     \
    CObject* class_name::CreateObject()                                \
    {                                                                  \
        return new (std::nothrow) class_name;                          \
    }                                                                  \
    LUMEO_IMPLEMENT_RUNTIMECLASS(class_name, base_name, &class_name::CreateObject)

class CObject {
public:
    static const CRuntimeClass classCObject;

    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const;

    // True when this object's class is `cls` or derives from it; false for null.
    bool IsKindOf(const CRuntimeClass* cls) const;

    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

protected:
    CObject() = default;
};
