// The picture decoder on any bytes: a picture it gives has every pixel in its table of
// no more than 256 colours; anything else it leaves to the general decoder, without
// reading past the bytes or running for ever.
#include "app/picture_file.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using plonk::fuzz::Check;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<plonk::Paletted_Picture> p = plonk::Decode_Paletted(bytes);
    if (!p) return 0;
    Check(p->Width > 0 && p->Height > 0, "a picture has pixels");
    Check(p->Pixels.size() == static_cast<size_t>(p->Width) * static_cast<size_t>(p->Height),
          "every pixel given");
    Check(p->Colours.size() <= 256, "no more than 256 colours");
    for (uint8_t pixel : p->Pixels) Check(pixel < p->Colours.size(), "every pixel has its colour");
    return 0;
}
