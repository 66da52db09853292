#include "support/RecordingOutput.h"

namespace {
struct RecordingOutput : platform::MidiOutput {
    explicit RecordingOutput(std::shared_ptr<MidiLog> log) : log(std::move(log)) {}
    ~RecordingOutput() override { log->push_back(kClosedMark); }
    void send(std::uint32_t msg) override { log->push_back(msg); }
    void reset() override { log->push_back(kResetMark); }
    std::shared_ptr<MidiLog> log;
};
} // namespace

platform::MidiOpener recordingMidiOpener(std::shared_ptr<MidiLog> log, std::uint32_t code) {
    return [log = std::move(log), code](const QString&) -> platform::MidiOpenResult {
        if (code != platform::MMSYSERR_NOERROR)
            return {code, nullptr};
        return {code, std::make_unique<RecordingOutput>(log)};
    };
}
