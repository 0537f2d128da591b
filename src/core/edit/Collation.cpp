#include "edit/Collation.h"

#include "edit/Utf8.h"

#include <QChar>
#include <QList>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace Collation {

namespace {

// The key is the letters' primary weights, then 0x01 and one accent weight
// per primary unit, then 0x01 and one case weight per unit. Every unit of
// the first level starts with a byte above 0x01, so a text that is the
// start of another sorts first; the weights of the other levels are 0x02
// when nothing is there, which are left out at their end.
constexpr char kLevelEnd = 0x01;
constexpr char kPlain = 0x02;
constexpr char kUpper = 0x03;
// Non-ASCII spaces, punctuation and symbols: this byte, then the character.
constexpr char kOtherPunctuation = 0x23;
// A run of digits by value: this byte, the count of its significant digits
// on two bytes, then those digits.
constexpr char kDigitRun = 0x30;

enum class Kind : std::uint8_t
{
    Letter,
    Digit,
    Punctuation,
    Mark,
    Other
};

// What a character weighs: its letters without accent (a ligature has two),
// its accent and its case.
struct Fold
{
    Kind kind = Kind::Other;
    char32_t first = 0; // a letter's base in lower case; a digit's value
    char32_t second = 0;
    std::uint8_t accent = 0; // 0: none
    bool upper = false;
};

// Accents in the order French dictionaries give them; others follow.
std::uint8_t AccentRank(char32_t mark)
{
    static constexpr char32_t kOrder[] = {
        0x0301, // acute
        0x0300, // grave
        0x0306, // breve
        0x0302, // circumflex
        0x030C, // caron
        0x030A, // ring
        0x0308, // diaeresis
        0x030B, // double acute
        0x0303, // tilde
        0x0307, // dot above
        0x0327, // cedilla
        0x0328, // ogonek
        0x0304, // macron
    };
    const auto* found = std::find(std::begin(kOrder), std::end(kOrder), mark);
    if (found != std::end(kOrder))
        return static_cast<std::uint8_t>(1 + (found - std::begin(kOrder)));
    if (mark >= 0x0300 && mark < 0x0370)
        return static_cast<std::uint8_t>(20 + (mark - 0x0300));
    return 200;
}

// Letters whose accent-free form Unicode does not give by decomposition.
constexpr std::uint8_t kStroke = 150;

Fold SpecialLetter(char32_t code)
{
    switch (code) {
    case 0x00C6: // Æ
    case 0x00E6:
        return {Kind::Letter, 'a', 'e', 0, code == 0x00C6};
    case 0x0152: // Œ
    case 0x0153:
        return {Kind::Letter, 'o', 'e', 0, code == 0x0152};
    case 0x00DF: // ß
        return {Kind::Letter, 's', 's', 0, false};
    case 0x00D8: // Ø
    case 0x00F8:
        return {Kind::Letter, 'o', 0, kStroke, code == 0x00D8};
    case 0x0110: // Đ
    case 0x0111:
        return {Kind::Letter, 'd', 0, kStroke, code == 0x0110};
    case 0x0141: // Ł
    case 0x0142:
        return {Kind::Letter, 'l', 0, kStroke, code == 0x0141};
    case 0x0131: // ı
        return {Kind::Letter, 'i', 0, kStroke, false};
    default:
        return {};
    }
}

Fold ComputeFold(char32_t code)
{
    if (code < 0x80) {
        if (code >= 'A' && code <= 'Z')
            return {Kind::Letter, code - 'A' + 'a', 0, 0, true};
        if (code >= 'a' && code <= 'z')
            return {Kind::Letter, code, 0, 0, false};
        if (code >= '0' && code <= '9')
            return {Kind::Digit, code - '0', 0, 0, false};
        return {Kind::Punctuation, code, 0, 0, false};
    }
    if (const Fold special = SpecialLetter(code); special.first != 0)
        return special;
    const int digit = QChar::digitValue(code);
    if (digit >= 0 && QChar::category(code) == QChar::Number_DecimalDigit)
        return {Kind::Digit, static_cast<char32_t>(digit), 0, 0, false};
    if (QChar::isMark(code))
        return {Kind::Mark, 0, 0, AccentRank(code), false};
    if (QChar::isPunct(code) || QChar::isSymbol(code) || QChar::isSpace(code))
        return {Kind::Punctuation, code, 0, 0, false};
    if (!QChar::isLetter(code))
        return {Kind::Other, code, 0, 0, false};
    // A letter with an accent is its base letter's fold with that accent.
    if (QChar::decompositionTag(code) == QChar::Canonical) {
        const QString parts = QChar::decomposition(code);
        const QList<uint> units = parts.toUcs4();
        if (units.size() >= 2 && QChar::isMark(units[1])) {
            Fold fold = ComputeFold(units[0]);
            if (fold.kind == Kind::Letter) {
                if (fold.accent == 0)
                    fold.accent = AccentRank(units[1]);
                fold.upper = QChar::isUpper(code);
                return fold;
            }
        }
    }
    return {Kind::Letter, QChar::toLower(code), 0, 0, QChar::isUpper(code)};
}

// Folds of the characters up to the end of the Latin and Greek blocks,
// worked out once.
constexpr char32_t kTableEnd = 0x2000;

const std::vector<Fold>& FoldTable()
{
    static const std::vector<Fold> table = [] {
        std::vector<Fold> folds(kTableEnd);
        for (char32_t code = 0; code < kTableEnd; ++code)
            folds[code] = ComputeFold(code);
        return folds;
    }();
    return table;
}

Fold FoldOf(char32_t code)
{
    return code < kTableEnd ? FoldTable()[code] : ComputeFold(code);
}

// ASCII spaces and punctuation, in code point order, weigh 0x02 onwards:
// below the digits and letters whatever their code points.
char PunctuationWeight(char32_t code)
{
    if (code <= 0x20 || code == 0x7F)
        return kPlain;
    int rank = static_cast<int>(code) - 0x20; // '!' is 1
    if (code > '9')
        rank -= 10;
    if (code > 'Z')
        rank -= 26;
    if (code > 'z')
        rank -= 26;
    return static_cast<char>(kPlain + rank);
}

class KeyWriter
{
public:
    KeyWriter(std::string& out, Digits digits) : m_out(out), m_digits(digits) {}

