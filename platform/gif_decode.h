// Decoding the first image of a GIF held in memory. The data may lack its trailer and may
// go on with further images; only the first image is read. Nothing is written to disk.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/controls.h"

namespace platform {

// Largest image the decoder accepts (width x height); a larger declared size fails
// before any memory is taken for it.
inline constexpr std::int64_t MaxGifPixels = std::int64_t{4096} * 4096;

// The first image of the GIF formed by `head` followed by `rest` (no copy is made),
// in its own size; transparent pixels have alpha 0. Empty when it cannot be decoded.
// The desktop decodes with giflib; the browser build, which has no giflib, with
// ReadFirstGifImage.
std::optional<Bitmap> DecodeFirstGifImage(std::string_view head, std::string_view rest = {});

// The program's own decoder of the same, read as giflib reads it: the same pixels, and a
// failure on the same damaged data.
std::optional<Bitmap> ReadFirstGifImage(std::string_view head, std::string_view rest = {});

// Both decoders: the rows of an image in the order its data sends them (interlaced: the
// four passes), and the image made from the rows as they arrived, each put in its place.
// Rows are kept as they arrive, so an image that declares a large size and then runs out
// of data costs what its data holds, not the size it declares.
std::vector<int> GifRowOrder(int height, bool interlaced);
Bitmap PlaceGifRows(int width, int height, const std::vector<int>& order,
                    std::vector<std::uint32_t> arrived);

}  // namespace platform
