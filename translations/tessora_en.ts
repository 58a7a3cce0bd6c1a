<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Board</name>
    <message>
        <source>Spieler</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>leer</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>Spalte %1, Feld %2 von unten: %3</source>
        <translation>Column %1, cell %2 from the bottom: %3</translation>
    </message>
    <message>
        <source>Ihr letzter Zug: Spalte %1.</source>
        <translation>Your last move: column %1.</translation>
    </message>
    <message>
        <source>Letzter Zug des Computers: Spalte %1.</source>
        <translation>The computer&apos;s last move: column %1.</translation>
    </message>
    <message>
        <source>Spalte %1: leer.</source>
        <translation>Column %1: empty.</translation>
    </message>
    <message>
        <source>Spalte %1 voll: %2.</source>
        <translation>Column %1 full: %2.</translation>
    </message>
    <message>
        <source>Spalte %1: %2.</source>
        <translation>Column %1: %2.</translation>
    </message>
    <message>
        <source>Alle Spalten leer.</source>
        <translation>All columns empty.</translation>
    </message>
    <message>
        <source>Spielfeld</source>
        <translation>Board</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Neues Spiel</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>Anleitung</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Tipp</source>
        <translation>Hint</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Die Option %1 nimmt keinen Wert</source>
        <translation>The option %1 takes no value</translation>
    </message>
    <message>
        <source>Der Option %1 fehlt ein Wert</source>
        <translation>The option %1 is missing a value</translation>
    </message>
    <message>
        <source>Unlesbare Befehlszeile: %1</source>
        <translation>Unreadable command line: %1</translation>
    </message>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>Ungültiger Faktor für --zoom: %1 (erlaubt sind Zahlen von 1 bis 4 und max)</source>
        <translation>Invalid factor for --zoom: %1 (allowed are numbers from 1 to 4 and max)</translation>
    </message>
    <message>
        <source>Ungültige Sprache für --sprache: %1 (erlaubt sind de, en und auto)</source>
        <translation>Invalid language for --sprache: %1 (allowed are de, en and auto)</translation>
    </message>
    <message>
        <source>Aufruf: tessora [Optionen]
Vier in einer Reihe gegen den Computer.

Optionen:
  --zoom FAKTOR   vergrößert alle Fenster des Spiels um FAKTOR, eine Zahl
                  von 1 bis 4 (auch Bruchzahlen wie 1.5 oder 2,25); mit max
                  so weit, wie die Spielfläche auf den Bildschirm passt
  --fenster       spielt in einem gewöhnlichen Fenster statt auf dem ganzen
                  Bildschirm; das Fenster lässt sich beliebig vergrößern
  --tastatur      Spiel mit der Tastatur: die Tasten 1 bis 7 werfen einen
                  Stein in ihre Spalte, Tab erreicht auch das Spielfeld und
                  die Schaltflächen, Leertaste oder Eingabetaste drückt eine
                  Schaltfläche; mit einem Bildschirmleser ist es von selbst an
  --erklaeren     zeigt neben der Spielfläche, warum der Computer seine
                  Spalte gewählt hat, und gibt mit &quot;Tipp&quot; (oder der Taste T)
                  einen Rat, welche Spalte er an Ihrer Stelle spielen würde
  --sprache SPRACHE
                  spielt in SPRACHE: de (Deutsch, wie ohne die Option), en
                  (Englisch) oder auto (die Sprache der Spracheinstellung:
                  Englisch für eine englische, sonst Deutsch)
  -h, --help      zeigt diese Hilfe und beendet das Programm
  -v, --version   zeigt die Versionsnummer und beendet das Programm

