#include "window/screen_widget.h"

#include <QtWidgets/qdrawutil.h>

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "machine/face_tips.h"
#include "machine/hoofdvenster.h"
#include "window/drawn_lines.h"
#include "window/pixel_zoom.h"

namespace plonk {

namespace {
const char* const kScherm = "Pic_Scherm";
const QColor kPanel_Grey(0xC0, 0xC0, 0xC0);

// Images and labels are drawn straight onto their container, so every picture
// box lies over them whatever the order of the two.
bool Windowless(const Control& c) { return c.Kind == Control_Kind::Image || c.Kind == Control_Kind::Label; }
}  // namespace

Screen_Widget::Screen_Widget(Hoofdvenster& machine, Picture_Cache& pictures, std::string folder,
                             QWidget* parent)
    : QWidget(parent), m_(machine), pictures_(pictures), folder_(std::move(folder)) {
    setObjectName(kScherm);
    setAttribute(Qt::WA_OpaquePaintEvent);
    self_ = m_.Find_Control(kScherm);
    for (int pass = 0; pass < 2; ++pass)
        for (const Control* c : m_.All_Controls())
            if (c->Container == kScherm && Windowless(*c) == (pass == 0)) children_.push_back(c);
    for (const Control* c : m_.All_Controls())
        if (!c->Container.empty() && c->Container != kScherm && c->Kind == Control_Kind::Label)
            labels_[c->Container].push_back(c);
}

const QPixmap& Screen_Widget::Picture_Of(const Control& c) {
    static const QPixmap none;
    if (!c.Picture.empty()) return pictures_.Get(c.Picture);
    if (!c.Face.empty()) return pictures_.Get(folder_ + c.Face);
    return none;
}

QRect Screen_Widget::Place_Of(const Control& c, QSize picture) const {
    // An image takes the size of its picture; a picture box clips it to its own.
    QRect place(c.Left + kBorder, c.Top + kBorder, c.Width, c.Height);
    if (c.Kind == Control_Kind::Image && !picture.isEmpty())
        place = place.united(QRect(place.topLeft(), picture));
    return place;
}

QRect Screen_Widget::Place_Of(const Control& c) {
    return Place_Of(c, c.Kind == Control_Kind::Image ? Picture_Of(c).size() : QSize());
}

void Screen_Widget::Set_Zoom(int zoom) {
    zoom_ = zoom;
    update();
}

const Control* Screen_Widget::Control_At(QPoint widget_point) const {
    const QPoint point(widget_point.x() / zoom_, widget_point.y() / zoom_);
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        const Control& c = **it;
        if (c.Visible && QRect(c.Left + kBorder, c.Top + kBorder, c.Width, c.Height).contains(point))
            return &c;
    }
    return nullptr;
}

bool Screen_Widget::Follow_Look(Shown& s, const Control& c) {
    // The picture is looked at only once the control is on show, and again only when
    // it shows another one: a hidden control's picture need not be loaded.
    const std::string& picture = c.Picture.empty() ? c.Face : c.Picture;
    bool changed = false;
    if (s.Picture != picture) {
        s.Picture = picture;
        s.Sized = false;
        changed = true;
    }
    if (c.Visible && !s.Sized && c.Kind == Control_Kind::Image) {
        s.Picture_Size = Picture_Of(c).size();
        s.Sized = true;
    }
    const QRect place = &c == self_ ? Own_Rect() : Place_Of(c, s.Sized ? s.Picture_Size : QSize());
    if (!changed && s.Visible == c.Visible && s.Place == place && s.Lines == c.Lines) return false;
    s.Visible = c.Visible;
    s.Place = place;
    s.Lines = c.Lines;
    return true;
}

QRegion Screen_Widget::Changed_Region() {
    // The screen itself first, then its children; all of it at the first call, or
    // when the screen itself changed.
    const bool first = shown_.empty();
    if (first) shown_.resize(children_.size() + 1);
    const bool whole = Follow_Look(shown_[0], *self_) || first;
    QRegion changed;
    for (size_t i = 1; i < shown_.size(); ++i) {
        Shown& s = shown_[i];
        const bool was_visible = s.Visible;
        const QRect was = s.Place;
        if (!Follow_Look(s, *children_[i - 1]) || whole) continue;
        if (was_visible) changed += was;
        if (s.Visible) changed += s.Place;
    }
    if (whole) changed = QRegion(Own_Rect());
    // The odds follow the holes and the start speed at once.
    if (odds_.Changed(m_)) changed += odds_.Region(m_).translated(kBorder, kBorder);
    return changed;
}

void Screen_Widget::Update_Changes() {
    const QRegion changed = Changed_Region();
    if (!changed.isEmpty()) update(Widget_Part(changed, zoom_));
}

void Screen_Widget::Repaint_Changes() {
    const QRegion changed = Changed_Region();
    if (!changed.isEmpty()) repaint(Widget_Part(changed, zoom_));
}

