#pragma once

#include "print/PrintSurface.h"

#include <QString>

#include <memory>
#include <vector>

class CGridListCtrl;
class IProgress;

// A rectangle as the layout counts it: right and bottom lie just outside.
struct PrintRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    QRect ToQRect() const { return QRect(left, top, Width(), Height()); }
    friend bool operator==(const PrintRect&, const PrintRect&) = default;
};

// Lays the list out on printed pages: a title band (the program's name on
// the left, the list's title on the right, a black bar under them), the
// column headings and as many rows as the body holds, and a footer band (a
// black bar and "Page n of m" on the right). Column widths follow the
// screen's, scaled by the ratio of the cell font's average character width
// on the printer to the screen font's. Columns that do not fit the page's
// width are cut at its edge; there is no horizontal pagination.
//
// One job: Reset, BeginPrinting, PrintPage for each page, EndPrinting.
class CGridPrinter
{
public:
    CGridPrinter();
    virtual ~CGridPrinter();
    CGridPrinter(const CGridPrinter&) = delete;
    CGridPrinter& operator=(const CGridPrinter&) = delete;

    void SetGrid(const CGridListCtrl* grid) { m_pGrid = grid; }
    void SetAppName(const QString& name) { m_strAppName = name; }
    // The title as it was when the list was created or opened.
    void SetDocTitle(const QString& title) { m_strDocTitle = title; }

    void Reset();
    // Measures the fonts on the surface, lays out the page and takes the
    // list's counts and column order; returns the page count.
    int BeginPrinting(const IPrintSurface& dc);
    // page counts from 1.
    void PrintPage(IPrintSurface& dc, int page);
    void EndPrinting();
    // A whole job: every page from first to last (1-based, clamped to the
    // pages there are), each after the first on a new page of the surface,
    // reporting progress by page when given where.
    void PrintPages(IPrintSurface& dc, int first, int last, IProgress* progress = nullptr);

    // The pages a job prints: an empty list still prints one page, with
    // its bands and headings, as a printer or a PDF file cannot hold none.
    int PagesToPrint() const { return m_nPages > 0 ? m_nPages : 1; }

    // The layout, for display position k (0 is the leftmost column).
    PrintRect GetHeadingRect(int k) const;
    PrintRect GetCellRect(int row, int k) const;
    QString GetHeadingText(int k) const;

    QString m_strAppName;
    QString m_strDocTitle;
    const CGridListCtrl* m_pGrid = nullptr;
    double m_dScale = 0.0;
    PrintRect m_rcTitle;
    PrintRect m_rcFooter;
    PrintRect m_rcBody;
    PrintRect m_rcContent;
    PrintRect m_rcPage;
    std::unique_ptr<PrintFont> m_pTitleFont;
    std::unique_ptr<PrintFont> m_pFooterFont;
    std::unique_ptr<PrintFont> m_pHeadingFont;
    std::unique_ptr<PrintFont> m_pCellFont;
    int m_nTitleHeight = 0;
    int m_nFooterHeight = 0;
    int m_nCellCharWidth = 0;
    int m_nLineHeight = 0;
    int m_nMarginLeft = 0;
    int m_nMarginTop = 0;
    int m_nMarginRight = 0;
    int m_nMarginBottom = 0;
    int m_nTitleLines = 0;
    int m_nFooterLines = 0;
    int m_nColumns = 0;
    int m_nRowsPerPage = 0;
    int m_nPages = 0;
    int m_nRows = 0;
    // Entry k: the column shown at display position k, for every column.
    std::vector<int> m_anColumnOrder;

private:
    void PrintTitleBand(IPrintSurface& dc) const;
    void PrintTable(IPrintSurface& dc, int page) const;
    void PrintFooterBand(IPrintSurface& dc, int page) const;
    // Left and right edges of the text of display position k.
    int TextLeft(int k) const;
    int TextRight(int k) const;
    void LayOutColumns();

    // x(k): where display position k starts, for k up to m_nColumns.
    std::vector<int> m_anColumnX;
};
