<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Código-fonte: %1</translation>
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
        <translation>Esti&amp;car:</translation>
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
        <translation>Lado ma&amp;ior:</translation>
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
    <message>
        <source>(different)</source>
        <translation>(diferentes)</translation>
    </message>
    <message numerus="yes">
        <source>Settings for %n photos</source>
        <translation>
            <numerusform>Configurações de %n foto</numerusform>
            <numerusform>Configurações de %n fotos</numerusform>
        </translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Unknown flip type!</source>
        <translation>Tipo de espelhamento desconhecido!</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Digite um número inteiro.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Digite um número inteiro entre %1 e %2.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Digite um número.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Digite um número entre %1 e %2.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erro</translation>
    </message>
    <message>
        <source>Unknown nOuputSizeType type!</source>
        <translation>Tipo nOuputSizeType desconhecido!</translation>
    </message>
    <message>
        <source>Unknown nKeepAspectRatio type!</source>
        <translation>Tipo nKeepAspectRatio desconhecido!</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>must be one of %1</source>
        <translation>deve ser um destes: %1</translation>
    </message>
    <message>
        <source>must be an integer from %1 to %2</source>
        <translation>deve ser um número inteiro de %1 a %2</translation>
    </message>
    <message>
        <source>must be a number from %1 to %2</source>
        <translation>deve ser um número de %1 a %2</translation>
    </message>
    <message>
        <source> (default %1)</source>
        <translation> (padrão: %1)</translation>
    </message>
    <message>
        <source>must name a folder</source>
        <translation>deve indicar uma pasta</translation>
    </message>
    <message>
        <source>must name a file</source>
        <translation>deve indicar um arquivo</translation>
    </message>
    <message>
        <source>must be six hexadecimal digits RRGGBB</source>
        <translation>deve ter seis dígitos hexadecimais RRGGBB</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomes</translation>
    </message>
    <message>
        <source>Text overlay</source>
        <translation>Texto sobreposto</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Execução</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Predefinições</translation>
    </message>
    <message>
        <source>Scripts and clusters</source>
        <translation>Scripts e clusters</translation>
    </message>
    <message>
        <source>start from the saved preset NAME; options after it override it</source>
        <translation>partir da predefinição salva NAME; as opções seguintes têm prioridade sobre ela</translation>
    </message>
    <message>
        <source>output folder (default: the work folder, Pictures/Quillmere/)</source>
        <translation>pasta de saída (padrão: a pasta de trabalho, Pictures/Quillmere/)</translation>
    </message>
    <message>
        <source>output width for %1</source>
        <translation>largura de saída para %1</translation>
    </message>
    <message>
        <source>output height for %1</source>
        <translation>altura de saída para %1</translation>
    </message>
    <message>
        <source>the longer side for %1</source>
        <translation>o lado maior para %1</translation>
    </message>
    <message>
        <source>with %1: a photo smaller than the result keeps its size</source>
        <translation>com %1: uma foto menor que o resultado mantém seu tamanho</translation>
    </message>
    <message>
        <source>factors for %1</source>
        <translation>fatores para %1</translation>
    </message>
    <message>
        <source>must be two factors H,V from %1</source>
        <translation>deve ser um par de fatores H,V de %1</translation>
    </message>
    <message>
        <source>BMP pixel format: %1, or %2</source>
        <translation>formato de pixel BMP: %1, ou %2</translation>
    </message>
    <message>
        <source>quality of %1</source>
        <translation>qualidade de %1</translation>
    </message>
    <message>
        <source>lossless %1 (the quality is not used)</source>
        <translation>%1 sem perdas (a qualidade não é usada)</translation>
    </message>
    <message>
        <source>camera data (EXIF, XMP, IPTC) the outputs keep: %1</source>
        <translation>dados da câmera (EXIF, XMP, IPTC) que as saídas mantêm: %1</translation>
    </message>
    <message>
        <source>rename prefix</source>
        <translation>prefixo para renomear</translation>
    </message>
    <message>
        <source>must not contain &apos;/&apos;</source>
        <translation>não deve conter &apos;/&apos;</translation>
    </message>
    <message>
        <source>keep the source names, change the extension only</source>
        <translation>manter os nomes originais e mudar só a extensão</translation>
    </message>
    <message>
        <source>the date in the names: %1 (from EXIF, else the file&apos;s)</source>
        <translation>a data nos nomes: %1 (do EXIF; senão, a do arquivo)</translation>
    </message>
    <message>
        <source>photos found in a folder keep their path below it inside the run folder</source>
        <translation>as fotos encontradas numa pasta mantêm seu caminho relativo dentro da pasta da conversão</translation>
    </message>
    <message>
        <source>the number of the first photo</source>
        <translation>o número da primeira foto</translation>
    </message>
    <message>
        <source>digits the numbers are padded to</source>
        <translation>dígitos dos números, completados com zeros</translation>
    </message>
    <message>
        <source> (default: those of the last number)</source>
        <translation> (padrão: os do último número)</translation>
    </message>
    <message>
        <source>a line of text drawn on every photo</source>
        <translation>uma linha de texto desenhada em cada foto</translation>
    </message>
    <message>
        <source>must be one line, without line breaks</source>
        <translation>deve ser uma só linha, sem quebras de linha</translation>
    </message>
    <message>
        <source>its margin in output pixels from the anchor; for top-left, its top-left corner (default 0,0)</source>
        <translation>sua margem em pixels de saída a partir da âncora; com top-left, seu canto superior esquerdo (padrão: 0,0)</translation>
    </message>
    <message>
        <source>font family (default: the sans-serif font)</source>
        <translation>família da fonte (padrão: a fonte sans-serif)</translation>
    </message>
    <message>
        <source>must be a family name of at most 31 characters</source>
        <translation>deve ser um nome de família de no máximo 31 caracteres</translation>
    </message>
    <message>
        <source>font size in pixels</source>
        <translation>tamanho da fonte em pixels</translation>
    </message>
    <message>
        <source>text size as a percentage of the output&apos;s shorter side, in place of --font-px; %1 (default %2: the font&apos;s size)</source>
        <translation>tamanho do texto como porcentagem do lado menor da saída, no lugar de --font-px; %1 (padrão: %2, o tamanho da fonte)</translation>
    </message>
    <message>
        <source>bold text</source>
        <translation>texto em negrito</translation>
    </message>
    <message>
        <source>italic text</source>
        <translation>texto em itálico</translation>
    </message>
    <message>
        <source>underlined text</source>
        <translation>texto sublinhado</translation>
    </message>
    <message>
        <source>struck-out text</source>
        <translation>texto tachado</translation>
    </message>
    <message>
        <source>text colour (default 000000)</source>
        <translation>cor do texto (padrão: 000000)</translation>
    </message>
    <message>
        <source>text opacity in percent</source>
        <translation>opacidade do texto em porcentagem</translation>
    </message>
    <message>
        <source>%1 around the text</source>
        <translation>%1 em volta do texto</translation>
    </message>
    <message>
        <source>save the settings this command gives as preset NAME (PATHs optional)</source>
        <translation>salvar as configurações deste comando como predefinição NAME (PATH opcional)</translation>
    </message>
    <message>
        <source>print the saved presets&apos; names, one per line</source>
        <translation>exibir os nomes das predefinições salvas, um por linha</translation>
    </message>
    <message>
        <source>also convert the paths listed in FILE, one per line (- for standard input)</source>
        <translation>converter também os caminhos listados em FILE, um por linha (- para a entrada padrão)</translation>
    </message>
    <message>
        <source>the --files-from entries end with NUL, as find -print0 writes them</source>
        <translation>as entradas de --files-from terminam com NUL, como o find -print0 as grava</translation>
    </message>
    <message>
        <source>write into DIR (made if missing) instead of a new time-stamped folder</source>
        <translation>gravar em DIR (criada se não existir) em vez de numa nova pasta com data e hora</translation>
    </message>
    <message>
        <source>write one JSON object per photo, then a summary object, one per line, to FILE</source>
        <translation>gravar em FILE um objeto JSON por foto e depois um objeto de resumo, um por linha</translation>
    </message>
    <message>
        <source>%1 when an output file exists (default: ask when standard input is a terminal, else no)</source>
        <translation>%1 quando um arquivo de saída já existe (padrão: ask se a entrada padrão for um terminal; senão, no)</translation>
    </message>
    <message>
        <source>photos converted at once</source>
        <translation>fotos convertidas ao mesmo tempo</translation>
    </message>
    <message>
        <source> (default: one per core)</source>
        <translation> (padrão: uma por núcleo)</translation>
    </message>
    <message>
        <source>memory the photos in hand may take, in MiB</source>
        <translation>memória que as fotos em processamento podem ocupar, em MiB</translation>
    </message>
    <message>
        <source>; a larger photo converts alone (default: half the physical memory, %1 MiB)</source>
        <translation>; uma foto maior é convertida sozinha (padrão: metade da memória física, %1 MiB)</translation>
    </message>
    <message>
        <source>no progress bar and no notices</source>
        <translation>sem barra de progresso nem avisos</translation>
    </message>
    <message>
        <source>print the values a fixed-set option accepts, one per line</source>
        <translation>exibir os valores que uma opção de conjunto fixo aceita, um por linha</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>este texto</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>a versão do programa</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>a opção %1 não aceita valor</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>a opção %1 precisa de um valor</translation>
    </message>
    <message>
        <source>option %1: &apos;%2&apos; %3</source>
        <translation>opção %1: &apos;%2&apos; %3</translation>
    </message>
    <message>
        <source>option --metadata %1 keeps more camera data than preset &apos;%2&apos; (%3)</source>
        <translation>a opção --metadata %1 mantém mais dados da câmera que a predefinição &apos;%2&apos; (%3)</translation>
    </message>
    <message>
        <source>option %1: preset &apos;%2&apos; is not used: %3</source>
        <translation>opção %1: a predefinição &apos;%2&apos; não é usada: %3</translation>
    </message>
    <message>
        <source>option %1: no preset &apos;%2&apos; (--list-presets lists them)</source>
        <translation>opção %1: não existe a predefinição &apos;%2&apos; (--list-presets lista todas)</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; keeps camera data %2, not --metadata %3 given before it; give --metadata after --preset</source>
        <translation>a predefinição &apos;%1&apos; mantém os dados da câmera %2, não o --metadata %3 informado antes dela; informe --metadata depois de --preset</translation>
    </message>
    <message>
        <source>option --beside cannot be given with --into</source>
        <translation>a opção --beside não pode ser usada com --into</translation>
    </message>
    <message>
        <source>option --null needs --files-from</source>
        <translation>a opção --null precisa de --files-from</translation>
    </message>
    <message>
        <source>option --overwrite ask cannot be answered while --files-from - reads standard input</source>
        <translation>a opção --overwrite ask não pode ser respondida enquanto --files-from - lê a entrada padrão</translation>
    </message>
    <message>
        <source>no photos given: name at least one file or folder</source>
        <translation>nenhuma foto informada: indique pelo menos um arquivo ou uma pasta</translation>
    </message>
    <message>
        <source>Usage: quillmere-convert [options] PATH...
