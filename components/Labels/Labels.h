#pragma once
// TLabel3D: a label whose caption is drawn twice, first as a shadow in BackColor shifted right and down by
// Depth pixels, then as the face on top of it.
//
// Besides QLabel's own text, font and alignment it keeps the label properties the program sets: Color (the
// background, filled only when Transparent is false), FontColor (the face), ShowAccelChar ("&" underlines
// the next character; off, it is drawn as itself) and AutoSize (the control takes the size of its caption;
// the shadow is not measured, so its last Depth pixels on the right and at the bottom are clipped).
// Set the caption through setCaption so that AutoSize follows it. Every setter repaints only on a change.

#include <QColor>
#include <QLabel>

class TLabel3D : public QLabel {
    Q_OBJECT
public:
    explicit TLabel3D(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption);

    QColor BackColor() const { return backColor_; }
    void setBackColor(const QColor& color);
    int Depth() const { return depth_; }
    void setDepth(int depth);
    bool Transparent() const { return transparent_; }
    void setTransparent(bool on);
    QColor Color() const { return color_; }
    void setColor(const QColor& color);
    QColor FontColor() const { return fontColor_; }
    void setFontColor(const QColor& color);
    bool ShowAccelChar() const { return showAccelChar_; }
    void setShowAccelChar(bool on);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool on);

    // The drawText flags of the caption: horizontal alignment, one line at the top, and the accelerator mark.
    int TextFormat() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void adjustBounds();

    QColor backColor_{Qt::white};
    int depth_ = 2;
    bool transparent_ = true;
    QColor color_;
    QColor fontColor_;
    bool showAccelChar_ = true;
    bool autoSize_ = true;
};
