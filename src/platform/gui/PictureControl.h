#pragma once

#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"

#include <QWidget>
#include <cstdint>
#include <memory>

namespace platform {

// A picture control: shows its picture at the top-left corner. Asking for the canvas
// gives the control a white picture of its own size when it has none yet; the canvas
// starts with a black one-pixel pen and a solid white brush.
class TImage : public QWidget {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);
    ~TImage() override;

    std::int32_t Width() const { return width(); }
    std::int32_t Height() const { return height(); }

    TCanvas& Canvas();
    // Null until the canvas has been asked for.
    const TBitmap* Picture() const { return picture_.get(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<TBitmap> picture_;
};

} // namespace platform
