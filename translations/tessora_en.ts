<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Board</name>
    <message>
        <source>Spieler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte %1, Feld %2 von unten: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ihr letzter Zug: Spalte %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letzter Zug des Computers: Spalte %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte %1: leer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte %1 voll: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Spalten leer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielfeld</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Neues Spiel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anleitung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipp</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Aufruf: tessora [Optionen]
Vier in einer Reihe gegen den Computer.

Optionen:
  --zoom FAKTOR   vergrößert alle Fenster des Spiels um FAKTOR, eine Zahl von 1 bis 4
                  (auch Bruchzahlen wie 1.5 oder 2,25); mit max so weit, wie die
                  Spielfläche auf den Bildschirm passt
  --fenster       spielt in einem gewöhnlichen Fenster statt auf dem ganzen
                  Bildschirm; das Fenster lässt sich beliebig vergrößern
  --tastatur      Spiel mit der Tastatur: die Tasten 1 bis 7 werfen einen Stein
                  in ihre Spalte, Tab erreicht auch das Spielfeld und die
                  Schaltflächen, Leertaste oder Eingabetaste drückt eine
                  Schaltfläche; mit einem Bildschirmleser ist es von selbst an
  --erklaeren     zeigt neben der Spielfläche, warum der Computer seine Spalte
                  gewählt hat, und gibt mit &quot;Tipp&quot; (oder der Taste T) einen
                  Rat, welche Spalte er an Ihrer Stelle spielen würde
  --sprache SPRACHE  spielt in SPRACHE: de (Deutsch, wie ohne die Option), en
                  (Englisch) oder auto (die Sprache der Spracheinstellung, Englisch
                  für eine englische, sonst Deutsch)
  -h, --help      zeigt diese Hilfe und beendet das Programm
  -v, --version   zeigt die Versionsnummer und beendet das Programm

