// Reading, checking and writing the settings file through full starts and exits of the window.
#include <QAction>
#include <QDir>
#include <QScreen>

#include "support/FormFixture.h"

namespace {
using Settings = FormFixture;

struct ReadCase {
    const char* ini;
    std::int32_t key, volume, modulation, posShift, index1, index2;
    const char* writtenBack; // the file after the show sequence; null: unchanged
};

TEST_F(Settings, ValuesAreCheckedAndBadOnesRewrittenAtOnce) {
    const ReadCase cases[] = {
        {"", 0, 25, 0, 0, 0, 0, nullptr},
        {"[Sound]\nKey=39\nVolume=32\nModulation=32\nPosShift=6\n", 39, 32, 32, 6, 0, 0, nullptr},
        {"[Sound]\nKey=-46\nVolume=0\nModulation=0\nPosShift=0\n", -46, 0, 0, 0, 0, 0, nullptr},
        {"[Sound]\nKey=40\nVolume=33\nModulation=33\nPosShift=7\n", 0, 25, 0, 0, 0, 0,
         "[Sound]\nKey=0\nVolume=25\nModulation=0\nPosShift=0\n"},
        {"[sound]\nKEY=-47\nVolume=-1\nModulation=-1\nPosShift=-1\n", 0, 25, 0, 0, 0, 0,
         "[sound]\nKEY=0\nVolume=25\nModulation=0\nPosShift=0\n"},
        {"[Sound]\nVolume=ten\n", 0, 25, 0, 0, 0, 0, nullptr},
        {"[Sound]\nIndex1=16\nIndex2=5\n", 0, 25, 0, 0, 16, 5, nullptr},
        {"[Sound]\nIndex1=16\nIndex2=-1\n", 0, 25, 0, 0, 0, 0, "[Sound]\nIndex1=0\nIndex2=0\n"},
        {"[Sound]\nIndex1=3\nIndex2=8\n", 0, 25, 0, 0, 0, 0, "[Sound]\nIndex1=0\nIndex2=0\n"},
        {"[Sound]\nIndex1=3\nIndex2=7\n", 0, 25, 0, 0, 3, 7, nullptr},
        {"[Sound]\nIndex1=17\n", 0, 25, 0, 0, 0, 0, "[Sound]\nIndex1=0\nIndex2=0\n"},
        {"[Sound]\nIndex1=-1\nIndex2=2\n", 0, 25, 0, 0, 0, 0, "[Sound]\nIndex1=0\nIndex2=0\n"},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.ini);
        WriteIni(c.ini);
        Start();
        EXPECT_EQ(form->Key, c.key);
        EXPECT_EQ(form->Volume, c.volume);
        EXPECT_EQ(form->Modulation, c.modulation);
        EXPECT_EQ(form->PosShift, c.posShift);
        EXPECT_EQ(form->Index1, c.index1);
        EXPECT_EQ(form->Index2, c.index2);
        EXPECT_EQ(ReadIni(), QByteArray(c.writtenBack ? c.writtenBack : c.ini));
        EXPECT_TRUE(boxes.empty());
        form.reset(); // no hide sequence: only what the show wrote back stays
    }
}

TEST_F(Settings, OptionsAreReadWithTheirDefaults) {
    const struct {
        const char* ini;
        bool high, low, japanese;
        KeyboardType type;
    } cases[] = {
        {"", false, false, true, KeyboardType::Jp106},
        {"[Octave]\nHigh=2\nLow=1\n", true, true, true, KeyboardType::Jp106},
        {"[Octave]\nHigh=yes\n", false, false, true, KeyboardType::Jp106},
        {"[Options]\nMenu-Japanese=yes\n", false, false, true, KeyboardType::Jp106},
        {"[Options]\nMenu-Japanese=0\nKeyBoard=1\n", false, false, false, KeyboardType::Pc98},
        {"[Options]\nKeyBoard=2\n", false, false, true, KeyboardType::En101},
        {"[Options]\nKeyBoard=7\n", false, false, true, KeyboardType::Jp106},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ini);
        WriteIni(c.ini);
        Start();
        EXPECT_EQ(form->High1->isChecked(), c.high);
        EXPECT_EQ(form->High2->isChecked(), c.high);
        EXPECT_EQ(form->Low1->isChecked(), c.low);
        EXPECT_EQ(form->Low2->isChecked(), c.low);
        EXPECT_EQ(form->HighShape->BrushColor(), c.high ? QColor(0, 255, 0) : QColor(0, 128, 0));
        EXPECT_EQ(form->Japanese1->isChecked(), c.japanese);
        EXPECT_EQ(form->English2->isChecked(), !c.japanese);
        EXPECT_EQ(form->Menu, c.japanese ? &form->MainMenuJ : &form->MainMenuE);
        EXPECT_EQ(form->CurrentKeyboardType(), c.type);
        EXPECT_EQ(ReadIni(), QByteArray(c.ini)) << "options are never corrected at show";
        form.reset();
    }
}

