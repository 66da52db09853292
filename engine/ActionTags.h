#pragma once
// The action tag of a key panel decides what pressing and releasing it does.
#include <cstdint>

constexpr bool IsControlTag(std::int32_t tag) {
    return tag >= 1 && tag <= 10;
}
constexpr bool IsNoteTag(std::int32_t tag) {
    return tag >= 100 && tag <= 138;
}
