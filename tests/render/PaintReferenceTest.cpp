// The painted pixels stay the same while the drawing layer is made faster: the largest diagram
// as a simulating view paints it, and a sample of every block type in edit and simulation
// colours, are compared pixel by pixel with images recorded from the drawing as it was. The
// simulated clock is set by hand and only moved by the test, so timers and clock texts in the
// value boxes read the same in every run.
//
// The reference images depend on how the machine renders text: machines with the same
// packages have been seen to draw the same fonts with different glyph shapes and metrics. So
// a machine's text rendering has a key (a sample drawn by Qt alone, hashed), and the images
// recorded on a machine go to the folder of its key. A machine whose key has no folder is
// compared with the images in the references' own folder, recorded before keys were kept.
// To record them on this machine, or again after a change that is meant to alter the drawing:
//   QARVO_RECORD_RENDER=1 build-test/tests/render_tests --gtest_filter='PaintReference*'
#include "support/ActiveDocument.h"
#include "support/LargestDiagram.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/MessageTextClasses.h"
#include "document/SimScan.h"
#include "editor/VetlaView.h"
#include "platform/qt/OffscreenImage.h"
#include "support/QtTestApp.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kColumns = 40;
constexpr int kPitchX = 80;
constexpr int kPitchY = 90;

// The faces the diagram asks for (the block fonts name Arial, fixed or proportional) at the
// sizes it uses, drawn by Qt alone, hashed (FNV-1a over the pixels).
std::string TextRenderingKey()
{
    QImage sample(480, 160, QImage::Format_RGB32);
    sample.fill(Qt::white);
    QPainter painter(&sample);
    int nY = 0;
    for (QFont::StyleHint hint : {QFont::Monospace, QFont::SansSerif}) {
        for (int nPixels : {8, 10, 12, 14}) {
            QFont font(QStringLiteral("Arial"));
            font.setStyleHint(hint);
            font.setPixelSize(nPixels);
            painter.setFont(font);
            nY += nPixels + 4;
            painter.drawText(2, nY, QStringLiteral("B20 Rem=off Lat:N0.0'0\" Mask = 0x0000 >=1"));
        }
    }
    painter.end();
    std::uint64_t nHash = 14695981039346656037ULL;
    for (int y = 0; y < sample.height(); ++y) {
        const auto* pLine = reinterpret_cast<const QRgb*>(sample.constScanLine(y));
        for (int x = 0; x < sample.width(); ++x) {
            nHash ^= pLine[x] & 0xFFFFFFu;
            nHash *= 1099511628211ULL;
        }
    }
    char szKey[17];
    std::snprintf(szKey, sizeof szKey, "%016llx", static_cast<unsigned long long>(nHash));
    return szKey;
}

std::string KeyedFolder()
{
    static const std::string s_folder = std::string(QARVO_RENDER_DIR) + "/" + TextRenderingKey();
    return s_folder;
}

bool IsRecording()
{
    const char* pszRecord = std::getenv("QARVO_RECORD_RENDER");
    return pszRecord && *pszRecord == '1';
}

std::string ReferencePath(const std::string& name)
{
    const bool bKeyed = IsRecording() || QDir(QString::fromStdString(KeyedFolder())).exists();
    return (bKeyed ? KeyedFolder() : std::string(QARVO_RENDER_DIR)) + "/" + name + ".png";
}

