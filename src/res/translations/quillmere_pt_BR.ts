<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>CDialogPhotoOptions</name>
    <message>
        <source>Photo Output Options</source>
        <translation>Opções de saída das fotos</translation>
    </message>
    <message>
        <source>O&amp;utput Format:</source>
        <translation>&amp;Formato de saída:</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Tamanho de saída</translation>
    </message>
    <message>
        <source>O&amp;riginal size</source>
        <translation>Tamanho &amp;original</translation>
    </message>
    <message>
        <source>Fixed size</source>
        <translation>Tamanho fixo</translation>
    </message>
    <message>
        <source>Fixed width and height</source>
        <translation>Largura e altura fixas</translation>
    </message>
    <message>
        <source>Output &amp;Width:</source>
        <translation>&amp;Largura de saída:</translation>
    </message>
    <message>
        <source>&amp;Keep aspect ratio with width</source>
        <translation>&amp;Manter proporção pela largura</translation>
    </message>
    <message>
        <source>Ou&amp;tput Height:</source>
        <translation>&amp;Altura de saída:</translation>
    </message>
    <message>
        <source>Keep aspect ratio with &amp;Height</source>
        <translation>Manter proporção pela al&amp;tura</translation>
    </message>
    <message>
        <source>Str&amp;etch:</source>
        <translation>Es&amp;ticar:</translation>
    </message>
    <message>
        <source>Hori&amp;zontal:</source>
        <translation>Hori&amp;zontal:</translation>
    </message>
    <message>
        <source>&amp;Vertical:</source>
        <translation>&amp;Vertical:</translation>
    </message>
    <message>
        <source>&amp;Fit within Output Width x Output Height</source>
        <translation>&amp;Encaixar em largura x altura de saída</translation>
    </message>
    <message>
        <source>Lon&amp;g edge:</source>
        <translation>Lado &amp;maior:</translation>
    </message>
    <message>
        <source>Long edge in pixels</source>
        <translation>Lado maior em pixels</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>Do &amp;not enlarge</source>
        <translation>&amp;Não ampliar</translation>
    </message>
    <message>
        <source>A photo smaller than the chosen size keeps its own size</source>
        <translation>Uma foto menor que o tamanho escolhido mantém seu tamanho</translation>
    </message>
    <message>
        <source>Format settings</source>
        <translation>Configurações do formato</translation>
    </message>
    <message>
        <source>Pi&amp;xel format:</source>
        <translation>Formato de pi&amp;xel:</translation>
    </message>
    <message>
        <source>&amp;Quality Control:</source>
        <translation>Controle de &amp;qualidade:</translation>
    </message>
    <message>
        <source>(Min 1, Max 100)</source>
        <translation>(mín. 1, máx. 100)</translation>
    </message>
    <message>
        <source>&amp;Lossless</source>
        <translation>Sem &amp;perdas</translation>
    </message>
    <message>
        <source>Camera &amp;data (EXIF, XMP, IPTC):</source>
        <translation>&amp;Dados da câmera (EXIF, XMP, IPTC):</translation>
    </message>
    <message>
        <source>Ca&amp;mera RAW photos:</source>
        <translation>Fotos RA&amp;W da câmera:</translation>
    </message>
    <message>
        <source>Rotate b&amp;y angle</source>
        <translation>&amp;Girar por ângulo</translation>
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
        <translation>Espelhar</translation>
    </message>
    <message>
        <source>No flip</source>
        <translation>Sem espelhar</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>Espelhar na horizontal</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Espelhar na vertical</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>Cores:</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Fonte:</translation>
    </message>
    <message>
        <source>St&amp;yle:</source>
        <translation>Est&amp;ilo:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamanho:</translation>
    </message>
    <message>
        <source>Height of the characters in pixels of the output photo</source>
        <translation>Altura dos caracteres em pixels da foto de saída</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Effects:</source>
        <translation>Efeitos:</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Sublinhado</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Tachado</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Cor:</translation>
    </message>
    <message>
        <source>Choose the text color</source>
        <translation>Escolha a cor do texto</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Amostra</translation>
    </message>
    <message>
        <source>AaBbYyZz 123</source>
        <translation>AaBbÃãÇç 123</translation>
    </message>
</context>
<context>
    <name>FrameControls</name>
    <message>
        <source>Frame and finishing</source>
        <translation>Enquadramento e acabamento</translation>
    </message>
    <message>
        <source>&amp;Aspect:</source>
        <translation>&amp;Proporção:</translation>
    </message>
    <message>
        <source>Cro&amp;p:</source>
        <translation>&amp;Recorte:</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Fundo:</translation>
    </message>
    <message>
        <source>&amp;Sharpen when reduced:</source>
        <translation>&amp;Nitidez ao reduzir:</translation>
    </message>
    <message>
        <source>As the source</source>
        <translation>Igual ao original</translation>
    </message>
    <message>
        <source> DPI</source>
        <translation> DPI</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolução:</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
