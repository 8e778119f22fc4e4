<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
</context>
<context>
    <name>CDialogPhotoOptions</name>
    <message>
        <source>Photo Output Options</source>
        <translation>Opcje zdjęć wynikowych</translation>
    </message>
    <message>
        <source>O&amp;utput Format:</source>
        <translation>&amp;Format wyjściowy:</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Rozmiar wyjściowy</translation>
    </message>
    <message>
        <source>O&amp;riginal size</source>
        <translation>&amp;Oryginalny rozmiar</translation>
    </message>
    <message>
        <source>Fixed size</source>
        <translation>Stały rozmiar</translation>
    </message>
    <message>
        <source>Fixed width and height</source>
        <translation>Stała szerokość i wysokość</translation>
    </message>
    <message>
        <source>Output &amp;Width:</source>
        <translation>&amp;Szerokość wyjściowa:</translation>
    </message>
    <message>
        <source>&amp;Keep aspect ratio with width</source>
        <translation>&amp;Zachowaj proporcje wg szerokości</translation>
    </message>
    <message>
        <source>Ou&amp;tput Height:</source>
        <translation>&amp;Wysokość wyjściowa:</translation>
    </message>
    <message>
        <source>Keep aspect ratio with &amp;Height</source>
        <translation>Zachowaj proporcje wg w&amp;ysokości</translation>
    </message>
    <message>
        <source>Str&amp;etch:</source>
        <translation>Ro&amp;zciągnij:</translation>
    </message>
    <message>
        <source>Hori&amp;zontal:</source>
        <translation>W p&amp;oziomie:</translation>
    </message>
    <message>
        <source>&amp;Vertical:</source>
        <translation>W p&amp;ionie:</translation>
    </message>
    <message>
        <source>&amp;Fit within Output Width x Output Height</source>
        <translation>&amp;Dopasuj do szerokości x wysokości wyjściowej</translation>
    </message>
    <message>
        <source>Lon&amp;g edge:</source>
        <translation>Dłuższy &amp;bok:</translation>
    </message>
    <message>
        <source>Long edge in pixels</source>
        <translation>Dłuższy bok w pikselach</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pikseli</translation>
    </message>
    <message>
        <source>Do &amp;not enlarge</source>
        <translation>&amp;Nie powiększaj</translation>
    </message>
    <message>
        <source>A photo smaller than the chosen size keeps its own size</source>
        <translation>Zdjęcie mniejsze niż wybrany rozmiar zachowuje własny rozmiar</translation>
    </message>
    <message>
        <source>Format settings</source>
        <translation>Ustawienia formatu</translation>
    </message>
    <message>
        <source>Pi&amp;xel format:</source>
        <translation>Format pi&amp;kseli:</translation>
    </message>
    <message>
        <source>&amp;Quality Control:</source>
        <translation>&amp;Jakość:</translation>
    </message>
    <message>
        <source>(Min 1, Max 100)</source>
        <translation>(min. 1, maks. 100)</translation>
    </message>
    <message>
        <source>&amp;Lossless</source>
        <translation>&amp;Bezstratnie</translation>
    </message>
    <message>
        <source>Camera &amp;data (EXIF, XMP, IPTC):</source>
        <translation>D&amp;ane aparatu (EXIF, XMP, IPTC):</translation>
    </message>
    <message>
        <source>Ca&amp;mera RAW photos:</source>
        <translation>Zdjęcia &amp;RAW z aparatu:</translation>
    </message>
    <message>
        <source>Rotate b&amp;y angle</source>
        <translation>Obróć o &amp;kąt</translation>
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
        <translation>Odbicie</translation>
    </message>
    <message>
        <source>No flip</source>
        <translation>Bez odbicia</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>Odbij w poziomie</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Odbij w pionie</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>Kolory:</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Czcionka:</translation>
    </message>
    <message>
        <source>St&amp;yle:</source>
        <translation>&amp;Styl:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Rozmiar:</translation>
    </message>
    <message>
        <source>Height of the characters in pixels of the output photo</source>
        <translation>Wysokość znaków w pikselach zdjęcia wynikowego</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Effects:</source>
        <translation>Efekty:</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Podkreślenie</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>P&amp;rzekreślenie</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Kolor:</translation>
    </message>
    <message>
        <source>Choose the text color</source>
        <translation>Wybierz kolor tekstu</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>AaBbYyZz 123</source>
        <translation>AaĄąĘęŁłŻż 123</translation>
    </message>
