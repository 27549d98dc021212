#include "util/TmyLogic.h"

QString TmyLogic::BoolTxt(bool v, const QString& falsetxt, const QString& truetxt)
{
    return v ? truetxt : falsetxt;
}

std::uint8_t TmyLogic::BinToByte(const TVec& V)
{
    unsigned byte = 0;
    for (unsigned k = 0; k < V.size(); ++k) {
        if (V[k] == 1)
            byte |= 1u << k;
    }
    return static_cast<std::uint8_t>(byte);
}

TmyLogic::TVec TmyLogic::ByteToBin(std::uint8_t dz)
{
    TVec flags{};
    for (unsigned k = 0; k < flags.size(); ++k)
        flags[k] = static_cast<std::uint8_t>((dz >> k) & 1u);
    return flags;
}

bool TmyLogic::TestBit(std::uint8_t n, std::uint8_t nrbit)
{
    return nrbit < 8 && ByteToBin(n)[nrbit] == 1;
}

std::uint8_t TmyLogic::ChangeBit(std::uint8_t n, std::uint8_t nr, bool state)
{
    if (nr >= 8)
        return n;
    TVec flags = ByteToBin(n);
    flags[nr] = state ? 1 : 0;
    return BinToByte(flags);
}
