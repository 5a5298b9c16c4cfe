// Pens, brushes, fonts and bitmaps. An object's description lives in shared data that a device
// context keeps while the object is selected, so a context never draws with a destroyed object;
// the C++ object is only the owner the context hands back from SelectObject.
#pragma once

#include "platform/core/Object.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/PixelBuffer.h"

#include <memory>
#include <variant>

class CGdiObject;

struct BitmapBits {
    PixelBuffer pixels;
    const CDC* pSelectedIn = nullptr;  // a bitmap is selected into one memory context at a time
};

struct GdiObjectData {
    std::variant<LOGPEN, LOGBRUSH, LOGFONT, BitmapBits> value;
    CGdiObject* pOwner = nullptr;  // the object that hands this data out, while one exists
};

class CGdiObject : public CObject {
    DECLARE_DYNAMIC(CGdiObject)
public:
    CGdiObject() = default;
    ~CGdiObject() override;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ GetSafeHandle() const { return m_pData.get(); }
    // Releases the object; a context that still has it selected keeps drawing with it.
    BOOL DeleteObject();
    // Makes this object share one of the stock objects (its kind must fit the class).
    BOOL CreateStockObject(int nIndex);

    // The permanent stock object of that index (WHITE_BRUSH .. DEFAULT_GUI_FONT), or nullptr.
    static CGdiObject* FromStockObject(int nIndex);
    // A new object of the class that fits the data's kind, owning it; used for data whose owner
    // has gone when a context hands it back.
    static std::unique_ptr<CGdiObject> MakeOwnerFor(const std::shared_ptr<GdiObjectData>& pData);

    const std::shared_ptr<GdiObjectData>& GetData() const { return m_pData; }

protected:
    // Replaces the object's data by a new description owned by this object.
    void Create(decltype(GdiObjectData::value) value);
    template <class T>
    const T* Get() const
    {
        return m_pData ? std::get_if<T>(&m_pData->value) : nullptr;
    }

private:
    void Release();

    std::shared_ptr<GdiObjectData> m_pData;
};
