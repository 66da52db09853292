// Reading, checking and writing the settings file through full starts and exits of the window.
#include <QAction>
#include <QDir>
#include <QScreen>

#include "support/FormFixture.h"

namespace {
using Settings = FormFixture;

// A value out of its range is corrected in memory and in the file at once; a bad instrument position resets
// both of its keys; options are never corrected at show. Null writtenBack: the file stays as it was. No
// hide sequence runs, so only what the show wrote back is in the file.
TEST_F(Settings, ValuesAreCheckedAndBadOnesRewrittenAtOnce) {
    const struct {
        const char* ini;
        // Key, Volume, Modulation, PosShift, Index1, Index2, High, its shape lit, Low, Japanese, keyboard
        // type
        std::vector<int> values;
        const char* writtenBack;
    } cases[] = {
        // clang-format off
        {"", {0, 25, 0, 0, 0, 0, 0, 0, 0, 1, 0}, nullptr},
        {"[Sound]\nKey=39\nVolume=32\nModulation=32\nPosShift=6\n", {39, 32, 32, 6, 0, 0, 0, 0, 0, 1, 0}, nullptr},
        {"[Sound]\nKey=-46\nVolume=0\nModulation=0\nPosShift=0\n", {-46, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0}, nullptr},
        {"[Sound]\nKey=40\nVolume=33\nModulation=33\nPosShift=7\n", {0, 25, 0, 0, 0, 0, 0, 0, 0, 1, 0}, "[Sound]\nKey=0\nVolume=25\nModulation=0\nPosShift=0\n"},
        {"[sound]\nKEY=-47\nVolume=-1\nModulation=-1\nPosShift=-1\n", {0, 25, 0, 0, 0, 0, 0, 0, 0, 1, 0}, "[sound]\nKEY=0\nVolume=25\nModulation=0\nPosShift=0\n"},
        {"[Sound]\nVolume=ten\n", {0, 25, 0, 0, 0, 0, 0, 0, 0, 1, 0}, nullptr},
        {"[Sound]\nKey=0xFFFFFFFF\nVolume=$10\nModulation=+31\nPosShift=+-1\n", {-1, 16, 31, 0, 0, 0, 0, 0, 0, 1, 0}, nullptr},
        {"[Sound]\nIndex1=16\nIndex2=5\n", {0, 25, 0, 0, 16, 5, 0, 0, 0, 1, 0}, nullptr},
        {"[Sound]\nIndex1=16\nIndex2=-1\n", {0, 25, 0, 0, 0, 0, 0, 0, 0, 1, 0}, "[Sound]\nIndex1=0\nIndex2=0\n"},
        {"[Sound]\nIndex1=3\nIndex2=7\n", {0, 25, 0, 0, 3, 7, 0, 0, 0, 1, 0}, nullptr},
        {"[Sound]\nIndex1=3\nIndex2=8\n", {0, 25, 0, 0, 0, 0, 0, 0, 0, 1, 0}, "[Sound]\nIndex1=0\nIndex2=0\n"},
        {"[Sound]\nIndex1=17\n", {0, 25, 0, 0, 0, 0, 0, 0, 0, 1, 0}, "[Sound]\nIndex1=0\nIndex2=0\n"},
        {"[Sound]\nIndex1=-1\nIndex2=2\n", {0, 25, 0, 0, 0, 0, 0, 0, 0, 1, 0}, "[Sound]\nIndex1=0\nIndex2=0\n"},
        {"[Octave]\nHigh=2\nLow=1\n", {0, 25, 0, 0, 0, 0, 1, 1, 1, 1, 0}, nullptr},
        {"[Octave]\nHigh=yes\n[Options]\nMenu-Japanese=yes\n", {0, 25, 0, 0, 0, 0, 0, 0, 0, 1, 0}, nullptr},
        {"[Options]\nMenu-Japanese=0\nKeyBoard=1\n", {0, 25, 0, 0, 0, 0, 0, 0, 0, 0, 1}, nullptr},
        {"[Options]\nKeyBoard=2\n", {0, 25, 0, 0, 0, 0, 0, 0, 0, 1, 2}, nullptr},
        {"[Options]\nKeyBoard=7\n", {0, 25, 0, 0, 0, 0, 0, 0, 0, 1, 0}, nullptr},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ini);
        WriteIni(c.ini);
        Start();
        EXPECT_EQ(
            (std::vector<int>{form->Key, form->Volume, form->Modulation, form->PosShift, form->Index1,
                              form->Index2, form->High1->isChecked(),
                              form->HighShape->BrushColor() == QColor(0, 255, 0), form->Low1->isChecked(),
                              form->Menu == &form->MainMenuJ, int(form->CurrentKeyboardType())}),
            c.values);
        EXPECT_EQ(ReadIni(), c.writtenBack ? c.writtenBack : c.ini);
    }
}

// Every key in its fixed order; other sections, comments and keys stay where they were.
TEST_F(Settings, ExitWritesEveryKeyAndKeepsEverythingElse) {
    const std::pair<const char*, const char*> cases[] = {
        // clang-format off
        {"", "[Sound]\nKey=1\nVolume=24\nModulation=1\nPosShift=1\nIndex1=0\nIndex2=0\n[Options]\nKeyBoard=2\nMenu-Japanese=0\n[Octave]\nHigh=1\nLow=0\n[Position]\nX=0\nY=0\n"},
        {"; my synth\n[MIDI]\nOutput=jack\n[Octave]\nLow=1\n[Sound]\nIndex1=16\nIndex2=5\n", "; my synth\n[MIDI]\nOutput=jack\n[Octave]\nLow=1\nHigh=1\n[Sound]\nIndex1=16\nIndex2=5\nKey=1\nVolume=24\nModulation=1\nPosShift=1\n[Options]\nKeyBoard=2\nMenu-Japanese=0\n[Position]\nX=0\nY=0\n"},
        // clang-format on
    };
    for (const auto& [ini, written] : cases) {
        WriteIni(ini);
        Start();
        for (const int tag : {2, 6, 7, 9}) // Key +1, Volume -1, Modulation +1, PosShift +1
            form->PressAction(tag);
        form->High1Click();
        form->English1Click();
        form->N1011Click();
        Stop();
        EXPECT_EQ(ReadIni(), written);
    }
}

// A corrected coordinate is written back as the window's edge.
TEST_F(Settings, PositionIsClampedToTheScreen) {
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
    }
}

TEST_F(Settings, AFailedWriteIsReportedOnceAfterThePortIsClosed) {
    WriteIni(""); // a settings path below a regular file cannot be written, whoever runs the test
    const QString blocked = IniPath() + "/clavito.INI";
    form = std::make_unique<TMainForm>(TMainForm::Setup{recordingMidiOpener(log), blocked});
    form->show();
    EXPECT_TRUE(boxes.empty());
    form->close();
    EXPECT_EQ(boxes,
              (std::vector<ShownBox>{{"Clavito", QDir::toNativeSeparators(blocked) + " に書き込めません"}}));
    EXPECT_EQ(Events().back(), Closed());
}
} // namespace
