#pragma once

#include <string>

#include "runtime/registry.h"

// Reads the value SubKeyRef of the key KeyName under KeyRoot as text into
// KeyVal: a string as it is, a 32-bit number as "&h" and eight hexadecimal
// digits; a value of another type leaves KeyVal as it was. On failure KeyVal
// becomes empty and the result is false.
bool readKeyValue(runtime::Registry &registry, runtime::RegKey KeyRoot, const std::string &KeyName,
                  const std::string &SubKeyRef, std::string &KeyVal);
