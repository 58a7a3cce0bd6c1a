#pragma once

#include <cstdint>
#include <vector>

// Small building blocks for synthesising the game's sounds: a seeded noise source, filters,
// envelopes and mixing, all on mono float buffers at one sample rate.
namespace tessora::wavgen {

inline constexpr int kSampleRate = 44100;
inline constexpr double kPi = 3.14159265358979323846;

using Buffer = std::vector<float>;

// A fixed-seed generator, so every build writes the same files.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    double Uniform();  // 0 <= value < 1
    double Between(double low, double high);
    double Signed() { return Between(-1.0, 1.0); }

  private:
    std::uint64_t state_;
};

// Second-order filter (the usual audio "cookbook" forms).
class Biquad {
  public:
    static Biquad LowPass(double frequency, double q);
    static Biquad HighPass(double frequency, double q);
    static Biquad BandPass(double frequency, double q);  // peak gain 1
    float Process(float x);

  private:
    Biquad(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

int Samples(double seconds);
double Time(int sample);
Buffer Silence(double seconds);

// Rises linearly over `attack` seconds, then decays exponentially with time constant `decay`.
double AttackDecay(double t, double attack, double decay);
// Rises over `attack`, holds until `length - release`, falls to zero at `length` (raised cosines).
double Swell(double t, double attack, double release, double length);

// Adds `part` into `into` starting at `atSeconds`, scaled by `gain`; `into` grows as needed.
void MixInto(Buffer& into, const Buffer& part, double atSeconds, double gain);
// Runs the whole buffer through a filter.
void Filter(Buffer& buffer, Biquad filter);
// Scales the buffer so its largest magnitude is `peak`.
void Normalise(Buffer& buffer, double peak);
// Gentle saturation (tanh with the given drive), which lifts the quieter parts of a busy
// sound against its peaks.
void SoftLimit(Buffer& buffer, double drive);
// Short fades at both ends so the sound never starts or stops with a jump.
void FadeEnds(Buffer& buffer, double fadeIn, double fadeOut);
// The last steps of a finished sound: Normalise to peak, then FadeEnds.
void Finish(Buffer& buffer, double peak, double fadeIn, double fadeOut);

// Converts to 16-bit PCM with rounding; values beyond -1..1 are clipped.
std::vector<std::int16_t> ToPcm16(const Buffer& buffer);

}  // namespace tessora::wavgen
