#include "plot/gif_palette.h"

#include <algorithm>
#include <limits>

namespace vestrano {

namespace {

using Counts = std::unordered_map<uint32_t, std::size_t>;

// Runs of one colour are the rule in a plot, so the last colour is remembered.
Counts countColours(std::span<const uint32_t> pixels) {
    Counts counts;
    uint32_t last = 0;
    std::size_t* lastCount = nullptr;
    for (const uint32_t pixel : pixels) {
        const uint32_t colour = pixelColour(pixel);
        if (!lastCount || colour != last) {
            last = colour;
            lastCount = &counts[colour];
        }
        ++*lastCount;
    }
    return counts;
}

} // namespace

FramePalette::FramePalette(std::span<const uint32_t> pixels, std::span<const uint32_t> keep) {
    Counts counts = countColours(pixels);
    std::vector<std::pair<std::size_t, uint32_t>> ranked;
    ranked.reserve(counts.size());
    for (const auto& [colour, count] : counts) {
        const bool kept = std::ranges::find(keep, colour) != keep.end();
        // A kept colour ranks before every other.
        ranked.emplace_back(kept ? std::numeric_limits<std::size_t>::max() : count, colour);
    }
    std::ranges::sort(ranked, [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    const std::size_t size = std::min(ranked.size(), kGifColours);
    for (std::size_t i = 0; i < size; ++i) {
        colours_.push_back(ranked[i].second);
        indices_[ranked[i].second] = static_cast<uint8_t>(i);
    }
}

int colourDistance(uint32_t a, uint32_t b) {
    int sum = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = static_cast<int>((a >> shift) & 0xff) - static_cast<int>((b >> shift) & 0xff);
        sum += d * d;
    }
    return sum;
}

uint8_t FramePalette::index(uint32_t pixel) {
    const uint32_t colour = pixelColour(pixel);
    if (const auto found = indices_.find(colour); found != indices_.end()) {
        return found->second;
    }
    std::size_t best = 0;
    for (std::size_t i = 1; i < colours_.size(); ++i) {
        if (colourDistance(colours_[i], colour) < colourDistance(colours_[best], colour)) {
            best = i;
        }
    }
    const auto chosen = static_cast<uint8_t>(best);
    indices_[colour] = chosen;
    return chosen;
}

} // namespace vestrano
