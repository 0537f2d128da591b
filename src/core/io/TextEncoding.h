#pragma once

// The encodings the program reads and writes text in. Inside the program
// every text is UTF-8. A list remembers UTF-8 or Windows-1252 of the file it
// came from (a list read from UTF-16 is written back as UTF-8); a CSV or
// text document is written back in any of them, with or without a
// byte-order mark, as it was read.
enum class TextEncoding
{
    Utf8,
    Windows1252,
    Utf16Le,
    Utf16Be
};