</context>
<context>
    <name>GatherTask</name>
    <message>
        <source>Reading photos...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching folders: %1 photo files found in %2 folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading photos: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
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
        <translation>&amp;Adicionar fotos</translation>
    </message>
    <message>
        <source>&amp;Search photos</source>
        <translation>&amp;Buscar fotos</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Converter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Total Photos:</source>
        <translation>Total de fotos:</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Descer</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Exc&amp;luir</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>Output &amp;Folder:</source>
        <translation>&amp;Pasta de saída:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>P&amp;rocurar</translation>
    </message>
    <message>
        <source>Add &amp;text to photo:</source>
        <translation>Adicionar &amp;texto à foto:</translation>
    </message>
    <message>
        <source>Position &amp;x, y:</source>
        <translation>Posição &amp;x, y:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Fonte</translation>
    </message>
    <message>
        <source>A&amp;nchor:</source>
        <translation>Â&amp;ncora:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Tamanho:</translation>
    </message>
    <message>
        <source>The text&apos;s size as a percentage of the photo&apos;s shorter side; at 0 the font&apos;s own size counts.</source>
        <translation>Tamanho do texto como porcentagem do lado menor da foto; com 0, vale o tamanho da própria fonte.</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamanho da fonte</translation>
    </message>
    <message>
        <source> % of shorter side</source>
        <translation> % do lado menor</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>O&amp;pacidade:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Batch rena&amp;me prefix:</source>
        <translation>Prefixo para reno&amp;mear:</translation>
    </message>
    <message>
        <source>+Number+Time</source>
        <translation>+Número+Data</translation>
    </message>
    <message>
        <source>Date in the names</source>
        <translation>Data nos nomes</translation>
    </message>
    <message>
        <source>Which date the file names carry</source>
        <translation>Qual data os nomes dos arquivos levam</translation>
    </message>
    <message>
        <source>&amp;Not rename</source>
        <translation>&amp;Não renomear</translation>
    </message>
    <message>
        <source>Photos found by Search photos or in a dropped folder keep their sub-folders inside the run folder.</source>
        <translation>As fotos encontradas por Buscar fotos ou numa pasta arrastada mantêm suas subpastas dentro da pasta da conversão.</translation>
    </message>
    <message>
        <source>&amp;Keep sub-folders</source>
        <translation>&amp;Manter subpastas</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Predefinição:</translation>
    </message>
    <message>
        <source>Output settings, naming and text of the preset; the listed photos get its output settings if you agree.</source>
        <translation>Configurações de saída, nomes e texto da predefinição; se você concordar, as fotos da lista recebem as configurações de saída dela.</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>Apl&amp;icar</translation>
    </message>
    <message>
        <source>Sa&amp;ve as…</source>
        <translation>Sal&amp;var como…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Re&amp;mover</translation>
    </message>
    <message>
        <source>%p%</source>
        <translation>%p%</translation>
    </message>
    <message>
        <source>Stops gathering; the photos read so far are added (Esc).</source>
        <translation>Interrompe a busca; as fotos lidas até agora são adicionadas (Esc).</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>V&amp;iew log</source>
        <translation>&amp;Ver registro</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>Salvar lista</translation>
    </message>
    <message>
        <source>load list</source>
        <translation>Carregar lista</translation>
    </message>
    <message>
        <source>U&amp;pdate</source>
        <translation>A&amp;tualizar</translation>
    </message>
    <message>
        <source>Abou&amp;t</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files were left out because they are not pictures:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the conversion and quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop and quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The list of %n photo is not kept. Do you want to quit?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list of %n photos is not kept. Do you want to quit?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputSettingsEditor</name>
    <message numerus="yes">
        <source>Give the %n photo in the list these settings too?</source>
        <translation>
            <numerusform>Aplicar estas configurações também a %n foto da lista?</numerusform>
            <numerusform>Aplicar estas configurações também às %n fotos da lista?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Give the %n photos in the list these settings too?</source>
        <translation>
            <numerusform>Aplicar estas configurações também a %n foto da lista?</numerusform>
            <numerusform>Aplicar estas configurações também às %n fotos da lista?</numerusform>
        </translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
