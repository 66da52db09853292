// Ticks reach the UI thread inside the nested event loops of modal dialogs and popup menus: a timer that
// closes the dialog or menu from its third tick lets exec() return.
#include <QDialog>
#include <QMenu>
#include <gtest/gtest.h>
#include <ostream>

#include "components/SuperTimer/SuperTimer.h"
#include "timer/Watchdog.h"

namespace {

struct NestedLoop {
    const char* name;
    // Runs a modal loop that returns once close() was called from a tick.
    void (*run)(TSuperTimer& timer, int& ticks);
};

void RunDialog(TSuperTimer& timer, int& ticks) {
    QDialog dialog;
    timer.OnTimer = [&](TSuperTimer*) {
        if (++ticks == 3)
            dialog.accept();
    };
    timer.setEnabled(true);
    dialog.exec();
}

void RunMenu(TSuperTimer& timer, int& ticks) {
    QMenu menu;
    menu.addAction("Piano");
    timer.OnTimer = [&](TSuperTimer*) {
        if (++ticks == 3)
            menu.close();
    };
    timer.setEnabled(true);
    menu.exec(QPoint(10, 10));
}

void PrintTo(const NestedLoop& value, std::ostream* out) {
    *out << value.name;
}

const NestedLoop loops[] = {{"DialogExec", RunDialog}, {"MenuExec", RunMenu}};

class TicksInNestedLoop : public ::testing::TestWithParam<NestedLoop> {};

TEST_P(TicksInNestedLoop, ReachTheHandler) {
    const Watchdog watchdog(std::string("ticks inside ") + GetParam().name);
    TSuperTimer timer;
    timer.setInterval(10);
    int ticks = 0;
    GetParam().run(timer, ticks);
    timer.setEnabled(false);
    EXPECT_EQ(ticks, 3);
}

INSTANTIATE_TEST_SUITE_P(Loops, TicksInNestedLoop, ::testing::ValuesIn(loops),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
