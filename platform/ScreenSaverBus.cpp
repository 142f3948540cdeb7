// Inhibit and UnInhibit of org.freedesktop.ScreenSaver over a private session-bus connection
// of libdbus, pumped without blocking from the frame.
#include "platform/ScreenSaverBus.h"

#include <dbus/dbus.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr const char* serviceName = "org.freedesktop.ScreenSaver";
constexpr const char* servicePath = "/org/freedesktop/ScreenSaver";
constexpr const char* applicationName = "Vaultrun";
constexpr const char* reason = "Playing a heist";
// What the way out waits for a cookie still on its way: ten reads of 50 ms.
constexpr int lastReads = 10;
constexpr int lastReadMs = 50;

// ---- Set at the first hold, for the whole run ----
DBusConnection* bus = nullptr;
bool busGivenUp = false;  // no bus, or it failed: nothing more is tried
bool said = false;        // the one line of the run about the bus is out
// ---- What is held now ----
bool holding = false;                    // the last frame asked for the hold
DBusPendingCall* inhibitCall = nullptr;  // an Inhibit whose answer has not been taken yet
std::uint32_t cookie = 0;
bool cookieHeld = false;

void sayOnce(const std::string& what) {
  if (said) return;
  said = true;
  std::printf("The desktop's screensaver is not held off over D-Bus: %s.\n", what.c_str());
  std::fflush(stdout);
}

// The session bus's address, or "" where the desktop runs none.
std::string sessionBusAddress() {
  const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  if (address != nullptr && *address != '\0') return address;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime == nullptr || *runtime == '\0') return "";
  const std::string path = std::string(runtime) + "/bus";
  struct stat info;
  if (stat(path.c_str(), &info) != 0 || !S_ISSOCK(info.st_mode)) return "";
  return "unix:path=" + path;
}

void forget() {
  if (inhibitCall != nullptr) {
    dbus_pending_call_cancel(inhibitCall);
    dbus_pending_call_unref(inhibitCall);
  }
  inhibitCall = nullptr;
  cookieHeld = false;
  if (bus != nullptr) {
    dbus_connection_close(bus);
    dbus_connection_unref(bus);
  }
  bus = nullptr;
  busGivenUp = true;
}

// Opens the connection without waiting on the bus: the socket is connected at once (a local
// one), and Hello goes out ahead of the first call rather than being waited for, as the bus
// reads a connection's messages in order. False (and given up) when there is none.
bool connect() {
  const std::string address = sessionBusAddress();
  if (address.empty()) {
    busGivenUp = true;
    return false;
  }
  DBusError error;
  dbus_error_init(&error);
  bus = dbus_connection_open_private(address.c_str(), &error);
  if (bus == nullptr) {
    sayOnce(std::string("the session bus cannot be reached (") +
            (error.message != nullptr ? error.message : "no reason given") + ")");
    dbus_error_free(&error);
    busGivenUp = true;
    return false;
  }
  dbus_connection_set_exit_on_disconnect(bus, FALSE);
  DBusMessage* const hello = dbus_message_new_method_call(DBUS_SERVICE_DBUS, DBUS_PATH_DBUS,
                                                          DBUS_INTERFACE_DBUS, "Hello");
  const bool sent = hello != nullptr && dbus_connection_send(bus, hello, nullptr);
  if (hello != nullptr) dbus_message_unref(hello);
  if (!sent) {
    sayOnce("out of memory");
    forget();
    return false;
  }
  return true;
}

void sendInhibit() {
  DBusMessage* const call =
      dbus_message_new_method_call(serviceName, servicePath, serviceName, "Inhibit");
  if (call == nullptr) return;
  const char* name = applicationName;
  const char* why = reason;
  if (dbus_message_append_args(call, DBUS_TYPE_STRING, &name, DBUS_TYPE_STRING, &why,
                               DBUS_TYPE_INVALID)) {
    dbus_connection_send_with_reply(bus, call, &inhibitCall, DBUS_TIMEOUT_INFINITE);
  }
  dbus_message_unref(call);
}

void sendUnInhibit() {
  DBusMessage* const call =
      dbus_message_new_method_call(serviceName, servicePath, serviceName, "UnInhibit");
  cookieHeld = false;
  if (call == nullptr) return;
  dbus_message_set_no_reply(call, TRUE);
  if (dbus_message_append_args(call, DBUS_TYPE_UINT32, &cookie, DBUS_TYPE_INVALID)) {
    dbus_connection_send(bus, call, nullptr);
  }
  dbus_message_unref(call);
}

// Takes the answer to Inhibit if it has come: the cookie, or a refusal said once.
void takeInhibitAnswer() {
  if (inhibitCall == nullptr || !dbus_pending_call_get_completed(inhibitCall)) return;
  DBusMessage* const answer = dbus_pending_call_steal_reply(inhibitCall);
  dbus_pending_call_unref(inhibitCall);
  inhibitCall = nullptr;
  if (answer == nullptr) return;
  DBusError error;
  dbus_error_init(&error);
  if (dbus_set_error_from_message(&error, answer)) {
    sayOnce(dbus_error_has_name(&error, DBUS_ERROR_SERVICE_UNKNOWN)
                ? std::string("nothing on the session bus answers as ") + serviceName
                : std::string(serviceName) + " refused (" + error.name + ")");
    dbus_error_free(&error);
  } else if (dbus_message_get_args(answer, &error, DBUS_TYPE_UINT32, &cookie, DBUS_TYPE_INVALID)) {
    cookieHeld = true;
  } else {
    sayOnce(std::string(serviceName) + " answered without a cookie");
    dbus_error_free(&error);
  }
  dbus_message_unref(answer);
}

// Reads and writes what the socket takes now, for at most waitMs, and hands the answers to
// their calls; false once the bus has gone.
bool pump(int waitMs) {
  if (!dbus_connection_read_write(bus, waitMs)) return false;
  while (dbus_connection_dispatch(bus) == DBUS_DISPATCH_DATA_REMAINS) {
  }
  return dbus_connection_get_is_connected(bus);
}

}  // namespace

namespace platform {

void followBusScreenSaver(bool hold) {
  if (busGivenUp) return;
  if (bus == nullptr && (!hold || !connect())) return;
  if (!pump(0)) {
    sayOnce("the session bus closed the connection");
    forget();
    return;
  }
  takeInhibitAnswer();
  // Asked once a hold (a refusal is not asked again until the next); a cookie that came after
  // the hold ended is given back at once.
  const bool inhibit = hold && !holding && !cookieHeld && inhibitCall == nullptr;
  const bool unInhibit = !hold && cookieHeld;
  if (inhibit) sendInhibit();
  if (unInhibit) sendUnInhibit();
  holding = hold;
  // What was sent goes out now, as far as the socket takes it without waiting.
  if ((inhibit || unInhibit) && !pump(0)) {
    sayOnce("the session bus closed the connection");
    forget();
  }
}

void endBusScreenSaver() {
  if (bus == nullptr) return;
  for (int i = 0; i < lastReads && inhibitCall != nullptr; ++i) {
    if (!pump(lastReadMs)) break;
    takeInhibitAnswer();
  }
  if (cookieHeld && dbus_connection_get_is_connected(bus)) {
    sendUnInhibit();
    dbus_connection_flush(bus);
  }
  forget();
}

}  // namespace platform
