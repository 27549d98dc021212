#pragma once

// Stateless helper class: every operation is called without an object.
class TmyLogic {
public:
};
