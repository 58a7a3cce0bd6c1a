#pragma once

#include "ai/linepatterns/LinePass.h"

namespace tessora::linepatterns {

// The rules with steps of their own and no mirror twin, one function each, numbered by their
// place in the pass.

// MultiStepRulesEarly.cpp
void Rule7(LinePass& pass);

// MultiStepRulesMiddle.cpp
void Rule45(LinePass& pass);
void Rule56(LinePass& pass);

// MultiStepRulesLate.cpp
void Rule63(LinePass& pass);
void Rule70(LinePass& pass);

}  // namespace tessora::linepatterns
