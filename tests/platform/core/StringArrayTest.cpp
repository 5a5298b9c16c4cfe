#include "platform/core/StringArray.h"

#include "platform/core/StringPrinter.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

CString Joined(const CStringArray& a)
{
    CString s;
    for (const CString& item : a)
        s += item + u"|";
    return s;
}

TEST(StringArray, AddSizeAndAccess)
{
    CStringArray a;
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.GetUpperBound(), -1);
    EXPECT_EQ(a.Add(u"x"), 0);
    EXPECT_EQ(a.Add(CString(u"y")), 1);
    EXPECT_EQ(a.GetSize(), 2);
    EXPECT_EQ(a.GetCount(), 2);
    EXPECT_EQ(a.GetUpperBound(), 1);
    EXPECT_EQ(a[1], u"y");
    a[0] = u"z";
    a.ElementAt(1) += u"!";
    a.SetAt(0, a.GetAt(0) + u"?");
    EXPECT_EQ(Joined(a), u"z?|y!|");
}

TEST(StringArray, SetSizeGrowsWithEmptyStringsAndShrinks)
{
    CStringArray a;
    a.Add(u"a");
    a.SetSize(3);
    EXPECT_EQ(Joined(a), u"a|||");
    a.SetSize(1);
    EXPECT_EQ(Joined(a), u"a|");
    EXPECT_THROW(a.SetSize(-1), std::out_of_range);
}

TEST(StringArray, InsertRemoveAndGrow)
{
    CStringArray a;
    a.Add(u"a");
    a.Add(u"d");
    a.InsertAt(1, CString(u"b"), 2);
    EXPECT_EQ(Joined(a), u"a|b|b|d|");
    a.RemoveAt(2);
    a.InsertAt(6, CString(u"z")); // past the end: grows with empty strings first
    EXPECT_EQ(Joined(a), u"a|b|d||||z|");
    a.RemoveAt(3, 3);
    EXPECT_EQ(Joined(a), u"a|b|d|z|");
    a.SetAtGrow(5, CString(u"g"));
    EXPECT_EQ(Joined(a), u"a|b|d|z||g|");
    a.InsertAt(0, a[1]); // an element of the array itself
    EXPECT_EQ(a[0], u"b");
    a.RemoveAll();
    EXPECT_TRUE(a.IsEmpty());
}

TEST(StringArray, OutOfRangeThrows)
{
    CStringArray a;
    a.Add(u"a");
    EXPECT_THROW(a.GetAt(1), std::out_of_range);
    EXPECT_THROW(a.GetAt(-1), std::out_of_range);
    EXPECT_THROW(a.SetAt(1, u"x"), std::out_of_range);
    EXPECT_THROW(a.ElementAt(5), std::out_of_range);
    EXPECT_THROW(a.RemoveAt(0, 2), std::out_of_range);
    EXPECT_THROW(a.RemoveAt(-1), std::out_of_range);
    EXPECT_THROW(a.SetAtGrow(-1, CString()), std::out_of_range);
    EXPECT_THROW(a.InsertAt(-1, CString()), std::out_of_range);
    EXPECT_EQ(a.GetSize(), 1);
}

TEST(StringArray, AppendAndCopy)
{
    CStringArray a;
    a.Add(u"a");
    a.Add(u"b");
    CStringArray b;
    b.Add(u"c");
    EXPECT_EQ(b.Append(a), 1);
    EXPECT_EQ(Joined(b), u"c|a|b|");
    EXPECT_EQ(b.Append(b), 3); // appending itself doubles it
    EXPECT_EQ(Joined(b), u"c|a|b|c|a|b|");
    b.Copy(a);
    EXPECT_EQ(Joined(b), u"a|b|");
    b.Copy(b);
    EXPECT_EQ(Joined(b), u"a|b|");
    b.InsertAt(1, a);
    EXPECT_EQ(Joined(b), u"a|a|b|b|");
}

} // namespace
