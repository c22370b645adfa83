#include "app/identity.h"

namespace {

// The coin, kept as the program's icon; on Windows in the resources of
// resources/valutrino.rc.in.
constexpr runtime::Picture kPictures[] = {{"euro-coin", "IDI_ICON1", "COIN_LARGE"}};

} // namespace

const runtime::Identity kValutrino{
    .title = "Valutrino",
    .desktopId = "it.valutrino.Valutrino",
    .version = VALUTRINO_VERSION,
    .icon = "euro-coin",
    .pictures = kPictures,
};
