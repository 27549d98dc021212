#pragma once

#include <QStringView>

namespace platform {

// True when `name` is an SQL name that can be pasted into a statement without changing its
// meaning: an unquoted identifier (an ASCII letter, then letters, digits, '_' or '$'), or a
// double-quoted identifier (a doubled quote stands for one quote inside), or several of
// these joined by dots (`T.ID`, `"Tabela"."Pole"`). No blanks anywhere.
bool isSqlIdentifier(QStringView name);

} // namespace platform
