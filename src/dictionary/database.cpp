// SQLCipher connection handling: keying, the single-statement rule, snapshots, re-keying.
#include "dictionary/database.h"

#include <sqlcipher/sqlite3.h>

#include <QFile>
#include <QFileInfo>

#include "dictionary/box_spelling.h"
#include "dictionary/jet_like.h"
#include "dictionary/length_tables.h"
#include "ui/file_steps.h"

namespace vondrik {
namespace {

// Large enough to keep the whole dictionary's pages decrypted in memory: searches over all
// fourteen tables are several times faster than with the default cache.
constexpr const char* kCachePragma = "PRAGMA cache_size = -65536";

constexpr const char* kPageSizePragma = "PRAGMA cipher_page_size = 4096";

// Another program (a backup tool, a second connection) may hold the file for a moment; a
// statement waits that long for it instead of failing at once with "database is locked".
constexpr int kBusyTimeoutMs = 5000;

[[noreturn]] void fail(sqlite3* db) {
    throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(db)));
}

void check(sqlite3* db, int rc) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        fail(db);
    }
}

void run(sqlite3* db, const char* sql) {
    check(db, sqlite3_exec(db, sql, nullptr, nullptr, nullptr));
}

QString passwordOf(const QString& connect) {
    for (const QString& part : connect.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype eq = part.indexOf(u'=');
        if (eq > 0 && part.left(eq).trimmed().compare(u"pwd", Qt::CaseInsensitive) == 0) {
            return part.mid(eq + 1);
        }
    }
    return {};
}

// Reads the value object once: every sqlite3_column_* call pays for the statement checks
// again, which on a whole table costs more than decoding the text.
void appendCell(sqlite3_stmt* stmt, int column, Snapshot& snapshot) {
    sqlite3_value* value = sqlite3_column_value(stmt, column);
    switch (sqlite3_value_type(value)) {
        case SQLITE_NULL:
            snapshot.appendNull();
            return;
        case SQLITE_INTEGER:
            snapshot.appendInteger(sqlite3_value_int64(value));
            return;
        case SQLITE_FLOAT:
            snapshot.appendReal(sqlite3_value_double(value));
            return;
        default:
            snapshot.appendText(reinterpret_cast<const char*>(sqlite3_value_text(value)),
                                sqlite3_value_bytes(value));
    }
}

void bindValue(sqlite3_stmt* stmt, int index, const QVariant& value) {
    if (!value.isValid() || value.isNull()) {
        sqlite3_bind_null(stmt, index);
    } else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong) {
        sqlite3_bind_int64(stmt, index, value.toLongLong());
    } else {
        const QByteArray utf8 = value.toString().toUtf8();
        sqlite3_bind_text(stmt, index, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
    }
}

struct Statement {
    sqlite3_stmt* stmt;
    ~Statement() { sqlite3_finalize(stmt); }
};

}  // namespace

QString dictionaryConnect() {
    return QStringLiteral(";pwd=") + QLatin1String(kDictionaryPassword);
}

Database::Database(sqlite3* db, QString path, QString password)
    : db_(db), path_(std::move(path)), password_(std::move(password)) {}

Database::~Database() {
    Close();
}

