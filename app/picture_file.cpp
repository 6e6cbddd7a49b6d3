#include "app/picture_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "app/file_read.h"

namespace plonk {

namespace {

constexpr char kShort[] = "the file is shorter than its header says";
constexpr size_t kBmpHeader = 54;  // the file header and the information header

uint32_t Little_Endian(const std::string& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<size_t>(i)]);
    return v;
}

// What a BMP's headers say of its pixels (of a file at least kBmpHeader long).
struct Bmp_Header {
    uint64_t Offset;        // where the pixels begin
    int64_t Width, Height;  // the height without its sign
    bool Top_Down;          // a negative height: the rows from the top
    uint32_t Bits, Compression;
    uint64_t Row;  // the bytes of a row, a multiple of four
};

Bmp_Header Bmp_Header_Of(const std::string& b) {
    Bmp_Header h{};
    h.Offset = Little_Endian(b, 10, 4);
    h.Width = static_cast<int32_t>(Little_Endian(b, 18, 4));
    const int64_t stated_height = static_cast<int32_t>(Little_Endian(b, 22, 4));
    h.Height = std::llabs(stated_height);
    h.Top_Down = stated_height < 0;
    h.Bits = Little_Endian(b, 28, 2);
    h.Compression = Little_Endian(b, 30, 4);
    h.Row = (static_cast<uint64_t>(std::max<int64_t>(h.Width, 0)) * h.Bits + 31) / 32 * 4;
    return h;
}

// A BMP's pixels end where its header says: after the offset, the rows of the
// width at the bit depth (each a multiple of four bytes), or the stated size of
// compressed pixels.
std::string Bmp_Shortfall(const std::string& head, uint64_t size) {
    if (head.size() < kBmpHeader) return kShort;
    const Bmp_Header h = Bmp_Header_Of(head);
    if (size < h.Offset) return kShort;
    const uint64_t room = size - h.Offset;
    if (h.Compression != 0) return room < Little_Endian(head, 34, 4) ? kShort : "";
    return h.Height > 0 && h.Row > room / static_cast<uint64_t>(h.Height) ? kShort : "";
}

// The most pixels a picture decoded here may have; a larger one is left to the
// general decoder.
constexpr int64_t kMost_Pixels = 16 << 20;

std::optional<Paletted_Picture> Decode_Bmp(const std::string& b) {
    if (b.size() < kBmpHeader || Little_Endian(b, 14, 4) != 40) return std::nullopt;
    const Bmp_Header h = Bmp_Header_Of(b);
    if (Little_Endian(b, 26, 2) != 1 || h.Compression != 0 || h.Width <= 0 || h.Height == 0 ||
        h.Width * h.Height > kMost_Pixels || (h.Bits != 4 && h.Bits != 8 && h.Bits != 24))
        return std::nullopt;
    if (h.Offset > b.size() || h.Row * static_cast<uint64_t>(h.Height) > b.size() - h.Offset)
        return std::nullopt;
    Paletted_Picture p;
    p.Width = static_cast<int>(h.Width);
    p.Height = static_cast<int>(h.Height);
    p.Pixels.resize(static_cast<size_t>(h.Width * h.Height));
    if (h.Bits != 24) {
        // The palette follows the headers: blue, green, red and a spare byte each.
        const uint64_t used = Little_Endian(b, 46, 4);
        const uint64_t entries = used != 0 ? used : uint64_t{1} << h.Bits;
        if (entries > (uint64_t{1} << h.Bits) || kBmpHeader + 4 * entries > h.Offset) return std::nullopt;
        for (uint64_t i = 0; i < entries; ++i)
            p.Colours.push_back(0xFF000000u | Little_Endian(b, kBmpHeader + 4 * i, 3));
    }
    Colour_Numbers numbers(p.Colours);
    const bool every_byte_has_a_colour = p.Colours.size() == (size_t{1} << h.Bits);
    for (int64_t y = 0; y < h.Height; ++y) {
        // Rows are kept from the bottom up unless the stated height is negative.
        const auto* from = reinterpret_cast<const uint8_t*>(b.data()) + h.Offset +
                           h.Row * static_cast<uint64_t>(h.Top_Down ? y : h.Height - 1 - y);
        uint8_t* to = &p.Pixels[static_cast<size_t>(y * h.Width)];
        if (h.Bits == 24) {
            // Neighbours often share a colour, which is then numbered already.
            uint32_t last = 0;
            uint8_t number = 0;
            for (int64_t x = 0; x < h.Width; ++x, from += 3) {
                const uint32_t colour =
                    0xFF000000u | uint32_t{from[2]} << 16 | uint32_t{from[1]} << 8 | from[0];
                if (x == 0 || colour != last) {
                    const std::optional<uint8_t> n = numbers.Of(colour);
                    if (!n) return std::nullopt;
                    number = *n;
                    last = colour;
                }
                to[x] = number;
            }
            continue;
        }
        if (h.Bits == 8) {
            std::copy(from, from + h.Width, to);
        } else {
            // Two pixels a byte, the left one in the high half.
            for (int64_t x = 0; x + 1 < h.Width; x += 2) {
                to[x] = from[x / 2] >> 4;
                to[x + 1] = from[x / 2] & 15;
            }
            if (h.Width % 2 != 0) to[h.Width - 1] = from[h.Width / 2] >> 4;
        }
        if (!every_byte_has_a_colour && *std::max_element(to, to + h.Width) >= p.Colours.size())
            return std::nullopt;
    }
    return p;
}

