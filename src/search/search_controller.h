// The main window's searches without the window: pattern (with same-letter marks and the
// combined meaning condition), text search over one length or all of them, and the anagram
// search. Each runs over the dictionary session and hands its result to whoever shows it.
#pragma once

#include <QObject>

#include "dictionary/dictionary_session.h"
#include "search/search_run.h"
#include "search/search_state.h"

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

    SearchState& state() { return state_; }
    const SearchState& state() const { return state_; }
    DictionarySession& session() { return session_; }

    // Searches the table of `length` with state().ei; with `kombiniert` the meaning must
    // also match state().kombitext. `typed` is the pattern as typed, whose same-letter marks
    // filter the rows when state().markenflag is set.
    void musterSuche(int length, bool kombiniert, const QString& typed);
    // The texts state().ei (and eii unless nur1) in the table of state().dagr.
    void textsuche();
    // The same over every length; state().alle is reset.
    void allesuch();
    // The words of the letters' length that hold every typed letter; other characters stand
    // for unknown letters. Nothing happens for letters of no table's length.
    void anagramm(const QString& letters);

  signals:
    // A search begins; it may take a moment.
    void started();
    void finished(const vondrik::SearchResult& result);

  private:
    void finish(SearchResult result, int tabStop);
    static int boxTabStop(int boxes);

    DictionarySession& session_;
    SearchState state_;
    bool boxSpelling_ = false;
};

}  // namespace vondrik
