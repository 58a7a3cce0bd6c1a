#include <algorithm>
#include <cmath>

#include "tools/wavgen/Sounds.h"

// Voice-like sounds: a glottal source built from harmonics, shaped by formant filters.
namespace tessora::wavgen {

namespace {
// Vocal-tract resonances for one vowel: centre frequencies, widths (as Q) and gains.
struct Formants {
    double frequency[3];
    double q[3];
    double gain[3];
};

constexpr Formants kVowelA{{820, 1220, 2650}, {6, 9, 12}, {1.0, 0.55, 0.22}};
constexpr Formants kSnoreTract{{380, 850, 1900}, {4, 6, 8}, {1.0, 0.45, 0.12}};

class FormantBank {
  public:
    explicit FormantBank(const Formants& f)
        : filters_{Biquad::BandPass(f.frequency[0], f.q[0]),
                   Biquad::BandPass(f.frequency[1], f.q[1]),
                   Biquad::BandPass(f.frequency[2], f.q[2])},
          gains_{f.gain[0], f.gain[1], f.gain[2]} {}
    float Process(float x) {
        double y = 0;
        for (int i = 0; i < 3; ++i)
            y += gains_[i] * filters_[i].Process(x);
        return static_cast<float>(y);
    }

  private:
    Biquad filters_[3];
    double gains_[3];
};

// Sum of harmonics of the running phase with a falling spectrum, kept below 5 kHz.
double GlottalSource(double phase, double pitch) {
    const int harmonics = std::max(1, static_cast<int>(5000.0 / pitch));
    double value = 0;
    for (int n = 1; n <= harmonics; ++n)
        value += std::sin(2 * kPi * n * phase) / std::pow(n, 1.1);
    return value * 0.3;
}

// One "ha": breathy onset, then a voiced vowel whose pitch falls a little.
Buffer LaughSyllable(double pitch, double length, Random& random) {
    Buffer out = Silence(length);
    FormantBank voiced(kVowelA);
    FormantBank breath(kVowelA);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Time(static_cast<int>(i));
        const double f0 = pitch * (1.0 - 0.12 * t / length) * (1.0 + 0.01 * random.Signed());
        phase += f0 / kSampleRate;
        const double voicing = Swell(t - 0.025, 0.025, 0.05, length - 0.03);
        const double aspiration = Swell(t, 0.008, 0.035, 0.05) + 0.15 * voicing;
        out[i] = static_cast<float>(
            voiced.Process(static_cast<float>(GlottalSource(phase, f0))) * voicing +
            breath.Process(static_cast<float>(random.Signed())) * aspiration * 0.9);
    }
    return out;
}
}  // namespace

Buffer Laughter() {
    Random random(404);
    Buffer out;
    // A mocking "ha ha ha ha ha": falling in pitch and loudness, gaps shortening.
    const double pitches[] = {290, 272, 258, 244, 230, 214};
    double at = 0.0;
    for (int i = 0; i < 6; ++i) {
        const double length = i == 0 ? 0.17 : 0.14;
        MixInto(out, LaughSyllable(pitches[i], length, random), at, 1.0 - 0.09 * i);
        at += length + 0.075 - 0.004 * i;
    }
    Filter(out, Biquad::HighPass(90, 0.7));
    Finish(out, 0.85, 0.005, 0.05);
    return out;
}

Buffer Snore() {
    Random random(505);
    constexpr double kInhale = 1.15;
    constexpr double kGap = 0.12;
    constexpr double kExhale = 0.62;
    Buffer out = Silence(kInhale + kGap + kExhale);
    FormantBank tract(kSnoreTract);
    Biquad rasp = Biquad::BandPass(700, 1.0);
    double phase = 0;
    // Breathing in: a low, rattling buzz as the soft palate flutters.
    for (int i = 0; i < Samples(kInhale); ++i) {
        const double t = Time(i);
        const double f0 = 62 + 14 * std::sin(kPi * t / kInhale);
        phase += f0 / kSampleRate;
        const double flutter = std::pow(std::abs(std::sin(kPi * 31.0 * t)), 3.0);
        const double loudness = Swell(t, 0.45, 0.3, kInhale);
        const double source = GlottalSource(phase, f0) * 0.8 + rasp.Process(random.Signed()) * 1.2;
        out[i] = static_cast<float>(tract.Process(static_cast<float>(source)) *
                                    (0.25 + 0.75 * flutter) * loudness);
    }
    // Breathing out: soft air through the lips with a faint whistle that sinks.
    Biquad air = Biquad::BandPass(1100, 0.8);
    Biquad lips = Biquad::LowPass(2600, 0.7);
    double whistle = 0;
    const int start = Samples(kInhale + kGap);
    for (int i = 0; i < Samples(kExhale); ++i) {
        const double t = Time(i);
        const double loudness = Swell(t, 0.12, 0.35, kExhale);
        whistle += (880 - 260 * t / kExhale) / kSampleRate;
        const double breath = lips.Process(air.Process(random.Signed())) * 0.9;
        out[start + i] =
            static_cast<float>((breath + 0.05 * std::sin(2 * kPi * whistle)) * loudness * 0.25);
    }
    Filter(out, Biquad::HighPass(45, 0.7));
    Normalise(out, 0.8);
    return out;
}

}  // namespace tessora::wavgen
