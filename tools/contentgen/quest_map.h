#pragma once
// The quest map: the ten lands as regions of one picture, crossed by the
// road through every level marker of the level catalogue; the four marker
// pictures and the bottom panel.
#include <functional>
#include <string>

#include "art.h"

namespace quest_map {

using AddJob =
    std::function<void(const std::string& path, int width, int height, std::function<void(art::Canvas&)> paint)>;
// Hands every picture of the map to `add`, to be painted and written.
void addJobs(const AddJob& add);

}  // namespace quest_map
