// Writes the game's ten wave files into the directory given on the command line.
#include "Voices.h"
#include "rules/sound/SoundNumbers.h"

#include <cstdio>
#include <string>

namespace {
struct Sound {
    const char* file;
    synth::Buffer (*make)();
    double peakDb; // pure tones sound louder than noisy clicks at the same peak
};

using namespace sound;
const Sound sounds[] = {
    {fileOf(Dice), voices::dice, -3.0},     {fileOf(Points), voices::points, -3.0},
    {fileOf(Bonus), voices::bonus, -3.0},   {fileOf(Yahoo), voices::yahoo, -4.0},
    {fileOf(Yatzy), voices::yatzy, -3.0},   {fileOf(Laser), voices::laser, -4.0},
    {fileOf(Beep), voices::beepHigh, -9.0}, {fileOf(Pop), voices::pop, -4.0},
    {Refused, voices::doink, -3.0},         {PageBeep, voices::beepLow, -9.0},
};
} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    std::uint64_t seed = 1;
    for (const Sound& s : sounds) {
        synth::Buffer sound = s.make();
        synth::finish(sound, s.peakDb);
        const std::string path = dir + "/" + s.file;
        if (!synth::writeWave(path, synth::toPcm16(sound, seed++))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
