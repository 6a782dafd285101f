<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Error report</name>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Deling door nul</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ongeldige procedureaanroep of ongeldig argument</translation>
    </message>
    <message>
        <source>No pair of numbers fits the rules</source>
        <translation>Geen enkel getallenpaar voldoet aan de regels</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>op regel %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Stuur een schermafbeelding van deze melding per e-mail naar %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Programmafout</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ongeldige afbeelding</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Index buiten bereik</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Objectvariabele niet ingesteld</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You must select at least one operator</source>
        <translation>Kies minstens één bewerking.</translation>
    </message>
    <message>
        <source>You must select at least one game level</source>
        <translation>Kies minstens één niveau.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Som %1</translation>
    </message>
    <message numerus="yes">
        <source>You have %n seconds to answer this question.</source>
        <translation>
            <numerusform>Je hebt %n seconde om te antwoorden.</numerusform>
            <numerusform>Je hebt %n seconden om te antwoorden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is over.</source>
        <translation>De tijd is om.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Voortgangsbalk</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>Dat is goed!</translation>
    </message>
    <message>
        <source>Wrong! Answer: %1</source>
        <translation>Fout! Antwoord: %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Goed!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Fout!</translation>
    </message>
    <message>
        <source>Your score is %1 in %2 total questions.</source>
        <translation>Je score is %1 bij %2 sommen in totaal.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>min</translation>
    </message>
    <message>
        <source>times</source>
        <translation>keer</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>gedeeld door</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>question mark</source>
        <translation>vraagteken</translation>
    </message>
    <message>
        <source>Question %1: %2 %3 %4 equals</source>
        <translation>Som %1: %2 %3 %4 is</translation>
    </message>
    <message>
        <source>Your score is %1.</source>
        <translation>Je score is %1.</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>eerste getal</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>tweede getal</translation>
    </message>
    <message>
        <source>your score</source>
        <translation>jouw score</translation>
    </message>
    <message>
        <source>question number</source>
        <translation>nummer van de som</translation>
    </message>
    <message>
        <source>the operator is chosen at random</source>
        <translation>de bewerking wordt willekeurig gekozen</translation>
    </message>
    <message>
        <source>seconds left to answer</source>
        <translation>seconden over om te antwoorden</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>goed of fout</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Jouw antwoord</translation>
    </message>
    <message>
        <source>Problems of this game</source>
        <translation>Sommen van dit spel</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Quillory could not open its window: some of its files are missing or damaged. Please install Quillory again.</source>
        <translation>Quillory kon zijn venster niet openen: sommige bestanden ontbreken of zijn beschadigd. Installeer Quillory opnieuw.</translation>
    </message>
    <message>
        <source>Quillory needs a graphical desktop (X11 or Wayland) and could not open one.</source>
        <translation>Quillory heeft een grafische desktop nodig (X11 of Wayland) en kon er geen openen.</translation>
    </message>
</context>
<context>
    <name>Title strip</name>
    <message>
        <source>Minimize</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>windows::Form1</name>
    <message>
        <source>Display 3 digit numbers (Hard)</source>
        <translation>Getallen van 3 cijfers (moeilijk)</translation>
    </message>
    <message>
        <source>Display 2 digit numbers (Medium)</source>
        <translation>Getallen van 2 cijfers (middel)</translation>
    </message>
    <message>
        <source>Display 1 digit numbers (Easy)</source>
        <translation>Getallen van 1 cijfer (makkelijk)</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Keer</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Press Enter key to continue</source>
        <translation>Ga verder met Enter</translation>
    </message>
    <message>
        <source>Game Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Bewerking</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Jouw score</translation>
    </message>
</context>
<context>
    <name>windows::Form2</name>
    <message>
        <source>Summary</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Math problems</source>
        <translation>Sommen</translation>
    </message>
    <message>
        <source> Your Answer</source>
        <translation> Jouw antwoord</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>Goede antwoord</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Uitslag</translation>
    </message>
</context>
</TS>
