// CGridOleDropTarget: the grid's companion that takes drags over the grid's window and hands
// them to the grid's own drag operations.
#pragma once

#include "platform/ui/DragDrop.h"

class CGridCtrl;

class CGridOleDropTarget : public IDropTarget {
public:
    CGridOleDropTarget() = default;
    ~CGridOleDropTarget() override;
    CGridOleDropTarget(const CGridOleDropTarget&) = delete;
    CGridOleDropTarget& operator=(const CGridOleDropTarget&) = delete;

    // FALSE when already registered.
    BOOL Register(CGridCtrl* pGrid);
    void Revoke();

    DROPEFFECT OnDragEnter(const COleDataObject& data, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(const COleDataObject& data, DWORD dwKeyState, CPoint point) override;
    void OnDragLeave() override;
    BOOL OnDrop(const COleDataObject& data, DROPEFFECT effect, CPoint point) override;

private:
    CGridCtrl* m_pGrid = nullptr;
};
