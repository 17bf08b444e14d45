// A snapshot result set: all matching rows are read when the statement is opened, then
// walked with the cursor operations the windows use.
#pragma once

#include <QAnyStringView>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

#include "dictionary/snapshot.h"

namespace vondrik {

class Recordset {
  public:
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
    QVariant Fields(QAnyStringView name) const;
    QVariant Fields(int index) const;

    // The field as text; NULL gives the empty text.
    QString text(QAnyStringView name) const;
    // The same without a copy; valid as long as this result set (or a copy of it) lives.
    QStringView textView(QAnyStringView name) const;

    int fieldCount() const { return snapshot_ ? snapshot_->columnCount() : 0; }

  private:
    const Snapshot::Cell& cell(int column) const;
    int columnIndex(QAnyStringView name) const;
    QVariant value(const Snapshot::Cell& c) const;
    QString textOf(const Snapshot::Cell& c) const;
    QStringView viewOf(const Snapshot::Cell& c) const;

    std::shared_ptr<const Snapshot> snapshot_;
    qint64 position_ = 0;
};

}  // namespace vondrik
