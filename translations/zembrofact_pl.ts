<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>ErrorPath</name>
    <message>
        <source>The program will now close.</source>
        <translation>Program zostanie teraz zamknięty.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Wystąpił nieznany błąd.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>%1, not checked</source>
        <translation>%1, nie zaznaczono</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>Otwórz za pomocą</translation>
    </message>
    <message>
        <source>Choose the program you want to use to open:</source>
        <translation>Wybierz program, którym chcesz otworzyć:</translation>
    </message>
    <message>
        <source>&amp;Program:</source>
        <translation>&amp;Program:</translation>
    </message>
    <message>
        <source>for example firefox</source>
        <translation>na przykład firefox</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>P&amp;rzeglądaj...</translation>
    </message>
    <message>
        <source>Choose a program</source>
        <translation>Wybierz program</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>Otwiera stronę internetową twórców programu w przeglądarce</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be started.</source>
        <translation>Nie udało się uruchomić programu „%1”.</translation>
    </message>
    <message>
        <source>Check that the program is installed and that its name is spelled correctly, then try again.</source>
        <translation>Sprawdź, czy program jest zainstalowany i czy jego nazwa jest dobrze napisana, a potem spróbuj jeszcze raz.</translation>
    </message>
    <message>
        <source>no program for opening web pages was found on this computer.</source>
        <translation>na tym komputerze nie ma programu do otwierania stron internetowych.</translation>
    </message>
    <message>
        <source>no program for opening files was found on this computer.</source>
        <translation>na tym komputerze nie ma programu do otwierania plików.</translation>
    </message>
    <message>
        <source>the computer did not understand where to find it.</source>
        <translation>komputer nie zrozumiał, gdzie tego szukać.</translation>
    </message>
    <message>
        <source>it could not be found.</source>
        <translation>nie można było tego znaleźć.</translation>
    </message>
    <message>
        <source>you are not allowed to open it.</source>
        <translation>nie masz pozwolenia, żeby to otworzyć.</translation>
    </message>
    <message>
        <source>the web browser ran into a problem.</source>
        <translation>w przeglądarce internetowej wystąpił problem.</translation>
    </message>
    <message>
        <source>the program for it ran into a problem.</source>
        <translation>w programie, który miał to otworzyć, wystąpił problem.</translation>
    </message>
    <message>
        <source>The web page could not be opened: %1</source>
        <translation>Nie udało się otworzyć strony internetowej: %1</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Nie udało się otworzyć pliku: %1</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 wersja %2</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Addition</source>
        <translation>Dodawanie</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Odejmowanie</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>Mnożenie</translation>
    </message>
    <message>
        <source>times</source>
        <translation>razy</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Dzielenie</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>podzielić przez</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Range 0-9</source>
        <translation>Od 0 do 9</translation>
    </message>
    <message>
        <source>Range 0-12</source>
        <translation>Od 0 do 12</translation>
    </message>
    <message>
        <source>Range: 0-9</source>
        <translation>Od 0 do 9</translation>
    </message>
    <message>
        <source>Range: 0-12</source>
        <translation>Od 0 do 12</translation>
    </message>
    <message>
        <source>Correct: 0</source>
        <translation>Dobrze: 0</translation>
    </message>
    <message>
        <source>Incorrect: 0</source>
        <translation>Źle: 0</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Dobrze: %1</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <translation>Źle: %1</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>Brawo, dobrze!</translation>
    </message>
    <message>
        <source>Sorry. The correct answer is %1 .</source>
        <translation>Niestety nie. Poprawna odpowiedź to %1.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Od nowa</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Losowo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>O programie...</translation>
    </message>
    <message>
        <source>The flash card</source>
        <translation>Karta z działaniem</translation>
    </message>
    <message>
        <source>Top number</source>
        <translation>Górna liczba</translation>
    </message>
    <message>
        <source>Bottom number</source>
        <translation>Dolna liczba</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Znak działania</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Ocena odpowiedzi</translation>
    </message>
    <message>
        <source>Answer choice %1 of 4</source>
        <translation>Odpowiedź %1 z 4</translation>
    </message>
    <message>
        <source>Deal the next card</source>
        <translation>Pokaż następną kartę</translation>
    </message>
</context>
</TS>
