#include "platform/core/Object.h"

#include "platform/core/ObjectArena.h"

#include <atomic>
#include <cstdint>
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

// Every class record of a file names its class, and the chain holds every registered class of
// the program, so a load once spent more time walking it than reading some of the objects:
// found classes are remembered by name. Classes are never unregistered and a name belongs to
// one class, so what is remembered stays right; a name not found is not remembered, as its class
// may register later. The table is open-addressed and only ever gains entries, each slot set
// once by a compare-and-swap, so a lookup takes no lock: a lock and a hash map cost a few
// hundred instructions for each of the hundred class records of a large file.
constexpr std::size_t kRememberedSlots = 1024; // well above the classes of the program

constinit std::atomic<CRuntimeClass*> g_remembered[kRememberedSlots] = {};

std::size_t NameHash(LPCSTR lpszClassName)
{
    std::uint32_t nHash = 2166136261u;
    for (; *lpszClassName; ++lpszClassName)
        nHash = (nHash ^ Unit(*lpszClassName)) * 16777619u;
    return nHash;
}

CRuntimeClass* FindClassRemembered(LPCSTR lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    std::size_t nSlot = NameHash(lpszClassName) % kRememberedSlots;
    for (std::size_t nProbes = 0; nProbes < kRememberedSlots; ++nProbes) {
        std::atomic<CRuntimeClass*>& slot = g_remembered[nSlot];
        CRuntimeClass* pRemembered = slot.load(std::memory_order_acquire);
        if (pRemembered == nullptr) {
            CRuntimeClass* pClass = FindClass(lpszClassName);
            // Another thread may have taken the slot meanwhile: then the search goes on from it.
            if (pClass == nullptr || slot.compare_exchange_strong(pRemembered, pClass))
                return pClass;
        }
        if (SameName(pRemembered->m_lpszClassName, lpszClassName))
            return pRemembered;
        nSlot = (nSlot + 1) % kRememberedSlots;
    }
    return FindClass(lpszClassName);
}

} // namespace

constinit CRuntimeClass CObject::classCObject = {
    "CObject", int(sizeof(CObject)), SCHEMA_NOT_SERIAL, nullptr, nullptr, nullptr};
static const AFX_CLASSINIT s_classInitCObject(RUNTIME_CLASS(CObject));

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject != nullptr ? CreateObjectInScope(m_pfnCreateObject) : nullptr;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    return FindClassRemembered(lpszClassName);
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

void* CObject::operator new(std::size_t nBytes) { return ObjectMemory::Allocate(nBytes); }

void CObject::operator delete(void* p, std::size_t nBytes) noexcept { ObjectMemory::Free(p, nBytes); }

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != SCHEMA_NOT_SERIAL;
}

void CObject::Serialize(CArchive&)
{
}
