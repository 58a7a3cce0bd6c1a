#include "ai/Grid.h"

#include <cstdio>
#include <cstdlib>

namespace tessora {

const char* GridName(GridId id) {
    switch (id) {
        case GridId::AttackScore:
            return "AttackScore";
        case GridId::DefenceScore:
            return "DefenceScore";
        case GridId::OwnThreat:
            return "OwnThreat";
        case GridId::FoeThreat:
            return "FoeThreat";
        case GridId::ForbiddenMark:
            return "ForbiddenMark";
        case GridId::AvoidMark:
            return "AvoidMark";
        case GridId::CautionMark:
            return "CautionMark";
        case GridId::DoubtMark:
            return "DoubtMark";
    }
    return "?";
}

void Grid::CheckIndex(int row, int column) const {
    if (row < firstRow_ || row > lastRow_ || column < 1 || column > 7) {
        std::fprintf(stderr, "%s index out of range: (%d, %d)\n", GridName(id_), row, column);
        std::abort();
    }
}

void Grid::Clear(int rows) {
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= 7; ++c)
            cell(r, c) = 0;
    }
}

const Grid& Grids::get(GridId id) const {
    switch (id) {
        case GridId::AttackScore:
            return AttackScore;
        case GridId::DefenceScore:
            return DefenceScore;
        case GridId::OwnThreat:
            return OwnThreat;
        case GridId::FoeThreat:
            return FoeThreat;
        case GridId::ForbiddenMark:
            return ForbiddenMark;
        case GridId::AvoidMark:
            return AvoidMark;
        case GridId::CautionMark:
            return CautionMark;
        case GridId::DoubtMark:
            return DoubtMark;
    }
    return AttackScore;
}

Grid& Grids::get(GridId id) {
    return const_cast<Grid&>(static_cast<const Grids&>(*this).get(id));
}

}  // namespace tessora
