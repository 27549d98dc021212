#pragma once

#include "platform/gui/Color.h"
#include "util/TmyGraph.h"

#include <QWidget>

// Gradient panel: its whole area painted with one of the library's gradients.
class TAbGradient : public QWidget {
    Q_OBJECT

public:
    explicit TAbGradient(QWidget* parent = nullptr);

    void setColors(platform::TColor from, platform::TColor to);
    void setStyle(TGradientStyle style);
    platform::TColor colorFrom() const { return from_; }
    platform::TColor colorTo() const { return to_; }
    TGradientStyle style() const { return style_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    platform::TColor from_ = platform::clWhite;
    platform::TColor to_ = platform::clWhite;
    TGradientStyle style_ = TGradientStyle::gsHorizontal1;
};
