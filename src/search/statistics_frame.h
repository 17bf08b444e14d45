// The main window's statistics panel: a table of records, answer words, explanations and
// words per length table and in total, counted afresh each time it is shown.
#pragma once

#include <QGroupBox>
#include <array>

#include "search/statistics.h"

class QFrame;
class QLabel;
class QPushButton;

namespace vondrik {

class DictionarySession;
struct Platform;

class StatisticsFrame : public QGroupBox {
    Q_OBJECT
  public:
    static constexpr int kRows = kTableCount + 1;  // the length tables, then the total
    static constexpr int kTotalRow = kTableCount;

    // A child of the main window's client area, hidden until the statistics are asked for.
    StatisticsFrame(DictionarySession& session, Platform& platform, QWidget* parent);

    // Shows the panel centred in the top `areaHeight` pixels of its parent and counts every
    // length table, filling the rows one by one while the window stays responsive. A call
    // while counting is still going on is ignored.
    void anzdasa(int areaHeight);

  signals:
    // A row has just been filled; the rows below it are still empty.
    void rowFilled(int row);

  private:
    void buildControls();
    void showRow(int row, const TableFigures& figures);
    void clearRows();
    void placeOverList(int areaHeight);

    DictionarySession& session_;
    Platform& platform_;
    bool counting_ = false;

    std::array<QLabel*, kRows> Label10{};  // row captions "2er" .. "15er", "Gesamt"
    std::array<QLabel*, 4> Label11{};      // column headers
    std::array<QLabel*, kRows> Label12{};  // Datensätze
    std::array<QLabel*, kRows> Label13{};  // Begriffe
    std::array<QLabel*, kRows> Label14{};  // Erklärungen
    std::array<QLabel*, kRows> Label15{};  // Wörter
    QFrame* Line1 = nullptr;
    QPushButton* Command10 = nullptr;
};

}  // namespace vondrik
