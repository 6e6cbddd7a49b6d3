#include "app/picture_file.h"

#include <sys/stat.h>

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

// A BMP's pixels end where its header says: after the offset, the rows of the
// width at the bit depth (each a multiple of four bytes), or the stated size of
// compressed pixels.
std::string Bmp_Shortfall(const std::string& head, uint64_t size) {
    if (head.size() < kBmpHeader) return kShort;
    const uint64_t offset = Little_Endian(head, 10, 4);
    const int64_t width = static_cast<int32_t>(Little_Endian(head, 18, 4));
    const int64_t height = std::llabs(static_cast<int32_t>(Little_Endian(head, 22, 4)));
    const uint64_t bits = Little_Endian(head, 28, 2), compression = Little_Endian(head, 30, 4);
    if (size < offset) return kShort;
    const uint64_t room = size - offset;
    if (compression != 0) return room < Little_Endian(head, 34, 4) ? kShort : "";
    const uint64_t row = (static_cast<uint64_t>(width < 0 ? 0 : width) * bits + 31) / 32 * 4;
    return height > 0 && row > room / static_cast<uint64_t>(height) ? kShort : "";
}

}  // namespace

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
