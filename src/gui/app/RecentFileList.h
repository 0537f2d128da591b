#pragma once

#include <QStringList>

// The files opened or saved last, most recent first, kept in the settings.
class CRecentFileList
{
public:
    explicit CRecentFileList(int size) : m_nSize(size) {}

    void ReadList();
    void WriteList() const;
    // Puts the file first; a file already listed moves up instead of
    // appearing twice.
    void Add(const QString& path);
    void Remove(int index);
    const QStringList& Paths() const { return m_paths; }

private:
    int m_nSize;
    QStringList m_paths;
};
