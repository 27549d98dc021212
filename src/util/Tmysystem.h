#pragma once

#include <cstdint>

// System, shell and percentage helpers. Stateless: every operation is called without an object.
class Tmysystem {
public:
    // czesc as a percentage of calosc; 0 for a zero whole.
    static float procent(std::int64_t calosc, std::int64_t czesc);
    static float procentf(float calosc, float czesc);
    // The given percentage of calosc; 0 for a zero whole.
    static float procentp(float calosc, float procent);
};
