// The two places where every action is carried out. Keyboard, mouse and timer code only work out a tag.
#include "engine/ActionTags.h"
#include "ui/ClavitoMain.h"

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
