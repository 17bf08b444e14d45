// The reminder file: reading whatever it holds, the checks of a new entry, saving, and the
// check a few seconds after start.
#include <gtest/gtest.h>

#include <QFile>
#include <string_view>

#include "extras/reminder_check.h"
#include "extras/reminder_list.h"
#include "support/helpers.h"
#include "support/test_app_folder.h"
#include "ui/fake_platform.h"

namespace vondrik::test {
namespace {

using namespace std::string_view_literals;

class ReminderTest : public ::testing::Test {
  protected:
    QString termPath() const { return app.file("daten/term.dat"); }
    QByteArray bytes() const { return bytesOf(termPath()); }

    TestAppFolder app;
    FakePlatform fake{app.path()};  // 5 March 2024
};

TEST_F(ReminderTest, EntryChecksRefuseWithTheirMessagesAndAllowWhatTheRulesAllow) {
    const struct {
        std::string_view date;
        const char* occasion;
        const char* title;  // empty: accepted
    } cases[] = {
        {"06.12", "Nikolaus", ""},
        {" 6.12", "Nikolaus", ""},  // accepted, but never matches a day
        {"31.02", "kein Tag", ""},  // the day is not held against the month
        {"6.12", "x", "Falsche Datumseingabe"},
        {"00.12", "x", "Falsche Datumseingabe"},
        {"32.12", "x", "Falsche Datumseingabe"},
        {"06.13", "x", "Falsche Datumseingabe"},
        {"06.12", "", "kein Anlass angegeben!"},
        {"xx.12", "", "Falsche Datumseingabe"},  // the date is checked first
        // Line ends and TABs read as nothing in a number, but would split the entry.
        {"1\n.05", "Test", "Falsche Datumseingabe"},
        {"01.\r5", "Test", "Falsche Datumseingabe"},
        {"1\t.05", "Test", "Falsche Datumseingabe"},
        {"01.5\0"sv, "Test", "Falsche Datumseingabe"},
        {"1..05", "x", ""},  // "1." reads as 1
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.date));
        const auto refusal = checkEntry(QString::fromUtf8(c.date.data(), qsizetype(c.date.size())),
                                        QString::fromUtf8(c.occasion));
        EXPECT_EQ(refusal ? refusal->title : QString(), c.title);
    }
    EXPECT_TRUE(remindsOn("06.12   Nikolaus", QDate(2024, 12, 6)));
    EXPECT_FALSE(remindsOn(" 6.12   Nikolaus", QDate(2024, 12, 6)));
}

TEST_F(ReminderTest, OpeningCreatesTheDefaultFileAndCountsAddsAndDeletesUntilSaved) {
    EXPECT_TRUE(ReminderCheck(fake.appFolder, fake.clock).step().isEmpty());
    EXPECT_FALSE(QFile::exists(termPath())) << "only the editor creates the file";
    ReminderList list(fake.appFolder);
    ASSERT_EQ(list.open(), "");
    EXPECT_EQ(bytes(), "24.12   Weihnachten, ich brauche noch Geschenke.\r\n");

    EXPECT_TRUE(list.add("06.12", "Nikolaus, Äpfel").has_value() == false);
    EXPECT_TRUE(list.add("6.12", "x").has_value());  // refused: nothing counted
    EXPECT_TRUE(list.remove(0));
    EXPECT_EQ(list.changes(), 2);
    EXPECT_EQ(list.lines(), QStringList{"06.12   Nikolaus, Äpfel"});
    list.open();  // reopening reloads the file but keeps the count
    EXPECT_EQ(list.lines().size(), 1);
    EXPECT_EQ(list.changes(), 2);

    // Whatever is pasted into the occasion, the entry stays one line of the file.
    list.add("01.05", "Mai\r\nfeier");
    list.add("02.05", QString("Tab\there, NUL") + QChar(0) + "\x7f!");
    EXPECT_TRUE(list.add("1\n.05", "Test").has_value());
    ASSERT_EQ(list.save(), "");
    EXPECT_EQ(list.changes(), 0);
    EXPECT_EQ(bytes(),
              "24.12   Weihnachten, ich brauche noch Geschenke.\r\n01.05   Mai  feier\r\n"
              "02.05   Tabhere, NUL!\r\n");
}

TEST_F(ReminderTest, GarbledFilesReadLineByLineAndAFailedSaveKeepsFileAndCount) {
    // Bytes outside the code page, a NUL, UTF-8, lone line ends and lines shorter than a date.
    QByteArray garbled("05.03   Geburtstag \xe4\x81\xff\r\n");
    garbled += '\0';
    garbled += "\x01\n05.0\r05.03   M\xc3\xbcller\r\n\r\n05.03   Ende";
    writeBytes(termPath(), garbled);
    ReminderList list(fake.appFolder);
    ASSERT_EQ(list.open(), "");
    EXPECT_EQ(list.lines().size(), 4);  // lone line ends split no entry

    const QStringList due = ReminderCheck(fake.appFolder, fake.clock).step();
    ASSERT_EQ(due.size(), 2);
    EXPECT_TRUE(due[0].startsWith("05.03   Geburtstag"));
    EXPECT_EQ(due[1], "05.03   Ende");

    // A full disk, through a file size limit that holds even for root: the save fails and
    // says so, and the old file stays.
    list.remove(3);
    const QByteArray before = bytes();
    const QString problem = withFileSizeLimit(16, [&] { return list.save(); });
    EXPECT_TRUE(problem.contains("term.dat")) << problem.toStdString();
    EXPECT_EQ(list.changes(), 1);
    EXPECT_EQ(bytes(), before);
}

}  // namespace
}  // namespace vondrik::test
