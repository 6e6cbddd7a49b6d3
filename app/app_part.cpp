// The window's own part of the machine: the program folder, pictures, the
// controls by name and the end of the program.
#include "app/app_part.h"

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

void App_Part::Load_Picture(Control& c, const std::string& file_name) {
    // Once the program has ended nothing is shown any more.
    if (Ended) return;
    // A control that shows this very file already keeps its path as it is. The
    // counters and lamps ask this of every picture they set, mostly of one they
    // already show: the file's name is compared first, where pictures differ.
    const size_t folder = App_Folder.size();
    const bool same = c.Picture.size() == folder + file_name.size() &&
                      std::memcmp(c.Picture.data() + folder, file_name.data(), file_name.size()) == 0 &&
                      std::memcmp(c.Picture.data(), App_Folder.data(), folder) == 0;
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

void App_Part::Tag_Folder() {
    tagged_folder_ = App_Folder;
    folder_tag_ = (folder_tag_ + (1 << 16)) & 0x7fff0000;
}

void App_Part::Load_Keyed_Picture(Control& c, const std::string& file_name, int32_t& shown, int32_t key,
                                  int32_t tag) {
    if (tag == INT32_MIN) {
        // Pictures are checked: this one is, as every other.
        Load_Picture(c, file_name);
        shown = -1;
        return;
    }
    // A screen that checks no picture is not asked about this one either. A control
    // that was given another key in this folder keeps the folder's part of its path.
    const size_t folder = App_Folder.size();
    if (shown >= 0 && (shown & ~0xffff) == tag && c.Picture.size() == folder + file_name.size())
        std::memcpy(c.Picture.data() + folder, file_name.data(), file_name.size());
    else
        c.Picture.assign(App_Folder).append(file_name);
    c.Lines.clear();
    shown = key | tag;
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
