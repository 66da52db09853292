// A form whose size limiter pins it at its own size; prints every size it takes, for e2e_fixed_size.sh.
// With --unpinned it has no limiter: the control that shows the window manager's requests do take effect.
#include <cstdio>

#include <QApplication>
#include <QResizeEvent>
#include <QWidget>

#include "components/WinSize/WinSize.h"

namespace {

class ProbeForm : public QWidget {
protected:
    void resizeEvent(QResizeEvent* event) override {
        std::printf("size %dx%d\n", event->size().width(), event->size().height());
        std::fflush(stdout);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ProbeForm form;
    form.setWindowTitle("WinSize probe");
    form.resize(400, 300);
    if (QApplication::arguments().value(1) != "--unpinned") {
        auto* limiter = new TWinSize(&form);
        limiter->MaxSizeX = limiter->MaxTrackSizeX = limiter->MinTrackSizeX = 400;
        limiter->MaxSizeY = limiter->MaxTrackSizeY = limiter->MinTrackSizeY = 300;
    }
    form.show();
    return QApplication::exec();
}
