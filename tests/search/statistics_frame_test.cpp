// The statistics panel of the main window, run from its menu item on the fixture dictionary.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "search/statistics.h"
#include "search/statistics_frame.h"
#include "shell/haupt_fixture.h"
#include "support/helpers.h"
#include "support/qt_printers.h"

namespace vondrik::test {
namespace {

class StatisticsFrameTest : public HauptTest {
  protected:
    // The four figures of a row as shown: Datensätze, Begriffe, Erklärungen, Wörter.
    QStringList row(int index) {
        QStringList shown;
        for (int column = 12; column <= 15; ++column) {
            shown << child<QLabel>(panel(), QStringLiteral("Label%1").arg(column), index)->text();
        }
        return shown;
    }
    static QStringList shown(const TableFigures& f) {
        return {QString::number(f.datensaetze), QString::number(f.begriffe),
                QString::number(f.erklaerungen), QString::number(f.woerter)};
    }
    void run() { haupt->menuAction(QStringLiteral("anzdasa"))->trigger(); }
    StatisticsFrame* panel() { return control<StatisticsFrame>(*haupt, "Frame7"); }
};

// The rows appear one by one under the hourglass, and a menu click while they are still
// filling is ignored so the totals are not counted twice; OK hides the panel.
TEST_F(StatisticsFrameTest, FillsEveryRowOnceEvenWhenAskedAgainAndAFailureKeepsTheCountedRows) {
    QList<int> rows;
    QObject::connect(panel(), &StatisticsFrame::rowFilled, panel(), [&](int r) {
        rows << r;
        if (r < StatisticsFrame::kTotalRow) {
            EXPECT_TRUE(row(r + 1)[0].isEmpty()) << r;
            ASSERT_NE(QApplication::overrideCursor(), nullptr);
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
    QTest::mouseClick(child(panel(), "Command10"), Qt::LeftButton);
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());

    // A failing table ends the count with a message; the rows counted stay, and the figures
    // of the first run are gone.
    haupt->session().execute(QStringLiteral("DROP TABLE neun"));
    run();
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_TRUE(fake.messageBox.shown()[0].text.contains("neun"));
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