Converts photos (files, or folders searched with their sub-folders) into a
new time-stamped folder inside the output folder, and prints that folder.
</source>
        <translation>Uso: quillmere-convert [opções] PATH...
Converte fotos (arquivos, ou pastas pesquisadas com suas subpastas) para uma
nova pasta com data e hora dentro da pasta de saída e exibe essa pasta.
</translation>
    </message>
    <message>
        <source>Options take their value as the next argument or after &apos;=&apos; (--text-pos=-5,3).
Exit status: 0 every photo converted, 1 some were not, 2 bad arguments.
</source>
        <translation>As opções recebem o valor como argumento seguinte ou depois de &apos;=&apos;
(--text-pos=-5,3). Código de saída: 0 todas as fotos convertidas, 1 alguma
não foi, 2 argumentos inválidos.
</translation>
    </message>
    <message>
        <source>Image watermark</source>
        <translation>Marca-d&apos;água de imagem</translation>
    </message>
    <message>
        <source>for %1: the part fill keeps, or where pad places the photo: %2 (smart: the most interesting part; pad centres it)</source>
        <translation>para %1: a parte que o fill mantém, ou onde o pad coloca a foto: %2 (smart: a parte mais interessante; o pad a centraliza)</translation>
    </message>
    <message>
        <source>colour of pad&apos;s margins and of transparent areas</source>
        <translation>cor das margens do pad e das áreas transparentes</translation>
    </message>
    <message>
        <source>sharpen a photo that is made smaller, by as much as it is reduced: %1</source>
        <translation>aumentar a nitidez de uma foto reduzida, na medida da redução: %1</translation>
    </message>
    <message>
        <source>the resolution written into JPG, PNG, TIF and BMP outputs (and WebP and AVIF with camera data)</source>
        <translation>a resolução gravada nas saídas JPG, PNG, TIF e BMP (e em WebP e AVIF com dados da câmera)</translation>
    </message>
    <message>
        <source> (default 0: the source&apos;s)</source>
        <translation> (padrão: 0, a do original)</translation>
    </message>
    <message>
        <source>a picture (PNG, WebP or SVG, transparency kept) drawn on every photo</source>
        <translation>uma imagem (PNG, WebP ou SVG, com a transparência mantida) desenhada em cada foto</translation>
    </message>
    <message>
        <source>its longer side as a percentage of the output&apos;s shorter side</source>
        <translation>seu lado maior como porcentagem do lado menor da saída</translation>
    </message>
    <message>
        <source>its opacity in percent</source>
        <translation>sua opacidade em porcentagem</translation>
    </message>
    <message>
        <source>its distance from the anchor&apos;s edges as a percentage of the output&apos;s shorter side</source>
        <translation>sua distância das bordas da âncora como porcentagem do lado menor da saída</translation>
    </message>
    <message>
        <source>%1: %2, skipped</source>
        <translation>%1: %2, ignorado</translation>
    </message>
    <message>
        <source>%1: %2, failed</source>
        <translation>%1: %2, falhou</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; not saved: %2</source>
        <translation>a predefinição &apos;%1&apos; não foi salva: %2</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; saved in %2</source>
        <translation>predefinição &apos;%1&apos; salva em %2</translation>
    </message>
    <message>
        <source>option %1 has no fixed set of values</source>
        <translation>a opção %1 não tem um conjunto fixo de valores</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Tente &apos;%1 --help&apos; para mais informações.</translation>
    </message>
    <message>
        <source>no photos to convert</source>
        <translation>nenhuma foto para converter</translation>
    </message>
    <message>
        <source>written per preset: %1</source>
        <translation>geradas por predefinição: %1</translation>
    </message>
    <message>
        <source>at most SIZE bytes per output file; K and M count 1,000 and 1,000,000, KiB and MiB 1,024 and 1,048,576 (500K, 2MiB; 0: no limit). %1 get the best quality that fits, down to --min-quality, then smaller dimensions; lossless outputs (PNG, TIF, BMP, --lossless) only smaller dimensions</source>
        <translation>no máximo SIZE bytes por arquivo de saída; K e M contam 1.000 e 1.000.000; KiB e MiB, 1.024 e 1.048.576 (500K, 2MiB; 0: sem limite). %1 recebem a melhor qualidade que caiba, até --min-quality, e depois dimensões menores; saídas sem perdas (PNG, TIF, BMP, --lossless), só dimensões menores</translation>
    </message>
    <message>
        <source>must be a size in bytes such as 500000, 500K or 488KiB, at most 1000000M</source>
        <translation>deve ser um tamanho em bytes como 500000, 500K ou 488KiB, no máximo 1000000M</translation>
    </message>
    <message>
        <source>the lowest quality --max-file-size may use, %1 (default %2; never above --quality)</source>
        <translation>a qualidade mínima que --max-file-size pode usar, %1 (padrão: %2; nunca acima de --quality)</translation>
    </message>
    <message>
        <source>with --max-file-size: a photo that does not fit at --min-quality fails instead of being made smaller</source>
        <translation>com --max-file-size: uma foto que não cabe com --min-quality falha em vez de ser reduzida</translation>
    </message>
    <message>
        <source>colour resolution of JPG and AVIF: %1 (default %2: 420 below quality 90, else 444, which --max-file-size keeps only where the --quality file fits)</source>
        <translation>resolução de cor de JPG e AVIF: %1 (padrão: %2, 420 abaixo da qualidade 90; senão, 444, que --max-file-size só mantém quando o arquivo com --quality cabe)</translation>
    </message>
    <message>
        <source>progressive JPG, shown coarse first while it loads</source>
        <translation>JPG progressivo, exibido primeiro em baixa resolução enquanto carrega</translation>
    </message>
    <message>
        <source>name the outputs by TEMPLATE instead: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera} (&quot;.{ext}&quot; is added when missing)</source>
        <translation>nomear as saídas pelo TEMPLATE em vez do prefixo: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera} (&quot;.{ext}&quot; é adicionado quando falta)</translation>
    </message>
    <message>
        <source>is refused: %1</source>
        <translation>não é aceito: %1</translation>
    </message>
    <message>
        <source>write each output into the folder DIR next to its original (made if missing) instead of a run folder</source>
        <translation>gravar cada saída na pasta DIR ao lado do seu original (criada se não existir) em vez de numa pasta de conversão</translation>
    </message>
    <message>
        <source>must be a folder name without &apos;/&apos;</source>
        <translation>deve ser um nome de pasta sem &apos;/&apos;</translation>
    </message>
    <message>
        <source>give each output its original&apos;s modification time</source>
        <translation>dar a cada saída a data de modificação do seu original</translation>
    </message>
    <message>
        <source>write one output per preset of the comma-separated list, each photo decoded once; the names must differ (use {preset} in the template)</source>
        <translation>gravar uma saída por predefinição da lista separada por vírgulas, decodificando cada foto uma só vez; os nomes devem ser diferentes (use {preset} no modelo)</translation>
    </message>
    <message>
        <source>must list preset names, separated by commas</source>
        <translation>deve ser uma lista de nomes de predefinições separados por vírgulas</translation>
    </message>
    <message>
        <source>how camera RAW photos are developed: auto (the camera&apos;s preview when it covers the output, else half size when that does, else full), preview or full (default %1)</source>
        <translation>como as fotos RAW da câmera são reveladas: auto (a pré-visualização da câmera quando cobre a saída; senão, meio tamanho quando este cobre; senão, completa), preview ou full (padrão: %1)</translation>
    </message>
    <message>
        <source>colours of 4- and 8-bit BMP: fixed (the standard table) or adaptive (the photo&apos;s own, by an octree) (default %1)</source>
        <translation>cores de BMP de 4 e 8 bits: fixed (a tabela padrão) ou adaptive (as da própria foto, por uma árvore octal) (padrão: %1)</translation>
    </message>
    <message>
        <source>font family &apos;%1&apos; is not installed; the text is drawn in &apos;%2&apos;</source>
        <translation>a família de fonte &apos;%1&apos; não está instalada; o texto é desenhado com &apos;%2&apos;</translation>
    </message>
    <message numerus="yes">
        <source>stopped: %n photos not started</source>
        <translation>
            <numerusform>conversão interrompida: %n foto não iniciada</numerusform>
            <numerusform>conversão interrompida: %n fotos não iniciadas</numerusform>
        </translation>
    </message>
    <message>
        <source>when the run ends, write to FILE in the user&apos;s language how many photos were converted and into which folder, then each photo that was not, with its reason</source>
        <translation>ao terminar, gravar em FILE, no idioma do usuário, quantas fotos foram convertidas e em qual pasta, e depois cada foto que não foi convertida, com o motivo</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a heading of --help</comment>
        <extracomment>A heading of the option list, %1 its name (&quot;Output:&quot;).</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>option %1: %2</source>
        <translation>opção %1: %2</translation>
    </message>
    <message>
        <source>No photo was converted.</source>
        <translation>Nenhuma foto foi convertida.</translation>
    </message>
    <message>
        <source>%1 of %2 photos converted</source>
        <translation>%1 de %2 fotos convertidas</translation>
    </message>
    <message>
        <source>%1 of %2 photos converted into %3</source>
        <translation>%1 de %2 fotos convertidas em %3</translation>
    </message>
    <message>
        <source>y</source>
        <comment>the letter that answers yes in &quot;[y/N]&quot;</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>[yes]</source>
        <translation>[sim]</translation>
    </message>
    <message>
        <source>[no]</source>
        <translation>[não]</translation>
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
        <translation>Conversor de fotos em lote</translation>
    </message>
    <message>
        <source>Resize and convert photos in batches</source>
        <translation>Redimensione e converta fotos em lote</translation>
    </message>
    <message>
        <source>Convert with Quillmere…</source>
        <translation>Converter com o Quillmere…</translation>
    </message>
    <message>
        <source>Open the selected photos in Quillmere</source>
        <translation>Abrir as fotos selecionadas no Quillmere</translation>
    </message>
    <message>
        <source>Convert with a preset…</source>
        <translation>Converter com uma predefinição…</translation>
    </message>
    <message>
        <source>Quillmere: convert with a preset…</source>
        <translation>Quillmere: converter com uma predefinição…</translation>
    </message>
    <message>
        <source>Choose one of Quillmere&apos;s saved presets and convert the selected photos with it</source>
        <translation>Escolher uma das predefinições salvas do Quillmere e converter com ela as fotos selecionadas</translation>
    </message>
    <message>
        <source>Convert the selection with the preset &quot;%1&quot;</source>
        <extracomment>The tooltip of a file manager&apos;s entry &quot;Quillmere: PRESET&quot;; %1 is the preset&apos;s name.</extracomment>
        <translation>Converter a seleção com a predefinição “%1”</translation>
    </message>
    <message>
        <source>Convert with the preset:</source>
        <extracomment>Asked in a small list of the saved presets, before converting the selected photos.</extracomment>
        <translation>Converter com a predefinição:</translation>
    </message>
    <message>
        <source>Preset</source>
        <extracomment>The heading of that list&apos;s one column.</extracomment>
        <translation>Predefinição</translation>
    </message>
