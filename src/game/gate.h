#pragma once
// The gate that closes over the screen between scenes.

class TGate {};
