<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ErrorPath</name>
    <message>
        <source>The program will now close.</source>
        <translation>Das Programm wird jetzt beendet.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Ein unbekannter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>%1, not checked</source>
        <translation>%1, nicht ausgewählt</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>Öffnen mit</translation>
    </message>
    <message>
        <source>Choose the program you want to use to open:</source>
        <translation>Wähle das Programm, mit dem du Folgendes öffnen möchtest:</translation>
    </message>
    <message>
        <source>&amp;Program:</source>
        <translation>&amp;Programm:</translation>
    </message>
    <message>
        <source>for example firefox</source>
        <translation>zum Beispiel firefox</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Choose a program</source>
        <translation>Programm wählen</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>Öffnet die Webseite des Herstellers in deinem Browser</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be started.</source>
        <translation>Das Programm „%1“ konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Check that the program is installed and that its name is spelled correctly, then try again.</source>
        <translation>Prüfe, ob das Programm installiert und sein Name richtig geschrieben ist, und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>no program for opening web pages was found on this computer.</source>
        <translation>Auf diesem Computer wurde kein Programm zum Öffnen von Webseiten gefunden.</translation>
    </message>
    <message>
        <source>no program for opening files was found on this computer.</source>
        <translation>Auf diesem Computer wurde kein Programm zum Öffnen von Dateien gefunden.</translation>
    </message>
    <message>
        <source>the computer did not understand where to find it.</source>
        <translation>Der Computer hat nicht verstanden, wo er sie finden soll.</translation>
    </message>
    <message>
        <source>it could not be found.</source>
        <translation>Sie wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>you are not allowed to open it.</source>
        <translation>Du darfst sie nicht öffnen.</translation>
    </message>
    <message>
        <source>the web browser ran into a problem.</source>
        <translation>Der Webbrowser hatte ein Problem.</translation>
    </message>
    <message>
        <source>the program for it ran into a problem.</source>
        <translation>Das Programm dafür hatte ein Problem.</translation>
    </message>
    <message>
        <source>The web page could not be opened: %1</source>
        <translation>Die Webseite konnte nicht geöffnet werden. %1</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Die Datei konnte nicht geöffnet werden. %1</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 Version %2</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Range 0-9</source>
        <translation>Zahlen bis 9</translation>
    </message>
    <message>
        <source>Range 0-12</source>
        <translation>Zahlen bis 12</translation>
    </message>
    <message>
        <source>Range: 0-9</source>
        <translation>Zahlen bis 9</translation>
    </message>
    <message>
        <source>Range: 0-12</source>
        <translation>Zahlen bis 12</translation>
    </message>
    <message>
        <source>Correct: 0</source>
        <translation>Richtig: 0</translation>
    </message>
    <message>
        <source>Incorrect: 0</source>
        <translation>Falsch: 0</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <translation>Falsch: %1</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>Das ist richtig!</translation>
    </message>
    <message>
        <source>Sorry. The correct answer is %1 .</source>
        <translation>Leider falsch. Richtig ist %1.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Neu anfangen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Karten mischen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>The flash card</source>
        <translation>Die Rechenkarte</translation>
    </message>
    <message>
        <source>Top number</source>
        <translation>Obere Zahl</translation>
    </message>
    <message>
        <source>Bottom number</source>
        <translation>Untere Zahl</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>Das Ergebnis</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Rechenzeichen</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Rückmeldung</translation>
    </message>
    <message>
        <source>Answer choice %1 of 4</source>
        <translation>Antwort %1 von 4</translation>
    </message>
    <message>
        <source>Deal the next card</source>
        <translation>Weiter zur nächsten Karte</translation>
    </message>
</context>
</TS>
