#include "platform/core/Object.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Constant-initialised, so static registrars of any translation unit may run before this one.
constinit CRuntimeClass* g_pFirstClass = nullptr;

constexpr std::uint32_t Unit(char c) { return static_cast<unsigned char>(c); }
constexpr std::uint32_t Unit(char16_t c) { return c; }

template <class Char>
bool SameName(LPCSTR lpszClassName, const Char* lpszOther)
{
    for (;; ++lpszClassName, ++lpszOther) {
        if (Unit(*lpszClassName) != Unit(*lpszOther))
            return false;
        if (*lpszClassName == '\0')
            return true;
    }
}

template <class Char>
CRuntimeClass* FindClass(const Char* lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    for (CRuntimeClass* pClass = g_pFirstClass; pClass != nullptr; pClass = pClass->m_pNextClass) {
        if (SameName(pClass->m_lpszClassName, lpszClassName))
            return pClass;
    }
    return nullptr;
}

} // namespace

constinit CRuntimeClass CObject::classCObject = {
    "CObject", int(sizeof(CObject)), SCHEMA_NOT_SERIAL, nullptr, nullptr, nullptr};
static const AFX_CLASSINIT s_classInitCObject(RUNTIME_CLASS(CObject));

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* pClass = this; pClass != nullptr; pClass = pClass->m_pBaseClass) {
        if (pClass == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    return FindClass(lpszClassName);
}

CRuntimeClass* CRuntimeClass::FromName(LPCTSTR lpszClassName)
{
    return FindClass(lpszClassName);
}

void AfxRegisterClass(CRuntimeClass* pNewClass)
{
    CRuntimeClass* pSameName = FindClass(pNewClass->m_lpszClassName);
    if (pSameName == pNewClass)
        return;
    if (pSameName != nullptr) {
        std::fprintf(stderr, "qarvo-editor: two classes are registered as %s\n",
                     pNewClass->m_lpszClassName);
        std::abort();
    }
    pNewClass->m_pNextClass = g_pFirstClass;
    g_pFirstClass = pNewClass;
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

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != SCHEMA_NOT_SERIAL;
}

void CObject::Serialize(CArchive&)
{
}
