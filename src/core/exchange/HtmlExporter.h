#pragma once

#include <QString>

#include <string>
#include <string_view>

class CGridListCtrl;
class IProgress;

// Writes the grid as an HTML page holding one table: a grey header row of
// bold names, then one row per grid row, each cell as wide as its column and
// web addresses made into links. Everything taken from the list is escaped.
class CHtmlExporter
{
public:
    explicit CHtmlExporter(IProgress& progress) : m_progress(progress) {}

    bool Write(const CGridListCtrl& grid, const QString& path, const QString& title,
               QString& error);

private:
    IProgress& m_progress;
};

// &, <, > and " as HTML entities.
std::string EscapeHtml(std::string_view text);

// True for a text that starts with "http" and holds a colon: a web address.
bool IsLink(std::string_view text);
