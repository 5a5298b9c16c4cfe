// Every dialog, property page and bar of the program, in English and in Chinese, as the real
// widgets show them with the machine's fonts (Qt's offscreen platform): each label, button,
// group caption, combo-box line and list line fits its control, every shown control lies
// inside its window, no two shown controls overlap, and a window's caption fits its title bar.
// Every control keeps 2 px from a group box's frame lines and none lies hidden below a group box;
// a list of blocks too long for any room takes all there is. A tab bar shows its tabs whole.
// With QARVO_TEXT_SHOTS naming a folder, a picture of every window checked is left there.
#include "SheetFixture.h"
#include "support/QtTestInput.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "controller/IOStatus.h"
#include "controller/PasswordDlg.h"
#include "controller/WifiSetupDlg.h"
#include "controls/HColorDialog.h"
#include "controls/PageLayoutDlg.h"
#include "controls/PrintSetupDlg.h"
#include "editor/AnalogSliderDlg.h"
#include "editor/ChildFrame.h"
#include "editor/InputsBarDlg.h"
#include "editor/OutputsBarDlg.h"
#include "editor/SelectBlockDlg.h"
#include "editor/SimulationBarDlg.h"
#include "editor/SimulationRun.h"
#include "messagetext/AIFilterDlg.h"
#include "messagetext/BarGraphSettingDlg.h"
#include "messagetext/GraphDlg.h"
#include "messagetext/IOSN.h"
#include "messagetext/MsgTextSettingDlg.h"
#include "messagetext/ScaleTimeDlg.h"
#include "messagetext/MessageTextIds.h"
#include "pages/program/AnalogOutputDlgs.h"
#include "pages/blocks/SetCoilStateDlg.h"
#include "pages/controls/BitMaskDlg.h"
#include "pages/controls/DateSelectDlg.h"
#include "pages/blocks/FunctionPageIds.h"
#include "platform/core/StringTable.h"
#include "platform/qt/QtControlViews.h"
#include "platform/qt/QtDialogServices.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/FontDialog.h"
#include "platform/ui/FrameIds.h"
#include "shell/ChineseTables.h"
#include "shell/CloseAllDlg.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QToolButton>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The lists of a diagram's blocks (and the data log's and memory page's, which share their ids):
// a block's label and name may be longer than any list is wide, and the list scrolls sideways.
constexpr int kBlockLists[] = {IDC_MT_BLOCK_LIST, int(IDC_SELECT_BLOCK_LIST), IDC_BG_BLOCK};

// Room beside a caption in the title bar: the window's icon and the minimise, maximise and close
// buttons as a window manager draws them, in bold (Openbox's default theme takes about this much).
constexpr int kTitleBarRoom = 100;
// Room a push button keeps between its frame and its text, on each side.
constexpr int kButtonMargin = 3;
// Room a closed combo box keeps between its field and the chosen item, on each side.
constexpr int kComboLabelMargin = 1;
// Room a group box keeps before its title.
constexpr int kGroupTitleRoom = 16;
// Room between a group box's frame lines and any control.
constexpr int kFrameRoom = 2;

std::string Utf8(const QString& str) { return str.toStdString(); }

// The text as drawn: a mnemonic mark is not, a doubled one is one ampersand.
QString Drawn(QString str)
{
    str.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    str.remove(QLatin1Char('&'));
    str.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return str;
}

// The control's own widget inside the layer's peer: the label, button, combo box or list.
QWidget* Inner(QWidget* pPeer)
{
    const auto children = pPeer->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    return children.isEmpty() ? pPeer : children.front();
}

