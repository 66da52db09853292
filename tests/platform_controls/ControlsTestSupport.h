#pragma once
// Rendering, paint counting and mouse-event recording for the control tests.

#include "platform/controls/Panel.h"

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <ostream>
#include <vector>

inline void PrintTo(const QColor& c, std::ostream* os) {
    *os << c.name().toStdString();
}

namespace controls_test {

inline QImage render(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline QColor pixel(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

// A palette colour as it lands in a 32-bit image (the palette keeps 16 bits a channel).
inline QColor role(const QWidget& widget, QPalette::ColorRole r) {
    return QColor(widget.palette().color(r).rgb());
}

// Delivers every pending update so that the paints a change asked for have happened on return.
inline void flushPaints() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++count;
        }
        return false;
    }
};

enum class Kind { Down, Up };

struct MouseRecord {
    Kind kind;
    QObject* sender;
    Qt::MouseButton button;
    QPoint pos;
    bool operator==(const MouseRecord&) const = default;
};

inline void PrintTo(const MouseRecord& r, std::ostream* os) {
    *os << (r.kind == Kind::Down ? "Down " : "Up ") << r.sender << " button " << r.button << " at "
        << r.pos.x() << ',' << r.pos.y();
}

// Records the MouseDown and MouseUp signals of panels and the MouseUp of the other controls, in order.
class MouseLog {
public:
    void watch(platform::TPanel& panel) {
        QObject::connect(&panel, &platform::TPanel::MouseDown,
                         [this](platform::TPanel* s, Qt::MouseButton b, QPoint p) {
                             records.push_back({Kind::Down, s, b, p});
                         });
        QObject::connect(&panel, &platform::TPanel::MouseUp,
                         [this](platform::TPanel* s, Qt::MouseButton b, QPoint p) {
                             records.push_back({Kind::Up, s, b, p});
                         });
    }
    template <class Control> void watchUp(Control& control) {
        QObject::connect(&control, &Control::MouseUp, [this](QObject* s, Qt::MouseButton b, QPoint p) {
            records.push_back({Kind::Up, s, b, p});
        });
    }
    std::vector<MouseRecord> records;
};

} // namespace controls_test
