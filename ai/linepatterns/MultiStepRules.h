#pragma once

#include "ai/linepatterns/LinePass.h"

namespace tessora::linepatterns {

// The rules with steps of their own, one function each, numbered by their place in the pass.

// Shapes around a row gap or a diagonal: MultiStepRulesEarly.cpp.
void Rule1(LinePass& pass);
void Rule2(LinePass& pass);
void Rule7(LinePass& pass);
void Rule12(LinePass& pass);
void Rule13(LinePass& pass);
void Rule18(LinePass& pass);
void Rule19(LinePass& pass);

// Two-target and marking shapes: MultiStepRulesMiddle.cpp.
void Rule28(LinePass& pass);
void Rule29(LinePass& pass);
void Rule30(LinePass& pass);
void Rule31(LinePass& pass);
void Rule45(LinePass& pass);
void Rule56(LinePass& pass);

// Shapes on fixed rows near the bottom of the board: MultiStepRulesBottom.cpp.
void Rule57(LinePass& pass);
void Rule58(LinePass& pass);
void Rule59(LinePass& pass);
void Rule60(LinePass& pass);

// Rules 61 to 63 and 66 to 70: MultiStepRulesLate.cpp.
void Rule61(LinePass& pass);
void Rule62(LinePass& pass);
void Rule63(LinePass& pass);
void Rule66(LinePass& pass);
void Rule67(LinePass& pass);
void Rule68(LinePass& pass);
void Rule69(LinePass& pass);
void Rule70(LinePass& pass);

}  // namespace tessora::linepatterns
