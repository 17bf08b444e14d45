// The program's backup, restore and data update, run on an application folder and ended by
// SIGKILL at their k-th file or database step, as a crash or a power cut would end them; and a
// new start of the program, which finishes interrupted work and reports what it finds.
//
//   crash_helper backup|restore <folder> <k>     dies at step k (0: never); "steps N" when it
//                                               finished after N < k steps
//   crash_helper update <folder> <k> <server>    the same; updates are read from the folder
//                                               <server>/datenupdate/ instead of over HTTP
//   crash_helper start <folder>                  clean-up, then the report below
//   crash_helper fill <installed> <per-user> <k> an installed program's first start filling
//                                               the user's folder; "steps N" likewise
//   crash_helper publish <server> <tsv> <k>      the update publisher on a server folder
#include <signal.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QTextStream>

#include "dictionary/dictionary_session.h"
#include "dictionary/length_tables.h"
#include "dictionary/statements.h"
#include "maintenance/backup_files.h"
#include "maintenance/data_update.h"
#include "maintenance/dictionary_backup.h"
#include "maintenance/dictionary_restore.h"
#include "maintenance/interrupted_work.h"
#include "publisher/update_publisher.h"

namespace vondrik {
namespace {

class FolderServer : public HttpGetter {
  public:
    explicit FolderServer(QString root) : root_(std::move(root)) {}
    QByteArray get(const QUrl& url, int) override {
        return readFileBytes(root_ + url.path()).value_or(QByteArray());
    }

  private:
    QString root_;
};

QString hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex());
}

// Integrity, counter, every row of every table, the backup set and every file of the folder.
void report(const AppFolder& folder, DictionarySession& session, QTextStream& out) {
    const Recordset check =
        session.database().OpenRecordset(QStringLiteral("PRAGMA integrity_check"));
    out << "integrity " << check.Fields(0).toString() << '\n';
    const auto counter = readFileBytes(counterFile(folder));
    out << "counter " << (counter ? hex(*counter) : QStringLiteral("-")) << '\n';
    for (const LengthTable& table : lengthTables()) {
        out << "table " << table.name << '\n';
        Recordset rs = session.database().OpenRecordset(statement(Family::WholeTable, table, {}));
        for (; !rs.Eof(); rs.MoveNext()) {
            out << "row " << rs.Fields(u"ID").toLongLong() << '\t' << rs.text(u"Begriff") << '\t'
                << rs.text(u"Bedeutung") << '\n';
        }
    }
    const QDir backup(backupFolder(folder));
    for (const QString& name : backup.entryList(QDir::Files, QDir::Name)) {
        const auto bytes = readFileBytes(backup.filePath(name)).value_or("<unlesbar>");
        out << "backup " << name << ' '
            << hex(QCryptographicHash::hash(bytes, QCryptographicHash::Md5)) << '\n';
    }
    QStringList files;
    QDirIterator all(folder.root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (all.hasNext()) {
        files << QDir(folder.root()).relativeFilePath(all.next());
    }
    files.sort();
    for (const QString& file : files) {
        out << "file " << file << '\n';
    }
}

int run(const QStringList& args) {
    QTextStream out(stdout);
    if (args.size() < 3) {
        QTextStream(stderr) << "usage: crash_helper backup|restore|update|start <folder> [k]\n";
        return 2;
    }
    const QString mode = args[1];
    const bool twoPaths = mode == u"fill" || mode == u"publish";
    const long long killAt = args.value(twoPaths ? 4 : 3).toLongLong();
    long long steps = 0;
    const FileSteps files([&] {
        if (++steps == killAt) {
            ::raise(SIGKILL);
        }
    });
    if (mode == u"fill") {
        // No own folder with daten/: the per-user folder is chosen and filled.
        const AppFolderChoice choice =
            chooseAppFolder({args[2] + QStringLiteral("/bin"), args[2], args[3]}, files);
        out << "steps " << steps << '\n';
        return choice.error.isEmpty() ? 0 : 1;
    }
    if (mode == u"publish") {
        const auto tsv = readFileBytes(args[3]);
        const bool ok = tsv && publisher::publishUpdate(args[2], *tsv, {}, files).ok;
        out << "steps " << steps << '\n';
        return ok ? 0 : 1;
    }
    const AppFolder folder(args[2]);

    // As the program starts: the clean-up, then the dictionary.
    finishInterruptedWork(folder);
    DictionarySession session(Database::OpenDatabase(databaseFile(folder), dictionaryConnect()));
    if (mode == u"start") {
        report(folder, session, out);
        return 0;
    }
    bool ok = false;
    if (mode == u"backup") {
        ok = backupDictionary(session, folder, {}, files).ok;
    } else if (mode == u"restore") {
        ok = restoreDictionary(session, folder, {}, files).status == RestoreStatus::Done;
    } else if (mode == u"update") {
        FolderServer server(args.value(4));
        DataUpdate update(session, server, folder, files);
        ok = update.run({}).outcome == UpdateOutcome::Applied;
    }
    out << "steps " << steps << '\n';
    return ok ? 0 : 1;
}

}  // namespace
}  // namespace vondrik

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return vondrik::run(app.arguments());
}