// A group box's frame lines, in the box's coordinates: the outer rectangle of what the style
// paints of the frame alone (no title) on a clear picture, and the room inside the lines.
struct FrameLines { QRect outer, inner; };
FrameLines FrameOf(QGroupBox* pGroup)
{
    QImage image(pGroup->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QStyleOptionGroupBox option;
    option.initFrom(pGroup);
    option.text = pGroup->title();
    option.subControls = QStyle::SC_GroupBoxFrame;
    QPainter painter(&image);
    pGroup->style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, pGroup);
    painter.end();
    QRect painted;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            painted |= qAlpha(image.pixel(x, y)) ? QRect(x, y, 1, 1) : QRect();
    }
    // The lines' width, counted inwards along the middle row: the pixels at least half as opaque
    // as the outermost one (a style may shade the inside faintly).
    QPoint at(painted.left(), painted.center().y());
    const int nEdge = qAlpha(image.pixel(at));
    int n = 0;
    for (; painted.contains(at) && 2 * qAlpha(image.pixel(at)) >= nEdge; at.rx()++)
        ++n;
    return {painted, painted.adjusted(n, n, -n, -n)};
}

// Where a group box's style draws its title, in the box's coordinates; empty without a title.
QRect TitleOf(QGroupBox* pGroup)
{
    if (pGroup->title().isEmpty())
        return QRect();
    QStyleOptionGroupBox option;
    option.initFrom(pGroup);
    option.text = pGroup->title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    return pGroup->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, pGroup);
}

// Whether a sibling widget is painted before the other, which covers it where they meet.
bool StackedBelow(QWidget* pWidget, QWidget* pOther)
{
    const QObjectList& siblings = pWidget->parentWidget()->children();
    return pWidget->parentWidget() == pOther->parentWidget() && siblings.indexOf(pWidget) < siblings.indexOf(pOther);
}

class TextsFit : public SheetFixture {
protected:
    void SetUp() override
    {
        if (!RunningApp::OnQt())
            GTEST_SKIP() << "the real fonts are measured on Qt only";
        SheetFixture::SetUp();
        InitQtDialogServices();
        m_pBoxes = std::make_unique<CMessageBoxRecorder>();
        if (const char* pszShots = std::getenv("QARVO_TEXT_SHOTS"))
            m_strShots = QString::fromUtf8(pszShots);
    }
    void TearDown() override
    {
        if (!RunningApp::OnQt())
            return;
        m_pBoxes.reset();
        ShutdownQtDialogServices();
        UseLanguage(0);
        g_wHardwareCode = m_wWasHardware;
        SheetFixture::TearDown();
    }
    static void UseLanguage(int nChinese)
    {
        g_bChineseUI = nChinese;
        SetUiLanguage(nChinese ? UiLanguage::SimplifiedChinese : UiLanguage::English);
        g_mapIdText.RemoveAll();
        g_mapMenuText.RemoveAll();
        if (nChinese)
            InitChineseTexts();
        CVetlaDoc::InitBlockCaptions();
    }

