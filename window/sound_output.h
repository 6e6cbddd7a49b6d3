// The window's sound back end behind one small seam: opened at start-up, asked
// whether it can play, then loading wave files and playing them at once.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace plonk {

class Sound_Output {
public:
    virtual ~Sound_Output() = default;
    virtual bool Open() = 0;
    virtual bool Ready() const = 0;
    // A handle for the loaded file; negative when it cannot be loaded.
    virtual int32_t Load(const std::string& path) = 0;
    virtual void Play(int32_t handle) = 0;
    virtual void Close() = 0;
};

// No sound device: never ready, loads nothing, plays nothing.
class No_Sound : public Sound_Output {
public:
    bool Open() override { return false; }
    bool Ready() const override { return false; }
    int32_t Load(const std::string&) override { return -1; }
    void Play(int32_t) override {}
    void Close() override {}
};

// Any back end with the same five operations (Open, Ready, Load, Play, Close).
template <class Back_End>
class Sound_Adapter : public Sound_Output {
public:
    bool Open() override { return back_end_.Open(); }
    bool Ready() const override { return back_end_.Ready(); }
    int32_t Load(const std::string& path) override { return back_end_.Load(path); }
    void Play(int32_t handle) override { back_end_.Play(handle); }
    void Close() override { back_end_.Close(); }

private:
    Back_End back_end_;
};

// The program's own back end, loaded when it is opened.
std::unique_ptr<Sound_Output> Make_Sound_Output();

}  // namespace plonk
