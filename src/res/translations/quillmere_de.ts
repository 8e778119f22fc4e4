<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>CDialogPhotoOptions</name>
    <message>
        <source>Photo Output Options</source>
        <translation>Ausgabeoptionen für Fotos</translation>
    </message>
    <message>
        <source>O&amp;utput Format:</source>
        <translation>Ausgabe&amp;format:</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Ausgabegröße</translation>
    </message>
    <message>
        <source>O&amp;riginal size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Fixed size</source>
        <translation>Feste Größe</translation>
    </message>
    <message>
        <source>Fixed width and height</source>
        <translation>Feste Breite und Höhe</translation>
    </message>
    <message>
        <source>Output &amp;Width:</source>
        <translation>A&amp;usgabebreite:</translation>
    </message>
    <message>
        <source>&amp;Keep aspect ratio with width</source>
        <translation>Seitenverhältnis nach &amp;Breite</translation>
    </message>
    <message>
        <source>Ou&amp;tput Height:</source>
        <translation>Aus&amp;gabehöhe:</translation>
    </message>
    <message>
        <source>Keep aspect ratio with &amp;Height</source>
        <translation>Seitenverhältnis nach &amp;Höhe</translation>
    </message>
    <message>
        <source>Str&amp;etch:</source>
        <translation>Stre&amp;cken:</translation>
    </message>
    <message>
        <source>Hori&amp;zontal:</source>
        <translation>Hori&amp;zontal:</translation>
    </message>
    <message>
        <source>&amp;Vertical:</source>
        <translation>&amp;Vertikal:</translation>
    </message>
    <message>
        <source>&amp;Fit within Output Width x Output Height</source>
        <translation>&amp;In Ausgabebreite x Ausgabehöhe einpassen</translation>
    </message>
    <message>
        <source>Lon&amp;g edge:</source>
        <translation>Lange &amp;Kante:</translation>
    </message>
    <message>
        <source>Long edge in pixels</source>
        <translation>Lange Kante in Pixeln</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Do &amp;not enlarge</source>
        <translation>&amp;Nicht vergrößern</translation>
    </message>
    <message>
        <source>A photo smaller than the chosen size keeps its own size</source>
        <translation>Ein Foto, das kleiner als die gewählte Größe ist, behält seine eigene Größe</translation>
    </message>
    <message>
        <source>Format settings</source>
        <translation>Formateinstellungen</translation>
    </message>
    <message>
        <source>Pi&amp;xel format:</source>
        <translation>Pi&amp;xelformat:</translation>
    </message>
    <message>
        <source>&amp;Quality Control:</source>
        <translation>&amp;Qualität:</translation>
    </message>
    <message>
        <source>(Min 1, Max 100)</source>
        <translation>(min. 1, max. 100)</translation>
    </message>
    <message>
        <source>&amp;Lossless</source>
        <translation>Ver&amp;lustfrei</translation>
    </message>
    <message>
        <source>Camera &amp;data (EXIF, XMP, IPTC):</source>
        <translation>Kamera&amp;daten (EXIF, XMP, IPTC):</translation>
    </message>
    <message>
        <source>Ca&amp;mera RAW photos:</source>
        <translation>Kamera-&amp;RAW-Fotos:</translation>
    </message>
    <message>
        <source>Rotate b&amp;y angle</source>
        <translation>Drehen um &amp;Winkel</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>180</source>
        <translation>180</translation>
    </message>
    <message>
        <source>270</source>
        <translation>270</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>No flip</source>
        <translation>Nicht spiegeln</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>Farben:</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schriftart:</translation>
    </message>
    <message>
        <source>St&amp;yle:</source>
        <translation>Schrift&amp;schnitt:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Height of the characters in pixels of the output photo</source>
        <translation>Höhe der Zeichen in Pixeln des Ausgabefotos</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Effects:</source>
        <translation>Effekte:</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>Durch&amp;gestrichen</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>Choose the text color</source>
        <translation>Textfarbe auswählen</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>AaBbYyZz 123</source>
        <translation>AaBbÄäÖöß 123</translation>
    </message>
