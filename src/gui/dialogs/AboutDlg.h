#pragma once

#include <QDialog>

class QLabel;

// "A propos de Quire...": the program's icon, name and version.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    CAboutDlg(float version, QWidget* parent = nullptr);

    QString VersionText() const;

private:
    QLabel* m_pVersion = nullptr;
};