</context>
<context>
    <name>DestinationPanel</name>
    <message>
        <source>The preset could not be read.</source>
        <translation>Não foi possível ler a predefinição.</translation>
    </message>
    <message>
        <source>it is no longer stored</source>
        <translation>ela não está mais salva</translation>
    </message>
</context>
<context>
    <name>FileSizeLimitRow</name>
    <message>
        <source>L&amp;imit file size to</source>
        <translation>Limitar o arq&amp;uivo a</translation>
    </message>
    <message>
        <source>Largest file size in KB</source>
        <translation>Tamanho máximo do arquivo em KB</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>The search for a size that fits goes no lower</source>
        <translation>A busca por um tamanho que caiba não desce abaixo deste valor</translation>
    </message>
    <message>
        <source>Lo&amp;west quality:</source>
        <translation>Qualidade mí&amp;nima:</translation>
    </message>
    <message>
        <source>Colour &amp;resolution:</source>
        <translation>&amp;Resolução de cor:</translation>
    </message>
    <message>
        <source>Pro&amp;gressive</source>
        <translation>Progre&amp;ssivo</translation>
    </message>
    <message>
        <source>A JPG shown coarse first while it loads</source>
        <translation>Um JPG exibido primeiro em baixa resolução enquanto carrega</translation>
    </message>
    <message>
        <source>Please enter a number of KB between 1 and %1.</source>
        <translation>Digite um número de KB entre 1 e %1.</translation>
    </message>
    <message>
        <source>the best quality that fits, then a smaller size</source>
        <translation>a melhor qualidade que caiba; senão, um tamanho menor</translation>
    </message>
    <message>
        <source>lossless: met by a smaller size only</source>
        <translation>sem perdas: só se alcança com um tamanho menor</translation>
    </message>
