#pragma once
// The clock of a level in play: its time bar and duration.

class TGameTime {};
