#include "platform/core/Object.h"

#include "platform/core/ObjectArena.h"

#include <atomic>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

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
// hundred instructions for each of the hundred class records of a large file, and a tenth of
// the load of a small diagram.
constexpr std::size_t kRememberedSlots = 1024; // well above the classes of the program

constinit std::atomic<CRuntimeClass*> g_remembered[kRememberedSlots] = {};

// A few bytes from each end of the name and its length: enough to tell the program's class
// names apart, which share long prefixes, without hashing every byte. The high bits of the
// product depend on every bit of the parts: they pick the slot.
std::size_t NameSlot(std::string_view name)
{
    std::uint64_t nHead = 0;
    std::uint64_t nTail = 0;
    if (name.size() >= sizeof nHead) {
        std::memcpy(&nHead, name.data(), sizeof nHead);
        std::memcpy(&nTail, name.data() + name.size() - sizeof nTail, sizeof nTail);
    } else {
        for (char c : name)
            nHead = (nHead << 8) | static_cast<unsigned char>(c);
    }
    const std::uint64_t nHash = (nHead ^ std::rotl(nTail, 29) ^ name.size()) * 0x9E3779B97F4A7C15ull;
    return std::size_t(nHash >> (64 - std::countr_zero(kRememberedSlots)));
}

std::uint64_t WordAt(const char* p)
{
    std::uint64_t nWord;
    std::memcpy(&nWord, p, sizeof nWord);
    return nWord;
}

// A registered class's name and a counted one. Most of the program's names are 8 to 16
// characters long, and a word from each end covers every character of such a name: two
// compares instead of a call whose branches follow the length.
bool SameName(const CRuntimeClass* pClass, std::string_view name)
{
    const std::size_t nLength = name.size();
    if (pClass->m_nNameLength != nLength)
        return false;
    const char* pKnown = pClass->m_lpszClassName;
    constexpr std::size_t kWord = sizeof(std::uint64_t);
    if (nLength >= kWord && nLength <= 2 * kWord) {
        return WordAt(pKnown) == WordAt(name.data()) &&
               WordAt(pKnown + nLength - kWord) == WordAt(name.data() + nLength - kWord);
    }
    return std::memcmp(pKnown, name.data(), nLength) == 0;
}

CRuntimeClass* FindClass(std::string_view name)
{
    for (CRuntimeClass* pClass = g_pFirstClass; pClass != nullptr; pClass = pClass->m_pNextClass) {
        if (SameName(pClass, name))
            return pClass;
    }
    return nullptr;
}

CRuntimeClass* FindClassRemembered(std::string_view name)
{
    std::size_t nSlot = NameSlot(name);
    for (std::size_t nProbes = 0; nProbes < kRememberedSlots; ++nProbes) {
        std::atomic<CRuntimeClass*>& slot = g_remembered[nSlot];
        CRuntimeClass* pRemembered = slot.load(std::memory_order_acquire);
        if (pRemembered == nullptr) {
            CRuntimeClass* pClass = FindClass(name);
            // Another thread may have taken the slot meanwhile: then the search goes on from it.
            if (pClass == nullptr || slot.compare_exchange_strong(pRemembered, pClass))
                return pClass;
        }
        if (SameName(pRemembered, name))
            return pRemembered;
        nSlot = (nSlot + 1) % kRememberedSlots;
    }
    return FindClass(name);
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
    return lpszClassName != nullptr ? FindClassRemembered(lpszClassName) : nullptr;
}

// A name holding a zero byte is no registered name: none of those holds one within its length.
CRuntimeClass* CRuntimeClass::FromName(std::string_view name)
{
    return name.empty() ? nullptr : FindClassRemembered(name);
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
    pNewClass->m_nNameLength = std::strlen(pNewClass->m_lpszClassName);
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
