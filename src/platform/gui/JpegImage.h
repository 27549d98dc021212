#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

namespace platform {

// A decoded JPEG picture that can be drawn on a canvas.
class TJPEGImage {
public:
    std::int32_t Width() const { return image_.width(); }
    std::int32_t Height() const { return image_.height(); }
    bool Empty() const { return image_.isNull(); }

    // Decodes a JPEG file. Raises EInvalidGraphic when the file is not a JPEG picture;
    // the picture is then unchanged.
    void LoadFromFile(const QString& path);

    const QImage& image() const { return image_; }

private:
    QImage image_;
};

} // namespace platform
