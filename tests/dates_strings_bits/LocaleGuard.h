#pragma once

#include <QLocale>

// Sets the default locale while in scope.
class LocaleGuard {
public:
    explicit LocaleGuard(const QLocale& locale) : previous_(QLocale()) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(previous_); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

private:
    QLocale previous_;
};
