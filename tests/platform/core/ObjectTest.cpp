#include "platform/core/Exception.h"
#include "platform/core/File.h"
#include "platform/core/MemFile.h"
#include "platform/core/Object.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

namespace {

// A three-level hierarchy with a sibling branch.
class CObjTestShape : public CObject {
    DECLARE_DYNAMIC(CObjTestShape)
};

class CObjTestBox : public CObjTestShape {
    DECLARE_DYNCREATE(CObjTestBox)
};

class CObjTestCube : public CObjTestBox {
    DECLARE_SERIAL(CObjTestCube)

public:
    int m_nEdge = 7;
};

class CObjTestCircle : public CObjTestShape {
    DECLARE_SERIAL(CObjTestCircle)
};

IMPLEMENT_DYNAMIC(CObjTestShape, CObject)
IMPLEMENT_DYNCREATE(CObjTestBox, CObjTestShape)
IMPLEMENT_SERIAL(CObjTestCube, CObjTestBox, 3)
IMPLEMENT_SERIAL(CObjTestCircle, CObjTestShape, VERSIONABLE_SCHEMA | 2)

CObject* NewLateClassObject()
{
    return new CObjTestCircle;
}

// A class record that no static registrar announces: what a class looks like whose object file
// the linker dropped from a static library until its library's registration function names it.
constinit CRuntimeClass g_lateClass = {"CObjTestLateClass", int(sizeof(CObjTestCircle)), 1,
                                       NewLateClassObject, RUNTIME_CLASS(CObjTestShape)};

TEST(RunTimeClassTest, IsKindOfFollowsTheBaseClassChain)
{
    const CObjTestCube cube;
    const CObjTestCircle circle;
    const CObject& asObject = cube;

    EXPECT_EQ(asObject.GetRuntimeClass(), RUNTIME_CLASS(CObjTestCube));
    EXPECT_TRUE(cube.IsKindOf(RUNTIME_CLASS(CObjTestCube)));
    EXPECT_TRUE(cube.IsKindOf(RUNTIME_CLASS(CObjTestBox)));
    EXPECT_TRUE(cube.IsKindOf(RUNTIME_CLASS(CObjTestShape)));
    EXPECT_TRUE(cube.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(cube.IsKindOf(RUNTIME_CLASS(CObjTestCircle)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CObjTestBox)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObjTestShape)));

    const CObjTestBox box;
    EXPECT_FALSE(box.IsKindOf(RUNTIME_CLASS(CObjTestCube)));
    EXPECT_TRUE(RUNTIME_CLASS(CObjTestCube)->IsDerivedFrom(RUNTIME_CLASS(CObjTestShape)));
    EXPECT_FALSE(RUNTIME_CLASS(CObjTestShape)->IsDerivedFrom(RUNTIME_CLASS(CObjTestCube)));
}

TEST(RunTimeClassTest, RecordsCarryNameSizeAndSchema)
{
    const CRuntimeClass* pCube = RUNTIME_CLASS(CObjTestCube);
    EXPECT_STREQ(pCube->m_lpszClassName, "CObjTestCube");
    EXPECT_EQ(pCube->m_nObjectSize, int(sizeof(CObjTestCube)));
    EXPECT_EQ(pCube->m_wSchema, 3u);
    EXPECT_EQ(pCube->m_pBaseClass, RUNTIME_CLASS(CObjTestBox));
    EXPECT_EQ(RUNTIME_CLASS(CObjTestCircle)->m_wSchema, VERSIONABLE_SCHEMA | 2);
    EXPECT_EQ(RUNTIME_CLASS(CObjTestBox)->m_wSchema, SCHEMA_NOT_SERIAL);
    EXPECT_EQ(RUNTIME_CLASS(CObject)->m_pBaseClass, nullptr);

    EXPECT_TRUE(CObjTestCube().IsSerializable());
    EXPECT_FALSE(CObjTestBox().IsSerializable());
}

