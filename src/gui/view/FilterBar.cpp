#include "view/FilterBar.h"

#include "resources/StringTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace {

QString Text(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

CFilterBar::CFilterBar(QWidget* parent)
    : QWidget(parent), m_pText(new QLineEdit(this)), m_pColumn(new QComboBox(this)),
      m_pMatchCase(new QCheckBox(Text(Strings::kMatchCase), this)),
      m_pWholeCell(new QCheckBox(Text(Strings::kWholeWord), this)),
      m_pRegex(new QCheckBox(Text(Strings::kRegularExpression), this)), m_pProblem(new QLabel(this))
{
    setObjectName(QStringLiteral("filterBar"));
    m_pText->setObjectName(QStringLiteral("filterEdit"));
    m_pText->setClearButtonEnabled(true);
    m_pColumn->setObjectName(QStringLiteral("filterColumn"));
    m_pColumn->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_pColumn->addItem(Text(Strings::kFilterAllColumns));
    m_pRegex->setObjectName(QStringLiteral("filterRegex"));
    m_pProblem->setObjectName(QStringLiteral("filterProblem"));
    m_pProblem->hide();
    auto* label = new QLabel(Text(Strings::kFilterLabel), this);
    label->setBuddy(m_pText);
    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("filterClose"));
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setToolTip(Text(Strings::kFilterClose));
    close->setAutoRaise(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 2, 2);
    layout->addWidget(label);
    layout->addWidget(m_pText, 1);
    layout->addWidget(m_pColumn);
    layout->addWidget(m_pMatchCase);
    layout->addWidget(m_pWholeCell);
    layout->addWidget(m_pRegex);
    layout->addWidget(m_pProblem);
    layout->addWidget(close);

    connect(m_pText, &QLineEdit::textChanged, this, &CFilterBar::filterEdited);
    connect(m_pColumn, &QComboBox::currentIndexChanged, this, &CFilterBar::filterEdited);
    connect(m_pMatchCase, &QCheckBox::toggled, this, &CFilterBar::filterEdited);
    connect(m_pWholeCell, &QCheckBox::toggled, this, &CFilterBar::filterEdited);
    connect(m_pRegex, &QCheckBox::toggled, this, &CFilterBar::filterEdited);
    connect(close, &QToolButton::clicked, this, &CFilterBar::closeRequested);
    for (QWidget* part : {static_cast<QWidget*>(m_pText), static_cast<QWidget*>(m_pColumn),
                          static_cast<QWidget*>(m_pMatchCase), static_cast<QWidget*>(m_pWholeCell),
                          static_cast<QWidget*>(m_pRegex)})
        part->installEventFilter(this);
}

RowFilter CFilterBar::Filter() const
{
    return {m_pText->text().toStdString(), m_pColumn->currentIndex() - 1, m_pMatchCase->isChecked(),
            m_pWholeCell->isChecked(), m_pRegex->isChecked()};
}

void CFilterBar::SetFilter(const RowFilter& filter)
{
    const QSignalBlocker text(m_pText);
    const QSignalBlocker column(m_pColumn);
    const QSignalBlocker matchCase(m_pMatchCase);
    const QSignalBlocker wholeCell(m_pWholeCell);
    const QSignalBlocker regex(m_pRegex);
    m_pText->setText(QString::fromStdString(filter.text));
    m_pColumn->setCurrentIndex(std::clamp(filter.column + 1, 0, m_pColumn->count() - 1));
    m_pMatchCase->setChecked(filter.matchCase);
    m_pWholeCell->setChecked(filter.wholeCell);
    m_pRegex->setChecked(filter.regex);
    ShowProblem({});
}

void CFilterBar::ShowProblem(const QString& problem)
{
    m_pProblem->setText(problem);
    m_pProblem->setVisible(!problem.isEmpty());
}

void CFilterBar::SetColumns(const QStringList& names)
{
    const QSignalBlocker blocker(m_pColumn);
    const int chosen = m_pColumn->currentIndex();
    m_pColumn->clear();
    m_pColumn->addItem(Text(Strings::kFilterAllColumns));
    m_pColumn->addItems(names);
    m_pColumn->setCurrentIndex(chosen < m_pColumn->count() ? chosen : 0);
}

void CFilterBar::Open()
{
    show();
    m_pText->setFocus(Qt::ShortcutFocusReason);
    m_pText->selectAll();
}

// Escape closes the bar from any of its parts; Enter and Down leave the
// text for the grid.
bool CFilterBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Escape:
        Q_EMIT closeRequested();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        if (watched != m_pText)
            break;
        Q_EMIT leaveRequested();
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