</context>
<context>
    <name>FolderChooser</name>
    <message>
        <source>Choose a folder</source>
        <translation>Escolha uma pasta</translation>
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
        <translation>Tac&amp;hado</translation>
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
    <message>
        <source>Text Color</source>
        <translation>Cor do texto</translation>
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
        <source>Res&amp;olution:</source>
        <translation>Res&amp;olução:</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>1:1 (square)</source>
        <translation>1:1 (quadrado)</translation>
    </message>
    <message>
        <source>4:5 (portrait post)</source>
        <translation>4:5 (post vertical)</translation>
    </message>
    <message>
        <source>3:2 (photo print)</source>
        <translation>3:2 (foto impressa)</translation>
    </message>
    <message>
        <source>16:9 (wide screen)</source>
        <translation>16:9 (widescreen)</translation>
    </message>
    <message>
        <source>9:16 (story)</source>
        <translation>9:16 (stories)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
</context>
<context>
    <name>GatherTask</name>
    <message>
        <source>Reading photos...</source>
        <translation>Lendo fotos...</translation>
    </message>
    <message>
        <source>Searching folders: %1 photo files found in %2 folders</source>
        <translation>Pesquisando pastas: %1 arquivos de fotos encontrados em %2 pastas</translation>
    </message>
    <message>
        <source>Reading photos: %1 of %2</source>
        <translation>Lendo fotos: %1 de %2</translation>
    </message>
