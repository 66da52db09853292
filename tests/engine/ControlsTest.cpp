// The control steps, the bar clicks, the home-position marks and the octave toggles.
#include <QAction>

#include "support/FormFixture.h"
#include "ui/SystemColors.h"

using platform::MidiEvent;

namespace {
class Controls : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        StartActive();
        Clear();
    }
    std::vector<MidiEvent> ResetAndControllers() const {
        std::vector<MidiEvent> events = {Reset()};
        for (int controller : {7, 1})
            for (int channel : {0, 1, 2, 9})
                events.push_back(Msg(midi::ControlChange(
                    channel, controller,
                    midi::ControllerValue(controller == 7 ? form->Volume : form->Modulation))));
        return events;
    }
};

// A click on each control panel: one step, never past its bound, and the reset, the saved copy and the
// controllers every time.
TEST_F(Controls, EachPanelStepsItsValueWithinItsBounds) {
    using F = std::int32_t TMainForm::*;
    const struct {
        int panel;
        std::int32_t before, after;
        F field, saved;
    } cases[] = {
        {50, -34, -46, &TMainForm::Key, &TMainForm::SavedKey},
        {50, -35, -35, &TMainForm::Key, &TMainForm::SavedKey},
        {52, 27, 39, &TMainForm::Key, &TMainForm::SavedKey},
        {52, 28, 28, &TMainForm::Key, &TMainForm::SavedKey},
        {49, 38, 39, &TMainForm::Key, &TMainForm::SavedKey},
        {49, 39, 39, &TMainForm::Key, &TMainForm::SavedKey},
        {51, -45, -46, &TMainForm::Key, &TMainForm::SavedKey},
        {51, -46, -46, &TMainForm::Key, &TMainForm::SavedKey},
        {53, 31, 32, &TMainForm::Volume, &TMainForm::SavedVolume},
        {53, 32, 32, &TMainForm::Volume, &TMainForm::SavedVolume},
        {54, 1, 0, &TMainForm::Volume, &TMainForm::SavedVolume},
        {54, 0, 0, &TMainForm::Volume, &TMainForm::SavedVolume},
        {55, 32, 32, &TMainForm::Modulation, &TMainForm::SavedModulation},
        {56, 1, 0, &TMainForm::Modulation, &TMainForm::SavedModulation},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Panel" << c.panel << " from " << c.before);
        (*form).*c.field = c.before;
        (*form).*c.saved = 5;
        Clear();
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, At(form->Panel(c.panel)));
        EXPECT_EQ((*form).*c.field, c.after);
        EXPECT_EQ((*form).*c.saved, c.after);
        EXPECT_EQ(Events(), ResetAndControllers());
    }
    EXPECT_EQ(form->KeyPanel->Caption(), QStringLiteral("D(-4)"));
}

// "Hm" moves the home-position marks one white key down: the panels of the silent black-row tags.
TEST_F(Controls, PositionStepsMoveTheMarksAndSendNoControllers) {
    for (int step = 1; step <= 7; ++step) {
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, At(form->Panel(57)));
        EXPECT_EQ(Events().back(), Reset()) << "no controllers follow the reset";
    }
    EXPECT_EQ(form->PosShift, 6);
    EXPECT_EQ(form->SavedPosShift, 6);
    EXPECT_EQ(form->PosShiftProgressBar->Position(), 6);
    for (int number :
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37}) {
        const bool marked =
            QList<int>{2, 5, 9, 12, 27, 30, 34, 37}.contains(number); // tags 102, 108, 116, ...
        EXPECT_EQ(form->Panel(number)->Color(), marked ? ButtonFaceColor() : QColor(Qt::black)) << number;
        EXPECT_EQ(form->Panel(number)->FontColor(), marked ? GrayTextColor() : QColor(Qt::white)) << number;
    }
}

TEST_F(Controls, EachBarClickTogglesItsOwnValueBetweenNeutralAndSaved) {
    const struct {
        platform::TProgressBar* TMainForm::*bar;
        std::int32_t TMainForm::*field;
        std::int32_t TMainForm::*saved;
        std::int32_t neutral;
    } bars[] = {{&TMainForm::VolumeProgressBar, &TMainForm::Volume, &TMainForm::SavedVolume, 25},
                {&TMainForm::ModulationProgressBar, &TMainForm::Modulation, &TMainForm::SavedModulation, 0},
                {&TMainForm::KeyProgressBar, &TMainForm::Key, &TMainForm::SavedKey, 0},
                {&TMainForm::PosShiftProgressBar, &TMainForm::PosShift, &TMainForm::SavedPosShift, 0}};
    for (const auto& bar : bars) {
        for (const auto& other : bars)
            (*form).*other.field = (*form).*other.saved = 3;
        Clear();
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, At((*form).*bar.bar));
        for (const auto& other : bars)
            EXPECT_EQ((*form).*other.field, &other == &bar ? bar.neutral : 3);
        EXPECT_EQ(Events().front(), Reset());
        QTest::mouseClick(form->windowHandle(), Qt::RightButton, Qt::NoModifier, At((*form).*bar.bar));
        EXPECT_EQ((*form).*bar.field, 3);
        EXPECT_EQ(((*form).*bar.bar)->Position(), bar.field == &TMainForm::Key ? 49 : 3);
    }
    EXPECT_EQ(form->KeyPanel->Caption(), QStringLiteral("D#(0)"));
}

TEST_F(Controls, EachCircleTogglesItsOwnDoublingWithBothMenus) {
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, At(form->HighShape));
    EXPECT_TRUE(form->High1->isChecked() && form->High2->isChecked());
    EXPECT_FALSE(form->Low1->isChecked());
    EXPECT_EQ(form->HighShape->BrushColor(), QColor(0, 255, 0));
    QTest::mouseClick(form->windowHandle(), Qt::RightButton, Qt::NoModifier, At(form->LowShape));
    EXPECT_TRUE(form->Low1->isChecked() && form->Low2->isChecked());
    form->High2->trigger(); // the Japanese menu's item
    EXPECT_FALSE(form->High1->isChecked());
    EXPECT_EQ(form->HighShape->BrushColor(), QColor(0, 128, 0));
    EXPECT_TRUE(Events().empty()) << "the toggles send nothing and reset nothing";
}
} // namespace
