#pragma once

#include <QBrush>
#include <QPen>
#include <QWidget>

namespace platform {

// Rectangle shape: the pen's outline drawn just inside the control, filled with the brush.
class TShape : public QWidget {
    Q_OBJECT

public:
    explicit TShape(QWidget* parent = nullptr);

    QPen pen() const { return pen_; }
    void setPen(const QPen& pen);
    QBrush brush() const { return brush_; }
    void setBrush(const QBrush& brush);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPen pen_{Qt::black, 1};
    QBrush brush_{Qt::white};
};

} // namespace platform
