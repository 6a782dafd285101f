<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Error report</name>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>除数为零</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>无效的过程调用或参数</translation>
    </message>
    <message>
        <source>No pair of numbers fits the rules</source>
        <translation>没有符合规则的数对</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>在第 %1 行</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>请将此消息的截图通过电子邮件发送至 %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>程序错误</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>无效的图片</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>索引越界</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>对象变量未设置</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You must select at least one operator</source>
        <translation>你必须至少选择一种运算</translation>
    </message>
    <message>
        <source>You must select at least one game level</source>
        <translation>你必须至少选择一个难度</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一题</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>第 %1 题</translation>
    </message>
    <message numerus="yes">
        <source>You have %n seconds to answer this question.</source>
        <translation>
            <numerusform>你有 %n 秒钟回答这道题。</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is over.</source>
        <translation>时间到了。</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>进度条</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>答对了！</translation>
    </message>
    <message>
        <source>Wrong! Answer: %1</source>
        <translation>答错了！答案：%1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>正确！</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>错误！</translation>
    </message>
    <message>
        <source>Your score is %1 in %2 total questions.</source>
        <translation>你的得分是 %1，共 %2 道题。</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>加</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>减</translation>
    </message>
    <message>
        <source>times</source>
        <translation>乘</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>除以</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>question mark</source>
        <translation>问号</translation>
    </message>
    <message>
        <source>Question %1: %2 %3 %4 equals</source>
        <translation>第 %1 题：%2 %3 %4 等于</translation>
    </message>
    <message>
        <source>Your score is %1.</source>
        <translation>你的得分是 %1。</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>第一个数</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>第二个数</translation>
    </message>
    <message>
        <source>your score</source>
        <translation>你的得分</translation>
    </message>
    <message>
        <source>question number</source>
        <translation>题号</translation>
    </message>
    <message>
        <source>the operator is chosen at random</source>
        <translation>运算是随机选择的</translation>
    </message>
    <message>
        <source>seconds left to answer</source>
        <translation>答题剩余秒数</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>答题结果</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>你的答案</translation>
    </message>
    <message>
        <source>Problems of this game</source>
        <translation>本局的题目</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Quillory could not open its window: some of its files are missing or damaged. Please install Quillory again.</source>
        <translation>Quillory 无法打开窗口：部分文件缺失或已损坏。请重新安装 Quillory。</translation>
    </message>
    <message>
        <source>Quillory needs a graphical desktop (X11 or Wayland) and could not open one.</source>
        <translation>Quillory 需要图形桌面（X11 或 Wayland），但无法打开。</translation>
    </message>
</context>
<context>
    <name>Title strip</name>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>windows::Form1</name>
    <message>
        <source>Display 3 digit numbers (Hard)</source>
        <translation>三位数（困难）</translation>
    </message>
    <message>
        <source>Display 2 digit numbers (Medium)</source>
        <translation>两位数（中等）</translation>
    </message>
    <message>
        <source>Display 1 digit numbers (Easy)</source>
        <translation>一位数（简单）</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>除法</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>乘法</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>减法</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>加法</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>结束游戏</translation>
    </message>
    <message>
        <source>Press Enter key to continue</source>
        <translation>按回车键继续</translation>
    </message>
    <message>
        <source>Game Level</source>
        <translation>难度</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>运算</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>你的得分</translation>
    </message>
</context>
<context>
    <name>windows::Form2</name>
    <message>
        <source>Summary</source>
        <translation>总结</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>再玩一次</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Math problems</source>
        <translation>题目</translation>
    </message>
    <message>
        <source> Your Answer</source>
        <translation> 你的答案</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>正确答案</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
</context>
</TS>
