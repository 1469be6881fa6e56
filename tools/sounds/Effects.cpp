// The short everyday sounds: dice, points, beeps, pop and the refusal.
#include "Voices.h"

#include <algorithm>

using namespace synth;

namespace voices {

namespace {
// A contact: a burst of noise well under a millisecond long. Softer contacts last longer,
// which leaves out the highest modes as a real soft knock does.
void contact(Buffer& into, Noise& rng, double at, double level) {
    const std::size_t len = std::max<std::size_t>(3, samples(0.0003 + 0.0009 * (1.0 - level)));
    const std::size_t start = samples(at);
    for (std::size_t i = 0; i < len && start + i < into.size(); ++i)
        into[start + i] += level * std::sin(Pi * (double(i) + 0.5) / double(len)) * rng.white();
}
} // namespace

Buffer dice() {
    Noise rng(0xD1CE5u);
    constexpr int Dice = 6;
    const double length = 0.48;
    const std::size_t n = samples(length);
    std::vector<Buffer> dieHits(Dice, Buffer(n, 0.0));
    Buffer tableHits(n, 0.0);

    // Each die lands, bounces ever lower and faster like a dropped ball, then rocks on an
    // edge once or twice before it lies still.
    for (int d = 0; d < Dice; ++d) {
        // Thrown from a hand, the dice reach the table one after another.
        double t = 0.004 + 0.11 * d / (Dice - 1) * rng.between(0.6, 1.0);
        double level = rng.between(0.7, 1.0);
        double gap = rng.between(0.05, 0.09);
        const double shrink = rng.between(0.62, 0.75);
        const double damping = rng.between(0.55, 0.7);
        while (level > 0.03 && gap > 0.006 && t < length - 0.08) {
            const double hit = level * rng.between(0.8, 1.0);
            contact(dieHits[d], rng, t, hit);
            contact(tableHits, rng, t, hit);
            t += gap;
            gap *= shrink;
            level *= damping;
        }
        for (int rock = 0; rock < 2 && t < length - 0.06; ++rock) {
            level *= 0.6;
            contact(dieHits[d], rng, t, level);
            t += rng.between(0.008, 0.016);
        }
    }
    // Dice knocking into each other on the way: two contacts a hair apart.
    for (int c = 0; c < 6; ++c) {
        const double at = rng.between(0.02, 0.25);
        const int a = int(rng.uniform() * Dice);
        const int b = (a + 1 + int(rng.uniform() * (Dice - 1))) % Dice;
        const double level = rng.between(0.25, 0.55);
        contact(dieHits[a], rng, at, level);
        contact(dieHits[b], rng, at + 0.0007, 0.8 * level);
    }

    Buffer out(n, 0.0);
    // Small hard plastic cubes: a few high modes that die away within milliseconds.
    for (int d = 0; d < Dice; ++d) {
        const double base = rng.between(2600.0, 3800.0);
        auto m1 = Resonator::ringing(base, 0.004);
        auto m2 = Resonator::ringing(base * 1.53, 0.003);
        auto m3 = Resonator::ringing(base * 2.31, 0.002);
        HighPass crack(2500.0);
        for (std::size_t i = 0; i < n; ++i) {
            const double x = dieHits[d][i];
            out[i] += 0.5 * m1.ring(x) + 0.3 * m2.ring(x) + 0.2 * m3.ring(x) + 0.6 * crack(x);
        }
    }
    // The wooden table top answers every landing with a short low knock.
    auto t1 = Resonator::ringing(190.0, 0.018);
    auto t2 = Resonator::ringing(430.0, 0.012);
    auto t3 = Resonator::ringing(1150.0, 0.006);
    for (std::size_t i = 0; i < n; ++i) {
        const double x = tableHits[i];
        out[i] += 0.35 * t1.ring(x) + 0.25 * t2.ring(x) + 0.15 * t3.ring(x);
    }
    // A faint rumble of dice rolling over the wood between the clicks.
    LowPass rumble(900.0);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = timeOf(i);
        out[i] += 0.02 * attackDecay(t - 0.01, 0.02, 0.15) * rumble(rng.white());
    }
    return out;
}

Buffer points() {
    // Bar-like partials: the 2.76 and 4.07 overtones give the metallic shimmer.
    const std::vector<Partial> chime{
        {1.0, 1.0, 0.16}, {2.0, 0.25, 0.08}, {2.76, 0.18, 0.045}, {4.07, 0.08, 0.025}};
    Buffer out = silence(0.5);
    mix(out, struck(1318.51, chime, 0.42), 0.0, 0.8);   // E6
    mix(out, struck(1975.53, chime, 0.42), 0.075, 1.0); // B6
    return out;
}

namespace {
// A soft square-ish tone: the fundamental with a little of the odd harmonics.
Buffer beep(double frequency, double toneLength, double total) {
    Buffer tone = harmonicTone(
        toneLength, 7, [=](double) { return frequency; },
        [=](int k, double t, double) {
            if (k % 2 == 0) return 0.0;
            return attackRelease(t, 0.005, toneLength, 0.02) * (k == 1 ? 1.0 : 0.18 / k);
        });
    Buffer out = silence(total);
    mix(out, tone, 0.0);
    return out;
}
} // namespace

Buffer beepHigh() {
    return beep(1046.50, 0.11, 0.11);
} // C6

// The silence after the tone keeps two plays in a row apart: "beep, beep".
Buffer beepLow() {
    return beep(659.26, 0.17, 0.25);
} // E5

Buffer pop() {
    const double length = 0.12;
    // Like a bubble, the pitch springs up as the sound dies.
    auto frequency = [](double t) { return 380.0 + 520.0 * (1.0 - std::exp(-t / 0.015)); };
    Buffer out = harmonicTone(length, 2, frequency, [](int k, double t, double) {
        const double e = attackDecay(t, 0.0015, 0.022);
        return k == 1 ? e : 0.15 * e * e;
    });
    // The lips of the pop: a tiny puff of soft noise.
    Noise rng(0x909u);
    LowPass soft(1800.0);
    for (std::size_t i = 0; i < samples(0.008); ++i)
        out[i] += 0.25 * attackDecay(timeOf(i), 0.0005, 0.0015) * soft(rng.white());
    return out;
}

Buffer doink() {
    const double length = 0.42;
    // A spring that sags: the pitch falls while a fast wobble dies away.
    auto frequency = [](double t) {
        const double fall = 180.0 + 260.0 * std::exp(-t / 0.15);
        return fall * (1.0 + 0.05 * std::exp(-t / 0.2) * std::sin(TwoPi * 14.0 * t));
    };
    // Few and weak overtones keep it dull.
    Buffer out = harmonicTone(length, 10, frequency, [=](int k, double t, double f) {
        const double e = attackDecay(t, 0.004, 0.13) * smoothStep((length - t) / 0.06);
        const double kf = k * f / 900.0;
        return e / (double(k) * k) / (1.0 + kf * kf);
    });
    mix(out, struck(95.0, {{1.0, 0.5, 0.03}}, 0.15, 0.002), 0.0); // a soft knock under the "d"
    return out;
}

} // namespace voices
