#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QMenu>
#include <QPointer>

namespace platform {

enum class TColorScheme { csNeoSky, csNeoDesert, csNeoRose };
enum class TButtonLayout { blGlyphLeft, blGlyphRight };

// The faces of one colour scheme; each is a vertical gradient from top to bottom.
struct TXiButtonColors {
    QColor faceTop, faceBottom;
    QColor hotTop, hotBottom;
    QColor downTop, downBottom;
    QColor border, text;
};
TXiButtonColors xiButtonColors(TColorScheme scheme);

// Gradient push button: caption with an optional glyph on either side, named colour
// scheme, hot tracking (a lighter face under the mouse) and, with drawFocusRect (drrect),
// a dotted focus rectangle. With PopUpGo on and a popup menu assigned, a left press drops
// the menu at the pointer instead of pressing the button; the keyboard still clicks.
class TXiButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit TXiButton(QWidget* parent = nullptr);

    TColorScheme colorScheme() const { return scheme_; }
    void setColorScheme(TColorScheme scheme);

    // Pixels of the transparent colour become transparent.
    void setGlyph(const QImage& glyph, const QColor& transparent = QColor(255, 0, 255));
    const QImage& glyph() const { return glyph_; }
    TButtonLayout glyphLayout() const { return layout_; }
    void setGlyphLayout(TButtonLayout layout);
    int spacing() const { return spacing_; }
    void setSpacing(int pixels);

    bool hotTrack() const { return hotTrack_; }
    void setHotTrack(bool on);
    bool isHot() const { return hot_; }

    bool drawFocusRect() const { return drrect_; }
    void setDrawFocusRect(bool on);

    QMenu* popupMenu() const { return menu_; }
    void setPopupMenu(QMenu* menu) { menu_ = menu; }
    bool popUpGo() const { return popUpGo_; }
    // With PopUpGo on, a click no longer takes the focus: the menu acts on the field the
    // user was in, which should not be left (and its range applied) on the way.
    void setPopUpGo(bool on);

    // Where the glyph and the caption go inside the button.
    QRect glyphRect() const;
    QRect captionRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int contentWidth() const;

    TColorScheme scheme_ = TColorScheme::csNeoSky;
    QImage glyph_;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int spacing_ = 4;
    bool hotTrack_ = true;
    bool hot_ = false;
    bool drrect_ = false;
    QPointer<QMenu> menu_;
    bool popUpGo_ = false;
};

} // namespace platform
