// The two places where every action is carried out. Keyboard, mouse and timer code only work out a tag.
#include "ui/ClavitoMain.h"

namespace {
bool IsControlTag(std::int32_t tag) {
    return tag >= 1 && tag <= 10;
}
bool IsNoteTag(std::int32_t tag) {
    return tag >= 100 && tag <= 138;
}
} // namespace

void TMainForm::PressAction(std::int32_t tag) {
    if (IsControlTag(tag))
        ControlStep(tag);
    else if (IsNoteTag(tag))
        PlayNote(tag);
}

void TMainForm::ReleaseAction(std::int32_t tag) {
    if (IsNoteTag(tag))
        StopNote(tag);
}
