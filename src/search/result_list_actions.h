// What the main window's result list does beyond listing: a double-click shows the whole
// meaning of a line in a small box that follows the mouse, and a right-click opens the
// dictionary editor on the line's entry.
#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QLineEdit;

namespace vondrik {

class Haupt;
class ResultList;

// Word and meaning of a result line: the word before the first TAB, the meaning after it.
// False for a line without a TAB.
bool splitResultLine(const QString& line, QString& word, QString& meaning);

class ResultListActions : public QObject {
    Q_OBJECT
  public:
    // Adds the meaning box and its measuring label beside the main window's List1.
    explicit ResultListActions(Haupt& haupt);

    QLineEdit* Text5 = nullptr;  // the meaning box
    QLabel* Label16 = nullptr;   // never shown; measures the meaning box

    // Shows the meaning of the selected line; stays hidden when there is none.
    void showMeaning();
    void hideMeaning();

    // Opens the editor on the entry of a line: its length chosen, its meaning searched, its
    // row selected. A row that is no line, or a line without a dictionary word, gives the
    // message "Keinen Eintrag angeklickt!".
    void openEditorOn(int row);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void noEntry();

    Haupt& haupt_;
    ResultList& list_;
};

}  // namespace vondrik
