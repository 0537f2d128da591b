#include "view/RangeMimeData.h"

#include "exchange/ClipboardBlock.h"

#include <QStringList>
#include <QVariant>

namespace {

const QString kPlainText = QStringLiteral("text/plain");
const QString kUtf8Text = QStringLiteral("text/plain;charset=utf-8");
const QString kHtml = QStringLiteral("text/html");

} // namespace

CRangeMimeData::CRangeMimeData(std::string text) : m_text(std::move(text)) {}

bool CRangeMimeData::hasFormat(const QString& mimeType) const
{
    return formats().contains(mimeType);
}

QStringList CRangeMimeData::formats() const
{
    return {kUtf8Text, kPlainText, kHtml};
}

// The HTML is made from the text, which holds every cell as it stands: a
// cell holds no TAB or line break, and one starting with a quote is quoted.
QVariant CRangeMimeData::retrieveData(const QString& mimeType, QMetaType) const
{
    if (mimeType == kPlainText || mimeType == kUtf8Text)
        return QString::fromUtf8(m_text.data(), static_cast<qsizetype>(m_text.size()));
    if (mimeType == kHtml) {
        const std::string html = ClipboardBlock::FormatHtml(ClipboardBlock::Parse(m_text));
        return QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size()));
    }
    return {};
}
