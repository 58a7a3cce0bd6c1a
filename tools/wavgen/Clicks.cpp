#include <cmath>

#include "tools/wavgen/Sounds.h"

// Short percussive sounds: a burst of filtered noise for the impact and a few damped partials
// for the ring of the struck plastic.
namespace tessora::wavgen {

namespace {
struct Partial {
    double frequency;
    double amplitude;
    double decay;  // seconds
};

// One impact: a noise burst shaped by a band-pass, plus ringing partials.
Buffer Impact(const Partial* partials, int count, double noiseCentre, double noiseDecay,
              double length, Random& random) {
    Buffer out = Silence(length);
    Biquad body = Biquad::BandPass(noiseCentre, 1.2);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Time(static_cast<int>(i));
        double value = body.Process(static_cast<float>(random.Signed())) *
                       AttackDecay(t, 0.0004, noiseDecay) * 1.6;
        for (int p = 0; p < count; ++p) {
            value += partials[p].amplitude * std::sin(2 * kPi * partials[p].frequency * t) *
                     AttackDecay(t, 0.0003, partials[p].decay);
        }
        out[i] = static_cast<float>(value);
    }
    FadeEnds(out, 0.0, length * 0.4);  // the ring dies away instead of stopping short
    return out;
}
}  // namespace

Buffer Clack() {
    Random random(101);
    // A thick plastic disc on a plastic board: a bright knock with a short hollow ring.
    const Partial hit[] = {{620, 0.35, 0.030},
                           {1480, 0.55, 0.022},
                           {2330, 0.45, 0.016},
                           {3710, 0.25, 0.010},
                           {5200, 0.12, 0.006}};
    Buffer out = Silence(0.18);
    MixInto(out, Impact(hit, 5, 2600, 0.004, 0.12, random), 0.0, 1.0);
    // The stone settles with a smaller second knock.
    const Partial bounce[] = {{660, 0.2, 0.02}, {1530, 0.35, 0.015}, {2400, 0.3, 0.01}};
    MixInto(out, Impact(bounce, 3, 2900, 0.003, 0.08, random), 0.055, 0.35);
    MixInto(out, Impact(bounce, 3, 3100, 0.002, 0.06, random), 0.085, 0.12);
    Filter(out, Biquad::HighPass(120, 0.7));
    Finish(out, 0.85, 0.0, 0.03);
    return out;
}

Buffer SelectTick() {
    Random random(202);
    const Partial tick[] = {{2750, 0.6, 0.006}, {4100, 0.3, 0.004}, {1350, 0.25, 0.009}};
    Buffer out = Impact(tick, 3, 5000, 0.0012, 0.06, random);
    Finish(out, 0.6, 0.0, 0.01);
    return out;
}

Buffer ButtonClick() {
    Random random(303);
    // Press and release of a small switch: two clicks, the second quieter and higher.
    const Partial press[] = {{1750, 0.5, 0.005}, {3300, 0.3, 0.003}};
    const Partial release[] = {{2100, 0.5, 0.004}, {3900, 0.3, 0.0025}};
    Buffer out = Silence(0.09);
    MixInto(out, Impact(press, 2, 3500, 0.0015, 0.03, random), 0.0, 1.0);
    MixInto(out, Impact(release, 2, 4200, 0.001, 0.03, random), 0.042, 0.55);
    Filter(out, Biquad::HighPass(300, 0.7));
    Finish(out, 0.6, 0.0, 0.01);
    return out;
}

}  // namespace tessora::wavgen
