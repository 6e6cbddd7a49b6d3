#include "asset_generator/picture_files.h"

#include <fcntl.h>
#include <gif_lib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "asset_generator/art.h"
#include "asset_generator/bmp_file.h"

namespace plonk::assets {

std::string In_Folder(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

bool Save_Bmp(const Canvas& picture, const std::string& path) {
    return Write_Bmp24(path, {picture.Width(), picture.Height()},
                       [&](int x, int y) { return picture.Get(x, y) & 0xFFFFFFu; });
}

bool Save_Bmp16(const Canvas& picture, const std::string& path) {
    std::map<Colour, int> number;
    uint32_t palette[16];
    for (int n = 0; n < 16; ++n) {
        number[Qb(n)] = n;
        palette[n] = Qb(n);
    }
    // 1. Every pixel must be one of the 16 colours.
    std::vector<int> indices(picture.Pixels().size());
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            auto it = number.find(picture.Get(x, y) | 0xFF000000u);
            if (it == number.end()) {
                std::fprintf(stderr, "plonk-assets: %s: pixel (%d, %d) is not one of the 16 colours\n",
                             path.c_str(), x, y);
                return false;
            }
            indices[static_cast<size_t>(x + picture.Width() * y)] = it->second;
        }
    // 2. The file, with the colour numbers as palette entries.
    return Write_Bmp4(path, {picture.Width(), picture.Height()}, palette,
                      [&](int x, int y) { return indices[static_cast<size_t>(x + picture.Width() * y)]; });
}

bool Save_Gif(const Canvas& picture, const std::string& path) {
    // 1. The palette: entry 0 is transparent when the picture has transparent
    //    pixels; then the colours in the order they first appear.
    const bool clear =
        std::find(picture.Pixels().begin(), picture.Pixels().end(), Transparent) != picture.Pixels().end();
    std::vector<Colour> colours;
    if (clear) colours.push_back(Transparent);
    std::map<Colour, int> index;
    if (clear) index[Transparent] = 0;
    std::vector<GifPixelType> raster;
    raster.reserve(picture.Pixels().size());
    for (Colour c : picture.Pixels()) {
        const Colour key = c == Transparent ? Transparent : (c | 0xFF000000u);
        auto it = index.find(key);
        if (it == index.end()) {
            it = index.emplace(key, static_cast<int>(colours.size())).first;
            colours.push_back(key);
        }
        raster.push_back(static_cast<GifPixelType>(it->second));
    }
    if (colours.size() > 256) {
        std::fprintf(stderr, "plonk-assets: %s: more than 256 colours\n", path.c_str());
        return false;
    }
    int bits = 1;
    while ((1u << bits) < colours.size()) ++bits;
    std::vector<GifColorType> entries(1u << bits, GifColorType{0, 0, 0});
    for (size_t i = 0; i < colours.size(); ++i)
        entries[i] =
            GifColorType{static_cast<GifByteType>(colours[i] >> 16),
                         static_cast<GifByteType>(colours[i] >> 8), static_cast<GifByteType>(colours[i])};

    // 2. The file: screen, the transparency block when needed, one image. It is made
    //    here anew, readable by all as the umask allows (giflib would make it
    //    private, and an old file would keep its mode).
    int error = E_GIF_ERR_OPEN_FAILED;
    ::unlink(path.c_str());
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    GifFileType* gif = fd >= 0 ? EGifOpenFileHandle(fd, &error) : nullptr;
    if (!gif) {
        if (fd >= 0) ::close(fd);
        std::fprintf(stderr, "plonk-assets: cannot write %s: %s\n", path.c_str(), GifErrorString(error));
        return false;
    }
    EGifSetGifVersion(gif, clear);
    ColorMapObject* map = GifMakeMapObject(1 << bits, entries.data());
    bool ok = map && EGifPutScreenDesc(gif, picture.Width(), picture.Height(), bits, 0, map) == GIF_OK;
    if (ok && clear) {
        GraphicsControlBlock block{};
        block.DisposalMode = DISPOSAL_UNSPECIFIED;
        block.TransparentColor = 0;
        GifByteType bytes[4];
        EGifGCBToExtension(&block, bytes);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, bytes) == GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, 0, 0, picture.Width(), picture.Height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < picture.Height(); ++y)
        ok = EGifPutLine(gif, raster.data() + static_cast<size_t>(y) * picture.Width(), picture.Width()) ==
             GIF_OK;
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) != GIF_OK) ok = false;
    if (!ok) std::fprintf(stderr, "plonk-assets: cannot write %s\n", path.c_str());
    return ok;
}

}  // namespace plonk::assets
