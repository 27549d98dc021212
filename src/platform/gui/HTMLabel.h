#pragma once

#include "platform/gui/HtmlMarkup.h"
#include "platform/gui/LinkWidget.h"

namespace platform {

// Rich-text label: shows mark-up (see HtmlMarkup.h) on a transparent background and, with
// autoSize on (the default), sizes itself to the text keeping its top-left corner. A left
// press on a link opens it (see LinkWidget).
class THTMLabel : public LinkWidget {
    Q_OBJECT

public:
    explicit THTMLabel(QWidget* parent = nullptr);

    QString htmlText() const { return text_; }
    void setHtmlText(const QString& markup);

    int lineSpacing() const { return lineSpacing_; }
    void setLineSpacing(int pixels);

    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);

    QColor urlColor() const { return urlColor_; }
    void setUrlColor(const QColor& color);

    const markup::Layout& textLayout() const { return layout_; }
    QString linkAt(QPoint point) const override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void relayout();

    QString text_;
    int lineSpacing_ = 0;
    bool autoSize_ = true;
    QColor urlColor_{0, 0, 255};
    markup::Layout layout_;
};

} // namespace platform
