// The statistics panel of the main window, run from its menu item on the fixture dictionary.
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "dictionary/statements.h"
#include "search/statistics_frame.h"
#include "shell/haupt_fixture.h"
#include "support/qt_printers.h"

namespace vondrik::test {
namespace {

// The four figures of a row as shown: Datensätze, Begriffe, Erklärungen, Wörter.
using Row = QStringList;

// Parts of a text split at a separator, the empty text having none.
qint64 parts(const QString& text, QChar separator) {
    return text.isEmpty() ? 0 : text.split(separator).size();
}

// The row a length should show, worked out from the fixture file.
Row expectedRow(int length) {
    qint64 records = 0;
    qint64 explanations = 0;
    qint64 words = 0;
    for (const auto& e : fixtureEntriesOfLength(length)) {
        ++records;
        explanations += parts(e.bedeutung, u',');
        words += 1 + parts(e.bedeutung, u' ');
    }
    return {QString::number(records), QString::number(records), QString::number(explanations),
            QString::number(words)};
}

class StatisticsFrameTest : public HauptTest {
  protected:
    StatisticsFrame* frame() {
        return haupt->findChild<StatisticsFrame*>(QStringLiteral("Frame7"));
    }

    QLabel* label(int array, int index) {
        return haupt->findChild<QLabel*>(QStringLiteral("Label%1_%2").arg(array).arg(index));
    }

    Row row(int index) {
        return {label(12, index)->text(), label(13, index)->text(), label(14, index)->text(),
                label(15, index)->text()};
    }

