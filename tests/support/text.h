// Reading the text of written files: writers break their records at a fixed
// width, wherever a record stands.
#pragma once
#include <string>

// The text without its line breaks.
inline std::string withoutLineBreaks(const std::string &text) {
    std::string joined;
    for (char c : text)
        if (c != '\n') joined += c;
    return joined;
}

// The records of a text metafile after its header line, without line breaks.
inline std::string metafileRecords(const std::string &text) {
    return withoutLineBreaks(text.substr(text.find('\n') + 1));
}

// How often word occurs in text.
inline int occurrences(const std::string &text, const std::string &word) {
    int n = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        ++n;
    return n;
}
