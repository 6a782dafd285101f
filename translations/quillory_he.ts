<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>Error report</name>
    <message>
        <source>Overflow</source>
        <translation>גלישה</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>חלוקה באפס</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>קריאה לשגרה או ארגומנט לא חוקיים</translation>
    </message>
    <message>
        <source>No pair of numbers fits the rules</source>
        <translation>אין זוג מספרים שמתאים לכללים</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>בשורה %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>נא לשלוח צילום מסך של הודעה זו בדוא״ל אל %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>שגיאה לא ידועה</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>שגיאה ביישום</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>תמונה לא חוקית</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>אינדקס מחוץ לטווח</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>משתנה האובייקט לא הוגדר</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You must select at least one operator</source>
        <translation>צריך לבחור לפחות פעולה אחת</translation>
    </message>
    <message>
        <source>You must select at least one game level</source>
        <translation>צריך לבחור לפחות רמה אחת</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>התחלה</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>הבא</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>שאלה %1</translation>
    </message>
    <message numerus="yes">
        <source>You have %n seconds to answer this question.</source>
        <translation>
            <numerusform>יש לך %n שנייה לענות על השאלה הזאת.</numerusform>
            <numerusform>יש לך %n שניות לענות על השאלה הזאת.</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is over.</source>
        <translation>נגמר הזמן.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>סרגל התקדמות</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>נכון מאוד!</translation>
    </message>
    <message>
        <source>Wrong! Answer: %1</source>
        <translation>טעות! התשובה: %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>נכון!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>טעות!</translation>
    </message>
    <message>
        <source>Your score is %1 in %2 total questions.</source>
        <translation>הניקוד שלך הוא %1 ב-%2 שאלות בסך הכול.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>ועוד</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>פחות</translation>
    </message>
    <message>
        <source>times</source>
        <translation>כפול</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>חלקי</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>question mark</source>
        <translation>סימן שאלה</translation>
    </message>
    <message>
        <source>Question %1: %2 %3 %4 equals</source>
        <translation>שאלה %1: %2 %3 %4 שווה</translation>
    </message>
    <message>
        <source>Your score is %1.</source>
        <translation>הניקוד שלך הוא %1.</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>המספר הראשון</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>המספר השני</translation>
    </message>
    <message>
        <source>your score</source>
        <translation>הניקוד שלך</translation>
    </message>
    <message>
        <source>question number</source>
        <translation>מספר השאלה</translation>
    </message>
    <message>
        <source>the operator is chosen at random</source>
        <translation>הפעולה נבחרת באקראי</translation>
    </message>
    <message>
        <source>seconds left to answer</source>
        <translation>השניות שנשארו לתשובה</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>תוצאת הבדיקה</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>התשובה שלך</translation>
    </message>
    <message>
        <source>Problems of this game</source>
        <translation>התרגילים של המשחק הזה</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Quillory could not open its window: some of its files are missing or damaged. Please install Quillory again.</source>
        <translation>Quillory לא הצליח לפתוח את החלון שלו: חלק מהקבצים שלו חסרים או פגומים. נא להתקין את Quillory מחדש.</translation>
    </message>
    <message>
        <source>Quillory needs a graphical desktop (X11 or Wayland) and could not open one.</source>
        <translation>Quillory צריך שולחן עבודה גרפי (X11 או Wayland) ולא הצליח לפתוח אותו.</translation>
    </message>
</context>
<context>
    <name>Title strip</name>
    <message>
        <source>Minimize</source>
        <translation>מזעור</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
</context>
<context>
    <name>windows::Form1</name>
    <message>
        <source>Display 3 digit numbers (Hard)</source>
        <translation>מספרים בני 3 ספרות (קשה)</translation>
    </message>
    <message>
        <source>Display 2 digit numbers (Medium)</source>
        <translation>מספרים דו-ספרתיים (בינוני)</translation>
    </message>
    <message>
        <source>Display 1 digit numbers (Easy)</source>
        <translation>מספרים חד-ספרתיים (קל)</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>חילוק</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>כפל</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>חיסור</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>חיבור</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>סיום המשחק</translation>
    </message>
    <message>
        <source>Press Enter key to continue</source>
        <translation>לחצו על Enter כדי להמשיך</translation>
    </message>
    <message>
        <source>Game Level</source>
        <translation>רמה</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>פעולה</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>הניקוד שלך</translation>
    </message>
</context>
<context>
    <name>windows::Form2</name>
    <message>
        <source>Summary</source>
        <translation>סיכום</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>לשחק שוב</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>מס&apos;</translation>
    </message>
    <message>
        <source>Math problems</source>
        <translation>תרגילים</translation>
    </message>
    <message>
        <source> Your Answer</source>
        <translation> התשובה שלך</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>התשובה הנכונה</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>תוצאה</translation>
    </message>
</context>
</TS>
