// Documents for the codec tests, built on the model alone: blocks made by the factory and
// numbered by the document, pins fed by setting their sources as a finished wire leaves them,
// and an encoding with a fixed download stamp.
#pragma once

#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "codec/ImageEncoder.h"
#include "codec/ImageLayout.h"
#include "codec/VetlaCoreRule.h"
#include "document/VetlaDoc.h"

#include <gtest/gtest.h>

#include <span>
#include <vector>

using Bytes = std::vector<BYTE>;

constexpr WORD kOlderHardware = 0x1188;
constexpr WORD kNewerHardware = 0x5288;
constexpr SYSTEMTIME kStamp = {2026, 3, 0, 14, 9, 26, 53, 0};

class CodecDiagram : public testing::Test {
protected:
    explicit CodecDiagram(WORD wHardwareCode = kOlderHardware) { m_doc.m_wHardwareCode = wHardwareCode; }

    CVetlaDoc& Doc() { return m_doc; }

    CBlockObj* Block(int nType)
    {
        CBlockObj* pBlock = CreateBlockForType(nType, nullptr, &m_doc);
        m_doc.AddBlock(pBlock);
        return pBlock;
    }

    // A block of an I/O type at a given point index.
    CBlockObj* Point(int nType, int nNumber)
    {
        CBlockObj* pBlock = Block(nType);
        pBlock->m_nNumber = nNumber;
        return pBlock;
    }

    static void Feed(CBlockObj* pFrom, CBlockObj* pTo, int nPin, BOOL bNegated = FALSE)
    {
        pTo->m_nPinSource[nPin] = pFrom->m_nNumber;
        pTo->m_bPinInvert[nPin] = bNegated;
    }

    // Allocates in download mode with the document's message texts and encodes.
    EncodeResult Encode()
    {
        m_codec.m_pDoc = &m_doc;
        int nTexts = 0;
        for (POSITION pos = m_doc.m_blockList.GetHeadPosition(); pos;)
            nTexts += static_cast<CBlockObj*>(m_doc.m_blockList.GetNext(pos))->m_nType == BT_MSGTEXT ? 1 : 0;
        EXPECT_TRUE(m_codec.AllocImageBuffers(CODEC_MODE_DOWNLOAD, m_doc.IsNewGenerationDoc() ? nTexts : 0));
        return BuildProgramImage(m_codec, kStamp);
    }

    CVetlaCoreRule& Codec() { return m_codec; }

    Bytes SectionBytes(const char* pszName, int nFrom = 0, int nCount = -1)
    {
        std::span<const BYTE> s = m_codec.Section(pszName);
        const auto nSize = nCount < 0 ? s.size() - std::size_t(nFrom) : std::size_t(nCount);
        std::span<const BYTE> part = s.subspan(std::size_t(nFrom), nSize);
        return Bytes(part.begin(), part.end());
    }

private:
    CVetlaDoc m_doc;
    CVetlaCoreRule m_codec;
};

class NewerCodecDiagram : public CodecDiagram {
protected:
    NewerCodecDiagram() : CodecDiagram(kNewerHardware) {}
};
