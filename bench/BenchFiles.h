#pragma once

#include <QString>

#include <stdexcept>
#include <string>

// Where the files of one list size live: the generated inputs are
// DIR/list_N.EXT, lists of other shapes DIR/SHAPE_N.EXT, what an operation
// writes is DIR/out_N.EXT.
struct BenchFiles
{
    QString dir;
    int rows = 0;

    QString Input(const char* extension) const { return Named("list", extension); }
    QString Output(const char* extension) const { return Named("out", extension); }
    QString Named(const char* stem, const char* extension) const;
};

// A benchmark step that did not do its work; the run stops with its text.
class BenchError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

inline void Require(bool ok, const std::string& what)
{
    if (!ok)
        throw BenchError(what);
}
