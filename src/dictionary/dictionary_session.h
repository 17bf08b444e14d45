// The one connection to the dictionary and what it last did: the statement text sent last
// (sql) and the result set opened last (Auswahl). Every reader and writer of the dictionary
// goes through a session, so "not open" is decided and worded in one place, and so the copy of
// the entries that free-text searches read never outlives a change.
#pragma once

#include <QString>
#include <memory>

#include "dictionary/database.h"
#include "dictionary/entry_index.h"

namespace vondrik {

class DictionarySession {
  public:
    DictionarySession() = default;
    explicit DictionarySession(std::unique_ptr<Database> db) : DB(std::move(db)) {}

    // Takes over a connection (the load sequence's, or a rebuilt dictionary's) and closes the
    // one held before.
    void attach(std::unique_ptr<Database> db);
    // Closes the connection; later statements fail with the "not open" error.
    void close();
    bool isOpen() const { return DB && DB->isOpen(); }

    // Runs a query as a snapshot: its text becomes sql, its rows Auswahl. Throws
    // DatabaseError with the engine's message, or the "not open" message.
    const Recordset& open(const QString& statement);
    // Runs one changing statement; its text becomes sql. Throws as open() does.
    void execute(const QString& statement);
    // Makes a statement the one last built without running it, Auswahl staying as it is: the
    // game window does so when it loads, and a search answered from entries() records the
    // statement that gives the same rows.
    void build(const QString& statement) { sql_ = statement; }

    // The connection itself, for the operations that are no statement (appending by table,
    // a new password, transactions). Throws the "not open" error.
    Database& database();

    // Every entry in memory, read at the first call after the dictionary last changed through
    // this session (execute, database, attach); throws as open() does.
    const EntryIndex& entries();

    const QString& sql() const { return sql_; }
    const Recordset& auswahl() const { return Auswahl; }

  private:
    Database& connection() const;

    std::unique_ptr<Database> DB;
    std::unique_ptr<EntryIndex> entries_;
    QString sql_;
    Recordset Auswahl;
};

}  // namespace vondrik
