#pragma once

#include "io/BatchWriter.h"
#include "io/TextEncoding.h"

#include <QString>

class CGridListCtrl;
class IProgress;

// Writes the grid as a list document: V, H, W, then one R record per row,
// each field followed by a TAB, each line ended by CR LF.
class CListWriter
{
public:
    explicit CListWriter(IProgress& progress) : m_progress(progress) {}

    // Replaces the file at path only when the whole list was written; on
    // failure error says why and the previous file is untouched.
    bool Write(const CGridListCtrl& grid, const QString& path, TextEncoding encoding,
               QString& error);

    // True when every name and cell can be written in Windows-1252.
    static bool FitsWindows1252(const CGridListCtrl& grid);

    // How the rows are cut for formatting on several threads; tests cut
    // short lists into many batches.
    void SetBatches(const CBatchWriter& batches) { m_batches = batches; }

private:
    IProgress& m_progress;
    CBatchWriter m_batches;
};
