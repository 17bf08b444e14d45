// Backup, restore, data update, first start and update publisher killed at every one of their
// file and database steps: the real code runs in a helper process that ends itself with SIGKILL
// at step k, for every k until it finishes. A new start must then find an intact database,
// dictionary and counter entirely as before or entirely as after, a complete backup set and no
// leftover file.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <map>

#include "dictionary/statements.h"
#include "maintenance/dictionary_backup.h"
#include "maintenance/update_files.h"
#include "support/test_app_folder.h"

namespace vondrik::test {
namespace {

// What a start finds, split up so that the states can be compared part by part.
struct Found {
    QStringList database;  // integrity and every row of every table
    QString counter;
    QStringList backup;  // every file of the backup set with its checksum
    QStringList files;   // every file of the application folder
    friend bool operator==(const Found&, const Found&) = default;
};

std::ostream& operator<<(std::ostream& os, const Found& f) {
    return os << "counter " << f.counter.toStdString() << ", " << f.database.size()
              << " database lines, backup: " << f.backup.join(u' ').toStdString()
              << "\nfiles: " << f.files.join(u' ').toStdString();
}

struct HelperRun {
    bool killed = false;
    int steps = 0;  // when it finished
};

// Every file below root with its bytes.
std::map<QString, QByteArray> filesBelow(const QString& root) {
    std::map<QString, QByteArray> files;
    QDirIterator all(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (all.hasNext()) {
        const QString path = all.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files[QDir(root).relativeFilePath(path)] = file.readAll();
    }
    return files;
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

class CrashSafetyTest : public ::testing::Test {
  protected:
    CrashSafetyTest() { QDir(server()).mkpath(QStringLiteral("datenupdate")); }

    QString server() const { return work.filePath(QStringLiteral("server")); }

    // A fresh copy of the prepared folder.
    QString copyOfStart() {
        const QString path = work.filePath(QStringLiteral("app%1").arg(++copies));
        copyTree(start.path(), path);
        return path;
    }

    QString helper(const QStringList& args) {
        QProcess process;
        process.start(QStringLiteral(VONDRIK_CRASH_HELPER), args);
        EXPECT_TRUE(process.waitForFinished(120000)) << args.join(u' ').toStdString();
        lastKilled = process.exitStatus() == QProcess::CrashExit;
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    HelperRun runOperation(const QString& mode, const QString& folder, int killAt) {
        QStringList args{mode, folder, QString::number(killAt)};
        if (mode == u"update") {
            args << server();
        }
        const QString out = helper(args);
        HelperRun run{lastKilled, 0};
        if (!run.killed) {
            run.steps = out.section(u' ', 1).trimmed().toInt();
        }
        return run;
    }

    Found startOn(const QString& folder) {
        Found found;
        for (const QString& line : helper({QStringLiteral("start"), folder}).split(u'\n')) {
            if (line.startsWith(u"counter ")) {
                found.counter = line.mid(8);
            } else if (line.startsWith(u"backup ")) {
                found.backup << line;
            } else if (line.startsWith(u"file ")) {
                found.files << line;
            } else if (!line.isEmpty()) {
                found.database << line;
            }
        }
        EXPECT_FALSE(lastKilled);
        EXPECT_EQ(found.database.value(0), "integrity ok") << folder.toStdString();
        return found;
    }

    // The state the whole operation leaves behind.
    Found afterWholeRun(const QString& mode) {
        const QString folder = copyOfStart();
        EXPECT_FALSE(runOperation(mode, folder, 0).killed);
        return startOn(folder);
    }

    // Kills the operation at every step in turn and hands each state a new start finds to
    // check; returns the number of steps.
    int killAtEveryStep(const QString& mode, const std::function<void(const Found&, int)>& check) {
        for (int k = 1;; ++k) {
            const QString folder = copyOfStart();
            const HelperRun run = runOperation(mode, folder, k);
            if (!run.killed) {
                EXPECT_EQ(run.steps, k - 1);
                return run.steps;
            }
            check(startOn(folder), k);
            if (HasFailure() || k > 500) {
                ADD_FAILURE() << "stopped at step " << k;
                return k;
            }
        }
    }

    DictionarySession sessionOnStart() {
        return DictionarySession(Database::OpenDatabase(
            start.file(QLatin1String(kDictionaryRelativePath)), dictionaryConnect()));
    }

    void insert(DictionarySession& session, const QString& word, const QString& meaning) {
        session.execute(
            statement(Family::Insert, *tableForLength(int(word.size())), {word, meaning}));
    }

    void publish(int number, const QByteArray& lines) {
        write(QStringLiteral("%1/datenupdate/%2.upd").arg(server()).arg(number), lines);
        write(server() + QStringLiteral("/datenupdate/upd.dat"),
              indexFileBytes(number, QStringLiteral("Version 3.6")));
    }

    QTemporaryDir work;
    TestAppFolder start;
    int copies = 0;
    bool lastKilled = false;
};

TEST_F(CrashSafetyTest, BackupKilledAtAnyStepLeavesTheOldOrTheNewSet) {
    write(start.file("daten/anzup.sis"), " 3 \r\n");
    {
        DictionarySession session = sessionOnStart();
        ASSERT_TRUE(backupDictionary(session, AppFolder(start.path())).ok);
        insert(session, "Kreuzwort", "Rätsel mit Wörtern");
    }
    const Found before = startOn(copyOfStart());
    const Found after = afterWholeRun("backup");
    ASSERT_NE(before.backup, after.backup);

    const int steps = killAtEveryStep("backup", [&](const Found& found, int k) {
        EXPECT_TRUE(found == before || found == after) << "step " << k << ": " << found;
    });
    EXPECT_GE(steps, 16);
}

TEST_F(CrashSafetyTest, RestoreKilledAtAnyStepLeavesTheOldOrTheNewDictionary) {
    // Each row of the table: the counter at backup time (none: no update applied yet).
    for (const char* savedCounter : {" 2 \r\n", ""}) {
        SCOPED_TRACE(savedCounter);
        if (*savedCounter) {
            write(start.file("daten/anzup.sis"), savedCounter);
        } else {
            QFile::remove(start.file("daten/anzup.sis"));
        }
        {
            DictionarySession session = sessionOnStart();
            ASSERT_TRUE(backupDictionary(session, AppFolder(start.path())).ok);
            insert(session, "Kreuzwort", "Rätsel mit Wörtern");
            session.execute(statement(Family::Delete, *tableForLength(5), 1));
        }
        write(start.file("daten/anzup.sis"), " 5 \r\n");
        const Found before = startOn(copyOfStart());
        const Found after = afterWholeRun("restore");
        ASSERT_NE(before.database, after.database);
        ASSERT_NE(before.counter, after.counter);

        const int steps = killAtEveryStep("restore", [&](const Found& found, int k) {
            EXPECT_TRUE(found == before || found == after) << "step " << k << ": " << found;
        });
        RecordProperty(*savedCounter ? "steps with counter" : "steps without counter", steps);
        EXPECT_GE(steps, 20);
    }
}

// An update is applied in two steps, rows then counter. Killed between them, the rows of
// update j are in and the counter still names j - 1; the next run then applies j again
// without inserting anything twice. So a start finds the dictionary after some update j
// with the counter at j or j - 1, and a complete run from there gives exactly the state of
// one uninterrupted run.
TEST_F(CrashSafetyTest, UpdateKilledAtAnyStepLosesNothingAndDoublesNothing) {
    QFile::remove(start.file("daten/anzup.sis"));
    write(start.file("daten/updserver.dat"), "http://updates.test/\r\n");
    std::vector<Found> states{startOn(copyOfStart())};
    const QByteArray updates[] = {"Kreuzwort\tRätsel mit Wörtern\r\nOhm\tEinheit\r\n",
                                  "Quorx\tZweites\r\nOhm\tEinheit\r\nÖlfass\tBehälter\r\n"};
    for (int j = 1; j <= 2; ++j) {
        publish(j, updates[j - 1]);
        states.push_back(afterWholeRun("update"));
    }

    const int steps = killAtEveryStep("update", [&](const Found& found, int k) {
        SCOPED_TRACE(k);
        const auto reached = std::find_if(states.begin(), states.end(), [&](const Found& s) {
            return s.database == found.database;
        });
        ASSERT_NE(reached, states.end()) << found;
        const std::size_t j = reached - states.begin();
        const Found& previous = states[j == 0 ? 0 : j - 1];
        EXPECT_TRUE(found.counter == reached->counter || found.counter == previous.counter);
        EXPECT_TRUE(found.files == reached->files || found.files == previous.files) << found;

        const QString folder = work.filePath(QStringLiteral("app%1").arg(copies));
        EXPECT_FALSE(runOperation("update", folder, 0).killed);
        EXPECT_EQ(startOn(folder), states.back());
    });
    EXPECT_GE(steps, 10);
}

// An installed program's first start fills the user's folder from the installed copy. Killed
// at any step, the next start must leave a complete folder: every file of the copy, whole,
// and nothing else.
TEST_F(CrashSafetyTest, FirstStartKilledAtAnyStepLeavesACompleteUserFolderNextTime) {
    const std::map<QString, QByteArray> installed = filesBelow(start.path());
    for (int k = 1;; ++k) {
        SCOPED_TRACE(k);
        const QString user = work.filePath(QStringLiteral("user%1").arg(k));
        const HelperRun run = [&] {
            const QString out = helper({"fill", start.path(), user, QString::number(k)});
            return HelperRun{lastKilled, out.section(u' ', 1).trimmed().toInt()};
        }();
        if (!run.killed) {
            EXPECT_EQ(run.steps, k - 1);
            EXPECT_GE(run.steps, int(installed.size()));
            break;
        }
        helper({"fill", start.path(), user, "0"});  // the next start
        EXPECT_FALSE(lastKilled);
        ASSERT_EQ(filesBelow(user), installed);
        ASSERT_LT(k, 500);
    }
}

// The update publisher writes the update file before the index that announces it. Killed at
// any step, the served index must announce the old or the new update, each announced update
// whole; publishing the same file again must give what one uninterrupted run gives.
TEST_F(CrashSafetyTest, PublisherKilledAtAnyStepNeverAnnouncesAHalfUpdate) {
    const QString tsv = work.filePath(QStringLiteral("neu.tsv"));
    write(tsv, "\xC3\x96lfass\tBeh\xC3\xA4lter f\xC3\xBCr \xC3\x96l\nZyxel\tDrei\n");
    publish(1, "Quorx\tF\xFCnf\r\n");
    const QByteArray oldIndex = indexFileBytes(1, QStringLiteral("Version 3.6"));
    const auto servedWithUpdateOne = [&](const QString& root) {
        copyTree(server(), root);
        return root;
    };
    const QString whole = servedWithUpdateOne(work.filePath(QStringLiteral("whole")));
    helper({"publish", whole, tsv, "0"});
    const std::map<QString, QByteArray> published = filesBelow(whole);
    ASSERT_EQ(published.count(QStringLiteral("datenupdate/2.upd")), 1u);
    for (int k = 1;; ++k) {
        SCOPED_TRACE(k);
        const QString root = servedWithUpdateOne(work.filePath(QStringLiteral("server%1").arg(k)));
        const QString out = helper({"publish", root, tsv, QString::number(k)});
        if (!lastKilled) {
            EXPECT_EQ(out.section(u' ', 1).trimmed().toInt(), k - 1);
            break;
        }
        const std::map<QString, QByteArray> found = filesBelow(root);
        const QByteArray index = found.at(QStringLiteral("datenupdate/upd.dat"));
        ASSERT_TRUE(index == oldIndex || index == published.at("datenupdate/upd.dat"));
        if (index != oldIndex) {
            const QString update = QStringLiteral("datenupdate/2.upd");
            ASSERT_EQ(found.count(update) ? found.at(update) : "<fehlt>", published.at(update));
        }
        helper({"publish", root, tsv, "0"});
        ASSERT_EQ(filesBelow(root), published);
        ASSERT_LT(k, 100);
    }
}

}  // namespace
}  // namespace vondrik::test
