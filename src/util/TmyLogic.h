#pragma once

#include <QString>
#include <array>
#include <cstdint>

// Bit and Boolean helpers. Stateless: every operation is called without an object.
class TmyLogic {
public:
    // Eight flags of one byte each; element k stands for bit k (value 2 to the power k).
    // A flag holds 1 for true and 0 for false; a flag holding any other value counts as
    // false when the flags are joined into a byte.
    using TVec = std::array<std::uint8_t, 8>;

    // Note the order: the text for false comes first.
    static QString BoolTxt(bool v, const QString& falsetxt, const QString& truetxt);
    static std::uint8_t BinToByte(const TVec& V);
    static TVec ByteToBin(std::uint8_t dz);
    // Bit numbers run from 0 (least significant) to 7. A bit number above 7 names no bit
    // of a byte: TestBit is then false and ChangeBit returns n unchanged.
    static bool TestBit(std::uint8_t n, std::uint8_t nrbit);
    static std::uint8_t ChangeBit(std::uint8_t n, std::uint8_t nr, bool state);
};
