<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>ErrorPath</name>
    <message>
        <source>The program will now close.</source>
        <translation>Зараз програма закриється.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Сталася невідома помилка.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>%1, not checked</source>
        <translation>%1, не позначено</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>Відкрити за допомогою</translation>
    </message>
    <message>
        <source>Choose the program you want to use to open:</source>
        <translation>Вибери програму, якою хочеш відкрити:</translation>
    </message>
    <message>
        <source>&amp;Program:</source>
        <translation>&amp;Програма:</translation>
    </message>
    <message>
        <source>for example firefox</source>
        <translation>наприклад, firefox</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Огляд...</translation>
    </message>
    <message>
        <source>Choose a program</source>
        <translation>Вибери програму</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>Відкриває сайт авторів програми у твоєму браузері</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be started.</source>
        <translation>Не вдалося запустити програму «%1».</translation>
    </message>
    <message>
        <source>Check that the program is installed and that its name is spelled correctly, then try again.</source>
        <translation>Перевір, чи програму встановлено й чи правильно написано її назву, а потім спробуй ще раз.</translation>
    </message>
    <message>
        <source>no program for opening web pages was found on this computer.</source>
        <translation>на цьому комп’ютері немає програми для відкриття вебсторінок.</translation>
    </message>
    <message>
        <source>no program for opening files was found on this computer.</source>
        <translation>на цьому комп’ютері немає програми для відкриття файлів.</translation>
    </message>
    <message>
        <source>the computer did not understand where to find it.</source>
        <translation>комп’ютер не зрозумів, де це шукати.</translation>
    </message>
    <message>
        <source>it could not be found.</source>
        <translation>комп’ютер не зміг це знайти.</translation>
    </message>
    <message>
        <source>you are not allowed to open it.</source>
        <translation>у тебе немає дозволу це відкрити.</translation>
    </message>
    <message>
        <source>the web browser ran into a problem.</source>
        <translation>у браузері сталася помилка.</translation>
    </message>
    <message>
        <source>the program for it ran into a problem.</source>
        <translation>у програмі, яка мала це відкрити, сталася помилка.</translation>
    </message>
    <message>
        <source>The web page could not be opened: %1</source>
        <translation>Не вдалося відкрити вебсторінку: %1</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Не вдалося відкрити файл: %1</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 версія %2</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Addition</source>
        <translation>Додавання</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>плюс</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Віднімання</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>мінус</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>Множення</translation>
    </message>
    <message>
        <source>times</source>
        <translation>помножити на</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Ділення</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>поділити на</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Далі</translation>
    </message>
    <message>
        <source>Range 0-9</source>
        <translation>Від 0 до 9</translation>
    </message>
    <message>
        <source>Range 0-12</source>
        <translation>Від 0 до 12</translation>
    </message>
    <message>
        <source>Range: 0-9</source>
        <translation>Від 0 до 9</translation>
    </message>
    <message>
        <source>Range: 0-12</source>
        <translation>Від 0 до 12</translation>
    </message>
    <message>
        <source>Correct: 0</source>
        <translation>Вірно: 0</translation>
    </message>
    <message>
        <source>Incorrect: 0</source>
        <translation>Хибно: 0</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Вірно: %1</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <translation>Хибно: %1</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>Так, правильно!</translation>
    </message>
    <message>
        <source>Sorry. The correct answer is %1 .</source>
        <translation>Ні, правильна відповідь — %1.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Почати знову</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Опції</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Вперемішку</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Про програму...</translation>
    </message>
    <message>
        <source>The flash card</source>
        <translation>Картка з прикладом</translation>
    </message>
    <message>
        <source>Top number</source>
        <translation>Верхнє число</translation>
    </message>
    <message>
        <source>Bottom number</source>
        <translation>Нижнє число</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Знак дії</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Перевірка</translation>
    </message>
    <message>
        <source>Answer choice %1 of 4</source>
        <translation>Варіант відповіді %1 з 4</translation>
    </message>
    <message>
        <source>Deal the next card</source>
        <translation>Показати наступну картку</translation>
    </message>
</context>
</TS>
