#pragma once

#include <QString>
#include <cstdint>

// Inputs of one production run. Times are whole seconds.
struct Tefekt_dwe {
    std::int32_t CzasZamowiony = 0; // ordered time: the planned total production time
    std::int32_t CPracy = 0;        // effective working time
    std::int32_t CMP = 0;           // carried unchanged, not used by the calculation
    std::int32_t CNONE = 0;         // carried unchanged, not used by the calculation
    std::int32_t CSAwarii = 0;      // time lost to breakdowns
    std::int32_t CSPostojuP = 0;    // planned stoppages
    std::int32_t CSPostojuNP = 0;   // unplanned stoppages
    std::int32_t CSPrzezbrajania = 0; // changeover time
    std::int32_t CSUstawiania = 0;  // setting time; not read by policz
    std::int32_t OptymalnyCzas_P = 0; // normative changeover time (modes 2 and 3)
    std::int32_t OptymalnyCzas_U = 0; // normative setting time; not read by policz
    float Braki = 0;                // rejected pieces
    float Wykonane = 0;             // pieces produced, rejects included
};

// Results.
struct Tefekt_wy {
    std::int32_t CzasOperacyjny = 0;
    QString CzasOperacyjnyAsTxt;
    float CzasOperacyjnyProcent = 0;
    QString CzasOperacyjnyProcentTXT;
    std::int32_t DostepnoscCzas = 0;
    float DostepnoscProcent = 0;
    QString DostepnoscProcentTXT;
    std::int32_t WykorzystanieStrata = 0;
    std::int32_t Wykorzystanie = 0;
    float WykorzystanieProcent = 0;
    QString WykorzystanieProcentTXT;
    float Jakosc = 0;
    float JakoscProcent = 0;
    QString JakoscProcentStr;
    float OEE = 0;
    QString OEETXT;
};

// Explanatory texts: formulas with the actual values, plain and in label mark-up.
struct TEfekt_info {
    QString CzasZamowionyAsTxt;
    QString CzasOperacyjnySkladniki;
    QString CzasOperacyjnySkladnikiHTML;
    QString DostepnoscSkladniki;
    QString DostepnoscSkladnikiHTML;
    QString WykorzystanieSkladnikiHTML;
    QString WykorzystanieSkladniki;
    QString JakoscSkladnikiHtml;
    QString LegendaTXT;
};

// The OEE calculation of one production run: fill dWe and the loss mode, call policz,
// read dWy and info. Texts are formatted with the user's number settings.
class TEfektOEE {
public:
    // How the changeover time is split between the planned deduction and the
    // availability loss.
    enum ChangeoverMode : std::int32_t {
        ChangeoverNotLoss = 0,   // deducted with the planned stoppages
        ChangeoverLoss = 1,      // an availability loss
        ChangeoverAboveNorm = 2, // a loss above the normative time (3 behaves the same)
    };

    Tefekt_dwe dWe;
    Tefekt_wy dWy;
    TEfekt_info info;
    std::int32_t TrybStratyPrzezbrajania = 0;
    std::int32_t TrybStratyUstawiania = 0; // carried unchanged, not read by policz

    // Recomputes every field of dWy and info from dWe and TrybStratyPrzezbrajania.
    void policz();

private:
    void operatingTime();
    void availability();
    void utilisation();
    void quality();
    void overall();
};
