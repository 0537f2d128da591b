#pragma once

#include "io/TextEncoding.h"

#include <QString>

#include <cstdint>
#include <vector>

// Where lines start in a file's bytes, counted as the imports read foreign
// text (LF, CR LF and a lone CR each end a line), and which line ends the
// file uses. A document finds its records' bytes with it: a reader tells
// the line a record starts on, this tells the byte.
class CLineStarts
{
public:
    // Counts of each kind of line end met.
    struct LineEnds
    {
        std::uint64_t crLf = 0;
        std::uint64_t lf = 0;
        std::uint64_t cr = 0;
    };

    // Reads path from textStart in encoding (1-byte or UTF-16 units) and
    // replaces each of lines, in increasing order, by the byte offset its
    // line starts at; a line past the last gives the file's size. False
    // when the file could not be read.
    bool Find(const QString& path, qint64 textStart, TextEncoding encoding,
              std::vector<std::uint64_t>& lines);

    const LineEnds& Ends() const { return m_ends; }
    // Whether the file's last line ends with a line end (true for a file
    // without text).
    bool EndsWithLineEnd() const { return m_finalLineEnd; }
    qint64 Size() const { return m_size; }

private:
    LineEnds m_ends;
    bool m_finalLineEnd = true;
    qint64 m_size = 0;
};