</context>
<context>
    <name>LanguagePack</name>
    <message>
        <source>&amp;About Quillmere</source>
        <translation>&amp;Sobre o Quillmere</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>The output width is invalid!</source>
        <translation>A largura de saída é inválida!</translation>
    </message>
    <message>
        <source>The output hight is invalid!</source>
        <translation>A altura de saída é inválida!</translation>
    </message>
    <message>
        <source>Failed to SetResolution!</source>
        <translation>Falha em SetResolution!</translation>
    </message>
    <message>
        <source>Failed to SetInterpolationMode!</source>
        <translation>Falha em SetInterpolationMode!</translation>
    </message>
    <message>
        <source>Failed to convert photo!</source>
        <translation>Falha ao converter a foto!</translation>
    </message>
    <message>
        <source>Unknown rotate angle!</source>
        <translation>Ângulo de rotação desconhecido!</translation>
    </message>
    <message>
        <source>Failed to rotate and flip photo!</source>
        <translation>Falha ao girar e espelhar a foto!</translation>
    </message>
    <message>
        <source>Failed to save the file!</source>
        <translation>Falha ao salvar o arquivo!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>%s exists. Do you want to replace it?</source>
        <translation>%s já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>The text position X is bigger than the photo width!, The program set it to 0 now.</source>
        <translation>A posição X do texto é maior que a largura da foto! O programa a definiu como 0.</translation>
    </message>
    <message>
        <source>The text position Y is bigger than the photo height!, The program set it to 0 now.</source>
        <translation>A posição Y do texto é maior que a altura da foto! O programa a definiu como 0.</translation>
    </message>
    <message>
        <source>The text position X is out of range! The program set it to 0 now.</source>
        <translation>A posição X do texto está fora do intervalo! O programa a definiu como 0.</translation>
    </message>
    <message>
        <source>The text position Y is out of range! The program set it to 0 now.</source>
        <translation>A posição Y do texto está fora do intervalo! O programa a definiu como 0.</translation>
    </message>
    <message>
        <source>1 bit per pixel, indexed. 2 color.</source>
        <translation>1 bit por pixel, indexado. 2 cores.</translation>
    </message>
    <message>
        <source>4 bits per pixel, indexed. 16 color.</source>
        <translation>4 bits por pixel, indexado. 16 cores.</translation>
    </message>
    <message>
        <source>8 bits per pixel, indexed. 256 color.</source>
        <translation>8 bits por pixel, indexado. 256 cores.</translation>
    </message>
    <message>
        <source>16 bits per pixel; 5 bits are used for the red component, 6 bits are used for the green component, and 5 bits are used for the blue component.</source>
        <translation>16 bits por pixel; 5 bits para o componente vermelho, 6 bits para o verde e 5 bits para o azul.</translation>
    </message>
    <message>
        <source>24 bits per pixel; 8 bits each are used for the red, green, and blue components.</source>
        <translation>24 bits por pixel; 8 bits para cada um dos componentes vermelho, verde e azul.</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the alpha, red, green, and blue components.</source>
        <translation>32 bits por pixel; 8 bits para cada um dos componentes alfa, vermelho, verde e azul.</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the alpha, red, green, and blue components. The red, green, and blue components are premultiplied according to the alpha component.</source>
        <translation>32 bits por pixel; 8 bits para cada um dos componentes alfa, vermelho, verde e azul. Os componentes vermelho, verde e azul são pré-multiplicados pelo componente alfa.</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the red, green, and blue components. The remaining 8 bits are not used.</source>
        <translation>32 bits por pixel; 8 bits para cada um dos componentes vermelho, verde e azul. Os 8 bits restantes não são usados.</translation>
    </message>
    <message>
        <source>64 bits per pixel; 16 bits each are used for the alpha, red, green, and blue components. Written as 32 bits ARGB, as no BMP reader takes 64 bits.</source>
        <translation>64 bits por pixel; 16 bits para cada um dos componentes alfa, vermelho, verde e azul. Gravado como 32 bits ARGB, pois nenhum leitor de BMP aceita 64 bits.</translation>
    </message>
    <message>
        <source>64 bits per pixel; 16 bits each are used for the alpha, red, green, and blue components. The red, green, and blue components are premultiplied according to the alpha component. Written as 32 bits PARGB, as no BMP reader takes 64 bits.</source>
        <translation>64 bits por pixel; 16 bits para cada um dos componentes alfa, vermelho, verde e azul. Os componentes vermelho, verde e azul são pré-multiplicados pelo componente alfa. Gravado como 32 bits PARGB, pois nenhum leitor de BMP aceita 64 bits.</translation>
    </message>
</context>
<context>
    <name>ListHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfazer %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refazer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
</context>
<context>
    <name>LocalFigures</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
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
        <translation>o original cabe: copiado</translation>
    </message>
    <message>
        <source>fitted by reducing to %1 x %2</source>
        <translation>ajustado reduzindo para %1 x %2</translation>
    </message>
    <message>
        <source>fitted: quality %1</source>
        <translation>ajustado: qualidade %1</translation>
    </message>
    <message>
        <source>the source fits (%1): copied unchanged</source>
        <translation>o original cabe (%1): copiado sem alterações</translation>
    </message>
    <message>
        <source>%1 at quality %2</source>
        <translation>%1 com qualidade %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n encodes</source>
        <extracomment>%1 is the size and quality (&quot;498 KB at quality 72&quot;); an encode is one trial compression made to find it.</extracomment>
        <translation>
            <numerusform>%1, %n codificação</numerusform>
            <numerusform>%1, %n codificações</numerusform>
        </translation>
    </message>
    <message>
        <source>fitted by reducing to %1: %2</source>
        <translation>ajustado reduzindo para %1: %2</translation>
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
        <translation>E&amp;xcluir</translation>
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
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>These files were left out because they are not pictures:</source>
        <translation>Estes arquivos foram ignorados porque não são imagens:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Predefinição</translation>
    </message>
    <message>
        <source>Stop the conversion and quit?</source>
        <translation>Parar a conversão e sair?</translation>
    </message>
    <message>
        <source>Stop and quit</source>
        <translation>Parar e sair</translation>
    </message>
    <message numerus="yes">
        <source>The list of %n photos is not kept. Do you want to quit?</source>
        <translation>
            <numerusform>A lista de %n foto não será mantida. Deseja sair?</numerusform>
            <numerusform>A lista de %n fotos não será mantida. Deseja sair?</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>MainDialogHooks</name>
    <message>
        <source>The desktop has no program that opens %1.</source>
        <translation>A área de trabalho não tem nenhum programa que abra %1.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>Salvar predefinição</translation>
    </message>
    <message>
        <source>Preset &amp;name:</source>
        <translation>&amp;Nome da predefinição:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualização</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1 occurs error!</source>
        <translation>Ocorreu um erro em %1!</translation>
    </message>
    <message>
        <source>%1 is not a right directory</source>
        <translation>%1 não é uma pasta válida</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>O acesso a %1 foi negado.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 não foi encontrado.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contém um caminho inválido.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>Não foi possível abrir %1 porque há arquivos demais abertos.</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Ocorreu um erro de E/S de hardware ao acessar %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Ocorreu uma violação de compartilhamento ao acessar %1.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Ocorreu um erro desconhecido ao acessar %1.</translation>
    </message>
    <message>
        <source>Failed file.GetStatus from %1</source>
        <translation>Falha em file.GetStatus de %1</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Não foi possível salvar as configurações.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>The Program does not launch your web browser to access %1 ,
Please launch your web browser and input the URL manually.</source>
        <translation>O programa não conseguiu abrir o navegador para acessar %1.
