#pragma once
// Building blocks for the game's sound effects: a seeded noise source, envelopes, resonant
// filters and band-limited harmonic tones, all working on mono buffers of doubles in [-1, 1].
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace synth {

inline constexpr int Rate = 22050;
inline constexpr double Pi = 3.14159265358979323846;
inline constexpr double TwoPi = 2.0 * Pi;

using Buffer = std::vector<double>;

inline std::size_t samples(double seconds) {
    return seconds <= 0.0 ? 0 : static_cast<std::size_t>(seconds * Rate + 0.5);
}
inline double timeOf(std::size_t i) {
    return static_cast<double>(i) / Rate;
}
inline Buffer silence(double seconds) {
    return Buffer(samples(seconds), 0.0);
}
inline double fromDb(double db) {
    return std::pow(10.0, db / 20.0);
}

// Our own generator rather than <random>'s distributions, whose output differs between
// standard libraries: the same seed must give the same file on every build machine.
class Noise {
  public:
    explicit Noise(std::uint64_t seed) : state_(seed) {}
    double uniform(); // [0, 1)
    double between(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    double white() { return between(-1.0, 1.0); }

  private:
    std::uint64_t state_;
};

// Band-pass resonator with 0 dB gain at its centre (a two-pole biquad).
class Resonator {
  public:
    Resonator(double frequency, double q);
    // A mode that rings for about `tau` seconds (its amplitude falls by e in that time).
    static Resonator ringing(double frequency, double tau) {
        return Resonator(frequency, Pi * frequency * tau);
    }
    double operator()(double x);
    // The same, scaled so that a unit impulse rings with amplitude 1 whatever the Q.
    double ring(double x) { return (*this)(x) / (2.0 * b0_); }

  private:
    double b0_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// One-pole low-pass and high-pass, for taming and brightening noise.
class LowPass {
  public:
    explicit LowPass(double cutoff) : k_(1.0 - std::exp(-TwoPi * cutoff / Rate)) {}
    double operator()(double x) { return y_ += k_ * (x - y_); }

  private:
    double k_;
    double y_ = 0;
};

class HighPass {
  public:
    explicit HighPass(double cutoff) : low_(cutoff) {}
    double operator()(double x) { return x - low_(x); }

  private:
    LowPass low_;
};

// 0 -> 1 along half a cosine for x in [0, 1]; clamped outside.
inline double smoothStep(double x) {
    if (x <= 0.0) return 0.0;
    if (x >= 1.0) return 1.0;
    return 0.5 - 0.5 * std::cos(Pi * x);
}

// A struck or blown note: a smooth attack, then an exponential decay with time constant `tau`.
inline double attackDecay(double t, double attack, double tau) {
    if (t < 0.0) return 0.0;
    if (t < attack) return smoothStep(t / attack);
    return std::exp(-(t - attack) / tau);
}

// A held note: smooth attack, level 1, then a smooth release ending at `length`.
inline double attackRelease(double t, double attack, double length, double release) {
    if (t < 0.0 || t >= length) return 0.0;
    return smoothStep(t / attack) * smoothStep((length - t) / release);
}

// Harmonics fade out before the Nyquist frequency instead of folding back as aliases.
inline double nyquistTaper(double frequency) {
    const double top = 0.45 * Rate, start = 0.38 * Rate;
    if (frequency >= top) return 0.0;
    return frequency <= start ? 1.0 : 1.0 - smoothStep((frequency - start) / (top - start));
}

// A tone of whole harmonics. `frequency(t)` is the fundamental in Hz; `harmonic(k, t, f)` is
// the amplitude of harmonic k (from 1) at time t while the fundamental is f.
template <class Frequency, class Harmonic>
Buffer harmonicTone(double seconds, int maxHarmonic, Frequency frequency, Harmonic harmonic) {
    Buffer out(samples(seconds), 0.0);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double f = frequency(t);
        double sum = 0.0;
        for (int k = 1; k <= maxHarmonic; ++k) {
            const double taper = nyquistTaper(k * f);
            if (taper == 0.0) break;
            sum += taper * harmonic(k, t, f) * std::sin(k * phase);
        }
        out[i] = sum;
        phase = std::fmod(phase + TwoPi * f / Rate, TwoPi);
    }
    return out;
}

// One partial of a struck bar or bell: a frequency ratio, a level and a decay time.
struct Partial {
    double ratio;
    double level;
    double tau;
};

// A struck note of (possibly inharmonic) partials, `seconds` long; it fades out at the end
// rather than stopping short.
Buffer struck(double frequency, const std::vector<Partial>& partials, double seconds,
              double attack = 0.002);

// Fades the last `seconds` of a sound smoothly to zero, so cutting it short does not click.
void fadeTail(Buffer& sound, double seconds);

// Adds `source` times `gain` into `target` from `offset` seconds on, growing the target.
void mix(Buffer& target, const Buffer& source, double offset, double gain = 1.0);

// Readies a sound for 16 bits: removes any DC offset, fades both ends so the first and last
// samples are zero, and scales the peak to `peakDb` dBFS.
void finish(Buffer& sound, double peakDb, double fadeIn = 0.002, double fadeOut = 0.012);

// 16-bit mono PCM samples of a finished sound, with a little seeded triangular dither.
std::vector<std::int16_t> toPcm16(const Buffer& sound, std::uint64_t ditherSeed);

// Writes a RIFF/WAVE file; false when it cannot be written.
bool writeWave(const std::string& path, const std::vector<std::int16_t>& pcm);

} // namespace synth