Ohne Optionen startet das Spiel in einem Fenster, das den ganzen Bildschirm
füllt, mit der Spielfläche von 640 x 480 Bildpunkten in der Mitte. Die Taste
S schaltet den Ton, die Taste A das Fallen der Steine ein und aus; die
Optionsfelder nehmen wie immer Tab, die Pfeiltasten und die Leertaste. Alle
anderen Tasten tun ohne --tastatur nichts. Die üblichen Optionen von Qt (etwa
-platform xcb) werden an Qt weitergegeben.
</source>
        <translation>Usage: tessora [options]
Four in a row against the computer.

Options:
  --zoom FACTOR   enlarges every window of the game by FACTOR, a number from
                  1 to 4 (fractions such as 1.5 or 2,25 too); with max as far
                  as the play area fits on the screen
  --fenster       plays in an ordinary window instead of the whole screen;
                  the window can be resized at will
  --tastatur      keyboard play: the keys 1 to 7 drop a stone into their
                  column, Tab also reaches the board and the buttons, and
                  Space or Enter presses a button; with a screen reader it
                  is on by itself
  --erklaeren     shows beside the play area why the computer chose its
                  column, and with &quot;Hint&quot; (or the key T) tells you which
                  column it would play in your place
  --sprache LANGUAGE
                  plays in LANGUAGE: de (German, as without the option), en
                  (English) or auto (English if the language setting is
                  English, otherwise German)
  -h, --help      shows this help and exits
  -v, --version   shows the version number and exits

Without options the game starts in a window that fills the whole screen, with
the play area of 640 x 480 pixels in the middle. The key S switches the sound
on and off, the key A the falling of the stones; the option buttons take Tab,
the arrow keys and Space as usual. Without --tastatur every other key does
nothing. Qt&apos;s usual options (such as -platform xcb) are passed on to Qt.
</translation>
    </message>
