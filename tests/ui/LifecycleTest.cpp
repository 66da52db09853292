// The show and hide sequences of the window against a recording port and a settings file in a temporary
// folder: what the window draws from the stored settings, what it reports, and where it goes.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <stdexcept>

#include "support/FormFixture.h"

namespace {
using Lifecycle = FormFixture;

// Show: the port reset first, then the stored sound and controllers go out, and every display shows them.
// Hide: the guide closed, the port reset and closed, the settings written.
TEST_F(Lifecycle, ShowDrawsTheStoredSettingsAndHideSilencesAndSaves) {
    const struct {
        const char* ini;
        std::size_t messages;
        int keyBar, volume, modulation, posShift, group;
        const char *keyName, *sound;
    } cases[] = {
        // clang-format off
        {"", 12, 46, 25, 0, 0, 0, "C(0)", "ｸﾞﾗﾝﾄﾞ ﾋﾟｱﾉ"},
        {"[Sound]\nIndex1=16\nIndex2=5\nVolume=32\nModulation=31\nPosShift=2\n", 9, 46, 32, 31, 2, 16, "C(0)", "ﾊﾟｰｶｯｼｮﾝ"},
        {"[Sound]\nIndex1=3\nKey=12\n[Options]\nMenu-Japanese=0\n", 12, 58, 25, 0, 0, 3, "C(+1)", "Acoustic guitar (nylon)"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ini);
        Clear();
        WriteIni(c.ini);
        Start();
        EXPECT_EQ(Events().front(), Reset());
        EXPECT_EQ(Messages().size(), c.messages);
        EXPECT_EQ(W().SoundPanel->Caption(), QString::fromUtf8(c.sound));
        EXPECT_TRUE(form->Menus().sound->actions()[c.group]->isChecked());
        EXPECT_EQ(W().KeyPanel->Caption(), QString::fromLatin1(c.keyName));
        // The bars, and the knob at rest in the middle of its track.
        EXPECT_EQ((std::vector{W().Bar(Control::Key)->Position(), W().Bar(Control::Volume)->Position(),
                               W().Bar(Control::Modulation)->Position(),
                               W().Bar(Control::PosShift)->Position(), W().PitchBendPanel->y()}),
                  (std::vector{c.keyBar, c.volume, c.modulation, c.posShift, 100}));
        Clear();
        WriteIni("; written meanwhile\n");
        Stop();
        EXPECT_EQ(Events(), (std::vector<MidiEvent>{Reset(), Closed()})) << "the hide sequence";
        EXPECT_TRUE(ReadIni().startsWith("; written meanwhile\n[Sound]\nKey=")) << ReadIni().data();
    }
    EXPECT_EQ(helpCommands, std::vector<std::uint32_t>(std::size(cases), platform::HELP_QUIT));
}

TEST_F(Lifecycle, AFailedOpenShowsOneBoxAndTheControlsStillWork) {
    const std::pair<std::uint32_t, const char*> cases[] = {
        {4, "Device Already Allocated"}, {66, "NoMap"}, {68, "No Midi Device"}, {1, "Midi Open Error"}};
    for (const auto& [code, text] : cases) {
        boxes.clear();
        WriteIni("");
        Start(code);
        EXPECT_EQ(boxes, (std::vector<ShownBox>{{"Error", text}})) << code;
        Click(W().Panel(53));
        EXPECT_EQ(Value(Control::Volume), 26);
        Stop();
        EXPECT_TRUE(Events().empty());
    }
}

// An error that escapes a handler is shown in the application's error box, and the program plays on.
TEST_F(Lifecycle, AnEscapedErrorIsShownAndPlayGoesOn) {
    Start();
    QTimer::singleShot(0, form.get(), [] { throw std::runtime_error("disk on fire"); });
    ASSERT_TRUE(QTest::qWaitFor([this] { return !boxes.empty(); }));
    EXPECT_EQ(boxes, (std::vector<ShownBox>{{"Clavito", "disk on fire"}}));
    Clear();
    Click(W().Panel(38));
    EXPECT_EQ(Messages().front(), midi::NoteOn(0, 57));
}

// A stored place off the screen is clamped to it; the corrected coordinate is written back as the window's
// edge at once.
TEST_F(Lifecycle, PositionIsClampedToTheScreen) {
    Start();
    const QSize max = form->screen()->geometry().size() - form->frameGeometry().size();
    const int w = max.width(), h = max.height();
    // clang-format off
    const std::pair<QPoint, QPoint> cases[] = {{{0, 0}, {0, 0}}, {{w, h}, {w, h}}, {{-5, 3}, {0, 3}}, {{w + 1, 0}, {w, 0}}, {{2, -1}, {2, 0}}, {{2, h + 10}, {2, h}}};
    // clang-format on
    for (const auto& [stored, placed] : cases) {
        SCOPED_TRACE(testing::Message() << stored.x() << "," << stored.y());
        WriteIni(QStringLiteral("[Position]\nX=%1\nY=%2\n").arg(stored.x()).arg(stored.y()).toLatin1());
        Start();
        EXPECT_EQ(form->pos(), placed);
        const QByteArray after = ReadIni();
        EXPECT_EQ(after.contains("X=" + QByteArray::number(stored.x()) + "\n"), stored.x() == placed.x())
            << after.data();
        EXPECT_EQ(after.contains("Y=" + QByteArray::number(stored.y()) + "\n"), stored.y() == placed.y())
            << after.data();
        Stop();
        EXPECT_TRUE(ReadIni().startsWith(
            QStringLiteral("[Position]\nX=%1\nY=%2\n").arg(placed.x()).arg(placed.y()).toLatin1()))
            << ReadIni().data();
    }
}

TEST_F(Lifecycle, AFailedWriteIsReportedOnceAfterThePortIsClosed) {
    WriteIni(""); // a settings path below a regular file cannot be written, whoever runs the test
    const QString blocked = IniPath() + "/clavito.INI";
    form = std::make_unique<TMainForm>(
        TMainForm::Setup{.midiOpener = recordingMidiOpener(log), .settingsPath = blocked});
    form->show();
    EXPECT_TRUE(boxes.empty());
    form->close();
    EXPECT_EQ(boxes,
              (std::vector<ShownBox>{{"Clavito", QDir::toNativeSeparators(blocked) + " に書き込めません"}}));
    EXPECT_EQ(Events().back(), Closed());
}
} // namespace
