#include "util/ValtorX.h"

#include <new>

TVsys* Vsys = nullptr; // constant-initialised, so it is null before any dynamic initialisation

TVsys::TVsys() : ownedFib_(std::make_unique<TmyFibDataBase>())
{
    myFib = ownedFib_.get();
}

namespace valtorx_detail {

namespace {
int unitCount = 0; // constant-initialised
// The holder lives in static storage and is never destroyed: helpers may be used by
// other units' shutdown code up to the very end of the process.
alignas(TVsys) unsigned char holderStorage[sizeof(TVsys)];
} // namespace

UnitInit::UnitInit()
{
    if (unitCount++ == 0)
        Vsys = new (holderStorage) TVsys();
}

UnitInit::~UnitInit()
{
    if (--unitCount == 0)
        TmyFibDataBase::ClearUnitTexts();
}

} // namespace valtorx_detail
