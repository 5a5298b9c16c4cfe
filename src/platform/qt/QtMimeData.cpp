#include "platform/qt/QtMimeData.h"

#include "platform/qt/QtControlViews.h"

#include <QMimeData>

namespace {

const QString kPrivatePrefix = QStringLiteral("application/x-qarvo-");

QString MimeType(UINT nFormat) { return kPrivatePrefix + ToQString(AfxGetClipboardFormatName(nFormat)); }

}  // namespace

QMimeData* ToMimeData(const ClipboardData& data)
{
    auto* pMime = new QMimeData;
    for (const auto& [nFormat, bytes] : data) {
        if (nFormat == CF_UNICODETEXT) {
            // UTF-16LE up to the NUL.
            QString strText;
            for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
                const char16_t ch = char16_t(bytes[i] | (bytes[i + 1] << 8));
                if (ch == 0)
                    break;
                strText.append(QChar(ch));
            }
            pMime->setText(strText);
        } else if (nFormat >= CF_REGISTERED_FIRST) {
            pMime->setData(MimeType(nFormat), QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
        }
    }
    return pMime;
}

ClipboardData FromMimeData(const QMimeData& mime)
{
    ClipboardData data;
    if (mime.hasText()) {
        const QString strText = mime.text();
        std::vector<BYTE>& bytes = data[CF_UNICODETEXT];
        for (QChar ch : strText) {
            bytes.push_back(BYTE(ch.unicode() & 0xFF));
            bytes.push_back(BYTE(ch.unicode() >> 8));
        }
        bytes.insert(bytes.end(), {0, 0});
    }
    for (const QString& strType : mime.formats()) {
        if (!strType.startsWith(kPrivatePrefix))
            continue;
        const UINT nFormat = AfxFindClipboardFormat(FromQString(strType.mid(kPrivatePrefix.size())));
        if (!nFormat)
            continue;
        const QByteArray raw = mime.data(strType);
        data[nFormat] = std::vector<BYTE>(raw.begin(), raw.end());
    }
    return data;
}
