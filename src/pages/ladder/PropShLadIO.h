// CPropShLadIO: the sheet of a ladder element (contacts, coils, analog contacts and outputs):
// its operand page, the comment of the operand, and for an input operand the simulation page
// of that input. The comment and the simulated input are kept per operand in the document, not
// in the element. Modal while the diagram is edited; modeless during a simulation, one per
// element, with Apply writing through the view into the element that carries the sheet's
// element number.
#pragma once

#include "pages/blocks/Simulation.h"
#include "pages/ladder/PropPageLadIO.h"
#include "pages/sheet/BlockSheetBase.h"
#include "pages/sheet/CommentPage.h"

#include <memory>
#include <optional>

class CBlockObj;
class CVetlaDoc;
class ISheetHost;

class CPropShLadIO : public CBlockSheetBase {
    DECLARE_DYNAMIC(CPropShLadIO)

public:
    CPropShLadIO(const CBlockObj& element, LPCTSTR pszCaption, ISheetHost* pHost, UINT iSelectPage = 0);
    ~CPropShLadIO() override;

    CPropShLadIO(const CPropShLadIO&) = delete;
    CPropShLadIO& operator=(const CPropShLadIO&) = delete;

    CComment m_pageComment;
    std::unique_ptr<CPropPageLadIO> m_pLadPage;
    // Only for an input operand.
    std::unique_ptr<CSimulation> m_pSimPage;
    int m_nElementNumber;
    int m_nType;
    // How many modeless sheets were open before this one: it opens that many steps lower.
    int m_nCascade = 0;

    // The element's operand, its comment and its simulated input into the pages.
    void CopyIn(const CBlockObj& element);
    // Modal OK: the new operand into the element, and the simulated input and the comment
    // under that operand.
    void CopyBack(CBlockObj& element);
    // Apply: the values checked, normalised and sent to the view; one undo snapshot when the
    // element took them. FALSE when a value was refused and nothing was sent.
    BOOL OnApplyNow() override;

protected:
    BOOL OnInitDialog() override;
    void PostNcDestroy() override;

private:
    // The simulation page's values as the operand's kind holds them: a digital input's by the
    // page's rule, an analog input's fitted to the range of its sources.
    SimInputValues NormalisedSimValues(const CBlockObj& element, int nOperand) const;
    // The simulated input to keep under the operand the element takes, as the comment: the
    // page's values, unless the operand changed and the page still shows the old operand's,
    // which would otherwise overwrite the new operand's own; nothing for an operand that is no
    // simulated input.
    std::optional<SimInputValues> ChosenSimValues(const CBlockObj& element, int nNewOperand) const;
    // The simulation page shows the simulated input of the operand the element now has.
    void ShowSimInput(const CVetlaDoc& doc, const CBlockObj& element);
    // What OK keeps of the analog contact's values the simulation page shows.
    SimInputValues FittedSimValues(const SimInputValues& values) const;
    CVetlaDoc* GetDocument() const;
    void SetPagesModified(BOOL bModified);
    // The comment to keep under the operand the element takes: the page's text, unless the
    // operand changed and the text is still the one the old operand had, which would otherwise
    // overwrite the new operand's own.
    CString ChosenOperandComment(const CVetlaDoc& doc, int nOldOperand, int nNewOperand) const;
    // The comment page shows the comment of the operand the element now has.
    void ShowComment(const CString& strComment);

    // The comment page's text as the sheet last showed the element's operand.
    CString m_strShownComment;
    // The simulation page's values as the sheet last showed the element's operand.
    SimInputValues m_shownSim;

    ISheetHost* m_pHost;
};
