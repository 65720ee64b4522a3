<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Tarmigo</name>
    <message>
        <location filename="../../src/game/strings.cpp" line="13"/>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="14"/>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="15"/>
        <source>Hand</source>
        <translation>Main</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="16"/>
        <source>Score</source>
        <translation>Points</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="17"/>
        <source>Won</source>
        <translation>Vict.</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="18"/>
        <source>Safety</source>
        <translation>Botte</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="19"/>
        <source>Hazard</source>
        <translation>Combat</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="20"/>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="21"/>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="22"/>
        <source>Winner!</source>
        <translation>Gagnant !</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="23"/>
        <source>Tap a card to play it</source>
        <translation>Touchez une carte pour la jouer</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="24"/>
        <source>Tap the deck to discard this card</source>
        <translation>Touchez la pioche pour défausser</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="25"/>
        <source>End of Turn - Player %d tap to here to continue</source>
        <translation>Fin du tour - Joueur %d touche ici</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="26"/>
        <source>Game Over - Tap New to start a new game</source>
        <translation>Partie finie - Touchez Nouveau</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="27"/>
        <source>Tap New to play another hand</source>
        <translation>Touchez Nouveau pour une autre main</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="28"/>
        <source>Fix hazard before playing Go</source>
        <translation>Réparez avant de jouer Feu vert</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="29"/>
        <source>You are already moving</source>
        <translation>Vous roulez déjà</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="30"/>
        <source>Remedy does not fix hazard</source>
        <translation>Cette parade ne répare pas</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="31"/>
        <source>Play remedy only when under hazard</source>
        <translation>Parade seulement après attaque</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="32"/>
        <source>Cannot play hazard when opponent is not moving</source>
        <translation>Attaque seulement si l&apos;adversaire roule</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="33"/>
        <source>Opponent is protected against hazard</source>
        <translation>L&apos;adversaire est protégé</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="34"/>
        <source>No speed limit to end</source>
        <translation>Aucune limite à lever</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="35"/>
        <source>Opponent&apos;s speed already limited</source>
        <translation>Vitesse adverse déjà limitée</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="36"/>
        <source>Opponent is protected against speed limit</source>
        <translation>Adversaire protégé contre la limite</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="37"/>
        <source>Cannot play mileage when not moving</source>
        <translation>Pas de bornes à l&apos;arrêt</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="38"/>
        <source>Cannot play more than two 200 miles</source>
        <translation>Pas plus de deux 200 milles</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="39"/>
        <source>Speed Limit: Can only play 25 and 50 miles</source>
        <translation>Limite : seulement 25 et 50 milles</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="40"/>
        <source>That would exceed the %d mile race</source>
        <translation>Cela dépasserait les %d milles</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="41"/>
        <source>No card can be played, you must discard one</source>
        <translation>Aucune carte jouable : défaussez</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="42"/>
        <source>Undone</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="48"/>
        <source>Redone</source>
        <translation>Rétabli</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="43"/>
        <source>Tap a card to discard it</source>
        <translation>Touchez une carte à défausser</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="44"/>
        <source>Not your turn</source>
        <translation>Ce n&apos;est pas votre tour</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="45"/>
        <source>Waiting for Player 2 to reconnect</source>
        <translation>En attente du retour du joueur 2</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="46"/>
        <source>Player 2 has left the game</source>
        <translation>Le joueur 2 a quitté la partie</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="47"/>
        <source>Player 1's turn</source>
        <translation>Au tour du joueur 1</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="48"/>
        <source>Player 2's turn</source>
        <translation>Au tour du joueur 2</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="44"/>
        <source>Player 1</source>
        <translation>Joueur 1</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="45"/>
        <source>Player 2</source>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="46"/>
        <source>You Win!</source>
        <translation>Vous gagnez !</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="47"/>
        <source>Computer Wins!</source>
        <translation>L&apos;ordinateur gagne !</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="48"/>
        <source>Player 1 Wins!</source>
        <translation>Le joueur 1 gagne !</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="49"/>
        <source>Player 2 Wins!</source>
        <translation>Le joueur 2 gagne !</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="50"/>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="51"/>
        <source>tap card once</source>
        <translation>toucher la carte une fois</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="52"/>
        <source>tap card twice</source>
        <translation>toucher la carte deux fois</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="53"/>
        <source>tap card then deck</source>
        <translation>toucher la carte puis la pioche</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="54"/>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="55"/>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="56"/>
        <location filename="../../src/qt/desktop_labels.h" line="19"/>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="58"/>
        <source>You have completed the 700 mile race.  Would you like to extend it to 1000 miles?</source>
        <translation>Vous avez fini la course de 700 milles. Voulez-vous la prolonger à 1000 milles ?</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="62"/>
        <source>Do you want to forfeit the current game and start a new one?</source>
        <translation>Voulez-vous abandonner la partie en cours et en commencer une nouvelle ?</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="63"/>
        <source>Do you want to reset all scores?</source>
        <translation>Voulez-vous remettre tous les scores à zéro ?</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="85"/>
        <location filename="../../src/game/strings.h" line="90"/>
        <source>About Tarmigo</source>
        <translation>À propos de Tarmigo</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="86"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="88"/>
        <source>1 Player Game</source>
        <translation>Partie à 1 joueur</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="89"/>
        <source>2 Player Game</source>
        <translation>Partie à 2 joueurs</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="91"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="92"/>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="94"/>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="95"/>
        <source>To play</source>
        <translation>Pour jouer</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="96"/>
        <source>To discard</source>
        <translation>Pour défausser</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="97"/>
        <source>Sort Cards in Hand</source>
        <translation>Trier les cartes en main</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="98"/>
        <source>Play Sounds</source>
        <translation>Jouer les sons</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="99"/>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="100"/>
        <source>Show Playable Cards</source>
        <translation>Montrer les cartes jouables</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="101"/>
        <source>Show Tips</source>
        <translation>Afficher les conseils</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="102"/>
        <source>Reset Scores</source>
        <translation>Remettre les scores à zéro</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="104"/>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="105"/>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="106"/>
        <source>New Hand</source>
        <translation>Nouvelle main</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="108"/>
        <source>Miles</source>
        <translation>Milles</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="108"/>
        <source>Safeties</source>
        <translation>Bottes</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="109"/>
        <source>All Safeties</source>
        <translation>Toutes les bottes</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="109"/>
        <source>Coup Fourré</source>
        <translation>Coup fourré</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="110"/>
        <source>Trip Complete</source>
        <translation>Voyage achevé</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="110"/>
        <source>Delayed Action</source>
        <translation>Action retardée</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="111"/>
        <source>Safe Trip</source>
        <translation>Voyage sûr</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="111"/>
        <source>Extension</source>
        <translation>Prolongation</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="112"/>
        <source>Shut Out</source>
        <translation>Capot</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="112"/>
        <source>Hand Score</source>
        <translation>Points de la main</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="113"/>
        <source>Game Score</source>
        <translation>Points de la partie</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.h" line="113"/>
        <source>Games Won</source>
        <translation>Parties gagnées</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="8"/>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="9"/>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="10"/>
        <source>Zoom In</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="11"/>
        <source>Zoom Out</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="14"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="15"/>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="15"/>
        <location filename="../../src/qt/help_window.cpp" line="16"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="16"/>
        <source>Animation speed</source>
        <translation>Vitesse de l&apos;animation</translation>
    </message>
    <message>
        <location filename="../../src/qt/language_menu.cpp" line="12"/>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <location filename="../../src/qt/language_menu.cpp" line="21"/>
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <location filename="../../src/qt/help_window.cpp" line="18"/>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <location filename="../../src/qt/help_window.cpp" line="19"/>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location filename="../../src/qt/help_window.cpp" line="20"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="18"/>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="20"/>
        <source>Two Players</source>
        <translation>Deux joueurs</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="21"/>
        <source>Games Played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="22"/>
        <source>Share Won</source>
        <translation>Part gagnée</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="24"/>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="25"/>
        <source>Longest Winning Streak</source>
        <translation>Plus longue série de victoires</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="26"/>
        <source>Current Winning Streak</source>
        <translation>Série de victoires en cours</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="27"/>
        <source>Hands Played</source>
        <translation>Mains jouées</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="28"/>
        <source>Hands Won</source>
        <translation>Mains gagnées</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="29"/>
        <source>Best Hand Score</source>
        <translation>Meilleure main</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="30"/>
        <source>Mean Hand Score</source>
        <translation>Moyenne par main</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="31"/>
        <source>Coups Fourrés</source>
        <translation>Coups fourrés</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="32"/>
        <source>Trips Completed</source>
        <translation>Voyages achevés</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="33"/>
        <source>Shut Outs</source>
        <translation>Capots</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="35"/>
        <source>In games between two players, the figures are Player 1&apos;s.</source>
        <translation>Dans les parties à deux joueurs, les chiffres sont ceux du joueur 1.</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="36"/>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="38"/>
        <source>Do you want to reset the statistics?</source>
        <translation>Voulez-vous réinitialiser les statistiques ?</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="41"/>
        <source>Options - Tarmigo</source>
        <translation>Options - Tarmigo</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="42"/>
        <source>Scores - Tarmigo</source>
        <translation>Scores - Tarmigo</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="43"/>
        <source>Statistics - Tarmigo</source>
        <translation>Statistiques - Tarmigo</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="44"/>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="45"/>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="65"/>
        <location filename="../../src/qt/place_labels.h" line="12"/>
        <source>25 miles</source>
        <translation>25 milles</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="66"/>
        <location filename="../../src/qt/place_labels.h" line="12"/>
        <source>50 miles</source>
        <translation>50 milles</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="67"/>
        <location filename="../../src/qt/place_labels.h" line="13"/>
        <source>75 miles</source>
        <translation>75 milles</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="68"/>
        <location filename="../../src/qt/place_labels.h" line="13"/>
        <source>100 miles</source>
        <translation>100 milles</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="69"/>
        <location filename="../../src/qt/place_labels.h" line="14"/>
        <source>200 miles</source>
        <translation>200 milles</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="70"/>
        <location filename="../../src/qt/place_labels.h" line="14"/>
        <source>Go</source>
        <translation>Feu vert</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="71"/>
        <location filename="../../src/qt/place_labels.h" line="15"/>
        <source>Repairs</source>
        <translation>Réparations</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="72"/>
        <location filename="../../src/qt/place_labels.h" line="15"/>
        <source>Gasoline</source>
        <translation>Essence</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="73"/>
        <location filename="../../src/qt/place_labels.h" line="16"/>
        <source>Spare Tire</source>
        <translation>Roue de secours</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="74"/>
        <source>End of Limit</source>
        <translation>Fin de limitation</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="17"/>
        <source>Stop</source>
        <translation>Feu rouge</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="76"/>
        <location filename="../../src/qt/place_labels.h" line="17"/>
        <source>Accident</source>
        <translation>Accident</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="77"/>
        <source>Out of Gas</source>
        <translation>Panne d'essence</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="18"/>
        <source>Flat Tire</source>
        <translation>Crevaison</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="79"/>
        <source>Speed Limit</source>
        <translation>Limitation de vitesse</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="80"/>
        <source>Right of Way</source>
        <translation>Véhicule prioritaire</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="20"/>
        <source>Driving Ace</source>
        <translation>As du volant</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="82"/>
        <location filename="../../src/qt/place_labels.h" line="20"/>
        <source>Extra Tank</source>
        <translation>Citerne</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="83"/>
        <location filename="../../src/qt/place_labels.h" line="21"/>
        <source>Puncture Proof</source>
        <translation>Increvable</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="86"/>
        <source>you</source>
        <translation>vous</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="87"/>
        <source>You play %1</source>
        <translation>Vous jouez %1</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="88"/>
        <source>%1 plays %2</source>
        <translation>%1 joue %2</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="89"/>
        <source>You play %1 on %2</source>
        <translation>Vous jouez %1 contre %2</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="90"/>
        <source>%1 plays %2 on %3</source>
        <translation>%1 joue %2 contre %3</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="91"/>
        <source>You discard %1</source>
        <translation>Vous défaussez %1</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="92"/>
        <source>%1 discards %2</source>
        <translation>%1 défausse %2</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="93"/>
        <source>You play a coup fourre: %1</source>
        <translation>Vous jouez un coup fourré : %1</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="94"/>
        <source>%1 plays a coup fourre: %2</source>
        <translation>%1 joue un coup fourré : %2</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="95"/>
        <source>The draw pile is empty</source>
        <translation>La pioche est vide</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="96"/>
        <source>Hint: play %1</source>
        <translation>Conseil : jouez %1</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="97"/>
        <source>Hint: discard %1</source>
        <translation>Conseil : défaussez %1</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="98"/>
        <source>A hint is given on your turn only</source>
        <translation>Un conseil n'est donné qu'à votre tour</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="99"/>
        <source>%1: %2 miles, hand %3, game %4</source>
        <translation>%1 : %2 milles, manche %3, partie %4</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="100"/>
        <source>No move yet in this hand</source>
        <translation>Aucun coup encore dans cette manche</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="101"/>
        <source>A new hand is dealt</source>
        <translation>Une nouvelle manche est distribuée</translation>
    </message>
    <message>
        <location filename="../../src/game/strings.cpp" line="105"/>
        <source>You draw %1 into slot %2</source>
        <translation>Vous piochez %1 dans la case %2</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="47"/>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="48"/>
        <source>Help - Tarmigo</source>
        <translation>Aide - Tarmigo</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="48"/>
        <source>Moves - Tarmigo</source>
        <translation>Coups - Tarmigo</translation>
    </message>
    <message>
        <location filename="../../src/qt/desktop_labels.h" line="49"/>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="9"/>
        <source>Network Game</source>
        <translation>Partie en réseau</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="10"/>
        <source>Host...</source>
        <translation>Accueillir...</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="11"/>
        <source>Join...</source>
        <translation>Rejoindre...</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="12"/>
        <source>Leave Network Game</source>
        <translation>Quitter la partie en réseau</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="13"/>
        <source>Ask for a Rematch</source>
        <translation>Proposer une revanche</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="16"/>
        <source>Host a Network Game - Tarmigo</source>
        <translation>Accueillir une partie en réseau - Tarmigo</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="18"/>
        <source>Join a Network Game - Tarmigo</source>
        <translation>Rejoindre une partie en réseau - Tarmigo</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="19"/>
        <source>&amp;Port:</source>
        <translation>&amp;Port :</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="21"/>
        <source>Player 2 can reach this computer at:</source>
        <translation>Le joueur 2 peut joindre cet ordinateur à :</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="23"/>
        <source>No network connection was found.</source>
        <translation>Aucune connexion réseau n&apos;a été trouvée.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="24"/>
        <source>Join code:</source>
        <translation>Code d&apos;accès :</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="25"/>
        <source>Tell Player 2 one of the addresses, the port if it is not 47470, and the join code.</source>
        <translation>Donnez au joueur 2 l&apos;une des adresses, le port s&apos;il n&apos;est pas 47470, et le code d&apos;accès.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="28"/>
        <source>&amp;Host</source>
        <translation>&amp;Accueillir</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="29"/>
        <source>Waiting for Player 2</source>
        <translation>En attente du joueur 2</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="30"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="31"/>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse :</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="32"/>
        <source>Join &amp;code:</source>
        <translation>&amp;Code d&apos;accès :</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="33"/>
        <source>For example 192.168.1.20, myhost:5000 or [::1]:47470. The port is 47470 unless given.</source>
        <translation>Par exemple 192.168.1.20, monposte:5000 ou [::1]:47470. Sans précision, le port est 47470.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="36"/>
        <source>&amp;Join</source>
        <translation>&amp;Rejoindre</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="37"/>
        <source>Connecting to %1</source>
        <translation>Connexion à %1</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="41"/>
        <source>Type the address of the host&apos;s computer.</source>
        <translation>Saisissez l&apos;adresse de l&apos;ordinateur qui accueille la partie.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="43"/>
        <source>The port must be a whole number from 1 to 65535.</source>
        <translation>Le port doit être un nombre entier de 1 à 65535.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="44"/>
        <source>An IPv4 address is four numbers from 0 to 255 with dots between them.</source>
        <translation>Une adresse IPv4 se compose de quatre nombres de 0 à 255 séparés par des points.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="46"/>
        <source>This is not an IPv6 address. With a port, put the address in brackets: [::1]:47470.</source>
        <translation>Ce n&apos;est pas une adresse IPv6. Avec un port, mettez l&apos;adresse entre crochets : [::1]:47470.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="50"/>
        <source>A host name has only letters, digits, hyphens and dots.</source>
        <translation>Un nom d&apos;hôte ne contient que des lettres, des chiffres, des tirets et des points.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="54"/>
        <source>A network game is saved. Do you want to resume it with the same join code?</source>
        <translation>Une partie en réseau est enregistrée. Voulez-vous la reprendre avec le même code d&apos;accès ?</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="57"/>
        <source>Do you want to leave the network game?</source>
        <translation>Voulez-vous quitter la partie en réseau ?</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="61"/>
        <source>Player 1 has left the game</source>
        <translation>Le joueur 1 a quitté la partie</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="63"/>
        <source>The line to the host was interrupted or altered, reconnecting</source>
        <translation>La liaison avec l&apos;hôte a été coupée ou altérée, reconnexion</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>The host could not be joined: the line to it was cut, altered or refused at every try. Join again to try once more.</source>
        <translation>Impossible de rejoindre l&apos;hôte : la liaison a été coupée, altérée ou refusée à chaque essai. Rejoignez à nouveau pour réessayer.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="65"/>
        <source>The other player asks for a rematch. Do you want to play again?</source>
        <translation>L&apos;autre joueur propose une revanche. Voulez-vous rejouer ?</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="67"/>
        <source>Waiting for the other player&apos;s answer</source>
        <translation>En attente de la réponse de l&apos;autre joueur</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="69"/>
        <source>The other player declined the rematch</source>
        <translation>L&apos;autre joueur a refusé la revanche</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="72"/>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <location filename="../../src/qt/network_labels.h" line="74"/>
        <source>In network games, they are your own.</source>
        <translation>En réseau, ce sont les vôtres.</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="24"/>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="25"/>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="26"/>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="28"/>
        <source>Slot %1: %2, playable</source>
        <translation>Case %1 : %2, jouable</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="30"/>
        <source>Slot %1: %2, not playable now</source>
        <translation>Case %1 : %2, injouable pour l&apos;instant</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="31"/>
        <source>Slot %1: empty</source>
        <translation>Case %1 : vide</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="32"/>
        <source>Slot %1: hidden</source>
        <translation>Case %1 : cachée</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="33"/>
        <source>Draw pile: %1 cards left</source>
        <translation>Pioche : %1 cartes restantes</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="35"/>
        <source>the next card tapped is discarded</source>
        <translation>la prochaine carte touchée est défaussée</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="36"/>
        <source>Discard pile: %1</source>
        <translation>Défausse : %1</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="38"/>
        <source>%1, battle pile: %2</source>
        <translation>%1, pile de combat : %2</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="39"/>
        <source>%1, speed pile: %2</source>
        <translation>%1, pile de vitesse : %2</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="41"/>
        <source>%1, distance: %2 of %3 miles</source>
        <translation>%1, distance : %2 sur %3 milles</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="42"/>
        <source>%1, safeties: %2</source>
        <translation>%1, bottes : %2</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="43"/>
        <source>%1 (coup fourré)</source>
        <translation>%1 (coup fourré)</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="45"/>
        <source>%1, score: hand %2, game %3, games won %4</source>
        <translation>%1, points : manche %2, partie %3, parties gagnées %4</translation>
    </message>
    <message>
        <location filename="../../src/qt/place_labels.h" line="46"/>
        <source>Status line: no message</source>
        <translation>Ligne d&apos;état : aucun message</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Free Player 2&apos;s Seat</source>
        <translation>Libérer la place du joueur 2</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>The join code is six characters from %1, as the host&apos;s window shows it (lower case and spaces are fine).</source>
        <translation>Le code d&apos;accès compte six caractères parmi %1, tels que la fenêtre de l&apos;hôte les affiche (minuscules et espaces acceptés).</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Player 2&apos;s seat is kept for the guest who joined this game: only that program can take it again.</source>
        <translation>La place du joueur 2 est gardée pour l&apos;invité qui a rejoint cette partie : seul ce programme peut la reprendre.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Player 2&apos;s seat is free: the first guest with the join code takes it.</source>
        <translation>La place du joueur 2 est libre : le premier invité muni du code d&apos;accès la prend.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>&amp;Free the Seat</source>
        <translation>&amp;Libérer la place</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Port %1 is in use by another program. Choose another port, or close the other program.</source>
        <translation>Le port %1 est utilisé par un autre programme. Choisissez un autre port ou fermez l&apos;autre programme.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Nothing answers at %1: is the other program hosting, on this port? Trying again.</source>
        <translation>Rien ne répond à %1 : l&apos;autre programme héberge-t-il une partie, sur ce port ? Nouvel essai.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>%1 cannot be reached. Trying again.</source>
        <translation>%1 est injoignable. Nouvel essai.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>The host did not accept the join code, or the line to it was altered.</source>
        <translation>L&apos;hôte n&apos;a pas accepté le code d&apos;accès, ou la liaison avec lui a été altérée.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>The host refuses joins for a minute after too many wrong codes.</source>
        <translation>Après trop de codes erronés, l&apos;hôte refuse toute connexion pendant une minute.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Player 2&apos;s seat is taken.</source>
        <translation>La place du joueur 2 est prise.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Player 2&apos;s seat was taken up again from another connection.</source>
        <translation>La place du joueur 2 a été reprise depuis une autre connexion.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>The host freed Player 2&apos;s seat.</source>
        <translation>L&apos;hôte a libéré la place du joueur 2.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>A join came with a wrong join code.</source>
        <translation>Une demande est arrivée avec un code d&apos;accès erroné.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Too many wrong join codes came from one address: its joins are refused for a minute.</source>
        <translation>Trop de codes d&apos;accès erronés sont venus d&apos;une adresse : ses demandes sont refusées pendant une minute.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Player 2 came back on another connection.</source>
        <translation>Le joueur 2 est revenu par une autre connexion.</translation>
    </message>
    <message>
        <location filename="../../src/qt/network/network_labels.h"/>
        <source>Player 2&apos;s seat was freed.</source>
        <translation>La place du joueur 2 a été libérée.</translation>
    </message>
    <message>
        <source>The statistics are reset.</source>
        <translation>Les statistiques sont réinitialisées.</translation>
    </message>
    <message>
        <source>The scores are reset.</source>
        <translation>Les scores sont remis à zéro.</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annulé : %1</translation>
    </message>
    <message>
        <source>Full Screen off</source>
        <translation>Plein écran désactivé</translation>
    </message>
    <message>
        <source>Reconnected to Player 1</source>
        <translation>Reconnecté au joueur 1</translation>
    </message>
    <message>
        <source>Player 2 has reconnected</source>
        <translation>Le joueur 2 s&apos;est reconnecté</translation>
    </message>
    <message>
        <source>%1, marked</source>
        <translation>%1, marquée</translation>
    </message>
    <message>
        <source>Watching hand %1 again (moves: %2)</source>
        <translation>Revoir la main %1 (coups : %2)</translation>
    </message>
    <message>
        <source>Back to move %1 of %2</source>
        <translation>Retour au coup %1 sur %2</translation>
    </message>
    <message>
        <source>Back to the game</source>
        <translation>Retour à la partie</translation>
    </message>
    <message>
        <source>Watch Hand Again</source>
        <translation>Revoir la main</translation>
    </message>
    <message>
        <source>Next Move</source>
        <translation>Coup suivant</translation>
    </message>
    <message>
        <source>Previous Move</source>
        <translation>Coup précédent</translation>
    </message>
    <message>
        <source>Show Other Hand</source>
        <translation>Montrer l&apos;autre main</translation>
    </message>
    <message>
        <source>Back to Game</source>
        <translation>Retour au jeu</translation>
    </message>
    <message>
        <source>Watch Hand %1</source>
        <translation>Revoir la main %1</translation>
    </message>
    <message>
        <source>Other hand: %1</source>
        <translation>Autre main : %1</translation>
    </message>
</context>
</TS>
