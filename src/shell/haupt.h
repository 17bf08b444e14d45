// The main window: pattern box, length buttons, result list, the menu, and the state every
// other window shares (the database connection, the last statement and result set, the
// search texts and flags).
#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>

#include "dictionary/database.h"
#include "search/search_run.h"
#include "shell/preferences.h"
#include "ui/platform.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QAction;

namespace vondrik {

class ResultList;
class StatisticsFrame;
class PictureChooser;
class SoundPanel;
class ResultListActions;

class Haupt : public QMainWindow {
    Q_OBJECT
  public:
    explicit Haupt(Platform& platform, QWidget* parent = nullptr);
    ~Haupt() override;

    // The load sequence. False when the program must end at once (no database file).
    bool load();

    Platform& platform() { return platform_; }

    // Shared state.
    std::unique_ptr<Database> DB;
    QString sql;
    Recordset Auswahl;
    QString ei;         // pattern or first search text
    QString eii;        // second search text
    QString kombitext;  // meaning condition of the combined search
    int dagr = 0;       // word length chosen with a length button
    int nur1 = 1;       // 1: only one search text
    int alle = 0;       // 1: the next text search runs over all lengths
    int treffer = 0;    // lines found by the current text search
    bool markenflag = false;
    QString bedeintrag;     // meaning of the line handed to the editor
    qint16 bedanzbuch = 0;  // letters of that line's word
    std::array<int, 2> tabstopps{0, 0};
    Preferences prefs;

    // Controls other windows use.
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
    QLineEdit* Text17 = nullptr;
    StatisticsFrame* Frame7 = nullptr;         // the database statistics
    PictureChooser* Frame6 = nullptr;          // background picture chooser
    SoundPanel* Frame8 = nullptr;              // sound settings
    ResultListActions* listActions = nullptr;  // meaning box, editor hand-over

    // Search routines, one per length table; each searches with ei (and kombitext when
    // Check1 is ticked).
    void zwei() { musterSuche(2); }
    void drei() { musterSuche(3); }
    void vier() { musterSuche(4); }
    void fuenf() { musterSuche(5); }
    void sechs() { musterSuche(6); }
    void sieben() { musterSuche(7); }
    void acht() { musterSuche(8); }
    void neun() { musterSuche(9); }
    void zehn() { musterSuche(10); }
    void elf() { musterSuche(11); }
    void zwoelf() { musterSuche(12); }
    void dreizehn() { musterSuche(13); }
    void vierzehn() { musterSuche(14); }
    void fuenfzehn() { musterSuche(15); }
    void musterSuche(int length);

    // Text searches started from the input dialog: one length (dagr) or all lengths.
    void textsuche();
    void allesuch();

    // The anagram search with the letters handed over in Text17.
    void anagramm();

    // Count, result frame, list or picture, and the result sound after a search.
    void zeigeErgebnis();

    // Applies the preferences' list colours and font to List1.
    void applyListLook();

    // The list font as designed (after scaling), the default of the font preference.
    QString designedFontName() const { return designedFontName_; }
    double designedFontSize() const { return designedFontSize_; }

    // Notebook base values in twips, measured at the end of loading.
    qint16 listBaseHeight() const { return listBaseHeight_; }
    qint16 panelBaseTop() const { return panelBaseTop_; }
    // Shortens the list and picture and raises the panel by `twips` from the base values.
    void applyNotebookShift(int twips);

    QAction* menuAction(const QString& name) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void buildMenu();
    void runLoadStep(const std::function<void()>& step);
    void onPatternEnter();
    void onLengthButton(int index);
    void onFunctionKey(int key, Qt::KeyboardModifiers modifiers);
    void writeGreeting();
    void readNotebookFile();
    void loadBackgroundPicture();
    // Preferences: panels, menu items, and the settings file (haupt_preferences.cpp).
    void buildPreferencePanels();
    void connectPreferenceMenu();
    void readSettings();
    void writeSettings();
    void finishSearch(const SearchResult& result);
    void reportSearchError(const QString& engineMessage);
    void selectPattern();

    Platform& platform_;
    QWidget* client_ = nullptr;
    QString designedFontName_;
    double designedFontSize_ = 0;
    qint16 listBaseHeight_ = 0;
    qint16 panelBaseTop_ = 0;
    QList<int> fontIds_;
    bool closed_ = false;
};

}  // namespace vondrik
