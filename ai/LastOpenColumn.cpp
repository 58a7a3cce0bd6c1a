#include "ai/LastOpenColumn.h"

namespace tessora {

int16 LastOpenColumn(Workspace& ws, int n) {
    const GameState& state = ws.state();
    if (!(state.FullColumnCount > n && state.FullColumnCount == 6)) return 0;
    int16 open = 0;
    for (int16 code = kFirstColumnCode; code <= kLastColumnCode; ++code) {
        ws.DoEvents();
        if (state.ColumnState[code - kFirstColumnCode] != kColumnFull) open = code;
    }
    return open;
}

}  // namespace tessora
