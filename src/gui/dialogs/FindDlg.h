#pragma once

#include "dialogs/MemberDlg.h"

#include <QString>

class QCheckBox;
class QLineEdit;

// "Rechercher": what to search for and how. The main window keeps one for
// its whole run, so the last confirmed search stays for the next showing
// and for find-next.
class CFindDlg : public CMemberDlg
{
    Q_OBJECT

public:
    explicit CFindDlg(QWidget* parent = nullptr);

    QString m_strFind;
    int m_bMatchCase = 0;
    int m_bWholeWord = 0;
    int m_bRegex = 0;

protected:
    void LoadControls() override;
    void StoreControls() override;
    QLineEdit* FirstEdit() const override { return m_pFind; }

private:
    QLineEdit* m_pFind = nullptr;
    QCheckBox* m_pWholeWord = nullptr;
    QCheckBox* m_pMatchCase = nullptr;
    QCheckBox* m_pRegex = nullptr;
};
