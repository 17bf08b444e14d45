// The text search's input dialog: an elliptic blue window over the main window that takes
// one or two search texts, cleans them and hands them to the main window's search.
#include "search/eingabetext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "search/search_controller.h"
#include "search/text_search.h"

namespace vondrik {
namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 300;
constexpr int kLabelWidth = 400;
constexpr int kBoxWidth = 340;

}  // namespace

Eingabetext::Eingabetext(SearchController& searches, QWidget* mainWindow)
    : EllipticDialog(mainWindow, QStringLiteral("Eingabetext"), QStringLiteral("Textsuche"),
                     Gradient::Blue),
      searches_(searches) {
    buildControls();
    resize(kWidth, kHeight);
    placeControls();
    if (mainWindow) {
        move(mainWindow->frameGeometry().center() - QPoint(kWidth / 2, kHeight / 2));
    }
}

void Eingabetext::buildControls() {
    Label1 = new QLabel(QStringLiteral("Bitte geben Sie den Suchtext ein"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont titleFont = Label1->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    Label1->setFont(titleFont);
    colourText(Label1, Qt::yellow);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));

    Label2 =
        new QLabel(QStringLiteral("Sie können bei Bedarf auch noch einen zweiten Text eingeben. "
                                  "Es werden dann alle Datensätze aufgelistet, in denen beide "
                                  "Suchstrings enthalten sind!"),
                   this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setWordWrap(true);
    colourText(Label2, Qt::white);

    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));

    Command2 = new QPushButton(QStringLiteral("und los gehts"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command2, &QPushButton::clicked, this, &Eingabetext::startSearch);

    Command3 = new QPushButton(QStringLiteral("Abbrechen"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    connect(Command3, &QPushButton::clicked, this, &Eingabetext::cancel);

    // Enter must start the search from either box, and never reach the boxes themselves.
    submitOnEnter(Text1);
    setFirstBox(Text1);
    submitOnEnter(Text2);
}

// The controls form one centred column; its height follows the font, so that the long
// label wraps into as many lines as it needs.
void Eingabetext::placeControls() {
    placeColumn({{Label1, kLabelWidth, 6},
                 {Text1, kBoxWidth, 12},
                 {Label2, kLabelWidth, 6},
                 {Text2, kBoxWidth, 16}},
                Command2, Command3);
}

void Eingabetext::startSearch() {
    QString first = Text1->text();
    QString second = Text2->text();
    const std::optional<TextSearchInput> input = prepareTextSearch(first, second);
    if (!input) {
        Text1->setFocus();
        return;
    }
    // The user sees the texts as they were searched.
    Text1->setText(first);
    Text2->setText(second);
    dropTopMost();
    searches_.startTextSearch(*input);
    close();
}

void Eingabetext::cancel() {
    dropTopMost();
    // Without this, the next search from a length button would still run over all lengths.
    searches_.textSearchCancelled();
    emit cancelled();
    close();
}

}  // namespace vondrik
