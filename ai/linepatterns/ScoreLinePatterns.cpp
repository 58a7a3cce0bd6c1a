#include "ai/linepatterns/ScoreLinePatterns.h"

#include "ai/linepatterns/LinePass.h"
#include "ai/linepatterns/MultiStepRules.h"
#include "ai/linepatterns/TableRules.h"

namespace tessora {

// Runs the 70 line-pattern rules in their fixed order for the examined colour. Rules with a
// table row are run by the table interpreters; the others have a function each.
void ScoreLinePatterns(Workspace& ws, int16 colour) {
    using namespace linepatterns;
    LinePass pass(ws, colour);
    Rule1(pass);
    Rule2(pass);
    ApplyPrepareRules(pass, 3, 6);
    Rule7(pass);
    ApplyBonusRules(pass, 8, 11);
    Rule12(pass);
    Rule13(pass);
    ApplyBonusRules(pass, 14, 17);
    Rule18(pass);
    Rule19(pass);
    ApplyBonusRules(pass, 20, 27);
    Rule28(pass);
    Rule29(pass);
    Rule30(pass);
    Rule31(pass);
    ApplyBonusRules(pass, 32, 43);
    ApplyPrepareRules(pass, 44, 44);
    Rule45(pass);
    ApplyBonusRules(pass, 46, 51);
    ApplyPrepareRules(pass, 52, 53);
    ApplyBonusRules(pass, 54, 55);
    Rule56(pass);
    Rule57(pass);
    Rule58(pass);
    Rule59(pass);
    Rule60(pass);
    Rule61(pass);
    Rule62(pass);
    Rule63(pass);
    ApplyBonusRules(pass, 64, 65);
    Rule66(pass);
    Rule67(pass);
    Rule68(pass);
    Rule69(pass);
    Rule70(pass);
}

}  // namespace tessora
