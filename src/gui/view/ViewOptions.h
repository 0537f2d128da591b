#pragma once

class CTablewrightDoc;

// The two options of the "Options" menu, kept in the settings: whether one
// click on a cell opens its editor, and whether the list scrolls to its
// last row when it is read.
class CViewOptions
{
public:
    explicit CViewOptions(CTablewrightDoc& doc);

    // Reads both from the settings, as another run may have left them.
    void Read();
    bool SingleClickEntry() const { return m_bSingleClickEntry != 0; }
    bool GoToLastItem() const { return m_bGoToLastItem != 0; }
    void OnOptionSingleClickEntry();
    void OnOptionGoToLastItem();

private:
    CTablewrightDoc& m_doc;
    int m_bSingleClickEntry = 0;
    int m_bGoToLastItem = 0;
};
