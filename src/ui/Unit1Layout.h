#pragma once

#include <QRect>
#include <QString>
#include <cstdint>

// The fixed pixel layout of the main window as tables: one row per control, built by one
// loop each. Positions are client pixels; colours are RGB.
namespace unit1layout {

constexpr QSize clientSize{971, 677};
constexpr std::int32_t spinMaximum = 9999999;

// Whole-number minute and count fields.
struct SpinRow {
    const char* name;
    QRect rect;
    std::int32_t value;
    std::int32_t minimum;
    std::uint32_t rgb;
    int tab;
};

inline constexpr SpinRow spinRows[] = {
    {"SpinEdit1", {336, 23, 77, 24}, 480, 0, 0xFFFF80, 0},
    {"SpinEdit2", {196, 59, 77, 24}, 35, 0, 0xCCE6FF, 3},
    {"SpinEdit3", {196, 85, 77, 24}, 30, 0, 0xCCE6FF, 5},
    {"SpinEdit4", {460, 179, 77, 24}, 9000, 0, 0x00FF00, 18},
    {"SpinEdit5", {196, 119, 77, 24}, 10, 0, 0xFFC1C1, 6},
    {"SpinEdit6", {196, 145, 77, 24}, 45, 0, 0xFFC1C1, 7},
    {"SpinEdit7", {196, 183, 77, 24}, 300, 0, 0xC1FFC1, 8},
    {"SpinEdit8", {196, 213, 77, 24}, 200, 0, 0xFFC1C1, 9},
    {"SpinEdit9", {643, 87, 77, 24}, 15, 0, 0xF0F8FF, 15},
    {"SpinEdit10", {619, 179, 50, 24}, 1, 0, 0x71FF71, 21},
    {"SpinEdit11", {872, 75, 77, 24}, 2, 1, 0xFFC1C1, 25},
};

// Plain labels. `width` > 0 right-aligns the text in that many pixels from `pos`.
struct LabelRow {
    const char* name;
    QPoint pos;
    const char16_t* text;
    int width;
    int pixelSize;
    bool underline;
};

inline constexpr LabelRow labelRows[] = {
    {"Label1", {14, 8}, u"Dane wejściowe", 0, 13, true},
    {"Label14", {122, 10}, u"Czasy w minutach", 0, 12, false},
    {"Label2", {16, 32}, u"Zaplanowany, całkowity czas produkcji (czas zamówiony)", 0, 12, false},
    {"Label3", {28, 66}, u"Postoje planowane", 150, 12, false},
    {"Label4", {28, 96}, u"Czas przezbrajania", 150, 12, false},
    {"Label8", {28, 126}, u"Postoje nie planowane", 150, 12, false},
    {"Label9", {28, 152}, u"Awarie", 150, 12, false},
    {"Label10", {28, 196}, u"Efektywny czas pracy", 150, 12, false},
    {"Label11", {28, 225}, u"Ilość braków", 150, 12, false},
    {"Label6", {348, 67}, u"Klasyfikacja czasu przezbrajnia", 0, 13, true},
    {"Label16", {356, 147}, u"Ilość wyprodukowana i opis cyklu", 0, 12, false},
    {"Label5", {428, 188}, u"Ilość", 0, 12, false},
    {"Label13", {564, 188}, u"Krotność", 0, 12, false},
    {"Label7", {412, 217}, u"Czas wykonania jednego cyklu (sec.)", 0, 12, false},
    {"Label15", {792, 84}, u"Ilość awarii", 0, 12, false},
};

// The "..." buttons and the minute field each one edits through the time dialog.
struct TimeButtonRow {
    const char* name;
    QRect rect;
    int tab;
    const char* field;
};

inline constexpr TimeButtonRow timeButtonRows[] = {
    {"XiButton1", {415, 23, 30, 24}, 1, "SpinEdit1"},
    {"XiButton3", {275, 59, 30, 24}, 10, "SpinEdit2"},
    {"XiButton4", {275, 85, 30, 24}, 11, "SpinEdit3"},
    {"XiButton6", {275, 119, 30, 24}, 12, "SpinEdit5"},
    {"XiButton7", {275, 145, 30, 24}, 13, "SpinEdit6"},
    {"XiButton8", {275, 183, 30, 24}, 14, "SpinEdit7"},
    {"XiButton10", {723, 87, 30, 24}, 16, "SpinEdit9"},
};

} // namespace unit1layout
