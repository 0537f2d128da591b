#pragma once

#include <QFont>
#include <QString>

#include <memory>

class CGridListCtrl;
class CGridPrinter;
class IProgress;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

// Printing the list: the printer chosen and set up during the run, the
// print and preview dialogs, and PDF files, all through one layout.
class CPrintJob
{
public:
    // parent: the window the dialogs belong to; screenFont: the grid's;
    // progress: the status bar, which follows a print page by page.
    CPrintJob(CGridPrinter& engine, QWidget* parent, const QFont& screenFont, IProgress& progress);
    ~CPrintJob();
    CPrintJob(const CPrintJob&) = delete;
    CPrintJob& operator=(const CPrintJob&) = delete;

    // "Imprimer...": the print dialog, then the pages it asks for.
    void Print();
    // "Aperçu avant impression": every page in Qt's preview window.
    void Preview();
    // "Configuration de l'impression...": paper, orientation and margins.
    void PageSetup();

    // Prints the pages first to last (1-based; 0 and 0 for every page) on
    // a device that is ready to paint on.
    static void PrintOn(CGridPrinter& engine, QPagedPaintDevice& device, const QFont& screenFont,
                        int first = 0, int last = 0, IProgress* progress = nullptr);
    // Writes every page into a PDF file, whole or not at all; false with
    // the reason when it cannot.
    static bool WritePdf(CGridPrinter& engine, const QString& path, const QFont& screenFont,
                         QString& error);

    // The batch conversion's PDF of a list, with the application's font
    // standing for the grid's.
    static bool WriteListPdf(const CGridListCtrl& grid, const QString& title, const QString& path,
                             QString& error);

    QPrinter& Printer() { return *m_pPrinter; }
    // The font the page layout is measured against.
    const QFont& ScreenFont() const { return m_screenFont; }

private:
    CGridPrinter& m_engine;
    QWidget* m_pParent;
    QFont m_screenFont;
    IProgress& m_progress;
    std::unique_ptr<QPrinter> m_pPrinter;
};
