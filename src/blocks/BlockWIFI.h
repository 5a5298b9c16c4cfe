// The WiFi blocks (824-827): one remote digital or analog point each, named by four settings
// of the WiFi page (mode, WiFi id, block type and block number, all list indexes).
#pragma once

#include "blocks/BlockObj.h"

class CBlockWIFI : public CBlockObj {
    DECLARE_DYNAMIC(CBlockWIFI)

public:
    // Common record, then the four settings.
    void Serialize(CArchive& ar) override;

    int m_nWifi1 = 0;
    int m_nWifi2 = 0;
    int m_nWifi3 = 0;
    int m_nWifi4 = 0;

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
