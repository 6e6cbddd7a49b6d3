// A game button: a small raised button that shows only its face picture.
#pragma once

#include <QToolButton>

namespace plonk {

class Face_Button : public QToolButton {
public:
    explicit Face_Button(QWidget* parent);

    // Shown this many times as large, every pixel a block.
    void Set_Zoom(int zoom);

protected:
    // Drawn like the classic graphical button: a bevel, the picture in the middle,
    // pushed one pixel down and right while pressed, greyed while disabled.
    void paintEvent(QPaintEvent* event) override;

private:
    void Paint_Face(QPainter& p, const QRect& own);

    int zoom_ = 1;
};

}  // namespace plonk
