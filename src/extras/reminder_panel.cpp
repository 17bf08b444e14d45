// The reminder editor panel: its controls and the four buttons.
#include "extras/reminder_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ui/platform.h"

namespace vondrik {
namespace {

const QString kTitle = QStringLiteral("Geburtstagerinnerung");

}  // namespace

ReminderPanel::ReminderPanel(Platform& platform, QWidget* parent)
    : QGroupBox(kTitle, parent), platform_(platform), list_(platform.appFolder) {
    setObjectName(QStringLiteral("Frame5"));
    setGeometry(270, 50, 440, 282);
    // The panel lies over the result list and the background picture.
    setAutoFillBackground(true);
    buildControls();
    hide();
}

void ReminderPanel::buildControls() {
    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setGeometry(10, 26, 420, 140);
    QPalette yellow = List2->palette();
    yellow.setColor(QPalette::Base, QColor(255, 255, 160));
    yellow.setColor(QPalette::Text, Qt::black);
    List2->setPalette(yellow);

    const QString headings[2] = {QStringLiteral("Datum"), QStringLiteral("Anlass")};
    const int lefts[2] = {10, 100};
    for (int i = 0; i < 2; ++i) {
        Label8[i] = new QLabel(headings[i], this);
        Label8[i]->setObjectName(QStringLiteral("Label8_%1").arg(i));
        Label8[i]->setGeometry(lefts[i], 174, 120, 20);
    }
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(10, 196, 80, 28);
    Text3 = new QLineEdit(this);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setGeometry(100, 196, 330, 28);

    const QString captions[4] = {QStringLiteral("hinzufügen"), QStringLiteral("löschen"),
                                 QStringLiteral("speichern"), QStringLiteral("Fertig")};
    std::array<QPushButton*, 4> buttons{};
    for (int i = 0; i < 4; ++i) {
        buttons[i] = new QPushButton(captions[i], this);
        buttons[i]->setObjectName(QStringLiteral("Command%1").arg(4 + i));
        buttons[i]->setGeometry(10 + i * 106, 238, 102, 32);
    }
    Command4 = buttons[0];
    Command5 = buttons[1];
    Command6 = buttons[2];
    Command7 = buttons[3];
    connect(Command4, &QPushButton::clicked, this, [this] { addEntry(); });
    connect(Command5, &QPushButton::clicked, this, [this] { deleteEntry(); });
    connect(Command6, &QPushButton::clicked, this, [this] { saveList(); });
    connect(Command7, &QPushButton::clicked, this, [this] { finish(); });
}

void ReminderPanel::open() {
    show();
    raise();
    const QString problem = list_.open();
    showLines();
    if (!problem.isEmpty()) {
        platform_.messageBox.show(problem, kTitle, MessageIcon::Exclamation);
    }
    Text2->setFocus();
}

void ReminderPanel::showLines() {
    List2->clear();
    List2->addItems(list_.lines());
}

void ReminderPanel::readyForNext() {
    Text2->clear();
    Text3->clear();
    Text2->setFocus();
}

void ReminderPanel::addEntry() {
    if (const auto refusal = list_.add(Text2->text(), Text3->text())) {
        platform_.messageBox.show(refusal->text, refusal->title, MessageIcon::Exclamation);
        return;
    }
    List2->addItem(list_.lines().last());
    readyForNext();
}

void ReminderPanel::deleteEntry() {
    const QList<QListWidgetItem*> selected = List2->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    const int row = List2->row(selected.first());
    if (!list_.remove(row)) {
        return;
    }
    delete List2->takeItem(row);
    // Without a selection a second click deletes nothing, instead of the next entry.
    List2->setCurrentRow(-1);
    List2->clearSelection();
    readyForNext();
}

void ReminderPanel::saveList() {
    const QString problem = list_.save();
    if (!problem.isEmpty()) {
        platform_.messageBox.show(problem, kTitle, MessageIcon::Exclamation);
    }
}

void ReminderPanel::finish() {
    if (list_.changes() != 0) {
        const MessageAnswer answer = platform_.messageBox.show(
            QStringLiteral("Sie haben Daten geändert oder hinzugefügt, aber diese Änderungen "
                           "noch nicht gespeichert. Wollen Sie fortfahren ohne zu speichern. "
                           "Ihre Änderungen sind dann allerdings verloren! "),
            QStringLiteral("Vorsicht! Damit ihre Arbeit nicht umsonst war."), MessageIcon::None,
            MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes) {
            return;
        }
    }
    hide();
}

}  // namespace vondrik
