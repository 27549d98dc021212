#pragma once

#include <QColor>
#include <QDialog>
#include <cstdint>

class QLabel;
class TAbGradient;
namespace platform {
class TSpinEdit;
class TXiButton;
} // namespace platform

// The time entry dialog: a time shown and edited as days, hours and minutes. The caller
// sets `start` (seconds), calls Setup and shows the dialog modally; `wynik` (seconds) is
// set only by "OK" and stays 0 when the dialog is closed any other way.
class TKP_DLL_D_TIMEC1 : public QDialog {
    Q_OBJECT

public:
    explicit TKP_DLL_D_TIMEC1(QWidget* parent = nullptr);

    std::int32_t start = 0;
    std::int32_t wynik = 0;

    TAbGradient* AbGradient1 = nullptr;
    platform::TSpinEdit* SpinEdit1 = nullptr; // days
    platform::TSpinEdit* SpinEdit2 = nullptr; // hours
    platform::TSpinEdit* SpinEdit3 = nullptr; // minutes
    QLabel* Label1 = nullptr;
    platform::TXiButton* XiButton1 = nullptr; // "OK"
    platform::TXiButton* XiButton2 = nullptr; // "x"

    void FormCreate();
    // Opens at the mouse pointer and shows `start` split into days, hours and minutes.
    void Setup();
    void XiButton1Click();
    void XiButton2Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor background_ = Qt::white;
};
