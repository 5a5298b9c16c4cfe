// The block page registry: one row per block type code that has a property sheet, holding
// everything the sheet, the Block Properties command, Apply and the live values need of the
// type: the main page's factory, the bindings of block words to page members (and whether OK
// and Apply write them back), the live-value formatter, the layout growth in simulation, the
// help topic and the keys of the Chinese control texts. Each family of pages lists its types,
// one row each, in its page-row file (pages/blocks/*PageRows.cpp); the registry gathers them.
#pragma once

#include "pages/sheet/PageTexts.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <span>
#include <vector>

class CBlockObj;
class CBlockPage;
class CVetlaDoc;
struct CSimContext;
struct SheetHooks;

// A generic parameter word of a block by its array and slot. Ref k stands for the number of the
// block that reference k names (-1 for none; a write looks the number up in the block's
// document). Cam n is word n of a timer's cam table (CBlockTime::CamWord).
enum class BlockWordArray { Param, ParamEx, Aux, Ref, Cam };
struct BlockWord {
    BlockWordArray array;
    int nIndex;
};
int ReadBlockWord(const CBlockObj& block, BlockWord word);
void WriteBlockWord(CBlockObj& block, BlockWord word, int nValue);

// Which confirmations write a bound member back into the block.
constexpr unsigned WRITE_ON_OK = 1;
constexpr unsigned WRITE_ON_APPLY = 2;
constexpr unsigned WRITE_ON_BOTH = WRITE_ON_OK | WRITE_ON_APPLY;

// One block word shown by one int member of a page: the main page (nPage 0) or the extra page
// nPage - 1 of the row.
struct PageBinding {
    BlockWord word;
    int& (*pfnMember)(CBlockPage& page);
    unsigned nWriteBack;
    int nPage = 0;
};

// A page after the main one: the weekly timer's cams, an input's simulation page.
struct ExtraPageRow {
    CBlockPage* (*pfnCreatePage)(int nType) = nullptr;
    // The key of the tab's title in the Chinese interface; 0 keeps the template's caption.
    WORD nTitleKey = 0;
    // Shown only in the modeless sheet of a simulation.
    bool bSimulationOnly = false;
    // Follows the comment page (an input's simulation page) instead of preceding it.
    bool bAfterComment = false;
};

// The accessor of an int member of a page class, for PageBinding::pfnMember.
template <class TPage, int TPage::*Member>
int& PageMember(CBlockPage& page)
{
    return static_cast<TPage&>(page).*Member;
}

// The factory of a page class, for the rows' page columns.
template <class TPage>
CBlockPage* CreatePage(int nType)
{
    return new TPage(nType);
}

// What follows a write of the sheet's values into the block (OK or Apply) beyond the block.
using AfterWriteHook = void (*)(CVetlaDoc& doc, CBlockObj* pBlock, BOOL bSimulating);

// The text of the block's live value in its open sheet; FALSE draws nothing.
using LiveValueFormatter = BOOL (*)(CBlockObj& block, const CSimContext& sim, CString& strText);

// What the types that share a page have alike: the page, its bindings and texts, and what the
// sheet does beyond them.
struct SheetPage {
    // The main page; null for a sheet with the comment page only.
    CBlockPage* (*pfnCreatePage)(int nType) = nullptr;
    // A main page that depends on the document (the controller generation), used when
    // pfnCreatePage is null; it may give none.
    CBlockPage* (*pfnCreateDocumentPage)(int nType, const CVetlaDoc* pDoc) = nullptr;
    std::vector<PageBinding> bindings = {};
    // Pages between the main page and the comment page, in tab order.
    std::vector<ExtraPageRow> extraPages = {};
    AfterWriteHook pfnAfterWrite = nullptr;
    std::vector<ControlTextKey> textKeys = {};
    // What the sheet does beyond the bindings; null for none.
    const SheetHooks* pHooks = nullptr;
    // The key of the main page's Chinese tab title; 0 for the usual one.
    WORD nMainTitleKey = 0;
    // A sheet that a newer controller's document makes taller than a low screen moves its
    // buttons to a column at its right, where they can still be reached.
    bool bFitsLowScreen = false;
};

// One type's sheet as its family's page-row file lists it.
struct SheetTypeRow {
    int nType = 0;
    // Null for a sheet with the comment page only.
    const SheetPage* pPage = nullptr;
    UINT nHelpTopic = 0;
    // Pixels the sheet, its tabs and its main page grow by in simulation for the value box; 0
    // for the types whose pages show no live value.
    int nGrowth = 0;
    LiveValueFormatter pfnLiveValue = nullptr;
};

// A type's row: its page with the shared texts added, and its own columns.
struct BlockPageRow : SheetPage {
    int nType = 0;
    UINT nHelpTopic = 0;
    int nGrowth = 0;
    LiveValueFormatter pfnLiveValue = nullptr;
};

// The row of the type code; null for a type that gets no sheet (ladder elements, the cursor
// keys, soft keys and connector pairs).
const BlockPageRow* FindBlockPageRow(int nType);
// Every row, in type-code order.
std::span<const BlockPageRow> GetBlockPageRows();
