#include "app/RecentFileList.h"

#include "app/Settings.h"

#include <QFileInfo>

void CRecentFileList::ReadList()
{
    m_paths = Settings::Store().ReadRecentFiles(m_nSize);
}

void CRecentFileList::WriteList() const
{
    Settings::Store().WriteRecentFiles(m_paths);
}

void CRecentFileList::Add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_paths.removeAll(absolute);
    m_paths.prepend(absolute);
    while (m_paths.size() > m_nSize)
        m_paths.removeLast();
    WriteList();
}

void CRecentFileList::Remove(int index)
{
    if (index < 0 || index >= m_paths.size())
        return;
    m_paths.removeAt(index);
    WriteList();
}