</context>
<context>
    <name>PhotoListModel</name>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width * Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Width * Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhotoListPanel</name>
    <message>
        <source>Total photos: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select items!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhotoSources</name>
    <message>
        <source>%1: could not be searched (%2)</source>
        <translation>%1: não foi possível pesquisar (%2)</translation>
    </message>
    <message>
        <source>Photo Files (%1) (%2)</source>
        <translation>Arquivos de fotos (%1) (%2)</translation>
    </message>
    <message>
        <source>Any Files (*.*) (*)</source>
        <translation>Todos os arquivos (*.*) (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n file was left out: not a picture (%1)</source>
        <translation>
            <numerusform>%n arquivo foi ignorado: não é uma imagem (%1)</numerusform>
            <numerusform>%n arquivos foram ignorados: não são imagens (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: not pictures (%1)</source>
        <translation>
            <numerusform>%n arquivo foi ignorado: não é uma imagem (%1)</numerusform>
            <numerusform>%n arquivos foram ignorados: não são imagens (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: left out, not a picture</source>
        <translation>%1: ignorado, não é uma imagem</translation>
    </message>
    <message>
        <source>Select Photo Files...</source>
        <translation>Selecionar arquivos de fotos...</translation>
    </message>
</context>
<context>
    <name>PlacesRow</name>
    <message>
        <source>Name template:</source>
        <translation>Modelo de nome:</translation>
    </message>
    <message>
        <source>prefix naming</source>
        <translation>nomes com prefixo</translation>
    </message>
    <message>
        <source>Names the outputs instead of the prefix: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera}</source>
        <translation>Nomeia os arquivos de saída em vez do prefixo: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera}</translation>
    </message>
    <message>
        <source>Where the outputs go</source>
        <translation>Onde os arquivos de saída são salvos</translation>
    </message>
    <message>
        <source>New time-stamped folder</source>
        <translation>Nova pasta com data e hora</translation>
    </message>
    <message>
        <source>Into the output folder</source>
        <translation>Na pasta de saída</translation>
    </message>
    <message>
        <source>Next to each photo, in:</source>
        <translation>Ao lado de cada foto, em:</translation>
    </message>
    <message>
        <source>Folder next to each photo</source>
        <translation>Pasta ao lado de cada foto</translation>
    </message>
    <message>
        <source>The file dates, and the presets whose outputs each photo gets, from one decode</source>
        <translation>As datas dos arquivos e as predefinições cujas saídas cada foto recebe, com uma única decodificação</translation>
    </message>
    <message>
        <source>Keep file dates (each output gets its original&apos;s)</source>
        <translation>Manter datas dos arquivos (cada saída recebe a do seu original)</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>ex.: %1</translation>
    </message>
    <message>
        <source>Outputs: one per preset ticked</source>
        <translation>Saídas: uma por predefinição marcada</translation>
    </message>
    <message>
        <source>No presets saved</source>
        <translation>Nenhuma predefinição salva</translation>
    </message>
    <message>
        <source>&amp;Write: one output</source>
        <translation>&amp;Gerar: uma saída</translation>
    </message>
    <message>
        <source>&amp;Write: 1 preset</source>
        <translation>&amp;Gerar: 1 predefinição</translation>
    </message>
    <message>
        <source>&amp;Write: %1 presets</source>
        <translation>&amp;Gerar: %1 predefinições</translation>
    </message>
</context>
<context>
    <name>PresetPanel</name>
    <message>
        <source>Choose a preset</source>
        <translation>Escolha uma predefinição</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not applied.</source>
        <translation>A predefinição &quot;%1&quot; não foi aplicada.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; is not stored any more.</source>
        <translation>A predefinição &quot;%1&quot; não está mais salva.</translation>
    </message>
    <message>
        <source>A preset name %1.</source>
        <translation>O nome de uma predefinição %1.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; exists. Do you want to replace it?</source>
        <translation>A predefinição &quot;%1&quot; já existe. Deseja substituí-la?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be saved.</source>
        <translation>Não foi possível salvar a predefinição &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Do you want to delete the preset &quot;%1&quot;?</source>
        <translation>Deseja excluir a predefinição &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>Não foi possível excluir a predefinição &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>RunSummaryDialog</name>
    <message>
        <source>Co&amp;py</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Show &amp;log</source>
        <translation>Mostrar &amp;registro</translation>
    </message>
    <message>
        <source>Convert the &amp;rest</source>
        <translation>Converter o &amp;restante</translation>
    </message>
</context>
<context>
    <name>WatermarkPanel</name>
    <message>
        <source>&amp;Watermark:</source>
        <translation>Marca-d&apos;&amp;água:</translation>
    </message>
    <message>
        <source>No picture: type a path or choose a logo</source>
        <translation>Sem imagem: digite um caminho ou escolha um logotipo</translation>
    </message>
    <message>
        <source>Lo&amp;go...</source>
        <translation>&amp;Logotipo...</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Tamanho:</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>O&amp;pacidade:</translation>
    </message>
    <message>
        <source>Margi&amp;n:</source>
        <translation>&amp;Margem:</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Marca-d&apos;água</translation>
    </message>
    <message>
        <source>Pictures (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;All files (*)</source>
        <translation>Imagens (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>Add photo files to the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add every photo in a folder and its subfolders to the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output settings for photos added from now on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert every photo in the list into a new folder inside the output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the program&apos;s help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output settings of the selected photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected photos up the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected photos down the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the selected photos from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove every photo from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the list by a column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select every photo in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folder the converted photos go to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font and colour of the text added to photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the settings of the chosen preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the current settings as a preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the chosen preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the activity log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which version is installed and where updates come from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program&apos;s version and licence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last change to the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the change just undone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Converter</translation>
    </message>
</context>
</TS>
