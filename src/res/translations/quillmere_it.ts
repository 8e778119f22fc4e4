<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Codice sorgente: %1</translation>
    </message>
</context>
<context>
    <name>CDialogPhotoOptions</name>
    <message>
        <source>Photo Output Options</source>
        <translation>Opzioni di uscita delle foto</translation>
    </message>
    <message>
        <source>O&amp;utput Format:</source>
        <translation>Formato di &amp;uscita:</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Dimensioni di uscita</translation>
    </message>
    <message>
        <source>O&amp;riginal size</source>
        <translation>Dimensioni o&amp;riginali</translation>
    </message>
    <message>
        <source>Fixed size</source>
        <translation>Dimensioni fisse</translation>
    </message>
    <message>
        <source>Fixed width and height</source>
        <translation>Larghezza e altezza fisse</translation>
    </message>
    <message>
        <source>Output &amp;Width:</source>
        <translation>&amp;Larghezza di uscita:</translation>
    </message>
    <message>
        <source>&amp;Keep aspect ratio with width</source>
        <translation>&amp;Mantieni proporzioni dalla larghezza</translation>
    </message>
    <message>
        <source>Ou&amp;tput Height:</source>
        <translation>&amp;Altezza di uscita:</translation>
    </message>
    <message>
        <source>Keep aspect ratio with &amp;Height</source>
        <translation>Mantieni proporzioni dall’al&amp;tezza</translation>
    </message>
    <message>
        <source>Str&amp;etch:</source>
        <translation>&amp;Scala:</translation>
    </message>
    <message>
        <source>Hori&amp;zontal:</source>
        <translation>Ori&amp;zzontale:</translation>
    </message>
    <message>
        <source>&amp;Vertical:</source>
        <translation>&amp;Verticale:</translation>
    </message>
    <message>
        <source>&amp;Fit within Output Width x Output Height</source>
        <translation>Adatta &amp;entro larghezza × altezza di uscita</translation>
    </message>
    <message>
        <source>Lon&amp;g edge:</source>
        <translation>Lato lun&amp;go:</translation>
    </message>
    <message>
        <source>Long edge in pixels</source>
        <translation>Lato lungo in pixel</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixel</translation>
    </message>
    <message>
        <source>Do &amp;not enlarge</source>
        <translation>&amp;Non ingrandire</translation>
    </message>
    <message>
        <source>A photo smaller than the chosen size keeps its own size</source>
        <translation>Una foto più piccola delle dimensioni scelte mantiene le proprie dimensioni</translation>
    </message>
    <message>
        <source>Format settings</source>
        <translation>Impostazioni del formato</translation>
    </message>
    <message>
        <source>Pi&amp;xel format:</source>
        <translation>Formato pi&amp;xel:</translation>
    </message>
    <message>
        <source>&amp;Quality Control:</source>
        <translation>&amp;Qualità:</translation>
    </message>
    <message>
        <source>(Min 1, Max 100)</source>
        <translation>(min 1, max 100)</translation>
    </message>
    <message>
        <source>&amp;Lossless</source>
        <translation>Senza &amp;perdita</translation>
    </message>
    <message>
        <source>Camera &amp;data (EXIF, XMP, IPTC):</source>
        <translation>&amp;Dati della fotocamera (EXIF, XMP, IPTC):</translation>
    </message>
    <message>
        <source>Ca&amp;mera RAW photos:</source>
        <translation>Foto RA&amp;W:</translation>
    </message>
    <message>
        <source>Rotate b&amp;y angle</source>
        <translation>R&amp;otazione</translation>
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
        <translation>Rifletti</translation>
    </message>
    <message>
        <source>No flip</source>
        <translation>Nessun riflesso</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>Rifletti in orizzontale</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Rifletti in verticale</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>Colori:</translation>
    </message>
    <message>
        <source>(different)</source>
        <translation>(diversi)</translation>
    </message>
    <message numerus="yes">
        <source>Settings for %n photos</source>
        <translation>
            <numerusform>Impostazioni di %n foto</numerusform>
            <numerusform>Impostazioni di %n foto</numerusform>
        </translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Unknown flip type!</source>
        <translation>Tipo di riflessione sconosciuto!</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Inserisci un numero intero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Inserisci un numero intero tra %1 e %2.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Inserisci un numero.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Inserisci un numero tra %1 e %2.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>error</source>
        <translation>errore</translation>
    </message>
    <message>
        <source>Unknown nOuputSizeType type!</source>
        <translation>Tipo nOuputSizeType sconosciuto!</translation>
    </message>
    <message>
        <source>Unknown nKeepAspectRatio type!</source>
        <translation>Tipo nKeepAspectRatio sconosciuto!</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>must be one of %1</source>
        <translation>deve essere uno dei valori %1</translation>
    </message>
    <message>
        <source>must be an integer from %1 to %2</source>
        <translation>deve essere un numero intero da %1 a %2</translation>
    </message>
    <message>
        <source>must be a number from %1 to %2</source>
        <translation>deve essere un numero da %1 a %2</translation>
    </message>
    <message>
        <source> (default %1)</source>
        <translation> (predefinito %1)</translation>
    </message>
    <message>
        <source>must name a folder</source>
        <translation>deve indicare una cartella</translation>
    </message>
    <message>
        <source>must name a file</source>
        <translation>deve indicare un file</translation>
    </message>
    <message>
        <source>must be six hexadecimal digits RRGGBB</source>
        <translation>deve essere di sei cifre esadecimali RRGGBB</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomi</translation>
    </message>
    <message>
        <source>Text overlay</source>
        <translation>Testo sovrapposto</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Esecuzione</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Scripts and clusters</source>
        <translation>Script e cluster</translation>
    </message>
    <message>
        <source>start from the saved preset NAME; options after it override it</source>
        <translation>parte dal preset salvato NAME; le opzioni indicate dopo lo sostituiscono</translation>
    </message>
    <message>
        <source>output folder (default: the work folder, Pictures/Quillmere/)</source>
        <translation>cartella di uscita (predefinita: la cartella di lavoro, Pictures/Quillmere/)</translation>
    </message>
    <message>
        <source>output width for %1</source>
        <translation>larghezza di uscita per %1</translation>
    </message>
    <message>
        <source>output height for %1</source>
        <translation>altezza di uscita per %1</translation>
    </message>
    <message>
        <source>the longer side for %1</source>
        <translation>il lato lungo per %1</translation>
    </message>
    <message>
        <source>with %1: a photo smaller than the result keeps its size</source>
        <translation>con %1: una foto più piccola del risultato mantiene le sue dimensioni</translation>
    </message>
    <message>
        <source>factors for %1</source>
        <translation>fattori per %1</translation>
    </message>
    <message>
        <source>must be two factors H,V from %1</source>
        <translation>deve indicare due fattori H,V nell’intervallo %1</translation>
    </message>
    <message>
        <source>BMP pixel format: %1, or %2</source>
        <translation>formato pixel BMP: %1, oppure %2</translation>
    </message>
    <message>
        <source>quality of %1</source>
        <translation>qualità per %1</translation>
    </message>
    <message>
        <source>lossless %1 (the quality is not used)</source>
        <translation>%1 senza perdita (la qualità non viene usata)</translation>
    </message>
    <message>
        <source>camera data (EXIF, XMP, IPTC) the outputs keep: %1</source>
        <translation>dati della fotocamera (EXIF, XMP, IPTC) che i file in uscita mantengono: %1</translation>
    </message>
    <message>
        <source>rename prefix</source>
        <translation>prefisso per la rinomina</translation>
    </message>
    <message>
        <source>must not contain &apos;/&apos;</source>
        <translation>non deve contenere «/»</translation>
    </message>
    <message>
        <source>keep the source names, change the extension only</source>
        <translation>mantiene i nomi originali, cambia solo l’estensione</translation>
    </message>
    <message>
        <source>the date in the names: %1 (from EXIF, else the file&apos;s)</source>
        <translation>la data nei nomi: %1 (dall’EXIF, altrimenti quella del file)</translation>
    </message>
    <message>
        <source>photos found in a folder keep their path below it inside the run folder</source>
        <translation>le foto trovate in una cartella mantengono il loro percorso sotto di essa nella cartella della conversione</translation>
    </message>
    <message>
        <source>the number of the first photo</source>
        <translation>il numero della prima foto</translation>
    </message>
    <message>
        <source>digits the numbers are padded to</source>
        <translation>cifre a cui i numeri vengono completati con zeri</translation>
    </message>
    <message>
        <source> (default: those of the last number)</source>
        <translation> (predefinito: quelle dell’ultimo numero)</translation>
    </message>
    <message>
        <source>a line of text drawn on every photo</source>
        <translation>una riga di testo disegnata su ogni foto</translation>
    </message>
    <message>
        <source>must be one line, without line breaks</source>
        <translation>deve essere una sola riga, senza a capo</translation>
    </message>
    <message>
        <source>its margin in output pixels from the anchor; for top-left, its top-left corner (default 0,0)</source>
        <translation>il suo margine in pixel di uscita dal punto di ancoraggio; per top-left, il suo angolo in alto a sinistra (predefinito 0,0)</translation>
    </message>
    <message>
        <source>font family (default: the sans-serif font)</source>
        <translation>famiglia del carattere (predefinita: il carattere sans-serif)</translation>
    </message>
    <message>
        <source>must be a family name of at most 31 characters</source>
        <translation>deve essere un nome di famiglia di al massimo 31 caratteri</translation>
    </message>
    <message>
        <source>font size in pixels</source>
        <translation>dimensione del carattere in pixel</translation>
    </message>
    <message>
        <source>text size as a percentage of the output&apos;s shorter side, in place of --font-px; %1 (default %2: the font&apos;s size)</source>
        <translation>dimensione del testo in percentuale del lato corto dell’uscita, al posto di --font-px; %1 (predefinito %2: la dimensione del carattere)</translation>
    </message>
    <message>
        <source>bold text</source>
        <translation>testo in grassetto</translation>
    </message>
    <message>
        <source>italic text</source>
        <translation>testo in corsivo</translation>
    </message>
    <message>
        <source>underlined text</source>
        <translation>testo sottolineato</translation>
    </message>
    <message>
        <source>struck-out text</source>
        <translation>testo barrato</translation>
    </message>
    <message>
        <source>text colour (default 000000)</source>
        <translation>colore del testo (predefinito 000000)</translation>
    </message>
    <message>
        <source>text opacity in percent</source>
        <translation>opacità del testo in percentuale</translation>
    </message>
    <message>
        <source>%1 around the text</source>
        <translation>%1 attorno al testo</translation>
    </message>
    <message>
        <source>save the settings this command gives as preset NAME (PATHs optional)</source>
        <translation>salva le impostazioni date da questo comando come preset NAME (PATH facoltativi)</translation>
    </message>
    <message>
        <source>print the saved presets&apos; names, one per line</source>
        <translation>stampa i nomi dei preset salvati, uno per riga</translation>
    </message>
    <message>
        <source>also convert the paths listed in FILE, one per line (- for standard input)</source>
        <translation>converte anche i percorsi elencati in FILE, uno per riga (- per lo standard input)</translation>
    </message>
    <message>
        <source>the --files-from entries end with NUL, as find -print0 writes them</source>
        <translation>le voci di --files-from terminano con NUL, come le scrive find -print0</translation>
    </message>
    <message>
        <source>write into DIR (made if missing) instead of a new time-stamped folder</source>
        <translation>scrive in DIR (creata se manca) invece che in una nuova cartella con data e ora</translation>
    </message>
    <message>
        <source>write one JSON object per photo, then a summary object, one per line, to FILE</source>
        <translation>scrive in FILE un oggetto JSON per foto, poi un oggetto di riepilogo, uno per riga</translation>
    </message>
    <message>
        <source>%1 when an output file exists (default: ask when standard input is a terminal, else no)</source>
        <translation>%1 quando un file di uscita esiste già (predefinito: ask se lo standard input è un terminale, altrimenti no)</translation>
    </message>
    <message>
        <source>photos converted at once</source>
        <translation>foto convertite contemporaneamente</translation>
    </message>
    <message>
        <source> (default: one per core)</source>
        <translation> (predefinito: una per core)</translation>
    </message>
    <message>
        <source>memory the photos in hand may take, in MiB</source>
        <translation>memoria che le foto in lavorazione possono occupare, in MiB</translation>
    </message>
    <message>
        <source>; a larger photo converts alone (default: half the physical memory, %1 MiB)</source>
        <translation>; una foto più grande viene convertita da sola (predefinito: metà della memoria fisica, %1 MiB)</translation>
    </message>
    <message>
        <source>no progress bar and no notices</source>
        <translation>nessuna barra di avanzamento e nessun avviso</translation>
    </message>
    <message>
        <source>print the values a fixed-set option accepts, one per line</source>
        <translation>stampa i valori accettati da un’opzione a scelta fissa, uno per riga</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>questo testo</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>la versione del programma</translation>
    </message>
    <message>
        <source>or</source>
        <translation>o</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>l’opzione %1 non accetta valori</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l’opzione %1 richiede un valore</translation>
    </message>
    <message>
        <source>option %1: &apos;%2&apos; %3</source>
        <translation>opzione %1: «%2» %3</translation>
    </message>
    <message>
        <source>option --metadata %1 keeps more camera data than preset &apos;%2&apos; (%3)</source>
        <translation>l’opzione --metadata %1 mantiene più dati della fotocamera del preset «%2» (%3)</translation>
    </message>
    <message>
        <source>option %1: preset &apos;%2&apos; is not used: %3</source>
        <translation>opzione %1: il preset «%2» non viene usato: %3</translation>
    </message>
    <message>
        <source>option %1: no preset &apos;%2&apos; (--list-presets lists them)</source>
        <translation>opzione %1: nessun preset «%2» (--list-presets li elenca)</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; keeps camera data %2, not --metadata %3 given before it; give --metadata after --preset</source>
        <translation>il preset «%1» mantiene i dati della fotocamera %2, non --metadata %3 indicato prima; indica --metadata dopo --preset</translation>
    </message>
    <message>
        <source>option --beside cannot be given with --into</source>
        <translation>l’opzione --beside non può essere usata con --into</translation>
    </message>
    <message>
        <source>option --null needs --files-from</source>
        <translation>l’opzione --null richiede --files-from</translation>
    </message>
    <message>
        <source>option --overwrite ask cannot be answered while --files-from - reads standard input</source>
        <translation>l’opzione --overwrite ask non può ricevere risposta mentre --files-from - legge lo standard input</translation>
    </message>
    <message>
        <source>no photos given: name at least one file or folder</source>
        <translation>nessuna foto indicata: indica almeno un file o una cartella</translation>
    </message>
    <message>
        <source>Usage: quillmere-convert [options] PATH...
Converts photos (files, or folders searched with their sub-folders) into a
new time-stamped folder inside the output folder, and prints that folder.
</source>
        <translation>Uso: quillmere-convert [opzioni] PATH...
Converte foto (file, o cartelle esplorate con le loro sottocartelle) in una
nuova cartella con data e ora dentro la cartella di uscita, e stampa quella
cartella.
</translation>
    </message>
    <message>
        <source>Options take their value as the next argument or after &apos;=&apos; (--text-pos=-5,3).
Exit status: 0 every photo converted, 1 some were not, 2 bad arguments.
</source>
        <translation>Le opzioni prendono il valore dall’argomento successivo o dopo «=»
