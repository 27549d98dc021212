#pragma once

// Colours, gradients and images. Stateless: every operation is called without an object.
class TmyGraph {
public:
};
