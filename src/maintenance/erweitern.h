// The dictionary editor window: the entries of one length, a search result list, two edit
// fields and the buttons to add, change, delete and search entries.
#pragma once

#include <QWidget>
#include <array>

#include "maintenance/dictionary_editor.h"
#include "ui/widgets/main_window_lock.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vondrik {

struct Platform;
class ResultList;

// An ordinary window beside the main window, which stays locked while this one is loaded.
// It deletes itself when closed.
class Erweitern : public QWidget {
    Q_OBJECT
  public:
    Erweitern(DictionarySession& session, Platform& platform, QWidget* mainWindow);

    // Loads and shows the editor.
    static Erweitern* open(DictionarySession& session, Platform& platform, QWidget* mainWindow);

    // Lists in List2 the entries of bedanzbuch letters whose meaning is bedeintrag.
    void fernsuche(int bedanzbuch, const QString& bedeintrag);

    // Opens on an entry handed over from a result list: its length chosen, its meaning
    // searched, and of the rows found the one with this word (the first when none has it)
    // selected and loaded.
    void showEntry(const QString& word, const QString& meaning);

    // Selects a row of List1 or List2 and loads its entry, as a click on it does.
    void selectRow(ResultList* list, int row);

    // Typing in Text2 stops here; a stored meaning may be longer (up to 100).
    static constexpr int kMeaningTypingLimit = 90;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void buildButtons();
    void chooseLength(int index);
    void loadRow(ResultList* list, int row);
    void add();
    void change();
    void remove();
    void searchWord();
    void searchMeaning();
    void clearList2();
    void showRows(const RowsResult& result);
    void takeFields(const QString& begriff, const QString& bedeutung);
    void clearFields();
    void setMeaning(const QString& text);
    void showRecordNumber();
    bool replaceRow(ResultList* list, int row, const QString& text);
    void reportFailure(const QString& what, const QString& engineMessage);
    void finishSaved(const QString& unwrittenLog);

    int quelle = 0;  // list the loaded entry came from: 1 List1, 2 List2, 0 none
    int index1 = 0;
    int index2 = 0;
    std::array<int, 2> listtabs{0, 0};
    Platform& platform_;
    DictionaryEditor editor_;
    MainWindowLock lock_;

    QLabel* Label4 = nullptr;
    ResultList* List1 = nullptr;
    QLabel* Label5 = nullptr;
    ResultList* List2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QPushButton*, 14> Command1{};
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QPushButton* Command2 = nullptr;  // add
    QPushButton* Command3 = nullptr;  // change
    QPushButton* Command4 = nullptr;  // delete
    QPushButton* Command7 = nullptr;  // search by word
    QPushButton* Command5 = nullptr;  // search by meaning
    QPushButton* Command6 = nullptr;  // close
    QLabel* Label3 = nullptr;         // record number of the loaded entry
};

}  // namespace vondrik
