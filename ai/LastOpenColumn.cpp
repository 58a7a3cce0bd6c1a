#include "ai/LastOpenColumn.h"

namespace tessora {

int16 LastOpenColumn(Workspace& ws) {
    const GameState& state = ws.state();
    if (state.FullColumnCount != kColumnCount - 1) return 0;
    int16 open = 0;
    for (int16 code = kFirstColumnCode; code <= kLastColumnCode; ++code) {
        ws.DoEvents();
        if (state.ColumnState[code - kFirstColumnCode] != kColumnFull) open = code;
    }
    return open;
}

}  // namespace tessora