(--text-pos=-5,3).
Codice di uscita: 0 tutte le foto convertite, 1 alcune no, 2 argomenti errati.
</translation>
    </message>
    <message>
        <source>Image watermark</source>
        <translation>Filigrana immagine</translation>
    </message>
    <message>
        <source>for %1: the part fill keeps, or where pad places the photo: %2 (smart: the most interesting part; pad centres it)</source>
        <translation>per %1: la parte che fill mantiene, o dove pad colloca la foto: %2 (smart: la parte più interessante; pad la centra)</translation>
    </message>
    <message>
        <source>colour of pad&apos;s margins and of transparent areas</source>
        <translation>colore dei bordi di pad e delle aree trasparenti</translation>
    </message>
    <message>
        <source>sharpen a photo that is made smaller, by as much as it is reduced: %1</source>
        <translation>aumenta la nitidezza di una foto rimpicciolita, in proporzione alla riduzione: %1</translation>
    </message>
    <message>
        <source>the resolution written into JPG, PNG, TIF and BMP outputs (and WebP and AVIF with camera data)</source>
        <translation>la risoluzione scritta nei file JPG, PNG, TIF e BMP in uscita (e WebP e AVIF con i dati della fotocamera)</translation>
    </message>
    <message>
        <source> (default 0: the source&apos;s)</source>
        <translation> (predefinito 0: quella dell’originale)</translation>
    </message>
    <message>
        <source>a picture (PNG, WebP or SVG, transparency kept) drawn on every photo</source>
        <translation>un’immagine (PNG, WebP o SVG, trasparenza mantenuta) disegnata su ogni foto</translation>
    </message>
    <message>
        <source>its longer side as a percentage of the output&apos;s shorter side</source>
        <translation>il suo lato lungo in percentuale del lato corto dell’uscita</translation>
    </message>
    <message>
        <source>its opacity in percent</source>
        <translation>la sua opacità in percentuale</translation>
    </message>
    <message>
        <source>its distance from the anchor&apos;s edges as a percentage of the output&apos;s shorter side</source>
        <translation>la sua distanza dai bordi dell’ancoraggio in percentuale del lato corto dell’uscita</translation>
    </message>
    <message>
        <source>%1: %2, skipped</source>
        <translation>%1: %2, saltato</translation>
    </message>
    <message>
        <source>%1: %2, failed</source>
        <translation>%1: %2, non riuscito</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; not saved: %2</source>
        <translation>preset «%1» non salvato: %2</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; saved in %2</source>
        <translation>preset «%1» salvato in %2</translation>
    </message>
    <message>
        <source>option %1 has no fixed set of values</source>
        <translation>l’opzione %1 non ha un insieme fisso di valori</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Prova «%1 --help» per maggiori informazioni.</translation>
    </message>
    <message>
        <source>no photos to convert</source>
        <translation>nessuna foto da convertire</translation>
    </message>
    <message>
        <source>written per preset: %1</source>
        <translation>file scritti per preset: %1</translation>
    </message>
    <message>
        <source>at most SIZE bytes per output file; K and M count 1,000 and 1,000,000, KiB and MiB 1,024 and 1,048,576 (500K, 2MiB; 0: no limit). %1 get the best quality that fits, down to --min-quality, then smaller dimensions; lossless outputs (PNG, TIF, BMP, --lossless) only smaller dimensions</source>
        <translation>al massimo SIZE byte per file in uscita; K e M valgono 1.000 e 1.000.000, KiB e MiB 1.024 e 1.048.576 (500K, 2MiB; 0: nessun limite). %1 ricevono la qualità migliore che rientra, fino a --min-quality, poi dimensioni più piccole; le uscite senza perdita (PNG, TIF, BMP, --lossless) solo dimensioni più piccole</translation>
    </message>
    <message>
        <source>must be a size in bytes such as 500000, 500K or 488KiB, at most 1000000M</source>
        <translation>deve essere una dimensione in byte come 500000, 500K o 488KiB, al massimo 1000000M</translation>
    </message>
    <message>
        <source>the lowest quality --max-file-size may use, %1 (default %2; never above --quality)</source>
        <translation>la qualità più bassa che --max-file-size può usare, %1 (predefinito %2; mai sopra --quality)</translation>
    </message>
    <message>
        <source>with --max-file-size: a photo that does not fit at --min-quality fails instead of being made smaller</source>
        <translation>con --max-file-size: una foto che non rientra a --min-quality non viene convertita invece di essere rimpicciolita</translation>
    </message>
    <message>
        <source>colour resolution of JPG and AVIF: %1 (default %2: 420 below quality 90, else 444, which --max-file-size keeps only where the --quality file fits)</source>
        <translation>risoluzione del colore di JPG e AVIF: %1 (predefinito %2: 420 sotto la qualità 90, altrimenti 444, che --max-file-size mantiene solo se il file a --quality rientra)</translation>
    </message>
    <message>
        <source>progressive JPG, shown coarse first while it loads</source>
        <translation>JPG progressivo, mostrato prima a bassa definizione durante il caricamento</translation>
    </message>
    <message>
        <source>name the outputs by TEMPLATE instead: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera} (&quot;.{ext}&quot; is added when missing)</source>
        <translation>dà invece il nome ai file in uscita secondo TEMPLATE: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera} («.{ext}» viene aggiunto se manca)</translation>
    </message>
    <message>
        <source>is refused: %1</source>
        <translation>viene rifiutato: %1</translation>
    </message>
    <message>
        <source>write each output into the folder DIR next to its original (made if missing) instead of a run folder</source>
        <translation>scrive ogni file in uscita nella cartella DIR accanto al suo originale (creata se manca) invece che in una cartella della conversione</translation>
    </message>
    <message>
        <source>must be a folder name without &apos;/&apos;</source>
        <translation>deve essere un nome di cartella senza «/»</translation>
    </message>
    <message>
        <source>give each output its original&apos;s modification time</source>
        <translation>assegna a ogni file in uscita la data di modifica del suo originale</translation>
    </message>
    <message>
        <source>write one output per preset of the comma-separated list, each photo decoded once; the names must differ (use {preset} in the template)</source>
        <translation>scrive un file in uscita per ogni preset dell’elenco separato da virgole, decodificando ogni foto una sola volta; i nomi devono essere diversi (usa {preset} nel modello)</translation>
    </message>
    <message>
        <source>must list preset names, separated by commas</source>
        <translation>deve elencare nomi di preset, separati da virgole</translation>
    </message>
    <message>
        <source>how camera RAW photos are developed: auto (the camera&apos;s preview when it covers the output, else half size when that does, else full), preview or full (default %1)</source>
        <translation>come vengono sviluppate le foto RAW: auto (l’anteprima della fotocamera se copre l’uscita, altrimenti metà dimensione se la copre, altrimenti completo), preview o full (predefinito %1)</translation>
    </message>
    <message>
        <source>colours of 4- and 8-bit BMP: fixed (the standard table) or adaptive (the photo&apos;s own, by an octree) (default %1)</source>
        <translation>colori dei BMP a 4 e 8 bit: fixed (la tabella standard) o adaptive (quelli della foto, con un octree) (predefinito %1)</translation>
    </message>
    <message>
        <source>font family &apos;%1&apos; is not installed; the text is drawn in &apos;%2&apos;</source>
        <translation>la famiglia di caratteri «%1» non è installata; il testo viene disegnato in «%2»</translation>
    </message>
    <message numerus="yes">
        <source>stopped: %n photos not started</source>
        <translation>
            <numerusform>interrotta: %n foto non avviata</numerusform>
            <numerusform>interrotta: %n foto non avviate</numerusform>
        </translation>
    </message>
    <message>
        <source>when the run ends, write to FILE in the user&apos;s language how many photos were converted and into which folder, then each photo that was not, with its reason</source>
        <translation>al termine scrive in FILE, nella lingua dell’utente, quante foto sono state convertite e in quale cartella, poi ogni foto non convertita con il motivo</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a heading of --help</comment>
        <extracomment>A heading of the option list, %1 its name (&quot;Output:&quot;).</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>option %1: %2</source>
        <translation>opzione %1: %2</translation>
    </message>
    <message>
        <source>No photo was converted.</source>
        <translation>Nessuna foto è stata convertita.</translation>
    </message>
    <message>
        <source>%1 of %2 photos converted</source>
        <translation>%1 di %2 foto convertite</translation>
    </message>
    <message>
        <source>%1 of %2 photos converted into %3</source>
        <translation>%1 di %2 foto convertite in %3</translation>
    </message>
    <message>
        <source>y</source>
        <comment>the letter that answers yes in &quot;[y/N]&quot;</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>[yes]</source>
        <translation>[sì]</translation>
    </message>
    <message>
        <source>[no]</source>
        <translation>[no]</translation>
    </message>
    <message>
        <source>[y/N]</source>
        <extracomment>The answers of a question in the terminal: the letter of Yes, and N (the default) for No.</extracomment>
        <translation>[s/N]</translation>
    </message>
    <message>
        <source>and</source>
        <translation>e</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Batch Photo Converter</source>
        <translation>Convertitore di foto in serie</translation>
    </message>
    <message>
        <source>Resize and convert photos in batches</source>
        <translation>Ridimensiona e converti foto in serie</translation>
    </message>
    <message>
        <source>Convert with Quillmere…</source>
        <translation>Converti con Quillmere…</translation>
    </message>
    <message>
        <source>Open the selected photos in Quillmere</source>
        <translation>Apri le foto selezionate in Quillmere</translation>
    </message>
    <message>
        <source>Convert with a preset…</source>
        <translation>Converti con un preset…</translation>
    </message>
    <message>
        <source>Quillmere: convert with a preset…</source>
        <translation>Quillmere: converti con un preset…</translation>
    </message>
    <message>
        <source>Choose one of Quillmere&apos;s saved presets and convert the selected photos with it</source>
        <translation>Scegli uno dei preset salvati di Quillmere e converti con esso le foto selezionate</translation>
    </message>
    <message>
        <source>Convert the selection with the preset &quot;%1&quot;</source>
        <extracomment>The tooltip of a file manager&apos;s entry &quot;Quillmere: PRESET&quot;; %1 is the preset&apos;s name.</extracomment>
        <translation>Converti la selezione con il preset «%1»</translation>
    </message>
    <message>
        <source>Convert with the preset:</source>
        <extracomment>Asked in a small list of the saved presets, before converting the selected photos.</extracomment>
        <translation>Converti con il preset:</translation>
    </message>
    <message>
        <source>Preset</source>
        <extracomment>The heading of that list&apos;s one column.</extracomment>
        <translation>Preset</translation>
    </message>
    <message>
        <source>photo;picture;resize;convert;batch;rename;jpeg;png;tiff;bmp;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ended by &quot;;&quot;.</extracomment>
        <translation>foto;immagine;ridimensionare;convertire;serie;rinominare;jpeg;png;tiff;bmp;</translation>
    </message>
</context>
<context>
    <name>DestinationPanel</name>
    <message>
        <source>The preset could not be read.</source>
        <translation>Impossibile leggere il preset.</translation>
    </message>
    <message>
        <source>it is no longer stored</source>
        <translation>non è più salvato</translation>
    </message>
</context>
<context>
    <name>FileSizeLimitRow</name>
    <message>
        <source>L&amp;imit file size to</source>
        <translation>L&amp;imita le dimensioni del file a</translation>
    </message>
    <message>
        <source>Largest file size in KB</source>
        <translation>Dimensione massima del file in KB</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>The search for a size that fits goes no lower</source>
        <translation>La ricerca di una dimensione adatta non scende più in basso</translation>
    </message>
    <message>
        <source>Lo&amp;west quality:</source>
        <translation>Qualità mi&amp;nima:</translation>
    </message>
    <message>
        <source>Colour &amp;resolution:</source>
        <translation>&amp;Risoluzione del colore:</translation>
    </message>
    <message>
        <source>Pro&amp;gressive</source>
        <translation>Pro&amp;gressivo</translation>
    </message>
    <message>
        <source>A JPG shown coarse first while it loads</source>
        <translation>Un JPG mostrato prima a bassa definizione durante il caricamento</translation>
    </message>
    <message>
        <source>Please enter a number of KB between 1 and %1.</source>
        <translation>Inserisci un numero di KB tra 1 e %1.</translation>
    </message>
    <message>
        <source>the best quality that fits, then a smaller size</source>
        <translation>la qualità migliore che rientra, poi dimensioni più piccole</translation>
    </message>
    <message>
        <source>lossless: met by a smaller size only</source>
        <translation>senza perdita: raggiunto solo con dimensioni più piccole</translation>
    </message>
</context>
<context>
    <name>FolderChooser</name>
    <message>
        <source>Choose a folder</source>
        <translation>Scegli una cartella</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Carattere:</translation>
    </message>
    <message>
        <source>St&amp;yle:</source>
        <translation>St&amp;ile:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Dimensione:</translation>
    </message>
    <message>
        <source>Height of the characters in pixels of the output photo</source>
        <translation>Altezza dei caratteri in pixel della foto in uscita</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Effects:</source>
        <translation>Effetti:</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>S&amp;ottolineato</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Barrato</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>Co&amp;lore:</translation>
    </message>
    <message>
        <source>Choose the text color</source>
        <translation>Scegli il colore del testo</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>AaBbYyZz 123</source>
        <translation>AaBbYyZz 123</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Colore del testo</translation>
    </message>
</context>
<context>
    <name>FrameControls</name>
    <message>
        <source>Frame and finishing</source>
        <translation>Inquadratura e finitura</translation>
    </message>
    <message>
        <source>&amp;Aspect:</source>
        <translation>&amp;Proporzioni:</translation>
    </message>
    <message>
        <source>Cro&amp;p:</source>
        <translation>&amp;Ritaglio:</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Sfondo:</translation>
    </message>
    <message>
        <source>&amp;Sharpen when reduced:</source>
        <translation>&amp;Nitidezza dopo la riduzione:</translation>
    </message>
    <message>
        <source>As the source</source>
        <translation>Come l’originale</translation>
    </message>
    <message>
        <source> DPI</source>
        <translation> DPI</translation>
    </message>
    <message>
        <source>Res&amp;olution:</source>
        <translation>Ris&amp;oluzione:</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>1:1 (square)</source>
        <translation>1:1 (quadrato)</translation>
    </message>
    <message>
        <source>4:5 (portrait post)</source>
        <translation>4:5 (post verticale)</translation>
    </message>
    <message>
        <source>3:2 (photo print)</source>
        <translation>3:2 (stampa fotografica)</translation>
    </message>
    <message>
        <source>16:9 (wide screen)</source>
        <translation>16:9 (panoramico)</translation>
    </message>
    <message>
        <source>9:16 (story)</source>
        <translation>9:16 (storia)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
