#pragma once
// Character-aligned editing of CP932 text. A plain byte search could match
// across the boundary of two characters (the second byte of one character and
// the first byte of the next); these functions look for matches only where a
// character starts. A lead byte (81-9F, E0-FC hex) and the byte after it form
// one character; every other byte is a character of its own.

#include <cstddef>
#include <string>

namespace tamikaze {

// Bytes of the character that starts at the 0-based byte `pos`: 2 for a lead
// byte followed by another byte, else 1.
std::size_t Cp932CharLength(const std::string& text, std::size_t pos);

// 0-based byte offset of the first occurrence of `what` that starts on a
// character boundary; std::string::npos when there is none.
std::size_t FindChars(const std::string& text, const std::string& what);

bool ContainsChars(const std::string& text, const std::string& what);

// Replaces the first occurrence of `what` by `by`; nothing when absent.
void ReplaceFirstChars(std::string& text, const std::string& what, const std::string& by);

// Removes the first occurrence of `what`; nothing when absent.
void DeleteFirstChars(std::string& text, const std::string& what);

// Removes everything from the start up to and including the first occurrence
// of `what`; nothing when absent.
void CutThroughChars(std::string& text, const std::string& what);

// Removes every occurrence of `what`.
void DeleteAllChars(std::string& text, const std::string& what);

// 0-based byte offset where the last character starts (0 for "").
std::size_t LastCharOffset(const std::string& text);

// The last character ("" for ""), and the text without it.
std::string LastChar(const std::string& text);
std::string WithoutLastChar(const std::string& text);

}  // namespace tamikaze
