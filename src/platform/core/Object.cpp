#include "platform/core/Object.h"

#include "platform/core/ObjectArena.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

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
// may register later.
CRuntimeClass* FindClassRemembered(std::string_view name)
{
    static std::mutex s_mutex;
    static std::unordered_map<std::string_view, CRuntimeClass*> s_found;
    const std::lock_guard<std::mutex> lock(s_mutex);
    if (const auto it = s_found.find(name); it != s_found.end())
        return it->second;
    const std::string terminated(name);
    CRuntimeClass* pClass = FindClass(terminated.c_str());
    if (pClass != nullptr)
        s_found.emplace(pClass->m_lpszClassName, pClass);
    return pClass;
}

// A few bytes from each end of the name and its length: enough to tell the program's class
// names apart, which share long prefixes, without hashing every byte. The high bits of the
// product depend on every bit of the parts: they pick the slot.
std::uint64_t NameHash(std::string_view name)
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
    return (nHead ^ std::rotl(nTail, 29) ^ name.size()) * 0x9E3779B97F4A7C15ull;
}

// A load names its classes once each, a few dozen per file, and every Open and Undo loads a
// file: the lock and the full hash of the remembered classes cost a small diagram a tenth of
// its load. Each thread keeps the classes it found in a small open-addressed table of its own,
// which holds every class the program has at half its size, so a class once found stays.
CRuntimeClass* FindClassCached(std::string_view name)
{
    struct Slot {
        std::string_view name;
        CRuntimeClass* pClass;
    };
    constexpr int kSlotBits = 9;
    constexpr std::size_t kSlots = std::size_t(1) << kSlotBits;
    thread_local std::array<Slot, kSlots> s_slots{};
    thread_local std::size_t s_nUsed = 0;
    std::size_t i = std::size_t(NameHash(name) >> (64 - kSlotBits));
    for (; s_slots[i].pClass != nullptr; i = (i + 1) & (kSlots - 1)) {
        if (s_slots[i].name == name)
            return s_slots[i].pClass;
    }
    CRuntimeClass* pClass = FindClassRemembered(name);
    if (pClass != nullptr && s_nUsed < kSlots / 2) {
        s_slots[i] = Slot{pClass->m_lpszClassName, pClass};
        ++s_nUsed;
    }
    return pClass;
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
    return lpszClassName != nullptr ? FindClassCached(lpszClassName) : nullptr;
}

CRuntimeClass* CRuntimeClass::FromName(std::string_view name)
{
    if (name.empty() || name.find('\0') != std::string_view::npos)
        return nullptr;
    return FindClassCached(name);
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
