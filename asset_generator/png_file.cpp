#include "asset_generator/png_file.h"

#include <zlib.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

namespace plonk::assets {

namespace {

using Bytes = std::vector<unsigned char>;

void Put32(Bytes& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(v >> shift));
}

// A chunk: its length, its type and data, and the CRC of those two.
void Chunk(Bytes& out, const char* type, const Bytes& data) {
    Put32(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    Put32(out, static_cast<uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

}  // namespace

bool Save_Png(const Canvas& picture, const std::string& path) {
    // 1. The rows, each behind filter byte 0, as red, green, blue and alpha.
    Bytes raw;
    raw.reserve(static_cast<size_t>(picture.Height()) * (1 + 4 * static_cast<size_t>(picture.Width())));
    for (int y = 0; y < picture.Height(); ++y) {
        raw.push_back(0);
        for (int x = 0; x < picture.Width(); ++x) {
            const Colour c = picture.Get(x, y);
            for (int shift : {16, 8, 0, 24}) raw.push_back(static_cast<unsigned char>(c >> shift));
        }
    }
    // 2. The rows compressed into one zlib stream.
    uLongf packed_size = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(packed_size);
    if (compress2(packed.data(), &packed_size, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK) {
        std::fprintf(stderr, "plonk-assets: %s: the picture could not be compressed\n", path.c_str());
        return false;
    }
    packed.resize(packed_size);
    // 3. Signature, header (8 bits a channel, colour type 6: RGBA), data and end.
    Bytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    Put32(header, static_cast<uint32_t>(picture.Width()));
    Put32(header, static_cast<uint32_t>(picture.Height()));
    header.insert(header.end(), {8, 6, 0, 0, 0});
    Chunk(file, "IHDR", header);
    Chunk(file, "IDAT", packed);
    Chunk(file, "IEND", {});
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "plonk-assets: %s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    return true;
}

}  // namespace plonk::assets