// Saves the image where the test runs, then records it as the reference or compares the two
// pixel by pixel.
void ExpectMatchesReference(const COffscreenImage& image, const std::string& name)
{
    const std::u16string file = u"paint-" + std::u16string(name.begin(), name.end()) + u".png";
    ASSERT_TRUE(image.SavePng(file.c_str()));
    const QImage drawn(QString::fromStdU16String(file));
    const std::string reference = ReferencePath(name);
    if (IsRecording()) {
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(KeyedFolder())));
        ASSERT_TRUE(drawn.save(QString::fromStdString(reference), "PNG"));
        return;
    }
    // A drawing change recorded on one text rendering cannot be recorded for the others; such a
    // machine's folder lacks the new image until it is recorded there, and the check waits.
    if (reference.rfind(KeyedFolder(), 0) == 0 && !QFile::exists(QString::fromStdString(reference)))
        GTEST_SKIP() << "no reference " << reference << " for this text rendering yet";
    const QImage expected(QString::fromStdString(reference));
    ASSERT_FALSE(expected.isNull()) << "no reference image " << reference;
    SCOPED_TRACE("reference " + reference);
    ASSERT_EQ(drawn.size(), expected.size()) << name;
    const QImage a = drawn.convertToFormat(QImage::Format_RGB32);
    const QImage b = expected.convertToFormat(QImage::Format_RGB32);
    int nDiffering = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < a.height(); ++y) {
        const auto* pA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* pB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (pA[x] != pB[x]) {
                if (nDiffering++ == 0)
                    first = QPoint(x, y);
            }
        }
    }
    EXPECT_EQ(nDiffering, 0) << name << ": first difference at " << first.x() << "," << first.y()
                             << " (drawn image in " << std::string(file.begin(), file.end()) << ")";
}

// A fixed clock: 14:30:00 on 3 March 2025.
SYSTEMTIME FixedClock()
{
    SYSTEMTIME st{};
    st.wYear = 2025;
    st.wMonth = 3;
    st.wDay = 3;
    st.wDayOfWeek = 1;
    st.wHour = 14;
    st.wMinute = 30;
    return st;
}

class PaintReference : public ::testing::Test {
protected:
    PaintReference()
    {
        QtTestApp();
        RegisterBlockClasses();
        RegisterMessageTextClasses();
        g_wHardwareCode = 0x5188;
        Doc().m_wHardwareCode = 0x5188;
    }

    CVetlaDoc& Doc() { return m_active.Doc(); }
    CVetlaView& View() { return m_active.View(); }

    CBlockObj* Place(int nType)
    {
        CBlockObj* pBlock = CreateBlockForType(nType, nullptr, nullptr);
        const int i = m_nPlaced++;
        pBlock->m_ptPos = CPoint(60 + kPitchX * (i % kColumns), 40 + kPitchY * (i / kColumns));
        Doc().AddBlock(pBlock);
        return pBlock;
    }

    void Wire(const CBlockObj* pSource, CBlockObj* pDest, int nPin) { AddRoutedWire(Doc(), pSource, pDest, nPin); }

    void FitPage()
    {
        Doc().m_sizeScreen = {kColumns * kPitchX + 100, (m_nPlaced / kColumns + 1) * kPitchY + 100};
        Doc().m_rcExtent = CRect(0, 0, Doc().m_sizeScreen.cx, Doc().m_sizeScreen.cy);
        View().UpdateScrollSizes();
    }

    // What entering simulation does, on the hand-set clock instead of the PC's.
    void StartSimulation()
    {
        View().OnSimulation();
        const SYSTEMTIME stStart = FixedClock();
        m_active.Frame().SetSimTime(&stStart);
        StartSimulationRun(Doc(), stStart);
    }

    COffscreenImage PageImage()
    {
        return COffscreenImage(Doc().m_rcExtent.Width(), Doc().m_rcExtent.Height());
    }

    ActiveDocument m_active;
    int m_nPlaced = 0;
};

// Ticks of the running simulation with an input flipping on each, every one a full paint; the
// last paint is compared.
TEST_F(PaintReference, LargestDiagramSimulating)
{
    const std::vector<CBlockObj*> inputs =
        BuildLargestDiagram(
            Doc(), [this](int nType) { return Place(nType); },
            [this](const CBlockObj* pSource, CBlockObj* pDest, int nPin) { Wire(pSource, pDest, nPin); })
            .inputs;
    Place(BT_DATALOG);
    FitPage();
    StartSimulation();
    COffscreenImage image = PageImage();
    View().ApplyZoomMapping(&image.GetDC());
    for (int nTick = 0; nTick < 6; ++nTick) {
        CBlockObj* pInput = inputs[std::size_t(nTick * 7) % inputs.size()];
        pInput->m_nPinValue[BLOCK_FIRST_OUTPUT] ^= 1;
        pInput->m_bPinChanged[BLOCK_FIRST_OUTPUT] = 1;
        m_active.Frame().AdvanceSimTime();
        View().OnDraw(&image.GetDC());
    }
    ExpectMatchesReference(image, "largest-simulating");
}

