#include "ai/doubt/MarkDoubtCells.h"

namespace tessora {

void MarkDoubtCells(Workspace& ws, int16 colour) {
    (void)ws; (void)colour;
}

}  // namespace tessora
