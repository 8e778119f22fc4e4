<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Quelltext: %1</translation>
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
        <translation>Ausgabebre&amp;ite:</translation>
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
        <translation>In Ausgabebreite x Ausgabehöhe ein&amp;passen</translation>
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
    <message>
        <source>(different)</source>
        <translation>(unterschiedlich)</translation>
    </message>
    <message numerus="yes">
        <source>Settings for %n photos</source>
        <translation>
            <numerusform>Einstellungen für %n Foto</numerusform>
            <numerusform>Einstellungen für %n Fotos</numerusform>
        </translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unknown flip type!</source>
        <translation>Unbekannte Spiegelungsart!</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Bitte geben Sie eine Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Bitte geben Sie eine Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unknown nOuputSizeType type!</source>
        <translation>Unbekannter Typ von nOuputSizeType!</translation>
    </message>
    <message>
        <source>Unknown nKeepAspectRatio type!</source>
        <translation>Unbekannter Typ von nKeepAspectRatio!</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>must be one of %1</source>
        <translation>muss einer der Werte %1 sein</translation>
    </message>
    <message>
        <source>must be an integer from %1 to %2</source>
        <translation>muss eine ganze Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>must be a number from %1 to %2</source>
        <translation>muss eine Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source> (default %1)</source>
        <translation> (Standard: %1)</translation>
    </message>
    <message>
        <source>must name a folder</source>
        <translation>muss einen Ordner angeben</translation>
    </message>
    <message>
        <source>must name a file</source>
        <translation>muss eine Datei angeben</translation>
    </message>
    <message>
        <source>must be six hexadecimal digits RRGGBB</source>
        <translation>muss aus sechs Hexadezimalziffern RRGGBB bestehen</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Dateinamen</translation>
    </message>
    <message>
        <source>Text overlay</source>
        <translation>Texteinblendung</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführung</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Vorgaben</translation>
    </message>
    <message>
        <source>Scripts and clusters</source>
        <translation>Skripte und Cluster</translation>
    </message>
    <message>
        <source>start from the saved preset NAME; options after it override it</source>
        <translation>von der gespeicherten Vorgabe NAME ausgehen; nachfolgende Optionen haben Vorrang</translation>
    </message>
    <message>
        <source>output folder (default: the work folder, Pictures/Quillmere/)</source>
        <translation>Ausgabeordner (Standard: der Arbeitsordner, Pictures/Quillmere/)</translation>
    </message>
    <message>
        <source>output width for %1</source>
        <translation>Ausgabebreite für %1</translation>
    </message>
    <message>
        <source>output height for %1</source>
        <translation>Ausgabehöhe für %1</translation>
    </message>
    <message>
        <source>the longer side for %1</source>
        <translation>die längere Seite für %1</translation>
    </message>
    <message>
        <source>with %1: a photo smaller than the result keeps its size</source>
        <translation>mit %1: ein Foto, das kleiner als das Ergebnis ist, behält seine Größe</translation>
    </message>
    <message>
        <source>factors for %1</source>
        <translation>Faktoren für %1</translation>
    </message>
    <message>
        <source>must be two factors H,V from %1</source>
        <translation>muss aus zwei Faktoren H,V von %1 bestehen</translation>
    </message>
    <message>
        <source>BMP pixel format: %1, or %2</source>
        <translation>BMP-Pixelformat: %1, alternativ %2</translation>
    </message>
    <message>
        <source>quality of %1</source>
        <translation>Qualität von %1</translation>
    </message>
    <message>
        <source>lossless %1 (the quality is not used)</source>
        <translation>verlustfreies %1 (die Qualität wird nicht verwendet)</translation>
    </message>
    <message>
        <source>camera data (EXIF, XMP, IPTC) the outputs keep: %1</source>
        <translation>Kameradaten (EXIF, XMP, IPTC), die die Ausgabedateien behalten: %1</translation>
    </message>
    <message>
        <source>rename prefix</source>
        <translation>Präfix für die Umbenennung</translation>
    </message>
    <message>
        <source>must not contain &apos;/&apos;</source>
        <translation>darf kein &apos;/&apos; enthalten</translation>
    </message>
    <message>
        <source>keep the source names, change the extension only</source>
        <translation>die Originalnamen behalten, nur die Dateiendung ändern</translation>
    </message>
    <message>
        <source>the date in the names: %1 (from EXIF, else the file&apos;s)</source>
        <translation>das Datum in den Namen: %1 (aus EXIF, sonst das der Datei)</translation>
    </message>
    <message>
        <source>photos found in a folder keep their path below it inside the run folder</source>
        <translation>in einem Ordner gefundene Fotos behalten ihren Pfad unterhalb davon im Ordner des Durchlaufs</translation>
    </message>
    <message>
        <source>the number of the first photo</source>
        <translation>die Nummer des ersten Fotos</translation>
    </message>
    <message>
        <source>digits the numbers are padded to</source>
        <translation>Stellenzahl, auf die die Nummern mit Nullen aufgefüllt werden</translation>
    </message>
    <message>
        <source> (default: those of the last number)</source>
        <translation> (Standard: die der letzten Nummer)</translation>
    </message>
    <message>
        <source>a line of text drawn on every photo</source>
        <translation>eine Textzeile, die auf jedes Foto gezeichnet wird</translation>
    </message>
    <message>
        <source>must be one line, without line breaks</source>
        <translation>muss eine einzelne Zeile ohne Zeilenumbrüche sein</translation>
    </message>
    <message>
        <source>its margin in output pixels from the anchor; for top-left, its top-left corner (default 0,0)</source>
        <translation>sein Abstand vom Anker in Ausgabepixeln; bei top-left seine linke obere Ecke (Standard: 0,0)</translation>
    </message>
    <message>
        <source>font family (default: the sans-serif font)</source>
        <translation>Schriftfamilie (Standard: die serifenlose Schrift)</translation>
    </message>
    <message>
        <source>must be a family name of at most 31 characters</source>
        <translation>muss ein Familienname mit höchstens 31 Zeichen sein</translation>
    </message>
    <message>
        <source>font size in pixels</source>
        <translation>Schriftgröße in Pixeln</translation>
    </message>
    <message>
        <source>text size as a percentage of the output&apos;s shorter side, in place of --font-px; %1 (default %2: the font&apos;s size)</source>
        <translation>Textgröße in Prozent der kürzeren Seite der Ausgabe, anstelle von --font-px; %1 (Standard: %2, die Größe der Schrift)</translation>
    </message>
    <message>
        <source>bold text</source>
        <translation>fetter Text</translation>
    </message>
    <message>
        <source>italic text</source>
        <translation>kursiver Text</translation>
    </message>
    <message>
        <source>underlined text</source>
        <translation>unterstrichener Text</translation>
    </message>
    <message>
        <source>struck-out text</source>
        <translation>durchgestrichener Text</translation>
    </message>
    <message>
        <source>text colour (default 000000)</source>
        <translation>Textfarbe (Standard: 000000)</translation>
    </message>
    <message>
        <source>text opacity in percent</source>
        <translation>Deckkraft des Textes in Prozent</translation>
    </message>
    <message>
        <source>%1 around the text</source>
        <translation>%1 um den Text</translation>
    </message>
    <message>
        <source>save the settings this command gives as preset NAME (PATHs optional)</source>
        <translation>die Einstellungen dieses Befehls als Vorgabe NAME speichern (PATH-Angaben optional)</translation>
    </message>
    <message>
        <source>print the saved presets&apos; names, one per line</source>
        <translation>die Namen der gespeicherten Vorgaben ausgeben, einen pro Zeile</translation>
    </message>
    <message>
        <source>also convert the paths listed in FILE, one per line (- for standard input)</source>
        <translation>auch die in FILE aufgeführten Pfade konvertieren, einen pro Zeile (- für die Standardeingabe)</translation>
    </message>
    <message>
        <source>the --files-from entries end with NUL, as find -print0 writes them</source>
        <translation>die Einträge von --files-from enden mit NUL, wie find -print0 sie schreibt</translation>
    </message>
    <message>
        <source>write into DIR (made if missing) instead of a new time-stamped folder</source>
        <translation>in DIR schreiben (wird bei Bedarf angelegt) statt in einen neuen Ordner mit Zeitstempel</translation>
    </message>
    <message>
        <source>write one JSON object per photo, then a summary object, one per line, to FILE</source>
        <translation>ein JSON-Objekt pro Foto, danach ein Zusammenfassungsobjekt, je eines pro Zeile, in FILE schreiben</translation>
    </message>
    <message>
        <source>%1 when an output file exists (default: ask when standard input is a terminal, else no)</source>
        <translation>%1, wenn eine Ausgabedatei bereits existiert (Standard: ask, wenn die Standardeingabe ein Terminal ist, sonst no)</translation>
    </message>
    <message>
        <source>photos converted at once</source>
        <translation>Anzahl gleichzeitig konvertierter Fotos</translation>
    </message>
    <message>
        <source> (default: one per core)</source>
        <translation> (Standard: eines pro Kern)</translation>
    </message>
    <message>
        <source>memory the photos in hand may take, in MiB</source>
        <translation>Arbeitsspeicher, den die gerade bearbeiteten Fotos belegen dürfen, in MiB</translation>
    </message>
    <message>
        <source>; a larger photo converts alone (default: half the physical memory, %1 MiB)</source>
        <translation>; ein größeres Foto wird allein konvertiert (Standard: die Hälfte des physischen Speichers, %1 MiB)</translation>
    </message>
    <message>
        <source>no progress bar and no notices</source>
        <translation>kein Fortschrittsbalken und keine Hinweise</translation>
    </message>
    <message>
        <source>print the values a fixed-set option accepts, one per line</source>
        <translation>die Werte ausgeben, die eine Option mit fester Auswahl annimmt, einen pro Zeile</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>dieser Text</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>die Version des Programms</translation>
    </message>
    <message>
        <source>or</source>
        <translation>oder</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>Option %1 nimmt keinen Wert an</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 benötigt einen Wert</translation>
    </message>
    <message>
        <source>option %1: &apos;%2&apos; %3</source>
        <translation>Option %1: &apos;%2&apos; %3</translation>
    </message>
    <message>
        <source>option --metadata %1 keeps more camera data than preset &apos;%2&apos; (%3)</source>
        <translation>Option --metadata %1 behält mehr Kameradaten als die Vorgabe &apos;%2&apos; (%3)</translation>
    </message>
    <message>
        <source>option %1: preset &apos;%2&apos; is not used: %3</source>
        <translation>Option %1: Vorgabe &apos;%2&apos; wird nicht verwendet: %3</translation>
    </message>
    <message>
        <source>option %1: no preset &apos;%2&apos; (--list-presets lists them)</source>
        <translation>Option %1: keine Vorgabe &apos;%2&apos; vorhanden (--list-presets listet sie auf)</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; keeps camera data %2, not --metadata %3 given before it; give --metadata after --preset</source>
        <translation>Vorgabe &apos;%1&apos; behält die Kameradaten %2, nicht das davor angegebene --metadata %3; geben Sie --metadata nach --preset an</translation>
    </message>
    <message>
        <source>option --beside cannot be given with --into</source>
        <translation>Option --beside kann nicht zusammen mit --into angegeben werden</translation>
    </message>
    <message>
        <source>option --null needs --files-from</source>
        <translation>Option --null benötigt --files-from</translation>
    </message>
    <message>
        <source>option --overwrite ask cannot be answered while --files-from - reads standard input</source>
        <translation>Option --overwrite ask kann nicht beantwortet werden, während --files-from - die Standardeingabe liest</translation>
    </message>
    <message>
        <source>no photos given: name at least one file or folder</source>
        <translation>keine Fotos angegeben: nennen Sie mindestens eine Datei oder einen Ordner</translation>
    </message>
    <message>
        <source>Usage: quillmere-convert [options] PATH...
Converts photos (files, or folders searched with their sub-folders) into a
new time-stamped folder inside the output folder, and prints that folder.
</source>
        <translation>Aufruf: quillmere-convert [Optionen] PATH...
Konvertiert Fotos (Dateien oder Ordner, die samt Unterordnern durchsucht
werden) in einen neuen Ordner mit Zeitstempel im Ausgabeordner und gibt
diesen Ordner aus.
</translation>
    </message>
    <message>
        <source>Options take their value as the next argument or after &apos;=&apos; (--text-pos=-5,3).
Exit status: 0 every photo converted, 1 some were not, 2 bad arguments.
</source>
        <translation>Optionswerte folgen als nächstes Argument oder nach &apos;=&apos; (--text-pos=-5,3).
