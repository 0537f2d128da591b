#pragma once

#include "exchange/CsvDialect.h"

#include <QDialog>

class QCheckBox;
class QComboBox;

// « Options CSV »: how Save As writes a CSV file. It opens on the dialect
// given (the document's own) and gives back the one chosen; what it does
// not show (the header, the "sep=" line, the last line's end) stays.
class CCsvOptionsDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CCsvOptionsDlg(const CsvDialect& dialect, QWidget* parent = nullptr);

    CsvDialect Dialect() const;

private:
    CsvDialect m_dialect;
    QComboBox* m_pSeparator = nullptr;
    QComboBox* m_pEncoding = nullptr;
    QComboBox* m_pLineEnd = nullptr;
    QCheckBox* m_pQuoteAll = nullptr;
};
