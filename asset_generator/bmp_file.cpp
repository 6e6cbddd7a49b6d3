#include "asset_generator/bmp_file.h"

#include <cstdio>
#include <fstream>
#include <vector>

namespace plonk::assets {

namespace {

void Put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// The two headers, for `bits` per pixel and `colours` palette entries.
std::vector<uint8_t> Headers(const Bmp_Layout& l, int bits, int colours, uint32_t row_bytes) {
    const uint32_t offset = 14 + 40 + 4 * static_cast<uint32_t>(colours);
    const uint32_t image = row_bytes * static_cast<uint32_t>(l.Height);
    std::vector<uint8_t> b;
    b.reserve(offset + image);
    // 1. The file header: "BM", the file's size, two reserved words, the pixels' offset.
    b.push_back('B');
    b.push_back('M');
    Put32(b, offset + image);
    Put32(b, 0);
    Put32(b, offset);
    // 2. The information header: size, width, height (positive: bottom row first),
    //    one plane, the bits per pixel, no compression, the image's size, the
    //    resolution, and the palette entries used and important.
    Put32(b, 40);
    Put32(b, static_cast<uint32_t>(l.Width));
    Put32(b, static_cast<uint32_t>(l.Height));
    Put16(b, 1);
    Put16(b, static_cast<uint32_t>(bits));
    Put32(b, 0);
    Put32(b, image);
    Put32(b, static_cast<uint32_t>(l.Dots_Per_Meter));
    Put32(b, static_cast<uint32_t>(l.Dots_Per_Meter));
    Put32(b, static_cast<uint32_t>(colours));
    Put32(b, static_cast<uint32_t>(colours));
    return b;
}

uint32_t Row_Bytes(int width, int bits) { return (static_cast<uint32_t>(width) * bits + 31) / 32 * 4; }

bool Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out) return true;
    std::fprintf(stderr, "plonk-assets: cannot write %s\n", path.c_str());
    return false;
}

}  // namespace

static std::vector<uint8_t> Bmp24_Bytes(const Bmp_Layout& layout,
                                        const std::function<uint32_t(int, int)>& rgb) {
    const uint32_t row = Row_Bytes(layout.Width, 24);
    std::vector<uint8_t> b = Headers(layout, 24, 0, row);
    for (int y = layout.Height - 1; y >= 0; --y) {
        const size_t start = b.size();
        for (int x = 0; x < layout.Width; ++x) {
            const uint32_t c = rgb(x, y);
            b.push_back(static_cast<uint8_t>(c));
            b.push_back(static_cast<uint8_t>(c >> 8));
            b.push_back(static_cast<uint8_t>(c >> 16));
        }
        b.resize(start + row, 0);
    }
    return b;
}

static std::vector<uint8_t> Bmp4_Bytes(const Bmp_Layout& layout, const uint32_t (&palette)[16],
                                       const std::function<int(int, int)>& index) {
    const uint32_t row = Row_Bytes(layout.Width, 4);
    std::vector<uint8_t> b = Headers(layout, 4, 16, row);
    for (uint32_t c : palette) Put32(b, c & 0xFFFFFF);  // blue, green, red, 0
    for (int y = layout.Height - 1; y >= 0; --y) {
        const size_t start = b.size();
        for (int x = 0; x < layout.Width; x += 2) {
            const int left = index(x, y) & 15;
            const int right = x + 1 < layout.Width ? index(x + 1, y) & 15 : 0;
            b.push_back(static_cast<uint8_t>(left << 4 | right));
        }
        b.resize(start + row, 0);
    }
    return b;
}

bool Write_Bmp24(const std::string& path, const Bmp_Layout& layout,
                 const std::function<uint32_t(int, int)>& rgb) {
    return Write(path, Bmp24_Bytes(layout, rgb));
}

bool Write_Bmp4(const std::string& path, const Bmp_Layout& layout, const uint32_t (&palette)[16],
                const std::function<int(int, int)>& index) {
    return Write(path, Bmp4_Bytes(layout, palette, index));
}

}  // namespace plonk::assets
