#pragma once

#include <QAbstractSpinBox>
#include <QString>

namespace platform {

// What the two spin edits share: the text is the state (a value is always read from it),
// changed() on every real change of the text, a hint with a show-hint switch, an optional
// flat one-pixel border, and the range applied when the field loses focus (not when a
// popup menu takes the keyboard for a moment). The field's
// colour is the palette's Base colour.
class SpinEditBase : public QAbstractSpinBox {
    Q_OBJECT

public:
    explicit SpinEditBase(QWidget* parent = nullptr);

    QString text() const;
    // Sets the text as it stands; changed() fires when it differs from the shown one.
    void setText(const QString& text);

    QString hint() const { return hint_; }
    void setHint(const QString& hint);
    bool showHint() const { return showHint_; }
    void setShowHint(bool show);

    bool isFlat() const { return flat_; }
    void setFlat(bool flat);

Q_SIGNALS:
    void changed();

protected:
    // Rewrites the text when the value it shows lies outside the range.
    virtual void applyRange() = 0;
    // The characters a keystroke may add.
    virtual bool acceptsChar(QChar c) const = 0;

    QValidator::State validate(QString& input, int& pos) const override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyToolTip();
    void placeEditor();

    QString hint_;
    bool showHint_ = false;
    bool flat_ = false;
};

} // namespace platform
