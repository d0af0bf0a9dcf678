<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>ErrorPath</name>
    <message>
        <source>The program will now close.</source>
        <translation>プログラムをおわります。</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>げんいんのわからないエラーがおきました。</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>%1, not checked</source>
        <translation>%1、チェックなし</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>プログラムでひらく</translation>
    </message>
    <message>
        <source>Choose the program you want to use to open:</source>
        <translation>つぎのものをひらくプログラムをえらんでください：</translation>
    </message>
    <message>
        <source>&amp;Program:</source>
        <translation>プログラム(&amp;P)：</translation>
    </message>
    <message>
        <source>for example firefox</source>
        <translation>れい：firefox</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>さがす(&amp;B)...</translation>
    </message>
    <message>
        <source>Choose a program</source>
        <translation>プログラムをえらぶ</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>このプログラムについて</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>このプログラムをつくった会社のウェブサイトを、ブラウザでひらきます</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be started.</source>
        <translation>プログラム「%1」をうごかせませんでした。</translation>
    </message>
    <message>
        <source>Check that the program is installed and that its name is spelled correctly, then try again.</source>
        <translation>プログラムが入っているか、名まえが正しく書いてあるかをたしかめて、もういちどやってみてください。</translation>
    </message>
    <message>
        <source>no program for opening web pages was found on this computer.</source>
        <translation>このコンピューターには、ウェブページをひらくプログラムが見つかりませんでした。</translation>
    </message>
    <message>
        <source>no program for opening files was found on this computer.</source>
        <translation>このコンピューターには、ファイルをひらくプログラムが見つかりませんでした。</translation>
    </message>
    <message>
        <source>the computer did not understand where to find it.</source>
        <translation>どこにあるのか、コンピューターにはわかりませんでした。</translation>
    </message>
    <message>
        <source>it could not be found.</source>
        <translation>見つかりませんでした。</translation>
    </message>
    <message>
        <source>you are not allowed to open it.</source>
        <translation>ひらくことがゆるされていません。</translation>
    </message>
    <message>
        <source>the web browser ran into a problem.</source>
        <translation>ブラウザでもんだいがおきました。</translation>
    </message>
    <message>
        <source>the program for it ran into a problem.</source>
        <translation>ファイルをひらくプログラムでもんだいがおきました。</translation>
    </message>
    <message>
        <source>The web page could not be opened: %1</source>
        <translation>ウェブページをひらけませんでした。%1</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>ファイルをひらけませんでした。%1</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 バージョン %2</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Addition</source>
        <translation>たし算</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>たす</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>ひき算</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>ひく</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>かけ算</translation>
    </message>
    <message>
        <source>times</source>
        <translation>かける</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>わり算</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>わる</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>つぎのカード</translation>
    </message>
    <message>
        <source>Range 0-9</source>
        <translation>0〜9のかず</translation>
    </message>
    <message>
        <source>Range 0-12</source>
        <translation>0〜12のかず</translation>
    </message>
    <message>
        <source>Range: 0-9</source>
        <translation>0〜9のかず</translation>
    </message>
    <message>
        <source>Range: 0-12</source>
        <translation>0〜12のかず</translation>
    </message>
    <message>
        <source>Correct: 0</source>
        <translation>せいかい：0</translation>
    </message>
    <message>
        <source>Incorrect: 0</source>
        <translation>まちがい：0</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>せいかい：%1</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <translation>まちがい：%1</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>せいかいです！</translation>
    </message>
    <message>
        <source>Sorry. The correct answer is %1 .</source>
        <translation>ざんねん。正しいこたえは%1です。</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>はじめから</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>おわる</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>せってい</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>カードをまぜる</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>このプログラムについて...</translation>
    </message>
    <message>
        <source>The flash card</source>
        <translation>けいさんカード</translation>
    </message>
    <message>
        <source>Top number</source>
        <translation>上のかず</translation>
    </message>
    <message>
        <source>Bottom number</source>
        <translation>下のかず</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>こたえ</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>けいさんのきごう</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>まるつけ</translation>
    </message>
    <message>
        <source>Answer choice %1 of 4</source>
        <translation>4つのうち%1ばんめのこたえ</translation>
    </message>
    <message>
        <source>Deal the next card</source>
        <translation>つぎのカードを出す</translation>
    </message>
</context>
</TS>
