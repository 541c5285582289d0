#include "platform/gif_decode.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

// Reads head, then rest, then one block terminator. The terminator stands in for a
// missing end of the image data: a complete image then finishes cleanly, while data
// cut inside the image still fails (giflib rejects an empty block mid-image).
struct MemorySource {
    std::string_view head;
    std::string_view rest;
    std::size_t at = 0;
    bool padded = false;

    int Read(GifByteType* out, int wanted) {
        int given = 0;
        while (given < wanted) {
            if (at < head.size()) {
                out[given++] = static_cast<GifByteType>(head[at++]);
            } else if (at - head.size() < rest.size()) {
                out[given++] = static_cast<GifByteType>(rest[at - head.size()]);
                ++at;
            } else if (!padded) {
                out[given++] = 0;
                padded = true;
            } else {
                break;
            }
        }
        return given;
    }
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int wanted) {
    auto* source = static_cast<MemorySource*>(gif->UserData);
    return wanted <= 0 ? 0 : source->Read(out, wanted);
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

}  // namespace

std::optional<Bitmap> DecodeFirstGifImage(std::string_view head, std::string_view rest) {
    MemorySource source{head, rest};
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&source, ReadFromMemory, &error));
    if (!gif) return std::nullopt;

    int transparent = -1;
    // Walk the records up to the first image; a graphic control extension before it
    // may name a transparent colour.
    for (int records = 0; records < 100000; ++records) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) return std::nullopt;
        if (type == TERMINATE_RECORD_TYPE) return std::nullopt;
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR) return std::nullopt;
            if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && block[0] >= 4) {
                transparent = (block[1] & 0x01) ? block[4] : -1;
            }
            while (block != nullptr) {
                if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR) return std::nullopt;
            }
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE) return std::nullopt;

        if (DGifGetImageDesc(gif.get()) == GIF_ERROR) return std::nullopt;
        const GifImageDesc& desc = gif->Image;
        const int width = desc.Width;
        const int height = desc.Height;
        if (width <= 0 || height <= 0) return std::nullopt;
        // In 64 bits: 65535 x 65535 does not fit a 32-bit long.
        if (std::int64_t{width} * height > MaxGifPixels) return std::nullopt;
        const ColorMapObject* map = desc.ColorMap != nullptr ? desc.ColorMap : gif->SColorMap;
        if (map == nullptr || map->Colors == nullptr) return std::nullopt;

        // Rows are kept as they arrive, so an image that declares a large size and then
        // runs out of data costs what its data holds, not the size it declares (a damaged
        // file of a few kilobytes could otherwise fill gigabytes, frame after frame).
        const std::vector<int> order = GifRowOrder(height, desc.Interlace);
        std::vector<GifPixelType> line(static_cast<std::size_t>(width));
        std::vector<std::uint32_t> arrived;
        for (std::size_t k = 0; k < order.size(); ++k) {
            if (DGifGetLine(gif.get(), line.data(), width) == GIF_ERROR) return std::nullopt;
            for (int x = 0; x < width; ++x) {
                int index = line[static_cast<std::size_t>(x)];
                if (index == transparent || index >= map->ColorCount) {
                    arrived.push_back(0);
                    continue;
                }
                const GifColorType& c = map->Colors[index];
                arrived.push_back(0xFF000000U | (static_cast<std::uint32_t>(c.Red) << 16) |
                                  (static_cast<std::uint32_t>(c.Green) << 8) | c.Blue);
            }
        }

        return PlaceGifRows(width, height, order, std::move(arrived));
    }
    return std::nullopt;
}

}  // namespace platform