</context>
<context>
    <name>Erklaerung</name>
    <message>
        <source>Der Computer spielte Spalte %1.</source>
        <translation>The computer played column %1.</translation>
    </message>
    <message>
        <source>Tipp: Spalte %1.</source>
        <translation>Hint: column %1.</translation>
    </message>
    <message>
        <source>Mit Spalte %1 hat der Computer vier Steine in einer Reihe und gewinnt.</source>
        <translation>With column %1 the computer has four stones in a row and wins.</translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: dann haben Sie vier Steine in einer Reihe und gewinnen.</source>
        <translation>Play column %1: then you have four stones in a row and win.</translation>
    </message>
    <message>
        <source>In Spalte %1 hätten Sie sonst vier Steine in eine Reihe gebracht. Der Computer hat das verhindert.</source>
        <translation>In column %1 you would have got four stones in a row. The computer stopped that.</translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: sonst bringt der Computer dort vier Steine in eine Reihe.</source>
        <translation>Play column %1: otherwise the computer gets four stones in a row there.</translation>
    </message>
    <message>
        <source>In Spalte %1 lagen zwei Gewinnfelder von Ihnen direkt übereinander. Der Computer hat das untere besetzt.</source>
        <translation>In column %1 you had two winning cells right on top of each other. The computer took the lower one.</translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: dort liegen zwei Gewinnfelder des Computers direkt übereinander. Besetzen Sie das untere.</source>
        <translation>Play column %1: the computer has two winning cells right on top of each other there. Take the lower one.</translation>
    </message>
    <message>
        <source>Spalte %1 war als einzige noch frei.</source>
        <translation>Column %1 was the only one still free.</translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: sie ist als einzige noch frei.</source>
        <translation>Play column %1: it is the only one still free.</translation>
    </message>
    <message>
        <source>In Spalte %1 lag das beste Feld, mit der Punktzahl %2 für den Angriff.</source>
        <translation>The best cell was in column %1, with a score of %2 for attack.</translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: dort liegt das beste Feld, mit der Punktzahl %2 für den Angriff.</source>
        <translation>Play column %1: the best cell is there, with a score of %2 for attack.</translation>
    </message>
    <message>
        <source>In Spalte %1 lag das beste Feld, mit der Punktzahl %2 für die Abwehr.</source>
        <translation>The best cell was in column %1, with a score of %2 for defence.</translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: dort liegt das beste Feld, mit der Punktzahl %2 für die Abwehr.</source>
        <translation>Play column %1: the best cell is there, with a score of %2 for defence.</translation>
    </message>
    <message>
        <source>Nur noch zwei Spalten waren frei. Mit Spalte %1 hat der Computer Ihnen eine Falle gestellt.</source>
        <translation>Only two columns were still free. With column %1 the computer set a trap for you.</translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: nur noch zwei Spalten sind frei, und damit stellen Sie dem Computer eine Falle.</source>
        <translation>Play column %1: only two columns are still free, and this sets a trap for the computer.</translation>
    </message>
    <message>
        <source>Nur noch die Spalten %2 und %3 waren frei. Der Computer nahm Spalte %1, denn dort blieben mehr Felder, auf denen keiner gewinnt (%4 statt %5).</source>
        <translation>Only columns %2 and %3 were still free. The computer took column %1, because that left more cells where nobody wins (%4 instead of %5).</translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: von den freien Spalten %2 und %3 bleiben dort mehr Felder, auf denen keiner gewinnt (%4 statt %5).</source>
        <translation>Play column %1: of the free columns %2 and %3, it leaves more cells where nobody wins (%4 instead of %5).</translation>
    </message>
    <message>
        <source>Kein Feld brachte Punkte, und jede Spalte hatte einen Haken. In Spalte %1 ging das Abzählen der freien Felder für den Computer auf.</source>
        <translation>No cell scored any points, and every column had a catch. In column %1, counting the free cells worked out for the computer.</translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: kein Feld bringt Punkte, und jede Spalte hat einen Haken, aber dort geht das Abzählen der freien Felder für Sie auf.</source>
        <translation>Play column %1: no cell scores any points, and every column has a catch, but there counting the free cells works out for you.</translation>
    </message>
    <message>
        <source>Kein Feld brachte Punkte. Spalte %1 war die sicherste Spalte.</source>
        <translation>No cell scored any points. Column %1 was the safest column.</translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: kein Feld bringt Punkte, und sie ist die sicherste Spalte.</source>
        <translation>Play column %1: no cell scores any points, and it is the safest column.</translation>
    </message>
    <message>
        <source>Kein Feld brachte Punkte. Spalte %1 war eine von %2 gleich sicheren Spalten.</source>
        <translation>No cell scored any points. Column %1 was one of %2 equally safe columns.</translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: kein Feld bringt Punkte, und sie ist eine von %2 gleich sicheren Spalten.</source>
        <translation>Play column %1: no cell scores any points, and it is one of %2 equally safe columns.</translation>
    </message>
    <message>
        <source>Mehrere Felder hatten gleich viele Punkte. Der Zufall hat entschieden, auf welcher Seite zuerst gesucht wurde.</source>
        <translation>Several cells scored the same. Chance decided which side was searched first.</translation>
    </message>
    <message>
        <source>Mehrere Felder haben gleich viele Punkte. Der Zufall hat entschieden, auf welcher Seite zuerst gesucht wird.</source>
        <translation>Several cells score the same. Chance decided which side is searched first.</translation>
    </message>
    <message>
        <source>Zu Beginn gibt der Zufall einer Spalte in der Mitte einen Extrapunkt. Das hat hier entschieden.</source>
        <translation>At the start, chance gives a column in the middle an extra point. That decided it here.</translation>
    </message>
    <message>
        <source>Unter den gleich sicheren Spalten hat das Los entschieden.</source>
        <translation>Chance picked one of the equally safe columns.</translation>
    </message>
    <message>
        <source>Spalte %1 gemieden: darüber könnten Sie gewinnen.</source>
        <translation>Column %1 avoided: you could win just above it.</translation>
    </message>
    <message>
        <source>Spalte %1 besser nicht: darüber könnte der Computer gewinnen.</source>
        <translation>Better avoid column %1: the computer could win just above it.</translation>
    </message>
    <message>
        <source>Spalte %1 gemieden: darüber wartet ein Gewinnfeld des Computers, das Sie sonst besetzen würden.</source>
        <translation>Column %1 avoided: you would then take the computer&apos;s winning cell just above it.</translation>
    </message>
    <message>
        <source>Spalte %1 besser nicht: darüber wartet Ihr eigenes Gewinnfeld, das der Computer sonst besetzen würde.</source>
        <translation>Better avoid column %1: the computer would then take your winning cell just above it.</translation>
    </message>
    <message>
        <source>Spalte %1 gemieden: ein Stein dort würde Ihnen das Feld darüber freigeben.</source>
        <translation>Column %1 avoided: a stone there would open the cell above it for you.</translation>
    </message>
    <message>
        <source>Spalte %1 besser nicht: ein Stein dort würde dem Computer das Feld darüber freigeben.</source>
        <translation>Better avoid column %1: a stone there would open the cell above it for the computer.</translation>
    </message>
    <message>
        <source>Spalte %1 gemieden: dort könnte es bald gefährlich werden.</source>
        <translation>Column %1 avoided: it could soon get dangerous there.</translation>
    </message>
    <message>
        <source>Spalte %1 besser nicht: dort könnte es bald gefährlich werden.</source>
        <translation>Better avoid column %1: it could soon get dangerous there.</translation>
    </message>
    <message>
        <source>Spalte %1 gemieden: der Computer hatte dort leichte Bedenken.</source>
        <translation>Column %1 avoided: the computer had slight doubts about it.</translation>
    </message>
    <message>
        <source>Spalte %1 besser nicht: dort gibt es leichte Bedenken.</source>
        <translation>Better avoid column %1: there are slight doubts about it.</translation>
    </message>
    <message>
        <source>vervollständigt eine eigene Viererreihe</source>
        <translation>completes a row of four of its own</translation>
    </message>
    <message>
        <source>verhindert Ihre Viererreihe</source>
        <translation>stops your row of four</translation>
    </message>
    <message>
        <source>verhindert die Viererreihe des Computers</source>
        <translation>stops the computer&apos;s row of four</translation>
    </message>
    <message>
        <source>macht zwei eigene Steine schräg zu einer offenen Dreierreihe</source>
        <translation>turns two of its stones into an open diagonal three</translation>
    </message>
    <message>
        <source>macht zwei eigene Steine waagerecht zu einer offenen Dreierreihe</source>
        <translation>turns two of its stones into an open horizontal three</translation>
    </message>
    <message>
        <source>verhindert Ihre schräge offene Zweierreihe</source>
        <translation>stops your open diagonal two</translation>
    </message>
    <message>
        <source>verhindert die schräge offene Zweierreihe des Computers</source>
        <translation>stops the computer&apos;s open diagonal two</translation>
    </message>
    <message>
        <source>verhindert Ihre waagerechte offene Zweierreihe</source>
        <translation>stops your open horizontal two</translation>
    </message>
    <message>
        <source>verhindert die waagerechte offene Zweierreihe des Computers</source>
        <translation>stops the computer&apos;s open horizontal two</translation>
    </message>
    <message>
        <source>hat zwei eigene Gewinnfelder übereinander</source>
        <translation>has two stacked winning cells of its own</translation>
    </message>
    <message>
        <source>baut eine eigene waagerechte Dreierreihe</source>
        <translation>builds a horizontal three of its own</translation>
    </message>
    <message>
        <source>baut eine eigene schräge Dreierreihe</source>
        <translation>builds a diagonal three of its own</translation>
    </message>
    <message>
        <source>verhindert Ihre waagerechte Dreierreihe</source>
        <translation>stops your horizontal three</translation>
    </message>
    <message>
        <source>verhindert die waagerechte Dreierreihe des Computers</source>
        <translation>stops the computer&apos;s horizontal three</translation>
    </message>
    <message>
        <source>verhindert Ihre schräge Dreierreihe</source>
        <translation>stops your diagonal three</translation>
    </message>
    <message>
        <source>verhindert die schräge Dreierreihe des Computers</source>
        <translation>stops the computer&apos;s diagonal three</translation>
    </message>
    <message>
        <source>stellt eine Falle mit zwei Drohungen auf einmal</source>
        <translation>sets a trap with two threats at once</translation>
    </message>
    <message>
        <source>verhindert Ihre Falle mit zwei Drohungen auf einmal</source>
        <translation>stops your trap with two threats at once</translation>
    </message>
    <message>
        <source>verhindert die Falle des Computers mit zwei Drohungen auf einmal</source>
        <translation>stops the computer&apos;s trap with two threats at once</translation>
    </message>
    <message>
        <source>bringt eigene Steine in eine gute Lage</source>
        <translation>puts its own stones in a good position</translation>
    </message>
    <message>
        <source>stört eine gute Lage Ihrer Steine</source>
        <translation>spoils a good position of your stones</translation>
    </message>
    <message>
        <source>stört eine gute Lage der Steine des Computers</source>
        <translation>spoils a good position of the computer&apos;s stones</translation>
    </message>
    <message>
        <source>setzt auf zwei eigene Steine übereinander</source>
        <translation>lands on top of two of its own stones</translation>
    </message>
    <message>
        <source>setzt auf Ihre zwei Steine übereinander</source>
        <translation>lands on top of two of your stones</translation>
    </message>
    <message>
        <source>setzt auf zwei Steine des Computers übereinander</source>
        <translation>lands on top of two of the computer&apos;s stones</translation>
    </message>
    <message>
        <source>bekommt zu Beginn einen Extrapunkt vom Zufall</source>
        <translation>gets an extra point from chance at the start</translation>
    </message>
