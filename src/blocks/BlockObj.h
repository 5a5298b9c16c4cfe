// CBlockObj: the base of every diagram element. It holds what all elements share: type code,
// geometry, block number, twenty pins, generic parameter words, parameter references and the
// run-time state of the offline simulation. Elements refer to one another by block number; the
// pointers kept beside the numbers are non-owning caches rebuilt after every load.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/Object.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <cstdint>
#include <initializer_list>

class CArchive;
class CDC;
class CStringArray;
class IBlockDocument;
class PinTextWriter;
struct CSimContext;

// Pins 0-9 are inputs, 10-19 outputs; only 0 .. m_nInputs-1 and 10 .. 9+m_nOutputs are used.
constexpr int BLOCK_PIN_COUNT = 20;
constexpr int BLOCK_FIRST_OUTPUT = 10;
constexpr int BLOCK_PARAM_COUNT = 17;
constexpr int BLOCK_PARAMEX_COUNT = 15;
constexpr int BLOCK_REF_COUNT = 4;
// The capability bit of a function block whose output is an analog value (m_nCapFlags).
constexpr BYTE CAP_ANALOG_VALUE = 0x20;

// Named slots of the generic words m_nParam, m_nParamEx and m_nAux. The words stay arrays, as
// the block record stores them; each family names the slots it uses in its own header as
// <FAMILY>_<CONTENT>_<ARRAY>: the prefix is the family or type (TIMER_, COUNTER_, YT_ ...), the
// suffix the array the slot indexes (_PARAM, _PARAMEX, _AUX), so that a slot used with the
// wrong array reads wrong. A slot that holds different things in different types of a family
// has a name for each. The slots that every element shares:
constexpr int BLOCK_RETENTIVE_PARAM = 0;
// "Protection Active"; the parameter texts show it as the sign after a parameter.
constexpr int BLOCK_PROTECTION_PARAM = 1;
// The first of four flags: parameter k (0-3) is taken from the block m_pRefBlock[k].
constexpr int BLOCK_REF_USED_PARAM = 13;
// The lower and upper limit of the block's value as the editors offer it (each class sets its
// own; the input blocks' simulated range).
constexpr int BLOCK_VALUE_MIN_AUX = 2;
constexpr int BLOCK_VALUE_MAX_AUX = 3;

class CBlockObj : public CObject {
    DECLARE_SERIAL(CBlockObj)

private:
    // Not stored: set by whoever adds the block to a document. First of the fields, with the
    // data model's first ones, as every step of a scan reads it.
    IBlockDocument* m_pDocument = nullptr;

public:
    // Used by dynamic creation before a load: a 4-input block with every default of the typed
    // constructor, so that a short (schema 0) record leaves the fields it lacks at their
    // defaults.
    CBlockObj();
    // Used by every subclass constructor and by the factory for codes without a class of their
    // own; reads the pin kinds of nType.
    CBlockObj(int nType, int nInputs);
    ~CBlockObj() override;

    CBlockObj(const CBlockObj&) = delete;
    CBlockObj& operator=(const CBlockObj&) = delete;

    void Serialize(CArchive& ar) override;

