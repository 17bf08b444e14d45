// The introduction window Form1: four pages that explain the ways of searching, each with a
// demonstration that types its example into the main window's real controls (or into the
// dialog they open), half a second per character, and then starts the real search.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "extras/introduction.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace vondrik {

struct Platform;
class SearchController;

// What the introduction cannot reach through the main window's controls.
struct IntroductionHooks {
    // The main window's search routine for words of `length` letters (acht for 8), run with
    // the search state as it stands, as another window calls it.
    std::function<void(int length)> runPatternSearch;
};

class Form1 : public QWidget {
    Q_OBJECT
  public:
    // A window of its own, on top of all others, so that it stays usable while the dialogs of
    // its demonstrations lock the main window; kept out of the task list. It unloads when
    // closed, and a combined-search demonstration it leaves unfinished unticks its switch.
    Form1(Platform& platform, SearchController& searches, QWidget* mainWindow,
          IntroductionHooks hooks);

    const Introduction& introduction() const { return intro_; }

    // One typing step of a demonstration (Timer1).
    void typingStep();
    // One hop of the "Beispiel ansehen" button (Timer2).
    void hopStep();

    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;  // "Beispiel ansehen"
    QPushButton* Command2 = nullptr;  // ">"
    QPushButton* Command3 = nullptr;  // "beenden"
    QPushButton* Command4 = nullptr;  // "<"
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void showPage();
    void turnPage(bool forward);
    void demonstrate();
    void prepare(int page);
    void closeOtherDialogs(int page);
    void untickCombinedSearch();
    void type(int page, const QString& typed);
    void startSearch(int page);
    void placeBesideDialog();
    void comeToFront();

    Platform& platform_;
    SearchController& searches_;
    QPointer<QWidget> mainWindow_;
    IntroductionHooks hooks_;
    Introduction intro_;
    QPointer<QWidget> dialog_;  // the dialog of pages 2 and 4 while the example goes in
};

}  // namespace vondrik
