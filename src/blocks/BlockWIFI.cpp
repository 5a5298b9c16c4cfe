#include "blocks/BlockWIFI.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockTypes.h"
#include "platform/core/Archive.h"

namespace {

constexpr std::array<BlockSetup, 4> kWifiSetups = {{
    {.nType = BT_WIFI_IN, .nInputs = 2, .wProgramBytes = 12, .nPinSlots = 8, .nCapFlags = 0x00,
     .links = {{{1, LINK_PARAM}, {2, 98}, {3, 99}, {4, 100}, {5, 101}, {6, 58}, {7, LINK_END}}}},
    {.nType = BT_WIFI_OUT, .nInputs = 3, .wProgramBytes = 12, .nPinSlots = 7, .nCapFlags = 0x00,
     .links = {{{2, LINK_PARAM}, {3, 98}, {4, 99}, {5, 100}, {6, LINK_END}}}},
    {.nType = BT_WIFI_AI, .nInputs = 2, .wProgramBytes = 12, .nPinSlots = 7, .nCapFlags = 0x00,
     .links = {{{1, LINK_PARAM}, {2, 98}, {3, 99}, {4, 100}, {5, LINK_END}, {6, LINK_END}}}},
    {.nType = BT_WIFI_AOUT, .nInputs = 3, .wProgramBytes = 12, .nPinSlots = 7, .nCapFlags = 0x00,
     .links = {{{2, LINK_PARAM}, {3, 98}, {4, 99}, {5, 100}, {6, LINK_END}}}},
}};

}  // namespace

IMPLEMENT_DYNAMIC(CBlockWIFI, CBlockObj)
IMPLEMENT_TABLE_BLOCK(CBlockWIFIIn, CBlockWIFI, kWifiSetups, BT_WIFI_IN)
IMPLEMENT_SERIAL(CBlockWIFIOut, CBlockWIFI, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_TABLE_BLOCK(CBlockWIFIAI, CBlockWIFI, kWifiSetups, BT_WIFI_AI)
IMPLEMENT_SERIAL(CBlockWIFIAOut, CBlockWIFI, VERSIONABLE_SCHEMA | 1)

void CBlockWIFI::Serialize(CArchive& ar)
{
    CBlockObj::Serialize(ar);
    if (ar.IsStoring())
        ar << m_nWifiMode << m_nWifiId << m_nRemoteKind << m_nRemoteNumber;
    else
        ar >> m_nWifiMode >> m_nWifiId >> m_nRemoteKind >> m_nRemoteNumber;
}

void CBlockWIFI::CopyTo(CBlockObj* pDst, BOOL bGeometry)
{
    if (!pDst)
        return;
    CBlockObj::CopyTo(pDst, bGeometry);
    if (!pDst->IsKindOf(RUNTIME_CLASS(CBlockWIFI)))
        return;
    auto* pWifi = static_cast<CBlockWIFI*>(pDst);
    pWifi->m_nWifiMode = m_nWifiMode;
    pWifi->m_nWifiId = m_nWifiId;
    pWifi->m_nRemoteKind = m_nRemoteKind;
    pWifi->m_nRemoteNumber = m_nRemoteNumber;
}

// The write blocks send their input away and have no output pin.
CBlockWIFIOut::CBlockWIFIOut()
{
    ApplyLoadDefaults(*this, FindBlockSetup(kWifiSetups, BT_WIFI_OUT));
}

CBlockWIFIOut::CBlockWIFIOut(int nType)
    : CBlockWIFI(nType, FindBlockSetup(kWifiSetups, BT_WIFI_OUT).nInputs)
{
    ApplyBlockSetup(*this, FindBlockSetup(kWifiSetups, BT_WIFI_OUT));
    m_nOutputs = 0;
}

CBlockWIFIAOut::CBlockWIFIAOut()
{
    ApplyLoadDefaults(*this, FindBlockSetup(kWifiSetups, BT_WIFI_AOUT));
}

CBlockWIFIAOut::CBlockWIFIAOut(int nType)
    : CBlockWIFI(nType, FindBlockSetup(kWifiSetups, BT_WIFI_AOUT).nInputs)
{
    ApplyBlockSetup(*this, FindBlockSetup(kWifiSetups, BT_WIFI_AOUT));
    m_nOutputs = 0;
}