TEST_F(Settings, ExitWritesEveryKeyInItsOrder) {
    Start();
    form->PressAction(2); // Key +1
    form->PressAction(6); // Volume -1
    form->PressAction(7); // Modulation +1
    form->PressAction(9); // PosShift +1
    form->High1Click();
    form->English1Click();
    form->N1011Click();
    Stop();
    EXPECT_EQ(ReadIni(),
              QByteArray("[Sound]\nKey=1\nVolume=24\nModulation=1\nPosShift=1\nIndex1=0\nIndex2=0\n"
                         "[Options]\nKeyBoard=2\nMenu-Japanese=0\n"
                         "[Octave]\nHigh=1\nLow=0\n"
                         "[Position]\nX=0\nY=0\n"));
}

TEST_F(Settings, ExitKeepsOtherSectionsAndRewritesKnownKeysInPlace) {
    WriteIni("; my synth\n[MIDI]\nOutput=jack\n[Octave]\nLow=1\n[Sound]\nIndex1=16\nIndex2=5\n");
    Start();
    Stop();
    EXPECT_EQ(ReadIni(),
              QByteArray("; my synth\n[MIDI]\nOutput=jack\n[Octave]\nLow=1\nHigh=0\n"
                         "[Sound]\nIndex1=16\nIndex2=5\nKey=0\nVolume=25\nModulation=0\nPosShift=0\n"
                         "[Options]\nKeyBoard=0\nMenu-Japanese=1\n"
                         "[Position]\nX=0\nY=0\n"));
}

TEST_F(Settings, PositionIsClampedToTheScreenAndTheWindowEdgeWrittenBack) {
    Start();
    const QSize screen = form->screen()->geometry().size();
    const int maxX = screen.width() - form->frameGeometry().width();
    const int maxY = screen.height() - form->frameGeometry().height();
    form.reset();
    const struct {
        int x, y, placedX, placedY;
        bool xRewritten, yRewritten;
    } cases[] = {{0, 0, 0, 0, false, false}, {maxX, maxY, maxX, maxY, false, false},
                 {-5, 3, 0, 3, true, false}, {maxX + 1, 0, maxX, 0, true, false},
                 {2, -1, 2, 0, false, true}, {2, maxY + 10, 2, maxY, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        const QByteArray ini = QStringLiteral("[Position]\nX=%1\nY=%2\n").arg(c.x).arg(c.y).toLatin1();
        WriteIni(ini);
        Start();
        EXPECT_EQ(form->pos(), QPoint(c.placedX, c.placedY));
        const QByteArray after = ReadIni();
        EXPECT_EQ(after.contains(QStringLiteral("X=%1\n").arg(c.x).toLatin1()), !c.xRewritten)
            << after.constData();
        EXPECT_EQ(after.contains(QStringLiteral("Y=%1\n").arg(c.y).toLatin1()), !c.yRewritten)
            << after.constData();
        form.reset();
    }
}

TEST_F(Settings, AFailedWriteIsReportedOnceAndStopsTheRest) {
    // A settings path below a regular file cannot be written, whoever runs the test.
    WriteIni("");
    const QString blocked = IniPath() + QStringLiteral("/clavito.INI");
    form = std::make_unique<TMainForm>(TMainForm::Setup{platform::recordingMidiOpener(log), blocked});
    form->show();
    EXPECT_TRUE(boxes.empty()) << "nothing to write at show";
    EXPECT_EQ(form->SoundPanel->Caption(), QStringLiteral("ｸﾞﾗﾝﾄﾞ ﾋﾟｱﾉ"));
    form->close();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Clavito"));
    EXPECT_EQ(boxes[0].text, QDir::toNativeSeparators(blocked) + QStringLiteral(" に書き込めません"));
    EXPECT_EQ(Events().back(), Closed()) << "the port is closed before the settings are written";
}

} // namespace
