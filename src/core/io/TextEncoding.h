#pragma once

// The encodings the program writes text in, and so the ones a list
// remembers of the file it came from. Inside the program every text is
// UTF-8; a file read in another encoding (UTF-16, which the imports take) is
// written back as UTF-8.
enum class TextEncoding
{
    Utf8,
    Windows1252
};
