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
        <translation>format pikseli BMP: %1 lub %2</translation>
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
        <source>must not contain '/'</source>
        <translation>nie może zawierać '/'</translation>
    </message>
    <message>
        <source>keep the source names, change the extension only</source>
        <translation>zachowaj nazwy oryginałów, zmień tylko rozszerzenie</translation>
    </message>
    <message>
        <source>the date in the names: %1 (from EXIF, else the file's)</source>
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
        <source>text size as a percentage of the output's shorter side, in place of --font-px; %1 (default %2: the font's size)</source>
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
        <source>print the saved presets' names, one per line</source>
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
        <source>the program's version</source>
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
        <source>option %1: '%2' %3</source>
        <translation>opcja %1: '%2' %3</translation>
    </message>
    <message>
        <source>option --metadata %1 keeps more camera data than preset '%2' (%3)</source>
        <translation>opcja --metadata %1 zachowuje więcej danych aparatu niż preset '%2' (%3)</translation>
    </message>
    <message>
        <source>option %1: preset '%2' is not used: %3</source>
        <translation>opcja %1: preset '%2' nie jest używany: %3</translation>
    </message>
    <message>
        <source>option %1: no preset '%2' (--list-presets lists them)</source>
        <translation>opcja %1: brak presetu '%2' (lista: --list-presets)</translation>
    </message>
    <message>
        <source>preset '%1' keeps camera data %2, not --metadata %3 given before it; give --metadata after --preset</source>
        <translation>preset '%1' zachowuje dane aparatu %2, a nie podane przed nim --metadata %3; podaj --metadata po --preset</translation>
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
        <source>Options take their value as the next argument or after '=' (--text-pos=-5,3).
Exit status: 0 every photo converted, 1 some were not, 2 bad arguments.
</source>
        <translation>Opcje przyjmują wartość jako następny argument lub po '=' (--text-pos=-5,3).
Kod wyjścia: 0 – przekonwertowano wszystkie zdjęcia, 1 – nie wszystkie,
2 – błędne argumenty.
</translation>
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
        <source>The text's size as a percentage of the photo's shorter side; at 0 the font's own size counts.</source>
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
        <source>The list of %n photo is not kept. Do you want to quit?</source>
        <translation>
            <numerusform>Lista %n zdjęcia nie zostanie zachowana. Czy zakończyć program?</numerusform>
            <numerusform>Lista %n zdjęć nie zostanie zachowana. Czy zakończyć program?</numerusform>
            <numerusform>Lista %n zdjęć nie zostanie zachowana. Czy zakończyć program?</numerusform>
        </translation>
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
        <translation>Uzupełnij marginesem do szerokości x wysokości wyjściowej</translation>
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
        <source>None</source>
        <translation>Brak</translation>
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
        <translation>Inteligentnie</translation>
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
        <translation>Połowiczna rozdzielczość kolorów poniżej jakości 90, pełna od 90.</translation>
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
        <translation>Lewa</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Środek</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Prawa</translation>
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
        <source>The camera's own preview when it is at least the output size, else the sensor at half size when that is, else the whole sensor.</source>
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
</context>
<context>
    <name>OutputSettingsEditor</name>
    <message numerus="yes">
        <source>Give the %n photo in the list these settings too?</source>
        <translation>
            <numerusform>Zastosować te ustawienia także do %n zdjęcia na liście?</numerusform>
            <numerusform>Zastosować te ustawienia także do %n zdjęć na liście?</numerusform>
            <numerusform>Zastosować te ustawienia także do %n zdjęć na liście?</numerusform>
        </translation>
    </message>
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
        <translation>Konwertowanie</translation>
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
        <translation>Nieprzekonwertowane</translation>
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
        <source>%1: could not be searched (%2)</source>
        <translation>%1: nie można przeszukać (%2)</translation>
    </message>
    <message>
        <source>Photo Files (%1) (%2)</source>
        <translation>Pliki zdjęć (%1) (%2)</translation>
    </message>
    <message>
        <source>Any Files (*.*) (*)</source>
        <translation>Wszystkie pliki (*.*) (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n file was left out: not a picture (%1)</source>
        <translation>
            <numerusform>Pominięto %n plik: to nie jest obraz (%1)</numerusform>
            <numerusform>Pominięto %n pliki: to nie są obrazy (%1)</numerusform>
            <numerusform>Pominięto %n plików: to nie są obrazy (%1)</numerusform>
        </translation>
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
        <source>%1: left out, not a picture</source>
        <translation>%1: pominięto, to nie jest obraz</translation>
    </message>
    <message>
        <source>Select Photo Files...</source>
        <translation>Wybierz pliki zdjęć...</translation>
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
        <source>Keep file dates (each output gets its original's)</source>
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
    <message numerus="yes">
        <source>&amp;Write: %n presets</source>
        <translation>
            <numerusform>&amp;Zapis: %n preset</numerusform>
            <numerusform>&amp;Zapis: %n presety</numerusform>
            <numerusform>&amp;Zapis: %n presetów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PresetPanel</name>
    <message>
        <source>Choose a preset</source>
        <translation>Wybierz preset</translation>
    </message>
    <message>
        <source>The preset "%1" was not applied.</source>
        <translation>Preset „%1” nie został zastosowany.</translation>
    </message>
    <message>
        <source>The preset "%1" is not stored any more.</source>
        <translation>Preset „%1” nie jest już zapisany.</translation>
    </message>
    <message>
        <source>A preset name %1.</source>
        <translation>Nazwa presetu %1.</translation>
    </message>
    <message>
        <source>The preset "%1" exists. Do you want to replace it?</source>
        <translation>Preset „%1” już istnieje. Czy go zastąpić?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pytanie</translation>
    </message>
    <message>
        <source>The preset "%1" could not be saved.</source>
        <translation>Nie można zapisać presetu „%1”.</translation>
    </message>
    <message>
        <source>Do you want to delete the preset "%1"?</source>
        <translation>Czy usunąć preset „%1”?</translation>
    </message>
    <message>
        <source>The preset "%1" could not be deleted.</source>
        <translation>Nie można usunąć presetu „%1”.</translation>
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
    <name>RunPanel</name>
    <message numerus="yes">
        <source>%1 photo</source>
        <translation>
            <numerusform>%1 zdjęcie</numerusform>
            <numerusform>%1 zdjęcia</numerusform>
            <numerusform>%1 zdjęć</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 photos</source>
        <translation>
            <numerusform>%1 zdjęcie</numerusform>
            <numerusform>%1 zdjęcia</numerusform>
            <numerusform>%1 zdjęć</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion started: %1, %2; %3</source>
        <translation>Rozpoczęto konwersję: %1, %2; %3</translation>
    </message>
    <message>
        <source>Converting the rest: %1 into %2</source>
        <translation>Konwertowanie pozostałych: %1 do %2</translation>
    </message>
    <message>
        <source>Replaced %1</source>
        <translation>Zastąpiono %1</translation>
    </message>
    <message>
        <source>Stopped: the window was closed during the conversion</source>
        <translation>Przerwano: okno zamknięto w trakcie konwersji</translation>
    </message>
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
        <source>Show the program's help</source>
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
        <source>The program's version and licence</source>
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
