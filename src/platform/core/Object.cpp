#include "platform/core/Object.h"

#include "platform/core/ObjectArena.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_map>

namespace {

// The registered classes by name. Classes register while the program starts (static
// registrars, then each library's registration function), before any thread that loads; after
// that the table is only read. Made at its first use, so that static registrars of any
// translation unit may run before this one's.
std::unordered_map<std::string_view, CRuntimeClass*>& Registry()
{
    static std::unordered_map<std::string_view, CRuntimeClass*> s_classes;
    return s_classes;
}

CRuntimeClass* FindClass(std::string_view name)
{
    const auto& classes = Registry();
    const auto it = classes.find(name);
    return it == classes.end() ? nullptr : it->second;
}

} // namespace

constinit CRuntimeClass CObject::classCObject = {
    "CObject", int(sizeof(CObject)), SCHEMA_NOT_SERIAL, nullptr, nullptr};
static const AFX_CLASSINIT s_classInitCObject(RUNTIME_CLASS(CObject));

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject != nullptr ? CreateObjectInScope(m_pfnCreateObject) : nullptr;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    return lpszClassName != nullptr ? FindClass(lpszClassName) : nullptr;
}

// A name holding a zero byte is no registered name: none of those holds one within its length.
CRuntimeClass* CRuntimeClass::FromName(std::string_view name)
{
    return name.find('\0') == std::string_view::npos ? FindClass(name) : nullptr;
}

// Class names are ASCII: a name with any other character names no class.
CRuntimeClass* CRuntimeClass::FromName(LPCTSTR lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    std::string name;
    for (LPCTSTR p = lpszClassName; *p != 0; ++p) {
        if (*p >= 0x80)
            return nullptr;
        name += char(*p);
    }
    return FindClass(name);
}

void AfxRegisterClass(CRuntimeClass* pNewClass)
{
    const auto [it, bAdded] = Registry().try_emplace(pNewClass->m_lpszClassName, pNewClass);
    if (!bAdded && it->second != pNewClass) {
        std::fprintf(stderr, "qarvo-editor: two classes are registered as %s\n",
                     pNewClass->m_lpszClassName);
        std::abort();
    }
}

void AfxRegisterClasses(std::initializer_list<CRuntimeClass*> classes)
{
    for (CRuntimeClass* pClass : classes)
        AfxRegisterClass(pClass);
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CObject);
}

void* CObject::operator new(std::size_t nBytes) { return ObjectMemory::Allocate(nBytes); }

void CObject::operator delete(void* p, std::size_t nBytes) noexcept { ObjectMemory::Free(p, nBytes); }

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != SCHEMA_NOT_SERIAL;
}

void CObject::Serialize(CArchive&)
{
}
