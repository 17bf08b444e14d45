// The dictionary session: one connection, the last statement, the last result set, and the
// copy of the entries that free-text searches read.
#include "dictionary/dictionary_session.h"

namespace vondrik {

void DictionarySession::attach(std::unique_ptr<Database> db) {
    close();
    DB = std::move(db);
}

void DictionarySession::close() {
    Auswahl = Recordset();
    entries_.reset();
    if (DB) {
        DB->Close();
        DB.reset();
    }
}

Database& DictionarySession::connection() const {
    if (!isOpen()) {
        throw DatabaseError(notOpenMessage());
    }
    return *DB;
}

Database& DictionarySession::database() {
    // Whoever takes the connection itself may write through it.
    entries_.reset();
    return connection();
}

const Recordset& DictionarySession::open(const QString& statement) {
    sql_ = statement;
    Auswahl = connection().OpenRecordset(sql_);
    return Auswahl;
}

void DictionarySession::execute(const QString& statement) {
    sql_ = statement;
    entries_.reset();
    connection().Execute(sql_);
}

const EntryIndex& DictionarySession::entries() {
    if (!entries_) {
        entries_ = std::make_unique<EntryIndex>(EntryIndex::read(connection()));
    }
    return *entries_;
}

}  // namespace vondrik
