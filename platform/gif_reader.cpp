// The program's own GIF decoder (the browser build has no giflib): the first image of a
// GIF in memory, read step for step as giflib reads it, so that the two give the same
// pixels, and fail on the same damaged data, on every input a test or the fuzzer tries.
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "platform/gif_decode.h"

namespace platform {

namespace {

// The bytes of head, then rest, then one block terminator standing in for a missing end
// of the image data (as the desktop decoder reads them).
class Source {
  public:
    Source(std::string_view head, std::string_view rest) : head_(head), rest_(rest) {}

    // The next `count` bytes into out; false (and nothing more to read) when they run out.
    bool Read(std::uint8_t* out, std::size_t count) {
        for (std::size_t k = 0; k < count; ++k) {
            if (at_ < head_.size()) {
                out[k] = static_cast<std::uint8_t>(head_[at_++]);
            } else if (at_ - head_.size() < rest_.size()) {
                out[k] = static_cast<std::uint8_t>(rest_[at_++ - head_.size()]);
            } else if (!padded_) {
                out[k] = 0;
                padded_ = true;
            } else {
                return false;
            }
        }
        return true;
    }
    bool Byte(std::uint8_t& out) { return Read(&out, 1); }
    bool Word(int& out) {
        std::uint8_t b[2];
        if (!Read(b, 2)) return false;
        out = b[0] | (b[1] << 8);
        return true;
    }

  private:
    std::string_view head_, rest_;
    std::size_t at_ = 0;
    bool padded_ = false;
};

using Palette = std::vector<std::uint32_t>;  // opaque 0xFFRRGGBB

bool ReadPalette(Source& in, int bits, Palette& out) {
    out.assign(std::size_t{1} << bits, 0);
    for (std::uint32_t& colour : out) {
        std::uint8_t rgb[3];
        if (!in.Read(rgb, 3)) return false;
        colour =
            0xFF000000U | (std::uint32_t{rgb[0]} << 16) | (std::uint32_t{rgb[1]} << 8) | rgb[2];
    }
    return true;
}

// The LZW decoder of an image's data sub-blocks, one line at a time.
class Lzw {
  public:
    bool Setup(Source& in) {
        std::uint8_t size = 0;
        if (!in.Byte(size) || size > 8) return false;
        bits_ = size;
        clear_ = 1 << size;
        eof_ = clear_ + 1;
        Restart();
        return true;
    }

    bool Line(Source& in, std::uint8_t* line, int length) {
        int i = 0;
        while (stackPtr_ != 0 && i < length) line[i++] = stack_[--stackPtr_];
        while (i < length) {
            int code = 0;
            if (!NextCode(in, code) || code == eof_) return false;
            if (code == clear_) {
                Restart();
                continue;
            }
            if (code < clear_) {
                line[i++] = static_cast<std::uint8_t>(code);
            } else {
                int prefix = code;
                if (prefix_[code] == NoCode) {
                    // The code being defined now: the last string and its own first pixel.
                    prefix = last_;
                    const int first = FirstPixel(code == running_ - 2 ? last_ : code);
                    suffix_[running_ - 2] = static_cast<std::uint8_t>(first);
                    stack_[stackPtr_++] = static_cast<std::uint8_t>(first);
                }
                while (stackPtr_ < MaxCode && prefix > clear_ && prefix <= MaxCode) {
                    stack_[stackPtr_++] = suffix_[prefix];
                    prefix = prefix_[prefix];
                }
                if (stackPtr_ >= MaxCode || prefix > MaxCode) return false;  // a defect
                stack_[stackPtr_++] = static_cast<std::uint8_t>(prefix);
                while (stackPtr_ != 0 && i < length) line[i++] = stack_[--stackPtr_];
            }
            if (last_ != NoCode && running_ - 2 < MaxCode + 1 && prefix_[running_ - 2] == NoCode) {
                prefix_[running_ - 2] = last_;
                suffix_[running_ - 2] =
                    static_cast<std::uint8_t>(FirstPixel(code == running_ - 2 ? last_ : code));
            }
            last_ = code;
        }
        return true;
    }

    // After the last line: the rest of the data up to its terminating empty block.
    static bool SkipRest(Source& in) {
        for (;;) {
            std::uint8_t length = 0;
            if (!in.Byte(length)) return false;
            if (length == 0) return true;
            std::array<std::uint8_t, 255> block{};
            if (!in.Read(block.data(), length)) return false;
        }
    }

  private:
    static constexpr int MaxCode = 4095;
    static constexpr int MaxBits = 12;
    static constexpr int NoCode = 4098;

    void Restart() {
        running_ = eof_ + 1;
        runningBits_ = bits_ + 1;
        maxCode1_ = 1 << runningBits_;
        last_ = NoCode;
        prefix_.fill(NoCode);
    }

    // The pixel a code's string starts with (NoCode on a broken chain).
    int FirstPixel(int code) const {
        for (int k = 0; code > clear_ && k++ <= MaxCode;) {
            if (code > MaxCode) return NoCode;
            code = prefix_[static_cast<std::size_t>(code)];
        }
        return code;
    }

    bool NextByte(Source& in, std::uint8_t& out) {
        if (blockLeft_ == 0) {
            std::uint8_t length = 0;
            if (!in.Byte(length) || length == 0) return false;
            if (!in.Read(block_.data(), length)) return false;
            blockAt_ = 0;
            blockLeft_ = length;
        }
        out = block_[blockAt_++];
        --blockLeft_;
        return true;
    }

