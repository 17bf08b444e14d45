// The editor opened from the menu of a loaded main window, with helpers to click rows.
#pragma once

#include <QAction>
#include <QPointer>
#include <QTest>

#include "editor_checks.h"
#include "maintenance/editor_rows.h"
#include "maintenance/erweitern.h"
#include "shell/haupt_fixture.h"
#include "ui/widgets/result_list.h"

namespace vondrik::test {

class ErweiternTest : public HauptTest {
  protected:
    void SetUp() override {
        HauptTest::SetUp();
        haupt->menuAction(QStringLiteral("datarb"))->trigger();
        editor = haupt->findChild<Erweitern*>(QStringLiteral("erweitern"));
        ASSERT_TRUE(editor);
    }

    void chooseLength(int length) { editor->Command1[length - 2]->click(); }

    static void clickRow(ResultList* list, int row) {
        const QModelIndex index = list->model()->index(row, 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }

    // The first row of a word, or -1.
    static int rowOf(const ResultList* list, const QString& word) {
        for (int i = 0; i < list->count(); ++i) {
            if (list->line(i).startsWith(word + u'\t')) {
                return i;
            }
        }
        return -1;
    }

    // Chooses the word's length and clicks its row in List1.
    void loadWord(const QString& word) {
        chooseLength(static_cast<int>(word.size()));
        const int row = rowOf(editor->List1, word);
        ASSERT_GE(row, 0) << word.toStdString();
        clickRow(editor->List1, row);
        ASSERT_EQ(editor->Text1->text(), word);
    }

    QStringList meanings(const QString& table, const QString& word) {
        return meaningsOf(haupt->session(), table, word);
    }

    QPointer<Erweitern> editor;
};

}  // namespace vondrik::test
