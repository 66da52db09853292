#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "components/Labels/Labels.h"

namespace {

const QColor kBackground(0, 0, 255);
const QColor kFace(255, 0, 0);
const QColor kShadow(0, 255, 0);
const QColor kFill(255, 255, 0);
const QColor kGreyText(255, 0, 255);
constexpr QPoint kLabelAt(10, 10);

using PixelSet = std::set<std::pair<int, int>>;

class CountingLabel : public TLabel3D {
public:
    using TLabel3D::TLabel3D;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        TLabel3D::paintEvent(event);
    }
};

// A label on a plain blue background, its caption drawn without smoothing so that colours are exact.
class Label3DTest : public ::testing::Test {
protected:
    Label3DTest() : label(new TLabel3D(&host)) {
        host.setAutoFillBackground(true);
        QPalette hostPalette = host.palette();
        hostPalette.setColor(QPalette::Window, kBackground);
        host.setPalette(hostPalette);
        host.resize(200, 100);

        QFont font("Liberation Sans");
        font.setPixelSize(40);
        font.setBold(true);
        font.setStyleStrategy(QFont::NoAntialias);
        label->setFont(font);
        label->move(kLabelAt);
        label->setFontColor(kFace);
        label->setBackColor(kShadow);
        QPalette labelPalette = label->palette();
        labelPalette.setColor(QPalette::Disabled, QPalette::WindowText, kGreyText);
        label->setPalette(labelPalette);
        label->setCaption("Hi");
    }

    QImage render() { return host.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // Pixels of the given colour, in the label's coordinates.
    static PixelSet pixelsOf(const QImage& image, const QColor& colour) {
        PixelSet pixels;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == colour) {
                    pixels.insert({x - kLabelAt.x(), y - kLabelAt.y()});
                }
            }
        }
        return pixels;
    }

    PixelSet faceAtDepthZero() {
        const int depth = label->Depth();
        label->setDepth(0);
        const PixelSet face = pixelsOf(render(), kFace);
        label->setDepth(depth);
        return face;
    }

    // Where the shadow shows: the face moved by depth, inside the label, and not under the face.
    PixelSet expectedShadow(const PixelSet& face, int depth) const {
        PixelSet shadow;
        for (const auto& [x, y] : face) {
            const int sx = x + depth;
            const int sy = y + depth;
            if (sx >= 0 && sy >= 0 && sx < label->width() && sy < label->height() && !face.count({sx, sy})) {
                shadow.insert({sx, sy});
            }
        }
        return shadow;
    }

    QWidget host;
    TLabel3D* label;
};

} // namespace

TEST_F(Label3DTest, Defaults) {
    TLabel3D fresh;
    EXPECT_EQ(fresh.BackColor(), QColor(Qt::white));
    EXPECT_EQ(fresh.Depth(), 2);
    EXPECT_TRUE(fresh.Transparent());
    EXPECT_TRUE(fresh.ShowAccelChar());
    EXPECT_TRUE(fresh.AutoSize());
}

TEST_F(Label3DTest, ShadowLiesUnderTheFaceShiftedByDepth) {
    const PixelSet face = faceAtDepthZero();
    ASSERT_GT(face.size(), 50u);
    for (const int depth : {2, 1, 3, -2}) {
        SCOPED_TRACE(depth);
        label->setDepth(depth);
        const QImage image = render();
        EXPECT_EQ(pixelsOf(image, kFace), face) << "the face is drawn last and never moves";
        const PixelSet shadow = pixelsOf(image, kShadow);
        EXPECT_FALSE(shadow.empty());
        EXPECT_EQ(shadow, expectedShadow(face, depth));
    }
}

TEST_F(Label3DTest, DepthZeroHidesTheShadow) {
    label->setDepth(0);
    const QImage image = render();
    EXPECT_TRUE(pixelsOf(image, kShadow).empty());
    EXPECT_FALSE(pixelsOf(image, kFace).empty());
}

TEST_F(Label3DTest, AlignmentMovesShadowAndFaceAlike) {
    label->setAutoSize(false);
    label->resize(180, 60);
    for (const Qt::Alignment alignment : {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter}) {
        SCOPED_TRACE(int(alignment));
        label->setAlignment(alignment);
        const PixelSet face = faceAtDepthZero();
        ASSERT_FALSE(face.empty());
        const int right = face.rbegin()->first;
        if (alignment == Qt::AlignRight) {
            EXPECT_GT(right, 150);
        } else if (alignment == Qt::AlignLeft) {
            EXPECT_LT(face.begin()->first, 10);
        }
        EXPECT_EQ(pixelsOf(render(), kShadow), expectedShadow(face, label->Depth()));
    }
}

