#include <gtest/gtest.h>

#include "platform/midi/SequencerOutput.h"

namespace platform {
namespace {

struct PortNameCase {
    const char* portName;
    const char* destination;
    bool matches;
};

class PortNameTest : public testing::TestWithParam<PortNameCase> {};

TEST_P(PortNameTest, MatchesWholeNamesOnly) {
    const PortNameCase& c = GetParam();
    EXPECT_EQ(portNameMatches(c.portName, c.destination), c.matches) << c.portName << " / " << c.destination;
}

INSTANTIATE_TEST_SUITE_P(
    SequencerOutput, PortNameTest,
    testing::Values(PortNameCase{"midi-monitor:input", "midi-monitor:input", true},
                    PortNameCase{"midi-monitor:input", "midi-monitor:in", false},
                    PortNameCase{"midi-monitor:input2", "midi-monitor:input", false},
                    PortNameCase{"Midi Through:Midi Through Port-0 14:0", "14:0", true},
                    PortNameCase{"Midi Through:Midi Through Port-0 114:0", "14:0", false},
                    PortNameCase{"Midi Through:Midi Through Port-0 14:0", "14:01", false},
                    PortNameCase{"Midi Through:Midi Through Port-0 14:0", "Midi Through:Midi Through Port-0",
                                 true},
                    PortNameCase{"Midi Through:Midi Through Port-0 14:0", "Midi Through:Midi", false},
                    PortNameCase{"Midi Through:Midi Through Port-0 14:0", "Port-0 14:0", false},
                    PortNameCase{"synth:in put", "put", false}, PortNameCase{"synth:in 2:x", "2:x", false},
                    PortNameCase{"a:b", "", false}, PortNameCase{"", "a:b", false}));

} // namespace
} // namespace platform
