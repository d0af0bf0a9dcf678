<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ErrorPath</name>
    <message>
        <source>The program will now close.</source>
        <translation>El programa se va a cerrar.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Ha ocurrido un error desconocido.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>%1, not checked</source>
        <translation>%1, sin marcar</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>Abrir con</translation>
    </message>
    <message>
        <source>Choose the program you want to use to open:</source>
        <translation>Elige con qué programa quieres abrir:</translation>
    </message>
    <message>
        <source>&amp;Program:</source>
        <translation>&amp;Programa:</translation>
    </message>
    <message>
        <source>for example firefox</source>
        <translation>por ejemplo, firefox</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Choose a program</source>
        <translation>Elegir un programa</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>Abre en tu navegador la página web de los creadores del programa</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be started.</source>
        <translation>No se ha podido abrir el programa «%1».</translation>
    </message>
    <message>
        <source>Check that the program is installed and that its name is spelled correctly, then try again.</source>
        <translation>Comprueba que el programa está instalado y que su nombre está bien escrito. Luego vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>no program for opening web pages was found on this computer.</source>
        <translation>no se ha encontrado en este ordenador ningún programa para abrir páginas web.</translation>
    </message>
    <message>
        <source>no program for opening files was found on this computer.</source>
        <translation>no se ha encontrado en este ordenador ningún programa para abrir archivos.</translation>
    </message>
    <message>
        <source>the computer did not understand where to find it.</source>
        <translation>el ordenador no ha entendido dónde buscar.</translation>
    </message>
    <message>
        <source>it could not be found.</source>
        <translation>no se ha encontrado.</translation>
    </message>
    <message>
        <source>you are not allowed to open it.</source>
        <translation>no tienes permiso de acceso.</translation>
    </message>
    <message>
        <source>the web browser ran into a problem.</source>
        <translation>el navegador ha tenido un problema.</translation>
    </message>
    <message>
        <source>the program for it ran into a problem.</source>
        <translation>el programa que debía abrirlo ha tenido un problema.</translation>
    </message>
    <message>
        <source>The web page could not be opened: %1</source>
        <translation>No se ha podido abrir la página web: %1</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>No se ha podido abrir el archivo: %1</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 versión %2</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>entre</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Range 0-9</source>
        <translation>Del 0 al 9</translation>
    </message>
    <message>
        <source>Range 0-12</source>
        <translation>Del 0 al 12</translation>
    </message>
    <message>
        <source>Range: 0-9</source>
        <translation>Del 0 al 9</translation>
    </message>
    <message>
        <source>Range: 0-12</source>
        <translation>Del 0 al 12</translation>
    </message>
    <message>
        <source>Correct: 0</source>
        <translation>Aciertos: 0</translation>
    </message>
    <message>
        <source>Incorrect: 0</source>
        <translation>Fallos: 0</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Aciertos: %1</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <translation>Fallos: %1</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>Sorry. The correct answer is %1 .</source>
        <translation>¡Vaya! La respuesta correcta es %1.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>The flash card</source>
        <translation>La tarjeta de cálculo</translation>
    </message>
    <message>
        <source>Top number</source>
        <translation>Número de arriba</translation>
    </message>
    <message>
        <source>Bottom number</source>
        <translation>Número de abajo</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>El resultado</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Comprobación</translation>
    </message>
    <message>
        <source>Answer choice %1 of 4</source>
        <translation>Respuesta %1 de 4</translation>
    </message>
    <message>
        <source>Deal the next card</source>
        <translation>Mostrar la siguiente tarjeta</translation>
    </message>
</context>
</TS>
