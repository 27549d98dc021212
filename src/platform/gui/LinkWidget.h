#pragma once

#include <QString>
#include <QWidget>

namespace platform {

// A widget that shows mark-up with links: a left press on a link opens it through ShellOpen
// and reports it in linkClicked(), and the pointer becomes a hand over a link. Subclasses
// only say where their links lie.
class LinkWidget : public QWidget {
    Q_OBJECT

public:
    explicit LinkWidget(QWidget* parent = nullptr);

    // The link under a point of the widget; empty when there is none.
    virtual QString linkAt(QPoint point) const = 0;

Q_SIGNALS:
    void linkClicked(const QString& href);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

} // namespace platform