TEST(RunTimeClassTest, CreatesObjectsByClassName)
{
    CRuntimeClass* pClass = CRuntimeClass::FromName("CObjTestCube");
    ASSERT_EQ(pClass, RUNTIME_CLASS(CObjTestCube));
    EXPECT_EQ(CRuntimeClass::FromName(u"CObjTestCube"), pClass);

    const std::unique_ptr<CObject> pObject(pClass->CreateObject());
    ASSERT_NE(pObject, nullptr);
    EXPECT_EQ(pObject->GetRuntimeClass(), RUNTIME_CLASS(CObjTestCube));
    EXPECT_EQ(static_cast<CObjTestCube*>(pObject.get())->m_nEdge, 7);

    const std::unique_ptr<CObject> pBox(CRuntimeClass::FromName("CObjTestBox")->CreateObject());
    ASSERT_NE(pBox, nullptr);
    EXPECT_EQ(pBox->GetRuntimeClass(), RUNTIME_CLASS(CObjTestBox));
}

TEST(RunTimeClassTest, NamesAreMatchedExactly)
{
    EXPECT_EQ(CRuntimeClass::FromName("CObjTestCub"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CObjTestCubeX"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("cobjtestcube"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(""), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(static_cast<LPCSTR>(nullptr)), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(u"CObjTestCub\u00e9"), nullptr);
    // One character changed anywhere in a name of the registered length.
    for (std::size_t i = 0; i < std::string_view("CObjTestCube").size(); ++i) {
        std::string name = "CObjTestCube";
        name[i] = '_';
        EXPECT_EQ(CRuntimeClass::FromName(std::string_view(name)), nullptr) << name;
    }
    // A name as a record holds it: counted, not terminated, and whole.
    EXPECT_EQ(CRuntimeClass::FromName(std::string_view("CObjTestCubeX", 12)), RUNTIME_CLASS(CObjTestCube));
    EXPECT_EQ(CRuntimeClass::FromName(std::string_view("CObjTestCube\0", 13)), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(std::string_view("CObj\0TestCube", 13)), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(std::string_view()), nullptr);
    // Asked again, from the lookups remembered by now, the answers stay the same.
    EXPECT_EQ(CRuntimeClass::FromName("CObjTestCube"), RUNTIME_CLASS(CObjTestCube));
    EXPECT_EQ(CRuntimeClass::FromName("CObjTestBox"), RUNTIME_CLASS(CObjTestBox));
    EXPECT_EQ(CRuntimeClass::FromName("CObjTestCub"), nullptr);
}

TEST(RunTimeClassTest, FrameworkClassesAreRegisteredButOnlySomeCanBeCreated)
{
    EXPECT_EQ(CRuntimeClass::FromName("CObject"), RUNTIME_CLASS(CObject));
    EXPECT_EQ(CRuntimeClass::FromName("CMemFile"), RUNTIME_CLASS(CMemFile));
    EXPECT_EQ(CRuntimeClass::FromName("CObjTestShape")->CreateObject(), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CFile)->CreateObject(), nullptr);
    EXPECT_TRUE(RUNTIME_CLASS(CMemFile)->IsDerivedFrom(RUNTIME_CLASS(CFile)));
    EXPECT_TRUE(RUNTIME_CLASS(CArchiveException)->IsDerivedFrom(RUNTIME_CLASS(CException)));
    EXPECT_TRUE(RUNTIME_CLASS(CFileException)->IsDerivedFrom(RUNTIME_CLASS(CException)));
    EXPECT_TRUE(RUNTIME_CLASS(CMemoryException)->IsDerivedFrom(RUNTIME_CLASS(CException)));
}

TEST(RunTimeClassTest, LibraryRegistrationFunctionMakesAnUnannouncedClassFindable)
{
    EXPECT_EQ(CRuntimeClass::FromName("CObjTestLateClass"), nullptr);

    AfxRegisterClasses({&g_lateClass, RUNTIME_CLASS(CObjTestCube)});
    AfxRegisterClasses({&g_lateClass}); // a second call changes nothing

    ASSERT_EQ(CRuntimeClass::FromName("CObjTestLateClass"), &g_lateClass);
    EXPECT_EQ(CRuntimeClass::FromName("CObjTestCube"), RUNTIME_CLASS(CObjTestCube));
    const std::unique_ptr<CObject> pObject(g_lateClass.CreateObject());
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CObjTestShape)));
}

TEST(RunTimeClassDeathTest, TwoClassesOfOneNameStopTheProgram)
{
    static CRuntimeClass impostor = {"CObjTestCube", 8, 1, nullptr, RUNTIME_CLASS(CObject)};
    EXPECT_DEATH(AfxRegisterClass(&impostor), "two classes are registered as CObjTestCube");
}

} // namespace
