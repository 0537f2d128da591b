#pragma once

#include <QMimeData>

#include <string>

// A range on the clipboard, held as the tab-separated UTF-8 text that
// spreadsheets read. Its HTML table, and the text as Qt's own string, are
// made only when a program asks for them: a million rows copy in the time
// it takes to write their text once, and hold about that much memory.
class CRangeMimeData : public QMimeData
{
    Q_OBJECT

public:
    explicit CRangeMimeData(std::string text);

    // The text as copied, which a paste within Quire reads as it stands.
    const std::string& Utf8Text() const { return m_text; }

    bool hasFormat(const QString& mimeType) const override;
    QStringList formats() const override;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    std::string m_text;
};
