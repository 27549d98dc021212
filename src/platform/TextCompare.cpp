#include "platform/TextCompare.h"

#include <QCollator>
#include <QLocale>
#include <optional>

namespace platform {

namespace {

// Building a collator is far dearer than one comparison, so each thread keeps one per
// case rule and replaces it only when the default locale changes.
const QCollator& collator(Qt::CaseSensitivity sensitivity)
{
    struct Cache {
        std::optional<QLocale> locale;
        std::optional<QCollator> byCase[2];
    };
    thread_local Cache cache;
    const QLocale current;
    if (!cache.locale || *cache.locale != current) {
        cache.locale = current;
        cache.byCase[0].reset();
        cache.byCase[1].reset();
    }
    std::optional<QCollator>& slot = cache.byCase[sensitivity == Qt::CaseSensitive ? 1 : 0];
    if (!slot) {
        slot.emplace(current);
        slot->setCaseSensitivity(sensitivity);
    }
    return *slot;
}

} // namespace

int AnsiCompareText(const QString& a, const QString& b)
{
    return collator(Qt::CaseInsensitive).compare(a, b);
}

int AnsiCompareStr(const QString& a, const QString& b)
{
    return collator(Qt::CaseSensitive).compare(a, b);
}

} // namespace platform
