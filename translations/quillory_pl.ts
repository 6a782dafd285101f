<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Error report</name>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Dzielenie przez zero</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument</translation>
    </message>
    <message>
        <source>No pair of numbers fits the rules</source>
        <translation>Żadna para liczb nie spełnia reguł</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>w wierszu %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Prosimy o przesłanie zrzutu ekranu z tym komunikatem na adres %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Błąd aplikacji</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Nieprawidłowy obraz</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Indeks poza zakresem</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Nie ustawiono zmiennej obiektowej</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You must select at least one operator</source>
        <translation>Wybierz co najmniej jedno działanie.</translation>
    </message>
    <message>
        <source>You must select at least one game level</source>
        <translation>Wybierz co najmniej jeden poziom.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Zadanie %1</translation>
    </message>
    <message numerus="yes">
        <source>You have %n seconds to answer this question.</source>
        <translation>
            <numerusform>Masz %n sekundę na odpowiedź.</numerusform>
            <numerusform>Masz %n sekundy na odpowiedź.</numerusform>
            <numerusform>Masz %n sekund na odpowiedź.</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is over.</source>
        <translation>Czas minął.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Pasek postępu</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>Dobrze!</translation>
    </message>
    <message>
        <source>Wrong! Answer: %1</source>
        <translation>Źle! Odpowiedź: %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Dobrze!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Źle!</translation>
    </message>
    <message>
        <source>Your score is %1 in %2 total questions.</source>
        <translation>Twój wynik: %1. Liczba zadań: %2.</translation>
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
        <translation>razy</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>podzielić przez</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>question mark</source>
        <translation>znak zapytania</translation>
    </message>
    <message>
        <source>Question %1: %2 %3 %4 equals</source>
        <translation>Zadanie %1: %2 %3 %4 równa się</translation>
    </message>
    <message>
        <source>Your score is %1.</source>
        <translation>Twój wynik to %1.</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>pierwsza liczba</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>druga liczba</translation>
    </message>
    <message>
        <source>your score</source>
        <translation>twój wynik</translation>
    </message>
    <message>
        <source>question number</source>
        <translation>numer zadania</translation>
    </message>
    <message>
        <source>the operator is chosen at random</source>
        <translation>działanie jest wybierane losowo</translation>
    </message>
    <message>
        <source>seconds left to answer</source>
        <translation>ile sekund zostało na odpowiedź</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>ocena</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Twoja odpowiedź</translation>
    </message>
    <message>
        <source>Problems of this game</source>
        <translation>Zadania z tej gry</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Quillory could not open its window: some of its files are missing or damaged. Please install Quillory again.</source>
        <translation>Nie udało się otworzyć okna Quillory: brakuje niektórych plików programu lub są uszkodzone. Zainstaluj Quillory ponownie.</translation>
    </message>
    <message>
        <source>Quillory needs a graphical desktop (X11 or Wayland) and could not open one.</source>
        <translation>Quillory potrzebuje środowiska graficznego (X11 lub Wayland), ale nie udało się go otworzyć.</translation>
    </message>
</context>
<context>
    <name>Title strip</name>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>windows::Form1</name>
    <message>
        <source>Display 3 digit numbers (Hard)</source>
        <translation>Trzycyfrowe liczby (trudne)</translation>
    </message>
    <message>
        <source>Display 2 digit numbers (Medium)</source>
        <translation>Dwucyfrowe liczby (średnie)</translation>
    </message>
    <message>
        <source>Display 1 digit numbers (Easy)</source>
        <translation>Jednocyfrowe liczby (łatwe)</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Dzielić</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Razy</translation>
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
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Press Enter key to continue</source>
        <translation>Naciśnij Enter i graj dalej</translation>
    </message>
    <message>
        <source>Game Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Działanie</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Twoje punkty</translation>
    </message>
</context>
<context>
    <name>windows::Form2</name>
    <message>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Jeszcze raz</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Math problems</source>
        <translation>Zadania</translation>
    </message>
    <message>
        <source> Your Answer</source>
        <translation> Odpowiedź</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>Rozwiązanie</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ocena</translation>
    </message>
</context>
</TS>
