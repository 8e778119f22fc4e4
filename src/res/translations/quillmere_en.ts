<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CDialogPhotoOptions</name>
    <message numerus="yes">
        <source>Settings for %n photos</source>
        <translation>
            <numerusform>Settings for %n photo</numerusform>
            <numerusform>Settings for %n photos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message numerus="yes">
        <source>stopped: %n photos not started</source>
        <translation>
            <numerusform>stopped: %n photo not started</numerusform>
            <numerusform>stopped: %n photos not started</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LocalFigures</name>
    <message numerus="yes">
        <source>%1, %n encodes</source>
        <extracomment>%1 is the size and quality (&quot;498 KB at quality 72&quot;); an encode is one trial compression made to find it.</extracomment>
        <translation>
            <numerusform>%1, %n encode</numerusform>
            <numerusform>%1, %n encodes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message numerus="yes">
        <source>The list of %n photos is not kept. Do you want to quit?</source>
        <translation>
            <numerusform>The list of %n photo is not kept. Do you want to quit?</numerusform>
            <numerusform>The list of %n photos is not kept. Do you want to quit?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OutputSettingsEditor</name>
    <message numerus="yes">
        <source>Give the %n photos in the list these settings too?</source>
        <translation>
            <numerusform>Give the %n photo in the list these settings too?</numerusform>
            <numerusform>Give the %n photos in the list these settings too?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhotoSources</name>
    <message numerus="yes">
        <source>%n files were left out: not pictures (%1)</source>
        <translation>
            <numerusform>%n file was left out: not a picture (%1)</numerusform>
            <numerusform>%n files were left out: not pictures (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlacesRow</name>
    <message numerus="yes">
        <source>&amp;Write: %n presets</source>
        <translation>
            <numerusform>&amp;Write: %n preset</numerusform>
            <numerusform>&amp;Write: %n presets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message numerus="yes">
        <source>%1 photos were not converted; see the log.</source>
        <translation>
            <numerusform>%1 photo was not converted; see the log.</numerusform>
            <numerusform>%1 photos were not converted; see the log.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 photos got a number added to a name another photo has.</source>
        <translation>
            <numerusform>%1 photo got a number added to a name another photo has.</numerusform>
            <numerusform>%1 photos got a number added to a name another photo has.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>about %n min left</numerusform>
            <numerusform>about %n min left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>about %n h left</numerusform>
            <numerusform>about %n h left</numerusform>
        </translation>
    </message>
</context>
</TS>
