#include "ModalRun.h"

#include "dialogs/EntryDlg.h"

#include <QPushButton>

// The Entry dialog as the column rename uses it: the caller's caption and
// text, one "OK", and Escape or the close box as the ways out.
class EntryDlgTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsUntitledWithOnlyOk()
    {
        CEntryDlg entry;
        QCOMPARE(entry.GetText(), QString());
        QStringList buttons;
        for (const QPushButton* button : entry.findChildren<QPushButton*>())
            buttons << button->text() + (button->isDefault() ? "*" : "");
        QCOMPARE(buttons, QStringList{"OK*"});

        // Confirming an empty text is the caller's business, not the dialog's.
        Opening opening;
        const int result = RunModal(entry, "entryEdit", opening,
                                    [&] { Child<QPushButton>(entry, "confirmButton")->click(); });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(opening.title, QStringLiteral("Entry"));
        QCOMPARE(entry.GetText(), QString());
    }

    void answersTheCaller_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("text");
        QTest::newRow("Escape") << "Escape" << int(QDialog::Rejected) << "Nom";
        QTest::newRow("close box") << "close box" << int(QDialog::Rejected) << "Nom";
        QTest::newRow("Enter") << "Enter" << int(QDialog::Accepted) << "Prix";
        QTest::newRow("OK") << "OK" << int(QDialog::Accepted) << "Prix";
    }

    // The whole of the caller's text is selected, so typing replaces it.
    void answersTheCaller()
    {
        QFETCH(QString, gesture);
        QFETCH(int, expected);
        QFETCH(QString, text);
        CEntryDlg entry;
        entry.SetCaption(QStringLiteral("Éditer le texte de colonne"));
        entry.SetText(QStringLiteral("Nom"));
        Opening opening;
        const int result = RunModal(entry, "entryEdit", opening, [&] {
            TypeInto(entry, "entryEdit", QStringLiteral("Prix"));
            if (gesture == QLatin1String("Escape"))
                Press(entry, "entryEdit", Qt::Key_Escape);
            else if (gesture == QLatin1String("close box"))
                entry.close();
            else if (gesture == QLatin1String("Enter"))
                Press(entry, "entryEdit", Qt::Key_Enter);
            else
                QTest::mouseClick(Child<QPushButton>(entry, "confirmButton"), Qt::LeftButton);
        });
        QCOMPARE(result, expected);
        QCOMPARE(opening.title, QStringLiteral("Éditer le texte de colonne"));
        QCOMPARE(opening.text, QStringLiteral("Nom"));
        QCOMPARE(opening.selected, QStringLiteral("Nom"));
        QVERIFY(opening.focused);
        QCOMPARE(entry.GetText(), text);
    }

    void keepsALongTextWhole()
    {
        const QString longText = QStringLiteral("abcdefghij").repeated(30);
        CEntryDlg entry;
        entry.SetText(longText);
        Opening opening;
        const int result = RunModal(entry, "entryEdit", opening, [&] {
            Press(entry, "entryEdit", Qt::Key_End);
            TypeInto(entry, "entryEdit", QStringLiteral("!"));
            Press(entry, "entryEdit", Qt::Key_Return);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(opening.text, longText);
        QCOMPARE(entry.GetText(), longText + QLatin1Char('!'));
    }
};

QTEST_MAIN(EntryDlgTest)
#include "EntryDlgTest.moc"