sqlite3* Database::openConnection(const QString& path, const QString& password, int flags) {
    sqlite3* db = nullptr;
    const QByteArray file = QFile::encodeName(path);
    if (sqlite3_open_v2(file.constData(), &db, flags, nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        throw DatabaseError(message);
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    try {
        if (!password.isEmpty()) {
            const QByteArray key = password.toUtf8();
            check(db, sqlite3_key(db, key.constData(), key.size()));
            // 4 KiB pages: fewer pages to decrypt and walk than the old 1 KiB default.
            run(db, kPageSizePragma);
        }
        // The first read decrypts page 1: a wrong password or a foreign file fails here.
        run(db, "SELECT count(*) FROM sqlite_master");
        run(db, kCachePragma);
        check(db, registerJetLike(db));
        check(db, registerBoxSpelling(db));
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    return db;
}

std::unique_ptr<Database> Database::OpenDatabase(const QString& path, const QString& connect,
                                                 bool exclusive, bool readOnly) {
    if (!QFileInfo(path).isFile()) {
        // SQLite would quietly create an empty file; the dictionary must already exist.
        throw DatabaseError(QStringLiteral("Datei %1 nicht gefunden.").arg(path));
    }
    const QString password = passwordOf(connect);
    // Everything runs on the one window thread, so the engine's own locking is not needed.
    const int flags =
        (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    sqlite3* db = openConnection(path, password, flags);
    if (exclusive) {
        try {
            run(db, "PRAGMA locking_mode = EXCLUSIVE");
        } catch (...) {
            sqlite3_close(db);
            throw;
        }
    }
    return std::unique_ptr<Database>(new Database(db, path, password));
}

QString Database::createTableStatement(int length) {
    const auto table = tableForLength(length);
    if (!table) {
        throw DatabaseError(QStringLiteral("Keine Tabelle für %1 Buchstaben.").arg(length));
    }
    // Constraint names are what the engine reports when a value does not fit.
    return QStringLiteral(
               "CREATE TABLE %1 (ID INTEGER PRIMARY KEY AUTOINCREMENT, "
               "Begriff TEXT CONSTRAINT \"Begriff länger als %2 Zeichen\" "
               "CHECK (length(Begriff) <= %2), "
               "Bedeutung TEXT CONSTRAINT \"Bedeutung länger als %3 Zeichen\" "
               "CHECK (length(Bedeutung) <= %3))")
        .arg(QLatin1String(table->name))
        .arg(length)
        .arg(kMeaningSize);
}

std::unique_ptr<Database> Database::CreateDatabase(const QString& path) {
    if (QFileInfo::exists(path)) {
        throw DatabaseError(QStringLiteral("Datei %1 existiert bereits.").arg(path));
    }
    sqlite3* db = openConnection(path, QString(),
                                 SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX);
    std::unique_ptr<Database> database(new Database(db, path, QString()));
    Transaction tables(*database);
    for (const LengthTable& table : lengthTables()) {
        database->Execute(createTableStatement(table.length));
    }
    tables.commit();
    return database;
}

QString notOpenMessage() {
    return QStringLiteral("Die Datenbank ist nicht geöffnet.");
}

sqlite3_stmt* Database::prepareSingle(const QString& sql) {
    if (!db_) {
        throw DatabaseError(notOpenMessage());
    }
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db_, utf8.constData(), utf8.size(), &stmt, &tail) != SQLITE_OK) {
        fail(db_);
    }
    if (!stmt) {
        throw DatabaseError(QStringLiteral("Die Anweisung ist leer."));
    }
    // Whatever follows the first statement must be nothing but blanks or comments.
    const char* end = utf8.constData() + utf8.size();
    if (tail && tail < end) {
        sqlite3_stmt* second = nullptr;
        const int rc = sqlite3_prepare_v2(db_, tail, int(end - tail), &second, nullptr);
        const bool hasSecond = rc != SQLITE_OK || second != nullptr;
        sqlite3_finalize(second);
        if (hasSecond) {
            sqlite3_finalize(stmt);
            throw DatabaseError(QStringLiteral(
                "Die Anweisung enthält mehr als einen Befehl und wurde nicht ausgeführt."));
        }
    }
    return stmt;
}

Recordset Database::OpenRecordset(const QString& sql) {
    Statement query{prepareSingle(sql)};
    const int columns = sqlite3_column_count(query.stmt);
    QStringList names;
    for (int c = 0; c < columns; ++c) {
        names << QString::fromUtf8(sqlite3_column_name(query.stmt, c));
    }
    auto snapshot = std::make_shared<Snapshot>(std::move(names));
    int rc;
    while ((rc = sqlite3_step(query.stmt)) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            appendCell(query.stmt, c, *snapshot);
        }
        snapshot->endRow();
    }
    check(db_, rc);
    return Recordset(std::move(snapshot));
}

void Database::Execute(const QString& sql) {
    Statement change{prepareSingle(sql)};
    int rc;
    while ((rc = sqlite3_step(change.stmt)) == SQLITE_ROW) {
    }
    check(db_, rc);
}

std::unique_ptr<TableAppender> Database::OpenTable(const QString& table) {
    if (!db_) {
        throw DatabaseError(notOpenMessage());
    }
    return std::make_unique<TableAppender>(db_, table);
}

void Database::NewPassword(const QString& oldPassword, const QString& newPassword) {
    if (!db_) {
        throw DatabaseError(notOpenMessage());
    }
    if (oldPassword != password_) {
        throw DatabaseError(QStringLiteral("Das alte Kennwort ist falsch."));
    }
    // SQLCipher cannot re-key a plain file in place, so the content is exported into a new
    // file with the new key, which then replaces the old one.
    const QString temp = path_ + QStringLiteral(".neu");
    QFile::remove(temp);
    {
        // ATTACH may not create files on a connection opened without the create flag; an
        // empty file is a valid empty database.
        QFile empty(temp);
        if (!empty.open(QIODevice::WriteOnly)) {
            throw DatabaseError(QStringLiteral("%1 kann nicht angelegt werden.").arg(temp));
        }
    }
    {
        Statement attach{nullptr};
        check(db_, sqlite3_prepare_v2(db_, "ATTACH DATABASE ?1 AS rekeyed KEY ?2", -1, &attach.stmt,
                                      nullptr));
        const QByteArray file = QFile::encodeName(temp);
        const QByteArray key = newPassword.toUtf8();
        sqlite3_bind_text(attach.stmt, 1, file.constData(), file.size(), SQLITE_TRANSIENT);
        sqlite3_bind_text(attach.stmt, 2, key.constData(), key.size(), SQLITE_TRANSIENT);
        check(db_, sqlite3_step(attach.stmt));
    }
    try {
        if (!newPassword.isEmpty()) {
            run(db_, "PRAGMA rekeyed.cipher_page_size = 4096");
        }
        run(db_, "SELECT sqlcipher_export('rekeyed')");
        run(db_, "DETACH DATABASE rekeyed");
    } catch (...) {
        sqlite3_exec(db_, "DETACH DATABASE rekeyed", nullptr, nullptr, nullptr);
        QFile::remove(temp);
        throw;
    }
    sqlite3_close(db_);
    db_ = nullptr;
    // The re-keyed copy replaces the file in one step, so a crash leaves one or the other.
    const FileSteps files;
    if (!FileSteps::syncFile(temp) || !files.replace(temp, path_)) {
        QFile::remove(temp);
        db_ = openConnection(path_, password_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX);
        throw DatabaseError(QStringLiteral("Das Kennwort konnte nicht geändert werden."));
    }
    password_ = newPassword;
    db_ = openConnection(path_, password_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX);
}

void Database::Close() {
    if (db_) {
        sqlite3_close(db_);
        db_ = nullptr;
    }
}

TableAppender::TableAppender(sqlite3* db, const QString& table) : db_(db) {
    if (!tableByName(table)) {
        throw DatabaseError(QStringLiteral("Tabelle %1 nicht gefunden.").arg(table));
    }
    const QString sql =
        QStringLiteral("INSERT INTO %1 (ID, Begriff, Bedeutung) VALUES (?1, ?2, ?3)").arg(table);
    const QByteArray utf8 = sql.toUtf8();
    check(db_, sqlite3_prepare_v2(db_, utf8.constData(), utf8.size(), &insert_, nullptr));
    columnCount_ = 3;
    open_ = true;
}

TableAppender::~TableAppender() {
    sqlite3_finalize(insert_);
}

void TableAppender::AddNew() {
    values_.assign(columnCount_, QVariant());
}

void TableAppender::setValue(int position, const QVariant& value) {
    if (values_.empty()) {
        throw DatabaseError(QStringLiteral("Update ohne AddNew."));
    }
    if (position < 0 || position >= columnCount_) {
        throw DatabaseError(QStringLiteral("Feld Nummer %1 gibt es nicht.").arg(position));
    }
    values_[position] = value;
}

void TableAppender::Update() {
    if (!open_ || values_.empty()) {
        throw DatabaseError(QStringLiteral("Update ohne AddNew."));
    }
    sqlite3_reset(insert_);
    for (int i = 0; i < columnCount_; ++i) {
        bindValue(insert_, i + 1, values_[i]);  // a NULL ID lets the engine number the row
    }
    values_.clear();
    check(db_, sqlite3_step(insert_));
}

void TableAppender::Close() {
    open_ = false;
}

Transaction::Transaction(Database& db) : db_(db) {
    db_.Execute(QStringLiteral("BEGIN"));
}

Transaction::~Transaction() {
    if (!done_) {
        try {
            db_.Execute(QStringLiteral("ROLLBACK"));
        } catch (const DatabaseError&) {
            // A failed COMMIT may already have ended the transaction; nothing is left to undo.
        }
    }
}

void Transaction::commit() {
    db_.Execute(QStringLiteral("COMMIT"));
    done_ = true;
}

}  // namespace vondrik
