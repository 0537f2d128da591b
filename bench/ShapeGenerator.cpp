#include "ShapeGenerator.h"

#include "BenchFiles.h"

#include <QFile>

#include <algorithm>
#include <string>

namespace ShapeGenerator {

namespace {

void Write(const QString& path, const std::string& bytes)
{
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly) &&
                file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                    static_cast<qint64>(bytes.size()),
            "cannot write " + path.toStdString());
}

std::string Cell(int row, int column)
{
    return "r" + std::to_string(row) + "c" + std::to_string(column);
}

// A record of count quoted fields, each followed by a TAB.
std::string ListRecord(char type, int count, int row)
{
    std::string line(1, type);
    line.push_back('\t');
    for (int column = 0; column < count; ++column)
        line += '"' + Cell(row, column) + "\"\t";
    return line + "\r\n";
}

std::string WideText(int columns)
{
    std::string text;
    for (int row = -1; row < kWideRows; ++row) {
        for (int column = 0; column < columns; ++column)
            text += (column ? "\t" : "") + Cell(row, column);
        text += "\r\n";
    }
    return text;
}

std::string WideList(int columns)
{
    std::string list = "V\t1.6\r\n" + ListRecord('H', columns, -1);
    for (int row = 0; row < kWideRows; ++row)
        list += ListRecord('R', columns, row);
    return list;
}

std::string LateHeaderList(int rows)
{
    std::string list = "V\t1.6\r\n" + ListRecord('H', 10, -1);
    for (int row = 0; row < rows; ++row)
        list += ListRecord('R', 10, row);
    return list + ListRecord('H', kLateColumns, -2);
}

std::string StrayQuotes(int rows)
{
    std::string csv;
    for (int row = 0; row < rows; ++row) {
        csv += '"';
        for (int column = 0; column < 10; ++column)
            csv += (column ? "," : "") + Cell(row, column);
        csv += "\r\n";
    }
    return csv;
}

} // namespace

int WideColumns(int rows)
{
    return std::max(1, rows / kWideRows * 10);
}

void WriteFiles(const BenchFiles& files)
{
    Write(files.Named("wide", "txt"), WideText(WideColumns(files.rows)));
    Write(files.Named("wide", "tbw"), WideList(WideColumns(files.rows)));
    Write(files.Named("late", "tbw"), LateHeaderList(files.rows));
    Write(files.Named("stray", "csv"), StrayQuotes(files.rows));
}

void WriteRepeatedList(const QString& in, const QString& out, int rows)
{
    QFile source(in);
    Require(source.open(QIODevice::ReadOnly), (QStringLiteral("cannot read ") + in).toStdString());
    const QByteArray list = source.readAll();
    const qsizetype firstRow = list.indexOf("\nR\t") + 1;
    Require(firstRow > 0, (in + QStringLiteral(" holds no row")).toStdString());
    const QByteArrayView records(list.constData() + firstRow, list.size() - firstRow);
    const auto perCopy = static_cast<int>(records.count('\n'));
    QFile target(out);
    Require(target.open(QIODevice::WriteOnly) &&
                target.write(list.constData(), firstRow) == firstRow,
            (QStringLiteral("cannot write ") + out).toStdString());
    for (int written = 0; written < rows; written += perCopy)
        Require(target.write(records.data(), records.size()) == records.size(),
                (QStringLiteral("cannot write ") + out).toStdString());
}

} // namespace ShapeGenerator
