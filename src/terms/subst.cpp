#include "terms/subst.h"

#include <cctype>

#include "engine/plain_text.h"
#include "terms/text_replace.h"

namespace vestrano {

namespace {
bool isLetterOrDigit(char c) {
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return (lower >= 'a' && lower <= 'z') || (lower >= '0' && lower <= '9');
}

bool continuesName(char c) {
    return isLetterOrDigit(c) || c == '\'' || c == '(';
}
} // namespace

std::string subst(std::string_view text, std::string_view name, std::string_view replacement,
                  int mask) {
    std::string padded = " ";
    for (char c : text) {
        if (c != ' ') {
            padded += c;
        }
    }
    padded += ' ';
    if (name.empty()) {
        return std::string(trimmed(padded));
    }
    // The output grows behind the search, so the character before a hit may come from an
    // inserted replacement, and the search never revisits what it inserted.
    std::string result;
    result.reserve(padded.size());
    std::size_t scanned = 0;
    for (std::size_t hit = padded.find(name); hit != std::string::npos;
         hit = padded.find(name, scanned)) {
        result.append(padded, scanned, hit - scanned);
        const char before = result.empty() ? ' ' : result.back();
        const std::size_t end = hit + name.size();
        const char after = end < padded.size() ? padded[end] : ' ';
        const int flags = (isLetterOrDigit(before) ? 1 : 0) | (continuesName(after) ? 2 : 0);
        if ((flags & mask) == 0) {
            result.append(replacement);
            scanned = end;
            continue;
        }
        result += padded[hit];
        scanned = hit + 1;
    }
    result.append(padded, scanned);
    return std::string(trimmed(result));
}

} // namespace vestrano
