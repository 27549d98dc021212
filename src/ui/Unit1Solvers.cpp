#include "platform/Numbers.h"
#include "platform/gui/AdvSpinEdit.h"
#include "platform/gui/SpinEdit.h"
#include "ui/CycleSolvers.h"
#include "ui/Recalculation.h"
#include "ui/UKP_DLL_D_TIMEC1.h"
#include "ui/Unit1.h"

// Each solver computes first and writes its one field last, so a division error leaves
// every field as it was.

void TForm1::XiButton2Click()
{
    SpinEdit7->setValue(cyclesolvers::workingTimeMinutes(SpinEdit4->value(), SpinEdit10->value(), AdvSpinEdit1->value()));
}

void TForm1::Czaspracynailoprzyaktualnejkrotnociiczasiecyklu1Click()
{
    SpinEdit4->setValue(cyclesolvers::quantity(SpinEdit10->value(), AdvSpinEdit1->value(), SpinEdit7->value()));
}

void TForm1::Czaspracynaczascykluprzyaktualnejilociikrotnoci1Click()
{
    AdvSpinEdit1->setValue(cyclesolvers::cycleTimeSeconds(SpinEdit4->value(), SpinEdit10->value(), SpinEdit7->value()));
}

std::int32_t TForm1::GetTime(std::int32_t start)
{
    TKP_DLL_D_TIMEC1 dialog(this);
    dialog.start = start;
    dialog.Setup();
    dialog.exec();
    return dialog.wynik;
}

void TForm1::TimeToSpin(platform::TSpinEdit* s)
{
    const std::int32_t seconds = GetTime(recalculation::minutesToSeconds(s->value()));
    s->setValue(platform::Round(static_cast<platform::extended>(seconds) / 60));
}
