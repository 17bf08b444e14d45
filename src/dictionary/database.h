// The dictionary database: one SQLCipher file keyed with a password, fourteen length tables.
// Each call runs exactly one statement; errors come back as DatabaseError with the engine's
// message.
#pragma once

#include <QString>
#include <QVariant>
#include <memory>
#include <stdexcept>
#include <vector>

#include "dictionary/recordset.h"

struct sqlite3;
struct sqlite3_stmt;

namespace vondrik {

class DatabaseError : public std::runtime_error {
  public:
    explicit DatabaseError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

// The dictionary's password and where the file lies below the application folder.
inline constexpr const char* kDictionaryPassword = "tarnholzmeer48172635";
inline constexpr const char* kDictionaryRelativePath = "daten/daten.mdb";
QString dictionaryConnect();  // ";pwd=" + password

// What every operation on a closed or missing connection reports.
QString notOpenMessage();

// Rows added to one table through the "append by table" operation. It opens no transaction
// of its own: a caller that appends many rows holds a Transaction around them.
class TableAppender {
  public:
    TableAppender(sqlite3* db, const QString& table);
    ~TableAppender();
    TableAppender(const TableAppender&) = delete;
    TableAppender& operator=(const TableAppender&) = delete;

    void AddNew();
    // Sets a field of the new row by position (0 is ID, 1 Begriff, 2 Bedeutung).
    void setValue(int position, const QVariant& value);
    void Update();
    void Close();

  private:
    sqlite3* db_;
    sqlite3_stmt* insert_ = nullptr;
    int columnCount_ = 0;
    std::vector<QVariant> values_;
    bool open_ = false;
};

class Database;

// Every write of more than one statement runs inside one of these: what it wrote is rolled
// back unless commit() was reached, so an early return or an exception leaves nothing half
// written.
class Transaction {
  public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

  private:
    Database& db_;
    bool done_ = false;
};

class Database {
  public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing file. connect is ";pwd=<password>" (an empty or missing password opens
    // an unencrypted file). Throws when the file is missing, damaged or the password wrong.
    static std::unique_ptr<Database> OpenDatabase(const QString& path, const QString& connect,
                                                  bool exclusive = false, bool readOnly = false);

    // Creates a new file without a password holding the fourteen empty length tables.
    // Refuses to overwrite an existing file.
    static std::unique_ptr<Database> CreateDatabase(const QString& path);

    // Runs one query and returns all its rows as a snapshot.
    Recordset OpenRecordset(const QString& sql);

    // Runs one changing statement (UPDATE, DELETE, INSERT); no result is read back.
    void Execute(const QString& sql);

    // Opens a length table for appending rows.
    std::unique_ptr<TableAppender> OpenTable(const QString& table);

    // Changes the file's password (the empty text means none); the connection stays usable.
    void NewPassword(const QString& oldPassword, const QString& newPassword);

    void Close();
    bool isOpen() const { return db_ != nullptr; }
    const QString& path() const { return path_; }

    // The schema statement of one length table, with the field sizes as engine checks.
    static QString createTableStatement(int length);

  private:
    Database(sqlite3* db, QString path, QString password);
    static sqlite3* openConnection(const QString& path, const QString& password, int flags);
    sqlite3_stmt* prepareSingle(const QString& sql);

    sqlite3* db_;
    QString path_;
    QString password_;
};

}  // namespace vondrik
