#include "window/global_menu.h"

#include <dbus/dbus.h>

#include <cstdlib>

namespace plonk {

std::optional<bool> Global_Menu_Registered() {
    // Without an address the bus library would try to start a bus on the spot; that
    // is left to the toolkit, which does it as it always has.
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (!address || !*address) return std::nullopt;
    DBusError error;
    dbus_error_init(&error);
    // A connection of the question's own, to the address as it stands now.
    DBusConnection* bus = dbus_connection_open_private(address, &error);
    std::optional<bool> answer;
    if (bus) {
        if (dbus_bus_register(bus, &error)) {
            const bool owned = dbus_bus_name_has_owner(bus, "com.canonical.AppMenu.Registrar", &error);
            if (!dbus_error_is_set(&error)) answer = owned;
        }
        dbus_connection_close(bus);
        dbus_connection_unref(bus);
    }
    dbus_error_free(&error);
    return answer;
}

}  // namespace plonk
