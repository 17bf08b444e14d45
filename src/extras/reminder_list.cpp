// Reading, checking and writing the reminder list.
#include "extras/reminder_list.h"

#include "dictionary/text.h"
#include "ui/text_file.h"

namespace vondrik {
namespace {

// The number a text starts with, read the old BASIC way: blanks anywhere are skipped, a
// sign and a decimal point are allowed, and reading stops at the first other character
// (so "1x" is 1 and "x1" is 0).
double leadingNumber(QStringView text) {
    QString compact;
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r') {
            compact.append(c);
        }
    }
    qsizetype i = 0;
    double sign = 1;
    if (i < compact.size() && (compact[i] == u'+' || compact[i] == u'-')) {
        sign = compact[i] == u'-' ? -1 : 1;
        ++i;
    }
    double value = 0;
    for (; i < compact.size() && compact[i] >= u'0' && compact[i] <= u'9'; ++i) {
        value = value * 10 + (compact[i].unicode() - u'0');
    }
    if (i < compact.size() && compact[i] == u'.') {
        double place = 0.1;
        for (++i; i < compact.size() && compact[i] >= u'0' && compact[i] <= u'9'; ++i) {
            value += place * (compact[i].unicode() - u'0');
            place /= 10;
        }
    }
    return sign * value;
}

EntryRefusal wrongDate() {
    return {QStringLiteral("Bitte geben Sie das Datum in dieser Form ein.  (06.12)"),
            QStringLiteral("Falsche Datumseingabe")};
}

}  // namespace

std::optional<EntryRefusal> checkEntry(const QString& date, const QString& occasion) {
    if (date.size() != 5 || date[2] != u'.') {
        return wrongDate();
    }
    // Reading the number skips blanks, but a line end or TAB in the date would split the
    // entry in the file and keep it from ever matching a day.
    for (const QChar c : date) {
        if (!(c.isDigit() && c.unicode() < 0x80) && c != u'.' && c != u' ') {
            return wrongDate();
        }
    }
    const double day = leadingNumber(QStringView(date).left(2));
    const double month = leadingNumber(QStringView(date).right(2));
    if (day < 1 || day > 31 || month < 1 || month > 12) {
        return wrongDate();
    }
    if (occasion.isEmpty()) {
        return EntryRefusal{QStringLiteral("Sie haben den Anlass vergessen!"),
                            QStringLiteral("kein Anlass angegeben!")};
    }
    return std::nullopt;
}

QString reminderDay(const QDate& day) {
    return day.toString(QStringLiteral("dd.MM"));
}

bool remindsOn(const QString& line, const QDate& day) {
    return QStringView(line).left(5) == reminderDay(day);
}

ReminderList::ReminderList(const AppFolder& folder) : path_(folder.appPath(kReminderFile)) {}

QString ReminderList::open() {
    if (!FileExists(path_)) {
        lines_ = QStringList{QString::fromUtf16(kDefaultReminder)};
        if (!writeLines(path_, lines_)) {
            return QStringLiteral(
                       "Die Datei %1 konnte nicht angelegt werden. Ihre Einträge "
                       "lassen sich erst speichern, wenn der Ordner beschreibbar ist.")
                .arg(path_);
        }
    }
    // Whatever bytes the file holds, each is a character of the code page, so even a
    // damaged file or one in another encoding reads line by line.
    if (const auto lines = readLines(path_)) {
        lines_ = *lines;
        return QString();
    }
    lines_.clear();
    return QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(path_);
}

std::optional<EntryRefusal> ReminderList::add(const QString& date, const QString& occasion) {
    if (auto refusal = checkEntry(date, occasion)) {
        return refusal;
    }
    // The entry is one line of the file, whatever was pasted into the occasion.
    lines_.append(date + QStringLiteral("   ") + singleLineText(occasion));
    ++changes_;
    return std::nullopt;
}

bool ReminderList::remove(int index) {
    if (index < 0 || index >= lines_.size()) {
        return false;
    }
    lines_.removeAt(index);
    ++changes_;
    return true;
}

QString ReminderList::save() {
    if (!writeLines(path_, lines_)) {
        return QStringLiteral(
                   "Die Erinnerungen konnten nicht in der Datei %1 gespeichert "
                   "werden. Die Datei ist unverändert geblieben.")
            .arg(path_);
    }
    changes_ = 0;
    return QString();
}

}  // namespace vondrik
