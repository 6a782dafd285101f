<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Error report</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>No pair of numbers fits the rules</source>
        <translation>Kein Zahlenpaar passt zu den Regeln</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>in Zeile %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Bitte schicken Sie ein Bildschirmfoto dieser Meldung per E-Mail an %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Programmfehler</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Objektvariable nicht festgelegt</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You must select at least one operator</source>
        <translation>Wähle mindestens eine Rechenart aus.</translation>
    </message>
    <message>
        <source>You must select at least one game level</source>
        <translation>Wähle mindestens eine Spielstufe aus.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Aufgabe %1</translation>
    </message>
    <message numerus="yes">
        <source>You have %n seconds to answer this question.</source>
        <translation>
            <numerusform>Du hast %n Sekunde für diese Aufgabe.</numerusform>
            <numerusform>Du hast %n Sekunden für diese Aufgabe.</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is over.</source>
        <translation>Die Zeit ist um.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Fortschrittsbalken</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>Das ist richtig!</translation>
    </message>
    <message>
        <source>Wrong! Answer: %1</source>
        <translation>Falsch! Lösung: %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Falsch!</translation>
    </message>
    <message>
        <source>Your score is %1 in %2 total questions.</source>
        <translation>Dein Punktestand: %1 bei %2 Aufgaben.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>question mark</source>
        <translation>Fragezeichen</translation>
    </message>
    <message>
        <source>Question %1: %2 %3 %4 equals</source>
        <translation>Aufgabe %1: %2 %3 %4 gleich</translation>
    </message>
    <message>
        <source>Your score is %1.</source>
        <translation>Dein Punktestand ist %1.</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>erste Zahl</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>zweite Zahl</translation>
    </message>
    <message>
        <source>your score</source>
        <translation>deine Punkte</translation>
    </message>
    <message>
        <source>question number</source>
        <translation>Nummer der Aufgabe</translation>
    </message>
    <message>
        <source>the operator is chosen at random</source>
        <translation>die Rechenart wird zufällig gewählt</translation>
    </message>
    <message>
        <source>seconds left to answer</source>
        <translation>Sekunden, die dir zum Antworten bleiben</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>richtig oder falsch</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Deine Antwort</translation>
    </message>
    <message>
        <source>Problems of this game</source>
        <translation>Aufgaben dieses Spiels</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Quillory could not open its window: some of its files are missing or damaged. Please install Quillory again.</source>
        <translation>Quillory konnte sein Fenster nicht öffnen: Einige seiner Dateien fehlen oder sind beschädigt. Bitte installieren Sie Quillory neu.</translation>
    </message>
    <message>
        <source>Quillory needs a graphical desktop (X11 or Wayland) and could not open one.</source>
        <translation>Quillory braucht eine grafische Arbeitsumgebung (X11 oder Wayland) und konnte keine öffnen.</translation>
    </message>
</context>
<context>
    <name>Title strip</name>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>windows::Form1</name>
    <message>
        <source>Display 3 digit numbers (Hard)</source>
        <translation>3-stellige Zahlen (schwer)</translation>
    </message>
    <message>
        <source>Display 2 digit numbers (Medium)</source>
        <translation>2-stellige Zahlen (mittel)</translation>
    </message>
    <message>
        <source>Display 1 digit numbers (Easy)</source>
        <translation>1-stellige Zahlen (leicht)</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Aufhören</translation>
    </message>
    <message>
        <source>Press Enter key to continue</source>
        <translation>Weiter mit der Enter-Taste</translation>
    </message>
    <message>
        <source>Game Level</source>
        <translation>Spielstufe</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Rechenart</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Deine Punkte</translation>
    </message>
</context>
<context>
    <name>windows::Form2</name>
    <message>
        <source>Summary</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Math problems</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source> Your Answer</source>
        <translation> Deine Antwort</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>Richtige Antwort</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
</context>
</TS>
