#pragma once
// The per-frame mouse snapshot and the software cursors.

class TMouse {};
