#pragma once

#include "runtime/toolkit.h"

// Valutrino's name, version and pictures, for whichever backend is built.
extern const runtime::Identity kValutrino;
