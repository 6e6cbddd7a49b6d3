// The game screen as drawing commands for the page's canvas: the screen's picture,
// every visible picture on it with the lines drawn on each, the tip notice and the
// paid row's frames, painted over the part of the screen that changed since the
// last paint, in the order the window paints them. Pictures and texts are named by
// their number in a table of names.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "app/controls.h"
#include "machine/paid_row.h"

namespace plonk {

class Hoofdvenster;

// A length on the window (twips) in pixels.
inline int Twips_To_Pixels(int twips) { return (twips + 7) / 15; }

struct Box {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool operator==(const Box&) const = default;
    bool Empty() const { return Width <= 0 || Height <= 0; }
    bool Meets(const Box& o) const {
        return !Empty() && !o.Empty() && Left < o.Left + o.Width && o.Left < Left + Width &&
               Top < o.Top + o.Height && o.Top < Top + Height;
    }
};

// The commands, each a code and its numbers, in screen pixels (the border's outer
// corner at 0, 0).
enum Scene_Op : int32_t {
    Op_Clip = 1,     // n, then n boxes: paint only inside them from now on
    Op_Fill = 2,     // box, colour 0xRRGGBB
    Op_Picture = 3,  // x, y, name: the whole picture
    Op_Push = 4,     // box: paint only inside it as well, until Op_Pop
    Op_Pop = 5,
    Op_Panel = 6,  // box, sunken 0/1: a two-pixel bevelled border
    Op_Text = 7,   // box, name: one line of text from the box's top left
};

class Screen_Scene {
public:
    // The screen's drawing area lies inside a border this wide.
    static constexpr int kBorder = 2;

    explicit Screen_Scene(const Hoofdvenster& m);

    // The size of a picture by its full path, as the page decoded it.
    void Picture_Size(const std::string& path, int width, int height) {
        sizes_[path] = {0, 0, width, height};
    }
    // Follow the machine's reports: true when the paid row's frames changed.
    bool Follow(const Game_Event& e) { return mark_.Follow(e); }
    // The player acts: the frames end. True when there were any.
    bool End_Marks() {
        const bool any = mark_.Cells() != 0;
        mark_.Clear();
        return any;
    }
    // The commands that paint what changed since the last call (all of it the first
    // time); empty when nothing did.
    const std::vector<int32_t>& Changes();
    // The name of that number in the table.
    const std::string& Name(int number) const { return names_.at(static_cast<size_t>(number)); }
    // Paint everything at the next call of Changes.
    void Invalidate() { shown_.clear(); }
    const Paid_Row& Mark() const { return mark_; }

private:
    struct Look {
        bool Visible = false;
        Box Place;
        std::string Picture;
        std::vector<Drawn_Line> Lines;
        bool operator==(const Look&) const = default;
    };
    Look Look_Of(const Control& c) const;
    Box Place_Of(const Control& c) const;
    std::string Picture_Of(const Control& c) const;
    int Number_Of(const std::string& name);
    void Paint(const std::vector<Box>& part);
    void Paint_Child(const Control& c);
    void Paint_Lines(const std::vector<Drawn_Line>& lines, int left, int top);
    void Add(std::initializer_list<int32_t> numbers) { ops_.insert(ops_.end(), numbers); }

    const Hoofdvenster& m_;
    const Control& self_;
    std::string folder_;
    std::vector<const Control*> children_;  // in painting order
    std::map<std::string, std::vector<const Control*>> labels_;
    std::map<std::string, Box> sizes_;
    std::vector<Look> shown_;  // self first, then the children
    std::vector<Box> marked_;  // the frames as last painted
    Paid_Row mark_;
    std::vector<std::string> names_;
    std::map<std::string, int> numbers_;
    std::vector<int32_t> ops_;
};

}  // namespace plonk
