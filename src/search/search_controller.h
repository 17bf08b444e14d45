// The main window's searches without the window: the input rules of the pattern box (marks,
// the combined meaning condition), of the length buttons and the text search's dialog, and of
// the anagram hand-over, and the searches they start. Each search runs over the dictionary
// session and hands its result to whoever shows it. The state between a dialog and the search
// it starts lives here and nowhere else.
#pragma once

#include <QObject>

#include "dictionary/dictionary_session.h"
#include "search/search_run.h"
#include "search/text_search.h"

namespace vondrik {

class SearchController : public QObject {
    Q_OBJECT
  public:
    explicit SearchController(DictionarySession& session, QObject* parent = nullptr);

    // Crossword spelling: words count in boxes (Ä = AE, ß = SS) in the pattern, text-by-length
    // and anagram searches, and every result line shows the boxes beside the word.
    void setBoxSpelling(bool on) { boxSpelling_ = on; }
    bool boxSpelling() const { return boxSpelling_; }
    // The length a typed pattern searches: its characters, or its boxes.
    int patternLength(const QString& typed) const;

    DictionarySession& session() { return session_; }

    // The combined search's answer. An empty one (or a cancelled box) stops the user's
    // search and changes nothing: false. Otherwise it becomes the meaning condition, cleaned.
    bool answerCombined(const QString& answer);
    // The meaning condition from any answer, an empty one included ("**" matches every
    // meaning), as the introduction's demonstration takes it.
    void setCombinedText(const QString& answer);

    // Enter in the pattern box, with the pattern cleaned as the box shows it: the table of its
    // length, its marks filtering the rows; with `kombiniert` the meaning must match too.
    // False, and nothing searched, when it is shorter than two characters.
    bool enterPattern(const QString& typed, bool kombiniert);
    // The search routine of the table of `length` called directly, as the introduction does:
    // the pattern is taken as it stands, and marks keep the meaning of the last pattern typed.
    void musterSuche(int length, const QString& typed, bool kombiniert);

    // A length button: 0 to 13 choose the lengths 2 to 15 and this length alone, 14 all.
    void chooseLength(int buttonIndex);
    // The dialog's texts: the chosen length, or every length after "alle".
    void startTextSearch(const TextSearchInput& input);
    // The dialog was cancelled: the next search from a length button is of that length only.
    void textSearchCancelled() { state_.alle = 0; }

    // The letters handed over by the anagram dialog; returns them as the hand-over field then
    // holds them (trimmed, in lower case). Nothing is searched without a table of their length.
    QString anagramm(const QString& handedOver);

  signals:
    // A search begins; it may take a moment.
    void started();
    void finished(const vondrik::SearchResult& result);

  private:
    // What the searches remember from one call to the next.
    struct SearchState {
        QString kombitext;        // meaning condition of the combined search
        int dagr = 0;             // word length chosen with a length button
        int alle = 0;             // 1: the next text search runs over all lengths
        bool markenflag = false;  // the last pattern typed holds same-letter marks
    };

    void finish(SearchResult result, int tabStop);
    static int boxTabStop(int boxes);
    // The search routine of a table: the statement's LIKE is made from `pattern`, the
    // same-letter marks are checked against `typed`.
    void runPattern(int length, const QString& pattern, bool kombiniert, const QString& typed);
    void textsuche(const TextSearchInput& input);
    void allesuch(const TextSearchInput& input);
    void searchAnagram(const QString& letters);

    DictionarySession& session_;
    SearchState state_;
    bool boxSpelling_ = false;
};

}  // namespace vondrik
