#include "Synth.h"

#include <algorithm>
#include <fstream>

namespace synth {

double Noise::uniform() {
    // splitmix64: tiny, fast, and the same on every machine.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * (1.0 / 9007199254740992.0);
}

Resonator::Resonator(double frequency, double q) {
    const double w0 = TwoPi * frequency / Rate;
    const double alpha = std::sin(w0) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    b0_ = alpha / a0;
    a1_ = -2.0 * std::cos(w0) / a0;
    a2_ = (1.0 - alpha) / a0;
}

double Resonator::operator()(double x) {
    const double y = b0_ * (x - x2_) - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

Buffer struck(double frequency, const std::vector<Partial>& partials, double seconds,
              double attack) {
    Buffer out(samples(seconds), 0.0);
    for (const Partial& p : partials) {
        const double f = frequency * p.ratio;
        const double taper = nyquistTaper(f);
        if (taper == 0.0) continue;
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = timeOf(i);
            out[i] += taper * p.level * attackDecay(t, attack, p.tau) * std::sin(TwoPi * f * t);
        }
    }
    fadeTail(out, std::min(0.08, seconds / 4));
    return out;
}

void fadeTail(Buffer& sound, double seconds) {
    const std::size_t len = std::min(sound.size(), samples(seconds));
    for (std::size_t i = 0; i < len; ++i)
        sound[sound.size() - 1 - i] *= smoothStep(double(i) / double(len));
}

void mix(Buffer& target, const Buffer& source, double offset, double gain) {
    const std::size_t start = samples(offset);
    if (target.size() < start + source.size()) target.resize(start + source.size(), 0.0);
    for (std::size_t i = 0; i < source.size(); ++i)
        target[start + i] += gain * source[i];
}

void finish(Buffer& sound, double peakDb, double fadeIn, double fadeOut) {
    if (sound.empty()) return;
    HighPass dcBlock(20.0);
    for (double& x : sound)
        x = dcBlock(x);

    const std::size_t n = sound.size();
    const std::size_t in = std::min(n, std::max<std::size_t>(2, samples(fadeIn)));
    for (std::size_t i = 0; i < in; ++i)
        sound[i] *= smoothStep(double(i) / double(in));
    fadeTail(sound, std::max(fadeOut, 2.0 / Rate));

    double peak = 0.0;
    for (double x : sound)
        peak = std::max(peak, std::abs(x));
    if (peak == 0.0) return;
    const double gain = fromDb(peakDb) / peak;
    for (double& x : sound)
        x *= gain;
}

std::vector<std::int16_t> toPcm16(const Buffer& sound, std::uint64_t ditherSeed) {
    Noise dither(ditherSeed);
    std::vector<std::int16_t> pcm;
    pcm.reserve(sound.size());
    for (double x : sound) {
        // Digital silence stays silent, so faded ends are exact zeros.
        const double d = x == 0.0 ? 0.0 : dither.uniform() - dither.uniform();
        const double v = std::clamp(std::round(x * 32767.0 + d), -32767.0, 32767.0);
        pcm.push_back(static_cast<std::int16_t>(v));
    }
    return pcm;
}

namespace {
void put32(std::string& s, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void put16(std::string& s, std::uint16_t v) {
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>(v >> 8));
}
} // namespace

bool writeWave(const std::string& path, const std::vector<std::int16_t>& pcm) {
    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    std::string bytes;
    bytes.reserve(44 + dataBytes);
    bytes += "RIFF";
    put32(bytes, 36 + dataBytes);
    bytes += "WAVEfmt ";
    put32(bytes, 16);
    put16(bytes, 1); // PCM
    put16(bytes, 1); // mono
    put32(bytes, Rate);
    put32(bytes, Rate * 2); // bytes per second
    put16(bytes, 2);        // bytes per frame
    put16(bytes, 16);       // bits per sample
    bytes += "data";
    put32(bytes, dataBytes);
    for (std::int16_t v : pcm)
        put16(bytes, static_cast<std::uint16_t>(v));

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

} // namespace synth
