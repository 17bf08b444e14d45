// The yearly date reminders of daten/term.dat: one entry a line, "dd.mm", three blanks and
// the occasion. The list as the editor holds it, the checks of a new entry, and which lines
// fall on a given day.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

#include "ui/app_folder.h"

namespace vondrik {

inline constexpr char16_t kReminderFile[] = u"\\daten\\term.dat";
// The file's only line when the editor finds none.
inline constexpr char16_t kDefaultReminder[] = u"24.12   Weihnachten, ich brauche noch Geschenke.";

// Why an entry was refused: the text and the title of the box that says so.
struct EntryRefusal {
    QString text;
    QString title;
};

// The date must be five characters "dd.mm", digits, dots and blanks only, whose day reads 1
// to 31 and month 1 to 12 (a blank may stand for a leading zero); the occasion must not be
// empty.
std::optional<EntryRefusal> checkEntry(const QString& date, const QString& occasion);

// The day as the reminder compares it with a line's first five characters: "06.12".
QString reminderDay(const QDate& day);
bool remindsOn(const QString& line, const QDate& day);

class ReminderList {
  public:
    explicit ReminderList(const AppFolder& folder);

    // Reads the file afresh, creating it with the default line when there is none. Returns a
    // German message when it could not be read or created, else the empty text; the list
    // then holds what could be shown.
    QString open();

    // Adds "date   occasion" after the checks, or says why not. Counts as one change.
    std::optional<EntryRefusal> add(const QString& date, const QString& occasion);
    // Removes a line; one change. False (nothing changes) for an index outside the list.
    bool remove(int index);
    // Replaces the file with the list and forgets the changes. Returns a German message when
    // the file could not be written (it then stays as it was, and the changes stay counted).
    QString save();

    const QStringList& lines() const { return lines_; }
    // Entries added or removed since the last save; opening the file again keeps the count.
    int changes() const { return changes_; }
    const QString& path() const { return path_; }

  private:
    QString path_;
    QStringList lines_;
    int changes_ = 0;
};

}  // namespace vondrik
