// The show and hide sequences of the window against a recording port and a settings file in a temporary
// folder: what the window draws from the stored settings, what it reports, and where it goes. The stream
// at the start is the engine's test and the end-to-end start-up script's.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <future>
#include <stdexcept>

#include "support/FormFixture.h"

namespace {
using Lifecycle = FormFixture;

// Show: every display shows the stored settings. Hide: the guide F1 opened closed, the port reset and closed,
// the settings written into the file as it is by then.
TEST_F(Lifecycle, ShowDrawsTheStoredSettingsAndHideSilencesAndSaves) {
    WriteIni("[Sound]\nIndex1=3\nKey=12\nVolume=32\nModulation=31\nPosShift=2\n[Options]\nMenu-Japanese=0\n");
    Start();
    EXPECT_EQ(W().SoundPanel->Caption(), QStringLiteral("Acoustic guitar (nylon)"));
    EXPECT_TRUE(form->Menus(false).sound->actions()[3]->isChecked());
    EXPECT_EQ(W().KeyPanel->Caption(), QStringLiteral("C(+1)"));
    // The bars, and the knob at rest in the middle of its track.
    EXPECT_EQ((std::vector{W().Bar(Control::Key)->Position(), W().Bar(Control::Volume)->Position(),
                           W().Bar(Control::Modulation)->Position(), W().Bar(Control::PosShift)->Position(),
                           W().PitchBendPanel->y()}),
              (std::vector{58, 32, 31, 2, 100}));
    Activate(form.get());
    QTest::keyClick(form->windowHandle(), Qt::Key_F1);
    EXPECT_TRUE(platform::HelpViewerOpen());
    log->clear();
    WriteIni("; written meanwhile\n");
    form->close();
    EXPECT_EQ(*log, (MidiLog{kResetMark, kClosedMark}));
    EXPECT_TRUE(ReadIni().startsWith("; written meanwhile\n[Sound]\nKey=12\n")) << ReadIni().data();
    EXPECT_FALSE(platform::HelpViewerOpen());
}

// The window shows without waiting for the port. What is played before the port opens reaches it, when it
// opens, exactly as if it had opened at once, and so does a close before then; an open that fails drops it
// and says why in one box.
TEST_F(Lifecycle, WhatIsPlayedBeforeThePortOpensWaitsForIt) {
    const auto play = [this](bool close) {
        Activate(form.get());
        Key(QEvent::KeyPress, KEY_Z);
        Key(QEvent::KeyRelease, KEY_Z);
        Key(QEvent::KeyPress, KEY_X);
        if (close)
            form->close();
    };
    const auto openedAtOnce = [&](bool close) {
        form.reset();
        WriteIni("");
        log->clear();
        Start();
        play(close);
        return *log;
    };
    const auto openedLater = [&](bool close, std::uint32_t code) {
        form.reset();
        WriteIni("");
        log->clear();
        boxes.clear();
        std::promise<void> gate;
        const platform::MidiOpener opener = [opened = gate.get_future().share(),
                                             open = recordingMidiOpener(log, code)](const QString& path) {
            opened.wait();
            return open(path);
        };
        form = std::make_unique<TMainForm>(TMainForm::Setup{.midiOpener = opener, .settingsPath = IniPath()});
        form->show();
        play(false);
        EXPECT_TRUE(log->empty() && boxes.empty());
        gate.set_value();
        if (close)
            form->close();
        else
            EXPECT_TRUE(QTest::qWaitFor([this] { return !log->empty() || !boxes.empty(); }));
        return *log;
    };
    for (const bool close : {false, true})
        EXPECT_EQ(openedLater(close, platform::MMSYSERR_NOERROR), openedAtOnce(close)) << close;
    EXPECT_TRUE(openedLater(false, platform::MIDIERR_NODEVICE).empty());
    EXPECT_EQ(boxes, (std::vector<ShownBox>{{"Error", "No Midi Device"}}));
}

// An error that escapes a handler is shown in the application's error box, and the program plays on.
TEST_F(Lifecycle, AnEscapedErrorIsShownAndPlayGoesOn) {
    Start();
    QTimer::singleShot(0, form.get(), [] { throw std::runtime_error("disk on fire"); });
    ASSERT_TRUE(QTest::qWaitFor([this] { return !boxes.empty(); }));
    EXPECT_EQ(boxes, (std::vector<ShownBox>{{"Clavito", "disk on fire"}}));
    log->clear();
    Click(W().Panel(38));
    EXPECT_EQ(log->front(), midi::NoteOn(0, 57));
}

// A stored place off the screen is clamped to it; the corrected coordinate is written back as the window's
// edge at once, and the exit writes the place the window has.
TEST_F(Lifecycle, PositionIsClampedToTheScreen) {
    Start();
    const QSize max = form->screen()->geometry().size() - form->frameGeometry().size();
    const int w = max.width(), h = max.height();
    // clang-format off
    const std::pair<QPoint, QPoint> cases[] = {{{0, 0}, {0, 0}}, {{w, h}, {w, h}}, {{-5, 3}, {0, 3}}, {{w + 1, 0}, {w, 0}}, {{2, -1}, {2, 0}}, {{2, h + 10}, {2, h}}};
    // clang-format on
    const auto ini = [](QPoint at) {
        return QStringLiteral("[Position]\nX=%1\nY=%2\n").arg(at.x()).arg(at.y()).toLatin1();
    };
    for (const auto& [stored, placed] : cases) {
        SCOPED_TRACE(testing::Message() << stored.x() << "," << stored.y());
        WriteIni(ini(stored));
        Start();
        EXPECT_EQ(form->pos(), placed);
        const QByteArray after = ReadIni();
        EXPECT_EQ(after.contains("X=" + QByteArray::number(stored.x()) + "\n"), stored.x() == placed.x());
        EXPECT_EQ(after.contains("Y=" + QByteArray::number(stored.y()) + "\n"), stored.y() == placed.y());
        form->close();
        EXPECT_TRUE(ReadIni().startsWith(ini(placed))) << ReadIni().data();
    }
}

// The window keeps its size, 761 wide, whatever is asked of it: a larger or a smaller one, or to be
// maximised.
TEST_F(Lifecycle, TheWindowKeepsItsSize) {
    Start();
    const QSize size = form->size();
    EXPECT_EQ(size.width(), 761);
    for (const QSize asked : {QSize(900, 500), QSize(300, 200)}) {
        form->resize(asked);
        EXPECT_EQ(form->size(), size);
    }
    form->showMaximized();
    EXPECT_EQ(form->size(), size);
}

TEST_F(Lifecycle, AFailedWriteIsReportedOnceAfterThePortIsClosed) {
    WriteIni(""); // a settings path below a regular file cannot be written, whoever runs the test
    const QString blocked = IniPath() + "/clavito.INI";
    Start(platform::MMSYSERR_NOERROR, blocked);
    EXPECT_TRUE(boxes.empty());
    form->close();
    EXPECT_EQ(boxes,
              (std::vector<ShownBox>{{"Clavito", QDir::toNativeSeparators(blocked) + " に書き込めません"}}));
    EXPECT_EQ(log->back(), kClosedMark);
}
} // namespace