Abra o navegador e digite o URL manualmente.</translation>
    </message>
    <message>
        <source>The help page %1 is missing.</source>
        <translation>A página de ajuda %1 não foi encontrada.</translation>
    </message>
    <message>
        <source>%1 %2 is installed.</source>
        <translation>%1 %2 está instalado.</translation>
    </message>
    <message>
        <source>Updates come from your system&apos;s package manager: update %1 there together with your other programs.</source>
        <translation>As atualizações vêm do gerenciador de pacotes do sistema: atualize %1 por ele junto com os seus outros programas.</translation>
    </message>
    <message>
        <source>This copy was built from source, outside a package, so the package manager does not update it.</source>
        <translation>Esta cópia foi compilada a partir do código-fonte, fora de um pacote, por isso o gerenciador de pacotes não a atualiza.</translation>
    </message>
    <message>
        <source>Newer versions of the source are at %1.</source>
        <translation>As versões mais recentes do código-fonte estão em %1.</translation>
    </message>
    <message>
        <source>A packaged %1 gets its updates from your system&apos;s package manager.</source>
        <translation>O %1 instalado por pacote recebe as atualizações do gerenciador de pacotes do sistema.</translation>
    </message>
    <message>
        <source>Can not get My Documents directory!</source>
        <translation>Não foi possível obter a pasta Documentos!</translation>
    </message>
    <message>
        <source>The log file could not be written; its notices are lost.</source>
        <translation>Não foi possível gravar o arquivo de registro; os avisos foram perdidos.</translation>
    </message>
    <message>
        <source>The watermark could not be read.</source>
        <translation>Não foi possível ler a marca-d&apos;água.</translation>
    </message>
    <message>
        <source>The stored setting %1 is not used: %2. %3 is used instead.</source>
        <translation>A configuração salva %1 não é usada: %2. Em seu lugar, usa-se %3.</translation>
    </message>
</context>
<context>
    <name>OptionTables</name>
    <message>
        <source>Same as the source</source>
        <translation>Igual ao original</translation>
    </message>
    <message>
        <source>1 bit Indexed</source>
        <translation>1 bit indexado</translation>
    </message>
    <message>
        <source>4 bits Indexed</source>
        <translation>4 bits indexado</translation>
    </message>
    <message>
        <source>8 bits Indexed</source>
        <translation>8 bits indexado</translation>
    </message>
    <message>
        <source>16 bits RGB565</source>
        <translation>16 bits RGB565</translation>
    </message>
    <message>
        <source>24 bits RGB</source>
        <translation>24 bits RGB</translation>
    </message>
    <message>
        <source>32 bits ARGB</source>
        <translation>32 bits ARGB</translation>
    </message>
    <message>
        <source>32 bits PARGB</source>
        <translation>32 bits PARGB</translation>
    </message>
    <message>
        <source>32 bits RGB</source>
        <translation>32 bits RGB</translation>
    </message>
    <message>
        <source>64 bits ARGB</source>
        <translation>64 bits ARGB</translation>
    </message>
    <message>
        <source>64 bits PARGB</source>
        <translation>64 bits PARGB</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>Tamanho original</translation>
    </message>
    <message>
        <source>Stretch:</source>
        <translation>Esticar:</translation>
    </message>
    <message>
        <source>Fit within Output Width x Output Height</source>
        <translation>Encaixar em largura x altura de saída</translation>
    </message>
    <message>
        <source>Long edge:</source>
        <translation>Lado maior:</translation>
    </message>
    <message>
        <source>Fill Output Width x Output Height, cropped</source>
        <translation>Preencher largura x altura de saída, com recorte</translation>
    </message>
    <message>
        <source>Pad to Output Width x Output Height</source>
        <translation>Ajustar com margens a largura x altura de saída</translation>
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
        <source>All but the location</source>
        <translation>Todos, exceto a localização</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Smart</source>
        <translation>Inteligente</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Leve</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Forte</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Halved colour resolution below quality 90, full from 90 up.</source>
        <translation>Resolução de cor reduzida à metade abaixo da qualidade 90; completa a partir de 90.</translation>
    </message>
    <message>
        <source>Colour at half resolution: smaller files.</source>
        <translation>Cor em meia resolução: arquivos menores.</translation>
    </message>
    <message>
        <source>Colour at full resolution: sharper red edges.</source>
        <translation>Cor em resolução total: bordas vermelhas mais nítidas.</translation>
    </message>
    <message>
        <source>Standard colours</source>
        <translation>Cores padrão</translation>
    </message>
    <message>
        <source>The standard 16 or 256 colours, the same for every photo.</source>
        <translation>As 16 ou 256 cores padrão, as mesmas para todas as fotos.</translation>
    </message>
    <message>
        <source>Colours of the photo</source>
        <translation>Cores da foto</translation>
    </message>
    <message>
        <source>The 16 or 256 colours that best match each photo, found by an octree.</source>
        <translation>As 16 ou 256 cores que melhor combinam com cada foto, encontradas por uma árvore octal (octree).</translation>
    </message>
    <message>
        <source>File date</source>
        <translation>Data do arquivo</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>Data de captura</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Em cima à esquerda</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Em cima</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Em cima à direita</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>À esquerda</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>No centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>À direita</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Embaixo à esquerda</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Embaixo</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Embaixo à direita</translation>
    </message>
    <message>
        <source>No outline</source>
        <translation>Sem contorno</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Sombra</translation>
    </message>
    <message>
        <source>The camera&apos;s own preview when it is at least the output size, else the sensor at half size when that is, else the whole sensor.</source>
        <translation>A pré-visualização da própria câmera quando tem pelo menos o tamanho de saída; senão, o sensor em meio tamanho quando este basta; senão, o sensor inteiro.</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Pré-visualização da câmera</translation>
    </message>
    <message>
        <source>The preview the camera embedded in the file: fastest; a file without one fails.</source>
        <translation>A pré-visualização que a câmera incorporou ao arquivo: a mais rápida; um arquivo sem ela falha.</translation>
    </message>
    <message>
        <source>Full develop</source>
        <translation>Revelação completa</translation>
    </message>
    <message>
        <source>Always the whole sensor, demosaicked: slowest, the most detail.</source>
        <translation>Sempre o sensor inteiro, com demosaico: a mais lenta, com o máximo de detalhes.</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no camera data kept</comment>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no sharpening</comment>
        <translation>Nenhuma</translation>
    </message>
</context>
<context>
    <name>OutputSettingsEditor</name>
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
    <name>OverlayPanel</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Digite um número inteiro.</translation>
    </message>
</context>
<context>
    <name>PhotoListModel</name>
    <message>
        <source>Waiting</source>
        <translation>Aguardando</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Convertendo</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Convertida</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignorada</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Não convertida</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Width * Height</source>
        <translation>Largura * Altura</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Output Width * Height</source>
        <translation>Largura * Altura de saída</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotação</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
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
        <translation>Total de fotos: %1</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Please select items!</source>
        <translation>Selecione itens da lista!</translation>
    </message>
