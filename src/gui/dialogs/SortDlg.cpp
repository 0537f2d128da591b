#include "dialogs/SortDlg.h"

#include "dialogs/DialogParts.h"
#include "resources/StringTable.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString Text(const char* text)
{
    return QString::fromUtf8(text);
}

QComboBox* NewCombo(const QStringList& items, const QString& objectName, QWidget& parent)
{
    auto* combo = new QComboBox(&parent);
    combo->setObjectName(objectName);
    combo->addItems(items);
    return combo;
}

// The orders offered, as their entries list them.
constexpr CellOrder kOrders[] = {CellOrder::Alphabetic, CellOrder::Numeric, CellOrder::Natural};

} // namespace

CSortDlg::CSortDlg(const QStringList& columns, int firstColumn, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Text(Strings::kSortTitle));
    auto* keys = new QGridLayout;
    const QStringList directions = {Text(Strings::kSortAscending), Text(Strings::kSortDescending)};
    const QStringList orders = {Text(Strings::kSortAlphabetic), Text(Strings::kSortNumbers),
                                Text(Strings::kSortNatural)};
    for (int k = 0; k < kKeyCount; ++k) {
        const QString name = QStringLiteral("key%1").arg(k);
        KeyRow& row = m_rows[static_cast<std::size_t>(k)];
        QStringList choices = columns;
        if (k > 0)
            choices.prepend(Text(Strings::kSortNoKey));
        row.column = NewCombo(choices, name + QStringLiteral("Column"), *this);
        row.direction = NewCombo(directions, name + QStringLiteral("Direction"), *this);
        row.order = NewCombo(orders, name + QStringLiteral("Order"), *this);
        auto* label =
            new QLabel(Text(k == 0 ? Strings::kSortFirstKey : Strings::kSortNextKey), this);
        label->setBuddy(row.column);
        keys->addWidget(label, k, 0);
        keys->addWidget(row.column, k, 1);
        keys->addWidget(row.direction, k, 2);
        keys->addWidget(row.order, k, 3);
    }
    if (!columns.isEmpty())
        m_rows[0].column->setCurrentIndex(
            std::clamp(firstColumn, 0, static_cast<int>(columns.size()) - 1));
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(keys, 1);
    layout->addLayout(
        DialogParts::NewButtonColumn(Strings::kOkButton, Strings::kCancelButton, *this));
}

std::vector<SortKey> CSortDlg::Keys() const
{
    std::vector<SortKey> keys;
    for (int k = 0; k < kKeyCount; ++k) {
        const KeyRow& row = m_rows[static_cast<std::size_t>(k)];
        // Past the first row, the first choice is no key.
        const int column = row.column->currentIndex() - (k > 0 ? 1 : 0);
        if (column < 0)
            continue;
        keys.push_back({column, row.direction->currentIndex() == 0,
                        kOrders[std::clamp(row.order->currentIndex(), 0, 2)]});
    }
    return keys;
}
