#include <gtest/gtest.h>

#include <functional>

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "components/Labels/Labels.h"
#include "ui/About.h"

namespace {

// A result no key of the box gives: the safety net that ends a box the keys failed to close.
constexpr int kNotClosed = 42;

// Runs box modally, does act once its loop runs, and returns how the box ended.
int execWhile(TAboutBox& box, const std::function<void()>& act) {
    QTimer::singleShot(0, &box, act);
    QTimer::singleShot(5000, &box, [&box] { box.done(kNotClosed); });
    return box.exec();
}

} // namespace

TEST(AboutBox, FormIsFixedAndModal) {
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), "About");
    EXPECT_EQ(box.minimumSize(), QSize(245, 160));
    EXPECT_EQ(box.maximumSize(), QSize(245, 160));
    EXPECT_TRUE(box.isModal());
    EXPECT_TRUE(box.windowFlags().testFlag(Qt::CustomizeWindowHint)) << "else the default buttons are shown";
    EXPECT_TRUE(box.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(box.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(box.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(box.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
}

TEST(AboutBox, ControlsStandWhereTheyBelong) {
    TAboutBox box;
    struct Place {
        const char* name;
        QWidget* control;
        QPoint at;
    };
    for (const Place& place :
         {Place{"Image1", box.Image1, {16, 12}}, Place{"Label3D1", box.Label3D1, {68, 16}},
          Place{"Label1", box.Label1, {28, 84}}, Place{"Label2", box.Label2, {156, 52}},
          Place{"Button1", box.Button1, {80, 116}}}) {
        SCOPED_TRACE(place.name);
        EXPECT_EQ(place.control->objectName(), place.name);
        EXPECT_EQ(place.control->parentWidget(), box.Panel1);
        EXPECT_EQ(place.control->pos(), place.at);
        EXPECT_LE(place.control->geometry().right(), 245 - 4 - 1) << "inside the bevels";
        EXPECT_LE(place.control->geometry().bottom(), 160 - 4 - 1);
    }
    EXPECT_EQ(box.Panel1->geometry(), QRect(0, 0, 245, 160));
    EXPECT_EQ(box.Image1->size(), QSize(33, 33));
    EXPECT_EQ(box.Button1->size(), QSize(75, 25));
}

TEST(AboutBox, Texts) {
    TAboutBox box;
    EXPECT_EQ(box.Label3D1->Caption(), "Clavito");
    EXPECT_EQ(box.Label2->text(), "Ver 1.20");
    EXPECT_EQ(box.Button1->text(), "OK");
    EXPECT_FALSE(box.Label1->text().isEmpty());
    EXPECT_FALSE(box.Label1->text().contains('\n'));
    EXPECT_FALSE(box.Label1->wordWrap());
    EXPECT_LT(box.Label1->height(), 2 * box.Label1->fontMetrics().lineSpacing()) << "one line";
}

TEST(AboutBox, FontsAndTheShadowedName) {
    TAboutBox box;
    struct Expected {
        const char* name;
        QFont font;
        int pixelSize;
        bool boldItalic;
    };
    for (const Expected& e : {Expected{"Label3D1", box.Label3D1->font(), 21, false},
                              Expected{"Label1", box.Label1->font(), 16, true},
                              Expected{"Label2", box.Label2->font(), 15, true}}) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(e.font.family(), "Liberation Sans");
        EXPECT_EQ(e.font.pixelSize(), e.pixelSize);
        EXPECT_EQ(e.font.bold(), e.boldItalic);
        EXPECT_EQ(e.font.italic(), e.boldItalic);
    }
    EXPECT_EQ(box.Label3D1->Depth(), 2);
    EXPECT_TRUE(box.Label3D1->Transparent());
    EXPECT_EQ(box.Label3D1->BackColor(), box.palette().color(QPalette::HighlightedText));
    EXPECT_EQ(box.Label3D1->FontColor(), box.palette().color(QPalette::ButtonText));
    EXPECT_EQ(box.Label3D1->size(), QFontMetrics(box.Label3D1->font()).size(Qt::TextSingleLine, "Clavito"));
}

TEST(AboutBox, IconIsTheProgramsIcon) {
    TAboutBox box;
    const QPixmap pixmap = box.Image1->pixmap();
    EXPECT_EQ(pixmap.size(), QSize(32, 32));
    EXPECT_TRUE(box.Image1->alignment().testFlag(Qt::AlignTop));
    EXPECT_TRUE(box.Image1->alignment().testFlag(Qt::AlignLeft));
}

TEST(AboutBox, PanelIsRaisedOutsideAndLoweredInside) {
    TAboutBox box;
    const QImage image = box.grab().toImage();
    const QColor light = box.palette().color(QPalette::Light);
    const QColor dark = box.palette().color(QPalette::Dark);
    struct Pixel {
        QPoint at;
        QColor colour;
    };
    for (const Pixel& p :
         {Pixel{{0, 0}, light}, Pixel{{1, 50}, light}, Pixel{{244, 159}, dark}, Pixel{{243, 50}, dark},
          Pixel{{2, 2}, dark}, Pixel{{50, 3}, dark}, Pixel{{241, 50}, light}, Pixel{{50, 157}, light},
          Pixel{{4, 150}, box.palette().color(QPalette::Button)}}) {
        EXPECT_EQ(image.pixelColor(p.at).rgb(), p.colour.rgb()) << p.at.x() << "," << p.at.y();
    }
}

TEST(AboutBox, CentredOnTheScreen) {
    TAboutBox box;
    box.show();
    const QPoint centre = box.screen()->geometry().center();
    EXPECT_LE((box.frameGeometry().center() - centre).manhattanLength(), 2);
    box.hide();
}

TEST(AboutBox, EnterEscAndOkCloseIt) {
    struct Case {
        const char* name;
        std::function<void(TAboutBox&)> act;
    };
    const Case cases[] = {
        {"Esc", [](TAboutBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }},
        {"Enter", [](TAboutBox& box) { QTest::keyClick(&box, Qt::Key_Return); }},
        {"keypad Enter", [](TAboutBox& box) { QTest::keyClick(&box, Qt::Key_Enter); }},
        {"Enter on the button", [](TAboutBox& box) { QTest::keyClick(box.Button1, Qt::Key_Return); }},
        {"OK clicked", [](TAboutBox& box) { QTest::mouseClick(box.Button1, Qt::LeftButton); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TAboutBox box;
        EXPECT_EQ(execWhile(box, [&] { c.act(box); }), QDialog::Accepted);
        EXPECT_FALSE(box.isVisible());
    }
}

TEST(AboutBox, OtherKeysLeaveItOpen) {
    TAboutBox box;
    bool stillOpen = false;
    const int result = execWhile(box, [&] {
        QTest::keyClick(&box, Qt::Key_A);
        QTest::keyClick(&box, Qt::Key_Escape, Qt::ShiftModifier);
        stillOpen = box.isVisible();
        box.done(7);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, 7);
}

TEST(AboutBox, TwoBoxesAreIndependent) {
    TAboutBox first;
    TAboutBox second;
    first.Label3D1->setDepth(5);
    first.Label3D1->setCaption("Changed");
    EXPECT_EQ(second.Label3D1->Depth(), 2);
    EXPECT_EQ(second.Label3D1->Caption(), "Clavito");

    EXPECT_EQ(execWhile(first, [&] { QTest::keyClick(&first, Qt::Key_Escape); }), QDialog::Accepted);
    EXPECT_FALSE(second.isVisible());
    EXPECT_EQ(second.result(), 0);
    EXPECT_EQ(execWhile(second, [&] { QTest::keyClick(&second, Qt::Key_Return); }), QDialog::Accepted);

    auto* fresh = new TAboutBox;
    EXPECT_EQ(fresh->Label3D1->Caption(), "Clavito");
    EXPECT_EQ(fresh->Label3D1->Depth(), 2);
    delete fresh;
}
