// Packing of every message row the program sends: status in the low byte, then the two data bytes.
#include <gtest/gtest.h>

#include "midi/Messages.h"

namespace {
TEST(Messages, EveryRowPacksItsBytesInOrder) {
    const struct {
        const char* row;
        std::uint32_t packed;
        std::uint32_t expected;
    } rows[] = {
        {"M1 program 0 on the drums", midi::ProgramChange(9, 0), 0x0000C9},
        {"M2/M3 program on channel 2", midi::ProgramChange(2, 127), 0x007FC2},
        {"M4 note on", midi::NoteOn(0, 57), 0x7F3990},
        {"M8 high note off", midi::NoteOff(1, 69), 0x004581},
        {"M11 modulation", midi::ControlChange(2, 1, 124), 0x7C01B2},
        {"M12 bend top", midi::PitchBend(11, 127), 0x7F00EB},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.packed, r.expected) << r.row;
}

TEST(Messages, ControllerValuesAreFourPerStepAtMost127) {
    const int cases[][2] = {{0, 0}, {1, 4}, {25, 100}, {31, 124}, {32, 127}};
    for (const auto& c : cases)
        EXPECT_EQ(midi::ControllerValue(c[0]), c[1]) << "step " << c[0];
}
}  // namespace
