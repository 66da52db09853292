// Note tags to notes: the note table moved by the position shift and transposed by Key, with the octave
// doublings on their own channels. A release recomputes its note from the state of that moment.
#include <QAction>

#include "engine/NoteTable.h"
#include "midi/Messages.h"
#include "ui/ClavitoMain.h"

namespace {
constexpr int kHighestDoubledUp = 115;
constexpr int kLowestDoubledDown = 12;
} // namespace

void TMainForm::PlayNote(std::int32_t tag) {
    const int entry = NoteAt(tag - 2 * PosShift);
    if (entry == 0)
        return;
    const int n = entry + Key;
    Send(midi::NoteOn(ChannelBase, n));
    if (ChannelBase != 0)
        return;
    if (High1->isChecked() && n <= kHighestDoubledUp)
        Send(midi::NoteOn(midi::kHighChannel, n + 12));
    if (Low1->isChecked() && n >= kLowestDoubledDown)
        Send(midi::NoteOn(midi::kLowChannel, n - 12));
}

// The doubling Note Offs go out whatever the options and the base channel, so that a doubled note always
// ends, even when its option was switched off while the key was held.
void TMainForm::StopNote(std::int32_t tag) {
    const int entry = NoteAt(tag - 2 * PosShift);
    if (entry == 0)
        return;
    const int n = entry + Key;
    Send(midi::NoteOff(ChannelBase, n));
    if (n <= kHighestDoubledUp)
        Send(midi::NoteOff(midi::kHighChannel, n + 12));
    if (n >= kLowestDoubledDown)
        Send(midi::NoteOff(midi::kLowChannel, n - 12));
}