Exit-Status: 0 alle Fotos konvertiert, 1 einige nicht, 2 ungültige Argumente.
</translation>
    </message>
    <message>
        <source>Image watermark</source>
        <translation>Bild-Wasserzeichen</translation>
    </message>
    <message>
        <source>for %1: the part fill keeps, or where pad places the photo: %2 (smart: the most interesting part; pad centres it)</source>
        <translation>für %1: der Teil, den fill behält, oder wo pad das Foto platziert: %2 (smart: der interessanteste Teil; pad zentriert es)</translation>
    </message>
    <message>
        <source>colour of pad&apos;s margins and of transparent areas</source>
        <translation>Farbe der Ränder von pad und transparenter Bereiche</translation>
    </message>
    <message>
        <source>sharpen a photo that is made smaller, by as much as it is reduced: %1</source>
        <translation>ein verkleinertes Foto so stark nachschärfen, wie es verkleinert wird: %1</translation>
    </message>
    <message>
        <source>the resolution written into JPG, PNG, TIF and BMP outputs (and WebP and AVIF with camera data)</source>
        <translation>die in JPG-, PNG-, TIF- und BMP-Ausgaben geschriebene Auflösung (und in WebP und AVIF mit Kameradaten)</translation>
    </message>
    <message>
        <source> (default 0: the source&apos;s)</source>
        <translation> (Standard: 0, die des Originals)</translation>
    </message>
    <message>
        <source>a picture (PNG, WebP or SVG, transparency kept) drawn on every photo</source>
        <translation>ein Bild (PNG, WebP oder SVG, Transparenz bleibt erhalten), das auf jedes Foto gezeichnet wird</translation>
    </message>
    <message>
        <source>its longer side as a percentage of the output&apos;s shorter side</source>
        <translation>seine längere Seite in Prozent der kürzeren Seite der Ausgabe</translation>
    </message>
    <message>
        <source>its opacity in percent</source>
        <translation>seine Deckkraft in Prozent</translation>
    </message>
    <message>
        <source>its distance from the anchor&apos;s edges as a percentage of the output&apos;s shorter side</source>
        <translation>sein Abstand von den Kanten am Anker in Prozent der kürzeren Seite der Ausgabe</translation>
    </message>
    <message>
        <source>%1: %2, skipped</source>
        <translation>%1: %2, übersprungen</translation>
    </message>
    <message>
        <source>%1: %2, failed</source>
        <translation>%1: %2, fehlgeschlagen</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; not saved: %2</source>
        <translation>Vorgabe &apos;%1&apos; nicht gespeichert: %2</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; saved in %2</source>
        <translation>Vorgabe &apos;%1&apos; gespeichert in %2</translation>
    </message>
    <message>
        <source>option %1 has no fixed set of values</source>
        <translation>Option %1 hat keine feste Werteauswahl</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>&apos;%1 --help&apos; liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>no photos to convert</source>
        <translation>keine Fotos zu konvertieren</translation>
    </message>
    <message>
        <source>written per preset: %1</source>
        <translation>geschrieben je Vorgabe: %1</translation>
    </message>
    <message numerus="yes">
        <source>stopped: %n photos not started</source>
        <translation>
            <numerusform>abgebrochen: %n Foto nicht begonnen</numerusform>
            <numerusform>abgebrochen: %n Fotos nicht begonnen</numerusform>
        </translation>
    </message>
    <message>
        <source>at most SIZE bytes per output file; K and M count 1,000 and 1,000,000, KiB and MiB 1,024 and 1,048,576 (500K, 2MiB; 0: no limit). %1 get the best quality that fits, down to --min-quality, then smaller dimensions; lossless outputs (PNG, TIF, BMP, --lossless) only smaller dimensions</source>
        <translation>höchstens SIZE Byte pro Ausgabedatei; K und M zählen 1.000 und 1.000.000, KiB und MiB 1.024 und 1.048.576 (500K, 2MiB; 0: keine Grenze). %1 erhalten die beste Qualität, die passt, bis hinab zu --min-quality, danach kleinere Abmessungen; verlustfreie Ausgaben (PNG, TIF, BMP, --lossless) nur kleinere Abmessungen</translation>
    </message>
    <message>
        <source>must be a size in bytes such as 500000, 500K or 488KiB, at most 1000000M</source>
        <translation>muss eine Größe in Byte sein, etwa 500000, 500K oder 488KiB, höchstens 1000000M</translation>
    </message>
    <message>
        <source>the lowest quality --max-file-size may use, %1 (default %2; never above --quality)</source>
        <translation>die niedrigste Qualität, die --max-file-size verwenden darf, %1 (Standard: %2; nie über --quality)</translation>
    </message>
    <message>
        <source>with --max-file-size: a photo that does not fit at --min-quality fails instead of being made smaller</source>
        <translation>mit --max-file-size: ein Foto, das bei --min-quality nicht passt, schlägt fehl, statt verkleinert zu werden</translation>
    </message>
    <message>
        <source>colour resolution of JPG and AVIF: %1 (default %2: 420 below quality 90, else 444, which --max-file-size keeps only where the --quality file fits)</source>
        <translation>Farbauflösung von JPG und AVIF: %1 (Standard: %2 – 420 unter Qualität 90, sonst 444, das --max-file-size nur behält, wo die Datei mit --quality passt)</translation>
    </message>
    <message>
        <source>progressive JPG, shown coarse first while it loads</source>
        <translation>progressives JPG, beim Laden zuerst grob angezeigt</translation>
    </message>
    <message>
        <source>name the outputs by TEMPLATE instead: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera} (&quot;.{ext}&quot; is added when missing)</source>
        <translation>die Ausgabedateien stattdessen nach TEMPLATE benennen: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera} (&quot;.{ext}&quot; wird ergänzt, wenn es fehlt)</translation>
    </message>
    <message>
        <source>is refused: %1</source>
        <translation>wird abgelehnt: %1</translation>
    </message>
    <message>
        <source>write each output into the folder DIR next to its original (made if missing) instead of a run folder</source>
        <translation>jede Ausgabe in den Ordner DIR neben ihrem Original schreiben (wird bei Bedarf angelegt) statt in einen Ordner des Durchlaufs</translation>
    </message>
    <message>
        <source>must be a folder name without &apos;/&apos;</source>
        <translation>muss ein Ordnername ohne &apos;/&apos; sein</translation>
    </message>
    <message>
        <source>give each output its original&apos;s modification time</source>
        <translation>jeder Ausgabe die Änderungszeit ihres Originals geben</translation>
    </message>
    <message>
        <source>write one output per preset of the comma-separated list, each photo decoded once; the names must differ (use {preset} in the template)</source>
        <translation>eine Ausgabe je Vorgabe der kommagetrennten Liste schreiben, jedes Foto wird nur einmal dekodiert; die Namen müssen sich unterscheiden (verwenden Sie {preset} in der Vorlage)</translation>
    </message>
    <message>
        <source>must list preset names, separated by commas</source>
        <translation>muss Vorgabenamen auflisten, durch Kommas getrennt</translation>
    </message>
    <message>
        <source>how camera RAW photos are developed: auto (the camera&apos;s preview when it covers the output, else half size when that does, else full), preview or full (default %1)</source>
        <translation>wie Kamera-RAW-Fotos entwickelt werden: auto (die Kameravorschau, wenn sie die Ausgabe abdeckt, sonst halbe Größe, wenn diese reicht, sonst voll), preview oder full (Standard: %1)</translation>
    </message>
    <message>
        <source>colours of 4- and 8-bit BMP: fixed (the standard table) or adaptive (the photo&apos;s own, by an octree) (default %1)</source>
        <translation>Farben von 4- und 8-Bit-BMP: fixed (die Standardtabelle) oder adaptive (die des Fotos, per Octree) (Standard: %1)</translation>
    </message>
    <message>
        <source>font family &apos;%1&apos; is not installed; the text is drawn in &apos;%2&apos;</source>
        <translation>Schriftfamilie &apos;%1&apos; ist nicht installiert; der Text wird in &apos;%2&apos; gezeichnet</translation>
    </message>
    <message>
        <source>when the run ends, write to FILE in the user&apos;s language how many photos were converted and into which folder, then each photo that was not, with its reason</source>
        <translation>am Ende des Laufs in der Sprache des Benutzers in FILE schreiben, wie viele Fotos in welchen Ordner konvertiert wurden, danach jedes nicht konvertierte Foto mit dem Grund</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a heading of --help</comment>
        <extracomment>A heading of the option list, %1 its name (&quot;Output:&quot;).</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>option %1: %2</source>
        <translation>Option %1: %2</translation>
    </message>
    <message>
        <source>No photo was converted.</source>
        <translation>Kein Foto wurde konvertiert.</translation>
    </message>
    <message>
        <source>%1 of %2 photos converted</source>
        <translation>%1 von %2 Fotos konvertiert</translation>
    </message>
    <message>
        <source>%1 of %2 photos converted into %3</source>
        <translation>%1 von %2 Fotos konvertiert nach %3</translation>
    </message>
    <message>
        <source>y</source>
        <comment>the letter that answers yes in &quot;[y/N]&quot;</comment>
        <translation>j</translation>
    </message>
    <message>
        <source>[yes]</source>
        <translation>[ja]</translation>
    </message>
    <message>
        <source>[no]</source>
        <translation>[nein]</translation>
    </message>
    <message>
        <source>[y/N]</source>
        <extracomment>The answers of a question in the terminal: the letter of Yes, and N (the default) for No.</extracomment>
        <translation>[j/N]</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Batch Photo Converter</source>
        <translation>Stapel-Fotokonverter</translation>
    </message>
    <message>
        <source>Resize and convert photos in batches</source>
        <translation>Fotos stapelweise skalieren und konvertieren</translation>
    </message>
    <message>
        <source>Convert with Quillmere…</source>
        <translation>Mit Quillmere konvertieren…</translation>
    </message>
    <message>
        <source>Open the selected photos in Quillmere</source>
        <translation>Die ausgewählten Fotos in Quillmere öffnen</translation>
    </message>
    <message>
        <source>Convert with a preset…</source>
        <translation>Mit einer Vorgabe konvertieren…</translation>
    </message>
    <message>
        <source>Quillmere: convert with a preset…</source>
        <translation>Quillmere: mit einer Vorgabe konvertieren…</translation>
    </message>
    <message>
        <source>Choose one of Quillmere&apos;s saved presets and convert the selected photos with it</source>
        <translation>Eine der gespeicherten Vorgaben von Quillmere wählen und die ausgewählten Fotos damit konvertieren</translation>
    </message>
    <message>
        <source>Convert the selection with the preset &quot;%1&quot;</source>
        <extracomment>The tooltip of a file manager&apos;s entry &quot;Quillmere: PRESET&quot;; %1 is the preset&apos;s name.</extracomment>
        <translation>Die Auswahl mit der Vorgabe „%1“ konvertieren</translation>
    </message>
    <message>
        <source>Convert with the preset:</source>
        <extracomment>Asked in a small list of the saved presets, before converting the selected photos.</extracomment>
        <translation>Mit der Vorgabe konvertieren:</translation>
    </message>
    <message>
        <source>Preset</source>
        <extracomment>The heading of that list&apos;s one column.</extracomment>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <source>photo;picture;resize;convert;batch;rename;jpeg;png;tiff;bmp;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ended by &quot;;&quot;.</extracomment>
        <translation>Foto;Bild;skalieren;verkleinern;konvertieren;umwandeln;Stapel;umbenennen;jpeg;png;tiff;bmp;</translation>
    </message>
</context>
<context>
    <name>DestinationPanel</name>
    <message>
        <source>The preset could not be read.</source>
        <translation>Die Vorgabe konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>it is no longer stored</source>
        <translation>sie ist nicht mehr gespeichert</translation>
    </message>
</context>
<context>
    <name>FileSizeLimitRow</name>
    <message>
        <source>L&amp;imit file size to</source>
        <translation>Dateigröße &amp;maximal</translation>
    </message>
    <message>
        <source>Largest file size in KB</source>
        <translation>Größte Dateigröße in KB</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>The search for a size that fits goes no lower</source>
        <translation>Die Suche nach einer passenden Größe geht nicht tiefer</translation>
    </message>
    <message>
        <source>Lo&amp;west quality:</source>
        <translation>Niedrigs&amp;te Qualität:</translation>
    </message>
    <message>
        <source>Colour &amp;resolution:</source>
        <translation>Farb&amp;auflösung:</translation>
    </message>
    <message>
        <source>Pro&amp;gressive</source>
        <translation>Pro&amp;gressiv</translation>
    </message>
    <message>
        <source>A JPG shown coarse first while it loads</source>
        <translation>Ein JPG, das beim Laden zuerst grob angezeigt wird</translation>
    </message>
    <message>
        <source>Please enter a number of KB between 1 and %1.</source>
        <translation>Bitte geben Sie eine Größe in KB zwischen 1 und %1 ein.</translation>
    </message>
    <message>
        <source>the best quality that fits, then a smaller size</source>
        <translation>die beste Qualität, die passt, dann eine kleinere Größe</translation>
    </message>
    <message>
        <source>lossless: met by a smaller size only</source>
        <translation>verlustfrei: nur durch kleinere Abmessungen erreichbar</translation>
    </message>
</context>
<context>
    <name>FolderChooser</name>
    <message>
        <source>Choose a folder</source>
        <translation>Ordner auswählen</translation>
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
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
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
        <source>Res&amp;olution:</source>
        <translation>Auflös&amp;ung:</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>1:1 (square)</source>
        <translation>1:1 (quadratisch)</translation>
    </message>
    <message>
        <source>4:5 (portrait post)</source>
        <translation>4:5 (Hochformat-Post)</translation>
    </message>
    <message>
        <source>3:2 (photo print)</source>
        <translation>3:2 (Fotoabzug)</translation>
    </message>
    <message>
        <source>16:9 (wide screen)</source>
        <translation>16:9 (Breitbild)</translation>
    </message>
    <message>
        <source>9:16 (story)</source>
        <translation>9:16 (Story)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
