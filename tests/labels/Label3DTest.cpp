#include <gtest/gtest.h>

#include <set>
#include <utility>

#include <QImage>

#include "components/Labels/Labels.h"

namespace {

using PixelSet = std::set<std::pair<int, int>>;

const QColor kFace(255, 0, 0);
const QColor kShadow(0, 255, 0);
const QColor kGreyText(255, 0, 255);

// A label on a blue background, its caption drawn without smoothing so that colours are exact.
class Label3DTest : public ::testing::Test {
protected:
    Label3DTest() : label(new TLabel3D(&host)) {
        host.setAutoFillBackground(true);
        host.setPalette(QPalette(Qt::blue));
        host.resize(200, 100);
        QFont font("Liberation Sans");
        font.setPixelSize(40);
        font.setBold(true);
        font.setStyleStrategy(QFont::NoAntialias);
        label->setFont(font);
        label->move(10, 10);
        label->setFontColor(kFace);
        label->setBackColor(kShadow);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Disabled, QPalette::WindowText, kGreyText);
        label->setPalette(palette);
        label->setCaption("Hi");
    }

    // Pixels of this colour, in the host's coordinates.
    PixelSet PixelsOf(const QColor& colour) {
        const QImage image = host.grab().toImage();
        PixelSet pixels;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == colour)
                    pixels.insert({x, y});
        return pixels;
    }

    // Where the shadow shows: the face moved by depth, inside the label and not under the face.
    PixelSet ExpectedShadow(const PixelSet& face, int depth) const {
        PixelSet shadow;
        for (const auto& [x, y] : face)
            if (label->geometry().contains(x + depth, y + depth) && !face.count({x + depth, y + depth}))
                shadow.insert({x + depth, y + depth});
        return shadow;
    }

    QWidget host;
    TLabel3D* label;
};

TEST_F(Label3DTest, ShadowLiesUnderTheFaceShiftedByDepth) {
    label->setDepth(0);
    const PixelSet face = PixelsOf(kFace);
    ASSERT_GT(face.size(), 50u);
    for (const int depth : {2, 0, -2}) {
        label->setDepth(depth);
        EXPECT_EQ(PixelsOf(kFace), face) << "the face is drawn last and never moves, depth " << depth;
        EXPECT_EQ(PixelsOf(kShadow), ExpectedShadow(face, depth)) << "depth " << depth;
    }
}

TEST_F(Label3DTest, DisabledFaceIsGreyTextAndKeepsItsShadow) {
    const PixelSet face = PixelsOf(kFace);
    const PixelSet shadow = PixelsOf(kShadow);
    label->setEnabled(false);
    EXPECT_TRUE(PixelsOf(kFace).empty());
    EXPECT_EQ(PixelsOf(kGreyText), face);
    EXPECT_EQ(PixelsOf(kShadow), shadow);
}

} // namespace
