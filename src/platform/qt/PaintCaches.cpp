#include "platform/qt/PaintCaches.h"

#include <QCoreApplication>
#include <QThread>

#include <cstring>

namespace {

// Never destroyed, as the stock objects: fonts must not outlive the application object, and a
// surface may be made at any time before it goes.
std::shared_ptr<PaintCaches>& Shared()
{
    static auto* pShared = new std::shared_ptr<PaintCaches>(std::make_shared<PaintCaches>());
    return *pShared;
}

bool OnGuiThread()
{
    const QCoreApplication* pApp = QCoreApplication::instance();
    return pApp && QThread::currentThread() == pApp->thread();
}

} // namespace

std::shared_ptr<PaintCaches> PaintCaches::ForThisThread()
{
    return OnGuiThread() ? Shared() : std::make_shared<PaintCaches>();
}

void PaintCaches::Drop()
{
    if (OnGuiThread())
        Shared() = std::make_shared<PaintCaches>();
}

FontEntry& PaintCaches::FontFor(const LOGFONT& logFont)
{
    if (m_pLastFont && std::memcmp(&m_lastLogFont, &logFont, sizeof(LOGFONT)) == 0)
        return *m_pLastFont;
    std::string key(sizeof(LOGFONT), '\0');
    std::memcpy(key.data(), &logFont, sizeof(LOGFONT));
    auto found = m_fonts.find(key);
    if (found == m_fonts.end())
        found = m_fonts.emplace(std::move(key), std::make_unique<FontEntry>(logFont)).first;
    m_lastLogFont = logFont;
    m_pLastFont = found->second.get();
    return *m_pLastFont;
}
