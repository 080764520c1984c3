// The groups of checks of velda validate, one file each.
#pragma once
#include "tools/Validator.h"

#include <cstdio>
#include <string>
#include <vector>

namespace velda::tool {

void validateIdentity(Validator& v);
void validateCallOrders(Validator& v);
void validateAudio(Validator& v);
void validateParameters(Validator& v);
void validateState(Validator& v);
void validateInstances(Validator& v);
void validateNonFinite(Validator& v);
void validateEditor(Validator& v);
void validateAllocations(Validator& v);
void validateCompanions(Validator& v, const std::vector<std::string>& companions);

}  // namespace velda::tool
