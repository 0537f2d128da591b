#pragma once

#include <QFont>
#include <QObject>

class CGridTableView;

// The grid's text size, from half to three times the normal size in steps:
// cells, row numbers, column names and the cell editor grow and shrink
// together, and the rows with them. Ctrl with the mouse wheel steps too.
// The size is kept in the settings and comes back at the next start.
// Printing keeps the normal size: it takes NormalFont, never the grid's.
class CGridZoom : public QObject
{
    Q_OBJECT

public:
    explicit CGridZoom(CGridTableView& table, QObject* parent = nullptr);

    // Takes the size the settings hold, as another run may have left it.
    void Read();
    int Percent() const { return m_percent; }
    // A step at either end leaves the size as it is.
    void ZoomIn();
    void ZoomOut();
    void ResetZoom();
    // The grid's font at the normal size.
    const QFont& NormalFont() const { return m_normalFont; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Step(int steps);
    void SetPercent(int percent);
    void Apply();

    CGridTableView& m_table;
    const QObject* m_viewport;
    const QFont m_normalFont;
    int m_percent = 100;
    // What the wheel has turned towards the next step: a fine wheel or a
    // touchpad turns less than a notch at a time.
    int m_wheelTurned = 0;
};
