// What the main window's result list does beyond listing: a double-click shows the whole
// meaning of a line in a small box that follows the mouse, and a right-click asks for the
// dictionary editor on the line's entry.
#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QLineEdit;

namespace vondrik {

struct Platform;
class ResultList;

// Word and meaning of a result line: the word before the first TAB, the meaning after it.
// False for a line without a TAB.
bool splitResultLine(const QString& line, QString& word, QString& meaning);

class ResultListActions : public QObject {
    Q_OBJECT
  public:
    // Adds the meaning box and its measuring label beside the list.
    ResultListActions(ResultList& list, Platform& platform);

    // Shows the meaning of the selected line; stays hidden when there is none.
    void showMeaning();
    void hideMeaning();

    // Asks for the editor on the entry of a line. A row that is no line, or a line without
    // a dictionary word, gives the message "Keinen Eintrag angeklickt!".
    void openEditorOn(int row);

  signals:
    // The editor should open on this entry: the word as listed (in capitals) and its meaning.
    void editRequested(const QString& word, const QString& meaning);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void noEntry();
    bool overMeaning(QPoint inViewport) const;

    ResultList& list_;
    Platform& platform_;
    bool clickOnMeaning_ = false;  // the press went to the meaning box: so does its release

    QLineEdit* Text5 = nullptr;  // the meaning box
    QLabel* Label16 = nullptr;   // never shown; measures the meaning box
};

}  // namespace vondrik
