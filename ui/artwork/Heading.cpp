#include "ui/artwork/Artwork.h"
#include "ui/artwork/Lettering.h"

// The heading of the instructions window, in the same lettering as the game's name.
namespace tessora::artwork {

namespace {
constexpr int kWidth = 300;
constexpr int kHeight = 50;
constexpr int kDepth = 4;
}  // namespace

QImage InstructionsHeading() {
    return PaintLettering(QStringLiteral("Anleitung"), kWidth, kHeight, kDepth).picture;
}

QImage InstructionsHeadingMask() {
    return PaintLettering(QStringLiteral("Anleitung"), kWidth, kHeight, kDepth).mask;
}

}  // namespace tessora::artwork
