// A JACK server of the test's own on the dummy driver, with a monitor client that keeps every MIDI event it
// receives: the port's bytes, and the output chooser of the real window.
#include <jack/jack.h>
#include <jack/midiport.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <mutex>

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include "platform/dialogs/MessageBox.h"
#include "platform/midi/MidiOut.h"
#include "ui/ClavitoMain.h"

namespace platform {
namespace {

using Events = std::vector<std::string>; // each event as hex bytes, "90 39 7F"
constexpr char kSoundFont[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class JackOutputTest : public testing::Test {
protected:
    // One fixed server name per test: a server of an earlier run that died without leaving JACK's registry
    // (which has room for eight) then gives its place back instead of taking one more.
    void SetUp() override {
        const std::string name = qEnvironmentVariable("CLAVITO_TEST_JACK_PREFIX", "clavito").toStdString() +
                                 "-port-test-" +
                                 testing::UnitTest::GetInstance()->current_test_info()->name();
        setenv("JACK_DEFAULT_SERVER", name.c_str(), 1);
        setenv("JACK_NO_START_SERVER", "1", 1);
        server_ = fork();
        if (server_ == 0) {
            // Realtime where allowed (root): a loaded machine then neither drops a cycle's MIDI nor a client.
            execlp("jackd", "jackd", geteuid() == 0 ? "--realtime" : "--no-realtime", "-t", "20000", "-n",
                   name.c_str(), "-d", "dummy", "-r", "48000", "-p", "256", static_cast<char*>(nullptr));
            _exit(127);
        }
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return (client_ = jack_client_open("clavito-monitor", JackNoStartServer, nullptr)); },
            20000));
        input_ = jack_port_register(client_, "input", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
        jack_set_process_callback(client_, &JackOutputTest::Process, this);
        ASSERT_TRUE(input_ && jack_activate(client_) == 0);
    }

    // The client goes before the server.
    void TearDown() override {
        if (client_)
            jack_client_close(client_);
        // jackd can hang for ever on SIGTERM when a client left while it stopped.
        kill(server_, SIGTERM);
        if (!QTest::qWaitFor([this] { return waitpid(server_, nullptr, WNOHANG) == server_; }, 5000)) {
            kill(server_, SIGKILL);
            waitpid(server_, nullptr, 0);
        }
    }

    QString SettingsFile(const QByteArray& midiSection, const QByteArray& output = "jack") {
        QFile file(dir_.filePath("clavito.INI"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) &&
                    file.write("[MIDI]\nOutput=" + output + "\n" + midiSection) > 0);
        return file.fileName();
    }
    QString SynthSettings(const QByteArray& output = "synth") {
        return SettingsFile(QByteArray("AudioDriver=jack\nSoundFont=") + kSoundFont, output);
    }

    Events Received() {
        std::lock_guard lock(mutex_);
        return received_;
    }
    Events WaitFor(std::size_t count) {
        static_cast<void>(QTest::qWaitFor([&] { return Received().size() >= count; }, 20000));
        return Received();
    }
    bool HasOutPort() const { return jack_port_by_name(client_, "Clavito:out") != nullptr; }
    bool PlaybackWired() const {
        return jack_port_connected(jack_port_by_name(client_, "system:playback_1")) > 0;
    }
    bool Connected() const { return jack_port_connected_to(input_, "Clavito:out") != 0; }

    static int Process(jack_nframes_t frames, void* self) {
        auto* test = static_cast<JackOutputTest*>(self);
        void* buffer = jack_port_get_buffer(test->input_, frames);
        std::lock_guard lock(test->mutex_);
        jack_midi_event_t event;
        for (jack_nframes_t i = 0; jack_midi_event_get(&event, buffer, i) == 0; ++i) {
            const QByteArray bytes(reinterpret_cast<const char*>(event.buffer), qsizetype(event.size));
            test->received_.push_back(bytes.toHex(' ').toUpper().toStdString());
        }
        return 0;
    }