    // Checks the window and, for a dialog inside it (a property page), that dialog as well.
    void Check(CWnd& window, const std::string& strWhere)
    {
        QWidget* pWindow = QtWidgetOf(window);
        if (!pWindow)
            return;
        const std::string strAt = (g_bChineseUI ? "zh " : "en ") + strWhere;
        ++m_nChecked;
        if (!m_strShots.isEmpty()) {
            QString strName = QString::fromStdString(strAt);
            strName.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
            pWindow->grab().save(QDir(m_strShots).filePath(strName + QStringLiteral(".png")));
        }
        // A block's sheet is captioned with the block's number and name, which may be longer
        // than the sheet is wide, as in a list of blocks.
        if (!(window.GetStyle() & WS_CHILD) && !dynamic_cast<CPropertySheet*>(&window)) {
            CString strCaption;
            window.GetWindowText(strCaption);
            QFont bold = pWindow->font();
            bold.setBold(true);
            const int nNeed = QFontMetrics(bold).horizontalAdvance(ToQString(strCaption)) + kTitleBarRoom;
            if ((window.GetStyle() & WS_CAPTION) == WS_CAPTION && nNeed > pWindow->width())
                Fault(strAt, "caption \"" + strCaption.ToUtf8() + "\" needs " + std::to_string(nNeed) +
                                 " of " + std::to_string(pWindow->width()));
        }
        // A window larger than the test's screen (the I/O status monitor) is cut to the screen,
        // not by its layout.
        const QSize screen = pWindow->screen()->availableGeometry().size();
        const bool bCutByScreen = pWindow->window()->width() >= screen.width() ||
                                  pWindow->window()->height() >= screen.height();
        struct Shown {
            QRect rect;
            std::string strName;
            QWidget* pPeer;
        };
        std::vector<Shown> shown;
        std::vector<std::pair<FrameLines, Shown>> frames;
        std::vector<Shown> titles;
        for (CWnd* pChild = window.GetWindow(GW_CHILD); pChild; pChild = pChild->GetNextWindow()) {
            QWidget* pPeer = QtWidgetOf(*pChild);
            if (!pPeer || !(pChild->GetStyle() & WS_VISIBLE))
                continue;
            if (auto* pTab = pPeer->findChild<QTabBar*>())
                CheckTabs(pTab, strAt);
            if (pChild->GetClassName() == CString(WC_DIALOG)) {
                Check(*pChild, strWhere + " page");
                continue;
            }
            CString strText;
            pChild->GetWindowText(strText);
            const std::string strName =
                "control " + std::to_string(pChild->GetDlgCtrlID()) + " \"" + strText.ToUtf8() + "\"";
            const QRect rect(pPeer->mapTo(pWindow, QPoint(0, 0)), pPeer->size());
            if (!pWindow->rect().contains(rect) && !bCutByScreen)
                Fault(strAt, strName + " lies outside its window");
            QWidget* pInner = Inner(pPeer);
            if (!std::ranges::count(kBlockLists, pChild->GetDlgCtrlID()) &&
                !(qobject_cast<QComboBox*>(pInner) && HasNoRoomBeside(window, *pChild)))
                CheckText(pInner, strAt + " " + strName);
            // A group box surrounds the controls it frames; a label without a text shows nothing.
            const auto* pLabel = qobject_cast<QLabel*>(pInner);
            if (auto* pGroup = qobject_cast<QGroupBox*>(pInner)) {
                const FrameLines lines = FrameOf(pGroup);
                const QPoint at = pGroup->mapTo(pWindow, QPoint(0, 0));
                frames.push_back({{lines.outer.translated(at), lines.inner.translated(at)}, {rect, strName, pPeer}});
                titles.push_back({TitleOf(pGroup).translated(at), strName + "'s title", pPeer});
            }
            if (qobject_cast<QGroupBox*>(pInner) || (pLabel && pLabel->text().isEmpty() && pLabel->pixmap().isNull()))
                continue;
            for (const Shown& other : shown) {
                if (other.rect.intersects(rect))
                    Fault(strAt, strName + " overlaps " + other.strName);
            }
            shown.push_back({rect, strName, pPeer});
        }
        for (const Shown& control : shown) {
            for (const Shown& title : titles) {
                if (title.rect.intersects(control.rect))
                    Fault(strAt, control.strName + " overlaps " + title.strName);
            }
            for (const auto& [lines, frame] : frames) {
                const QMargins room(kFrameRoom, kFrameRoom, kFrameRoom, kFrameRoom);
                const bool bInside = lines.inner.marginsRemoved(room).contains(control.rect);
                if (control.rect.intersects(lines.outer.marginsAdded(room)) && !bInside)
                    Fault(strAt, control.strName + " stands within 2 px of the frame line of " + frame.strName);
                else if (bInside && StackedBelow(control.pPeer, frame.pPeer))
                    Fault(strAt, control.strName + " lies hidden below " + frame.strName);
            }
        }
    }

