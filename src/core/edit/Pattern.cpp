#include "edit/Pattern.h"

#include "resources/StringTable.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <algorithm>
#include <cstdint>
#include <new>

namespace {

// A match that backtracks more often than this is taken for one that would
// never end. Ordinary patterns on cells of thousands of characters stay far
// below it.
constexpr std::uint32_t kMatchLimit = 1'000'000;
// Machine-code matching runs on a stack of its own, grown as needed.
constexpr PCRE2_SIZE kJitStackStart = 32 * 1024;
constexpr PCRE2_SIZE kJitStackMax = 1024 * 1024;

std::uint32_t CompileOptions(bool matchCase, bool wholeCell)
{
    // \C matches one byte, which could leave half a character in a cell.
    std::uint32_t options = PCRE2_UTF | PCRE2_UCP | PCRE2_NEVER_BACKSLASH_C;
    if (!matchCase)
        options |= PCRE2_CASELESS;
    if (wholeCell)
        options |= PCRE2_ANCHORED | PCRE2_ENDANCHORED;
    return options;
}

// An empty view may have no address, which PCRE2 does not take.
PCRE2_SPTR Bytes(std::string_view text)
{
    return reinterpret_cast<PCRE2_SPTR>(text.empty() ? "" : text.data());
}

// The compile errors a user makes most, told in words; the others by where
// they were found.
struct Reason
{
    int code;
    const char* text;
};
constexpr Reason kReasons[] = {
    {PCRE2_ERROR_MISSING_CLOSING_PARENTHESIS, Strings::kPatternOpenParenthesis},
    {PCRE2_ERROR_MISSING_COMMENT_CLOSING, Strings::kPatternOpenParenthesis},
    {PCRE2_ERROR_UNMATCHED_CLOSING_PARENTHESIS, Strings::kPatternStrayParenthesis},
    {PCRE2_ERROR_MISSING_SQUARE_BRACKET, Strings::kPatternOpenBracket},
    {PCRE2_ERROR_END_BACKSLASH, Strings::kPatternEndBackslash},
    {PCRE2_ERROR_UNKNOWN_ESCAPE, Strings::kPatternUnknownEscape},
    {PCRE2_ERROR_QUANTIFIER_INVALID, Strings::kPatternNothingToRepeat},
    {PCRE2_ERROR_QUANTIFIER_OUT_OF_ORDER, Strings::kPatternBracesOrder},
    {PCRE2_ERROR_QUANTIFIER_TOO_BIG, Strings::kPatternBracesTooBig},
    {PCRE2_ERROR_CLASS_RANGE_ORDER, Strings::kPatternRangeOrder},
    {PCRE2_ERROR_BAD_SUBPATTERN_REFERENCE, Strings::kPatternNoSuchGroup},
    {PCRE2_ERROR_LOOKBEHIND_NOT_FIXED_LENGTH, Strings::kPatternLookbehindLength},
};

bool IsContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The user counts characters from 1; PCRE2 gives a byte offset.
long long CharacterNumber(std::string_view text, std::size_t offset)
{
    const std::string_view before = text.substr(0, offset);
    return static_cast<long long>(before.size()) -
           std::count_if(before.begin(), before.end(), IsContinuationByte) + 1;
}

QString ProblemText(int code, std::string_view text, std::size_t offset)
{
    for (const Reason& reason : kReasons) {
        if (reason.code == code)
            return QString::fromUtf8(Strings::kBadPattern).arg(QString::fromUtf8(reason.text));
    }
    return QString::fromUtf8(Strings::kBadPatternAt).arg(CharacterNumber(text, offset));
}

struct Compiled
{
    pcre2_code* code;
    QString problem;
};

Compiled Compile(std::string_view text, std::uint32_t options)
{
    int error = 0;
    PCRE2_SIZE offset = 0;
    pcre2_code* code = pcre2_compile(Bytes(text), text.size(), options, &error, &offset, nullptr);
    return {code, code ? QString() : ProblemText(error, text, offset)};
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

void CPattern::Free::operator()(pcre2_real_code_8* code) const
{
    pcre2_code_free(code);
}

void CPattern::Free::operator()(pcre2_real_match_data_8* data) const
{
    pcre2_match_data_free(data);
}

void CPattern::Free::operator()(pcre2_real_match_context_8* context) const
{
    pcre2_match_context_free(context);
}

void CPattern::Free::operator()(pcre2_real_jit_stack_8* stack) const
{
    pcre2_jit_stack_free(stack);
}

CPattern::CPattern(std::string_view text, bool matchCase, bool wholeCell) : m_bWholeCell(wholeCell)
{
    Compiled compiled = Compile(text, CompileOptions(matchCase, wholeCell));
    m_code.reset(compiled.code);
    m_problem = std::move(compiled.problem);
    if (m_code)
        PrepareMatching();
}

QString CPattern::SyntaxProblem(std::string_view text)
{
    const Compiled compiled = Compile(text, CompileOptions(true, false));
    pcre2_code_free(compiled.code);
    return compiled.problem;
}

void CPattern::PrepareMatching()
{
    m_matchData.reset(pcre2_match_data_create_from_pattern(m_code.get(), nullptr));
    m_context.reset(pcre2_match_context_create(nullptr));
    if (!m_matchData || !m_context)
        throw std::bad_alloc();
    pcre2_set_match_limit(m_context.get(), kMatchLimit);
    // A library built without JIT matches by its interpreter instead.
    m_bJit = pcre2_jit_compile(m_code.get(), PCRE2_JIT_COMPLETE) == 0;
    if (m_bJit) {
        m_jitStack.reset(pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr));
        pcre2_jit_stack_assign(m_context.get(), nullptr, m_jitStack.get());
    }
}

CPattern::Match CPattern::Find(std::string_view subject, std::size_t start) const
{
    // Cells are valid UTF-8, which the grid ensures, so PCRE2 need not check
    // each one again. pcre2_jit_match skips pcre2_match's checks of its
    // arguments too, a good part of the cost of matching a short cell.
    const int result = m_bJit ? pcre2_jit_match(m_code.get(), Bytes(subject), subject.size(), start,
                                                0, m_matchData.get(), m_context.get())
                              : pcre2_match(m_code.get(), Bytes(subject), subject.size(), start,
                                            PCRE2_NO_UTF_CHECK, m_matchData.get(), m_context.get());
    if (result >= 0)
        return Match::Found;
    // Past the limits of work or memory, or no pattern at all: the search
    // must stop rather than say that nothing matched.
    return result == PCRE2_ERROR_NOMATCH ? Match::None : Match::TooCostly;
}

std::size_t CPattern::MatchStart() const
{
    return pcre2_get_ovector_pointer(m_matchData.get())[0];
}

std::size_t CPattern::MatchEnd() const
{
    return pcre2_get_ovector_pointer(m_matchData.get())[1];
}

std::string_view CPattern::Group(std::string_view subject, int group) const
{
    if (static_cast<std::uint32_t>(group) >= pcre2_get_ovector_count(m_matchData.get()))
        return {};
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(m_matchData.get());
    const PCRE2_SIZE start = ovector[2 * group];
    if (start == PCRE2_UNSET)
        return {};
    return subject.substr(start, ovector[2 * group + 1] - start);
}

CPattern::Match CPattern::Replace(std::string_view subject, std::string_view replacement,
                                  std::string& out) const
{
    // Most cells hold no match: they cost one search and no copy.
    Match match = Find(subject, 0);
    if (match != Match::Found)
        return match;
    out.clear();
    std::size_t copied = 0; // bytes of the subject up to the end of the last match
    while (match == Match::Found) {
        // A \K inside a lookaround, which PCRE2 allowed before 10.38, can put
        // a match's start before the last one's end or after its own end.
        const std::size_t start = std::max(MatchStart(), copied);
        const std::size_t end = std::max(MatchEnd(), start);
        out.append(subject.substr(copied, start - copied));
        AppendExpansion(out, replacement, subject);
        copied = end;
        // A whole-cell match is the only one: the pattern could match again,
        // empty, at the end of the cell.
        if (m_bWholeCell || (end == start && end == subject.size()))
            break;
        std::size_t from = end;
        // After an empty match, one character further, never into the
        // middle of one.
        if (end == start) {
            ++from;
            while (from < subject.size() && IsContinuationByte(subject[from]))
                ++from;
        }
        match = Find(subject, from);
    }
    if (match == Match::TooCostly)
        return match;
    out.append(subject.substr(copied));
    return Match::Found;
}

void CPattern::AppendExpansion(std::string& out, std::string_view replacement,
                               std::string_view subject) const
{
    std::size_t at = 0;
    while (at < replacement.size()) {
        const std::size_t slash = std::min(replacement.find('\\', at), replacement.size());
        out.append(replacement.substr(at, slash - at));
        if (slash + 1 >= replacement.size()) {
            // No backslash left, or one that ends the text and stays.
            out.append(replacement.substr(slash));
            return;
        }
        const char next = replacement[slash + 1];
        if (IsDigit(next))
            out.append(Group(subject, next - '0'));
        else
            out.push_back('\\');
        // "\N" and "\\" are read as one; after any other backslash, what
        // follows is read as usual.
        at = slash + (IsDigit(next) || next == '\\' ? 2 : 1);
    }
}
