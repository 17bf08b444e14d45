// The backup window "Datensicherung": its controls in the designed client area of
// 3255 x 2070 twips, and the two runs turned into progress, messages and closing.
#include "maintenance/backup_window.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "maintenance/dictionary_backup.h"
#include "maintenance/dictionary_restore.h"
#include "ui/platform.h"
#include "ui/twips.h"

namespace vondrik {
namespace {

constexpr int kClientWidth = 3255;
constexpr int kClientHeight = 2070;
constexpr int kLeft = 120;
constexpr int kButtonWidth = 3015;
constexpr int kButtonHeight = 375;
constexpr int kBarTop = 1560;
constexpr int kBarMaximum = 16;

// A button in graphic style: its own background colour, and a paler one with grey text while
// it is disabled, so that a running backup shows at a glance that it cannot be started again.
QPushButton* makeButton(const char* name, const QString& caption, int top, const char* colour,
                        const char* paleColour, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(twipRect(kLeft, top, kButtonWidth, kButtonHeight));
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: black; border: 1px solid "
                       "#404040; border-radius: 2px; }"
                       "QPushButton:pressed { border: 2px inset #404040; }"
                       "QPushButton:focus { border: 1px dotted black; }"
                       "QPushButton:disabled { background-color: %2; color: #606060; "
                       "border-color: #909090; }")
            .arg(QLatin1String(colour), QLatin1String(paleColour)));
    return button;
}

// The captions were laid out for a narrow system font; with a wider one all three get a
// smaller size together instead of losing the ends of "zurückschreiben".
void fitCaptions(std::initializer_list<QPushButton*> buttons) {
    QFont font = (*buttons.begin())->font();
    const auto fits = [&font](const QPushButton* button) {
        return QFontMetrics(font).horizontalAdvance(button->text()) <= button->width() - 8;
    };
    while (!std::all_of(buttons.begin(), buttons.end(), fits) && font.pointSizeF() > 6) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    for (QPushButton* button : buttons) {
        button->setFont(font);
    }
}

}  // namespace

Form3::Form3(DictionarySession& session, Platform& platform, QWidget* mainWindow)
    : QDialog(mainWindow), session_(session), platform_(platform) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Datensicherung"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    buildControls();
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
}

Form3* Form3::load(DictionarySession& session, Platform& platform, QWidget* mainWindow) {
    auto* form = new Form3(session, platform, mainWindow);
    form->show();  // a dialog with a parent is placed centred over it
    form->raise();
    form->activateWindow();
    return form;
}

void Form3::buildControls() {
    Command1 = makeButton("Command1", QStringLiteral("Datenbank sichern"), 120, "#ff0000",
                          "#f0a0a0", this);
    Command3 = makeButton("Command3", QStringLiteral("gesicherte Daten zurückschreiben"), 600,
                          "#ff0000", "#f0a0a0", this);
    Command2 =
        makeButton("Command2", QStringLiteral("ABBRECHEN"), 1080, "#80ff80", "#c8f0c8", this);
    fitCaptions({Command1, Command3, Command2});
    // Enter must not start a backup or restore by accident.
    for (QPushButton* button : {Command1, Command3, Command2}) {
        button->setAutoDefault(false);
    }
    connect(Command1, &QPushButton::clicked, this, &Form3::sichern);
    connect(Command3, &QPushButton::clicked, this, &Form3::zurueckschreiben);
    connect(Command2, &QPushButton::clicked, this, &Form3::reject);

    Bar1 = new QProgressBar(this);
    Bar1->setObjectName(QStringLiteral("Bar1"));
    Bar1->setRange(0, kBarMaximum);
    Bar1->setValue(0);
    Bar1->setTextVisible(false);
    Bar1->setGeometry(twipRect(kLeft, kBarTop, kButtonWidth, kButtonHeight));
    Bar1->hide();

    // Shown over the whole window at the end of a restore, where nothing else needs reading.
    Label2 = new QLabel(QStringLiteral("fertig"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    QFont big = Label2->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    Label2->setFont(big);
    Label2->setAutoFillBackground(true);
    Label2->setGeometry(0, 0, twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    Label2->hide();
}

void Form3::reject() {
    if (!running_) {
        QDialog::reject();
    }
}

void Form3::setRunning(bool running) {
    running_ = running;
    for (QPushButton* button : {Command1, Command3, Command2}) {
        button->setEnabled(!running);
    }
}

// Called by the runs between their steps: the bar moves and the window stays responsive.
void Form3::showProgress(int value) {
    Bar1->setValue(value);
    Bar1->show();
    QCoreApplication::processEvents();
}

void Form3::reportFailure(const QString& message) {
    platform_.messageBox.show(message, windowTitle(), MessageIcon::Critical);
    Bar1->hide();
    Bar1->setValue(0);
    setRunning(false);
}

void Form3::sichern() {
    if (running_) {
        return;
    }
    setRunning(true);
    const BackupResult result =
        backupDictionary(session_, platform_.appFolder, [this](int value) { showProgress(value); });
    if (!result.ok) {
        reportFailure(result.message);
        return;
    }
    Bar1->setValue(kBarMaximum);
    Bar1->hide();
    running_ = false;
    accept();
}

void Form3::zurueckschreiben() {
    if (running_) {
        return;
    }
    setRunning(true);
    const RestoreResult result = restoreDictionary(session_, platform_.appFolder,
                                                   [this](int value) { showProgress(value); });
    switch (result.status) {
        case RestoreStatus::NoBackup:
            platform_.messageBox.show(result.message, result.title);
            setRunning(false);
            return;
        case RestoreStatus::Failed:
            reportFailure(result.message);
            return;
        case RestoreStatus::Done:
            break;
    }
    if (!result.message.isEmpty()) {  // the dictionary is back; only the counter is not
        platform_.messageBox.show(result.message, windowTitle(), MessageIcon::Exclamation);
    }
    Label2->show();
    Label2->repaint();
    running_ = false;
    accept();
}

}  // namespace vondrik
