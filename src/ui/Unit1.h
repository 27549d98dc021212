#pragma once

#include <QWidget>
#include <cstdint>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;

namespace platform {
class TAdvOfficeStatusBar;
class TAdvSmoothGauge;
class TAdvSpinEdit;
class THTMLComboBox;
class THTMLabel;
class TImage;
class TShape;
class TSpinEdit;
class TXiButton;
} // namespace platform

// The calculator window. Its state is its controls and `first`; every computed output is
// written by Przelicz. Controls are public, as a form's are, so tests drive them like a user.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    platform::TSpinEdit* SpinEdit1 = nullptr;  // ordered time, minutes
    platform::TSpinEdit* SpinEdit2 = nullptr;  // planned stoppages
    platform::TSpinEdit* SpinEdit3 = nullptr;  // changeover time
    platform::TSpinEdit* SpinEdit4 = nullptr;  // quantity produced
    platform::TSpinEdit* SpinEdit5 = nullptr;  // unplanned stoppages
    platform::TSpinEdit* SpinEdit6 = nullptr;  // breakdowns
    platform::TSpinEdit* SpinEdit7 = nullptr;  // effective working time
    platform::TSpinEdit* SpinEdit8 = nullptr;  // rejects
    platform::TSpinEdit* SpinEdit9 = nullptr;  // normative changeover time
    platform::TSpinEdit* SpinEdit10 = nullptr; // pieces per cycle
    platform::TSpinEdit* SpinEdit11 = nullptr; // number of breakdowns
    platform::TAdvSpinEdit* AdvSpinEdit1 = nullptr; // cycle time, seconds

    platform::TXiButton* XiButton1 = nullptr;
    platform::TXiButton* XiButton3 = nullptr;
    platform::TXiButton* XiButton4 = nullptr;
    platform::TXiButton* XiButton6 = nullptr;
    platform::TXiButton* XiButton7 = nullptr;
    platform::TXiButton* XiButton8 = nullptr;
    platform::TXiButton* XiButton10 = nullptr;
    platform::TXiButton* XiButton2 = nullptr;  // working-time solver
    platform::TXiButton* XiButton11 = nullptr; // drops PopupMenu1

    QCheckBox* CheckBox1 = nullptr;
    platform::THTMLComboBox* HTMLComboBox1 = nullptr;
    QLabel* Label12 = nullptr; // consistency line
    platform::TImage* Image1 = nullptr;
    platform::THTMLabel* HTMLabel1 = nullptr; // formulas
    platform::THTMLabel* HTMLabel2 = nullptr; // MTTR and MTBF
    platform::THTMLabel* HTMLabel3 = nullptr; // article link
    platform::THTMLabel* HTMLabel4 = nullptr; // reserve and losses
    platform::TAdvSmoothGauge* AdvSmoothGauge1 = nullptr;
    platform::TAdvOfficeStatusBar* AdvOfficeStatusBar1 = nullptr;
    platform::TShape* Shape1 = nullptr;
    platform::TShape* Shape2 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Czaspracynailoprzyaktualnejkrotnociiczasiecyklu1 = nullptr;
    QAction* Czaspracynaczascykluprzyaktualnejilociikrotnoci1 = nullptr;

    // Plain label by its name (Label1 ... Label16); null for an unknown name.
    QLabel* label(const char* name) const;

    // Turns the input fields into every displayed result.
    void Przelicz();
    // Shows the field's minutes as a duration in its hint.
    void SpinHint(platform::TSpinEdit* s);

    // Shows the time dialog with `start` seconds; the seconds entered, 0 when cancelled.
    std::int32_t GetTime(std::int32_t start);
    // Edits a minute field through the time dialog.
    void TimeToSpin(platform::TSpinEdit* s);

    bool isFirstActivationDone() const { return first; }

    // Handlers, named after control and event.
    void FormCreate();
    void FormActivate();
    void SpinEdit1Change();
    void HTMLComboBox1Change();
    void XiButton1Click();
    void XiButton3Click();
    void XiButton4Click();
    void XiButton6Click();
    void XiButton7Click();
    void XiButton8Click();
    void XiButton10Click();
    void XiButton2Click();
    void Czaspracynailoprzyaktualnejkrotnociiczasiecyklu1Click();
    void Czaspracynaczascykluprzyaktualnejilociikrotnoci1Click();

protected:
    bool event(QEvent* e) override;

private:
    void buildControls();
    void buildInputs();
    void buildClassification();
    void buildQuantityGroup();
    void buildResults();
    void buildStatusBar();
    void applyTabOrder();
    void drawChart(const class TEfektOEE& oee, std::int32_t ordered);

    bool first = false;
};
