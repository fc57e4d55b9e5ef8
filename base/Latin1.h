#pragma once

#include <string>
#include <string_view>

namespace tonvexa {

// ID3v1 blocks and the tag record hold ISO-8859-1 bytes; everything else in the core is
// UTF-8. These convert at that edge.

// Every byte is one character.
std::string Latin1ToUtf8(std::string_view latin1);

// Characters outside ISO-8859-1 become "?"; so do bytes that are not valid UTF-8.
std::string Utf8ToLatin1(std::string_view utf8);

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past
// Unicode).
bool IsValidUtf8(std::string_view bytes);

// Texts that declare no character set (RIFF INFO, many ID3v1 blocks): UTF-8 where they are
// valid UTF-8, which is what current programs write, ISO-8859-1 otherwise.
std::string Utf8OrLatin1ToUtf8(std::string_view bytes);

}  // namespace tonvexa
