#include "ai/linepatterns/ScoreLinePatterns.h"

#include "ai/linepatterns/LinePass.h"
#include "ai/linepatterns/MirroredRules.h"
#include "ai/linepatterns/MultiStepRules.h"
#include "ai/linepatterns/TableRules.h"

namespace tessora {

// Runs the 70 line-pattern rules in their fixed order for the examined colour. Rules with a
// table row are run by the table interpreters (bonus and playable-or-prepare rules, and the
// mirror pairs); the others have a function each.
void ScoreLinePatterns(Workspace& ws, int16 colour) {
    using namespace linepatterns;
    LinePass pass(ws, colour);
    ApplyMirroredRules(pass, 1, 2);
    ApplyPrepareRules(pass, 3, 6);
    Rule7(pass);
    ApplyBonusRules(pass, 8, 11);
    ApplyMirroredRules(pass, 12, 13);
    ApplyBonusRules(pass, 14, 17);
    ApplyMirroredRules(pass, 18, 19);
    ApplyBonusRules(pass, 20, 27);
    ApplyMirroredRules(pass, 28, 31);
    ApplyBonusRules(pass, 32, 43);
    ApplyPrepareRules(pass, 44, 44);
    Rule45(pass);
    ApplyBonusRules(pass, 46, 51);
    ApplyPrepareRules(pass, 52, 53);
    ApplyBonusRules(pass, 54, 55);
    Rule56(pass);
    ApplyMirroredRules(pass, 57, 62);
    Rule63(pass);
    ApplyBonusRules(pass, 64, 65);
    ApplyMirroredRules(pass, 66, 69);
    Rule70(pass);
}

}  // namespace tessora
