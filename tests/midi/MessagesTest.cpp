// What the end-to-end byte checks never see: the bend's byte order and the controllers' top steps.
#include <gtest/gtest.h>

#include "midi/Messages.h"

TEST(Messages, BendRidesInTheSecondDataByte) {
    EXPECT_EQ(midi::PitchBend(11, 127), 0x7F00EBu);
}

TEST(Messages, ControllerValuesAreFourPerStepAtMost127) {
    const int cases[][2] = {{1, 4}, {31, 124}, {32, 127}};
    for (const auto& c : cases)
        EXPECT_EQ(midi::ControllerValue(c[0]), c[1]) << "step " << c[0];
}
