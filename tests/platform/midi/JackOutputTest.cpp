// "auto" against a JACK server of the test's own on the dummy driver (no ALSA sequencer here): what it opens
// and what it says it plays into, which the output chooser checks. The bytes a port writes are MidiOutTest's;
// their delivery, the servers that shut down or stop and the window's switching are the end-to-end scripts'.
#include <jack/jack.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/midi/MidiOut.h"
#include "support/Files.h"

namespace platform {
namespace {

// The synthesizer first when its SoundFont loads and its audio starts (here on JACK), else a JACK port, which
// stays open when its destination is not there.
TEST(JackOutput, AutoTakesTheSynthesizerFirstThenAJackPort) {
    const std::string name =
        qEnvironmentVariable("CLAVITO_TEST_JACK_PREFIX", "clavito").toStdString() + "-port";
    setenv("JACK_DEFAULT_SERVER", name.c_str(), 1);
    setenv("JACK_NO_START_SERVER", "1", 1);
    const pid_t server = fork();
    if (server == 0) {
        execlp("jackd", "jackd", "--no-realtime", "-t", "20000", "-n", name.c_str(), "-d", "dummy",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    // The server ends with the test, killed when it hangs on SIGTERM, as it can when a client left as it
    // stops.
    const std::shared_ptr<void> end(nullptr, [server](void*) {
        kill(server, SIGTERM);
        if (!QTest::qWaitFor([server] { return waitpid(server, nullptr, WNOHANG) == server; }, 5000))
            kill(server, SIGKILL), waitpid(server, nullptr, 0);
    });
    jack_client_t* client = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&client] { return (client = jack_client_open("clavito-test", JackNoStartServer, nullptr)); },
        20000));
    const QTemporaryDir dir;
    const std::pair<QByteArray, MidiDestination> cases[] = {
        {"/usr/share/sounds/sf2/TimGM6mb.sf2", {MidiOutputChoice::Synth, {}}},
        {QFile::encodeName(dir.filePath("absent.sf2")), {MidiOutputChoice::Jack, "nobody:input"}}};
    for (const auto& [soundFont, destination] : cases) {
        const QString settings = dir.filePath("clavito.INI");
        ASSERT_TRUE(
            WriteFile(settings, "[MIDI]\nConnect=nobody:input\nAudioDriver=jack\nSoundFont=" + soundFont));
        MidiOut port;
        EXPECT_EQ(port.Open(openMidiMapper, settings), MMSYSERR_NOERROR) << soundFont.data();
        EXPECT_EQ(port.destination(), destination) << soundFont.data();
        EXPECT_EQ(jack_port_by_name(client, "Clavito:out") != nullptr,
                  destination.output == MidiOutputChoice::Jack);
    }
    jack_client_close(client);
}

} // namespace
} // namespace platform