    void CheckText(QWidget* pWidget, const std::string& strAt)
    {
        const QFontMetrics metrics = pWidget->fontMetrics();
        auto need = [&](const QString& str) { return metrics.horizontalAdvance(Drawn(str)); };
        auto expectFits = [&](const QString& str, int nNeed, int nRoom) {
            if (nNeed > nRoom)
                Fault(strAt, "\"" + Utf8(str) + "\" needs " + std::to_string(nNeed) + " of " + std::to_string(nRoom));
        };
        if (auto* pLabel = qobject_cast<QLabel*>(pWidget)) {
            if (pLabel->text().isEmpty())
                return;
            const QRect room = pLabel->contentsRect();
            const int nFlags = int(pLabel->alignment()) | (pLabel->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect used = metrics.boundingRect(QRect(0, 0, room.width(), 10000), nFlags, Drawn(pLabel->text()));
            expectFits(pLabel->text(), used.width(), room.width());
            if (used.height() > room.height())
                Fault(strAt, "\"" + Utf8(pLabel->text()) + "\" of width " + std::to_string(need(pLabel->text())) +
                                 " takes " + std::to_string(used.height()) + " lines' height of " +
                                 std::to_string(room.height()) + " in " + std::to_string(room.width()));
        } else if (auto* pGroup = qobject_cast<QGroupBox*>(pWidget)) {
            expectFits(pGroup->title(), need(pGroup->title()) + kGroupTitleRoom, pGroup->width());
        } else if (qobject_cast<QCheckBox*>(pWidget) || qobject_cast<QRadioButton*>(pWidget)) {
            auto* pButton = static_cast<QAbstractButton*>(pWidget);
            const bool bRadio = qobject_cast<QRadioButton*>(pWidget) != nullptr;
            const QStyle* pStyle = pButton->style();
            const int nBox = bRadio ? pStyle->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                                          pStyle->pixelMetric(QStyle::PM_RadioButtonLabelSpacing)
                                    : pStyle->pixelMetric(QStyle::PM_IndicatorWidth) +
                                          pStyle->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
            if (!pButton->text().isEmpty())
                expectFits(pButton->text(), need(pButton->text()) + nBox, pButton->width());
        } else if (auto* pPush = qobject_cast<QPushButton*>(pWidget)) {
            if (!pPush->text().isEmpty())
                expectFits(pPush->text(), need(pPush->text()) + 2 * kButtonMargin, pPush->width());
        } else if (auto* pCombo = qobject_cast<QComboBox*>(pWidget)) {
            for (int i = 0; i < pCombo->count(); ++i)
                expectFits(pCombo->itemText(i), metrics.horizontalAdvance(pCombo->itemText(i)), FieldRoom(pCombo));
        } else if (auto* pList = qobject_cast<QListWidget*>(pWidget)) {
            for (int i = 0; i < pList->count(); ++i)
                expectFits(pList->item(i)->text(), metrics.horizontalAdvance(pList->item(i)->text()),
                           pList->viewport()->width() - 2 * kButtonMargin);
        }
    }

    // The width a combo box's field gives its line.
    static int FieldRoom(QComboBox* pCombo)
    {
        QStyleOptionComboBox option;
        option.initFrom(pCombo);
        option.editable = pCombo->isEditable();
        option.frame = true;
        const QRect field =
            pCombo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, pCombo);
        return field.width() - 2 * kComboLabelMargin;
    }

    // Whether a list reaches what shows beside it on its row, the frame around it or the window's
    // edge: a list with no room left may cut lines too long for any room (a reference's blocks).
    // A check box beside it leaves the room its box and text do not take.
    static bool HasNoRoomBeside(CWnd& window, CWnd& list)
    {
        const QRect rectList = QtWidgetOf(list)->geometry();
        int nRoom = QtWidgetOf(window)->width();
        for (CWnd* pOther = window.GetWindow(GW_CHILD); pOther; pOther = pOther->GetNextWindow()) {
            QWidget* pOtherPeer = QtWidgetOf(*pOther);
            if (!pOtherPeer || !(pOther->GetStyle() & WS_VISIBLE))
                continue;
            const QRect rect = pOtherPeer->geometry();
            const bool bGroup = qobject_cast<QGroupBox*>(Inner(pOtherPeer)) != nullptr;
            if (bGroup && rect.left() < rectList.left() && rect.right() >= rectList.right())
                nRoom = std::min(nRoom, rect.right());
            else if (!bGroup && rect.left() > rectList.right() - 1 && rect.top() <= rectList.bottom() &&
                     rect.bottom() >= rectList.top())
                nRoom = std::min(nRoom, rect.left() + UnusedWidth(Inner(pOtherPeer)));
        }
        constexpr int kSlack = 8;
        return nRoom - rectList.right() <= kSlack;
    }

