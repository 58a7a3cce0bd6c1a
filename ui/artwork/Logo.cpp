#include "ui/artwork/Artwork.h"
#include "ui/artwork/Lettering.h"

// The game's name in big gold letters for the top of the play area.
namespace tessora::artwork {

namespace {
constexpr int kWidth = 273;
constexpr int kHeight = 66;
constexpr int kDepth = 6;

// Picture and mask come from one painting, made on first use and never changed.
const paint::MaskedPicture& LogoLayers() {
    static const paint::MaskedPicture kLayers =
        PaintLettering(QStringLiteral("Tessora"), kWidth, kHeight, kDepth);
    return kLayers;
}
}  // namespace

QImage Logo() {
    return LogoLayers().picture;
}

QImage LogoMask() {
    return LogoLayers().mask;
}

}  // namespace tessora::artwork
