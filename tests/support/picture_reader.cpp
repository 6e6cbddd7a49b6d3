#include "support/picture_reader.h"

#include <gif_lib.h>

#include <fstream>
#include <iterator>

namespace plonk::test {

namespace {

uint32_t Le(const std::vector<unsigned char>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + i];
    return v;
}

}  // namespace

std::vector<unsigned char> Read_Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Read_Bmp(const std::string& path, Picture& picture, std::string& error) {
    const std::vector<unsigned char> b = Read_Bytes(path);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') {
        error = path + ": not a BMP file";
        return false;
    }
    const uint32_t offset = Le(b, 10, 4), header = Le(b, 14, 4);
    const int32_t width = static_cast<int32_t>(Le(b, 18, 4)), height = static_cast<int32_t>(Le(b, 22, 4));
    const int bits = static_cast<int>(Le(b, 28, 2));
    if (Le(b, 30, 4) != 0 || width <= 0 || height <= 0 || (bits != 4 && bits != 24)) {
        error = path + ": not an uncompressed 4- or 24-bit bottom-up BMP";
        return false;
    }
    const size_t row_bytes = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
    if (b.size() < offset + row_bytes * height) {
        error = path + ": pixel data cut short";
        return false;
    }
    picture.Width = width;
    picture.Height = height;
    picture.Pixels.assign(static_cast<size_t>(width) * height, 0);
    const size_t palette = 14 + header;
    for (int y = 0; y < height; ++y) {
        const size_t row = offset + row_bytes * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            uint32_t rgb;
            if (bits == 24) {
                rgb = Le(b, row + 3 * x, 3);
            } else {
                const unsigned char pair = b[row + x / 2];
                const int index = x % 2 == 0 ? pair >> 4 : pair & 15;
                rgb = Le(b, palette + 4 * index, 3);
            }
            picture.Pixels[static_cast<size_t>(y) * width + x] = 0xFF000000u | rgb;
        }
    }
    return true;
}

bool Read_Gif(const std::string& path, Picture& picture, std::string& error) {
    int code = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &code);
    if (!gif) {
        error = path + ": " + GifErrorString(code);
        return false;
    }
    bool ok = DGifSlurp(gif) == GIF_OK && gif->ImageCount >= 1;
    if (ok) {
        const SavedImage& image = gif->SavedImages[0];
        const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        GraphicsControlBlock block{};
        block.TransparentColor = NO_TRANSPARENT_COLOR;
        DGifSavedExtensionToGCB(gif, 0, &block);
        picture.Width = gif->SWidth;
        picture.Height = gif->SHeight;
        picture.Pixels.assign(static_cast<size_t>(picture.Width) * picture.Height, 0);
        const GifImageDesc& d = image.ImageDesc;
        for (int y = 0; y < d.Height; ++y)
            for (int x = 0; x < d.Width; ++x) {
                const int index = image.RasterBits[static_cast<size_t>(y) * d.Width + x];
                if (index == block.TransparentColor || !map || index >= map->ColorCount) continue;
                const GifColorType& c = map->Colors[index];
                picture.Pixels[static_cast<size_t>(y + d.Top) * picture.Width + x + d.Left] =
                    0xFF000000u | (uint32_t{c.Red} << 16) | (uint32_t{c.Green} << 8) | c.Blue;
            }
    } else {
        error = path + ": cannot decode the GIF";
    }
    DGifCloseFile(gif, &code);
    return ok;
}

bool Read_Picture(const std::string& path, Picture& picture, std::string& error) {
    if (path.size() > 4 && path.compare(path.size() - 4, 4, ".gif") == 0)
        return Read_Gif(path, picture, error);
    return Read_Bmp(path, picture, error);
}

double Brightness(uint32_t rgb) {
    return 0.299 * ((rgb >> 16) & 255) + 0.587 * ((rgb >> 8) & 255) + 0.114 * (rgb & 255);
}

double Mean_Brightness(const Picture& picture) {
    double sum = 0;
    int count = 0;
    for (uint32_t p : picture.Pixels)
        if (p >> 24) {
            sum += Brightness(p);
            ++count;
        }
    return count ? sum / count : 0;
}

}  // namespace plonk::test
