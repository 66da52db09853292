#include "platform/midi/SequencerOutput.h"

#include <iostream>
#include <optional>

#include <rtmidi/RtMidi.h>

namespace platform {

namespace {

constexpr char kClientName[] = "Clavito";
constexpr char kPortName[] = "out";

// Collects what RtMidi reports while a port is being opened; its default is to throw.
struct OpenErrors {
    bool failed = false;

    static void record(RtMidiError::Type type, const std::string&, void* self) {
        if (type != RtMidiError::WARNING && type != RtMidiError::DEBUG_WARNING) {
            static_cast<OpenErrors*>(self)->failed = true;
        }
    }
};

// Once open, a failed send is ignored like every other send result.
void ignoreError(RtMidiError::Type, const std::string&, void*) {}

std::unique_ptr<RtMidiOut> createPort() {
    try {
        return std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, kClientName);
    } catch (const RtMidiError&) {
        return nullptr;
    }
}

std::optional<unsigned> findDestination(RtMidiOut& port, std::string_view destination) {
    const unsigned count = port.getPortCount();
    for (unsigned i = 0; i < count; ++i) {
        if (portNameMatches(port.getPortName(i), destination)) {
            return i;
        }
    }
    return std::nullopt;
}

// RtMidi's openPort reuses the port that openVirtualPort made and only adds the connection, so after a
// failure here the port is still open.
void connectTo(RtMidiOut& port, const std::string& destination) {
    const std::optional<unsigned> index = findDestination(port, destination);
    OpenErrors errors;
    if (index) {
        port.setErrorCallback(&OpenErrors::record, &errors);
        port.openPort(*index, kPortName);
    }
    if (!index || errors.failed) {
        std::cerr << "Clavito: cannot connect the MIDI output to \"" << destination << "\"\n";
    }
}

// "client-id:port-id", the tail RtMidi gives every ALSA port name.
bool isAlsaAddress(std::string_view text) {
    const auto colon = text.find(':');
    const auto isNumber = [](std::string_view digits) {
        return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return colon != std::string_view::npos && isNumber(text.substr(0, colon)) &&
           isNumber(text.substr(colon + 1));
}

} // namespace

AlsaPortName splitAlsaPortName(std::string_view portName) {
    const auto space = portName.rfind(' ');
    if (space == std::string_view::npos || !isAlsaAddress(portName.substr(space + 1))) {
        return {portName, {}};
    }
    return {portName.substr(0, space), portName.substr(space + 1)};
}

bool portNameMatches(std::string_view portName, std::string_view destination) {
    if (destination.empty()) {
        return false;
    }
    if (portName == destination) {
        return true;
    }
    const auto [name, address] = splitAlsaPortName(portName);
    return !address.empty() && (name == destination || address == destination);
}

MidiOpenResult openSequencerOutput(const std::string& connect) {
    std::unique_ptr<RtMidiOut> port = createPort();
    if (!port) {
        return {MIDIERR_NODEVICE, nullptr};
    }
    OpenErrors errors;
    port->setErrorCallback(&OpenErrors::record, &errors);
    port->openVirtualPort(kPortName);
    if (errors.failed) {
        return {MIDIERR_NODEVICE, nullptr};
    }
    if (!connect.empty()) {
        connectTo(*port, connect);
    }
    port->setErrorCallback(&ignoreError, nullptr);
    return {MMSYSERR_NOERROR, std::make_unique<SequencerOutput>(std::move(port))};
}

SequencerOutput::SequencerOutput(std::unique_ptr<RtMidiOut> port) : port_(std::move(port)) {}

SequencerOutput::~SequencerOutput() = default;

void SequencerOutput::write(const ShortMessage& message) {
    port_->sendMessage(message.bytes.data(), message.length);
}

} // namespace platform
