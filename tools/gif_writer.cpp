#include "tools/gif_writer.h"

#include <gif_lib.h>

#include <cstring>

namespace gifwriter {

namespace {

int AppendOutput(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
    return length;
}

}  // namespace

std::string Write(int screenWidth, int screenHeight, const std::vector<std::uint32_t>& palette,
                  const std::vector<Frame>& frames, bool loop) {
    std::string out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, AppendOutput, &error);
    if (gif == nullptr) return {};
    EGifSetGifVersion(gif, true);
    bool ok = true;

    int size = 2;
    while (size < static_cast<int>(palette.size()) && size < 256) size *= 2;
    ColorMapObject* map = GifMakeMapObject(size, nullptr);
    for (int k = 0; k < size; ++k) {
        std::uint32_t c =
            k < static_cast<int>(palette.size()) ? palette[static_cast<std::size_t>(k)] : 0;
        map->Colors[k].Red = static_cast<GifByteType>((c >> 16) & 0xFF);
        map->Colors[k].Green = static_cast<GifByteType>((c >> 8) & 0xFF);
        map->Colors[k].Blue = static_cast<GifByteType>(c & 0xFF);
    }
    ok = ok && EGifPutScreenDesc(gif, screenWidth, screenHeight, 8, 0, map) == GIF_OK;
    GifFreeMapObject(map);

    if (ok && loop) {
        GifByteType app[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
        GifByteType times[] = {1, 0, 0};  // loop for ever
        ok = EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
             EGifPutExtensionBlock(gif, sizeof app, app) == GIF_OK &&
             EGifPutExtensionBlock(gif, sizeof times, times) == GIF_OK &&
             EGifPutExtensionTrailer(gif) == GIF_OK;
    }

    for (const Frame& frame : frames) {
        if (!ok) break;
        if (frame.controlExtension) {
            GraphicsControlBlock block{};
            block.DisposalMode = DISPOSE_BACKGROUND;  // each frame stands alone
            block.DelayTime = frame.delay;
            block.TransparentColor = frame.transparent;
            GifByteType bytes[4];
            EGifGCBToExtension(&block, bytes);
            ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, bytes) == GIF_OK;
        }
        ok = ok && EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, false,
                                    nullptr) == GIF_OK;
        std::vector<GifPixelType> line(static_cast<std::size_t>(frame.width));
        for (int y = 0; ok && y < frame.height; ++y) {
            std::memcpy(line.data(),
                        frame.pixels.data() +
                            static_cast<std::size_t>(y) * static_cast<std::size_t>(frame.width),
                        line.size());
            ok = EGifPutLine(gif, line.data(), frame.width) == GIF_OK;
        }
    }
    if (EGifCloseFile(gif, &error) != GIF_OK) ok = false;
    return ok ? out : std::string();
}

}  // namespace gifwriter