    pid_t server_ = -1;
    jack_client_t* client_ = nullptr;
    jack_port_t* input_ = nullptr;
    QTemporaryDir dir_;
    std::mutex mutex_;
    Events received_;
};

TEST_F(JackOutputTest, DeliversTheExactBytesInOrderResetsWhatWasLeftSoundingAndConnects) {
    MidiOut port;
    ASSERT_EQ(port.Open(openMidiMapper, SettingsFile("Connect=clavito-monitor:input\n")), MMSYSERR_NOERROR);
    EXPECT_TRUE(QTest::qWaitFor([this] { return Connected(); }, 20000));
    // A Note Off or a Note On of velocity 0 ends a note of its own channel only. Running status, SysEx
    // framing and stray data bytes never go out; data bytes lose their high bit.
    for (const std::uint32_t msg :
         {0x0028C0u, 0x6407B0u, 0x7F3990u, 0x403980u, 0x7F4591u, 0x004592u, 0x7F2492u, 0x002492u, 0x7F2499u,
          0x004000E0u, 0x7F3C40u, 0xF0u, 0xF8u, 0xFF8093u})
        port.ShortMsg(msg);
    port.Reset();
    // clang-format off
    Events expected = {"C0 28", "B0 07 64", "90 39 7F", "80 39 40", "91 45 7F", "92 45 00", "92 24 7F", "92 24 00",
                       "99 24 7F", "E0 00 40", "F8", "93 00 7F",
                       "81 45 00", "83 00 00", "89 24 00"}; // the reset: the notes left sounding first
    // clang-format on
    for (const char channel : std::string_view("0123456789ABCDEF"))
        expected.push_back(std::string("B") + channel + " 7B 00");
    EXPECT_EQ(WaitFor(expected.size()), expected);
    port.Close();
    EXPECT_FALSE(HasOutPort());
    // A destination that is not there leaves the port open, unconnected.
    ASSERT_EQ(port.Open(openMidiMapper, SettingsFile("Connect=nobody:input\n")), MMSYSERR_NOERROR);
    EXPECT_EQ(std::pair(HasOutPort(), Connected()), std::pair(true, false));
}

// "auto" takes the synthesizer when its SoundFont loads and its audio starts (here on JACK), else (no ALSA
// sequencer here) a JACK port.
TEST_F(JackOutputTest, AutoTakesTheSynthesizerFirstThenAJackPort) {
    const std::pair<QByteArray, bool> cases[] = {{kSoundFont, false},
                                                 {QFile::encodeName(dir_.filePath("absent.sf2")), true}};
    for (const auto& [soundFont, jackPort] : cases) {
        QFile file(dir_.filePath("auto.INI"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                    file.write("[MIDI]\nAudioDriver=jack\nSoundFont=" + soundFont + "\n") > 0);
        file.close();
        MidiOut port;
        ASSERT_EQ(port.Open(openMidiMapper, file.fileName()), MMSYSERR_NOERROR) << soundFont.data();
        EXPECT_EQ(HasOutPort(), jackPort) << soundFont.data();
    }
}

// From the monitor's port to the synthesizer, whose audio wires itself to the system's playback, and back;
// then a port that left after the menu listed it, and a synthesizer that fails, after which the previous
// output is stored and open again.
TEST_F(JackOutputTest, TheWindowSwitchesBetweenAJackPortAndTheSynthesizer) {
    std::vector<QString> boxes;
    SetMessageBoxHook([&boxes](const QString&, const QString& text) { boxes.push_back(text); });
    jack_client_t* gone = jack_client_open("gone", JackNoStartServer, nullptr);
    ASSERT_TRUE(gone && jack_port_register(gone, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0));
    const QByteArray monitor = "Connect=clavito-monitor:input\n";
    TMainForm form({.midiOpener = openMidiMapper,
                    .settingsPath = SettingsFile(monitor + "AudioDriver=jack\nSoundFont=" + kSoundFont)});
    form.show();
    const auto entry = [&form](const QString& text) {
        form.Menus().output->popup(QPoint(0, 0));
        form.Menus().output->hide();
        const QList<QAction*> actions = form.Menus().output->actions();
        EXPECT_LE(std::ranges::count_if(actions, &QAction::isChecked), 1);
        const auto found =
            std::ranges::find_if(actions, [&](QAction* a) { return a->text().startsWith(text); });
        EXPECT_TRUE(found != actions.end()) << "no entry " << text.toStdString();
        return found != actions.end() ? *found : new QAction(&form);
    };
    constexpr std::size_t kStart = 16 + 4 + 8, kReset = 16; // reset, programs, controllers
    ASSERT_EQ(WaitFor(kStart).size(), kStart);
    EXPECT_TRUE(entry("JACK: clavito-monitor:input")->isChecked());
    entry("内蔵")->trigger();
    EXPECT_TRUE(entry("内蔵")->isChecked());
    EXPECT_EQ(WaitFor(kStart + kReset).size(), kStart + kReset);
    EXPECT_FALSE(HasOutPort());
    EXPECT_TRUE(QTest::qWaitFor([this] { return PlaybackWired(); }, 20000));

    entry("JACK: clavito-monitor:input")->trigger();
    Events events = WaitFor(2 * kStart + kReset);
    ASSERT_EQ(events.size(), 2 * kStart + kReset);
    EXPECT_EQ(Events(events.begin(), events.begin() + kStart), Events(events.end() - kStart, events.end()));
    EXPECT_TRUE(Connected());

    QAction* goneEntry = entry("JACK: gone:in");
    jack_client_close(gone);
    goneEntry->trigger();
    SettingsFile(monitor + "AudioDriver=jack\nSoundFont=" + QFile::encodeName(dir_.filePath("absent.sf2")));
    entry("内蔵")->trigger();
    EXPECT_EQ(boxes, (std::vector<QString>{"JACK: gone:in: No Midi Device", "Built-in synthesizer: NoMap"}));
    events = WaitFor(3 * kStart + 2 * kReset);
    EXPECT_EQ(events.size(), 3 * kStart + 2 * kReset);
    EXPECT_EQ(Events(events.end() - kStart, events.end()), Events(events.begin(), events.begin() + kStart));
    EXPECT_TRUE(Connected());
    EXPECT_TRUE(entry("JACK: clavito-monitor:input")->isChecked());
    SetMessageBoxHook({});
}

// A server that shuts down while the program plays: the MIDI port (told by JACK) and the synthesizer (whose
// audio stops) each tell the UI thread once; playing and closing go on without a fault.
TEST_F(JackOutputTest, AServerThatShutsDownIsToldOnceForEachOutputOnTheUiThread) {
    MidiOut port, synth;
    ASSERT_EQ(port.Open(openMidiMapper, SettingsFile("Connect=clavito-monitor:input\n")), MMSYSERR_NOERROR);
    ASSERT_EQ(synth.Open(openMidiMapper, SynthSettings()), MMSYSERR_NOERROR);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Connected() && PlaybackWired(); }, 20000));
    std::vector<std::string> told;
    const auto tell = [&told](std::string what) {
        return [&told, what] {
            told.push_back(what + (QThread::currentThread() == qApp->thread() ? "" : " elsewhere"));
        };
    };
    port.setOnLost(tell("port"));
    synth.setOnLost(tell("synth"));
    kill(server_, SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&told] { return told.size() == 2; }, 20000));
    for (MidiOut* out : {&port, &synth}) {
        out->ShortMsg(0x7F3990);
        out->Reset();
        out->Close();
    }
    QCoreApplication::processEvents();
    std::ranges::sort(told);
    EXPECT_EQ(told, (std::vector<std::string>{"port", "synth"}));
}

