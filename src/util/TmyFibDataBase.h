#pragma once

// Database access helper; the one helper that keeps state.
class TmyFibDataBase {
public:
    bool Hide_error = false;

    // Empties the unit-level texts kept for the last failed statement (program end).
    static void ClearUnitTexts();
};
