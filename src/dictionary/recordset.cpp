// Cursor over a snapshot.
#include "dictionary/recordset.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <type_traits>

#include "dictionary/database.h"

namespace vondrik {

Recordset::Recordset(std::shared_ptr<const Snapshot> snapshot) : snapshot_(std::move(snapshot)) {}

void Recordset::MoveNext() {
    if (position_ < RecordCount()) {
        ++position_;
    }
}

void Recordset::MoveLast() {
    position_ = std::max<qint64>(0, RecordCount() - 1);
}

void Recordset::Move(qint64 rows) {
    position_ = std::clamp<qint64>(position_ + rows, 0, RecordCount());
}

const Snapshot::Cell& Recordset::cell(int column) const {
    if (Eof()) {
        throw DatabaseError(QStringLiteral("Kein aktueller Datensatz."));
    }
    return snapshot_->cell(position_, column);
}

int Recordset::columnIndex(QAnyStringView name) const {
    const int columns = fieldCount();
    // The usual case, walked for every row: a UTF-16 name spelled as the table declares it.
    const int exact = name.visit([&](auto view) {
        if constexpr (std::is_same_v<decltype(view), QStringView>) {
            for (int i = 0; i < columns; ++i) {
                if (QStringView(snapshot_->columns()[i]) == view) {
                    return i;
                }
            }
        }
        return -1;
    });
    if (exact >= 0) {
        return exact;
    }
    for (int i = 0; i < columns; ++i) {
        if (QAnyStringView::compare(snapshot_->columns()[i], name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    throw DatabaseError(
        QStringLiteral("Feld %1 ist in dieser Auswahl nicht enthalten.").arg(name.toString()));
}

QString Recordset::textOf(const Snapshot::Cell& c) const {
    switch (c.type) {
        case Snapshot::Type::Null:
            return {};
        case Snapshot::Type::Integer:
            return QString::number(c.number);
        case Snapshot::Type::Real:
            return QString::number(std::bit_cast<double>(c.number));
        case Snapshot::Type::Text:
            break;
    }
    return c.length == 0 ? QStringLiteral("") : QStringView(c.text, c.length).toString();
}

QStringView Recordset::viewOf(const Snapshot::Cell& c) const {
    return c.type == Snapshot::Type::Text ? QStringView(c.text, c.length) : QStringView();
}

QStringView Recordset::textView(QAnyStringView name) const {
    const Snapshot::Cell& c = cell(columnIndex(name));
    if (c.type != Snapshot::Type::Text && c.type != Snapshot::Type::Null) {
        throw DatabaseError(QStringLiteral("Feld %1 enthält keinen Text.").arg(name.toString()));
    }
    return viewOf(c);
}

QVariant Recordset::value(const Snapshot::Cell& c) const {
    switch (c.type) {
        case Snapshot::Type::Null:
            return {};
        case Snapshot::Type::Integer:
            return QVariant::fromValue<qint64>(c.number);
        case Snapshot::Type::Real:
            return std::bit_cast<double>(c.number);
        case Snapshot::Type::Text:
            break;
    }
    return textOf(c);
}

QVariant Recordset::Fields(QAnyStringView name) const {
    return value(cell(columnIndex(name)));
}

QString Recordset::text(QAnyStringView name) const {
    return textOf(cell(columnIndex(name)));
}

QVariant Recordset::Fields(int index) const {
    if (index < 0 || index >= fieldCount()) {
        throw DatabaseError(QStringLiteral("Feld Nummer %1 gibt es nicht.").arg(index));
    }
    return value(cell(index));
}

}  // namespace vondrik
