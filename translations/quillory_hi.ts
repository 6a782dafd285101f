<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>Error report</name>
    <message>
        <source>Overflow</source>
        <translation>ओवरफ़्लो</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>शून्य से भाग</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>अमान्य प्रक्रिया कॉल या आर्ग्युमेंट</translation>
    </message>
    <message>
        <source>No pair of numbers fits the rules</source>
        <translation>नियमों के अनुसार कोई संख्या-जोड़ी नहीं मिली</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>पंक्ति %1 पर</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>कृपया इस संदेश का स्क्रीनशॉट %1 पर ईमेल करें</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>अज्ञात त्रुटि</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>प्रोग्राम त्रुटि</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>अमान्य चित्र</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>इंडेक्स सीमा से बाहर</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>ऑब्जेक्ट वेरिएबल सेट नहीं है</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You must select at least one operator</source>
        <translation>तुम्हें कम से कम एक संक्रिया चुननी होगी</translation>
    </message>
    <message>
        <source>You must select at least one game level</source>
        <translation>तुम्हें कम से कम एक स्तर चुनना होगा</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>शुरू करो</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>अगला</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>प्रश्न %1</translation>
    </message>
    <message numerus="yes">
        <source>You have %n seconds to answer this question.</source>
        <translation>
            <numerusform>इस प्रश्न का उत्तर देने के लिए तुम्हारे पास %n सेकंड है।</numerusform>
            <numerusform>इस प्रश्न का उत्तर देने के लिए तुम्हारे पास %n सेकंड हैं।</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is over.</source>
        <translation>समय खत्म हो गया।</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>प्रगति पट्टी</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>बिल्कुल सही!</translation>
    </message>
    <message>
        <source>Wrong! Answer: %1</source>
        <translation>गलत! उत्तर: %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>सही!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>गलत!</translation>
    </message>
    <message>
        <source>Your score is %1 in %2 total questions.</source>
        <translation>कुल %2 प्रश्नों में तुम्हारे अंक %1 हैं।</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>जमा</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>घटा</translation>
    </message>
    <message>
        <source>times</source>
        <translation>गुणा</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>भाग</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>question mark</source>
        <translation>प्रश्नचिह्न</translation>
    </message>
    <message>
        <source>Question %1: %2 %3 %4 equals</source>
        <translation>प्रश्न %1: %2 %3 %4 बराबर</translation>
    </message>
    <message>
        <source>Your score is %1.</source>
        <translation>तुम्हारे अंक %1 हैं।</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>पहली संख्या</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>दूसरी संख्या</translation>
    </message>
    <message>
        <source>your score</source>
        <translation>तुम्हारे अंक</translation>
    </message>
    <message>
        <source>question number</source>
        <translation>प्रश्न संख्या</translation>
    </message>
    <message>
        <source>the operator is chosen at random</source>
        <translation>संक्रिया अपने-आप बिना किसी क्रम के चुनी गई है</translation>
    </message>
    <message>
        <source>seconds left to answer</source>
        <translation>उत्तर देने के लिए बचे सेकंड</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>नतीजा</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>तुम्हारा उत्तर</translation>
    </message>
    <message>
        <source>Problems of this game</source>
        <translation>इस खेल के प्रश्न</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Quillory could not open its window: some of its files are missing or damaged. Please install Quillory again.</source>
        <translation>Quillory अपनी विंडो नहीं खोल सका: उसकी कुछ फ़ाइलें गायब हैं या खराब हो गई हैं। कृपया Quillory को फिर से इंस्टॉल करें।</translation>
    </message>
    <message>
        <source>Quillory needs a graphical desktop (X11 or Wayland) and could not open one.</source>
        <translation>Quillory को ग्राफ़िकल डेस्कटॉप (X11 या Wayland) चाहिए, पर वह उसे खोल नहीं सका।</translation>
    </message>
</context>
<context>
    <name>Title strip</name>
    <message>
        <source>Minimize</source>
        <translation>छोटा करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
</context>
<context>
    <name>windows::Form1</name>
    <message>
        <source>Display 3 digit numbers (Hard)</source>
        <translation>3 अंक वाली संख्याएँ (कठिन)</translation>
    </message>
    <message>
        <source>Display 2 digit numbers (Medium)</source>
        <translation>2 अंक वाली संख्याएँ (मध्यम)</translation>
    </message>
    <message>
        <source>Display 1 digit numbers (Easy)</source>
        <translation>1 अंक वाली संख्याएँ (आसान)</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>भाग</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>गुणा</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>घटाव</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>जोड़</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>खेल खत्म</translation>
    </message>
    <message>
        <source>Press Enter key to continue</source>
        <translation>आगे बढ़ने के लिए Enter दबाओ</translation>
    </message>
    <message>
        <source>Game Level</source>
        <translation>स्तर</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>संक्रिया</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>तुम्हारे अंक</translation>
    </message>
</context>
<context>
    <name>windows::Form2</name>
    <message>
        <source>Summary</source>
        <translation>सारांश</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>फिर से खेलो</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>बाहर निकलो</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>क्र.</translation>
    </message>
    <message>
        <source>Math problems</source>
        <translation>गणित के प्रश्न</translation>
    </message>
    <message>
        <source> Your Answer</source>
        <translation> तुम्हारा उत्तर</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>सही उत्तर</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>परिणाम</translation>
    </message>
</context>
</TS>
