#pragma once

#include <QComboBox>
#include <QStringList>

namespace platform {

// Drop-down list whose items and closed box show mark-up (see HtmlMarkup.h). changed()
// fires when the user picks another item; setItemIndex() from code is silent. The list
// opens below the box, dropDownWidth wide and at most dropDownHeight high (0: as needed).
// The box is drawn in the palette's Base colour.
class THTMLComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit THTMLComboBox(QWidget* parent = nullptr);

    void setItems(const QStringList& markups);
    QStringList items() const;

    int itemIndex() const { return currentIndex(); }
    void setItemIndex(int index);

    void setDropDownSize(int width, int height);

    void showPopup() override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect arrowRect() const;

    bool silent_ = false;
    int dropWidth_ = 0;
    int dropHeight_ = 0;
};

} // namespace platform
