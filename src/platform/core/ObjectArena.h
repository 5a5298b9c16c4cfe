// Where CObjects live. A load makes one object per block and wire of a document, thousands of
// them, and a heap allocation for each (and a free for each when Open or Undo replaced them)
// was a large part of what a load cost. So the objects a load creates by class name (or by a
// class it knows, NewInScope) come from an arena: a few large chunks, bump-allocated in the order the objects are read, so that a
// document's objects also lie together in memory. Every other object (made by editing, paste
// or a test) comes from the heap as before.
//
// An arena belongs to its objects, not to a document: the objects of a load move to other
// documents (Open and Undo adopt a trial document's lists; paste and drag move them on), and
// each is deleted on its own. An arena counts its live objects; deleting one runs no free of
// its own, and the chunks go back to the heap once the load is over and the last of its
// objects is deleted. No worker thread makes or deletes model objects today (the controller
// link's workers only read the port and wait), but the count is atomic, so that a delete on
// any thread stays safe. In the sanitizer build a deleted object's memory is poisoned, so
// that a use after delete is still caught.
#pragma once

#include <cstddef>
#include <new>

class CObject;
class CObjectArena;

namespace ObjectMemory {
void* AllocateInScope(std::size_t nBytes);
} // namespace ObjectMemory

// While a scope lives, the objects its thread creates by class name (CRuntimeClass::CreateObject,
// as an archive load does) or with NewInScope come from one arena of the scope's own, made at
// the first of them.
// An inner scope has an arena of its own; the outer one takes over again when it ends.
class CObjectArenaScope {
public:
    CObjectArenaScope();
    ~CObjectArenaScope();
    CObjectArenaScope(const CObjectArenaScope&) = delete;
    CObjectArenaScope& operator=(const CObjectArenaScope&) = delete;

private:
    friend CObject* CreateObjectInScope(CObject* (*pfnCreate)());
    friend void* ObjectMemory::AllocateInScope(std::size_t nBytes);
    // The arena, made at the first object of the scope.
    CObjectArena& Arena();

    CObjectArena* m_pArena = nullptr;
    CObjectArenaScope* m_pOuter;
};

// Runs pfnCreate, whose first allocation (the object it makes) comes from the arena of the
// thread's scope when there is one; objects its constructor makes come from the heap.
CObject* CreateObjectInScope(CObject* (*pfnCreate)());

namespace ObjectMemory {

// The memory of an object made for the thread's scope without a creator to call: from the
// scope's arena when there is one, else from the heap. Freed by the object's delete.
void* AllocateInScope(std::size_t nBytes);

// CObject's operator new and delete.
void* Allocate(std::size_t nBytes);
void Free(void* p, std::size_t nBytes) noexcept;

// Whether a live object was allocated in an arena.
bool IsInArena(const CObject* pObject);
// Arenas whose chunks have not gone back yet, in the whole process: a load that failed or a
// document deleted leaves none of its own behind.
std::size_t LiveArenaCount();

} // namespace ObjectMemory

// A T made as CreateObjectInScope makes one, without the call through its class's creator: a
// load that makes many objects of a class it knows, each call's target the same.
template <class T>
T* NewInScope()
{
    void* pMemory = ObjectMemory::AllocateInScope(sizeof(T));
    try {
        return ::new (pMemory) T;
    } catch (...) {
        ObjectMemory::Free(pMemory, sizeof(T));
        throw;
    }
}
