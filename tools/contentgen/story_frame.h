#pragma once
// The story screen's own pictures: the page frame every story picture is
// shown through, its backdrop, the small story panel of the map and the
// buttons of data/gui_story.gui and data/gui_story2.gui.
namespace story_frame {
void generate();
}
