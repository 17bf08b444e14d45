// The help window.
#include "extras/help_viewer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

#include "extras/program_icon.h"
#include "ui/platform.h"

namespace vondrik {
namespace {

QUrl topicUrl(const HelpTopic& topic) {
    QUrl url = QUrl::fromLocalFile(topic.file);
    if (!topic.fragment.isEmpty()) {
        url.setFragment(topic.fragment);
    }
    return url;
}

}  // namespace

HelpViewer::HelpViewer(Platform& platform, const HelpDocument& document, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window),
      platform_(platform),
      document_(document),
      topics_(helpContents(document.contentsPage)) {
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The help's own title; the help comes up at the top left of the screen in a fixed size.
    setWindowTitle(QStringLiteral("Vondrik"));
    setWindowIcon(programIcon(platform.appFolder));
    buildControls();
    resize(800, 600);
    if (document.kind == HelpKind::Pages || !mainWindow) {
        move(1, 1);
    } else {
        move(mainWindow->geometry().center() - rect().center());
    }
    home();
}

HelpViewer::~HelpViewer() = default;

void HelpViewer::buildControls() {
    Inhalt = new QListWidget;
    Inhalt->setObjectName(QStringLiteral("Inhalt"));
    Inhalt->setWordWrap(true);
    Inhalt->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Inhalt->setSpacing(1);
    for (const HelpTopic& topic : topics_) {
        Inhalt->addItem(topic.title);
    }
    // Moving through the list with the arrow keys shows each topic; a click shows the topic
    // again after links have led elsewhere.
    connect(Inhalt, &QListWidget::currentRowChanged, this, &HelpViewer::showTopic);
    connect(Inhalt, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showTopic(Inhalt->row(item)); });

    auto* searchPage = new QWidget;
    Suchtext = new QLineEdit;
    Suchtext->setObjectName(QStringLiteral("Suchtext"));
    Suchtext->setPlaceholderText(QStringLiteral("Suchbegriff"));
    Suchen = new QPushButton(QStringLiteral("&Suchen"));
    Suchen->setObjectName(QStringLiteral("Suchen"));
    Fundstellen = new QListWidget;
    Fundstellen->setObjectName(QStringLiteral("Fundstellen"));
    auto* searchLabel = new QLabel(QStringLiteral("Gesuchte Wörter:"));
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(Suchtext, 1);
    searchRow->addWidget(Suchen);
    auto* searchLayout = new QVBoxLayout(searchPage);
    searchLayout->addWidget(searchLabel);
    searchLayout->addLayout(searchRow);
    searchLayout->addWidget(new QLabel(QStringLiteral("Gefundene Themen:")));
    searchLayout->addWidget(Fundstellen, 1);
    connect(Suchtext, &QLineEdit::returnPressed, this, &HelpViewer::search);
    connect(Suchen, &QPushButton::clicked, this, &HelpViewer::search);
    connect(Fundstellen, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showHit(Fundstellen->row(item)); });
    connect(Fundstellen, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showHit(Fundstellen->row(item)); });

    Register = new QTabWidget;
    Register->setObjectName(QStringLiteral("Register"));
    Register->addTab(Inhalt, QStringLiteral("Inhalt"));
    Register->addTab(searchPage, QStringLiteral("Suchen"));

    Seite = new QTextBrowser;
    Seite->setObjectName(QStringLiteral("Seite"));
    Seite->setOpenLinks(false);
    connect(Seite, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);
    // The signal comes before source() knows the new page: the page is taken from the signal.
    connect(Seite, &QTextBrowser::sourceChanged, this, &HelpViewer::markContents);

    Zurueck = new QPushButton(QStringLiteral("< &Zurück"));
    Zurueck->setObjectName(QStringLiteral("Zurueck"));
    Vor = new QPushButton(QStringLiteral("&Vorwärts >"));
    Vor->setObjectName(QStringLiteral("Vor"));
    Startseite = new QPushButton(QStringLiteral("S&tartseite"));
    Startseite->setObjectName(QStringLiteral("Startseite"));
    Zurueck->setEnabled(false);
    Vor->setEnabled(false);
    connect(Zurueck, &QPushButton::clicked, Seite, &QTextBrowser::backward);
    connect(Vor, &QPushButton::clicked, Seite, &QTextBrowser::forward);
    connect(Startseite, &QPushButton::clicked, this, &HelpViewer::home);
    connect(Seite, &QTextBrowser::backwardAvailable, Zurueck, &QWidget::setEnabled);
    connect(Seite, &QTextBrowser::forwardAvailable, Vor, &QWidget::setEnabled);

    auto* pageSide = new QWidget;
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Zurueck);
    buttons->addWidget(Vor);
    buttons->addWidget(Startseite);
    buttons->addStretch();
    auto* pageLayout = new QVBoxLayout(pageSide);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addLayout(buttons);
    pageLayout->addWidget(Seite, 1);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(Register);
    splitter->addWidget(pageSide);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 520});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(splitter);
}

