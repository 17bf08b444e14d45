// The introduction window and its demonstrations.
#include "extras/introduction_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "extras/intro_placement.h"
#include "extras/program_icon.h"
#include "ui/platform.h"
#include "ui/twips.h"
#include "ui/widgets/elliptic_dialog.h"
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

// Whether the demonstration of page (0 for none) ticks the combined search's switch.
bool combinedDemonstration(int page) {
    return page != 0 && introPages()[page - 1].combined;
}

}  // namespace

Form1::Form1(Platform& platform, IntroductionHooks hooks)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint),
      platform_(platform),
      hooks_(std::move(hooks)),
      mainWindow_(hooks_.mainWindow),
      combinedSearch_(hooks_.combinedSearch) {
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(programIcon(platform.appFolder));
    keepOutOfTaskList(*this);
    buildControls();
    if (mainWindow_) {
        // Over the result area, clear of the control panel.
        const QRect area = mainWindow_->geometry();
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
    const IntroPage& page = intro_.current();
    const int interrupted = intro_.demonstrationPage();
    intro_.startDemonstration();
    QWidget* main = mainWindow_;
    if (!main) {
        return;
    }
    if (interrupted != intro_.page() && combinedDemonstration(interrupted)) {
        untickCombinedSearch();  // or the next pattern search would be a combined one
    }
    if (page.slidesAway) {
        // Down to the control panel and over to the right edge: the pattern box, the list and
        // the dialogs in the middle stay free.
        const int panelTop = hooks_.panel ? hooks_.panel->mapToGlobal(QPoint(0, 0)).y()
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

void Form1::prepare(const IntroPage& page) {
    closeOtherDialogs(page.target);
    if (page.target == IntroTarget::PatternBox) {
        hooks_.patternBox->clear();
        dialog_ = nullptr;
    } else {
        // A second click finds the dialog open (and its way in locked with the main window);
        // the typing goes on in that dialog.
        dialog_ = hooks_.openDialog(page.target);
        if (!dialog_) {
            hooks_.showDialog(page.target);
            dialog_ = hooks_.openDialog(page.target);
        }
    }
    if (dialog_) {
        placeBesideDialog();
    }
    comeToFront();
}

// A dialog another demonstration left open locks the main window: the length button would
// not open the text search's dialog, and typing into the pattern box would go nowhere. It is
// cancelled as its "Abbrechen" would.
void Form1::closeOtherDialogs(IntroTarget own) {
    for (const IntroTarget kind : {IntroTarget::TextSearchDialog, IntroTarget::AnagramDialog}) {
        if (kind == own) {
            continue;
        }
        if (EllipticDialog* dialog = hooks_.openDialog(kind)) {
            dialog->reject();
        }
    }
}

void Form1::untickCombinedSearch() {
    if (combinedSearch_) {
        combinedSearch_->setChecked(false);
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing ends the demonstration; the switch it ticked goes back as at its end.
    if (combinedDemonstration(intro_.demonstrationPage())) {
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
    const IntroPage& page = introPages()[step.page - 1];
    if (!step.finished) {
        type(page, step.typed);
        return;
    }
    Timer1->stop();
    startSearch(page);
}

void Form1::type(const IntroPage& page, const QString& typed) {
    if (!mainWindow_) {
        return;
    }
    if (page.target != IntroTarget::PatternBox) {
        if (dialog_) {
            dialog_->firstBox()->setText(typed);
        }
        return;
    }
    if (page.combined && combinedSearch_) {
        combinedSearch_->setChecked(true);
    }
    hooks_.patternBox->setText(typed);
}

void Form1::startSearch(const IntroPage& page) {
    if (!mainWindow_) {
        return;
    }
    if (page.target != IntroTarget::PatternBox) {
        // The dialog may have been cancelled meanwhile; then there is nothing to start.
        if (dialog_) {
            dialog_->submit();
        }
        dialog_ = nullptr;
        comeToFront();
        return;
    }
    std::optional<QString> answer;
    if (page.combined) {
        // Unlike the user's own combined search, an empty answer still searches: "**" then
        // matches every meaning.
        const QPointer<Form1> alive(this);
        const QPointer<QCheckBox> combine = combinedSearch_;
        answer = platform_.inputBox.ask(QStringLiteral("Bitte Suchbegriff eingeben."),
                                        QStringLiteral("'Suche kombinieren' ist aktiviert"),
                                        page.answer);
        if (!alive || !mainWindow_) {
            // The window or the program ended while the box was open: no search, and the
            // switch goes back as at the demonstration's end.
            if (combine) {
                combine->setChecked(false);
            }
            return;
        }
    }
    hooks_.runPatternSearch(static_cast<int>(page.example.size()), answer);
    if (page.combined) {
        untickCombinedSearch();
    }
}

void Form1::comeToFront() {
    raise();
    activateWindow();
}

}  // namespace vondrik
