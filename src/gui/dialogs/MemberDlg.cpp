#include "dialogs/MemberDlg.h"

#include <QLineEdit>
#include <QShowEvent>

void CMemberDlg::accept()
{
    StoreControls();
    QDialog::accept();
}

void CMemberDlg::showEvent(QShowEvent* event)
{
    // A spontaneous show is the window coming back from being minimized, not
    // a new opening: what the user has typed so far stays.
    if (!event->spontaneous()) {
        LoadControls();
        QLineEdit* edit = FirstEdit();
        edit->selectAll();
        edit->setFocus(Qt::OtherFocusReason);
    }
    QDialog::showEvent(event);
}
