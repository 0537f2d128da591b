#pragma once

// How a file's bytes stand for text. Inside the program every text is UTF-8.
enum class TextEncoding
{
    Utf8,
    Windows1252
};
