<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Error report</name>
    <message>
        <source>Overflow</source>
        <translation>Переповнення</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Ділення на нуль</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Неприпустимий виклик процедури або аргумент</translation>
    </message>
    <message>
        <source>No pair of numbers fits the rules</source>
        <translation>Жодна пара чисел не відповідає правилам</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>у рядку %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Будь ласка, надішліть знімок екрана з цим повідомленням на адресу %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Невідома помилка</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Помилка програми</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Неприпустиме зображення</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Індекс поза межами діапазону</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Об’єктну змінну не задано</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You must select at least one operator</source>
        <translation>Вибери хоча б одну дію.</translation>
    </message>
    <message>
        <source>You must select at least one game level</source>
        <translation>Вибери хоча б один рівень.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далі</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Приклад %1</translation>
    </message>
    <message numerus="yes">
        <source>You have %n seconds to answer this question.</source>
        <translation>
            <numerusform>У тебе %n секунда на відповідь.</numerusform>
            <numerusform>У тебе %n секунди на відповідь.</numerusform>
            <numerusform>У тебе %n секунд на відповідь.</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is over.</source>
        <translation>Час вийшов.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Індикатор часу</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>Правильно!</translation>
    </message>
    <message>
        <source>Wrong! Answer: %1</source>
        <translation>Неправильно! Відповідь: %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Вірно!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Помилка!</translation>
    </message>
    <message>
        <source>Your score is %1 in %2 total questions.</source>
        <translation>Твої бали: %1. Усього прикладів: %2.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>плюс</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>мінус</translation>
    </message>
    <message>
        <source>times</source>
        <translation>помножити на</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>поділити на</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>question mark</source>
        <translation>знак питання</translation>
    </message>
    <message>
        <source>Question %1: %2 %3 %4 equals</source>
        <translation>Приклад %1: %2 %3 %4 дорівнює</translation>
    </message>
    <message>
        <source>Your score is %1.</source>
        <translation>Твої бали: %1.</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>перше число</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>друге число</translation>
    </message>
    <message>
        <source>your score</source>
        <translation>твої бали</translation>
    </message>
    <message>
        <source>question number</source>
        <translation>номер прикладу</translation>
    </message>
    <message>
        <source>the operator is chosen at random</source>
        <translation>дію вибрано випадково</translation>
    </message>
    <message>
        <source>seconds left to answer</source>
        <translation>скільки секунд залишилося на відповідь</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>правильно чи ні</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Твоя відповідь</translation>
    </message>
    <message>
        <source>Problems of this game</source>
        <translation>Приклади цієї гри</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Quillory could not open its window: some of its files are missing or damaged. Please install Quillory again.</source>
        <translation>Не вдалося відкрити вікно Quillory: деякі файли програми відсутні або пошкоджені. Установіть Quillory знову.</translation>
    </message>
    <message>
        <source>Quillory needs a graphical desktop (X11 or Wayland) and could not open one.</source>
        <translation>Quillory потрібен графічний робочий стіл (X11 або Wayland), але його не вдалося відкрити.</translation>
    </message>
</context>
<context>
    <name>Title strip</name>
    <message>
        <source>Minimize</source>
        <translation>Згорнути</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>windows::Form1</name>
    <message>
        <source>Display 3 digit numbers (Hard)</source>
        <translation>Трицифрові числа (складно)</translation>
    </message>
    <message>
        <source>Display 2 digit numbers (Medium)</source>
        <translation>Двоцифрові числа (середньо)</translation>
    </message>
    <message>
        <source>Display 1 digit numbers (Easy)</source>
        <translation>Одноцифрові числа (легко)</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Ділити</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Помножити</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Мінус</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Плюс</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Закінчити</translation>
    </message>
    <message>
        <source>Press Enter key to continue</source>
        <translation>Натисни Enter і продовжуй</translation>
    </message>
    <message>
        <source>Game Level</source>
        <translation>Рівень</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Дія</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Твої бали</translation>
    </message>
</context>
<context>
    <name>windows::Form2</name>
    <message>
        <source>Summary</source>
        <translation>Підсумки</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Ще раз</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Math problems</source>
        <translation>Приклади</translation>
    </message>
    <message>
        <source> Your Answer</source>
        <translation> Твоя відповідь</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>Розв’язок</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Підсумок</translation>
    </message>
</context>
</TS>
