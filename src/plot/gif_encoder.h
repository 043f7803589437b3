#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "state/result.h"

struct GifFileType;

namespace vestrano {

// A picture of the graph as pixels 0xRRGGBB (see gif_palette.h), row by row without gaps.
struct FramePicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// An animated GIF built in memory, frame by frame, that plays in a loop for ever. Each frame
// carries its own colour table (FramePalette), so a frame is encoded as soon as it is drawn and
// only the compressed file is held.
class GifEncoder {
  public:
    GifEncoder(int width, int height);
    ~GifEncoder();
    GifEncoder(const GifEncoder&) = delete;
    GifEncoder& operator=(const GifEncoder&) = delete;

    // A frame of the encoder's size, shown for `delay` hundredths of a second. `keep` are the
    // colours that stay exact even in a frame of more than 256 colours.
    Status add(const FramePicture& frame, std::span<const uint32_t> keep, int delay);
    // The whole file; the encoder takes no frame after it.
    Result<std::string> finish();

  private:
    Status failed(int error);

    int width_;
    int height_;
    std::string bytes_;
    GifFileType* gif_ = nullptr;
    int openError_ = 0;
};

} // namespace vestrano
