#pragma once
// The numbered entries of a catalogue file ("tiles::tile1", "tile2", ... or
// "levels::level1", ...) that are really there.
#include <string>
#include <vector>

class TRCMFile;

// The numbers i from 1 to the count `parent`::ilosc announces, in increasing
// order, for which the group `parent` holds a group named `prefix` + i (any
// letter case), the way a lookup by the path parent + "::" + prefix + i would
// find it. A number missing in the middle is skipped, so the entries after it
// are still read, and a console line says how many of the announced `what`
// the file holds; a count far beyond the groups written costs nothing.
std::vector<int> numberedEntries(const TRCMFile& file, const std::string& parent, const std::string& prefix,
                                 const std::string& what);
