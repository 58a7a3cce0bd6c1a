#include <algorithm>
#include <cmath>

#include "tools/wavgen/Sounds.h"

// The little tunes: a wooden draw jingle, a bell chime and a brass fanfare.
namespace tessora::wavgen {

namespace {
// Equal-tempered pitch of a MIDI note number (60 is middle C).
double Pitch(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// A struck wooden bar: the fundamental with its high, quickly fading overtones.
Buffer Marimba(int note, double length) {
    const double f = Pitch(note);
    Buffer out = Silence(length);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Time(static_cast<int>(i));
        out[i] = static_cast<float>(
            std::sin(2 * kPi * f * t) * AttackDecay(t, 0.002, 0.28) +
            0.35 * std::sin(2 * kPi * 3.93 * f * t) * AttackDecay(t, 0.001, 0.05) +
            0.12 * std::sin(2 * kPi * 9.2 * f * t) * AttackDecay(t, 0.0005, 0.012));
    }
    FadeEnds(out, 0.0, length * 0.5);
    return out;
}

// A soft glass bell: frequency modulation whose brightness fades faster than the tone.
Buffer Bell(int note, double length) {
    const double f = Pitch(note);
    Buffer out = Silence(length);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Time(static_cast<int>(i));
        const double index = 1.5 * std::exp(-t / 0.18);
        const double modulator = std::sin(2 * kPi * 3.5 * f * t);
        out[i] = static_cast<float>(
            std::sin(2 * kPi * f * t + index * modulator) * AttackDecay(t, 0.003, 0.55) +
            0.25 * std::sin(2 * kPi * 2 * f * t) * AttackDecay(t, 0.003, 0.25));
    }
    FadeEnds(out, 0.0, length * 0.5);
    return out;
}

// A brass note: harmonics whose upper partials grow with loudness, with a late vibrato.
Buffer Brass(int note, double length, double attack, double release) {
    const double f = Pitch(note);
    Buffer out = Silence(length);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Time(static_cast<int>(i));
        const double loudness = Swell(t, attack, release, length);
        const double vibrato = 1.0 + 0.004 * std::min(1.0, t / 0.4) * std::sin(2 * kPi * 5.5 * t);
        phase += f * vibrato / kSampleRate;
        const double brightness = 0.25 + 0.6 * loudness;
        double value = 0;
        double weight = 1.0;
        for (int n = 1; n * f < 8000; ++n) {
            value += weight * std::sin(2 * kPi * n * phase);
            weight *= brightness;
        }
        out[i] = static_cast<float>(value * loudness);
    }
    return out;
}

// A cymbal swell under the fanfare's long chord.
Buffer Cymbal(double length, Random& random) {
    Buffer out = Silence(length);
    Biquad sizzle = Biquad::HighPass(5000, 0.7);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Time(static_cast<int>(i));
        out[i] = static_cast<float>(sizzle.Process(static_cast<float>(random.Signed())) *
                                    AttackDecay(t, 0.002, 0.35));
    }
    FadeEnds(out, 0.0, length * 0.3);
    return out;
}
}  // namespace

Buffer DrawJingle() {
    // Two short phrases that answer each other and come to rest on neither winner's note.
    struct Note {
        int pitch;
        double at;
        double gain;
    };
    const Note notes[] = {{76, 0.00, 0.9}, {72, 0.15, 0.8}, {74, 0.30, 0.85}, {71, 0.55, 0.8},
                          {67, 0.70, 0.7}, {69, 0.85, 0.9}, {62, 0.85, 0.5}};
    Buffer out;
    for (const Note& note : notes)
        MixInto(out, Marimba(note.pitch, 0.6), note.at, note.gain);
    Finish(out, 0.8, 0.0, 0.1);
    return out;
}

Buffer OpeningChime() {
    // A rising major arpeggio, the top note ringing longest.
    const int notes[] = {72, 76, 79, 84};
    Buffer out;
    for (int i = 0; i < 4; ++i) {
        MixInto(out, Bell(notes[i], i == 3 ? 1.2 : 0.9), 0.11 * i, i == 3 ? 0.8 : 0.6);
    }
    Finish(out, 0.75, 0.0, 0.15);
    return out;
}

Buffer Fanfare() {
    Random random(909);
    Buffer out;
    // "Ta": a short pick-up note ...
    MixInto(out, Brass(67, 0.13, 0.015, 0.04), 0.0, 0.8);
    // ... "daa": a held major chord over the bass, crowned by a cymbal.
    const int chord[] = {48, 60, 64, 67, 72};
    const double gains[] = {0.5, 0.6, 0.45, 0.45, 0.5};
    for (int i = 0; i < 5; ++i) {
        MixInto(out, Brass(chord[i], 1.35, 0.03, 0.45), 0.17, gains[i]);
    }
    Filter(out, Biquad::LowPass(6500, 0.7));  // mellow the brass, not the cymbal
    MixInto(out, Cymbal(1.2, random), 0.17, 0.12);
    Finish(out, 0.8, 0.002, 0.05);
    return out;
}

}  // namespace tessora::wavgen
