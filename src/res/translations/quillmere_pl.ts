<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Kod źródłowy: %1</translation>
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
        <translation>Roz&amp;ciągnij:</translation>
    </message>
    <message>
        <source>Hori&amp;zontal:</source>
        <translation>W pozio&amp;mie:</translation>
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
        <translation>Bezstratni&amp;e</translation>
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
    <message>
        <source>(different)</source>
        <translation>(różne)</translation>
    </message>
    <message numerus="yes">
        <source>Settings for %n photos</source>
        <translation>
            <numerusform>Ustawienia dla %n zdjęcia</numerusform>
            <numerusform>Ustawienia dla %n zdjęć</numerusform>
            <numerusform>Ustawienia dla %n zdjęć</numerusform>
        </translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Unknown flip type!</source>
        <translation>Nieznany rodzaj odbicia!</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Wpisz liczbę całkowitą.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Wpisz liczbę całkowitą z zakresu od %1 do %2.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Wpisz liczbę.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Wpisz liczbę z zakresu od %1 do %2.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>nieznany błąd</translation>
    </message>
    <message>
        <source>error</source>
        <translation>błąd</translation>
    </message>
    <message>
        <source>Unknown nOuputSizeType type!</source>
        <translation>Nieznany typ nOuputSizeType!</translation>
    </message>
    <message>
        <source>Unknown nKeepAspectRatio type!</source>
        <translation>Nieznany typ nKeepAspectRatio!</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 to %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>must be one of %1</source>
        <translation>musi być jedną z wartości: %1</translation>
    </message>
    <message>
        <source>must be an integer from %1 to %2</source>
        <translation>musi być liczbą całkowitą od %1 do %2</translation>
    </message>
    <message>
        <source>must be a number from %1 to %2</source>
        <translation>musi być liczbą od %1 do %2</translation>
    </message>
    <message>
        <source> (default %1)</source>
        <translation> (domyślnie %1)</translation>
    </message>
    <message>
        <source>must name a folder</source>
        <translation>musi wskazywać folder</translation>
    </message>
    <message>
        <source>must name a file</source>
        <translation>musi wskazywać plik</translation>
    </message>
    <message>
        <source>must be six hexadecimal digits RRGGBB</source>
        <translation>musi składać się z sześciu cyfr szesnastkowych RRGGBB</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nazwy</translation>
    </message>
    <message>
        <source>Text overlay</source>
        <translation>Nakładka tekstowa</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Wykonanie</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Presety</translation>
    </message>
    <message>
        <source>Scripts and clusters</source>
        <translation>Skrypty i klastry</translation>
    </message>
    <message>
        <source>start from the saved preset NAME; options after it override it</source>
        <translation>zacznij od zapisanego presetu NAME; opcje podane po nim mają pierwszeństwo</translation>
    </message>
    <message>
        <source>output folder (default: the work folder, Pictures/Quillmere/)</source>
        <translation>folder docelowy (domyślnie folder roboczy Pictures/Quillmere/)</translation>
    </message>
    <message>
        <source>output width for %1</source>
        <translation>szerokość wyjściowa dla %1</translation>
    </message>
    <message>
        <source>output height for %1</source>
        <translation>wysokość wyjściowa dla %1</translation>
    </message>
    <message>
        <source>the longer side for %1</source>
        <translation>dłuższy bok dla %1</translation>
    </message>
    <message>
        <source>with %1: a photo smaller than the result keeps its size</source>
        <translation>przy %1: zdjęcie mniejsze niż wynik zachowuje swój rozmiar</translation>
    </message>
    <message>
        <source>factors for %1</source>
        <translation>współczynniki dla %1</translation>
    </message>
    <message>
        <source>must be two factors H,V from %1</source>
        <translation>muszą to być dwa współczynniki H,V z zakresu %1</translation>
    </message>
    <message>
        <source>BMP pixel format: %1, or %2</source>
        <translation>format pikseli BMP: %1 albo %2</translation>
    </message>
    <message>
        <source>quality of %1</source>
        <translation>jakość dla %1</translation>
    </message>
    <message>
        <source>lossless %1 (the quality is not used)</source>
        <translation>bezstratny %1 (jakość nie jest używana)</translation>
    </message>
    <message>
        <source>camera data (EXIF, XMP, IPTC) the outputs keep: %1</source>
        <translation>dane aparatu (EXIF, XMP, IPTC) zachowywane w plikach wynikowych: %1</translation>
    </message>
    <message>
        <source>rename prefix</source>
        <translation>prefiks nazw</translation>
    </message>
    <message>
        <source>must not contain &apos;/&apos;</source>
        <translation>nie może zawierać &apos;/&apos;</translation>
    </message>
    <message>
        <source>keep the source names, change the extension only</source>
        <translation>zachowaj nazwy oryginałów, zmień tylko rozszerzenie</translation>
    </message>
    <message>
        <source>the date in the names: %1 (from EXIF, else the file&apos;s)</source>
        <translation>data w nazwach: %1 (z EXIF, a w razie braku data pliku)</translation>
    </message>
    <message>
        <source>photos found in a folder keep their path below it inside the run folder</source>
        <translation>zdjęcia znalezione w folderze zachowują swoją ścieżkę względem niego w folderze konwersji</translation>
    </message>
    <message>
        <source>the number of the first photo</source>
        <translation>numer pierwszego zdjęcia</translation>
    </message>
    <message>
        <source>digits the numbers are padded to</source>
        <translation>liczba cyfr, do której numery są uzupełniane zerami</translation>
    </message>
    <message>
        <source> (default: those of the last number)</source>
        <translation> (domyślnie tyle, ile ma ostatni numer)</translation>
    </message>
    <message>
        <source>a line of text drawn on every photo</source>
        <translation>wiersz tekstu nanoszony na każde zdjęcie</translation>
    </message>
    <message>
        <source>must be one line, without line breaks</source>
        <translation>musi być jednym wierszem, bez podziałów wiersza</translation>
    </message>
    <message>
        <source>its margin in output pixels from the anchor; for top-left, its top-left corner (default 0,0)</source>
        <translation>jego odstęp od punktu zakotwiczenia w pikselach wyniku; dla top-left – jego lewy górny róg (domyślnie 0,0)</translation>
    </message>
    <message>
        <source>font family (default: the sans-serif font)</source>
        <translation>rodzina czcionki (domyślnie czcionka bezszeryfowa)</translation>
    </message>
    <message>
        <source>must be a family name of at most 31 characters</source>
        <translation>musi być nazwą rodziny o długości najwyżej 31 znaków</translation>
    </message>
    <message>
        <source>font size in pixels</source>
        <translation>rozmiar czcionki w pikselach</translation>
    </message>
    <message>
        <source>text size as a percentage of the output&apos;s shorter side, in place of --font-px; %1 (default %2: the font&apos;s size)</source>
        <translation>rozmiar tekstu jako procent krótszego boku wyniku, zamiast --font-px; %1 (domyślnie %2: rozmiar czcionki)</translation>
    </message>
    <message>
        <source>bold text</source>
        <translation>tekst pogrubiony</translation>
    </message>
    <message>
        <source>italic text</source>
        <translation>tekst kursywą</translation>
    </message>
    <message>
        <source>underlined text</source>
        <translation>tekst podkreślony</translation>
    </message>
    <message>
        <source>struck-out text</source>
        <translation>tekst przekreślony</translation>
    </message>
    <message>
        <source>text colour (default 000000)</source>
        <translation>kolor tekstu (domyślnie 000000)</translation>
    </message>
    <message>
        <source>text opacity in percent</source>
        <translation>krycie tekstu w procentach</translation>
    </message>
    <message>
        <source>%1 around the text</source>
        <translation>%1 wokół tekstu</translation>
    </message>
    <message>
        <source>save the settings this command gives as preset NAME (PATHs optional)</source>
        <translation>zapisz ustawienia z tego polecenia jako preset NAME (ścieżki PATH opcjonalne)</translation>
    </message>
    <message>
        <source>print the saved presets&apos; names, one per line</source>
        <translation>wypisz nazwy zapisanych presetów, po jednej w wierszu</translation>
    </message>
    <message>
        <source>also convert the paths listed in FILE, one per line (- for standard input)</source>
        <translation>konwertuj także ścieżki wymienione w pliku FILE, po jednej w wierszu (- oznacza standardowe wejście)</translation>
    </message>
    <message>
        <source>the --files-from entries end with NUL, as find -print0 writes them</source>
        <translation>wpisy --files-from kończą się znakiem NUL, tak jak zapisuje je find -print0</translation>
    </message>
    <message>
        <source>write into DIR (made if missing) instead of a new time-stamped folder</source>
        <translation>zapisuj do DIR (tworzony, jeśli nie istnieje) zamiast do nowego folderu ze znacznikiem czasu</translation>
    </message>
    <message>
        <source>write one JSON object per photo, then a summary object, one per line, to FILE</source>
        <translation>zapisz do pliku FILE jeden obiekt JSON na zdjęcie, a następnie obiekt podsumowania, po jednym w wierszu</translation>
    </message>
    <message>
        <source>%1 when an output file exists (default: ask when standard input is a terminal, else no)</source>
        <translation>%1, gdy plik wynikowy już istnieje (domyślnie ask, jeśli standardowe wejście jest terminalem, w przeciwnym razie no)</translation>
    </message>
    <message>
        <source>photos converted at once</source>
        <translation>liczba zdjęć konwertowanych jednocześnie</translation>
    </message>
    <message>
        <source> (default: one per core)</source>
        <translation> (domyślnie jedno na rdzeń)</translation>
    </message>
    <message>
        <source>memory the photos in hand may take, in MiB</source>
        <translation>pamięć, jaką mogą zajmować przetwarzane zdjęcia, w MiB</translation>
    </message>
    <message>
        <source>; a larger photo converts alone (default: half the physical memory, %1 MiB)</source>
        <translation>; większe zdjęcie jest konwertowane samodzielnie (domyślnie połowa pamięci fizycznej, %1 MiB)</translation>
    </message>
    <message>
        <source>no progress bar and no notices</source>
        <translation>bez paska postępu i bez komunikatów</translation>
    </message>
    <message>
        <source>print the values a fixed-set option accepts, one per line</source>
        <translation>wypisz wartości przyjmowane przez opcję o stałym zbiorze wartości, po jednej w wierszu</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>ten tekst</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>wersja programu</translation>
    </message>
    <message>
        <source>or</source>
        <translation>lub</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>opcja %1 nie przyjmuje wartości</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>opcja %1 wymaga wartości</translation>
    </message>
    <message>
        <source>option %1: &apos;%2&apos; %3</source>
        <translation>opcja %1: &apos;%2&apos; %3</translation>
    </message>
    <message>
        <source>option --metadata %1 keeps more camera data than preset &apos;%2&apos; (%3)</source>
        <translation>opcja --metadata %1 zachowuje więcej danych aparatu niż preset &apos;%2&apos; (%3)</translation>
    </message>
    <message>
        <source>option %1: preset &apos;%2&apos; is not used: %3</source>
        <translation>opcja %1: preset &apos;%2&apos; nie jest używany: %3</translation>
    </message>
    <message>
        <source>option %1: no preset &apos;%2&apos; (--list-presets lists them)</source>
        <translation>opcja %1: brak presetu &apos;%2&apos; (lista: --list-presets)</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; keeps camera data %2, not --metadata %3 given before it; give --metadata after --preset</source>
        <translation>preset &apos;%1&apos; zachowuje dane aparatu %2, a nie podane przed nim --metadata %3; podaj --metadata po --preset</translation>
    </message>
    <message>
        <source>option --beside cannot be given with --into</source>
        <translation>opcji --beside nie można podać razem z --into</translation>
    </message>
    <message>
        <source>option --null needs --files-from</source>
        <translation>opcja --null wymaga --files-from</translation>
    </message>
    <message>
        <source>option --overwrite ask cannot be answered while --files-from - reads standard input</source>
        <translation>na opcję --overwrite ask nie można odpowiedzieć, gdy --files-from - czyta standardowe wejście</translation>
    </message>
    <message>
        <source>no photos given: name at least one file or folder</source>
        <translation>nie podano zdjęć: wskaż co najmniej jeden plik lub folder</translation>
    </message>
    <message>
        <source>Usage: quillmere-convert [options] PATH...
Converts photos (files, or folders searched with their sub-folders) into a
new time-stamped folder inside the output folder, and prints that folder.
</source>
        <translation>Użycie: quillmere-convert [opcje] PATH...
Konwertuje zdjęcia (pliki lub foldery przeszukiwane wraz z podfolderami)
do nowego folderu ze znacznikiem czasu w folderze docelowym i wypisuje
nazwę tego folderu.
</translation>
    </message>
    <message>
        <source>Options take their value as the next argument or after &apos;=&apos; (--text-pos=-5,3).
Exit status: 0 every photo converted, 1 some were not, 2 bad arguments.
</source>
        <translation>Opcje przyjmują wartość jako następny argument lub po &apos;=&apos; (--text-pos=-5,3).
