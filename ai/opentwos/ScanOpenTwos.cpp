#include "ai/opentwos/ScanOpenTwos.h"

namespace tessora {

void ScanOpenTwos(Workspace& ws, int16 colour) {
    (void)ws; (void)colour;
}

}  // namespace tessora
