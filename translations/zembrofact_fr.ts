<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ErrorPath</name>
    <message>
        <source>The program will now close.</source>
        <translation>Le programme va maintenant se fermer.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Une erreur inconnue s&apos;est produite.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>%1, not checked</source>
        <translation>%1, non coché</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>Ouvrir avec</translation>
    </message>
    <message>
        <source>Choose the program you want to use to open:</source>
        <translation>Choisis le programme à utiliser pour ouvrir&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Program:</source>
        <translation>&amp;Programme&#xa0;:</translation>
    </message>
    <message>
        <source>for example firefox</source>
        <translation>par exemple firefox</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Pa&amp;rcourir...</translation>
    </message>
    <message>
        <source>Choose a program</source>
        <translation>Choisir un programme</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>Ouvre le site web des créateurs du programme dans ton navigateur</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be started.</source>
        <translation>Le programme «&#xa0;%1&#xa0;» n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>Check that the program is installed and that its name is spelled correctly, then try again.</source>
        <translation>Vérifie que le programme est installé et que son nom est bien écrit, puis réessaie.</translation>
    </message>
    <message>
        <source>no program for opening web pages was found on this computer.</source>
        <translation>aucun programme pour ouvrir les pages web n&apos;a été trouvé sur cet ordinateur.</translation>
    </message>
    <message>
        <source>no program for opening files was found on this computer.</source>
        <translation>aucun programme pour ouvrir ce fichier n&apos;a été trouvé sur cet ordinateur.</translation>
    </message>
    <message>
        <source>the computer did not understand where to find it.</source>
        <translation>l&apos;ordinateur n&apos;a pas compris où chercher.</translation>
    </message>
    <message>
        <source>it could not be found.</source>
        <translation>rien n&apos;a été trouvé à cette adresse.</translation>
    </message>
    <message>
        <source>you are not allowed to open it.</source>
        <translation>tu n&apos;as pas le droit de l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>the web browser ran into a problem.</source>
        <translation>le navigateur web a rencontré un problème.</translation>
    </message>
    <message>
        <source>the program for it ran into a problem.</source>
        <translation>le programme qui devait l&apos;ouvrir a rencontré un problème.</translation>
    </message>
    <message>
        <source>The web page could not be opened: %1</source>
        <translation>La page web n&apos;a pas pu s&apos;ouvrir&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Le fichier n&apos;a pas pu s&apos;ouvrir&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 version %2</translation>
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
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Autre carte</translation>
    </message>
    <message>
        <source>Range 0-9</source>
        <translation>De 0 à 9</translation>
    </message>
    <message>
        <source>Range 0-12</source>
        <translation>De 0 à 12</translation>
    </message>
    <message>
        <source>Range: 0-9</source>
        <translation>De 0 à 9</translation>
    </message>
    <message>
        <source>Range: 0-12</source>
        <translation>De 0 à 12</translation>
    </message>
    <message>
        <source>Correct: 0</source>
        <translation>Succès&#xa0;: 0</translation>
    </message>
    <message>
        <source>Incorrect: 0</source>
        <translation>Erreurs&#xa0;: 0</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Succès&#xa0;: %1</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <translation>Erreurs&#xa0;: %1</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>C&apos;est juste&#xa0;!</translation>
    </message>
    <message>
        <source>Sorry. The correct answer is %1 .</source>
        <translation>Dommage. La bonne réponse est %1.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>The flash card</source>
        <translation>La carte de calcul</translation>
    </message>
    <message>
        <source>Top number</source>
        <translation>Nombre du haut</translation>
    </message>
    <message>
        <source>Bottom number</source>
        <translation>Nombre du bas</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>Le résultat</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Signe de l&apos;opération</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Answer choice %1 of 4</source>
        <translation>Réponse %1 sur 4</translation>
    </message>
    <message>
        <source>Deal the next card</source>
        <translation>Montrer la carte suivante</translation>
    </message>
</context>
</TS>
