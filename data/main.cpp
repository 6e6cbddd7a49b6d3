// plonk-assets FOLDER: writes every picture, sound and the zone map into FOLDER.
#include <QImage>
#include <QString>
#include <cstdio>
#include <string>

#include "data/assets.h"

namespace {
void Blank(const std::string& folder, const std::string& name, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::gray);
    img.save(QString::fromStdString(folder + "/" + name));
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: plonk-assets FOLDER\n");
        return 2;
    }
    const std::string f = argv[1];
    Blank(f, "Scherm.bmp", 640, 480);
    Blank(f, "Kracht.bmp", 10, 31);
    for (const char* board : {"GeleScore_", "RodeScore_", "WitteScore_", "GroeneScore_"})
        for (int l = 0; l <= 9; ++l) Blank(f, board + std::to_string(l) + ".bmp", 215, 28);
    for (int d = 0; d <= 9; ++d) Blank(f, "Digit_" + std::to_string(d) + ".bmp", 7, 13);
    Blank(f, "Min.bmp", 5, 5);
    Blank(f, "Plus.bmp", 5, 5);
    for (int n = 1; n <= 25; ++n) {
        std::string nn = std::to_string(n + 100).substr(1);
        for (const char* s : {"-on.gif", "-off.gif", "-on-mid.gif", "-off-mid.gif"}) Blank(f, nn + s, 21, 21);
    }
    if (!plonk::assets::Write_Sounds(f)) {
        std::fprintf(stderr, "plonk-assets: cannot write the sounds into %s\n", f.c_str());
        return 1;
    }
    return 0;
}
