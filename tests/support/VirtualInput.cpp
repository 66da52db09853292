// A typing keyboard and a mouse for the end-to-end tests on Wayland. The tool joins the compositor's seat as
// a virtual keyboard with the keymap of a real PC keyboard (rules evdev, model pc105, the layout given), so
// the program sees the key codes a physical keyboard gives (evdev code + 8), and as a virtual pointer. Then
// it acts as standard input says, one command a line, each sent at once:
//   down <evdev key code>      up <evdev key code>
//   move <x> <y>               (layout pixels)
//   press <evdev button code>  release <evdev button code>
// The script times holds by when it writes the lines. At the end of the input the tool waits until the
// compositor has handled everything, so no event is lost when it leaves.
//
// Usage: virtual_input <xkb layout> <layout width> <layout height>
// It prints "ready" once the compositor has the keyboard and its keymap. A seat that had no keyboard before
// gains one then, and each client binds its own only after that news reaches it: a key sent at once went to
// no client. So start the tool before the program and keep it for the whole test.
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>

#include <sys/mman.h>
#include <unistd.h>

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include "virtual-keyboard-unstable-v1-client-protocol.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

namespace {

// What the compositor offers: its seat, and the makers of virtual keyboards and pointers.
struct Globals {
    wl_seat* seat = nullptr;
    zwp_virtual_keyboard_manager_v1* keyboards = nullptr;
    zwlr_virtual_pointer_manager_v1* pointers = nullptr;
};

void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t) {
    auto& globals = *static_cast<Globals*>(data);
    const auto bind = [&](auto*& to, const wl_interface& offered) {
        if (!to && std::strcmp(interface, offered.name) == 0)
            to = static_cast<std::remove_reference_t<decltype(to)>>(
                wl_registry_bind(registry, name, &offered, 1));
    };
    bind(globals.seat, wl_seat_interface);
    bind(globals.keyboards, zwp_virtual_keyboard_manager_v1_interface);
    bind(globals.pointers, zwlr_virtual_pointer_manager_v1_interface);
}

const wl_registry_listener kRegistryListener = {Global, [](void*, wl_registry*, std::uint32_t) {}};

int Fail(const std::string& message) {
    std::cerr << "virtual_input: " << message << '\n';
    return 1;
}

// The keymap as text in a memory file, which is what the compositor maps.
int KeymapFile(const std::string& layout, std::uint32_t& size) {
    const std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(
        xkb_context_new(XKB_CONTEXT_NO_FLAGS), xkb_context_unref);
    const xkb_rule_names names{"evdev", "pc105", layout.c_str(), "", ""};
    const std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap(
        context ? xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS) : nullptr,
        xkb_keymap_unref);
    if (!keymap)
        return -1;
    const std::unique_ptr<char, decltype(&std::free)> text(
        xkb_keymap_get_as_string(keymap.get(), XKB_KEYMAP_FORMAT_TEXT_V1), std::free);
    size = static_cast<std::uint32_t>(std::strlen(text.get()) + 1);
    const int fd = memfd_create("keymap", MFD_CLOEXEC);
    if (fd >= 0 && write(fd, text.get(), size) == static_cast<ssize_t>(size))
        return fd;
    if (fd >= 0)
        close(fd);
    return -1;
}

std::uint32_t NowMs() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

struct Devices {
    zwp_virtual_keyboard_v1* keyboard;
    zwlr_virtual_pointer_v1* pointer;
    std::uint32_t width, height;
};

// False for a line that is no command.
bool Perform(const Devices& devices, const std::string& line) {
    std::istringstream words(line);
    std::string command;
    std::uint32_t first = 0, second = 0;
    if (!(words >> command >> first))
        return false;
    if (command == "down" || command == "up") {
        zwp_virtual_keyboard_v1_key(devices.keyboard, NowMs(), first,
                                    command == "down" ? WL_KEYBOARD_KEY_STATE_PRESSED
                                                      : WL_KEYBOARD_KEY_STATE_RELEASED);
    } else if (command == "press" || command == "release") {
        zwlr_virtual_pointer_v1_button(devices.pointer, NowMs(), first,
                                       command == "press" ? WL_POINTER_BUTTON_STATE_PRESSED
                                                          : WL_POINTER_BUTTON_STATE_RELEASED);
        zwlr_virtual_pointer_v1_frame(devices.pointer);
    } else if (command == "move" && words >> second) {
        zwlr_virtual_pointer_v1_motion_absolute(devices.pointer, NowMs(), first, second, devices.width,
                                                devices.height);
        zwlr_virtual_pointer_v1_frame(devices.pointer);
    } else {
        return false;
    }
    return (words >> std::ws).eof();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4)
        return Fail("usage: virtual_input <xkb layout> <layout width> <layout height>");
    const std::string layout = argv[1];
    Devices devices{nullptr, nullptr, static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)),
                    static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 10))};
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return Fail("no Wayland display");
    Globals globals;
    wl_registry_add_listener(wl_display_get_registry(display), &kRegistryListener, &globals);
    if (wl_display_roundtrip(display) < 0)
        return Fail("the compositor did not answer");
    if (!globals.seat || !globals.keyboards || !globals.pointers)
        return Fail("the compositor offers no seat, or no virtual keyboards or pointers");

    std::uint32_t size = 0;
    const int keymapFd = KeymapFile(layout, size);
    if (keymapFd < 0)
        return Fail("no keymap for layout " + layout);
    devices.keyboard =
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(globals.keyboards, globals.seat);
    zwp_virtual_keyboard_v1_keymap(devices.keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, keymapFd, size);
    close(keymapFd);
    devices.pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.pointers, globals.seat);
    if (wl_display_roundtrip(display) < 0)
        return Fail("the compositor refused the keyboard or the pointer");
    std::cout << "ready" << std::endl;

    std::string line;
    while (std::getline(std::cin, line)) {
        if (!Perform(devices, line))
            return Fail("not a command: " + line);
        if (wl_display_flush(display) < 0)
            return Fail(std::string("the compositor went away: ") + std::strerror(errno));
    }
    const bool handled = wl_display_roundtrip(display) >= 0;
    zwp_virtual_keyboard_v1_destroy(devices.keyboard);
    zwlr_virtual_pointer_v1_destroy(devices.pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return handled ? 0 : Fail("the compositor did not take every event");
}
