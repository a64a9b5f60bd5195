#include "scenes.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "art.h"
#include "lands.h"
#include "quest_map.h"
#include "scene.h"
#include "showcase.h"
#include "story_pages.h"
#include "views.h"

namespace scenes {

using namespace art;

namespace {

struct Job {
    std::string path;
    std::function<void(Canvas&)> paint;
    int width = 800, height = 600;
    std::unique_ptr<Canvas> result = nullptr;
};

// Paints every job on a few threads, then writes them in the list's order,
// so the output is the same however the work was shared out.
void paintAll(std::vector<Job>& jobs) {
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i = next++; i < jobs.size(); i = next++) {
            jobs[i].result = std::make_unique<Canvas>(jobs[i].width, jobs[i].height);
            jobs[i].paint(*jobs[i].result);
        }
    };
    const unsigned threads = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t) pool.emplace_back(worker);
    worker();
    for (std::thread& t : pool) t.join();
    for (Job& job : jobs) writePicture(*job.result, job.path);
}

void backdrop(Canvas& out, int n) {
    scene::Painting p(800, 600);
    views::paintView(p, lands::land(n), views::backdropView(n));
    p.finish(out, 1000u + uint32_t(n));
}

}  // namespace

void generate() {
    std::vector<Job> jobs;
    for (int n = 1; n <= lands::kLands; ++n)
        jobs.push_back(
            {"gfx/backgrounds/land" + std::to_string(n) + ".jpg", [n](Canvas& c) { backdrop(c, n); }, 800, 600});
    jobs.push_back({"gfx/backgrounds/free.jpg", showcase::paintFreePlay, 800, 600});
    // The file sits beside the menu's logo; the game finds it by either spelling.
    jobs.push_back({"gfx/gui/mainmenu/tlo.jpg", showcase::paintMainMenu, 800, 600});
    const auto add = [&](const std::string& path, int w, int h, std::function<void(Canvas&)> paint) {
        jobs.push_back({path, std::move(paint), w, h});
    };
    quest_map::addJobs(add);
    story_pages::addJobs(add);
    paintAll(jobs);
}

}  // namespace scenes
