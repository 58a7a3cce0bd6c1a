#include "ai/Workspace.h"

namespace tessora {

void Workspace::Record(const Grid& grid, int row, int column, int16 before, int16 after) {
    trace_->push_back(TraceRecord{origin_, grid.id(), row, column, before, after});
}

}  // namespace tessora