Kod wyjścia: 0 – przekonwertowano wszystkie zdjęcia, 1 – nie wszystkie,
2 – błędne argumenty.
</translation>
    </message>
    <message>
        <source>Image watermark</source>
        <translation>Graficzny znak wodny</translation>
    </message>
    <message>
        <source>for %1: the part fill keeps, or where pad places the photo: %2 (smart: the most interesting part; pad centres it)</source>
        <translation>dla %1: część zachowywana przez fill lub miejsce, w którym pad umieszcza zdjęcie: %2 (smart: najciekawsza część; pad wyśrodkowuje zdjęcie)</translation>
    </message>
    <message>
        <source>colour of pad&apos;s margins and of transparent areas</source>
        <translation>kolor marginesów pad i obszarów przezroczystych</translation>
    </message>
    <message>
        <source>sharpen a photo that is made smaller, by as much as it is reduced: %1</source>
        <translation>wyostrzaj zmniejszane zdjęcie proporcjonalnie do stopnia zmniejszenia: %1</translation>
    </message>
    <message>
        <source>the resolution written into JPG, PNG, TIF and BMP outputs (and WebP and AVIF with camera data)</source>
        <translation>rozdzielczość zapisywana w plikach wynikowych JPG, PNG, TIF i BMP (oraz WebP i AVIF z danymi aparatu)</translation>
    </message>
    <message>
        <source> (default 0: the source&apos;s)</source>
        <translation> (domyślnie 0: jak w oryginale)</translation>
    </message>
    <message>
        <source>a picture (PNG, WebP or SVG, transparency kept) drawn on every photo</source>
        <translation>obraz (PNG, WebP lub SVG, z zachowaniem przezroczystości) nanoszony na każde zdjęcie</translation>
    </message>
    <message>
        <source>its longer side as a percentage of the output&apos;s shorter side</source>
        <translation>jego dłuższy bok jako procent krótszego boku wyniku</translation>
    </message>
    <message>
        <source>its opacity in percent</source>
        <translation>jego krycie w procentach</translation>
    </message>
    <message>
        <source>its distance from the anchor&apos;s edges as a percentage of the output&apos;s shorter side</source>
        <translation>jego odstęp od krawędzi przy punkcie zakotwiczenia jako procent krótszego boku wyniku</translation>
    </message>
    <message>
        <source>%1: %2, skipped</source>
        <translation>%1: %2, pominięto</translation>
    </message>
    <message>
        <source>%1: %2, failed</source>
        <translation>%1: %2, błąd</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; not saved: %2</source>
        <translation>nie zapisano presetu &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; saved in %2</source>
        <translation>zapisano preset &apos;%1&apos; w %2</translation>
    </message>
    <message>
        <source>option %1 has no fixed set of values</source>
        <translation>opcja %1 nie ma stałego zbioru wartości</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Więcej informacji: &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>no photos to convert</source>
        <translation>brak zdjęć do konwersji</translation>
    </message>
    <message>
        <source>written per preset: %1</source>
        <translation>zapisano według presetów: %1</translation>
    </message>
    <message numerus="yes">
        <source>stopped: %n photos not started</source>
        <translation>
            <numerusform>przerwano: nie rozpoczęto konwersji %n zdjęcia</numerusform>
            <numerusform>przerwano: nie rozpoczęto konwersji %n zdjęć</numerusform>
            <numerusform>przerwano: nie rozpoczęto konwersji %n zdjęć</numerusform>
        </translation>
    </message>
    <message>
        <source>at most SIZE bytes per output file; K and M count 1,000 and 1,000,000, KiB and MiB 1,024 and 1,048,576 (500K, 2MiB; 0: no limit). %1 get the best quality that fits, down to --min-quality, then smaller dimensions; lossless outputs (PNG, TIF, BMP, --lossless) only smaller dimensions</source>
        <translation>najwyżej SIZE bajtów na plik wynikowy; K i M oznaczają 1000 i 1000000, KiB i MiB – 1024 i 1048576 (500K, 2MiB; 0: bez limitu). %1 otrzymują najlepszą jakość, która się mieści, najniżej --min-quality, a potem mniejsze wymiary; pliki bezstratne (PNG, TIF, BMP, --lossless) – tylko mniejsze wymiary</translation>
    </message>
    <message>
        <source>must be a size in bytes such as 500000, 500K or 488KiB, at most 1000000M</source>
        <translation>musi być rozmiarem w bajtach, np. 500000, 500K lub 488KiB, najwyżej 1000000M</translation>
    </message>
    <message>
        <source>the lowest quality --max-file-size may use, %1 (default %2; never above --quality)</source>
        <translation>najniższa jakość, jakiej może użyć --max-file-size, %1 (domyślnie %2; nigdy powyżej --quality)</translation>
    </message>
    <message>
        <source>with --max-file-size: a photo that does not fit at --min-quality fails instead of being made smaller</source>
        <translation>przy --max-file-size: zdjęcie, które nie mieści się przy --min-quality, kończy się błędem zamiast zostać zmniejszone</translation>
    </message>
    <message>
        <source>colour resolution of JPG and AVIF: %1 (default %2: 420 below quality 90, else 444, which --max-file-size keeps only where the --quality file fits)</source>
        <translation>rozdzielczość kolorów JPG i AVIF: %1 (domyślnie %2: 420 poniżej jakości 90, w przeciwnym razie 444, które --max-file-size zachowuje tylko wtedy, gdy mieści się plik o jakości --quality)</translation>
    </message>
    <message>
        <source>progressive JPG, shown coarse first while it loads</source>
        <translation>progresywny JPG, wyświetlany podczas wczytywania najpierw w niskiej jakości</translation>
    </message>
    <message>
        <source>name the outputs by TEMPLATE instead: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera} (&quot;.{ext}&quot; is added when missing)</source>
        <translation>nazywaj pliki wynikowe według szablonu TEMPLATE: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera} (&quot;.{ext}&quot; jest dodawane, jeśli go brakuje)</translation>
    </message>
    <message>
        <source>is refused: %1</source>
        <translation>jest odrzucony: %1</translation>
    </message>
    <message>
        <source>write each output into the folder DIR next to its original (made if missing) instead of a run folder</source>
        <translation>zapisuj każdy plik wynikowy do folderu DIR obok oryginału (tworzonego, jeśli nie istnieje) zamiast do folderu konwersji</translation>
    </message>
    <message>
        <source>must be a folder name without &apos;/&apos;</source>
        <translation>musi być nazwą folderu bez &apos;/&apos;</translation>
    </message>
    <message>
        <source>give each output its original&apos;s modification time</source>
        <translation>nadaj każdemu plikowi wynikowemu czas modyfikacji oryginału</translation>
    </message>
    <message>
        <source>write one output per preset of the comma-separated list, each photo decoded once; the names must differ (use {preset} in the template)</source>
        <translation>zapisz po jednym pliku wynikowym dla każdego presetu z listy rozdzielonej przecinkami, a każde zdjęcie dekoduj raz; nazwy muszą się różnić (użyj {preset} w szablonie)</translation>
    </message>
    <message>
        <source>must list preset names, separated by commas</source>
        <translation>musi zawierać nazwy presetów rozdzielone przecinkami</translation>
    </message>
    <message>
        <source>how camera RAW photos are developed: auto (the camera&apos;s preview when it covers the output, else half size when that does, else full), preview or full (default %1)</source>
        <translation>sposób wywoływania zdjęć RAW z aparatu: auto (podgląd z aparatu, jeśli wystarcza dla wyniku, w przeciwnym razie połowa rozdzielczości, jeśli wystarcza, a w ostateczności pełne wywołanie), preview lub full (domyślnie %1)</translation>
    </message>
    <message>
        <source>colours of 4- and 8-bit BMP: fixed (the standard table) or adaptive (the photo&apos;s own, by an octree) (default %1)</source>
        <translation>kolory 4- i 8-bitowych BMP: fixed (tabela standardowa) lub adaptive (własne kolory zdjęcia, wyznaczone drzewem ósemkowym) (domyślnie %1)</translation>
    </message>
    <message>
        <source>font family &apos;%1&apos; is not installed; the text is drawn in &apos;%2&apos;</source>
        <translation>rodzina czcionek &apos;%1&apos; nie jest zainstalowana; tekst zostanie narysowany czcionką &apos;%2&apos;</translation>
    </message>
    <message>
        <source>when the run ends, write to FILE in the user&apos;s language how many photos were converted and into which folder, then each photo that was not, with its reason</source>
        <translation>po zakończeniu zapisz do pliku FILE, w języku użytkownika, ile zdjęć przekonwertowano i do jakiego folderu, a następnie każde nieprzekonwertowane zdjęcie wraz z przyczyną</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a heading of --help</comment>
        <extracomment>A heading of the option list, %1 its name (&quot;Output:&quot;).</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>option %1: %2</source>
        <translation>opcja %1: %2</translation>
    </message>
    <message>
        <source>No photo was converted.</source>
        <translation>Nie przekonwertowano żadnego zdjęcia.</translation>
    </message>
    <message>
        <source>%1 of %2 photos converted</source>
        <translation>Przekonwertowane zdjęcia: %1 z %2</translation>
    </message>
    <message>
        <source>%1 of %2 photos converted into %3</source>
        <translation>Przekonwertowane zdjęcia: %1 z %2, do folderu %3</translation>
    </message>
    <message>
        <source>y</source>
        <comment>the letter that answers yes in &quot;[y/N]&quot;</comment>
        <translation>t</translation>
    </message>
    <message>
        <source>[yes]</source>
        <translation>[tak]</translation>
    </message>
    <message>
        <source>[no]</source>
        <translation>[nie]</translation>
    </message>
    <message>
        <source>[y/N]</source>
        <extracomment>The answers of a question in the terminal: the letter of Yes, and N (the default) for No.</extracomment>
        <translation>[t/N]</translation>
    </message>
    <message>
        <source>and</source>
        <translation>i</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Batch Photo Converter</source>
        <translation>Wsadowy konwerter zdjęć</translation>
    </message>
    <message>
        <source>Resize and convert photos in batches</source>
        <translation>Wsadowa zmiana rozmiaru i konwersja zdjęć</translation>
    </message>
    <message>
        <source>Convert with Quillmere…</source>
        <translation>Konwertuj w Quillmere…</translation>
    </message>
    <message>
        <source>Open the selected photos in Quillmere</source>
        <translation>Otwórz zaznaczone zdjęcia w Quillmere</translation>
    </message>
    <message>
        <source>Convert with a preset…</source>
        <translation>Konwertuj z presetem…</translation>
    </message>
    <message>
        <source>Quillmere: convert with a preset…</source>
        <translation>Quillmere: konwertuj z presetem…</translation>
    </message>
    <message>
        <source>Choose one of Quillmere&apos;s saved presets and convert the selected photos with it</source>
        <translation>Wybierz jeden z zapisanych presetów Quillmere i przekonwertuj nim zaznaczone zdjęcia</translation>
    </message>
    <message>
        <source>Convert the selection with the preset &quot;%1&quot;</source>
        <extracomment>The tooltip of a file manager&apos;s entry &quot;Quillmere: PRESET&quot;; %1 is the preset&apos;s name.</extracomment>
        <translation>Konwertuj zaznaczenie presetem „%1”</translation>
    </message>
    <message>
        <source>Convert with the preset:</source>
        <extracomment>Asked in a small list of the saved presets, before converting the selected photos.</extracomment>
        <translation>Konwertuj z presetem:</translation>
    </message>
    <message>
        <source>Preset</source>
        <extracomment>The heading of that list&apos;s one column.</extracomment>
        <translation>Preset</translation>
    </message>
    <message>
        <source>photo;picture;resize;convert;batch;rename;jpeg;png;tiff;bmp;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ended by &quot;;&quot;.</extracomment>
        <translation>zdjęcie;obraz;zmiana rozmiaru;konwersja;wsadowo;zmiana nazwy;jpeg;png;tiff;bmp;</translation>
    </message>
</context>
<context>
    <name>DestinationPanel</name>
    <message>
        <source>The preset could not be read.</source>
        <translation>Nie można odczytać presetu.</translation>
    </message>
    <message>
        <source>it is no longer stored</source>
        <translation>nie jest już zapisany</translation>
    </message>
</context>
<context>
    <name>FileSizeLimitRow</name>
    <message>
        <source>L&amp;imit file size to</source>
        <translation>&amp;Ogranicz rozmiar pliku do</translation>
    </message>
    <message>
        <source>Largest file size in KB</source>
        <translation>Maksymalny rozmiar pliku w KB</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>The search for a size that fits goes no lower</source>
        <translation>Poniżej tej wartości nie schodzi szukanie pasującego rozmiaru</translation>
    </message>
    <message>
        <source>Lo&amp;west quality:</source>
        <translation>Naj&amp;niższa jakość:</translation>
    </message>
    <message>
        <source>Colour &amp;resolution:</source>
        <translation>Rozdzielczość &amp;kolorów:</translation>
    </message>
    <message>
        <source>Pro&amp;gressive</source>
        <translation>Pro&amp;gresywny</translation>
    </message>
    <message>
        <source>A JPG shown coarse first while it loads</source>
        <translation>JPG wyświetlany podczas wczytywania najpierw w niskiej jakości</translation>
    </message>
    <message>
        <source>Please enter a number of KB between 1 and %1.</source>
        <translation>Wpisz liczbę KB z zakresu od 1 do %1.</translation>
    </message>
    <message>
        <source>the best quality that fits, then a smaller size</source>
        <translation>najlepsza mieszcząca się jakość, a potem mniejszy rozmiar</translation>
    </message>
    <message>
        <source>lossless: met by a smaller size only</source>
        <translation>bezstratnie: osiągane tylko mniejszymi wymiarami</translation>
    </message>
</context>
<context>
    <name>FolderChooser</name>
    <message>
        <source>Choose a folder</source>
        <translation>Wybierz folder</translation>
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
    <message>
        <source>Text Color</source>
        <translation>Kolor tekstu</translation>
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
        <translation>&amp;Wyostrzanie po zmniejszeniu:</translation>
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
        <source>Res&amp;olution:</source>
        <translation>R&amp;ozdzielczość:</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Tło</translation>
    </message>
    <message>
        <source>1:1 (square)</source>
        <translation>1:1 (kwadrat)</translation>
    </message>
    <message>
        <source>4:5 (portrait post)</source>
        <translation>4:5 (post pionowy)</translation>
    </message>
    <message>
        <source>3:2 (photo print)</source>
        <translation>3:2 (odbitka)</translation>
    </message>
    <message>
        <source>16:9 (wide screen)</source>
        <translation>16:9 (panoramiczny)</translation>
    </message>
    <message>
        <source>9:16 (story)</source>
        <translation>9:16 (relacja)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własne</translation>
    </message>