</context>
<context>
    <name>FrameControls</name>
    <message>
        <source>Frame and finishing</source>
        <translation>Kadr i wykończenie</translation>
    </message>
    <message>
        <source>&amp;Aspect:</source>
        <translation>&amp;Proporcje:</translation>
    </message>
    <message>
        <source>Cro&amp;p:</source>
        <translation>&amp;Kadrowanie:</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Tło:</translation>
    </message>
    <message>
        <source>&amp;Sharpen when reduced:</source>
        <translation>&amp;Wyostrz po zmniejszeniu:</translation>
    </message>
    <message>
        <source>As the source</source>
        <translation>Jak w oryginale</translation>
    </message>
    <message>
        <source> DPI</source>
        <translation> DPI</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Rozdzielczość:</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Tło</translation>
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
        <translation>&amp;Dodaj zdjęcia</translation>
    </message>
    <message>
        <source>&amp;Search photos</source>
        <translation>&amp;Szukaj zdjęć</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Konwertuj</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Total Photos:</source>
        <translation>Liczba zdjęć:</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edytuj</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>W &amp;górę</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>W &amp;dół</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>Wy&amp;czyść</translation>
    </message>
    <message>
        <source>Output &amp;Folder:</source>
        <translation>&amp;Folder docelowy:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Przeglądaj</translation>
    </message>
    <message>
        <source>Add &amp;text to photo:</source>
        <translation>Dodaj &amp;tekst do zdjęcia:</translation>
    </message>
    <message>
        <source>Position &amp;x, y:</source>
        <translation>Pozycja &amp;x, y:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>Czcio&amp;nka</translation>
    </message>
    <message>
        <source>A&amp;nchor:</source>
        <translation>&amp;Zakotwiczenie:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Rozmiar:</translation>
    </message>
    <message>
        <source>The text&apos;s size as a percentage of the photo&apos;s shorter side; at 0 the font&apos;s own size counts.</source>
        <translation>Rozmiar tekstu jako procent krótszego boku zdjęcia; przy 0 obowiązuje rozmiar ustawiony w czcionce.</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Rozmiar czcionki</translation>
    </message>
    <message>
        <source> % of shorter side</source>
        <translation> % krótszego boku</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>Kr&amp;ycie:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Batch rena&amp;me prefix:</source>
        <translation>Prefiks &amp;nazw wsadowych:</translation>
    </message>
    <message>
        <source>+Number+Time</source>
        <translation>+Numer+Czas</translation>
    </message>
    <message>
        <source>Date in the names</source>
        <translation>Data w nazwach plików</translation>
    </message>
    <message>
        <source>Which date the file names carry</source>
        <translation>Która data trafia do nazw plików</translation>
    </message>
    <message>
        <source>&amp;Not rename</source>
        <translation>&amp;Bez zmiany nazw</translation>
    </message>
    <message>
        <source>Photos found by Search photos or in a dropped folder keep their sub-folders inside the run folder.</source>
        <translation>Zdjęcia znalezione przez „Szukaj zdjęć” lub w upuszczonym folderze zachowują swoje podfoldery w folderze konwersji.</translation>
    </message>
    <message>
        <source>&amp;Keep sub-folders</source>
        <translation>Zachowaj &amp;podfoldery</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>P&amp;reset:</translation>
    </message>
    <message>
        <source>Output settings, naming and text of the preset; the listed photos get its output settings if you agree.</source>
        <translation>Ustawienia wyjściowe, nazewnictwo i tekst presetu; po potwierdzeniu zdjęcia z listy otrzymają jego ustawienia wyjściowe.</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>Za&amp;stosuj</translation>
    </message>
    <message>
        <source>Sa&amp;ve as…</source>
        <translation>Zapisz &amp;jako…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Usu&amp;ń</translation>
    </message>
    <message>
        <source>%p%</source>
        <translation>%p%</translation>
    </message>
    <message>
        <source>Stops gathering; the photos read so far are added (Esc).</source>
        <translation>Przerywa zbieranie; dotąd odczytane zdjęcia zostaną dodane (Esc).</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>V&amp;iew log</source>
        <translation>Pokaż &amp;dziennik</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>Zapisz listę</translation>
    </message>
    <message>
        <source>load list</source>
        <translation>Wczytaj listę</translation>
    </message>
    <message>
        <source>U&amp;pdate</source>
        <translation>Ak&amp;tualizuj</translation>
    </message>
    <message>
        <source>Abou&amp;t</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
