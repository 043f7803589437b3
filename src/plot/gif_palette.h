#pragma once

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

namespace vestrano {

// A pixel of a frame: 0xRRGGBB, the top byte ignored (a QImage's RGB32 word).
inline uint32_t pixelColour(uint32_t pixel) {
    return pixel & 0xffffffu;
}

inline constexpr std::size_t kGifColours = 256;

// The squared distance of two colours in RGB: what "nearest" means for a colour left out.
int colourDistance(uint32_t a, uint32_t b);

// The colours of one frame for its GIF colour table. With no more than 256 distinct colours,
// exactly those. Otherwise the `keep` colours the frame holds (the pens of the graphs, lines,
// axes and background), then the others by how many pixels have them; every colour left out
// is shown as its nearest in the table, which only touches the shades of smoothed edges.
class FramePalette {
  public:
    FramePalette(std::span<const uint32_t> pixels, std::span<const uint32_t> keep);

    const std::vector<uint32_t>& colours() const { return colours_; }
    // The table index a pixel is written with.
    uint8_t index(uint32_t pixel);

  private:
    std::vector<uint32_t> colours_;
    std::unordered_map<uint32_t, uint8_t> indices_;
};

} // namespace vestrano
