// The game in a browser page: the machine's toolkit played by the page (through
// page_calls.h), the machine's events run one at a time, and the player's
// statistics and remembered choices kept beside the settings in the page's storage.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/step_pacer.h"
#include "app/toolkit.h"
#include "machine/hoofdvenster.h"
#include "machine/procedures.h"
#include "machine/status_words.h"
#include "stats/statistics_keeper.h"
#include "web/screen_scene.h"

namespace plonk {

class Web_Face : public role::Screen,
                 public role::Pacing,
                 public role::Speaker,
                 public role::Dialogs,
                 public role::Keyboard,
                 public role::Clock,
                 public role::Reports,
                 public role::Files {
public:
    // The pictures, sounds and zone map lie in `program_folder`; "Plonk.ini" and
    // "Statistics.json" in `save_folder`, which the page keeps.
    Web_Face(std::string program_folder, std::string save_folder);
    ~Web_Face() override;

    // A picture the page decoded, with its size; `problem` says why one could not be.
    void Picture_Loaded(const std::string& path, int width, int height, const std::string& problem);
    // The machine's start-up, then the remembered choices. False when it ended.
    bool Start();
    // Seed the random generator for a game that can be played again.
    void Fix_Seed(uint64_t seed);

    // Run one event of the machine, as the window does: hand it over, then show what
    // it changed. False when it did not run (the program ended, or an event is under
    // way behind a message box).
    bool Run_Event(const std::string& control, Event_Kind kind, Event_Args& args);
    bool Busy() const { return busy_; }
    Hoofdvenster& Machine() { return *m_; }
    // The controls outside the game screen, as the page shows them (JSON).
    std::string Controls_Json();
    // The tip at a point of the game screen (screen pixels); empty for none.
    std::string Tip_At(int x, int y) const;
    const std::string& Settings_Path() const { return settings_path_; }
    const Screen_Scene& Scene() const { return *scene_; }

    // The machine's roles.
    void Refresh() override;
    void Sleep(int ms) override;
    void Flight_Step(int rounds, long iterations) override;
    void Sound_Owner() override {}
    bool Sound_Ready() override;
    int32_t Sound_Load(const std::string& path) override;
    void Sound_Play(int32_t handle) override;
    Answer Ask_Yes_No(const std::string& text, const std::string& title) override;
    void Message(const std::string& text, const std::string& title) override;
    void Popup_Menu(const std::string& menu) override;
    bool Space_Down() override;
    std::string Time_Text() override;
    uint64_t Clock_Seed() override;
    std::string Picture_Problem(const std::string& path) override;
    std::string Program_Folder() override { return folder_; }
    void Report(const Game_Event& e) override;
    void End(int status) override;

private:
    // Paint what changed on the game screen.
    void Paint_Screen();
    // Show every control as it is now, and store the files if they changed.
    void Sync();
    void Store_Changed_Files();
    void Remember_Choices();

    std::string folder_;
    std::string settings_path_;
    std::map<std::string, std::string> pictures_;  // path -> why it cannot be shown ("" when it can)
    std::unique_ptr<Hoofdvenster> m_;
    std::unique_ptr<Screen_Scene> scene_;
    std::unique_ptr<Statistics_Keeper> statistics_;
    Status_Words status_words_;
    Step_Pacer pacer_;
    std::string files_seen_;  // what the save folder held when last stored
    bool busy_ = false;
    bool ended_ = false;
};

}  // namespace plonk
