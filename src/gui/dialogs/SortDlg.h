#pragma once

#include "edit/SortKeys.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <vector>

class QComboBox;

// « Trier » : up to three keys, each a column, a direction and an order;
// the first key is always given, the next ones only when a column is
// chosen for them.
class CSortDlg : public QDialog
{
    Q_OBJECT

public:
    // columns: the list's column names; firstColumn: the first key's.
    CSortDlg(const QStringList& columns, int firstColumn, QWidget* parent = nullptr);

    // The keys chosen, in order, skipping those left without a column.
    std::vector<SortKey> Keys() const;

    static constexpr int kKeyCount = 3;

private:
    struct KeyRow
    {
        QComboBox* column = nullptr; // after a first "(aucune)" but on the first row
        QComboBox* direction = nullptr;
        QComboBox* order = nullptr;
    };
    std::array<KeyRow, kKeyCount> m_rows;
};
