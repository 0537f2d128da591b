#pragma once

#include "dialogs/MemberDlg.h"

#include <QString>

class QCheckBox;
class QLineEdit;

// "Remplacer": what to replace with what, and how. Like the Find dialog it
// lives as long as the main window and keeps the last confirmed values, but
// its own ones: it starts with match case on.
class CReplaceDlg : public CMemberDlg
{
    Q_OBJECT

public:
    explicit CReplaceDlg(QWidget* parent = nullptr);

    QString m_strFind;
    QString m_strReplace;
    int m_bMatchCase = 1;
    int m_bWholeWord = 0;
    int m_bRegex = 0;

protected:
    void LoadControls() override;
    void StoreControls() override;
    QLineEdit* FirstEdit() const override { return m_pFind; }

private:
    QLineEdit* m_pFind = nullptr;
    QLineEdit* m_pReplace = nullptr;
    QCheckBox* m_pWholeWord = nullptr;
    QCheckBox* m_pMatchCase = nullptr;
    QCheckBox* m_pRegex = nullptr;
};
