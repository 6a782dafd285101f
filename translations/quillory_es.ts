<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Error report</name>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válido</translation>
    </message>
    <message>
        <source>No pair of numbers fits the rules</source>
        <translation>Ningún par de números cumple las reglas</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>en la línea %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Envíe una captura de pantalla de este mensaje por correo electrónico a %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagen no válida</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Índice fuera de los límites</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Variable de objeto no establecida</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You must select at least one operator</source>
        <translation>Tienes que elegir al menos una operación.</translation>
    </message>
    <message>
        <source>You must select at least one game level</source>
        <translation>Tienes que elegir al menos un nivel.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Pregunta %1</translation>
    </message>
    <message numerus="yes">
        <source>You have %n seconds to answer this question.</source>
        <translation>
            <numerusform>Tienes %n segundo para responder.</numerusform>
            <numerusform>Tienes %n segundos para responder.</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is over.</source>
        <translation>Se acabó el tiempo.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Barra de progreso</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>Wrong! Answer: %1</source>
        <translation>¡Incorrecto! Respuesta: %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>¡Incorrecto!</translation>
    </message>
    <message>
        <source>Your score is %1 in %2 total questions.</source>
        <translation>Tu puntuación es %1 en %2 preguntas en total.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido entre</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>question mark</source>
        <translation>signo de interrogación</translation>
    </message>
    <message>
        <source>Question %1: %2 %3 %4 equals</source>
        <translation>Pregunta %1: %2 %3 %4 es igual a</translation>
    </message>
    <message>
        <source>Your score is %1.</source>
        <translation>Tu puntuación es %1.</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>primer número</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>segundo número</translation>
    </message>
    <message>
        <source>your score</source>
        <translation>tu puntuación</translation>
    </message>
    <message>
        <source>question number</source>
        <translation>número de pregunta</translation>
    </message>
    <message>
        <source>the operator is chosen at random</source>
        <translation>la operación se elige al azar</translation>
    </message>
    <message>
        <source>seconds left to answer</source>
        <translation>segundos que quedan para responder</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>resultado</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Tu respuesta</translation>
    </message>
    <message>
        <source>Problems of this game</source>
        <translation>Operaciones de esta partida</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Quillory could not open its window: some of its files are missing or damaged. Please install Quillory again.</source>
        <translation>Quillory no ha podido abrir su ventana: faltan algunos de sus archivos o están dañados. Vuelva a instalar Quillory.</translation>
    </message>
    <message>
        <source>Quillory needs a graphical desktop (X11 or Wayland) and could not open one.</source>
        <translation>Quillory necesita un escritorio gráfico (X11 o Wayland) y no ha podido abrir ninguno.</translation>
    </message>
</context>
<context>
    <name>Title strip</name>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>windows::Form1</name>
    <message>
        <source>Display 3 digit numbers (Hard)</source>
        <translation>Números de 3 cifras (difícil)</translation>
    </message>
    <message>
        <source>Display 2 digit numbers (Medium)</source>
        <translation>Números de 2 cifras (medio)</translation>
    </message>
    <message>
        <source>Display 1 digit numbers (Easy)</source>
        <translation>Números de 1 cifra (fácil)</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Press Enter key to continue</source>
        <translation>Pulsa Enter para seguir</translation>
    </message>
    <message>
        <source>Game Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Tus puntos</translation>
    </message>
</context>
<context>
    <name>windows::Form2</name>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Otra vez</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Math problems</source>
        <translation>Operaciones</translation>
    </message>
    <message>
        <source> Your Answer</source>
        <translation> Tu respuesta</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
</context>
</TS>