</context>
<context>
    <name>FrameControls</name>
    <message>
        <source>Frame and finishing</source>
        <translation>Zuschnitt und Nachbearbeitung</translation>
    </message>
    <message>
        <source>&amp;Aspect:</source>
        <translation>Seitenv&amp;erhältnis:</translation>
    </message>
    <message>
        <source>Cro&amp;p:</source>
        <translation>Ausschni&amp;tt:</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>Hintergr&amp;und:</translation>
    </message>
    <message>
        <source>&amp;Sharpen when reduced:</source>
        <translation>&amp;Schärfen beim Verkleinern:</translation>
    </message>
    <message>
        <source>As the source</source>
        <translation>Wie im Original</translation>
    </message>
    <message>
        <source> DPI</source>
        <translation> DPI</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Quillmere</source>
        <translation>Quillmere</translation>
    </message>
    <message>
        <source>&amp;Add Photos</source>
        <translation>Fotos &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Search photos</source>
        <translation>Fotos &amp;suchen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Konvertieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Total Photos:</source>
        <translation>Fotos gesamt:</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Output &amp;Folder:</source>
        <translation>Ausgabe&amp;ordner:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>Durch&amp;suchen</translation>
    </message>
    <message>
        <source>Add &amp;text to photo:</source>
        <translation>&amp;Text ins Foto einfügen:</translation>
    </message>
    <message>
        <source>Position &amp;x, y:</source>
        <translation>Position &amp;x, y:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>Sc&amp;hrift</translation>
    </message>
    <message>
        <source>A&amp;nchor:</source>
        <translation>A&amp;nker:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>The text&apos;s size as a percentage of the photo&apos;s shorter side; at 0 the font&apos;s own size counts.</source>
        <translation>Die Textgröße in Prozent der kürzeren Fotoseite; bei 0 gilt die Größe der Schrift selbst.</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source> % of shorter side</source>
        <translation> % der kürzeren Seite</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>&amp;Deckkraft:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Batch rena&amp;me prefix:</source>
        <translation>Präfix für Stapel&amp;umbenennung:</translation>
    </message>
    <message>
        <source>+Number+Time</source>
        <translation>+Nummer+Zeit</translation>
    </message>
    <message>
        <source>Date in the names</source>
        <translation>Datum in den Dateinamen</translation>
    </message>
    <message>
        <source>Which date the file names carry</source>
        <translation>Welches Datum die Dateinamen enthalten</translation>
    </message>
    <message>
        <source>&amp;Not rename</source>
        <translation>&amp;Nicht umbenennen</translation>
    </message>
    <message>
        <source>Photos found by Search photos or in a dropped folder keep their sub-folders inside the run folder.</source>
        <translation>Fotos, die über „Fotos suchen“ oder in einem abgelegten Ordner gefunden wurden, behalten ihre Unterordner im Ordner des Durchlaufs.</translation>
    </message>
    <message>
        <source>&amp;Keep sub-folders</source>
        <translation>&amp;Unterordner beibehalten</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Vorgabe:</translation>
    </message>
    <message>
        <source>Output settings, naming and text of the preset; the listed photos get its output settings if you agree.</source>
        <translation>Ausgabeeinstellungen, Benennung und Text der Vorgabe; die Fotos in der Liste erhalten nach Ihrer Zustimmung deren Ausgabeeinstellungen.</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>Sa&amp;ve as…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Lö&amp;schen</translation>
    </message>
    <message>
        <source>%p%</source>
        <translation>%p %</translation>
    </message>
    <message>
        <source>Stops gathering; the photos read so far are added (Esc).</source>
        <translation>Beendet das Einlesen; die bisher gelesenen Fotos werden hinzugefügt (Esc).</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>V&amp;iew log</source>
        <translation>Protokoll an&amp;zeigen</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>Liste speichern</translation>
    </message>
    <message>
        <source>load list</source>
        <translation>Liste laden</translation>
    </message>
    <message>
        <source>U&amp;pdate</source>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <source>Abou&amp;t</source>
        <translation>Inf&amp;o</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
