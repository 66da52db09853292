#pragma once
// The program's one MIDI output port: a thin stand-in for the system MIDI mapper.
//
// The mapper chooses one of three real outputs from section "MIDI" of the settings file (see MidiSettings):
// the built-in FluidSynth synthesizer, an ALSA sequencer port or a JACK MIDI port. Every call is made on the
// UI thread, and none waits on a server longer than kServerDeadline (see PendingCall). After a failed open
// the port holds no output and every later call is harmless.

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include <QObject>
#include <QString>

#include "platform/midi/MidiDestinations.h"
#include "platform/midi/PendingCall.h"

namespace platform {

// Open results, as the program reports them.
inline constexpr std::uint32_t MMSYSERR_NOERROR = 0;
inline constexpr std::uint32_t MMSYSERR_ALLOCATED = 4; // "Device Already Allocated"
inline constexpr std::uint32_t MIDIERR_NOMAP = 66;     // the synthesizer was chosen but no SoundFont loads
inline constexpr std::uint32_t MIDIERR_NODEVICE = 68;  // no output could be opened at all, or not in time
inline constexpr std::uint32_t MMSYSERR_ERROR = 1;     // any other failure

// One real destination for packed short messages (status | data1 << 8 | data2 << 16).
class MidiOutput {
public:
    virtual ~MidiOutput() = default;
    virtual void send(std::uint32_t msg) = 0;
    // Silences every note this output left sounding (see the implementations for how). Never waits on a
    // server: what a server has to deliver is queued, and the close waits for it up to its deadline.
    virtual void reset() = 0;

    // Sets the function told, once and on any thread, that the output stopped for good (its server shut
    // down, its audio failed); a loss before this call is told at once. An empty function tells no one.
    void onLost(std::function<void()> handler);

protected:
    // For the implementations, from whichever thread notices the loss.
    void reportLost();

private:
    std::mutex mutex_;
    std::function<void()> lostHandler_;
    bool lost_ = false;
};

struct MidiOpenResult {
    MidiOpenResult(std::uint32_t code, std::unique_ptr<MidiOutput> output)
        : code(code), output(std::move(output)) {}
    std::uint32_t code;
    std::unique_ptr<MidiOutput> output; // set exactly when code == MMSYSERR_NOERROR
    MidiDestination destination;        // what the output plays into, when it opened
};

// Opens an output for the settings file at settingsPath (reads its "MIDI" section).
using MidiOpener = std::function<MidiOpenResult(const QString& settingsPath)>;

// The real mapper: "synth", "alsa", "jack" or "auto".
MidiOpenResult openMidiMapper(const QString& settingsPath);

// The port handle the main window keeps. Owns the output it opened; Close() releases it.
class MidiOut {
public:
    MidiOut() = default;
    MidiOut(const MidiOut&) = delete;
    MidiOut& operator=(const MidiOut&) = delete;
    ~MidiOut();

    // Starts the open on a thread of its own, so that a JACK client or the synthesizer's audio comes up
    // while the window is being built; the next Open waits for that open's result instead of opening.
    void BeginOpen(const MidiOpener& opener, const QString& settingsPath);
    // An open that has not finished kServerDeadline after this call fails with MIDIERR_NODEVICE.
    std::uint32_t Open(const MidiOpener& opener, const QString& settingsPath);
    // Open without the wait, so that the window need not wait for the synthesizer's library and audio: told
    // gets the result that Open would return, on the UI thread, once it is known (at most kServerDeadline
    // after this call; at once when it is known already). Until then what is sent is held and handed to the
    // output in order when it opens, or dropped when it does not. An Open, a Close or the end of the port
    // before that takes the result there and tells no one.
    void OpenInBackground(const MidiOpener& opener, const QString& settingsPath,
                          std::function<void(std::uint32_t)> told);
    void ShortMsg(std::uint32_t msg);
    void Reset();
    // Gives up on a close that has not finished within kServerDeadline (its output is then abandoned).
    void Close();
    bool isOpen() const { return output_ != nullptr; }
    // What the open output plays into; nothing while no output is open.
    std::optional<MidiDestination> destination() const;

    // Sets the function called on the UI thread, once for each output, when the open output stops for
    // good. The call is queued, so it never runs inside a call of this port.
    void setOnLost(std::function<void()> onLost) { onLost_ = std::move(onLost); }

private:
    std::uint32_t take(std::optional<MidiOpenResult> result);
    void tell(unsigned call, bool deadlinePassed);
    void takeUntold();
    void lost(unsigned serial);

    PendingCall<MidiOpenResult> opening_;
    unsigned calls_ = 0; // counts the opens begun, so that a late notice of an earlier one is dropped
    std::function<void(std::uint32_t)> told_;
    // What is sent while told_ waits: the messages, and nothing for a reset.
    std::vector<std::optional<std::uint32_t>> held_;
    std::unique_ptr<MidiOutput> output_;
    MidiDestination destination_;
    unsigned serial_ = 0; // counts the opened outputs, so that a late loss notice of a closed one is dropped
    std::function<void()> onLost_;
    QObject receiver_; // lives on the UI thread and receives the notices queued by other threads
};

} // namespace platform
