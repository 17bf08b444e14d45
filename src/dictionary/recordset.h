// A snapshot result set: all matching rows are read when the statement is opened, then
// walked with the cursor operations the windows use.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

namespace vondrik {

class Recordset {
public:
    // Rows are kept compactly: texts as UTF-8 in fixed-size blocks that never move, decoded
    // only when read.
    struct Snapshot {
        enum class Type : quint8 { Null, Integer, Real, Text };
        struct Cell {
            union {
                const char* text;
                qint64 number;  // integers, and reals by their bits
            };
            qint32 bytes;  // length of the text
            Type type;
        };
        QStringList columns;
        std::vector<Cell> cells;  // row after row
        std::vector<std::unique_ptr<char[]>> blocks;
        qsizetype blockUsed = 0;
        qsizetype blockSize = 0;

        const char* keepText(const char* text, qsizetype bytes);
        qint64 rowCount() const {
            return columns.isEmpty() ? 0 : static_cast<qint64>(cells.size()) / columns.size();
        }
    };

    Recordset() = default;  // empty: at its end at once
    explicit Recordset(std::shared_ptr<const Snapshot> snapshot);

    // True past the last row (and for an empty set). Named Eof because EOF is a C macro.
    bool Eof() const { return position_ >= RecordCount(); }
    void MoveNext();
    void MoveFirst() { position_ = 0; }
    void MoveLast();
    void Move(qint64 rows);  // relative to the current row, clamped to the set
    qint64 RecordCount() const { return snapshot_ ? snapshot_->rowCount() : 0; }
    qint64 position() const { return position_; }

    // Value of a field of the current row: qint64 for numbers, QString for text, an invalid
    // QVariant for NULL. Names are compared without case. Throws DatabaseError when there is
    // no current row or no such field.
    QVariant Fields(const QString& name) const;
    QVariant Fields(int index) const;

    // The field as text; NULL gives the empty text.
    QString text(const QString& name) const;

    int fieldCount() const { return snapshot_ ? snapshot_->columns.size() : 0; }

private:
    const Snapshot::Cell& cell(int column) const;
    int columnIndex(const QString& name) const;
    QVariant value(const Snapshot::Cell& c) const;
    QString textOf(const Snapshot::Cell& c) const;

    std::shared_ptr<const Snapshot> snapshot_;
    qint64 position_ = 0;
};

}  // namespace vondrik
