// Builds the window's fixed picture from the layout tables and wires each control to its handler.
#include <QFont>
#include <QFontMetrics>

#include "engine/PanelLayout.h"
#include "ui/ClavitoMain.h"
#include "ui/LayoutData.h"
#include "ui/MenuData.h"
#include "ui/SystemColors.h"

using platform::TBevelCut;
using platform::TLabel;
using platform::TPanel;
using platform::TProgressBar;
using platform::TShape;

namespace {
// Arial's metric twin; the arrows come from a font that has them.
const QString kArialFamily = QStringLiteral("Liberation Sans");
const QString kArrowFamily = QStringLiteral("DejaVu Sans");

QFont PixelFont(const QString& family, int pixels, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QColor Rgb(const LayoutRgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

void Place(QWidget* widget, const LayoutRect& rect) {
    widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
}
} // namespace

// Children stack in the order they are made. The labels lie beneath the key panels, which they overlap by
// a few pixels, so that a press there reaches the panel.
void TMainForm::CreateControls() {
    setFont(PixelFont(kArialFamily, 15));
    w_.mainPanel = new TPanel(this);
    w_.mainPanel->setBevelOuter(TBevelCut::bvLowered);
    w_.mainPanel->setColor(ButtonFaceColor());
    Place(w_.mainPanel, kMainPanel);
    w_.mainPanel->setMinimumSize(kMainPanel.width, kMainPanel.height);
    setCentralWidget(w_.mainPanel);

    w_.keyBevel = new platform::TBevel(w_.mainPanel);
    Place(w_.keyBevel, kBevel2);
    w_.controlBevel = new platform::TBevel(w_.mainPanel);
    Place(w_.controlBevel, kBevel1);
    CreateLabels();
    CreateKeyPanels();
    CreateDisplays();
    CreateBars();
    CreatePitchBend();
    CreateShapes();
    CreatePedalMark();
}

void TMainForm::CreateKeyPanels() {
    for (int number = 1; number <= kKeyPanelCount; ++number) {
        const KeyPanelData& data = KeyPanelAt(number);
        auto* panel = new TPanel(w_.mainPanel);
        panel->setGeometry(data.left, data.top, kKeyPanelSize, kKeyPanelSize);
        panel->setBorderSingle(true);
        panel->setBevelOuter(TBevelCut::bvRaised);
        panel->setBevelInner(TBevelCut::bvRaised);
        panel->setBevelWidth(3);
        panel->setCursor(Qt::PointingHandCursor);
        panel->setCaption(QString::fromUtf8(data.caption));
        panel->setFont(
            PixelFont(IsArrowPanel(number) ? kArrowFamily : kArialFamily, PanelFontPixels(number)));
        switch (data.colour) {
        case PanelColour::BlackRow:
            panel->setColor(Qt::black);
            panel->setFontColor(Qt::white);
            break;
        case PanelColour::WhiteRow:
            panel->setColor(Qt::white);
            panel->setFontColor(Qt::black);
            break;
        case PanelColour::Control:
            panel->setColor(ButtonFaceColor());
            panel->setFontColor(ButtonTextColor());
            break;
        }
        connect(panel, &TPanel::MouseDown, this,
                [this, number](TPanel*, Qt::MouseButton, QPoint pos) { PanelMouseDown(number, pos.y()); });
        connect(panel, &TPanel::MouseUp, this, [this, number] { PanelMouseUp(number); });
        w_.keyPanels[static_cast<std::size_t>(number - 1)] = panel;
    }
    w_.Panel(13)->setYenForBackslash(true);
}

// Labels size themselves to their caption, so a font a pixel wider than designed clips nothing.
static TLabel* MakeLabel(QWidget* parent, const LabelData& data) {
    auto* label = new TLabel(parent);
    label->setObjectName(QLatin1String(data.name));
    label->setCaption(QLatin1String(data.caption));
    QFont font = PixelFont(kArialFamily, data.fontPixels);
    font.setUnderline(data.underlined);
    label->setFont(font);
    label->setFontColor(ButtonTextColor());
    Place(label, data.rect);
    label->resize(qMax(data.rect.width, QFontMetrics(font).horizontalAdvance(label->Caption()) + 1),
                  data.rect.height);
    return label;
}

void TMainForm::CreateLabels() {
    for (const LabelData& data : kLabels) {
        TLabel* label = MakeLabel(w_.mainPanel, data);
        if (data.click != LabelClick::None) {
            label->setCursor(Qt::PointingHandCursor);
            const bool high = data.click == LabelClick::HighShape;
            connect(label, &TLabel::MouseUp, this,
                    [this, high] { high ? engine_.ToggleHigh() : engine_.ToggleLow(); });
        }
    }
    for (std::size_t i = 0; i < kHints.size(); ++i)
        w_.hintLabels[i] = w_.mainPanel->findChild<TLabel*>(QLatin1String(kHints[i].label));
}

void TMainForm::CreateDisplays() {
    auto makeDisplay = [this](const DisplayData& data) {
        auto* display = new TPanel(w_.mainPanel);
        Place(display, data.rect);
        display->setBevelOuter(TBevelCut::bvLowered);
        display->setBevelWidth(kDisplayBevelWidth);
        display->setColor(Rgb(kDisplayBackground));
        display->setFontColor(Rgb(kDisplayText));
        display->setFont(PixelFont(kArialFamily, kDisplayFontPixels, true));
        display->setCaption(QString::fromUtf8(data.caption));
        if (data.handCursor)
            display->setCursor(Qt::PointingHandCursor);
        return display;
    };
    w_.KeyPanel = makeDisplay(kKeyDisplay);
    w_.SoundPanel = makeDisplay(kSoundDisplay);
    connect(w_.SoundPanel, &TPanel::MouseUp, this, [this] { SoundPanelMouseUp(); });
}

void TMainForm::CreateBars() {
    // A click on a bar switches its control between the neutral value and the player's last setting.
    auto makeBar = [this](const BarData& data, Control control) {
        auto* bar = new TProgressBar(w_.mainPanel);
        bar->setGeometry(data.left, data.top, data.width, kBarHeight);
        bar->setRange(data.min, data.max);
        bar->setPosition(data.designPosition);
        bar->setCursor(Qt::PointingHandCursor);
        connect(bar, &TProgressBar::MouseUp, this, [this, control] { engine_.ToggleBar(control); });
        w_.bars[static_cast<std::size_t>(control)] = bar;
    };
    makeBar(kModulationBar, Control::Modulation);
    makeBar(kPosShiftBar, Control::PosShift);
    makeBar(kVolumeBar, Control::Volume);
    makeBar(kKeyBar, Control::Key);
}

void TMainForm::CreatePitchBend() {
    w_.PitchBendTrack = new TPanel(w_.mainPanel);
    TPanel* track = w_.PitchBendTrack;
    Place(track, kPitchBendTrack);
    track->setBorderSingle(true);
    track->setBevelOuter(TBevelCut::bvLowered);
    track->setBevelInner(TBevelCut::bvLowered);
    track->setColor(ButtonFaceColor());
    track->setAttribute(Qt::WA_TransparentForMouseEvents);

    w_.PitchBendPanel = new TPanel(w_.mainPanel);
    TPanel* knob = w_.PitchBendPanel;
    Place(knob, kPitchBendKnob);
    knob->setBevelOuter(TBevelCut::bvRaised);
    knob->setBevelInner(TBevelCut::bvRaised);
    knob->setBevelWidth(kPitchBendKnobBevelWidth);
    knob->setColor(ButtonFaceColor());
    knob->setCursor(Qt::PointingHandCursor);
    connect(knob, &TPanel::MouseDown, this,
            [this](TPanel*, Qt::MouseButton, QPoint pos) { PitchBendPanelMouseDown(pos.y()); });
    connect(knob, &TPanel::MouseUp, this,
            [this](TPanel*, Qt::MouseButton button, QPoint) { PitchBendPanelMouseUp(button); });
}

static TShape* MakeShape(QWidget* parent, const ShapeData& data) {
    auto* shape = new TShape(parent);
    Place(shape, data.rect);
    shape->setBrushColor(Rgb(data.designFill));
    shape->setPenColor(Rgb(kOctaveOutline));
    return shape;
}

// A click on an octave circle switches its doubling, as its menu item does.
void TMainForm::CreateShapes() {
    const std::pair<TShape*&, const ShapeData&> shapes[] = {{w_.LowShape, kLowShape},
                                                            {w_.HighShape, kHighShape}};
    for (const auto& [shape, data] : shapes) {
        shape = MakeShape(w_.mainPanel, data);
        shape->setCursor(Qt::PointingHandCursor);
        const bool high = &data == &kHighShape;
        connect(shape, &TShape::MouseUp, this,
                [this, high] { high ? engine_.ToggleHigh() : engine_.ToggleLow(); });
    }
}

void TMainForm::CreatePedalMark() {
    w_.PedalShape = MakeShape(w_.mainPanel, kPedalShape);
    w_.PedalCaption = MakeLabel(w_.mainPanel, kPedalCaption);
    w_.PedalShape->hide();
    w_.PedalCaption->hide();
}
