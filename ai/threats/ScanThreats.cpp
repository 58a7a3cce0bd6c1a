#include "ai/threats/ScanThreats.h"

#include <span>

#include "ai/BestCell.h"
#include "ai/threats/ThreatWindows.h"

namespace tessora {

int16 ScanThreats(Workspace& ws, int16 colour) {
    // The four row scans, then the columns, then the eight diagonal scans.
    const std::span<const ThreatWindow> windows(kThreatWindows);
    for (const ThreatWindow& window : windows.first(4)) {
        ScanThreatWindow(ws, window, colour);
    }
    ScanVerticalThreats(ws, colour);
    for (const ThreatWindow& window : windows.subspan(4)) {
        ScanThreatWindow(ws, window, colour);
    }
    return ChooseBestCell(ws);
}

}  // namespace tessora