    // Virtual operations, in slot order.
    virtual BOOL Simulate(const CSimContext* pSim);
    virtual BOOL IsTimeElapsed(const CSimContext* pSim, double dLimit);
    virtual BOOL IsTimeElapsedInt(const CSimContext* pSim, int nLimit);
    virtual void ReadInputs(const CSimContext* pSim);
    virtual void SetInputValue(int nPin, int nValue);
    virtual int EvalLogic(int* pResult, unsigned int nMode);
    virtual void TraceLoop(const CSimContext* pSim, CBlockObj* pBlock, int nPin, int* pDepth);
    virtual void CopyTo(CBlockObj* pDst, BOOL bGeometry);
    virtual void Draw(const CSimContext* pSim, CDC* pDC, BOOL bFlag, COLORREF crColor);
    virtual void DrawSelected(const CSimContext* pSim, CDC* pDC);
    virtual void DrawSim(const CSimContext* pSim, CDC* pDC);
    virtual void DrawStateLabel(const CSimContext* pSim, CDC* pDC);
    virtual void DrawValue(const CSimContext* pSim, CDC* pDC);
    virtual void FormatTime(const CSimContext* pSim, CString& strOut);
    virtual void DrawHighlight(CDC* pDC, COLORREF crColor, BOOL bOutline);
    virtual void GetValueAsDouble(CBlockObj* pSrc, double* pOut);
    virtual void UpdateLadderContacts();
    // The block's state when a simulation run starts at stNow: nothing timed, unless its family
    // starts otherwise.
    virtual void ResetForRun(const SYSTEMTIME& stNow);
    // Moves every simulated-clock stamp the block measures from by nMs, so that a pause or a
    // clock the user set neither adds running time nor takes it away: the two reference stamps
    // here, and a class with a stamp of its own moves that one too.
    virtual void ShiftStamps(std::int64_t nMs);
    // The symbol inside the body (BlockSymbol*.cpp), black in every mode: an I/O block shows
    // the prefix of its address label; a class with a symbol of its own draws it.
    virtual void DrawSymbol(CDC* pDC) const;
    // The lines beside the parameter pin (BlockPinText.cpp), in the generation the writer is
    // for: the soft key's here, as it has no class of its own; a class with parameter lines
    // writes its own.
    virtual void WritePinText(PinTextWriter& w) const;
    // What an open input reads: 0, unless the class has another neutral value.
    virtual int OpenInputValue() const { return 0; }
    // The older controller line (BlockOlderLine.cpp). What it cannot follow of the block's
    // settings, as the text that says so, with nIndex the block's number among the function
    // blocks; empty when it can, as for every class without such a setting.
    virtual CString OlderLineProblem(long long nIndex, const CString& strCaption) const;
    // A document moved to the older or the newer line: the settings the line cannot keep fall
    // back to ones it can; nothing changes in a class without such settings.
    virtual void AdaptToOlderLine() {}
    virtual void AdaptToNewerLine() {}
    // The shift register bit the block reads, counted over all registers (the older line has
    // the first register's only); -1 for a block that reads none.
    virtual int ShiftBitRead() const { return -1; }

    // Non-virtual operations.
    BOOL GetRect(CRect* pRect) const;
    BOOL GetPinRect(CRect* pRect, int nPin, int nSize) const;
    int HitTest(CPoint point) const;
    void GetHandleRect(CRect rects[4]) const;
    void DrawSelectionHandles(CDC* pDC) const;
    void ReinitPins(IBlockDocument* pDoc);
    void GetInputValue(WORD* pOut, int nPin) const;
    void GetFormulaText(CString& strOut, CStringArray& parts) const;
    // A pause stamp with a year, month or day marks a suspended simulation.
    BOOL IsPaused() const;
    void DrawOperandComment(CDC* pDC, int* pLineHeight);
    // The stub of a parameter pin (kind 3) and the block's parameter lines beside it, in the
    // block font that the caller has selected (BlockPinText.cpp).
    void DrawPinText(CDC* pDC, int nPin, int nPitch, int nCharWidth, int nLineHeight);
    // The block in its state colour while simulating (red on, blue off), else black.
    void DrawInStateColour(const CSimContext* pSim, CDC* pDC);
    // Times from stNow again: the running time zero, the interval's start stNow.
    void RestartTiming(const SYSTEMTIME& stNow);
    // "ON" while the output state is 1, else "OFF".
    CString StateWord() const;
    // A state label: the text in the 12 x 6 label font, red while the state is 1, else black,
    // on a transparent background.
    void DrawStateText(CDC* pDC, const CString& strText, CPoint pt) const;
    // TRUE when the mouse position of the context lies in the pin's rectangle (size 5).
    BOOL IsPinUnderCursor(const CSimContext* pSim, int nPin, CDC* pDC) const;
    // The text of a message-text element showing parameter nParamId (element kind nKind): as
    // the editor shows it, and as the simulated LCD shows it (BlockWidgetText*.cpp). A type or
    // id without a text leaves *pOut as it was.
    void GetWidgetText(const CSimContext* pSim, CString* pOut, int nParamId, int nKind);
    void GetWidgetValueText(const CSimContext* pSim, CString* pOut, int nParamId, int nKind);

    // TRUE when the pin index names a pin this block uses (walk order 0 .. m_nInputs-1,
    // 10 .. 9+m_nOutputs).
    BOOL IsPinUsed(int nPin) const;
    // The document that holds the block, null until one takes it (the factory, AddBlock, a
    // load, a paste); its lookups, maps and hardware generation are the block's own.
    IBlockDocument* GetDocument() const { return m_pDocument; }
    // Whatever of the block points at its document follows it (a message text's elements).
    virtual void SetDocument(IBlockDocument* pDoc) { m_pDocument = pDoc; }
    // What a block made for pDoc takes from it before it is placed: the document itself, the
    // ladder output-pin rule and, for some families, the project's settings.
    virtual void InitForDocument(IBlockDocument* pDoc);
    // The hardware code of the block's document, else g_wHardwareCode.
    WORD GetHardwareCode() const;
    // The model byte of that hardware code is 0x51 or more.
    BOOL IsNewGeneration() const;
    // The generation a copy between this block and pDst is made for: that of whichever of the
    // two belongs to a diagram (a working copy of a block belongs to none).
    BOOL CopiesNewGeneration(const CBlockObj* pDst) const;

