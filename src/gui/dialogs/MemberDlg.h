#pragma once

#include <QDialog>

class QLineEdit;

// A modal dialog over public members that its caller reads. Each showing
// loads the members into the controls, selects the whole text of the first
// edit and gives it the focus; only a confirmation copies the controls back,
// so a cancelled showing leaves the members, and the next showing, as the
// last confirmation left them.
class CMemberDlg : public QDialog
{
    Q_OBJECT

public:
    using QDialog::QDialog;

    // Runs the dialog modally; QDialog::Accepted or QDialog::Rejected.
    int DoModal() { return exec(); }
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

    virtual void LoadControls() = 0;
    virtual void StoreControls() = 0;
    virtual QLineEdit* FirstEdit() const = 0;
};
