#pragma once

#include "platform/gui/HtmlMarkup.h"

#include <QWidget>

namespace platform {

// Rich-text label: shows mark-up (see HtmlMarkup.h) on a transparent background and, with
// autoSize on (the default), sizes itself to the text keeping its top-left corner. A left
// press on a link opens it through ShellOpen and reports it in linkClicked().
class THTMLabel : public QWidget {
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

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    void linkClicked(const QString& href);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
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