TEST_F(Label3DTest, DisabledFaceIsGreyTextAndKeepsItsShadow) {
    const PixelSet face = faceAtDepthZero();
    label->setEnabled(false);
    const QImage image = render();
    EXPECT_TRUE(pixelsOf(image, kFace).empty());
    EXPECT_EQ(pixelsOf(image, kGreyText), face);
    EXPECT_EQ(pixelsOf(image, kShadow), expectedShadow(face, 2));
}

TEST_F(Label3DTest, TransparentShowsWhatLiesBehind) {
    const QImage transparent = render();
    EXPECT_EQ(transparent.pixelColor(kLabelAt + QPoint(label->width() - 1, 0)), kBackground);
    EXPECT_TRUE(pixelsOf(transparent, kFill).empty());

    label->setColor(kFill);
    label->setTransparent(false);
    const QImage filled = render();
    EXPECT_EQ(filled.pixelColor(kLabelAt + QPoint(label->width() - 1, 0)), kFill);
    EXPECT_EQ(filled.pixelColor(kLabelAt + QPoint(label->width(), 0)), kBackground)
        << "only the label is filled";
    EXPECT_EQ(pixelsOf(filled, kShadow), pixelsOf(transparent, kShadow));
    EXPECT_EQ(pixelsOf(filled, kFace), pixelsOf(transparent, kFace));
}

TEST_F(Label3DTest, EmptyCaptionDrawsOnlyTheFill) {
    label->setAutoSize(false);
    label->resize(50, 30);
    label->setCaption("");
    label->setColor(kFill);
    label->setTransparent(false);
    const QImage image = render();
    EXPECT_EQ(pixelsOf(image, kFill).size(), 50u * 30u);
    EXPECT_TRUE(pixelsOf(image, kFace).empty());
    EXPECT_TRUE(pixelsOf(image, kShadow).empty());
}

TEST_F(Label3DTest, AutoSizeMeasuresTheCaptionAlone) {
    const QFontMetrics metrics(label->font());
    label->setCaption("Clavito");
    EXPECT_EQ(label->size(), metrics.size(Qt::TextSingleLine, "Clavito")) << "Depth is not added";

    label->setCaption("&A");
    EXPECT_EQ(label->width(), metrics.horizontalAdvance("A")) << "the accelerator mark takes no room";
    label->setShowAccelChar(false);
    EXPECT_EQ(label->width(), metrics.horizontalAdvance("&A")) << "the ampersand is drawn";

    QFont bigger = label->font();
    bigger.setPixelSize(60);
    label->setFont(bigger);
    EXPECT_EQ(label->width(), QFontMetrics(bigger).horizontalAdvance("&A"));
}

TEST_F(Label3DTest, AccelCharUnderlinesTheNextCharacter) {
    label->setAutoSize(false);
    label->resize(180, 60);
    label->setDepth(0);
    label->setCaption("A");
    const PixelSet plain = pixelsOf(render(), kFace);
    label->setCaption("&A");
    const PixelSet marked = pixelsOf(render(), kFace);
    EXPECT_GT(marked.size(), plain.size()) << "an underline is added";
    for (const auto& pixel : plain) {
        EXPECT_TRUE(marked.count(pixel)) << "the letter itself is unchanged";
    }
    label->setShowAccelChar(false);
    const PixelSet literal = pixelsOf(render(), kFace);
    EXPECT_GT(literal.rbegin()->first, plain.rbegin()->first + 10) << "the ampersand takes its own place";
}

TEST_F(Label3DTest, SettersRepaintOnlyOnAChange) {
    QWidget window;
    auto* counted = new CountingLabel(&window);
    counted->setCaption("Clavito");
    window.show();
    QApplication::processEvents();

    struct Step {
        const char* name;
        std::function<void()> set;
        bool repaints;
    };
    const Step steps[] = {
        {"same BackColor", [&] { counted->setBackColor(Qt::white); }, false},
        {"same Depth", [&] { counted->setDepth(2); }, false},
        {"same Transparent", [&] { counted->setTransparent(true); }, false},
        {"same caption", [&] { counted->setCaption("Clavito"); }, false},
        {"new BackColor", [&] { counted->setBackColor(Qt::black); }, true},
        {"new Depth", [&] { counted->setDepth(-1); }, true},
        {"new Transparent", [&] { counted->setTransparent(false); }, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        QApplication::processEvents();
        counted->paints = 0;
        step.set();
        QApplication::processEvents();
        EXPECT_EQ(counted->paints > 0, step.repaints);
    }
}
