// The WiFi blocks: one remote digital or analog point each, named by four settings
// of the WiFi page (mode, WiFi id, block type and block number, all list indexes).
#pragma once

#include "blocks/BlockObj.h"

class CBlockWIFI : public CBlockObj {
    DECLARE_DYNAMIC(CBlockWIFI)

public:
    // Common record, then the four settings.
    void Serialize(CArchive& ar) override;
    // The common fields, then the four settings, into another WiFi block.
    void CopyTo(CBlockObj* pDst, BOOL bGeometry) override;

    // The mode (0 a station's block, 1 a virtual memory of a WiFi id, 2 the diagnostic), the
    // WiFi id, and the remote block's kind and number; the diagnostic keeps in the kind the id
    // whose communication status it shows.
    int m_nWifiMode = 0;
    int m_nWifiId = 0;
    int m_nRemoteKind = 0;
    int m_nRemoteNumber = 0;

protected:
    CBlockWIFI() = default;
    CBlockWIFI(int nType, int nInputs) : CBlockObj(nType, nInputs) {}
};

class CBlockWIFIIn : public CBlockWIFI {
    DECLARE_SERIAL(CBlockWIFIIn)

public:
    CBlockWIFIIn();
    explicit CBlockWIFIIn(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
};

class CBlockWIFIOut : public CBlockWIFI {
    DECLARE_SERIAL(CBlockWIFIOut)

public:
    CBlockWIFIOut();
    explicit CBlockWIFIOut(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
};

class CBlockWIFIAI : public CBlockWIFI {
    DECLARE_SERIAL(CBlockWIFIAI)

public:
    CBlockWIFIAI();
    explicit CBlockWIFIAI(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
};

class CBlockWIFIAOut : public CBlockWIFI {
    DECLARE_SERIAL(CBlockWIFIAOut)

public:
    CBlockWIFIAOut();
    explicit CBlockWIFIAOut(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
};
