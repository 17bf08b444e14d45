// Main window: controls, their designed places, keyboard handling and closing.
#include "shell/haupt.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "maintenance/erweitern.h"
#include "search/durcheinander.h"
#include "search/eingabetext.h"
#include "search/result_list_actions.h"
#include "search/statistics_frame.h"
#include "ui/widgets/result_list.h"

namespace vondrik {
namespace {

// Designed client size in pixels; the load sequence scales everything to the screen width.
constexpr int kDesignWidth = 1000;
constexpr int kPanelTop = 470;
constexpr int kPanelHeight = 215;

constexpr Qt::WindowStates kEnlarged = Qt::WindowMaximized | Qt::WindowFullScreen;

const char16_t* const kLengthCaptions[15] = {u"&2", u"&3", u"&4", u"&5",  u"&6",
                                             u"&7", u"&8", u"&9", u"&10", u"11",
                                             u"12", u"13", u"14", u"15",  u"alle"};

}  // namespace

Haupt::Haupt(Platform& platform, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      searches_(session_),
      prefs_(Preferences::defaults(platform.appFolder)),
      extras_(platform.appFolder, platform.clock, platform.sound) {
    setObjectName(QStringLiteral("Haupt"));
    setWindowTitle(QStringLiteral("Vondrik 2000"));
    // Fitted to the screen once at load, the window keeps its size: no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    buildControls();
    buildMenu();
    connectSearches();
    // Function keys reach the window before its controls, the panels' included.
    for (QWidget* w : client_->findChildren<QWidget*>()) {
        w->installEventFilter(this);
    }
    client_->installEventFilter(this);
    resize(kDesignWidth, kPanelTop + kPanelHeight + menuBar()->sizeHint().height());
}

Haupt::~Haupt() {
    for (int id : fontIds_) {
        QFontDatabase::removeApplicationFont(id);
    }
}

void Haupt::buildControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    client_->resize(kDesignWidth, kPanelTop + kPanelHeight);

    Image1 = new QLabel(client_);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setGeometry(0, 0, kDesignWidth, kPanelTop);

    List1 = new ResultList(client_);
    List1->setObjectName(QStringLiteral("List1"));
    QFont listFont(QStringLiteral("Courier New"));
    listFont.setStyleHint(QFont::TypeWriter);
    listFont.setPointSizeF(11.25);
    listFont.setBold(true);
    List1->setFont(listFont);
    List1->setGeometry(0, 0, kDesignWidth - 7, kPanelTop + 3);
    List1->hide();

    Frame1 = new QGroupBox(client_);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(0, kPanelTop, kDesignWidth, kPanelHeight);

    Label3 = new QLabel(
        QStringLiteral("Geben Sie hier die bekannten Buchstaben ein. Für alle noch unbekannten "
                       "Buchstaben geben Sie bitte eine  Raute (#) ein."),
        Frame1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Label3->setGeometry(12, 10, 420, 58);

    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMaxLength(15);
    QFont patternFont = Text1->font();
    patternFont.setPointSizeF(20.25);
    Text1->setFont(patternFont);
    Text1->setGeometry(445, 12, 330, 48);
    Text1->installEventFilter(this);

    Check1 = new QCheckBox(QStringLiteral("&Suche kombinieren"), Frame1);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(790, 22, 200, 28);

    Label1 = new QLabel(QStringLiteral("Nutzen Sie diese Schalter für die Textsuche."), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(12, 78, 520, 22);

    for (int i = 0; i < 15; ++i) {
        auto* button = new QPushButton(QString::fromUtf16(kLengthCaptions[i]), Frame1);
        button->setObjectName(QStringLiteral("Command1_%1").arg(i));
        const int row = i < 8 ? 0 : 1;
        const int column = i < 8 ? i : i - 8;
        const int width = i == 14 ? 80 : 58;
        button->setGeometry(12 + column * 66, 106 + row * 48, width, 40);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this, [this, i] { onLengthButton(i); });
        Command1[i] = button;
    }

    Frame2 = new QGroupBox(QStringLiteral("Treffer"), Frame1);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(790, 70, 195, 130);
    Frame2->hide();
    Label2 = new QLabel(Frame2);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    QFont countFont = Label2->font();
    countFont.setPointSizeF(30);
    Label2->setFont(countFont);
    Label2->setGeometry(8, 28, 179, 90);

    // Work field of the anagram search; never shown.
    Text17 = new QLineEdit(client_);
    Text17->setObjectName(QStringLiteral("Text17"));
    Text17->hide();

    Frame7 = new StatisticsFrame(session_, platform_, client_);

    buildPreferencePanels();

    listActions = new ResultListActions(*List1, platform_);
    connect(listActions, &ResultListActions::editRequested, this, &Haupt::openEditorOn);
}

bool Haupt::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F10) {
            onFunctionKey(key->key(), key->modifiers());
            return true;
        }
    }
    if (watched == Text1) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                onPatternEnter();
                return true;  // swallowed: no character, no default button
            }
        } else if (event->type() == QEvent::MouseButtonPress) {
            const QString text = Text1->text();
            if (text == u"Guten Morgen" || text == u"Guten Tag" || text == u"Guten Abend") {
                Text1->clear();
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Haupt::onFunctionKey(int key, Qt::KeyboardModifiers modifiers) {
    const bool shifted = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const int n = key - Qt::Key_F1 + 1;  // 1..10
    int index = -1;
    if (n == 1) {
        index = shifted ? 9 : -1;
    } else if (n <= 5) {
        index = shifted ? n + 8 : n - 2;
    } else {
        index = n - 2;
    }
    if (index >= 0) {
        Command1[index]->click();
    }
}

void Haupt::changeEvent(QEvent* event) {
    // Back from a dialog that locked the window, or activated again: the next pattern can
    // be typed at once.
    const bool back = (event->type() == QEvent::ActivationChange && isActiveWindow()) ||
                      (event->type() == QEvent::EnabledChange && isEnabled());
    if (back && Text1) {
        selectPattern();
    }
    // A window manager may maximise a fixed-size window all the same (by a key or another
    // program); the controls would not follow, so the window goes back to its size.
    if (event->type() == QEvent::WindowStateChange && (windowState() & kEnlarged)) {
        QTimer::singleShot(0, this, [this] { setWindowState(windowState() & ~kEnlarged); });
    }
    QMainWindow::changeEvent(event);
}

void Haupt::selectPattern() {
    Text1->setFocus();
    Text1->selectAll();
}

void Haupt::onLengthButton(int index) {
    searches_.chooseLength(index);
    textDialog_ = new Eingabetext(searches_, this);
    connect(textDialog_, &Eingabetext::cancelled, Frame2, &QWidget::show);
    textDialog_->show();
}

void Haupt::openEditorOn(const QString& word, const QString& meaning) {
    Erweitern::open(session_, platform_, this)->showEntry(word, meaning);
}

void Haupt::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closed_ = true;
        for (int id : fontIds_) {
            QFontDatabase::removeApplicationFont(id);
        }
        fontIds_.clear();
        writeSettings();
        session_.close();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != this && w->isVisible()) {
                w->close();
            }
        }
    }
    event->accept();
}

}  // namespace vondrik
