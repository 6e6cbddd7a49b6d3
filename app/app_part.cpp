// The window's own part of the machine: the program folder, pictures, the
// controls by name and the end of the program.
#include "app/app_part.h"

#include <cstdint>
#include <cstring>
#include <utility>

namespace plonk {

App_Part::App_Part(Toolkit toolkit, std::string settings_path)
    : Tk(toolkit), Settings_Path(std::move(settings_path)) {}

void App_Part::Init_App_Folder() {
    std::string folder = Tk.Files.Program_Folder();
    if (folder.empty() || folder.back() != '/') folder += '/';
    App_Folder = folder;
}

namespace {

// The eight characters at a and b as one number each, to compare at once.
bool Same_Eight(const char* a, const char* b) {
    uint64_t x, y;
    std::memcpy(&x, a, 8);
    std::memcpy(&y, b, 8);
    return x == y;
}

// Whether n characters at a and b are the same, eight at a time, the last eight
// overlapping those before when n is not a multiple of eight: the counters and lamps
// ask this of every picture path they set, mostly of one they already show.
bool Same_Characters(const char* a, const char* b, size_t n) {
    if (n < 8) {
        for (; n > 0; ++a, ++b, --n)
            if (*a != *b) return false;
        return true;
    }
    for (size_t i = 0; i + 8 < n; i += 8)
        if (!Same_Eight(a + i, b + i)) return false;
    return Same_Eight(a + n - 8, b + n - 8);
}

}  // namespace

void App_Part::Load_Picture(Control& c, const std::string& file_name) {
    // Once the program has ended nothing is shown any more.
    if (Ended) return;
    // A control that shows this very file already keeps its path as it is.
    const size_t folder = App_Folder.size();
    const bool same = c.Picture.size() == folder + file_name.size() &&
                      Same_Characters(c.Picture.data() + folder, file_name.data(), file_name.size()) &&
                      Same_Characters(c.Picture.data(), App_Folder.data(), folder);
    if (same && !Tk.Screen.Checks_Pictures()) {
        c.Lines.clear();
        return;
    }
    if (!same) picture_path_.assign(App_Folder).append(file_name);
    const std::string& path = same ? c.Picture : picture_path_;
    const std::string problem = Tk.Screen.Picture_Problem(path);
    if (!problem.empty()) {
        // A missing file is told as such; a file that is there but does not load,
        // with the reason.
        Tk.Dialogs.Message(problem == role::Screen::Picture_Missing
                               ? problem + ": '" + path + "'"
                               : "Cannot load the picture '" + path + "'. " + problem + ".",
                           "Plonk for Windows");
        End_Program(1);
        return;
    }
    if (!same) c.Picture.assign(picture_path_);
    c.Lines.clear();
}

void App_Part::End_Program(int status) {
    Ended = true;
    Timer1.Enabled = false;
    Timer2.Enabled = false;
    Tk.Reports.End(status);
}

void App_Part::Register(Control& c, const std::string& name, Control_Kind kind, const std::string& container,
                        int left, int top, int width, int height) {
    c.Name = name;
    c.Kind = kind;
    c.Container = container;
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
    all_controls_.push_back(&c);
    by_name_[name] = &c;
}

Control* App_Part::Find_Control(const std::string& name) {
    auto it = by_name_.find(name);
    return it == by_name_.end() ? nullptr : it->second;
}

const Control* App_Part::Find_Control(const std::string& name) const {
    auto it = by_name_.find(name);
    return it == by_name_.end() ? nullptr : it->second;
}

}  // namespace plonk
