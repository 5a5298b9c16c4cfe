// CObject and run-time classes: every persistent or dynamically created class of the program
// derives from CObject and describes itself with a CRuntimeClass record, which gives its name,
// its base class, its schema number and a way to create it by name (used by CArchive when it
// reads an object record).
//
// Registering classes for creation by name
// ----------------------------------------
// FromName finds a class only when its record has been registered. Every IMPLEMENT_ macro
// registers the class through a static object when the translation unit is initialised. That
// alone is not enough in a static library: the linker drops an object file that nothing refers
// to, static registrar included, and a file naming that class would then fail to load with
// "bad class". So a library whose classes are read from stored data (the project file, the
// clipboard, undo snapshots) also provides ONE registration function naming every such class,
//
//     void RegisterBlockClasses()
//     {
//         AfxRegisterClasses({RUNTIME_CLASS(CBlockLogic), RUNTIME_CLASS(CBlockDPR), ...});
//     }
//
// which refers to each class record and therefore keeps its object file in the link. The
// application calls every library's function at start-up, and each library's tests call it
// before they load stored data. Registering a class twice is harmless.
#pragma once

#include "platform/core/Types.h"

#include <cstddef>
#include <initializer_list>
#include <string_view>

class CArchive;
class CObject;

// OR'ed into the schema of IMPLEMENT_SERIAL: the class reads every schema number it finds in
// an archive (and asks GetObjectSchema which one it got) instead of refusing all but its own.
constexpr UINT VERSIONABLE_SCHEMA = 0x80000000u;
// The schema of a class that is not serializable (DYNAMIC and DYNCREATE classes).
constexpr UINT SCHEMA_NOT_SERIAL = 0xFFFFu;

// An aggregate so that every class record is constant-initialised: the records exist before any
// static constructor runs, whatever the order in which translation units are initialised.
struct CRuntimeClass {
    LPCSTR m_lpszClassName;             // ASCII, as stored in archives
    int m_nObjectSize;
    UINT m_wSchema;                     // may carry VERSIONABLE_SCHEMA
    CObject* (*m_pfnCreateObject)();    // null for classes that cannot be created by name
    CRuntimeClass* m_pBaseClass;        // null only for CObject

    // A new object of the class, or null when the class cannot be created by name.
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const
    {
        for (const CRuntimeClass* pClass = this; pClass != nullptr; pClass = pClass->m_pBaseClass) {
            if (pClass == pBaseClass)
                return TRUE;
        }
        return FALSE;
    }

    // The registered class of that name, or null.
    static CRuntimeClass* FromName(LPCSTR lpszClassName);
    static CRuntimeClass* FromName(LPCTSTR lpszClassName);
    // The same for a name as it stands in a record (no terminator); a name holding a zero
    // byte names no class.
    static CRuntimeClass* FromName(std::string_view name);
};

// Adds a class to the registry searched by FromName. Registering a record again does nothing;
// a second, different record with a name already registered is a programming error that would
// make loading ambiguous, so it ends the program at once with a message.
void AfxRegisterClass(CRuntimeClass* pNewClass);
void AfxRegisterClasses(std::initializer_list<CRuntimeClass*> classes);

// The static object every IMPLEMENT_ macro defines.
struct AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass) { AfxRegisterClass(pNewClass); }
};

class CObject {
public:
    virtual ~CObject() = default;

    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const { return GetRuntimeClass()->IsDerivedFrom(pClass); }
    BOOL IsSerializable() const;

    // Stores or loads the object's own fields; CObject has none.
    virtual void Serialize(CArchive& ar);

    static CRuntimeClass classCObject;

    // The objects a load creates come from its arena, every other one from the heap
    // (ObjectArena.h).
    static void* operator new(std::size_t nBytes);
    static void operator delete(void* p, std::size_t nBytes) noexcept;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

// Reads an object record of the requested class or a class derived from it; the IMPLEMENT_SERIAL
// extraction operator uses it so that this header need not include Archive.h.
CObject* AfxReadObjectOfClass(CArchive& ar, const CRuntimeClass* pClassRefRequested);

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                                              \
public:                                                                                          \
    static CRuntimeClass class##class_name;                                                      \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                            \
    DECLARE_DYNAMIC(class_name)                                                                  \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name)                                                               \
    DECLARE_DYNCREATE(class_name)                                                                \
    friend CArchive& operator>>(CArchive& ar, class_name*& pOb);

#define QARVO_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)               \
    constinit CRuntimeClass class_name::class##class_name = {                                    \
        #class_name, int(sizeof(class_name)), wSchema, pfnNew, RUNTIME_CLASS(base_class_name)};  \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }     \
    static const AFX_CLASSINIT s_classInit##class_name(RUNTIME_CLASS(class_name));

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                           \
    QARVO_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, SCHEMA_NOT_SERIAL, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                         \
    CObject* class_name::CreateObject() { return new class_name; }                               \
    QARVO_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, SCHEMA_NOT_SERIAL,                 \
                                 class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                   \
    CObject* class_name::CreateObject() { return new class_name; }                               \
    QARVO_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject) \
    [[maybe_unused]] CArchive& operator>>(CArchive& ar, class_name*& pOb)                        \
    {                                                                                            \
        pOb = static_cast<class_name*>(AfxReadObjectOfClass(ar, RUNTIME_CLASS(class_name)));     \
        return ar;                                                                               \
    }
