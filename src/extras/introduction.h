// The animated introduction without its window: the four pages, which page buttons show,
// the hopping of the "Beispiel ansehen" button and the typing steps of a demonstration.
#pragma once

#include <QString>
#include <array>

namespace vondrik {

// Where a demonstration types its example: the main window's pattern box, or the first box
// of the dialog the text search's length button or the anagram menu item opens.
enum class IntroTarget { PatternBox, TextSearchDialog, AnagramDialog };

struct IntroPage {
    QString caption;     // window title while the page shows
    QString text;        // the explanation
    QString example;     // what the demonstration types, one more character per step
    IntroTarget target;  // where it goes
    bool combined;       // the combined search is ticked while typing and unticked after
    QString answer;      // the combined search's text, offered in its input box
    bool slidesAway;     // the window first moves down to the panel and over to the right
};

inline constexpr int kIntroPages = 4;

// The pages in their order, page 1 first. The examples find a handful of entries in the
// dictionary the program ships with, and the texts quote what the demonstrations type.
const std::array<IntroPage, kIntroPages>& introPages();

class Introduction {
  public:
    int page() const { return page_; }
    const IntroPage& current() const { return introPages()[page_ - 1]; }

    // ">" and "<": one page on or back. The first page has no "<", the last no ">".
    void next();
    void previous();
    bool previousVisible() const { return previousVisible_; }
    bool nextVisible() const { return nextVisible_; }

    // One hop of the button (Timer2): how far it moves, in twips; positive is down.
    int hop();

    // "Beispiel ansehen" on the current page. Clicked again during the same page's
    // demonstration, the typing goes on where it is; a demonstration of another page starts
    // from its first character.
    void startDemonstration();
    bool demonstrating() const { return demonstrationPage_ != 0; }
    // The page being demonstrated, 0 when none is.
    int demonstrationPage() const { return demonstrationPage_; }

    struct TypingStep {
        int page = 0;           // the demonstrated page
        QString typed;          // the example's first characters, as far as typed so far
        bool finished = false;  // the example is complete: time to start the search
    };
    // One typing step (Timer1). After the last character the next step finishes the
    // demonstration; a step without a demonstration does nothing (page 0).
    TypingStep step();

  private:
    int page_ = 1;
    bool previousVisible_ = false;
    bool nextVisible_ = true;
    int hopCounter_ = 1;
    int stepCounter_ = 0;
    int demonstrationPage_ = 0;
};

}  // namespace vondrik
