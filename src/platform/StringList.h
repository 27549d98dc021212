#pragma once

#include "platform/Errors.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace platform {

class TMemoryStream;

// Raised for an index outside the list, a duplicate the list does not allow, or an
// insertion at a chosen place in a sorted list.
class EStringListError : public Error {
public:
    explicit EStringListError(const QString& message) : Error(message) {}
};

// What a sorted list does with a string equal to one it already holds.
enum class TDuplicates { dupIgnore, dupAccept, dupError };

// A list of strings, each with an attached object (any value, empty by default; the
// list does not own what a pointer in it points to). A sorted list keeps its strings in
// the locale's order, compared without regard to case unless CaseSensitive is set;
// Duplicates takes effect only while the list is sorted. Indexes are 0-based.
class TStringList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool isEmpty() const { return items_.isEmpty(); }

    // Add at the end, or at the sorted place. Return the string's index; in a sorted
    // list with dupIgnore, an equal string is not added and its index is returned.
    int Add(const QString& s) { return AddObject(s, {}); }
    int AddObject(const QString& s, const QVariant& object);
    // Not allowed on a sorted list.
    void Insert(int index, const QString& s, const QVariant& object = {});
    void Delete(int index);
    void Clear() { items_.clear(); }

    const QString& Strings(int index) const;
    const QVariant& Objects(int index) const;
    void setObject(int index, const QVariant& object);
    // Index of the first string equal to s by the list's comparison, or -1.
    int IndexOf(const QString& s) const;

    // The strings and objects of `other` in place of this list's own; this list's sorting,
    // duplicate and case settings stay as they are (a sorted list sorts what it receives).
    void Assign(const TStringList& other);

    bool Sorted() const { return sorted_; }
    // Turning sorting on sorts the list; duplicates already in it stay.
    void setSorted(bool sorted);
    TDuplicates Duplicates() const { return duplicates_; }
    void setDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
    bool CaseSensitive() const { return caseSensitive_; }
    void setCaseSensitive(bool caseSensitive);
    // Sorts by the list's comparison; equal strings keep their order.
    void Sort();

    QStringList toStringList() const;
    // The strings, each followed by a line break.
    QString Text() const;
    // Writes the strings at the stream's position, each followed by CR LF, in the system's
    // 8-bit code page.
    void SaveToStream(TMemoryStream& stream) const;

private:
    struct Item {
        QString string;
        QVariant object;
    };

    int compare(const QString& a, const QString& b) const;
    // The first index whose string is not less than s (lower), or greater than s (upper).
    int bound(const QString& s, bool upper) const;
    void checkIndex(int index) const;

    QList<Item> items_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    TDuplicates duplicates_ = TDuplicates::dupIgnore;
};

} // namespace platform
