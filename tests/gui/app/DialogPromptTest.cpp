#include "app/DialogPrompt.h"
#include "app/FrenchTranslations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

using Answer = IUserPrompt::Answer;
using Buttons = IUserPrompt::Buttons;
using Icon = IUserPrompt::Icon;

// Once the next message box shows, hands it to act, as the user would
// find it on the screen.
void WhenABoxShows(const std::function<void(QMessageBox&)>& act)
{
    auto* poll = new QTimer(QCoreApplication::instance());
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        act(*box);
    });
    poll->start();
}

QString Label(const QAbstractButton& button)
{
    return button.text().remove(QLatin1Char('&'));
}

QAbstractButton* ButtonLabelled(const QMessageBox& box, const QString& label)
{
    const QList<QAbstractButton*> buttons = box.buttons();
    const auto found = std::find_if(buttons.begin(), buttons.end(),
                                    [&](const QAbstractButton* b) { return Label(*b) == label; });
    return found == buttons.end() ? nullptr : *found;
}

} // namespace

// The program's own prompt, with real Qt message boxes: the answer is the
// button the user chose, and Escape is the way out the box offers.
class DialogPromptTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { InstallFrenchTranslations(*QCoreApplication::instance()); }

    void answersWhatTheUserChose_data()
    {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<Icon>("icon");
        QTest::addColumn<QString>("gesture"); // "Escape", or the label of the button clicked
        QTest::addColumn<Answer>("expected");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<int>("shownIcon");
        const QStringList yesNoCancel = {"Annuler", "Non", "Oui"};
        const QStringList yesNo = {"Non", "Oui"};
        QTest::newRow("save question, Escape")
            << Buttons::YesNoCancel << Icon::Warning << "Escape" << Answer::Cancel << yesNoCancel
            << int(QMessageBox::Warning);
        QTest::newRow("save question, Annuler")
            << Buttons::YesNoCancel << Icon::Warning << "Annuler" << Answer::Cancel << yesNoCancel
            << int(QMessageBox::Warning);
        QTest::newRow("save question, Non")
            << Buttons::YesNoCancel << Icon::Warning << "Non" << Answer::No << yesNoCancel
            << int(QMessageBox::Warning);
        QTest::newRow("save question, Oui")
            << Buttons::YesNoCancel << Icon::Warning << "Oui" << Answer::Yes << yesNoCancel
            << int(QMessageBox::Warning);
        QTest::newRow("yes or no, Escape") << Buttons::YesNo << Icon::Question << "Escape"
                                           << Answer::No << yesNo << int(QMessageBox::Question);
        QTest::newRow("yes or no, Non") << Buttons::YesNo << Icon::Question << "Non" << Answer::No
                                        << yesNo << int(QMessageBox::Question);
        QTest::newRow("yes or no, Oui") << Buttons::YesNo << Icon::Question << "Oui" << Answer::Yes
                                        << yesNo << int(QMessageBox::Question);
        QTest::newRow("message, Escape") << Buttons::Ok << Icon::Error << "Escape" << Answer::Ok
                                         << QStringList{"OK"} << int(QMessageBox::Critical);
    }

    void answersWhatTheUserChose()
    {
        QFETCH(Buttons, buttons);
        QFETCH(Icon, icon);
        QFETCH(QString, gesture);
        QFETCH(Answer, expected);
        QFETCH(QStringList, labels);
        QFETCH(int, shownIcon);
        QString caption;
        QString text;
        int boxIcon = -1;
        QStringList shown;
        bool stayedOpen = false;
        WhenABoxShows([&](QMessageBox& box) {
            caption = box.windowTitle();
            text = box.text();
            boxIcon = box.icon();
            for (const QAbstractButton* button : box.buttons())
                shown << Label(*button);
            if (gesture == QLatin1String("Escape")) {
                QTest::keyClick(&box, Qt::Key_Escape);
            } else if (QAbstractButton* button = ButtonLabelled(box, gesture)) {
                QTest::mouseClick(button, Qt::LeftButton);
            }
            // A gesture that leaves the box open fails the test, not hangs it.
            stayedOpen = box.isVisible();
            if (stayedOpen)
                box.done(QMessageBox::NoButton);
        });
        CDialogPrompt prompt;
        const Answer answer =
            prompt.MessageBox(QStringLiteral("Enregistrer les modifications ?"), buttons, icon);
        QVERIFY(!stayedOpen);
        QCOMPARE(answer, expected);
        QCOMPARE(caption, QStringLiteral("Quire"));
        QCOMPARE(text, QStringLiteral("Enregistrer les modifications ?"));
        QCOMPARE(boxIcon, shownIcon);
        shown.sort();
        QCOMPARE(shown, labels);
    }

    // A box shown in the middle of a long command has the usual pointer;
    // the wait cursor is back once it closes.
    void aBoxShowsThePointerOverTheWaitCursor()
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        Qt::CursorShape whileShown = Qt::WaitCursor;
        WhenABoxShows([&](QMessageBox& box) {
            whileShown = QApplication::overrideCursor()->shape();
            box.done(QMessageBox::Ok);
        });
        CDialogPrompt prompt;
        prompt.MessageBox(QStringLiteral("Rien"), Buttons::Ok, Icon::Information);
        QCOMPARE(whileShown, Qt::ArrowCursor);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QApplication::restoreOverrideCursor();
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(DialogPromptTest)
#include "DialogPromptTest.moc"