</context>
<context>
    <name>OutputSettingsEditor</name>
    <message numerus="yes">
        <source>Give the %n photo in the list these settings too?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Give the %n photos in the list these settings too?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
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
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: not pictures (%1)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
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
        <translation>Szablon nazwy:</translation>
    </message>
    <message>
        <source>prefix naming</source>
        <translation>nazwy z prefiksem</translation>
    </message>
    <message>
        <source>Names the outputs instead of the prefix: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera}</source>
        <translation>Nadaje nazwy plikom wynikowym zamiast prefiksu: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera}</translation>
    </message>
    <message>
        <source>Where the outputs go</source>
        <translation>Miejsce zapisu plików wynikowych</translation>
    </message>
    <message>
        <source>New time-stamped folder</source>
        <translation>Nowy folder ze znacznikiem czasu</translation>
    </message>
    <message>
        <source>Into the output folder</source>
        <translation>Do folderu docelowego</translation>
    </message>
    <message>
        <source>Next to each photo, in:</source>
        <translation>Obok każdego zdjęcia, w:</translation>
    </message>
    <message>
        <source>Folder next to each photo</source>
        <translation>Folder obok każdego zdjęcia</translation>
    </message>
    <message>
        <source>The file dates, and the presets whose outputs each photo gets, from one decode</source>
        <translation>Daty plików oraz presety, według których powstają pliki wynikowe każdego zdjęcia – z jednego dekodowania</translation>
    </message>
    <message>
        <source>Keep file dates (each output gets its original&apos;s)</source>
        <translation>Zachowaj daty plików (każdy plik wynikowy dostaje datę oryginału)</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>np. %1</translation>
    </message>
    <message>
        <source>Outputs: one per preset ticked</source>
        <translation>Pliki wynikowe: po jednym na zaznaczony preset</translation>
    </message>
    <message>
        <source>No presets saved</source>
        <translation>Brak zapisanych presetów</translation>
    </message>
    <message>
        <source>&amp;Write: one output</source>
        <translation>&amp;Zapis: jeden plik</translation>
    </message>
    <message>
        <source>&amp;Write: 1 preset</source>
        <translation>&amp;Zapis: 1 preset</translation>
    </message>
    <message>
        <source>&amp;Write: %1 presets</source>
        <translation>&amp;Zapis: presety (%1)</translation>
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
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Show &amp;log</source>
        <translation>Pokaż &amp;dziennik</translation>
    </message>
    <message>
        <source>Convert the &amp;rest</source>
        <translation>Konwertuj &amp;pozostałe</translation>
    </message>
</context>
<context>
    <name>WatermarkPanel</name>
    <message>
        <source>&amp;Watermark:</source>
        <translation>Znak &amp;wodny:</translation>
    </message>
    <message>
        <source>No picture: type a path or choose a logo</source>
        <translation>Brak obrazu: wpisz ścieżkę lub wybierz logo</translation>
    </message>
    <message>
        <source>Lo&amp;go...</source>
        <translation>Lo&amp;go...</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>Roz&amp;miar:</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>Kr&amp;ycie:</translation>
    </message>
    <message>
        <source>Margi&amp;n:</source>
        <translation>&amp;Margines:</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Znak wodny</translation>
    </message>
    <message>
        <source>Pictures (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;All files (*)</source>
        <translation>Obrazy (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;Wszystkie pliki (*)</translation>
    </message>
</context>
</TS>
