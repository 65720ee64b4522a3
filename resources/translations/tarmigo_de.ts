<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Tarmigo</name>
    <message>
        <location filename="../../src/game/strings.cpp" line="13"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="14"/>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="15"/>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="16"/>
        <source>Score</source>
        <translation>Stand</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="17"/>
        <source>Won</source>
        <translation>Siege</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="18"/>
        <source>Safety</source>
        <translation>Schutz</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="19"/>
        <source>Hazard</source>
        <translation>Panne</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="20"/>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="21"/>
        <source>Distance</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="22"/>
        <source>Winner!</source>
        <translation>Sieger!</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="23"/>
        <source>Tap a card to play it</source>
        <translation>Karte antippen, um sie zu spielen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="24"/>
        <source>Tap the deck to discard this card</source>
        <translation>Stapel antippen: Karte abwerfen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="25"/>
        <source>End of Turn - Player %d tap to here to continue</source>
        <translation>Zugende - Spieler %d tippt hier weiter</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="26"/>
        <source>Game Over - Tap New to start a new game</source>
        <translation>Spielende - Neu tippt für neues Spiel</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="27"/>
        <source>Tap New to play another hand</source>
        <translation>Neu antippen für eine weitere Hand</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="28"/>
        <source>Fix hazard before playing Go</source>
        <translation>Erst Panne beheben, dann Fahrt</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="29"/>
        <source>You are already moving</source>
        <translation>Sie fahren bereits</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="30"/>
        <source>Remedy does not fix hazard</source>
        <translation>Diese Hilfe behebt die Panne nicht</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="31"/>
        <source>Play remedy only when under hazard</source>
        <translation>Hilfe nur bei einer Panne spielen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="32"/>
        <source>Cannot play hazard when opponent is not moving</source>
        <translation>Panne nur, wenn der Gegner fährt</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="33"/>
        <source>Opponent is protected against hazard</source>
        <translation>Gegner ist gegen die Panne geschützt</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="34"/>
        <source>No speed limit to end</source>
        <translation>Kein Tempolimit aufzuheben</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="35"/>
        <source>Opponent&apos;s speed already limited</source>
        <translation>Gegner hat schon ein Tempolimit</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="36"/>
        <source>Opponent is protected against speed limit</source>
        <translation>Gegner ist gegen Tempolimit geschützt</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="37"/>
        <source>Cannot play mileage when not moving</source>
        <translation>Strecke nur, wenn Sie fahren</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="38"/>
        <source>Cannot play more than two 200 miles</source>
        <translation>Höchstens zwei 200 Meilen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="39"/>
        <source>Speed Limit: Can only play 25 and 50 miles</source>
        <translation>Tempolimit: nur 25 und 50 Meilen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="40"/>
        <source>That would exceed the %d mile race</source>
        <translation>Das überschreitet die %d Meilen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="41"/>
        <source>No card can be played, you must discard one</source>
        <translation>Keine Karte spielbar: bitte abwerfen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="42"/>
        <source>Undone</source>
        <translation>Rückgängig gemacht</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="48"/>
        <source>Redone</source>
        <translation>Wiederhergestellt</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="43"/>
        <source>Tap a card to discard it</source>
        <translation>Karte antippen, um sie abzuwerfen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="44"/>
        <source>Not your turn</source>
        <translation>Du bist nicht am Zug</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="45"/>
        <source>Waiting for Player 2 to reconnect</source>
        <translation>Warten, bis Spieler 2 wieder verbunden ist</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="46"/>
        <source>Player 2 has left the game</source>
        <translation>Spieler 2 hat das Spiel verlassen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="47"/>
        <source>Player 1's turn</source>
        <translation>Spieler 1 ist am Zug</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="48"/>
        <source>Player 2's turn</source>
        <translation>Spieler 2 ist am Zug</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="44"/>
        <source>Player 1</source>
        <translation>Spieler 1</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="45"/>
        <source>Player 2</source>
        <translation>Spieler 2</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="46"/>
        <source>You Win!</source>
        <translation>Sie gewinnen!</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="47"/>
        <source>Computer Wins!</source>
        <translation>Der Computer gewinnt!</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="48"/>
        <source>Player 1 Wins!</source>
        <translation>Spieler 1 gewinnt!</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="49"/>
        <source>Player 2 Wins!</source>
        <translation>Spieler 2 gewinnt!</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="50"/>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="51"/>
        <source>tap card once</source>
        <translation>Karte einmal antippen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="52"/>
        <source>tap card twice</source>
        <translation>Karte zweimal antippen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="53"/>
        <source>tap card then deck</source>
        <translation>Karte, dann Stapel antippen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="54"/>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="55"/>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="56"/>
        <location filename="../../src/qt/desktop_labels.h" line="19"/>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="58"/>
        <source>You have completed the 700 mile race.  Would you like to extend it to 1000 miles?</source>
        <translation>Sie haben die 700 Meilen geschafft. Möchten Sie auf 1000 Meilen verlängern?</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="62"/>
        <source>Do you want to forfeit the current game and start a new one?</source>
        <translation>Möchten Sie das laufende Spiel aufgeben und ein neues beginnen?</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="63"/>
        <source>Do you want to reset all scores?</source>
        <translation>Möchten Sie alle Punkte zurücksetzen?</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="85"/>
        <location filename="../../src/game/strings.h" line="90"/>
        <source>About Tarmigo</source>
        <translation>Über Tarmigo</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="86"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="88"/>
        <source>1 Player Game</source>
        <translation>Spiel für 1 Spieler</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="89"/>
        <source>2 Player Game</source>
        <translation>Spiel für 2 Spieler</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="91"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="92"/>
        <source>Scores</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="94"/>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="95"/>
        <source>To play</source>
        <translation>Zum Spielen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="96"/>
        <source>To discard</source>
        <translation>Zum Abwerfen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="97"/>
        <source>Sort Cards in Hand</source>
        <translation>Karten in der Hand sortieren</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="98"/>
        <source>Play Sounds</source>
        <translation>Töne abspielen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="99"/>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="100"/>
        <source>Show Playable Cards</source>
        <translation>Spielbare Karten zeigen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="101"/>
        <source>Show Tips</source>
        <translation>Tipps zeigen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="102"/>
        <source>Reset Scores</source>
        <translation>Punkte zurücksetzen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="104"/>
        <source>You</source>
        <translation>Sie</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="105"/>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="106"/>
        <source>New Hand</source>
        <translation>Neue Hand</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="108"/>
        <source>Miles</source>
        <translation>Meilen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="108"/>
        <source>Safeties</source>
        <translation>Schutzkarten</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="109"/>
        <source>All Safeties</source>
        <translation>Alle Schutzkarten</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="109"/>
        <source>Coup Fourré</source>
        <translation>Coup Fourré</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="110"/>
        <source>Trip Complete</source>
        <translation>Ziel erreicht</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="110"/>
        <source>Delayed Action</source>
        <translation>Späte Aktion</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="111"/>
        <source>Safe Trip</source>
        <translation>Sichere Fahrt</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="111"/>
        <source>Extension</source>
        <translation>Verlängerung</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="112"/>
        <source>Shut Out</source>
        <translation>Zu null</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="112"/>
        <source>Hand Score</source>
        <translation>Punkte der Hand</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="113"/>
        <source>Game Score</source>
        <translation>Punkte des Spiels</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="113"/>
        <source>Games Won</source>
        <translation>Gewonnene Spiele</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="8"/>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="9"/>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="10"/>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="11"/>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="14"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="15"/>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="15"/>
        <location filename="../../src/qt/help_window.cpp" line="16"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="16"/>
        <source>Animation speed</source>
        <translation>Animationstempo</translation>
    </message>
    <message>
        <location filename="../../src/qt/language_menu.cpp" line="12"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location filename="../../src/qt/language_menu.cpp" line="21"/>
        <source>System language</source>
        <translation>Sprache des Systems</translation>
    </message>
    <message>
        <location filename="../../src/qt/help_window.cpp" line="18"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location filename="../../src/qt/help_window.cpp" line="19"/>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <location filename="../../src/qt/help_window.cpp" line="20"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="18"/>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="20"/>
        <source>Two Players</source>
        <translation>Zwei Spieler</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="21"/>
        <source>Games Played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="22"/>
        <source>Share Won</source>
        <translation>Anteil gewonnen</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="24"/>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="25"/>
        <source>Longest Winning Streak</source>
        <translation>Längste Siegesserie</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="26"/>
        <source>Current Winning Streak</source>
        <translation>Aktuelle Siegesserie</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="27"/>
        <source>Hands Played</source>
        <translation>Gespielte Hände</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="28"/>
        <source>Hands Won</source>
        <translation>Gewonnene Hände</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="29"/>
        <source>Best Hand Score</source>
        <translation>Beste Hand</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="30"/>
        <source>Mean Hand Score</source>
        <translation>Mittel je Hand</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="31"/>
        <source>Coups Fourrés</source>
        <translation>Coups Fourrés</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="32"/>
        <source>Trips Completed</source>
        <translation>Ziele erreicht</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="33"/>
        <source>Shut Outs</source>
        <translation>Zu-null-Siege</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="35"/>
        <source>In games between two players, the figures are Player 1&apos;s.</source>
        <translation>In Spielen zweier Spieler zählen die Zahlen für Spieler 1.</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="36"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="38"/>
        <source>Do you want to reset the statistics?</source>
        <translation>Möchten Sie die Statistik zurücksetzen?</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="41"/>
        <source>Options - Tarmigo</source>
        <translation>Optionen - Tarmigo</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="42"/>
        <source>Scores - Tarmigo</source>
        <translation>Punktestand - Tarmigo</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="43"/>
        <source>Statistics - Tarmigo</source>
        <translation>Statistik - Tarmigo</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="44"/>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="45"/>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="65"/>
        <location filename="../../src/qt/place_labels.h" line="12"/>
        <source>25 miles</source>
        <translation>25 Meilen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="66"/>
        <location filename="../../src/qt/place_labels.h" line="12"/>
        <source>50 miles</source>
        <translation>50 Meilen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="67"/>
        <location filename="../../src/qt/place_labels.h" line="13"/>
        <source>75 miles</source>
        <translation>75 Meilen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="68"/>
        <location filename="../../src/qt/place_labels.h" line="13"/>
        <source>100 miles</source>
        <translation>100 Meilen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="69"/>
        <location filename="../../src/qt/place_labels.h" line="14"/>
        <source>200 miles</source>
        <translation>200 Meilen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="70"/>
        <location filename="../../src/qt/place_labels.h" line="14"/>
        <source>Go</source>
        <translation>Fahrt</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="71"/>
        <location filename="../../src/qt/place_labels.h" line="15"/>
        <source>Repairs</source>
        <translation>Reparatur</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="72"/>
        <location filename="../../src/qt/place_labels.h" line="15"/>
        <source>Gasoline</source>
        <translation>Benzin</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="73"/>
        <location filename="../../src/qt/place_labels.h" line="16"/>
        <source>Spare Tire</source>
        <translation>Ersatzreifen</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="74"/>
        <location filename="../../src/qt/place_labels.h" line="16"/>
        <source>End of Limit</source>
        <translation>Ende der Begrenzung</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="75"/>
        <location filename="../../src/qt/place_labels.h" line="17"/>
        <source>Stop</source>
        <translation>Halt</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="76"/>
        <location filename="../../src/qt/place_labels.h" line="17"/>
        <source>Accident</source>
        <translation>Unfall</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="77"/>
        <location filename="../../src/qt/place_labels.h" line="18"/>
        <source>Out of Gas</source>
        <translation>Kein Benzin</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="78"/>
        <location filename="../../src/qt/place_labels.h" line="18"/>
        <source>Flat Tire</source>
        <translation>Reifenpanne</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="79"/>
        <source>Speed Limit</source>
        <translation>Geschwindigkeitsbegrenzung</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="19"/>
        <source>Right of Way</source>
        <translation>Vorfahrt</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="81"/>
        <location filename="../../src/qt/place_labels.h" line="20"/>
        <source>Driving Ace</source>
        <translation>Fahrass</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="82"/>
        <location filename="../../src/qt/place_labels.h" line="20"/>
        <source>Extra Tank</source>
        <translation>Reservetank</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="83"/>
        <location filename="../../src/qt/place_labels.h" line="21"/>
        <source>Puncture Proof</source>
        <translation>Pannensicher</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="86"/>
        <source>you</source>
        <translation>dich</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="87"/>
        <source>You play %1</source>
        <translation>Du spielst %1</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="88"/>
        <source>%1 plays %2</source>
        <translation>%1 spielt %2</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="89"/>
        <source>You play %1 on %2</source>
        <translation>Du spielst %1 gegen %2</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="90"/>
        <source>%1 plays %2 on %3</source>
        <translation>%1 spielt %2 gegen %3</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="91"/>
        <source>You discard %1</source>
        <translation>Du wirfst %1 ab</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="92"/>
        <source>%1 discards %2</source>
        <translation>%1 wirft %2 ab</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="93"/>
        <source>You play a coup fourre: %1</source>
        <translation>Du spielst einen Coup fourré: %1</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="94"/>
        <source>%1 plays a coup fourre: %2</source>
        <translation>%1 spielt einen Coup fourré: %2</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="95"/>
        <source>The draw pile is empty</source>
        <translation>Der Stapel ist leer</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="96"/>
        <source>Hint: play %1</source>
        <translation>Tipp: spiele %1</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="97"/>
        <source>Hint: discard %1</source>
        <translation>Tipp: wirf %1 ab</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="98"/>
        <source>A hint is given on your turn only</source>
        <translation>Einen Tipp gibt es nur, wenn du am Zug bist</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="99"/>
        <source>%1: %2 miles, hand %3, game %4</source>
        <translation>%1: %2 Meilen, Hand %3, Spiel %4</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="100"/>
        <source>No move yet in this hand</source>
        <translation>Noch kein Zug in dieser Hand</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="101"/>
        <source>A new hand is dealt</source>
        <translation>Eine neue Hand wird gegeben</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="105"/>
        <source>You draw %1 into slot %2</source>
        <translation>Du ziehst %1 auf Platz %2</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="47"/>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="48"/>
        <source>Help - Tarmigo</source>
        <translation>Hilfe - Tarmigo</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="48"/>
        <source>Moves - Tarmigo</source>
        <translation>Züge - Tarmigo</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="49"/>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="9"/>
        <source>Network Game</source>
        <translation>Netzwerkspiel</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="10"/>
        <source>Host...</source>
        <translation>Gastgeber sein...</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="11"/>
        <source>Join...</source>
        <translation>Beitreten...</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="12"/>
        <source>Leave Network Game</source>
        <translation>Netzwerkspiel verlassen</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="13"/>
        <source>Ask for a Rematch</source>
        <translation>Revanche anbieten</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="16"/>
        <source>Host a Network Game - Tarmigo</source>
        <translation>Netzwerkspiel ausrichten - Tarmigo</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="18"/>
        <source>Join a Network Game - Tarmigo</source>
        <translation>Netzwerkspiel beitreten - Tarmigo</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="19"/>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="21"/>
        <source>Player 2 can reach this computer at:</source>
        <translation>Spieler 2 erreicht diesen Computer unter:</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="23"/>
        <source>No network connection was found.</source>
        <translation>Es wurde keine Netzwerkverbindung gefunden.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="24"/>
        <source>Join code:</source>
        <translation>Beitrittscode:</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="25"/>
        <source>Tell Player 2 one of the addresses, the port if it is not 47470, and the join code.</source>
        <translation>Nennen Sie Spieler 2 eine der Adressen, den Port, falls er nicht 47470 ist, und den Beitrittscode.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="28"/>
        <source>&amp;Host</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="29"/>
        <source>Waiting for Player 2</source>
        <translation>Warten auf Spieler 2</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="30"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="31"/>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="32"/>
        <source>Join &amp;code:</source>
        <translation>Beitritts&amp;code:</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="33"/>
        <source>For example 192.168.1.20, myhost:5000 or [::1]:47470. The port is 47470 unless given.</source>
        <translation>Zum Beispiel 192.168.1.20, meinrechner:5000 oder [::1]:47470. Ohne Angabe ist der Port 47470.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="36"/>
        <source>&amp;Join</source>
        <translation>&amp;Beitreten</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="37"/>
        <source>Connecting to %1</source>
        <translation>Verbindung zu %1 wird hergestellt</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="41"/>
        <source>Type the address of the host&apos;s computer.</source>
        <translation>Geben Sie die Adresse des Computers des Gastgebers ein.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="43"/>
        <source>The port must be a whole number from 1 to 65535.</source>
        <translation>Der Port muss eine ganze Zahl von 1 bis 65535 sein.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="44"/>
        <source>An IPv4 address is four numbers from 0 to 255 with dots between them.</source>
        <translation>Eine IPv4-Adresse besteht aus vier Zahlen von 0 bis 255, durch Punkte getrennt.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="46"/>
        <source>This is not an IPv6 address. With a port, put the address in brackets: [::1]:47470.</source>
        <translation>Das ist keine IPv6-Adresse. Mit Port setzen Sie die Adresse in eckige Klammern: [::1]:47470.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="50"/>
        <source>A host name has only letters, digits, hyphens and dots.</source>
        <translation>Ein Rechnername enthält nur Buchstaben, Ziffern, Bindestriche und Punkte.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="54"/>
        <source>A network game is saved. Do you want to resume it with the same join code?</source>
        <translation>Ein Netzwerkspiel ist gespeichert. Möchten Sie es mit demselben Beitrittscode fortsetzen?</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="57"/>
        <source>Do you want to leave the network game?</source>
        <translation>Möchten Sie das Netzwerkspiel verlassen?</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="61"/>
        <source>Player 1 has left the game</source>
        <translation>Spieler 1 hat das Spiel verlassen</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="63"/>
        <source>The line to the host was interrupted or altered, reconnecting</source>
        <translation>Die Verbindung zum Gastgeber wurde unterbrochen oder verändert, neue Verbindung</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>The host could not be joined: the line to it was cut, altered or refused at every try. Join again to try once more.</source>
        <translation>Der Gastgeber konnte nicht erreicht werden: Die Verbindung wurde bei jedem Versuch unterbrochen, verändert oder abgewiesen. Treten Sie erneut bei, um es noch einmal zu versuchen.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="65"/>
        <source>The other player asks for a rematch. Do you want to play again?</source>
        <translation>Der andere Spieler bietet eine Revanche an. Möchten Sie noch einmal spielen?</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="67"/>
        <source>Waiting for the other player&apos;s answer</source>
        <translation>Warten auf die Antwort des anderen Spielers</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="69"/>
        <source>The other player declined the rematch</source>
        <translation>Der andere Spieler hat die Revanche abgelehnt</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="72"/>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="74"/>
        <source>In network games, they are your own.</source>
        <translation>In Netzwerkspielen sind es Ihre eigenen.</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="24"/>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="25"/>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="26"/>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="28"/>
        <source>Slot %1: %2, playable</source>
        <translation>Platz %1: %2, spielbar</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="30"/>
        <source>Slot %1: %2, not playable now</source>
        <translation>Platz %1: %2, jetzt nicht spielbar</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="31"/>
        <source>Slot %1: empty</source>
        <translation>Platz %1: leer</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="32"/>
        <source>Slot %1: hidden</source>
        <translation>Platz %1: verdeckt</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="33"/>
        <source>Draw pile: %1 cards left</source>
        <translation>Nachziehstapel: noch %1 Karten</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="35"/>
        <source>the next card tapped is discarded</source>
        <translation>die nächste angetippte Karte wird abgeworfen</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="36"/>
        <source>Discard pile: %1</source>
        <translation>Ablagestapel: %1</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="38"/>
        <source>%1, battle pile: %2</source>
        <translation>%1, Pannenstapel: %2</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="39"/>
        <source>%1, speed pile: %2</source>
        <translation>%1, Tempostapel: %2</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="41"/>
        <source>%1, distance: %2 of %3 miles</source>
        <translation>%1, Strecke: %2 von %3 Meilen</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="42"/>
        <source>%1, safeties: %2</source>
        <translation>%1, Schutzkarten: %2</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="43"/>
        <source>%1 (coup fourré)</source>
        <translation>%1 (Coup Fourré)</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="45"/>
        <source>%1, score: hand %2, game %3, games won %4</source>
        <translation>%1, Stand: Hand %2, Spiel %3, gewonnene Spiele %4</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="46"/>
        <source>Status line: no message</source>
        <translation>Statuszeile: keine Meldung</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Free Player 2&apos;s Seat</source>
        <translation>Platz von Spieler 2 freigeben</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>The join code is six characters from %1, as the host&apos;s window shows it (lower case and spaces are fine).</source>
        <translation>Der Beitrittscode besteht aus sechs Zeichen aus %1, wie ihn das Fenster des Gastgebers zeigt (Kleinbuchstaben und Leerzeichen sind erlaubt).</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Player 2&apos;s seat is kept for the guest who joined this game: only that program can take it again.</source>
        <translation>Der Platz von Spieler 2 bleibt dem Gast, der diesem Spiel beigetreten ist: nur dieses Programm kann ihn wieder einnehmen.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Player 2&apos;s seat is free: the first guest with the join code takes it.</source>
        <translation>Der Platz von Spieler 2 ist frei: der erste Gast mit dem Beitrittscode nimmt ihn ein.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>&amp;Free the Seat</source>
        <translation>Platz &amp;freigeben</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Port %1 is in use by another program. Choose another port, or close the other program.</source>
        <translation>Port %1 wird von einem anderen Programm benutzt. Wähle einen anderen Port oder schließe das andere Programm.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Nothing answers at %1: is the other program hosting, on this port? Trying again.</source>
        <translation>Unter %1 antwortet nichts: Ist das andere Programm Gastgeber, auf diesem Port? Neuer Versuch.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>%1 cannot be reached. Trying again.</source>
        <translation>%1 ist nicht erreichbar. Neuer Versuch.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>The host did not accept the join code, or the line to it was altered.</source>
        <translation>Der Gastgeber hat den Beitrittscode nicht angenommen, oder die Verbindung zu ihm wurde verändert.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>The host refuses joins for a minute after too many wrong codes.</source>
        <translation>Nach zu vielen falschen Codes weist der Gastgeber eine Minute lang jeden Beitritt ab.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Player 2&apos;s seat is taken.</source>
        <translation>Der Platz von Spieler 2 ist besetzt.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Player 2&apos;s seat was taken up again from another connection.</source>
        <translation>Der Platz von Spieler 2 wurde über eine andere Verbindung wieder eingenommen.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>The host freed Player 2&apos;s seat.</source>
        <translation>Der Gastgeber hat den Platz von Spieler 2 freigegeben.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>A join came with a wrong join code.</source>
        <translation>Ein Beitritt kam mit einem falschen Beitrittscode.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Too many wrong join codes came from one address: its joins are refused for a minute.</source>
        <translation>Zu viele falsche Beitrittscodes kamen von einer Adresse: Ihre Beitritte werden eine Minute lang abgewiesen.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Player 2 came back on another connection.</source>
        <translation>Spieler 2 ist über eine andere Verbindung zurückgekehrt.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Player 2&apos;s seat was freed.</source>
        <translation>Der Platz von Spieler 2 wurde freigegeben.</translation>
    </message>
    <message>
        <source>The statistics are reset.</source>
        <translation>Die Statistik ist zurückgesetzt.</translation>
    </message>
    <message>
        <source>The scores are reset.</source>
        <translation>Die Punkte sind zurückgesetzt.</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>Full Screen off</source>
        <translation>Vollbild aus</translation>
    </message>
    <message>
        <source>Reconnected to Player 1</source>
        <translation>Wieder mit Spieler 1 verbunden</translation>
    </message>
    <message>
        <source>Player 2 has reconnected</source>
        <translation>Spieler 2 ist wieder verbunden</translation>
    </message>
    <message>
        <source>%1, marked</source>
        <translation>%1, markiert</translation>
    </message>
    <message>
        <source>Watching hand %1 again (moves: %2)</source>
        <translation>Hand %1 noch einmal (Züge: %2)</translation>
    </message>
    <message>
        <source>Back to move %1 of %2</source>
        <translation>Zurück zu Zug %1 von %2</translation>
    </message>
    <message>
        <source>Back to the game</source>
        <translation>Zurück zum Spiel</translation>
    </message>
    <message>
        <source>Watch Hand Again</source>
        <translation>Hand noch einmal ansehen</translation>
    </message>
    <message>
        <source>Next Move</source>
        <translation>Nächster Zug</translation>
    </message>
    <message>
        <source>Previous Move</source>
        <translation>Voriger Zug</translation>
    </message>
    <message>
        <source>Show Other Hand</source>
        <translation>Andere Hand zeigen</translation>
    </message>
    <message>
        <source>Back to Game</source>
        <translation>Zurück zum Spiel</translation>
    </message>
    <message>
        <source>Watch Hand %1</source>
        <translation>Hand %1 ansehen</translation>
    </message>
    <message>
        <source>Other hand: %1</source>
        <translation>Andere Hand: %1</translation>
    </message>
</context>
</TS>
