// The update run against a real web server on 127.0.0.1: what it fetches, inserts, logs and
// counts, and that the counter always names the last update applied.
#include "maintenance/data_update.h"
#include "maintenance/dictionary_backup.h"
#include "maintenance/dictionary_restore.h"

#include "support/qt_printers.h"
#include "ui/qt_http_getter.h"
#include "update_test_folder.h"

namespace vondrik::test {
namespace {

class DataUpdateTest : public UpdateTestFolder {
  protected:
    UpdateResult run(const std::function<void(const QString&)>& onStatus = [](auto&) {}) {
        log.clear();
        server.forget();
        return update.run({[this](const QString& line) { log << line; },
                           [this, onStatus](const QString& line) {
                               log << (status = line);
                               onStatus(line);
                           }});
    }
    // The files the last run asked the server for.
    QString requested() const {
        return server.requested().join(u' ').remove(QStringLiteral("/datenupdate/"));
    }

    AppFolder folder{app.path()};
    QtHttpGetter http;
    DataUpdate update{session, http, folder};
    QStringList log;
    QString status;
};

// With no update applied there is no counter, and a backup saves none: after a restore of it
// the first update still arrives.
TEST_F(DataUpdateTest, FirstRunFetchesEveryUpdateLaterRunsOnlyTheNewOnes) {
    ASSERT_TRUE(backupDictionary(session, folder).ok);
    ASSERT_EQ(restoreDictionary(session, folder).status, RestoreStatus::Done);
    publishFrom(1, {"Ab\tErstes\r\n", "Quorx\tZweites\r\n", "Zyxel\tDrittes\r\nFlumbo\tVier\r\n"});
    // A second start while the first waits for the server does nothing.
    UpdateOutcome nested = UpdateOutcome::Applied;
    UpdateResult result = run([&](const QString& line) {
        if (line == u"Lade Update Nr. 1") {
            nested = update.run({}).outcome;
        }
    });
    EXPECT_EQ(nested, UpdateOutcome::Busy);
    EXPECT_EQ(result.outcome, UpdateOutcome::Applied);
    EXPECT_EQ(result.inserted, 4);
    EXPECT_EQ(log, QStringList({"Verbindung zu http//" + host() + " ist hergestellt!",
                                "Lade Update Nr. 1", "schreibe Daten von Update Nr. 1",
                                "Lade Update Nr. 2", "schreibe Daten von Update Nr. 2",
                                "Lade Update Nr. 3", "schreibe Daten von Update Nr. 3",
                                "4 neue Datensätze wurden erfolgreich eingefügt!"}));
    EXPECT_EQ(requested(), "upd.dat 1.upd 2.upd 3.upd");
    EXPECT_EQ(counter(), " 3 \r\n");
    EXPECT_EQ(localCopies(), QStringList());
    EXPECT_EQ(meanings("Flumbo"), QStringList{"Vier"});

    publishFrom(4, {"Quorx\tNoch eins\r\n", "Zyxel\tUnd noch eins\r\n"});
    EXPECT_EQ(run().inserted, 2);
    EXPECT_EQ(requested(), "upd.dat 4.upd 5.upd");
    EXPECT_EQ(counter(), " 5 \r\n");
    EXPECT_EQ(meanings("Quorx"), QStringList({"Zweites", "Noch eins"}));

    announce("erfolgreich 5\r\n  Version 3.7 \r\n");
    result = run();
    EXPECT_EQ(result.outcome, UpdateOutcome::NothingNew);
    EXPECT_EQ(status, "Es sind leider keine aktuellen Datenupdates verfügbar!");
    EXPECT_EQ(result.version, "Version 3.7");
    EXPECT_EQ(requested(), "upd.dat");
}

TEST_F(DataUpdateTest, FailedDownloadStopsTheRunAndIsFetchedAgainLater) {
    writeBytes(counterPath(), "0\r\n");  // as good as no counter: start from update 1
    announce("erfolgreich 3\r\nVersion 3.6\r\n");
    EXPECT_EQ(run().outcome, UpdateOutcome::Failed);
    EXPECT_EQ(status, "Update Nr. 1 konnte nicht geladen werden!");
    EXPECT_EQ(counter(), "0\r\n");

    publish(1, "Quorx\tEins\r\n");
    publish(3, "Zyxel\tDrei\r\n");
    const UpdateResult result = run();
    EXPECT_EQ(result.outcome, UpdateOutcome::Failed);
    EXPECT_EQ(result.inserted, 1);
    EXPECT_EQ(status, "Update Nr. 2 konnte nicht geladen werden!");
    EXPECT_EQ(requested(), "upd.dat 1.upd 2.upd");
    EXPECT_EQ(counter(), " 1 \r\n");
    EXPECT_EQ(localCopies(), QStringList());

    publish(2, "Flumbo\tZwei\r\n");
    EXPECT_EQ(run().outcome, UpdateOutcome::Applied);
    EXPECT_EQ(requested(), "upd.dat 2.upd 3.upd");
    EXPECT_EQ(counter(), " 3 \r\n");
    EXPECT_EQ(meanings("Zyxel"), QStringList{"Drei"});
}

TEST_F(DataUpdateTest, SkippedLinesAreLoggedWithTheirReasonAndNotCounted) {
    publishFrom(1, {"Quorx\tGutes Wort\r\n"
                    "ohne Tabulator\r\n"
                    "X\tzu kurz\r\n"
                    "\r\n"
                    "a\r\n"
                    "Sechzehnbuchstab\tzu lang\r\n"
                    "Flumbo\t" +
                    QByteArray(101, 'm') +
                    "\r\n"
                    "O'Neill\tIrischer Name [mit] {Klammern}\r\n"
                    "Zyxel\tx'); DELETE FROM zwei; --\r\n"
                    "  \xD6lfass\tBeh\xE4lter  \r\n"});
    run();
    EXPECT_EQ(status, "4 neue Datensätze wurden erfolgreich eingefügt!");
    const QStringList skipped = log.filter(QStringLiteral("übersprungen"));
    ASSERT_EQ(skipped.size(), 4) << log.join(u'\n').toStdString();
    EXPECT_EQ(skipped[0],
              "Zeile 2 übersprungen, kein TAB zwischen Wort und Bedeutung: ohne Tabulator");
    EXPECT_EQ(skipped[1], "Zeile 3 übersprungen, Wort nicht 2 bis 15 Zeichen lang: X");
    EXPECT_EQ(skipped[2],
              "Zeile 6 übersprungen, Wort nicht 2 bis 15 Zeichen lang: Sechzehnbuchstab");
    EXPECT_TRUE(skipped[3].startsWith("Zeile 7 übersprungen, von der Datenbank abgelehnt ("));
    EXPECT_TRUE(skipped[3].endsWith("): Flumbo"));

    // Stored exactly as sent; the crafted line ran no second statement.
    EXPECT_EQ(meanings("O'Neill"), QStringList{"Irischer Name [mit] {Klammern}"});
    EXPECT_EQ(meanings("Zyxel"), QStringList{"x'); DELETE FROM zwei; --"});
    EXPECT_EQ(meanings("Ölfass"), QStringList{"Behälter"});
    EXPECT_EQ(session.open("Select * from zwei").RecordCount(),
              qint64(fixtureEntriesOfLength(2).size()));
}

TEST_F(DataUpdateTest, AServerSettingThatIsNoHttpAddressIsToldAndAsksNothing) {
    writeBytes(app.file("daten/updserver.dat"), "ftp://127.0.0.1/\r\n");
    EXPECT_EQ(run().outcome, UpdateOutcome::BadServer);
    EXPECT_EQ(status,
              "Die Serveradresse \"ftp://127.0.0.1/\" in daten\\updserver.dat ist keine "
              "http-Adresse!");
    EXPECT_EQ(requested(), "");
}

// What a file holds reaches the dictionary as the code page 1252 files can carry it: each row
// is one update file with the word and the meanings the run must store for it.
TEST_F(DataUpdateTest, EntriesAreStoredAsTheirFilesMeanThem) {
    const struct {
        QByteArray file;
        QString word;
        QStringList stored;
    } cases[] = {
        {"K\xC3\xA4sebrot\tBrot mit K\xC3\xA4se\r\n", "Käsebrot", {"Brot mit Käse"}},  // UTF-8
        {"K\xE4sefondue\tgeschmolzener K\xE4se\r\n", "Käsefondue", {"geschmolzener Käse"}},
        {"Quorx\terste\tzweite\r\n", "Quorx", {"erste zweite"}},  // never glued
        {"Betastrahl\t\xCE\xB2-Strahlung\r\nRubelkurs\tin \xE2\x82\xBD\r\n",
         "Betastrahl",
         {"beta-Strahlung"}},
    };
    int number = 0;
    for (const auto& c : cases) {
        publish(++number, c.file);
    }
    announce("erfolgreich " + QByteArray::number(number) + "\r\nVersion 3.6\r\n");
    EXPECT_EQ(run().outcome, UpdateOutcome::Applied);
    for (const auto& c : cases) {
        EXPECT_EQ(meanings(c.word), c.stored) << c.word.toStdString();
    }
    EXPECT_EQ(meanings("Rubelkurs"), QStringList());
    EXPECT_EQ(log.filter("UTF-8").size(), 2) << log.join(u'\n').toStdString();
    EXPECT_EQ(log.filter("übersprungen, Zeichen außerhalb").size(), 1);
}

// Rows first, counter second: an update whose counter cannot be written stays applied, and
// the next run applies it again without inserting anything twice.
TEST_F(DataUpdateTest, CounterThatCannotBeWrittenLeavesTheUpdateToBeAppliedAgain) {
    ASSERT_TRUE(QDir().mkpath(counterPath()));
    publishFrom(1, {"Quorx\tEins\r\nZyxel\tZwei\r\n"});
    EXPECT_EQ(run().outcome, UpdateOutcome::Failed);
    EXPECT_TRUE(status.startsWith("Update Nr. 1 konnte nicht gespeichert werden: Der Zähler"))
        << status.toStdString();
    EXPECT_EQ(meanings("Quorx"), QStringList{"Eins"});
    EXPECT_EQ(localCopies(), QStringList());

    ASSERT_TRUE(QDir().rmdir(counterPath()));
    const UpdateResult result = run();
    EXPECT_EQ(result.outcome, UpdateOutcome::Applied);
    EXPECT_EQ(result.inserted, 0);
    EXPECT_TRUE(log.contains("2 Einträge waren schon vorhanden und wurden übersprungen."))
        << log.join(u'\n').toStdString();
    EXPECT_EQ(meanings("Quorx"), QStringList{"Eins"});
    EXPECT_EQ(counter(), " 1 \r\n");
}

}  // namespace
}  // namespace vondrik::test
