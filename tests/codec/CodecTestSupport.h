// Documents for the codec tests, built on the model alone: blocks made by the factory and
// numbered by the document, pins fed by setting their sources as a finished wire leaves them,
// and an encoding with a fixed download stamp.
#pragma once

#include "blocks/BlockFactory.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/ParamTables.h"
#include "blocks/Widget.h"
#include "codec/ImageEncoder.h"
#include "codec/ImageLayout.h"
#include "codec/VetlaCoreRule.h"
#include "document/VetlaDoc.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

using Bytes = std::vector<BYTE>;

constexpr WORD kOlderHardware = 0x1188;
constexpr WORD kNewerHardware = 0x5288;
constexpr SYSTEMTIME kStamp = {2026, 3, 0, 14, 9, 26, 53, 0};

inline Bytes Cat(Bytes first, const Bytes& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// Buffer 0, then buffer 1, then the message-text area.
inline Bytes WholeImage(const CVetlaCoreRule& codec)
{
    Bytes bytes(codec.Image(0).begin(), codec.Image(0).end());
    bytes.insert(bytes.end(), codec.Image(1).begin(), codec.Image(1).end());
    bytes.insert(bytes.end(), codec.TextArea().begin(), codec.TextArea().end());
    return bytes;
}

inline int CountTexts(const CVetlaDoc& doc)
{
    int nTexts = 0;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;)
        nTexts += static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos))->m_nType == BT_MSGTEXT ? 1 : 0;
    return nTexts;
}

// An element of nKind on screen 1 or 2 of a message text, at a line and column, showing block
// nNumber.
inline CWidget* PlaceElement(CBlockMSGTEXT& text, int nScreen, int nLine, int nColumn, int nKind, int nNumber,
                             int nWidth = 8)
{
    auto* pWidget = new CWidget;
    pWidget->m_nLine = nLine;
    pWidget->m_nColumn = nColumn;
    pWidget->m_nKind = nKind;
    pWidget->m_nBlockNumber = nNumber;
    pWidget->m_nWidth = nWidth;
    (nScreen == 1 ? text.m_arrWidgets1 : text.m_arrWidgets2)[nLine - 1].Add(pWidget);
    return pWidget;
}

// An element showing a parameter, as wide as the parameter-name id makes it.
inline CWidget* PlaceParameter(CBlockMSGTEXT& text, int nScreen, int nLine, int nColumn, int nKind, int nNumber,
                               int nParamId)
{
    CWidget* pWidget = PlaceElement(text, nScreen, nLine, nColumn, nKind, nNumber, g_arrParamWidth[nParamId]);
    pWidget->m_nParamId = nParamId;
    return pWidget;
}

// A message text's elements, one line each, screen by screen and line by line: the element's
// list and what describe() tells of it.
template <class Describe>
std::string DescribeElements(const CBlockMSGTEXT& text, Describe&& describe)
{
    std::string str;
    for (int nArray = 0; nArray < MSGTEXT_WIDGET_ARRAYS; ++nArray) {
        const CObArray& line = const_cast<CBlockMSGTEXT&>(text).WidgetArray(nArray);
        for (INT_PTR i = 0; i < line.GetSize(); ++i)
            str += std::to_string(nArray) + ":" + describe(*static_cast<const CWidget*>(line[i])) + "\n";
    }
    return str;
}

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

    // Every function-block type of the document's generation in code order, its digital inputs
    // fed by I1 (the second negated), its analog inputs by AI1; the last block feeds Q1 and M1.
    // Returns the types in the order of their blocks.
    std::vector<int> BuildEveryTypeCatalogue()
    {
        const BYTE byGeneration = m_doc.IsNewGenerationDoc() ? GEN_NEWER_ONES : GEN_OLDER;
        CBlockObj* pInput = Point(BT_IN, NUM_INPUT);
        CBlockObj* pAnalog = Point(BT_ANALOG_IN, NUM_ANALOG_IN);
        CBlockObj* pLast = nullptr;
        std::vector<int> types;
        for (const BlockTypeRow& row : FactoryTypeRows()) {
            if (!IsFunctionBlockType(row.nType) || !(row.byGenerations & byGeneration))
                continue;
            CBlockObj* pBlock = Block(row.nType);
            for (int nPin = 0; nPin < pBlock->m_nInputs; ++nPin) {
                if (pBlock->m_nPinKind[nPin] == PINKIND_DIGITAL)
                    Feed(pInput, pBlock, nPin, nPin == 1);
                else if (pBlock->m_nPinKind[nPin] == PINKIND_ANALOG)
                    Feed(pAnalog, pBlock, nPin);
            }
            types.push_back(row.nType);
            pLast = pBlock;
        }
        Feed(pLast, Point(BT_OUT, NUM_OUTPUT), 0);
        Feed(pLast, Point(BT_FLAG, NUM_FLAG), 0);
        return types;
    }

    // Allocates in download mode with the document's message texts and encodes.
    EncodeResult Encode()
    {
        m_codec.m_pDoc = &m_doc;
        EXPECT_TRUE(m_codec.AllocImageBuffers(CODEC_MODE_DOWNLOAD, m_doc.IsNewGenerationDoc() ? CountTexts(m_doc) : 0));
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
