// The page's way into the machine: every function the page's script calls. Those
// that run the machine may wait (Asyncify): the page calls them one at a time and
// awaits each.
#include <emscripten.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "app/game_options.h"
#include "machine/help_text.h"
#include "tools/sim/console.h"
#include "web/web_face.h"

namespace {

std::unique_ptr<plonk::Web_Face> face;
std::string answer;  // the text last handed to the page

const char* Hand_Over(std::string text) {
    answer = std::move(text);
    return answer.c_str();
}

// The page's own keys, in the help beside the machine's.
std::vector<std::vector<std::string>> Page_Keys() {
    return {{"<b>Esc</b>", "closes this help or a menu", "on the page"}};
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void plonk_create(const char* program_folder, const char* save_folder) {
    face = std::make_unique<plonk::Web_Face>(program_folder, save_folder);
}

EMSCRIPTEN_KEEPALIVE void plonk_picture(const char* path, int width, int height, const char* problem) {
    face->Picture_Loaded(path, width, height, problem);
}

// The start-up: 1 when the game runs, 0 when it ended.
EMSCRIPTEN_KEEPALIVE int plonk_start() { return face->Start() ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE void plonk_seed(double seed) { face->Fix_Seed(static_cast<uint64_t>(seed)); }

// A window event of a control (kind as in Event_Kind): 1 when it ran.
EMSCRIPTEN_KEEPALIVE int plonk_event(const char* control, int kind, int button, int shift, double x,
                                     double y) {
    plonk::Event_Args args;
    args.Button = button;
    args.Shift = shift;
    args.X = static_cast<float>(x);
    args.Y = static_cast<float>(y);
    return face->Run_Event(control, static_cast<plonk::Event_Kind>(kind), args) ? 1 : 0;
}

// A typed character: 1 when the machine took it (the control gets nothing), 0 when
// not, -1 when it did not run.
EMSCRIPTEN_KEEPALIVE int plonk_key(int code) {
    plonk::Event_Args args;
    args.Key = static_cast<plonk::Integer>(code);
    if (!face->Run_Event("Form", plonk::Event_Kind::Key_Press, args)) return -1;
    return args.Key == 0 ? 1 : 0;
}

// The player ticks a check box: its value first, then its click; a remembered box
// is kept in the options at once.
EMSCRIPTEN_KEEPALIVE int plonk_check(const char* name, int value) {
    plonk::Control* box = face->Machine().Find_Control(name);
    if (!box || face->Busy()) return 0;
    box->Value = value ? 1 : 0;
    plonk::Event_Args args;
    if (!face->Run_Event(name, plonk::Event_Kind::Click, args)) return 0;
    for (const plonk::Remembered_Box& choice : plonk::Remembered_Boxes) {
        if (box->Name != choice.Box) continue;
        std::string error;
        plonk::Game_Options(face->Settings_Path())
            .Put({{choice.Key, plonk::Game_Options::Of(box->Value != 0)}}, &error);
    }
    return 1;
}

// The slider moved to `value` by the player.
EMSCRIPTEN_KEEPALIVE int plonk_slider(int value) {
    plonk::Control& slider = face->Machine().Slider1;
    if (face->Busy() || value == slider.Value) return 0;
    slider.Value = value;
    plonk::Event_Args args;
    return face->Run_Event(slider.Name, plonk::Event_Kind::Change, args) ? 1 : 0;
}

// The page is asked to close: 1 when it may (the machine ended the program).
EMSCRIPTEN_KEEPALIVE int plonk_close() {
    plonk::Event_Args args;
    const bool ran = face->Run_Event("Form", plonk::Event_Kind::Query_Unload, args);
    return ran && (face->Machine().Ended || args.Cancel == 0) ? 1 : 0;
}

// The window's events: which control hears which kind (as in Event_Kind).
EMSCRIPTEN_KEEPALIVE const char* plonk_events() {
    nlohmann::json list = nlohmann::json::array();
    for (const plonk::Window_Event& e : plonk::Window_Events())
        list.push_back({{"control", e.Control}, {"kind", static_cast<int>(e.Kind)}});
    return Hand_Over(list.dump());
}

EMSCRIPTEN_KEEPALIVE int plonk_busy() { return face && face->Busy() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int plonk_ended() { return face && face->Machine().Ended ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE const char* plonk_tip(int x, int y) { return Hand_Over(face->Tip_At(x, y)); }
EMSCRIPTEN_KEEPALIVE const char* plonk_name(int number) { return Hand_Over(face->Scene().Name(number)); }
EMSCRIPTEN_KEEPALIVE const char* plonk_controls() { return Hand_Over(face->Controls_Json()); }
EMSCRIPTEN_KEEPALIVE const char* plonk_dump() { return Hand_Over(plonk::sim::Record_Json(face->Machine())); }

// The help, and where its card picture is cut from the screen's background.
EMSCRIPTEN_KEEPALIVE const char* plonk_help() {
    const plonk::Screen_Area card = plonk::Card_Area(face->Machine());
    nlohmann::json help = {{"html", plonk::Help_Html(face->Machine(), Page_Keys())},
                           {"card", plonk::Card_Picture_Name},
                           {"background", face->Program_Folder() + face->Machine().Pic_Scherm.Face},
                           {"area", {card.Left, card.Top, card.Width, card.Height}}};
    return Hand_Over(help.dump());
}

}  // extern "C"

int main() { return 0; }
