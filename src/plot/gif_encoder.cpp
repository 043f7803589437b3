#include "plot/gif_encoder.h"

#include <gif_lib.h>

#include <array>
#include <memory>
#include <utility>

#include "plot/gif_palette.h"

namespace vestrano {

namespace {

int appendBytes(GifFileType* gif, const GifByteType* data, int size) {
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(size));
    return size;
}

// The application extension that tells a viewer to play the frames again and again.
bool putEndlessLoop(GifFileType* gif) {
    static constexpr std::array<GifByteType, 11> kNetscape{'N', 'E', 'T', 'S', 'C', 'A',
                                                           'P', 'E', '2', '.', '0'};
    static constexpr std::array<GifByteType, 3> kForever{1, 0, 0}; // sub-block 1, count 0
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, kNetscape.size(), kNetscape.data()) == GIF_OK &&
           EGifPutExtensionBlock(gif, kForever.size(), kForever.data()) == GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool putDelay(GifFileType* gif, int delay) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = delay;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    std::array<GifByteType, 4> extension{};
    EGifGCBToExtension(&control, extension.data());
    return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, extension.size(), extension.data()) ==
           GIF_OK;
}

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// A GIF table has a power of two of entries; the unused ones stay black.
std::unique_ptr<ColorMapObject, MapDeleter> colourMap(const std::vector<uint32_t>& colours) {
    int size = 2;
    while (size < static_cast<int>(colours.size())) {
        size *= 2;
    }
    std::unique_ptr<ColorMapObject, MapDeleter> map(GifMakeMapObject(size, nullptr));
    if (!map) {
        return map;
    }
    for (int i = 0; i < size; ++i) {
        const uint32_t c = i < static_cast<int>(colours.size()) ? colours[i] : 0;
        map->Colors[i] = {static_cast<GifByteType>(c >> 16), static_cast<GifByteType>(c >> 8),
                          static_cast<GifByteType>(c)};
    }
    return map;
}

} // namespace

GifEncoder::GifEncoder(int width, int height) : width_(width), height_(height) {
    gif_ = EGifOpen(&bytes_, appendBytes, &openError_);
    if (!gif_) {
        return;
    }
    EGifSetGifVersion(gif_, true);
    if (EGifPutScreenDesc(gif_, width, height, 8, 0, nullptr) != GIF_OK || !putEndlessLoop(gif_)) {
        openError_ = gif_->Error;
    }
}

GifEncoder::~GifEncoder() {
    if (gif_) {
        int error = 0;
        EGifCloseFile(gif_, &error);
    }
}

Status GifEncoder::failed(int error) {
    // giflib's own texts are English; its number is enough to look the cause up.
    return fail("Das GIF-Bild kann nicht erzeugt werden (giflib-Fehler " + std::to_string(error) +
                ").");
}

Status GifEncoder::add(const FramePicture& frame, std::span<const uint32_t> keep, int delay) {
    if (!gif_ || openError_ != 0) {
        return failed(openError_);
    }
    if (width_ <= 0 || height_ <= 0 || frame.width != width_ || frame.height != height_ ||
        frame.pixels.size() != static_cast<std::size_t>(width_) * height_) {
        return fail("Das GIF-Bild kann nicht erzeugt werden: die Bilder sind verschieden groß.");
    }
    FramePalette palette(frame.pixels, keep);
    const auto map = colourMap(palette.colours());
    if (!map || !putDelay(gif_, delay) ||
        EGifPutImageDesc(gif_, 0, 0, width_, height_, false, map.get()) != GIF_OK) {
        return failed(gif_->Error);
    }
    std::vector<GifPixelType> line(static_cast<std::size_t>(width_));
    const uint32_t* pixel = frame.pixels.data();
    uint32_t last = ~*pixel;
    GifPixelType lastIndex = 0;
    for (int y = 0; y < height_; ++y) {
        for (GifPixelType& index : line) {
            if (*pixel != last) {
                last = *pixel;
                lastIndex = palette.index(last);
            }
            index = lastIndex;
            ++pixel;
        }
        if (EGifPutLine(gif_, line.data(), width_) != GIF_OK) {
            return failed(gif_->Error);
        }
    }
    return {};
}

Result<std::string> GifEncoder::finish() {
    if (!gif_ || openError_ != 0) {
        return fail(failed(openError_).reason());
    }
    int error = 0;
    const int closed = EGifCloseFile(std::exchange(gif_, nullptr), &error);
    if (closed != GIF_OK) {
        return fail(failed(error).reason());
    }
    return std::move(bytes_);
}

} // namespace vestrano
