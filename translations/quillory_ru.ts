<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Error report</name>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Деление на ноль</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Недопустимый вызов процедуры или аргумент</translation>
    </message>
    <message>
        <source>No pair of numbers fits the rules</source>
        <translation>Нет пары чисел, подходящей под правила</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>в строке %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Пожалуйста, отправьте снимок экрана с этим сообщением по адресу %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Ошибка программы</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Недопустимое изображение</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Индекс вне допустимого диапазона</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Объектная переменная не задана</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You must select at least one operator</source>
        <translation>Выбери хотя бы одно действие.</translation>
    </message>
    <message>
        <source>You must select at least one game level</source>
        <translation>Выбери хотя бы один уровень.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Дальше</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Пример %1</translation>
    </message>
    <message numerus="yes">
        <source>You have %n seconds to answer this question.</source>
        <translation>
            <numerusform>У тебя %n секунда на ответ.</numerusform>
            <numerusform>У тебя %n секунды на ответ.</numerusform>
            <numerusform>У тебя %n секунд на ответ.</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is over.</source>
        <translation>Время вышло.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Индикатор времени</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>Правильно!</translation>
    </message>
    <message>
        <source>Wrong! Answer: %1</source>
        <translation>Неверно! Ответ: %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Верно!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Неверно!</translation>
    </message>
    <message>
        <source>Your score is %1 in %2 total questions.</source>
        <translation>Твои очки: %1. Всего примеров: %2.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>плюс</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>минус</translation>
    </message>
    <message>
        <source>times</source>
        <translation>умножить на</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>разделить на</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>question mark</source>
        <translation>знак вопроса</translation>
    </message>
    <message>
        <source>Question %1: %2 %3 %4 equals</source>
        <translation>Пример %1: %2 %3 %4 равно</translation>
    </message>
    <message>
        <source>Your score is %1.</source>
        <translation>Твои очки: %1.</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>первое число</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>второе число</translation>
    </message>
    <message>
        <source>your score</source>
        <translation>твои очки</translation>
    </message>
    <message>
        <source>question number</source>
        <translation>номер примера</translation>
    </message>
    <message>
        <source>the operator is chosen at random</source>
        <translation>действие выбирается случайно</translation>
    </message>
    <message>
        <source>seconds left to answer</source>
        <translation>сколько секунд осталось на ответ</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>верно или неверно</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Твой ответ</translation>
    </message>
    <message>
        <source>Problems of this game</source>
        <translation>Примеры этой игры</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Quillory could not open its window: some of its files are missing or damaged. Please install Quillory again.</source>
        <translation>Quillory не может открыть окно: некоторые файлы программы отсутствуют или повреждены. Установите Quillory заново.</translation>
    </message>
    <message>
        <source>Quillory needs a graphical desktop (X11 or Wayland) and could not open one.</source>
        <translation>Quillory нужен графический рабочий стол (X11 или Wayland), но открыть его не удалось.</translation>
    </message>
</context>
<context>
    <name>Title strip</name>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>windows::Form1</name>
    <message>
        <source>Display 3 digit numbers (Hard)</source>
        <translation>Трёхзначные числа (трудно)</translation>
    </message>
    <message>
        <source>Display 2 digit numbers (Medium)</source>
        <translation>Двузначные числа (средне)</translation>
    </message>
    <message>
        <source>Display 1 digit numbers (Easy)</source>
        <translation>Однозначные числа (легко)</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Делить</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Умножить</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Минус</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Плюс</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Закончить</translation>
    </message>
    <message>
        <source>Press Enter key to continue</source>
        <translation>Нажми Enter и продолжай</translation>
    </message>
    <message>
        <source>Game Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Твои очки</translation>
    </message>
</context>
<context>
    <name>windows::Form2</name>
    <message>
        <source>Summary</source>
        <translation>Итоги</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Ещё раз</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Math problems</source>
        <translation>Примеры</translation>
    </message>
    <message>
        <source> Your Answer</source>
        <translation> Твой ответ</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>Верный ответ</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Итог</translation>
    </message>
</context>
</TS>
