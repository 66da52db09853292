#include "ui/About.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "components/Labels/Labels.h"
#include "resources/ClavitoIcon.h"

namespace {

constexpr QSize kClientSize(245, 160);
constexpr int kBevelWidth = 2;

// Arial's metric twin, so that the captions take the room they were laid out for.
QFont arial(int pixelSize, bool boldItalic) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(boldItalic);
    font.setItalic(boldItalic);
    return font;
}

// One bevel ring after another from the outside in, each one pixel wide: first colour top and left.
void drawBevel(QPainter& painter, QRect& rect, int width, const QColor& topLeft, const QColor& bottomRight) {
    for (int ring = 0; ring < width; ++ring) {
        painter.setPen(topLeft);
        painter.drawLine(rect.topLeft(), rect.topRight() - QPoint(1, 0));
        painter.drawLine(rect.topLeft(), rect.bottomLeft() - QPoint(0, 1));
        painter.setPen(bottomRight);
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        painter.drawLine(rect.topRight(), rect.bottomRight());
        rect.adjust(1, 1, -1, -1);
    }
}

// The panel that fills the box: raised outside, lowered inside.
class BevelledPanel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QColor light = palette().color(QPalette::Light);
        const QColor dark = palette().color(QPalette::Dark);
        painter.fillRect(rect(), palette().color(QPalette::Button));
        QRect ring = rect();
        drawBevel(painter, ring, kBevelWidth, light, dark);
        drawBevel(painter, ring, kBevelWidth, dark, light);
    }
};

QLabel* textLabel(QWidget* parent, const QString& text, QPoint at, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setForegroundRole(QPalette::ButtonText);
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    // Without CustomizeWindowHint the window manager would get the default buttons, minimise and maximise.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      Panel1(new BevelledPanel(this)), Image1(new QLabel(Panel1)), Label3D1(new TLabel3D(Panel1)),
      Label1(textLabel(Panel1, QStringLiteral("by the Clavito team"), {28, 84}, arial(16, true))),
      Label2(textLabel(Panel1, QStringLiteral("Ver 1.20"), {156, 52}, arial(15, true))),
      Button1(new QPushButton(QStringLiteral("OK"), Panel1)) {
    setWindowTitle(QStringLiteral("About"));
    setModal(true);
    setFixedSize(kClientSize);

    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(QRect(QPoint(0, 0), kClientSize));
    Panel1->setFont(arial(12, false));

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(16, 12, 33, 33);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(ClavitoIconPixmap());

    Label3D1->setObjectName(QStringLiteral("Label3D1"));
    Label3D1->move(68, 16);
    Label3D1->setFont(arial(21, false));
    Label3D1->setFontColor(palette().color(QPalette::ButtonText));
    Label3D1->setBackColor(palette().color(QPalette::HighlightedText));
    Label3D1->setCaption(QStringLiteral("Clavito"));

    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));

    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(80, 116, 75, 25);
    Button1->setDefault(true);
    Button1->setFocus();
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

// A window's position is that of its frame, so the frame is what gets centred.
void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* where = screen(); where != nullptr) {
        const QRect frame = frameGeometry();
        move(where->geometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
}

// Esc presses the cancel button, which is the OK button: the box closes as by OK.
void TAboutBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Button1->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