</context>
<context>
    <name>GatherTask</name>
    <message>
        <source>Reading photos...</source>
        <translation>Lettura delle foto...</translation>
    </message>
    <message>
        <source>Searching folders: %1 photo files found in %2 folders</source>
        <translation>Ricerca nelle cartelle: %1 file di foto trovati in %2 cartelle</translation>
    </message>
    <message>
        <source>Reading photos: %1 of %2</source>
        <translation>Lettura delle foto: %1 di %2</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Quillmere — User Guide</source>
        <translation>Quillmere — Guida utente</translation>
    </message>
    <message>
        <source>Quillmere</source>
        <translation>Quillmere</translation>
    </message>
    <message>
        <source>Resize and convert photos in batches.</source>
        <translation>Ridimensiona e converti foto in serie.</translation>
    </message>
    <message>
        <source>Quillmere takes a list of photos, gives each of them output settings (format, size, pixel format, quality, rotation and flip, and which camera data to keep), optionally writes a line of text on every photo, and converts them all into a new folder of their own with tidy, numbered file names. Your original photos are never changed.</source>
        <translation>Quillmere prende un elenco di foto, assegna a ciascuna le impostazioni di uscita (formato, dimensioni, formato pixel, qualità, rotazione e riflessione, e quali dati della fotocamera mantenere), se vuoi scrive una riga di testo su ogni foto e le converte tutte in una nuova cartella dedicata, con nomi di file ordinati e numerati. Le foto originali non vengono mai modificate.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#quick&quot;&gt;Quick start&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#quick&quot;&gt;Avvio rapido&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#gather&quot;&gt;Adding photos&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#gather&quot;&gt;Aggiungere foto&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#list&quot;&gt;The photo list&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#list&quot;&gt;L’elenco delle foto&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#options&quot;&gt;Output options&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#options&quot;&gt;Opzioni di uscita&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#output&quot;&gt;Output folder and file names&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#output&quot;&gt;Cartella di uscita e nomi dei file&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#text&quot;&gt;Text on the photos&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#text&quot;&gt;Testo sulle foto&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#presets&quot;&gt;Presets&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#presets&quot;&gt;Preset&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#convert&quot;&gt;Converting&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#convert&quot;&gt;Conversione&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#formats&quot;&gt;Formats&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#formats&quot;&gt;Formati&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#window&quot;&gt;All controls of the main window&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#window&quot;&gt;Tutti i comandi della finestra principale&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#cli&quot;&gt;The command line: quillmere-convert&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#cli&quot;&gt;La riga di comando: quillmere-convert&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#settings&quot;&gt;What Quillmere remembers&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#settings&quot;&gt;Cosa ricorda Quillmere&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Quick start</source>
        <translation>Avvio rapido</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Add Photos&lt;/b&gt; and pick some photos (or drop them onto the window).</source>
        <translation>Premi &lt;b&gt;Aggiungi foto&lt;/b&gt; e scegli alcune foto (oppure trascinale sulla finestra).</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Options&lt;/b&gt; to choose the output format and size. The built-in setting makes @BUILT_IN_FORMAT@ files of quality @QUALITY_BUILT_IN@, @BUILT_IN_WIDTH@ pixels wide, with the height that keeps each photo&apos;s proportions.</source>
        <translation>Premi &lt;b&gt;Opzioni&lt;/b&gt; per scegliere il formato e le dimensioni di uscita. L’impostazione predefinita produce file @BUILT_IN_FORMAT@ di qualità @QUALITY_BUILT_IN@, larghi @BUILT_IN_WIDTH@ pixel, con l’altezza che mantiene le proporzioni di ogni foto.</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;Output Folder&lt;/b&gt;; the first time it is the folder &lt;code&gt;Quillmere&lt;/code&gt; in your Pictures folder.</source>
        <translation>Controlla la &lt;b&gt;Cartella di uscita&lt;/b&gt;: la prima volta è la cartella &lt;code&gt;Quillmere&lt;/code&gt; nella tua cartella Immagini.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Convert&lt;/b&gt;. When the run is done, Quillmere offers to open the folder with the results.</source>
        <translation>Premi &lt;b&gt;Converti&lt;/b&gt;. Al termine della conversione, Quillmere propone di aprire la cartella con i risultati.</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>Aggiungere foto</translation>
    </message>
    <message>
        <source>There are three ways to put photos into the list. New photos are added at the end of the list and get the current default output settings (see &lt;a href=&quot;#options&quot;&gt;Options&lt;/a&gt;).</source>
        <translation>Ci sono tre modi per inserire foto nell’elenco. Le nuove foto vengono aggiunte in fondo all’elenco e ricevono le impostazioni di uscita predefinite in vigore (vedi &lt;a href=&quot;#options&quot;&gt;Opzioni&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Photos&lt;/b&gt; opens a file dialog in which you can select several files at once. It opens in the folder you last added photos from.</source>
        <translation>&lt;b&gt;Aggiungi foto&lt;/b&gt; apre una finestra di selezione dei file in cui puoi sceglierne più di uno alla volta. Si apre nella cartella da cui hai aggiunto foto l’ultima volta.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Drag and drop&lt;/b&gt;: drop files and folders from your file manager onto the window. Files are added in the order dropped; a folder is searched as &lt;b&gt;Search photos&lt;/b&gt; does. Opening photos or folders with Quillmere from a file manager (or &lt;code&gt;quillmere FILE|FOLDER...&lt;/code&gt;) adds them the same way.</source>
        <translation>&lt;b&gt;Trascina e rilascia&lt;/b&gt;: trascina file e cartelle dal gestore di file sulla finestra. I file vengono aggiunti nell’ordine in cui li rilasci; una cartella viene esplorata come fa &lt;b&gt;Cerca foto&lt;/b&gt;. Aprire foto o cartelle con Quillmere da un gestore di file (o con &lt;code&gt;quillmere FILE|FOLDER...&lt;/code&gt;) le aggiunge allo stesso modo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search photos&lt;/b&gt; asks for a folder and adds every photo found in it and in all its sub-folders, folder by folder. Files with the extensions @PHOTO_EXTENSIONS@ are considered (in any letter case).</source>
        <translation>&lt;b&gt;Cerca foto&lt;/b&gt; chiede una cartella e aggiunge tutte le foto trovate in essa e in tutte le sue sottocartelle, una cartella dopo l’altra. Vengono considerati i file con le estensioni @PHOTO_EXTENSIONS@ (in maiuscolo o minuscolo).</translation>
    </message>
    <message>
        <source>Files that are not pictures, or cannot be read, are left out silently. A name with several dots, such as &lt;code&gt;IMG 2009.05.17.jpg&lt;/code&gt; or &lt;code&gt;trip.day1.HEIC&lt;/code&gt;, counts by its last extension. Photos taken with the camera turned are shown and converted upright. Phone photos (HEIC and HEIF) are read as they are.</source>
        <translation>I file che non sono immagini, o che non si possono leggere, vengono esclusi senza avvisi. Un nome con più punti, come &lt;code&gt;IMG 2009.05.17.jpg&lt;/code&gt; o &lt;code&gt;trip.day1.HEIC&lt;/code&gt;, conta per la sua ultima estensione. Le foto scattate con la fotocamera ruotata vengono mostrate e convertite diritte. Le foto dei telefoni (HEIC e HEIF) vengono lette così come sono.</translation>
    </message>
    <message>
        <source>From the file manager</source>
        <translation>Dal gestore di file</translation>
    </message>
    <message>
        <source>Right-click photos or folders in the file manager. &lt;b&gt;Convert with Quillmere…&lt;/b&gt; opens this window with them; each saved preset has an entry of its own, &lt;b&gt;Quillmere: &lt;i&gt;preset&lt;/i&gt;&lt;/b&gt; (in Nemo and Dolphin, &lt;b&gt;convert with a preset…&lt;/b&gt; asks which), which converts the selection at once with that preset into the output folder you chose here, in a new time-stamped folder, and ends with a desktop notification naming that folder and any photo that failed. Presets you save later appear without reinstalling anything.</source>
        <translation>Fai clic destro su foto o cartelle nel gestore di file. &lt;b&gt;Converti con Quillmere…&lt;/b&gt; apre questa finestra con gli elementi selezionati; ogni preset salvato ha una voce propria, &lt;b&gt;Quillmere: &lt;i&gt;preset&lt;/i&gt;&lt;/b&gt; (in Nemo e Dolphin, &lt;b&gt;converti con un preset…&lt;/b&gt; chiede quale), che converte subito la selezione con quel preset nella cartella di uscita scelta qui, in una nuova cartella con data e ora, e termina con una notifica del desktop che indica quella cartella e le eventuali foto non riuscite. I preset salvati in seguito compaiono senza reinstallare nulla.</translation>
    </message>
    <message>
        <source>&lt;b&gt;GNOME Files&lt;/b&gt; shows the entries when the package &lt;code&gt;python3-nautilus&lt;/code&gt; is installed (then restart it: &lt;code&gt;nautilus -q&lt;/code&gt;).</source>
        <translation>&lt;b&gt;File&lt;/b&gt; (GNOME) mostra queste voci quando è installato il pacchetto &lt;code&gt;python3-nautilus&lt;/code&gt; (poi riavvialo: &lt;code&gt;nautilus -q&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Nemo&lt;/b&gt; (Cinnamon) and &lt;b&gt;Dolphin&lt;/b&gt; (KDE) show them at once.</source>
        <translation>&lt;b&gt;Nemo&lt;/b&gt; (Cinnamon) e &lt;b&gt;Dolphin&lt;/b&gt; (KDE) le mostrano subito.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Thunar&lt;/b&gt; (Xfce) keeps custom actions in each user&apos;s own settings: in Thunar choose &lt;b&gt;Edit → Configure custom actions…&lt;/b&gt;, add an action named &lt;i&gt;Quillmere: Web 2048&lt;/i&gt; with the command &lt;code&gt;/usr/libexec/quillmere/quillmere-file-action convert &apos;Web 2048&apos; %F&lt;/code&gt; (the name of your preset in quotes), and under &lt;b&gt;Appearance Conditions&lt;/b&gt; tick &lt;b&gt;Image Files&lt;/b&gt; and &lt;b&gt;Directories&lt;/b&gt;. An action with the command &lt;code&gt;quillmere %F&lt;/code&gt; opens the window instead.</source>
        <translation>&lt;b&gt;Thunar&lt;/b&gt; (Xfce) conserva le azioni personalizzate nelle impostazioni di ciascun utente: in Thunar scegli &lt;b&gt;Modifica → Imposta azioni personalizzate…&lt;/b&gt;, aggiungi un’azione chiamata &lt;i&gt;Quillmere: Web 2048&lt;/i&gt; con il comando &lt;code&gt;/usr/libexec/quillmere/quillmere-file-action convert &apos;Web 2048&apos; %F&lt;/code&gt; (il nome del tuo preset tra apici) e in &lt;b&gt;Condizioni di visibilità&lt;/b&gt; spunta &lt;b&gt;File immagine&lt;/b&gt; e &lt;b&gt;Cartelle&lt;/b&gt;. Un’azione con il comando &lt;code&gt;quillmere %F&lt;/code&gt; apre invece la finestra.</translation>
    </message>
    <message>
        <source>The photo list</source>
        <translation>L’elenco delle foto</translation>
    </message>
    <message>
        <source>Each row shows one photo: &lt;b&gt;File name&lt;/b&gt;, its size (&lt;b&gt;Width * Height&lt;/b&gt;), the file&apos;s modification &lt;b&gt;Time&lt;/b&gt;, the size it will be converted to (&lt;b&gt;Output Width * Height&lt;/b&gt;) and its &lt;b&gt;Rotate&lt;/b&gt; angle, and its &lt;b&gt;Status&lt;/b&gt; in the last run: waiting, converting, converted, skipped or failed (rest the pointer on it for the reason). Rest the pointer on a name for the full path. The list order is the conversion order and so the numbering order of the new files. The same file may be in the list more than once. &lt;b&gt;Total Photos:&lt;/b&gt; above the list counts the photos.</source>
        <translation>Ogni riga mostra una foto: &lt;b&gt;Nome file&lt;/b&gt;, le sue dimensioni (&lt;b&gt;Larghezza * Altezza&lt;/b&gt;), la &lt;b&gt;Data&lt;/b&gt; di modifica del file, le dimensioni che avrà dopo la conversione (&lt;b&gt;Larghezza * Altezza di uscita&lt;/b&gt;), l’angolo di &lt;b&gt;Rotazione&lt;/b&gt; e lo &lt;b&gt;Stato&lt;/b&gt; nell’ultima conversione: in attesa, in conversione, convertita, saltata o non riuscita (tieni il puntatore sopra lo stato per leggerne il motivo). Tieni il puntatore su un nome per vedere il percorso completo. L’ordine dell’elenco è l’ordine di conversione, e quindi l’ordine di numerazione dei nuovi file. Lo stesso file può comparire più volte nell’elenco. Sopra l’elenco, &lt;b&gt;Foto totali:&lt;/b&gt; indica quante foto contiene.</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Funzione</translation>
    </message>
    <message>
        <source>Click a row</source>
        <translation>Clic su una riga</translation>
    </message>
    <message>
        <source>Shows the photo in the preview frame, whole and in its own proportions.</source>
        <translation>Mostra la foto nel riquadro di anteprima, intera e nelle sue proporzioni.</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;File name&lt;/b&gt; or &lt;b&gt;Time&lt;/b&gt; heading</source>
        <translation>Clic sull’intestazione &lt;b&gt;Nome file&lt;/b&gt; o &lt;b&gt;Data&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Sorts the list by that column; click again to reverse the order.</source>
        <translation>Ordina l’elenco in base a quella colonna; un altro clic inverte l’ordine.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt; (or double-click / right-click a row)</source>
        <translation>&lt;b&gt;Modifica&lt;/b&gt; (o doppio clic / clic destro su una riga)</translation>
    </message>
    <message>
        <source>Opens the output options for each selected photo in turn, so that single photos can get settings of their own.</source>
        <translation>Apre le opzioni di uscita di ogni foto selezionata, una dopo l’altra, così che singole foto possano avere impostazioni proprie.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Up&lt;/b&gt; / &lt;b&gt;Down&lt;/b&gt;</source>
        <translation>&lt;b&gt;Su&lt;/b&gt; / &lt;b&gt;Giù&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Move the selected photos one place up or down.</source>
        <translation>Sposta le foto selezionate di un posto in su o in giù.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Delete&lt;/b&gt; (&lt;kbd&gt;Del&lt;/kbd&gt;)</source>
        <translation>&lt;b&gt;Elimina&lt;/b&gt; (&lt;kbd&gt;Canc&lt;/kbd&gt;)</translation>
    </message>
    <message>
        <source>Removes the selected photos from the list (the files stay on disk).</source>
        <translation>Rimuove le foto selezionate dall’elenco (i file restano sul disco).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear&lt;/b&gt;</source>
        <translation>&lt;b&gt;Svuota&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Empties the list.</source>
        <translation>Svuota l’elenco.</translation>
    </message>
    <message>
        <source>Convert, Edit, Up, Down, Delete and Clear are available as soon as the list holds a photo. &lt;kbd&gt;Ctrl+A&lt;/kbd&gt; selects every photo. Every button has an &lt;kbd&gt;Alt&lt;/kbd&gt; letter (the underlined one); &lt;kbd&gt;Ctrl+O&lt;/kbd&gt; is Add Photos, &lt;kbd&gt;Ctrl+F&lt;/kbd&gt; Search photos and &lt;kbd&gt;Ctrl+Return&lt;/kbd&gt; Convert.</source>
        <translation>Converti, Modifica, Su, Giù, Elimina e Svuota sono disponibili non appena l’elenco contiene una foto. &lt;kbd&gt;Ctrl+A&lt;/kbd&gt; seleziona tutte le foto. Ogni pulsante ha una lettera &lt;kbd&gt;Alt&lt;/kbd&gt; (quella sottolineata); &lt;kbd&gt;Ctrl+O&lt;/kbd&gt; corrisponde ad Aggiungi foto, &lt;kbd&gt;Ctrl+F&lt;/kbd&gt; a Cerca foto e &lt;kbd&gt;Ctrl+Invio&lt;/kbd&gt; a Converti.</translation>
    </message>
    <message>
        <source>Output options</source>
        <translation>Opzioni di uscita</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt; edits the default settings that photos added from now on receive. After you confirm it with photos in the list, Quillmere asks whether all photos in the list should get the new settings as well. &lt;b&gt;Edit&lt;/b&gt; opens the same dialog for the selected photos only.</source>
        <translation>&lt;b&gt;Opzioni&lt;/b&gt; modifica le impostazioni predefinite che riceveranno le foto aggiunte d’ora in poi. Se confermi mentre l’elenco contiene foto, Quillmere chiede se anche tutte le foto dell’elenco devono ricevere le nuove impostazioni. &lt;b&gt;Modifica&lt;/b&gt; apre la stessa finestra solo per le foto selezionate.</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significato</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Format:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Formato di uscita:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>@OUTPUT_FORMAT_LIST@ (see &lt;a href=&quot;#formats&quot;&gt;Formats&lt;/a&gt;).</source>
        <translation>@OUTPUT_FORMAT_LIST@ (vedi &lt;a href=&quot;#formats&quot;&gt;Formati&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pixel format:&lt;/b&gt; (@PIXEL_FORMAT_FORMATS@ only)</source>
        <translation>&lt;b&gt;Formato pixel:&lt;/b&gt; (solo @PIXEL_FORMAT_FORMATS@)</translation>
    </message>
    <message>
        <source>The colour depth of the BMP file: 1, 4 or 8 bits indexed (2, 16 or 256 colours, made with error diffusion), or one of the direct-colour formats. The text below the list describes the choice. &lt;b&gt;Colours:&lt;/b&gt; for 4 and 8 bits, the standard 16 or 256 colours, or the colours of the photo (the 16 or 256 that best match each photo).</source>
        <translation>La profondità di colore del file BMP: 1, 4 o 8 bit indicizzati (2, 16 o 256 colori, ottenuti con diffusione dell’errore), oppure uno dei formati a colori diretti. Il testo sotto l’elenco descrive la scelta. &lt;b&gt;Colori:&lt;/b&gt; per 4 e 8 bit, i 16 o 256 colori standard, oppure i colori della foto (i 16 o 256 più fedeli a ogni foto).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Do not enlarge&lt;/b&gt;</source>
        <translation>&lt;b&gt;Non ingrandire&lt;/b&gt;</translation>
    </message>
    <message>
        <source>With @NO_ENLARGE_RULES@: a photo smaller than the chosen size keeps its own size (no side grows), so a 100*66 picture is not blown up to 1024*675.</source>
        <translation>Con @NO_ENLARGE_RULES@: una foto più piccola delle dimensioni scelte mantiene le proprie dimensioni (nessun lato cresce), quindi un’immagine di 100*66 non viene gonfiata a 1024*675.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quality Control:&lt;/b&gt; (@QUALITY_FORMATS@)</source>
        <translation>&lt;b&gt;Qualità:&lt;/b&gt; (@QUALITY_FORMATS@)</translation>
    </message>
    <message>
        <source>Quality from @QUALITY_MIN@ (smallest file) to @QUALITY_MAX@ (best picture), for every format that loses detail to save space. The quality you confirm last is remembered and shown every time the dialog opens.</source>
        <translation>Qualità da @QUALITY_MIN@ (file più piccolo) a @QUALITY_MAX@ (immagine migliore), per ogni formato che sacrifica dettagli per risparmiare spazio. L’ultima qualità confermata viene ricordata e mostrata ogni volta che si apre la finestra.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lossless&lt;/b&gt; (@LOSSLESS_FORMATS@)</source>
        <translation>&lt;b&gt;Senza perdita&lt;/b&gt; (@LOSSLESS_FORMATS@)</translation>
    </message>
    <message>
        <source>Keeps every pixel exactly; the quality is then not used and the files are larger.</source>
        <translation>Conserva ogni pixel esattamente; la qualità allora non viene usata e i file sono più grandi.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Limit file size to … KB&lt;/b&gt;</source>
        <translation>&lt;b&gt;Limita le dimensioni del file a … KB&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Every output file at most this many KB (1 KB = 1,000 bytes), camera data included, for upload forms and mail limits. @QUALITY_FORMATS@ files get the best quality that fits, found in a few trial encodes and never above the quality set; where even quality 30 does not fit, the picture is made smaller until it does. Lossless files (PNG, TIF, BMP, Lossless) can only be made smaller. A photo that already fits, in the same format and size with all its camera data, is copied unchanged. The command line adds &lt;code&gt;--min-quality&lt;/code&gt;, &lt;code&gt;--no-shrink-to-fit&lt;/code&gt;, &lt;code&gt;--chroma&lt;/code&gt; and &lt;code&gt;--progressive&lt;/code&gt;.</source>
        <translation>Ogni file in uscita occupa al massimo questo numero di KB (1 KB = 1.000 byte), dati della fotocamera compresi, per rispettare i moduli di caricamento e i limiti della posta elettronica. I file @QUALITY_FORMATS@ ricevono la qualità migliore che rientra nel limite, trovata con poche codifiche di prova e mai superiore alla qualità impostata; se nemmeno la qualità 30 rientra, l’immagine viene rimpicciolita finché non rientra. I file senza perdita (PNG, TIF, BMP, Senza perdita) possono solo essere rimpiccioliti. Una foto che rientra già, nello stesso formato e nelle stesse dimensioni con tutti i suoi dati della fotocamera, viene copiata invariata. La riga di comando aggiunge &lt;code&gt;--min-quality&lt;/code&gt;, &lt;code&gt;--no-shrink-to-fit&lt;/code&gt;, &lt;code&gt;--chroma&lt;/code&gt; e &lt;code&gt;--progressive&lt;/code&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Camera data (EXIF, XMP, IPTC):&lt;/b&gt;</source>
        <translation>&lt;b&gt;Dati della fotocamera (EXIF, XMP, IPTC):&lt;/b&gt;</translation>
    </message>
    <message>
        <source>What the outputs keep of the data the camera or phone stored with the photo (not for @FORMATS_WITHOUT_CAMERA_DATA@):</source>
        <translation>Cosa mantengono i file in uscita dei dati che la fotocamera o il telefono ha salvato con la foto (non per @FORMATS_WITHOUT_CAMERA_DATA@):</translation>
    </message>
    <message>
        <source>&lt;b&gt;Camera RAW photos:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Foto RAW:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>How camera RAW files (recognised by their content) are developed, always with the camera&apos;s white balance and no automatic brightening, so that the photos of one shoot match:</source>
        <translation>Come vengono sviluppati i file RAW (riconosciuti dal contenuto), sempre con il bilanciamento del bianco della fotocamera e senza schiarimento automatico, così che le foto di uno stesso servizio risultino uniformi:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Rotate by angle&lt;/b&gt;</source>
        <translation>&lt;b&gt;Rotazione&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Turn the result by @ROTATION_CHOICES@ degrees clockwise.</source>
        <translation>Ruota il risultato di @ROTATION_CHOICES@ gradi in senso orario.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Flip&lt;/b&gt;</source>
        <translation>&lt;b&gt;Rifletti&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aspect:&lt;/b&gt; (Fill and Pad)</source>
        <translation>&lt;b&gt;Proporzioni:&lt;/b&gt; (Riempi e Inserisci)</translation>
    </message>
    <message>
        <source>1:1, 4:5, 3:2, 16:9 or 9:16 fills in the height from the width you type (1080 wide at 4:5 gives 1350); &lt;i&gt;Custom&lt;/i&gt; keeps the height you type.</source>
        <translation>1:1, 4:5, 3:2, 16:9 o 9:16 calcola l’altezza dalla larghezza digitata (1080 di larghezza a 4:5 dà 1350); &lt;i&gt;Personalizzato&lt;/i&gt; mantiene l’altezza digitata.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Crop:&lt;/b&gt; (Fill and Pad)</source>
        <translation>&lt;b&gt;Ritaglio:&lt;/b&gt; (Riempi e Inserisci)</translation>
    </message>
    <message>
        <source>Which part of the photo Fill keeps (an edge, a corner, the centre, or &lt;i&gt;Smart&lt;/i&gt;: the part with the most detail, skin tones and colour), or where Pad places the photo.</source>
        <translation>Quale parte della foto mantiene Riempi (un bordo, un angolo, il centro, oppure &lt;i&gt;Intelligente&lt;/i&gt;: la parte con più dettagli, toni della pelle e colore), oppure dove Inserisci colloca la foto.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Background:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Sfondo:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The colour of Pad&apos;s margins and of transparent areas of the photos (white unless you choose another).</source>
        <translation>Il colore dei bordi di Inserisci e delle aree trasparenti delle foto (bianco, se non ne scegli un altro).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sharpen when reduced:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Nitidezza dopo la riduzione:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>A mild sharpening of the photo&apos;s lightness after it was made smaller, the more the more it was reduced (up to half its size); a photo that is not reduced is never sharpened.</source>
        <translation>Un leggero aumento della nitidezza, applicato alla luminosità della foto dopo che è stata rimpicciolita, tanto più marcato quanto più è stata ridotta (fino a metà delle sue dimensioni); una foto non ridotta non viene mai resa più nitida.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Resolution:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Risoluzione:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The DPI written into JPG, PNG, TIF and BMP files (WebP and AVIF with camera data); &lt;i&gt;As the source&lt;/i&gt; keeps the photo&apos;s own.</source>
        <translation>La risoluzione (DPI) scritta nei file JPG, PNG, TIF e BMP (WebP e AVIF con i dati della fotocamera); &lt;i&gt;Come l’originale&lt;/i&gt; mantiene quella della foto.</translation>
    </message>
    <message>
        <source>Photos are turned upright (from the orientation the camera recorded) before any size rule is applied, so a portrait photo&apos;s width is its short side. Sizes are whole pixels: the fixed size and Stretch cut them, the other rules round to the nearest pixel.</source>
        <translation>Le foto vengono raddrizzate (secondo l’orientamento registrato dalla fotocamera) prima di applicare qualsiasi regola di dimensione, quindi la larghezza di una foto verticale è il suo lato corto. Le dimensioni sono pixel interi: le dimensioni fisse e Scala le troncano, le altre regole le arrotondano al pixel più vicino.</translation>
    </message>
    <message>
        <source>The dialog shows only what matters for the chosen format and size rule. When you press OK, every number is checked, including those of hidden or unavailable fields: a message names what is wrong, the field gets the focus and the dialog stays open.</source>
        <translation>La finestra mostra solo ciò che conta per il formato e la regola di dimensione scelti. Quando premi OK, ogni numero viene controllato, compresi quelli dei campi nascosti o non disponibili: un messaggio indica cosa non va, il campo riceve il focus e la finestra resta aperta.</translation>
    </message>
    <message>
        <source>Output folder and file names</source>
        <translation>Cartella di uscita e nomi dei file</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Folder:&lt;/b&gt; is where the results go; type a folder or choose one with &lt;b&gt;Browse&lt;/b&gt;. On the first start it is the folder &lt;code&gt;Quillmere&lt;/code&gt; inside your Pictures folder, which Quillmere creates for you. The folder you used last is remembered.</source>
        <translation>&lt;b&gt;Cartella di uscita:&lt;/b&gt; indica dove vanno i risultati; digita una cartella o scegline una con &lt;b&gt;Sfoglia&lt;/b&gt;. Al primo avvio è la cartella &lt;code&gt;Quillmere&lt;/code&gt; nella tua cartella Immagini, che Quillmere crea per te. L’ultima cartella usata viene ricordata.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The run folder.&lt;/b&gt; Every conversion makes a new folder inside the output folder, named after the moment it started as &lt;code&gt;year.month.day.hour.minute.second&lt;/code&gt;, for example &lt;code&gt;2026.05.17.14.05.09&lt;/code&gt;. Earlier results are therefore never overwritten.</source>
        <translation>&lt;b&gt;La cartella della conversione.&lt;/b&gt; Ogni conversione crea una nuova cartella dentro la cartella di uscita, con il nome del momento in cui è iniziata nella forma &lt;code&gt;year.month.day.hour.minute.second&lt;/code&gt; (anno, mese, giorno, ora, minuto, secondo), per esempio &lt;code&gt;2026.05.17.14.05.09&lt;/code&gt;. I risultati precedenti quindi non vengono mai sovrascritti.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The naming rule.&lt;/b&gt; With &lt;b&gt;Batch rename prefix:&lt;/b&gt; (default &lt;code&gt;output.photo&lt;/code&gt;) each file is named</source>
        <translation>&lt;b&gt;La regola dei nomi.&lt;/b&gt; Con &lt;b&gt;Prefisso per rinomina:&lt;/b&gt; (predefinito &lt;code&gt;output.photo&lt;/code&gt;) ogni file prende il nome</translation>
    </message>
    <message>
        <source>where the number is the photo&apos;s place in the list, padded with zeros to the width of the photo count (&lt;code&gt;1&lt;/code&gt;–&lt;code&gt;9&lt;/code&gt; for up to 9 photos, &lt;code&gt;01&lt;/code&gt;–&lt;code&gt;12&lt;/code&gt; for 12, &lt;code&gt;001&lt;/code&gt; for 100 or more), and the date is the one chosen in the list beside the prefix:</source>
        <translation>dove il numero (number) è la posizione della foto nell’elenco, completato con zeri iniziali fino alle cifre del numero di foto (&lt;code&gt;1&lt;/code&gt;–&lt;code&gt;9&lt;/code&gt; fino a 9 foto, &lt;code&gt;01&lt;/code&gt;–&lt;code&gt;12&lt;/code&gt; per 12, &lt;code&gt;001&lt;/code&gt; per 100 o più), e la data è quella scelta nell’elenco accanto al prefisso:</translation>
    </message>
    <message>
        <source>Example: prefix &lt;code&gt;trip&lt;/code&gt;, 12 photos, the third taken (or, with File date, modified) on 17 May 2009 gives &lt;code&gt;trip.03.2009.05.17.jpg&lt;/code&gt;. Photos copied from a camera card get the copy&apos;s day as their file date; choose Date taken to name them after the day they were taken.</source>
        <translation>Esempio: prefisso &lt;code&gt;trip&lt;/code&gt;, 12 foto, la terza scattata (o, con Data del file, modificata) il 17 maggio 2009 dà &lt;code&gt;trip.03.2009.05.17.jpg&lt;/code&gt;. Le foto copiate da una scheda di memoria hanno come data del file il giorno della copia; scegli Data di scatto per dare loro il nome del giorno in cui sono state scattate.</translation>
    </message>
    <message>
        <source>Check &lt;b&gt;Not rename&lt;/b&gt; to keep each photo&apos;s own name instead (only the extension changes, for example &lt;code&gt;IMG_0001.jpg&lt;/code&gt;); the prefix field is then unavailable. If a file of that name already exists, Quillmere asks before replacing it.</source>
        <translation>Spunta &lt;b&gt;Non rinominare&lt;/b&gt; per mantenere invece il nome di ogni foto (cambia solo l’estensione, per esempio &lt;code&gt;IMG_0001.jpg&lt;/code&gt;); il campo del prefisso allora non è disponibile. Se esiste già un file con quel nome, Quillmere chiede conferma prima di sostituirlo.</translation>
    </message>
    <message>
        <source>Check &lt;b&gt;Keep sub-folders&lt;/b&gt; to keep the folder tree of a search: a photo that &lt;b&gt;Search photos&lt;/b&gt; (or a dropped folder) found in &lt;code&gt;Holiday/Day2/&lt;/code&gt; is written to &lt;code&gt;Day2/&lt;/code&gt; inside the run folder (for example &lt;code&gt;Day2/IMG_0001.jpg&lt;/code&gt;, or &lt;code&gt;Day2/trip.07.2009.05.17.jpg&lt;/code&gt; with renaming: the numbers still count through the whole list). Photos added one by one go to the run folder itself.</source>
        <translation>Spunta &lt;b&gt;Mantieni sottocartelle&lt;/b&gt; per mantenere la struttura di cartelle di una ricerca: una foto che &lt;b&gt;Cerca foto&lt;/b&gt; (o una cartella trascinata) ha trovato in &lt;code&gt;Holiday/Day2/&lt;/code&gt; viene scritta in &lt;code&gt;Day2/&lt;/code&gt; dentro la cartella della conversione (per esempio &lt;code&gt;Day2/IMG_0001.jpg&lt;/code&gt;, oppure &lt;code&gt;Day2/trip.07.2009.05.17.jpg&lt;/code&gt; con la rinomina: la numerazione prosegue comunque su tutto l’elenco). Le foto aggiunte una per una vanno direttamente nella cartella della conversione.</translation>
    </message>
    <message>
        <source>Text on the photos</source>
        <translation>Testo sulle foto</translation>
    </message>
    <message>
        <source>Type a line into &lt;b&gt;Add text to photo:&lt;/b&gt; to write it on every converted photo, for example a copyright note. &lt;b&gt;Position x, y:&lt;/b&gt; is the place of the text&apos;s top-left corner, in pixels of the converted photo before it is rotated or flipped. A position outside the photo is reported and set to 0. &lt;b&gt;Font&lt;/b&gt; opens a dialog in which you choose the font, its style, its size in pixels of the output photo, underline, strikeout and the colour; the chosen font&apos;s name is shown beside the position fields. Font and colour are remembered; the text itself is not.</source>
        <translation>Digita una riga in &lt;b&gt;Aggiungi testo alla foto:&lt;/b&gt; per scriverla su ogni foto convertita, per esempio una nota di copyright. &lt;b&gt;Posizione x, y:&lt;/b&gt; è la posizione dell’angolo in alto a sinistra del testo, in pixel della foto convertita, prima della rotazione o della riflessione. Una posizione fuori dalla foto viene segnalata e riportata a 0. &lt;b&gt;Carattere&lt;/b&gt; apre una finestra in cui scegli il carattere, lo stile, la dimensione in pixel della foto in uscita, sottolineato, barrato e il colore; il nome del carattere scelto compare accanto ai campi della posizione. Carattere e colore vengono ricordati; il testo no.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anchor:&lt;/b&gt; measures x and y from another corner, an edge or the middle of the photo instead: with &lt;i&gt;Bottom right&lt;/i&gt;, 20, 20 puts the text 20 pixels from the right and bottom edges of every photo, whatever its size. With any anchor but &lt;i&gt;Top left&lt;/i&gt; the text is kept inside the photo. &lt;b&gt;Size:&lt;/b&gt; gives the text&apos;s height as a percentage of each photo&apos;s shorter side, so that a caption has the same weight on a small and a large output; at &lt;i&gt;Font size&lt;/i&gt; the size chosen with &lt;b&gt;Font&lt;/b&gt; counts. &lt;b&gt;Opacity:&lt;/b&gt; lets the photo show through the text, and &lt;i&gt;Outline&lt;/i&gt; or &lt;i&gt;Shadow&lt;/i&gt; draws a dark (or, for dark text, light) edge that keeps it legible on any background. The preview shows the text on the photo you clicked, scaled with it.</source>
        <translation>&lt;b&gt;Ancoraggio:&lt;/b&gt; misura invece x e y da un altro angolo, da un bordo o dal centro della foto: con &lt;i&gt;In basso a destra&lt;/i&gt;, 20, 20 colloca il testo a 20 pixel dal bordo destro e da quello inferiore di ogni foto, qualunque sia la sua dimensione. Con qualsiasi ancoraggio tranne &lt;i&gt;In alto a sinistra&lt;/i&gt; il testo resta dentro la foto. &lt;b&gt;Dimensione:&lt;/b&gt; dà l’altezza del testo in percentuale del lato corto di ogni foto, così che una didascalia abbia lo stesso peso su un’immagine piccola e su una grande; con &lt;i&gt;Dimensione del carattere&lt;/i&gt; vale la dimensione scelta con &lt;b&gt;Carattere&lt;/b&gt;. &lt;b&gt;Opacità:&lt;/b&gt; lascia trasparire la foto attraverso il testo, e &lt;i&gt;Contorno&lt;/i&gt; o &lt;i&gt;Ombra&lt;/i&gt; disegna un bordo scuro (o chiaro, per un testo scuro) che lo mantiene leggibile su qualsiasi sfondo. L’anteprima mostra il testo sulla foto su cui hai fatto clic, in scala con essa.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Watermark:&lt;/b&gt; draws a picture, such as your logo, on every photo: choose a PNG, WebP or SVG file (its transparency is kept) with &lt;b&gt;Logo…&lt;/b&gt; or type its path; clear the field for none. It sits at the chosen corner, edge or middle, &lt;b&gt;Size:&lt;/b&gt; sets its longer side as a percentage of each photo&apos;s shorter side, &lt;b&gt;Opacity:&lt;/b&gt; how much of the photo shows through, and &lt;b&gt;Margin:&lt;/b&gt; its distance from the edges, also as a percentage of the shorter side. The file is read when you choose it, and every photo of a conversion gets that picture.</source>
        <translation>&lt;b&gt;Filigrana:&lt;/b&gt; disegna un’immagine, per esempio il tuo logo, su ogni foto: scegli un file PNG, WebP o SVG (la trasparenza viene mantenuta) con &lt;b&gt;Logo…&lt;/b&gt; oppure digitane il percorso; svuota il campo per non usarne nessuna. Si colloca nell’angolo, sul bordo o al centro scelto; &lt;b&gt;Dimensione:&lt;/b&gt; imposta il suo lato lungo in percentuale del lato corto di ogni foto, &lt;b&gt;Opacità:&lt;/b&gt; quanto della foto traspare, e &lt;b&gt;Margine:&lt;/b&gt; la sua distanza dai bordi, anch’essa in percentuale del lato corto. Il file viene letto quando lo scegli, e ogni foto di una conversione riceve quell’immagine.</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>A preset keeps the output settings for new photos, the naming (prefix, &lt;b&gt;Not rename&lt;/b&gt;, &lt;b&gt;Keep sub-folders&lt;/b&gt;), the text and the watermark with all their settings under a name. &lt;b&gt;Save as…&lt;/b&gt; stores the window&apos;s current settings, &lt;b&gt;Apply&lt;/b&gt; brings the chosen preset back and, as &lt;b&gt;Options&lt;/b&gt; does, asks whether the listed photos get its output settings too, and &lt;b&gt;Remove&lt;/b&gt; removes it. The command line uses the same presets (&lt;code&gt;--preset&lt;/code&gt;, &lt;code&gt;--save-preset&lt;/code&gt;, &lt;code&gt;--list-presets&lt;/code&gt;).</source>
        <translation>Un preset conserva sotto un nome le impostazioni di uscita per le nuove foto, i nomi dei file (prefisso, &lt;b&gt;Non rinominare&lt;/b&gt;, &lt;b&gt;Mantieni sottocartelle&lt;/b&gt;), il testo e la filigrana con tutte le loro impostazioni. &lt;b&gt;Salva come…&lt;/b&gt; salva le impostazioni attuali della finestra, &lt;b&gt;Applica&lt;/b&gt; ripristina il preset scelto e, come fa &lt;b&gt;Opzioni&lt;/b&gt;, chiede se anche le foto dell’elenco devono ricevere le sue impostazioni di uscita, e &lt;b&gt;Rimuovi&lt;/b&gt; lo elimina. La riga di comando usa gli stessi preset (&lt;code&gt;--preset&lt;/code&gt;, &lt;code&gt;--save-preset&lt;/code&gt;, &lt;code&gt;--list-presets&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversione</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; starts the run; while it runs the button reads &lt;b&gt;Stop&lt;/b&gt;, and pressing it stops the run after the photos in hand. The progress bar shows how many photos are done and about how long the rest will take. A photo that cannot be converted does not hold the run: its row says &lt;b&gt;Failed&lt;/b&gt; (the reason is in its tooltip), a line goes to the activity log &lt;code&gt;Corvale.log&lt;/code&gt; in the output folder, and the other photos are converted all the same. Before the first file is written a replace question is asked only for files that were there before the run, once for all of them if you answer &lt;b&gt;Yes to all&lt;/b&gt; or &lt;b&gt;No to all&lt;/b&gt;; two photos that would get the same name get two files (&lt;code&gt;IMG_0001.jpg&lt;/code&gt;, &lt;code&gt;IMG_0001-2.jpg&lt;/code&gt;). A photo is written under its final name only when it is complete, so a failed or stopped conversion never leaves a half-written file. When the run ends, one box lists every photo that failed with its reason in plain words (&lt;b&gt;Copy&lt;/b&gt; puts the list on the clipboard, &lt;b&gt;Show log&lt;/b&gt; opens the log), says how many photos a stop left unconverted, and offers to open the output folder or to &lt;b&gt;Convert the rest&lt;/b&gt; into the same folder with the numbering continued. &lt;b&gt;View log&lt;/b&gt; opens &lt;code&gt;Corvale.log&lt;/code&gt; in your text editor. If the output folder you typed does not exist yet, it is made with any folders missing above it; when it cannot be made, the message says why. Escape never closes the window; closing it with photos in the list, or during a run, asks first. The settings of the window come back at the next start.</source>
        <translation>&lt;b&gt;Converti&lt;/b&gt; avvia la conversione; mentre è in corso il pulsante diventa &lt;b&gt;Interrompi&lt;/b&gt;, che ferma la conversione dopo le foto in lavorazione. La barra di avanzamento mostra quante foto sono pronte e quanto manca, all’incirca, alla fine. Una foto che non si può convertire non blocca la conversione: la sua riga indica &lt;b&gt;Non riuscita&lt;/b&gt; (il motivo è nel suggerimento), una riga viene scritta nel registro attività &lt;code&gt;Corvale.log&lt;/code&gt; nella cartella di uscita, e le altre foto vengono convertite comunque. Prima di scrivere il primo file, la domanda sulla sostituzione viene posta solo per i file che esistevano prima della conversione, una sola volta per tutti se rispondi &lt;b&gt;Sì a tutti&lt;/b&gt; o &lt;b&gt;No a tutti&lt;/b&gt;; due foto che otterrebbero lo stesso nome danno due file (&lt;code&gt;IMG_0001.jpg&lt;/code&gt;, &lt;code&gt;IMG_0001-2.jpg&lt;/code&gt;). Una foto viene scritta con il suo nome definitivo solo quando è completa, quindi una conversione non riuscita o interrotta non lascia mai un file scritto a metà. Al termine della conversione, una finestra elenca ogni foto non riuscita con il motivo in parole semplici (&lt;b&gt;Copia&lt;/b&gt; mette l’elenco negli appunti, &lt;b&gt;Mostra registro&lt;/b&gt; apre il registro), indica quante foto un’interruzione ha lasciato non convertite e offre di aprire la cartella di uscita oppure, con &lt;b&gt;Converti il resto&lt;/b&gt;, di convertire le foto rimanenti nella stessa cartella proseguendo la numerazione. &lt;b&gt;Mostra registro&lt;/b&gt; apre &lt;code&gt;Corvale.log&lt;/code&gt; nel tuo editor di testo. Se la cartella di uscita digitata non esiste ancora, viene creata insieme a tutte le cartelle superiori mancanti; se non si può creare, il messaggio spiega perché. Esc non chiude mai la finestra; chiuderla con foto nell’elenco, o durante una conversione, chiede prima conferma. Le impostazioni della finestra vengono ripristinate all’avvio successivo.</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formati</translation>
    </message>
    <message>
        <source>Quillmere reads the common picture formats (JPEG, PNG, TIFF, GIF, BMP, WebP and more). It writes:</source>
        <translation>Quillmere legge i formati di immagine più comuni (JPEG, PNG, TIFF, GIF, BMP, WebP e altri). Scrive:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Every output is 8-bit RGB on a white background; colour profiles are converted to sRGB and the source&apos;s resolution (DPI) is kept where the format has one. A photo larger than its format can store is refused with a message before it is read. The camera data kept is set under &lt;a href=&quot;#options&quot;&gt;Camera data&lt;/a&gt;.</source>
        <translation>Ogni file in uscita è RGB a 8 bit su sfondo bianco; i profili colore vengono convertiti in sRGB e la risoluzione (DPI) dell’originale viene mantenuta se il formato la prevede. Una foto più grande di quanto il suo formato possa contenere viene rifiutata con un messaggio prima di essere letta. I dati della fotocamera da mantenere si impostano in &lt;a href=&quot;#options&quot;&gt;Dati della fotocamera&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>All controls of the main window</source>
        <translation>Tutti i comandi della finestra principale</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Photos&lt;/b&gt;</source>
        <translation>&lt;b&gt;Aggiungi foto&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Add photos with a file dialog.</source>
        <translation>Aggiunge foto con una finestra di selezione dei file.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search photos&lt;/b&gt;</source>
        <translation>&lt;b&gt;Cerca foto&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Add every photo of a folder and its sub-folders.</source>
        <translation>Aggiunge tutte le foto di una cartella e delle sue sottocartelle.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt;</source>
        <translation>&lt;b&gt;Opzioni&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default output settings for new photos (and, if you agree, for all listed photos).</source>
        <translation>Impostazioni di uscita predefinite per le nuove foto (e, se lo confermi, per tutte le foto dell’elenco).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; / &lt;b&gt;Stop&lt;/b&gt;</source>
        <translation>&lt;b&gt;Converti&lt;/b&gt; / &lt;b&gt;Interrompi&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start or stop the conversion.</source>
        <translation>Avvia o interrompe la conversione.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt; (&lt;kbd&gt;F1&lt;/kbd&gt;)</source>
        <translation>&lt;b&gt;Aiuto&lt;/b&gt; (&lt;kbd&gt;F1&lt;/kbd&gt;)</translation>
    </message>
    <message>
        <source>Opens this guide in your web browser.</source>
        <translation>Apre questa guida nel browser web.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Total Photos:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Foto totali:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The number of photos in the list.</source>
        <translation>Il numero di foto nell’elenco.</translation>
    </message>
    <message>
        <source>Photo list, &lt;b&gt;Edit&lt;/b&gt;, &lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;, &lt;b&gt;Delete&lt;/b&gt;, &lt;b&gt;Clear&lt;/b&gt;</source>
        <translation>Elenco delle foto, &lt;b&gt;Modifica&lt;/b&gt;, &lt;b&gt;Su&lt;/b&gt;, &lt;b&gt;Giù&lt;/b&gt;, &lt;b&gt;Elimina&lt;/b&gt;, &lt;b&gt;Svuota&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#list&quot;&gt;The photo list&lt;/a&gt;.</source>
        <translation>Vedi &lt;a href=&quot;#list&quot;&gt;L’elenco delle foto&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Folder:&lt;/b&gt;, &lt;b&gt;Browse&lt;/b&gt;</source>
        <translation>&lt;b&gt;Cartella di uscita:&lt;/b&gt;, &lt;b&gt;Sfoglia&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Where the run folders are made.</source>
        <translation>Dove vengono create le cartelle delle conversioni.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add text to photo:&lt;/b&gt;, &lt;b&gt;Position x, y:&lt;/b&gt;, &lt;b&gt;Font&lt;/b&gt;</source>
        <translation>&lt;b&gt;Aggiungi testo alla foto:&lt;/b&gt;, &lt;b&gt;Posizione x, y:&lt;/b&gt;, &lt;b&gt;Carattere&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#text&quot;&gt;Text on the photos&lt;/a&gt;.</source>
        <translation>Vedi &lt;a href=&quot;#text&quot;&gt;Testo sulle foto&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anchor:&lt;/b&gt;, &lt;b&gt;Size:&lt;/b&gt;, &lt;b&gt;Opacity:&lt;/b&gt;, outline or shadow</source>
        <translation>&lt;b&gt;Ancoraggio:&lt;/b&gt;, &lt;b&gt;Dimensione:&lt;/b&gt;, &lt;b&gt;Opacità:&lt;/b&gt;, contorno o ombra</translation>
    </message>
    <message>
        <source>&lt;b&gt;Batch rename prefix:&lt;/b&gt; &lt;i&gt;+Number+Time&lt;/i&gt;, &lt;b&gt;File date&lt;/b&gt; / &lt;b&gt;Date taken&lt;/b&gt;, &lt;b&gt;Not rename&lt;/b&gt;, &lt;b&gt;Keep sub-folders&lt;/b&gt;</source>
        <translation>&lt;b&gt;Prefisso per rinomina:&lt;/b&gt; &lt;i&gt;+Numero+Data&lt;/i&gt;, &lt;b&gt;Data del file&lt;/b&gt; / &lt;b&gt;Data di scatto&lt;/b&gt;, &lt;b&gt;Non rinominare&lt;/b&gt;, &lt;b&gt;Mantieni sottocartelle&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#output&quot;&gt;the naming rule&lt;/a&gt;.</source>
        <translation>Vedi &lt;a href=&quot;#output&quot;&gt;la regola dei nomi&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Preset:&lt;/b&gt;, &lt;b&gt;Apply&lt;/b&gt;, &lt;b&gt;Save as…&lt;/b&gt;, &lt;b&gt;Remove&lt;/b&gt;</source>
        <translation>&lt;b&gt;Preset:&lt;/b&gt;, &lt;b&gt;Applica&lt;/b&gt;, &lt;b&gt;Salva come…&lt;/b&gt;, &lt;b&gt;Rimuovi&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#presets&quot;&gt;Presets&lt;/a&gt;.</source>
        <translation>Vedi &lt;a href=&quot;#presets&quot;&gt;Preset&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Preview frame</source>
        <translation>Riquadro di anteprima</translation>
    </message>
    <message>
        <source>Shows the photo you clicked in the list.</source>
        <translation>Mostra la foto su cui hai fatto clic nell’elenco.</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>Barra di avanzamento</translation>
    </message>
    <message>
        <source>Progress of the current run.</source>
        <translation>Avanzamento della conversione in corso.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Update&lt;/b&gt;</source>
        <translation>&lt;b&gt;Aggiornamenti&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Opens the Quillmere web site, where new versions are published.</source>
        <translation>Apre il sito web di Quillmere, dove vengono pubblicate le nuove versioni.</translation>
    </message>
    <message>
        <source>&lt;b&gt;About&lt;/b&gt;</source>
        <translation>&lt;b&gt;Informazioni&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Version and contact addresses.</source>
        <translation>Versione e indirizzi di contatto.</translation>
    </message>
    <message>
        <source>&lt;b&gt;View log&lt;/b&gt;</source>
        <translation>&lt;b&gt;Mostra registro&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Opens the activity log &lt;code&gt;Corvale.log&lt;/code&gt;.</source>
        <translation>Apre il registro attività &lt;code&gt;Corvale.log&lt;/code&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Exit&lt;/b&gt;</source>
        <translation>&lt;b&gt;Esci&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Saves the output folder, the font and colour, the prefix and the date choice, and closes the program.</source>
        <translation>Salva la cartella di uscita, il carattere e il colore, il prefisso e la scelta della data, poi chiude il programma.</translation>
    </message>
    <message>
        <source>The command line: quillmere-convert</source>
        <translation>La riga di comando: quillmere-convert</translation>
    </message>
    <message>
        <source>&lt;code&gt;quillmere-convert&lt;/code&gt; converts photos with the same engine, without a window — for scripts, servers and large jobs.</source>
        <translation>&lt;code&gt;quillmere-convert&lt;/code&gt; converte le foto con lo stesso motore, senza finestra — per script, server e grandi lavori.</translation>
    </message>
    <message>
        <source>Each &lt;code&gt;PATH&lt;/code&gt; is a photo or a folder; folders are searched with their sub-folders like &lt;b&gt;Search photos&lt;/b&gt; does. Every option defaults to what the window starts with. An option&apos;s value follows as the next argument or after &lt;code&gt;=&lt;/code&gt; (&lt;code&gt;--text-pos=-5,3&lt;/code&gt;).</source>
        <translation>Ogni &lt;code&gt;PATH&lt;/code&gt; è una foto o una cartella; le cartelle vengono esplorate con le loro sottocartelle, come fa &lt;b&gt;Cerca foto&lt;/b&gt;. Il valore predefinito di ogni opzione è quello con cui parte la finestra. Il valore di un’opzione segue come argomento successivo o dopo &lt;code&gt;=&lt;/code&gt; (&lt;code&gt;--text-pos=-5,3&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>Messages are printed as &lt;code&gt;Caption: text&lt;/code&gt; on standard error, with a progress bar when that is a terminal. The last line on standard output is the run folder. The exit status is 0 when every photo was converted, 1 when some were not, and 2 for wrong options. Files that are not pictures are skipped with a notice.</source>
        <translation>I messaggi vengono stampati come &lt;code&gt;Caption: text&lt;/code&gt; sullo standard error, con una barra di avanzamento quando questo è un terminale. L’ultima riga sullo standard output è la cartella della conversione. Il codice di uscita è 0 quando tutte le foto sono state convertite, 1 quando alcune non lo sono state, e 2 per opzioni errate. I file che non sono immagini vengono saltati con un avviso.</translation>
    </message>
    <message>
        <source>&lt;code&gt;--into&lt;/code&gt;, &lt;code&gt;--number-start&lt;/code&gt; and &lt;code&gt;--number-width&lt;/code&gt; let several runs, on one machine or many, each convert a part of one list and name their files exactly as one run over the whole list would; the README shows how with GNU parallel.</source>
        <translation>&lt;code&gt;--into&lt;/code&gt;, &lt;code&gt;--number-start&lt;/code&gt; e &lt;code&gt;--number-width&lt;/code&gt; permettono a più esecuzioni, su una o più macchine, di convertire ciascuna una parte di uno stesso elenco e di dare ai file esattamente i nomi che darebbe un’unica esecuzione sull’intero elenco; il README mostra come farlo con GNU parallel.</translation>
    </message>
    <message>
        <source>What Quillmere remembers</source>
        <translation>Cosa ricorda Quillmere</translation>
    </message>
    <message>
        <source>Quillmere keeps its settings in &lt;code&gt;~/.config/Harbenwick/quillmere.conf&lt;/code&gt;: the output folder, the rename prefix and the date in the names, the font and colour of the text, the last folders used for adding photos, and in the options dialog the last confirmed format, pixel format and quality. The photo list, the overlay text and its position, and the other output settings (size, Lossless, Do not enlarge, camera data) start fresh at every start. Presets are kept in the same file, in its group &lt;code&gt;[Presets]&lt;/code&gt;, which the command line reads and writes too; a preset keeps every output setting, the date in the names among them.</source>
        <translation>Quillmere conserva le sue impostazioni in &lt;code&gt;~/.config/Harbenwick/quillmere.conf&lt;/code&gt;: la cartella di uscita, il prefisso di rinomina e la data nei nomi, il carattere e il colore del testo, le ultime cartelle usate per aggiungere foto e, nella finestra delle opzioni, gli ultimi formato, formato pixel e qualità confermati. L’elenco delle foto, il testo sovrapposto e la sua posizione, e le altre impostazioni di uscita (dimensioni, Senza perdita, Non ingrandire, dati della fotocamera) ripartono da zero a ogni avvio. I preset sono conservati nello stesso file, nel suo gruppo &lt;code&gt;[Presets]&lt;/code&gt;, che anche la riga di comando legge e scrive; un preset conserva ogni impostazione di uscita, compresa la data nei nomi.</translation>
    </message>
</context>
<context>
    <name>LanguagePack</name>
    <message>
        <source>&amp;About Quillmere</source>
        <translation>&amp;Informazioni su Quillmere</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The output width is invalid!</source>
        <translation>La larghezza di uscita non è valida!</translation>
    </message>
    <message>
        <source>The output hight is invalid!</source>
        <translation>L’altezza di uscita non è valida!</translation>
    </message>
    <message>
        <source>Failed to SetResolution!</source>
        <translation>Impossibile impostare la risoluzione!</translation>
    </message>
    <message>
        <source>Failed to SetInterpolationMode!</source>
        <translation>Impossibile impostare il metodo di interpolazione!</translation>
    </message>
    <message>
        <source>Failed to convert photo!</source>
        <translation>Impossibile convertire la foto!</translation>
    </message>
    <message>
        <source>Unknown rotate angle!</source>
        <translation>Angolo di rotazione sconosciuto!</translation>
    </message>
    <message>
        <source>Failed to rotate and flip photo!</source>
        <translation>Impossibile ruotare e riflettere la foto!</translation>
    </message>
    <message>
        <source>Failed to save the file!</source>
        <translation>Impossibile salvare il file!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>%s exists. Do you want to replace it?</source>
        <translation>%s esiste già. Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>The text position X is bigger than the photo width!, The program set it to 0 now.</source>
        <translation>La posizione X del testo supera la larghezza della foto! Il programma l’ha reimpostata a 0.</translation>
    </message>
    <message>
        <source>The text position Y is bigger than the photo height!, The program set it to 0 now.</source>
        <translation>La posizione Y del testo supera l’altezza della foto! Il programma l’ha reimpostata a 0.</translation>
    </message>
    <message>
        <source>The text position X is out of range! The program set it to 0 now.</source>
        <translation>La posizione X del testo è fuori intervallo! Il programma l’ha reimpostata a 0.</translation>
    </message>
    <message>
        <source>The text position Y is out of range! The program set it to 0 now.</source>
        <translation>La posizione Y del testo è fuori intervallo! Il programma l’ha reimpostata a 0.</translation>
    </message>
    <message>
        <source>1 bit per pixel, indexed. 2 color.</source>
        <translation>1 bit per pixel, indicizzato. 2 colori.</translation>
    </message>
    <message>
        <source>4 bits per pixel, indexed. 16 color.</source>
        <translation>4 bit per pixel, indicizzato. 16 colori.</translation>
    </message>
    <message>
        <source>8 bits per pixel, indexed. 256 color.</source>
        <translation>8 bit per pixel, indicizzato. 256 colori.</translation>
    </message>
    <message>
        <source>16 bits per pixel; 5 bits are used for the red component, 6 bits are used for the green component, and 5 bits are used for the blue component.</source>
        <translation>16 bit per pixel; 5 bit per la componente rossa, 6 bit per la componente verde e 5 bit per la componente blu.</translation>
    </message>
    <message>
        <source>24 bits per pixel; 8 bits each are used for the red, green, and blue components.</source>
        <translation>24 bit per pixel; 8 bit ciascuna per le componenti rossa, verde e blu.</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the alpha, red, green, and blue components.</source>
        <translation>32 bit per pixel; 8 bit ciascuna per le componenti alfa, rossa, verde e blu.</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the alpha, red, green, and blue components. The red, green, and blue components are premultiplied according to the alpha component.</source>
        <translation>32 bit per pixel; 8 bit ciascuna per le componenti alfa, rossa, verde e blu. Le componenti rossa, verde e blu sono premoltiplicate per la componente alfa.</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the red, green, and blue components. The remaining 8 bits are not used.</source>
        <translation>32 bit per pixel; 8 bit ciascuna per le componenti rossa, verde e blu. Gli 8 bit restanti non vengono usati.</translation>
    </message>
    <message>
        <source>64 bits per pixel; 16 bits each are used for the alpha, red, green, and blue components. Written as 32 bits ARGB, as no BMP reader takes 64 bits.</source>
        <translation>64 bit per pixel; 16 bit ciascuna per le componenti alfa, rossa, verde e blu. Scritto come 32 bit ARGB, perché nessun lettore BMP accetta 64 bit.</translation>
    </message>
    <message>
        <source>64 bits per pixel; 16 bits each are used for the alpha, red, green, and blue components. The red, green, and blue components are premultiplied according to the alpha component. Written as 32 bits PARGB, as no BMP reader takes 64 bits.</source>
        <translation>64 bit per pixel; 16 bit ciascuna per le componenti alfa, rossa, verde e blu. Le componenti rossa, verde e blu sono premoltiplicate per la componente alfa. Scritto come 32 bit PARGB, perché nessun lettore BMP accetta 64 bit.</translation>
    </message>
</context>
<context>
    <name>ListHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ripeti %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
</context>
<context>
    <name>LocalFigures</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
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
        <translation>l’originale rientra: copiato</translation>
    </message>
    <message>
        <source>fitted by reducing to %1 x %2</source>
        <translation>adattato riducendo a %1 x %2</translation>
    </message>
    <message>
        <source>fitted: quality %1</source>
        <translation>adattato: qualità %1</translation>
    </message>
    <message>
        <source>the source fits (%1): copied unchanged</source>
        <translation>l’originale rientra (%1): copiato senza modifiche</translation>
    </message>
    <message>
        <source>%1 at quality %2</source>
        <translation>%1 con qualità %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n encodes</source>
        <extracomment>%1 is the size and quality (&quot;498 KB at quality 72&quot;); an encode is one trial compression made to find it.</extracomment>
        <translation>
            <numerusform>%1, %n codifica</numerusform>
            <numerusform>%1, %n codifiche</numerusform>
        </translation>
    </message>
    <message>
        <source>fitted by reducing to %1: %2</source>
        <translation>adattato riducendo a %1: %2</translation>
    </message>
    <message>
        <source>%1 lossless</source>
        <translation>%1 senza perdita</translation>
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
        <translation>&amp;Aggiungi foto</translation>
    </message>
    <message>
        <source>&amp;Search photos</source>
        <translation>&amp;Cerca foto</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>Con&amp;verti</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>Total Photos:</source>
        <translation>Foto totali:</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>S&amp;u</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Giù</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>Svuo&amp;ta</translation>
    </message>
    <message>
        <source>Output &amp;Folder:</source>
        <translation>Cartella &amp;di uscita:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>S&amp;foglia</translation>
    </message>
    <message>
        <source>Add &amp;text to photo:</source>
        <translation>Aggiungi &amp;testo alla foto:</translation>
    </message>
    <message>
        <source>Position &amp;x, y:</source>
        <translation>Posizione &amp;x, y:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>Caratte&amp;re</translation>
    </message>
    <message>
        <source>A&amp;nchor:</source>
        <translation>A&amp;ncoraggio:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>Dimen&amp;sione:</translation>
    </message>
    <message>
        <source>The text&apos;s size as a percentage of the photo&apos;s shorter side; at 0 the font&apos;s own size counts.</source>
        <translation>Dimensione del testo in percentuale del lato corto della foto; a 0 vale la dimensione propria del carattere.</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Dimensione del carattere</translation>
    </message>
    <message>
        <source> % of shorter side</source>
        <translation> % del lato corto</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>O&amp;pacità:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Batch rena&amp;me prefix:</source>
        <translation>Prefisso per rino&amp;mina:</translation>
    </message>
    <message>
        <source>+Number+Time</source>
        <translation>+Numero+Data</translation>
    </message>
    <message>
        <source>Date in the names</source>
        <translation>Data nei nomi</translation>
    </message>
    <message>
        <source>Which date the file names carry</source>
        <translation>Quale data riportano i nomi dei file</translation>
    </message>
    <message>
        <source>&amp;Not rename</source>
        <translation>&amp;Non rinominare</translation>
    </message>
    <message>
        <source>Photos found by Search photos or in a dropped folder keep their sub-folders inside the run folder.</source>
        <translation>Le foto trovate con Cerca foto o in una cartella trascinata mantengono le loro sottocartelle nella cartella della conversione.</translation>
    </message>
    <message>
        <source>&amp;Keep sub-folders</source>
        <translation>Mantieni sotto&amp;cartelle</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Preset:</translation>
    </message>
    <message>
        <source>Output settings, naming and text of the preset; the listed photos get its output settings if you agree.</source>
        <translation>Impostazioni di uscita, denominazione e testo del preset; se lo confermi, le foto dell’elenco ricevono le sue impostazioni di uscita.</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>Appl&amp;ica</translation>
    </message>
    <message>
        <source>Sa&amp;ve as…</source>
        <translation>Sal&amp;va come…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ri&amp;muovi</translation>
    </message>
    <message>
        <source>%p%</source>
        <translation>%p%</translation>
    </message>
    <message>
        <source>Stops gathering; the photos read so far are added (Esc).</source>
        <translation>Interrompe la ricerca; le foto lette finora vengono aggiunte (Esc).</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>V&amp;iew log</source>
        <translation>Mostra &amp;registro</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>Salva elenco</translation>
    </message>
    <message>
        <source>load list</source>
        <translation>carica elenco</translation>
    </message>
    <message>
        <source>U&amp;pdate</source>
        <translation>Aggiorna&amp;menti</translation>
    </message>
    <message>
        <source>Abou&amp;t</source>
        <translation>Informa&amp;zioni</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>These files were left out because they are not pictures:</source>
        <translation>Questi file sono stati esclusi perché non sono immagini:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>modifica delle impostazioni</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>spostamento in su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>spostamento in giù</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>eliminazione</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>svuotamento dell’elenco</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>applicazione del preset</translation>
    </message>
    <message>
        <source>Stop the conversion and quit?</source>
        <translation>Interrompere la conversione e uscire?</translation>
    </message>
    <message>
        <source>Stop and quit</source>
        <translation>Interrompi ed esci</translation>
    </message>
    <message numerus="yes">
        <source>The list of %n photos is not kept. Do you want to quit?</source>
        <translation>
            <numerusform>L’elenco di %n foto non verrà conservato. Vuoi uscire?</numerusform>
            <numerusform>L’elenco di %n foto non verrà conservato. Vuoi uscire?</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>MainDialogHooks</name>
    <message>
        <source>The desktop has no program that opens %1.</source>
        <translation>Il desktop non ha alcun programma che apra %1.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>Salva preset</translation>
    </message>
    <message>
        <source>Preset &amp;name:</source>
        <translation>&amp;Nome del preset:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiornamenti</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1 occurs error!</source>
        <translation>Si è verificato un errore con %1!</translation>
    </message>
    <message>
        <source>%1 is not a right directory</source>
        <translation>%1 non è una cartella valida</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Accesso a %1 negato.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 non è stato trovato.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contiene un percorso non valido.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>Impossibile aprire %1 perché ci sono troppi file aperti.</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>È stato segnalato un errore hardware di I/O durante l’accesso a %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Si è verificata una violazione di condivisione durante l’accesso a %1.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Si è verificato un errore sconosciuto durante l’accesso a %1.</translation>
    </message>
    <message>
        <source>Failed file.GetStatus from %1</source>
        <translation>Impossibile leggere lo stato del file %1</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Impossibile salvare le impostazioni.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>The Program does not launch your web browser to access %1 ,
Please launch your web browser and input the URL manually.</source>
        <translation>Il programma non è riuscito ad avviare il browser web per accedere a %1.
Avvia il browser e inserisci l’indirizzo manualmente.</translation>
    </message>
    <message>
        <source>The help page %1 is missing.</source>
        <translation>La pagina della guida %1 non esiste.</translation>
    </message>
    <message>
        <source>%1 %2 is installed.</source>
        <translation>È installato %1 %2.</translation>
    </message>
    <message>
        <source>Updates come from your system&apos;s package manager: update %1 there together with your other programs.</source>
        <translation>Gli aggiornamenti arrivano dal gestore di pacchetti del sistema: aggiorna %1 da lì insieme agli altri programmi.</translation>
    </message>
    <message>
        <source>This copy was built from source, outside a package, so the package manager does not update it.</source>
        <translation>Questa copia è stata compilata dai sorgenti, fuori da un pacchetto, quindi il gestore di pacchetti non la aggiorna.</translation>
    </message>
    <message>
        <source>Newer versions of the source are at %1.</source>
        <translation>Le versioni più recenti dei sorgenti si trovano su %1.</translation>
    </message>
    <message>
        <source>A packaged %1 gets its updates from your system&apos;s package manager.</source>
        <translation>%1 installato da pacchetto riceve gli aggiornamenti dal gestore di pacchetti del sistema.</translation>
    </message>
    <message>
        <source>Can not get My Documents directory!</source>
        <translation>Impossibile trovare la cartella Documenti!</translation>
    </message>
    <message>
        <source>The log file could not be written; its notices are lost.</source>
        <translation>Impossibile scrivere il file di registro; i suoi avvisi sono andati persi.</translation>
    </message>
    <message>
        <source>The watermark could not be read.</source>
        <translation>Impossibile leggere la filigrana.</translation>
    </message>
    <message>
        <source>The stored setting %1 is not used: %2. %3 is used instead.</source>
        <translation>L’impostazione salvata %1 non viene usata: %2. Viene usato invece %3.</translation>
    </message>
</context>
<context>
    <name>OptionTables</name>
    <message>
        <source>Same as the source</source>
        <translation>Uguale all’originale</translation>
    </message>
    <message>
        <source>1 bit Indexed</source>
        <translation>1 bit indicizzato</translation>
    </message>
    <message>
        <source>4 bits Indexed</source>
        <translation>4 bit indicizzato</translation>
    </message>
    <message>
        <source>8 bits Indexed</source>
        <translation>8 bit indicizzato</translation>
    </message>
    <message>
        <source>16 bits RGB565</source>
        <translation>16 bit RGB565</translation>
    </message>
    <message>
        <source>24 bits RGB</source>
        <translation>24 bit RGB</translation>
    </message>
    <message>
        <source>32 bits ARGB</source>
        <translation>32 bit ARGB</translation>
    </message>
    <message>
        <source>32 bits PARGB</source>
        <translation>32 bit PARGB</translation>
    </message>
    <message>
        <source>32 bits RGB</source>
        <translation>32 bit RGB</translation>
    </message>
    <message>
        <source>64 bits ARGB</source>
        <translation>64 bit ARGB</translation>
    </message>
    <message>
        <source>64 bits PARGB</source>
        <translation>64 bit PARGB</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>Dimensioni originali</translation>
    </message>
    <message>
        <source>Stretch:</source>
        <translation>Scala:</translation>
    </message>
    <message>
        <source>Fit within Output Width x Output Height</source>
        <translation>Adatta entro larghezza × altezza di uscita</translation>
    </message>
    <message>
        <source>Long edge:</source>
        <translation>Lato lungo:</translation>
    </message>
    <message>
        <source>Fill Output Width x Output Height, cropped</source>
        <translation>Riempi larghezza × altezza di uscita, con ritaglio</translation>
    </message>
    <message>
        <source>Pad to Output Width x Output Height</source>
        <translation>Inserisci in larghezza × altezza di uscita, con bordi</translation>
    </message>
    <message>
        <source>No flip</source>
        <translation>Nessun riflesso</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>Rifletti in orizzontale</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Rifletti in verticale</translation>
    </message>
    <message>
        <source>All but the location</source>
        <translation>Tutti tranne la posizione</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Smart</source>
        <translation>Intelligente</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Leggera</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Forte</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Halved colour resolution below quality 90, full from 90 up.</source>
        <translation>Risoluzione del colore dimezzata sotto la qualità 90, piena da 90 in su.</translation>
    </message>
    <message>
        <source>Colour at half resolution: smaller files.</source>
        <translation>Colore a metà risoluzione: file più piccoli.</translation>
    </message>
    <message>
        <source>Colour at full resolution: sharper red edges.</source>
        <translation>Colore a piena risoluzione: bordi rossi più nitidi.</translation>
    </message>
    <message>
        <source>Standard colours</source>
        <translation>Colori standard</translation>
    </message>
    <message>
        <source>The standard 16 or 256 colours, the same for every photo.</source>
        <translation>I 16 o 256 colori standard, gli stessi per ogni foto.</translation>
    </message>
    <message>
        <source>Colours of the photo</source>
        <translation>Colori della foto</translation>
    </message>
    <message>
        <source>The 16 or 256 colours that best match each photo, found by an octree.</source>
        <translation>I 16 o 256 colori più fedeli a ogni foto, trovati con un octree.</translation>
    </message>
    <message>
        <source>File date</source>
        <translation>Data del file</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>Data di scatto</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>In alto a sinistra</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>In alto</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>In alto a destra</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>A sinistra</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Al centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>A destra</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>In basso a sinistra</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>In basso</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>In basso a destra</translation>
    </message>
    <message>
        <source>No outline</source>
        <translation>Senza contorno</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombra</translation>
    </message>
    <message>
        <source>The camera&apos;s own preview when it is at least the output size, else the sensor at half size when that is, else the whole sensor.</source>
        <translation>L’anteprima della fotocamera se raggiunge almeno le dimensioni di uscita, altrimenti il sensore a metà dimensione se le raggiunge, altrimenti il sensore intero.</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Anteprima della fotocamera</translation>
    </message>
    <message>
        <source>The preview the camera embedded in the file: fastest; a file without one fails.</source>
        <translation>L’anteprima che la fotocamera ha incorporato nel file: la più rapida; un file che non ne contiene non viene convertito.</translation>
    </message>
    <message>
        <source>Full develop</source>
        <translation>Sviluppo completo</translation>
    </message>
    <message>
        <source>Always the whole sensor, demosaicked: slowest, the most detail.</source>
        <translation>Sempre il sensore intero, con demosaicizzazione: il più lento, il massimo dettaglio.</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no camera data kept</comment>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no sharpening</comment>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Uncompressed; 24-bit colour, or 1, 4 or 8 bits per pixel with a palette (see Pixel format). Carries no camera data.</source>
        <translation>Non compresso; colore a 24 bit, oppure 1, 4 o 8 bit per pixel con tavolozza (vedi Formato pixel). Non contiene dati della fotocamera.</translation>
    </message>
    <message>
        <source>EXIF, XMP and a JPEG&apos;s IPTC</source>
        <translation>EXIF, XMP e l’IPTC di un JPEG</translation>
    </message>
    <message>
        <source>Photos; smallest files. Quality @QUALITY_RANGE@ (built-in @QUALITY_BUILT_IN@).</source>
        <translation>Foto; file più piccoli. Qualità @QUALITY_RANGE@ (predefinita @QUALITY_BUILT_IN@).</translation>
    </message>
    <message>
        <source>EXIF and XMP</source>
        <translation>EXIF e XMP</translation>
    </message>
    <message>
        <source>Lossless; transparent areas become white.</source>
        <translation>Senza perdita; le aree trasparenti diventano bianche.</translation>
    </message>
    <message>
        <source>EXIF, XMP and a TIFF&apos;s IPTC</source>
        <translation>EXIF, XMP e l’IPTC di un TIFF</translation>
    </message>
    <message>
        <source>Lossless (LZW compression), for print and archiving.</source>
        <translation>Senza perdita (compressione LZW), per la stampa e l’archiviazione.</translation>
    </message>
    <message>
        <source>For the web: smaller than JPG at the same quality. Quality @QUALITY_RANGE@, or Lossless.</source>
        <translation>Per il web: più piccolo di JPG a parità di qualità. Qualità @QUALITY_RANGE@, oppure Senza perdita.</translation>
    </message>
    <message>
        <source>AV1 in a HEIF file: the smallest photo files, slower to write. Quality @QUALITY_RANGE@.</source>
        <translation>AV1 in un file HEIF: i file di foto più piccoli, più lenti da scrivere. Qualità @QUALITY_RANGE@.</translation>
    </message>
    <message>
        <source>JPEG&apos;s successor: small files of high fidelity. Quality @QUALITY_RANGE@, or Lossless.</source>
        <translation>Il successore del JPEG: file piccoli ad alta fedeltà. Qualità @QUALITY_RANGE@, oppure Senza perdita.</translation>
    </message>
    <message>
        <source>@KEPT_SOURCE_FORMATS@ photos keep their format (with that format&apos;s settings and extension); any other photo (GIF, HEIC, ...) becomes @SOURCE_FALLBACK_FORMAT@.</source>
        <translation>Le foto @KEPT_SOURCE_FORMATS@ mantengono il loro formato (con le impostazioni e l’estensione di quel formato); ogni altra foto (GIF, HEIC, ...) diventa @SOURCE_FALLBACK_FORMAT@.</translation>
    </message>
    <message>
        <source>Keep each photo&apos;s own width and height.</source>
        <translation>Ogni foto mantiene la propria larghezza e altezza.</translation>
    </message>
    <message>
        <source>the fixed size</source>
        <translation>la dimensione fissa</translation>
    </message>
    <message>
        <source>The choice beside Output Width: and Output Height:</source>
        <translation>La scelta accanto a Larghezza di uscita: e Altezza di uscita:</translation>
    </message>
    <message>
        <source>A fixed size in pixels. With Keep aspect ratio with width only the width counts and the height follows the photo&apos;s proportions; with Keep aspect ratio with Height only the height counts. Without either box, the photo is scaled to exactly the given width and height.</source>
        <translation>Una dimensione fissa in pixel. Con Mantieni proporzioni dalla larghezza conta solo la larghezza e l’altezza segue le proporzioni della foto; con Mantieni proporzioni dall’altezza conta solo l’altezza. Senza nessuna delle due caselle, la foto viene scalata esattamente alla larghezza e all’altezza indicate.</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>Stretch: Horizontal: / Vertical:</source>
        <translation>Scala: Orizzontale: / Verticale:</translation>
    </message>
    <message>
        <source>Multiply the photo&apos;s width and height by these factors (from 0.000001 to 1000000; 0.5 halves, 2 doubles). Sizes are cut to whole pixels.</source>
        <translation>Moltiplica larghezza e altezza della foto per questi fattori (da 0.000001 a 1000000; 0.5 dimezza, 2 raddoppia). Le dimensioni vengono troncate a pixel interi.</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>The largest size with the photo&apos;s proportions that fits in the width and height: never cropped, never distorted. The side that does not fill the box is rounded to whole pixels, but never below 1.</source>
        <translation>La dimensione più grande con le proporzioni della foto che entra nella larghezza e nell’altezza: mai ritagliata, mai deformata. Il lato che non riempie il riquadro viene arrotondato a pixel interi, ma mai sotto 1.</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Lato lungo</translation>
    </message>
    <message>
        <source>The photo&apos;s longer side becomes this many pixels, the other follows its proportions (rounded to whole pixels, never below 1). A landscape and a portrait photo of the same camera come out alike.</source>
        <translation>Il lato più lungo della foto diventa di questi pixel, l’altro segue le sue proporzioni (arrotondato a pixel interi, mai sotto 1). Una foto orizzontale e una verticale della stessa fotocamera escono uguali.</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Riempi</translation>
    </message>
    <message>
        <source>Exactly the width and height: the photo is scaled until it covers them, and what reaches beyond is cropped. Crop: which part is kept (an edge, a corner, the centre, or Smart: the most interesting part).</source>
        <translation>Esattamente larghezza e altezza: la foto viene scalata finché non le copre, e ciò che sporge viene ritagliato. Ritaglio: quale parte resta (un bordo, un angolo, il centro, oppure Intelligente: la parte più interessante).</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Exactly the width and height: the whole photo is fitted inside, never cropped, and the margins take the background colour. Crop: where the photo sits.</source>
        <translation>Esattamente larghezza e altezza: l’intera foto viene inserita all’interno, mai ritagliata, e i bordi prendono il colore di sfondo. Ritaglio: dove si trova la foto.</translation>
    </message>
    <message>
        <source>mirror left to right</source>
        <translation>sinistra e destra invertite</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>capovolta</translation>
    </message>
    <message>
        <source>No camera data: the outputs carry only the resolution (DPI).</source>
        <translation>Nessun dato della fotocamera: i file in uscita contengono solo la risoluzione (DPI).</translation>
    </message>
    <message>
        <source>As All, without the GPS position and without the location fields of XMP; the IPTC block, which may name places, is left out too.</source>
        <translation>Come Tutti, senza la posizione GPS e senza i campi di luogo di XMP; anche il blocco IPTC, che può nominare luoghi, viene omesso.</translation>
    </message>
    <message>
        <source>EXIF (camera, lens, exposure, date taken, GPS), XMP and IPTC as the photo has them, with the orientation set to upright and the pixel size of the output, and the sRGB colour profile embedded. @CAMERA_DATA_BY_FORMAT@</source>
        <translation>EXIF (fotocamera, obiettivo, esposizione, data di scatto, GPS), XMP e IPTC come li ha la foto, con l’orientamento raddrizzato e le dimensioni in pixel dell’uscita, e il profilo colore sRGB incorporato. @CAMERA_DATA_BY_FORMAT@</translation>
    </message>
    <message>
        <source>The source file&apos;s modification date.</source>
        <translation>La data di modifica del file di origine.</translation>
    </message>
    <message>
        <source>The date the photo was taken (EXIF DateTimeOriginal, else DateTimeDigitized); the file&apos;s date for a photo that has neither.</source>
        <translation>La data di scatto della foto (EXIF DateTimeOriginal, altrimenti DateTimeDigitized); la data del file per una foto che non ha nessuna delle due.</translation>
    </message>
    <message>
        <source>At most %1 pixels a side.</source>
        <translation>Al massimo %1 pixel per lato.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
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
            <numerusform>Applicare queste impostazioni anche a %n foto dell’elenco?</numerusform>
            <numerusform>Applicare queste impostazioni anche alle %n foto dell’elenco?</numerusform>
        </translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Domanda</translation>
    </message>
</context>
<context>
    <name>OverlayPanel</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Inserisci un numero intero.</translation>
    </message>
</context>
<context>
    <name>PhotoListModel</name>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>In conversione</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Convertita</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltata</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscita</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Non convertita</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Width * Height</source>
        <translation>Larghezza * Altezza</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Output Width * Height</source>
        <translation>Larghezza * Altezza di uscita</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotazione</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
</context>
<context>
    <name>PhotoListPanel</name>
    <message>
        <source>Total photos: %1</source>
        <translation>Foto totali: %1</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>ordinamento</translation>
    </message>
    <message>
        <source>Please select items!</source>
        <translation>Seleziona degli elementi!</translation>
    </message>
</context>
<context>
    <name>PhotoSources</name>
    <message>
        <source>Photo Files (%1) (%2)</source>
        <translation>File di foto (%1) (%2)</translation>
    </message>
    <message>
        <source>Any Files (*.*) (*)</source>
        <translation>Tutti i file (*.*) (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: not pictures (%1)</source>
        <translation>
            <numerusform>%n file escluso: non è un’immagine (%1)</numerusform>
            <numerusform>%n file esclusi: non sono immagini (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Select Photo Files...</source>
        <translation>Seleziona file di foto...</translation>
    </message>
</context>
<context>
    <name>PlacesRow</name>
    <message>
        <source>Name tem&amp;plate:</source>
        <translation>Modello del &amp;nome:</translation>
    </message>
    <message>
        <source>prefix naming</source>
        <translation>nome con prefisso</translation>
    </message>
    <message>
        <source>Names the outputs instead of the prefix: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera}</source>
        <translation>Dà il nome ai file in uscita al posto del prefisso: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera}</translation>
    </message>
    <message>
        <source>Where the outputs go</source>
        <translation>Dove vanno i file in uscita</translation>
    </message>
    <message>
        <source>New time-stamped folder</source>
        <translation>Nuova cartella con data e ora</translation>
    </message>
    <message>
        <source>Into the output folder</source>
        <translation>Nella cartella di uscita</translation>
    </message>
    <message>
        <source>Next to each photo, in:</source>
        <translation>Accanto a ogni foto, in:</translation>
    </message>
    <message>
        <source>Folder next to each photo</source>
        <translation>Cartella accanto a ogni foto</translation>
    </message>
    <message>
        <source>The file dates, and the presets whose outputs each photo gets, from one decode</source>
        <translation>Le date dei file e i preset di cui ogni foto riceve un file in uscita, da un’unica decodifica</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>es. %1</translation>
    </message>
    <message>
        <source>Outputs: one per preset ticked</source>
        <translation>File in uscita: uno per ogni preset spuntato</translation>
    </message>
    <message>
        <source>No presets saved</source>
        <translation>Nessun preset salvato</translation>
    </message>
    <message>
        <source>&amp;Write: one output</source>
        <translation>&amp;Scrivi: un file</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Write: %n presets</source>
        <translation>
            <numerusform>&amp;Scrivi: %n preset</numerusform>
            <numerusform>&amp;Scrivi: %n preset</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Mantieni le date dei file</translation>
    </message>
    <message>
        <source>Each output gets its original&apos;s modification date</source>
        <translation>Ogni file in uscita riceve la data di modifica del suo originale</translation>
    </message>
</context>
<context>
    <name>PresetPanel</name>
    <message>
        <source>Choose a preset</source>
        <translation>Scegli un preset</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not applied.</source>
        <translation>Il preset «%1» non è stato applicato.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; is not stored any more.</source>
        <translation>Il preset «%1» non è più salvato.</translation>
    </message>
    <message>
        <source>A preset name %1.</source>
        <translation>Il nome di un preset %1.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; exists. Do you want to replace it?</source>
        <translation>Il preset «%1» esiste già. Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be saved.</source>
        <translation>Impossibile salvare il preset «%1».</translation>
    </message>
    <message>
        <source>Do you want to delete the preset &quot;%1&quot;?</source>
        <translation>Vuoi eliminare il preset «%1»?</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>Impossibile eliminare il preset «%1».</translation>
    </message>
</context>
<context>
    <name>PresetStore</name>
    <message>
        <source>must not be empty</source>
        <translation>non può essere vuoto</translation>
    </message>
    <message>
        <source>must not contain &apos;/&apos; or &apos;\&apos;</source>
        <translation>non può contenere «/» o «\»</translation>
    </message>
    <message>
        <source>must not contain control characters</source>
        <translation>non può contenere caratteri di controllo</translation>
    </message>
    <message>
        <source>the settings file %1 has a line that cannot be read</source>
        <translation>il file delle impostazioni %1 contiene una riga illeggibile</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written</source>
        <translation>impossibile scrivere il file delle impostazioni %1</translation>
    </message>
    <message>
        <source>a preset name %1</source>
        <translation>il nome di un preset %1</translation>
    </message>
</context>
<context>
    <name>PreviewFrame</name>
    <message>
        <source>Show source</source>
        <translation>Mostra originale</translation>
    </message>
    <message>
        <source>The selected photo as it will be written. Double-click or press Space in the list to see it larger.</source>
        <translation>La foto selezionata come verrà scritta. Fai doppio clic o premi Spazio nell’elenco per vederla più grande.</translation>
    </message>
    <message>
        <source>Before and after: the source photo, or the result</source>
        <translation>Prima e dopo: la foto originale o il risultato</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a tooltip, then its key</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No result: %1</source>
        <translation>Nessun risultato: %1</translation>
    </message>
    <message>
        <source>Show result</source>
        <translation>Mostra risultato</translation>
    </message>
    <message>
        <source>Opening…</source>
        <translation>Apertura…</translation>
    </message>
    <message>
        <source>The result could not be shown.</source>
        <translation>Impossibile mostrare il risultato.</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>no such file or folder</source>
        <translation>file o cartella inesistente</translation>
    </message>
    <message>
        <source>a loop of symbolic links</source>
        <translation>un ciclo di collegamenti simbolici</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>non è un’immagine</translation>
    </message>
    <message>
        <source>could not be searched (%1)</source>
        <translation>impossibile eseguire la ricerca (%1)</translation>
    </message>
    <message>
        <source>standard input could not be read</source>
        <translation>impossibile leggere lo standard input</translation>
    </message>
    <message>
        <source>Can not create the directory</source>
        <translation>Impossibile creare la cartella</translation>
    </message>
    <message>
        <source>Not converted: the output file exists</source>
        <translation>Non convertita: il file di uscita esiste già</translation>
    </message>
    <message>
        <source>unknown output photo format!</source>
        <translation>formato della foto in uscita sconosciuto!</translation>
    </message>
    <message>
        <source>developed from the camera&apos;s preview</source>
        <translation>sviluppata dall’anteprima della fotocamera</translation>
    </message>
    <message>
        <source>developed at half size</source>
        <translation>sviluppata a metà dimensione</translation>
    </message>
    <message>
        <source>developed in full</source>
        <translation>sviluppata per intero</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memoria insufficiente</translation>
    </message>
    <message>
        <source>the format is not supported</source>
        <translation>il formato non è supportato</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete</source>
        <translation>il file è danneggiato o incompleto</translation>
    </message>
    <message>
        <source>a damaged picture</source>
        <translation>un’immagine danneggiata</translation>
    </message>
    <message>
        <source>the imaging library could not start</source>
        <translation>la libreria grafica non è riuscita ad avviarsi</translation>
    </message>
    <message>
        <source>a picture without pixels</source>
        <translation>un’immagine senza pixel</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>the value %1 is not a whole number</source>
        <translation>il valore %1 non è un numero intero</translation>
    </message>
    <message>
        <source>the value %1 is not between %2 and %3</source>
        <translation>il valore %1 non è compreso tra %2 e %3</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not a whole number</source>
        <translation>il valore «%1» non è un numero intero</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not a number</source>
        <translation>il valore «%1» non è un numero</translation>
    </message>
    <message>
        <source>the value %1 stands for no choice</source>
        <translation>il valore %1 non corrisponde a nessuna scelta</translation>
    </message>
    <message>
        <source>the photo has no size</source>
        <translation>la foto non ha dimensioni</translation>
    </message>
    <message>
        <source>the setting %1 could not be saved</source>
        <translation>impossibile salvare l’impostazione %1</translation>
    </message>
    <message>
        <source>the log could not be written</source>
        <translation>impossibile scrivere il registro</translation>
    </message>
    <message>
        <source>the watermark: %1</source>
        <translation>la filigrana: %1</translation>
    </message>
    <message>
        <source>the output would replace one of the photos being converted</source>
        <translation>il file in uscita sostituirebbe una delle foto in conversione</translation>
    </message>
    <message>
        <source>two outputs of %1 would have this name; give each preset its own name, for example with {preset}</source>
        <translation>due file in uscita di %1 avrebbero questo nome; dai a ogni preset un nome proprio, ad esempio con {preset}</translation>
    </message>
    <message>
        <source>the file date could not be set: %1</source>
        <translation>impossibile impostare la data del file: %1</translation>
    </message>
    <message>
        <source>the encoder wrote nothing</source>
        <translation>il codificatore non ha scritto nulla</translation>
    </message>
    <message>
        <source>the preview file could not be read back</source>
        <translation>impossibile rileggere il file di anteprima</translation>
    </message>
    <message>
        <source>the output size %1 x %2 cannot be written</source>
        <translation>impossibile scrivere un’uscita di %1 x %2</translation>
    </message>
    <message>
        <source>the output is larger than %1 stores</source>
        <translation>il file in uscita supera ciò che %1 può memorizzare</translation>
    </message>
    <message>
        <source>the output could not be made</source>
        <translation>impossibile creare il file in uscita</translation>
    </message>
    <message>
        <source>the output could not be read back</source>
        <translation>impossibile rileggere il file in uscita</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>un collegamento simbolico, non seguito</translation>
    </message>
    <message>
        <source>the value %1 is out of range</source>
        <translation>il valore %1 è fuori intervallo</translation>
    </message>
    <message>
        <source>the value %1 is not a colour</source>
        <translation>il valore %1 non è un colore</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot;</source>
        <translation>il modello del nome «%1»</translation>
    </message>
    <message>
        <source>a &apos;}&apos; without its &apos;{&apos; (write &quot;}}&quot; for a brace)</source>
        <translation>una «}» senza la sua «{» (scrivi «}}» per la parentesi graffa stessa)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not closed by &apos;}&apos;</source>
        <translation>«%1» non è chiuso da «}»</translation>
    </message>
    <message>
        <source>unknown token %1</source>
        <translation>segnaposto sconosciuto %1</translation>
    </message>
    <message>
        <source>the width in %1 must be a number from 1 to 10</source>
        <translation>il numero di cifre in %1 deve essere da 1 a 10</translation>
    </message>
    <message>
        <source>the date format in %1 is empty</source>
        <translation>il formato della data in %1 è vuoto</translation>
    </message>
    <message>
        <source>unknown date format &quot;%1&quot; in %2</source>
        <translation>formato di data sconosciuto «%1» in %2</translation>
    </message>
    <message>
        <source>the token %1 takes no format</source>
        <translation>il segnaposto %1 non accetta un formato</translation>
    </message>
    <message>
        <source>&apos;/&apos; is not allowed in a file name</source>
        <translation>«/» non è ammesso in un nome di file</translation>
    </message>
    <message>
        <source>a control character is not allowed in a file name</source>
        <translation>un carattere di controllo non è ammesso in un nome di file</translation>
    </message>
    <message>
        <source>it names nothing but the extension</source>
        <translation>contiene solo l’estensione</translation>
    </message>
    <message>
        <source>preset %1: %2</source>
        <translation>preset %1: %2</translation>
    </message>
    <message>
        <source>the folder could not be searched</source>
        <translation>impossibile eseguire la ricerca nella cartella</translation>
    </message>
    <message>
        <source>cannot reach %1 at quality %2 (smallest %3)</source>
        <translation>impossibile arrivare a %1 con qualità %2 (file più piccolo: %3)</translation>
    </message>
    <message>
        <source>cannot reach %1 losslessly (smallest %2)</source>
        <translation>impossibile arrivare a %1 senza perdita (file più piccolo: %2)</translation>
    </message>
    <message>
        <source>cannot reach %1 at quality %2 even at %3 (smallest %4)</source>
        <translation>impossibile arrivare a %1 con qualità %2 nemmeno a %3 (file più piccolo: %4)</translation>
    </message>
    <message>
        <source>cannot reach %1 losslessly even at %2 (smallest %3)</source>
        <translation>impossibile arrivare a %1 senza perdita nemmeno a %2 (file più piccolo: %3)</translation>
    </message>
    <message>
        <source>output size %1</source>
        <translation>dimensioni in uscita %1</translation>
    </message>
    <message>
        <source>an output of %1 pixels is larger than %2 stores (%3 pixels a side)</source>
        <translation>un file in uscita di %1 pixel è più grande di quanto %2 possa contenere (%3 pixel per lato)</translation>
    </message>
</context>
<context>
    <name>RunPanel</name>
    <message>
        <source>Do you want to open the output folder?</source>
        <translation>Vuoi aprire la cartella di uscita?</translation>
    </message>
    <message>
        <source>The conversion is done. %1</source>
        <translation>La conversione è terminata. %1</translation>
    </message>
    <message>
        <source>There is not log file now!</source>
        <translation>Non c’è ancora un file di registro!</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Stopped: %1 of %2 converted, %3 not started</source>
        <translation>Interrotta: %1 di %2 convertite, %3 non avviate</translation>
    </message>
    <message numerus="yes">
        <source>%1 photos were not converted; see the log.</source>
        <translation>
            <numerusform>%1 foto non è stata convertita; vedi il registro.</numerusform>
            <numerusform>%1 foto non sono state convertite; vedi il registro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 photos got a number added to a name another photo has.</source>
        <translation>
            <numerusform>A %1 foto è stato aggiunto un numero al nome, già usato da un’altra foto.</numerusform>
            <numerusform>A %1 foto è stato aggiunto un numero al nome, già usato da un’altra foto.</numerusform>
        </translation>
    </message>
    <message>
        <source>Written per preset: %1</source>
        <translation>File scritti per preset: %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>manca meno di un minuto</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>manca circa %n min</numerusform>
            <numerusform>mancano circa %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>manca circa %n h</numerusform>
            <numerusform>mancano circa %n h</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunSummaryDialog</name>
    <message>
        <source>Co&amp;py</source>
        <translation>Co&amp;pia</translation>
    </message>
    <message>
        <source>Show &amp;log</source>
        <translation>Mostra re&amp;gistro</translation>
    </message>
    <message>
        <source>Convert the &amp;rest</source>
        <translation>Converti il &amp;resto</translation>
    </message>
</context>
<context>
    <name>WatermarkPanel</name>
    <message>
        <source>&amp;Watermark:</source>
        <translation>&amp;Filigrana:</translation>
    </message>
    <message>
        <source>No picture: type a path or choose a logo</source>
        <translation>Nessuna immagine: digita un percorso o scegli un logo</translation>
    </message>
    <message>
        <source>Lo&amp;go...</source>
        <translation>Lo&amp;go...</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>Dimensi&amp;one:</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>Opa&amp;cità:</translation>
    </message>
    <message>
        <source>Margi&amp;n:</source>
        <translation>&amp;Margine:</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Filigrana</translation>
    </message>
    <message>
        <source>Pictures (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;All files (*)</source>
        <translation>Immagini (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The watermark could not be read.</source>
        <translation>Impossibile leggere la filigrana.</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>Add photo files to the list</source>
        <translation>Aggiungi file di foto all’elenco</translation>
    </message>
    <message>
        <source>Add every photo in a folder and its subfolders to the list</source>
        <translation>Aggiungi all’elenco tutte le foto di una cartella e delle sue sottocartelle</translation>
    </message>
    <message>
        <source>Output settings for photos added from now on</source>
        <translation>Impostazioni di uscita per le foto aggiunte d’ora in poi</translation>
    </message>
    <message>
        <source>Convert every photo in the list into a new folder inside the output folder</source>
        <translation>Converti tutte le foto dell’elenco in una nuova cartella dentro la cartella di uscita</translation>
    </message>
    <message>
        <source>Show the program&apos;s help</source>
        <translation>Mostra la guida del programma</translation>
    </message>
    <message>
        <source>Output settings of the selected photos</source>
        <translation>Impostazioni di uscita delle foto selezionate</translation>
    </message>
    <message>
        <source>Move the selected photos up the list</source>
        <translation>Sposta in su nell’elenco le foto selezionate</translation>
    </message>
    <message>
        <source>Move the selected photos down the list</source>
        <translation>Sposta in giù nell’elenco le foto selezionate</translation>
    </message>
    <message>
        <source>Remove the selected photos from the list</source>
        <translation>Rimuovi dall’elenco le foto selezionate</translation>
    </message>
    <message>
        <source>Remove every photo from the list</source>
        <translation>Rimuovi tutte le foto dall’elenco</translation>
    </message>
    <message>
        <source>Sort the list by a column</source>
        <translation>Ordina l’elenco in base a una colonna</translation>
    </message>
    <message>
        <source>Select every photo in the list</source>
        <translation>Seleziona tutte le foto dell’elenco</translation>
    </message>
    <message>
        <source>Choose the folder the converted photos go to</source>
        <translation>Scegli la cartella in cui vanno le foto convertite</translation>
    </message>
    <message>
        <source>Font and colour of the text added to photos</source>
        <translation>Carattere e colore del testo aggiunto alle foto</translation>
    </message>
    <message>
        <source>Use the settings of the chosen preset</source>
        <translation>Usa le impostazioni del preset scelto</translation>
    </message>
    <message>
        <source>Keep the current settings as a preset</source>
        <translation>Salva le impostazioni attuali come preset</translation>
    </message>
    <message>
        <source>Remove the chosen preset</source>
        <translation>Rimuovi il preset scelto</translation>
    </message>
    <message>
        <source>Open the activity log</source>
        <translation>Apri il registro attività</translation>
    </message>
    <message>
        <source>Which version is installed and where updates come from</source>
        <translation>Quale versione è installata e da dove arrivano gli aggiornamenti</translation>
    </message>
    <message>
        <source>The program&apos;s version and licence</source>
        <translation>Versione e licenza del programma</translation>
    </message>
    <message>
        <source>Quit the program</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>Undo the last change to the list</source>
        <translation>Annulla l’ultima modifica all’elenco</translation>
    </message>
    <message>
        <source>Redo the change just undone</source>
        <translation>Ripeti la modifica appena annullata</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordina</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Conversione</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Interrompi</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>Con&amp;verti</translation>
    </message>
</context>
</TS>
