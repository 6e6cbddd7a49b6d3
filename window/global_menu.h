// Whether the desktop shows a program's menus in a bar of its own (a global menu),
// asked of the session bus without the toolkit, so that it can be asked beside the
// platform's start.
#pragma once

#include <optional>

namespace plonk {

// True when the session bus named in DBUS_SESSION_BUS_ADDRESS has an owner for the
// global menu's registrar, false when it has none. Nothing when no bus is named, it
// cannot be reached or it gives no answer: then the toolkit asks for itself.
std::optional<bool> Global_Menu_Registered();

}  // namespace plonk