    // Data model. The fields that every step of a scan reads or writes come first, beside the
    // virtual table pointer and m_pDocument, in the block's first eight lines: spread over all
    // of its nineteen, they made a large diagram's scan fetch more lines than the second-level
    // cache holds.
    int m_nType = 0;
    int m_nNumber = 0;
    int m_nInputs = 0;
    int m_nOutputs = 1;
    SYSTEMTIME m_stPause = {};
    int m_bRestartStamp = 0;
    int m_bRestartStamp2 = 0;
    double m_dRunTime = 0.0;
    SYSTEMTIME m_stStart = {};
    SYSTEMTIME m_stStart2 = {};
    int m_nPinSource[BLOCK_PIN_COUNT] = {};
    int m_nPinKind[BLOCK_PIN_COUNT] = {};
    int m_nPinValue[BLOCK_PIN_COUNT] = {};
    int m_bPinChanged[BLOCK_PIN_COUNT] = {};
    int m_bPinInvert[BLOCK_PIN_COUNT] = {};
    int m_nCacheHigh = 0;
    int m_nCacheLow = 0;
    int m_nCacheTimeBase = 0;
    double m_dCacheSetpoint = 0.0;
    CPoint m_ptPos;
    CPoint m_ptPos2;
    int m_nWidth = 0;
    int m_nHeight = 0;
    double m_dPinValue[BLOCK_PIN_COUNT] = {};
    CString m_strText;
    int m_nOperand = 0;
    CString m_strLabelSuffix;
    int m_nParam[BLOCK_PARAM_COUNT] = {};
    int m_nRefBlock[BLOCK_REF_COUNT] = {};
    CBlockObj* m_pRefBlock[BLOCK_REF_COUNT] = {};
    int m_nPinSlots = 0;
    int m_nParamEx[BLOCK_PARAMEX_COUNT] = {};
    WORD m_wProgramBytes = 0;
    int m_nFirstInput = -1;
    CString m_strComment;
    int m_bShowComment = 1;
    int m_nAux[4] = {};
    // The analog word an analog input, output or flag holds while simulating: the raw level of
    // an analog input (and of a ladder contact on one), the signed value that AQ, AM and the
    // ladder's analog output took at their pin. Not stored. The base keeps it because the
    // readers of a block's inputs, its array areas and the simulation bars take it from
    // whichever element feeds them.
    int m_nHeldValue = 0;
    int m_bSelected = 0;
    // Editing state, not stored: where the block stood when the current drag started.
    CPoint m_ptDragStart;
    int m_nContactState = 0;
    // Input words 0 and 1 as the message texts of the word, math and special blocks show them
    // in the editor, where no run gives them. Stored in every block's record, 1 by default.
    int m_nEditorInput[2] = {};
    double m_dCarried = 0.0;
    double m_dRemaining = 0.0;
    // The loop-trace mark: set by TraceLoop when its walk returns to the start block, and the
    // visited flag of the editor's loop checks.
    int m_bLoopFound = 0;
    CBlockObj* m_pTraceTarget = nullptr;
    int m_nSchema = 0;
    CString m_strParamText;
    double m_dParam = 0.0;
    BYTE m_nCapFlags = 0x0F;
    int m_nSetpointChanged = -1;
    CString m_strTimeText;

private:
    void InitDefaults(int nType, int nInputs);
    void InitPins();
    // In a ladder document only the contacts and the female connector feed other elements:
    // every other element's outputs are the rung's end and have no kind.
    void ApplyLadderOutputKinds();
    void SerializeStore(CArchive& ar);
    void SerializeLoad(CArchive& ar);
    // Reference k's number and block.
    void CopyReference(CBlockObj* pDst, int k) const;
    void CopyGenerationFields(CBlockObj* pDst) const;
    int TimeBaseForFormat() const;
};

// The hardware code of the current project, used for a block that belongs to no document.
extern WORD g_wHardwareCode;

// The object as a block; null for a null entry or an object of another class, which a damaged
// list may hold where blocks belong.
CBlockObj* AsBlock(CObject* pOb);

// The block is of one of the classes (or derived from one).
BOOL IsAnyOf(const CBlockObj& block, std::initializer_list<const CRuntimeClass*> classes);

// Binary-coded decimal of 0-9999 and back; BCDToInt gives 0 for any nibble above 9.
int IntToBCD(int n);
int BCDToInt(int v);
// Euclid with truncating remainder; b must not be 0.
int Gcd(int a, int b);
int Lcm(int a, int b);
