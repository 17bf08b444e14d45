// Filling and releasing a snapshot's pooled blocks.
#include "dictionary/snapshot.h"

#include <bit>
#include <string_view>

#include "dictionary/block_pool.h"
#include "dictionary/utf8.h"

namespace vondrik {
namespace {

constexpr qsizetype kTextBlockUnits = block_pool::kBlockBytes / sizeof(char16_t);
static_assert(sizeof(Snapshot::Cell) == 16);

}  // namespace

Snapshot::Snapshot(QStringList columns)
    : columns_(std::move(columns)), columnCount_(static_cast<int>(columns_.size())) {}

Snapshot::~Snapshot() {
    for (Cell* block : cellBlocks_) {
        block_pool::give(block);
    }
    for (char16_t* block : textBlocks_) {
        block_pool::give(block);
    }
}

void Snapshot::addCellBlock() {
    cellBlocks_.reserve(cellBlocks_.size() + 1);  // so a failed take() leaks nothing
    cellBlocks_.push_back(static_cast<Cell*>(block_pool::take()));
    cellsInLastBlock_ = 0;
}

void Snapshot::appendReal(double value) {
    append({{.number = std::bit_cast<qint64>(value)}, 0, Type::Real});
}

void Snapshot::appendText(const char* utf8, qsizetype bytes) {
    // UTF-16 never needs more units than UTF-8 has bytes, so room for the bytes is enough.
    char16_t* start = nullptr;
    if (bytes > kTextBlockUnits) {
        large_.push_back(std::make_unique_for_overwrite<char16_t[]>(bytes));
        start = large_.back().get();
    } else {
        if (textBlocks_.empty() || textUsed_ + bytes > kTextBlockUnits) {
            textBlocks_.reserve(textBlocks_.size() + 1);
            textBlocks_.push_back(static_cast<char16_t*>(block_pool::take()));
            textUsed_ = 0;
        }
        start = textBlocks_.back() + textUsed_;
    }
    const auto length = static_cast<qint32>(utf8ToUtf16(std::string_view(utf8, bytes), start));
    if (bytes <= kTextBlockUnits) {
        textUsed_ += length;
    }
    append({{.text = start}, length, Type::Text});
}

}  // namespace vondrik
