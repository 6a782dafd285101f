<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Error report</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument non valide</translation>
    </message>
    <message>
        <source>No pair of numbers fits the rules</source>
        <translation>Aucune paire de nombres ne respecte les règles</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>à la ligne %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Veuillez envoyer une capture d&apos;écran de ce message par e-mail à %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l&apos;application</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Image non valide</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Indice hors limites</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Variable objet non définie</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You must select at least one operator</source>
        <translation>Choisis au moins une opération.</translation>
    </message>
    <message>
        <source>You must select at least one game level</source>
        <translation>Choisis au moins un niveau.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Question %1</translation>
    </message>
    <message numerus="yes">
        <source>You have %n seconds to answer this question.</source>
        <translation>
            <numerusform>Tu as %n seconde pour répondre.</numerusform>
            <numerusform>Tu as %n secondes pour répondre.</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is over.</source>
        <translation>Le temps est écoulé.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Barre de progression</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>C&apos;est juste&#xa0;!</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Juste&#xa0;!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Faux&#xa0;!</translation>
    </message>
    <message>
        <source>Your score is %1 in %2 total questions.</source>
        <translation>Ton score est de %1 pour %2 questions en tout.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>Wrong! Answer: %1</source>
        <translation>Faux&#xa0;! Réponse&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>question mark</source>
        <translation>point d&apos;interrogation</translation>
    </message>
    <message>
        <source>Question %1: %2 %3 %4 equals</source>
        <translation>Question %1&#xa0;: %2 %3 %4 égale</translation>
    </message>
    <message>
        <source>Your score is %1.</source>
        <translation>Ton score est de %1.</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>premier nombre</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>deuxième nombre</translation>
    </message>
    <message>
        <source>your score</source>
        <translation>ton score</translation>
    </message>
    <message>
        <source>question number</source>
        <translation>numéro de la question</translation>
    </message>
    <message>
        <source>the operator is chosen at random</source>
        <translation>l&apos;opération est choisie au hasard</translation>
    </message>
    <message>
        <source>seconds left to answer</source>
        <translation>secondes restantes pour répondre</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>juste ou faux</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Ta réponse</translation>
    </message>
    <message>
        <source>Problems of this game</source>
        <translation>Calculs de cette partie</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Quillory could not open its window: some of its files are missing or damaged. Please install Quillory again.</source>
        <translation>Quillory n&apos;a pas pu ouvrir sa fenêtre&#xa0;: certains de ses fichiers sont manquants ou endommagés. Veuillez réinstaller Quillory.</translation>
    </message>
    <message>
        <source>Quillory needs a graphical desktop (X11 or Wayland) and could not open one.</source>
        <translation>Quillory a besoin d&apos;un bureau graphique (X11 ou Wayland) et n&apos;a pas pu en ouvrir un.</translation>
    </message>
</context>
<context>
    <name>Title strip</name>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>windows::Form1</name>
    <message>
        <source>Display 3 digit numbers (Hard)</source>
        <translation>Nombres à 3 chiffres (difficile)</translation>
    </message>
    <message>
        <source>Display 2 digit numbers (Medium)</source>
        <translation>Nombres à 2 chiffres (moyen)</translation>
    </message>
    <message>
        <source>Display 1 digit numbers (Easy)</source>
        <translation>Nombres à 1 chiffre (facile)</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Press Enter key to continue</source>
        <translation>Appuie sur Entrée pour la suite</translation>
    </message>
    <message>
        <source>Game Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Ton score</translation>
    </message>
</context>
<context>
    <name>windows::Form2</name>
    <message>
        <source>Summary</source>
        <translation>Bilan</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Math problems</source>
        <translation>Calculs</translation>
    </message>
    <message>
        <source> Your Answer</source>
        <translation> Ta réponse</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>Bonne réponse</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
</context>
</TS>
