<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Error report</name>
    <message>
        <source>Overflow</source>
        <translation>オーバーフロー</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>0 による除算</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>プロシージャの呼び出し、または引数が不正です</translation>
    </message>
    <message>
        <source>No pair of numbers fits the rules</source>
        <translation>ルールに合う数の組がありません</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>このメッセージのスクリーンショットを %1 までメールで送ってください</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>アプリケーションのエラー</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>画像が不正です</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>インデックスが範囲外です</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>オブジェクト変数が設定されていません</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You must select at least one operator</source>
        <translation>けいさんを 1つ いじょう えらんでね</translation>
    </message>
    <message>
        <source>You must select at least one game level</source>
        <translation>レベルを 1つ いじょう えらんでね</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>スタート</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>つぎへ</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>もんだい %1</translation>
    </message>
    <message numerus="yes">
        <source>You have %n seconds to answer this question.</source>
        <translation>
            <numerusform>この もんだいに こたえる じかんは %n びょうだよ。</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is over.</source>
        <translation>じかん ぎれ。</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>プログレスバー</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>せいかい！</translation>
    </message>
    <message>
        <source>Wrong! Answer: %1</source>
        <translation>まちがい！ こたえは %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>せいかい！</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>まちがい！</translation>
    </message>
    <message>
        <source>Your score is %1 in %2 total questions.</source>
        <translation>ぜんぶで %2もん、とくてんは %1てんです。</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>たす</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>ひく</translation>
    </message>
    <message>
        <source>times</source>
        <translation>かける</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>わる</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>question mark</source>
        <translation>はてなマーク</translation>
    </message>
    <message>
        <source>Question %1: %2 %3 %4 equals</source>
        <translation>もんだい %1、%2 %3 %4 は</translation>
    </message>
    <message>
        <source>Your score is %1.</source>
        <translation>きみの とくてんは %1てんです。</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>1つめの かず</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>2つめの かず</translation>
    </message>
    <message>
        <source>your score</source>
        <translation>きみの とくてん</translation>
    </message>
    <message>
        <source>question number</source>
        <translation>もんだいの ばんごう</translation>
    </message>
    <message>
        <source>the operator is chosen at random</source>
        <translation>けいさんは ランダムに えらばれます</translation>
    </message>
    <message>
        <source>seconds left to answer</source>
        <translation>こたえる じかんの のこり びょうすう</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>はんてい</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>きみの こたえ</translation>
    </message>
    <message>
        <source>Problems of this game</source>
        <translation>この ゲームの もんだい</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Quillory could not open its window: some of its files are missing or damaged. Please install Quillory again.</source>
        <translation>Quillory のウィンドウを開けませんでした。一部のファイルが見つからないか、壊れています。Quillory をもう一度インストールしてください。</translation>
    </message>
    <message>
        <source>Quillory needs a graphical desktop (X11 or Wayland) and could not open one.</source>
        <translation>Quillory にはグラフィカルなデスクトップ（X11 または Wayland）が必要ですが、開けませんでした。</translation>
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
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>windows::Form1</name>
    <message>
        <source>Display 3 digit numbers (Hard)</source>
        <translation>3けたの かず（むずかしい）</translation>
    </message>
    <message>
        <source>Display 2 digit numbers (Medium)</source>
        <translation>2けたの かず（ふつう）</translation>
    </message>
    <message>
        <source>Display 1 digit numbers (Easy)</source>
        <translation>1けたの かず（かんたん）</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>わり算</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>かけ算</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>ひき算</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>たし算</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>おわる</translation>
    </message>
    <message>
        <source>Press Enter key to continue</source>
        <translation>Enterキーを おして つづけてね</translation>
    </message>
    <message>
        <source>Game Level</source>
        <translation>レベル</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>けいさん</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>とくてん</translation>
    </message>
</context>
<context>
    <name>windows::Form2</name>
    <message>
        <source>Summary</source>
        <translation>まとめ</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>もう いっかい</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>やめる</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Math problems</source>
        <translation>もんだい</translation>
    </message>
    <message>
        <source> Your Answer</source>
        <translation> きみの こたえ</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>せいかい</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>けっか</translation>
    </message>
</context>
</TS>
