// What the page does for the machine, called from the WebAssembly: painting, the
// frames and pauses it waits for, its dialogs, sound, the keyboard and its storage.
// The calls marked "waits" return only after the browser has run on (through
// Asyncify): the machine's procedure under way is suspended meanwhile.
#pragma once

#include <cstdint>

namespace plonk::page {

// Paint the game screen: `ops` holds `count` numbers of drawing commands (see
// Screen_Scene).
void Paint(const int32_t* ops, int count);
// The controls outside the game screen, as JSON (see Web_Face::Controls_Json).
void Show_Controls(const char* json);
// The status line's text.
void Show_Status(const char* text);
// Waits: until the browser's next display frame.
void Next_Frame();
// Waits: about `ms` milliseconds, the page painted meanwhile.
void Wait(int ms);
// Waits: the answer to a Yes/No question, 0 Yes, 1 No, 2 dismissed.
int Ask_Yes_No(const char* text, const char* title);
// Waits: until a message is acknowledged.
void Tell(const char* text, const char* title);
// The pop-up menu of that name, at the mouse; a choice arrives as an event.
void Popup_Menu(const char* name);
// Whether the space bar is held down now.
bool Space_Down();
// Whether the page can play sound at all.
bool Sound_Ready();
// A sound from a wave file of the page's file system; a negative handle when it
// cannot be had.
int Sound_Load(const char* path);
void Sound_Play(int handle);
// The files kept in the browser changed: store them.
void Store_Files();
// The program ended with this status.
void End(int status);

}  // namespace plonk::page
