// The introduction's pages and its stepping.
#include "extras/introduction.h"

namespace vondrik {
namespace {

constexpr int kHopTwips = 30;
constexpr int kHopWrap = 1000;

}  // namespace

const std::array<IntroPage, kIntroPages>& introPages() {
    static const std::array<IntroPage, kIntroPages> pages{{
        {QStringLiteral("Begriffsuche mit schon vorhandenen Buchstaben"),
         QStringLiteral(
             "Sie wollen einen Begriff suchen, von dem Ihnen schon einige Buchstaben bekannt "
             "sind, dann geben Sie in das rechte untere Textfeld die bekannten Buchstaben ein. "
             "Für die unbekannten Buchstaben geben Sie eine Raute(#), ein Leerzeichen, oder ein "
             "Fragezeichen ein. Dann drücken Sie ENTER oder RETURN, danach erfolgt die Suche und "
             "Sie bekommen alle Ergebnisse aufgelistet."),
         QStringLiteral("#e#e#b#r"),
         IntroTarget::PatternBox,
         false,
         {},
         true},
        {QStringLiteral("Textsuche nutzen"),
         QStringLiteral(
             "Gesucht wird ein Dichter mit 8 Buchstaben! Klicken Sie mit der Maus auf den Knopf "
             "mit der 8, nun wird eine Eingabe von Ihnen verlangt. Geben Sie in das erste "
             "Eingabefeld 'dichter' ein. Es werden nun alle Begriffe mit 8 Buchstaben "
             "ausgegeben, in denen 'dichter' vorkommt, im Begriff oder in seiner Bedeutung. Mit "
             "einem zweiten Text im 2. Eingabefeld, etwa 'prosa', grenzen Sie die Suche weiter "
             "ein. Gesucht wird genau die eingegebene Zeichenfolge: 'dichter' findet auch "
             "'dichterisch', aber nicht 'Poet'. Sehen Sie sich hierzu in der HILFE das Thema "
             "Abkürzungen an."),
         QStringLiteral("dichter"),
         IntroTarget::TextSearchDialog,
         false,
         {},
         false},
        {QStringLiteral("Kombinierte Suche"),
         QStringLiteral(
             "Diese Art der Suche ist sinnvoll, wenn Sie von dem gesuchten Begriff mindestens "
             "schon einen Buchstaben kennen. Als Beispiel nehmen wir hier eine Hauptstadt mit 8 "
             "Buchstaben. Aktivieren Sie zunächst SUCHE KOMBINIEREN, und machen dann Ihre "
             "Eingabe. Wenn z.B. der dritte Buchstabe der Hauptstadt ein 'N' ist machen Sie "
             "folgende Eingabe ##N##### und mit RETURN oder ENTER bestätigen. Nun werden Sie "
             "noch aufgefordert einen Suchtext einzugeben. Geben Sie dann hier 'hauptstadt' "
             "ein. "),
         QStringLiteral("##n#####"), IntroTarget::PatternBox, true, QStringLiteral("hauptstadt"),
         true},
        {QStringLiteral("Ein Wort aus durcheinander geratenen Buchstaben bilden"),
         QStringLiteral(
             "Diese Funktion kann Ihnen sehr nützlich sein, falls Sie nur einzelne Buchstaben "
             "als Lösung haben und aus diesen das Lösungswort bilden müssen. Es können hier auch "
             "fehlende Buchstaben mit einem '?' oder '#' eingegeben werden. Als Beispiel können "
             "Sie sich ansehen, was aus den Buchstaben 'HUNDSACH' und einem unbekannten "
             "Buchstaben ('?') werden kann."),
         QStringLiteral("hundsach?"),
         IntroTarget::AnagramDialog,
         false,
         {},
         true},
    }};
    return pages;
}

// The buttons change only on the moves that reach an edge or leave it, as the window was
// designed with "<" hidden and ">" shown on page 1.
void Introduction::next() {
    if (page_ >= kIntroPages) {
        return;
    }
    ++page_;
    if (page_ == 2) {
        previousVisible_ = true;
    }
    if (page_ == kIntroPages) {
        nextVisible_ = false;
    }
}

void Introduction::previous() {
    if (page_ <= 1) {
        return;
    }
    --page_;
    if (page_ == kIntroPages - 1) {
        nextVisible_ = true;
    }
    if (page_ == 1) {
        previousVisible_ = false;
    }
}

int Introduction::hop() {
    ++hopCounter_;
    if (hopCounter_ == kHopWrap) {
        hopCounter_ = 2;
    }
    return hopCounter_ % 2 == 0 ? kHopTwips : -kHopTwips;
}

void Introduction::startDemonstration() {
    if (demonstrationPage_ != page_) {
        stepCounter_ = 0;
    }
    demonstrationPage_ = page_;
}

Introduction::TypingStep Introduction::step() {
    TypingStep result;
    if (!demonstrating()) {
        return result;
    }
    result.page = demonstrationPage_;
    const QString& example = introPages()[demonstrationPage_ - 1].example;
    ++stepCounter_;
    if (stepCounter_ <= example.size()) {
        result.typed = example.left(stepCounter_);
        return result;
    }
    result.typed = example;
    result.finished = true;
    stepCounter_ = 0;
    demonstrationPage_ = 0;
    return result;
}

}  // namespace vondrik
