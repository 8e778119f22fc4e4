<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
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
        <translation>&amp;Mantieni le proporzioni in base alla larghezza</translation>
    </message>
    <message>
        <source>Ou&amp;tput Height:</source>
        <translation>&amp;Altezza di uscita:</translation>
    </message>
    <message>
        <source>Keep aspect ratio with &amp;Height</source>
        <translation>Mantieni le proporzioni in base all’a&amp;ltezza</translation>
    </message>
    <message>
        <source>Str&amp;etch:</source>
        <translation>Scal&amp;a:</translation>
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
        <translation>&amp;Adatta entro larghezza × altezza di uscita</translation>
    </message>
    <message>
        <source>Lon&amp;g edge:</source>
        <translation>Lato &amp;lungo:</translation>
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
        <translation>Foto RA&amp;W della fotocamera:</translation>
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
        <translation>C&amp;olore:</translation>
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
        <source>Resolution:</source>
        <translation>Risoluzione:</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
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
        <translation>Cartella di &amp;uscita:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>Sf&amp;oglia</translation>
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
</context>
<context>
    <name>OutputSettingsEditor</name>
    <message numerus="yes">
        <source>Give the %n photo in the list these settings too?</source>
        <translation>
            <numerusform>Applicare queste impostazioni anche a %n foto dell’elenco?</numerusform>
            <numerusform>Applicare queste impostazioni anche alle %n foto dell’elenco?</numerusform>
        </translation>
    </message>
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
    <name>PhotoSources</name>
    <message>
        <source>%1: could not be searched (%2)</source>
        <translation>%1: impossibile eseguire la ricerca (%2)</translation>
    </message>
    <message>
        <source>Photo Files (%1) (%2)</source>
        <translation>File di foto (%1) (%2)</translation>
    </message>
    <message>
        <source>Any Files (*.*) (*)</source>
        <translation>Tutti i file (*.*) (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n file was left out: not a picture (%1)</source>
        <translation>
            <numerusform>%n file escluso: non è un’immagine (%1)</numerusform>
            <numerusform>%n file esclusi: non sono immagini (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: not pictures (%1)</source>
        <translation>
            <numerusform>%n file escluso: non è un’immagine (%1)</numerusform>
            <numerusform>%n file esclusi: non sono immagini (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: left out, not a picture</source>
        <translation>%1: escluso, non è un’immagine</translation>
    </message>
    <message>
        <source>Select Photo Files...</source>
        <translation>Seleziona file di foto...</translation>
    </message>
</context>
<context>
    <name>PlacesRow</name>
    <message>
        <source>Name template:</source>
        <translation>Modello del nome:</translation>
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
        <source>Keep file dates (each output gets its original&apos;s)</source>
        <translation>Mantieni le date dei file (ogni file in uscita riceve quella del suo originale)</translation>
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
    <message>
        <source>&amp;Write: 1 preset</source>
        <translation>&amp;Scrivi: 1 preset</translation>
    </message>
    <message>
        <source>&amp;Write: %1 presets</source>
        <translation>&amp;Scrivi: %1 preset</translation>
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
    <name>RunSummaryDialog</name>
    <message>
        <source>Co&amp;py</source>
        <translation>Co&amp;pia</translation>
    </message>
    <message>
        <source>Show &amp;log</source>
        <translation>Mostra &amp;registro</translation>
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
        <translation>Mar&amp;gine:</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Filigrana</translation>
    </message>
    <message>
        <source>Pictures (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;All files (*)</source>
        <translation>Immagini (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;Tutti i file (*)</translation>
    </message>
</context>
</TS>
