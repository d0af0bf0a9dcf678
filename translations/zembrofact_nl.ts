<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>ErrorPath</name>
    <message>
        <source>The program will now close.</source>
        <translation>Het programma wordt nu afgesloten.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Er is een onbekende fout opgetreden.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>%1, not checked</source>
        <translation>%1, niet aangevinkt</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>Openen met</translation>
    </message>
    <message>
        <source>Choose the program you want to use to open:</source>
        <translation>Kies het programma waarmee je dit wilt openen:</translation>
    </message>
    <message>
        <source>&amp;Program:</source>
        <translation>&amp;Programma:</translation>
    </message>
    <message>
        <source>for example firefox</source>
        <translation>bijvoorbeeld firefox</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Bladeren...</translation>
    </message>
    <message>
        <source>Choose a program</source>
        <translation>Kies een programma</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>Opent de website van de maker in je webbrowser</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be started.</source>
        <translation>Het programma ‘%1’ kon niet worden gestart.</translation>
    </message>
    <message>
        <source>Check that the program is installed and that its name is spelled correctly, then try again.</source>
        <translation>Controleer of het programma is geïnstalleerd en of de naam goed gespeld is. Probeer het daarna opnieuw.</translation>
    </message>
    <message>
        <source>no program for opening web pages was found on this computer.</source>
        <translation>er is op deze computer geen programma gevonden om webpagina&apos;s te openen.</translation>
    </message>
    <message>
        <source>no program for opening files was found on this computer.</source>
        <translation>er is op deze computer geen programma gevonden om bestanden te openen.</translation>
    </message>
    <message>
        <source>the computer did not understand where to find it.</source>
        <translation>de computer begreep niet waar hij moest zoeken.</translation>
    </message>
    <message>
        <source>it could not be found.</source>
        <translation>de computer kon het niet vinden.</translation>
    </message>
    <message>
        <source>you are not allowed to open it.</source>
        <translation>je hebt geen toestemming om het te openen.</translation>
    </message>
    <message>
        <source>the web browser ran into a problem.</source>
        <translation>de webbrowser liep tegen een probleem aan.</translation>
    </message>
    <message>
        <source>the program for it ran into a problem.</source>
        <translation>het programma dat het moest openen, liep tegen een probleem aan.</translation>
    </message>
    <message>
        <source>The web page could not be opened: %1</source>
        <translation>De webpagina kon niet worden geopend: %1</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Het bestand kon niet worden geopend: %1</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 versie %2</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Addition</source>
        <translation>Plussommen</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Minsommen</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>min</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>Keersommen</translation>
    </message>
    <message>
        <source>times</source>
        <translation>keer</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Deelsommen</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>gedeeld door</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Range 0-9</source>
        <translation>0 t/m 9</translation>
    </message>
    <message>
        <source>Range 0-12</source>
        <translation>0 t/m 12</translation>
    </message>
    <message>
        <source>Range: 0-9</source>
        <translation>0 t/m 9</translation>
    </message>
    <message>
        <source>Range: 0-12</source>
        <translation>0 t/m 12</translation>
    </message>
    <message>
        <source>Correct: 0</source>
        <translation>Goed: 0</translation>
    </message>
    <message>
        <source>Incorrect: 0</source>
        <translation>Fout: 0</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Goed: %1</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <translation>Fout: %1</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>Goed zo!</translation>
    </message>
    <message>
        <source>Sorry. The correct answer is %1 .</source>
        <translation>Helaas. Het goede antwoord is %1.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Door elkaar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Info...</translation>
    </message>
    <message>
        <source>The flash card</source>
        <translation>De rekenkaart</translation>
    </message>
    <message>
        <source>Top number</source>
        <translation>Bovenste getal</translation>
    </message>
    <message>
        <source>Bottom number</source>
        <translation>Onderste getal</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>De uitkomst</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Soort som</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Goed of fout</translation>
    </message>
    <message>
        <source>Answer choice %1 of 4</source>
        <translation>Antwoord %1 van 4</translation>
    </message>
    <message>
        <source>Deal the next card</source>
        <translation>Volgende kaart tonen</translation>
    </message>
</context>
</TS>
