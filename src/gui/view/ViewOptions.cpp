#include "view/ViewOptions.h"

#include "app/Settings.h"
#include "document/TablewrightDoc.h"

CViewOptions::CViewOptions(CTablewrightDoc& doc) : m_doc(doc)
{
    Read();
}

void CViewOptions::Read()
{
    const Settings::Store settings;
    m_bSingleClickEntry = settings.ReadInt(Settings::kSingleClickEntry);
    m_bGoToLastItem = settings.ReadInt(Settings::kGoToLastItem);
    m_bEnterMovesDown = settings.ReadInt(Settings::kEnterMovesDown);
    m_doc.SetGoToLastItem(m_bGoToLastItem);
}

void CViewOptions::OnOptionSingleClickEntry()
{
    m_bSingleClickEntry = !m_bSingleClickEntry;
    Settings::Store().WriteInt(Settings::kSingleClickEntry, m_bSingleClickEntry);
}

void CViewOptions::OnOptionGoToLastItem()
{
    m_bGoToLastItem = !m_bGoToLastItem;
    m_doc.SetGoToLastItem(m_bGoToLastItem);
    Settings::Store().WriteInt(Settings::kGoToLastItem, m_bGoToLastItem);
}

void CViewOptions::OnOptionEnterMovesDown()
{
    m_bEnterMovesDown = !m_bEnterMovesDown;
    Settings::Store().WriteInt(Settings::kEnterMovesDown, m_bEnterMovesDown);
}