// One block of every type code, some selected, a comment box, and the wires between
// neighbours, as the edit view paints them.
TEST_F(PaintReference, EveryTypeCodeEditing)
{
    std::vector<CBlockObj*> blocks;
    for (const BlockTypeRow& entry : FactoryTypeRows())
        blocks.push_back(Place(entry.nType));
    for (std::size_t i = 1; i < blocks.size(); ++i) {
        if (blocks[i]->m_nInputs > 0 && blocks[i - 1]->m_nOutputs > 0)
            Wire(blocks[i - 1], blocks[i], 0);
    }
    for (std::size_t i = 0; i < blocks.size(); i += 5)
        blocks[i]->m_bSelected = 1;
    auto* pComment = new CBlockComment;
    pComment->m_nLeft = 60;
    pComment->m_nTop = 40 + kPitchY * (m_nPlaced / kColumns + 1);
    pComment->m_nBoxWidth = 340;
    pComment->m_nBoxHeight = 60;
    pComment->m_strBoxText = u"Pump station stage 2\r\nstarts at dawn";
    pComment->m_nLineCount = 2;
    Doc().m_commentList.AddTail(pComment);
    m_nPlaced += 2 * kColumns;
    FitPage();
    COffscreenImage image = PageImage();
    View().ApplyZoomMapping(&image.GetDC());
    View().OnDraw(&image.GetDC());
    ExpectMatchesReference(image, "every-type-editing");
}

// The same blocks in simulation colours, alternating between state 1 and 0, with their value
// boxes.
TEST_F(PaintReference, EveryTypeCodeSimulationColours)
{
    std::vector<CBlockObj*> blocks;
    for (const BlockTypeRow& entry : FactoryTypeRows())
        blocks.push_back(Place(entry.nType));
    FitPage();
    StartSimulation();
    COffscreenImage image = PageImage();
    const CSimContext sim = View().MakeSimContext();
    int nState = 0;
    for (CBlockObj* pBlock : blocks) {
        nState = 1 - nState;
        for (int& nValue : pBlock->m_nPinValue)
            nValue = nState;
        pBlock->m_nContactState = nState;
        pBlock->m_dRunTime = 1234;
        pBlock->Draw(&sim, &image.GetDC(), TRUE, nState ? RGB(255, 0, 0) : RGB(0, 0, 255));
        pBlock->DrawValue(&sim, &image.GetDC());
    }
    ExpectMatchesReference(image, "every-type-simulation");
}

}  // namespace

namespace {

// A date-time trigger that has fired shows its whole 12-digit time inside its value box, in the
// machine's own font: no dark pixel of the text stands right of the box's fill.
TEST_F(PaintReference, TheDateTimeTriggersTimeStaysInsideItsBox)
{
    CBlockObj* pTrigger = Place(BT_TDT);
    FitPage();
    StartSimulation();
    static_cast<CBlockTDT*>(pTrigger)->m_strTimeText = _T("250303143059");
    COffscreenImage image = PageImage();
    const CSimContext sim = View().MakeSimContext();
    pTrigger->DrawValue(&sim, &image.GetDC());
    const int yTop = pTrigger->m_ptPos.y + pTrigger->m_nHeight + 2;
    int nBoxRight = -1;
    int nTextRight = -1;
    for (int y = yTop; y < yTop + 12; ++y) {
        for (int x = pTrigger->m_ptPos.x; x < image.Width(); ++x) {
            const COLORREF cr = image.GetPixel(x, y);
            if (cr == RGB(255, 255, 204))
                nBoxRight = std::max(nBoxRight, x);
            else if (GetRValue(cr) + GetGValue(cr) + GetBValue(cr) < 3 * 128)
                nTextRight = std::max(nTextRight, x);
        }
    }
    ASSERT_GT(nTextRight, pTrigger->m_ptPos.x);
    EXPECT_GE(nBoxRight, nTextRight);
}

}  // namespace
