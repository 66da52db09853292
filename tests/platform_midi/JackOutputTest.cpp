#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/midi/MidiOut.h"

extern char** environ;

namespace platform {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::vector<std::uint8_t>>;

constexpr char kMonitorName[] = "clavito-monitor";
constexpr char kMonitorPort[] = "clavito-monitor:input";

// A JACK server of the test's own, on the dummy driver, under a name no other server uses.
class JackServer {
public:
    explicit JackServer(const std::string& name) {
        const std::string jackd = QStandardPaths::findExecutable("jackd").toStdString();
        std::vector<std::string> args = {jackd, "--no-realtime", "-n", name, "-d", "dummy",
                                         "-r",  "48000",         "-p", "256"};
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, jackd.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
            pid_ = 0;
        }
    }
    ~JackServer() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    JackServer(const JackServer&) = delete;
    JackServer& operator=(const JackServer&) = delete;

    bool started() const { return pid_ > 0; }

private:
    pid_t pid_ = 0;
};

// A JACK client with one MIDI input that keeps every event it receives.
class MidiMonitor {
public:
    bool open() {
        for (int attempt = 0; attempt < 100 && client_ == nullptr; ++attempt) {
            client_ = jack_client_open(kMonitorName, JackNoStartServer, nullptr);
            if (client_ == nullptr) {
                std::this_thread::sleep_for(50ms);
            }
        }
        if (client_ == nullptr) {
            return false;
        }
        input_ = jack_port_register(client_, "input", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
        jack_set_process_callback(client_, &MidiMonitor::process, this);
        return input_ != nullptr && jack_activate(client_) == 0;
    }
    ~MidiMonitor() {
        if (client_ != nullptr) {
            jack_client_close(client_);
        }
    }

    Bytes waitFor(std::size_t count) {
        for (int attempt = 0; attempt < 200; ++attempt) {
            {
                std::lock_guard lock(mutex_);
                if (received_.size() >= count) {
                    break;
                }
            }
            std::this_thread::sleep_for(20ms);
        }
        std::this_thread::sleep_for(50ms);
        std::lock_guard lock(mutex_);
        return received_;
    }

    std::vector<std::string> portsOf(const char* pattern) const {
        std::vector<std::string> names;
        if (const char** ports = jack_get_ports(client_, pattern, nullptr, 0)) {
            for (const char** port = ports; *port != nullptr; ++port) {
                names.emplace_back(*port);
            }
            jack_free(ports);
        }
        return names;
    }

    bool connectedTo(const char* port) const { return jack_port_connected_to(input_, port) != 0; }

private:
    static int process(jack_nframes_t frames, void* self) {
        auto* monitor = static_cast<MidiMonitor*>(self);
        void* buffer = jack_port_get_buffer(monitor->input_, frames);
        const jack_nframes_t count = jack_midi_get_event_count(buffer);
        std::lock_guard lock(monitor->mutex_);
        for (jack_nframes_t i = 0; i < count; ++i) {
            jack_midi_event_t event;
            if (jack_midi_event_get(&event, buffer, i) == 0) {
                monitor->received_.emplace_back(event.buffer, event.buffer + event.size);
            }
        }
        return 0;
    }

    jack_client_t* client_ = nullptr;
    jack_port_t* input_ = nullptr;
    std::mutex mutex_;
    Bytes received_;
};

class JackOutputTest : public testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("jackd").isEmpty()) {
            GTEST_SKIP() << "jackd is not installed";
        }
        const std::string name = "clavito-test-" + std::to_string(getpid());
        setenv("JACK_DEFAULT_SERVER", name.c_str(), 1);
        setenv("JACK_NO_START_SERVER", "1", 1);
        server_ = std::make_unique<JackServer>(name);
        ASSERT_TRUE(server_->started());
        ASSERT_TRUE(monitor_.open()) << "the test's JACK server did not come up";
        ASSERT_TRUE(dir_.isValid());
    }

    QString settings(const QByteArray& midiSection) {
        const QString path = dir_.filePath("clavito.INI");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[MIDI]\n" + midiSection);
        return path;
    }

    std::unique_ptr<JackServer> server_;
    MidiMonitor monitor_;
    QTemporaryDir dir_;
};

Bytes allNotesOff() {
    Bytes bytes;
    for (std::uint8_t channel = 0; channel < 16; ++channel) {
        bytes.push_back({static_cast<std::uint8_t>(0xB0 | channel), 123, 0});
    }
    return bytes;
}

TEST_F(JackOutputTest, DeliversTheExactBytesInOrderAndResetsWhatWasLeftSounding) {
    MidiOut port;
    ASSERT_EQ(port.Open(openMidiMapper, settings(QByteArray("Output=jack\nConnect=") + kMonitorPort + "\n")),
              MMSYSERR_NOERROR);
    EXPECT_EQ(monitor_.portsOf("^Clavito"), std::vector<std::string>{"Clavito:out"});
    EXPECT_TRUE(monitor_.connectedTo("Clavito:out"));

    for (const std::uint32_t msg : {0x0000C9u, 0x0028C0u, 0x6407B0u, 0x7F3990u, 0x7F4591u, 0x7F2492u,
                                    0x004000E0u, 0x003990u, 0x002492u, 0x7F2499u}) {
        port.ShortMsg(msg);
    }
    port.Reset();
    Bytes expected = {{0xC9, 0x00},       {0xC0, 0x28},       {0xB0, 0x07, 0x64}, {0x90, 0x39, 0x7F},
                      {0x91, 0x45, 0x7F}, {0x92, 0x24, 0x7F}, {0xE0, 0x00, 0x40}, {0x90, 0x39, 0x00},
                      {0x92, 0x24, 0x00}, {0x99, 0x24, 0x7F}, {0x81, 0x45, 0x00}, {0x89, 0x24, 0x00}};
    for (const auto& message : allNotesOff()) {
        expected.push_back(message);
    }
    EXPECT_EQ(monitor_.waitFor(expected.size()), expected);
    port.Close();
}

TEST_F(JackOutputTest, AnUnknownDestinationStillOpensTheOutput) {
    MidiOut port;
    ASSERT_EQ(port.Open(openMidiMapper, settings("Output=jack\nConnect=nobody:input\n")), MMSYSERR_NOERROR);
    EXPECT_EQ(monitor_.portsOf("^Clavito"), std::vector<std::string>{"Clavito:out"});
    EXPECT_FALSE(monitor_.connectedTo("Clavito:out"));
    port.ShortMsg(0x7F3990);
    port.Close();
    EXPECT_TRUE(monitor_.waitFor(0).empty());
}

TEST_F(JackOutputTest, CloseRemovesThePort) {
    MidiOut port;
    ASSERT_EQ(port.Open(openMidiMapper, settings("Output=jack\n")), MMSYSERR_NOERROR);
    EXPECT_EQ(monitor_.portsOf("^Clavito"), std::vector<std::string>{"Clavito:out"});
    port.Close();
    EXPECT_TRUE(monitor_.portsOf("^Clavito").empty());
}

} // namespace
} // namespace platform
