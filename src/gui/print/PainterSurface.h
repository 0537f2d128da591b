#pragma once

#include "print/PrintSurface.h"

#include <QFont>

class QPagedPaintDevice;
class QPainter;

// The print layout drawn with Qt's painter on a printer, a preview page or
// a PDF file. Fonts are asked for by face, and the system's font matching
// finds the nearest one installed ("Arial" and "Times New Roman" are
// matched by metric-compatible faces where they are missing).
class CPainterSurface : public IPrintSurface
{
public:
    // screenFont: the font the grid is shown in, whose character width
    // scales the columns.
    CPainterSurface(QPainter& painter, QPagedPaintDevice& device, const QFont& screenFont);

    QSize PageSize() const override;
    QSize TextExtent(const PrintFont& font, const QString& text) const override;
    int ScreenAverageCharWidth() const override;
    void FillBlack(const QRect& rect) override;
    void DrawText(const QRect& rect, const QString& text, const PrintFont& font,
                  Align align) override;
    bool NewPage() override;

private:
    QFont FontOf(const PrintFont& font) const;

    QPainter& m_painter;
    QPagedPaintDevice& m_device;
    QFont m_screenFont;
};
