#pragma once
// The pictures of the quest's story pages: one painting per page of every
// story file (gfx/story/), each a view of the land its chapter tells of, in
// the land's own look, at the hour the page's text names, with the
// travellers where the text has them.
#include <functional>
#include <string>

#include "art.h"

namespace story_pages {

using AddJob =
    std::function<void(const std::string& path, int width, int height, std::function<void(art::Canvas&)> paint)>;
// Hands every page's picture to `add`, to be painted and written.
void addJobs(const AddJob& add);

}  // namespace story_pages
