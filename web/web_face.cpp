#include "web/web_face.h"

#include <dirent.h>
#include <sys/stat.h>

#include <chrono>
#include <ctime>
#include <nlohmann/json.hpp>

#include "app/file_read.h"
#include "app/game_options.h"
#include "app/picture_file.h"
#include "app/time_of_day.h"
#include "machine/face_tips.h"
#include "stats/statistics_file.h"
#include "web/page_calls.h"

namespace plonk {

namespace {

// The page shows a picture in the display's frame that comes next; the pacer paints
// at most once in this much time, so once a frame.
constexpr auto kPaint_Gap = std::chrono::milliseconds(4);

const char* Kind_Name(Control_Kind k) {
    switch (k) {
        case Control_Kind::Picture_Button:
            return "picture_button";
        case Control_Kind::Button:
            return "button";
        case Control_Kind::Check_Box:
            return "check_box";
        case Control_Kind::Slider:
            return "slider";
        case Control_Kind::Label:
            return "label";
        case Control_Kind::Timer:
            return "timer";
        case Control_Kind::Menu_Item:
            return "menu_item";
        default:
            return "";
    }
}

}  // namespace

Web_Face::Web_Face(std::string program_folder, std::string save_folder)
    : folder_(std::move(program_folder)),
      settings_path_(save_folder + "/Plonk.ini"),
      pacer_({[] { return Step_Pacer::Clock::now(); }, [](Step_Pacer::Time) { page::Next_Frame(); },
              [this] { Paint_Screen(); }},
             kPaint_Gap) {
    if (folder_.empty() || folder_.back() != '/') folder_ += '/';
    m_ = std::make_unique<Hoofdvenster>(*this, settings_path_);
    scene_ = std::make_unique<Screen_Scene>(*m_);
    statistics_ = std::make_unique<Statistics_Keeper>(Statistics_Path_Beside(settings_path_));
    statistics_->On_Save_Failure = [this](const std::string& reason) {
        Message("The statistics could not be saved to \"" + statistics_->Path() + "\": " + reason + ".",
                "Statistics");
    };
}

Web_Face::~Web_Face() = default;

void Web_Face::Picture_Loaded(const std::string& path, int width, int height, const std::string& problem) {
    // A picture cut short is not shown, even where the browser shows what there is.
    std::string why = Picture_Shortfall(path);
    if (why.empty()) why = problem;
    pictures_[path] = why.empty() ? std::string() : "The picture cannot be decoded: " + why;
    if (why.empty()) scene_->Picture_Size(path, width, height);
}

bool Web_Face::Start() {
    // The window's own pictures first: one that cannot be shown ends the program.
    if (!m_->Load_Faces()) return false;
    busy_ = true;
    try {
        m_->Form_Load();
    } catch (const std::exception& failure) {
        Message(std::string("The game stopped: Form_Load failed: ") + failure.what() + ".",
                "Plonk for Windows");
        if (!ended_) End(1);
    }
    busy_ = false;
    if (ended_) return false;
    Sync();
    Remember_Choices();
    // What the start-up changed in the save folder (a damaged file set aside) is kept.
    Store_Changed_Files();
    return !ended_;
}

void Web_Face::Remember_Choices() {
    const Game_Options options(settings_path_);
    for (const Remembered_Box& choice : Remembered_Boxes) {
        Control& box = *m_->Find_Control(choice.Box);
        const std::optional<bool> kept = options.Flag(choice.Key);
        if (kept && *kept != (box.Value != 0)) {
            box.Value = *kept ? 1 : 0;
            Event_Args args;
            Run_Event(choice.Box, Event_Kind::Click, args);
        }
    }
}

void Web_Face::Fix_Seed(uint64_t seed) { m_->Rng.Fix_Seed(seed); }

bool Web_Face::Run_Event(const std::string& control, Event_Kind kind, Event_Args& args) {
    if (ended_ || busy_) return false;
    busy_ = true;
    // The player acting ends the marks of the wins before.
    if (Players_Action(control) && scene_->End_Marks()) Paint_Screen();
    // A flight inside this event paces its steps from its own first step.
    pacer_.Restart();
    try {
        Fire(*m_, control, kind, args);
    } catch (const std::exception& failure) {
        Message("The game stopped: " + Event_Procedure(Window_Event{control.c_str(), kind, nullptr}) +
                    " failed: " + failure.what() + ".",
                "Plonk for Windows");
        if (!ended_) End(1);
    }
    busy_ = false;
    if (!ended_) Sync();
    Store_Changed_Files();
    return true;
}

void Web_Face::Sync() {
    page::Show_Controls(Controls_Json().c_str());
    Paint_Screen();
}

void Web_Face::Paint_Screen() {
    const std::vector<int32_t>& ops = scene_->Changes();
    if (!ops.empty()) page::Paint(ops.data(), static_cast<int>(ops.size()));
}

std::string Web_Face::Controls_Json() {
    nlohmann::json list = nlohmann::json::array();
    for (const Control* c : m_->All_Controls()) {
        const char* kind = Kind_Name(c->Kind);
        if (!*kind || (!c->Container.empty() && c->Kind != Control_Kind::Menu_Item)) continue;
        const std::string picture = c->Picture.empty() && !c->Face.empty() ? folder_ + c->Face : c->Picture;
        list.push_back({{"name", c->Name},
                        {"kind", kind},
                        {"left", Twips_To_Pixels(c->Left)},
                        {"top", Twips_To_Pixels(c->Top)},
                        {"width", Twips_To_Pixels(c->Width)},
                        {"height", Twips_To_Pixels(c->Height)},
                        {"visible", c->Visible},
                        {"enabled", c->Enabled},
                        {"value", c->Value},
                        {"min", c->Min},
                        {"max", c->Max},
                        {"interval", c->Interval},
                        {"caption", c->Caption},
                        {"tip", c->ToolTipText},
                        {"picture", picture}});
    }
    return list.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string Web_Face::Tip_At(int x, int y) const {
    std::vector<const Control*> children;
    for (const Control* c : m_->All_Controls())
        if (c->Container == m_->Pic_Scherm.Name) children.push_back(c);
    return Screen_Tip_At(children, x - Screen_Scene::kBorder, y - Screen_Scene::kBorder).Text;
}

void Web_Face::Store_Changed_Files() {
    // What the save folder holds (names, sizes and times): when it changed, the page
    // stores it. Every file is written whole beside its old copy and renamed over it,
    // so what is stored is always a whole file.
    std::string seen;
    const std::string folder = settings_path_.substr(0, settings_path_.find_last_of('/'));
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            struct stat st;
            const std::string path = folder + "/" + entry->d_name;
            if (::stat(path.c_str(), &st) != 0) continue;
            seen += std::string(entry->d_name) + ' ' + std::to_string(st.st_size) + ' ' +
                    std::to_string(st.st_mtim.tv_sec) + '.' + std::to_string(st.st_mtim.tv_nsec) + '\n';
        }
        ::closedir(dir);
    }
    if (seen == files_seen_) return;
    files_seen_ = seen;
    page::Store_Files();
}