void HelpViewer::home() {
    Seite->setSource(QUrl::fromLocalFile(document_.contentsPage));
}

void HelpViewer::showTopic(int index) {
    if (index < 0 || index >= topics_.size()) {
        return;
    }
    Seite->setSource(topicUrl(topics_.at(index)));
}

void HelpViewer::followLink(const QUrl& link) {
    const QUrl target = Seite->source().resolved(link);
    if (target.isLocalFile() || target.scheme().isEmpty()) {
        Seite->setSource(target);
    } else {
        // Web pages and mail addresses belong to the programs made for them.
        platform_.urlOpener.open(target);
    }
}

void HelpViewer::search() {
    if (!search_) {
        search_ = std::make_unique<HelpSearch>(topics_);
    }
    Fundstellen->clear();
    hitTopics_.clear();
    const QList<HelpSearch::Hit> hits = search_->find(Suchtext->text());
    for (const HelpSearch::Hit& hit : hits) {
        Fundstellen->addItem(topics_.at(hit.topic).title);
        hitTopics_.append(hit.topic);
    }
    if (hits.isEmpty() && !HelpSearch::words(Suchtext->text()).isEmpty()) {
        auto* none = new QListWidgetItem(QStringLiteral("Kein Thema enthält diese Wörter."));
        none->setFlags(Qt::NoItemFlags);
        Fundstellen->addItem(none);
    }
}

void HelpViewer::showHit(int row) {
    if (row < 0 || row >= hitTopics_.size()) {
        return;
    }
    showTopic(hitTopics_.at(row));
    // The first place that holds a searched word is selected, so the eye finds it.
    const QStringList words = HelpSearch::words(Suchtext->text());
    if (!words.isEmpty()) {
        const QTextCursor anchor = Seite->textCursor();
        if (!Seite->find(words.first())) {
            Seite->setTextCursor(anchor);
        }
    }
}

void HelpViewer::markContents(const QUrl& shown) {
    const QString file = QFileInfo(shown.toLocalFile()).absoluteFilePath();
    int best = -1;
    for (int i = 0; i < topics_.size(); ++i) {
        if (QFileInfo(topics_.at(i).file).absoluteFilePath() != file) {
            continue;
        }
        if (topics_.at(i).fragment == shown.fragment()) {
            best = i;
            break;
        }
        if (best < 0 && topics_.at(i).fragment.isEmpty()) {
            best = i;
        }
    }
    const QSignalBlocker quiet(Inhalt);
    Inhalt->setCurrentRow(best);
}

HelpViewer* openHelp(Platform& platform, QWidget* mainWindow) {
    const HelpDocument document = findHelp(platform.appFolder);
    if (document.kind == HelpKind::None) {
        platform.messageBox.show(
            QStringLiteral("Die Hilfe wurde nicht gefunden. Im Programmordner fehlen die Dateien "
                           "\"Vondrik-Hilfe\\index.html\" und \"vondrik.html\"."),
            QStringLiteral("Hilfe"), MessageIcon::Exclamation);
        return nullptr;
    }
    HelpViewer* viewer = nullptr;
    if (mainWindow) {
        // A closed window waits for its deletion and does not count.
        for (HelpViewer* open : mainWindow->findChildren<HelpViewer*>()) {
            if (open->isVisible()) {
                viewer = open;
            }
        }
    }
    if (viewer && viewer->document().contentsPage != document.contentsPage) {
        viewer->close();
        viewer = nullptr;
    }
    if (!viewer) {
        viewer = new HelpViewer(platform, document, mainWindow);
    } else {
        viewer->home();
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

}  // namespace vondrik
