#include "terms/text_replace.h"

namespace vestrano {

std::size_t replaceAll(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return 0;
    }
    std::size_t hit = text.find(from);
    if (hit == std::string::npos) {
        return 0;
    }
    // Built in one pass so that many hits in a long term stay linear.
    std::string result;
    result.reserve(text.size());
    std::size_t done = 0;
    std::size_t count = 0;
    for (; hit != std::string::npos; hit = text.find(from, done)) {
        result.append(text, done, hit - done);
        result.append(to);
        done = hit + from.size();
        ++count;
    }
    result.append(text, done);
    text = std::move(result);
    return count;
}

} // namespace vestrano
