#pragma once
// A bevelled panel: the look of the key panels, the displays, the pitch-bend track and knob.
//
// Drawn from the outside in: the single-line border (when BorderSingle), the outer bevel of BevelWidth
// pixels, the inner bevel of BevelWidth pixels, the background Color, then the caption centred in FontColor.
// A caption's "&" underlines the character after it ("&&" is one "&"), in the panels and the labels alike.
// A raised bevel is light at the top and left and dark at the bottom and right; a lowered one the reverse.
// Every press of any mouse button (a double-click counts as a press) is reported by MouseDown, every release
// by MouseUp; the window system sends a button's release to the widget that received its press.

#include <QColor>
#include <QWidget>

namespace platform {

enum class TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public QWidget {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr);

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void setBevelOuter(TBevelCut cut);
    TBevelCut BevelInner() const { return bevelInner_; }
    void setBevelInner(TBevelCut cut);
    int BevelWidth() const { return bevelWidth_; }
    void setBevelWidth(int width);
    bool BorderSingle() const { return borderSingle_; }
    void setBorderSingle(bool on);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor Color() const { return color_; }
    void setColor(const QColor& color);
    QColor FontColor() const { return fontColor_; }
    void setFontColor(const QColor& color);

    // Draws a backslash in the caption as the yen sign, as a Japanese character set does.
    bool YenForBackslash() const { return yenForBackslash_; }
    void setYenForBackslash(bool on);

signals:
    void MouseDown(platform::TPanel* sender, Qt::MouseButton button, QPoint pos);
    void MouseUp(platform::TPanel* sender, Qt::MouseButton button, QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    int bevelWidth_ = 1;
    bool borderSingle_ = false;
    QString caption_;
    QColor color_;
    QColor fontColor_;
    bool yenForBackslash_ = false;
};

// A box drawn as a raised (or lowered) frame around a part of the window; no events.
class TBevel : public QWidget {
    Q_OBJECT
public:
    explicit TBevel(QWidget* parent = nullptr, TBevelCut style = TBevelCut::bvRaised);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TBevelCut style_;
};

// A circle filled with BrushColor and outlined with PenColor; reports the release of any mouse button.
class TShape : public QWidget {
    Q_OBJECT
public:
    explicit TShape(QWidget* parent = nullptr);
    QColor BrushColor() const { return brush_; }
    void setBrushColor(const QColor& color);
    QColor PenColor() const { return pen_; }
    void setPenColor(const QColor& color);

signals:
    void MouseUp(QObject* sender, Qt::MouseButton button, QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor brush_{Qt::white};
    QColor pen_{Qt::black};
};

// A horizontal progress bar with Min, Max and Position; reports the release of any mouse button.
class TProgressBar : public QWidget {
    Q_OBJECT
public:
    explicit TProgressBar(QWidget* parent = nullptr);
    int Min() const { return min_; }
    int Max() const { return max_; }
    void setRange(int min, int max);
    int Position() const { return position_; }
    void setPosition(int position);

signals:
    void MouseUp(QObject* sender, Qt::MouseButton button, QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

// A text label that reports the release of any mouse button; its hint is its tool tip.
class TLabel : public QWidget {
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent = nullptr);
    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    QString Hint() const { return toolTip(); }
    void setHint(const QString& hint) { setToolTip(hint); }
    QColor FontColor() const { return fontColor_; }
    void setFontColor(const QColor& color);

signals:
    void MouseUp(QObject* sender, Qt::MouseButton button, QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
    QColor fontColor_;
};

} // namespace platform
