#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QMenu>

#include "platform/dialogs/MessageBox.h"
#include "platform/midi/MidiOut.h"
#include "ui/ClavitoMain.h"

namespace platform {
namespace {

using namespace std::chrono_literals;
using Events = std::vector<std::string>; // each event as hex bytes, "90 39 7F"

// A JACK server of the test's own, on the dummy driver, under a name no other server uses.
class JackServer {
public:
    explicit JackServer(const std::string& name) : pid_(fork()) {
        if (pid_ == 0) {
            execlp("jackd", "jackd", "--no-realtime", "-n", name.c_str(), "-d", "dummy", "-r", "48000", "-p",
                   "256", static_cast<char*>(nullptr));
            _exit(127);
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

private:
    pid_t pid_;
};

struct ClientCloser {
    void operator()(jack_client_t* client) const { jack_client_close(client); }
};

// Runs its own server and a monitor client whose MIDI input keeps every event it receives.
class JackOutputTest : public testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("jackd").isEmpty()) {
            GTEST_SKIP() << "jackd is not installed";
        }
        // One fixed name per test (the tests may run side by side): a server of an earlier run that died
        // without leaving JACK's registry (which has room for eight) then gives its place back instead of
        // taking one more.
        const char* prefix = std::getenv("CLAVITO_TEST_JACK_PREFIX");
        const std::string name = std::string(prefix ? prefix : "clavito") + "-port-test-" +
                                 testing::UnitTest::GetInstance()->current_test_info()->name();
        setenv("JACK_DEFAULT_SERVER", name.c_str(), 1);
        setenv("JACK_NO_START_SERVER", "1", 1);
        server_ = std::make_unique<JackServer>(name);
        for (int attempt = 0; attempt < 100 && !client_; ++attempt, std::this_thread::sleep_for(50ms)) {
            client_.reset(jack_client_open("clavito-monitor", JackNoStartServer, nullptr));
        }
        ASSERT_TRUE(client_) << "the test's JACK server did not come up";
        input_ = jack_port_register(client_.get(), "input", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
        jack_set_process_callback(client_.get(), &JackOutputTest::process, this);
        ASSERT_TRUE(input_ != nullptr && jack_activate(client_.get()) == 0);
        ASSERT_TRUE(dir_.isValid());
    }

