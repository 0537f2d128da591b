#pragma once

#include "edit/RowFilter.h"

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// The bar above the grid that filters its rows: a text, the column to look
// in ("Toutes les colonnes" or one), Find's three options, a line that says
// why a pattern cannot filter, and a close button. It says when the filter
// changed, and when the user leaves it for the grid (Enter, Down) or closes
// it (Escape, the button).
class CFilterBar : public QWidget
{
    Q_OBJECT

public:
    explicit CFilterBar(QWidget* parent = nullptr);

    RowFilter Filter() const;
    // Shows the filter given, without telling of a change.
    void SetFilter(const RowFilter& filter);
    // Why the text cannot filter, in French; empty hides the line.
    void ShowProblem(const QString& problem);
    // The columns to choose from; the choice stays on the same column
    // number while there is one.
    void SetColumns(const QStringList& names);
    // Shows the bar with the keyboard in its text.
    void Open();

Q_SIGNALS:
    void filterEdited();
    void leaveRequested();
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_pText = nullptr;
    QComboBox* m_pColumn = nullptr;
    QCheckBox* m_pMatchCase = nullptr;
    QCheckBox* m_pWholeCell = nullptr;
    QCheckBox* m_pRegex = nullptr;
    QLabel* m_pProblem = nullptr;
};
