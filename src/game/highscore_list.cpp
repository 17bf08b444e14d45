// Reading, ordering and writing the top-ten list.
#include "game/highscore_list.h"

#include <QCollator>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "dictionary/text.h"
#include "game/game_texts.h"
#include "ui/app_folder.h"
#include "ui/text_file.h"

namespace vondrik::game {
namespace {

QString nameOrNameless(const QString& name) {
    return trimBlanks(name).isEmpty() ? kNamelessName.toString() : name;
}

struct Candidate {
    qint64 score;
    QString name;
};

}  // namespace

HighscoreList::HighscoreList() {
    entries_.fill({kUnusedName.toString(), kUnusedScore.toString()});
}

QString HighscoreList::load(const AppFolder& folder) {
    path_ = folder.appPath(kHighscoreFile);
    if (!FileExists(path_)) {
        return save();
    }
    const std::optional<QStringList> lines = readLines(path_);
    if (!lines) {
        return kHighscoreReadFailed.toString().arg(path_);
    }
    // A short file leaves the entries it lacks unused, rather than stopping half-way.
    for (int i = 0; i < kEntries; ++i) {
        const qsizetype line = 2 * i;
        entries_[i].name =
            line < lines->size() ? nameOrNameless(lines->at(line)) : kUnusedName.toString();
        entries_[i].score =
            line + 1 < lines->size() ? lines->at(line + 1) : kUnusedScore.toString();
    }
    return {};
}

qint64 HighscoreList::scoreValue(const QString& text) {
    bool ok = false;
    const qint64 value = trimBlanks(text).toLongLong(&ok);
    return ok && value > 0 ? value : 0;
}

bool HighscoreList::qualifies(qint64 score) const {
    return score > 0 && score >= scoreValue(entries_[kEntries - 1].score);
}

int HighscoreList::insert(const QString& name, qint64 score) {
    if (!qualifies(score)) {
        return -1;
    }
    // One name is one line of the file, without TABs or NULs that would garble the list.
    const QString entered = nameOrNameless(singleLineText(name));
    playerName_ = entered;

    std::vector<Candidate> items;
    for (const HighscoreEntry& e : entries_) {
        items.push_back({scoreValue(e.score), e.name});
    }
    items.push_back({score, entered});
    // The order of six-digit score keys followed by the names in a sorted list, without the
    // key's limit: scores of a million and more still rank by their value. Names compare as a
    // German user expects, without regard to case.
    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<int> order(items.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = static_cast<int>(i);
    }
    // Stable, and ascending as the list sorts, so the new item follows equal old ones and then
    // ranks above them when read from the top.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (items[a].score != items[b].score) {
            return items[a].score < items[b].score;
        }
        return collator.compare(items[a].name, items[b].name) < 0;
    });

    int rank = -1;
    for (int k = 0; k < kEntries; ++k) {
        const int item = order[order.size() - 1 - k];
        entries_[k] = {items[item].name, QString::number(items[item].score)};
        if (item == kEntries) {
            rank = k;
        }
    }
    return rank;
}

QString HighscoreList::save() const {
    QStringList lines;
    for (const HighscoreEntry& e : entries_) {
        lines << e.name << e.score;
    }
    if (path_.isEmpty() || !writeLines(path_, lines)) {
        return kHighscoreWriteFailed.toString().arg(path_);
    }
    return {};
}

}  // namespace vondrik::game