// A server that stops answering (SIGSTOP): the close and the next open give up on it, the open failing as
// when no server runs, and once it goes on the port opens and plays again.
TEST_F(JackOutputTest, ACloseAndAnOpenGiveUpOnAStoppedServer) {
    MidiOut port;
    const QString settings = SettingsFile("Connect=clavito-monitor:input\n");
    ASSERT_EQ(port.Open(openMidiMapper, settings), MMSYSERR_NOERROR);
    kill(server_, SIGSTOP);
    port.Reset();
    port.Close();
    EXPECT_EQ(port.Open(openMidiMapper, settings), MIDIERR_NODEVICE);
    EXPECT_FALSE(port.isOpen());
    kill(server_, SIGCONT);
    // The open given up on may still hold the name "Clavito" for a moment, so the port is known by its note.
    ASSERT_EQ(port.Open(openMidiMapper, settings), MMSYSERR_NOERROR);
    port.ShortMsg(0x7F3990);
    EXPECT_TRUE(
        QTest::qWaitFor([this] { return !Received().empty() && Received().back() == "90 39 7F"; }, 20000));
}

// Options > Output checks the output in use, also when "auto" chose it.
TEST_F(JackOutputTest, TheChooserChecksTheOutputThatAutoChose) {
    TMainForm form({.midiOpener = openMidiMapper, .settingsPath = SynthSettings("auto")});
    form.show();
    // The window is up before the output is open; the chooser checks it from then on.
    const auto checked = [&form] {
        form.Menus().output->popup(QPoint(0, 0));
        form.Menus().output->hide();
        QStringList texts;
        for (const QAction* action : form.Menus().output->actions())
            if (action->isChecked())
                texts.append(action->text());
        return texts;
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return !checked().isEmpty(); }, 20000));
    EXPECT_EQ(checked(), QStringList{QString::fromUtf8("内蔵ｼﾝｾｻｲｻﾞｰ(&B)")});
}

} // namespace
} // namespace platform