    bool NextCode(Source& in, int& code) {
        if (runningBits_ > MaxBits) return false;
        while (shiftState_ < runningBits_) {
            std::uint8_t next = 0;
            if (!NextByte(in, next)) return false;
            shift_ |= std::uint32_t{next} << shiftState_;
            shiftState_ += 8;
        }
        code = static_cast<int>(shift_ & ((1U << runningBits_) - 1));
        shift_ >>= runningBits_;
        shiftState_ -= runningBits_;
        if (running_ < MaxCode + 2 && ++running_ > maxCode1_ && runningBits_ < MaxBits) {
            maxCode1_ <<= 1;
            ++runningBits_;
        }
        return true;
    }

    int bits_ = 0, clear_ = 0, eof_ = 0, running_ = 0, runningBits_ = 0, maxCode1_ = 0;
    int last_ = NoCode;
    std::uint32_t shift_ = 0;
    int shiftState_ = 0;
    std::array<std::uint8_t, 256> block_{};
    std::size_t blockAt_ = 0, blockLeft_ = 0;
    int stackPtr_ = 0;
    std::array<std::uint8_t, MaxCode> stack_{};
    std::array<std::uint8_t, MaxCode + 1> suffix_{};
    std::array<int, MaxCode + 1> prefix_{};
};

}  // namespace

std::vector<int> GifRowOrder(int height, bool interlaced) {
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(std::max(0, height)));
    if (interlaced) {
        static constexpr int Offsets[] = {0, 4, 2, 1};
        static constexpr int Steps[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int row = Offsets[pass]; row < height; row += Steps[pass]) order.push_back(row);
    } else {
        for (int row = 0; row < height; ++row) order.push_back(row);
    }
    return order;
}

Bitmap PlaceGifRows(int width, int height, const std::vector<int>& order,
                    std::vector<std::uint32_t> arrived) {
    Bitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    if (std::is_sorted(order.begin(), order.end())) {  // not interlaced: already in place
        bitmap.pixels = std::move(arrived);
        return bitmap;
    }
    const auto w = static_cast<std::size_t>(width);
    bitmap.pixels.resize(arrived.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        std::copy_n(arrived.begin() + static_cast<std::ptrdiff_t>(k * w), w,
                    bitmap.pixels.begin() +
                        static_cast<std::ptrdiff_t>(order[k]) * static_cast<std::ptrdiff_t>(w));
    return bitmap;
}

std::optional<Bitmap> ReadFirstGifImage(std::string_view head, std::string_view rest) {
    Source in(head, rest);
    std::uint8_t stamp[6];
    if (!in.Read(stamp, 6) || stamp[0] != 'G' || stamp[1] != 'I' || stamp[2] != 'F')
        return std::nullopt;
    int screenWidth = 0, screenHeight = 0;
    std::uint8_t screen[3];
    if (!in.Word(screenWidth) || !in.Word(screenHeight) || !in.Read(screen, 3)) return std::nullopt;
    Palette global;
    if ((screen[0] & 0x80) && !ReadPalette(in, (screen[0] & 0x07) + 1, global)) return std::nullopt;

    int transparent = -1;
    // The records up to the first image; a graphic control extension before it may name
    // a transparent colour.
    for (int records = 0; records < 100000; ++records) {
        std::uint8_t type = 0;
        if (!in.Byte(type)) return std::nullopt;
        if (type == 0x21) {
            std::uint8_t code = 0, length = 0;
            if (!in.Byte(code) || !in.Byte(length)) return std::nullopt;
            bool first = true;
            while (length > 0) {
                std::array<std::uint8_t, 255> block{};
                if (!in.Read(block.data(), length)) return std::nullopt;
                if (first && code == 0xF9 && length >= 4)
                    transparent = (block[0] & 0x01) ? block[3] : -1;
                first = false;
                if (!in.Byte(length)) return std::nullopt;
            }
            continue;
        }
        if (type != 0x2C) return std::nullopt;  // the trailer, or no record at all

        int left = 0, top = 0, width = 0, height = 0;
        std::uint8_t flags = 0;
        if (!in.Word(left) || !in.Word(top) || !in.Word(width) || !in.Word(height) ||
            !in.Byte(flags))
            return std::nullopt;
        Palette local;
        if ((flags & 0x80) && !ReadPalette(in, (flags & 0x07) + 1, local)) return std::nullopt;
        Lzw lzw;
        if (!lzw.Setup(in)) return std::nullopt;
        if (width <= 0 || height <= 0) return std::nullopt;
        // In 64 bits: 65535 x 65535 does not fit a 32-bit long.
        if (std::int64_t{width} * height > MaxGifPixels) return std::nullopt;
        const Palette& map = (flags & 0x80) ? local : global;
        if (map.empty()) return std::nullopt;
        const bool interlaced = (flags & 0x40) != 0;

        const std::vector<int> order = GifRowOrder(height, interlaced);
        std::vector<std::uint8_t> line(static_cast<std::size_t>(width));
        std::vector<std::uint32_t> arrived;
        for (std::size_t k = 0; k < order.size(); ++k) {
            if (!lzw.Line(in, line.data(), width)) return std::nullopt;
            if (k + 1 == order.size() && !Lzw::SkipRest(in)) return std::nullopt;
            for (std::uint8_t index : line)
                arrived.push_back(index == transparent || index >= map.size() ? 0 : map[index]);
        }

        return PlaceGifRows(width, height, order, std::move(arrived));
    }
    return std::nullopt;
}

}  // namespace platform
