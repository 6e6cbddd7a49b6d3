// Every role played by doing nothing: no screen, no waits, no sound, Yes to every
// question, the space bar up, no time, no reports and no folder. A front end or a
// test that has only some roles takes the others from here.
#pragma once

#include <string>

#include "app/toolkit.h"

namespace plonk {

class Quiet_Roles : public role::All_Roles {
public:
    void Refresh() override {}
    std::string Picture_Problem(const std::string&) override { return {}; }
    void Sleep(int) override {}
    void Flight_Step(int, long) override {}
    void Sound_Owner() override {}
    bool Sound_Ready() override { return false; }
    int32_t Sound_Load(const std::string&) override { return -1; }
    void Sound_Play(int32_t) override {}
    Answer Ask_Yes_No(const std::string&, const std::string&) override { return Answer::Yes; }
    void Message(const std::string&, const std::string&) override {}
    void Popup_Menu(const std::string&) override {}
    bool Space_Down() override { return false; }
    std::string Time_Text() override { return {}; }
    uint64_t Clock_Seed() override { return 0; }
    void End(int) override {}
    std::string Program_Folder() override { return {}; }
};

}  // namespace plonk
