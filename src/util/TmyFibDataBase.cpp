#include "util/TmyFibDataBase.h"

void TmyFibDataBase::ClearUnitTexts()
{
}
