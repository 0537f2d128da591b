#pragma once

class CCellEditing;
class CTablewrightDoc;

// Copy, cut and paste. For one cell the clipboard works on the stored text,
// and an open editor follows: copy and cut show the cell's stored text in
// it, paste replaces what it holds, so a later commit stores what it shows.
// A range travels as a block of cells, as spreadsheets exchange them, both
// as tab-separated text and as an HTML table.
class CViewClipboard
{
public:
    CViewClipboard(CTablewrightDoc& doc, CCellEditing& editing);

    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();

private:
    void ShowStoredTextInEditor();
    void CopyRange();

    CTablewrightDoc& m_doc;
    CCellEditing& m_editing;
};
