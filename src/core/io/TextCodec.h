#pragma once

#include "io/TextEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <string>
#include <string_view>

// Converts pieces of text between UTF-8 and a file's encoding, and finds the
// line end that closes a piece of the file's bytes.
class CTextCodec
{
public:
    explicit CTextCodec(TextEncoding encoding) : m_encoding(encoding) {}

    // Appends utf8 in the encoding to out; false, appending nothing, when a
    // character has no place in it (Windows-1252 holds no emoji).
    bool Encode(std::string_view utf8, std::string& out) const;
    std::string Decode(std::string_view bytes) const;
    // The size of the CR LF, LF or CR that ends bytes; 0 for none.
    std::size_t LineEndSize(std::string_view bytes) const;

    // An encoder from UTF-16 to encoding, which writes no byte-order mark,
    // and a decoder for which one inside the text is text, as in UTF-8.
    static QStringEncoder EncoderFor(TextEncoding encoding);
    static QStringDecoder DecoderFor(TextEncoding encoding);
    // The byte-order mark of an encoding; none for Windows-1252.
    static std::string_view ByteOrderMark(TextEncoding encoding);

private:
    TextEncoding m_encoding;
};
