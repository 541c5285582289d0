// Decoding the first image of a GIF held in memory (giflib). The data may lack its
// trailer and may go on with further images; only the first image is read. Nothing is
// written to disk.
#pragma once

#include <optional>
#include <string_view>

#include "platform/controls.h"

namespace platform {

// Largest image the decoder accepts (width x height); a larger declared size fails
// before any memory is taken for it.
inline constexpr long MaxGifPixels = 4096L * 4096L;

// The first image of the GIF formed by `head` followed by `rest` (no copy is made),
// in its own size; transparent pixels have alpha 0. Empty when it cannot be decoded.
std::optional<Bitmap> DecodeFirstGifImage(std::string_view head, std::string_view rest = {});

}  // namespace platform