</context>
<context>
    <name>Explanation panel</name>
    <message>
        <source>Bewertung der Felder</source>
        <translation>Cell ratings</translation>
    </message>
    <message>
        <source>Erklärung</source>
        <translation>Explanation</translation>
    </message>
    <message>
        <source>Hier erklärt der Computer jeden seiner Züge.</source>
        <translation>Here the computer explains each of its moves.</translation>
    </message>
    <message>
        <source>Mit „Tipp“ zeigt er Ihnen, welche Spalte er an Ihrer Stelle spielen würde.</source>
        <translation>With “Hint” it shows you which column it would play in your place.</translation>
    </message>
</context>
<context>
    <name>Headings</name>
    <message>
        <source>Anleitung</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Erklärung</source>
        <translation>Explanation</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Bei Tessora werfen Spieler und Computer abwechselnd jeweils einen Spielstein in das senkrecht stehende Spielfeld mit sieben Spalten und sechs Reihen. Jeder Stein fällt in seiner Spalte bis auf das unterste freie Feld.</source>
        <translation>In Tessora, the player and the computer take turns dropping one stone at a time into the upright board of seven columns and six rows. Each stone falls down its column to the lowest free cell.</translation>
    </message>
    <message>
        <source>Gewonnen hat, wer als Erster vier eigene Steine in eine Reihe bringt – senkrecht, waagerecht oder diagonal. Sind alle 42 Steine eingeworfen, ohne dass eine solche Reihe entstanden ist, endet die Partie unentschieden („Remis“).</source>
        <translation>The winner is whoever first gets four of their own stones in a row – vertically, horizontally or diagonally. If all 42 stones have been dropped without such a row, the game ends in a draw.</translation>
    </message>
    <message>
        <source>Um einen Stein einzuwerfen, klicken Sie mit der Maus auf die gewünschte Spalte. Die Statuszeile unter dem Spielfeld zeigt Ihnen jederzeit, wie es um die Partie steht und wer gerade am Zug ist.</source>
        <translation>To drop a stone, click the column you want with the mouse. The status line below the board always shows you how the game stands and whose turn it is.</translation>
    </message>
    <message>
        <source>In der Leiste links neben dem Spielfeld finden Sie die Einstellungen: Dort legen Sie fest, wer die Partie beginnt und wie stark der Computer spielt. Mit der Taste &apos;S&apos; schalten Sie den Ton ein und aus, mit der Taste &apos;A&apos; das Herabfallen der Steine.</source>
        <translation>You will find the settings in the strip to the left of the board: there you choose who starts the game and how strongly the computer plays. The key &apos;S&apos; switches the sound on and off, the key &apos;A&apos; the falling of the stones.</translation>
    </message>
    <message>
        <source>Und nun wünschen wir Ihnen viel Spaß und viel Glück beim Spielen – möge der Computer ordentlich ins Schwitzen kommen!</source>
        <translation>And now we wish you lots of fun and the best of luck – may the computer really work up a sweat!</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Ignorieren</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Wer beginnt ?</source>
        <translation>Who starts?</translation>
    </message>
    <message>
        <source>Spieler</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Spielstärke :</source>
        <translation>Strength:</translation>
    </message>
    <message>
        <source>Anfänger</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Experte</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Profi</source>
        <translation>Pro</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Sie haben eine benutzerdefinierte Schriftgröße unter</source>
        <translation>You have set a custom font size in</translation>
    </message>
    <message>
        <source>Windows eingestellt.</source>
        <translation>Windows.</translation>
    </message>
    <message>
        <source>Tessora kann allerdings nur mit eingestellter normaler</source>
        <translation>However, Tessora can only be started with the</translation>
    </message>
    <message>
        <source>Schriftgröße gestartet werden.</source>
        <translation>font size set to normal.</translation>
    </message>
    <message>
        <source>Unter Windows 95 können Sie die Schriftgröße</source>
        <translation>Under Windows 95 you can change the font size</translation>
    </message>
    <message>
        <source>umstellen, indem Sie in der &apos;Systemsteuerung&apos; auf &apos;Anzeige&apos;</source>
        <translation>by double-clicking &apos;Display&apos; in the &apos;Control Panel&apos;,</translation>
    </message>
    <message>
        <source>doppelklicken und unter der Lasche Einstellungen den</source>
        <translation>and on the &apos;Settings&apos; tab choosing the font size</translation>
    </message>
    <message>
        <source>Schriftgrad &apos;Kleine Schriftarten&apos; auswählen.</source>
        <translation>&apos;Small Fonts&apos;.</translation>
    </message>
    <message>
        <source>Unter Windows 98 können Sie die Schriftgröße</source>
        <translation>Under Windows 98 you can change the font size</translation>
    </message>
    <message>
        <source>doppelklicken, unter der Lasche &apos;Einstellungen&apos; den</source>
        <translation>then on the &apos;Settings&apos; tab clicking the button</translation>
    </message>
    <message>
        <source>Knopf &apos;Weitere Optionen&apos; wählen und dort unter der Lasche</source>
        <translation>&apos;Advanced&apos; and there, on the &apos;General&apos; tab,</translation>
    </message>
    <message>
        <source>&apos;Allgemein&apos; die Schriftgröße in &apos;Kleine Schriftarten&apos;</source>
        <translation>changing the font size to</translation>
    </message>
    <message>
        <source>ändern.</source>
        <translation>&apos;Small Fonts&apos;.</translation>
    </message>
    <message>
        <source>Fehler (Falscher Schriftgrad) :</source>
        <translation>Error (wrong font size)</translation>
    </message>
    <message>
        <source>Kein Bildschirm gefunden. Tessora braucht eine grafische Oberfläche (X11 oder Wayland); ist DISPLAY oder WAYLAND_DISPLAY gesetzt?</source>
        <translation>No screen found. Tessora needs a graphical desktop (X11 or Wayland); is DISPLAY or WAYLAND_DISPLAY set?</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Sie haben leider verloren, da der<byte value="xd"/>
