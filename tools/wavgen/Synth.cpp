#include "tools/wavgen/Synth.h"

#include <algorithm>
#include <cmath>

namespace tessora::wavgen {

double Random::Uniform() {
    // xorshift64*
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    const std::uint64_t value = state_ * 0x2545F4914F6CDD1Dull;
    return static_cast<double>(value >> 11) * (1.0 / 9007199254740992.0);
}

double Random::Between(double low, double high) {
    return low + (high - low) * Uniform();
}

Biquad::Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
    : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0) {}

Biquad Biquad::LowPass(double frequency, double q) {
    const double w = 2 * kPi * frequency / kSampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    return Biquad((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad Biquad::HighPass(double frequency, double q) {
    const double w = 2 * kPi * frequency / kSampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    return Biquad((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad Biquad::BandPass(double frequency, double q) {
    const double w = 2 * kPi * frequency / kSampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    return Biquad(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

float Biquad::Process(float x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
}

int Samples(double seconds) {
    return static_cast<int>(std::lround(seconds * kSampleRate));
}

double Time(int sample) {
    return static_cast<double>(sample) / kSampleRate;
}

Buffer Silence(double seconds) {
    return Buffer(static_cast<std::size_t>(Samples(seconds)), 0.0f);
}

double AttackDecay(double t, double attack, double decay) {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

double Swell(double t, double attack, double release, double length) {
    if (t <= 0 || t >= length) return 0;
    if (t < attack) return 0.5 - 0.5 * std::cos(kPi * t / attack);
    if (t > length - release) return 0.5 - 0.5 * std::cos(kPi * (length - t) / release);
    return 1;
}

void MixInto(Buffer& into, const Buffer& part, double atSeconds, double gain) {
    const std::size_t start = static_cast<std::size_t>(std::max(0, Samples(atSeconds)));
    if (into.size() < start + part.size()) into.resize(start + part.size(), 0.0f);
    for (std::size_t i = 0; i < part.size(); ++i) {
        into[start + i] += static_cast<float>(part[i] * gain);
    }
}

void Filter(Buffer& buffer, Biquad filter) {
    for (float& sample : buffer)
        sample = filter.Process(sample);
}

void Normalise(Buffer& buffer, double peak) {
    float largest = 0;
    for (float sample : buffer)
        largest = std::max(largest, std::abs(sample));
    if (largest <= 0) return;
    const double scale = peak / largest;
    for (float& sample : buffer)
        sample = static_cast<float>(sample * scale);
}

void SoftLimit(Buffer& buffer, double drive) {
    for (float& sample : buffer)
        sample = static_cast<float>(std::tanh(drive * sample));
}

void FadeEnds(Buffer& buffer, double fadeIn, double fadeOut) {
    const int in = std::min(Samples(fadeIn), static_cast<int>(buffer.size()));
    const int out = std::min(Samples(fadeOut), static_cast<int>(buffer.size()));
    for (int i = 0; i < in; ++i)
        buffer[i] *= static_cast<float>(i) / in;
    for (int i = 0; i < out; ++i)
        buffer[buffer.size() - 1 - i] *= static_cast<float>(i) / out;
}

void Finish(Buffer& buffer, double peak, double fadeIn, double fadeOut) {
    Normalise(buffer, peak);
    FadeEnds(buffer, fadeIn, fadeOut);
}

std::vector<std::int16_t> ToPcm16(const Buffer& buffer) {
    std::vector<std::int16_t> pcm;
    pcm.reserve(buffer.size());
    for (float sample : buffer) {
        const double clipped = std::clamp(static_cast<double>(sample), -1.0, 1.0);
        pcm.push_back(static_cast<std::int16_t>(std::lround(clipped * 32767.0)));
    }
    return pcm;
}

}  // namespace tessora::wavgen