</context>
<context>
    <name>GatherTask</name>
    <message>
        <source>Reading photos...</source>
        <translation>Odczytywanie zdjęć...</translation>
    </message>
    <message>
        <source>Searching folders: %1 photo files found in %2 folders</source>
        <translation>Przeszukiwanie folderów: znalezione pliki zdjęć: %1, foldery: %2</translation>
    </message>
    <message>
        <source>Reading photos: %1 of %2</source>
        <translation>Odczytywanie zdjęć: %1 z %2</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Quillmere — User Guide</source>
        <translation>Quillmere — podręcznik użytkownika</translation>
    </message>
    <message>
        <source>Quillmere</source>
        <translation>Quillmere</translation>
    </message>
    <message>
        <source>Resize and convert photos in batches.</source>
        <translation>Wsadowa zmiana rozmiaru i konwersja zdjęć.</translation>
    </message>
    <message>
        <source>Quillmere takes a list of photos, gives each of them output settings (format, size, pixel format, quality, rotation and flip, and which camera data to keep), optionally writes a line of text on every photo, and converts them all into a new folder of their own with tidy, numbered file names. Your original photos are never changed.</source>
        <translation>Quillmere przyjmuje listę zdjęć, nadaje każdemu z nich ustawienia wyjściowe (format, rozmiar, format pikseli, jakość, obrót i odbicie oraz to, które dane aparatu zachować), opcjonalnie nanosi na każde zdjęcie wiersz tekstu i konwertuje je wszystkie do nowego, osobnego folderu, nadając plikom uporządkowane, numerowane nazwy. Oryginalne zdjęcia nigdy nie są zmieniane.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#quick&quot;&gt;Quick start&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#quick&quot;&gt;Szybki start&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#gather&quot;&gt;Adding photos&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#gather&quot;&gt;Dodawanie zdjęć&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#list&quot;&gt;The photo list&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#list&quot;&gt;Lista zdjęć&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#options&quot;&gt;Output options&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#options&quot;&gt;Opcje zdjęć wynikowych&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#output&quot;&gt;Output folder and file names&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#output&quot;&gt;Folder docelowy i nazwy plików&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#text&quot;&gt;Text on the photos&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#text&quot;&gt;Tekst na zdjęciach&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#presets&quot;&gt;Presets&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#presets&quot;&gt;Presety&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#convert&quot;&gt;Converting&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#convert&quot;&gt;Konwersja&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#formats&quot;&gt;Formats&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#formats&quot;&gt;Formaty&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#window&quot;&gt;All controls of the main window&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#window&quot;&gt;Wszystkie elementy okna głównego&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#cli&quot;&gt;The command line: quillmere-convert&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#cli&quot;&gt;Wiersz poleceń: quillmere-convert&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#settings&quot;&gt;What Quillmere remembers&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#settings&quot;&gt;Co Quillmere zapamiętuje&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Quick start</source>
        <translation>Szybki start</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Add Photos&lt;/b&gt; and pick some photos (or drop them onto the window).</source>
        <translation>Nacisnąć &lt;b&gt;Dodaj zdjęcia&lt;/b&gt; i wybrać zdjęcia (albo upuścić je na okno).</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Options&lt;/b&gt; to choose the output format and size. The built-in setting makes @BUILT_IN_FORMAT@ files of quality @QUALITY_BUILT_IN@, @BUILT_IN_WIDTH@ pixels wide, with the height that keeps each photo&apos;s proportions.</source>
        <translation>Nacisnąć &lt;b&gt;Opcje&lt;/b&gt;, aby wybrać format i rozmiar wyjściowy. Ustawienie wbudowane tworzy pliki w formacie @BUILT_IN_FORMAT@ o jakości @QUALITY_BUILT_IN@ i szerokości @BUILT_IN_WIDTH@ px, z wysokością zachowującą proporcje każdego zdjęcia.</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;Output Folder&lt;/b&gt;; the first time it is the folder &lt;code&gt;Quillmere&lt;/code&gt; in your Pictures folder.</source>
        <translation>Sprawdzić &lt;b&gt;Folder docelowy&lt;/b&gt;; przy pierwszym uruchomieniu jest to folder &lt;code&gt;Quillmere&lt;/code&gt; w folderze Obrazy.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Convert&lt;/b&gt;. When the run is done, Quillmere offers to open the folder with the results.</source>
        <translation>Nacisnąć &lt;b&gt;Konwertuj&lt;/b&gt;. Po zakończeniu konwersji Quillmere zaproponuje otwarcie folderu z wynikami.</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>Dodawanie zdjęć</translation>
    </message>
    <message>
        <source>There are three ways to put photos into the list. New photos are added at the end of the list and get the current default output settings (see &lt;a href=&quot;#options&quot;&gt;Options&lt;/a&gt;).</source>
        <translation>Zdjęcia można dodać do listy na trzy sposoby. Nowe zdjęcia trafiają na koniec listy i otrzymują bieżące domyślne ustawienia wyjściowe (zob. &lt;a href=&quot;#options&quot;&gt;Opcje&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Photos&lt;/b&gt; opens a file dialog in which you can select several files at once. It opens in the folder you last added photos from.</source>
        <translation>&lt;b&gt;Dodaj zdjęcia&lt;/b&gt; otwiera okno wyboru plików, w którym można zaznaczyć kilka plików naraz. Okno otwiera się w folderze, z którego ostatnio dodawano zdjęcia.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Drag and drop&lt;/b&gt;: drop files and folders from your file manager onto the window. Files are added in the order dropped; a folder is searched as &lt;b&gt;Search photos&lt;/b&gt; does. Opening photos or folders with Quillmere from a file manager (or &lt;code&gt;quillmere FILE|FOLDER...&lt;/code&gt;) adds them the same way.</source>
        <translation>&lt;b&gt;Przeciąganie i upuszczanie&lt;/b&gt;: pliki i foldery można przeciągnąć z menedżera plików na okno. Pliki są dodawane w kolejności upuszczenia; folder jest przeszukiwany tak samo jak przez &lt;b&gt;Szukaj zdjęć&lt;/b&gt;. Zdjęcia lub foldery otwarte w Quillmere z menedżera plików (lub poleceniem &lt;code&gt;quillmere FILE|FOLDER...&lt;/code&gt;) są dodawane w ten sam sposób.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search photos&lt;/b&gt; asks for a folder and adds every photo found in it and in all its sub-folders, folder by folder. Files with the extensions @PHOTO_EXTENSIONS@ are considered (in any letter case).</source>
        <translation>&lt;b&gt;Szukaj zdjęć&lt;/b&gt; pyta o folder i dodaje wszystkie zdjęcia znalezione w nim i we wszystkich jego podfolderach, folder po folderze. Uwzględniane są pliki z rozszerzeniami @PHOTO_EXTENSIONS@ (pisanymi dowolną wielkością liter).</translation>
    </message>
    <message>
        <source>Files that are not pictures, or cannot be read, are left out silently. A name with several dots, such as &lt;code&gt;IMG 2009.05.17.jpg&lt;/code&gt; or &lt;code&gt;trip.day1.HEIC&lt;/code&gt;, counts by its last extension. Photos taken with the camera turned are shown and converted upright. Phone photos (HEIC and HEIF) are read as they are.</source>
        <translation>Pliki, które nie są obrazami lub których nie da się odczytać, są pomijane bez komunikatu. W nazwie z kilkoma kropkami, np. &lt;code&gt;IMG 2009.05.17.jpg&lt;/code&gt; lub &lt;code&gt;trip.day1.HEIC&lt;/code&gt;, liczy się ostatnie rozszerzenie. Zdjęcia zrobione obróconym aparatem są wyświetlane i konwertowane we właściwej orientacji. Zdjęcia z telefonu (HEIC i HEIF) są odczytywane bezpośrednio.</translation>
    </message>
    <message>
        <source>From the file manager</source>
        <translation>Z menedżera plików</translation>
    </message>
    <message>
        <source>Right-click photos or folders in the file manager. &lt;b&gt;Convert with Quillmere…&lt;/b&gt; opens this window with them; each saved preset has an entry of its own, &lt;b&gt;Quillmere: &lt;i&gt;preset&lt;/i&gt;&lt;/b&gt; (in Nemo and Dolphin, &lt;b&gt;convert with a preset…&lt;/b&gt; asks which), which converts the selection at once with that preset into the output folder you chose here, in a new time-stamped folder, and ends with a desktop notification naming that folder and any photo that failed. Presets you save later appear without reinstalling anything.</source>
        <translation>W menedżerze plików należy kliknąć zdjęcia lub foldery prawym przyciskiem myszy. &lt;b&gt;Konwertuj w Quillmere…&lt;/b&gt; otwiera to okno z zaznaczonymi elementami. Każdy zapisany preset ma własną pozycję, &lt;b&gt;Quillmere: &lt;i&gt;nazwa presetu&lt;/i&gt;&lt;/b&gt; (w Nemo i Dolphinie &lt;b&gt;konwertuj z presetem…&lt;/b&gt; pyta, którego presetu użyć), która od razu konwertuje zaznaczenie tym presetem do nowego folderu ze znacznikiem czasu w wybranym tutaj folderze docelowym, a na koniec wyświetla powiadomienie z nazwą tego folderu i listą zdjęć, których nie udało się przekonwertować. Presety zapisane później pojawiają się bez ponownej instalacji.</translation>
    </message>
    <message>
        <source>&lt;b&gt;GNOME Files&lt;/b&gt; shows the entries when the package &lt;code&gt;python3-nautilus&lt;/code&gt; is installed (then restart it: &lt;code&gt;nautilus -q&lt;/code&gt;).</source>
        <translation>W programie &lt;b&gt;Pliki&lt;/b&gt; (GNOME) te pozycje pojawiają się, gdy jest zainstalowany pakiet &lt;code&gt;python3-nautilus&lt;/code&gt; (potem należy uruchomić program ponownie: &lt;code&gt;nautilus -q&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Nemo&lt;/b&gt; (Cinnamon) and &lt;b&gt;Dolphin&lt;/b&gt; (KDE) show them at once.</source>
        <translation>&lt;b&gt;Nemo&lt;/b&gt; (Cinnamon) i &lt;b&gt;Dolphin&lt;/b&gt; (KDE) pokazują je od razu.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Thunar&lt;/b&gt; (Xfce) keeps custom actions in each user&apos;s own settings: in Thunar choose &lt;b&gt;Edit → Configure custom actions…&lt;/b&gt;, add an action named &lt;i&gt;Quillmere: Web 2048&lt;/i&gt; with the command &lt;code&gt;/usr/libexec/quillmere/quillmere-file-action convert &apos;Web 2048&apos; %F&lt;/code&gt; (the name of your preset in quotes), and under &lt;b&gt;Appearance Conditions&lt;/b&gt; tick &lt;b&gt;Image Files&lt;/b&gt; and &lt;b&gt;Directories&lt;/b&gt;. An action with the command &lt;code&gt;quillmere %F&lt;/code&gt; opens the window instead.</source>
        <translation>&lt;b&gt;Thunar&lt;/b&gt; (Xfce) przechowuje czynności użytkownika w ustawieniach każdego użytkownika z osobna: w Thunarze należy wybrać &lt;b&gt;Edycja → Czynności...&lt;/b&gt;, dodać czynność o nazwie &lt;i&gt;Quillmere: Web 2048&lt;/i&gt; z poleceniem &lt;code&gt;/usr/libexec/quillmere/quillmere-file-action convert &apos;Web 2048&apos; %F&lt;/code&gt; (nazwa presetu w cudzysłowie), a na karcie &lt;b&gt;Wyświetlanie&lt;/b&gt; zaznaczyć &lt;b&gt;Pliki obrazów&lt;/b&gt; i &lt;b&gt;Katalogi&lt;/b&gt;. Czynność z poleceniem &lt;code&gt;quillmere %F&lt;/code&gt; otwiera zamiast tego okno programu.</translation>
    </message>
    <message>
        <source>The photo list</source>
        <translation>Lista zdjęć</translation>
    </message>
    <message>
        <source>Each row shows one photo: &lt;b&gt;File name&lt;/b&gt;, its size (&lt;b&gt;Width * Height&lt;/b&gt;), the file&apos;s modification &lt;b&gt;Time&lt;/b&gt;, the size it will be converted to (&lt;b&gt;Output Width * Height&lt;/b&gt;) and its &lt;b&gt;Rotate&lt;/b&gt; angle, and its &lt;b&gt;Status&lt;/b&gt; in the last run: waiting, converting, converted, skipped or failed (rest the pointer on it for the reason). Rest the pointer on a name for the full path. The list order is the conversion order and so the numbering order of the new files. The same file may be in the list more than once. &lt;b&gt;Total Photos:&lt;/b&gt; above the list counts the photos.</source>
        <translation>Każdy wiersz przedstawia jedno zdjęcie: &lt;b&gt;Nazwa pliku&lt;/b&gt;, jego wymiary (&lt;b&gt;Szerokość * wysokość&lt;/b&gt;), czas modyfikacji pliku (&lt;b&gt;Czas&lt;/b&gt;), wymiary po konwersji (&lt;b&gt;Wyjściowa szer. * wys.&lt;/b&gt;), kąt obrotu (&lt;b&gt;Obrót&lt;/b&gt;) oraz &lt;b&gt;Stan&lt;/b&gt; w ostatniej konwersji: oczekuje, trwa konwersja, przekonwertowano, pominięto lub błąd (przyczynę widać po zatrzymaniu na nim wskaźnika myszy). Po zatrzymaniu wskaźnika na nazwie widać pełną ścieżkę. Kolejność na liście jest kolejnością konwersji, a więc i numeracji nowych plików. Ten sam plik może występować na liście więcej niż raz. &lt;b&gt;Liczba zdjęć:&lt;/b&gt; nad listą podaje liczbę zdjęć.</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Działanie</translation>
    </message>
    <message>
        <source>Click a row</source>
        <translation>Kliknięcie wiersza</translation>
    </message>
    <message>
        <source>Shows the photo in the preview frame, whole and in its own proportions.</source>
        <translation>Pokazuje zdjęcie w ramce podglądu, w całości i w jego własnych proporcjach.</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;File name&lt;/b&gt; or &lt;b&gt;Time&lt;/b&gt; heading</source>
        <translation>Kliknięcie nagłówka &lt;b&gt;Nazwa pliku&lt;/b&gt; lub &lt;b&gt;Czas&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Sorts the list by that column; click again to reverse the order.</source>
        <translation>Sortuje listę według tej kolumny; ponowne kliknięcie odwraca kolejność.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt; (or double-click / right-click a row)</source>
        <translation>&lt;b&gt;Edytuj&lt;/b&gt; (lub dwukrotne kliknięcie / kliknięcie wiersza prawym przyciskiem)</translation>
    </message>
    <message>
        <source>Opens the output options for each selected photo in turn, so that single photos can get settings of their own.</source>
        <translation>Otwiera kolejno opcje wyjściowe każdego zaznaczonego zdjęcia, tak aby pojedyncze zdjęcia mogły otrzymać własne ustawienia.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Up&lt;/b&gt; / &lt;b&gt;Down&lt;/b&gt;</source>
        <translation>&lt;b&gt;W górę&lt;/b&gt; / &lt;b&gt;W dół&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Move the selected photos one place up or down.</source>
        <translation>Przesuwa zaznaczone zdjęcia o jedno miejsce w górę lub w dół.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Delete&lt;/b&gt; (&lt;kbd&gt;Del&lt;/kbd&gt;)</source>
        <translation>&lt;b&gt;Usuń&lt;/b&gt; (&lt;kbd&gt;Del&lt;/kbd&gt;)</translation>
    </message>
    <message>
        <source>Removes the selected photos from the list (the files stay on disk).</source>
        <translation>Usuwa zaznaczone zdjęcia z listy (pliki pozostają na dysku).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear&lt;/b&gt;</source>
        <translation>&lt;b&gt;Wyczyść&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Empties the list.</source>
        <translation>Opróżnia listę.</translation>
    </message>
    <message>
        <source>Convert, Edit, Up, Down, Delete and Clear are available as soon as the list holds a photo. &lt;kbd&gt;Ctrl+A&lt;/kbd&gt; selects every photo. Every button has an &lt;kbd&gt;Alt&lt;/kbd&gt; letter (the underlined one); &lt;kbd&gt;Ctrl+O&lt;/kbd&gt; is Add Photos, &lt;kbd&gt;Ctrl+F&lt;/kbd&gt; Search photos and &lt;kbd&gt;Ctrl+Return&lt;/kbd&gt; Convert.</source>
        <translation>Przyciski „Konwertuj”, „Edytuj”, „W górę”, „W dół”, „Usuń” i „Wyczyść” są dostępne, gdy tylko na liście znajdzie się jakieś zdjęcie. &lt;kbd&gt;Ctrl+A&lt;/kbd&gt; zaznacza wszystkie zdjęcia. Każdy przycisk ma literę do użycia z klawiszem &lt;kbd&gt;Alt&lt;/kbd&gt; (podkreśloną); &lt;kbd&gt;Ctrl+O&lt;/kbd&gt; to „Dodaj zdjęcia”, &lt;kbd&gt;Ctrl+F&lt;/kbd&gt; – „Szukaj zdjęć”, a &lt;kbd&gt;Ctrl+Return&lt;/kbd&gt; – „Konwertuj”.</translation>
    </message>
    <message>
        <source>Output options</source>
        <translation>Opcje zdjęć wynikowych</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt; edits the default settings that photos added from now on receive. After you confirm it with photos in the list, Quillmere asks whether all photos in the list should get the new settings as well. &lt;b&gt;Edit&lt;/b&gt; opens the same dialog for the selected photos only.</source>
        <translation>Przycisk &lt;b&gt;Opcje&lt;/b&gt; pozwala zmienić ustawienia domyślne, które otrzymują zdjęcia dodawane od tej chwili. Jeśli po zatwierdzeniu na liście są zdjęcia, Quillmere pyta, czy nowe ustawienia mają otrzymać również wszystkie zdjęcia z listy. &lt;b&gt;Edytuj&lt;/b&gt; otwiera to samo okno tylko dla zaznaczonych zdjęć.</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Znaczenie</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Format:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Format wyjściowy:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>@OUTPUT_FORMAT_LIST@ (see &lt;a href=&quot;#formats&quot;&gt;Formats&lt;/a&gt;).</source>
        <translation>@OUTPUT_FORMAT_LIST@ (zob. &lt;a href=&quot;#formats&quot;&gt;Formaty&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pixel format:&lt;/b&gt; (@PIXEL_FORMAT_FORMATS@ only)</source>
        <translation>&lt;b&gt;Format pikseli:&lt;/b&gt; (tylko @PIXEL_FORMAT_FORMATS@)</translation>
    </message>
    <message>
        <source>The colour depth of the BMP file: 1, 4 or 8 bits indexed (2, 16 or 256 colours, made with error diffusion), or one of the direct-colour formats. The text below the list describes the choice. &lt;b&gt;Colours:&lt;/b&gt; for 4 and 8 bits, the standard 16 or 256 colours, or the colours of the photo (the 16 or 256 that best match each photo).</source>
        <translation>Głębia kolorów pliku BMP: 1, 4 lub 8 bitów z kolorami indeksowanymi (2, 16 lub 256 kolorów, uzyskanych przez rozpraszanie błędu) albo jeden z formatów z bezpośrednim zapisem koloru. Tekst pod listą opisuje wybraną pozycję. &lt;b&gt;Kolory:&lt;/b&gt; dla 4 i 8 bitów – standardowe 16 lub 256 kolorów albo kolory zdjęcia (16 lub 256 kolorów najlepiej pasujących do danego zdjęcia).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Do not enlarge&lt;/b&gt;</source>
        <translation>&lt;b&gt;Nie powiększaj&lt;/b&gt;</translation>
    </message>
    <message>
        <source>With @NO_ENLARGE_RULES@: a photo smaller than the chosen size keeps its own size (no side grows), so a 100*66 picture is not blown up to 1024*675.</source>
        <translation>Dotyczy: @NO_ENLARGE_RULES@. Zdjęcie mniejsze niż wybrany rozmiar zachowuje własny rozmiar (żaden bok nie rośnie), więc obraz 100*66 nie zostanie rozdmuchany do 1024*675.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quality Control:&lt;/b&gt; (@QUALITY_FORMATS@)</source>
        <translation>&lt;b&gt;Jakość:&lt;/b&gt; (@QUALITY_FORMATS@)</translation>
    </message>
    <message>
        <source>Quality from @QUALITY_MIN@ (smallest file) to @QUALITY_MAX@ (best picture), for every format that loses detail to save space. The quality you confirm last is remembered and shown every time the dialog opens.</source>
        <translation>Jakość od @QUALITY_MIN@ (najmniejszy plik) do @QUALITY_MAX@ (najlepszy obraz) dla każdego formatu, który traci szczegóły, by oszczędzić miejsce. Ostatnio zatwierdzona jakość jest zapamiętywana i wyświetlana przy każdym otwarciu okna.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lossless&lt;/b&gt; (@LOSSLESS_FORMATS@)</source>
        <translation>&lt;b&gt;Bezstratnie&lt;/b&gt; (@LOSSLESS_FORMATS@)</translation>
    </message>
    <message>
        <source>Keeps every pixel exactly; the quality is then not used and the files are larger.</source>
        <translation>Zachowuje dokładnie każdy piksel; jakość nie jest wtedy używana, a pliki są większe.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Limit file size to … KB&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ogranicz rozmiar pliku do … KB&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Every output file at most this many KB (1 KB = 1,000 bytes), camera data included, for upload forms and mail limits. @QUALITY_FORMATS@ files get the best quality that fits, found in a few trial encodes and never above the quality set; where even quality 30 does not fit, the picture is made smaller until it does. Lossless files (PNG, TIF, BMP, Lossless) can only be made smaller. A photo that already fits, in the same format and size with all its camera data, is copied unchanged. The command line adds &lt;code&gt;--min-quality&lt;/code&gt;, &lt;code&gt;--no-shrink-to-fit&lt;/code&gt;, &lt;code&gt;--chroma&lt;/code&gt; and &lt;code&gt;--progressive&lt;/code&gt;.</source>
        <translation>Każdy plik wynikowy ma najwyżej tyle KB (1 KB = 1000 bajtów), łącznie z danymi aparatu – na potrzeby formularzy przesyłania i limitów poczty. Pliki w formatach @QUALITY_FORMATS@ otrzymują najlepszą jakość, która się mieści, ustaloną w kilku próbnych kodowaniach i nigdy wyższą niż ustawiona; jeśli nie mieści się nawet jakość 30, obraz jest zmniejszany, aż się zmieści. Pliki bezstratne (PNG, TIF, BMP, Bezstratnie) mogą być tylko zmniejszane. Zdjęcie, które już się mieści, w tym samym formacie i rozmiarze oraz ze wszystkimi danymi aparatu, jest kopiowane bez zmian. Wiersz poleceń oferuje dodatkowo &lt;code&gt;--min-quality&lt;/code&gt;, &lt;code&gt;--no-shrink-to-fit&lt;/code&gt;, &lt;code&gt;--chroma&lt;/code&gt; i &lt;code&gt;--progressive&lt;/code&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Camera data (EXIF, XMP, IPTC):&lt;/b&gt;</source>
        <translation>&lt;b&gt;Dane aparatu (EXIF, XMP, IPTC):&lt;/b&gt;</translation>
    </message>
    <message>
        <source>What the outputs keep of the data the camera or phone stored with the photo (not for @FORMATS_WITHOUT_CAMERA_DATA@):</source>
        <translation>Co pliki wynikowe zachowują z danych zapisanych wraz ze zdjęciem przez aparat lub telefon (nie dotyczy: @FORMATS_WITHOUT_CAMERA_DATA@):</translation>
    </message>
    <message>
        <source>&lt;b&gt;Camera RAW photos:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Zdjęcia RAW z aparatu:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>How camera RAW files (recognised by their content) are developed, always with the camera&apos;s white balance and no automatic brightening, so that the photos of one shoot match:</source>
        <translation>Sposób wywoływania plików RAW z aparatu (rozpoznawanych po zawartości) – zawsze z balansem bieli aparatu i bez automatycznego rozjaśniania, aby zdjęcia z jednej sesji do siebie pasowały:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Rotate by angle&lt;/b&gt;</source>
        <translation>&lt;b&gt;Obróć o kąt&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Turn the result by @ROTATION_CHOICES@ degrees clockwise.</source>
        <translation>Obraca wynik o @ROTATION_CHOICES@ stopni w prawo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Flip&lt;/b&gt;</source>
        <translation>&lt;b&gt;Odbicie&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aspect:&lt;/b&gt; (Fill and Pad)</source>
        <translation>&lt;b&gt;Proporcje:&lt;/b&gt; („Wypełnij” i „Dopełnij tłem”)</translation>
    </message>
    <message>
        <source>1:1, 4:5, 3:2, 16:9 or 9:16 fills in the height from the width you type (1080 wide at 4:5 gives 1350); &lt;i&gt;Custom&lt;/i&gt; keeps the height you type.</source>
        <translation>1:1, 4:5, 3:2, 16:9 lub 9:16 wylicza wysokość z wpisanej szerokości (szerokość 1080 przy 4:5 daje 1350); &lt;i&gt;Własne&lt;/i&gt; zachowuje wpisaną wysokość.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Crop:&lt;/b&gt; (Fill and Pad)</source>
        <translation>&lt;b&gt;Kadrowanie:&lt;/b&gt; („Wypełnij” i „Dopełnij tłem”)</translation>
    </message>
    <message>
        <source>Which part of the photo Fill keeps (an edge, a corner, the centre, or &lt;i&gt;Smart&lt;/i&gt;: the part with the most detail, skin tones and colour), or where Pad places the photo.</source>
        <translation>Którą część zdjęcia zachowuje „Wypełnij” (krawędź, narożnik, środek albo &lt;i&gt;Inteligentne&lt;/i&gt;: część z największą ilością szczegółów, odcieni skóry i kolorów) lub gdzie „Dopełnij tłem” umieszcza zdjęcie.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Background:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Tło:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The colour of Pad&apos;s margins and of transparent areas of the photos (white unless you choose another).</source>
        <translation>Kolor marginesów przy „Dopełnij tłem” i przezroczystych obszarów zdjęć (biały, o ile nie wybrano innego).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sharpen when reduced:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Wyostrzanie po zmniejszeniu:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>A mild sharpening of the photo&apos;s lightness after it was made smaller, the more the more it was reduced (up to half its size); a photo that is not reduced is never sharpened.</source>
        <translation>Łagodne wyostrzenie luminancji zdjęcia po zmniejszeniu, tym silniejsze, im bardziej zdjęcie zmniejszono (do połowy rozmiaru); zdjęcie niezmniejszane nigdy nie jest wyostrzane.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Resolution:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Rozdzielczość:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The DPI written into JPG, PNG, TIF and BMP files (WebP and AVIF with camera data); &lt;i&gt;As the source&lt;/i&gt; keeps the photo&apos;s own.</source>
        <translation>Wartość DPI zapisywana w plikach JPG, PNG, TIF i BMP (w WebP i AVIF – wraz z danymi aparatu); &lt;i&gt;Jak w oryginale&lt;/i&gt; zachowuje wartość zdjęcia.</translation>
    </message>
    <message>
        <source>Photos are turned upright (from the orientation the camera recorded) before any size rule is applied, so a portrait photo&apos;s width is its short side. Sizes are whole pixels: the fixed size and Stretch cut them, the other rules round to the nearest pixel.</source>
        <translation>Zanim zostanie zastosowana reguła rozmiaru, zdjęcia są obracane do właściwej orientacji (zapisanej przez aparat), więc szerokość zdjęcia pionowego to jego krótszy bok. Rozmiary są liczbami całkowitymi pikseli: stały rozmiar i „Rozciągnij” odcinają część ułamkową, pozostałe reguły zaokrąglają do najbliższego piksela.</translation>
    </message>
    <message>
        <source>The dialog shows only what matters for the chosen format and size rule. When you press OK, every number is checked, including those of hidden or unavailable fields: a message names what is wrong, the field gets the focus and the dialog stays open.</source>
        <translation>Okno pokazuje tylko to, co ma znaczenie dla wybranego formatu i reguły rozmiaru. Po naciśnięciu OK sprawdzana jest każda liczba, także w ukrytych lub niedostępnych polach: komunikat wskazuje, co jest nie tak, pole otrzymuje fokus, a okno pozostaje otwarte.</translation>
    </message>
    <message>
        <source>Output folder and file names</source>
        <translation>Folder docelowy i nazwy plików</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Folder:&lt;/b&gt; is where the results go; type a folder or choose one with &lt;b&gt;Browse&lt;/b&gt;. On the first start it is the folder &lt;code&gt;Quillmere&lt;/code&gt; inside your Pictures folder, which Quillmere creates for you. The folder you used last is remembered.</source>
        <translation>&lt;b&gt;Folder docelowy:&lt;/b&gt; to miejsce zapisu wyników; folder można wpisać lub wybrać przyciskiem &lt;b&gt;Przeglądaj&lt;/b&gt;. Przy pierwszym uruchomieniu jest to folder &lt;code&gt;Quillmere&lt;/code&gt; w folderze Obrazy, który Quillmere tworzy automatycznie. Ostatnio użyty folder jest zapamiętywany.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The run folder.&lt;/b&gt; Every conversion makes a new folder inside the output folder, named after the moment it started as &lt;code&gt;year.month.day.hour.minute.second&lt;/code&gt;, for example &lt;code&gt;2026.05.17.14.05.09&lt;/code&gt;. Earlier results are therefore never overwritten.</source>
        <translation>&lt;b&gt;Folder konwersji.&lt;/b&gt; Każda konwersja tworzy w folderze docelowym nowy folder, nazwany według chwili jej rozpoczęcia w postaci &lt;code&gt;year.month.day.hour.minute.second&lt;/code&gt; (rok, miesiąc, dzień, godzina, minuta, sekunda), np. &lt;code&gt;2026.05.17.14.05.09&lt;/code&gt;. Dzięki temu wcześniejsze wyniki nigdy nie są nadpisywane.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The naming rule.&lt;/b&gt; With &lt;b&gt;Batch rename prefix:&lt;/b&gt; (default &lt;code&gt;output.photo&lt;/code&gt;) each file is named</source>
        <translation>&lt;b&gt;Reguła nazewnictwa.&lt;/b&gt; Z prefiksem z pola &lt;b&gt;Prefiks nazw wsadowych:&lt;/b&gt; (domyślnie &lt;code&gt;output.photo&lt;/code&gt;) każdy plik otrzymuje nazwę:</translation>
    </message>
    <message>
        <source>where the number is the photo&apos;s place in the list, padded with zeros to the width of the photo count (&lt;code&gt;1&lt;/code&gt;–&lt;code&gt;9&lt;/code&gt; for up to 9 photos, &lt;code&gt;01&lt;/code&gt;–&lt;code&gt;12&lt;/code&gt; for 12, &lt;code&gt;001&lt;/code&gt; for 100 or more), and the date is the one chosen in the list beside the prefix:</source>
        <translation>gdzie numer (number) to miejsce zdjęcia na liście, uzupełnione zerami do liczby cyfr liczby zdjęć (&lt;code&gt;1&lt;/code&gt;–&lt;code&gt;9&lt;/code&gt; dla najwyżej 9 zdjęć, &lt;code&gt;01&lt;/code&gt;–&lt;code&gt;12&lt;/code&gt; dla 12, &lt;code&gt;001&lt;/code&gt; dla 100 i więcej), a data (year.month.day) to data wybrana na liście obok prefiksu:</translation>
    </message>
    <message>
        <source>Example: prefix &lt;code&gt;trip&lt;/code&gt;, 12 photos, the third taken (or, with File date, modified) on 17 May 2009 gives &lt;code&gt;trip.03.2009.05.17.jpg&lt;/code&gt;. Photos copied from a camera card get the copy&apos;s day as their file date; choose Date taken to name them after the day they were taken.</source>
        <translation>Przykład: prefiks &lt;code&gt;trip&lt;/code&gt;, 12 zdjęć, trzecie wykonane (lub, przy „Data pliku”, zmodyfikowane) 17 maja 2009 r. daje &lt;code&gt;trip.03.2009.05.17.jpg&lt;/code&gt;. Zdjęcia skopiowane z karty pamięci mają jako datę pliku dzień skopiowania; aby nazwać je według dnia wykonania, należy wybrać „Data wykonania”.</translation>
    </message>
    <message>
        <source>Check &lt;b&gt;Not rename&lt;/b&gt; to keep each photo&apos;s own name instead (only the extension changes, for example &lt;code&gt;IMG_0001.jpg&lt;/code&gt;); the prefix field is then unavailable. If a file of that name already exists, Quillmere asks before replacing it.</source>
        <translation>Zaznaczenie pola &lt;b&gt;Bez zmiany nazw&lt;/b&gt; zachowuje zamiast tego własną nazwę każdego zdjęcia (zmienia się tylko rozszerzenie, np. &lt;code&gt;IMG_0001.jpg&lt;/code&gt;); pole prefiksu jest wtedy niedostępne. Jeśli plik o tej nazwie już istnieje, Quillmere pyta przed jego zastąpieniem.</translation>
    </message>
    <message>
        <source>Check &lt;b&gt;Keep sub-folders&lt;/b&gt; to keep the folder tree of a search: a photo that &lt;b&gt;Search photos&lt;/b&gt; (or a dropped folder) found in &lt;code&gt;Holiday/Day2/&lt;/code&gt; is written to &lt;code&gt;Day2/&lt;/code&gt; inside the run folder (for example &lt;code&gt;Day2/IMG_0001.jpg&lt;/code&gt;, or &lt;code&gt;Day2/trip.07.2009.05.17.jpg&lt;/code&gt; with renaming: the numbers still count through the whole list). Photos added one by one go to the run folder itself.</source>
        <translation>Zaznaczenie pola &lt;b&gt;Zachowaj podfoldery&lt;/b&gt; zachowuje strukturę folderów z wyszukiwania: zdjęcie znalezione przez &lt;b&gt;Szukaj zdjęć&lt;/b&gt; (lub w upuszczonym folderze) w &lt;code&gt;Holiday/Day2/&lt;/code&gt; jest zapisywane do &lt;code&gt;Day2/&lt;/code&gt; w folderze konwersji (np. &lt;code&gt;Day2/IMG_0001.jpg&lt;/code&gt; lub, ze zmianą nazw, &lt;code&gt;Day2/trip.07.2009.05.17.jpg&lt;/code&gt;: numeracja nadal biegnie przez całą listę). Zdjęcia dodane pojedynczo trafiają bezpośrednio do folderu konwersji.</translation>
    </message>
    <message>
        <source>Text on the photos</source>
        <translation>Tekst na zdjęciach</translation>
    </message>
    <message>
        <source>Type a line into &lt;b&gt;Add text to photo:&lt;/b&gt; to write it on every converted photo, for example a copyright note. &lt;b&gt;Position x, y:&lt;/b&gt; is the place of the text&apos;s top-left corner, in pixels of the converted photo before it is rotated or flipped. A position outside the photo is reported and set to 0. &lt;b&gt;Font&lt;/b&gt; opens a dialog in which you choose the font, its style, its size in pixels of the output photo, underline, strikeout and the colour; the chosen font&apos;s name is shown beside the position fields. Font and colour are remembered; the text itself is not.</source>
        <translation>Wiersz wpisany w polu &lt;b&gt;Dodaj tekst do zdjęcia:&lt;/b&gt; zostanie naniesiony na każde przekonwertowane zdjęcie, np. informacja o prawach autorskich. &lt;b&gt;Pozycja x, y:&lt;/b&gt; to położenie lewego górnego rogu tekstu w pikselach przekonwertowanego zdjęcia przed obróceniem lub odbiciem. Pozycja poza zdjęciem jest zgłaszana i ustawiana na 0. &lt;b&gt;Czcionka&lt;/b&gt; otwiera okno, w którym wybiera się czcionkę, jej styl, rozmiar w pikselach zdjęcia wynikowego, podkreślenie, przekreślenie i kolor; nazwa wybranej czcionki jest wyświetlana obok pól pozycji. Czcionka i kolor są zapamiętywane, sam tekst – nie.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anchor:&lt;/b&gt; measures x and y from another corner, an edge or the middle of the photo instead: with &lt;i&gt;Bottom right&lt;/i&gt;, 20, 20 puts the text 20 pixels from the right and bottom edges of every photo, whatever its size. With any anchor but &lt;i&gt;Top left&lt;/i&gt; the text is kept inside the photo. &lt;b&gt;Size:&lt;/b&gt; gives the text&apos;s height as a percentage of each photo&apos;s shorter side, so that a caption has the same weight on a small and a large output; at &lt;i&gt;Font size&lt;/i&gt; the size chosen with &lt;b&gt;Font&lt;/b&gt; counts. &lt;b&gt;Opacity:&lt;/b&gt; lets the photo show through the text, and &lt;i&gt;Outline&lt;/i&gt; or &lt;i&gt;Shadow&lt;/i&gt; draws a dark (or, for dark text, light) edge that keeps it legible on any background. The preview shows the text on the photo you clicked, scaled with it.</source>
        <translation>&lt;b&gt;Zakotwiczenie:&lt;/b&gt; pozwala mierzyć x i y od innego rogu, krawędzi lub środka zdjęcia: przy &lt;i&gt;Prawy dolny róg&lt;/i&gt; wartości 20, 20 umieszczają tekst 20 pikseli od prawej i dolnej krawędzi każdego zdjęcia, niezależnie od jego rozmiaru. Przy każdym zakotwiczeniu innym niż &lt;i&gt;Lewy górny róg&lt;/i&gt; tekst pozostaje w obrębie zdjęcia. &lt;b&gt;Rozmiar:&lt;/b&gt; określa wysokość tekstu jako procent krótszego boku każdego zdjęcia, dzięki czemu podpis ma taką samą wagę na małym i na dużym zdjęciu wynikowym; przy &lt;i&gt;Rozmiar czcionki&lt;/i&gt; obowiązuje rozmiar wybrany przyciskiem &lt;b&gt;Czcionka&lt;/b&gt;. &lt;b&gt;Krycie:&lt;/b&gt; pozwala zdjęciu prześwitywać przez tekst, a &lt;i&gt;Obrys&lt;/i&gt; lub &lt;i&gt;Cień&lt;/i&gt; rysuje ciemną (a dla ciemnego tekstu – jasną) krawędź, dzięki której tekst jest czytelny na każdym tle. Podgląd pokazuje tekst na klikniętym zdjęciu, przeskalowany razem z nim.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Watermark:&lt;/b&gt; draws a picture, such as your logo, on every photo: choose a PNG, WebP or SVG file (its transparency is kept) with &lt;b&gt;Logo…&lt;/b&gt; or type its path; clear the field for none. It sits at the chosen corner, edge or middle, &lt;b&gt;Size:&lt;/b&gt; sets its longer side as a percentage of each photo&apos;s shorter side, &lt;b&gt;Opacity:&lt;/b&gt; how much of the photo shows through, and &lt;b&gt;Margin:&lt;/b&gt; its distance from the edges, also as a percentage of the shorter side. The file is read when you choose it, and every photo of a conversion gets that picture.</source>
        <translation>&lt;b&gt;Znak wodny:&lt;/b&gt; nanosi obraz, np. logo, na każde zdjęcie: plik PNG, WebP lub SVG (z zachowaniem przezroczystości) wybiera się przyciskiem &lt;b&gt;Logo…&lt;/b&gt; albo wpisuje się jego ścieżkę; puste pole oznacza brak znaku wodnego. Znak jest umieszczany w wybranym rogu, przy krawędzi lub na środku; &lt;b&gt;Rozmiar:&lt;/b&gt; ustala jego dłuższy bok jako procent krótszego boku każdego zdjęcia, &lt;b&gt;Krycie:&lt;/b&gt; – w jakim stopniu prześwituje przez niego zdjęcie, a &lt;b&gt;Margines:&lt;/b&gt; – jego odległość od krawędzi, również jako procent krótszego boku. Plik jest odczytywany w chwili wyboru i każde zdjęcie w danej konwersji otrzymuje ten sam obraz.</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Presety</translation>
    </message>
    <message>
        <source>A preset keeps the output settings for new photos, the naming (prefix, &lt;b&gt;Not rename&lt;/b&gt;, &lt;b&gt;Keep sub-folders&lt;/b&gt;), the text and the watermark with all their settings under a name. &lt;b&gt;Save as…&lt;/b&gt; stores the window&apos;s current settings, &lt;b&gt;Apply&lt;/b&gt; brings the chosen preset back and, as &lt;b&gt;Options&lt;/b&gt; does, asks whether the listed photos get its output settings too, and &lt;b&gt;Remove&lt;/b&gt; removes it. The command line uses the same presets (&lt;code&gt;--preset&lt;/code&gt;, &lt;code&gt;--save-preset&lt;/code&gt;, &lt;code&gt;--list-presets&lt;/code&gt;).</source>
        <translation>Preset przechowuje pod jedną nazwą ustawienia wyjściowe dla nowych zdjęć, nazewnictwo (prefiks, &lt;b&gt;Bez zmiany nazw&lt;/b&gt;, &lt;b&gt;Zachowaj podfoldery&lt;/b&gt;), tekst i znak wodny wraz ze wszystkimi ich ustawieniami. &lt;b&gt;Zapisz jako…&lt;/b&gt; zapisuje bieżące ustawienia okna, &lt;b&gt;Zastosuj&lt;/b&gt; przywraca wybrany preset i – podobnie jak &lt;b&gt;Opcje&lt;/b&gt; – pyta, czy zdjęcia z listy też mają otrzymać jego ustawienia wyjściowe, a &lt;b&gt;Usuń&lt;/b&gt; usuwa go. Wiersz poleceń korzysta z tych samych presetów (&lt;code&gt;--preset&lt;/code&gt;, &lt;code&gt;--save-preset&lt;/code&gt;, &lt;code&gt;--list-presets&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Konwersja</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; starts the run; while it runs the button reads &lt;b&gt;Stop&lt;/b&gt;, and pressing it stops the run after the photos in hand. The progress bar shows how many photos are done and about how long the rest will take. A photo that cannot be converted does not hold the run: its row says &lt;b&gt;Failed&lt;/b&gt; (the reason is in its tooltip), a line goes to the activity log &lt;code&gt;Corvale.log&lt;/code&gt; in the output folder, and the other photos are converted all the same. Before the first file is written a replace question is asked only for files that were there before the run, once for all of them if you answer &lt;b&gt;Yes to all&lt;/b&gt; or &lt;b&gt;No to all&lt;/b&gt;; two photos that would get the same name get two files (&lt;code&gt;IMG_0001.jpg&lt;/code&gt;, &lt;code&gt;IMG_0001-2.jpg&lt;/code&gt;). A photo is written under its final name only when it is complete, so a failed or stopped conversion never leaves a half-written file. When the run ends, one box lists every photo that failed with its reason in plain words (&lt;b&gt;Copy&lt;/b&gt; puts the list on the clipboard, &lt;b&gt;Show log&lt;/b&gt; opens the log), says how many photos a stop left unconverted, and offers to open the output folder or to &lt;b&gt;Convert the rest&lt;/b&gt; into the same folder with the numbering continued. &lt;b&gt;View log&lt;/b&gt; opens &lt;code&gt;Corvale.log&lt;/code&gt; in your text editor. If the output folder you typed does not exist yet, it is made with any folders missing above it; when it cannot be made, the message says why. Escape never closes the window; closing it with photos in the list, or during a run, asks first. The settings of the window come back at the next start.</source>
        <translation>&lt;b&gt;Konwertuj&lt;/b&gt; rozpoczyna konwersję; w jej trakcie przycisk nosi nazwę &lt;b&gt;Zatrzymaj&lt;/b&gt;, a jego naciśnięcie zatrzymuje konwersję po ukończeniu przetwarzanych właśnie zdjęć. Pasek postępu pokazuje, ile zdjęć jest gotowych i ile mniej więcej potrwa reszta. Zdjęcie, którego nie da się przekonwertować, nie wstrzymuje konwersji: jego wiersz pokazuje &lt;b&gt;Błąd&lt;/b&gt; (przyczyna jest w podpowiedzi), do dziennika aktywności &lt;code&gt;Corvale.log&lt;/code&gt; w folderze docelowym trafia wpis, a pozostałe zdjęcia są mimo to konwertowane. Przed zapisaniem pierwszego pliku pytanie o zastąpienie pada tylko w przypadku plików, które istniały przed konwersją – raz dla wszystkich, jeśli odpowiedzią jest &lt;b&gt;Tak dla wszystkich&lt;/b&gt; lub &lt;b&gt;Nie dla wszystkich&lt;/b&gt;; dwa zdjęcia, które dostałyby tę samą nazwę, dają dwa pliki (&lt;code&gt;IMG_0001.jpg&lt;/code&gt;, &lt;code&gt;IMG_0001-2.jpg&lt;/code&gt;). Zdjęcie jest zapisywane pod ostateczną nazwą dopiero wtedy, gdy jest kompletne, więc nieudana lub zatrzymana konwersja nigdy nie zostawia pliku zapisanego do połowy. Po zakończeniu konwersji jedno okno wymienia każde zdjęcie, którego nie udało się przekonwertować, wraz z przyczyną opisaną zwykłymi słowami (&lt;b&gt;Kopiuj&lt;/b&gt; kopiuje listę do schowka, &lt;b&gt;Pokaż dziennik&lt;/b&gt; otwiera dziennik), podaje, ile zdjęć pozostało nieprzekonwertowanych z powodu zatrzymania, i proponuje otwarcie folderu docelowego lub &lt;b&gt;Konwertuj pozostałe&lt;/b&gt; do tego samego folderu z kontynuacją numeracji. &lt;b&gt;Pokaż dziennik&lt;/b&gt; w oknie głównym otwiera &lt;code&gt;Corvale.log&lt;/code&gt; w edytorze tekstu. Jeśli wpisany folder docelowy jeszcze nie istnieje, zostaje utworzony wraz z brakującymi folderami nadrzędnymi; jeśli nie da się go utworzyć, komunikat podaje przyczynę. Klawisz Esc nigdy nie zamyka okna; zamknięcie go, gdy na liście są zdjęcia lub trwa konwersja, wymaga potwierdzenia. Ustawienia okna są przywracane przy następnym uruchomieniu.</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formaty</translation>
    </message>
    <message>
        <source>Quillmere reads the common picture formats (JPEG, PNG, TIFF, GIF, BMP, WebP and more). It writes:</source>
        <translation>Quillmere odczytuje popularne formaty obrazów (JPEG, PNG, TIFF, GIF, BMP, WebP i inne). Zapisuje:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Every output is 8-bit RGB on a white background; colour profiles are converted to sRGB and the source&apos;s resolution (DPI) is kept where the format has one. A photo larger than its format can store is refused with a message before it is read. The camera data kept is set under &lt;a href=&quot;#options&quot;&gt;Camera data&lt;/a&gt;.</source>
        <translation>Każdy plik wynikowy to 8-bitowy RGB na białym tle; profile kolorów są konwertowane do sRGB, a rozdzielczość (DPI) oryginału jest zachowywana, jeśli format ją przechowuje. Zdjęcie większe, niż może zapisać jego format, jest odrzucane z komunikatem jeszcze przed odczytem. Zachowywane dane aparatu ustawia się w wierszu &lt;a href=&quot;#options&quot;&gt;Dane aparatu&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>All controls of the main window</source>
        <translation>Wszystkie elementy okna głównego</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Photos&lt;/b&gt;</source>
        <translation>&lt;b&gt;Dodaj zdjęcia&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Add photos with a file dialog.</source>
        <translation>Dodaje zdjęcia za pomocą okna wyboru plików.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search photos&lt;/b&gt;</source>
        <translation>&lt;b&gt;Szukaj zdjęć&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Add every photo of a folder and its sub-folders.</source>
        <translation>Dodaje wszystkie zdjęcia z folderu i jego podfolderów.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt;</source>
        <translation>&lt;b&gt;Opcje&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default output settings for new photos (and, if you agree, for all listed photos).</source>
        <translation>Domyślne ustawienia wyjściowe dla nowych zdjęć (i, po potwierdzeniu, dla wszystkich zdjęć z listy).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; / &lt;b&gt;Stop&lt;/b&gt;</source>
        <translation>&lt;b&gt;Konwertuj&lt;/b&gt; / &lt;b&gt;Zatrzymaj&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start or stop the conversion.</source>
        <translation>Rozpoczyna lub zatrzymuje konwersję.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt; (&lt;kbd&gt;F1&lt;/kbd&gt;)</source>
        <translation>&lt;b&gt;Pomoc&lt;/b&gt; (&lt;kbd&gt;F1&lt;/kbd&gt;)</translation>
    </message>
    <message>
        <source>Opens this guide in your web browser.</source>
        <translation>Otwiera ten podręcznik w przeglądarce internetowej.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Total Photos:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Liczba zdjęć:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The number of photos in the list.</source>
        <translation>Liczba zdjęć na liście.</translation>
    </message>
    <message>
        <source>Photo list, &lt;b&gt;Edit&lt;/b&gt;, &lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;, &lt;b&gt;Delete&lt;/b&gt;, &lt;b&gt;Clear&lt;/b&gt;</source>
        <translation>Lista zdjęć, &lt;b&gt;Edytuj&lt;/b&gt;, &lt;b&gt;W górę&lt;/b&gt;, &lt;b&gt;W dół&lt;/b&gt;, &lt;b&gt;Usuń&lt;/b&gt;, &lt;b&gt;Wyczyść&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#list&quot;&gt;The photo list&lt;/a&gt;.</source>
        <translation>Zob. &lt;a href=&quot;#list&quot;&gt;Lista zdjęć&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Folder:&lt;/b&gt;, &lt;b&gt;Browse&lt;/b&gt;</source>
        <translation>&lt;b&gt;Folder docelowy:&lt;/b&gt;, &lt;b&gt;Przeglądaj&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Where the run folders are made.</source>
        <translation>Miejsce, w którym powstają foldery konwersji.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add text to photo:&lt;/b&gt;, &lt;b&gt;Position x, y:&lt;/b&gt;, &lt;b&gt;Font&lt;/b&gt;</source>
        <translation>&lt;b&gt;Dodaj tekst do zdjęcia:&lt;/b&gt;, &lt;b&gt;Pozycja x, y:&lt;/b&gt;, &lt;b&gt;Czcionka&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#text&quot;&gt;Text on the photos&lt;/a&gt;.</source>
        <translation>Zob. &lt;a href=&quot;#text&quot;&gt;Tekst na zdjęciach&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anchor:&lt;/b&gt;, &lt;b&gt;Size:&lt;/b&gt;, &lt;b&gt;Opacity:&lt;/b&gt;, outline or shadow</source>
        <translation>&lt;b&gt;Zakotwiczenie:&lt;/b&gt;, &lt;b&gt;Rozmiar:&lt;/b&gt;, &lt;b&gt;Krycie:&lt;/b&gt;, obrys lub cień</translation>
    </message>
    <message>
        <source>&lt;b&gt;Batch rename prefix:&lt;/b&gt; &lt;i&gt;+Number+Time&lt;/i&gt;, &lt;b&gt;File date&lt;/b&gt; / &lt;b&gt;Date taken&lt;/b&gt;, &lt;b&gt;Not rename&lt;/b&gt;, &lt;b&gt;Keep sub-folders&lt;/b&gt;</source>
        <translation>&lt;b&gt;Prefiks nazw wsadowych:&lt;/b&gt; &lt;i&gt;+Numer+Czas&lt;/i&gt;, &lt;b&gt;Data pliku&lt;/b&gt; / &lt;b&gt;Data wykonania&lt;/b&gt;, &lt;b&gt;Bez zmiany nazw&lt;/b&gt;, &lt;b&gt;Zachowaj podfoldery&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#output&quot;&gt;the naming rule&lt;/a&gt;.</source>
        <translation>Zob. &lt;a href=&quot;#output&quot;&gt;Reguła nazewnictwa&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Preset:&lt;/b&gt;, &lt;b&gt;Apply&lt;/b&gt;, &lt;b&gt;Save as…&lt;/b&gt;, &lt;b&gt;Remove&lt;/b&gt;</source>
        <translation>&lt;b&gt;Preset:&lt;/b&gt;, &lt;b&gt;Zastosuj&lt;/b&gt;, &lt;b&gt;Zapisz jako…&lt;/b&gt;, &lt;b&gt;Usuń&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#presets&quot;&gt;Presets&lt;/a&gt;.</source>
        <translation>Zob. &lt;a href=&quot;#presets&quot;&gt;Presety&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Preview frame</source>
        <translation>Ramka podglądu</translation>
    </message>
    <message>
        <source>Shows the photo you clicked in the list.</source>
        <translation>Pokazuje zdjęcie kliknięte na liście.</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>Pasek postępu</translation>
    </message>
    <message>
        <source>Progress of the current run.</source>
        <translation>Postęp bieżącej konwersji.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Update&lt;/b&gt;</source>
        <translation>&lt;b&gt;Aktualizuj&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Opens the Quillmere web site, where new versions are published.</source>
        <translation>Otwiera witrynę Quillmere, na której publikowane są nowe wersje.</translation>
    </message>
    <message>
        <source>&lt;b&gt;About&lt;/b&gt;</source>
        <translation>&lt;b&gt;O programie&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Version and contact addresses.</source>
        <translation>Wersja i adresy kontaktowe.</translation>
    </message>
    <message>
        <source>&lt;b&gt;View log&lt;/b&gt;</source>
        <translation>&lt;b&gt;Pokaż dziennik&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Opens the activity log &lt;code&gt;Corvale.log&lt;/code&gt;.</source>
        <translation>Otwiera dziennik aktywności &lt;code&gt;Corvale.log&lt;/code&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Exit&lt;/b&gt;</source>
        <translation>&lt;b&gt;Zakończ&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Saves the output folder, the font and colour, the prefix and the date choice, and closes the program.</source>
        <translation>Zapisuje folder docelowy, czcionkę i kolor, prefiks oraz wybór daty, po czym zamyka program.</translation>
    </message>
    <message>
        <source>The command line: quillmere-convert</source>
        <translation>Wiersz poleceń: quillmere-convert</translation>
    </message>
    <message>
        <source>&lt;code&gt;quillmere-convert&lt;/code&gt; converts photos with the same engine, without a window — for scripts, servers and large jobs.</source>
        <translation>&lt;code&gt;quillmere-convert&lt;/code&gt; konwertuje zdjęcia tym samym mechanizmem, ale bez okna – w skryptach, na serwerach i przy dużych zadaniach.</translation>
    </message>
    <message>
        <source>Each &lt;code&gt;PATH&lt;/code&gt; is a photo or a folder; folders are searched with their sub-folders like &lt;b&gt;Search photos&lt;/b&gt; does. Every option defaults to what the window starts with. An option&apos;s value follows as the next argument or after &lt;code&gt;=&lt;/code&gt; (&lt;code&gt;--text-pos=-5,3&lt;/code&gt;).</source>
        <translation>Każda ścieżka &lt;code&gt;PATH&lt;/code&gt; to zdjęcie lub folder; foldery są przeszukiwane wraz z podfolderami, tak jak robi to &lt;b&gt;Szukaj zdjęć&lt;/b&gt;. Każda opcja ma domyślnie tę wartość, z którą startuje okno. Wartość opcji podaje się jako następny argument lub po znaku &lt;code&gt;=&lt;/code&gt; (&lt;code&gt;--text-pos=-5,3&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>Messages are printed as &lt;code&gt;Caption: text&lt;/code&gt; on standard error, with a progress bar when that is a terminal. The last line on standard output is the run folder. The exit status is 0 when every photo was converted, 1 when some were not, and 2 for wrong options. Files that are not pictures are skipped with a notice.</source>
        <translation>Komunikaty są wypisywane w postaci &lt;code&gt;Caption: text&lt;/code&gt; na standardowe wyjście błędów, wraz z paskiem postępu, jeśli jest ono terminalem. Ostatni wiersz na standardowym wyjściu to folder konwersji. Kod wyjścia wynosi 0, gdy przekonwertowano wszystkie zdjęcia, 1, gdy niektórych nie, i 2 przy błędnych opcjach. Pliki niebędące obrazami są pomijane z komunikatem.</translation>
    </message>
    <message>
        <source>&lt;code&gt;--into&lt;/code&gt;, &lt;code&gt;--number-start&lt;/code&gt; and &lt;code&gt;--number-width&lt;/code&gt; let several runs, on one machine or many, each convert a part of one list and name their files exactly as one run over the whole list would; the README shows how with GNU parallel.</source>
        <translation>Dzięki opcjom &lt;code&gt;--into&lt;/code&gt;, &lt;code&gt;--number-start&lt;/code&gt; i &lt;code&gt;--number-width&lt;/code&gt; jedną listę można podzielić między kilka konwersji, na jednym lub wielu komputerach, a pliki i tak otrzymają dokładnie takie nazwy, jakie nadałaby jedna konwersja całej listy; plik README pokazuje, jak to zrobić z GNU parallel.</translation>
    </message>
    <message>
        <source>What Quillmere remembers</source>
        <translation>Co Quillmere zapamiętuje</translation>
    </message>
    <message>
        <source>Quillmere keeps its settings in &lt;code&gt;~/.config/Harbenwick/quillmere.conf&lt;/code&gt;: the output folder, the rename prefix and the date in the names, the font and colour of the text, the last folders used for adding photos, and in the options dialog the last confirmed format, pixel format and quality. The photo list, the overlay text and its position, and the other output settings (size, Lossless, Do not enlarge, camera data) start fresh at every start. Presets are kept in the same file, in its group &lt;code&gt;[Presets]&lt;/code&gt;, which the command line reads and writes too; a preset keeps every output setting, the date in the names among them.</source>
        <translation>Quillmere przechowuje ustawienia w pliku &lt;code&gt;~/.config/Harbenwick/quillmere.conf&lt;/code&gt;: folder docelowy, prefiks nazw i datę w nazwach, czcionkę i kolor tekstu, ostatnie foldery, z których dodawano zdjęcia, a w oknie opcji ostatnio zatwierdzony format, format pikseli i jakość. Lista zdjęć, nakładany tekst i jego pozycja oraz pozostałe ustawienia wyjściowe (rozmiar, Bezstratnie, Nie powiększaj, dane aparatu) przy każdym uruchomieniu wracają do wartości początkowych. Presety są przechowywane w tym samym pliku, w grupie &lt;code&gt;[Presets]&lt;/code&gt;, którą również odczytuje i zapisuje wiersz poleceń; preset przechowuje każde ustawienie wyjściowe, w tym datę w nazwach.</translation>
    </message>
</context>
<context>
    <name>LanguagePack</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>&amp;About Quillmere</source>
        <translation>&amp;O programie Quillmere</translation>
    </message>
    <message>
        <source>The output width is invalid!</source>
        <translation>Nieprawidłowa szerokość wyjściowa!</translation>
    </message>
    <message>
        <source>The output hight is invalid!</source>
        <translation>Nieprawidłowa wysokość wyjściowa!</translation>
    </message>
    <message>
        <source>Failed to SetResolution!</source>
        <translation>Nie udało się ustawić rozdzielczości!</translation>
    </message>
    <message>
        <source>Failed to SetInterpolationMode!</source>
        <translation>Nie udało się ustawić metody interpolacji!</translation>
    </message>
    <message>
        <source>Failed to convert photo!</source>
        <translation>Nie udało się przekonwertować zdjęcia!</translation>
    </message>
    <message>
        <source>Unknown rotate angle!</source>
        <translation>Nieznany kąt obrotu!</translation>
    </message>
    <message>
        <source>Failed to rotate and flip photo!</source>
        <translation>Nie udało się obrócić i odbić zdjęcia!</translation>
    </message>
    <message>
        <source>Failed to save the file!</source>
        <translation>Nie udało się zapisać pliku!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>%s exists. Do you want to replace it?</source>
        <translation>%s już istnieje. Czy zastąpić ten plik?</translation>
    </message>
    <message>
        <source>The text position X is bigger than the photo width!, The program set it to 0 now.</source>
        <translation>Pozycja X tekstu jest większa niż szerokość zdjęcia! Program ustawił ją na 0.</translation>
    </message>
    <message>
        <source>The text position Y is bigger than the photo height!, The program set it to 0 now.</source>
        <translation>Pozycja Y tekstu jest większa niż wysokość zdjęcia! Program ustawił ją na 0.</translation>
    </message>
    <message>
        <source>The text position X is out of range! The program set it to 0 now.</source>
        <translation>Pozycja X tekstu jest poza zakresem! Program ustawił ją na 0.</translation>
    </message>
    <message>
        <source>The text position Y is out of range! The program set it to 0 now.</source>
        <translation>Pozycja Y tekstu jest poza zakresem! Program ustawił ją na 0.</translation>
    </message>
    <message>
        <source>1 bit per pixel, indexed. 2 color.</source>
        <translation>1 bit na piksel, indeksowany. 2 kolory.</translation>
    </message>
    <message>
        <source>4 bits per pixel, indexed. 16 color.</source>
        <translation>4 bity na piksel, indeksowany. 16 kolorów.</translation>
    </message>
    <message>
        <source>8 bits per pixel, indexed. 256 color.</source>
        <translation>8 bitów na piksel, indeksowany. 256 kolorów.</translation>
    </message>
    <message>
        <source>16 bits per pixel; 5 bits are used for the red component, 6 bits are used for the green component, and 5 bits are used for the blue component.</source>
        <translation>16 bitów na piksel; 5 bitów na składową czerwoną, 6 bitów na zieloną i 5 bitów na niebieską.</translation>
    </message>
    <message>
        <source>24 bits per pixel; 8 bits each are used for the red, green, and blue components.</source>
        <translation>24 bity na piksel; po 8 bitów na składową czerwoną, zieloną i niebieską.</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the alpha, red, green, and blue components.</source>
        <translation>32 bity na piksel; po 8 bitów na składową alfa, czerwoną, zieloną i niebieską.</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the alpha, red, green, and blue components. The red, green, and blue components are premultiplied according to the alpha component.</source>
        <translation>32 bity na piksel; po 8 bitów na składową alfa, czerwoną, zieloną i niebieską. Składowe czerwona, zielona i niebieska są wstępnie przemnożone przez składową alfa.</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the red, green, and blue components. The remaining 8 bits are not used.</source>
        <translation>32 bity na piksel; po 8 bitów na składową czerwoną, zieloną i niebieską. Pozostałe 8 bitów nie jest używanych.</translation>
    </message>
    <message>
        <source>64 bits per pixel; 16 bits each are used for the alpha, red, green, and blue components. Written as 32 bits ARGB, as no BMP reader takes 64 bits.</source>
        <translation>64 bity na piksel; po 16 bitów na składową alfa, czerwoną, zieloną i niebieską. Zapisywany jako 32 bity ARGB, ponieważ żaden program nie odczytuje 64-bitowych plików BMP.</translation>
    </message>
    <message>
        <source>64 bits per pixel; 16 bits each are used for the alpha, red, green, and blue components. The red, green, and blue components are premultiplied according to the alpha component. Written as 32 bits PARGB, as no BMP reader takes 64 bits.</source>
        <translation>64 bity na piksel; po 16 bitów na składową alfa, czerwoną, zieloną i niebieską. Składowe czerwona, zielona i niebieska są wstępnie przemnożone przez składową alfa. Zapisywany jako 32 bity PARGB, ponieważ żaden program nie odczytuje 64-bitowych plików BMP.</translation>
    </message>
</context>
<context>
    <name>ListHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Cofnij: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ponów: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
</context>
<context>
    <name>LocalFigures</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 B</translation>
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
        <translation>oryginał się mieści: skopiowano</translation>
    </message>
    <message>
        <source>fitted by reducing to %1 x %2</source>
        <translation>dopasowano przez zmniejszenie do %1 x %2</translation>
    </message>
    <message>
        <source>fitted: quality %1</source>
        <translation>dopasowano: jakość %1</translation>
    </message>
    <message>
        <source>the source fits (%1): copied unchanged</source>
        <translation>oryginał się mieści (%1): skopiowano bez zmian</translation>
    </message>
    <message>
        <source>%1 at quality %2</source>
        <translation>%1 przy jakości %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n encodes</source>
        <extracomment>%1 is the size and quality (&quot;498 KB at quality 72&quot;); an encode is one trial compression made to find it.</extracomment>
        <translation>
            <numerusform>%1, %n kodowanie</numerusform>
            <numerusform>%1, %n kodowania</numerusform>
            <numerusform>%1, %n kodowań</numerusform>
        </translation>
    </message>
    <message>
        <source>fitted by reducing to %1: %2</source>
        <translation>dopasowano przez zmniejszenie do %1: %2</translation>
    </message>
    <message>
        <source>%1 lossless</source>
        <translation>%1 bezstratnie</translation>
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
        <translation>&amp;Wyczyść</translation>
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
        <translation>Roz&amp;miar:</translation>
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
        <translation>Prefiks nazw ws&amp;adowych:</translation>
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
        <translation>Zac&amp;howaj podfoldery</translation>
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
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>These files were left out because they are not pictures:</source>
        <translation>Te pliki zostały pominięte, ponieważ nie są obrazami:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Przesunięcie w górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Przesunięcie w dół</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usunięcie</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyszczenie listy</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Stop the conversion and quit?</source>
        <translation>Przerwać konwersję i zakończyć?</translation>
    </message>
    <message>
        <source>Stop and quit</source>
        <translation>Przerwij i zakończ</translation>
    </message>
    <message numerus="yes">
        <source>The list of %n photos is not kept. Do you want to quit?</source>
        <translation>
            <numerusform>Lista %n zdjęcia nie zostanie zachowana. Czy zakończyć program?</numerusform>
            <numerusform>Lista %n zdjęć nie zostanie zachowana. Czy zakończyć program?</numerusform>
            <numerusform>Lista %n zdjęć nie zostanie zachowana. Czy zakończyć program?</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>MainDialogHooks</name>
    <message>
        <source>The desktop has no program that opens %1.</source>
        <translation>W środowisku pulpitu nie ma programu, który otwiera %1.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>Zapisz preset</translation>
    </message>
    <message>
        <source>Preset &amp;name:</source>
        <translation>&amp;Nazwa presetu:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizacja</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1 occurs error!</source>
        <translation>Wystąpił błąd: %1!</translation>
    </message>
    <message>
        <source>%1 is not a right directory</source>
        <translation>%1 nie jest prawidłowym folderem</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Odmówiono dostępu do %1.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>Nie znaleziono %1.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 zawiera nieprawidłową ścieżkę.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>Nie można otworzyć %1, ponieważ otwartych jest zbyt wiele plików.</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Podczas dostępu do %1 zgłoszono sprzętowy błąd wejścia/wyjścia.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Podczas dostępu do %1 wystąpiło naruszenie udostępniania.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Podczas dostępu do %1 wystąpił nieznany błąd.</translation>
    </message>
    <message>
        <source>Failed file.GetStatus from %1</source>
        <translation>Nie udało się odczytać stanu pliku %1</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Nie można zapisać ustawień.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>The Program does not launch your web browser to access %1 ,
Please launch your web browser and input the URL manually.</source>
        <translation>Program nie może uruchomić przeglądarki internetowej, aby otworzyć %1.
Uruchom przeglądarkę i wpisz adres ręcznie.</translation>
    </message>
    <message>
        <source>The help page %1 is missing.</source>
        <translation>Brak strony pomocy %1.</translation>
    </message>
    <message>
        <source>%1 %2 is installed.</source>
        <translation>Zainstalowano %1 %2.</translation>
    </message>
    <message>
        <source>Updates come from your system&apos;s package manager: update %1 there together with your other programs.</source>
        <translation>Aktualizacje pochodzą z menedżera pakietów systemu: tam należy aktualizować %1 razem z innymi programami.</translation>
    </message>
    <message>
        <source>This copy was built from source, outside a package, so the package manager does not update it.</source>
        <translation>Ta kopia została zbudowana z kodu źródłowego poza pakietem, więc menedżer pakietów jej nie aktualizuje.</translation>
    </message>
    <message>
        <source>Newer versions of the source are at %1.</source>
        <translation>Nowsze wersje kodu źródłowego są dostępne pod adresem %1.</translation>
    </message>
    <message>
        <source>A packaged %1 gets its updates from your system&apos;s package manager.</source>
        <translation>%1 zainstalowany z pakietu otrzymuje aktualizacje z menedżera pakietów systemu.</translation>
    </message>
    <message>
        <source>Can not get My Documents directory!</source>
        <translation>Nie można ustalić folderu obrazów użytkownika!</translation>
    </message>
    <message>
        <source>The log file could not be written; its notices are lost.</source>
        <translation>Nie można zapisać pliku dziennika; jego komunikaty zostaną utracone.</translation>
    </message>
    <message>
        <source>The watermark could not be read.</source>
        <translation>Nie można odczytać znaku wodnego.</translation>
    </message>
    <message>
        <source>The stored setting %1 is not used: %2. %3 is used instead.</source>
        <translation>Zapisane ustawienie %1 nie jest używane: %2. Zamiast niego używane jest %3.</translation>
    </message>
</context>
<context>
    <name>OptionTables</name>
    <message>
        <source>Same as the source</source>
        <translation>Jak oryginał</translation>
    </message>
    <message>
        <source>1 bit Indexed</source>
        <translation>1 bit, indeksowany</translation>
    </message>
    <message>
        <source>4 bits Indexed</source>
        <translation>4 bity, indeksowany</translation>
    </message>
    <message>
        <source>8 bits Indexed</source>
        <translation>8 bitów, indeksowany</translation>
    </message>
    <message>
        <source>16 bits RGB565</source>
        <translation>16 bitów RGB565</translation>
    </message>
    <message>
        <source>24 bits RGB</source>
        <translation>24 bity RGB</translation>
    </message>
    <message>
        <source>32 bits ARGB</source>
        <translation>32 bity ARGB</translation>
    </message>
    <message>
        <source>32 bits PARGB</source>
        <translation>32 bity PARGB</translation>
    </message>
    <message>
        <source>32 bits RGB</source>
        <translation>32 bity RGB</translation>
    </message>
    <message>
        <source>64 bits ARGB</source>
        <translation>64 bity ARGB</translation>
    </message>
    <message>
        <source>64 bits PARGB</source>
        <translation>64 bity PARGB</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>Oryginalny rozmiar</translation>
    </message>
    <message>
        <source>Stretch:</source>
        <translation>Rozciągnij:</translation>
    </message>
    <message>
        <source>Fit within Output Width x Output Height</source>
        <translation>Dopasuj do szerokości x wysokości wyjściowej</translation>
    </message>
    <message>
        <source>Long edge:</source>
        <translation>Dłuższy bok:</translation>
    </message>
    <message>
        <source>Fill Output Width x Output Height, cropped</source>
        <translation>Wypełnij szerokość x wysokość wyjściową, z kadrowaniem</translation>
    </message>
    <message>
        <source>Pad to Output Width x Output Height</source>
        <translation>Dopełnij tłem do szerokości x wysokości wyjściowej</translation>
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
        <source>All but the location</source>
        <translation>Wszystkie oprócz lokalizacji</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>Smart</source>
        <translation>Inteligentne</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Lekkie</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średnie</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Mocne</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatycznie</translation>
    </message>
    <message>
        <source>Halved colour resolution below quality 90, full from 90 up.</source>
        <translation>Połowa rozdzielczości kolorów poniżej jakości 90, pełna od 90.</translation>
    </message>
    <message>
        <source>Colour at half resolution: smaller files.</source>
        <translation>Kolor w połowie rozdzielczości: mniejsze pliki.</translation>
    </message>
    <message>
        <source>Colour at full resolution: sharper red edges.</source>
        <translation>Kolor w pełnej rozdzielczości: ostrzejsze czerwone krawędzie.</translation>
    </message>
    <message>
        <source>Standard colours</source>
        <translation>Kolory standardowe</translation>
    </message>
    <message>
        <source>The standard 16 or 256 colours, the same for every photo.</source>
        <translation>Standardowe 16 lub 256 kolorów, takie same dla każdego zdjęcia.</translation>
    </message>
    <message>
        <source>Colours of the photo</source>
        <translation>Kolory zdjęcia</translation>
    </message>
    <message>
        <source>The 16 or 256 colours that best match each photo, found by an octree.</source>
        <translation>16 lub 256 kolorów najlepiej pasujących do danego zdjęcia, wyznaczonych drzewem ósemkowym.</translation>
    </message>
    <message>
        <source>File date</source>
        <translation>Data pliku</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>Data wykonania</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Lewy górny róg</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Góra</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Prawy górny róg</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Lewa strona</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Środek</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Prawa strona</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Lewy dolny róg</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Dół</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Prawy dolny róg</translation>
    </message>
    <message>
        <source>No outline</source>
        <translation>Bez obrysu</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Obrys</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Cień</translation>
    </message>
    <message>
        <source>The camera&apos;s own preview when it is at least the output size, else the sensor at half size when that is, else the whole sensor.</source>
        <translation>Podgląd zapisany przez aparat, jeśli ma co najmniej rozmiar wyjściowy, w przeciwnym razie matryca w połowie rozdzielczości, jeśli to wystarczy, a w ostateczności cała matryca.</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Podgląd z aparatu</translation>
    </message>
    <message>
        <source>The preview the camera embedded in the file: fastest; a file without one fails.</source>
        <translation>Podgląd osadzony w pliku przez aparat: najszybciej; plik bez podglądu kończy się błędem.</translation>
    </message>
    <message>
        <source>Full develop</source>
        <translation>Pełne wywołanie</translation>
    </message>
    <message>
        <source>Always the whole sensor, demosaicked: slowest, the most detail.</source>
        <translation>Zawsze cała matryca z demozaikowaniem: najwolniej, najwięcej szczegółów.</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no camera data kept</comment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no sharpening</comment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Uncompressed; 24-bit colour, or 1, 4 or 8 bits per pixel with a palette (see Pixel format). Carries no camera data.</source>
        <translation>Bez kompresji; kolor 24-bitowy albo 1, 4 lub 8 bitów na piksel z paletą (zob. Format pikseli). Nie zawiera danych aparatu.</translation>
    </message>
    <message>
        <source>EXIF, XMP and a JPEG&apos;s IPTC</source>
        <translation>EXIF, XMP i IPTC z pliku JPEG</translation>
    </message>
    <message>
        <source>Photos; smallest files. Quality @QUALITY_RANGE@ (built-in @QUALITY_BUILT_IN@).</source>
        <translation>Zdjęcia; najmniejsze pliki. Jakość @QUALITY_RANGE@ (domyślnie @QUALITY_BUILT_IN@).</translation>
    </message>
    <message>
        <source>EXIF and XMP</source>
        <translation>EXIF i XMP</translation>
    </message>
    <message>
        <source>Lossless; transparent areas become white.</source>
        <translation>Bezstratnie; przezroczyste obszary stają się białe.</translation>
    </message>
    <message>
        <source>EXIF, XMP and a TIFF&apos;s IPTC</source>
        <translation>EXIF, XMP i IPTC z pliku TIFF</translation>
    </message>
    <message>
        <source>Lossless (LZW compression), for print and archiving.</source>
        <translation>Bezstratnie (kompresja LZW), do druku i archiwizacji.</translation>
    </message>
    <message>
        <source>For the web: smaller than JPG at the same quality. Quality @QUALITY_RANGE@, or Lossless.</source>
        <translation>Do internetu: mniejszy niż JPG przy tej samej jakości. Jakość @QUALITY_RANGE@ lub Bezstratnie.</translation>
    </message>
    <message>
        <source>AV1 in a HEIF file: the smallest photo files, slower to write. Quality @QUALITY_RANGE@.</source>
        <translation>AV1 w pliku HEIF: najmniejsze pliki zdjęć, wolniejszy zapis. Jakość @QUALITY_RANGE@.</translation>
    </message>
    <message>
        <source>JPEG&apos;s successor: small files of high fidelity. Quality @QUALITY_RANGE@, or Lossless.</source>
        <translation>Następca JPEG: małe pliki o wysokiej wierności. Jakość @QUALITY_RANGE@ lub Bezstratnie.</translation>
    </message>
    <message>
        <source>@KEPT_SOURCE_FORMATS@ photos keep their format (with that format&apos;s settings and extension); any other photo (GIF, HEIC, ...) becomes @SOURCE_FALLBACK_FORMAT@.</source>
        <translation>Zdjęcia w formacie @KEPT_SOURCE_FORMATS@ zachowują swój format (z jego ustawieniami i rozszerzeniem); każde inne zdjęcie (GIF, HEIC, ...) staje się plikiem @SOURCE_FALLBACK_FORMAT@.</translation>
    </message>
    <message>
        <source>Keep each photo&apos;s own width and height.</source>
        <translation>Każde zdjęcie zachowuje własną szerokość i wysokość.</translation>
    </message>
    <message>
        <source>the fixed size</source>
        <translation>stały rozmiar</translation>
    </message>
    <message>
        <source>The choice beside Output Width: and Output Height:</source>
        <translation>Opcja obok pól Szerokość wyjściowa: i Wysokość wyjściowa:</translation>
    </message>
    <message>
        <source>A fixed size in pixels. With Keep aspect ratio with width only the width counts and the height follows the photo&apos;s proportions; with Keep aspect ratio with Height only the height counts. Without either box, the photo is scaled to exactly the given width and height.</source>
        <translation>Stały rozmiar w pikselach. Przy Zachowaj proporcje wg szerokości liczy się tylko szerokość, a wysokość wynika z proporcji zdjęcia; przy Zachowaj proporcje wg wysokości liczy się tylko wysokość. Bez żadnego z tych pól zdjęcie jest skalowane dokładnie do podanej szerokości i wysokości.</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Rozciągnij</translation>
    </message>
    <message>
        <source>Stretch: Horizontal: / Vertical:</source>
        <translation>Rozciągnij: W poziomie: / W pionie:</translation>
    </message>
    <message>
        <source>Multiply the photo&apos;s width and height by these factors (from 0.000001 to 1000000; 0.5 halves, 2 doubles). Sizes are cut to whole pixels.</source>
        <translation>Mnoży szerokość i wysokość zdjęcia przez te współczynniki (od 0.000001 do 1000000; 0.5 zmniejsza o połowę, 2 podwaja). Rozmiary są obcinane do pełnych pikseli.</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Dopasuj</translation>
    </message>
    <message>
        <source>The largest size with the photo&apos;s proportions that fits in the width and height: never cropped, never distorted. The side that does not fill the box is rounded to whole pixels, but never below 1.</source>
        <translation>Największy rozmiar o proporcjach zdjęcia, który mieści się w szerokości i wysokości: bez kadrowania i bez zniekształceń. Bok, który nie wypełnia ramki, jest zaokrąglany do pełnych pikseli, ale nigdy poniżej 1.</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Dłuższy bok</translation>
    </message>
    <message>
        <source>The photo&apos;s longer side becomes this many pixels, the other follows its proportions (rounded to whole pixels, never below 1). A landscape and a portrait photo of the same camera come out alike.</source>
        <translation>Dłuższy bok zdjęcia dostaje tyle pikseli, drugi wynika z proporcji (zaokrąglony do pełnych pikseli, nigdy poniżej 1). Zdjęcie poziome i pionowe z tego samego aparatu wychodzą jednakowo.</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Wypełnij</translation>
    </message>
    <message>
        <source>Exactly the width and height: the photo is scaled until it covers them, and what reaches beyond is cropped. Crop: which part is kept (an edge, a corner, the centre, or Smart: the most interesting part).</source>
        <translation>Dokładnie szerokość i wysokość: zdjęcie jest skalowane, aż je pokryje, a to, co wystaje, zostaje przycięte. Kadrowanie: która część zostaje (krawędź, róg, środek lub Inteligentne: najciekawsza część).</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Dopełnij</translation>
    </message>
    <message>
        <source>Exactly the width and height: the whole photo is fitted inside, never cropped, and the margins take the background colour. Crop: where the photo sits.</source>
        <translation>Dokładnie szerokość i wysokość: całe zdjęcie jest wpasowane do środka, nigdy nie kadrowane, a marginesy przyjmują kolor tła. Kadrowanie: gdzie leży zdjęcie.</translation>
    </message>
    <message>
        <source>mirror left to right</source>
        <translation>lewa i prawa strona zamienione</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>do góry nogami</translation>
    </message>
    <message>
        <source>No camera data: the outputs carry only the resolution (DPI).</source>
        <translation>Bez danych aparatu: pliki wynikowe zawierają tylko rozdzielczość (DPI).</translation>
    </message>
    <message>
        <source>As All, without the GPS position and without the location fields of XMP; the IPTC block, which may name places, is left out too.</source>
        <translation>Jak Wszystkie, ale bez pozycji GPS i bez pól lokalizacji XMP; pomijany jest też blok IPTC, który może zawierać nazwy miejsc.</translation>
    </message>
    <message>
        <source>EXIF (camera, lens, exposure, date taken, GPS), XMP and IPTC as the photo has them, with the orientation set to upright and the pixel size of the output, and the sRGB colour profile embedded. @CAMERA_DATA_BY_FORMAT@</source>
        <translation>EXIF (aparat, obiektyw, ekspozycja, data wykonania, GPS), XMP i IPTC tak, jak ma je zdjęcie, z orientacją ustawioną prosto i rozmiarem w pikselach pliku wynikowego oraz z osadzonym profilem kolorów sRGB. @CAMERA_DATA_BY_FORMAT@</translation>
    </message>
    <message>
        <source>The source file&apos;s modification date.</source>
        <translation>Data modyfikacji pliku źródłowego.</translation>
    </message>
    <message>
        <source>The date the photo was taken (EXIF DateTimeOriginal, else DateTimeDigitized); the file&apos;s date for a photo that has neither.</source>
        <translation>Data wykonania zdjęcia (EXIF DateTimeOriginal, a w jej braku DateTimeDigitized); dla zdjęcia bez obu – data pliku.</translation>
    </message>
    <message>
        <source>At most %1 pixels a side.</source>
        <translation>Najwyżej %1 px na bok.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 keep %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>OutputSettingsEditor</name>
    <message numerus="yes">
        <source>Give the %n photos in the list these settings too?</source>
        <translation>
            <numerusform>Zastosować te ustawienia także do %n zdjęcia na liście?</numerusform>
            <numerusform>Zastosować te ustawienia także do %n zdjęć na liście?</numerusform>
            <numerusform>Zastosować te ustawienia także do %n zdjęć na liście?</numerusform>
        </translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pytanie</translation>
    </message>
</context>
<context>
    <name>OverlayPanel</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Wpisz liczbę całkowitą.</translation>
    </message>
</context>
<context>
    <name>PhotoListModel</name>
    <message>
        <source>Waiting</source>
        <translation>Oczekuje</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Trwa konwersja</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Przekonwertowano</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Pominięto</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Nie przekonwertowano</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Width * Height</source>
        <translation>Szerokość * wysokość</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Output Width * Height</source>
        <translation>Wyjściowa szer. * wys.</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Obrót</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
</context>
<context>
    <name>PhotoListPanel</name>
    <message>
        <source>Total photos: %1</source>
        <translation>Liczba zdjęć: %1</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortowanie</translation>
    </message>
    <message>
        <source>Please select items!</source>
        <translation>Zaznacz elementy na liście!</translation>
    </message>
</context>
<context>
    <name>PhotoSources</name>
    <message>
        <source>Photo Files (%1) (%2)</source>
        <translation>Pliki zdjęć (%1) (%2)</translation>
    </message>
    <message>
        <source>Any Files (*.*) (*)</source>
        <translation>Wszystkie pliki (*.*) (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: not pictures (%1)</source>
        <translation>
            <numerusform>Pominięto %n plik: to nie jest obraz (%1)</numerusform>
            <numerusform>Pominięto %n pliki: to nie są obrazy (%1)</numerusform>
            <numerusform>Pominięto %n plików: to nie są obrazy (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Select Photo Files...</source>
        <translation>Wybierz pliki zdjęć...</translation>
    </message>
</context>
<context>
    <name>PlacesRow</name>
    <message>
        <source>Name tem&amp;plate:</source>
        <translation>Szablon &amp;nazwy:</translation>
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
    <message numerus="yes">
        <source>&amp;Write: %n presets</source>
        <translation>
            <numerusform>&amp;Zapis: %n preset</numerusform>
            <numerusform>&amp;Zapis: %n presety</numerusform>
            <numerusform>&amp;Zapis: %n presetów</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Zachowaj daty plików</translation>
    </message>
    <message>
        <source>Each output gets its original&apos;s modification date</source>
        <translation>Każdy plik wynikowy otrzymuje datę modyfikacji oryginału</translation>
    </message>
</context>
<context>
    <name>PresetPanel</name>
    <message>
        <source>Choose a preset</source>
        <translation>Wybierz preset</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not applied.</source>
        <translation>Preset „%1” nie został zastosowany.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; is not stored any more.</source>
        <translation>Preset „%1” nie jest już zapisany.</translation>
    </message>
    <message>
        <source>A preset name %1.</source>
        <translation>Nazwa presetu %1.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; exists. Do you want to replace it?</source>
        <translation>Preset „%1” już istnieje. Czy go zastąpić?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pytanie</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be saved.</source>
        <translation>Nie można zapisać presetu „%1”.</translation>
    </message>
    <message>
        <source>Do you want to delete the preset &quot;%1&quot;?</source>
        <translation>Czy usunąć preset „%1”?</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>Nie można usunąć presetu „%1”.</translation>
    </message>
</context>
<context>
    <name>PresetStore</name>
    <message>
        <source>must not be empty</source>
        <translation>nie może być pusta</translation>
    </message>
    <message>
        <source>must not contain &apos;/&apos; or &apos;\&apos;</source>
        <translation>nie może zawierać &apos;/&apos; ani &apos;\&apos;</translation>
    </message>
    <message>
        <source>must not contain control characters</source>
        <translation>nie może zawierać znaków sterujących</translation>
    </message>
    <message>
        <source>the settings file %1 has a line that cannot be read</source>
        <translation>plik ustawień %1 zawiera wiersz, którego nie można odczytać</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written</source>
        <translation>nie można zapisać pliku ustawień %1</translation>
    </message>
    <message>
        <source>a preset name %1</source>
        <translation>nazwa presetu %1</translation>
    </message>
</context>
<context>
    <name>PreviewFrame</name>
    <message>
        <source>Show source</source>
        <translation>Pokaż oryginał</translation>
    </message>
    <message>
        <source>The selected photo as it will be written. Double-click or press Space in the list to see it larger.</source>
        <translation>Zaznaczone zdjęcie w takiej postaci, w jakiej zostanie zapisane. Aby je powiększyć, kliknij dwukrotnie lub naciśnij spację na liście.</translation>
    </message>
    <message>
        <source>Before and after: the source photo, or the result</source>
        <translation>Przed i po: zdjęcie oryginalne lub wynik</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a tooltip, then its key</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No result: %1</source>
        <translation>Brak wyniku: %1</translation>
    </message>
    <message>
        <source>Show result</source>
        <translation>Pokaż wynik</translation>
    </message>
    <message>
        <source>Opening…</source>
        <translation>Otwieranie…</translation>
    </message>
    <message>
        <source>The result could not be shown.</source>
        <translation>Nie można wyświetlić wyniku.</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>no such file or folder</source>
        <translation>nie ma takiego pliku ani folderu</translation>
    </message>
    <message>
        <source>a loop of symbolic links</source>
        <translation>pętla dowiązań symbolicznych</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>to nie jest obraz</translation>
    </message>
    <message>
        <source>could not be searched (%1)</source>
        <translation>nie można przeszukać (%1)</translation>
    </message>
    <message>
        <source>standard input could not be read</source>
        <translation>nie można odczytać standardowego wejścia</translation>
    </message>
    <message>
        <source>a damaged picture</source>
        <translation>uszkodzony obraz</translation>
    </message>
    <message>
        <source>the imaging library could not start</source>
        <translation>nie można uruchomić biblioteki obrazów</translation>
    </message>
    <message>
        <source>a picture without pixels</source>
        <translation>obraz bez pikseli</translation>
    </message>
    <message>
        <source>developed from the camera&apos;s preview</source>
        <translation>wywołano z podglądu aparatu</translation>
    </message>
    <message>
        <source>developed at half size</source>
        <translation>wywołano w połowie rozdzielczości</translation>
    </message>
    <message>
        <source>developed in full</source>
        <translation>wywołano w pełnej rozdzielczości</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>the value %1 is not a whole number</source>
        <translation>wartość %1 nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>the value %1 is not between %2 and %3</source>
        <translation>wartość %1 nie mieści się w zakresie od %2 do %3</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not a whole number</source>
        <translation>wartość „%1” nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not a number</source>
        <translation>wartość „%1” nie jest liczbą</translation>
    </message>
    <message>
        <source>the value %1 stands for no choice</source>
        <translation>wartość %1 nie odpowiada żadnej opcji</translation>
    </message>
    <message>
        <source>the photo has no size</source>
        <translation>zdjęcie nie ma rozmiaru</translation>
    </message>
    <message>
        <source>the setting %1 could not be saved</source>
        <translation>nie można zapisać ustawienia %1</translation>
    </message>
    <message>
        <source>Can not create the directory</source>
        <translation>Nie można utworzyć folderu</translation>
    </message>
    <message>
        <source>the log could not be written</source>
        <translation>nie można zapisać dziennika</translation>
    </message>
    <message>
        <source>Not converted: the output file exists</source>
        <translation>Nie przekonwertowano: plik wynikowy już istnieje</translation>
    </message>
    <message>
        <source>unknown output photo format!</source>
        <translation>nieznany format wyjściowy!</translation>
    </message>
    <message>
        <source>the watermark: %1</source>
        <translation>znak wodny: %1</translation>
    </message>
    <message>
        <source>the output would replace one of the photos being converted</source>
        <translation>plik wynikowy zastąpiłby jedno z konwertowanych zdjęć</translation>
    </message>
    <message>
        <source>two outputs of %1 would have this name; give each preset its own name, for example with {preset}</source>
        <translation>dwa pliki wynikowe z %1 miałyby tę nazwę; nadaj każdemu presetowi własną nazwę, na przykład za pomocą {preset}</translation>
    </message>
    <message>
        <source>the file date could not be set: %1</source>
        <translation>nie można ustawić daty pliku: %1</translation>
    </message>
    <message>
        <source>the encoder wrote nothing</source>
        <translation>koder niczego nie zapisał</translation>
    </message>
    <message>
        <source>the preview file could not be read back</source>
        <translation>nie można ponownie odczytać pliku podglądu</translation>
    </message>
    <message>
        <source>the output size %1 x %2 cannot be written</source>
        <translation>nie można zapisać pliku o wymiarach %1 x %2</translation>
    </message>
    <message>
        <source>the output is larger than %1 stores</source>
        <translation>wynik jest większy, niż może zapisać %1</translation>
    </message>
    <message>
        <source>the output could not be made</source>
        <translation>nie można utworzyć pliku wynikowego</translation>
    </message>
    <message>
        <source>the output could not be read back</source>
        <translation>nie można ponownie odczytać pliku wynikowego</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>dowiązanie symboliczne, pominięte</translation>
    </message>
    <message>
        <source>the value %1 is out of range</source>
        <translation>wartość %1 jest poza zakresem</translation>
    </message>
    <message>
        <source>the value %1 is not a colour</source>
        <translation>wartość %1 nie jest kolorem</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>brak uprawnień</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>brak pliku</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>za mało pamięci</translation>
    </message>
    <message>
        <source>the format is not supported</source>
        <translation>format nie jest obsługiwany</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete</source>
        <translation>plik jest uszkodzony lub niekompletny</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot;</source>
        <translation>szablon nazwy „%1”</translation>
    </message>
    <message>
        <source>a &apos;}&apos; without its &apos;{&apos; (write &quot;}}&quot; for a brace)</source>
        <translation>&apos;}&apos; bez odpowiadającego &apos;{&apos; (aby wstawić sam nawias klamrowy, wpisz &quot;}}&quot;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not closed by &apos;}&apos;</source>
        <translation>„%1” nie jest zamknięte znakiem &apos;}&apos;</translation>
    </message>
    <message>
        <source>unknown token %1</source>
        <translation>nieznany znacznik %1</translation>
    </message>
    <message>
        <source>the width in %1 must be a number from 1 to 10</source>
        <translation>liczba cyfr w %1 musi wynosić od 1 do 10</translation>
    </message>
    <message>
        <source>the date format in %1 is empty</source>
        <translation>format daty w %1 jest pusty</translation>
    </message>
    <message>
        <source>unknown date format &quot;%1&quot; in %2</source>
        <translation>nieznany format daty „%1” w %2</translation>
    </message>
    <message>
        <source>the token %1 takes no format</source>
        <translation>znacznik %1 nie przyjmuje formatu</translation>
    </message>
    <message>
        <source>&apos;/&apos; is not allowed in a file name</source>
        <translation>znak &apos;/&apos; nie jest dozwolony w nazwie pliku</translation>
    </message>
    <message>
        <source>a control character is not allowed in a file name</source>
        <translation>znak sterujący nie jest dozwolony w nazwie pliku</translation>
    </message>
    <message>
        <source>it names nothing but the extension</source>
        <translation>zawiera tylko rozszerzenie</translation>
    </message>
    <message>
        <source>preset %1: %2</source>
        <translation>preset %1: %2</translation>
    </message>
    <message>
        <source>the folder could not be searched</source>
        <translation>nie można przeszukać folderu</translation>
    </message>
    <message>
        <source>cannot reach %1 at quality %2 (smallest %3)</source>
        <translation>nie można osiągnąć %1 przy jakości %2 (najmniejszy plik: %3)</translation>
    </message>
    <message>
        <source>cannot reach %1 losslessly (smallest %2)</source>
        <translation>nie można osiągnąć %1 bezstratnie (najmniejszy plik: %2)</translation>
    </message>
    <message>
        <source>cannot reach %1 at quality %2 even at %3 (smallest %4)</source>
        <translation>nie można osiągnąć %1 przy jakości %2 nawet przy rozmiarze %3 (najmniejszy plik: %4)</translation>
    </message>
    <message>
        <source>cannot reach %1 losslessly even at %2 (smallest %3)</source>
        <translation>nie można osiągnąć %1 bezstratnie nawet przy rozmiarze %2 (najmniejszy plik: %3)</translation>
    </message>
    <message>
        <source>output size %1</source>
        <translation>rozmiar wyniku %1</translation>
    </message>
    <message>
        <source>an output of %1 pixels is larger than %2 stores (%3 pixels a side)</source>
        <translation>obraz wynikowy %1 pikseli jest większy, niż pozwala format %2 (%3 pikseli na bok)</translation>
    </message>
</context>
<context>
    <name>RunPanel</name>
    <message>
        <source>Do you want to open the output folder?</source>
        <translation>Czy otworzyć folder docelowy?</translation>
    </message>
    <message>
        <source>The conversion is done. %1</source>
        <translation>Konwersja zakończona. %1</translation>
    </message>
    <message>
        <source>There is not log file now!</source>
        <translation>Plik dziennika jeszcze nie istnieje!</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Komunikat</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Stopped: %1 of %2 converted, %3 not started</source>
        <translation>Przerwano: przekonwertowano %1 z %2, nie rozpoczęto: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 photos were not converted; see the log.</source>
        <translation>
            <numerusform>%1 zdjęcie nie zostało przekonwertowane; szczegóły w dzienniku.</numerusform>
            <numerusform>%1 zdjęcia nie zostały przekonwertowane; szczegóły w dzienniku.</numerusform>
            <numerusform>%1 zdjęć nie zostało przekonwertowanych; szczegóły w dzienniku.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 photos got a number added to a name another photo has.</source>
        <translation>
            <numerusform>Do nazwy %1 zdjęcia dodano numer, ponieważ inne zdjęcie ma taką samą nazwę.</numerusform>
            <numerusform>Do nazw %1 zdjęć dodano numery, ponieważ inne zdjęcia mają takie same nazwy.</numerusform>
            <numerusform>Do nazw %1 zdjęć dodano numery, ponieważ inne zdjęcia mają takie same nazwy.</numerusform>
        </translation>
    </message>
    <message>
        <source>Written per preset: %1</source>
        <translation>Zapisano według presetów: %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>pozostało mniej niż minutę</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>pozostało ok. %n min</numerusform>
            <numerusform>pozostało ok. %n min</numerusform>
            <numerusform>pozostało ok. %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>pozostało ok. %n godz.</numerusform>
            <numerusform>pozostało ok. %n godz.</numerusform>
            <numerusform>pozostało ok. %n godz.</numerusform>
        </translation>
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
    <message>
        <source>The watermark could not be read.</source>
        <translation>Nie można odczytać znaku wodnego.</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>Add photo files to the list</source>
        <translation>Dodaj pliki zdjęć do listy</translation>
    </message>
    <message>
        <source>Add every photo in a folder and its subfolders to the list</source>
        <translation>Dodaj do listy wszystkie zdjęcia z folderu i jego podfolderów</translation>
    </message>
    <message>
        <source>Output settings for photos added from now on</source>
        <translation>Ustawienia wyjściowe dla zdjęć dodawanych od teraz</translation>
    </message>
    <message>
        <source>Convert every photo in the list into a new folder inside the output folder</source>
        <translation>Konwertuj wszystkie zdjęcia z listy do nowego folderu w folderze docelowym</translation>
    </message>
    <message>
        <source>Show the program&apos;s help</source>
        <translation>Pokaż pomoc programu</translation>
    </message>
    <message>
        <source>Output settings of the selected photos</source>
        <translation>Ustawienia wyjściowe zaznaczonych zdjęć</translation>
    </message>
    <message>
        <source>Move the selected photos up the list</source>
        <translation>Przesuń zaznaczone zdjęcia w górę listy</translation>
    </message>
    <message>
        <source>Move the selected photos down the list</source>
        <translation>Przesuń zaznaczone zdjęcia w dół listy</translation>
    </message>
    <message>
        <source>Remove the selected photos from the list</source>
        <translation>Usuń zaznaczone zdjęcia z listy</translation>
    </message>
    <message>
        <source>Remove every photo from the list</source>
        <translation>Usuń wszystkie zdjęcia z listy</translation>
    </message>
    <message>
        <source>Sort the list by a column</source>
        <translation>Sortuj listę według kolumny</translation>
    </message>
    <message>
        <source>Select every photo in the list</source>
        <translation>Zaznacz wszystkie zdjęcia na liście</translation>
    </message>
    <message>
        <source>Choose the folder the converted photos go to</source>
        <translation>Wybierz folder na przekonwertowane zdjęcia</translation>
    </message>
    <message>
        <source>Font and colour of the text added to photos</source>
        <translation>Czcionka i kolor tekstu dodawanego do zdjęć</translation>
    </message>
    <message>
        <source>Use the settings of the chosen preset</source>
        <translation>Użyj ustawień wybranego presetu</translation>
    </message>
    <message>
        <source>Keep the current settings as a preset</source>
        <translation>Zapisz bieżące ustawienia jako preset</translation>
    </message>
    <message>
        <source>Remove the chosen preset</source>
        <translation>Usuń wybrany preset</translation>
    </message>
    <message>
        <source>Open the activity log</source>
        <translation>Otwórz dziennik aktywności</translation>
    </message>
    <message>
        <source>Which version is installed and where updates come from</source>
        <translation>Zainstalowana wersja i źródło aktualizacji</translation>
    </message>
    <message>
        <source>The program&apos;s version and licence</source>
        <translation>Wersja i licencja programu</translation>
    </message>
    <message>
        <source>Quit the program</source>
        <translation>Zakończ program</translation>
    </message>
    <message>
        <source>Undo the last change to the list</source>
        <translation>Cofnij ostatnią zmianę listy</translation>
    </message>
    <message>
        <source>Redo the change just undone</source>
        <translation>Ponów właśnie cofniętą zmianę</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Zaznacz &amp;wszystko</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortuj</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edycja</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konwersja</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Konwertuj</translation>
    </message>
</context>
</TS>
