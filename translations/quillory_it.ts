<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Error report</name>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisione per zero</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chiamata di routine o argomento non validi</translation>
    </message>
    <message>
        <source>No pair of numbers fits the rules</source>
        <translation>Nessuna coppia di numeri rispetta le regole</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>alla riga %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Si prega di inviare per e-mail uno screenshot di questo messaggio a %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Errore dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Immagine non valida</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Indice fuori dall&apos;intervallo</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Variabile oggetto non impostata</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You must select at least one operator</source>
        <translation>Devi scegliere almeno un&apos;operazione.</translation>
    </message>
    <message>
        <source>You must select at least one game level</source>
        <translation>Devi scegliere almeno un livello.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Domanda %1</translation>
    </message>
    <message numerus="yes">
        <source>You have %n seconds to answer this question.</source>
        <translation>
            <numerusform>Hai %n secondo per rispondere.</numerusform>
            <numerusform>Hai %n secondi per rispondere.</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is over.</source>
        <translation>Tempo scaduto.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Barra di avanzamento</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>Esatto!</translation>
    </message>
    <message>
        <source>Wrong! Answer: %1</source>
        <translation>Sbagliato! Risposta: %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Giusto!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Sbagliato!</translation>
    </message>
    <message>
        <source>Your score is %1 in %2 total questions.</source>
        <translation>Il tuo punteggio è %1 su %2 domande in tutto.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>più</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>meno</translation>
    </message>
    <message>
        <source>times</source>
        <translation>per</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>diviso</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>question mark</source>
        <translation>punto interrogativo</translation>
    </message>
    <message>
        <source>Question %1: %2 %3 %4 equals</source>
        <translation>Domanda %1: %2 %3 %4 fa</translation>
    </message>
    <message>
        <source>Your score is %1.</source>
        <translation>Il tuo punteggio è %1.</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>primo numero</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>secondo numero</translation>
    </message>
    <message>
        <source>your score</source>
        <translation>il tuo punteggio</translation>
    </message>
    <message>
        <source>question number</source>
        <translation>numero della domanda</translation>
    </message>
    <message>
        <source>the operator is chosen at random</source>
        <translation>l&apos;operazione viene scelta a caso</translation>
    </message>
    <message>
        <source>seconds left to answer</source>
        <translation>secondi rimasti per rispondere</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>esito</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>La tua risposta</translation>
    </message>
    <message>
        <source>Problems of this game</source>
        <translation>Operazioni di questa partita</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Quillory could not open its window: some of its files are missing or damaged. Please install Quillory again.</source>
        <translation>Quillory non è riuscito ad aprire la sua finestra: alcuni suoi file mancano o sono danneggiati. Reinstallare Quillory.</translation>
    </message>
    <message>
        <source>Quillory needs a graphical desktop (X11 or Wayland) and could not open one.</source>
        <translation>Quillory ha bisogno di un desktop grafico (X11 o Wayland) e non è riuscito ad aprirne uno.</translation>
    </message>
</context>
<context>
    <name>Title strip</name>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>windows::Form1</name>
    <message>
        <source>Display 3 digit numbers (Hard)</source>
        <translation>Numeri a 3 cifre (difficile)</translation>
    </message>
    <message>
        <source>Display 2 digit numbers (Medium)</source>
        <translation>Numeri a 2 cifre (medio)</translation>
    </message>
    <message>
        <source>Display 1 digit numbers (Easy)</source>
        <translation>Numeri a 1 cifra (facile)</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Diviso</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Per</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Meno</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Più</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Termina</translation>
    </message>
    <message>
        <source>Press Enter key to continue</source>
        <translation>Premi Invio per continuare</translation>
    </message>
    <message>
        <source>Game Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Punteggio</translation>
    </message>
</context>
<context>
    <name>windows::Form2</name>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Rigioca</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Math problems</source>
        <translation>Operazioni</translation>
    </message>
    <message>
        <source> Your Answer</source>
        <translation> La tua risposta</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>Risposta giusta</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Esito</translation>
    </message>
</context>
</TS>
