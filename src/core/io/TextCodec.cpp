#include "io/TextCodec.h"

#include "io/TextSink.h"

namespace {

bool IsUtf16(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
}

} // namespace

QStringEncoder CTextCodec::EncoderFor(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf16Le:
        return QStringEncoder(QStringConverter::Utf16LE);
    case TextEncoding::Utf16Be:
        return QStringEncoder(QStringConverter::Utf16BE);
    case TextEncoding::Windows1252:
        return QStringEncoder("windows-1252");
    case TextEncoding::Utf8:
        break;
    }
    return QStringEncoder(QStringConverter::Utf8);
}

QStringDecoder CTextCodec::DecoderFor(TextEncoding encoding)
{
    const auto bomIsText = QStringConverter::Flag::ConvertInitialBom;
    switch (encoding) {
    case TextEncoding::Utf16Le:
        return QStringDecoder(QStringConverter::Utf16LE, bomIsText);
    case TextEncoding::Utf16Be:
        return QStringDecoder(QStringConverter::Utf16BE, bomIsText);
    case TextEncoding::Windows1252:
        return QStringDecoder("windows-1252");
    case TextEncoding::Utf8:
        break;
    }
    return QStringDecoder(QStringConverter::Utf8, bomIsText);
}

bool CTextCodec::Encode(std::string_view utf8, std::string& out) const
{
    if (m_encoding == TextEncoding::Utf8) {
        out.append(utf8);
        return true;
    }
    if (m_encoding == TextEncoding::Windows1252 && !FitsWindows1252(utf8))
        return false;
    QStringEncoder encoder = EncoderFor(m_encoding);
    const QByteArray bytes =
        encoder(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    out.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

std::string CTextCodec::Decode(std::string_view bytes) const
{
    if (m_encoding == TextEncoding::Utf8)
        return std::string(bytes);
    QStringDecoder decoder = DecoderFor(m_encoding);
    const QString text =
        decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return text.toStdString();
}

std::size_t CTextCodec::LineEndSize(std::string_view bytes) const
{
    const std::size_t width = IsUtf16(m_encoding) ? 2 : 1;
    // A UTF-16 file whose last byte is alone ends with no line end.
    if (bytes.size() % width != 0)
        return 0;
    const auto unitAt = [&](std::size_t fromEnd) -> char16_t {
        if (bytes.size() < fromEnd * width)
            return 0;
        const char* p = bytes.data() + bytes.size() - fromEnd * width;
        if (width == 1)
            return static_cast<unsigned char>(*p);
        const auto a = static_cast<unsigned char>(p[0]);
        const auto b = static_cast<unsigned char>(p[1]);
        return m_encoding == TextEncoding::Utf16Be ? static_cast<char16_t>(a << 8 | b)
                                                   : static_cast<char16_t>(b << 8 | a);
    };
    const char16_t last = unitAt(1);
    if (last == u'\r')
        return width;
    if (last != u'\n')
        return 0;
    return unitAt(2) == u'\r' ? 2 * width : width;
}

std::string_view CTextCodec::ByteOrderMark(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return "\xEF\xBB\xBF";
    case TextEncoding::Utf16Le:
        return "\xFF\xFE";
    case TextEncoding::Utf16Be:
        return "\xFE\xFF";
    case TextEncoding::Windows1252:
        break;
    }
    return {};
}
