#pragma once

#include "exchange/CsvLineMarks.h"
#include "exchange/CsvRecord.h"
#include "io/ByteScan.h"

#include <cstdint>
#include <string>
#include <string_view>

class CTextSource;

// Reads CSV text one record at a time and splits each record into fields.
// Mode 1 splits each line at every separator; mode 2 keeps only the text
// between pairs of quotes; mode 3 (the one the program uses) reads RFC 4180
// fields: a quoted field may hold separators, line breaks and doubled quotes,
// and one whose quote is never closed is read as plain text.
class CCsvParser
{
public:
    enum Mode
    {
        CSV_PLAIN = 1,
        CSV_QUOTED_ONLY = 2,
        CSV_UNQUOTE = 3
    };

    void SetQuote(char quote, int mode);
    void SetSeparator(char separator);
    void SetLineEnd(char lineEnd);
    // The number of lines before the first record, which Open skips.
    void SetLinesBefore(int count) { m_nLinesBefore = count; }

    // Attaches the stream, rewinds it and skips the lines before the first
    // record.
    bool Open(CTextSource* stream);
    // Replaces record with the next record.
    void ReadRecord(CsvRecord& record);
    bool HasMore() const { return m_bMore; }
    // Whether a quote went unclosed to the end of the text: the records
    // after it are read otherwise, so a parser started later in the text
    // would not read them the same.
    bool UnclosedSeen() const { return m_bUnclosedSeen; }
    // The lines of the stream taken by the records read so far, the lines
    // skipped before the first one included: the line the next record
    // starts on.
    std::uint64_t LinesRead() const { return m_nLinesRead; }
    // Off: every record is read field by field, as the lines the whole-line
    // split leaves are (tests compare the two ways).
    void SetWholeLineSplit(bool on) { m_bWholeLine = on; }

private:
    enum class Quoted
    {
        Closed,
        Unclosed
    };
    bool ReadLine(std::string_view& line);
    void SkipLines(int count);
    void SplitPlain(std::string_view line);
    void SplitQuotedOnly(std::string_view line);
    void SplitRfc(std::string_view line);
    void SplitFields(std::string_view line);
    bool WholeLinesApply() const;
    bool SplitWholeLine(std::string_view line);
    bool ReadMarkedLine();
    bool SplitMarked(std::string_view line);
    bool SplitAtFieldEnds(std::string_view line, char* out);
    bool SplitAtQuotes(std::string_view line, char* out);
    bool CopyQuoted(std::string_view line, std::size_t& at, char* out, std::size_t& written) const;
    bool IsCleanLine(std::string_view line) const;
    Quoted ReadQuoted(std::string_view& line, std::size_t& i);
    Quoted ReadQuotedRun(std::string_view line, std::size_t& i);
    Quoted GiveBackSavedLines(std::string_view& line, std::size_t& i, std::size_t open,
                              std::size_t firstLineSize, std::uint64_t linesAhead);

    char m_chQuote = 0;
    char m_chEscape = '\\';
    char m_chSeparator = ',';
    char m_chLineEnd = '\n';
    int m_nLinesBefore = 0;
    CTextSource* m_pStream = nullptr;
    int m_nMode = CSV_PLAIN;
    bool m_bMore = false;
    std::uint64_t m_nLinesRead = 0;
    CsvRecord* m_record = nullptr;
    // A field's end, looked for sixteen bytes at a time; set by Open.
    CByteScan m_fieldEnds{std::string_view(",\n")};
    // Lines read ahead for a quoted field, the opening one first.
    std::string m_saved;
    // After an unclosed quote: its line, and the lines after it to be read
    // again.
    std::string m_openingLine;
    std::string m_replay;
    std::size_t m_replayPos = 0;
    bool m_bUnclosedSeen = false;
    bool m_bWholeLine = true;
    CsvLineMarks m_marks;
};
