#pragma once

#include "dialogs/MemberDlg.h"

#include <QString>

class QLineEdit;

// One line of text under a caption of the caller's choosing, e.g. a
// column's new name. Only "OK" is shown; Escape and the close box cancel.
class CEntryDlg : public CMemberDlg
{
    Q_OBJECT

public:
    explicit CEntryDlg(QWidget* parent = nullptr);

    void SetCaption(const QString& caption) { m_strCaption = caption; }
    void SetText(const QString& text) { m_strText = text; }
    QString GetText() const { return m_strText; }

    QString m_strText;
    QString m_strCaption;

protected:
    void LoadControls() override;
    void StoreControls() override;
    QLineEdit* FirstEdit() const override { return m_pText; }

private:
    QLineEdit* m_pText = nullptr;
};
