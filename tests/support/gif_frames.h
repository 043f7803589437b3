#pragma once

#include <gif_lib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace vestrano {

// A GIF read back with giflib: every frame's pixels as 0xRRGGBB, its delay, and whether the
// file asks to be played for ever.
struct DecodedGif {
    bool ok = false;
    int width = 0;
    int height = 0;
    bool loopsForever = false;
    std::vector<std::vector<uint32_t>> frames;
    std::vector<int> delays;
};

inline DecodedGif decodeGif(std::string_view bytes) {
    struct Reader {
        std::string_view rest;
    } reader{bytes};
    const auto read = [](GifFileType* gif, GifByteType* out, int size) {
        auto* r = static_cast<Reader*>(gif->UserData);
        const auto n = std::min<std::size_t>(static_cast<std::size_t>(size), r->rest.size());
        std::memcpy(out, r->rest.data(), n);
        r->rest.remove_prefix(n);
        return static_cast<int>(n);
    };
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, read, &error);
    DecodedGif decoded;
    if (!gif) {
        return decoded;
    }
    decoded.ok = DGifSlurp(gif) == GIF_OK;
    decoded.width = gif->SWidth;
    decoded.height = gif->SHeight;
    for (int i = 0; decoded.ok && i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        const ColorMapObject* map =
            image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        std::vector<uint32_t> pixels;
        const int count = image.ImageDesc.Width * image.ImageDesc.Height;
        for (int p = 0; map && p < count; ++p) {
            const GifColorType c = map->Colors[image.RasterBits[p]];
            pixels.push_back(static_cast<uint32_t>(c.Red) << 16 |
                             static_cast<uint32_t>(c.Green) << 8 | c.Blue);
        }
        decoded.frames.push_back(std::move(pixels));
        GraphicsControlBlock control{};
        DGifSavedExtensionToGCB(gif, i, &control);
        decoded.delays.push_back(control.DelayTime);
        for (int e = 0; e + 1 < image.ExtensionBlockCount; ++e) {
            const ExtensionBlock& app = image.ExtensionBlocks[e];
            const ExtensionBlock& data = image.ExtensionBlocks[e + 1];
            if (app.Function == APPLICATION_EXT_FUNC_CODE && app.ByteCount == 11 &&
                std::memcmp(app.Bytes, "NETSCAPE2.0", 11) == 0 && data.ByteCount == 3 &&
                data.Bytes[0] == 1 && data.Bytes[1] == 0 && data.Bytes[2] == 0) {
                decoded.loopsForever = true;
            }
        }
    }
    DGifCloseFile(gif, &error);
    return decoded;
}

} // namespace vestrano