Computer eine Reihe in diagonaler<byte value="xd"/>
Richtung gebildet hat !</source>
        <translation>Sorry, you have lost, because<byte value="xd"/>
the computer has made a row<byte value="xd"/>
in a diagonal direction!</translation>
    </message>
    <message>
        <source>Sie haben leider verloren, da der<byte value="xd"/>
Computer eine Reihe in vertikaler<byte value="xd"/>
Richtung gebildet hat !</source>
        <translation>Sorry, you have lost, because<byte value="xd"/>
the computer has made a row<byte value="xd"/>
in a vertical direction!</translation>
    </message>
    <message>
        <source>Sie haben leider verloren, da der<byte value="xd"/>
Computer eine Reihe in horizontaler<byte value="xd"/>
Richtung gebildet hat !</source>
        <translation>Sorry, you have lost, because<byte value="xd"/>
the computer has made a row<byte value="xd"/>
in a horizontal direction!</translation>
    </message>
    <message>
        <source>Niederlage</source>
        <translation>Defeat</translation>
    </message>
    <message>
        <source>Sie haben gewonnen, da Sie<byte value="xd"/>
eine Reihe in diagonaler Richtung<byte value="xd"/>
gebildet haben !</source>
        <translation>You have won, because<byte value="xd"/>
you have made a row<byte value="xd"/>
in a diagonal direction!</translation>
    </message>
    <message>
        <source>Sie haben gewonnen, da Sie eine<byte value="xd"/>
