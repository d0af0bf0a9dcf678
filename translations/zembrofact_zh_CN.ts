<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>ErrorPath</name>
    <message>
        <source>The program will now close.</source>
        <translation>程序现在要关闭了。</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>出现了一个未知的错误。</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>%1, not checked</source>
        <translation>%1，未勾选</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>打开方式</translation>
    </message>
    <message>
        <source>Choose the program you want to use to open:</source>
        <translation>选择你想用来打开下面这一项的程序：</translation>
    </message>
    <message>
        <source>&amp;Program:</source>
        <translation>程序(&amp;P)：</translation>
    </message>
    <message>
        <source>for example firefox</source>
        <translation>例如：firefox</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>Choose a program</source>
        <translation>选择程序</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>用浏览器打开制作者的网站</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be started.</source>
        <translation>程序“%1”无法启动。</translation>
    </message>
    <message>
        <source>Check that the program is installed and that its name is spelled correctly, then try again.</source>
        <translation>请检查这个程序有没有安装、名字有没有写对，然后再试一次。</translation>
    </message>
    <message>
        <source>no program for opening web pages was found on this computer.</source>
        <translation>这台电脑上没有能打开网页的程序。</translation>
    </message>
    <message>
        <source>no program for opening files was found on this computer.</source>
        <translation>这台电脑上没有能打开文件的程序。</translation>
    </message>
    <message>
        <source>the computer did not understand where to find it.</source>
        <translation>电脑看不懂该到哪里去找它。</translation>
    </message>
    <message>
        <source>it could not be found.</source>
        <translation>找不到它。</translation>
    </message>
    <message>
        <source>you are not allowed to open it.</source>
        <translation>你没有权限打开它。</translation>
    </message>
    <message>
        <source>the web browser ran into a problem.</source>
        <translation>浏览器出了问题。</translation>
    </message>
    <message>
        <source>the program for it ran into a problem.</source>
        <translation>用来打开它的程序出了问题。</translation>
    </message>
    <message>
        <source>The web page could not be opened: %1</source>
        <translation>网页无法打开：%1</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>文件无法打开：%1</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 版本 %2</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Addition</source>
        <translation>加法</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>加</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>减法</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>减</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>乘法</translation>
    </message>
    <message>
        <source>times</source>
        <translation>乘</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>除法</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>除以</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>下一张</translation>
    </message>
    <message>
        <source>Range 0-9</source>
        <translation>0到9的数</translation>
    </message>
    <message>
        <source>Range 0-12</source>
        <translation>0到12的数</translation>
    </message>
    <message>
        <source>Range: 0-9</source>
        <translation>0到9的数</translation>
    </message>
    <message>
        <source>Range: 0-12</source>
        <translation>0到12的数</translation>
    </message>
    <message>
        <source>Correct: 0</source>
        <translation>答对：0</translation>
    </message>
    <message>
        <source>Incorrect: 0</source>
        <translation>答错：0</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>答对：%1</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <translation>答错：%1</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>你算对了！</translation>
    </message>
    <message>
        <source>Sorry. The correct answer is %1 .</source>
        <translation>不对哦，正确答案是%1。</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重新开始</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>打乱顺序</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>The flash card</source>
        <translation>口算卡片</translation>
    </message>
    <message>
        <source>Top number</source>
        <translation>上面的数</translation>
    </message>
    <message>
        <source>Bottom number</source>
        <translation>下面的数</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>得数</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>运算符号</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>批改结果</translation>
    </message>
    <message>
        <source>Answer choice %1 of 4</source>
        <translation>第%1个选项，共4个</translation>
    </message>
    <message>
        <source>Deal the next card</source>
        <translation>换下一张卡片</translation>
    </message>
</context>
</TS>
