// Start-up cost of the sound manager: loading every effect and preparing the
// music (the three tracks wanted at once are loaded), in the generated working
// folder, and the memory the loaded sounds hold. Targets: under 300 ms and
// under 40 MB.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "shell/media/audio.h"
#include "sound/global_snd.h"

namespace {

std::string gameDir() {
    const char* dir = std::getenv("VORNELL_GAME_DIR");
    return dir ? dir : VORNELL_GAME_DIR;
}

double residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The manager's console lines would drown the report.
class QuietConsole {
public:
    QuietConsole() {
        std::fflush(stdout);
        saved_ = dup(1);
        const int null = ::open("/dev/null", O_WRONLY);
        dup2(null, 1);
        close(null);
    }
    ~QuietConsole() {
        std::fflush(stdout);
        dup2(saved_, 1);
        close(saved_);
    }

private:
    int saved_;
};

void SoundSetup(benchmark::State& state) {
    std::filesystem::current_path(gameDir());
    const double before = residentMegabytes();
    double held = 0;
    for (auto _ : state) {
        TGlobalSnd snd;
        {
            QuietConsole quiet;
            snd.setup();
        }
        state.PauseTiming();
        held = 0;
        for (const auto& s : snd.sounds) held += double(media::soundInfo(s->snd).residentBytes);
        for (const auto& m : snd.musics) held += double(media::soundInfo(m->music).residentBytes);
        int loaded = 0;
        for (const auto& s : snd.sounds) loaded += s->snd ? 1 : 0;
        if (loaded != 33) state.SkipWithError("effects missing: generate the content first");
        state.ResumeTiming();
    }
    state.counters["held_MB"] = held / (1024.0 * 1024.0);
    state.counters["process_growth_MB"] = residentMegabytes() - before;
}
BENCHMARK(SoundSetup)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    // Measure loading, not a sound card: OpenAL Soft's null output unless told otherwise.
    setenv("ALSOFT_DRIVERS", "null", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