    void run() {
        QAction* anzdasa = haupt->menuAction(QStringLiteral("anzdasa"));
        ASSERT_NE(anzdasa, nullptr);
        ASSERT_TRUE(anzdasa->isEnabled());
        anzdasa->trigger();
    }
};

TEST_F(StatisticsFrameTest, HiddenUntilAskedForWithExactCaptions) {
    StatisticsFrame* panel = frame();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(panel->parentWidget(), haupt->centralWidget());
    EXPECT_EQ(panel->title(), " Information über die bestehende Datenbank");

    const char* rowCaptions[15] = {"2er",  "3er",  "4er",  "5er",  "6er",  "7er",  "8er",   "9er",
                                   "10er", "11er", "12er", "13er", "14er", "15er", "Gesamt"};
    for (int i = 0; i < 15; ++i) {
        ASSERT_NE(label(10, i), nullptr) << i;
        EXPECT_EQ(label(10, i)->text(), QLatin1String(rowCaptions[i]));
        for (int array = 12; array <= 15; ++array) {
            ASSERT_NE(label(array, i), nullptr) << array << " " << i;
            EXPECT_TRUE(label(array, i)->text().isEmpty());
        }
    }
    const QStringList headers{"Datensätze", "Begriffe", "Erklärungen", "Wörter"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(label(11, i)->text(), headers[i]);
    }
    EXPECT_NE(panel->findChild<QFrame*>(QStringLiteral("Line1")), nullptr);
    auto* ok = panel->findChild<QPushButton*>(QStringLiteral("Command10"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), " O K");

    // Every value fits its label, and the grid lies within the panel and the list area.
    run();
    EXPECT_TRUE(panel->isVisible());
    for (QLabel* l : panel->findChildren<QLabel*>()) {
        EXPECT_GE(l->width(), l->sizeHint().width()) << l->objectName().toStdString();
        EXPECT_TRUE(panel->rect().contains(l->geometry())) << l->objectName().toStdString();
    }
    EXPECT_LE(panel->geometry().bottom(), haupt->Frame1->geometry().top());
}

TEST_F(StatisticsFrameTest, StaysAboveTheRaisedBottomPanel) {
    // Forty pixels less room: the panel still fits, but only when it moves up.
    haupt->applyNotebookShift(600);
    run();
    StatisticsFrame* panel = frame();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_GE(panel->y(), 0);
    EXPECT_LE(panel->geometry().bottom(), haupt->Frame1->geometry().top());
}

TEST_F(StatisticsFrameTest, CountsEveryTableAndTotalsTheColumns) {
    run();
    qint64 totals[4] = {0, 0, 0, 0};
    for (int length = 2; length <= 15; ++length) {
        const Row shown = row(length - 2);
        EXPECT_EQ(shown, expectedRow(length)) << length;
        for (int c = 0; c < 4; ++c) {
            totals[c] += shown[c].toLongLong();
        }
    }
    const Row total = row(14);
    EXPECT_EQ(total[0], QString::number(fixtureEntries().size()));
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(total[c], QString::number(totals[c])) << c;
    }
    // Left behind as the search state: the last statement, and no running count.
    EXPECT_EQ(haupt->sql, statement(Family::Everything, *tableForLength(15), {}));
    EXPECT_EQ(haupt->Auswahl.RecordCount(), static_cast<qint64>(fixtureEntriesOfLength(15).size()));
    EXPECT_EQ(haupt->treffer, 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

TEST_F(StatisticsFrameTest, SpecialTablesEmptyAndMissingMeanings) {
    // Six records, each meaning with one comma and two single blanks.
    haupt->DB->Execute(QStringLiteral("DELETE FROM sechs"));
    for (int i = 0; i < 6; ++i) {
        haupt->DB->Execute(statement(Family::Insert, *tableForLength(6),
                                     {QStringLiteral("Wort%1x").arg(i), "Haus, Hof Garten"}));
    }
    haupt->DB->Execute(QStringLiteral("DELETE FROM neun"));
    // One empty and one missing meaning among the eight-letter words.
    haupt->DB->Execute(statement(Family::Insert, *tableForLength(8), {"Leerwort", ""}));
    haupt->DB->Execute(
        QStringLiteral("INSERT INTO acht (Begriff, Bedeutung) VALUES ('Nullwort', NULL)"));

    run();
    EXPECT_EQ(row(4), (Row{"6", "6", "12", "24"}));
    EXPECT_EQ(row(7), (Row{"0", "0", "0", "0"}));
    Row acht = expectedRow(8);
    const qint64 records = acht[0].toLongLong() + 2;
    acht[0] = acht[1] = QString::number(records);
    acht[3] = QString::number(acht[3].toLongLong() + 2);
    EXPECT_EQ(row(6), acht);
    // The count went on past the missing meaning to the last table and the total.
    EXPECT_EQ(row(13), expectedRow(15));
    EXPECT_FALSE(row(14)[0].isEmpty());
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

TEST_F(StatisticsFrameTest, RowsAppearOneByOneUnderTheHourglass) {
    StatisticsFrame* panel = frame();
    ASSERT_NE(panel, nullptr);
    run();  // figures of a first run must vanish when the second one starts
    QList<int> rows;
    QObject::connect(panel, &StatisticsFrame::rowFilled, panel, [&](int r) {
        rows << r;
        EXPECT_FALSE(label(12, r)->text().isEmpty()) << r;
        if (r < StatisticsFrame::kTotalRow) {
            EXPECT_TRUE(label(12, r + 1)->text().isEmpty()) << r;
            EXPECT_TRUE(label(15, StatisticsFrame::kTotalRow)->text().isEmpty()) << r;
            ASSERT_NE(QApplication::overrideCursor(), nullptr);
            EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
    });
    run();
    EXPECT_EQ(rows.size(), 15);
    EXPECT_EQ(rows.last(), StatisticsFrame::kTotalRow);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(StatisticsFrameTest, RepeatedRunsShowTheSameFigures) {
    run();
    std::vector<Row> first;
    for (int i = 0; i < 15; ++i) {
        first.push_back(row(i));
    }
    run();
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(row(i), first[i]) << i;
    }

    // A menu click while the rows are still filling is ignored, so the totals are not
    // counted twice.
    StatisticsFrame* panel = frame();
    bool clicked = false;
    QObject::connect(panel, &StatisticsFrame::rowFilled, panel, [&](int r) {
        if (r == 3 && !clicked) {
            clicked = true;
            haupt->menuAction(QStringLiteral("anzdasa"))->trigger();
        }
    });
    run();
    EXPECT_TRUE(clicked);
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(row(i), first[i]) << i;
    }
}

TEST_F(StatisticsFrameTest, OkHidesThePanel) {
    run();
    StatisticsFrame* panel = frame();
    ASSERT_TRUE(panel->isVisible());
    const QString total = row(14)[0];
    QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("Command10")), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(row(14)[0], total);
}

TEST_F(StatisticsFrameTest, UnreadableDatabaseEndsWithAMessage) {
    haupt->DB->Close();
    run();
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown().first().icon, MessageIcon::Exclamation);
    for (int i = 0; i < 15; ++i) {
        EXPECT_TRUE(row(i)[0].isEmpty()) << i;
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace vondrik::test
