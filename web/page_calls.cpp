// The page's side of page_calls.h: each call hands over to the page's script
// (`Module.page`, web/page/plonk.js).
#include "web/page_calls.h"

#include <emscripten.h>

namespace {

// clang-format off
EM_JS(void, js_paint, (const int32_t* ops, int count), { Module.page.paint(HEAP32.subarray(ops >> 2, (ops >> 2) + count)); });
EM_JS(void, js_show_controls, (const char* json), { Module.page.showControls(JSON.parse(UTF8ToString(json))); });
EM_JS(void, js_show_status, (const char* text), { Module.page.showStatus(UTF8ToString(text)); });
EM_ASYNC_JS(void, js_next_frame, (), { await Module.page.nextFrame(); });
EM_ASYNC_JS(void, js_wait, (int ms), { await Module.page.wait(ms); });
EM_ASYNC_JS(int, js_ask, (const char* text, const char* title), {
    return await Module.page.ask(UTF8ToString(text), UTF8ToString(title));
});
EM_ASYNC_JS(void, js_tell, (const char* text, const char* title), {
    await Module.page.tell(UTF8ToString(text), UTF8ToString(title));
});
EM_JS(void, js_popup, (const char* name), { Module.page.popupMenu(UTF8ToString(name)); });
EM_JS(int, js_space_down, (), { return Module.page.spaceDown() ? 1 : 0; });
EM_JS(int, js_sound_ready, (), { return Module.page.soundReady() ? 1 : 0; });
EM_JS(int, js_sound_load, (const char* path), { return Module.page.soundLoad(UTF8ToString(path)); });
EM_JS(void, js_sound_play, (int handle), { Module.page.soundPlay(handle); });
EM_JS(void, js_store_files, (), { Module.page.storeFiles(); });
EM_JS(void, js_end, (int status), { Module.page.end(status); });
// clang-format on

}  // namespace

namespace plonk::page {

void Paint(const int32_t* ops, int count) { js_paint(ops, count); }
void Show_Controls(const char* json) { js_show_controls(json); }
void Show_Status(const char* text) { js_show_status(text); }
void Next_Frame() { js_next_frame(); }
void Wait(int ms) { js_wait(ms); }
int Ask_Yes_No(const char* text, const char* title) { return js_ask(text, title); }
void Tell(const char* text, const char* title) { js_tell(text, title); }
void Popup_Menu(const char* name) { js_popup(name); }
bool Space_Down() { return js_space_down() != 0; }
bool Sound_Ready() { return js_sound_ready() != 0; }
int Sound_Load(const char* path) { return js_sound_load(path); }
void Sound_Play(int handle) { js_sound_play(handle); }
void Store_Files() { js_store_files(); }
void End(int status) { js_end(status); }

}  // namespace plonk::page
