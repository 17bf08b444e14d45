// The main window's anagram search: the letters handed over in Text17 against the one length
// table of their length.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "dictionary/statements.h"
#include "dictionary/text.h"
#include "search/anagram.h"
#include "search/pattern_search.h"
#include "ui/widgets/result_list.h"
#include "shell/haupt.h"

namespace vondrik {

void Haupt::anagramm() {
    Text17->setText(trimBlanks(Text17->text()));
    if (Text17->text().isEmpty()) {
        return;
    }
    Text17->setText(Text17->text().toLower());
    const QString letters = Text17->text();
    const LetterTable table(letters);

    const auto lengthTable = tableForLength(static_cast<int>(letters.size()));
    if (!lengthTable) {
        // No word has that many letters; an old statement must not be rerun for them.
        return;
    }
    sql = statement(Family::WholeTableBlank, *lengthTable, {});
    tabstopps[0] = tabStopForLength(lengthTable->length);

    List1->clear();
    Label2->setText(QStringLiteral("0"));
    Frame2->setVisible(true);
    List1->setVisible(false);
    Image1->setVisible(true);

    SearchResult result;
    if (DB) {
        result =
            runSearch(*DB, sql, [&table](QStringView begriff) { return table.coveredBy(begriff); });
    } else {
        result.error = QStringLiteral("Die Datenbank ist nicht geöffnet.");
    }
    List1->setTabStops(tabstopps[0]);
    finishSearch(result);
}

}  // namespace vondrik
