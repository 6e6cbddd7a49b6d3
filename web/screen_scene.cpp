#include "web/screen_scene.h"

#include <algorithm>

#include "machine/hoofdvenster.h"

namespace plonk {

namespace {

constexpr uint32_t kPanel_Grey = 0xC0C0C0;

// Images and labels are drawn straight onto their container, so every picture box
// lies over them whatever the order of the two.
bool Windowless(const Control& c) { return c.Kind == Control_Kind::Image || c.Kind == Control_Kind::Label; }

Box Frame_Place(const Frame_Box& f) {
    return {f.Left + Screen_Scene::kBorder, f.Top + Screen_Scene::kBorder, f.Width, f.Height};
}

}  // namespace

Screen_Scene::Screen_Scene(const Hoofdvenster& m) : m_(m), self_(m.Pic_Scherm) {
    for (const bool windowless : {true, false})
        for (const Control* c : m.All_Controls())
            if (c->Container == self_.Name && Windowless(*c) == windowless) children_.push_back(c);
    for (const Control* c : m.All_Controls())
        if (!c->Container.empty() && c->Container != self_.Name && c->Kind == Control_Kind::Label)
            labels_[c->Container].push_back(c);
}

std::string Screen_Scene::Picture_Of(const Control& c) const {
    if (!c.Picture.empty()) return c.Picture;
    return c.Face.empty() ? std::string() : m_.App_Folder + c.Face;
}

Box Screen_Scene::Place_Of(const Control& c) const {
    // An image takes the size of its picture; a picture box clips it to its own.
    Box place{c.Left + kBorder, c.Top + kBorder, c.Width, c.Height};
    if (c.Kind == Control_Kind::Image) {
        auto size = sizes_.find(Picture_Of(c));
        if (size != sizes_.end()) {
            place.Width = std::max(place.Width, size->second.Width);
            place.Height = std::max(place.Height, size->second.Height);
        }
    }
    return place;
}

Screen_Scene::Look Screen_Scene::Look_Of(const Control& c) const {
    Look look;
    look.Visible = c.Visible;
    look.Place =
        &c == &self_ ? Box{0, 0, Twips_To_Pixels(self_.Width), Twips_To_Pixels(self_.Height)} : Place_Of(c);
    look.Picture = c.Picture.empty() ? c.Face : c.Picture;
    look.Lines = c.Lines;
    return look;
}

int Screen_Scene::Number_Of(const std::string& name) {
    auto [it, added] = numbers_.try_emplace(name, static_cast<int>(names_.size()));
    if (added) names_.push_back(name);
    return it->second;
}

const std::vector<int32_t>& Screen_Scene::Changes() {
    ops_.clear();
    std::vector<Look> now;
    now.reserve(children_.size() + 1);
    now.push_back(Look_Of(self_));
    for (const Control* c : children_) now.push_back(Look_Of(*c));
    std::vector<Box> frames;
    for (const Frame_Box& f : mark_.Frames(m_)) frames.push_back(Frame_Place(f));

    // 1. What changed: everything when the screen itself did, else the old and new
    //    places of every child whose look changed, and the frames.
    std::vector<Box> part;
    if (shown_.size() != now.size() || !(shown_[0] == now[0])) {
        part.push_back(now[0].Place);
    } else {
        for (size_t i = 1; i < now.size(); ++i) {
            if (shown_[i] == now[i]) continue;
            if (shown_[i].Visible) part.push_back(shown_[i].Place);
            if (now[i].Visible) part.push_back(now[i].Place);
        }
        if (frames != marked_) {
            part.insert(part.end(), marked_.begin(), marked_.end());
            part.insert(part.end(), frames.begin(), frames.end());
        }
    }
    shown_ = std::move(now);
    marked_ = std::move(frames);
    if (!part.empty()) Paint(part);
    return ops_;
}

void Screen_Scene::Paint(const std::vector<Box>& part) {
    const Box own = shown_[0].Place;
    // 1. The bevelled border when the whole screen is painted (it never changes, and
    //    painting it marks the whole canvas changed for the browser), then only the
    //    changed part of the drawing area.
    if (std::find(part.begin(), part.end(), own) != part.end())
        Add({Op_Panel, own.Left, own.Top, own.Width, own.Height, 1});
    const Box area{kBorder, kBorder, own.Width - 2 * kBorder, own.Height - 2 * kBorder};
    Add({Op_Clip, static_cast<int32_t>(part.size())});
    for (const Box& b : part) Add({b.Left, b.Top, b.Width, b.Height});
    Add({Op_Push, area.Left, area.Top, area.Width, area.Height});
    // 2. The background, then the lines drawn on the screen itself.
    Add({Op_Fill, area.Left, area.Top, area.Width, area.Height, 0});
    const std::string back = Picture_Of(self_);
    if (!back.empty()) Add({Op_Picture, area.Left, area.Top, Number_Of(back)});
    Paint_Lines(self_.Lines, area.Left, area.Top);
    // 3. Every visible child at its place that meets the changed part.
    for (const Control* c : children_) {
        if (!c->Visible) continue;
        const Box place = Place_Of(*c);
        if (std::any_of(part.begin(), part.end(), [&place](const Box& b) { return b.Meets(place); }))
            Paint_Child(*c);
    }
    // 4. The paid row's frames: rings of one pixel, from the outside in.
    for (const Box& f : marked_) {
        for (int ring = 0; ring < Paid_Row::kWidth; ++ring) {
            const int32_t color = static_cast<int32_t>(Paid_Row::Ring_Color(ring));
            const int x = f.Left + ring, y = f.Top + ring;
            const int w = f.Width - 2 * ring, h = f.Height - 2 * ring;
            Add({Op_Fill, x, y, w, 1, color});
            Add({Op_Fill, x, y + h - 1, w, 1, color});
            Add({Op_Fill, x, y, 1, h, color});
            Add({Op_Fill, x + w - 1, y, 1, h, color});
        }
    }
    Add({Op_Pop});
}

void Screen_Scene::Paint_Child(const Control& c) {
    const int left = c.Left + kBorder, top = c.Top + kBorder;
    const bool clipped = c.Kind != Control_Kind::Image;
    if (clipped) Add({Op_Push, left, top, c.Width, c.Height});
    if (auto panel = labels_.find(c.Name); panel != labels_.end()) {
        // A grey panel with a raised border and its labels' text.
        Add({Op_Panel, left, top, c.Width, c.Height, 0});
        Add({Op_Fill, left + 2, top + 2, c.Width - 4, c.Height - 4, static_cast<int32_t>(kPanel_Grey)});
        for (const Control* label : panel->second)
            if (label->Visible)
                Add({Op_Text, left + label->Left, top + label->Top, label->Width, label->Height,
                     Number_Of(label->Caption)});
    } else if (const std::string picture = Picture_Of(c); !picture.empty()) {
        Add({Op_Picture, left, top, Number_Of(picture)});
    }
    Paint_Lines(c.Lines, left, top);
    if (clipped) Add({Op_Pop});
}

void Screen_Scene::Paint_Lines(const std::vector<Drawn_Line>& lines, int left, int top) {
    // Each line as runs of pixels along a row.
    for (const Drawn_Line& line : lines) {
        const std::vector<Line_Pixel> pixels = Line_Pixels(line);
        for (size_t i = 0; i < pixels.size();) {
            size_t j = i + 1;
            while (j < pixels.size() && pixels[j].Y == pixels[i].Y && pixels[j].X == pixels[j - 1].X + 1) ++j;
            Add({Op_Fill, left + pixels[i].X, top + pixels[i].Y, static_cast<int32_t>(j - i), 1,
                 static_cast<int32_t>(line.Color)});
            i = j;
        }
    }
}

}  // namespace plonk
