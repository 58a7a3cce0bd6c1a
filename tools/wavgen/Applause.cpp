#include <cmath>

#include "tools/wavgen/Sounds.h"

// Applause: many single hand claps at random moments, each a short noise burst coloured by
// the hollow of the hands, over a faint rustle of the crowd.
namespace tessora::wavgen {

namespace {
constexpr double kLength = 1.9;
constexpr double kClapsPerSecond = 140.0;  // at full strength

// How busy the clapping is over time: quick start, long hold, fading tail.
double Density(double t) {
    return Swell(t, 0.12, 0.75, kLength);
}

Buffer Clap(Random& random) {
    const double centre = random.Between(900, 2600);
    const double decay = random.Between(0.004, 0.009);
    Buffer out = Silence(0.05);
    Biquad hands = Biquad::BandPass(centre, random.Between(1.2, 2.6));
    Biquad air = Biquad::HighPass(400, 0.7);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Time(static_cast<int>(i));
        const float noise = air.Process(static_cast<float>(random.Signed()));
        out[i] = static_cast<float>(hands.Process(noise) * AttackDecay(t, 0.0008, decay) * 2.5 +
                                    noise * AttackDecay(t, 0.0003, 0.0015) * 0.4);
    }
    return out;
}
}  // namespace

Buffer Applause() {
    Random random(606);
    Buffer out = Silence(kLength + 0.05);
    // Clap onsets drawn from a thinned random process following the density.
    double t = 0;
    while (t < kLength) {
        t += -std::log(1.0 - random.Uniform()) / kClapsPerSecond;
        const double density = Density(t);
        // As the applause dies down there are fewer claps and they grow softer.
        if (random.Uniform() < density) {
            MixInto(out, Clap(random), t, random.Between(0.25, 1.0) * (0.3 + 0.7 * density));
        }
    }
    Biquad rustle = Biquad::BandPass(1800, 0.5);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double density = Density(Time(static_cast<int>(i)));
        out[i] += static_cast<float>(rustle.Process(random.Signed()) * 0.12 * density);
    }
    Filter(out, Biquad::HighPass(250, 0.7));
    Filter(out, Biquad::LowPass(9000, 0.7));
    out.resize(static_cast<std::size_t>(Samples(kLength)));
    // Tame the loudest claps so the crowd as a whole is heard.
    Normalise(out, 1.0);
    SoftLimit(out, 2.5);
    Finish(out, 0.8, 0.0, 0.08);
    return out;
}

}  // namespace tessora::wavgen