Reihe in vertikaler Richtung gebildet<byte value="xd"/>
hat !</source>
        <translation>You have won, because<byte value="xd"/>
you have made a row<byte value="xd"/>
in a vertical direction!</translation>
    </message>
    <message>
        <source>Sie haben gewonnen, da Sie eine<byte value="xd"/>
Reihe in horizontaler Richtung<byte value="xd"/>
gebildet haben !</source>
        <translation>You have won, because<byte value="xd"/>
you have made a row<byte value="xd"/>
in a horizontal direction!</translation>
    </message>
    <message>
        <source>Sieg</source>
        <translation>Victory</translation>
    </message>
    <message>
        <source>Die Partie endet mit einem Remis !</source>
        <translation>The game ends in a draw!</translation>
    </message>
    <message>
        <source>Unentschieden</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Klicken Sie auf eine Spalte, um einen Spielstein einzuwerfen.</source>
        <translation>Click a column to drop a stone into it.</translation>
    </message>
    <message>
        <source>Der Computer überlegt...</source>
        <translation>The computer is thinking...</translation>
    </message>
    <message>
        <source>Stein wird eingeworfen...</source>
        <translation>Dropping the stone...</translation>
    </message>
    <message>
        <source>Diese Spalte ist schon voll !</source>
        <translation>This column is already full!</translation>
    </message>
    <message>
        <source>Aufwachen !</source>
        <translation>Wake up!</translation>
    </message>
    <message>
        <source>Wollen Sie ein neues Spiel starten ?</source>
        <translation>Do you want to start a new game?</translation>
    </message>
    <message>
        <source>Frage:</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Wollen Sie Tessora wirklich beenden ?</source>
        <translation>Do you really want to quit Tessora?</translation>
    </message>
    <message>
        <source>-=Beenden=-</source>
        <translation>-=Quit=-</translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <source>Tessora ist Freeware: Sie dürfen das Programm kostenlos benutzen und unverändert an andere weitergeben. Die jeweils neueste Version finden Sie unter</source>
        <translation>Tessora is freeware: you may use the program free of charge and pass it on to others unchanged. You will always find the latest version at</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Anleitung</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Spielanleitung</source>
        <translation>Game instructions</translation>
    </message>
</context>
</TS>
