// The introduction window Form1: four pages that explain the ways of searching, each with a
// demonstration that types its example into the main window's real controls (or into the
// dialog they open), half a second per character, and then starts the real search.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

#include "extras/introduction.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace vondrik {

struct Platform;
class EllipticDialog;

// What the introduction drives in the main window, handed over by the shell.
struct IntroductionHooks {
    QWidget* mainWindow = nullptr;        // shown when a demonstration starts
    QWidget* panel = nullptr;             // the control panel Frame1: the window slides above it
    QLineEdit* patternBox = nullptr;      // Text1
    QCheckBox* combinedSearch = nullptr;  // Check1
    // The dialog of that kind while it is open, else nullptr.
    std::function<EllipticDialog*(IntroTarget)> openDialog;
    // Opens it as the user does: the length button for eight letters, the menu item budu.
    std::function<void(IntroTarget)> showDialog;
    // Clears the result list and runs the search routine of the table of `length` on the
    // pattern box's text as it stands; with an answer, the combined search's text first
    // becomes that answer (an empty one included).
    std::function<void(int length, const std::optional<QString>& answer)> runPatternSearch;
};

class Form1 : public QWidget {
    Q_OBJECT
  public:
    // A window of its own, on top of all others, so that it stays usable while the dialogs of
    // its demonstrations lock the main window; kept out of the task list. It unloads when
    // closed, and a combined-search demonstration it leaves unfinished unticks its switch.
    Form1(Platform& platform, IntroductionHooks hooks);

    const Introduction& introduction() const { return intro_; }

    // One typing step of a demonstration (Timer1).
    void typingStep();
    // One hop of the "Beispiel ansehen" button (Timer2).
    void hopStep();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void showPage();
    void turnPage(bool forward);
    void demonstrate();
    void prepare(const IntroPage& page);
    void closeOtherDialogs(IntroTarget own);
    void untickCombinedSearch();
    void type(const IntroPage& page, const QString& typed);
    void startSearch(const IntroPage& page);
    void placeBesideDialog();
    void comeToFront();

    Platform& platform_;
    IntroductionHooks hooks_;
    QPointer<QWidget> mainWindow_;
    QPointer<QCheckBox> combinedSearch_;
    Introduction intro_;
    QPointer<EllipticDialog> dialog_;  // the dialog of pages 2 and 4 while the example goes in

    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;  // "Beispiel ansehen"
    QPushButton* Command2 = nullptr;  // ">"
    QPushButton* Command3 = nullptr;  // "beenden"
    QPushButton* Command4 = nullptr;  // "<"
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
};

}  // namespace vondrik
