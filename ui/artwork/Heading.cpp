#include "ui/artwork/Artwork.h"
#include "ui/artwork/Lettering.h"

// The heading of the instructions window, in the same lettering as the game's name.
namespace tessora::artwork {

namespace {
constexpr int kWidth = 300;
constexpr int kHeight = 50;
constexpr int kDepth = 4;

// Picture and mask come from one painting, made on first use and never changed.
const paint::MaskedPicture& HeadingLayers() {
    static const paint::MaskedPicture kLayers =
        PaintLettering(QStringLiteral("Anleitung"), kWidth, kHeight, kDepth);
    return kLayers;
}
}  // namespace

QImage InstructionsHeading() {
    return HeadingLayers().picture;
}

QImage InstructionsHeadingMask() {
    return HeadingLayers().mask;
}

}  // namespace tessora::artwork
