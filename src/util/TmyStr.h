#pragma once

#include <QString>

// String helpers. Stateless: every operation is called without an object.
class TmyStr {
public:
    // str with every occurrence of old replaced by new_, letters compared without regard
    // to case (locale-aware); the copied text keeps its own case.
    static QString MyStringReplace(const QString& str, const QString& old, const QString& new_);
};
