// The guessing game's fixed texts and sound files, worded as the players see and hear them.
#pragma once

#include <QStringView>

namespace vondrik::game {

// Sounds, relative to the application folder.
inline constexpr QStringView kClickSound = u"\\ton\\8.wav";  // every letter click
inline constexpr QStringView kHitSound = u"\\ton\\1.wav";    // each uncovered position
inline constexpr QStringView kMissSound = u"\\ton\\11.wav";  // a miss, and each red flash
inline constexpr QStringView kBoxSound = u"\\ton\\12.wav";   // each box of a new word

inline constexpr QStringView kBackgroundPicture = u"\\hintergrund\\game.jpg";

// Label13, with the bonus points in between while there are some left.
inline constexpr QStringView kBonusBefore = u" Sie dürfen den gesuchten Begriff ";
inline constexpr QStringView kBonusAfter = u" mal nicht erraten!";
inline constexpr QStringView kNoBonus =
    u"Der Begriff muss gefunden werden, ansonsten wird das Spiel beendet!";

// Label4 of the solution box, under the word.
inline constexpr QStringView kSolutionText = u"wäre die richtige Lösung gewesen";

// Label16 of the rules box.
inline constexpr QStringView kRulesText =
    u"Sie müssen versuchen einen gesuchten Begriff zu lösen, indem Sie alle Buchstaben "
    u"herausfinden, die dieser enthält. Klicken Sie dazu auf die Buchstaben unten in der Mitte. "
    u"Die Bedeutung des Begriffes wird über diesem eingeblendet. Sobald Sie 7 mal einen falschen "
    u"Buchstaben gewählt haben, zählt das gesuchte Wort als nicht erraten und Sie bekommen "
    u"natürlich keine Punkte dafür. Für jeden gelösten Begriff bekommen Sie Punkte, die sich aus "
    u"der Anzahl der falschen Eingaben, und der jeweiligen Spielrunde errechnen. In der ersten "
    u"Runde sind 7 Punkte möglich, in der zweiten Runde 14, dann 21 usw.. Sobald Sie 7 Begriffe "
    u"erraten haben, bekommen Sie einen Bonuspunkt, der das Weiterspielen ermöglicht, wenn Sie "
    u"einen Begriff nicht lösen konnten. Beim Starten des Spiels haben Sie einen Bonuspunkt zur "
    u"Verfügung. Das Spiel ist beendet wenn Sie z. B. anfangs 2 mal hintereinander den Begriff "
    u"nicht lösen können. ";

// Why no word could be drawn.
inline constexpr QStringView kNoWordMessage =
    u"Das Wörterbuch enthält keinen Begriff mit 8 bis 15 Buchstaben, der sich erraten lässt. "
    u"Das Spiel kann nicht gestartet werden.";
inline constexpr QStringView kReadFailedMessage =
    u"Es konnte kein Begriff aus dem Wörterbuch gelesen werden:\n%1";
inline constexpr QStringView kGameEndsMessage = u"\nDas Spiel wird beendet.";

// The top-ten list.
inline constexpr QStringView kHighscoreFile = u"\\daten\\hs.dat";
inline constexpr QStringView kUnusedName = u"nicht belegt";
inline constexpr QStringView kUnusedScore = u"0";
inline constexpr QStringView kNamelessName = u"Namenlos";
inline constexpr QStringView kNamePrompt = u"Bitte geben Sie Ihren Namen ein!";
inline constexpr QStringView kNameTitle = u"Eintrag in die Highscoreliste";
inline constexpr QStringView kHighscoreReadFailed =
    u"Die Highscoreliste %1 konnte nicht gelesen werden.";
inline constexpr QStringView kHighscoreWriteFailed =
    u"Die Highscoreliste %1 konnte nicht geschrieben werden.";

}  // namespace vondrik::game
