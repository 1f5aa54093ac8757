// The call page's sounds, synthesised: key tones as the telephone network's dual tones, ring
// and ring-back as their familiar cadences, and short chimes for the rest.
#include "Art.h"

#include <cmath>

namespace skinart {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Tone {
    double low;
    double high;   // 0: a single tone
    double seconds;
    double gap;    // silence after it
};

// Sums the tones in order, each faded in and out over 5 ms so nothing clicks.
std::vector<std::int16_t> Render(const std::vector<Tone>& tones, double level = 0.32)
{
    std::vector<std::int16_t> samples;
    for (const Tone& tone : tones) {
        const int count = static_cast<int>(tone.seconds * kSoundRate);
        const int fade = kSoundRate / 200;
        for (int i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / kSoundRate;
            double value = std::sin(2 * kPi * tone.low * t);
            if (tone.high > 0)
                value = (value + std::sin(2 * kPi * tone.high * t)) / 2;
            double envelope = 1.0;
            if (i < fade)
                envelope = static_cast<double>(i) / fade;
            else if (count - i < fade)
                envelope = static_cast<double>(count - i) / fade;
            samples.push_back(static_cast<std::int16_t>(std::lround(value * envelope * level * 32767)));
        }
        samples.insert(samples.end(), static_cast<std::size_t>(tone.gap * kSoundRate), 0);
    }
    return samples;
}

// The dual tone of a key of the telephone keypad.
Tone KeyTone(char key)
{
    static const char* const kRows[] = {"123", "456", "789", "*0#"};
    static const double kLow[] = {697, 770, 852, 941};
    static const double kHigh[] = {1209, 1336, 1477};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (kRows[row][column] == key)
                return Tone{kLow[row], kHigh[column], 0.14, 0.0};
        }
    }
    return Tone{440, 0, 0.1, 0.0};
}

} // namespace

std::vector<NamedSound> MakeCallSounds()
{
    std::vector<NamedSound> out;
    for (char key : std::string("0123456789#"))
        out.push_back({std::string(1, key) + ".wav", Render({KeyTone(key)})});
    out.push_back({"x.wav", Render({KeyTone('*')})});   // the star key's sound
    out.push_back({"ringin.wav", Render({{440, 480, 0.4, 0.2}, {440, 480, 0.4, 0.0}})});
    out.push_back({"ringing.wav", Render({{440, 480, 1.0, 0.0}}, 0.25)});
    out.push_back({"ringout.wav", Render({{425, 0, 0.3, 0.0}}, 0.25)});
    out.push_back({"disconnect.wav", Render({{660, 0, 0.12, 0.04}, {550, 0, 0.12, 0.04}, {440, 0, 0.2, 0.0}})});
    out.push_back({"aa.wav", Render({{880, 0, 0.08, 0.05}, {1320, 0, 0.1, 0.0}})});
    out.push_back({"h.wav", Render({{523, 0, 0.12, 0.03}, {392, 0, 0.16, 0.0}})});
    out.push_back({"w.wav", Render({{440, 0, 0.2, 0.0}}, 0.2)});
    out.push_back({"r.wav", Render({{1200, 0, 0.03, 0.0}}, 0.2)});
    out.push_back({"a.wav", Render({{1000, 0, 0.025, 0.0}}, 0.18)});
    return out;
}

} // namespace skinart
