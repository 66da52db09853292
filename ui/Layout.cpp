// Builds the window's fixed picture from the layout tables and wires each control to its handler.
#include <QFont>
#include <QFontMetrics>

#include "engine/PanelLayout.h"
#include "ui/ClavitoMain.h"
#include "ui/LayoutData.h"
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
    MainPanel = new TPanel(this);
    MainPanel->setBevelOuter(TBevelCut::bvLowered);
    MainPanel->setColor(ButtonFaceColor());
    Place(MainPanel, kMainPanel);
    MainPanel->setMinimumSize(kMainPanel.width, kMainPanel.height);
    setCentralWidget(MainPanel);

    Bevel2 = new platform::TBevel(MainPanel);
    Place(Bevel2, kBevel2);
    Bevel1 = new platform::TBevel(MainPanel);
    Place(Bevel1, kBevel1);
    CreateLabels();
    CreateKeyPanels();
    CreateDisplays();
    CreateBars();
    CreatePitchBend();
    CreateShapes();
}

void TMainForm::CreateKeyPanels() {
    for (int number = 1; number <= kKeyPanelCount; ++number) {
        const KeyPanelData& data = KeyPanelAt(number);
        auto* panel = new TPanel(MainPanel);
        panel->Tag = data.tag;
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
                [this](TPanel* sender, Qt::MouseButton button, QPoint) { PanelMouseDown(sender, button); });
        connect(panel, &TPanel::MouseUp, this,
                [this](TPanel* sender, Qt::MouseButton button, QPoint) { PanelMouseUp(sender, button); });
        panels_[number - 1] = panel;
    }
    Panel(13)->setYenForBackslash(true);
}

void TMainForm::CreateLabels() {
    for (const LabelData& data : kLabels) {
        auto* label = new TLabel(MainPanel);
        label->setObjectName(QLatin1String(data.name));
        label->setCaption(QLatin1String(data.caption));
        QFont font = PixelFont(kArialFamily, data.fontPixels);
        font.setUnderline(data.underlined);
        label->setFont(font);
        label->setFontColor(ButtonTextColor());
        Place(label, data.rect);
        // Labels size themselves to their caption, so a font a pixel wider than designed clips nothing.
        label->resize(qMax(data.rect.width, QFontMetrics(font).horizontalAdvance(label->Caption()) + 1),
                      data.rect.height);
        if (data.click != LabelClick::None) {
            label->setCursor(Qt::PointingHandCursor);
            const bool high = data.click == LabelClick::HighShape;
            connect(label, &TLabel::MouseUp, this,
                    [this, high] { high ? HighShapeMouseUp() : LowShapeMouseUp(); });
        }
    }
    ModLabel = MainPanel->findChild<TLabel*>(QStringLiteral("ModLabel"));
    PosLabel = MainPanel->findChild<TLabel*>(QStringLiteral("PosLabel"));
    VolLabel = MainPanel->findChild<TLabel*>(QStringLiteral("VolLabel"));
    PitLabel = MainPanel->findChild<TLabel*>(QStringLiteral("PitLabel"));
    KeyLabel = MainPanel->findChild<TLabel*>(QStringLiteral("KeyLabel"));
    OctLabel = MainPanel->findChild<TLabel*>(QStringLiteral("OctLabel"));
    Label16 = MainPanel->findChild<TLabel*>(QStringLiteral("Label16"));
    Label17 = MainPanel->findChild<TLabel*>(QStringLiteral("Label17"));
}

void TMainForm::CreateDisplays() {
    auto makeDisplay = [this](const DisplayData& data) {
        auto* display = new TPanel(MainPanel);
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
    KeyPanel = makeDisplay(kKeyDisplay);
    SoundPanel = makeDisplay(kSoundDisplay);
    connect(SoundPanel, &TPanel::MouseUp, this, [this] { SoundPanelMouseUp(); });
}

void TMainForm::CreateBars() {
    auto makeBar = [this](const BarData& data, void (TMainForm::*onMouseUp)()) {
        auto* bar = new TProgressBar(MainPanel);
        bar->setGeometry(data.left, data.top, data.width, kBarHeight);
        bar->setRange(data.min, data.max);
        bar->setPosition(data.designPosition);
        bar->setCursor(Qt::PointingHandCursor);
        connect(bar, &TProgressBar::MouseUp, this, [this, onMouseUp] { (this->*onMouseUp)(); });
        return bar;
    };
    ModulationProgressBar = makeBar(kModulationBar, &TMainForm::ModulationProgressBarMouseUp);
    PosShiftProgressBar = makeBar(kPosShiftBar, &TMainForm::PosShiftProgressBarMouseUp);
    VolumeProgressBar = makeBar(kVolumeBar, &TMainForm::VolumeProgressBarMouseUp);
    KeyProgressBar = makeBar(kKeyBar, &TMainForm::KeyProgressBarMouseUp);
}

void TMainForm::CreatePitchBend() {
    PitchBendPanel2 = new TPanel(MainPanel);
    Place(PitchBendPanel2, kPitchBendTrack);
    PitchBendPanel2->setBorderSingle(true);
    PitchBendPanel2->setBevelOuter(TBevelCut::bvLowered);
    PitchBendPanel2->setBevelInner(TBevelCut::bvLowered);
    PitchBendPanel2->setColor(ButtonFaceColor());
    PitchBendPanel2->setAttribute(Qt::WA_TransparentForMouseEvents);

    PitchBendPanel = new TPanel(MainPanel);
    Place(PitchBendPanel, kPitchBendKnob);
    PitchBendPanel->setBevelOuter(TBevelCut::bvRaised);
    PitchBendPanel->setBevelInner(TBevelCut::bvRaised);
    PitchBendPanel->setBevelWidth(kPitchBendKnobBevelWidth);
    PitchBendPanel->setColor(ButtonFaceColor());
    PitchBendPanel->setCursor(Qt::PointingHandCursor);
    connect(PitchBendPanel, &TPanel::MouseDown, this, [this](TPanel*, Qt::MouseButton button, QPoint pos) {
        PitchBendPanelMouseDown(button, pos.y());
    });
    connect(PitchBendPanel, &TPanel::MouseUp, this,
            [this](TPanel*, Qt::MouseButton button, QPoint) { PitchBendPanelMouseUp(button); });
}

void TMainForm::CreateShapes() {
    auto makeShape = [this](const ShapeData& data, void (TMainForm::*onMouseUp)()) {
        auto* shape = new TShape(MainPanel);
        Place(shape, data.rect);
        shape->setBrushColor(Rgb(data.designFill));
        shape->setPenColor(Rgb(kOctaveOutline));
        shape->setCursor(Qt::PointingHandCursor);
        connect(shape, &TShape::MouseUp, this, [this, onMouseUp] { (this->*onMouseUp)(); });
        return shape;
    };
    LowShape = makeShape(kLowShape, &TMainForm::LowShapeMouseUp);
    HighShape = makeShape(kHighShape, &TMainForm::HighShapeMouseUp);
}
