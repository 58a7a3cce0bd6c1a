#include "ai/LastOpenColumn.h"

namespace tessora {

int16 LastOpenColumn(Workspace& ws) {
    const GameState& state = ws.state();
    if (state.FullColumnCount != kColumnCount - 1) return 0;
    int16 open = 0;
    for (int column = 1; column <= kColumnCount; ++column) {
        ws.DoEvents();
        if (!ws.ColumnFull(column)) open = ColumnCode(column);
    }
    return open;
}

}  // namespace tessora