Ohne Optionen startet das Spiel in einem Fenster, das den ganzen Bildschirm füllt, mit
der Spielfläche von 640 x 480 Bildpunkten in der Mitte. Die Taste S schaltet den Ton,
die Taste A das Fallen der Steine ein und aus; die Optionsfelder nehmen wie immer Tab,
die Pfeiltasten und die Leertaste. Alle anderen Tasten tun ohne --tastatur nichts.
Die üblichen Optionen von Qt (etwa -platform xcb) werden an Qt weitergegeben.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Option %1 nimmt keinen Wert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Option %1 fehlt ein Wert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlesbare Befehlszeile: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ungültiger Faktor für --zoom: %1 (erlaubt sind Zahlen von 1 bis 4 und max)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ungültige Sprache für --sprache: %1 (erlaubt sind de, en und auto)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Erklaerung</name>
    <message>
        <source>Der Computer spielte Spalte %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipp: Spalte %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mit Spalte %1 hat der Computer vier Steine in einer Reihe und gewinnt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: dann haben Sie vier Steine in einer Reihe und gewinnen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Spalte %1 hätten Sie sonst vier Steine in eine Reihe gebracht. Der Computer hat das verhindert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: sonst bringt der Computer dort vier Steine in eine Reihe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Spalte %1 lagen zwei Gewinnfelder von Ihnen direkt übereinander. Der Computer hat das untere besetzt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: dort liegen zwei Gewinnfelder des Computers direkt übereinander. Besetzen Sie das untere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte %1 war als einzige noch frei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: sie ist als einzige noch frei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Spalte %1 lag das beste Feld, mit der Punktzahl %2 für den Angriff.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: dort liegt das beste Feld, mit der Punktzahl %2 für den Angriff.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Spalte %1 lag das beste Feld, mit der Punktzahl %2 für die Abwehr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: dort liegt das beste Feld, mit der Punktzahl %2 für die Abwehr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nur noch zwei Spalten waren frei. Mit Spalte %1 hat der Computer Ihnen eine Falle gestellt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: nur noch zwei Spalten sind frei, und damit stellen Sie dem Computer eine Falle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nur noch die Spalten %2 und %3 waren frei. Der Computer nahm Spalte %1, denn dort blieben mehr Felder, auf denen keiner gewinnt (%4 statt %5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: von den freien Spalten %2 und %3 bleiben dort mehr Felder, auf denen keiner gewinnt (%4 statt %5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Feld brachte Punkte, und jede Spalte hatte einen Haken. In Spalte %1 ging das Abzählen der freien Felder für den Computer auf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: kein Feld bringt Punkte, und jede Spalte hat einen Haken, aber dort geht das Abzählen der freien Felder für Sie auf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Feld brachte Punkte. Spalte %1 war die sicherste Spalte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: kein Feld bringt Punkte, und sie ist die sicherste Spalte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Feld brachte Punkte. Spalte %1 war eine von %2 gleich sicheren Spalten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielen Sie Spalte %1: kein Feld bringt Punkte, und sie ist eine von %2 gleich sicheren Spalten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mehrere Felder hatten gleich viele Punkte. Der Zufall hat entschieden, auf welcher Seite zuerst gesucht wurde.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mehrere Felder haben gleich viele Punkte. Der Zufall hat entschieden, auf welcher Seite zuerst gesucht wird.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zu Beginn gibt der Zufall einer Spalte in der Mitte einen Extrapunkt. Das hat hier entschieden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unter den gleich sicheren Spalten hat das Los entschieden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte %1 gemieden: darüber könnten Sie gewinnen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte %1 besser nicht: darüber könnte der Computer gewinnen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte %1 gemieden: darüber wartet ein Gewinnfeld des Computers, das Sie sonst besetzen würden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte %1 besser nicht: darüber wartet Ihr eigenes Gewinnfeld, das der Computer sonst besetzen würde.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte %1 gemieden: ein Stein dort würde Ihnen das Feld darüber freigeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte %1 besser nicht: ein Stein dort würde dem Computer das Feld darüber freigeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte %1 gemieden: dort könnte es bald gefährlich werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte %1 besser nicht: dort könnte es bald gefährlich werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte %1 gemieden: der Computer hatte dort leichte Bedenken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte %1 besser nicht: dort gibt es leichte Bedenken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vervollständigt eine eigene Viererreihe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verhindert Ihre Viererreihe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verhindert die Viererreihe des Computers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>macht zwei eigene Steine schräg zu einer offenen Dreierreihe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>macht zwei eigene Steine waagerecht zu einer offenen Dreierreihe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verhindert Ihre schräge offene Zweierreihe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verhindert die schräge offene Zweierreihe des Computers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verhindert Ihre waagerechte offene Zweierreihe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verhindert die waagerechte offene Zweierreihe des Computers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hat zwei eigene Gewinnfelder übereinander</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>baut eine eigene waagerechte Dreierreihe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>baut eine eigene schräge Dreierreihe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verhindert Ihre waagerechte Dreierreihe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verhindert die waagerechte Dreierreihe des Computers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verhindert Ihre schräge Dreierreihe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verhindert die schräge Dreierreihe des Computers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stellt eine Falle mit zwei Drohungen auf einmal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verhindert Ihre Falle mit zwei Drohungen auf einmal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verhindert die Falle des Computers mit zwei Drohungen auf einmal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bringt eigene Steine in eine gute Lage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stört eine gute Lage Ihrer Steine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stört eine gute Lage der Steine des Computers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>setzt auf zwei eigene Steine übereinander</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>setzt auf Ihre zwei Steine übereinander</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>setzt auf zwei Steine des Computers übereinander</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bekommt zu Beginn einen Extrapunkt vom Zufall</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Explanation panel</name>
    <message>
        <source>Bewertung der Felder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erklärung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hier erklärt der Computer jeden seiner Züge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mit „Tipp“ zeigt er Ihnen, welche Spalte er an Ihrer Stelle spielen würde.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Headings</name>
    <message>
        <source>Anleitung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erklärung</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Bei Tessora werfen Spieler und Computer abwechselnd jeweils einen Spielstein in das senkrecht stehende Spielfeld mit sieben Spalten und sechs Reihen. Jeder Stein fällt in seiner Spalte bis auf das unterste freie Feld.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gewonnen hat, wer als Erster vier eigene Steine in eine Reihe bringt – senkrecht, waagerecht oder diagonal. Sind alle 42 Steine eingeworfen, ohne dass eine solche Reihe entstanden ist, endet die Partie unentschieden („Remis“).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Um einen Stein einzuwerfen, klicken Sie mit der Maus auf die gewünschte Spalte. Die Statuszeile unter dem Spielfeld zeigt Ihnen jederzeit, wie es um die Partie steht und wer gerade am Zug ist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In der Leiste links neben dem Spielfeld finden Sie die Einstellungen: Dort legen Sie fest, wer die Partie beginnt und wie stark der Computer spielt. Mit der Taste &apos;S&apos; schalten Sie den Ton ein und aus, mit der Taste &apos;A&apos; das Herabfallen der Steine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Und nun wünschen wir Ihnen viel Spaß und viel Glück beim Spielen – möge der Computer ordentlich ins Schwitzen kommen!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignorieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nein</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Wer beginnt ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spieler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielstärke :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anfänger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profi</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Sie haben eine benutzerdefinierte Schriftgröße unter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows eingestellt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessora kann allerdings nur mit eingestellter normaler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schriftgröße gestartet werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unter Windows 95 können Sie die Schriftgröße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>umstellen, indem Sie in der &apos;Systemsteuerung&apos; auf &apos;Anzeige&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>doppelklicken und unter der Lasche Einstellungen den</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schriftgrad &apos;Kleine Schriftarten&apos; auswählen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unter Windows 98 können Sie die Schriftgröße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>doppelklicken, unter der Lasche &apos;Einstellungen&apos; den</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Knopf &apos;Weitere Optionen&apos; wählen und dort unter der Lasche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;Allgemein&apos; die Schriftgröße in &apos;Kleine Schriftarten&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ändern.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler (Falscher Schriftgrad) :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Sie haben leider verloren, da der<byte value="xd"/>
Computer eine Reihe in diagonaler<byte value="xd"/>
Richtung gebildet hat !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie haben leider verloren, da der<byte value="xd"/>
Computer eine Reihe in vertikaler<byte value="xd"/>
Richtung gebildet hat !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie haben leider verloren, da der<byte value="xd"/>
Computer eine Reihe in horizontaler<byte value="xd"/>
Richtung gebildet hat !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niederlage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie haben gewonnen, da Sie<byte value="xd"/>
eine Reihe in diagonaler Richtung<byte value="xd"/>
gebildet haben !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie haben gewonnen, da Sie eine<byte value="xd"/>
Reihe in vertikaler Richtung gebildet<byte value="xd"/>
hat !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie haben gewonnen, da Sie eine<byte value="xd"/>
Reihe in horizontaler Richtung<byte value="xd"/>
gebildet haben !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sieg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Partie endet mit einem Remis !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unentschieden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Klicken Sie auf eine Spalte, um einen Spielstein einzuwerfen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Computer überlegt...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stein wird eingeworfen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diese Spalte ist schon voll !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufwachen !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wollen Sie ein neues Spiel starten ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wollen Sie Tessora wirklich beenden ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-=Beenden=-</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <source>Tessora ist Freeware: Sie dürfen das Programm kostenlos benutzen und unverändert an andere weitergeben. Die jeweils neueste Version finden Sie unter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anleitung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielanleitung</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
