#include "FuzzSupport.h"

#include "TestDoubles.h"

#include "document/DelimitedFile.h"
#include "document/ListReader.h"
#include "document/ListWriter.h"
#include "exchange/CsvImporter.h"
#include "exchange/TextImporter.h"
#include "grid/GridListCtrl.h"
#include "io/TextSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace Fuzz {

namespace {

// QUIRE_FUZZ_SCRATCH, when set, is the folder to hold the scratch folders,
// so that scripts/fuzz can remove those that processes stopped by a timeout
// or a sanitizer leave behind.
QString ScratchParent()
{
    const QString chosen = QString::fromLocal8Bit(qgetenv("QUIRE_FUZZ_SCRATCH"));
    if (!chosen.isEmpty())
        return chosen;
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    return memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
}

std::unique_ptr<QTemporaryDir>& Scratch()
{
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}

const QTemporaryDir& ScratchDir()
{
    std::unique_ptr<QTemporaryDir>& dir = Scratch();
    if (!dir) {
        dir =
            std::make_unique<QTemporaryDir>(ScratchParent() + QStringLiteral("/quire-fuzz-XXXXXX"));
        if (!dir->isValid())
            Fail("no scratch folder", dir->errorString().toStdString());
    }
    return *dir;
}

bool IsKnown(const std::string& fault)
{
    const QStringList known =
        QString::fromLocal8Bit(qgetenv("QUIRE_FUZZ_KNOWN")).split(u' ', Qt::SkipEmptyParts);
    return known.contains(QString::fromStdString(fault));
}

void OpenOrFail(CTextSource& source, const QString& path,
                CTextSource::Utf8Check check = CTextSource::Utf8Check::OnOpen)
{
    if (!source.Open(path, check))
        Fail("cannot open a scratch file", source.ErrorString().toStdString());
}

} // namespace

std::string_view Bytes(const std::uint8_t* data, std::size_t size)
{
    return size == 0 ? std::string_view()
                     : std::string_view(reinterpret_cast<const char*>(data), size);
}

QString ScratchPath(const QString& name)
{
    return ScratchDir().filePath(name);
}

QString WriteScratch(const QString& name, std::string_view bytes)
{
    const QString path = ScratchPath(name);
    QFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), size) != size)
        Fail("cannot write a scratch file", file.errorString().toStdString());
    return path;
}

std::string ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail("cannot read a scratch file", file.errorString().toStdString());
    return file.readAll().toStdString();
}

bool ReadList(const QString& path, CGridListCtrl& grid, int parts)
{
    CTextSource source;
    OpenOrFail(source, path, CTextSource::Utf8Check::ByReader);
    ScriptedPrompt prompt;
    RecordingProgress progress;
    CListReader reader(prompt, progress);
    reader.SetPartCount(parts);
    return reader.Read(source, grid);
}

bool ImportCsv(const QString& path, CGridListCtrl& grid, bool withHeader, int parts,
               CsvFound* found)
{
    CTextSource source;
    OpenOrFail(source, path);
    RecordingProgress progress;
    CCsvImporter importer(progress);
    importer.SetPartCount(parts);
    return importer.Read(source, grid, withHeader, 0, found);
}

bool ImportText(const QString& path, CGridListCtrl& grid)
{
    CTextSource source;
    OpenOrFail(source, path);
    RecordingProgress progress;
    return CTextImporter(progress).Read(source, grid);
}

void WriteList(const CGridListCtrl& grid, const QString& path, const CBatchWriter& batches)
{
    RecordingProgress progress;
    QString error;
    CListWriter writer(progress);
    writer.SetBatches(batches);
    if (!writer.Write(grid, path, TextEncoding::Utf8, error))
        Fail("cannot save the list", error.toStdString());
}

void CheckWrittenBack(std::string_view bytes, bool withHeader, char separator)
{
    const QString path = WriteScratch(QStringLiteral("document"), bytes);
    CTextSource source;
    OpenOrFail(source, path);
    RecordingProgress progress;
    CGridListCtrl grid;
    CDelimitedFile file;
    if (!file.Read(source, path, grid, withHeader, separator, progress))
        Fail("a document stopped before the end of the file");
    QString error;
    if (file.Write(grid, path, file.Dialect(), progress, error) !=
        CDelimitedFile::WriteResult::Written)
        Fail("a document could not be saved unchanged", error.toStdString());
    const std::string saved = ReadFile(path);
    if (saved != bytes)
        Fail("a document saved unchanged changed its bytes", Quoted(saved));
}

std::string Quoted(std::string_view bytes, std::size_t limit)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text = "\"";
    for (const char c : bytes.substr(0, limit)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            text.push_back(c);
        } else {
            text += "\\x";
            text.push_back(kHex[byte >> 4]);
            text.push_back(kHex[byte & 0xF]);
        }
    }
    text += bytes.size() > limit ? "\"..." : "\"";
    return text;
}

std::string FaultName(std::string_view what)
{
    std::string name;
    for (const char c : what) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            name.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        else if (!name.empty() && name.back() != '-')
            name.push_back('-');
    }
    while (!name.empty() && name.back() == '-')
        name.pop_back();
    return name;
}

void Fail(std::string_view what, std::string_view detail)
{
    const std::string name = FaultName(what);
    if (IsKnown(name))
        throw KnownFault();
    std::fprintf(stderr, "quire-fuzz: %.*s: %.*s\nquire-fuzz-fault: %s\n",
                 static_cast<int>(what.size()), what.data(), static_cast<int>(detail.size()),
                 detail.data(), name.c_str());
    std::fflush(stderr);
    // abort() skips the destructors that would remove the scratch folder.
    if (Scratch())
        Scratch()->remove();
    std::abort();
}

} // namespace Fuzz
