// Shows one of each control as the main window uses them, for a look at the real rendering on a display.
#include "platform/controls/Panel.h"

#include <QApplication>

using platform::TBevelCut;
using platform::TPanel;

namespace {

QFont pixelFont(const char* family, int pixels, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

TPanel* keyPanel(QWidget* parent, int left, int top, const QString& caption, QColor color, QColor text) {
    auto* panel = new TPanel(parent);
    panel->setGeometry(left, top, 38, 38);
    panel->setBorderSingle(true);
    panel->setBevelOuter(TBevelCut::bvRaised);
    panel->setBevelInner(TBevelCut::bvRaised);
    panel->setBevelWidth(3);
    panel->setColor(color);
    panel->setFontColor(text);
    panel->setFont(pixelFont("Liberation Sans", 13));
    panel->setCaption(caption);
    return panel;
}

void addLabel(QWidget* parent, int left, int top, const QString& caption, int pixels) {
    auto* label = new platform::TLabel(parent);
    label->setGeometry(left, top, 70, 17);
    label->setFont(pixelFont("Liberation Sans", pixels));
    label->setCaption(caption);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TPanel main;
    main.setWindowTitle("Controls");
    main.setBevelOuter(TBevelCut::bvLowered);
    main.resize(360, 150);
    new platform::TBevel(&main, TBevelCut::bvRaised);
    main.findChild<platform::TBevel*>()->setGeometry(4, 4, 352, 142);

    keyPanel(&main, 20, 16, "1", Qt::black, Qt::white);
    keyPanel(&main, 56, 16, "2", Qt::black, Qt::white)->setBevelOuter(TBevelCut::bvLowered);
    keyPanel(&main, 36, 52, "Q", Qt::white, Qt::black);
    keyPanel(&main, 92, 16, "\\", Qt::black, Qt::white)->setYenForBackslash(true);
    const QColor face = main.palette().color(QPalette::Button);
    const QColor faceText = main.palette().color(QPalette::ButtonText);
    TPanel* up = keyPanel(&main, 150, 16, QString(QChar(0x2191)), face, faceText);
    up->setFont(pixelFont("DejaVu Sans", 16));
    keyPanel(&main, 186, 16, "PU", face, faceText)->setFont(pixelFont("Liberation Sans", 12));

    auto* display = new TPanel(&main);
    display->setGeometry(236, 20, 57, 21);
    display->setBevelOuter(TBevelCut::bvLowered);
    display->setBevelWidth(2);
    display->setColor(QColor(0, 0, 128));
    display->setFontColor(Qt::yellow);
    display->setFont(pixelFont("Liberation Sans", 15, true));
    display->setCaption("C(0)");

    auto* bar = new platform::TProgressBar(&main);
    bar->setGeometry(150, 64, 100, 11);
    bar->setRange(0, 32);
    bar->setPosition(16);

    auto* shape = new platform::TShape(&main);
    shape->setGeometry(100, 112, 9, 9);
    shape->setBrushColor(QColor(0, 255, 0));
    shape->setPenColor(QColor(128, 128, 0));
    addLabel(&main, 112, 108, "High=F12", 12);
    addLabel(&main, 150, 84, "Mod", 15);

    auto* track = new TPanel(&main);
    track->setGeometry(320, 16, 4, 120);
    track->setBorderSingle(true);
    track->setBevelOuter(TBevelCut::bvLowered);
    track->setBevelInner(TBevelCut::bvLowered);
    auto* knob = new TPanel(&main);
    knob->setGeometry(312, 70, 21, 13);
    knob->setBevelInner(TBevelCut::bvRaised);
    knob->setBevelWidth(2);

    main.show();
    return app.exec();
}
