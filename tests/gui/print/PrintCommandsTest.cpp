#include "app/MainFrame.h"
#include "app/TablewrightApp.h"
#include "document/TablewrightDoc.h"
#include "print/GridPrinter.h"
#include "print/PrintJob.h"
#include "view/TablewrightView.h"

#include "AppSession.h"
#include "GuiTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTest>

#include <memory>

// The print commands on the program's own list: the preview lays out the
// pages the engine counts, the title is the one the list was opened with,
// and a cancelled print dialog prints nothing.
class PrintCommandsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppSession> s;

    void Start(int rows)
    {
        std::string list = "V\t1.6\nH\t\"Nom\"\t\"Ville\"\t\n";
        for (int i = 0; i < rows; ++i)
            list += "R\t\"n" + std::to_string(i) + "\"\t\"v\"\t\n";
        QVERIFY(s->Start({s->files.Write("courses.tbw", list)}));
    }

private Q_SLOTS:
    void init() { s = std::make_unique<AppSession>(); }
    void cleanup() { s.reset(); }

    void previewShowsEveryPage()
    {
        Start(300);
        int shownPages = -1;
        QString title;
        WhenShown([&](QWidget& dialog) {
            title = dialog.windowTitle();
            if (auto* preview = dialog.findChild<QPrintPreviewWidget*>())
                shownPages = preview->pageCount();
            dialog.close();
        });
        QVERIFY(s->Action("ID_FILE_PRINT_PREVIEW").isEnabled());
        s->Action("ID_FILE_PRINT_PREVIEW").trigger();
        const CGridPrinter& printer = s->View().Printer();
        QCOMPARE(printer.m_nRows, 301); // with the row kept for typing
        QVERIFY(printer.m_nPages > 1);
        QCOMPARE(shownPages, printer.m_nPages);
        QVERIFY(!printer.m_pCellFont);
    }

    // The title printed is the one the list had when it was opened.
    void theTitleIsTheOpenedOne()
    {
        Start(2);
        QCOMPARE(s->View().Printer().m_strDocTitle, QStringLiteral("courses.tbw"));
        QCOMPARE(s->View().Printer().m_strAppName, QStringLiteral("Quire"));
        s->prompt.savePaths = {s->files.Path("autre.tbw")};
        s->Action("ID_FILE_SAVE_AS").trigger();
        QCOMPARE(s->Doc().GetTitle(), QStringLiteral("autre.tbw"));
        QCOMPARE(s->View().Printer().m_strDocTitle, QStringLiteral("courses.tbw"));
        s->Action("ID_FILE_NEW").trigger();
        QCOMPARE(s->View().Printer().m_strDocTitle, s->Doc().GetTitle());
    }

    void aCancelledPrintDialogPrintsNothing()
    {
        Start(2);
        const QString out = s->files.Path("imprime.pdf");
        s->View().PrintJob().Printer().setOutputFileName(out);
        bool shown = false;
        WhenShown([&](QWidget& dialog) {
            shown = true;
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        s->Action("ID_FILE_PRINT").trigger();
        QVERIFY(shown);
        QVERIFY(!QFile::exists(out));
        QCOMPARE(s->View().Printer().m_nPages, 0); // reset, never begun
    }
};

QTEST_MAIN(PrintCommandsTest)
#include "PrintCommandsTest.moc"
