// The dictionary session: one connection, the last statement, the last result set.
#include "dictionary/dictionary_session.h"

namespace vondrik {

void DictionarySession::attach(std::unique_ptr<Database> db) {
    close();
    DB = std::move(db);
}

void DictionarySession::close() {
    Auswahl = Recordset();
    if (DB) {
        DB->Close();
        DB.reset();
    }
}

Database& DictionarySession::database() {
    if (!isOpen()) {
        throw DatabaseError(notOpenMessage());
    }
    return *DB;
}

const Recordset& DictionarySession::open(const QString& statement) {
    sql_ = statement;
    Auswahl = database().OpenRecordset(sql_);
    return Auswahl;
}

void DictionarySession::execute(const QString& statement) {
    sql_ = statement;
    database().Execute(sql_);
}

}  // namespace vondrik
