// Pic_Scherm: the 640 x 480 game screen, painted from the control data. Its
// children are no widgets of their own: each is a picture (or a panel with text)
// drawn at its place, in pixels inside the screen's drawing area. The screen is
// painted at its own size and shown `Zoom` times as large, every pixel a block.
#pragma once

#include <QRegion>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "app/controls.h"
#include "window/odds_overlay.h"
#include "window/picture_cache.h"
#include "window/row_mark.h"

namespace plonk {

class Hoofdvenster;

class Screen_Widget : public QWidget {
public:
    // The drawing area sits inside a two-pixel sunken border.
    static constexpr int kBorder = 2;

    Screen_Widget(Hoofdvenster& machine, Picture_Cache& pictures, std::string folder, QWidget* parent);

    // Shown this many times as large.
    void Set_Zoom(int zoom);
    int Zoom() const { return zoom_; }
    // The topmost visible child under a point of this widget, or nullptr.
    const Control* Control_At(QPoint point) const;
    // What changed since the last call, in the screen's own pixels: the old and new
    // places of every child whose look changed; all of it at the first call.
    QRegion Changed_Region();
    // Repaint only what changed, at once, or when the event loop comes to it.
    void Repaint_Changes();
    void Update_Changes();
    // The picture a control shows: its run-time picture, else its own face.
    const QPixmap& Picture_Of(const Control& c);
    // Follow what the machine reports: the row being paid is marked on the card at
    // once, and stays marked until the player acts again (End_Marks) or a new card is
    // dealt.
    void Follow(const Game_Event& e);
    void End_Marks();
    // Show Odds, drawn over the screen.
    Odds_Overlay& Odds() { return odds_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    // How a child was last shown: enough to tell whether its look changed.
    struct Shown {
        bool Visible = false;
        QRect Place;
        std::string Picture;
        QSize Picture_Size;  // of `Picture`, once it was shown
        bool Sized = false;
        std::vector<Drawn_Line> Lines;
    };
    // The whole screen in its own pixels.
    QRect Own_Rect() const { return QRect(0, 0, width() / zoom_, height() / zoom_); }
    void Paint_Face(QPainter& p, const QRegion& part);
    // Bring what is known of a control's look up to date; true when it changed.
    bool Follow_Look(Shown& s, const Control& c);
    QRect Place_Of(const Control& c);
    QRect Place_Of(const Control& c, QSize picture) const;
    void Paint_Child(QPainter& p, const Control& c);
    void Paint_Panel(QPainter& p, const Control& c);

    Hoofdvenster& m_;
    Picture_Cache& pictures_;
    std::string folder_;
    const Control* self_ = nullptr;
    // The children in painting order: images and labels under picture boxes.
    std::vector<const Control*> children_;
    std::map<std::string, std::vector<const Control*>> labels_;  // a panel's labels
    std::vector<Shown> shown_;                                   // self first, then children_
    Row_Mark mark_;
    Odds_Overlay odds_;
    int zoom_ = 1;
};

}  // namespace plonk
