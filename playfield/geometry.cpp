// Playfield geometry: the zone map, the holes, the pin and spring tables.
#include "app/file_read.h"
#include "playfield/board_layout.h"
#include "playfield/playfield_part.h"

namespace plonk {

void Playfield_Part::Init_Veld() {
    // 1. Read the map: only its headers and pixels, and only from a regular file. A
    //    map that cannot be read (missing, a folder, a FIFO, a device) leaves the
    //    zones as they are.
    constexpr size_t pixels_at = 118, row_bytes = 160, pairs = row_bytes / 2;
    static_assert(4 * pairs == board::Field_Width);
    const File_Bytes map = Read_Head(App_Folder + "Veld.bmp", pixels_at + row_bytes * board::Field_Height);
    Map_Missing =
        map.Status != Read_Status::Read || map.Bytes.size() < pixels_at + row_bytes * board::Field_Height;
    if (map.Status != Read_Status::Read) return;
    const std::string& file = map.Bytes;
    // 2..3. Two bytes at a time, four pixels: stored row r is map row 479 - r, the
    // left pixel of each byte in its high nibble. A short file ends the loading at
    // the first pair it no longer holds.
    // (The row is written through a pointer: its bounds are those of the loops.)
    for (int r = 0; r < board::Field_Height; ++r) {
        Byte* row = &Zone_Map(0, board::Field_Height - 1 - r);
        for (size_t c = 0; c < pairs; ++c) {
            const size_t at = pixels_at + row_bytes * r + 2 * c;
            if (at + 1 >= file.size()) return;
            const auto b0 = static_cast<unsigned char>(file[at]),
                       b1 = static_cast<unsigned char>(file[at + 1]);
            Byte* pixel = row + 4 * c;
            pixel[0] = static_cast<Byte>(b0 >> 4);
            pixel[1] = static_cast<Byte>(b0 & 15);
            pixel[2] = static_cast<Byte>(b1 >> 4);
            pixel[3] = static_cast<Byte>(b1 & 15);
        }
    }
}

void Playfield_Part::Init_Hole_XY() {
    for (int n = 1; n <= board::Hole_Count; ++n) {
        Hole_X(n) = To_Integer(board::Hole_Corner[n - 1].X);
        Hole_Y(n) = To_Integer(board::Hole_Corner[n - 1].Y);
    }
}

void Playfield_Part::Init_Tap_XY() {
    for (auto& a : Pin_Angle.v) a = 0;
    for (const auto& e : board::Pin_Ring) Pin_Angle(e.I, e.J) = e.Angle;
}

void Playfield_Part::Init_Veer_XY() {
    for (auto& a : Left_Spring_Angle.v) a = 0;
    for (auto& a : Right_Spring_Angle.v) a = 0;
    for (const auto& e : board::Left_Spring_Ring) Left_Spring_Angle(e.I, e.J) = e.Angle;
    for (const auto& e : board::Right_Spring_Ring) Right_Spring_Angle(e.I, e.J) = e.Angle;
}

void Playfield_Part::Init_Holes() {
    for (auto& s : Hole_State) s = 0;
}

}  // namespace plonk
