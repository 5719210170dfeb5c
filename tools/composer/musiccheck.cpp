// Listens to the composed modules by numbers: how long one pass lasts before
// the song loops, the loudness of every second over one and a half passes,
// the peak and how many samples clip.
//   musiccheck FILE.mod...
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "sound/ModuleDecoder.h"

int main(int argc, char** argv)
{
    constexpr int Rate = 44100;
    for (int a = 1; a < argc; ++a) {
        auto decoder = quindel::ModuleDecoder::fromFile(argv[a]);
        if (!decoder) {
            std::printf("%s: not a module\n", argv[a]);
            continue;
        }
        const double loop = decoder->loopSeconds();
        const int seconds = static_cast<int>(std::ceil(loop * 1.5)) + 1;
        std::printf("%s: %.2f s before it loops\n  dBFS per second:", argv[a], loop);
        std::vector<std::int16_t> second(2 * Rate);
        int peak = 0;
        long clipped = 0;
        double quietest = 0.0;
        for (int s = 0; s < seconds; ++s) {
            decoder->render(second, 2, Rate);
            double sum = 0.0;
            for (std::int16_t v : second) {
                sum += static_cast<double>(v) * v;
                peak = std::max(peak, std::abs(static_cast<int>(v)));
                clipped += (v >= 32767 || v <= -32767) ? 1 : 0;
            }
            const double db = 10.0 * std::log10(sum / second.size() / (32768.0 * 32768.0) + 1e-12);
            quietest = s == 0 ? db : std::min(quietest, db);
            std::printf(" %.0f", db);
        }
        std::printf("\n  peak %.1f dBFS, %ld clipped samples, quietest second %.1f dBFS\n",
                    20.0 * std::log10(peak / 32768.0 + 1e-12), clipped, quietest);
    }
    return 0;
}
