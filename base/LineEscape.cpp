#include "base/LineEscape.h"

namespace tonvexa {

std::string EscapedForLine(std::string_view text, Tabs tabs) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += tabs == Tabs::Escaped ? "\\t" : "\t";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace tonvexa
