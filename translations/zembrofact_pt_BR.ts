<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>ErrorPath</name>
    <message>
        <source>The program will now close.</source>
        <translation>O programa vai fechar agora.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Ocorreu um erro desconhecido.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>%1, not checked</source>
        <translation>%1, não marcado</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>Abrir com</translation>
    </message>
    <message>
        <source>Choose the program you want to use to open:</source>
        <translation>Escolha o programa que você quer usar para abrir:</translation>
    </message>
    <message>
        <source>&amp;Program:</source>
        <translation>&amp;Programa:</translation>
    </message>
    <message>
        <source>for example firefox</source>
        <translation>por exemplo, firefox</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>P&amp;rocurar...</translation>
    </message>
    <message>
        <source>Choose a program</source>
        <translation>Escolha um programa</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>Abre no seu navegador o site de quem criou o programa</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be started.</source>
        <translation>Não foi possível iniciar o programa “%1”.</translation>
    </message>
    <message>
        <source>Check that the program is installed and that its name is spelled correctly, then try again.</source>
        <translation>Veja se o programa está instalado e se o nome está escrito certo. Depois, tente de novo.</translation>
    </message>
    <message>
        <source>no program for opening web pages was found on this computer.</source>
        <translation>não há nenhum programa para abrir páginas da web neste computador.</translation>
    </message>
    <message>
        <source>no program for opening files was found on this computer.</source>
        <translation>não há nenhum programa para abrir arquivos neste computador.</translation>
    </message>
    <message>
        <source>the computer did not understand where to find it.</source>
        <translation>o computador não entendeu onde procurar.</translation>
    </message>
    <message>
        <source>it could not be found.</source>
        <translation>o endereço não foi encontrado.</translation>
    </message>
    <message>
        <source>you are not allowed to open it.</source>
        <translation>você não tem permissão para abrir isso.</translation>
    </message>
    <message>
        <source>the web browser ran into a problem.</source>
        <translation>o navegador teve um problema.</translation>
    </message>
    <message>
        <source>the program for it ran into a problem.</source>
        <translation>o programa que abre o arquivo teve um problema.</translation>
    </message>
    <message>
        <source>The web page could not be opened: %1</source>
        <translation>Não foi possível abrir a página da web: %1</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Não foi possível abrir o arquivo: %1</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 versão %2</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Addition</source>
        <translation>Adição</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>mais</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtração</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>Multiplicação</translation>
    </message>
    <message>
        <source>times</source>
        <translation>vezes</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisão</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido por</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Range 0-9</source>
        <translation>De 0 a 9</translation>
    </message>
    <message>
        <source>Range 0-12</source>
        <translation>De 0 a 12</translation>
    </message>
    <message>
        <source>Range: 0-9</source>
        <translation>De 0 a 9</translation>
    </message>
    <message>
        <source>Range: 0-12</source>
        <translation>De 0 a 12</translation>
    </message>
    <message>
        <source>Correct: 0</source>
        <translation>Acertos: 0</translation>
    </message>
    <message>
        <source>Incorrect: 0</source>
        <translation>Erros: 0</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Acertos: %1</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <translation>Erros: %1</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>Acertou!</translation>
    </message>
    <message>
        <source>Sorry. The correct answer is %1 .</source>
        <translation>Que pena. A resposta certa é %1.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Recomeçar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Ordem aleatória</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>The flash card</source>
        <translation>O cartão</translation>
    </message>
    <message>
        <source>Top number</source>
        <translation>Número de cima</translation>
    </message>
    <message>
        <source>Bottom number</source>
        <translation>Número de baixo</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>O resultado</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operação</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Certo ou errado</translation>
    </message>
    <message>
        <source>Answer choice %1 of 4</source>
        <translation>Resposta %1 de 4</translation>
    </message>
    <message>
        <source>Deal the next card</source>
        <translation>Mostrar o próximo cartão</translation>
    </message>
</context>
</TS>