</context>
<context>
    <name>PhotoSources</name>
    <message>
        <source>Photo Files (%1) (%2)</source>
        <translation>Arquivos de fotos (%1) (%2)</translation>
    </message>
    <message>
        <source>Any Files (*.*) (*)</source>
        <translation>Todos os arquivos (*.*) (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: not pictures (%1)</source>
        <translation>
            <numerusform>%n arquivo foi ignorado: não é uma imagem (%1)</numerusform>
            <numerusform>%n arquivos foram ignorados: não são imagens (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Select Photo Files...</source>
        <translation>Selecionar arquivos de fotos...</translation>
    </message>
</context>
<context>
    <name>PlacesRow</name>
    <message>
        <source>Name tem&amp;plate:</source>
        <translation>Modelo de &amp;nome:</translation>
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
    <message numerus="yes">
        <source>&amp;Write: %n presets</source>
        <translation>
            <numerusform>&amp;Gerar: %n predefinição</numerusform>
            <numerusform>&amp;Gerar: %n predefinições</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Manter datas dos arquivos</translation>
    </message>
    <message>
        <source>Each output gets its original&apos;s modification date</source>
        <translation>Cada saída recebe a data de modificação do seu original</translation>
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
    <name>PresetStore</name>
    <message>
        <source>must not be empty</source>
        <translation>não pode estar vazio</translation>
    </message>
    <message>
        <source>must not contain &apos;/&apos; or &apos;\&apos;</source>
        <translation>não pode conter &apos;/&apos; nem &apos;\&apos;</translation>
    </message>
    <message>
        <source>must not contain control characters</source>
        <translation>não pode conter caracteres de controle</translation>
    </message>
    <message>
        <source>the settings file %1 has a line that cannot be read</source>
        <translation>o arquivo de configurações %1 tem uma linha que não pode ser lida</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written</source>
        <translation>não foi possível gravar o arquivo de configurações %1</translation>
    </message>
    <message>
        <source>a preset name %1</source>
        <translation>o nome de uma predefinição %1</translation>
    </message>
</context>
<context>
    <name>PreviewFrame</name>
    <message>
        <source>Show source</source>
        <translation>Mostrar original</translation>
    </message>
    <message>
        <source>The selected photo as it will be written. Double-click or press Space in the list to see it larger.</source>
        <translation>A foto selecionada como será gravada. Clique duas vezes ou pressione Espaço na lista para vê-la maior.</translation>
    </message>
    <message>
        <source>Before and after: the source photo, or the result</source>
        <translation>Antes e depois: a foto original ou o resultado</translation>
    </message>
    <message>
        <source>No result: %1</source>
        <translation>Sem resultado: %1</translation>
    </message>
    <message>
        <source>Show result</source>
        <translation>Mostrar resultado</translation>
    </message>
    <message>
        <source>Opening…</source>
        <translation>Abrindo…</translation>
    </message>
    <message>
        <source>The result could not be shown.</source>
        <translation>Não foi possível exibir o resultado.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a tooltip, then its key</comment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>no such file or folder</source>
        <translation>arquivo ou pasta inexistente</translation>
    </message>
    <message>
        <source>a loop of symbolic links</source>
        <translation>um ciclo de links simbólicos</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>não é uma imagem</translation>
    </message>
    <message>
        <source>could not be searched (%1)</source>
        <translation>não foi possível pesquisar (%1)</translation>
    </message>
    <message>
        <source>standard input could not be read</source>
        <translation>não foi possível ler a entrada padrão</translation>
    </message>
    <message>
        <source>Can not create the directory</source>
        <translation>Não é possível criar a pasta</translation>
    </message>
    <message>
        <source>Not converted: the output file exists</source>
        <translation>Não convertida: o arquivo de saída já existe</translation>
    </message>
    <message>
        <source>unknown output photo format!</source>
        <translation>formato de saída da foto desconhecido!</translation>
    </message>
    <message>
        <source>developed from the camera&apos;s preview</source>
        <translation>revelada a partir da pré-visualização da câmera</translation>
    </message>
    <message>
        <source>developed at half size</source>
        <translation>revelada em meio tamanho</translation>
    </message>
    <message>
        <source>developed in full</source>
        <translation>revelada por completo</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>o arquivo não foi encontrado</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>the format is not supported</source>
        <translation>o formato não é suportado</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete</source>
        <translation>o arquivo está danificado ou incompleto</translation>
    </message>
    <message>
        <source>the log could not be written</source>
        <translation>não foi possível gravar o registro</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>um link simbólico, não seguido</translation>
    </message>
    <message>
        <source>a damaged picture</source>
        <translation>uma imagem danificada</translation>
    </message>
    <message>
        <source>the imaging library could not start</source>
        <translation>não foi possível iniciar a biblioteca de imagens</translation>
    </message>
    <message>
        <source>a picture without pixels</source>
        <translation>uma imagem sem pixels</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the value %1 is not a whole number</source>
        <translation>o valor %1 não é um número inteiro</translation>
    </message>
    <message>
        <source>the value %1 is not between %2 and %3</source>
        <translation>o valor %1 não está entre %2 e %3</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not a whole number</source>
        <translation>o valor &quot;%1&quot; não é um número inteiro</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not a number</source>
        <translation>o valor &quot;%1&quot; não é um número</translation>
    </message>
    <message>
        <source>the value %1 stands for no choice</source>
        <translation>o valor %1 não corresponde a nenhuma opção</translation>
    </message>
    <message>
        <source>the photo has no size</source>
        <translation>a foto não tem tamanho</translation>
    </message>
    <message>
        <source>the setting %1 could not be saved</source>
        <translation>não foi possível salvar a configuração %1</translation>
    </message>
    <message>
        <source>the watermark: %1</source>
        <translation>a marca-d&apos;água: %1</translation>
    </message>
    <message>
        <source>the output would replace one of the photos being converted</source>
        <translation>a saída substituiria uma das fotos em conversão</translation>
    </message>
    <message>
        <source>two outputs of %1 would have this name; give each preset its own name, for example with {preset}</source>
        <translation>duas saídas de %1 teriam este nome; dê a cada predefinição um nome próprio, por exemplo com {preset}</translation>
    </message>
    <message>
        <source>the file date could not be set: %1</source>
        <translation>não foi possível definir a data do arquivo: %1</translation>
    </message>
    <message>
        <source>the encoder wrote nothing</source>
        <translation>o codificador não gravou nada</translation>
    </message>
    <message>
        <source>the preview file could not be read back</source>
        <translation>não foi possível reler o arquivo de pré-visualização</translation>
    </message>
    <message>
        <source>the output size %1 x %2 cannot be written</source>
        <translation>o tamanho de saída %1 x %2 não pode ser gravado</translation>
    </message>
    <message>
        <source>the output is larger than %1 stores</source>
        <translation>a saída é maior do que %1 comporta</translation>
    </message>
    <message>
        <source>the output could not be made</source>
        <translation>não foi possível criar a saída</translation>
    </message>
    <message>
        <source>the output could not be read back</source>
        <translation>não foi possível reler a saída</translation>
    </message>
    <message>
        <source>the value %1 is out of range</source>
        <translation>o valor %1 está fora do intervalo</translation>
    </message>
    <message>
        <source>the value %1 is not a colour</source>
        <translation>o valor %1 não é uma cor</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot;</source>
        <translation>o modelo de nome “%1”</translation>
    </message>
    <message>
        <source>a &apos;}&apos; without its &apos;{&apos; (write &quot;}}&quot; for a brace)</source>
        <translation>um &apos;}&apos; sem o seu &apos;{&apos; (escreva &quot;}}&quot; para a própria chave)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not closed by &apos;}&apos;</source>
        <translation>“%1” não é fechado por &apos;}&apos;</translation>
    </message>
    <message>
        <source>unknown token %1</source>
        <translation>marcador desconhecido %1</translation>
    </message>
    <message>
        <source>the width in %1 must be a number from 1 to 10</source>
        <translation>o número de dígitos em %1 deve ser de 1 a 10</translation>
    </message>
    <message>
        <source>the date format in %1 is empty</source>
        <translation>o formato de data em %1 está vazio</translation>
    </message>
    <message>
        <source>unknown date format &quot;%1&quot; in %2</source>
        <translation>formato de data desconhecido “%1” em %2</translation>
    </message>
    <message>
        <source>the token %1 takes no format</source>
        <translation>o marcador %1 não aceita formato</translation>
    </message>
    <message>
        <source>&apos;/&apos; is not allowed in a file name</source>
        <translation>&apos;/&apos; não é permitido em um nome de arquivo</translation>
    </message>
    <message>
        <source>a control character is not allowed in a file name</source>
        <translation>caracteres de controle não são permitidos em um nome de arquivo</translation>
    </message>
    <message>
        <source>it names nothing but the extension</source>
        <translation>contém apenas a extensão</translation>
    </message>
    <message>
        <source>preset %1: %2</source>
        <translation>predefinição %1: %2</translation>
    </message>
    <message>
        <source>the folder could not be searched</source>
        <translation>não foi possível pesquisar a pasta</translation>
    </message>
