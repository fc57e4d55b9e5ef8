#pragma once

#include <string>
#include <string_view>

namespace tonvexa {

// Text for one line of a machine-read listing: its own bytes, except that a newline, a
// carriage return and the backslash of these escapes become "\n", "\r" and "\\", so that one
// record stays one line. Where fields are parted by tabs, a tab becomes "\t" too.
enum class Tabs { Kept, Escaped };
std::string EscapedForLine(std::string_view text, Tabs tabs = Tabs::Kept);

}  // namespace tonvexa
