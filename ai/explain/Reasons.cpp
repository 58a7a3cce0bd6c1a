#include "ai/explain/Reasons.h"

#include <algorithm>

namespace tessora::explain {
namespace {

bool IsChangeTo(const TraceRecord& record, GridCellRef cell) {
    return record.grid == cell.grid && record.row == cell.row && record.column == cell.column;
}

}  // namespace

FamilyPoints PointsByFamily(const Trace& trace, GridCellRef cell) {
    FamilyPoints points{};
    for (const TraceRecord& record : trace) {
        if (!IsChangeTo(record, cell)) continue;
        const int family = FamilyOf(record.origin);
        if (family >= 0) points[static_cast<std::size_t>(family)] += record.after - record.before;
    }
    return points;
}

int PointsFromStage(const Trace& trace, Stage stage, GridCellRef cell) {
    int points = 0;
    for (const TraceRecord& record : trace) {
        if (record.origin.stage == stage && IsChangeTo(record, cell)) {
            points += record.after - record.before;
        }
    }
    return points;
}

void FillReasons(const FamilyPoints& points, int score, const Writer& writer, Explanation& out) {
    // The families by their points, largest first; among equal points the earlier family.
    std::array<int, kFamilyCount> order{};
    for (int i = 0; i < kFamilyCount; ++i)
        order[static_cast<std::size_t>(i)] = i;
    std::stable_sort(order.begin(), order.end(), [&points](int a, int b) {
        return points[static_cast<std::size_t>(a)] > points[static_cast<std::size_t>(b)];
    });
    int left = score;
    out.reasonCount = 0;
    for (const int family : order) {
        if (out.reasonCount == Explanation::kMostReasons) break;
        const int shown = std::min(points[static_cast<std::size_t>(family)], left);
        if (shown <= 0) break;
        left -= shown;
        const RuleFamily& row = kRuleFamilies[static_cast<std::size_t>(family)];
        Explanation::Reason& reason = out.reasons[static_cast<std::size_t>(out.reasonCount++)];
        writer.Write(reason.text, Wording{row.phrase, row.hintPhrase}, {});
        reason.points = shown;
    }
}

}  // namespace tessora::explain
