// The statistics panel of the main window, run from its menu item on the fixture dictionary.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "dictionary/statements.h"
#include "search/statistics.h"
#include "search/statistics_frame.h"
#include "shell/haupt_fixture.h"
#include "support/qt_printers.h"

namespace vondrik::test {
namespace {

class StatisticsFrameTest : public HauptTest {
  protected:
    QLabel* label(int array, int row) {
        return haupt->findChild<QLabel*>(QStringLiteral("Label%1_%2").arg(array).arg(row));
    }

    // The four figures of a row as shown: Datensätze, Begriffe, Erklärungen, Wörter.
    QStringList row(int index) {
        return {label(12, index)->text(), label(13, index)->text(), label(14, index)->text(),
                label(15, index)->text()};
    }

    static QStringList shown(const TableFigures& f) {
        return {QString::number(f.datensaetze), QString::number(f.begriffe),
                QString::number(f.erklaerungen), QString::number(f.woerter)};
    }

    void run() { haupt->menuAction(QStringLiteral("anzdasa"))->trigger(); }

    StatisticsFrame* panel() { return haupt->findChild<StatisticsFrame*>("Frame7"); }
};

TEST_F(StatisticsFrameTest, ShowsItsCaptionsAboveTheBottomPanelUntilOk) {
    ASSERT_TRUE(panel());
    EXPECT_TRUE(panel()->isHidden());
    EXPECT_EQ(panel()->title(), " Information über die bestehende Datenbank");
    const char* rowCaptions[15] = {"2er",  "3er",  "4er",  "5er",  "6er",  "7er",  "8er",   "9er",
                                   "10er", "11er", "12er", "13er", "14er", "15er", "Gesamt"};
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(label(10, i)->text(), QLatin1String(rowCaptions[i]));
    }
    const QStringList headers{"Datensätze", "Begriffe", "Erklärungen", "Wörter"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(label(11, i)->text(), headers[i]);
    }
    auto* ok = panel()->findChild<QPushButton*>("Command10");
    EXPECT_EQ(ok->text(), " O K");

    // Forty pixels less room: the panel still fits, but only when it moves up.
    for (int shift : {0, 600}) {
        haupt->applyNotebookShift(shift);
        run();
        ASSERT_TRUE(panel()->isVisible());
        EXPECT_GE(panel()->y(), 0);
        EXPECT_LE(panel()->geometry().bottom(), Frame1(*haupt)->geometry().top());
        for (QLabel* l : panel()->findChildren<QLabel*>()) {
            EXPECT_GE(l->width(), l->sizeHint().width()) << l->objectName().toStdString();
            EXPECT_TRUE(panel()->rect().contains(l->geometry())) << l->objectName().toStdString();
        }
        QTest::mouseClick(ok, Qt::LeftButton);
        EXPECT_FALSE(panel()->isVisible());
    }
}

TEST_F(StatisticsFrameTest, FillsEveryRowOnceEvenWhenAskedAgainMeanwhile) {
    // The rows appear one by one under the hourglass, and a menu click while they are still
    // filling is ignored so the totals are not counted twice.
    QList<int> rows;
    QObject::connect(panel(), &StatisticsFrame::rowFilled, panel(), [&](int r) {
        rows << r;
        if (r < StatisticsFrame::kTotalRow) {
            EXPECT_TRUE(label(12, r + 1)->text().isEmpty()) << r;
            ASSERT_NE(QApplication::overrideCursor(), nullptr);
            EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        if (rows.size() == 4) {
            run();
        }
    });
    run();
    EXPECT_EQ(rows.size(), 15);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    TableFigures total;
    for (const LengthTable& table : lengthTables()) {
        const TableFigures figures = countTable(haupt->session(), table);
        EXPECT_EQ(row(table.length - 2), shown(figures)) << table.length;
        total += figures;
    }
    EXPECT_EQ(total.datensaetze, static_cast<qint64>(fixtureEntries().size()));
    EXPECT_EQ(row(StatisticsFrame::kTotalRow), shown(total));
    // Left behind as the search state: the last statement.
    EXPECT_EQ(haupt->session().sql(), statement(Family::Everything, *tableForLength(15), {}));
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

TEST_F(StatisticsFrameTest, DatabaseFailureEndsWithAMessageAndKeepsTheCountedRows) {
    run();  // figures of a first run must vanish when the next one starts
    haupt->session().execute(QStringLiteral("DROP TABLE neun"));
    run();
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    const ShownMessage& message = fake.messageBox.shown().first();
    EXPECT_EQ(message.title, "Datenbankgrösse");
    EXPECT_EQ(message.icon, MessageIcon::Exclamation);
    EXPECT_TRUE(message.text.contains("neun")) << message.text.toStdString();
    for (int length = 2; length <= 8; ++length) {
        EXPECT_EQ(row(length - 2), shown(countTable(haupt->session(), *tableForLength(length))));
    }
    for (int i = 7; i < 15; ++i) {
        EXPECT_TRUE(row(i)[0].isEmpty()) << i;
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace vondrik::test
