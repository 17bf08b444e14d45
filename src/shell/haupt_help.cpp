// The main window's help menu: the about box, the help, the introduction and the additional
// tooltips, and the program icon on the main window. The introduction and the tooltips get
// the controls they drive handed over here.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "extras/about_window.h"
#include "extras/help_viewer.h"
#include "extras/introduction_window.h"
#include "extras/program_icon.h"
#include "search/durcheinander.h"
#include "search/eingabetext.h"
#include "shell/haupt.h"
#include "ui/widgets/open_once.h"
#include "ui/widgets/result_list.h"

namespace vondrik {

TooltipTargets Haupt::tooltipTargets() const {
    TooltipTargets targets{Text1, Label3, Label2, Check1, {}};
    std::copy(Command1.begin(), Command1.end(), targets.lengthButtons.begin());
    return targets;
}

EllipticDialog* Haupt::openSearchDialog(IntroTarget kind) const {
    EllipticDialog* dialog = kind == IntroTarget::TextSearchDialog
                                 ? static_cast<EllipticDialog*>(textDialog_.data())
                                 : static_cast<EllipticDialog*>(anagramDialog_.data());
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

IntroductionHooks Haupt::introductionHooks() {
    IntroductionHooks hooks;
    hooks.mainWindow = this;
    hooks.panel = Frame1;
    hooks.patternBox = Text1;
    hooks.combinedSearch = Check1;
    hooks.openDialog = [this](IntroTarget kind) { return openSearchDialog(kind); };
    hooks.showDialog = [this](IntroTarget kind) {
        if (kind == IntroTarget::TextSearchDialog) {
            Command1[6]->click();  // the length button for eight letters
        } else {
            menuAction(QStringLiteral("budu"))->trigger();
        }
    };
    hooks.runPatternSearch = [this](int length, const std::optional<QString>& answer) {
        if (answer) {
            searches_.setCombinedText(*answer);
        }
        List1->clear();
        searches_.musterSuche(length, Text1->text(), Check1->isChecked());
        selectPattern();
    };
    return hooks;
}

void Haupt::connectHelpMenu() {
    const QIcon icon = programIcon(platform_.appFolder);
    if (!icon.isNull()) {
        setWindowIcon(icon);
        QApplication::setWindowIcon(icon);
    }
    // Lets the desktop match the windows with the program's menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("vondrik2000"));
    connect(menuAction(QStringLiteral("info")), &QAction::triggered, this,
            [this] { openOnce<Information>(this, platform_); });
    connect(menuAction(QStringLiteral("hian")), &QAction::triggered, this,
            [this] { openHelp(platform_, this); });
    connect(menuAction(QStringLiteral("kleif")), &QAction::triggered, this,
            [this] { openOnceBeside<Form1>(this, platform_, introductionHooks()); });
    connect(menuAction(QStringLiteral("akti")), &QAction::triggered, this,
            [this] { setAdditionalTooltips(tooltipTargets(), true); });
    connect(menuAction(QStringLiteral("deakti")), &QAction::triggered, this,
            [this] { setAdditionalTooltips(tooltipTargets(), false); });
}

}  // namespace vondrik
