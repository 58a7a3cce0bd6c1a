#include "ai/linepatterns/ScoreLinePatterns.h"

namespace tessora {

void ScoreLinePatterns(Workspace& ws, int16 colour) {
    (void)ws; (void)colour;
}

}  // namespace tessora
