// Character tests and case changes of the ASCII letters and digits alone, the same
// in every locale: the files the program reads are Shift-JIS, whose double-byte
// characters must never be taken for letters, digits or spaces.
#pragma once

namespace qm {

constexpr bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// Space, tab, line feed, vertical tab, form feed and carriage return.
constexpr bool isAsciiSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

constexpr char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A C text that may be null (a label entry that is missing), as an empty text.
constexpr const char* textOrEmpty(const char* text) {
    return text ? text : "";
}

}  // namespace qm
