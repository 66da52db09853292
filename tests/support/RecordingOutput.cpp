#include <utility>

#include "support/RecordingOutput.h"

namespace {

class RecordingOutput : public platform::MidiOutput {
public:
    explicit RecordingOutput(std::shared_ptr<MidiLog> log) : log_(std::move(log)) {}
    ~RecordingOutput() override { log_->push_back({MidiEvent::Close}); }

    void send(std::uint32_t msg) override { log_->push_back({MidiEvent::Message, msg}); }
    void reset() override { log_->push_back({MidiEvent::Reset}); }

private:
    std::shared_ptr<MidiLog> log_;
};

} // namespace

platform::MidiOpener recordingMidiOpener(std::shared_ptr<MidiLog> log, std::uint32_t code) {
    return [log = std::move(log), code](const QString&) -> platform::MidiOpenResult {
        if (code != platform::MMSYSERR_NOERROR) {
            return {code, nullptr};
        }
        return {platform::MMSYSERR_NOERROR, std::make_unique<RecordingOutput>(log)};
    };
}
