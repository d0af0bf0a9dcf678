<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="en">
<context>
    <name>ErrorPath</name>
    <message>
        <source>The program will now close.</source>
        <translation>प्रोग्राम अब बंद हो जाएगा।</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>कोई अनजानी गड़बड़ी हो गई।</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>%1, not checked</source>
        <translation>%1, चुना नहीं गया</translation>
    </message>
</context>
<context>
    <name>OpenWithDialog</name>
    <message>
        <source>Open with</source>
        <translation>किससे खोलें</translation>
    </message>
    <message>
        <source>Choose the program you want to use to open:</source>
        <translation>इसे खोलने के लिए प्रोग्राम चुनो:</translation>
    </message>
    <message>
        <source>&amp;Program:</source>
        <translation>प्रोग्राम (&amp;P):</translation>
    </message>
    <message>
        <source>for example firefox</source>
        <translation>जैसे firefox</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>ढूँढो (&amp;B)...</translation>
    </message>
    <message>
        <source>Choose a program</source>
        <translation>प्रोग्राम चुनो</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>परिचय</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>प्रोग्राम बनाने वालों की वेबसाइट तुम्हारे वेब ब्राउज़र में खोलता है</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be started.</source>
        <translation>प्रोग्राम “%1” चालू नहीं हो सका।</translation>
    </message>
    <message>
        <source>Check that the program is installed and that its name is spelled correctly, then try again.</source>
        <translation>देखो कि प्रोग्राम इंस्टॉल है और उसका नाम सही लिखा है, फिर दोबारा कोशिश करो।</translation>
    </message>
    <message>
        <source>no program for opening web pages was found on this computer.</source>
        <translation>इस कंप्यूटर पर वेब पेज खोलने वाला कोई प्रोग्राम नहीं मिला।</translation>
    </message>
    <message>
        <source>no program for opening files was found on this computer.</source>
        <translation>इस कंप्यूटर पर फ़ाइलें खोलने वाला कोई प्रोग्राम नहीं मिला।</translation>
    </message>
    <message>
        <source>the computer did not understand where to find it.</source>
        <translation>कंप्यूटर समझ नहीं पाया कि उसे कहाँ ढूँढना है।</translation>
    </message>
    <message>
        <source>it could not be found.</source>
        <translation>उसका कहीं पता नहीं चला।</translation>
    </message>
    <message>
        <source>you are not allowed to open it.</source>
        <translation>तुम्हें उसे खोलने की अनुमति नहीं है।</translation>
    </message>
    <message>
        <source>the web browser ran into a problem.</source>
        <translation>वेब ब्राउज़र में कोई गड़बड़ी हो गई।</translation>
    </message>
    <message>
        <source>the program for it ran into a problem.</source>
        <translation>उसे खोलने वाले प्रोग्राम में कोई गड़बड़ी हो गई।</translation>
    </message>
    <message>
        <source>The web page could not be opened: %1</source>
        <translation>वेब पेज नहीं खुल सका। %1</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>फ़ाइल नहीं खुल सकी। %1</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 संस्करण %2</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Addition</source>
        <translation>जोड़</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>जमा</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>घटाव</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>घटा</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>गुणा</translation>
    </message>
    <message>
        <source>times</source>
        <translation>गुणा</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>भाग</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>भाग</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>अगला कार्ड</translation>
    </message>
    <message>
        <source>Range 0-9</source>
        <translation>0 से 9 तक</translation>
    </message>
    <message>
        <source>Range 0-12</source>
        <translation>0 से 12 तक</translation>
    </message>
    <message>
        <source>Range: 0-9</source>
        <translation>0 से 9 तक</translation>
    </message>
    <message>
        <source>Range: 0-12</source>
        <translation>0 से 12 तक</translation>
    </message>
    <message>
        <source>Correct: 0</source>
        <translation>सही: 0</translation>
    </message>
    <message>
        <source>Incorrect: 0</source>
        <translation>ग़लत: 0</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>सही: %1</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <translation>ग़लत: %1</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>बिल्कुल सही!</translation>
    </message>
    <message>
        <source>Sorry. The correct answer is %1 .</source>
        <translation>नहीं, सही जवाब %1 है।</translation>
    </message>
    <message>
        <source>File</source>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>फिर से शुरू करो</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>बंद करो</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>औज़ार</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>कार्ड फेंटना</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>मदद</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>परिचय...</translation>
    </message>
    <message>
        <source>The flash card</source>
        <translation>गणित का कार्ड</translation>
    </message>
    <message>
        <source>Top number</source>
        <translation>ऊपर की संख्या</translation>
    </message>
    <message>
        <source>Bottom number</source>
        <translation>नीचे की संख्या</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>जवाब</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>चिह्न</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>जाँच का नतीजा</translation>
    </message>
    <message>
        <source>Answer choice %1 of 4</source>
        <translation>4 में से जवाब नंबर %1</translation>
    </message>
    <message>
        <source>Deal the next card</source>
        <translation>अगला कार्ड दिखाओ</translation>
    </message>
</context>
</TS>
