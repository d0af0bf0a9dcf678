<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>ErrorPath</name>
    <message>
        <source>The program will now close.</source>
        <translation>Program şimdi kapanacak.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Bilinmeyen bir hata oluştu.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>%1, not checked</source>
        <translation>%1, seçili değil</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>Birlikte aç</translation>
    </message>
    <message>
        <source>Choose the program you want to use to open:</source>
        <translation>Açmak için kullanmak istediğin programı seç:</translation>
    </message>
    <message>
        <source>&amp;Program:</source>
        <translation>&amp;Program:</translation>
    </message>
    <message>
        <source>for example firefox</source>
        <translation>örneğin firefox</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Gözat...</translation>
    </message>
    <message>
        <source>Choose a program</source>
        <translation>Program seç</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>Hakkında...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>Yapımcının web sitesini web tarayıcında açar</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be started.</source>
        <translation>“%1” programı başlatılamadı.</translation>
    </message>
    <message>
        <source>Check that the program is installed and that its name is spelled correctly, then try again.</source>
        <translation>Programın kurulu olduğunu ve adının doğru yazıldığını kontrol et, sonra yeniden dene.</translation>
    </message>
    <message>
        <source>no program for opening web pages was found on this computer.</source>
        <translation>Bu bilgisayarda web sayfalarını açacak bir program bulunamadı.</translation>
    </message>
    <message>
        <source>no program for opening files was found on this computer.</source>
        <translation>Bu bilgisayarda dosyaları açacak bir program bulunamadı.</translation>
    </message>
    <message>
        <source>the computer did not understand where to find it.</source>
        <translation>Bilgisayar onu nerede arayacağını anlayamadı.</translation>
    </message>
    <message>
        <source>it could not be found.</source>
        <translation>Bilgisayar onu bulamadı.</translation>
    </message>
    <message>
        <source>you are not allowed to open it.</source>
        <translation>Onu açma iznin yok.</translation>
    </message>
    <message>
        <source>the web browser ran into a problem.</source>
        <translation>Web tarayıcısında bir sorun çıktı.</translation>
    </message>
    <message>
        <source>the program for it ran into a problem.</source>
        <translation>Onu açan programda bir sorun çıktı.</translation>
    </message>
    <message>
        <source>The web page could not be opened: %1</source>
        <translation>Web sayfası açılamadı. %1</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Dosya açılamadı. %1</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 sürüm %2</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Addition</source>
        <translation>Toplama</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>artı</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Çıkarma</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>eksi</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>Çarpma</translation>
    </message>
    <message>
        <source>times</source>
        <translation>çarpı</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Bölme</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>bölü</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Yeni kart</translation>
    </message>
    <message>
        <source>Range 0-9</source>
        <translation>0&apos;dan 9&apos;a</translation>
    </message>
    <message>
        <source>Range 0-12</source>
        <translation>0&apos;dan 12&apos;ye</translation>
    </message>
    <message>
        <source>Range: 0-9</source>
        <translation>0&apos;dan 9&apos;a</translation>
    </message>
    <message>
        <source>Range: 0-12</source>
        <translation>0&apos;dan 12&apos;ye</translation>
    </message>
    <message>
        <source>Correct: 0</source>
        <translation>Doğru: 0</translation>
    </message>
    <message>
        <source>Incorrect: 0</source>
        <translation>Yanlış: 0</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Doğru: %1</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <translation>Yanlış: %1</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>Doğru bildin!</translation>
    </message>
    <message>
        <source>Sorry. The correct answer is %1 .</source>
        <translation>Maalesef yanlış. Doğru cevap: %1.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Araçlar</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Rastgele</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Hakkında...</translation>
    </message>
    <message>
        <source>The flash card</source>
        <translation>İşlem kartı</translation>
    </message>
    <message>
        <source>Top number</source>
        <translation>Üstteki sayı</translation>
    </message>
    <message>
        <source>Bottom number</source>
        <translation>Alttaki sayı</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>Cevap</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>İşlem işareti</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Değerlendirme</translation>
    </message>
    <message>
        <source>Answer choice %1 of 4</source>
        <translation>Cevap seçeneği %1, toplam 4</translation>
    </message>
    <message>
        <source>Deal the next card</source>
        <translation>Sonraki kartı gösterir</translation>
    </message>
</context>
</TS>
