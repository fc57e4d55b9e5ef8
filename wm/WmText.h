#pragma once

// Text at the runtime's edge: attribute values and paths are UTF-16 there and UTF-8 here.

#include <cstdint>
#include <string>
#include <string_view>

namespace tonvexa {

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// A UTF-16 value as stored in an attribute: `length` bytes, possibly null-terminated; the
// text ends at the first null or the last whole unit.
std::u16string Utf16FromBytes(const std::uint8_t* value, std::size_t length);

}  // namespace tonvexa