    QString settings(const QByteArray& midiSection) {
        QFile file(dir_.filePath("clavito.INI"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[MIDI]\nOutput=jack\n" + midiSection);
        return file.fileName();
    }

    Events waitFor(std::size_t count) {
        for (int attempt = 0; attempt < 200; ++attempt, std::this_thread::sleep_for(20ms)) {
            std::lock_guard lock(mutex_);
            if (received_.size() >= count) {
                break;
            }
        }
        std::this_thread::sleep_for(50ms);
        std::lock_guard lock(mutex_);
        return received_;
    }

    bool hasOutPort() const { return jack_port_by_name(client_.get(), "Clavito:out") != nullptr; }
    std::size_t received() {
        std::lock_guard lock(mutex_);
        return received_.size();
    }
    // Whether something (the synthesizer's audio) is wired to the system's first playback port.
    bool playbackConnected() const {
        const char** ports = jack_port_get_all_connections(
            client_.get(), jack_port_by_name(client_.get(), "system:playback_1"));
        jack_free(ports);
        return ports != nullptr;
    }
    jack_client_t* client() const { return client_.get(); }
    bool connected() const { return jack_port_connected_to(input_, "Clavito:out") != 0; }

private:
    static int process(jack_nframes_t frames, void* self) {
        auto* test = static_cast<JackOutputTest*>(self);
        void* buffer = jack_port_get_buffer(test->input_, frames);
        std::lock_guard lock(test->mutex_);
        jack_midi_event_t event;
        for (jack_nframes_t i = 0; jack_midi_event_get(&event, buffer, i) == 0; ++i) {
            const QByteArray bytes(reinterpret_cast<const char*>(event.buffer),
                                   static_cast<qsizetype>(event.size));
            test->received_.push_back(bytes.toHex(' ').toUpper().toStdString());
        }
        return 0;
    }

    // The client goes first, before what its process callback touches, and the server last.
    std::unique_ptr<JackServer> server_;
    std::mutex mutex_;
    Events received_;
    std::unique_ptr<jack_client_t, ClientCloser> client_;
    jack_port_t* input_ = nullptr;
    QTemporaryDir dir_;
};

TEST_F(JackOutputTest, DeliversTheExactBytesInOrderResetsWhatWasLeftSoundingAndConnects) {
    MidiOut port;
    ASSERT_EQ(port.Open(openMidiMapper, settings("Connect=clavito-monitor:input\n")), MMSYSERR_NOERROR);
    EXPECT_TRUE(hasOutPort());
    EXPECT_TRUE(connected());
    // Running status, SysEx framing and stray data bytes must not go out; data bytes lose their high bit.
    for (const std::uint32_t msg :
         {0x0000C9u, 0x7F28C0u, 0x6407B0u, 0x7F3990u, 0x7F4591u, 0x7F2492u, 0x004000E0u, 0x003990u, 0x002492u,
          0x7F2499u, 0x7F3C40u, 0xF0u, 0xF8u, 0xFF8093u}) {
        port.ShortMsg(msg);
    }
    port.Reset();
    Events expected = {"C9 00",    "C0 28",    "B0 07 64", "90 39 7F", "91 45 7F", "92 24 7F",
                       "E0 00 40", "90 39 00", "92 24 00", "99 24 7F", "F8",       "93 00 7F", // as sent
                       "81 45 00", "83 00 00", "89 24 00"}; // the reset: the notes left sounding first
    for (const char channel : std::string_view("0123456789ABCDEF")) {
        expected.push_back(std::string("B") + channel + " 7B 00");
    }
    EXPECT_EQ(waitFor(expected.size()), expected);
    port.Close();
    EXPECT_FALSE(hasOutPort());

    // A destination that is not there leaves the port open, unconnected.
    ASSERT_EQ(port.Open(openMidiMapper, settings("Connect=nobody:input\n")), MMSYSERR_NOERROR);
    EXPECT_TRUE(hasOutPort());
    EXPECT_FALSE(connected());
}

bool waitUntil(const std::function<bool()>& condition) {
    for (int attempt = 0; attempt < 400 && !condition(); ++attempt) {
        std::this_thread::sleep_for(25ms);
    }
    return condition();
}

// The chooser of the real window: from the monitor's port to the synthesizer, whose audio wires itself to the
// system's playback, and back; then a port that left after the menu listed it.
TEST_F(JackOutputTest, TheWindowSwitchesBetweenAJackPortAndTheSynthesizer) {
    constexpr char kSoundFont[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    if (!QFileInfo::exists(kSoundFont)) {
        GTEST_SKIP() << "no " << kSoundFont;
    }
    std::vector<QString> boxes;
    SetMessageBoxHook([&boxes](const QString&, const QString& text) { boxes.push_back(text); });
    std::unique_ptr<jack_client_t, ClientCloser> gone(jack_client_open("gone", JackNoStartServer, nullptr));
    ASSERT_TRUE(gone && jack_port_register(gone.get(), "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0));
    const QByteArray synth = QByteArray("AudioDriver=jack\nSoundFont=") + kSoundFont + "\n";
    TMainForm form({openMidiMapper, settings("Connect=clavito-monitor:input\n" + synth)});
    form.show();
    const auto entries = [&form] {
        form.Menu->Output->popup(QPoint(0, 0));
        form.Menu->Output->hide();
        return form.Menu->Output->actions();
    };
    const auto entry = [&entries](const QString& text) {
        for (QAction* action : entries()) {
            if (action->text() == text) {
                return action;
            }
        }
        return static_cast<QAction*>(nullptr);
    };
    constexpr std::size_t kStart = 16 + 4 + 8, kReset = 16; // reset, programs, controllers
    ASSERT_EQ(waitFor(kStart).size(), kStart);
    ASSERT_TRUE(entry("JACK: clavito-monitor:input") && entry("JACK: clavito-monitor:input")->isChecked());

    entries()[0]->trigger();
    EXPECT_TRUE(entries()[0]->isChecked());
    EXPECT_EQ(waitFor(kStart + kReset).size(), kStart + kReset);
    EXPECT_FALSE(hasOutPort());
    EXPECT_TRUE(waitUntil([this] { return playbackConnected(); }));

    entry("JACK: clavito-monitor:input")->trigger();
    const Events events = waitFor(2 * kStart + kReset);
    ASSERT_EQ(events.size(), 2 * kStart + kReset);
    EXPECT_EQ(std::vector(events.begin(), events.begin() + kStart),
              std::vector(events.end() - kStart, events.end()));
    EXPECT_TRUE(connected());

    QAction* goneEntry = entry("JACK: gone:in");
    ASSERT_TRUE(goneEntry);
    gone.reset();
    goneEntry->trigger();
    EXPECT_EQ(boxes, (std::vector<QString>{"JACK: gone:in: No Midi Device"}));
    EXPECT_TRUE(connected());
    EXPECT_EQ(received(), 2 * kStart + kReset);
    SetMessageBoxHook({});
}

} // namespace
} // namespace platform
