#include "ai/Grid.h"

#include <cstdio>
#include <cstdlib>

namespace tessora {

void Grid::CheckIndex(int row, int column) const {
    if (row < firstRow_ || row > lastRow_ || column < 1 || column > 7) {
        std::fprintf(stderr, "%s index out of range: (%d, %d)\n", GridName(id_), row, column);
        std::abort();
    }
}

}  // namespace tessora