void Screen_Widget::paintEvent(QPaintEvent* event) {
    // At the screen's own size, on a display of one pixel to the pixel, it is painted
    // where it is shown; else the part to be shown is painted at its own size first,
    // then shown enlarged, every pixel a block.
    if (zoom_ == 1 && devicePixelRatio() == 1.0) {
        QPainter p(this);
        Paint_Face(p, event->region());
        return;
    }
    // In bands of some 64 kB, so no large picture is kept for it.
    const QRegion part = Face_Part(event->region(), zoom_) & Own_Rect();
    const QRect bounds = part.boundingRect();
    const int rows = std::max(1, 16384 / std::max(1, bounds.width()));
    QPainter p(this);
    for (int top = bounds.top(); top <= bounds.bottom(); top += rows) {
        const QRect band(bounds.left(), top, bounds.width(), std::min(rows, bounds.bottom() + 1 - top));
        const QRegion band_part = part & band;
        if (band_part.isEmpty()) continue;
        QImage face(band.size(), QImage::Format_RGB32);
        {
            QPainter face_painter(&face);
            face_painter.translate(-band.topLeft());
            Paint_Face(face_painter, band_part);
        }
        Show_Enlarged(p, face, band_part, zoom_, band.topLeft());
    }
}

void Screen_Widget::Paint_Face(QPainter& p, const QRegion& part) {
    const QRect own = Own_Rect();
    const QRect area(kBorder, kBorder, own.width() - 2 * kBorder, own.height() - 2 * kBorder);
    // The sunken border, when the part reaches it.
    if (!QRegion(own).subtracted(area).intersected(part).isEmpty()) {
        p.save();
        p.setClipRegion(part);
        qDrawWinPanel(&p, own, palette(), true);
        p.restore();
    }
    p.setClipRegion(part.intersected(area));

    // 1. The background, then the lines drawn on the screen itself.
    p.fillRect(area, Qt::black);
    const QPixmap& back = Picture_Of(*self_);
    if (!back.isNull()) p.drawPixmap(area.topLeft(), back);
    p.save();
    p.translate(area.topLeft());
    Paint_Lines(p, self_->Lines);
    p.restore();

    // 2. Every visible child at its place, with the lines drawn on it.
    for (const Control* c : children_) {
        if (!c->Visible) continue;
        const QRect place = Place_Of(*c);
        if (!part.intersects(place)) continue;
        Paint_Child(p, *c);
    }

    // 3. The row being paid, over the card.
    p.translate(area.topLeft());
    mark_.Paint(p, m_);
    // 4. The odds of the next ball, when shown.
    odds_.Paint(p, m_);
}

void Screen_Widget::Follow(const Game_Event& e) {
    QRegion changed = mark_.Region(m_);
    if (!mark_.Follow(e)) return;
    changed += mark_.Region(m_);
    repaint(Widget_Part(changed.translated(kBorder, kBorder), zoom_));
}

void Screen_Widget::End_Marks() {
    const QRegion marked = mark_.Region(m_);
    if (marked.isEmpty()) return;
    mark_.Clear();
    repaint(Widget_Part(marked.translated(kBorder, kBorder), zoom_));
}

void Screen_Widget::Paint_Child(QPainter& p, const Control& c) {
    p.save();
    const QPoint origin(c.Left + kBorder, c.Top + kBorder);
    if (c.Kind != Control_Kind::Image)
        p.setClipRect(QRect(origin, QSize(c.Width, c.Height)), Qt::IntersectClip);
    if (labels_.count(c.Name)) {
        Paint_Panel(p, c);
    } else {
        const QPixmap& pic = Picture_Of(c);
        if (!pic.isNull()) p.drawPixmap(origin, pic);
    }
    p.translate(origin);
    Paint_Lines(p, c.Lines);
    p.restore();
}

void Screen_Widget::Paint_Panel(QPainter& p, const Control& c) {
    // A grey panel with a raised border and its labels' text (the tip calculation's
    // "one moment" notice).
    const QRect box(c.Left + kBorder, c.Top + kBorder, c.Width, c.Height);
    qDrawWinPanel(&p, box, palette(), false, nullptr);
    p.fillRect(box.adjusted(2, 2, -2, -2), kPanel_Grey);
    p.setPen(Qt::black);
    // The window's font grows with the zoom; the screen is painted at its own size.
    QFont own = font();
    if (own.pixelSize() > 0) own.setPixelSize(std::max(1, own.pixelSize() / zoom_));
    p.setFont(own);
    for (const Control* label : labels_[c.Name]) {
        if (!label->Visible) continue;
        const QRect text_box(box.left() + label->Left, box.top() + label->Top, label->Width, label->Height);
        p.drawText(text_box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                   QString::fromStdString(label->Caption));
    }
}

bool Screen_Widget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QPoint at(help->pos().x() / zoom_, help->pos().y() / zoom_);
        Screen_Tip tip = Lamp_Tip_At(m_, at.x() - kBorder, at.y() - kBorder);
        if (tip.Text.empty()) tip = Screen_Tip_At(children_, at.x() - kBorder, at.y() - kBorder);
        // Over a hole with the odds shown, the hole's chance.
        if (std::string odds = odds_.Tip_At(m_, at.x() - kBorder, at.y() - kBorder); !odds.empty())
            tip = {odds, at.x() - kBorder, at.y() - kBorder, 1, 1};
        if (!tip.Text.empty()) {
            const QRect place =
                Widget_Part(QRect(tip.Left + kBorder, tip.Top + kBorder, tip.Width, tip.Height), zoom_);
            QToolTip::showText(help->globalPos(), QString::fromStdString(tip.Text), this, place);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

}  // namespace plonk
