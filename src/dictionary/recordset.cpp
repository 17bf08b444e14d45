// Cursor over a snapshot.
#include "dictionary/recordset.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "dictionary/database.h"

namespace vondrik {

const char* Recordset::Snapshot::keepText(const char* text, qsizetype bytes) {
    // Small blocks come from the heap and are reused from one search to the next; one large
    // growing buffer would be copied and faulted in anew for every result set.
    constexpr qsizetype kBlockBytes = 32 * 1024;
    if (blocks.empty() || blockUsed + bytes > blockSize) {
        blockSize = std::max(kBlockBytes, bytes);
        blocks.push_back(std::make_unique<char[]>(blockSize));
        blockUsed = 0;
    }
    char* target = blocks.back().get() + blockUsed;
    std::memcpy(target, text, bytes);
    blockUsed += bytes;
    return target;
}

Recordset::Recordset(std::shared_ptr<const Snapshot> snapshot) : snapshot_(std::move(snapshot)) {}

void Recordset::MoveNext() {
    if (position_ < RecordCount()) {
        ++position_;
    }
}

void Recordset::MoveLast() { position_ = std::max<qint64>(0, RecordCount() - 1); }

void Recordset::Move(qint64 rows) {
    position_ = std::clamp<qint64>(position_ + rows, 0, RecordCount());
}

const Recordset::Snapshot::Cell& Recordset::cell(int column) const {
    if (Eof()) {
        throw DatabaseError(QStringLiteral("Kein aktueller Datensatz."));
    }
    return snapshot_->cells[position_ * snapshot_->columns.size() + column];
}

int Recordset::columnIndex(const QString& name) const {
    const int columns = fieldCount();
    for (int i = 0; i < columns; ++i) {
        if (snapshot_->columns[i] == name) {
            return i;  // the usual case: the name as the table declares it
        }
    }
    for (int i = 0; i < columns; ++i) {
        if (snapshot_->columns[i].compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    throw DatabaseError(QStringLiteral("Feld %1 ist in dieser Auswahl nicht enthalten.").arg(name));
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
    return c.bytes == 0 ? QStringLiteral("") : QString::fromUtf8(c.text, c.bytes);
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

QVariant Recordset::Fields(const QString& name) const { return value(cell(columnIndex(name))); }

QString Recordset::text(const QString& name) const { return textOf(cell(columnIndex(name))); }

QVariant Recordset::Fields(int index) const {
    if (index < 0 || index >= fieldCount()) {
        throw DatabaseError(QStringLiteral("Feld Nummer %1 gibt es nicht.").arg(index));
    }
    return value(cell(index));
}

}  // namespace vondrik
