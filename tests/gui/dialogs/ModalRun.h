#pragma once

#include "dialogs/MemberDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

// What a dialog showed when it opened: the caller's values as the user
// finds them.
struct Opening
{
    QString title;
    QString text;         // of the first edit
    QString selected;     // the selected part of it
    bool focused = false; // the first edit has the keyboard focus
};

// DoModal's result when the user's script left the dialog open; a test
// then fails instead of hanging.
inline constexpr int kLeftOpen = -1;

// Runs the dialog with DoModal as the program does and, once it is on the
// screen and active, notes what it shows in `opening` and hands it to the
// user's script.
inline int RunModal(CMemberDlg& dialog, const char* firstEdit, Opening& opening,
                    const std::function<void()>& user)
{
    QTimer::singleShot(0, &dialog, [&] {
        auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(firstEdit));
        if (edit && QTest::qWaitForWindowActive(&dialog)) {
            opening = {dialog.windowTitle(), edit->text(), edit->selectedText(),
                       QApplication::focusWidget() == edit};
            user();
        }
        if (dialog.isVisible())
            dialog.done(kLeftOpen);
    });
    return dialog.DoModal();
}

// The widget of the dialog with the given object name; null when missing.
template <typename Widget> Widget* Child(const QDialog& dialog, const char* name)
{
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

inline bool Ticked(const QDialog& dialog, const char* name)
{
    const auto* box = Child<QCheckBox>(dialog, name);
    return box && box->isChecked();
}

// The user's keys, on the control of the given name. A missing control takes
// no key, and the test's checks of the outcome fail.
inline void TypeInto(const QDialog& dialog, const char* edit, const QString& text)
{
    if (auto* widget = Child<QLineEdit>(dialog, edit))
        QTest::keyClicks(widget, text);
}

inline void Press(const QDialog& dialog, const char* edit, Qt::Key key)
{
    if (auto* widget = Child<QLineEdit>(dialog, edit))
        QTest::keyClick(widget, key);
}

inline void Toggle(const QDialog& dialog, const char* box)
{
    if (auto* widget = Child<QCheckBox>(dialog, box))
        QTest::keyClick(widget, Qt::Key_Space);
}