    void Add(const Fold& fold)
    {
        switch (fold.kind) {
        case Kind::Letter:
            AddLetter(fold);
            break;
        case Kind::Digit:
            AddDigit(fold.first);
            break;
        case Kind::Mark:
            // A mark on its own accents the letter before it.
            if (m_units > 0 && m_accents.size() < m_units)
                Weigh(m_accents, m_units - 1, static_cast<char>(kPlain + fold.accent));
            break;
        case Kind::Punctuation:
            EndRun();
            if (fold.first < 0x80) {
                m_out.push_back(PunctuationWeight(fold.first));
            } else {
                m_out.push_back(kOtherPunctuation);
                Utf8::Append(m_out, fold.first);
            }
            ++m_units;
            break;
        case Kind::Other:
            EndRun();
            Utf8::Append(m_out, fold.first);
            ++m_units;
            break;
        }
    }

    void Finish()
    {
        EndRun();
        Trim(m_accents);
        Trim(m_cases);
        if (m_accents.empty() && m_cases.empty())
            return;
        m_out.push_back(kLevelEnd);
        m_out += m_accents;
        if (!m_cases.empty()) {
            m_out.push_back(kLevelEnd);
            m_out += m_cases;
        }
    }

private:
    void AddLetter(const Fold& fold)
    {
        EndRun();
        for (const char32_t letter : {fold.first, fold.second}) {
            if (letter == 0)
                break;
            if (fold.accent != 0)
                Weigh(m_accents, m_units, static_cast<char>(kPlain + fold.accent));
            if (fold.upper)
                Weigh(m_cases, m_units, kUpper);
            Utf8::Append(m_out, letter);
            ++m_units;
        }
    }

    void AddDigit(char32_t value)
    {
        const char digit = static_cast<char>('0' + value);
        if (m_digits == Digits::AsText) {
            m_out.push_back(digit);
            ++m_units;
            return;
        }
        // Leading zeros weigh nothing, but a run of zeros is still zero.
        m_bInRun = true;
        if (!m_run.empty() || digit != '0')
            m_run.push_back(digit);
    }

    void EndRun()
    {
        if (!m_bInRun)
            return;
        if (m_run.empty())
            m_run.push_back('0');
        const auto length = static_cast<std::uint16_t>(std::min<std::size_t>(m_run.size(), 0xFFFF));
        m_out.push_back(kDigitRun);
        m_out.push_back(static_cast<char>(length >> 8));
        m_out.push_back(static_cast<char>(length & 0xFF));
        m_out.append(m_run, 0, length);
        m_run.clear();
        m_bInRun = false;
        ++m_units;
    }

    static void Weigh(std::string& level, std::size_t unit, char weight)
    {
        if (level.size() < unit)
            level.append(unit - level.size(), kPlain);
        if (level.size() == unit)
            level.push_back(weight);
    }

    static void Trim(std::string& level)
    {
        while (!level.empty() && level.back() == kPlain)
            level.pop_back();
    }

    std::string& m_out;
    Digits m_digits;
    std::size_t m_units = 0;
    std::string m_accents;
    std::string m_cases;
    std::string m_run;
    bool m_bInRun = false;
};

} // namespace

void AppendKey(std::string& out, std::string_view text, Digits digits)
{
    KeyWriter writer(out, digits);
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t length = 0;
        writer.Add(FoldOf(Utf8::Decode(text, at, length)));
        at += length;
    }
    writer.Finish();
}

} // namespace Collation
