// Shared helpers of the block drawing tests: a block placed in the active document, drawn into
// a recording surface, and lookups of what was drawn.
#pragma once

#include "BlockObjTest.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"
#include "support/PointText.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using DrawRecord = RecordingSurface::Record;
using DrawKind = RecordingSurface::Kind;

constexpr COLORREF kTestRed = RGB(255, 0, 0);
constexpr COLORREF kTestBlue = RGB(0, 0, 255);
constexpr COLORREF kTestBlack = RGB(0, 0, 0);

// A block at (100, 100) in a document of the given type and hardware.
class BlockDrawTest : public ::testing::Test {
protected:
    explicit BlockDrawTest(int nDocType = DOC_TYPE_FBD) : m_active(nDocType)
    {
        m_active.Doc().m_wHardwareCode = kNewHardware;
    }

    CBlockObj* Place(int nType, int nNumber = 9000)
    {
        CBlockObj* pBlock = m_active.Add(CreateBlockForType(nType, nullptr, nullptr));
        pBlock->m_ptPos = CPoint(100, 100);
        pBlock->m_nNumber = nNumber;
        return pBlock;
    }

    const std::vector<DrawRecord>& Records() const { return m_surface.Records(); }
    std::string Dump() const { return m_surface.Dump(); }

    // The records of one kind, in drawing order.
    std::vector<const DrawRecord*> OfKind(DrawKind kind) const
    {
        std::vector<const DrawRecord*> found;
        for (const DrawRecord& record : Records()) {
            if (record.kind == kind)
                found.push_back(&record);
        }
        return found;
    }

    // The two-point line from a to b (either way round), or null.
    const DrawRecord* FindLine(POINT a, POINT b) const
    {
        for (const DrawRecord& record : Records()) {
            if (record.kind != DrawKind::Polyline || record.points.size() != 2)
                continue;
            const POINT p = record.points[0];
            const POINT q = record.points[1];
            if ((Same(p, a) && Same(q, b)) || (Same(p, b) && Same(q, a)))
                return &record;
        }
        return nullptr;
    }

    const DrawRecord* FindText(const std::u16string& text) const
    {
        for (const DrawRecord& record : Records()) {
            if (record.kind == DrawKind::Text && record.text == text)
                return &record;
        }
        return nullptr;
    }

    static bool Same(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

    TestDocument m_active;
    RecordingSurface m_surface;
    CDC m_dc{m_surface};
};

// The point a record was drawn at, for EXPECT_EQ-style comparisons.
inline std::string At(POINT point)
{
    return PointText(point);
}
