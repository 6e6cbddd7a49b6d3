#include "window/odds_overlay.h"

#include <QPainter>
#include <cmath>

#include "machine/hoofdvenster.h"

namespace plonk {

namespace {

constexpr int kHole = 15;  // a hole's box, as the tips' markers stand over it
constexpr int kLegend_X = 6, kLegend_Y = 452;
constexpr int kMark_Width = 5;  // the best speed's mark, left of the indicator

QColor Shade(double chance) { return QColor(255, 40, 0, Odds_Overlay::Alpha_Of(chance)); }

}  // namespace

Odds_Overlay::Odds_Overlay() = default;
Odds_Overlay::~Odds_Overlay() = default;

int Odds_Overlay::Alpha_Of(double chance) {
    // A hole no shot reaches stays clear; a quarter of the shots or more is full red.
    return chance <= 0 ? 0 : 60 + static_cast<int>(std::lround(195 * std::min(1.0, chance * 4)));
}

Odds_Overlay::Key Odds_Overlay::Key_Of(const Hoofdvenster& m) {
    return {Taken_Holes(m), m.Start_Speed, m.Balls_Played, m.Game_Won,
            m.Yellow_Level + 10 * m.Red_Level + 100 * m.White_Level + 1000 * m.Green_Level};
}

const Next_Ball* Odds_Overlay::Advice(const Hoofdvenster& m) {
    if (!tried_) {
        tried_ = true;
        std::string why;
        flights_ = Read_Or_Make_Flight_Table(m.App_Folder + Flight_Table_File, m, 2, &why);
    }
    if (!flights_) return nullptr;
    const Key key = Key_Of(m);
    if (advised_ != key) {
        // The board is hashed whole, so only when the advice is worked out again.
        if (!flights_->Fits(m)) return nullptr;
        advice_ = Next_Ball_Advice(m, *flights_);
        advised_ = key;
    }
    return &advice_;
}

bool Odds_Overlay::Changed(const Hoofdvenster& m) { return on_ && painted_ != Key_Of(m); }

QRegion Odds_Overlay::Region(const Hoofdvenster& m) const {
    QRegion r;
    for (int hole = 1; hole <= 25; ++hole)
        r += QRect(m.Hole_X(hole) - 2, m.Hole_Y(hole) - 2, kHole + 4, kHole + 4);
    r += QRect(kLegend_X, kLegend_Y, 260, 24);
    r += QRect(m.Pic_Kracht.Left - kMark_Width - 1, m.Pic_Kracht.Top - 2, kMark_Width + 1,
               m.Pic_Kracht.Height + 4);
    return r;
}

void Odds_Overlay::Paint(QPainter& p, const Hoofdvenster& m) {
    painted_ = Key_Of(m);
    // Off, the table of every flight is neither read nor made, and no frame pays for it.
    if (!on_) return;
    const Next_Ball* n = Advice(m);
    if (!n) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    // 1. Every unlit hole, shaded by its chance at the speed now.
    const Speed_Odds& now =
        n->At(std::clamp<int>(m.Start_Speed, App_Part::Start_Speed_Min, App_Part::Start_Speed_Max));
    p.setPen(Qt::NoPen);
    for (int hole = 1; hole <= 25; ++hole) {
        if (m.Hole_State(hole) != 0) continue;
        p.setBrush(Shade(now.Hole[hole] / double{Shots_Per_Speed}));
        p.drawEllipse(QRect(m.Hole_X(hole), m.Hole_Y(hole), kHole, kHole));
    }
    // 2. The legend: the scale, and the drain's chance.
    const QRect legend(kLegend_X, kLegend_Y, 260, 24);
    p.fillRect(legend, QColor(0, 0, 0, 200));
    for (int i = 0; i <= 10; ++i)
        p.fillRect(QRect(legend.left() + 4 + 8 * i, legend.top() + 4, 8, 8), Shade(i / 40.0));
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(9);
    p.setFont(font);
    p.drawText(QRect(legend.left() + 4, legend.top() + 13, 100, 10), Qt::AlignLeft, "0%            25%");
    p.drawText(QRect(legend.left() + 100, legend.top() + 2, 156, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QString("Drain %1%  Best speed %2")
                   .arg(100.0 * now.Drain / Shots_Per_Speed, 0, 'f', 1)
                   .arg(n->Best_Speed));
    // 3. The best start speed, beside the start-speed indicator at its row.
    const int row = (n->Best_Speed - App_Part::Start_Speed_Min) / 2;
    const int y = m.Pic_Kracht.Top + 30 - row;
    p.fillRect(QRect(m.Pic_Kracht.Left - kMark_Width - 1, y - 1, kMark_Width, 3), QColor(255, 255, 0));
    p.restore();
}

std::string Odds_Overlay::Tip_At(const Hoofdvenster& m, int x, int y) {
    const Next_Ball* n = on_ ? Advice(m) : nullptr;
    if (!n) return "";
    const Speed_Odds& now =
        n->At(std::clamp<int>(m.Start_Speed, App_Part::Start_Speed_Min, App_Part::Start_Speed_Max));
    for (int hole = 1; hole <= 25; ++hole) {
        if (x < m.Hole_X(hole) || x >= m.Hole_X(hole) + kHole || y < m.Hole_Y(hole) ||
            y >= m.Hole_Y(hole) + kHole)
            continue;
        char text[160];
        std::snprintf(text, sizeof text,
                      "Hole %d: %.1f%% of the shots at start speed %d (drain %.1f%%), without the space bar",
                      hole, 100.0 * now.Hole[hole] / Shots_Per_Speed, static_cast<int>(m.Start_Speed),
                      100.0 * now.Drain / Shots_Per_Speed);
        return text;
    }
    return "";
}

}  // namespace plonk
