#pragma once

#include "platform/UserPrompt.h"

#include <QPointer>
#include <QWidget>

// Asks the user with Qt's own dialogs, in French, captioned "Quire".
class CDialogPrompt : public IUserPrompt
{
public:
    // The window the dialogs belong to; they stand alone while it is null.
    void SetParentWindow(QWidget* window) { m_parent = window; }

    Answer MessageBox(const QString& text, Buttons buttons, Icon icon) override;
    Answer Ask(Question question, const QString& text) override;
    QString GetOpenFileName(const QString& filter, const QString& startFolder) override;
    QString GetSaveFileName(const QString& filter, const QString& defaultSuffix,
                            const QString& proposedPath) override;
    bool ChooseCsvOptions(CsvDialect& dialect) override;

private:
    QPointer<QWidget> m_parent;
};
