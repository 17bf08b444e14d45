// The help window: the contents list and a search beside the help page, with the usual
// back, forward and home buttons.
#pragma once

#include <QList>
#include <QWidget>
#include <memory>

#include "extras/help_files.h"
#include "extras/help_search.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QUrl;

namespace vondrik {

struct Platform;

class HelpViewer : public QWidget {
    Q_OBJECT
  public:
    // Opens at the document's contents page. A window of its own, owned by the main window.
    HelpViewer(Platform& platform, const HelpDocument& document, QWidget* mainWindow);
    ~HelpViewer() override;

    const HelpDocument& document() const { return document_; }
    const QList<HelpTopic>& topics() const { return topics_; }
    // Shows a topic of the contents list (index into topics()).
    void showTopic(int index);
    // Fills the hit list for the words in the search box.
    void search();
    // Back at the page the help opened with.
    void home();

  private:
    void buildControls();
    void followLink(const QUrl& link);
    void showHit(int row);
    // Selects the contents entry of the page shown.
    void markContents(const QUrl& shown);

    Platform& platform_;
    HelpDocument document_;
    QList<HelpTopic> topics_;
    std::unique_ptr<HelpSearch> search_;  // built at the first search
    QList<int> hitTopics_;                // topic of each row of Fundstellen

    QTabWidget* Register = nullptr;
    QListWidget* Inhalt = nullptr;
    QLineEdit* Suchtext = nullptr;
    QPushButton* Suchen = nullptr;
    QListWidget* Fundstellen = nullptr;
    QTextBrowser* Seite = nullptr;
    QPushButton* Zurueck = nullptr;
    QPushButton* Vor = nullptr;
    QPushButton* Startseite = nullptr;
};

// Menu "Hilfe anzeigen": the preferred help when it exists, else the other one, in the help
// window (one at a time: an open one comes to the front at its start page); with neither, a
// message says what is missing. Returns the window, or nullptr.
HelpViewer* openHelp(Platform& platform, QWidget* mainWindow);

}  // namespace vondrik