</context>
<context>
    <name>RunPanel</name>
    <message>
        <source>Do you want to open the output folder?</source>
        <translation>Deseja abrir a pasta de saída?</translation>
    </message>
    <message>
        <source>The conversion is done. %1</source>
        <translation>A conversão foi concluída. %1</translation>
    </message>
    <message>
        <source>There is not log file now!</source>
        <translation>Ainda não há arquivo de registro!</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Stopped: %1 of %2 converted, %3 not started</source>
        <translation>Interrompida: %1 de %2 convertidas, %3 não iniciadas</translation>
    </message>
    <message numerus="yes">
        <source>%1 photos were not converted; see the log.</source>
        <translation>
            <numerusform>%1 foto não foi convertida; veja o registro.</numerusform>
            <numerusform>%1 fotos não foram convertidas; veja o registro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 photos got a number added to a name another photo has.</source>
        <translation>
            <numerusform>%1 foto recebeu um número no nome porque outra foto já o tinha.</numerusform>
            <numerusform>%1 fotos receberam um número no nome porque outra foto já o tinha.</numerusform>
        </translation>
    </message>
    <message>
        <source>Written per preset: %1</source>
        <translation>Geradas por predefinição: %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>falta menos de um minuto</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>falta cerca de %n min</numerusform>
            <numerusform>faltam cerca de %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>falta cerca de %n h</numerusform>
            <numerusform>faltam cerca de %n h</numerusform>
        </translation>
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
    <message>
        <source>The watermark could not be read.</source>
        <translation>Não foi possível ler a marca-d&apos;água.</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>Add photo files to the list</source>
        <translation>Adicionar arquivos de fotos à lista</translation>
    </message>
    <message>
        <source>Add every photo in a folder and its subfolders to the list</source>
        <translation>Adicionar à lista todas as fotos de uma pasta e de suas subpastas</translation>
    </message>
    <message>
        <source>Output settings for photos added from now on</source>
        <translation>Configurações de saída para as fotos adicionadas daqui em diante</translation>
    </message>
    <message>
        <source>Convert every photo in the list into a new folder inside the output folder</source>
        <translation>Converter todas as fotos da lista para uma nova pasta dentro da pasta de saída</translation>
    </message>
    <message>
        <source>Show the program&apos;s help</source>
        <translation>Mostrar a ajuda do programa</translation>
    </message>
    <message>
        <source>Output settings of the selected photos</source>
        <translation>Configurações de saída das fotos selecionadas</translation>
    </message>
    <message>
        <source>Move the selected photos up the list</source>
        <translation>Mover as fotos selecionadas para cima na lista</translation>
    </message>
    <message>
        <source>Move the selected photos down the list</source>
        <translation>Mover as fotos selecionadas para baixo na lista</translation>
    </message>
    <message>
        <source>Remove the selected photos from the list</source>
        <translation>Remover da lista as fotos selecionadas</translation>
    </message>
    <message>
        <source>Remove every photo from the list</source>
        <translation>Remover todas as fotos da lista</translation>
    </message>
    <message>
        <source>Sort the list by a column</source>
        <translation>Ordenar a lista por uma coluna</translation>
    </message>
    <message>
        <source>Select every photo in the list</source>
        <translation>Selecionar todas as fotos da lista</translation>
    </message>
    <message>
        <source>Choose the folder the converted photos go to</source>
        <translation>Escolher a pasta onde as fotos convertidas são salvas</translation>
    </message>
    <message>
        <source>Font and colour of the text added to photos</source>
        <translation>Fonte e cor do texto adicionado às fotos</translation>
    </message>
    <message>
        <source>Use the settings of the chosen preset</source>
        <translation>Usar as configurações da predefinição escolhida</translation>
    </message>
    <message>
        <source>Keep the current settings as a preset</source>
        <translation>Salvar as configurações atuais como predefinição</translation>
    </message>
    <message>
        <source>Remove the chosen preset</source>
        <translation>Remover a predefinição escolhida</translation>
    </message>
    <message>
        <source>Open the activity log</source>
        <translation>Abrir o registro de atividades</translation>
    </message>
    <message>
        <source>Which version is installed and where updates come from</source>
        <translation>Qual versão está instalada e de onde vêm as atualizações</translation>
    </message>
    <message>
        <source>The program&apos;s version and licence</source>
        <translation>Versão e licença do programa</translation>
    </message>
    <message>
        <source>Quit the program</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>Undo the last change to the list</source>
        <translation>Desfazer a última alteração na lista</translation>
    </message>
    <message>
        <source>Redo the change just undone</source>
        <translation>Refazer a alteração que acabou de ser desfeita</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Selecionar &amp;tudo</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Converter</translation>
    </message>
</context>
</TS>
