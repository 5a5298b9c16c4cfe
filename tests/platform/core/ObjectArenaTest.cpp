#include "platform/core/Object.h"
#include "platform/core/ObjectArena.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#endif

namespace {

// A made-by-name class whose constructor makes another object, as a text block makes its
// elements: only the object created by name belongs to the load's arena.
class CArenaTestPart : public CObject {
    DECLARE_DYNCREATE(CArenaTestPart)

public:
    int m_nValue = 17;
};

class CArenaTestWhole : public CObject {
    DECLARE_DYNCREATE(CArenaTestWhole)

public:
    CArenaTestWhole() : m_pPart(new CArenaTestPart) {}
    ~CArenaTestWhole() override { delete m_pPart; }
    CArenaTestWhole(const CArenaTestWhole&) = delete;
    CArenaTestWhole& operator=(const CArenaTestWhole&) = delete;

    CArenaTestPart* m_pPart;
    char m_filler[8000] = {};   // a few of them fill more than one chunk
};

// Larger than any chunk an arena makes by itself.
class CArenaTestHuge : public CObject {
    DECLARE_DYNCREATE(CArenaTestHuge)

public:
    char m_bytes[700 * 1024] = {};
};

// Fails in its constructor, after its memory was taken.
class CArenaTestFailing : public CObject {
    DECLARE_DYNCREATE(CArenaTestFailing)

public:
    CArenaTestFailing() { throw std::runtime_error("refused"); }
};

IMPLEMENT_DYNCREATE(CArenaTestPart, CObject)
IMPLEMENT_DYNCREATE(CArenaTestWhole, CObject)
IMPLEMENT_DYNCREATE(CArenaTestFailing, CObject)
IMPLEMENT_DYNCREATE(CArenaTestHuge, CObject)

CObject* CreatePart() { return RUNTIME_CLASS(CArenaTestPart)->CreateObject(); }

class ObjectArenaTest : public testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(ObjectMemory::LiveArenaCount(), m_nArenasBefore); }

    const std::size_t m_nArenasBefore = ObjectMemory::LiveArenaCount();
};

// Objects made by name, or made in the scope by a loader that knows their class, come from the
// arena; any other object from the heap.
TEST_F(ObjectArenaTest, OnlyObjectsCreatedByNameInAScopeComeFromTheArena)
{
    std::unique_ptr<CObject> pOutside(CreatePart());
    std::unique_ptr<CArenaTestPart> pKnownOutside(NewInScope<CArenaTestPart>());
    EXPECT_FALSE(ObjectMemory::IsInArena(pOutside.get()));
    EXPECT_FALSE(ObjectMemory::IsInArena(pKnownOutside.get()));
    {
        const CObjectArenaScope scope;
        std::unique_ptr<CObject> pByName(CreatePart());
        std::unique_ptr<CArenaTestPart> pKnown(NewInScope<CArenaTestPart>());
        EXPECT_TRUE(ObjectMemory::IsInArena(pKnown.get()));
        EXPECT_EQ(pKnown->m_nValue, 17);
        std::unique_ptr<CObject> pPlain(new CArenaTestPart);
        std::unique_ptr<CArenaTestWhole> pWhole(
            static_cast<CArenaTestWhole*>(RUNTIME_CLASS(CArenaTestWhole)->CreateObject()));
        EXPECT_TRUE(ObjectMemory::IsInArena(pByName.get()));
        EXPECT_FALSE(ObjectMemory::IsInArena(pPlain.get()));
        EXPECT_TRUE(ObjectMemory::IsInArena(pWhole.get()));
        EXPECT_FALSE(ObjectMemory::IsInArena(pWhole->m_pPart));
        EXPECT_EQ(pWhole->m_pPart->m_nValue, 17);
        std::unique_ptr<CArenaTestHuge> pHuge(
            static_cast<CArenaTestHuge*>(RUNTIME_CLASS(CArenaTestHuge)->CreateObject()));
        std::unique_ptr<CObject> pAfterHuge(CreatePart());
        EXPECT_TRUE(ObjectMemory::IsInArena(pHuge.get()));
        EXPECT_EQ(pHuge->m_bytes[sizeof(pHuge->m_bytes) - 1], 0);
        EXPECT_EQ(static_cast<CArenaTestPart*>(pAfterHuge.get())->m_nValue, 17);
        EXPECT_EQ(ObjectMemory::LiveArenaCount(), m_nArenasBefore + 1);
    }
    EXPECT_EQ(ObjectMemory::LiveArenaCount(), m_nArenasBefore);
}

