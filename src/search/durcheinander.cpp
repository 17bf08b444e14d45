// The anagram dialog: an elliptic green window over the main window that takes the letters,
// cleans them and hands them over for the anagram search.
#include "search/durcheinander.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "search/anagram.h"
#include "ui/platform.h"

namespace vondrik {
namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 300;
constexpr int kLabelWidth = 400;
constexpr int kBoxWidth = 300;

}  // namespace

Durcheinander::Durcheinander(Platform& platform, QWidget* mainWindow)
    : EllipticDialog(mainWindow, QStringLiteral("Durcheinander"),
                     QStringLiteral("Buchstabendurcheinander"), Gradient::Green),
      platform_(platform) {
    buildControls();
    resize(kWidth, kHeight);
    placeControls();
    if (mainWindow) {
        move(mainWindow->frameGeometry().center() - QPoint(kWidth / 2, kHeight / 2));
    }
}

void Durcheinander::buildControls() {
    Label1 = new QLabel(QStringLiteral("Geben Sie bitte die Buchstaben ein"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont titleFont = Label1->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    Label1->setFont(titleFont);
    // The top of the window is bright green: dark text reads best there.
    colourText(Label1, QColor(0, 0, 96));

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    QFont boxFont = Text1->font();
    boxFont.setPointSizeF(boxFont.pointSizeF() * 1.4);
    Text1->setFont(boxFont);
    Text1->setAlignment(Qt::AlignCenter);

    Label2 = new QLabel(QStringLiteral("Falls nicht alle Buchstaben bekannt sind, können Sie hier "
                                       "für die Unbekannten, ein Fragezeichen, oder eine Raute "
                                       "eingeben!"),
                        this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setWordWrap(true);
    QFont noteFont = Label2->font();
    noteFont.setBold(true);
    Label2->setFont(noteFont);
    colourText(Label2, Qt::white);

    Command2 = new QPushButton(QStringLiteral("Los geht's"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command2, &QPushButton::clicked, this, &Durcheinander::start);

    Command1 = new QPushButton(QStringLiteral("Abbrechen"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &Durcheinander::cancel);

    // Enter must start the search and never reach the box itself.
    submitOnEnter(Text1);
    setFirstBox(Text1);
}

// The controls form one centred column whose height follows the font, so that the note
// wraps into as many lines as it needs.
void Durcheinander::placeControls() {
    placeColumn({{Label1, kLabelWidth, 8}, {Text1, kBoxWidth, 14}, {Label2, kLabelWidth, 18}},
                Command2, Command1);
}

void Durcheinander::start() {
    QString text = Text1->text();
    const AnagramInput input = prepareAnagramInput(text);
    if (input.verdict == AnagramVerdict::Empty) {
        Text1->setFocus();
        return;
    }
    // The user sees the letters as they were searched.
    Text1->setText(text);
    if (input.verdict == AnagramVerdict::TooShort) {
        return;
    }
    if (input.verdict == AnagramVerdict::TooLong) {
        platform_.messageBox.show(
            QStringLiteral("Es gibt nur Wörter mit höchstens 15 Buchstaben. Bitte geben Sie "
                           "höchstens 15 Zeichen ein, bekannte Buchstaben und Fragezeichen "
                           "zusammen."),
            QStringLiteral("Zu viele Buchstaben"), MessageIcon::Exclamation);
        Text1->setFocus();
        Text1->selectAll();
        return;
    }
    dropTopMost();
    emit lettersChosen(input.letters);
    close();
}

void Durcheinander::cancel() {
    dropTopMost();
    emit cancelled();
    close();
}

}  // namespace vondrik
