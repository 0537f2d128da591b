#include "ModalRun.h"

#include "dialogs/FindDlg.h"
#include "dialogs/ReplaceDlg.h"

#include <QLabel>
#include <QPushButton>

namespace {

QStringList Texts(const QDialog& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            texts << label->text();
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        texts << button->text();
    texts.sort();
    return texts;
}

// The text of the confirming button, when it is the enabled default one.
QString DefaultButton(const QDialog& dialog)
{
    const auto* button = Child<QPushButton>(dialog, "confirmButton");
    return button && button->isDefault() && button->isEnabled() ? button->text() : QString();
}

} // namespace

// The Find and Replace dialogs that the main window keeps for its whole
// run: their words, their first options, and their memory of the last
// confirmed values, driven with the keys a user would press.
class SearchDlgTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showTheirWords()
    {
        const CFindDlg find;
        QCOMPARE(find.windowTitle(), QStringLiteral("Rechercher"));
        QCOMPARE(Texts(find),
                 (QStringList{"Annuler", "Expression régulière", "Mot entier seulement",
                              "Rechercher", "Rechercher :", "Respecter la casse"}));
        QCOMPARE(DefaultButton(find), QStringLiteral("Rechercher"));

        const CReplaceDlg replace;
        QCOMPARE(replace.windowTitle(), QStringLiteral("Remplacer"));
        QCOMPARE(Texts(replace),
                 (QStringList{"Annuler", "Expression régulière", "Mot entier seulement",
                              "Rechercher :", "Remplacer par :", "Remplacer tout",
                              "Respecter la casse"}));
        QCOMPARE(DefaultButton(replace), QStringLiteral("Remplacer tout"));
    }

    // Find starts with match case off, Replace with it on, and both confirm
    // an empty search: the dialogs have no rules of their own about it.
    void startWithTheirOwnOptions()
    {
        CFindDlg find;
        Opening opening;
        bool matchCase = true;
        bool wholeWord = true;
        int result = RunModal(find, "findEdit", opening, [&] {
            matchCase = Ticked(find, "matchCase");
            wholeWord = Ticked(find, "wholeWord");
            Press(find, "findEdit", Qt::Key_Return);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(!matchCase);
        QVERIFY(!wholeWord);
        QCOMPARE(find.m_strFind, QString());
        QCOMPARE(find.m_bMatchCase, 0);
        QCOMPARE(find.m_bWholeWord, 0);

        CReplaceDlg replace;
        QString replacement = QStringLiteral("not loaded");
        result = RunModal(replace, "findEdit", opening, [&] {
            matchCase = Ticked(replace, "matchCase");
            wholeWord = Ticked(replace, "wholeWord");
            replacement = Child<QLineEdit>(replace, "replaceEdit")->text();
            Press(replace, "findEdit", Qt::Key_Return);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(matchCase);
        QVERIFY(!wholeWord);
        QCOMPARE(replacement, QString());
        QCOMPARE(replace.m_strFind, QString());
        QCOMPARE(replace.m_strReplace, QString());
        QCOMPARE(replace.m_bMatchCase, 1);
        QCOMPARE(replace.m_bWholeWord, 0);
    }

    void findRemembersTheLastConfirmedSearch()
    {
        CFindDlg find;
        Opening opening;
        int result = RunModal(find, "findEdit", opening, [&] {
            TypeInto(find, "findEdit", QStringLiteral("chat"));
            Toggle(find, "wholeWord");
            Press(find, "findEdit", Qt::Key_Return);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(find.m_strFind, QStringLiteral("chat"));
        QCOMPARE(find.m_bMatchCase, 0);
        QCOMPARE(find.m_bWholeWord, 1);

        // Typing over the selected search and ticking, then cancelling,
        // changes nothing, not even what the next showing starts from.
        bool wholeWord = false;
        result = RunModal(find, "findEdit", opening, [&] {
            wholeWord = Ticked(find, "wholeWord");
            TypeInto(find, "findEdit", QStringLiteral("chien"));
            Toggle(find, "matchCase");
            Press(find, "findEdit", Qt::Key_Escape);
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(opening.text, QStringLiteral("chat"));
        QCOMPARE(opening.selected, QStringLiteral("chat"));
        QVERIFY(opening.focused);
        QVERIFY(wholeWord);
        QCOMPARE(find.m_strFind, QStringLiteral("chat"));
        QCOMPARE(find.m_bMatchCase, 0);
        QCOMPARE(find.m_bWholeWord, 1);

        bool matchCase = true;
        result = RunModal(find, "findEdit", opening, [&] {
            matchCase = Ticked(find, "matchCase");
            Child<QPushButton>(find, "cancelButton")->click();
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(opening.text, QStringLiteral("chat"));
        QCOMPARE(opening.selected, QStringLiteral("chat"));
        QVERIFY(!matchCase);
    }

    void replaceRemembersTheLastConfirmedValues()
    {
        CReplaceDlg replace;
        Opening opening;
        int result = RunModal(replace, "findEdit", opening, [&] {
            TypeInto(replace, "findEdit", QStringLiteral("chat"));
            Press(replace, "findEdit", Qt::Key_Tab);
            TypeInto(replace, "replaceEdit", QStringLiteral("chien"));
            Toggle(replace, "matchCase");
            Toggle(replace, "wholeWord");
            Press(replace, "replaceEdit", Qt::Key_Return);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(replace.m_strFind, QStringLiteral("chat"));
        QCOMPARE(replace.m_strReplace, QStringLiteral("chien"));
        QCOMPARE(replace.m_bMatchCase, 0);
        QCOMPARE(replace.m_bWholeWord, 1);

        QString replacement;
        bool matchCase = true;
        result = RunModal(replace, "findEdit", opening, [&] {
            replacement = Child<QLineEdit>(replace, "replaceEdit")->text();
            matchCase = Ticked(replace, "matchCase");
            TypeInto(replace, "findEdit", QStringLiteral("loup"));
            Press(replace, "findEdit", Qt::Key_Tab);
            TypeInto(replace, "replaceEdit", QStringLiteral("renard"));
            Toggle(replace, "matchCase");
            Press(replace, "replaceEdit", Qt::Key_Escape);
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(opening.text, QStringLiteral("chat"));
        QCOMPARE(opening.selected, QStringLiteral("chat"));
        QVERIFY(opening.focused);
        QCOMPARE(replacement, QStringLiteral("chien"));
        QVERIFY(!matchCase);
        QCOMPARE(replace.m_strFind, QStringLiteral("chat"));
        QCOMPARE(replace.m_strReplace, QStringLiteral("chien"));
        QCOMPARE(replace.m_bMatchCase, 0);
        QCOMPARE(replace.m_bWholeWord, 1);

        result = RunModal(replace, "findEdit", opening, [&] {
            replacement = Child<QLineEdit>(replace, "replaceEdit")->text();
            Press(replace, "findEdit", Qt::Key_Escape);
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(opening.text, QStringLiteral("chat"));
        QCOMPARE(replacement, QStringLiteral("chien"));
    }

    void keepLongTextsWhole()
    {
        const QString longText = QStringLiteral("abcdefghij").repeated(30);
        CFindDlg find;
        Opening opening;
        int result = RunModal(find, "findEdit", opening, [&] {
            TypeInto(find, "findEdit", longText);
            Press(find, "findEdit", Qt::Key_Return);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(find.m_strFind, longText);

        CReplaceDlg replace;
        replace.m_strFind = longText;
        result = RunModal(replace, "findEdit", opening, [&] {
            Press(replace, "findEdit", Qt::Key_Tab);
            TypeInto(replace, "replaceEdit", longText);
            Press(replace, "replaceEdit", Qt::Key_Return);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(opening.selected, longText);
        QCOMPARE(replace.m_strFind, longText);
        QCOMPARE(replace.m_strReplace, longText);
    }
};

QTEST_MAIN(SearchDlgTest)
#include "SearchDlgTest.moc"
