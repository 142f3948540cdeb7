// A stand-in for the desktop's screensaver on a private session bus: owns
// org.freedesktop.ScreenSaver and writes a line a call at /org/freedesktop/ScreenSaver,
// "Inhibit NAME: REASON -> COOKIE" (answered with the cookies 1, 2, 3...) or "UnInhibit COOKIE".
#include <dbus/dbus.h>

#include <cstdint>
#include <cstdio>

int main() {
  const char* const name = "org.freedesktop.ScreenSaver";
  DBusConnection* const bus = dbus_bus_get(DBUS_BUS_SESSION, nullptr);
  const int owner = DBUS_REQUEST_NAME_REPLY_PRIMARY_OWNER;
  if (bus == nullptr || dbus_bus_request_name(bus, name, 0, nullptr) != owner) return 1;
  std::uint32_t next = 1, cookie = 0;
  const char *application = nullptr, *reason = nullptr;
  while (dbus_connection_read_write(bus, -1)) {
    while (DBusMessage* const call = dbus_connection_pop_message(bus)) {
      const bool ours = dbus_message_has_path(call, "/org/freedesktop/ScreenSaver");
      if (ours && dbus_message_is_method_call(call, name, "Inhibit") &&
          dbus_message_get_args(call, nullptr, DBUS_TYPE_STRING, &application, DBUS_TYPE_STRING,
                                &reason, DBUS_TYPE_INVALID)) {
        std::printf("Inhibit %s: %s -> %u\n", application, reason, next);
        DBusMessage* const answer = dbus_message_new_method_return(call);
        dbus_message_append_args(answer, DBUS_TYPE_UINT32, &next, DBUS_TYPE_INVALID);
        dbus_connection_send(bus, answer, nullptr);
        dbus_message_unref(answer);
        ++next;
      } else if (ours && dbus_message_is_method_call(call, name, "UnInhibit") &&
                 dbus_message_get_args(call, nullptr, DBUS_TYPE_UINT32, &cookie,
                                       DBUS_TYPE_INVALID)) {
        std::printf("UnInhibit %u\n", cookie);
      }
      std::fflush(stdout);
      dbus_message_unref(call);
    }
  }
}
