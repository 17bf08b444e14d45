// The rows of the length tables a puzzle generation reads, each table scanned once and kept
// for the rest of that generation.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "dictionary/dictionary_session.h"
#include "dictionary/length_tables.h"

namespace vondrik {

// One record of a length table: the fields as stored and the word in upper case, which is
// what the puzzles compare letters against.
struct TableRow {
    QString begriff;
    QString bedeutung;
    QString upper;
};

using TableRows = std::vector<TableRow>;

class TableScans {
  public:
    explicit TableScans(DictionarySession& session) : session_(session) {}

    // The table's records in table order. The first use reads the table with its
    // "Select * from <table> " statement through the session; later uses give the kept rows,
    // so backtracking over the same row costs no further read. Throws DatabaseError.
    const TableRows& rows(const LengthTable& table);

    // Drops every kept table: the next use reads the dictionary again (a new generation sees
    // entries changed in the meantime).
    void forget();

    // Tables read since the last forget().
    int count() const { return count_; }

  private:
    DictionarySession& session_;
    std::array<std::optional<TableRows>, kTableCount> tables_;
    int count_ = 0;
};

}  // namespace vondrik
