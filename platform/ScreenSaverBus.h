// The desktop's screensaver held off over the session bus: the freedesktop ScreenSaver
// service's Inhibit and UnInhibit, which GNOME, KDE and the screensavers of XWayland sessions
// listen to (they take no notice of the X extension's suspension). No call ever waits for its
// answer inside a frame: the bus is read without blocking once a frame, and an answer that
// comes late is taken then. Whatever is held here the service lets go by itself when the
// game's connection closes.
// Calling order: followBusScreenSaver once a frame, endBusScreenSaver on the way out.
#pragma once

namespace platform {

// Whether the screensaver is to be held off now. The first hold connects to the session bus
// (DBUS_SESSION_BUS_ADDRESS, else $XDG_RUNTIME_DIR/bus); each hold that starts sends
// Inhibit("Vaultrun", "Playing a heist"), each that ends sends UnInhibit with the cookie that
// came back, also when the cookie comes only after the hold ended. Without a session bus
// nothing is said; a bus that cannot be reached or a service that refuses is said once on
// standard output for the whole run, and the game plays on without it.
void followBusScreenSaver(bool hold);

// Lets go and closes the connection: a cookie still on its way is waited for a moment (half
// a second at most) so that it can be given back.
void endBusScreenSaver();

}  // namespace platform
