#pragma once

class CTablewrightDoc;

// The options of the "Options" menu, kept in the settings: whether one
// click on a cell opens its editor, whether the list scrolls to its last
// row when it is read, and whether Enter in the editor goes on to the cell
// below.
class CViewOptions
{
public:
    explicit CViewOptions(CTablewrightDoc& doc);

    // Reads them from the settings, as another run may have left them.
    void Read();
    bool SingleClickEntry() const { return m_bSingleClickEntry != 0; }
    bool GoToLastItem() const { return m_bGoToLastItem != 0; }
    bool EnterMovesDown() const { return m_bEnterMovesDown != 0; }
    void OnOptionSingleClickEntry();
    void OnOptionGoToLastItem();
    void OnOptionEnterMovesDown();

private:
    CTablewrightDoc& m_doc;
    int m_bSingleClickEntry = 0;
    int m_bGoToLastItem = 0;
    int m_bEnterMovesDown = 0;
};
