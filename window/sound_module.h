// The program's own sound back end, kept in a module of its own that is loaded only
// when sound is opened: the audio libraries and their many codecs then cost nothing
// until the window is on the screen, and nothing at all where no device opens.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "window/sound_output.h"

namespace plonk {

// The module's file name, and the function in it that makes its back end.
inline constexpr char kSound_Module[] = "plonk_sound.so";
inline constexpr char kSound_Module_Maker[] = "plonk_make_sound_output";

class Sound_Module : public Sound_Output {
public:
    // The module is looked for in these folders, in this order.
    explicit Sound_Module(std::vector<std::string> folders) : folders_(std::move(folders)) {}
    ~Sound_Module() override;

    // Loads the module and opens its back end; a module that is missing, or whose
    // device does not open, is let go again.
    bool Open() override;
    bool Ready() const override { return back_end_ && back_end_->Ready(); }
    int32_t Load(const std::string& path) override { return back_end_ ? back_end_->Load(path) : -1; }
    void Play(int32_t handle) override {
        if (back_end_) back_end_->Play(handle);
    }
    void Close() override;

private:
    void Unload();

    std::vector<std::string> folders_;
    void* library_ = nullptr;
    std::unique_ptr<Sound_Output> back_end_;
};

}  // namespace plonk