// ------------------------------------------------------------------ the roles

void Web_Face::Refresh() { Sync(); }

void Web_Face::Sleep(int ms) {
    // The pause counts from its start, painting included.
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(ms, 0));
    Refresh();
    Store_Changed_Files();
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now())
            .count();
    page::Wait(static_cast<int>(std::max<long long>(left, 0)));
}

void Web_Face::Flight_Step(int rounds, long iterations) {
    pacer_.Step(std::chrono::nanoseconds(Step_Wait_Nanoseconds(rounds, iterations)));
}

bool Web_Face::Sound_Ready() { return page::Sound_Ready(); }
int32_t Web_Face::Sound_Load(const std::string& path) { return page::Sound_Load(path.c_str()); }
void Web_Face::Sound_Play(int32_t handle) { page::Sound_Play(handle); }

Answer Web_Face::Ask_Yes_No(const std::string& text, const std::string& title) {
    Sync();
    const int answer = page::Ask_Yes_No(text.c_str(), title.c_str());
    return answer == 0 ? Answer::Yes : answer == 1 ? Answer::No : Answer::Cancel;
}

void Web_Face::Message(const std::string& text, const std::string& title) {
    page::Tell(text.c_str(), title.c_str());
}

void Web_Face::Popup_Menu(const std::string& menu) {
    // Shown without waiting for a choice: a chosen item arrives as an event of its own.
    if (menu != m_->dummie01.Name) return;
    Sync();
    page::Popup_Menu(menu.c_str());
}

bool Web_Face::Space_Down() { return page::Space_Down(); }

std::string Web_Face::Time_Text() { return Time_Of_Day_Text(std::time(nullptr)); }

uint64_t Web_Face::Clock_Seed() {
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

std::string Web_Face::Picture_Problem(const std::string& path) {
    auto it = pictures_.find(path);
    if (it != pictures_.end()) return it->second;
    // Not among the pictures the page decoded: the file itself says why.
    const File_Bytes head = Read_Head(path, 1);
    if (head.Status == Read_Status::Missing) return Picture_Missing;
    if (head.Status != Read_Status::Read) return "The file cannot be read: " + Read_Problem(head);
    const std::string shortfall = Picture_Shortfall(path);
    return "The picture cannot be decoded: " + (shortfall.empty() ? std::string("not a picture") : shortfall);
}

void Web_Face::Report(const Game_Event& e) {
    if (scene_->Follow(e)) Paint_Screen();
    const std::string text = status_words_.After(e);
    if (!text.empty()) page::Show_Status(text.c_str());
    statistics_->Report(e);
}

void Web_Face::End(int status) {
    ended_ = true;
    statistics_->Save();
    Store_Changed_Files();
    page::End(status);
}

}  // namespace plonk
