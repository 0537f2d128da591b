#include "edit/NumberText.h"

#include <QLocale>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
constexpr std::string_view kNarrowNoBreakSpace = "\xE2\x80\xAF";
constexpr std::string_view kMinusSign = "\xE2\x88\x92";

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The length of the space at the start of text, 0 when there is none.
std::size_t SpaceLength(std::string_view text)
{
    if (!text.empty() && text[0] == ' ')
        return 1;
    for (const std::string_view space : {kNoBreakSpace, kNarrowNoBreakSpace}) {
        if (text.starts_with(space))
            return space.size();
    }
    return 0;
}

std::string_view Trimmed(std::string_view text)
{
    while (const std::size_t length = SpaceLength(text))
        text.remove_prefix(length);
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view space :
             {std::string_view(" "), kNoBreakSpace, kNarrowNoBreakSpace}) {
            if (text.ends_with(space)) {
                text.remove_suffix(space.size());
                trimmed = true;
            }
        }
    }
    return text;
}

// The digits read so far: exact for the few digits most cells hold, so
// that the common case needs no more than one pass over the cell.
class NumberSpelling
{
public:
    void AddDigit(char digit, bool afterMark)
    {
        if (afterMark)
            ++m_decimals;
        if (m_significant == 0 && digit == '0')
            return;
        if (++m_significant <= kExactDigits)
            m_mantissa = m_mantissa * 10 + static_cast<std::uint64_t>(digit - '0');
    }
    void AddExponent() { m_bHasExponent = true; }
    int Decimals() const { return m_decimals; }

    // body: the number as read, without its sign, spaces around or spelling
    // mistakes.
    std::optional<double> Value(std::string_view body) const
    {
        if (m_significant <= kExactDigits && !m_bHasExponent && m_decimals <= 22) {
            static constexpr std::array<double, 23> kPowers = {
                1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
            // Both operands are exact, so the quotient is rounded once.
            return static_cast<double>(m_mantissa) / kPowers[m_decimals];
        }
        return ValueFromChars(body);
    }

private:
    // std::from_chars reads ASCII digits, a point and an exponent.
    static std::optional<double> ValueFromChars(std::string_view body)
    {
        std::string spelled;
        for (const char c : body) {
            if (IsDigit(c) || c == 'e' || c == 'E' || c == '+' || c == '-')
                spelled.push_back(c);
            else if (c == ',' || c == '.')
                spelled.push_back('.');
        }
        double value = 0;
        const char* end = spelled.data() + spelled.size();
        const auto [stop, error] = std::from_chars(spelled.data(), end, value);
        if (error != std::errc() || stop != end || !std::isfinite(value))
            return std::nullopt;
        return value;
    }

    static constexpr int kExactDigits = 15;
    std::uint64_t m_mantissa = 0;
    int m_significant = 0;
    int m_decimals = 0;
    bool m_bHasExponent = false;
};

// Whether a cell starting with this byte may be a number: a digit, a sign,
// a decimal mark or a space (the first byte of a no-break space or of "−"
// included). Most cells that are no number stop here.
bool MayStartNumber(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return IsDigit(c) || c == '+' || c == '-' || c == ',' || c == '.' || c == ' ' || byte == 0xC2 ||
           byte == 0xE2;
}

// Reads the digits of the integer part, grouped by threes after a space or
// not at all; false when a group is broken.
bool ReadIntegerPart(std::string_view& text, NumberSpelling& spelling)
{
    int groupLength = 0;
    bool grouped = false;
    while (!text.empty()) {
        if (IsDigit(text[0])) {
            spelling.AddDigit(text[0], false);
            text.remove_prefix(1);
            ++groupLength;
            if (grouped && groupLength > 3)
                return false;
            continue;
        }
        const std::size_t space = SpaceLength(text);
        if (space == 0)
            break;
        const bool firstGroupFits = grouped || (groupLength >= 1 && groupLength <= 3);
        if (!firstGroupFits || (grouped && groupLength != 3))
            return false;
        grouped = true;
        groupLength = 0;
        text.remove_prefix(space);
    }
    return !grouped || groupLength == 3;
}

bool ReadExponent(std::string_view& text, NumberSpelling& spelling)
{
    if (text.empty() || (text[0] != 'e' && text[0] != 'E'))
        return true;
    std::string_view exponent = text.substr(1);
    std::size_t length = !exponent.empty() && (exponent[0] == '+' || exponent[0] == '-') ? 1 : 0;
    const std::size_t digitsStart = length;
    while (length < exponent.size() && IsDigit(exponent[length]))
        ++length;
    if (length == digitsStart || length > digitsStart + 4)
        return false;
    spelling.AddExponent();
    text.remove_prefix(1 + length);
    return true;
}

} // namespace

std::optional<CellNumber> ReadNumber(std::string_view cell)
{
    if (cell.empty() || !MayStartNumber(cell[0]))
        return std::nullopt;
    std::string_view text = Trimmed(cell);
    if (text.empty())
        return std::nullopt;
    bool negative = false;
    if (text[0] == '-' || text[0] == '+') {
        negative = text[0] == '-';
        text.remove_prefix(1);
    } else if (text.starts_with(kMinusSign)) {
        negative = true;
        text.remove_prefix(kMinusSign.size());
    }
    if (text.empty() || !(IsDigit(text[0]) || text[0] == ',' || text[0] == '.'))
        return std::nullopt;
    NumberSpelling spelling;
    const std::string_view body = text;
    const bool integerDigits = IsDigit(text[0]);
    if (!ReadIntegerPart(text, spelling))
        return std::nullopt;
    if (!text.empty() && (text[0] == ',' || text[0] == '.')) {
        text.remove_prefix(1);
        if (text.empty() || !IsDigit(text[0]))
            return std::nullopt;
        while (!text.empty() && IsDigit(text[0])) {
            spelling.AddDigit(text[0], true);
            text.remove_prefix(1);
        }
    } else if (!integerDigits) {
        return std::nullopt;
    }
    if (!ReadExponent(text, spelling) || !text.empty())
        return std::nullopt;
    const std::optional<double> value = spelling.Value(body);
    if (!value)
        return std::nullopt;
    return CellNumber{negative ? -*value : *value, spelling.Decimals()};
}

QString FrenchNumber(double value, int decimals)
{
    QLocale french(QLocale::French, QLocale::France);
    french.setNumberOptions(QLocale::DefaultNumberOptions);
    QString text = french.toString(value, 'f', decimals);
    if (decimals > 0) {
        const QChar comma = french.decimalPoint().at(0);
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(comma))
            text.chop(1);
    }
    // Whatever space the locale groups with, the status bar shows one that
    // never breaks and is there in every font.
    text.replace(QChar(0x202F), QChar(0x00A0));
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}