// The codes of a GIF image's data, read from its sub-blocks lowest bit first.
class Gif_Codes {
public:
    Gif_Codes(const std::string& b, size_t at) : b_(b), block_(at) {}
    // The next code of `width` bits; nothing when the data ends first.
    std::optional<int> Next(int width) {
        while (have_ < width) {
            if (left_ == 0) {
                if (block_ >= b_.size() || b_[block_] == 0) return std::nullopt;
                left_ = static_cast<uint8_t>(b_[block_]);
                at_ = block_ + 1;
                block_ = at_ + left_;
                if (block_ > b_.size()) return std::nullopt;
            }
            bits_ |= static_cast<uint32_t>(static_cast<uint8_t>(b_[at_++])) << have_;
            have_ += 8;
            --left_;
        }
        const int code = static_cast<int>(bits_ & ((1u << width) - 1));
        bits_ >>= width;
        have_ -= width;
        return code;
    }

private:
    const std::string& b_;
    size_t block_, at_ = 0, left_ = 0;
    uint32_t bits_ = 0;
    int have_ = 0;
};

// The LZW data of a GIF image, decoded into exactly `pixels.size()` pixels.
bool Decode_Lzw(const std::string& b, size_t at, int least, std::vector<uint8_t>& pixels) {
    if (least < 2 || least > 8) return false;
    const int clear = 1 << least, end = clear + 1;
    std::array<uint16_t, 4096> prefix{};
    std::array<uint8_t, 4096> suffix{}, string{};
    for (int i = 0; i < clear; ++i) suffix[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
    Gif_Codes codes(b, at);
    int width = least + 1, next = end + 1, previous = -1;
    uint8_t first = 0;
    size_t done = 0;
    while (done < pixels.size()) {
        const std::optional<int> read = codes.Next(width);
        if (!read || *read == end) return false;
        int code = *read;
        if (code == clear) {
            width = least + 1;
            next = end + 1;
            previous = -1;
            continue;
        }
        if (code > next || (previous < 0 && code >= clear)) return false;
        // The code's string, last pixel first; a code not yet known is the previous
        // string and its own first pixel.
        size_t length = 0;
        if (code == next) {
            string[length++] = first;
            code = previous;
        }
        for (; code >= clear; code = prefix[static_cast<size_t>(code)])
            string[length++] = suffix[static_cast<size_t>(code)];
        string[length++] = static_cast<uint8_t>(code);
        first = static_cast<uint8_t>(code);
        for (; length > 0 && done < pixels.size(); ++done) pixels[done] = string[--length];
        if (previous >= 0 && next < 4096) {
            prefix[static_cast<size_t>(next)] = static_cast<uint16_t>(previous);
            suffix[static_cast<size_t>(next)] = first;
            if (++next == 1 << width && width < 12) ++width;
        }
        previous = *read;
    }
    return true;
}

std::optional<Paletted_Picture> Decode_Gif(const std::string& b) {
    if (b.size() < 13 || (b.compare(0, 6, "GIF87a") != 0 && b.compare(0, 6, "GIF89a") != 0))
        return std::nullopt;
    Paletted_Picture p;
    p.Width = static_cast<int>(Little_Endian(b, 6, 2));
    p.Height = static_cast<int>(Little_Endian(b, 8, 2));
    if (p.Width == 0 || p.Height == 0 || int64_t{p.Width} * p.Height > kMost_Pixels) return std::nullopt;
    // A colour table of 2^(n+1) entries of red, green and blue follows when asked for.
    auto table = [&b](size_t at, uint8_t packed, std::vector<uint32_t>& colours) -> size_t {
        if (!(packed & 0x80)) return at;
        const size_t entries = size_t{2} << (packed & 7);
        if (at + 3 * entries > b.size()) return std::string::npos;
        colours.clear();
        for (size_t i = 0; i < entries; ++i) {
            const size_t c = at + 3 * i;
            colours.push_back(0xFF000000u | static_cast<uint32_t>(static_cast<uint8_t>(b[c])) << 16 |
                              static_cast<uint32_t>(static_cast<uint8_t>(b[c + 1])) << 8 |
                              static_cast<uint8_t>(b[c + 2]));
        }
        return at + 3 * entries;
    };
    size_t at = table(13, static_cast<uint8_t>(b[10]), p.Colours);
    int see_through = -1;
    while (at != std::string::npos && at < b.size()) {
        const auto kind = static_cast<uint8_t>(b[at]);
        if (kind == 0x21 && at + 1 < b.size()) {
            // An extension: the graphic control block tells the see-through colour;
            // every extension's sub-blocks are passed over.
            const bool control = static_cast<uint8_t>(b[at + 1]) == 0xF9;
            if (control && at + 6 < b.size() && b[at + 2] == 4 && (b[at + 3] & 1))
                see_through = static_cast<uint8_t>(b[at + 6]);
            for (at += 2; at < b.size() && b[at] != 0; at += 1 + static_cast<uint8_t>(b[at])) {
            }
            ++at;
            continue;
        }
        // The first image, which must fill the screen and not be interlaced.
        if (kind != 0x2C || at + 10 >= b.size() || Little_Endian(b, at + 1, 4) != 0 ||
            Little_Endian(b, at + 5, 2) != static_cast<uint32_t>(p.Width) ||
            Little_Endian(b, at + 7, 2) != static_cast<uint32_t>(p.Height) || (b[at + 9] & 0x40))
            return std::nullopt;
        at = table(at + 10, static_cast<uint8_t>(b[at + 9]), p.Colours);
        if (at == std::string::npos || at >= b.size()) return std::nullopt;
        p.Pixels.resize(static_cast<size_t>(p.Width) * static_cast<size_t>(p.Height));
        if (!Decode_Lzw(b, at + 1, static_cast<uint8_t>(b[at]), p.Pixels)) return std::nullopt;
        if (see_through >= 0 && static_cast<size_t>(see_through) < p.Colours.size())
            p.Colours[static_cast<size_t>(see_through)] &= 0x00FFFFFFu;
        for (uint8_t pixel : p.Pixels)
            if (pixel >= p.Colours.size()) return std::nullopt;
        return p;
    }
    return std::nullopt;
}

}  // namespace

