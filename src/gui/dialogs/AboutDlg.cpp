#include "dialogs/AboutDlg.h"

#include "document/Version.h"
#include "resources/StringTable.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>

CAboutDlg::CAboutDlg(float version, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromUtf8(Strings::kAboutCaption));
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/quire.svg")).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    auto* name = new QLabel(QString::fromUtf8(Strings::kAppName), this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    name->setFont(bold);
    m_pVersion = new QLabel(this);
    m_pVersion->setObjectName(QStringLiteral("versionText"));
    m_pVersion->setText(QString::fromUtf8(Strings::kVersion) + QLatin1Char(' ') +
                        QString::fromStdString(FormatVersion(version)));
    auto* description = new QLabel(QString::fromUtf8(Strings::kAboutDescription), this);
    auto* copyright = new QLabel(QString::fromUtf8(Strings::kAboutCopyright), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 4, 1);
    layout->addWidget(name, 0, 1);
    layout->addWidget(m_pVersion, 1, 1);
    layout->addWidget(description, 2, 1);
    layout->addWidget(copyright, 3, 1);
    layout->addWidget(buttons, 4, 0, 1, 2);
    layout->setHorizontalSpacing(16);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString CAboutDlg::VersionText() const
{
    return m_pVersion->text();
}