</context>
<context>
    <name>OutputSettingsEditor</name>
    <message numerus="yes">
        <source>Give the %n photo in the list these settings too?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Give the %n photos in the list these settings too?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhotoSources</name>
    <message>
        <source>%1: could not be searched (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo Files (%1) (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any Files (*.*) (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file was left out: not a picture (%1)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: not pictures (%1)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: left out, not a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Photo Files...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlacesRow</name>
    <message>
        <source>Name template:</source>
        <translation>Namensvorlage:</translation>
    </message>
    <message>
        <source>prefix naming</source>
        <translation>Benennung per Präfix</translation>
    </message>
    <message>
        <source>Names the outputs instead of the prefix: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera}</source>
        <translation>Benennt die Ausgabedateien anstelle des Präfixes: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera}</translation>
    </message>
    <message>
        <source>Where the outputs go</source>
        <translation>Ziel der Ausgabedateien</translation>
    </message>
    <message>
        <source>New time-stamped folder</source>
        <translation>Neuer Ordner mit Zeitstempel</translation>
    </message>
    <message>
        <source>Into the output folder</source>
        <translation>In den Ausgabeordner</translation>
    </message>
    <message>
        <source>Next to each photo, in:</source>
        <translation>Neben jedem Foto, in:</translation>
    </message>
    <message>
        <source>Folder next to each photo</source>
        <translation>Ordner neben jedem Foto</translation>
    </message>
    <message>
        <source>The file dates, and the presets whose outputs each photo gets, from one decode</source>
        <translation>Die Dateidaten und die Vorgaben, deren Ausgaben jedes Foto erhält – aus einem einzigen Dekodiervorgang</translation>
    </message>
    <message>
        <source>Keep file dates (each output gets its original&apos;s)</source>
        <translation>Dateidatum beibehalten (jede Ausgabe erhält das des Originals)</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>z. B. %1</translation>
    </message>
    <message>
        <source>Outputs: one per preset ticked</source>
        <translation>Ausgaben: eine je angehakter Vorgabe</translation>
    </message>
    <message>
        <source>No presets saved</source>
        <translation>Keine Vorgaben gespeichert</translation>
    </message>
    <message>
        <source>&amp;Write: one output</source>
        <translation>&amp;Ausgabe: eine Datei</translation>
    </message>
    <message>
        <source>&amp;Write: 1 preset</source>
        <translation>&amp;Ausgabe: 1 Vorgabe</translation>
    </message>
    <message>
        <source>&amp;Write: %1 presets</source>
        <translation>&amp;Ausgabe: %1 Vorgaben</translation>
    </message>
</context>
<context>
    <name>PresetPanel</name>
    <message>
        <source>Choose a preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not applied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; is not stored any more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A preset name %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; exists. Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete the preset &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunSummaryDialog</name>
    <message>
        <source>Co&amp;py</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Show &amp;log</source>
        <translation>&amp;Protokoll anzeigen</translation>
    </message>
    <message>
        <source>Convert the &amp;rest</source>
        <translation>&amp;Rest konvertieren</translation>
    </message>
</context>
<context>
    <name>WatermarkPanel</name>
    <message>
        <source>&amp;Watermark:</source>
        <translation>&amp;Wasserzeichen:</translation>
    </message>
    <message>
        <source>No picture: type a path or choose a logo</source>
        <translation>Kein Bild: Pfad eingeben oder Logo auswählen</translation>
    </message>
    <message>
        <source>Lo&amp;go...</source>
        <translation>Lo&amp;go...</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>Grö&amp;ße:</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>D&amp;eckkraft:</translation>
    </message>
    <message>
        <source>Margi&amp;n:</source>
        <translation>Ab&amp;stand:</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;All files (*)</source>
        <translation>Bilder (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;Alle Dateien (*)</translation>
    </message>
</context>
</TS>