    // The width a check box's box and text leave at its left.
    static int UnusedWidth(QWidget* pWidget)
    {
        auto* pBox = qobject_cast<QCheckBox*>(pWidget);
        if (!pBox)
            return 0;
        const QStyle* pStyle = pBox->style();
        const int nNeed = pStyle->pixelMetric(QStyle::PM_IndicatorWidth) +
                          pStyle->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) +
                          pBox->fontMetrics().horizontalAdvance(pBox->text());
        return std::max(0, pBox->width() - nNeed);
    }

    // Every Reference box of the page ticked with the mouse: the lists of blocks show.
    static void UseReferences(CWnd& page)
    {
        for (CWnd* pChild = page.GetWindow(GW_CHILD); pChild; pChild = pChild->GetNextWindow()) {
            auto* pBox = qobject_cast<QAbstractButton*>(Inner(QtWidgetOf(*pChild)));
            if (pBox && (pBox->text() == u"Reference" || pBox->text() == u"引用") && pBox->isVisible() &&
                pBox->isEnabled() && !pBox->isChecked())
                QtClick(pBox);
        }
    }

    // Each tab the bar shows lies whole in the bar, clear of its scroll arrows.
    void CheckTabs(QTabBar* pBar, const std::string& strAt)
    {
        QRect room = pBar->rect();
        for (QToolButton* pArrow : pBar->findChildren<QToolButton*>()) {
            if (pArrow->isVisible())
                room.setRight(std::min(room.right(), pArrow->x() - 1));
        }
        if (pBar->height() == 0)
            Fault(strAt, "the tab bar has no height");
        for (int i = 0; i < pBar->count(); ++i) {
            const QRect tab = pBar->tabRect(i);
            if (pBar->isTabVisible(i) && tab.intersects(room) && !room.contains(tab))
                Fault(strAt, "tab \"" + Utf8(pBar->tabText(i)) + "\" shows cut");
        }
    }

    void Fault(const std::string& strAt, const std::string& strWhat) { m_faults.push_back(strAt + ": " + strWhat); }

    // The modal dialog that open shows: every page of it, if a sheet, checked; then cancelled.
    void CheckModal(const std::string& strWhere, const std::function<void()>& open)
    {
        CDialog::SetDialogHook([this, strWhere](CDialog& dlg) {
            QCoreApplication::processEvents();
            if (auto* pSheet = dynamic_cast<CPropertySheet*>(&dlg)) {
                for (int i = 0; i < pSheet->GetPageCount(); ++i) {
                    pSheet->SetActivePage(i);
                    UseReferences(*pSheet->GetActivePage());
                    Check(*pSheet, strWhere + " tab " + std::to_string(i));
                }
            } else {
                Check(dlg, strWhere);
            }
            dlg.EndDialog(IDCANCEL);
        });
        open();
        CDialog::SetDialogHook(nullptr);
    }

    // Every window of the program in the language now set.
    void CheckEveryWindow()
    {
        // Every block first, so that each sheet's reference lists hold all the blocks they may.
        std::vector<std::pair<const BlockTypeRow*, CBlockObj*>> blocks;
        for (const BlockTypeRow& type : BlockTypeRows())
            if ((type.byLanguages & LANG_FBD) && FindBlockPageRow(type.nType))
                blocks.emplace_back(&type, Block(type.nType));
        for (WORD wHardware : {WORD(0x5288), WORD(0x1188)}) {
            Doc().m_wHardwareCode = wHardware;
            g_wHardwareCode = wHardware;
            const BYTE byFlag = wHardware == 0x1188 ? GEN_OLDER : GEN_WIFI;
            const std::string strGeneration = wHardware == 0x1188 ? "older " : "newer ";
            for (const auto& [pType, pBlock] : blocks) {
                if (pType->byGenerations & byFlag)
                    CheckModal(strGeneration + "sheet of type " + std::to_string(pType->nType),
                               [&, pSheetBlock = pBlock] { Properties(pSheetBlock); });
            }
            CheckModal(strGeneration + "program properties", [&] { Command(ID_FILE_PROPERTIES); });
        }
        // The pulse train's hint after a pulse width is typed, as long as it gets.
        Doc().m_wHardwareCode = g_wHardwareCode = 0x5288;
        const auto pulses = std::ranges::find(blocks, BT_PTO, [](const auto& block) { return block.first->nType; });
        ASSERT_NE(pulses, blocks.end());
        CBlockObj* pPulses = pulses->second;
        CDialog::SetDialogHook([this](CDialog& dlg) {
            auto& sheet = static_cast<CPropertySheet&>(dlg);
            QtRetype(*sheet.GetActivePage()->GetDlgItem(IDC_ARR_COUNT), "57");
            Check(sheet, "pulse train with a pulse width typed");
            dlg.EndDialog(IDCANCEL);
        });
        Properties(pPulses);
        CDialog::SetDialogHook(nullptr);
        // As an analog output's sheet opens it: on the Parameter page.
        Frame()->m_nPropertiesStartPage = 2;
        CheckModal("program properties on the Parameter page", [&] { Command(ID_FILE_PROPERTIES); });
        double fixedValues[PROGRAM_AQ_COUNT] = {};
        CheckModal("fixed values", [&] { CFixedValueDlg(fixedValues).DoModal(); });
        CheckModal("value range types", [] { BYTE types[PROGRAM_AQ_COUNT] = {}; CValueRangeTypeDlg(types).DoModal(); });
        // The ladder elements' sheets, in a ladder diagram of its own.
        CMDIChildWnd* pDiagram = Frame()->MDIGetActive();
        Command(ID_FILE_NEW_LAD);
        for (const BlockTypeRow& type : BlockTypeRows()) {
            if (type.byLanguages != LANG_LAD)
                continue;
            CBlockObj* pElement = Block(type.nType);
            CheckModal("ladder sheet of type " + std::to_string(type.nType), [&] { Properties(pElement); });
        }
        Frame()->MDIActivate(pDiagram);
        V().SendMessage(WM_COMMAND, ID_INSERT_COMMENTS);
        V().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 40));
        V().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(40, 40));
        V().SendMessage(WM_COMMAND, ID_INSERT_COMMENTS);
        ASSERT_FALSE(Doc().m_commentList.IsEmpty());
        V().SetCurrentObjects(nullptr, nullptr, static_cast<CBlockComment*>(Doc().m_commentList.GetTail()));
        CheckModal("comment box", [&] { Command(ID_EDIT_BLOCK_PROPERTIES); });
        CheckModal("colour", [] { CHColorDialog(CString(_T("Set the logic view background color"))).DoModal(); });
        CheckModal("font", [] { CFontDialog().DoModal(); });
        CheckModal("page layout", [] { CPageLayoutDlg().DoModal(); });
        CheckModal("print setup", [] { CPrintSetupDlg().DoModal(); });
        CheckModal("close all", [] { CCloseAllDlg().DoModal(); });
        CheckModal("password", [] { CPasswordDlg().DoModal(); });
        CheckModal("bit mask", [] { CBitMaskDlg().DoModal(); });
        CheckModal("date", [] { CDateSelectDlg().DoModal(); });
        CheckModal("coil state", [] { CSetCoilStateDlg().DoModal(); });
        CheckModal("I/O status", [&] { CIOStatus(Frame()->Session()).DoModal(); });
        CheckModal("about", [&] { Command(ID_APP_ABOUT); });
        CheckModal("select block", [&] { Command(ID_EDIT_GOTO_BLOCK); });
        CheckModal("COM configuration", [&] { Command(ID_OPTIONS_COM_CONFIG); });
        CheckModal("message text setting", [&] { CMsgTextSettingDlg(&Doc()).DoModal(); });
        CheckModal("bar graph", [&] { CBarGraphSettingDlg(&Doc()).DoModal(); });
        CheckModal("scale time", [&] { CScaleTimeDlg(&Doc()).DoModal(); });
        CheckModal("graph", [] { CGraphDlg().DoModal(); });
        CheckModal("I/O status name", [&] { CIOSN(&Doc()).DoModal(); });
        CheckModal("AI filter", [&] { CAIFilterDlg(&Doc()).DoModal(); });
        CheckModal("language", [&] {
            CAIFilterDlg dlg(&Doc());
            dlg.m_nMode = AIFILTER_MODE_LANGUAGE;
            dlg.DoModal();
        });
        // The device dialogs are modeless: each is checked as it shows, then closed.
        const std::pair<ToolDialogKind, CWnd*> tools[] = {
            {ToolDialogKind::DeviceClock, &Frame()->m_dlgDeviceClock},
            {ToolDialogKind::SummerTime, &Frame()->m_dlgSummerTime},
            {ToolDialogKind::WifiSetup, &Frame()->m_dlgWifiSetup},
            {ToolDialogKind::RemoteWifiSetup, &Frame()->m_dlgRemoteWifi},
        };
        for (const auto& [kind, pDialog] : tools) {
            Frame()->ShowToolDialog(kind);
            ASSERT_TRUE(IsWindow(pDialog)) << int(kind);
            Check(*pDialog, "tool dialog " + std::to_string(int(kind)));
            // The WiFi modes Remote and Slave show the address and port controls.
            for (int nMode : {3, 4}) {
                if (auto* pMode = static_cast<CComboBox*>(pDialog->GetDlgItem(CWifiSetupDlg::IDC_DEVICE_MODE))) {
                    pMode->UserSelect(nMode);
                    Check(*pDialog, "WiFi setup in mode " + std::to_string(nMode));
                }
            }
            pDialog->DestroyWindow();
        }
        CBlockObj* pMessage = Block(BT_MSGTEXT);
        CBlockObj* pAnalog = Block(BT_ANALOG_IN);
        StartSimulation();
        V().Simulation().OpenValuePopup(pAnalog, 0, 0);
        CAnalogSliderDlg* pPopup = V().Simulation().ValuePopup();
        ASSERT_NE(pPopup, nullptr);
        // The widest range the popup may show.
        pPopup->SetDlgItemText(IDC_SLIDER_MIN, _T("-32768"));
        pPopup->SetDlgItemText(IDC_SLIDER_MAX, _T("-32768"));
        Check(*pPopup, "analog value popup");
        V().Simulation().CloseValuePopup();
        CAllPropertySheet* pSheet = OpenSheet(pMessage);
        ASSERT_NE(pSheet, nullptr);
        for (int i = 0; i < pSheet->GetPageCount(); ++i) {
            pSheet->SetActivePage(i);
            Check(*pSheet, "simulated message text tab " + std::to_string(i));
        }
        pSheet->DestroyWindow();
        auto* pChild = dynamic_cast<CChildFrame*>(V().GetParentFrame());
        ASSERT_NE(pChild, nullptr);
        CSimulationBarDlg* pBar = pChild->GetSimulationBarDlg();
        ASSERT_NE(pBar, nullptr);
        Check(*pBar, "simulation bar");
        Check(*pChild->m_pInputsBar->GetDlg(), "inputs bar");
        Check(*pChild->m_pOutputsBar->GetDlg(), "outputs bar");
        static_cast<CButton*>(pBar->GetDlgItem(IDC_SIM_SET_CLOCK))->Click();
        CSimClockDlg* pClock = pBar->GetClockDlg();
        ASSERT_TRUE(pClock && IsWindow(pClock));
        Check(*pClock, "set clock");
        Command(ID_TOOLS_SIMULATION);
    }

    // Every block's sheet as the Properties command opens it while the diagram runs, each page
    // of it, for each generation: the pages with a live value show it in a box of their own.
    void CheckEverySimulationSheet()
    {
        const struct {
            WORD wHardware;
            BYTE byGeneration;
            const char* pszName;
        } generations[] = {{0x5288, GEN_WIFI, "newer "}, {0x1188, GEN_OLDER, "older "}};
        for (const auto& generation : generations) {
            Command(ID_FILE_NEW);
            Doc().m_wHardwareCode = g_wHardwareCode = generation.wHardware;
            std::vector<CBlockObj*> blocks;
            for (const BlockTypeRow& type : BlockTypeRows()) {
                if ((type.byLanguages & LANG_FBD) && (type.byGenerations & generation.byGeneration) &&
                    FindBlockPageRow(type.nType) && type.nType != BT_MSGTEXT)
                    blocks.push_back(Block(type.nType));
            }
            StartSimulation();
            for (CBlockObj* pBlock : blocks) {
                CAllPropertySheet* pSheet = OpenSheet(pBlock);
                ASSERT_NE(pSheet, nullptr) << pBlock->m_nType;
                QCoreApplication::processEvents();
                for (int i = 0; i < pSheet->GetPageCount(); ++i) {
                    pSheet->SetActivePage(i);
                    Check(*pSheet, std::string(generation.pszName) + "simulated sheet of type " +
                                       std::to_string(pBlock->m_nType) + " tab " + std::to_string(i));
                }
                pSheet->DestroyWindow();
            }
            Command(ID_TOOLS_SIMULATION);
        }
    }

    // The check run in English and in Chinese: more than nAtLeast controls, and none cut.
    void CheckInBothLanguages(const std::function<void()>& check, int nAtLeast)
    {
        for (int nChinese : {0, 1}) {
            UseLanguage(nChinese);
            check();
        }
        EXPECT_GT(m_nChecked, nAtLeast);
        std::string strFaults;
        for (const std::string& strFault : m_faults)
            strFaults += strFault + "\n";
        EXPECT_TRUE(m_faults.empty()) << m_faults.size() << " faults:\n" << strFaults;
    }

    WORD m_wWasHardware = g_wHardwareCode;
    std::unique_ptr<CMessageBoxRecorder> m_pBoxes;
    QString m_strShots;
    std::vector<std::string> m_faults;
    int m_nChecked = 0;
};

