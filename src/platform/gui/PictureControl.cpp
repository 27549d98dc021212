#include "platform/gui/PictureControl.h"

#include <QPaintEvent>
#include <QPainter>

namespace platform {

TImage::TImage(QWidget* parent) : QWidget(parent) {}

TImage::~TImage() = default;

TCanvas& TImage::Canvas()
{
    if (!picture_) {
        auto picture = std::make_unique<TBitmap>();
        picture->SetSize(width(), height());
        picture->Canvas().SetOnChange([this] { update(); });
        picture_ = std::move(picture);
        update();
    }
    return picture_->Canvas();
}

void TImage::paintEvent(QPaintEvent* event)
{
    if (!picture_)
        return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(0, 0, picture_->image());
}

} // namespace platform
