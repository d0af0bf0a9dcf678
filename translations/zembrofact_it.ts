<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>ErrorPath</name>
    <message>
        <source>The program will now close.</source>
        <translation>Ora il programma si chiuderà.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Si è verificato un errore sconosciuto.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>%1, not checked</source>
        <translation>%1, non selezionato</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>Apri con</translation>
    </message>
    <message>
        <source>Choose the program you want to use to open:</source>
        <translation>Scegli il programma con cui vuoi aprire:</translation>
    </message>
    <message>
        <source>&amp;Program:</source>
        <translation>&amp;Programma:</translation>
    </message>
    <message>
        <source>for example firefox</source>
        <translation>per esempio firefox</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
        <source>Choose a program</source>
        <translation>Scegli un programma</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>Apre nel tuo browser il sito di chi ha creato il programma</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be started.</source>
        <translation>Non è stato possibile avviare il programma «%1».</translation>
    </message>
    <message>
        <source>Check that the program is installed and that its name is spelled correctly, then try again.</source>
        <translation>Controlla che il programma sia installato e che il nome sia scritto bene, poi riprova.</translation>
    </message>
    <message>
        <source>no program for opening web pages was found on this computer.</source>
        <translation>su questo computer non c&apos;è un programma per aprire le pagine web.</translation>
    </message>
    <message>
        <source>no program for opening files was found on this computer.</source>
        <translation>su questo computer non c&apos;è un programma per aprire i file.</translation>
    </message>
    <message>
        <source>the computer did not understand where to find it.</source>
        <translation>il computer non ha capito dove cercare.</translation>
    </message>
    <message>
        <source>it could not be found.</source>
        <translation>non si trova.</translation>
    </message>
    <message>
        <source>you are not allowed to open it.</source>
        <translation>non hai il permesso per farlo.</translation>
    </message>
    <message>
        <source>the web browser ran into a problem.</source>
        <translation>il browser ha avuto un problema.</translation>
    </message>
    <message>
        <source>the program for it ran into a problem.</source>
        <translation>il programma adatto ha avuto un problema.</translation>
    </message>
    <message>
        <source>The web page could not be opened: %1</source>
        <translation>Non è stato possibile aprire la pagina web: %1</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Non è stato possibile aprire il file: %1</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 versione %2</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Addition</source>
        <translation>Addizione</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>più</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Sottrazione</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>meno</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>Moltiplicazione</translation>
    </message>
    <message>
        <source>times</source>
        <translation>per</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisione</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>diviso</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Range 0-9</source>
        <translation>Numeri da 0 a 9</translation>
    </message>
    <message>
        <source>Range 0-12</source>
        <translation>Numeri da 0 a 12</translation>
    </message>
    <message>
        <source>Range: 0-9</source>
        <translation>Numeri da 0 a 9</translation>
    </message>
    <message>
        <source>Range: 0-12</source>
        <translation>Numeri da 0 a 12</translation>
    </message>
    <message>
        <source>Correct: 0</source>
        <translation>Giuste: 0</translation>
    </message>
    <message>
        <source>Incorrect: 0</source>
        <translation>Sbagliate: 0</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Giuste: %1</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <translation>Sbagliate: %1</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>Giusto!</translation>
    </message>
    <message>
        <source>Sorry. The correct answer is %1 .</source>
        <translation>Peccato. La risposta giusta è %1.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>A caso</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni...</translation>
    </message>
    <message>
        <source>The flash card</source>
        <translation>La scheda</translation>
    </message>
    <message>
        <source>Top number</source>
        <translation>Numero in alto</translation>
    </message>
    <message>
        <source>Bottom number</source>
        <translation>Numero in basso</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>Il risultato</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Answer choice %1 of 4</source>
        <translation>Risposta %1 di 4</translation>
    </message>
    <message>
        <source>Deal the next card</source>
        <translation>Mostra la scheda successiva</translation>
    </message>
</context>
</TS>