</context>
<context>
    <name>GatherTask</name>
    <message>
        <source>Reading photos...</source>
        <translation>Fotos werden gelesen...</translation>
    </message>
    <message>
        <source>Searching folders: %1 photo files found in %2 folders</source>
        <translation>Ordner werden durchsucht: %1 Fotodateien in %2 Ordnern gefunden</translation>
    </message>
    <message>
        <source>Reading photos: %1 of %2</source>
        <translation>Fotos werden gelesen: %1 von %2</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Quillmere — User Guide</source>
        <translation>Quillmere — Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Quillmere</source>
        <translation>Quillmere</translation>
    </message>
    <message>
        <source>Resize and convert photos in batches.</source>
        <translation>Fotos stapelweise skalieren und konvertieren.</translation>
    </message>
    <message>
        <source>Quillmere takes a list of photos, gives each of them output settings (format, size, pixel format, quality, rotation and flip, and which camera data to keep), optionally writes a line of text on every photo, and converts them all into a new folder of their own with tidy, numbered file names. Your original photos are never changed.</source>
        <translation>Quillmere nimmt eine Liste von Fotos, gibt jedem davon Ausgabeeinstellungen (Format, Größe, Pixelformat, Qualität, Drehen und Spiegeln sowie die Kameradaten, die erhalten bleiben sollen), schreibt auf Wunsch eine Textzeile auf jedes Foto und konvertiert alle in einen eigenen, neuen Ordner mit übersichtlichen, nummerierten Dateinamen. Ihre Originalfotos werden nie verändert.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#quick&quot;&gt;Quick start&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#quick&quot;&gt;Schnellstart&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#gather&quot;&gt;Adding photos&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#gather&quot;&gt;Fotos hinzufügen&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#list&quot;&gt;The photo list&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#list&quot;&gt;Die Fotoliste&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#options&quot;&gt;Output options&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#options&quot;&gt;Ausgabeoptionen&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#output&quot;&gt;Output folder and file names&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#output&quot;&gt;Ausgabeordner und Dateinamen&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#text&quot;&gt;Text on the photos&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#text&quot;&gt;Text auf den Fotos&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#presets&quot;&gt;Presets&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#presets&quot;&gt;Vorgaben&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#convert&quot;&gt;Converting&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#convert&quot;&gt;Konvertieren&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#formats&quot;&gt;Formats&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#formats&quot;&gt;Formate&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#window&quot;&gt;All controls of the main window&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#window&quot;&gt;Alle Bedienelemente des Hauptfensters&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#cli&quot;&gt;The command line: quillmere-convert&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#cli&quot;&gt;Die Befehlszeile: quillmere-convert&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#settings&quot;&gt;What Quillmere remembers&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#settings&quot;&gt;Was Quillmere sich merkt&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Quick start</source>
        <translation>Schnellstart</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Add Photos&lt;/b&gt; and pick some photos (or drop them onto the window).</source>
        <translation>Klicken Sie auf &lt;b&gt;Fotos hinzufügen&lt;/b&gt; und wählen Sie einige Fotos aus (oder ziehen Sie sie auf das Fenster).</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Options&lt;/b&gt; to choose the output format and size. The built-in setting makes @BUILT_IN_FORMAT@ files of quality @QUALITY_BUILT_IN@, @BUILT_IN_WIDTH@ pixels wide, with the height that keeps each photo&apos;s proportions.</source>
        <translation>Klicken Sie auf &lt;b&gt;Optionen&lt;/b&gt;, um Ausgabeformat und Größe zu wählen. Die Standardeinstellung erzeugt Dateien im Format @BUILT_IN_FORMAT@ mit Qualität @QUALITY_BUILT_IN@ und @BUILT_IN_WIDTH@ Pixeln Breite; die Höhe ergibt sich aus den Proportionen des jeweiligen Fotos.</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;Output Folder&lt;/b&gt;; the first time it is the folder &lt;code&gt;Quillmere&lt;/code&gt; in your Pictures folder.</source>
        <translation>Prüfen Sie den &lt;b&gt;Ausgabeordner&lt;/b&gt;; beim ersten Mal ist es der Ordner &lt;code&gt;Quillmere&lt;/code&gt; in Ihrem Bilderordner.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Convert&lt;/b&gt;. When the run is done, Quillmere offers to open the folder with the results.</source>
        <translation>Klicken Sie auf &lt;b&gt;Konvertieren&lt;/b&gt;. Ist der Durchlauf abgeschlossen, bietet Quillmere an, den Ordner mit den Ergebnissen zu öffnen.</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <source>There are three ways to put photos into the list. New photos are added at the end of the list and get the current default output settings (see &lt;a href=&quot;#options&quot;&gt;Options&lt;/a&gt;).</source>
        <translation>Es gibt drei Wege, Fotos in die Liste aufzunehmen. Neue Fotos werden am Ende der Liste angefügt und erhalten die aktuellen Standard-Ausgabeeinstellungen (siehe &lt;a href=&quot;#options&quot;&gt;Optionen&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Photos&lt;/b&gt; opens a file dialog in which you can select several files at once. It opens in the folder you last added photos from.</source>
        <translation>&lt;b&gt;Fotos hinzufügen&lt;/b&gt; öffnet einen Dateidialog, in dem Sie mehrere Dateien auf einmal auswählen können. Er öffnet sich in dem Ordner, aus dem Sie zuletzt Fotos hinzugefügt haben.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Drag and drop&lt;/b&gt;: drop files and folders from your file manager onto the window. Files are added in the order dropped; a folder is searched as &lt;b&gt;Search photos&lt;/b&gt; does. Opening photos or folders with Quillmere from a file manager (or &lt;code&gt;quillmere FILE|FOLDER...&lt;/code&gt;) adds them the same way.</source>
        <translation>&lt;b&gt;Ziehen und Ablegen&lt;/b&gt;: Ziehen Sie Dateien und Ordner aus Ihrem Dateimanager auf das Fenster. Dateien werden in der Reihenfolge hinzugefügt, in der sie abgelegt werden; ein Ordner wird so durchsucht wie mit &lt;b&gt;Fotos suchen&lt;/b&gt;. Fotos oder Ordner, die Sie in einem Dateimanager mit Quillmere öffnen (oder mit &lt;code&gt;quillmere FILE|FOLDER...&lt;/code&gt;), werden auf dieselbe Weise hinzugefügt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search photos&lt;/b&gt; asks for a folder and adds every photo found in it and in all its sub-folders, folder by folder. Files with the extensions @PHOTO_EXTENSIONS@ are considered (in any letter case).</source>
        <translation>&lt;b&gt;Fotos suchen&lt;/b&gt; fragt nach einem Ordner und fügt jedes Foto hinzu, das darin und in allen seinen Unterordnern gefunden wird, Ordner für Ordner. Berücksichtigt werden Dateien mit den Endungen @PHOTO_EXTENSIONS@ (in beliebiger Groß- und Kleinschreibung).</translation>
    </message>
    <message>
        <source>Files that are not pictures, or cannot be read, are left out silently. A name with several dots, such as &lt;code&gt;IMG 2009.05.17.jpg&lt;/code&gt; or &lt;code&gt;trip.day1.HEIC&lt;/code&gt;, counts by its last extension. Photos taken with the camera turned are shown and converted upright. Phone photos (HEIC and HEIF) are read as they are.</source>
        <translation>Dateien, die keine Bilder sind oder nicht gelesen werden können, werden stillschweigend ausgelassen. Bei einem Namen mit mehreren Punkten, etwa &lt;code&gt;IMG 2009.05.17.jpg&lt;/code&gt; oder &lt;code&gt;trip.day1.HEIC&lt;/code&gt;, zählt die letzte Endung. Fotos, die mit gedrehter Kamera aufgenommen wurden, werden aufrecht angezeigt und konvertiert. Smartphone-Fotos (HEIC und HEIF) werden direkt gelesen.</translation>
    </message>
    <message>
        <source>From the file manager</source>
        <translation>Aus dem Dateimanager</translation>
    </message>
    <message>
        <source>Right-click photos or folders in the file manager. &lt;b&gt;Convert with Quillmere…&lt;/b&gt; opens this window with them; each saved preset has an entry of its own, &lt;b&gt;Quillmere: &lt;i&gt;preset&lt;/i&gt;&lt;/b&gt; (in Nemo and Dolphin, &lt;b&gt;convert with a preset…&lt;/b&gt; asks which), which converts the selection at once with that preset into the output folder you chose here, in a new time-stamped folder, and ends with a desktop notification naming that folder and any photo that failed. Presets you save later appear without reinstalling anything.</source>
        <translation>Klicken Sie im Dateimanager mit der rechten Maustaste auf Fotos oder Ordner. &lt;b&gt;Mit Quillmere konvertieren…&lt;/b&gt; öffnet dieses Fenster mit ihnen. Jede gespeicherte Vorgabe hat einen eigenen Eintrag, &lt;b&gt;Quillmere: &lt;i&gt;Vorgabe&lt;/i&gt;&lt;/b&gt; (in Nemo und Dolphin fragt &lt;b&gt;mit einer Vorgabe konvertieren…&lt;/b&gt; nach der Vorgabe): Er konvertiert die Auswahl sofort mit dieser Vorgabe in einen neuen Ordner mit Zeitstempel im hier gewählten Ausgabeordner und meldet zum Schluss per Desktop-Benachrichtigung diesen Ordner und jedes fehlgeschlagene Foto. Vorgaben, die Sie später speichern, erscheinen, ohne dass etwas neu installiert werden muss.</translation>
    </message>
    <message>
        <source>&lt;b&gt;GNOME Files&lt;/b&gt; shows the entries when the package &lt;code&gt;python3-nautilus&lt;/code&gt; is installed (then restart it: &lt;code&gt;nautilus -q&lt;/code&gt;).</source>
        <translation>In &lt;b&gt;Dateien&lt;/b&gt; (GNOME) erscheinen die Einträge, wenn das Paket &lt;code&gt;python3-nautilus&lt;/code&gt; installiert ist (starten Sie das Programm danach neu: &lt;code&gt;nautilus -q&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Nemo&lt;/b&gt; (Cinnamon) and &lt;b&gt;Dolphin&lt;/b&gt; (KDE) show them at once.</source>
        <translation>&lt;b&gt;Nemo&lt;/b&gt; (Cinnamon) und &lt;b&gt;Dolphin&lt;/b&gt; (KDE) zeigen sie sofort an.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Thunar&lt;/b&gt; (Xfce) keeps custom actions in each user&apos;s own settings: in Thunar choose &lt;b&gt;Edit → Configure custom actions…&lt;/b&gt;, add an action named &lt;i&gt;Quillmere: Web 2048&lt;/i&gt; with the command &lt;code&gt;/usr/libexec/quillmere/quillmere-file-action convert &apos;Web 2048&apos; %F&lt;/code&gt; (the name of your preset in quotes), and under &lt;b&gt;Appearance Conditions&lt;/b&gt; tick &lt;b&gt;Image Files&lt;/b&gt; and &lt;b&gt;Directories&lt;/b&gt;. An action with the command &lt;code&gt;quillmere %F&lt;/code&gt; opens the window instead.</source>
        <translation>&lt;b&gt;Thunar&lt;/b&gt; (Xfce) speichert benutzerdefinierte Aktionen in den Einstellungen jedes einzelnen Benutzers: Wählen Sie in Thunar &lt;b&gt;Bearbeiten → Benutzerdefinierte Aktionen …&lt;/b&gt;, fügen Sie eine Aktion namens &lt;i&gt;Quillmere: Web 2048&lt;/i&gt; mit dem Befehl &lt;code&gt;/usr/libexec/quillmere/quillmere-file-action convert &apos;Web 2048&apos; %F&lt;/code&gt; hinzu (der Name Ihrer Vorgabe in Anführungszeichen) und kreuzen Sie unter &lt;b&gt;Dateizuordnung&lt;/b&gt; &lt;b&gt;Bilddateien&lt;/b&gt; und &lt;b&gt;Verzeichnisse&lt;/b&gt; an. Eine Aktion mit dem Befehl &lt;code&gt;quillmere %F&lt;/code&gt; öffnet stattdessen das Fenster.</translation>
    </message>
    <message>
        <source>The photo list</source>
        <translation>Die Fotoliste</translation>
    </message>
    <message>
        <source>Each row shows one photo: &lt;b&gt;File name&lt;/b&gt;, its size (&lt;b&gt;Width * Height&lt;/b&gt;), the file&apos;s modification &lt;b&gt;Time&lt;/b&gt;, the size it will be converted to (&lt;b&gt;Output Width * Height&lt;/b&gt;) and its &lt;b&gt;Rotate&lt;/b&gt; angle, and its &lt;b&gt;Status&lt;/b&gt; in the last run: waiting, converting, converted, skipped or failed (rest the pointer on it for the reason). Rest the pointer on a name for the full path. The list order is the conversion order and so the numbering order of the new files. The same file may be in the list more than once. &lt;b&gt;Total Photos:&lt;/b&gt; above the list counts the photos.</source>
        <translation>Jede Zeile zeigt ein Foto: &lt;b&gt;Dateiname&lt;/b&gt;, seine Größe (&lt;b&gt;Breite * Höhe&lt;/b&gt;), die Änderungszeit der Datei (&lt;b&gt;Zeit&lt;/b&gt;), die Größe nach der Konvertierung (&lt;b&gt;Ausgabe Breite * Höhe&lt;/b&gt;), den Drehwinkel (&lt;b&gt;Drehung&lt;/b&gt;) und unter &lt;b&gt;Status&lt;/b&gt; seinen Zustand im letzten Durchlauf: wartend, wird konvertiert, konvertiert, übersprungen oder fehlgeschlagen (den Grund sehen Sie, wenn Sie den Mauszeiger darauf ruhen lassen). Ruht der Mauszeiger auf einem Namen, erscheint der vollständige Pfad. Die Reihenfolge der Liste ist die Reihenfolge der Konvertierung und damit auch die der Nummerierung der neuen Dateien. Dieselbe Datei darf mehrmals in der Liste stehen. &lt;b&gt;Fotos gesamt:&lt;/b&gt; über der Liste zählt die Fotos.</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Bedienelement</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Click a row</source>
        <translation>Klick auf eine Zeile</translation>
    </message>
    <message>
        <source>Shows the photo in the preview frame, whole and in its own proportions.</source>
        <translation>Zeigt das Foto im Vorschaubereich, vollständig und in seinen eigenen Proportionen.</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;File name&lt;/b&gt; or &lt;b&gt;Time&lt;/b&gt; heading</source>
        <translation>Klick auf die Spaltenüberschrift &lt;b&gt;Dateiname&lt;/b&gt; oder &lt;b&gt;Zeit&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Sorts the list by that column; click again to reverse the order.</source>
        <translation>Sortiert die Liste nach dieser Spalte; ein weiterer Klick kehrt die Reihenfolge um.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt; (or double-click / right-click a row)</source>
        <translation>&lt;b&gt;Bearbeiten&lt;/b&gt; (oder Doppelklick / Rechtsklick auf eine Zeile)</translation>
    </message>
    <message>
        <source>Opens the output options for each selected photo in turn, so that single photos can get settings of their own.</source>
        <translation>Öffnet nacheinander die Ausgabeoptionen jedes ausgewählten Fotos, sodass einzelne Fotos eigene Einstellungen erhalten können.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Up&lt;/b&gt; / &lt;b&gt;Down&lt;/b&gt;</source>
        <translation>&lt;b&gt;Nach oben&lt;/b&gt; / &lt;b&gt;Nach unten&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Move the selected photos one place up or down.</source>
        <translation>Verschiebt die ausgewählten Fotos um eine Position nach oben oder unten.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Delete&lt;/b&gt; (&lt;kbd&gt;Del&lt;/kbd&gt;)</source>
        <translation>&lt;b&gt;Entfernen&lt;/b&gt; (&lt;kbd&gt;Entf&lt;/kbd&gt;)</translation>
    </message>
    <message>
        <source>Removes the selected photos from the list (the files stay on disk).</source>
        <translation>Entfernt die ausgewählten Fotos aus der Liste (die Dateien bleiben auf dem Datenträger).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear&lt;/b&gt;</source>
        <translation>&lt;b&gt;Leeren&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Empties the list.</source>
        <translation>Leert die Liste.</translation>
    </message>
    <message>
        <source>Convert, Edit, Up, Down, Delete and Clear are available as soon as the list holds a photo. &lt;kbd&gt;Ctrl+A&lt;/kbd&gt; selects every photo. Every button has an &lt;kbd&gt;Alt&lt;/kbd&gt; letter (the underlined one); &lt;kbd&gt;Ctrl+O&lt;/kbd&gt; is Add Photos, &lt;kbd&gt;Ctrl+F&lt;/kbd&gt; Search photos and &lt;kbd&gt;Ctrl+Return&lt;/kbd&gt; Convert.</source>
        <translation>„Konvertieren“, „Bearbeiten“, „Nach oben“, „Nach unten“, „Entfernen“ und „Leeren“ sind verfügbar, sobald die Liste ein Foto enthält. &lt;kbd&gt;Strg+A&lt;/kbd&gt; wählt alle Fotos aus. Jede Schaltfläche hat einen &lt;kbd&gt;Alt&lt;/kbd&gt;-Buchstaben (den unterstrichenen); &lt;kbd&gt;Strg+O&lt;/kbd&gt; entspricht „Fotos hinzufügen“, &lt;kbd&gt;Strg+F&lt;/kbd&gt; „Fotos suchen“ und &lt;kbd&gt;Strg+Return&lt;/kbd&gt; „Konvertieren“.</translation>
    </message>
    <message>
        <source>Output options</source>
        <translation>Ausgabeoptionen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt; edits the default settings that photos added from now on receive. After you confirm it with photos in the list, Quillmere asks whether all photos in the list should get the new settings as well. &lt;b&gt;Edit&lt;/b&gt; opens the same dialog for the selected photos only.</source>
        <translation>Mit &lt;b&gt;Optionen&lt;/b&gt; bearbeiten Sie die Standardeinstellungen, die ab jetzt hinzugefügte Fotos erhalten. Bestätigen Sie den Dialog, während Fotos in der Liste stehen, fragt Quillmere, ob auch alle Fotos der Liste die neuen Einstellungen erhalten sollen. &lt;b&gt;Bearbeiten&lt;/b&gt; öffnet denselben Dialog nur für die ausgewählten Fotos.</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Format:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ausgabeformat:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>@OUTPUT_FORMAT_LIST@ (see &lt;a href=&quot;#formats&quot;&gt;Formats&lt;/a&gt;).</source>
        <translation>@OUTPUT_FORMAT_LIST@ (siehe &lt;a href=&quot;#formats&quot;&gt;Formate&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pixel format:&lt;/b&gt; (@PIXEL_FORMAT_FORMATS@ only)</source>
        <translation>&lt;b&gt;Pixelformat:&lt;/b&gt; (nur @PIXEL_FORMAT_FORMATS@)</translation>
    </message>
    <message>
        <source>The colour depth of the BMP file: 1, 4 or 8 bits indexed (2, 16 or 256 colours, made with error diffusion), or one of the direct-colour formats. The text below the list describes the choice. &lt;b&gt;Colours:&lt;/b&gt; for 4 and 8 bits, the standard 16 or 256 colours, or the colours of the photo (the 16 or 256 that best match each photo).</source>
        <translation>Die Farbtiefe der BMP-Datei: 1, 4 oder 8 Bit indiziert (2, 16 oder 256 Farben, per Fehlerdiffusion erzeugt) oder eines der Direktfarbformate. Der Text unter der Liste beschreibt die Auswahl. &lt;b&gt;Farben:&lt;/b&gt; bei 4 und 8 Bit die 16 oder 256 Standardfarben oder die Farben des Fotos (die 16 oder 256, die am besten zum jeweiligen Foto passen).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Do not enlarge&lt;/b&gt;</source>
        <translation>&lt;b&gt;Nicht vergrößern&lt;/b&gt;</translation>
    </message>
    <message>
        <source>With @NO_ENLARGE_RULES@: a photo smaller than the chosen size keeps its own size (no side grows), so a 100*66 picture is not blown up to 1024*675.</source>
        <translation>Bei @NO_ENLARGE_RULES@: Ein Foto, das kleiner als die gewählte Größe ist, behält seine eigene Größe (keine Seite wächst); ein Bild mit 100*66 wird also nicht auf 1024*675 aufgeblasen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quality Control:&lt;/b&gt; (@QUALITY_FORMATS@)</source>
        <translation>&lt;b&gt;Qualität:&lt;/b&gt; (@QUALITY_FORMATS@)</translation>
    </message>
    <message>
        <source>Quality from @QUALITY_MIN@ (smallest file) to @QUALITY_MAX@ (best picture), for every format that loses detail to save space. The quality you confirm last is remembered and shown every time the dialog opens.</source>
        <translation>Qualität von @QUALITY_MIN@ (kleinste Datei) bis @QUALITY_MAX@ (bestes Bild), für jedes Format, das Details opfert, um Platz zu sparen. Die zuletzt bestätigte Qualität wird gespeichert und bei jedem Öffnen des Dialogs angezeigt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lossless&lt;/b&gt; (@LOSSLESS_FORMATS@)</source>
        <translation>&lt;b&gt;Verlustfrei&lt;/b&gt; (@LOSSLESS_FORMATS@)</translation>
    </message>
    <message>
        <source>Keeps every pixel exactly; the quality is then not used and the files are larger.</source>
        <translation>Erhält jedes Pixel exakt; die Qualität wird dann nicht verwendet, und die Dateien werden größer.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Limit file size to … KB&lt;/b&gt;</source>
        <translation>&lt;b&gt;Dateigröße maximal … KB&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Every output file at most this many KB (1 KB = 1,000 bytes), camera data included, for upload forms and mail limits. @QUALITY_FORMATS@ files get the best quality that fits, found in a few trial encodes and never above the quality set; where even quality 30 does not fit, the picture is made smaller until it does. Lossless files (PNG, TIF, BMP, Lossless) can only be made smaller. A photo that already fits, in the same format and size with all its camera data, is copied unchanged. The command line adds &lt;code&gt;--min-quality&lt;/code&gt;, &lt;code&gt;--no-shrink-to-fit&lt;/code&gt;, &lt;code&gt;--chroma&lt;/code&gt; and &lt;code&gt;--progressive&lt;/code&gt;.</source>
        <translation>Jede Ausgabedatei wird höchstens so viele KB groß (1 KB = 1.000 Byte), Kameradaten eingeschlossen – für Upload-Formulare und Größengrenzen beim Mailversand. Dateien in @QUALITY_FORMATS@ erhalten die beste Qualität, die passt, ermittelt in wenigen Probekodierungen und nie über der eingestellten Qualität; passt selbst Qualität 30 nicht, wird das Bild verkleinert, bis es passt. Verlustfreie Dateien (PNG, TIF, BMP, Verlustfrei) können nur verkleinert werden. Ein Foto, das bereits passt – im selben Format, in derselben Größe und mit allen Kameradaten –, wird unverändert kopiert. Die Befehlszeile bietet zusätzlich &lt;code&gt;--min-quality&lt;/code&gt;, &lt;code&gt;--no-shrink-to-fit&lt;/code&gt;, &lt;code&gt;--chroma&lt;/code&gt; und &lt;code&gt;--progressive&lt;/code&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Camera data (EXIF, XMP, IPTC):&lt;/b&gt;</source>
        <translation>&lt;b&gt;Kameradaten (EXIF, XMP, IPTC):&lt;/b&gt;</translation>
    </message>
    <message>
        <source>What the outputs keep of the data the camera or phone stored with the photo (not for @FORMATS_WITHOUT_CAMERA_DATA@):</source>
        <translation>Was die Ausgabedateien von den Daten behalten, die Kamera oder Smartphone mit dem Foto gespeichert haben (nicht bei @FORMATS_WITHOUT_CAMERA_DATA@):</translation>
    </message>
    <message>
        <source>&lt;b&gt;Camera RAW photos:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Kamera-RAW-Fotos:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>How camera RAW files (recognised by their content) are developed, always with the camera&apos;s white balance and no automatic brightening, so that the photos of one shoot match:</source>
        <translation>Wie Kamera-RAW-Dateien (an ihrem Inhalt erkannt) entwickelt werden – immer mit dem Weißabgleich der Kamera und ohne automatische Aufhellung, damit die Fotos eines Shootings zueinander passen:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Rotate by angle&lt;/b&gt;</source>
        <translation>&lt;b&gt;Drehen um Winkel&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Turn the result by @ROTATION_CHOICES@ degrees clockwise.</source>
        <translation>Dreht das Ergebnis um @ROTATION_CHOICES@ Grad im Uhrzeigersinn.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Flip&lt;/b&gt;</source>
        <translation>&lt;b&gt;Spiegeln&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aspect:&lt;/b&gt; (Fill and Pad)</source>
        <translation>&lt;b&gt;Seitenverhältnis:&lt;/b&gt; („Füllen“ und „Auffüllen“)</translation>
    </message>
    <message>
        <source>1:1, 4:5, 3:2, 16:9 or 9:16 fills in the height from the width you type (1080 wide at 4:5 gives 1350); &lt;i&gt;Custom&lt;/i&gt; keeps the height you type.</source>
        <translation>1:1, 4:5, 3:2, 16:9 oder 9:16 ergänzt die Höhe aus der eingegebenen Breite (1080 breit bei 4:5 ergibt 1350); &lt;i&gt;Benutzerdefiniert&lt;/i&gt; behält die eingegebene Höhe.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Crop:&lt;/b&gt; (Fill and Pad)</source>
        <translation>&lt;b&gt;Ausschnitt:&lt;/b&gt; („Füllen“ und „Auffüllen“)</translation>
    </message>
    <message>
        <source>Which part of the photo Fill keeps (an edge, a corner, the centre, or &lt;i&gt;Smart&lt;/i&gt;: the part with the most detail, skin tones and colour), or where Pad places the photo.</source>
        <translation>Welchen Teil des Fotos „Füllen“ behält (eine Kante, eine Ecke, die Mitte oder &lt;i&gt;Intelligent&lt;/i&gt;: den Teil mit den meisten Details, Hauttönen und Farben) oder wo „Auffüllen“ das Foto platziert.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Background:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Hintergrund:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The colour of Pad&apos;s margins and of transparent areas of the photos (white unless you choose another).</source>
        <translation>Die Farbe der Ränder bei „Auffüllen“ und transparenter Bereiche der Fotos (Weiß, sofern Sie keine andere wählen).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sharpen when reduced:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Schärfen beim Verkleinern:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>A mild sharpening of the photo&apos;s lightness after it was made smaller, the more the more it was reduced (up to half its size); a photo that is not reduced is never sharpened.</source>
        <translation>Eine leichte Nachschärfung der Luminanz des Fotos nach dem Verkleinern, umso stärker, je mehr es verkleinert wurde (bis zur halben Größe); ein nicht verkleinertes Foto wird nie geschärft.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Resolution:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Auflösung:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The DPI written into JPG, PNG, TIF and BMP files (WebP and AVIF with camera data); &lt;i&gt;As the source&lt;/i&gt; keeps the photo&apos;s own.</source>
        <translation>Der DPI-Wert, der in JPG-, PNG-, TIF- und BMP-Dateien geschrieben wird (in WebP und AVIF mit den Kameradaten); &lt;i&gt;Wie im Original&lt;/i&gt; behält den des Fotos.</translation>
    </message>
    <message>
        <source>Photos are turned upright (from the orientation the camera recorded) before any size rule is applied, so a portrait photo&apos;s width is its short side. Sizes are whole pixels: the fixed size and Stretch cut them, the other rules round to the nearest pixel.</source>
        <translation>Fotos werden (nach der von der Kamera aufgezeichneten Ausrichtung) aufgerichtet, bevor eine Größenregel angewendet wird; bei einem Hochformatfoto ist die Breite also die kurze Seite. Größen sind ganze Pixel: Bei fester Größe und „Strecken“ werden Bruchteile abgeschnitten, die anderen Regeln runden auf das nächste Pixel.</translation>
    </message>
    <message>
        <source>The dialog shows only what matters for the chosen format and size rule. When you press OK, every number is checked, including those of hidden or unavailable fields: a message names what is wrong, the field gets the focus and the dialog stays open.</source>
        <translation>Der Dialog zeigt nur, was für das gewählte Format und die gewählte Größenregel von Bedeutung ist. Wenn Sie auf OK klicken, wird jede Zahl geprüft, auch die in ausgeblendeten oder nicht verfügbaren Feldern: Eine Meldung nennt, was falsch ist, das Feld erhält den Fokus, und der Dialog bleibt offen.</translation>
    </message>
    <message>
        <source>Output folder and file names</source>
        <translation>Ausgabeordner und Dateinamen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Folder:&lt;/b&gt; is where the results go; type a folder or choose one with &lt;b&gt;Browse&lt;/b&gt;. On the first start it is the folder &lt;code&gt;Quillmere&lt;/code&gt; inside your Pictures folder, which Quillmere creates for you. The folder you used last is remembered.</source>
        <translation>&lt;b&gt;Ausgabeordner:&lt;/b&gt; legt fest, wohin die Ergebnisse kommen; geben Sie einen Ordner ein oder wählen Sie einen mit &lt;b&gt;Durchsuchen&lt;/b&gt;. Beim ersten Start ist es der Ordner &lt;code&gt;Quillmere&lt;/code&gt; in Ihrem Bilderordner, den Quillmere für Sie anlegt. Der zuletzt verwendete Ordner wird gespeichert.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The run folder.&lt;/b&gt; Every conversion makes a new folder inside the output folder, named after the moment it started as &lt;code&gt;year.month.day.hour.minute.second&lt;/code&gt;, for example &lt;code&gt;2026.05.17.14.05.09&lt;/code&gt;. Earlier results are therefore never overwritten.</source>
        <translation>&lt;b&gt;Der Ordner des Durchlaufs.&lt;/b&gt; Jede Konvertierung legt im Ausgabeordner einen neuen Ordner an, benannt nach ihrem Startzeitpunkt als &lt;code&gt;year.month.day.hour.minute.second&lt;/code&gt; (Jahr, Monat, Tag, Stunde, Minute, Sekunde), zum Beispiel &lt;code&gt;2026.05.17.14.05.09&lt;/code&gt;. Frühere Ergebnisse werden daher nie überschrieben.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The naming rule.&lt;/b&gt; With &lt;b&gt;Batch rename prefix:&lt;/b&gt; (default &lt;code&gt;output.photo&lt;/code&gt;) each file is named</source>
        <translation>&lt;b&gt;Die Benennungsregel.&lt;/b&gt; Mit &lt;b&gt;Präfix für Umbenennung:&lt;/b&gt; (Standard &lt;code&gt;output.photo&lt;/code&gt;) heißt jede Datei:</translation>
    </message>
    <message>
        <source>where the number is the photo&apos;s place in the list, padded with zeros to the width of the photo count (&lt;code&gt;1&lt;/code&gt;–&lt;code&gt;9&lt;/code&gt; for up to 9 photos, &lt;code&gt;01&lt;/code&gt;–&lt;code&gt;12&lt;/code&gt; for 12, &lt;code&gt;001&lt;/code&gt; for 100 or more), and the date is the one chosen in the list beside the prefix:</source>
        <translation>Dabei ist die Nummer (number) der Platz des Fotos in der Liste, mit Nullen auf die Stellenzahl der Fotoanzahl aufgefüllt (&lt;code&gt;1&lt;/code&gt;–&lt;code&gt;9&lt;/code&gt; bei bis zu 9 Fotos, &lt;code&gt;01&lt;/code&gt;–&lt;code&gt;12&lt;/code&gt; bei 12, &lt;code&gt;001&lt;/code&gt; ab 100), und das Datum (year.month.day) ist das in der Liste neben dem Präfix gewählte:</translation>
    </message>
    <message>
        <source>Example: prefix &lt;code&gt;trip&lt;/code&gt;, 12 photos, the third taken (or, with File date, modified) on 17 May 2009 gives &lt;code&gt;trip.03.2009.05.17.jpg&lt;/code&gt;. Photos copied from a camera card get the copy&apos;s day as their file date; choose Date taken to name them after the day they were taken.</source>
        <translation>Beispiel: Präfix &lt;code&gt;trip&lt;/code&gt;, 12 Fotos, das dritte am 17. Mai 2009 aufgenommen (bzw. bei „Dateidatum“ geändert), ergibt &lt;code&gt;trip.03.2009.05.17.jpg&lt;/code&gt;. Fotos, die von einer Speicherkarte kopiert wurden, haben den Tag des Kopierens als Dateidatum; wählen Sie „Aufnahmedatum“, um sie nach dem Tag der Aufnahme zu benennen.</translation>
    </message>
    <message>
        <source>Check &lt;b&gt;Not rename&lt;/b&gt; to keep each photo&apos;s own name instead (only the extension changes, for example &lt;code&gt;IMG_0001.jpg&lt;/code&gt;); the prefix field is then unavailable. If a file of that name already exists, Quillmere asks before replacing it.</source>
        <translation>Aktivieren Sie &lt;b&gt;Nicht umbenennen&lt;/b&gt;, um stattdessen den eigenen Namen jedes Fotos zu behalten (nur die Endung ändert sich, zum Beispiel &lt;code&gt;IMG_0001.jpg&lt;/code&gt;); das Präfixfeld ist dann nicht verfügbar. Gibt es bereits eine Datei dieses Namens, fragt Quillmere, bevor sie ersetzt wird.</translation>
    </message>
    <message>
        <source>Check &lt;b&gt;Keep sub-folders&lt;/b&gt; to keep the folder tree of a search: a photo that &lt;b&gt;Search photos&lt;/b&gt; (or a dropped folder) found in &lt;code&gt;Holiday/Day2/&lt;/code&gt; is written to &lt;code&gt;Day2/&lt;/code&gt; inside the run folder (for example &lt;code&gt;Day2/IMG_0001.jpg&lt;/code&gt;, or &lt;code&gt;Day2/trip.07.2009.05.17.jpg&lt;/code&gt; with renaming: the numbers still count through the whole list). Photos added one by one go to the run folder itself.</source>
        <translation>Aktivieren Sie &lt;b&gt;Unterordner beibehalten&lt;/b&gt;, um die Ordnerstruktur einer Suche zu erhalten: Ein Foto, das &lt;b&gt;Fotos suchen&lt;/b&gt; (oder ein abgelegter Ordner) in &lt;code&gt;Holiday/Day2/&lt;/code&gt; gefunden hat, wird nach &lt;code&gt;Day2/&lt;/code&gt; im Ordner des Durchlaufs geschrieben (zum Beispiel &lt;code&gt;Day2/IMG_0001.jpg&lt;/code&gt; oder, mit Umbenennung, &lt;code&gt;Day2/trip.07.2009.05.17.jpg&lt;/code&gt;: Die Nummern zählen trotzdem durch die ganze Liste). Einzeln hinzugefügte Fotos kommen direkt in den Ordner des Durchlaufs.</translation>
    </message>
    <message>
        <source>Text on the photos</source>
        <translation>Text auf den Fotos</translation>
    </message>
    <message>
        <source>Type a line into &lt;b&gt;Add text to photo:&lt;/b&gt; to write it on every converted photo, for example a copyright note. &lt;b&gt;Position x, y:&lt;/b&gt; is the place of the text&apos;s top-left corner, in pixels of the converted photo before it is rotated or flipped. A position outside the photo is reported and set to 0. &lt;b&gt;Font&lt;/b&gt; opens a dialog in which you choose the font, its style, its size in pixels of the output photo, underline, strikeout and the colour; the chosen font&apos;s name is shown beside the position fields. Font and colour are remembered; the text itself is not.</source>
        <translation>Geben Sie in &lt;b&gt;Text ins Foto einfügen:&lt;/b&gt; eine Zeile ein, um sie auf jedes konvertierte Foto zu schreiben, zum Beispiel einen Copyright-Vermerk. &lt;b&gt;Position x, y:&lt;/b&gt; ist die Lage der linken oberen Ecke des Textes, in Pixeln des konvertierten Fotos vor dem Drehen oder Spiegeln. Eine Position außerhalb des Fotos wird gemeldet und auf 0 gesetzt. &lt;b&gt;Schrift&lt;/b&gt; öffnet einen Dialog, in dem Sie Schriftart, Schriftschnitt, Größe in Pixeln des Ausgabefotos, Unterstreichung, Durchstreichung und Farbe wählen; der Name der gewählten Schrift wird neben den Positionsfeldern angezeigt. Schrift und Farbe werden gespeichert, der Text selbst nicht.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anchor:&lt;/b&gt; measures x and y from another corner, an edge or the middle of the photo instead: with &lt;i&gt;Bottom right&lt;/i&gt;, 20, 20 puts the text 20 pixels from the right and bottom edges of every photo, whatever its size. With any anchor but &lt;i&gt;Top left&lt;/i&gt; the text is kept inside the photo. &lt;b&gt;Size:&lt;/b&gt; gives the text&apos;s height as a percentage of each photo&apos;s shorter side, so that a caption has the same weight on a small and a large output; at &lt;i&gt;Font size&lt;/i&gt; the size chosen with &lt;b&gt;Font&lt;/b&gt; counts. &lt;b&gt;Opacity:&lt;/b&gt; lets the photo show through the text, and &lt;i&gt;Outline&lt;/i&gt; or &lt;i&gt;Shadow&lt;/i&gt; draws a dark (or, for dark text, light) edge that keeps it legible on any background. The preview shows the text on the photo you clicked, scaled with it.</source>
        <translation>&lt;b&gt;Anker:&lt;/b&gt; misst x und y stattdessen von einer anderen Ecke, einer Kante oder der Mitte des Fotos aus: Mit &lt;i&gt;Unten rechts&lt;/i&gt; setzen die Werte 20, 20 den Text 20 Pixel vom rechten und unteren Rand jedes Fotos entfernt, unabhängig von dessen Größe. Bei jedem Anker außer &lt;i&gt;Oben links&lt;/i&gt; bleibt der Text innerhalb des Fotos. &lt;b&gt;Größe:&lt;/b&gt; gibt die Höhe des Textes in Prozent der kürzeren Seite jedes Fotos an, sodass eine Beschriftung auf einer kleinen wie auf einer großen Ausgabe gleich viel Gewicht hat; bei &lt;i&gt;Schriftgröße&lt;/i&gt; gilt die mit &lt;b&gt;Schrift&lt;/b&gt; gewählte Größe. &lt;b&gt;Deckkraft:&lt;/b&gt; lässt das Foto durch den Text scheinen, und &lt;i&gt;Kontur&lt;/i&gt; oder &lt;i&gt;Schatten&lt;/i&gt; zeichnet einen dunklen (bei dunklem Text hellen) Rand, der ihn auf jedem Hintergrund lesbar hält. Die Vorschau zeigt den Text auf dem angeklickten Foto, mit diesem skaliert.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Watermark:&lt;/b&gt; draws a picture, such as your logo, on every photo: choose a PNG, WebP or SVG file (its transparency is kept) with &lt;b&gt;Logo…&lt;/b&gt; or type its path; clear the field for none. It sits at the chosen corner, edge or middle, &lt;b&gt;Size:&lt;/b&gt; sets its longer side as a percentage of each photo&apos;s shorter side, &lt;b&gt;Opacity:&lt;/b&gt; how much of the photo shows through, and &lt;b&gt;Margin:&lt;/b&gt; its distance from the edges, also as a percentage of the shorter side. The file is read when you choose it, and every photo of a conversion gets that picture.</source>
        <translation>&lt;b&gt;Wasserzeichen:&lt;/b&gt; zeichnet ein Bild, etwa Ihr Logo, auf jedes Foto: Wählen Sie mit &lt;b&gt;Logo…&lt;/b&gt; eine PNG-, WebP- oder SVG-Datei (ihre Transparenz bleibt erhalten) oder geben Sie ihren Pfad ein; ein leeres Feld bedeutet kein Wasserzeichen. Es sitzt an der gewählten Ecke, Kante oder in der Mitte; &lt;b&gt;Größe:&lt;/b&gt; legt seine längere Seite in Prozent der kürzeren Seite jedes Fotos fest, &lt;b&gt;Deckkraft:&lt;/b&gt;, wie viel vom Foto durchscheint, und &lt;b&gt;Abstand:&lt;/b&gt; seinen Abstand von den Rändern, ebenfalls in Prozent der kürzeren Seite. Die Datei wird beim Auswählen gelesen, und jedes Foto einer Konvertierung erhält dieses Bild.</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Vorgaben</translation>
    </message>
    <message>
        <source>A preset keeps the output settings for new photos, the naming (prefix, &lt;b&gt;Not rename&lt;/b&gt;, &lt;b&gt;Keep sub-folders&lt;/b&gt;), the text and the watermark with all their settings under a name. &lt;b&gt;Save as…&lt;/b&gt; stores the window&apos;s current settings, &lt;b&gt;Apply&lt;/b&gt; brings the chosen preset back and, as &lt;b&gt;Options&lt;/b&gt; does, asks whether the listed photos get its output settings too, and &lt;b&gt;Remove&lt;/b&gt; removes it. The command line uses the same presets (&lt;code&gt;--preset&lt;/code&gt;, &lt;code&gt;--save-preset&lt;/code&gt;, &lt;code&gt;--list-presets&lt;/code&gt;).</source>
        <translation>Eine Vorgabe speichert unter einem Namen die Ausgabeeinstellungen für neue Fotos, die Benennung (Präfix, &lt;b&gt;Nicht umbenennen&lt;/b&gt;, &lt;b&gt;Unterordner beibehalten&lt;/b&gt;), den Text und das Wasserzeichen mit allen zugehörigen Einstellungen. &lt;b&gt;Speichern unter…&lt;/b&gt; speichert die aktuellen Einstellungen des Fensters; &lt;b&gt;Anwenden&lt;/b&gt; stellt die gewählte Vorgabe wieder her und fragt wie &lt;b&gt;Optionen&lt;/b&gt;, ob auch die Fotos in der Liste ihre Ausgabeeinstellungen erhalten sollen; &lt;b&gt;Löschen&lt;/b&gt; entfernt sie. Die Befehlszeile verwendet dieselben Vorgaben (&lt;code&gt;--preset&lt;/code&gt;, &lt;code&gt;--save-preset&lt;/code&gt;, &lt;code&gt;--list-presets&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; starts the run; while it runs the button reads &lt;b&gt;Stop&lt;/b&gt;, and pressing it stops the run after the photos in hand. The progress bar shows how many photos are done and about how long the rest will take. A photo that cannot be converted does not hold the run: its row says &lt;b&gt;Failed&lt;/b&gt; (the reason is in its tooltip), a line goes to the activity log &lt;code&gt;Corvale.log&lt;/code&gt; in the output folder, and the other photos are converted all the same. Before the first file is written a replace question is asked only for files that were there before the run, once for all of them if you answer &lt;b&gt;Yes to all&lt;/b&gt; or &lt;b&gt;No to all&lt;/b&gt;; two photos that would get the same name get two files (&lt;code&gt;IMG_0001.jpg&lt;/code&gt;, &lt;code&gt;IMG_0001-2.jpg&lt;/code&gt;). A photo is written under its final name only when it is complete, so a failed or stopped conversion never leaves a half-written file. When the run ends, one box lists every photo that failed with its reason in plain words (&lt;b&gt;Copy&lt;/b&gt; puts the list on the clipboard, &lt;b&gt;Show log&lt;/b&gt; opens the log), says how many photos a stop left unconverted, and offers to open the output folder or to &lt;b&gt;Convert the rest&lt;/b&gt; into the same folder with the numbering continued. &lt;b&gt;View log&lt;/b&gt; opens &lt;code&gt;Corvale.log&lt;/code&gt; in your text editor. If the output folder you typed does not exist yet, it is made with any folders missing above it; when it cannot be made, the message says why. Escape never closes the window; closing it with photos in the list, or during a run, asks first. The settings of the window come back at the next start.</source>
        <translation>&lt;b&gt;Konvertieren&lt;/b&gt; startet den Durchlauf; währenddessen heißt die Schaltfläche &lt;b&gt;Abbrechen&lt;/b&gt;, und ein Klick darauf beendet den Durchlauf, sobald die gerade bearbeiteten Fotos fertig sind. Der Fortschrittsbalken zeigt, wie viele Fotos fertig sind und wie lange der Rest etwa dauert. Ein Foto, das nicht konvertiert werden kann, hält den Durchlauf nicht auf: In seiner Zeile steht &lt;b&gt;Fehlgeschlagen&lt;/b&gt; (den Grund nennt der Tooltip), eine Zeile geht in das Aktivitätsprotokoll &lt;code&gt;Corvale.log&lt;/code&gt; im Ausgabeordner, und die anderen Fotos werden trotzdem konvertiert. Bevor die erste Datei geschrieben wird, fragt Quillmere nur bei Dateien, die schon vor dem Durchlauf vorhanden waren, ob sie ersetzt werden sollen – für alle auf einmal, wenn Sie &lt;b&gt;Ja, alle&lt;/b&gt; oder &lt;b&gt;Nein, keine&lt;/b&gt; antworten; zwei Fotos, die denselben Namen bekämen, ergeben zwei Dateien (&lt;code&gt;IMG_0001.jpg&lt;/code&gt;, &lt;code&gt;IMG_0001-2.jpg&lt;/code&gt;). Ein Foto wird erst unter seinem endgültigen Namen gespeichert, wenn es vollständig ist; eine fehlgeschlagene oder abgebrochene Konvertierung hinterlässt also nie eine halb geschriebene Datei. Am Ende des Durchlaufs führt ein Fenster jedes fehlgeschlagene Foto mit dem Grund in verständlichen Worten auf (&lt;b&gt;Kopieren&lt;/b&gt; legt die Liste in die Zwischenablage, &lt;b&gt;Protokoll anzeigen&lt;/b&gt; öffnet das Protokoll), nennt die Zahl der Fotos, die ein Abbruch unkonvertiert gelassen hat, und bietet an, den Ausgabeordner zu öffnen oder mit &lt;b&gt;Rest konvertieren&lt;/b&gt; in denselben Ordner mit fortgesetzter Nummerierung weiterzumachen. &lt;b&gt;Protokoll anzeigen&lt;/b&gt; im Hauptfenster öffnet &lt;code&gt;Corvale.log&lt;/code&gt; in Ihrem Texteditor. Gibt es den eingegebenen Ausgabeordner noch nicht, wird er samt fehlender übergeordneter Ordner angelegt; kann er nicht angelegt werden, nennt die Meldung den Grund. Die Esc-Taste schließt das Fenster nie; wird es geschlossen, während Fotos in der Liste stehen oder ein Durchlauf läuft, fragt Quillmere vorher nach. Die Einstellungen des Fensters sind beim nächsten Start wieder da.</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formate</translation>
    </message>
    <message>
        <source>Quillmere reads the common picture formats (JPEG, PNG, TIFF, GIF, BMP, WebP and more). It writes:</source>
        <translation>Quillmere liest die gängigen Bildformate (JPEG, PNG, TIFF, GIF, BMP, WebP und weitere). Geschrieben werden:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Every output is 8-bit RGB on a white background; colour profiles are converted to sRGB and the source&apos;s resolution (DPI) is kept where the format has one. A photo larger than its format can store is refused with a message before it is read. The camera data kept is set under &lt;a href=&quot;#options&quot;&gt;Camera data&lt;/a&gt;.</source>
        <translation>Jede Ausgabe ist 8-Bit-RGB auf weißem Hintergrund; Farbprofile werden in sRGB umgerechnet, und die Auflösung (DPI) des Originals bleibt erhalten, wo das Format eine speichert. Ein Foto, das größer ist, als sein Format speichern kann, wird vor dem Lesen mit einer Meldung abgelehnt. Welche Kameradaten erhalten bleiben, legen Sie unter &lt;a href=&quot;#options&quot;&gt;Kameradaten&lt;/a&gt; fest.</translation>
    </message>
    <message>
        <source>All controls of the main window</source>
        <translation>Alle Bedienelemente des Hauptfensters</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Photos&lt;/b&gt;</source>
        <translation>&lt;b&gt;Fotos hinzufügen&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Add photos with a file dialog.</source>
        <translation>Fotos über einen Dateidialog hinzufügen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search photos&lt;/b&gt;</source>
        <translation>&lt;b&gt;Fotos suchen&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Add every photo of a folder and its sub-folders.</source>
        <translation>Alle Fotos eines Ordners und seiner Unterordner hinzufügen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt;</source>
        <translation>&lt;b&gt;Optionen&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default output settings for new photos (and, if you agree, for all listed photos).</source>
        <translation>Standard-Ausgabeeinstellungen für neue Fotos (und, wenn Sie zustimmen, für alle Fotos in der Liste).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; / &lt;b&gt;Stop&lt;/b&gt;</source>
        <translation>&lt;b&gt;Konvertieren&lt;/b&gt; / &lt;b&gt;Abbrechen&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start or stop the conversion.</source>
        <translation>Konvertierung starten oder abbrechen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt; (&lt;kbd&gt;F1&lt;/kbd&gt;)</source>
        <translation>&lt;b&gt;Hilfe&lt;/b&gt; (&lt;kbd&gt;F1&lt;/kbd&gt;)</translation>
    </message>
    <message>
        <source>Opens this guide in your web browser.</source>
        <translation>Öffnet diese Anleitung in Ihrem Webbrowser.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Total Photos:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Fotos gesamt:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The number of photos in the list.</source>
        <translation>Die Anzahl der Fotos in der Liste.</translation>
    </message>
    <message>
        <source>Photo list, &lt;b&gt;Edit&lt;/b&gt;, &lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;, &lt;b&gt;Delete&lt;/b&gt;, &lt;b&gt;Clear&lt;/b&gt;</source>
        <translation>Fotoliste, &lt;b&gt;Bearbeiten&lt;/b&gt;, &lt;b&gt;Nach oben&lt;/b&gt;, &lt;b&gt;Nach unten&lt;/b&gt;, &lt;b&gt;Entfernen&lt;/b&gt;, &lt;b&gt;Leeren&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#list&quot;&gt;The photo list&lt;/a&gt;.</source>
        <translation>Siehe &lt;a href=&quot;#list&quot;&gt;Die Fotoliste&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Folder:&lt;/b&gt;, &lt;b&gt;Browse&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ausgabeordner:&lt;/b&gt;, &lt;b&gt;Durchsuchen&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Where the run folders are made.</source>
        <translation>Wo die Ordner der Durchläufe angelegt werden.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add text to photo:&lt;/b&gt;, &lt;b&gt;Position x, y:&lt;/b&gt;, &lt;b&gt;Font&lt;/b&gt;</source>
        <translation>&lt;b&gt;Text ins Foto einfügen:&lt;/b&gt;, &lt;b&gt;Position x, y:&lt;/b&gt;, &lt;b&gt;Schrift&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#text&quot;&gt;Text on the photos&lt;/a&gt;.</source>
        <translation>Siehe &lt;a href=&quot;#text&quot;&gt;Text auf den Fotos&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anchor:&lt;/b&gt;, &lt;b&gt;Size:&lt;/b&gt;, &lt;b&gt;Opacity:&lt;/b&gt;, outline or shadow</source>
        <translation>&lt;b&gt;Anker:&lt;/b&gt;, &lt;b&gt;Größe:&lt;/b&gt;, &lt;b&gt;Deckkraft:&lt;/b&gt;, Kontur oder Schatten</translation>
    </message>
    <message>
        <source>&lt;b&gt;Batch rename prefix:&lt;/b&gt; &lt;i&gt;+Number+Time&lt;/i&gt;, &lt;b&gt;File date&lt;/b&gt; / &lt;b&gt;Date taken&lt;/b&gt;, &lt;b&gt;Not rename&lt;/b&gt;, &lt;b&gt;Keep sub-folders&lt;/b&gt;</source>
        <translation>&lt;b&gt;Präfix für Umbenennung:&lt;/b&gt; &lt;i&gt;+Nummer+Zeit&lt;/i&gt;, &lt;b&gt;Dateidatum&lt;/b&gt; / &lt;b&gt;Aufnahmedatum&lt;/b&gt;, &lt;b&gt;Nicht umbenennen&lt;/b&gt;, &lt;b&gt;Unterordner beibehalten&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#output&quot;&gt;the naming rule&lt;/a&gt;.</source>
        <translation>Siehe &lt;a href=&quot;#output&quot;&gt;Benennungsregel&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Preset:&lt;/b&gt;, &lt;b&gt;Apply&lt;/b&gt;, &lt;b&gt;Save as…&lt;/b&gt;, &lt;b&gt;Remove&lt;/b&gt;</source>
        <translation>&lt;b&gt;Vorgabe:&lt;/b&gt;, &lt;b&gt;Anwenden&lt;/b&gt;, &lt;b&gt;Speichern unter…&lt;/b&gt;, &lt;b&gt;Löschen&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#presets&quot;&gt;Presets&lt;/a&gt;.</source>
        <translation>Siehe &lt;a href=&quot;#presets&quot;&gt;Vorgaben&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Preview frame</source>
        <translation>Vorschaubereich</translation>
    </message>
    <message>
        <source>Shows the photo you clicked in the list.</source>
        <translation>Zeigt das in der Liste angeklickte Foto.</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>Fortschrittsbalken</translation>
    </message>
    <message>
        <source>Progress of the current run.</source>
        <translation>Fortschritt des laufenden Durchlaufs.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Update&lt;/b&gt;</source>
        <translation>&lt;b&gt;Aktualisieren&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Opens the Quillmere web site, where new versions are published.</source>
        <translation>Öffnet die Website von Quillmere, auf der neue Versionen veröffentlicht werden.</translation>
    </message>
    <message>
        <source>&lt;b&gt;About&lt;/b&gt;</source>
        <translation>&lt;b&gt;Info&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Version and contact addresses.</source>
        <translation>Version und Kontaktadressen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;View log&lt;/b&gt;</source>
        <translation>&lt;b&gt;Protokoll anzeigen&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Opens the activity log &lt;code&gt;Corvale.log&lt;/code&gt;.</source>
        <translation>Öffnet das Aktivitätsprotokoll &lt;code&gt;Corvale.log&lt;/code&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Exit&lt;/b&gt;</source>
        <translation>&lt;b&gt;Beenden&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Saves the output folder, the font and colour, the prefix and the date choice, and closes the program.</source>
        <translation>Speichert den Ausgabeordner, Schrift und Farbe, das Präfix und die Datumswahl und beendet das Programm.</translation>
    </message>
    <message>
        <source>The command line: quillmere-convert</source>
        <translation>Die Befehlszeile: quillmere-convert</translation>
    </message>
    <message>
        <source>&lt;code&gt;quillmere-convert&lt;/code&gt; converts photos with the same engine, without a window — for scripts, servers and large jobs.</source>
        <translation>&lt;code&gt;quillmere-convert&lt;/code&gt; konvertiert Fotos mit derselben Engine, aber ohne Fenster – für Skripte, Server und große Aufträge.</translation>
    </message>
    <message>
        <source>Each &lt;code&gt;PATH&lt;/code&gt; is a photo or a folder; folders are searched with their sub-folders like &lt;b&gt;Search photos&lt;/b&gt; does. Every option defaults to what the window starts with. An option&apos;s value follows as the next argument or after &lt;code&gt;=&lt;/code&gt; (&lt;code&gt;--text-pos=-5,3&lt;/code&gt;).</source>
        <translation>Jeder &lt;code&gt;PATH&lt;/code&gt; ist ein Foto oder ein Ordner; Ordner werden wie bei &lt;b&gt;Fotos suchen&lt;/b&gt; samt Unterordnern durchsucht. Jede Option hat standardmäßig den Wert, mit dem auch das Fenster startet. Der Wert einer Option folgt als nächstes Argument oder nach &lt;code&gt;=&lt;/code&gt; (&lt;code&gt;--text-pos=-5,3&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>Messages are printed as &lt;code&gt;Caption: text&lt;/code&gt; on standard error, with a progress bar when that is a terminal. The last line on standard output is the run folder. The exit status is 0 when every photo was converted, 1 when some were not, and 2 for wrong options. Files that are not pictures are skipped with a notice.</source>
        <translation>Meldungen werden als &lt;code&gt;Caption: text&lt;/code&gt; auf der Standardfehlerausgabe ausgegeben, mit einem Fortschrittsbalken, wenn diese ein Terminal ist. Die letzte Zeile auf der Standardausgabe ist der Ordner des Durchlaufs. Der Exit-Status ist 0, wenn alle Fotos konvertiert wurden, 1, wenn einige nicht konvertiert wurden, und 2 bei falschen Optionen. Dateien, die keine Bilder sind, werden mit einem Hinweis übersprungen.</translation>
    </message>
    <message>
        <source>&lt;code&gt;--into&lt;/code&gt;, &lt;code&gt;--number-start&lt;/code&gt; and &lt;code&gt;--number-width&lt;/code&gt; let several runs, on one machine or many, each convert a part of one list and name their files exactly as one run over the whole list would; the README shows how with GNU parallel.</source>
        <translation>Mit &lt;code&gt;--into&lt;/code&gt;, &lt;code&gt;--number-start&lt;/code&gt; und &lt;code&gt;--number-width&lt;/code&gt; können mehrere Durchläufe, auf einem oder vielen Rechnern, jeweils einen Teil einer Liste konvertieren und ihre Dateien genau so benennen, wie es ein einziger Durchlauf über die ganze Liste täte; die README zeigt, wie das mit GNU parallel geht.</translation>
    </message>
    <message>
        <source>What Quillmere remembers</source>
        <translation>Was Quillmere sich merkt</translation>
    </message>
    <message>
        <source>Quillmere keeps its settings in &lt;code&gt;~/.config/Harbenwick/quillmere.conf&lt;/code&gt;: the output folder, the rename prefix and the date in the names, the font and colour of the text, the last folders used for adding photos, and in the options dialog the last confirmed format, pixel format and quality. The photo list, the overlay text and its position, and the other output settings (size, Lossless, Do not enlarge, camera data) start fresh at every start. Presets are kept in the same file, in its group &lt;code&gt;[Presets]&lt;/code&gt;, which the command line reads and writes too; a preset keeps every output setting, the date in the names among them.</source>
        <translation>Quillmere speichert seine Einstellungen in &lt;code&gt;~/.config/Harbenwick/quillmere.conf&lt;/code&gt;: den Ausgabeordner, das Präfix für die Umbenennung und das Datum in den Namen, Schrift und Farbe des Textes, die zuletzt zum Hinzufügen von Fotos verwendeten Ordner sowie im Optionsdialog das zuletzt bestätigte Format, Pixelformat und die Qualität. Die Fotoliste, der eingeblendete Text und seine Position sowie die übrigen Ausgabeeinstellungen (Größe, Verlustfrei, Nicht vergrößern, Kameradaten) werden bei jedem Start zurückgesetzt. Vorgaben werden in derselben Datei gespeichert, in deren Gruppe &lt;code&gt;[Presets]&lt;/code&gt;, die auch die Befehlszeile liest und schreibt; eine Vorgabe speichert jede Ausgabeeinstellung, darunter auch das Datum in den Namen.</translation>
    </message>
</context>
<context>
    <name>LanguagePack</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>&amp;About Quillmere</source>
        <translation>&amp;Über Quillmere</translation>
    </message>
    <message>
        <source>The output width is invalid!</source>
        <translation>Die Ausgabebreite ist ungültig!</translation>
    </message>
    <message>
        <source>The output hight is invalid!</source>
        <translation>Die Ausgabehöhe ist ungültig!</translation>
    </message>
    <message>
        <source>Failed to SetResolution!</source>
        <translation>Die Auflösung konnte nicht gesetzt werden!</translation>
    </message>
    <message>
        <source>Failed to SetInterpolationMode!</source>
        <translation>Die Interpolationsmethode konnte nicht gesetzt werden!</translation>
    </message>
    <message>
        <source>Failed to convert photo!</source>
        <translation>Das Foto konnte nicht konvertiert werden!</translation>
    </message>
    <message>
        <source>Unknown rotate angle!</source>
        <translation>Unbekannter Drehwinkel!</translation>
    </message>
    <message>
        <source>Failed to rotate and flip photo!</source>
        <translation>Das Foto konnte nicht gedreht und gespiegelt werden!</translation>
    </message>
    <message>
        <source>Failed to save the file!</source>
        <translation>Die Datei konnte nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>%s exists. Do you want to replace it?</source>
        <translation>%s ist bereits vorhanden. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The text position X is bigger than the photo width!, The program set it to 0 now.</source>
        <translation>Die Textposition X ist größer als die Fotobreite! Das Programm hat sie auf 0 gesetzt.</translation>
    </message>
    <message>
        <source>The text position Y is bigger than the photo height!, The program set it to 0 now.</source>
        <translation>Die Textposition Y ist größer als die Fotohöhe! Das Programm hat sie auf 0 gesetzt.</translation>
    </message>
    <message>
        <source>The text position X is out of range! The program set it to 0 now.</source>
        <translation>Die Textposition X liegt außerhalb des gültigen Bereichs! Das Programm hat sie auf 0 gesetzt.</translation>
    </message>
    <message>
        <source>The text position Y is out of range! The program set it to 0 now.</source>
        <translation>Die Textposition Y liegt außerhalb des gültigen Bereichs! Das Programm hat sie auf 0 gesetzt.</translation>
    </message>
    <message>
        <source>1 bit per pixel, indexed. 2 color.</source>
        <translation>1 Bit pro Pixel, indiziert. 2 Farben.</translation>
    </message>
    <message>
        <source>4 bits per pixel, indexed. 16 color.</source>
        <translation>4 Bit pro Pixel, indiziert. 16 Farben.</translation>
    </message>
    <message>
        <source>8 bits per pixel, indexed. 256 color.</source>
        <translation>8 Bit pro Pixel, indiziert. 256 Farben.</translation>
    </message>
    <message>
        <source>16 bits per pixel; 5 bits are used for the red component, 6 bits are used for the green component, and 5 bits are used for the blue component.</source>
        <translation>16 Bit pro Pixel; 5 Bit für den Rotanteil, 6 Bit für den Grünanteil und 5 Bit für den Blauanteil.</translation>
    </message>
    <message>
        <source>24 bits per pixel; 8 bits each are used for the red, green, and blue components.</source>
        <translation>24 Bit pro Pixel; je 8 Bit für Rot-, Grün- und Blauanteil.</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the alpha, red, green, and blue components.</source>
        <translation>32 Bit pro Pixel; je 8 Bit für Alpha-, Rot-, Grün- und Blauanteil.</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the alpha, red, green, and blue components. The red, green, and blue components are premultiplied according to the alpha component.</source>
        <translation>32 Bit pro Pixel; je 8 Bit für Alpha-, Rot-, Grün- und Blauanteil. Rot-, Grün- und Blauanteil sind mit dem Alphawert vormultipliziert.</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the red, green, and blue components. The remaining 8 bits are not used.</source>
        <translation>32 Bit pro Pixel; je 8 Bit für Rot-, Grün- und Blauanteil. Die übrigen 8 Bit werden nicht verwendet.</translation>
    </message>
    <message>
        <source>64 bits per pixel; 16 bits each are used for the alpha, red, green, and blue components. Written as 32 bits ARGB, as no BMP reader takes 64 bits.</source>
        <translation>64 Bit pro Pixel; je 16 Bit für Alpha-, Rot-, Grün- und Blauanteil. Wird als 32 Bit ARGB geschrieben, da kein BMP-Leseprogramm 64 Bit unterstützt.</translation>
    </message>
    <message>
        <source>64 bits per pixel; 16 bits each are used for the alpha, red, green, and blue components. The red, green, and blue components are premultiplied according to the alpha component. Written as 32 bits PARGB, as no BMP reader takes 64 bits.</source>
        <translation>64 Bit pro Pixel; je 16 Bit für Alpha-, Rot-, Grün- und Blauanteil. Rot-, Grün- und Blauanteil sind mit dem Alphawert vormultipliziert. Wird als 32 Bit PARGB geschrieben, da kein BMP-Leseprogramm 64 Bit unterstützt.</translation>
    </message>
</context>
<context>
    <name>ListHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>LocalFigures</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>the source fits: copied</source>
        <translation>das Original passt: kopiert</translation>
    </message>
    <message>
        <source>fitted by reducing to %1 x %2</source>
        <translation>durch Verkleinern auf %1 x %2 angepasst</translation>
    </message>
    <message>
        <source>fitted: quality %1</source>
        <translation>angepasst: Qualität %1</translation>
    </message>
    <message>
        <source>the source fits (%1): copied unchanged</source>
        <translation>das Original passt (%1): unverändert kopiert</translation>
    </message>
    <message>
        <source>%1 at quality %2</source>
        <translation>%1 bei Qualität %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n encodes</source>
        <extracomment>%1 is the size and quality (&quot;498 KB at quality 72&quot;); an encode is one trial compression made to find it.</extracomment>
        <translation>
            <numerusform>%1, %n Kodierdurchgang</numerusform>
            <numerusform>%1, %n Kodierdurchgänge</numerusform>
        </translation>
    </message>
    <message>
        <source>fitted by reducing to %1: %2</source>
        <translation>durch Verkleinern auf %1 angepasst: %2</translation>
    </message>
    <message>
        <source>%1 lossless</source>
        <translation>%1 verlustfrei</translation>
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
        <translation>Fotos hin&amp;zufügen</translation>
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
        <translation>Nach ob&amp;en</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Output &amp;Folder:</source>
        <translation>Ausgabeo&amp;rdner:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>Dur&amp;chsuchen</translation>
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
        <translation>Schr&amp;ift</translation>
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
        <translation>&amp;Präfix für Umbenennung:</translation>
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
        <translation>Nicht u&amp;mbenennen</translation>
    </message>
    <message>
        <source>Photos found by Search photos or in a dropped folder keep their sub-folders inside the run folder.</source>
        <translation>Fotos, die über „Fotos suchen“ oder in einem abgelegten Ordner gefunden wurden, behalten ihre Unterordner im Ordner des Durchlaufs.</translation>
    </message>
    <message>
        <source>&amp;Keep sub-folders</source>
        <translation>Unterordner bei&amp;behalten</translation>
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
        <translation>Beende&amp;n</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>These files were left out because they are not pictures:</source>
        <translation>Diese Dateien wurden ausgelassen, weil sie keine Bilder sind:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <source>Stop the conversion and quit?</source>
        <translation>Konvertierung abbrechen und beenden?</translation>
    </message>
    <message>
        <source>Stop and quit</source>
        <translation>Abbrechen und beenden</translation>
    </message>
    <message numerus="yes">
        <source>The list of %n photos is not kept. Do you want to quit?</source>
        <translation>
            <numerusform>Die Liste mit %n Foto wird nicht gespeichert. Möchten Sie das Programm beenden?</numerusform>
            <numerusform>Die Liste mit %n Fotos wird nicht gespeichert. Möchten Sie das Programm beenden?</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>MainDialogHooks</name>
    <message>
        <source>The desktop has no program that opens %1.</source>
        <translation>Auf dem Desktop ist kein Programm eingerichtet, das %1 öffnet.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>Vorgabe speichern</translation>
    </message>
    <message>
        <source>Preset &amp;name:</source>
        <translation>&amp;Name der Vorgabe:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisierung</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1 occurs error!</source>
        <translation>Bei %1 ist ein Fehler aufgetreten!</translation>
    </message>
    <message>
        <source>%1 is not a right directory</source>
        <translation>%1 ist kein gültiger Ordner</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 enthält einen ungültigen Pfad.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 konnte nicht geöffnet werden, weil zu viele Dateien geöffnet sind.</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Beim Zugriff auf %1 wurde ein Hardware-E/A-Fehler gemeldet.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist eine Freigabeverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist ein unbekannter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Failed file.GetStatus from %1</source>
        <translation>Der Dateistatus von %1 konnte nicht abgefragt werden</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>The Program does not launch your web browser to access %1 ,
Please launch your web browser and input the URL manually.</source>
        <translation>Das Programm kann Ihren Webbrowser nicht öffnen, um %1 aufzurufen.
Bitte starten Sie Ihren Webbrowser und geben Sie die Adresse von Hand ein.</translation>
    </message>
    <message>
        <source>The help page %1 is missing.</source>
        <translation>Die Hilfeseite %1 fehlt.</translation>
    </message>
    <message>
        <source>%1 %2 is installed.</source>
        <translation>%1 %2 ist installiert.</translation>
    </message>
    <message>
        <source>Updates come from your system&apos;s package manager: update %1 there together with your other programs.</source>
        <translation>Aktualisierungen kommen über die Paketverwaltung Ihres Systems: Aktualisieren Sie %1 dort zusammen mit Ihren anderen Programmen.</translation>
    </message>
    <message>
        <source>This copy was built from source, outside a package, so the package manager does not update it.</source>
        <translation>Diese Kopie wurde aus dem Quelltext gebaut, außerhalb eines Pakets; die Paketverwaltung aktualisiert sie daher nicht.</translation>
    </message>
    <message>
        <source>Newer versions of the source are at %1.</source>
        <translation>Neuere Versionen des Quelltexts gibt es unter %1.</translation>
    </message>
    <message>
        <source>A packaged %1 gets its updates from your system&apos;s package manager.</source>
        <translation>Ein als Paket installiertes %1 erhält seine Aktualisierungen über die Paketverwaltung Ihres Systems.</translation>
    </message>
    <message>
        <source>Can not get My Documents directory!</source>
        <translation>Der Bilderordner konnte nicht ermittelt werden!</translation>
    </message>
    <message>
        <source>The log file could not be written; its notices are lost.</source>
        <translation>Die Protokolldatei konnte nicht geschrieben werden; ihre Meldungen gehen verloren.</translation>
    </message>
    <message>
        <source>The watermark could not be read.</source>
        <translation>Das Wasserzeichen konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The stored setting %1 is not used: %2. %3 is used instead.</source>
        <translation>Die gespeicherte Einstellung %1 wird nicht verwendet: %2. Stattdessen wird %3 verwendet.</translation>
    </message>
</context>
<context>
    <name>OptionTables</name>
    <message>
        <source>Same as the source</source>
        <translation>Wie das Original</translation>
    </message>
    <message>
        <source>1 bit Indexed</source>
        <translation>1 Bit indiziert</translation>
    </message>
    <message>
        <source>4 bits Indexed</source>
        <translation>4 Bit indiziert</translation>
    </message>
    <message>
        <source>8 bits Indexed</source>
        <translation>8 Bit indiziert</translation>
    </message>
    <message>
        <source>16 bits RGB565</source>
        <translation>16 Bit RGB565</translation>
    </message>
    <message>
        <source>24 bits RGB</source>
        <translation>24 Bit RGB</translation>
    </message>
    <message>
        <source>32 bits ARGB</source>
        <translation>32 Bit ARGB</translation>
    </message>
    <message>
        <source>32 bits PARGB</source>
        <translation>32 Bit PARGB</translation>
    </message>
    <message>
        <source>32 bits RGB</source>
        <translation>32 Bit RGB</translation>
    </message>
    <message>
        <source>64 bits ARGB</source>
        <translation>64 Bit ARGB</translation>
    </message>
    <message>
        <source>64 bits PARGB</source>
        <translation>64 Bit PARGB</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Stretch:</source>
        <translation>Strecken:</translation>
    </message>
    <message>
        <source>Fit within Output Width x Output Height</source>
        <translation>In Ausgabebreite x Ausgabehöhe einpassen</translation>
    </message>
    <message>
        <source>Long edge:</source>
        <translation>Lange Kante:</translation>
    </message>
    <message>
        <source>Fill Output Width x Output Height, cropped</source>
        <translation>Ausgabebreite x Ausgabehöhe füllen, beschnitten</translation>
    </message>
    <message>
        <source>Pad to Output Width x Output Height</source>
        <translation>Auf Ausgabebreite x Ausgabehöhe auffüllen</translation>
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
        <source>All but the location</source>
        <translation>Alle außer dem Aufnahmeort</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Smart</source>
        <translation>Intelligent</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Halved colour resolution below quality 90, full from 90 up.</source>
        <translation>Halbe Farbauflösung unter Qualität 90, volle ab 90.</translation>
    </message>
    <message>
        <source>Colour at half resolution: smaller files.</source>
        <translation>Farbe in halber Auflösung: kleinere Dateien.</translation>
    </message>
    <message>
        <source>Colour at full resolution: sharper red edges.</source>
        <translation>Farbe in voller Auflösung: schärfere rote Kanten.</translation>
    </message>
    <message>
        <source>Standard colours</source>
        <translation>Standardfarben</translation>
    </message>
    <message>
        <source>The standard 16 or 256 colours, the same for every photo.</source>
        <translation>Die 16 oder 256 Standardfarben, für jedes Foto dieselben.</translation>
    </message>
    <message>
        <source>Colours of the photo</source>
        <translation>Farben des Fotos</translation>
    </message>
    <message>
        <source>The 16 or 256 colours that best match each photo, found by an octree.</source>
        <translation>Die 16 oder 256 Farben, die am besten zum jeweiligen Foto passen, per Octree ermittelt.</translation>
    </message>
    <message>
        <source>File date</source>
        <translation>Dateidatum</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>No outline</source>
        <translation>Ohne Kontur</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>The camera&apos;s own preview when it is at least the output size, else the sensor at half size when that is, else the whole sensor.</source>
        <translation>Die kamerainterne Vorschau, wenn sie mindestens die Ausgabegröße hat, sonst der Sensor in halber Größe, wenn dieser reicht, sonst der ganze Sensor.</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Kameravorschau</translation>
    </message>
    <message>
        <source>The preview the camera embedded in the file: fastest; a file without one fails.</source>
        <translation>Die von der Kamera in die Datei eingebettete Vorschau: am schnellsten; eine Datei ohne Vorschau schlägt fehl.</translation>
    </message>
    <message>
        <source>Full develop</source>
        <translation>Vollständig entwickeln</translation>
    </message>
    <message>
        <source>Always the whole sensor, demosaicked: slowest, the most detail.</source>
        <translation>Immer der ganze Sensor, mit Demosaicing: am langsamsten, die meisten Details.</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no camera data kept</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no sharpening</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Uncompressed; 24-bit colour, or 1, 4 or 8 bits per pixel with a palette (see Pixel format). Carries no camera data.</source>
        <translation>Unkomprimiert; 24-Bit-Farbe oder 1, 4 bzw. 8 Bit pro Pixel mit Farbpalette (siehe Pixelformat). Enthält keine Kameradaten.</translation>
    </message>
    <message>
        <source>EXIF, XMP and a JPEG&apos;s IPTC</source>
        <translation>EXIF, XMP und das IPTC einer JPEG-Datei</translation>
    </message>
    <message>
        <source>Photos; smallest files. Quality @QUALITY_RANGE@ (built-in @QUALITY_BUILT_IN@).</source>
        <translation>Fotos; kleinste Dateien. Qualität @QUALITY_RANGE@ (voreingestellt @QUALITY_BUILT_IN@).</translation>
    </message>
    <message>
        <source>EXIF and XMP</source>
        <translation>EXIF und XMP</translation>
    </message>
    <message>
        <source>Lossless; transparent areas become white.</source>
        <translation>Verlustfrei; transparente Bereiche werden weiß.</translation>
    </message>
    <message>
        <source>EXIF, XMP and a TIFF&apos;s IPTC</source>
        <translation>EXIF, XMP und das IPTC einer TIFF-Datei</translation>
    </message>
    <message>
        <source>Lossless (LZW compression), for print and archiving.</source>
        <translation>Verlustfrei (LZW-Kompression), für Druck und Archiv.</translation>
    </message>
    <message>
        <source>For the web: smaller than JPG at the same quality. Quality @QUALITY_RANGE@, or Lossless.</source>
        <translation>Fürs Web: kleiner als JPG bei gleicher Qualität. Qualität @QUALITY_RANGE@ oder Verlustfrei.</translation>
    </message>
    <message>
        <source>AV1 in a HEIF file: the smallest photo files, slower to write. Quality @QUALITY_RANGE@.</source>
        <translation>AV1 in einer HEIF-Datei: die kleinsten Fotodateien, langsamer zu schreiben. Qualität @QUALITY_RANGE@.</translation>
    </message>
    <message>
        <source>JPEG&apos;s successor: small files of high fidelity. Quality @QUALITY_RANGE@, or Lossless.</source>
        <translation>Der Nachfolger von JPEG: kleine Dateien mit hoher Detailtreue. Qualität @QUALITY_RANGE@ oder Verlustfrei.</translation>
    </message>
    <message>
        <source>@KEPT_SOURCE_FORMATS@ photos keep their format (with that format&apos;s settings and extension); any other photo (GIF, HEIC, ...) becomes @SOURCE_FALLBACK_FORMAT@.</source>
        <translation>Fotos im Format @KEPT_SOURCE_FORMATS@ behalten ihr Format (mit dessen Einstellungen und Endung); jedes andere Foto (GIF, HEIC, ...) wird zu @SOURCE_FALLBACK_FORMAT@.</translation>
    </message>
    <message>
        <source>Keep each photo&apos;s own width and height.</source>
        <translation>Jedes Foto behält seine eigene Breite und Höhe.</translation>
    </message>
    <message>
        <source>the fixed size</source>
        <translation>fester Größe</translation>
    </message>
    <message>
        <source>The choice beside Output Width: and Output Height:</source>
        <translation>Die Auswahl neben Ausgabebreite: und Ausgabehöhe:</translation>
    </message>
    <message>
        <source>A fixed size in pixels. With Keep aspect ratio with width only the width counts and the height follows the photo&apos;s proportions; with Keep aspect ratio with Height only the height counts. Without either box, the photo is scaled to exactly the given width and height.</source>
        <translation>Eine feste Größe in Pixeln. Mit Seitenverhältnis nach Breite zählt nur die Breite, und die Höhe folgt den Proportionen des Fotos; mit Seitenverhältnis nach Höhe zählt nur die Höhe. Ohne eines der beiden Kästchen wird das Foto genau auf die angegebene Breite und Höhe skaliert.</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>Stretch: Horizontal: / Vertical:</source>
        <translation>Strecken: Horizontal: / Vertikal:</translation>
    </message>
    <message>
        <source>Multiply the photo&apos;s width and height by these factors (from 0.000001 to 1000000; 0.5 halves, 2 doubles). Sizes are cut to whole pixels.</source>
        <translation>Breite und Höhe des Fotos werden mit diesen Faktoren multipliziert (von 0.000001 bis 1000000; 0.5 halbiert, 2 verdoppelt). Größen werden auf ganze Pixel abgeschnitten.</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>The largest size with the photo&apos;s proportions that fits in the width and height: never cropped, never distorted. The side that does not fill the box is rounded to whole pixels, but never below 1.</source>
        <translation>Die größte Größe mit den Proportionen des Fotos, die in Breite und Höhe passt: nie beschnitten, nie verzerrt. Die Seite, die den Rahmen nicht füllt, wird auf ganze Pixel gerundet, aber nie unter 1.</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Lange Kante</translation>
    </message>
    <message>
        <source>The photo&apos;s longer side becomes this many pixels, the other follows its proportions (rounded to whole pixels, never below 1). A landscape and a portrait photo of the same camera come out alike.</source>
        <translation>Die längere Seite des Fotos erhält so viele Pixel, die andere folgt seinen Proportionen (auf ganze Pixel gerundet, nie unter 1). Ein Quer- und ein Hochformatfoto derselben Kamera werden gleich groß.</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Exactly the width and height: the photo is scaled until it covers them, and what reaches beyond is cropped. Crop: which part is kept (an edge, a corner, the centre, or Smart: the most interesting part).</source>
        <translation>Genau Breite und Höhe: Das Foto wird skaliert, bis es beide abdeckt, und was darüber hinausragt, wird beschnitten. Ausschnitt: welcher Teil bleibt (eine Kante, eine Ecke, die Mitte oder Intelligent: der interessanteste Teil).</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Auffüllen</translation>
    </message>
    <message>
        <source>Exactly the width and height: the whole photo is fitted inside, never cropped, and the margins take the background colour. Crop: where the photo sits.</source>
        <translation>Genau Breite und Höhe: Das ganze Foto wird hineingepasst, nie beschnitten, und die Ränder erhalten die Hintergrundfarbe. Ausschnitt: wo das Foto sitzt.</translation>
    </message>
    <message>
        <source>mirror left to right</source>
        <translation>links und rechts vertauscht</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>auf den Kopf gestellt</translation>
    </message>
    <message>
        <source>No camera data: the outputs carry only the resolution (DPI).</source>
        <translation>Keine Kameradaten: Die Ausgabedateien enthalten nur die Auflösung (DPI).</translation>
    </message>
    <message>
        <source>As All, without the GPS position and without the location fields of XMP; the IPTC block, which may name places, is left out too.</source>
        <translation>Wie Alle, aber ohne GPS-Position und ohne die Ortsfelder von XMP; auch der IPTC-Block, der Orte nennen kann, entfällt.</translation>
    </message>
    <message>
        <source>EXIF (camera, lens, exposure, date taken, GPS), XMP and IPTC as the photo has them, with the orientation set to upright and the pixel size of the output, and the sRGB colour profile embedded. @CAMERA_DATA_BY_FORMAT@</source>
        <translation>EXIF (Kamera, Objektiv, Belichtung, Aufnahmedatum, GPS), XMP und IPTC so, wie das Foto sie hat, mit aufrechter Ausrichtung und der Pixelgröße der Ausgabe, und mit eingebettetem sRGB-Farbprofil. @CAMERA_DATA_BY_FORMAT@</translation>
    </message>
    <message>
        <source>The source file&apos;s modification date.</source>
        <translation>Das Änderungsdatum der Quelldatei.</translation>
    </message>
    <message>
        <source>The date the photo was taken (EXIF DateTimeOriginal, else DateTimeDigitized); the file&apos;s date for a photo that has neither.</source>
        <translation>Das Aufnahmedatum des Fotos (EXIF DateTimeOriginal, sonst DateTimeDigitized); bei einem Foto ohne beides das Dateidatum.</translation>
    </message>
    <message>
        <source>At most %1 pixels a side.</source>
        <translation>Höchstens %1 Pixel je Seite.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <translation>%1 behält %2</translation>
    </message>
    <message>
        <source>%1 keep %2</source>
        <translation>%1 behalten %2</translation>
    </message>
</context>
<context>
    <name>OutputSettingsEditor</name>
    <message numerus="yes">
        <source>Give the %n photos in the list these settings too?</source>
        <translation>
            <numerusform>Sollen diese Einstellungen auch für das %n Foto in der Liste gelten?</numerusform>
            <numerusform>Sollen diese Einstellungen auch für die %n Fotos in der Liste gelten?</numerusform>
        </translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
</context>
<context>
    <name>OverlayPanel</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
</context>
<context>
    <name>PhotoListModel</name>
    <message>
        <source>Waiting</source>
        <translation>Wartend</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Wird konvertiert</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Konvertiert</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Nicht konvertiert</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Width * Height</source>
        <translation>Breite * Höhe</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Output Width * Height</source>
        <translation>Ausgabe Breite * Höhe</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>PhotoListPanel</name>
    <message>
        <source>Total photos: %1</source>
        <translation>Fotos gesamt: %1</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Please select items!</source>
        <translation>Bitte wählen Sie Einträge aus!</translation>
    </message>
</context>
<context>
    <name>PhotoSources</name>
    <message>
        <source>Photo Files (%1) (%2)</source>
        <translation>Fotodateien (%1) (%2)</translation>
    </message>
    <message>
        <source>Any Files (*.*) (*)</source>
        <translation>Alle Dateien (*.*) (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: not pictures (%1)</source>
        <translation>
            <numerusform>%n Datei wurde ausgelassen: kein Bild (%1)</numerusform>
            <numerusform>%n Dateien wurden ausgelassen: keine Bilder (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Select Photo Files...</source>
        <translation>Fotodateien auswählen...</translation>
    </message>
</context>
<context>
    <name>PlacesRow</name>
    <message>
        <source>Name tem&amp;plate:</source>
        <translation>Namens&amp;vorlage:</translation>
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
        <translation>Das Dateidatum und die Vorgaben, deren Ausgaben jedes Foto erhält – aus einem einzigen Dekodiervorgang</translation>
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
    <message numerus="yes">
        <source>&amp;Write: %n presets</source>
        <translation>
            <numerusform>&amp;Ausgabe: %n Vorgabe</numerusform>
            <numerusform>&amp;Ausgabe: %n Vorgaben</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Dateidatum beibehalten</translation>
    </message>
    <message>
        <source>Each output gets its original&apos;s modification date</source>
        <translation>Jede Ausgabedatei erhält das Änderungsdatum ihres Originals</translation>
    </message>
</context>
<context>
    <name>PresetPanel</name>
    <message>
        <source>Choose a preset</source>
        <translation>Vorgabe auswählen</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not applied.</source>
        <translation>Die Vorgabe „%1“ wurde nicht angewendet.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; is not stored any more.</source>
        <translation>Die Vorgabe „%1“ ist nicht mehr gespeichert.</translation>
    </message>
    <message>
        <source>A preset name %1.</source>
        <translation>Der Name einer Vorgabe %1.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; exists. Do you want to replace it?</source>
        <translation>Die Vorgabe „%1“ ist bereits vorhanden. Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be saved.</source>
        <translation>Die Vorgabe „%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Do you want to delete the preset &quot;%1&quot;?</source>
        <translation>Möchten Sie die Vorgabe „%1“ löschen?</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>Die Vorgabe „%1“ konnte nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>PresetStore</name>
    <message>
        <source>must not be empty</source>
        <translation>darf nicht leer sein</translation>
    </message>
    <message>
        <source>must not contain &apos;/&apos; or &apos;\&apos;</source>
        <translation>darf weder &apos;/&apos; noch &apos;\&apos; enthalten</translation>
    </message>
    <message>
        <source>must not contain control characters</source>
        <translation>darf keine Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>the settings file %1 has a line that cannot be read</source>
        <translation>die Einstellungsdatei %1 enthält eine Zeile, die nicht gelesen werden kann</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written</source>
        <translation>die Einstellungsdatei %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>a preset name %1</source>
        <translation>der Name einer Vorgabe %1</translation>
    </message>
</context>
<context>
    <name>PreviewFrame</name>
    <message>
        <source>Show source</source>
        <translation>Original anzeigen</translation>
    </message>
    <message>
        <source>The selected photo as it will be written. Double-click or press Space in the list to see it larger.</source>
        <translation>Das ausgewählte Foto, wie es geschrieben wird. Doppelklicken Sie oder drücken Sie die Leertaste in der Liste, um es größer zu sehen.</translation>
    </message>
    <message>
        <source>Before and after: the source photo, or the result</source>
        <translation>Vorher und nachher: das Originalfoto oder das Ergebnis</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a tooltip, then its key</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No result: %1</source>
        <translation>Kein Ergebnis: %1</translation>
    </message>
    <message>
        <source>Show result</source>
        <translation>Ergebnis anzeigen</translation>
    </message>
    <message>
        <source>Opening…</source>
        <translation>Wird geöffnet…</translation>
    </message>
    <message>
        <source>The result could not be shown.</source>
        <translation>Das Ergebnis konnte nicht angezeigt werden.</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>no such file or folder</source>
        <translation>Datei oder Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>a loop of symbolic links</source>
        <translation>eine Schleife symbolischer Verknüpfungen</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>could not be searched (%1)</source>
        <translation>konnte nicht durchsucht werden (%1)</translation>
    </message>
    <message>
        <source>standard input could not be read</source>
        <translation>die Standardeingabe konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>a damaged picture</source>
        <translation>ein beschädigtes Bild</translation>
    </message>
    <message>
        <source>the imaging library could not start</source>
        <translation>die Bildbibliothek konnte nicht starten</translation>
    </message>
    <message>
        <source>a picture without pixels</source>
        <translation>ein Bild ohne Pixel</translation>
    </message>
    <message>
        <source>developed from the camera&apos;s preview</source>
        <translation>aus der Kameravorschau entwickelt</translation>
    </message>
    <message>
        <source>developed at half size</source>
        <translation>in halber Größe entwickelt</translation>
    </message>
    <message>
        <source>developed in full</source>
        <translation>vollständig entwickelt</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>the value %1 is not a whole number</source>
        <translation>der Wert %1 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the value %1 is not between %2 and %3</source>
        <translation>der Wert %1 liegt nicht zwischen %2 und %3</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not a whole number</source>
        <translation>der Wert „%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not a number</source>
        <translation>der Wert „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>the value %1 stands for no choice</source>
        <translation>der Wert %1 entspricht keiner Auswahl</translation>
    </message>
    <message>
        <source>the photo has no size</source>
        <translation>das Foto hat keine Größe</translation>
    </message>
    <message>
        <source>the setting %1 could not be saved</source>
        <translation>die Einstellung %1 konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Can not create the directory</source>
        <translation>Der Ordner kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>the log could not be written</source>
        <translation>das Protokoll konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Not converted: the output file exists</source>
        <translation>Nicht konvertiert: Die Ausgabedatei existiert bereits</translation>
    </message>
    <message>
        <source>unknown output photo format!</source>
        <translation>unbekanntes Ausgabeformat!</translation>
    </message>
    <message>
        <source>the watermark: %1</source>
        <translation>das Wasserzeichen: %1</translation>
    </message>
    <message>
        <source>the output would replace one of the photos being converted</source>
        <translation>die Ausgabe würde eines der Fotos ersetzen, die gerade konvertiert werden</translation>
    </message>
    <message>
        <source>two outputs of %1 would have this name; give each preset its own name, for example with {preset}</source>
        <translation>zwei Ausgaben von %1 hätten diesen Namen; geben Sie jeder Vorgabe einen eigenen Namen, zum Beispiel mit {preset}</translation>
    </message>
    <message>
        <source>the file date could not be set: %1</source>
        <translation>das Dateidatum konnte nicht gesetzt werden: %1</translation>
    </message>
    <message>
        <source>the encoder wrote nothing</source>
        <translation>der Encoder hat nichts geschrieben</translation>
    </message>
    <message>
        <source>the preview file could not be read back</source>
        <translation>die Vorschaudatei konnte nicht wieder eingelesen werden</translation>
    </message>
    <message>
        <source>the output size %1 x %2 cannot be written</source>
        <translation>die Ausgabegröße %1 x %2 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the output is larger than %1 stores</source>
        <translation>die Ausgabe ist größer, als %1 speichern kann</translation>
    </message>
    <message>
        <source>the output could not be made</source>
        <translation>die Ausgabe konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>the output could not be read back</source>
        <translation>die Ausgabe konnte nicht wieder eingelesen werden</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>eine symbolische Verknüpfung, nicht verfolgt</translation>
    </message>
    <message>
        <source>the value %1 is out of range</source>
        <translation>der Wert %1 liegt außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>the value %1 is not a colour</source>
        <translation>der Wert %1 ist keine Farbe</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>die Datei fehlt</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>the format is not supported</source>
        <translation>das Format wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete</source>
        <translation>die Datei ist beschädigt oder unvollständig</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot;</source>
        <translation>die Namensvorlage „%1“</translation>
    </message>
    <message>
        <source>a &apos;}&apos; without its &apos;{&apos; (write &quot;}}&quot; for a brace)</source>
        <translation>eine &apos;}&apos; ohne zugehörige &apos;{&apos; (für eine Klammer selbst „}}“ schreiben)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not closed by &apos;}&apos;</source>
        <translation>„%1“ wird nicht mit &apos;}&apos; geschlossen</translation>
    </message>
    <message>
        <source>unknown token %1</source>
        <translation>unbekannter Platzhalter %1</translation>
    </message>
    <message>
        <source>the width in %1 must be a number from 1 to 10</source>
        <translation>die Stellenzahl in %1 muss eine Zahl von 1 bis 10 sein</translation>
    </message>
    <message>
        <source>the date format in %1 is empty</source>
        <translation>das Datumsformat in %1 ist leer</translation>
    </message>
    <message>
        <source>unknown date format &quot;%1&quot; in %2</source>
        <translation>unbekanntes Datumsformat „%1“ in %2</translation>
    </message>
    <message>
        <source>the token %1 takes no format</source>
        <translation>der Platzhalter %1 nimmt kein Format an</translation>
    </message>
    <message>
        <source>&apos;/&apos; is not allowed in a file name</source>
        <translation>&apos;/&apos; ist in einem Dateinamen nicht erlaubt</translation>
    </message>
    <message>
        <source>a control character is not allowed in a file name</source>
        <translation>ein Steuerzeichen ist in einem Dateinamen nicht erlaubt</translation>
    </message>
    <message>
        <source>it names nothing but the extension</source>
        <translation>sie enthält nichts außer der Dateiendung</translation>
    </message>
    <message>
        <source>preset %1: %2</source>
        <translation>Vorgabe %1: %2</translation>
    </message>
    <message>
        <source>the folder could not be searched</source>
        <translation>der Ordner konnte nicht durchsucht werden</translation>
    </message>
    <message>
        <source>cannot reach %1 at quality %2 (smallest %3)</source>
        <translation>%1 bei Qualität %2 nicht erreichbar (kleinste Datei %3)</translation>
    </message>
    <message>
        <source>cannot reach %1 losslessly (smallest %2)</source>
        <translation>%1 verlustfrei nicht erreichbar (kleinste Datei %2)</translation>
    </message>
    <message>
        <source>cannot reach %1 at quality %2 even at %3 (smallest %4)</source>
        <translation>%1 bei Qualität %2 selbst bei %3 nicht erreichbar (kleinste Datei %4)</translation>
    </message>
    <message>
        <source>cannot reach %1 losslessly even at %2 (smallest %3)</source>
        <translation>%1 verlustfrei selbst bei %2 nicht erreichbar (kleinste Datei %3)</translation>
    </message>
    <message>
        <source>output size %1</source>
        <translation>Ausgabegröße %1</translation>
    </message>
    <message>
        <source>an output of %1 pixels is larger than %2 stores (%3 pixels a side)</source>
        <translation>eine Ausgabe von %1 Pixeln ist größer, als %2 speichern kann (%3 Pixel je Seite)</translation>
    </message>
</context>
<context>
    <name>RunPanel</name>
    <message>
        <source>Do you want to open the output folder?</source>
        <translation>Möchten Sie den Ausgabeordner öffnen?</translation>
    </message>
    <message>
        <source>The conversion is done. %1</source>
        <translation>Die Konvertierung ist abgeschlossen. %1</translation>
    </message>
    <message>
        <source>There is not log file now!</source>
        <translation>Es gibt noch keine Protokolldatei!</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Stopped: %1 of %2 converted, %3 not started</source>
        <translation>Abgebrochen: %1 von %2 konvertiert, %3 nicht begonnen</translation>
    </message>
    <message numerus="yes">
        <source>%1 photos were not converted; see the log.</source>
        <translation>
            <numerusform>%1 Foto wurde nicht konvertiert; siehe Protokoll.</numerusform>
            <numerusform>%1 Fotos wurden nicht konvertiert; siehe Protokoll.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 photos got a number added to a name another photo has.</source>
        <translation>
            <numerusform>Bei %1 Foto wurde eine Nummer an den Namen angehängt, weil ein anderes Foto denselben Namen hat.</numerusform>
            <numerusform>Bei %1 Fotos wurde eine Nummer an den Namen angehängt, weil ein anderes Foto denselben Namen hat.</numerusform>
        </translation>
    </message>
    <message>
        <source>Written per preset: %1</source>
        <translation>Geschrieben je Vorgabe: %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>noch weniger als eine Minute</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>noch etwa %n Min.</numerusform>
            <numerusform>noch etwa %n Min.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>noch etwa %n Std.</numerusform>
            <numerusform>noch etwa %n Std.</numerusform>
        </translation>
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
    <message>
        <source>The watermark could not be read.</source>
        <translation>Das Wasserzeichen konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>Add photo files to the list</source>
        <translation>Fotodateien zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Add every photo in a folder and its subfolders to the list</source>
        <translation>Alle Fotos eines Ordners und seiner Unterordner zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Output settings for photos added from now on</source>
        <translation>Ausgabeeinstellungen für ab jetzt hinzugefügte Fotos</translation>
    </message>
    <message>
        <source>Convert every photo in the list into a new folder inside the output folder</source>
        <translation>Alle Fotos der Liste in einen neuen Ordner im Ausgabeordner konvertieren</translation>
    </message>
    <message>
        <source>Show the program&apos;s help</source>
        <translation>Die Hilfe des Programms anzeigen</translation>
    </message>
    <message>
        <source>Output settings of the selected photos</source>
        <translation>Ausgabeeinstellungen der ausgewählten Fotos</translation>
    </message>
    <message>
        <source>Move the selected photos up the list</source>
        <translation>Ausgewählte Fotos in der Liste nach oben verschieben</translation>
    </message>
    <message>
        <source>Move the selected photos down the list</source>
        <translation>Ausgewählte Fotos in der Liste nach unten verschieben</translation>
    </message>
    <message>
        <source>Remove the selected photos from the list</source>
        <translation>Ausgewählte Fotos aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Remove every photo from the list</source>
        <translation>Alle Fotos aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Sort the list by a column</source>
        <translation>Liste nach einer Spalte sortieren</translation>
    </message>
    <message>
        <source>Select every photo in the list</source>
        <translation>Alle Fotos der Liste auswählen</translation>
    </message>
    <message>
        <source>Choose the folder the converted photos go to</source>
        <translation>Ordner für die konvertierten Fotos auswählen</translation>
    </message>
    <message>
        <source>Font and colour of the text added to photos</source>
        <translation>Schrift und Farbe des in Fotos eingefügten Textes</translation>
    </message>
    <message>
        <source>Use the settings of the chosen preset</source>
        <translation>Einstellungen der gewählten Vorgabe verwenden</translation>
    </message>
    <message>
        <source>Keep the current settings as a preset</source>
        <translation>Aktuelle Einstellungen als Vorgabe speichern</translation>
    </message>
    <message>
        <source>Remove the chosen preset</source>
        <translation>Gewählte Vorgabe löschen</translation>
    </message>
    <message>
        <source>Open the activity log</source>
        <translation>Aktivitätsprotokoll öffnen</translation>
    </message>
    <message>
        <source>Which version is installed and where updates come from</source>
        <translation>Welche Version installiert ist und woher Aktualisierungen kommen</translation>
    </message>
    <message>
        <source>The program&apos;s version and licence</source>
        <translation>Version und Lizenz des Programms</translation>
    </message>
    <message>
        <source>Quit the program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Undo the last change to the list</source>
        <translation>Letzte Änderung an der Liste rückgängig machen</translation>
    </message>
    <message>
        <source>Redo the change just undone</source>
        <translation>Gerade rückgängig gemachte Änderung wiederherstellen</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Konvertieren</translation>
    </message>
</context>
</TS>
