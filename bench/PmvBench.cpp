// ComputePMV over a grid of realistic indoor conditions (globe input, as the
// measurement table computes it); prints evaluations per second of CPU time
// of this thread, so that other processes sharing the core do not count.
#include "comfort/Pmv.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

double ThreadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

} // namespace

int main()
{
    long long evaluations = 0;
    long long checksum = 0;
    const double cpuStart = ThreadSeconds();
    const auto wallStart = std::chrono::steady_clock::now();
    for (int round = 0; round < 4; ++round) {
        for (int ta = 160; ta <= 320; ta += 8)           // air 16 to 32 °C
            for (int tg = 160; tg <= 340; tg += 12)      // globe 16 to 34 °C
                for (int rh = 200; rh <= 800; rh += 100) // 20 to 80 %
                    for (int v = 0; v <= 100; v += 10)   // 0 to 1 m/s
                        for (int clo : {50, 90, 120})
                            for (int met : {100, 120, 160}) {
                                checksum += vamok::ComputePMV(ta, tg, rh, false, true, met, clo, v);
                                ++evaluations;
                            }
    }
    const double cpu = ThreadSeconds() - cpuStart;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    std::printf("ComputePMV: %lld evaluations, %.0f per second of CPU time (%.3f s), %.0f per second of "
                "wall time (checksum %lld)\n",
                evaluations, evaluations / cpu, cpu, evaluations / wall, checksum);
    return 0;
}
