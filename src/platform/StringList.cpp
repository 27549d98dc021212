#include "platform/StringList.h"

#include "platform/CodePage.h"
#include "platform/MemoryStream.h"
#include "platform/TextCompare.h"

#include <algorithm>

namespace platform {

int TStringList::compare(const QString& a, const QString& b) const
{
    return caseSensitive_ ? AnsiCompareStr(a, b) : AnsiCompareText(a, b);
}

int TStringList::bound(const QString& s, bool upper) const
{
    int low = 0;
    int high = Count();
    while (low < high) {
        const int mid = low + (high - low) / 2;
        const int c = compare(items_[mid].string, s);
        if (c < 0 || (upper && c == 0))
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

void TStringList::checkIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw EStringListError(QStringLiteral("Indeks listy poza zakresem (%1)").arg(index));
}

int TStringList::AddObject(const QString& s, const QVariant& object)
{
    if (!sorted_) {
        items_.append({s, object});
        return Count() - 1;
    }
    const int first = bound(s, false);
    const bool present = first < Count() && compare(items_[first].string, s) == 0;
    if (present && duplicates_ == TDuplicates::dupIgnore)
        return first;
    if (present && duplicates_ == TDuplicates::dupError)
        throw EStringListError(QStringLiteral("Lista nie dopuszcza duplikatów: \"%1\"").arg(s));
    // Equal strings keep the order in which they came.
    const int at = present ? bound(s, true) : first;
    items_.insert(at, {s, object});
    return at;
}

void TStringList::Insert(int index, const QString& s, const QVariant& object)
{
    if (sorted_)
        throw EStringListError(QStringLiteral("Operacja niedozwolona na posortowanej liście"));
    if (index < 0 || index > Count())
        throw EStringListError(QStringLiteral("Indeks listy poza zakresem (%1)").arg(index));
    items_.insert(index, {s, object});
}

void TStringList::Delete(int index)
{
    checkIndex(index);
    items_.removeAt(index);
}

const QString& TStringList::Strings(int index) const
{
    checkIndex(index);
    return items_[index].string;
}

const QVariant& TStringList::Objects(int index) const
{
    checkIndex(index);
    return items_[index].object;
}

void TStringList::setObject(int index, const QVariant& object)
{
    checkIndex(index);
    items_[index].object = object;
}

int TStringList::IndexOf(const QString& s) const
{
    if (sorted_) {
        const int first = bound(s, false);
        return first < Count() && compare(items_[first].string, s) == 0 ? first : -1;
    }
    for (int i = 0; i < Count(); ++i) {
        if (compare(items_[i].string, s) == 0)
            return i;
    }
    return -1;
}

void TStringList::Assign(const TStringList& other)
{
    if (&other == this)
        return;
    items_ = other.items_;
    if (sorted_)
        Sort();
}

void TStringList::setSorted(bool sorted)
{
    if (sorted && !sorted_) {
        sorted_ = true;
        Sort();
    }
    sorted_ = sorted;
}

void TStringList::setCaseSensitive(bool caseSensitive)
{
    caseSensitive_ = caseSensitive;
    if (sorted_)
        Sort();
}

void TStringList::Sort()
{
    std::stable_sort(items_.begin(), items_.end(),
                     [this](const Item& a, const Item& b) { return compare(a.string, b.string) < 0; });
}

QStringList TStringList::toStringList() const
{
    QStringList out;
    out.reserve(items_.size());
    for (const Item& item : items_)
        out.append(item.string);
    return out;
}

QString TStringList::Text() const
{
    QString text;
    for (const Item& item : items_)
        text += item.string + u'\n';
    return text;
}

void TStringList::SaveToStream(TMemoryStream& stream) const
{
    for (const Item& item : items_)
        stream.Write(toAnsi(item.string) + "\r\n");
}

} // namespace platform
