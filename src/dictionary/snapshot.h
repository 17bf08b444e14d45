// The rows of a result set, read once when the statement is opened. Texts are decoded into
// UTF-16 blocks that never move, so a field is read as a view without allocation.
#pragma once

#include <QStringList>
#include <memory>
#include <vector>

namespace vondrik {

class Snapshot {
  public:
    enum class Type : quint8 { Null, Integer, Real, Text };
    struct Cell {
        union {
            const char16_t* text;
            qint64 number;  // integers, and reals by their bits
        };
        qint32 length;  // length of the text in UTF-16 units
        Type type;
    };

    explicit Snapshot(QStringList columns);
    ~Snapshot();
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;

    const QStringList& columns() const { return columns_; }
    int columnCount() const { return columnCount_; }
    qint64 rowCount() const { return rows_; }

    const Cell& cell(qint64 row, int column) const {
        const qint64 index = row * columnCount_ + column;
        return cellBlocks_[index >> kCellShift][index & kCellMask];
    }

    // Filling, a row's cells in column order, then endRow().
    void appendNull() { append({{.number = 0}, 0, Type::Null}); }
    void appendInteger(qint64 value) { append({{.number = value}, 0, Type::Integer}); }
    void appendReal(double value);
    void appendText(const char* utf8, qsizetype bytes);
    void endRow() { ++rows_; }

  private:
    static constexpr int kCellShift = 12;  // 4096 cells of 16 bytes fill one pooled block
    static constexpr qint64 kCellMask = (qint64{1} << kCellShift) - 1;

    void append(const Cell& cell) {
        if (cellsInLastBlock_ == (qint64{1} << kCellShift) || cellBlocks_.empty()) {
            addCellBlock();
        }
        cellBlocks_.back()[cellsInLastBlock_++] = cell;
    }
    void addCellBlock();

    QStringList columns_;
    int columnCount_ = 0;
    qint64 rows_ = 0;
    std::vector<Cell*> cellBlocks_;
    qint64 cellsInLastBlock_ = 0;
    std::vector<char16_t*> textBlocks_;
    qsizetype textUsed_ = 0;                          // units used in the last text block
    std::vector<std::unique_ptr<char16_t[]>> large_;  // texts longer than a block
};

}  // namespace vondrik
