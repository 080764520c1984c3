// The groups of checks of velda validate, one file each.
#pragma once
#include "tools/Validator.h"

#include <cstdio>

namespace velda::tool {

void validateIdentity(Validator& v);
void validateCallOrders(Validator& v);
void validateAudio(Validator& v);
void validateParameters(Validator& v);
void validateState(Validator& v);
void validateInstances(Validator& v);

}  // namespace velda::tool
