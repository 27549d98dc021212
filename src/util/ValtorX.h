#pragma once

#include "util/TmyFibDataBase.h"
#include "util/TmyGraph.h"
#include "util/TmyLogic.h"
#include "util/TmyStr.h"
#include "util/Tmyfile.h"
#include "util/Tmysystem.h"
#include "util/Tmytime.h"

#include <memory>

// The helper holder: one field per helper class. Only the database helper is an object;
// the other six fields stay empty for the whole run, because their operations are
// static and are called without an object (Tmytime::SecTcDGM(...)).
class TVsys {
public:
    TVsys();

    Tmysystem* mySystem = nullptr;
    TmyFibDataBase* myFib = nullptr;
    TmyStr* myStr = nullptr;
    Tmyfile* myFile = nullptr;
    Tmytime* myTime = nullptr;
    TmyGraph* myGraph = nullptr;
    TmyLogic* myLogic = nullptr;

private:
    std::unique_ptr<TmyFibDataBase> ownedFib_;
};

// The one holder. It is created by the library's start-up step, which runs before the
// dynamic initialisation of every translation unit that includes this header, and it
// lives until the program ends.
extern TVsys* Vsys;

namespace valtorx_detail {
// Start-up and shutdown step (a "nifty counter"): the first instance to be constructed
// creates Vsys, the last to be destroyed empties the database helper's unit texts.
struct UnitInit {
    UnitInit();
    ~UnitInit();
    UnitInit(const UnitInit&) = delete;
    UnitInit& operator=(const UnitInit&) = delete;
};
static UnitInit unitInit;
} // namespace valtorx_detail
