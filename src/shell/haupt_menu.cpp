// The main window's menu bar: every item with its caption, and the items that open the
// search dialogs, the statistics and the editor.
#include <QMenuBar>

#include <QGroupBox>
#include <QLineEdit>

#include "maintenance/erweitern.h"
#include "search/durcheinander.h"
#include "search/statistics_frame.h"
#include "shell/haupt.h"

namespace vondrik {
namespace {

struct MenuEntry {
    const char16_t* name;
    const char16_t* caption;
    int depth;  // 0 = menu bar, 1 = in a menu, 2 = in a submenu
    bool hasChildren;
};

// The menu as the user sees it, top to bottom.
constexpr MenuEntry kMenu[] = {
    {u"einstell", u"Einstellungen", 0, true},
    {u"notebook", u"Notebook-Anpassung", 1, false},
    {u"Funds", u"Farben und Schriftart", 1, true},
    {u"hfarb", u"Hintergrundfarbe", 2, false},
    {u"tfarb", u"Textfarbe", 2, false},
    {u"schrift", u"Schriftart", 2, false},
    {u"standard", u"Standardardeinstellung &wiederherstellen", 2, false},
    {u"Hilfetext", u"zusäztliche Hilfetexte", 1, true},
    {u"akti", u"aktivieren", 2, false},
    {u"deakti", u"deaktivieren", 2, false},
    {u"higru", u"Hintergrundbild", 1, false},
    {u"töne", u"Sound", 1, false},
    {u"kaestchen", u"Umlaute als AE, OE, UE und ß als SS zählen", 1, false},
    {u"Daten", u"Daten", 0, true},
    {u"datarb", u"Daten bearbeiten oder hinzufügen", 1, false},
    {u"sic", u"Sicherung", 1, false},
    {u"daupaus", u"Datenupdate", 1, false},
    {u"anzdasa", u"aktuelle Datenbankgrösse", 1, false},
    {u"budu", u"&Buchstabendurcheinander", 0, false},
    {u"eirä", u"eigene Rätsel erstellen", 0, true},
    {u"pyra", u"Pyramidenrätsel", 1, false},
    {u"schneck", u"Schneckenrätsel", 1, false},
    {u"trepp", u"Treppenrätsel", 1, false},
    {u"spielen", u"&Rätselspiel", 0, false},
    {u"ext", u"Extras", 0, true},
    {u"wecker", u"Wecker stellen", 1, false},
    {u"geburt", u"Geburtstagerinnerung", 1, true},
    {u"gebbe", u"bearbeiten", 2, false},
    {u"geban", u"an", 2, false},
    {u"gebaus", u"aus", 2, false},
    {u"Hilfe", u"Hilfe", 0, true},
    {u"info", u"INFO", 1, false},
    {u"hian", u"Hilfe anzeigen", 1, false},
    {u"kleif", u"kleine Einführung", 1, false},
    {u"enden", u"Ende", 0, false},
};

}  // namespace

void Haupt::buildMenu() {
    QMenu* parents[3] = {nullptr, nullptr, nullptr};
    for (const MenuEntry& entry : kMenu) {
        const QString name = QString::fromUtf16(entry.name);
        const QString caption = QString::fromUtf16(entry.caption);
        QMenu* parent = entry.depth == 0 ? nullptr : parents[entry.depth - 1];
        if (entry.hasChildren) {
            QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            parents[entry.depth] = menu;
            continue;
        }
        QAction* action = parent ? parent->addAction(caption) : menuBar()->addAction(caption);
        action->setObjectName(name);
    }
    menuAction(QStringLiteral("geban"))->setCheckable(true);
    menuAction(QStringLiteral("gebaus"))->setCheckable(true);
    menuAction(QStringLiteral("kaestchen"))->setCheckable(true);
    connect(menuAction(QStringLiteral("enden")), &QAction::triggered, this, &QWidget::close);
    connectPreferenceMenu();
    connect(menuAction(QStringLiteral("budu")), &QAction::triggered, this, [this] {
        anagramDialog_ = new Durcheinander(platform_, this);
        connect(anagramDialog_, &Durcheinander::lettersChosen, this,
                [this](const QString& letters) {
                    Text17->setText(letters);
                    anagramm();
                });
        connect(anagramDialog_, &Durcheinander::cancelled, Frame2, &QWidget::show);
        anagramDialog_->show();
    });
    connect(menuAction(QStringLiteral("anzdasa")), &QAction::triggered, this,
            [this] { Frame7->anzdasa(Frame1->y()); });
    connect(menuAction(QStringLiteral("datarb")), &QAction::triggered, this,
            [this] { Erweitern::open(session_, platform_, this); });
    connectBackupMenu();
    connectGameMenu();
    connectExtrasMenu();
    connectPuzzleMenu();
    connectUpdateMenu();
    connectHelpMenu();
}

QAction* Haupt::menuAction(const QString& name) const {
    for (QAction* action : menuBar()->findChildren<QAction*>()) {
        if (action->objectName() == name) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace vondrik
