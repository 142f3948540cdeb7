// A stand-in for the desktop's screensaver on a private session bus: owns
// org.freedesktop.ScreenSaver, answers Inhibit at /org/freedesktop/ScreenSaver with the
// cookies 1, 2, 3... and writes a line a call on standard output, "Inhibit NAME: REASON -> 1"
// and "UnInhibit 1", after "ready" once the name is its own. Runs until the bus goes.
#include <dbus/dbus.h>

#include <cstdint>
#include <cstdio>

int main() {
  constexpr const char* name = "org.freedesktop.ScreenSaver";
  DBusError error;
  dbus_error_init(&error);
  DBusConnection* const bus = dbus_bus_get(DBUS_BUS_SESSION, &error);
  if (bus == nullptr || dbus_bus_request_name(bus, name, DBUS_NAME_FLAG_DO_NOT_QUEUE, &error) !=
                            DBUS_REQUEST_NAME_REPLY_PRIMARY_OWNER) {
    std::fprintf(stderr, "cannot own %s: %s\n", name, error.message ? error.message : "taken");
    return 1;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  std::uint32_t next = 1;
  while (dbus_connection_read_write(bus, -1)) {
    while (DBusMessage* const call = dbus_connection_pop_message(bus)) {
      const char *application = nullptr, *reason = nullptr;
      std::uint32_t cookie = 0;
      DBusMessage* answer = nullptr;
      const bool ours = dbus_message_has_path(call, "/org/freedesktop/ScreenSaver");
      if (ours && dbus_message_is_method_call(call, name, "Inhibit") &&
                 dbus_message_get_args(call, nullptr, DBUS_TYPE_STRING, &application,
                                       DBUS_TYPE_STRING, &reason, DBUS_TYPE_INVALID)) {
        std::printf("Inhibit %s: %s -> %u\n", application, reason, next);
        answer = dbus_message_new_method_return(call);
        dbus_message_append_args(answer, DBUS_TYPE_UINT32, &next, DBUS_TYPE_INVALID);
        ++next;
      } else if (ours && dbus_message_is_method_call(call, name, "UnInhibit") &&
                 dbus_message_get_args(call, nullptr, DBUS_TYPE_UINT32, &cookie, DBUS_TYPE_INVALID)) {
        std::printf("UnInhibit %u\n", cookie);
        answer = dbus_message_new_method_return(call);
      }
      std::fflush(stdout);
      if (answer == nullptr && dbus_message_get_type(call) == DBUS_MESSAGE_TYPE_METHOD_CALL) {
        answer = dbus_message_new_error(call, DBUS_ERROR_UNKNOWN_METHOD, "not a screensaver call");
      }
      if (answer != nullptr && !dbus_message_get_no_reply(call)) dbus_connection_send(bus, answer, nullptr);
      if (answer != nullptr) dbus_message_unref(answer);
      dbus_message_unref(call);
    }
  }
  return 0;
}
