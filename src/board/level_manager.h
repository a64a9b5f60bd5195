#pragma once
// The catalogue of quest levels.

class TLevelManager {};