TEST_F(TextsFit, EveryTextFitsItsControlInBothLanguages)
{
    CheckInBothLanguages([this] { CheckEveryWindow(); }, 300);
}

// The sheets the Properties command opens while the diagram runs, in both languages: the box
// that shows the running value clears the controls above it.
TEST_F(TextsFit, EverySimulatedSheetFitsInBothLanguages)
{
    CheckInBothLanguages([this] { CheckEverySimulationSheet(); }, 200);
}

// A timer whose time comes from a block of a long type name shows that block's line whole, on
// each page with a time row, in both languages.
TEST_F(TextsFit, ATimeRowShowsTheChosenBlockWhole)
{
    CBlockObj* pFixed = Block(BT_FIX);
    pFixed->m_nNumber = NUM_FUNCTION_BLOCK + 87;
    Doc().m_wHardwareCode = g_wHardwareCode = 0x5288;
    for (int nType : {BT_DPR, BT_APG, BT_SLS, BT_MFS}) {
        CBlockObj* pTimer = Block(nType);
        for (int nChinese : {0, 1}) {
            UseLanguage(nChinese);
            SCOPED_TRACE(testing::Message() << nType << (nChinese ? " zh" : " en"));
            int nShown = 0;
            CDialog::SetDialogHook([&](CDialog& dlg) {
                QCoreApplication::processEvents();
                CWnd& page = *static_cast<CPropertySheet&>(dlg).GetActivePage();
                UseReferences(page);
                for (QComboBox* pList : QtWidgetOf(page)->findChildren<QComboBox*>()) {
                    if (!pList->isVisible() || !pList->currentText().startsWith(u"B87["))
                        continue;
                    ++nShown;
                    EXPECT_LE(pList->fontMetrics().horizontalAdvance(pList->currentText()), FieldRoom(pList))
                        << Utf8(pList->currentText());
                }
                dlg.EndDialog(IDCANCEL);
            });
            Properties(pTimer);
            CDialog::SetDialogHook(nullptr);
            EXPECT_GE(nShown, 1);
        }
    }
}

}  // namespace
