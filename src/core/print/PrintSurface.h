#pragma once

#include <QRect>
#include <QSize>
#include <QString>

// A font the print layout asks for: a face, a size in points and a weight;
// the surface makes it at the printer's resolution.
struct PrintFont
{
    QString face;
    int points = 0;
    int weight = 400; // 400 regular, 700 bold
    bool italic = false;
    friend bool operator==(const PrintFont&, const PrintFont&) = default;
};

// Where the print layout draws: a printer, a preview or a PDF file, in the
// device's own pixels. The program draws with Qt's painter; the tests
// record what would be drawn.
class IPrintSurface
{
public:
    enum class Align
    {
        Left,
        Right
    };

    virtual ~IPrintSurface() = default;

    // The printable area in device pixels; its top-left corner is (0, 0).
    virtual QSize PageSize() const = 0;
    // The size of text set in font on this device.
    virtual QSize TextExtent(const PrintFont& font, const QString& text) const = 0;
    // The average character width of the screen font the grid is shown in,
    // in screen pixels: column widths are screen pixels.
    virtual int ScreenAverageCharWidth() const = 0;

    virtual void FillBlack(const QRect& rect) = 0;
    // Draws text from the top of rect, on its left or right, clipped to it.
    virtual void DrawText(const QRect& rect, const QString& text, const PrintFont& font,
                          Align align) = 0;
    // Ends the page drawn so far and starts the next one.
    virtual bool NewPage() = 0;
};