Colour_Numbers::Colour_Numbers(std::vector<uint32_t>& colours) : colours_(colours) { slots_.fill(kFree); }

std::optional<uint8_t> Colour_Numbers::Of(uint32_t colour) {
    for (size_t at = (colour * 2654435761u) >> 22;; at = (at + 1) & (slots_.size() - 1)) {
        if (slots_[at] == kFree) {
            if (colours_.size() == 256) return std::nullopt;
            slots_[at] = static_cast<uint16_t>(colours_.size());
            colours_.push_back(colour);
            return static_cast<uint8_t>(slots_[at]);
        }
        if (colours_[slots_[at]] == colour) return static_cast<uint8_t>(slots_[at]);
    }
}

std::optional<Paletted_Picture> Decode_Paletted(const std::string& bytes) {
    if (bytes.compare(0, 2, "BM") == 0) return Decode_Bmp(bytes);
    return Decode_Gif(bytes);
}

std::string Picture_Shortfall(const std::string& path) {
    const File_Bytes head = Read_Head(path, kBmpHeader);
    if (head.Status != Read_Status::Read) return "";
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return "";
    const uint64_t size = static_cast<uint64_t>(st.st_size);
    if (head.Bytes.compare(0, 2, "BM") == 0) return Bmp_Shortfall(head.Bytes, size);
    if (head.Bytes.compare(0, 4, "GIF8") == 0) {
        const File_Bytes whole = Read_Whole(path, 64 << 20);
        if (whole.Status == Read_Status::Read)
            return whole.Bytes.empty() ? kShort : Picture_Shortfall_In(whole.Bytes);
    }
    return "";
}

std::string Picture_Shortfall_In(const std::string& bytes) {
    if (bytes.compare(0, 2, "BM") == 0) return Bmp_Shortfall(bytes, bytes.size());
    // A GIF ends with its trailer, after every block the header begins.
    if (bytes.compare(0, 4, "GIF8") == 0 && bytes.back() != ';') return kShort;
    return "";
}

}  // namespace plonk
