#include "GuiTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QTimer>
#include <QWidget>

#include <stdexcept>

TempSettings::TempSettings()
{
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, m_dir.path());
}

void TempSettings::Store(const QString& key, const QVariant& value)
{
    QSettings(QStringLiteral("Tablewright"), QStringLiteral("Quire")).setValue(key, value);
}

QVariant TempSettings::Stored(const QString& key)
{
    return QSettings(QStringLiteral("Tablewright"), QStringLiteral("Quire")).value(key);
}

QAction* FindAction(const QWidget& window, const QString& name)
{
    auto* action = window.findChild<QAction*>(name);
    if (!action)
        throw std::runtime_error("no action " + name.toStdString());
    return action;
}

QString Shown(const CGridListCtrl& grid)
{
    return QString::fromStdString(Dump(grid));
}

void WhenShown(std::function<void(QWidget&)> answer)
{
    QTimer::singleShot(0, [answer = std::move(answer)] {
        QWidget* shown = QApplication::activeModalWidget();
        if (!shown)
            shown = QApplication::activePopupWidget();
        if (shown)
            answer(*shown);
    });
}
