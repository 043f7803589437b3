#include "params/animation_frames.h"

#include <charconv>

#include "params/decimal_grid.h"

namespace vestrano {

Result<int> wholeNumberIn(std::string_view text, int lowest, int highest, const std::string& name) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        value < lowest || value > highest) {
        return fail(name + " muss eine ganze Zahl von " + std::to_string(lowest) + " bis " +
                    std::to_string(highest) + " sein!");
    }
    return value;
}

std::vector<double> frameValues(double from, double to, int frames, bool bounce) {
    std::vector<double> values;
    if (frames < 2) {
        return {from};
    }
    const double step = (to - from) / (frames - 1);
    for (int i = 0; i + 1 < frames; ++i) {
        values.push_back(i == 0 ? from : gridSum(from, i * step));
    }
    values.push_back(to);
    if (bounce) {
        for (int i = frames - 2; i > 0; --i) {
            values.push_back(values[static_cast<std::size_t>(i)]);
        }
    }
    return values;
}

std::vector<int> frameDelays(int framesPerSecond, std::size_t count) {
    // The end of frame k at 100 * k / fps hundredths, rounded half up.
    const auto end = [framesPerSecond](long long k) {
        return static_cast<int>((200 * k + framesPerSecond) / (2 * framesPerSecond));
    };
    std::vector<int> delays;
    for (std::size_t k = 0; k < count; ++k) {
        const auto i = static_cast<long long>(k);
        delays.push_back(end(i + 1) - end(i));
    }
    return delays;
}

} // namespace vestrano
