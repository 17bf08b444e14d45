// The game's top-ten list and its file daten/hs.dat: ten names with their total scores, best
// first, twenty lines of code page 1252.
#pragma once

#include <QString>
#include <array>

namespace vondrik {
class AppFolder;
}

namespace vondrik::game {

struct HighscoreEntry {
    QString name;   // as read, or "Namenlos" for a blank one
    QString score;  // as read; after an entry a plain decimal number

    friend bool operator==(const HighscoreEntry&, const HighscoreEntry&) = default;
};

class HighscoreList {
  public:
    static constexpr int kEntries = 10;

    // Ten unused entries ("nicht belegt", "0").
    HighscoreList();

    // Reads the list below the folder, or creates the file from the entries held when there
    // is none. Missing lines leave unused entries. Returns a German message when the file
    // could not be read or created (the entries then stay as they were), else the empty text.
    QString load(const AppFolder& folder);

    // Whether a final score enters: never 0, and not below the tenth score.
    bool qualifies(qint64 score) const;
    // Enters a qualifying score under the name typed (blank: "Namenlos", which the next entry
    // then offers) and returns its rank 0..9. -1 when it does not qualify (nothing changes),
    // and also when it ties with the tenth score but its name sorts lower, so it drops out.
    // The window asks for the name only when qualifies() says so.
    int insert(const QString& name, qint64 score);
    // Replaces the file with the ten entries; a German message when that failed.
    QString save() const;

    const std::array<HighscoreEntry, kEntries>& entries() const { return entries_; }
    // The name typed at the last entry, offered as the default of the next one.
    const QString& playerName() const { return playerName_; }

    // The value of a score as shown: a whole non-negative number, anything else counts 0.
    static qint64 scoreValue(const QString& text);

  private:
    std::array<HighscoreEntry, kEntries> entries_;
    QString path_;
    QString playerName_;
};

}  // namespace vondrik::game
