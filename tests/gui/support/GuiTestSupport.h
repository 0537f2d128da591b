#pragma once

#include "TestDoubles.h"

#include <QTemporaryDir>

#include <functional>

class QAction;
class QWidget;

// Points every QSettings of the test at a fresh temporary folder, so that
// no test reads or writes the user's own settings.
class TempSettings
{
public:
    TempSettings();
    QString Folder() const { return m_dir.path(); }
    // Writes a value as another run of the program would have left it.
    static void Store(const QString& key, const QVariant& value);
    static QVariant Stored(const QString& key);

private:
    QTemporaryDir m_dir;
};

// Dump of the grid as a QString, which QtTest can show when it differs.
QString Shown(const CGridListCtrl& grid);

// The action of the window with the given object name; fails the test when
// there is none.
QAction* FindAction(const QWidget& window, const QString& name);

// Runs answer on the next modal dialog or menu once it shows.
void WhenShown(std::function<void(QWidget&)> answer);
