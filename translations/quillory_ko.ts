<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Error report</name>
    <message>
        <source>Overflow</source>
        <translation>오버플로</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>0으로 나누기</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>잘못된 프로시저 호출 또는 인수</translation>
    </message>
    <message>
        <source>No pair of numbers fits the rules</source>
        <translation>규칙에 맞는 수의 쌍이 없음</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>%1번째 줄</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>이 메시지의 스크린샷을 이메일로 %1 주소에 보내 주세요</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>알 수 없는 오류</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>프로그램 오류</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>잘못된 그림</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>인덱스가 범위를 벗어남</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>개체 변수가 설정되지 않음</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You must select at least one operator</source>
        <translation>연산을 하나 이상 골라야 해요</translation>
    </message>
    <message>
        <source>You must select at least one game level</source>
        <translation>단계를 하나 이상 골라야 해요</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>%1번 문제</translation>
    </message>
    <message numerus="yes">
        <source>You have %n seconds to answer this question.</source>
        <translation>
            <numerusform>이 문제에 답할 시간은 %n초예요.</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is over.</source>
        <translation>시간이 다 됐어요.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>진행 막대</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>정답이에요!</translation>
    </message>
    <message>
        <source>Wrong! Answer: %1</source>
        <translation>틀렸어요! 정답: %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>맞았어요!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>틀렸어요!</translation>
    </message>
    <message>
        <source>Your score is %1 in %2 total questions.</source>
        <translation>전체 %2문제 중 내 점수는 %1점이에요.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>더하기</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>빼기</translation>
    </message>
    <message>
        <source>times</source>
        <translation>곱하기</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>나누기</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>question mark</source>
        <translation>물음표</translation>
    </message>
    <message>
        <source>Question %1: %2 %3 %4 equals</source>
        <translation>%1번 문제: %2 %3 %4의 답은</translation>
    </message>
    <message>
        <source>Your score is %1.</source>
        <translation>내 점수는 %1점이에요.</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>첫 번째 수</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>두 번째 수</translation>
    </message>
    <message>
        <source>your score</source>
        <translation>내 점수</translation>
    </message>
    <message>
        <source>question number</source>
        <translation>문제 번호</translation>
    </message>
    <message>
        <source>the operator is chosen at random</source>
        <translation>연산은 무작위로 골라요</translation>
    </message>
    <message>
        <source>seconds left to answer</source>
        <translation>답할 시간이 남은 초</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>채점 결과</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>내 답</translation>
    </message>
    <message>
        <source>Problems of this game</source>
        <translation>이번 게임의 문제</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Quillory could not open its window: some of its files are missing or damaged. Please install Quillory again.</source>
        <translation>Quillory 창을 열 수 없습니다. 일부 파일이 없거나 손상되었습니다. Quillory를 다시 설치해 주세요.</translation>
    </message>
    <message>
        <source>Quillory needs a graphical desktop (X11 or Wayland) and could not open one.</source>
        <translation>Quillory를 실행하려면 그래픽 데스크톱(X11 또는 Wayland)이 필요한데, 열 수 없었습니다.</translation>
    </message>
</context>
<context>
    <name>Title strip</name>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>windows::Form1</name>
    <message>
        <source>Display 3 digit numbers (Hard)</source>
        <translation>세 자리 수 (어려움)</translation>
    </message>
    <message>
        <source>Display 2 digit numbers (Medium)</source>
        <translation>두 자리 수 (보통)</translation>
    </message>
    <message>
        <source>Display 1 digit numbers (Easy)</source>
        <translation>한 자리 수 (쉬움)</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>나눗셈</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>곱셈</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>뺄셈</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>덧셈</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>Press Enter key to continue</source>
        <translation>계속하려면 Enter 키를 누르세요</translation>
    </message>
    <message>
        <source>Game Level</source>
        <translation>단계</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>연산</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>내 점수</translation>
    </message>
</context>
<context>
    <name>windows::Form2</name>
    <message>
        <source>Summary</source>
        <translation>요약</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>다시 하기</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>나가기</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>번호</translation>
    </message>
    <message>
        <source>Math problems</source>
        <translation>문제</translation>
    </message>
    <message>
        <source> Your Answer</source>
        <translation> 내 답</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>정답</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>결과</translation>
    </message>
</context>
</TS>
