#include "ai/opening/RandomOpening.h"

namespace tessora {

void RandomOpening(Workspace& ws) {
    (void)ws;
}

}  // namespace tessora
