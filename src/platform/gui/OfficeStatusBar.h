#pragma once

#include "platform/gui/HtmlMarkup.h"
#include "platform/gui/LinkWidget.h"

#include <vector>

namespace platform {

// Status bar of fixed-width panels, each showing one line of mark-up (see HtmlMarkup.h).
// Obsidian is the dark look with white text and links, Luna the light blue one. A left
// press on a link opens it (see LinkWidget).
class TAdvOfficeStatusBar : public LinkWidget {
    Q_OBJECT

public:
    enum class Style { Luna, Obsidian };

    explicit TAdvOfficeStatusBar(QWidget* parent = nullptr);

    // Appends a panel; returns its index.
    int addPanel(int width, const QString& markup = {});
    int panelCount() const { return static_cast<int>(panels_.size()); }
    QString panelText(int index) const;
    void setPanelText(int index, const QString& markup);
    QRect panelRect(int index) const;

    Style barStyle() const { return style_; }
    void setBarStyle(Style style);

    QString linkAt(QPoint point) const override;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Panel {
        int width = 0;
        QString text;
        markup::Layout layout;
    };
    struct Look {
        QColor top, bottom, separatorDark, separatorLight, text, link;
    };

    Look look() const;
    QPoint textOrigin(int index) const;
    void relayout(Panel& panel) const;

    std::vector<Panel> panels_;
    Style style_ = Style::Luna;
};

} // namespace platform