// Objects of one arena deleted in every order, some before and some after the load's scope has
// ended: the chunks go back exactly when the last object goes.
TEST_F(ObjectArenaTest, ChunksGoBackWithTheLastObjectWhateverTheOrder)
{
    enum class Order { Forward, Backward, OddsFirst };
    for (const Order order : {Order::Forward, Order::Backward, Order::OddsFirst}) {
        for (const std::size_t nBeforeScopeEnds : {std::size_t(0), std::size_t(5), std::size_t(40)}) {
            SCOPED_TRACE(testing::Message() << int(order) << " / " << nBeforeScopeEnds);
            std::vector<CObject*> objects;
            std::vector<CObject*> heapObjects;
            auto scope = std::make_unique<CObjectArenaScope>();
            // Enough large objects for several chunks, mixed with heap objects.
            for (int i = 0; i < 40; ++i) {
                objects.push_back(i % 3 == 0 ? RUNTIME_CLASS(CArenaTestWhole)->CreateObject() : CreatePart());
                heapObjects.push_back(new CArenaTestPart);
            }
            std::vector<CObject*> deleteOrder;
            if (order == Order::Backward)
                deleteOrder.assign(objects.rbegin(), objects.rend());
            else if (order == Order::Forward)
                deleteOrder = objects;
            else {
                for (std::size_t i = 1; i < objects.size(); i += 2)
                    deleteOrder.push_back(objects[i]);
                for (std::size_t i = 0; i < objects.size(); i += 2)
                    deleteOrder.push_back(objects[i]);
            }
            for (std::size_t i = 0; i < deleteOrder.size(); ++i) {
                if (i == nBeforeScopeEnds)
                    scope.reset();
                EXPECT_EQ(ObjectMemory::LiveArenaCount(), m_nArenasBefore + 1);
                delete deleteOrder[i];
            }
            scope.reset();
            EXPECT_EQ(ObjectMemory::LiveArenaCount(), m_nArenasBefore);
            for (CObject* pHeap : heapObjects) {
                EXPECT_EQ(static_cast<CArenaTestPart*>(pHeap)->m_nValue, 17);
                delete pHeap;
            }
        }
    }
}

TEST_F(ObjectArenaTest, AnInnerScopeHasAnArenaOfItsOwn)
{
    auto outer = std::make_unique<CObjectArenaScope>();
    std::unique_ptr<CObject> pOuterObject(CreatePart());
    std::unique_ptr<CObject> pInnerObject;
    {
        const CObjectArenaScope inner;
        pInnerObject.reset(CreatePart());
        EXPECT_EQ(ObjectMemory::LiveArenaCount(), m_nArenasBefore + 2);
    }
    std::unique_ptr<CObject> pOuterAgain(CreatePart());
    outer.reset();
    pInnerObject.reset();
    EXPECT_EQ(ObjectMemory::LiveArenaCount(), m_nArenasBefore + 1);
    EXPECT_TRUE(ObjectMemory::IsInArena(pOuterAgain.get()));
    pOuterObject.reset();
    pOuterAgain.reset();
}

// A constructor that throws gives its memory back, and the next plain new is the heap's again.
TEST_F(ObjectArenaTest, AFailedCreationTakesNothingAndArmsNothing)
{
    {
        const CObjectArenaScope scope;
        EXPECT_THROW(RUNTIME_CLASS(CArenaTestFailing)->CreateObject(), std::runtime_error);
        EXPECT_THROW(NewInScope<CArenaTestFailing>(), std::runtime_error);
        std::unique_ptr<CObject> pPlain(new CArenaTestPart);
        EXPECT_FALSE(ObjectMemory::IsInArena(pPlain.get()));
    }
    EXPECT_EQ(ObjectMemory::LiveArenaCount(), m_nArenasBefore);
}

// The controller link's worker threads build no objects, but whatever thread deletes the last
// object of an arena frees it, and a thread without a scope allocates from the heap.
TEST_F(ObjectArenaTest, ObjectsMayBeDeletedAndMadeOnAnotherThread)
{
    std::vector<CObject*> objects;
    {
        const CObjectArenaScope scope;
        for (int i = 0; i < 200; ++i)
            objects.push_back(CreatePart());
    }
    bool bWorkerObjectInArena = true;
    std::thread worker([&] {
        std::unique_ptr<CObject> pOwn(CreatePart());
        bWorkerObjectInArena = ObjectMemory::IsInArena(pOwn.get());
        for (std::size_t i = 0; i < objects.size(); i += 2)
            delete objects[i];
    });
    for (std::size_t i = 1; i < objects.size(); i += 2)
        delete objects[i];
    worker.join();
    EXPECT_FALSE(bWorkerObjectInArena);
}

#if defined(__SANITIZE_ADDRESS__)
// A use after delete must still be caught though the memory stays in the chunk.
TEST_F(ObjectArenaTest, ADeletedObjectsMemoryIsPoisonedAndItsNeighboursAreNot)
{
    const CObjectArenaScope scope;
    std::unique_ptr<CObject> pFirst(CreatePart());
    CObject* pMiddle = CreatePart();
    std::unique_ptr<CObject> pLast(CreatePart());
    const auto* pMiddleBytes = reinterpret_cast<const char*>(pMiddle);
    delete pMiddle;
    EXPECT_TRUE(__asan_address_is_poisoned(pMiddleBytes));
    EXPECT_TRUE(__asan_address_is_poisoned(pMiddleBytes + sizeof(CArenaTestPart) - 1));
    EXPECT_FALSE(__asan_region_is_poisoned(pFirst.get(), sizeof(CArenaTestPart)));
    EXPECT_FALSE(__asan_region_is_poisoned(pLast.get(), sizeof(CArenaTestPart)));
}
#endif

} // namespace
