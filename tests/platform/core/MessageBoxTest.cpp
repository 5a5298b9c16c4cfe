#include "platform/core/MessageBox.h"

#include "platform/core/StringPrinter.h"
#include "platform/core/StringTable.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageBox, ButtonsAndDefaultButton)
{
    struct Row {
        UINT type;
        std::vector<int> buttons;
        int defaultButton;
    };
    const Row rows[] = {
        {MB_OK, {IDOK}, IDOK},
        {MB_OK | MB_DEFBUTTON2, {IDOK}, IDOK}, // no second button: the first
        {MB_OKCANCEL, {IDOK, IDCANCEL}, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, {IDOK, IDCANCEL}, IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, {IDABORT, IDRETRY, IDIGNORE}, IDRETRY},
        {MB_YESNOCANCEL | MB_ICONQUESTION, {IDYES, IDNO, IDCANCEL}, IDYES},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, {IDYES, IDNO, IDCANCEL}, IDCANCEL},
        {MB_YESNO | MB_ICONEXCLAMATION, {IDYES, IDNO}, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, {IDYES, IDNO}, IDNO},
        {MB_RETRYCANCEL | MB_ICONSTOP, {IDRETRY, IDCANCEL}, IDRETRY},
        {0xE, {IDOK}, IDOK}, // an unknown button set
    };
    for (const Row& r : rows) {
        EXPECT_EQ(MessageBoxButtons(r.type), r.buttons) << std::hex << r.type;
        EXPECT_EQ(MessageBoxDefaultButton(r.type), r.defaultButton) << std::hex << r.type;
    }
}

TEST(MessageBox, HeadlessWritesToStderrAndAnswersTheDefault)
{
    testing::internal::CaptureStderr();
    const int answer = ShowMessageBox(CString(u"Save changes?"), CString(u"Caption"), MB_YESNO | MB_DEFBUTTON2);
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_EQ(answer, IDNO);
    EXPECT_NE(written.find("Caption"), std::string::npos);
    EXPECT_NE(written.find("Save changes?"), std::string::npos);
}

TEST(MessageBox, RecorderAnswersInOrderAndRecords)
{
    CMessageBoxRecorder recorder;
    recorder.QueueAnswer(IDNO);
    EXPECT_EQ(ShowMessageBox(CString(u"First"), CString(u"Title"), MB_YESNO), IDNO);
    EXPECT_EQ(AfxMessageBox(u"Second", MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL); // queue empty: default
    MessageBeep(MB_ICONEXCLAMATION);

    ASSERT_EQ(recorder.Boxes().size(), 2u);
    EXPECT_EQ(recorder.Boxes()[0].text, u"First");
    EXPECT_EQ(recorder.Boxes()[0].caption, u"Title");
    EXPECT_EQ(recorder.Boxes()[0].type, MB_YESNO);
    EXPECT_EQ(recorder.Boxes()[0].answer, IDNO);
    EXPECT_EQ(recorder.Boxes()[1].text, u"Second");
    EXPECT_EQ(recorder.Boxes()[1].answer, IDCANCEL);
    EXPECT_EQ(recorder.Beeps(), std::vector<UINT>{MB_ICONEXCLAMATION});

    recorder.Clear();
    EXPECT_TRUE(recorder.Boxes().empty());
    EXPECT_TRUE(recorder.Beeps().empty());
}

TEST(MessageBox, CaptionDefaultsToTheApplicationTitle)
{
    CMessageBoxRecorder recorder;
    EXPECT_EQ(GetAppTitle(), u"qarvo-editor");
    AfxMessageBox(u"x");
    SetAppTitle(CString(u"Other"));
    ShowMessageBox(CString(u"y"), CString(), MB_OK);
    SetAppTitle(CString(u"qarvo-editor"));
    ASSERT_EQ(recorder.Boxes().size(), 2u);
    EXPECT_EQ(recorder.Boxes()[0].caption, u"qarvo-editor");
    EXPECT_EQ(recorder.Boxes()[1].caption, u"Other");
}

TEST(MessageBox, PromptFromTheStringTable)
{
    CMessageBoxRecorder recorder;
    AfxMessageBox(AFX_IDP_PARSE_INT, MB_ICONEXCLAMATION);
    AfxMessageBox(1u); // no text for this id: an empty prompt
    ASSERT_EQ(recorder.Boxes().size(), 2u);
    EXPECT_EQ(recorder.Boxes()[0].text, u"Please enter an integer.");
    EXPECT_EQ(recorder.Boxes()[0].type, MB_ICONEXCLAMATION);
    EXPECT_EQ(recorder.Boxes()[1].text, u"");
}

TEST(MessageBox, RecordersNestAndRestoreThePreviousHandler)
{
    CMessageBoxRecorder outer;
    {
        CMessageBoxRecorder inner;
        AfxMessageBox(u"inner");
        MessageBeep(MB_OK);
        EXPECT_EQ(inner.Boxes().size(), 1u);
        EXPECT_EQ(inner.Beeps().size(), 1u);
    }
    AfxMessageBox(u"outer");
    MessageBeep(MB_SIMPLEBEEP);
    ASSERT_EQ(outer.Boxes().size(), 1u);
    EXPECT_EQ(outer.Boxes()[0].text, u"outer");
    EXPECT_EQ(outer.Beeps(), std::vector<UINT>{MB_SIMPLEBEEP});
}

TEST(MessageBox, InstalledHandlerIsReplacedAndReturned)
{
    int calls = 0;
    MessageBoxHandler previous = SetMessageBoxHandler([&](const CString&, const CString&, UINT) {
        ++calls;
        return IDRETRY;
    });
    EXPECT_EQ(ShowMessageBox(CString(u"t"), CString(), MB_RETRYCANCEL), IDRETRY);
    MessageBoxHandler mine = SetMessageBoxHandler(std::move(previous));
    EXPECT_TRUE(mine);
    EXPECT_EQ(calls, 1);
}

} // namespace
