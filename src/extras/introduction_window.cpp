// The introduction window and its demonstrations.
#include "extras/introduction_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "dictionary/cleaning.h"
#include "extras/intro_placement.h"
#include "extras/main_window_controls.h"
#include "extras/program_icon.h"
#include "search/search_controller.h"
#include "ui/platform.h"
#include "ui/twips.h"
#include "ui/widgets/elliptic_dialog.h"
#include "ui/widgets/result_list.h"
#include "ui/widgets/task_list.h"

namespace vondrik {
namespace {

constexpr int kTypingMs = 500;
constexpr int kHopMs = 300;
constexpr int kWidth = 450;
constexpr int kMargin = 14;
constexpr int kDemoButtonWidth = 180;
constexpr int kButtonHeight = 32;
constexpr int kPageButtonWidth = 48;
constexpr int kCloseButtonWidth = 120;

QLineEdit* textBox(QWidget* window) {
    return window ? window->findChild<QLineEdit*>(QStringLiteral("Text1")) : nullptr;
}

}  // namespace

Form1::Form1(Platform& platform, SearchController& searches, QWidget* mainWindow,
             IntroductionHooks hooks)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint),
      platform_(platform),
      searches_(searches),
      mainWindow_(mainWindow),
      hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(programIcon(platform.appFolder));
    keepOutOfTaskList(*this);
    buildControls();
    if (mainWindow) {
        // Over the result area, clear of the control panel.
        const QRect area = mainWindow->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + area.height() / 6);
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTypingMs);
    connect(Timer1, &QTimer::timeout, this, &Form1::typingStep);

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(kHopMs);
    connect(Timer2, &QTimer::timeout, this, &Form1::hopStep);

    showPage();
    Timer2->start();
}

