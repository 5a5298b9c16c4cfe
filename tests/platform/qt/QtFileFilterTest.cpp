// The layer's file filters as Qt's name filters: each pattern list shown once.
#include "platform/qt/QtMenus.h"

#include <gtest/gtest.h>

namespace {

TEST(QtFileFilter, PatternsAreShownOnceWhateverTheNameShows)
{
    EXPECT_EQ(QtFileFilter(_T("Function Block Files (*.dfb)|*.dfb||")).toStdString(),
              "Function Block Files (*.dfb)");
    EXPECT_EQ(QtFileFilter(_T("Diagram Files(*.dfb, *.dld)|*.dfb; *.dld|All Files(*.*)|*.*||")).toStdString(),
              "Diagram Files (*.dfb *.dld);;All Files (*.*)");
    EXPECT_EQ(QtFileFilter(_T("Plain|*.txt||")).toStdString(), "Plain (*.txt)");
}

} // namespace
