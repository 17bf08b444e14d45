// The main window: pattern box, length buttons, result list and the menu. It owns the
// dictionary session and the searches, creates every other window and wires them together.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QString>
#include <array>
#include <functional>

#include "dictionary/dictionary_session.h"
#include "extras/additional_tooltips.h"
#include "extras/extras_controller.h"
#include "extras/introduction_window.h"
#include "search/search_controller.h"
#include "shell/preferences.h"
#include "ui/platform.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QAction;
class QTimer;

namespace vondrik {

class ResultList;
class StatisticsFrame;
class PictureChooser;
class SoundPanel;
class ResultListActions;
class Eingabetext;
class Durcheinander;
class EllipticDialog;

class Haupt : public QMainWindow {
    Q_OBJECT
  public:
    explicit Haupt(Platform& platform, QWidget* parent = nullptr);
    ~Haupt() override;

    // The load sequence, fitting the window to the available area of its screen. False when
    // the program must end at once (no database file).
    bool load();
    // The same, fitting the window to `area` (screen pixels).
    bool load(const QRect& area);

    DictionarySession& session() { return session_; }
    SearchController& searches() { return searches_; }
    const Preferences& preferences() const { return prefs_; }

    // The list font as designed (after scaling), the default of the font preference.
    QString designedFontName() const { return designedFontName_; }
    double designedFontSize() const { return designedFontSize_; }

    // Notebook base values in twips, measured at the end of loading.
    qint16 listBaseHeight() const { return listBaseHeight_; }
    qint16 panelBaseTop() const { return panelBaseTop_; }

    QAction* menuAction(const QString& name) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void buildMenu();
    void connectSearches();
    void connectBackupMenu();
    void connectGameMenu();
    void connectPuzzleMenu();
    void connectUpdateMenu();
    // Reminders and the alarm clock: panels, timers and menu items (haupt_extras.cpp).
    void connectExtrasMenu();
    void startReminderTimer();
    // Starts and stops the four timers as the extras controller says.
    void followExtras();
    // Help menu: about box, help, introduction, additional tooltips (haupt_help.cpp).
    void connectHelpMenu();
    TooltipTargets tooltipTargets() const;
    IntroductionHooks introductionHooks();
    EllipticDialog* openSearchDialog(IntroTarget kind) const;
    void runLoadStep(const std::function<void()>& step);
    void addFont(const char16_t* file, QWidget* target);
    void onPatternEnter();
    void onLengthButton(int index);
    void onFunctionKey(int key, Qt::KeyboardModifiers modifiers);
    void openEditorOn(const QString& word, const QString& meaning);
    void writeGreeting();
    void readNotebookFile();
    void loadBackgroundPicture();
    // Preferences: panels, menu items, and the settings file (haupt_preferences.cpp).
    void buildPreferencePanels();
    void connectPreferenceMenu();
    void applyListLook();
    void readSettings();
    void writeSettings();
    // Shortens the list and picture and raises the panel by `twips` from the base values, as
    // far as the panel stays inside the window.
    void applyNotebookShift(int twips);
    // The anagram search with the letters handed over in Text17.
    void anagramm();
    void showResult(const SearchResult& result);
    // Count, result frame, list or picture, and the result sound after a search.
    void zeigeErgebnis();
    void reportSearchError(const QString& engineMessage);
    void selectPattern();

    Platform& platform_;
    DictionarySession session_;
    SearchController searches_;
    Preferences prefs_;
    ExtrasController extras_;

    QWidget* client_ = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label3 = nullptr;
    QCheckBox* Check1 = nullptr;
    std::array<QPushButton*, 15> Command1{};
    QLabel* Label1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label2 = nullptr;
    ResultList* List1 = nullptr;
    QLabel* Image1 = nullptr;
    QLineEdit* Text17 = nullptr;               // hand-over field of the anagram search
    StatisticsFrame* Frame7 = nullptr;         // the database statistics
    PictureChooser* Frame6 = nullptr;          // background picture chooser
    SoundPanel* Frame8 = nullptr;              // sound settings
    ResultListActions* listActions = nullptr;  // meaning box, editor hand-over
    QTimer* Timer1 = nullptr;                  // alarm: time check
    QTimer* Timer2 = nullptr;                  // alarm: clock animation
    QTimer* Timer3 = nullptr;                  // alarm: sound
    QTimer* Timer5 = nullptr;                  // reminders

    QString designedFontName_;
    double designedFontSize_ = 0;
    qint16 listBaseHeight_ = 0;
    qint16 panelBaseTop_ = 0;
    QPointer<Eingabetext> textDialog_;       // the text search's dialog while open
    QPointer<Durcheinander> anagramDialog_;  // the anagram dialog while open
    QList<int> fontIds_;
    bool closed_ = false;
};

}  // namespace vondrik