void Form1::buildControls() {
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A pale note card: the pages differ in length, and the card keeps the shorter ones from
    // looking cut short.
    Label1->setFrameShape(QFrame::StyledPanel);
    Label1->setMargin(8);
    Label1->setAutoFillBackground(true);
    QPalette card = Label1->palette();
    card.setColor(QPalette::Window, QColor(255, 251, 222));
    card.setColor(QPalette::WindowText, QColor(20, 20, 20));
    Label1->setPalette(card);
    QFont textFont = Label1->font();
    textFont.setPointSizeF(10.5);
    Label1->setFont(textFont);
    // As tall as the longest page needs, so no page is cut off.
    const int textWidth = kWidth - 2 * kMargin;
    int textHeight = 0;
    for (const IntroPage& page : introPages()) {
        Label1->setText(page.text);
        textHeight = std::max(textHeight, Label1->heightForWidth(textWidth));
    }
    Label1->setGeometry(kMargin, kMargin, textWidth, textHeight);

    Command1 = new QPushButton(QStringLiteral("Beispiel ansehen"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    QFont demoFont = Command1->font();
    demoFont.setBold(true);
    Command1->setFont(demoFont);
    const int demoTop = kMargin + textHeight + 16;
    Command1->setGeometry((kWidth - kDemoButtonWidth) / 2, demoTop, kDemoButtonWidth,
                          kButtonHeight);
    connect(Command1, &QPushButton::clicked, this, &Form1::demonstrate);

    // Room for the button's hop below it.
    const int rowTop = demoTop + kButtonHeight + 22;
    Command4 = new QPushButton(QStringLiteral("<"), this);
    Command4->setObjectName(QStringLiteral("Command4"));
    Command4->setGeometry(kMargin, rowTop, kPageButtonWidth, kButtonHeight);
    connect(Command4, &QPushButton::clicked, this, [this] { turnPage(false); });

    Command2 = new QPushButton(QStringLiteral(">"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(kWidth - kMargin - kPageButtonWidth, rowTop, kPageButtonWidth,
                          kButtonHeight);
    connect(Command2, &QPushButton::clicked, this, [this] { turnPage(true); });

    Command3 = new QPushButton(QStringLiteral("beenden"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setGeometry((kWidth - kCloseButtonWidth) / 2, rowTop, kCloseButtonWidth,
                          kButtonHeight);
    connect(Command3, &QPushButton::clicked, this, &QWidget::close);

    setFixedSize(kWidth, rowTop + kButtonHeight + kMargin);
}

void Form1::showPage() {
    setWindowTitle(intro_.current().caption);
    Label1->setText(intro_.current().text);
    Command4->setVisible(intro_.previousVisible());
    Command2->setVisible(intro_.nextVisible());
}

void Form1::turnPage(bool forward) {
    if (forward) {
        intro_.next();
    } else {
        intro_.previous();
    }
    Timer2->start();
    showPage();
}

void Form1::hopStep() {
    Command1->move(Command1->x(), Command1->y() + twipsToPixels(intro_.hop()));
}

void Form1::demonstrate() {
    Timer2->stop();
    const int page = intro_.page();
    const int interrupted = intro_.demonstrationPage();
    intro_.startDemonstration();
    QWidget* main = mainWindow_;
    if (!main) {
        return;
    }
    if (interrupted == 3 && page != 3) {
        untickCombinedSearch();  // or the next pattern search would be a combined one
    }
    if (page != 2) {
        // Down to the control panel and over to the right edge: the pattern box, the list and
        // the dialogs in the middle stay free.
        const auto* panel = mainWindowControl<QWidget>(main, QStringLiteral("Frame1"));
        const int panelTop = panel ? panel->mapToGlobal(QPoint(0, 0)).y()
                                   : main->geometry().y() + main->geometry().height();
        const QRect mainFrame = main->frameGeometry();
        move(slideOutOfTheWay(frameGeometry(), panelTop, mainFrame.x() + mainFrame.width()));
    }
    if (main->isMinimized()) {
        main->showNormal();
    }
    main->show();
    prepare(page);
    Timer1->start();
}

void Form1::prepare(int page) {
    QWidget* main = mainWindow_;
    closeOtherDialogs(page);
    switch (page) {
        case 1:
        case 3:
            if (QLineEdit* box = mainWindowControl<QLineEdit>(main, QStringLiteral("Text1"))) {
                box->clear();
            }
            dialog_ = nullptr;
            break;
        case 2:
            // A second click finds the dialog open and the length button locked with the
            // main window; the typing goes on in that dialog.
            if (auto* button = mainWindowControl<QPushButton>(main, QStringLiteral("Command1_6"))) {
                button->click();
            }
            dialog_ = openChildWindow(main, QStringLiteral("Eingabetext"));
            break;
        case 4:
            dialog_ = openChildWindow(main, QStringLiteral("Durcheinander"));
            if (!dialog_) {
                if (QAction* item = mainWindowMenuItem(main, QStringLiteral("budu"))) {
                    item->trigger();
                }
                dialog_ = openChildWindow(main, QStringLiteral("Durcheinander"));
            }
            break;
        default:
            break;
    }
    if (dialog_) {
        placeBesideDialog();
    }
    comeToFront();
}

// A dialog another demonstration left open locks the main window: the length button would
// not open the text search's dialog, and typing into the pattern box would go nowhere. It is
// cancelled as its "Abbrechen" would.
void Form1::closeOtherDialogs(int page) {
    const QString own = page == 2   ? QStringLiteral("Eingabetext")
                        : page == 4 ? QStringLiteral("Durcheinander")
                                    : QString();
    for (const QString& name : {QStringLiteral("Eingabetext"), QStringLiteral("Durcheinander")}) {
        if (name == own) {
            continue;
        }
        if (auto* dialog = qobject_cast<EllipticDialog*>(openChildWindow(mainWindow_, name))) {
            dialog->reject();
        }
    }
    if (dialog_ && dialog_->objectName() != own) {
        dialog_ = nullptr;
    }
}

void Form1::untickCombinedSearch() {
    if (auto* combine = mainWindowControl<QCheckBox>(mainWindow_, QStringLiteral("Check1"))) {
        combine->setChecked(false);
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing ends the demonstration; the switch it ticked goes back as at its end.
    if (intro_.demonstrationPage() == 3) {
        untickCombinedSearch();
    }
    Timer1->stop();
    QWidget::closeEvent(event);
}

void Form1::placeBesideDialog() {
    const QScreen* screen = dialog_->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    move(besideDialog(frameGeometry(), dialog_->frameGeometry(), area));
}

void Form1::typingStep() {
    const Introduction::TypingStep step = intro_.step();
    if (step.page == 0) {
        Timer1->stop();
        return;
    }
    platform_.sound.play(platform_.appFolder.appPath(u"ton/12.wav"));
    if (!step.finished) {
        type(step.page, step.typed);
        return;
    }
    Timer1->stop();
    startSearch(step.page);
}

void Form1::type(int page, const QString& typed) {
    QWidget* main = mainWindow_;
    if (page == 2 || page == 4) {
        if (QLineEdit* box = textBox(dialog_)) {
            box->setText(typed);
        }
        return;
    }
    if (page == 3) {
        if (auto* combine = mainWindowControl<QCheckBox>(main, QStringLiteral("Check1"))) {
            combine->setChecked(true);
        }
    }
    if (QLineEdit* box = mainWindowControl<QLineEdit>(main, QStringLiteral("Text1"))) {
        box->setText(typed);
    }
}

void Form1::startSearch(int page) {
    QWidget* main = mainWindow_;
    if (!main) {
        return;
    }
    if (page == 2 || page == 4) {
        // The dialog may have been cancelled meanwhile; then there is nothing to start.
        if (dialog_) {
            if (auto* start = dialog_->findChild<QPushButton*>(QStringLiteral("Command2"))) {
                start->click();
            }
        }
        dialog_ = nullptr;
        comeToFront();
        return;
    }
    SearchState& state = searches_.state();
    if (page == 3) {
        // Unlike the user's own combined search, an empty answer still searches: "**" then
        // matches every meaning.
        const QPointer<Form1> alive(this);
        const QPointer<QCheckBox> combine =
            mainWindowControl<QCheckBox>(main, QStringLiteral("Check1"));
        const QString answer = platform_.inputBox.ask(
            QStringLiteral("Bitte Suchbegriff eingeben."),
            QStringLiteral("'Suche kombinieren' ist aktiviert"), introPages()[page - 1].answer);
        if (!alive || !mainWindow_) {
            // The window or the program ended while the box was open: no search, and the
            // switch goes back as at the demonstration's end.
            if (combine) {
                combine->setChecked(false);
            }
            return;
        }
        state.kombitext = u'*' + cleanFreeText(answer) + u'*';
    }
    auto* box = mainWindowControl<QLineEdit>(main, QStringLiteral("Text1"));
    auto* list = mainWindowControl<ResultList>(main, QStringLiteral("List1"));
    auto* combine = mainWindowControl<QCheckBox>(main, QStringLiteral("Check1"));
    const int length = static_cast<int>(introPages()[page - 1].example.size());
    if (page == 1 && list) {
        list->clear();
    }
    state.ei = box ? box->text() : QString();
    if (page == 3 && list) {
        list->clear();
    }
    if (hooks_.runPatternSearch) {
        hooks_.runPatternSearch(length);
    }
    if (page == 3 && combine) {
        combine->setChecked(false);
    }
}

void Form1::comeToFront() {
    raise();
    activateWindow();
}

}  // namespace vondrik
