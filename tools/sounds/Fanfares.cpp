// The celebrations: bonus, the cheer, the Yatzy fanfare, and the laser that follows it.
#include "Voices.h"

using namespace synth;

namespace voices {

namespace {
// A brass-like note of `length` seconds: it scoops up to pitch, is brighter the louder it
// plays, has a small accent at the start and, when held, a gentle vibrato.
Buffer brass(double frequency, double length, double release = 0.06) {
    auto level = [=](double t) {
        return attackRelease(t, 0.025, length, release) * (0.8 + 0.2 * std::exp(-t / 0.08));
    };
    auto pitch = [=](double t) {
        const double scoop = 1.0 - 0.025 * std::exp(-t / 0.02);
        const double vibrato = 0.004 * smoothStep((t - 0.15) / 0.2) * std::sin(TwoPi * 5.5 * t);
        return frequency * scoop * (1.0 + vibrato);
    };
    return harmonicTone(length, 24, pitch, [=](int k, double t, double f) {
        const double e = level(t);
        const double bell = k * f / 2500.0; // the bell of the horn rounds off the top
        return std::pow(e, 1.0 + 0.45 * (k - 1)) / k / (1.0 + bell * bell);
    });
}
} // namespace

Buffer bonus() {
    // G4 C5 E5 G5, each note held so the arpeggio lands on a C major chord.
    const double notes[] = {392.00, 523.25, 659.26, 783.99};
    Buffer out = silence(1.0);
    for (int i = 0; i < 4; ++i) {
        const double start = 0.085 * i;
        mix(out, brass(notes[i], 0.98 - start, 0.3), start, 0.3);
    }
    return out;
}

Buffer yatzy() {
    Buffer out = silence(1.5);
    // Three quick pickup notes, then the chord.
    for (int i = 0; i < 3; ++i)
        mix(out, brass(392.00, 0.1, 0.04), 0.11 * i, 0.45);
    const double chordStart = 0.33;
    const double chord[] = {523.25, 659.26, 783.99, 1046.50}; // C5 E5 G5 C6
    for (double f : chord)
        mix(out, brass(f, 1.12, 0.45), chordStart, 0.27);

    // A kettle drum on C3 under the chord.
    const std::vector<Partial> drum{
        {1.0, 1.0, 0.35}, {1.5, 0.5, 0.2}, {1.99, 0.3, 0.15}, {2.44, 0.15, 0.1}};
    mix(out, struck(130.81, drum, 1.0, 0.004), chordStart, 0.5);

    // A cymbal: bright noise fading away.
    Noise rng(0x7A7Bu);
    HighPass hiss1(3000.0), hiss2(3000.0);
    Buffer cymbal = silence(1.1);
    for (std::size_t i = 0; i < cymbal.size(); ++i)
        cymbal[i] = attackDecay(timeOf(i), 0.004, 0.3) * hiss2(hiss1(rng.white()));
    fadeTail(cymbal, 0.1);
    mix(out, cymbal, chordStart, 0.25);

    // Sparkles high above: C major pentatonic pings scattered over the chord.
    const double sparkle[] = {2093.00, 2349.32, 2637.02, 3135.96, 3520.00};
    const std::vector<Partial> ping{{1.0, 1.0, 0.12}, {2.76, 0.25, 0.05}};
    for (int i = 0; i < 9; ++i) {
        const double at = chordStart + 0.08 + 0.08 * i + rng.between(0.0, 0.03);
        const double f = sparkle[int(rng.uniform() * 5)];
        mix(out, struck(f, ping, 0.35), at, rng.between(0.05, 0.1));
    }
    return out;
}

namespace {
// The height of a formant resonance at `f`: 1 well below it, F/B at its peak.
double formant(double f, double centre, double bandwidth) {
    const double d = centre * centre - f * f;
    return centre * centre / std::sqrt(d * d + bandwidth * bandwidth * f * f);
}

double lerp(double a, double b, double x) {
    return a + (b - a) * x;
}
} // namespace

Buffer yahoo() {
    const double length = 0.9;
    const double second = 0.33; // start of the second syllable
    // "Whoo" rises; "hoo" jumps higher, peaks and falls away, with some vibrato.
    auto pitch = [=](double t) {
        double f;
        if (t < second - 0.01) {
            f = lerp(290.0, 470.0, smoothStep(t / 0.28));
        } else {
            const double u = t - second;
            f = u < 0.12 ? lerp(520.0, 660.0, smoothStep(u / 0.12))
                         : lerp(660.0, 400.0, smoothStep((u - 0.12) / 0.43));
        }
        const double vibrato = 0.012 * smoothStep((t - 0.4) / 0.1) * std::sin(TwoPi * 6.0 * t);
        const double drift = 0.004 * std::sin(TwoPi * 3.1 * t) + 0.003 * std::sin(TwoPi * 7.3 * t);
        return f * (1.0 + vibrato + drift);
    };
    auto loudness = [=](double t) {
        const double u = t - second;
        return 0.7 * attackRelease(t, 0.05, second - 0.02, 0.08) +
               attackRelease(u, 0.03, length - second, 0.3) * (0.75 + 0.25 * std::exp(-u / 0.2));
    };
    // The mouth opens from "w"/"h" towards "o" in each syllable.
    auto opening = [=](double t) {
        return t < second - 0.01 ? smoothStep(t / 0.2) : smoothStep((t - second) / 0.12);
    };
    auto spectrum = [=](int k, double t, double f) {
        const double open = opening(t);
        const double kf = k * f;
        const double shape = formant(kf, lerp(320.0, 480.0, open), 90.0) *
                             formant(kf, lerp(750.0, 1100.0, open), 130.0) *
                             formant(kf, 2600.0, 200.0) * formant(kf, 3600.0, 300.0);
        return shape / std::pow(k, 0.75);
    };
    // Each moment is scaled to the same strength, so the loudness follows `loudness` alone
    // whichever harmonics the gliding pitch brings under the formants.
    constexpr int Harmonics = 36;
    double strength = 1.0;
    Buffer out = harmonicTone(length, Harmonics, pitch, [&](int k, double t, double f) {
        if (k == 1) {
            double energy = 0.0;
            for (int j = 1; j <= Harmonics && nyquistTaper(j * f) > 0.0; ++j)
                energy += std::pow(spectrum(j, t, f), 2);
            strength = 1.0 / std::sqrt(energy);
        }
        return loudness(t) * strength * spectrum(k, t, f);
    });

    // Breath: an "h" before the second syllable and a touch of air throughout.
    Noise rng(0x400u);
    auto f1 = Resonator::ringing(500.0, 0.004), f2 = Resonator::ringing(1100.0, 0.003);
    auto f3 = Resonator::ringing(2500.0, 0.002);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double air =
            2.0 * attackRelease(t - (second - 0.05), 0.02, 0.08, 0.04) + 0.15 * loudness(t);
        const double x = air * rng.white();
        out[i] += 0.6 * f1(x) + 0.5 * f2(x) + 0.3 * f3(x);
    }
    return out;
}

Buffer laser() {
    const double length = 0.45;
    auto level = [=](double t) {
        return attackDecay(t, 0.003, 0.18) * smoothStep((length - t) / 0.05);
    };
    // An exponential fall from 2200 Hz to 140 Hz with a fast flutter.
    auto sweep = [=](double detune) {
        return [=](double t) {
            const double f = 2200.0 * std::pow(140.0 / 2200.0, t / 0.42);
            return detune * f * (1.0 + 0.03 * std::sin(TwoPi * 35.0 * t));
        };
    };
    // Odd harmonics only: a square wave with its top rounded off.
    auto square = [=](int k, double t, double f) {
        if (k % 2 == 0) return 0.0;
        const double top = k * f / 4000.0;
        return level(t) / k / (1.0 + top * top);
    };
    Buffer out = harmonicTone(length, 79, sweep(1.0), square);
    mix(out, harmonicTone(length, 79, sweep(1.012), square), 0.0, 0.5);
    return out;
}

} // namespace voices
