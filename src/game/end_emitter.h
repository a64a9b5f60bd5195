#pragma once
// The effect that ends a won level.

class TEndEmitter {};
