<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Error report</name>
    <message>
        <source>Overflow</source>
        <translation>تجاوز السعة</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>قسمة على صفر</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>استدعاء إجراء أو وسيط غير صالح</translation>
    </message>
    <message>
        <source>No pair of numbers fits the rules</source>
        <translation>لا يوجد زوج من الأعداد يوافق القواعد</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>في السطر %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>يُرجى إرسال لقطة شاشة لهذه الرسالة بالبريد الإلكتروني إلى %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>خطأ غير معروف</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>خطأ في البرنامج</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>صورة غير صالحة</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>الفهرس خارج النطاق</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>متغير الكائن غير معيَّن</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You must select at least one operator</source>
        <translation>يجب أن تختار عملية واحدة على الأقل</translation>
    </message>
    <message>
        <source>You must select at least one game level</source>
        <translation>يجب أن تختار مستوى واحدًا على الأقل</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>السؤال %1</translation>
    </message>
    <message numerus="yes">
        <source>You have %n seconds to answer this question.</source>
        <translation>
            <numerusform>لديك %n ثانية للإجابة عن هذا السؤال.</numerusform>
            <numerusform>لديك %n ثانية للإجابة عن هذا السؤال.</numerusform>
            <numerusform>لديك %n ثانيتان للإجابة عن هذا السؤال.</numerusform>
            <numerusform>لديك %n ثوانٍ للإجابة عن هذا السؤال.</numerusform>
            <numerusform>لديك %n ثانية للإجابة عن هذا السؤال.</numerusform>
            <numerusform>لديك %n ثانية للإجابة عن هذا السؤال.</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is over.</source>
        <translation>انتهى الوقت.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>شريط التقدم</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>إجابة صحيحة!</translation>
    </message>
    <message>
        <source>Wrong! Answer: %1</source>
        <translation>خطأ! الجواب: %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>صحيح!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>خطأ!</translation>
    </message>
    <message>
        <source>Your score is %1 in %2 total questions.</source>
        <translation>نتيجتك %1، وعدد الأسئلة %2.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>زائد</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>ناقص</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ضرب</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>تقسيم</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>question mark</source>
        <translation>علامة استفهام</translation>
    </message>
    <message>
        <source>Question %1: %2 %3 %4 equals</source>
        <translation>السؤال %1: %2 %3 %4 يساوي</translation>
    </message>
    <message>
        <source>Your score is %1.</source>
        <translation>نتيجتك %1.</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>العدد الأول</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>العدد الثاني</translation>
    </message>
    <message>
        <source>your score</source>
        <translation>نتيجتك</translation>
    </message>
    <message>
        <source>question number</source>
        <translation>رقم السؤال</translation>
    </message>
    <message>
        <source>the operator is chosen at random</source>
        <translation>العملية مختارة عشوائيًا</translation>
    </message>
    <message>
        <source>seconds left to answer</source>
        <translation>الثواني المتبقية للإجابة</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>تقييم الإجابة</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>إجابتك</translation>
    </message>
    <message>
        <source>Problems of this game</source>
        <translation>مسائل هذه اللعبة</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Quillory could not open its window: some of its files are missing or damaged. Please install Quillory again.</source>
        <translation>تعذّر على Quillory فتح نافذته: بعض ملفاته مفقودة أو تالفة. يُرجى تثبيت Quillory من جديد.</translation>
    </message>
    <message>
        <source>Quillory needs a graphical desktop (X11 or Wayland) and could not open one.</source>
        <translation>يحتاج Quillory إلى سطح مكتب رسومي (X11 أو Wayland) ولم يتمكن من فتحه.</translation>
    </message>
</context>
<context>
    <name>Title strip</name>
    <message>
        <source>Minimize</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>windows::Form1</name>
    <message>
        <source>Display 3 digit numbers (Hard)</source>
        <translation>أعداد من ثلاثة أرقام (صعب)</translation>
    </message>
    <message>
        <source>Display 2 digit numbers (Medium)</source>
        <translation>أعداد من رقمين (متوسط)</translation>
    </message>
    <message>
        <source>Display 1 digit numbers (Easy)</source>
        <translation>أعداد من رقم واحد (سهل)</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>القسمة</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>الضرب</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>الطرح</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>الجمع</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>إنهاء اللعبة</translation>
    </message>
    <message>
        <source>Press Enter key to continue</source>
        <translation>اضغط مفتاح Enter للمتابعة</translation>
    </message>
    <message>
        <source>Game Level</source>
        <translation>المستوى</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>العملية</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>نتيجتك</translation>
    </message>
</context>
<context>
    <name>windows::Form2</name>
    <message>
        <source>Summary</source>
        <translation>الملخص</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>العب مجددًا</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>إغلاق البرنامج</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>رقم</translation>
    </message>
    <message>
        <source>Math problems</source>
        <translation>المسائل</translation>
    </message>
    <message>
        <source> Your Answer</source>
        <translation> إجابتك</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>الإجابة الصحيحة</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>النتيجة</translation>
    </message>
</context>
</TS>
