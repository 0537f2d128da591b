#include "dialogs/CsvOptionsDlg.h"

#include "resources/StringTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

struct EncodingChoice
{
    TextEncoding encoding;
    bool byteOrderMark;
};

constexpr EncodingChoice kEncodings[] = {
    {TextEncoding::Utf8, false},        {TextEncoding::Utf8, true},
    {TextEncoding::Utf16Le, true},      {TextEncoding::Utf16Be, true},
    {TextEncoding::Windows1252, false},
};

constexpr std::pair<CsvDialect::LineEnd, const char*> kLineEnds[] = {
    {CsvDialect::LineEnd::CrLf, Strings::kLineEndCrLf},
    {CsvDialect::LineEnd::Lf, Strings::kLineEndLf},
    {CsvDialect::LineEnd::Cr, Strings::kLineEndCr},
};

constexpr std::pair<char, const char*> kSeparators[] = {
    {',', Strings::kSeparatorComma},
    {';', Strings::kSeparatorSemicolon},
    {'\t', Strings::kSeparatorTab},
    {'|', Strings::kSeparatorBar},
};

QComboBox* NewCombo(const QString& objectName, QWidget& parent)
{
    auto* combo = new QComboBox(&parent);
    combo->setObjectName(objectName);
    return combo;
}

} // namespace

CCsvOptionsDlg::CCsvOptionsDlg(const CsvDialect& dialect, QWidget* parent)
    : QDialog(parent), m_dialect(dialect)
{
    setWindowTitle(QString::fromUtf8(Strings::kCsvOptionsTitle));
    m_pSeparator = NewCombo(QStringLiteral("separatorCombo"), *this);
    for (const auto& [separator, name] : kSeparators) {
        m_pSeparator->addItem(QString::fromUtf8(name), QVariant::fromValue(separator));
        if (separator == dialect.separator)
            m_pSeparator->setCurrentIndex(m_pSeparator->count() - 1);
    }
    // A separator read from a "sep=" line may be none of the usual ones.
    if (m_pSeparator->findData(QVariant::fromValue(dialect.separator)) < 0) {
        m_pSeparator->addItem(CsvDialects::SeparatorName(dialect.separator),
                              QVariant::fromValue(dialect.separator));
        m_pSeparator->setCurrentIndex(m_pSeparator->count() - 1);
    }
    m_pEncoding = NewCombo(QStringLiteral("encodingCombo"), *this);
    for (const EncodingChoice& choice : kEncodings) {
        m_pEncoding->addItem(CsvDialects::EncodingName(choice.encoding, choice.byteOrderMark));
        if (choice.encoding == dialect.encoding && choice.byteOrderMark == dialect.byteOrderMark)
            m_pEncoding->setCurrentIndex(m_pEncoding->count() - 1);
    }
    m_pLineEnd = NewCombo(QStringLiteral("lineEndCombo"), *this);
    for (const auto& [lineEnd, name] : kLineEnds) {
        m_pLineEnd->addItem(QString::fromUtf8(name));
        if (lineEnd == dialect.lineEnd)
            m_pLineEnd->setCurrentIndex(m_pLineEnd->count() - 1);
    }
    m_pQuoteAll = new QCheckBox(QString::fromUtf8(Strings::kQuoteEveryField), this);
    m_pQuoteAll->setObjectName(QStringLiteral("quoteAllCheck"));
    m_pQuoteAll->setChecked(dialect.quoting != CsvDialect::Quoting::AsNeeded);

    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8(Strings::kSeparatorLabel), m_pSeparator);
    form->addRow(QString::fromUtf8(Strings::kEncodingLabel), m_pEncoding);
    form->addRow(QString::fromUtf8(Strings::kLineEndLabel), m_pLineEnd);
    form->addRow(m_pQuoteAll);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8(Strings::kOkButton));
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8(Strings::kCancelButton));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CsvDialect CCsvOptionsDlg::Dialect() const
{
    CsvDialect dialect = m_dialect;
    dialect.separator = m_pSeparator->currentData().value<char>();
    const EncodingChoice& encoding = kEncodings[m_pEncoding->currentIndex()];
    dialect.encoding = encoding.encoding;
    dialect.byteOrderMark = encoding.byteOrderMark;
    dialect.lineEnd = kLineEnds[m_pLineEnd->currentIndex()].first;
    if (!m_pQuoteAll->isChecked())
        dialect.quoting = CsvDialect::Quoting::AsNeeded;
    else if (m_dialect.quoting == CsvDialect::Quoting::AsNeeded)
        dialect.quoting = CsvDialect::Quoting::All;
    return dialect;
}
