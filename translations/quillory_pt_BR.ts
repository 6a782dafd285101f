<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Error report</name>
    <message>
        <source>Overflow</source>
        <translation>Estouro de capacidade</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisão por zero</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chamada de procedimento ou argumento inválido</translation>
    </message>
    <message>
        <source>No pair of numbers fits the rules</source>
        <translation>Nenhum par de números atende às regras</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>na linha %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Envie uma captura de tela desta mensagem por e-mail para %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erro do aplicativo</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagem inválida</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Índice fora dos limites</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Variável de objeto não definida</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You must select at least one operator</source>
        <translation>Escolha pelo menos uma operação.</translation>
    </message>
    <message>
        <source>You must select at least one game level</source>
        <translation>Escolha pelo menos um nível.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próxima</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Pergunta %1</translation>
    </message>
    <message numerus="yes">
        <source>You have %n seconds to answer this question.</source>
        <translation>
            <numerusform>Você tem %n segundo para responder.</numerusform>
            <numerusform>Você tem %n segundos para responder.</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is over.</source>
        <translation>O tempo acabou.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Barra de progresso</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>Acertou!</translation>
    </message>
    <message>
        <source>Wrong! Answer: %1</source>
        <translation>Errado! Resposta: %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Certo!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Errado!</translation>
    </message>
    <message>
        <source>Your score is %1 in %2 total questions.</source>
        <translation>Sua pontuação é %1 em %2 perguntas no total.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>mais</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>vezes</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido por</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>question mark</source>
        <translation>ponto de interrogação</translation>
    </message>
    <message>
        <source>Question %1: %2 %3 %4 equals</source>
        <translation>Pergunta %1: %2 %3 %4 é igual a</translation>
    </message>
    <message>
        <source>Your score is %1.</source>
        <translation>Sua pontuação é %1.</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>primeiro número</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>segundo número</translation>
    </message>
    <message>
        <source>your score</source>
        <translation>sua pontuação</translation>
    </message>
    <message>
        <source>question number</source>
        <translation>número da pergunta</translation>
    </message>
    <message>
        <source>the operator is chosen at random</source>
        <translation>a operação é escolhida ao acaso</translation>
    </message>
    <message>
        <source>seconds left to answer</source>
        <translation>segundos restantes para responder</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>resultado</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Sua resposta</translation>
    </message>
    <message>
        <source>Problems of this game</source>
        <translation>Contas deste jogo</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Quillory could not open its window: some of its files are missing or damaged. Please install Quillory again.</source>
        <translation>O Quillory não conseguiu abrir sua janela: alguns de seus arquivos estão faltando ou danificados. Instale o Quillory novamente.</translation>
    </message>
    <message>
        <source>Quillory needs a graphical desktop (X11 or Wayland) and could not open one.</source>
        <translation>O Quillory precisa de um ambiente gráfico (X11 ou Wayland) e não conseguiu abrir um.</translation>
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
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>windows::Form1</name>
    <message>
        <source>Display 3 digit numbers (Hard)</source>
        <translation>Números de 3 dígitos (difícil)</translation>
    </message>
    <message>
        <source>Display 2 digit numbers (Medium)</source>
        <translation>Números de 2 dígitos (médio)</translation>
    </message>
    <message>
        <source>Display 1 digit numbers (Easy)</source>
        <translation>Números de 1 dígito (fácil)</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisão</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicação</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtração</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Adição</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Encerrar</translation>
    </message>
    <message>
        <source>Press Enter key to continue</source>
        <translation>Aperte Enter para continuar</translation>
    </message>
    <message>
        <source>Game Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operação</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Pontuação</translation>
    </message>
</context>
<context>
    <name>windows::Form2</name>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>De novo</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>Math problems</source>
        <translation>Contas</translation>
    </message>
    <message>
        <source> Your Answer</source>
        <translation> Sua resposta</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>Resposta certa</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
</context>
</TS>
