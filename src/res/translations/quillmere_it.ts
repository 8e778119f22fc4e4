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
