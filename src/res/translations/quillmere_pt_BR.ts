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
    <message>
        <source>and</source>
        <translation>e</translation>
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
    <message>
        <source>photo;picture;resize;convert;batch;rename;jpeg;png;tiff;bmp;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ended by &quot;;&quot;.</extracomment>
        <translation>foto;imagem;redimensionar;converter;lote;renomear;jpeg;png;tiff;bmp;</translation>
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
    <name>HelpPage</name>
    <message>
        <source>Quillmere — User Guide</source>
        <translation>Quillmere — Guia do usuário</translation>
    </message>
    <message>
        <source>Quillmere</source>
        <translation>Quillmere</translation>
    </message>
    <message>
        <source>Resize and convert photos in batches.</source>
        <translation>Redimensione e converta fotos em lote.</translation>
    </message>
    <message>
        <source>Quillmere takes a list of photos, gives each of them output settings (format, size, pixel format, quality, rotation and flip, and which camera data to keep), optionally writes a line of text on every photo, and converts them all into a new folder of their own with tidy, numbered file names. Your original photos are never changed.</source>
        <translation>O Quillmere recebe uma lista de fotos, dá a cada uma configurações de saída (formato, tamanho, formato de pixel, qualidade, rotação e espelhamento, e quais dados da câmera manter), opcionalmente escreve uma linha de texto em cada foto e converte todas para uma pasta nova só delas, com nomes de arquivo organizados e numerados. Suas fotos originais nunca são alteradas.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#quick&quot;&gt;Quick start&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#quick&quot;&gt;Início rápido&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#gather&quot;&gt;Adding photos&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#gather&quot;&gt;Adicionar fotos&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#list&quot;&gt;The photo list&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#list&quot;&gt;A lista de fotos&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#options&quot;&gt;Output options&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#options&quot;&gt;Opções de saída&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#output&quot;&gt;Output folder and file names&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#output&quot;&gt;Pasta de saída e nomes de arquivo&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#text&quot;&gt;Text on the photos&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#text&quot;&gt;Texto nas fotos&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#presets&quot;&gt;Presets&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#presets&quot;&gt;Predefinições&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#convert&quot;&gt;Converting&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#convert&quot;&gt;Conversão&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#formats&quot;&gt;Formats&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#formats&quot;&gt;Formatos&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#window&quot;&gt;All controls of the main window&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#window&quot;&gt;Todos os controles da janela principal&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#cli&quot;&gt;The command line: quillmere-convert&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#cli&quot;&gt;A linha de comando: quillmere-convert&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#settings&quot;&gt;What Quillmere remembers&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#settings&quot;&gt;O que o Quillmere lembra&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Quick start</source>
        <translation>Início rápido</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Add Photos&lt;/b&gt; and pick some photos (or drop them onto the window).</source>
        <translation>Clique em &lt;b&gt;Adicionar fotos&lt;/b&gt; e escolha algumas fotos (ou arraste-as para a janela).</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Options&lt;/b&gt; to choose the output format and size. The built-in setting makes @BUILT_IN_FORMAT@ files of quality @QUALITY_BUILT_IN@, @BUILT_IN_WIDTH@ pixels wide, with the height that keeps each photo&apos;s proportions.</source>
        <translation>Clique em &lt;b&gt;Opções&lt;/b&gt; para escolher o formato e o tamanho de saída. A configuração inicial gera arquivos @BUILT_IN_FORMAT@ com qualidade @QUALITY_BUILT_IN@ e @BUILT_IN_WIDTH@ pixels de largura, com a altura que mantém as proporções de cada foto.</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;Output Folder&lt;/b&gt;; the first time it is the folder &lt;code&gt;Quillmere&lt;/code&gt; in your Pictures folder.</source>
        <translation>Confira a &lt;b&gt;Pasta de saída&lt;/b&gt;; na primeira vez, é a pasta &lt;code&gt;Quillmere&lt;/code&gt; dentro da sua pasta Imagens.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Convert&lt;/b&gt;. When the run is done, Quillmere offers to open the folder with the results.</source>
        <translation>Clique em &lt;b&gt;Converter&lt;/b&gt;. Quando a conversão termina, o Quillmere oferece abrir a pasta com os resultados.</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>Adicionar fotos</translation>
    </message>
    <message>
        <source>There are three ways to put photos into the list. New photos are added at the end of the list and get the current default output settings (see &lt;a href=&quot;#options&quot;&gt;Options&lt;/a&gt;).</source>
        <translation>Há três maneiras de colocar fotos na lista. As fotos novas são adicionadas ao fim da lista e recebem as configurações de saída padrão do momento (veja &lt;a href=&quot;#options&quot;&gt;Opções&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Photos&lt;/b&gt; opens a file dialog in which you can select several files at once. It opens in the folder you last added photos from.</source>
        <translation>&lt;b&gt;Adicionar fotos&lt;/b&gt; abre uma caixa de diálogo de arquivos na qual você pode selecionar vários arquivos de uma vez. Ela abre na pasta de onde você adicionou fotos pela última vez.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Drag and drop&lt;/b&gt;: drop files and folders from your file manager onto the window. Files are added in the order dropped; a folder is searched as &lt;b&gt;Search photos&lt;/b&gt; does. Opening photos or folders with Quillmere from a file manager (or &lt;code&gt;quillmere FILE|FOLDER...&lt;/code&gt;) adds them the same way.</source>
        <translation>&lt;b&gt;Arrastar e soltar&lt;/b&gt;: solte na janela arquivos e pastas vindos do seu gerenciador de arquivos. Os arquivos são adicionados na ordem em que foram soltos; uma pasta é percorrida como faz &lt;b&gt;Buscar fotos&lt;/b&gt;. Abrir fotos ou pastas com o Quillmere a partir de um gerenciador de arquivos (ou com &lt;code&gt;quillmere FILE|FOLDER...&lt;/code&gt;) as adiciona da mesma forma.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search photos&lt;/b&gt; asks for a folder and adds every photo found in it and in all its sub-folders, folder by folder. Files with the extensions @PHOTO_EXTENSIONS@ are considered (in any letter case).</source>
        <translation>&lt;b&gt;Buscar fotos&lt;/b&gt; pede uma pasta e adiciona todas as fotos encontradas nela e em todas as suas subpastas, pasta por pasta. São considerados os arquivos com as extensões @PHOTO_EXTENSIONS@ (em maiúsculas ou minúsculas).</translation>
    </message>
    <message>
        <source>Files that are not pictures, or cannot be read, are left out silently. A name with several dots, such as &lt;code&gt;IMG 2009.05.17.jpg&lt;/code&gt; or &lt;code&gt;trip.day1.HEIC&lt;/code&gt;, counts by its last extension. Photos taken with the camera turned are shown and converted upright. Phone photos (HEIC and HEIF) are read as they are.</source>
        <translation>Arquivos que não são imagens, ou que não podem ser lidos, são ignorados sem aviso. Um nome com vários pontos, como &lt;code&gt;IMG 2009.05.17.jpg&lt;/code&gt; ou &lt;code&gt;trip.day1.HEIC&lt;/code&gt;, vale pela última extensão. Fotos tiradas com a câmera girada são exibidas e convertidas na posição certa. Fotos de celular (HEIC e HEIF) são lidas como estão.</translation>
    </message>
    <message>
        <source>From the file manager</source>
        <translation>A partir do gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Right-click photos or folders in the file manager. &lt;b&gt;Convert with Quillmere…&lt;/b&gt; opens this window with them; each saved preset has an entry of its own, &lt;b&gt;Quillmere: &lt;i&gt;preset&lt;/i&gt;&lt;/b&gt; (in Nemo and Dolphin, &lt;b&gt;convert with a preset…&lt;/b&gt; asks which), which converts the selection at once with that preset into the output folder you chose here, in a new time-stamped folder, and ends with a desktop notification naming that folder and any photo that failed. Presets you save later appear without reinstalling anything.</source>
        <translation>Clique com o botão direito em fotos ou pastas no gerenciador de arquivos. &lt;b&gt;Converter com o Quillmere…&lt;/b&gt; abre esta janela com elas; cada predefinição salva tem uma entrada própria, &lt;b&gt;Quillmere: &lt;i&gt;predefinição&lt;/i&gt;&lt;/b&gt; (no Nemo e no Dolphin, &lt;b&gt;converter com uma predefinição…&lt;/b&gt; pergunta qual), que converte a seleção na hora com essa predefinição para a pasta de saída escolhida aqui, numa pasta nova com data e hora, e termina com uma notificação da área de trabalho que indica essa pasta e as fotos que falharam. As predefinições que você salvar depois aparecem sem reinstalar nada.</translation>
    </message>
    <message>
        <source>&lt;b&gt;GNOME Files&lt;/b&gt; shows the entries when the package &lt;code&gt;python3-nautilus&lt;/code&gt; is installed (then restart it: &lt;code&gt;nautilus -q&lt;/code&gt;).</source>
        <translation>No &lt;b&gt;Arquivos do GNOME&lt;/b&gt;, as entradas aparecem quando o pacote &lt;code&gt;python3-nautilus&lt;/code&gt; está instalado (depois, reinicie o gerenciador de arquivos: &lt;code&gt;nautilus -q&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Nemo&lt;/b&gt; (Cinnamon) and &lt;b&gt;Dolphin&lt;/b&gt; (KDE) show them at once.</source>
        <translation>O &lt;b&gt;Nemo&lt;/b&gt; (Cinnamon) e o &lt;b&gt;Dolphin&lt;/b&gt; (KDE) as mostram imediatamente.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Thunar&lt;/b&gt; (Xfce) keeps custom actions in each user&apos;s own settings: in Thunar choose &lt;b&gt;Edit → Configure custom actions…&lt;/b&gt;, add an action named &lt;i&gt;Quillmere: Web 2048&lt;/i&gt; with the command &lt;code&gt;/usr/libexec/quillmere/quillmere-file-action convert &apos;Web 2048&apos; %F&lt;/code&gt; (the name of your preset in quotes), and under &lt;b&gt;Appearance Conditions&lt;/b&gt; tick &lt;b&gt;Image Files&lt;/b&gt; and &lt;b&gt;Directories&lt;/b&gt;. An action with the command &lt;code&gt;quillmere %F&lt;/code&gt; opens the window instead.</source>
        <translation>O &lt;b&gt;Thunar&lt;/b&gt; (Xfce) guarda as ações personalizadas nas configurações de cada usuário: no Thunar, escolha &lt;b&gt;Editar → Configurar ações personalizadas…&lt;/b&gt;, adicione uma ação chamada &lt;i&gt;Quillmere: Web 2048&lt;/i&gt; com o comando &lt;code&gt;/usr/libexec/quillmere/quillmere-file-action convert &apos;Web 2048&apos; %F&lt;/code&gt; (o nome da sua predefinição entre aspas) e, em &lt;b&gt;Condições de aparência&lt;/b&gt;, marque &lt;b&gt;Arquivos de imagem&lt;/b&gt; e &lt;b&gt;Diretórios&lt;/b&gt;. Uma ação com o comando &lt;code&gt;quillmere %F&lt;/code&gt; abre a janela em vez disso.</translation>
    </message>
    <message>
        <source>The photo list</source>
        <translation>A lista de fotos</translation>
    </message>
    <message>
        <source>Each row shows one photo: &lt;b&gt;File name&lt;/b&gt;, its size (&lt;b&gt;Width * Height&lt;/b&gt;), the file&apos;s modification &lt;b&gt;Time&lt;/b&gt;, the size it will be converted to (&lt;b&gt;Output Width * Height&lt;/b&gt;) and its &lt;b&gt;Rotate&lt;/b&gt; angle, and its &lt;b&gt;Status&lt;/b&gt; in the last run: waiting, converting, converted, skipped or failed (rest the pointer on it for the reason). Rest the pointer on a name for the full path. The list order is the conversion order and so the numbering order of the new files. The same file may be in the list more than once. &lt;b&gt;Total Photos:&lt;/b&gt; above the list counts the photos.</source>
        <translation>Cada linha mostra uma foto: &lt;b&gt;Nome do arquivo&lt;/b&gt;, seu tamanho (&lt;b&gt;Largura * Altura&lt;/b&gt;), a &lt;b&gt;Data&lt;/b&gt; de modificação do arquivo, o tamanho para o qual será convertida (&lt;b&gt;Largura * Altura de saída&lt;/b&gt;), seu ângulo de &lt;b&gt;Rotação&lt;/b&gt; e seu &lt;b&gt;Status&lt;/b&gt; na última conversão: aguardando, convertendo, convertida, ignorada ou falhou (passe o ponteiro sobre ele para ver o motivo). Passe o ponteiro sobre um nome para ver o caminho completo. A ordem da lista é a ordem de conversão e, portanto, a ordem de numeração dos arquivos novos. O mesmo arquivo pode estar na lista mais de uma vez. &lt;b&gt;Total de fotos:&lt;/b&gt;, acima da lista, conta as fotos.</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Controle</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>O que faz</translation>
    </message>
    <message>
        <source>Click a row</source>
        <translation>Clicar numa linha</translation>
    </message>
    <message>
        <source>Shows the photo in the preview frame, whole and in its own proportions.</source>
        <translation>Mostra a foto no quadro de pré-visualização, inteira e com suas próprias proporções.</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;File name&lt;/b&gt; or &lt;b&gt;Time&lt;/b&gt; heading</source>
        <translation>Clicar no cabeçalho &lt;b&gt;Nome do arquivo&lt;/b&gt; ou &lt;b&gt;Data&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Sorts the list by that column; click again to reverse the order.</source>
        <translation>Ordena a lista por essa coluna; clique de novo para inverter a ordem.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt; (or double-click / right-click a row)</source>
        <translation>&lt;b&gt;Editar&lt;/b&gt; (ou clique duplo / clique com o botão direito numa linha)</translation>
    </message>
    <message>
        <source>Opens the output options for each selected photo in turn, so that single photos can get settings of their own.</source>
        <translation>Abre as opções de saída de cada foto selecionada, uma de cada vez, para que fotos avulsas possam ter configurações próprias.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Up&lt;/b&gt; / &lt;b&gt;Down&lt;/b&gt;</source>
        <translation>&lt;b&gt;Subir&lt;/b&gt; / &lt;b&gt;Descer&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Move the selected photos one place up or down.</source>
        <translation>Movem as fotos selecionadas uma posição para cima ou para baixo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Delete&lt;/b&gt; (&lt;kbd&gt;Del&lt;/kbd&gt;)</source>
        <translation>&lt;b&gt;Excluir&lt;/b&gt; (&lt;kbd&gt;Del&lt;/kbd&gt;)</translation>
    </message>
    <message>
        <source>Removes the selected photos from the list (the files stay on disk).</source>
        <translation>Remove da lista as fotos selecionadas (os arquivos continuam no disco).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear&lt;/b&gt;</source>
        <translation>&lt;b&gt;Limpar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Empties the list.</source>
        <translation>Esvazia a lista.</translation>
    </message>
    <message>
        <source>Convert, Edit, Up, Down, Delete and Clear are available as soon as the list holds a photo. &lt;kbd&gt;Ctrl+A&lt;/kbd&gt; selects every photo. Every button has an &lt;kbd&gt;Alt&lt;/kbd&gt; letter (the underlined one); &lt;kbd&gt;Ctrl+O&lt;/kbd&gt; is Add Photos, &lt;kbd&gt;Ctrl+F&lt;/kbd&gt; Search photos and &lt;kbd&gt;Ctrl+Return&lt;/kbd&gt; Convert.</source>
        <translation>Converter, Editar, Subir, Descer, Excluir e Limpar ficam disponíveis assim que a lista tem uma foto. &lt;kbd&gt;Ctrl+A&lt;/kbd&gt; seleciona todas as fotos. Cada botão tem uma letra de atalho com &lt;kbd&gt;Alt&lt;/kbd&gt; (a sublinhada); &lt;kbd&gt;Ctrl+O&lt;/kbd&gt; equivale a Adicionar fotos, &lt;kbd&gt;Ctrl+F&lt;/kbd&gt; a Buscar fotos e &lt;kbd&gt;Ctrl+Enter&lt;/kbd&gt; a Converter.</translation>
    </message>
    <message>
        <source>Output options</source>
        <translation>Opções de saída</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt; edits the default settings that photos added from now on receive. After you confirm it with photos in the list, Quillmere asks whether all photos in the list should get the new settings as well. &lt;b&gt;Edit&lt;/b&gt; opens the same dialog for the selected photos only.</source>
        <translation>&lt;b&gt;Opções&lt;/b&gt; edita as configurações padrão que as fotos adicionadas daqui em diante recebem. Se você confirmar com fotos na lista, o Quillmere pergunta se todas as fotos da lista também devem receber as novas configurações. &lt;b&gt;Editar&lt;/b&gt; abre a mesma caixa de diálogo só para as fotos selecionadas.</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Format:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Formato de saída:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>@OUTPUT_FORMAT_LIST@ (see &lt;a href=&quot;#formats&quot;&gt;Formats&lt;/a&gt;).</source>
        <translation>@OUTPUT_FORMAT_LIST@ (veja &lt;a href=&quot;#formats&quot;&gt;Formatos&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pixel format:&lt;/b&gt; (@PIXEL_FORMAT_FORMATS@ only)</source>
        <translation>&lt;b&gt;Formato de pixel:&lt;/b&gt; (só @PIXEL_FORMAT_FORMATS@)</translation>
    </message>
    <message>
        <source>The colour depth of the BMP file: 1, 4 or 8 bits indexed (2, 16 or 256 colours, made with error diffusion), or one of the direct-colour formats. The text below the list describes the choice. &lt;b&gt;Colours:&lt;/b&gt; for 4 and 8 bits, the standard 16 or 256 colours, or the colours of the photo (the 16 or 256 that best match each photo).</source>
        <translation>A profundidade de cor do arquivo BMP: 1, 4 ou 8 bits indexados (2, 16 ou 256 cores, obtidas por difusão de erro) ou um dos formatos de cor direta. O texto abaixo da lista descreve a escolha. &lt;b&gt;Cores:&lt;/b&gt; para 4 e 8 bits, as 16 ou 256 cores padrão, ou as cores da foto (as 16 ou 256 que melhor combinam com cada foto).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Do not enlarge&lt;/b&gt;</source>
        <translation>&lt;b&gt;Não ampliar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>With @NO_ENLARGE_RULES@: a photo smaller than the chosen size keeps its own size (no side grows), so a 100*66 picture is not blown up to 1024*675.</source>
        <translation>Com @NO_ENLARGE_RULES@: uma foto menor que o tamanho escolhido mantém seu próprio tamanho (nenhum lado cresce), de modo que uma imagem de 100*66 não é ampliada para 1024*675.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quality Control:&lt;/b&gt; (@QUALITY_FORMATS@)</source>
        <translation>&lt;b&gt;Controle de qualidade:&lt;/b&gt; (@QUALITY_FORMATS@)</translation>
    </message>
    <message>
        <source>Quality from @QUALITY_MIN@ (smallest file) to @QUALITY_MAX@ (best picture), for every format that loses detail to save space. The quality you confirm last is remembered and shown every time the dialog opens.</source>
        <translation>Qualidade de @QUALITY_MIN@ (menor arquivo) a @QUALITY_MAX@ (melhor imagem), para todos os formatos que perdem detalhes para economizar espaço. A última qualidade confirmada é lembrada e exibida sempre que a caixa de diálogo é aberta.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lossless&lt;/b&gt; (@LOSSLESS_FORMATS@)</source>
        <translation>&lt;b&gt;Sem perdas&lt;/b&gt; (@LOSSLESS_FORMATS@)</translation>
    </message>
    <message>
        <source>Keeps every pixel exactly; the quality is then not used and the files are larger.</source>
        <translation>Mantém cada pixel exatamente; a qualidade então não é usada e os arquivos ficam maiores.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Limit file size to … KB&lt;/b&gt;</source>
        <translation>&lt;b&gt;Limitar o arquivo a … KB&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Every output file at most this many KB (1 KB = 1,000 bytes), camera data included, for upload forms and mail limits. @QUALITY_FORMATS@ files get the best quality that fits, found in a few trial encodes and never above the quality set; where even quality 30 does not fit, the picture is made smaller until it does. Lossless files (PNG, TIF, BMP, Lossless) can only be made smaller. A photo that already fits, in the same format and size with all its camera data, is copied unchanged. The command line adds &lt;code&gt;--min-quality&lt;/code&gt;, &lt;code&gt;--no-shrink-to-fit&lt;/code&gt;, &lt;code&gt;--chroma&lt;/code&gt; and &lt;code&gt;--progressive&lt;/code&gt;.</source>
        <translation>Cada arquivo de saída fica com no máximo essa quantidade de KB (1 KB = 1.000 bytes), dados da câmera incluídos, para formulários de upload e limites de e-mail. Os arquivos @QUALITY_FORMATS@ recebem a melhor qualidade que caiba, encontrada em algumas codificações de teste e nunca acima da qualidade definida; quando nem a qualidade 30 cabe, a imagem é reduzida até caber. Arquivos sem perdas (PNG, TIF, BMP, Sem perdas) só podem ser reduzidos. Uma foto que já cabe, no mesmo formato e tamanho e com todos os seus dados da câmera, é copiada sem alterações. A linha de comando acrescenta &lt;code&gt;--min-quality&lt;/code&gt;, &lt;code&gt;--no-shrink-to-fit&lt;/code&gt;, &lt;code&gt;--chroma&lt;/code&gt; e &lt;code&gt;--progressive&lt;/code&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Camera data (EXIF, XMP, IPTC):&lt;/b&gt;</source>
        <translation>&lt;b&gt;Dados da câmera (EXIF, XMP, IPTC):&lt;/b&gt;</translation>
    </message>
    <message>
        <source>What the outputs keep of the data the camera or phone stored with the photo (not for @FORMATS_WITHOUT_CAMERA_DATA@):</source>
        <translation>O que as saídas mantêm dos dados que a câmera ou o celular gravou com a foto (exceto em @FORMATS_WITHOUT_CAMERA_DATA@):</translation>
    </message>
    <message>
        <source>&lt;b&gt;Camera RAW photos:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Fotos RAW da câmera:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>How camera RAW files (recognised by their content) are developed, always with the camera&apos;s white balance and no automatic brightening, so that the photos of one shoot match:</source>
        <translation>Como os arquivos RAW da câmera (reconhecidos pelo conteúdo) são revelados, sempre com o balanço de branco da câmera e sem clareamento automático, para que as fotos de um mesmo ensaio combinem entre si:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Rotate by angle&lt;/b&gt;</source>
        <translation>&lt;b&gt;Girar por ângulo&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Turn the result by @ROTATION_CHOICES@ degrees clockwise.</source>
        <translation>Gira o resultado em @ROTATION_CHOICES@ graus no sentido horário.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Flip&lt;/b&gt;</source>
        <translation>&lt;b&gt;Espelhar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aspect:&lt;/b&gt; (Fill and Pad)</source>
        <translation>&lt;b&gt;Proporção:&lt;/b&gt; (Preencher e Ajustar com margens)</translation>
    </message>
    <message>
        <source>1:1, 4:5, 3:2, 16:9 or 9:16 fills in the height from the width you type (1080 wide at 4:5 gives 1350); &lt;i&gt;Custom&lt;/i&gt; keeps the height you type.</source>
        <translation>1:1, 4:5, 3:2, 16:9 ou 9:16 calcula a altura a partir da largura digitada (1080 de largura em 4:5 dá 1350); &lt;i&gt;Personalizado&lt;/i&gt; mantém a altura digitada.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Crop:&lt;/b&gt; (Fill and Pad)</source>
        <translation>&lt;b&gt;Recorte:&lt;/b&gt; (Preencher e Ajustar com margens)</translation>
    </message>
    <message>
        <source>Which part of the photo Fill keeps (an edge, a corner, the centre, or &lt;i&gt;Smart&lt;/i&gt;: the part with the most detail, skin tones and colour), or where Pad places the photo.</source>
        <translation>Que parte da foto Preencher mantém (uma borda, um canto, o centro ou &lt;i&gt;Inteligente&lt;/i&gt;: a parte com mais detalhes, tons de pele e cor), ou onde Ajustar com margens coloca a foto.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Background:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Fundo:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The colour of Pad&apos;s margins and of transparent areas of the photos (white unless you choose another).</source>
        <translation>A cor das margens de Ajustar com margens e das áreas transparentes das fotos (branco, a menos que você escolha outra).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sharpen when reduced:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Nitidez ao reduzir:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>A mild sharpening of the photo&apos;s lightness after it was made smaller, the more the more it was reduced (up to half its size); a photo that is not reduced is never sharpened.</source>
        <translation>Um leve aumento de nitidez na luminosidade da foto depois de reduzida, tanto maior quanto mais ela foi reduzida (até a metade do tamanho); uma foto que não é reduzida nunca recebe nitidez.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Resolution:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Resolução:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The DPI written into JPG, PNG, TIF and BMP files (WebP and AVIF with camera data); &lt;i&gt;As the source&lt;/i&gt; keeps the photo&apos;s own.</source>
        <translation>O DPI gravado nos arquivos JPG, PNG, TIF e BMP (WebP e AVIF com dados da câmera); &lt;i&gt;Igual ao original&lt;/i&gt; mantém o da própria foto.</translation>
    </message>
    <message>
        <source>Photos are turned upright (from the orientation the camera recorded) before any size rule is applied, so a portrait photo&apos;s width is its short side. Sizes are whole pixels: the fixed size and Stretch cut them, the other rules round to the nearest pixel.</source>
        <translation>As fotos são endireitadas (conforme a orientação registrada pela câmera) antes de qualquer regra de tamanho, de modo que a largura de uma foto em retrato é o seu lado menor. Os tamanhos são pixels inteiros: o tamanho fixo e Esticar descartam a fração; as outras regras arredondam para o pixel mais próximo.</translation>
    </message>
    <message>
        <source>The dialog shows only what matters for the chosen format and size rule. When you press OK, every number is checked, including those of hidden or unavailable fields: a message names what is wrong, the field gets the focus and the dialog stays open.</source>
        <translation>A caixa de diálogo mostra só o que importa para o formato e a regra de tamanho escolhidos. Ao clicar em OK, todos os números são verificados, inclusive os de campos ocultos ou indisponíveis: uma mensagem indica o que está errado, o campo recebe o foco e a caixa de diálogo continua aberta.</translation>
    </message>
    <message>
        <source>Output folder and file names</source>
        <translation>Pasta de saída e nomes de arquivo</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Folder:&lt;/b&gt; is where the results go; type a folder or choose one with &lt;b&gt;Browse&lt;/b&gt;. On the first start it is the folder &lt;code&gt;Quillmere&lt;/code&gt; inside your Pictures folder, which Quillmere creates for you. The folder you used last is remembered.</source>
        <translation>&lt;b&gt;Pasta de saída:&lt;/b&gt; é onde ficam os resultados; digite uma pasta ou escolha uma com &lt;b&gt;Procurar&lt;/b&gt;. Na primeira execução, é a pasta &lt;code&gt;Quillmere&lt;/code&gt; dentro da sua pasta Imagens, que o Quillmere cria para você. A última pasta usada é lembrada.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The run folder.&lt;/b&gt; Every conversion makes a new folder inside the output folder, named after the moment it started as &lt;code&gt;year.month.day.hour.minute.second&lt;/code&gt;, for example &lt;code&gt;2026.05.17.14.05.09&lt;/code&gt;. Earlier results are therefore never overwritten.</source>
        <translation>&lt;b&gt;A pasta da conversão.&lt;/b&gt; Cada conversão cria uma pasta nova dentro da pasta de saída, com o nome do momento em que começou no formato &lt;code&gt;year.month.day.hour.minute.second&lt;/code&gt; (ano, mês, dia, hora, minuto, segundo), por exemplo &lt;code&gt;2026.05.17.14.05.09&lt;/code&gt;. Assim, resultados anteriores nunca são sobrescritos.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The naming rule.&lt;/b&gt; With &lt;b&gt;Batch rename prefix:&lt;/b&gt; (default &lt;code&gt;output.photo&lt;/code&gt;) each file is named</source>
        <translation>&lt;b&gt;A regra de nomes.&lt;/b&gt; Com &lt;b&gt;Prefixo para renomear:&lt;/b&gt; (padrão: &lt;code&gt;output.photo&lt;/code&gt;), cada arquivo recebe o nome</translation>
    </message>
    <message>
        <source>where the number is the photo&apos;s place in the list, padded with zeros to the width of the photo count (&lt;code&gt;1&lt;/code&gt;–&lt;code&gt;9&lt;/code&gt; for up to 9 photos, &lt;code&gt;01&lt;/code&gt;–&lt;code&gt;12&lt;/code&gt; for 12, &lt;code&gt;001&lt;/code&gt; for 100 or more), and the date is the one chosen in the list beside the prefix:</source>
        <translation>em que o número é a posição da foto na lista, completado com zeros até o número de dígitos do total de fotos (&lt;code&gt;1&lt;/code&gt;–&lt;code&gt;9&lt;/code&gt; para até 9 fotos, &lt;code&gt;01&lt;/code&gt;–&lt;code&gt;12&lt;/code&gt; para 12, &lt;code&gt;001&lt;/code&gt; para 100 ou mais), e a data é a escolhida na lista ao lado do prefixo:</translation>
    </message>
    <message>
        <source>Example: prefix &lt;code&gt;trip&lt;/code&gt;, 12 photos, the third taken (or, with File date, modified) on 17 May 2009 gives &lt;code&gt;trip.03.2009.05.17.jpg&lt;/code&gt;. Photos copied from a camera card get the copy&apos;s day as their file date; choose Date taken to name them after the day they were taken.</source>
        <translation>Exemplo: prefixo &lt;code&gt;trip&lt;/code&gt;, 12 fotos, a terceira tirada (ou, com Data do arquivo, modificada) em 17 de maio de 2009 resulta em &lt;code&gt;trip.03.2009.05.17.jpg&lt;/code&gt;. Fotos copiadas de um cartão da câmera recebem como data do arquivo o dia da cópia; escolha Data de captura para nomeá-las pelo dia em que foram tiradas.</translation>
    </message>
    <message>
        <source>Check &lt;b&gt;Not rename&lt;/b&gt; to keep each photo&apos;s own name instead (only the extension changes, for example &lt;code&gt;IMG_0001.jpg&lt;/code&gt;); the prefix field is then unavailable. If a file of that name already exists, Quillmere asks before replacing it.</source>
        <translation>Marque &lt;b&gt;Não renomear&lt;/b&gt; para manter o nome de cada foto (só a extensão muda, por exemplo &lt;code&gt;IMG_0001.jpg&lt;/code&gt;); o campo do prefixo fica então indisponível. Se já existir um arquivo com esse nome, o Quillmere pergunta antes de substituí-lo.</translation>
    </message>
    <message>
        <source>Check &lt;b&gt;Keep sub-folders&lt;/b&gt; to keep the folder tree of a search: a photo that &lt;b&gt;Search photos&lt;/b&gt; (or a dropped folder) found in &lt;code&gt;Holiday/Day2/&lt;/code&gt; is written to &lt;code&gt;Day2/&lt;/code&gt; inside the run folder (for example &lt;code&gt;Day2/IMG_0001.jpg&lt;/code&gt;, or &lt;code&gt;Day2/trip.07.2009.05.17.jpg&lt;/code&gt; with renaming: the numbers still count through the whole list). Photos added one by one go to the run folder itself.</source>
        <translation>Marque &lt;b&gt;Manter subpastas&lt;/b&gt; para manter a árvore de pastas de uma busca: uma foto que &lt;b&gt;Buscar fotos&lt;/b&gt; (ou uma pasta arrastada) encontrou em &lt;code&gt;Holiday/Day2/&lt;/code&gt; é gravada em &lt;code&gt;Day2/&lt;/code&gt; dentro da pasta da conversão (por exemplo &lt;code&gt;Day2/IMG_0001.jpg&lt;/code&gt;, ou &lt;code&gt;Day2/trip.07.2009.05.17.jpg&lt;/code&gt; ao renomear: os números continuam contando pela lista inteira). As fotos adicionadas uma a uma vão para a própria pasta da conversão.</translation>
    </message>
    <message>
        <source>Text on the photos</source>
        <translation>Texto nas fotos</translation>
    </message>
    <message>
        <source>Type a line into &lt;b&gt;Add text to photo:&lt;/b&gt; to write it on every converted photo, for example a copyright note. &lt;b&gt;Position x, y:&lt;/b&gt; is the place of the text&apos;s top-left corner, in pixels of the converted photo before it is rotated or flipped. A position outside the photo is reported and set to 0. &lt;b&gt;Font&lt;/b&gt; opens a dialog in which you choose the font, its style, its size in pixels of the output photo, underline, strikeout and the colour; the chosen font&apos;s name is shown beside the position fields. Font and colour are remembered; the text itself is not.</source>
        <translation>Digite uma linha em &lt;b&gt;Adicionar texto à foto:&lt;/b&gt; para escrevê-la em cada foto convertida, por exemplo um aviso de direitos autorais. &lt;b&gt;Posição x, y:&lt;/b&gt; é o lugar do canto superior esquerdo do texto, em pixels da foto convertida antes de ser girada ou espelhada. Uma posição fora da foto é avisada e passa a 0. &lt;b&gt;Fonte&lt;/b&gt; abre uma caixa de diálogo na qual você escolhe a fonte, o estilo, o tamanho em pixels da foto de saída, sublinhado, tachado e a cor; o nome da fonte escolhida aparece ao lado dos campos de posição. A fonte e a cor são lembradas; o texto em si, não.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anchor:&lt;/b&gt; measures x and y from another corner, an edge or the middle of the photo instead: with &lt;i&gt;Bottom right&lt;/i&gt;, 20, 20 puts the text 20 pixels from the right and bottom edges of every photo, whatever its size. With any anchor but &lt;i&gt;Top left&lt;/i&gt; the text is kept inside the photo. &lt;b&gt;Size:&lt;/b&gt; gives the text&apos;s height as a percentage of each photo&apos;s shorter side, so that a caption has the same weight on a small and a large output; at &lt;i&gt;Font size&lt;/i&gt; the size chosen with &lt;b&gt;Font&lt;/b&gt; counts. &lt;b&gt;Opacity:&lt;/b&gt; lets the photo show through the text, and &lt;i&gt;Outline&lt;/i&gt; or &lt;i&gt;Shadow&lt;/i&gt; draws a dark (or, for dark text, light) edge that keeps it legible on any background. The preview shows the text on the photo you clicked, scaled with it.</source>
        <translation>&lt;b&gt;Âncora:&lt;/b&gt; mede x e y a partir de outro canto, de uma borda ou do meio da foto: com &lt;i&gt;Embaixo à direita&lt;/i&gt;, 20, 20 coloca o texto a 20 pixels das bordas direita e inferior de cada foto, qualquer que seja o tamanho dela. Com qualquer âncora exceto &lt;i&gt;Em cima à esquerda&lt;/i&gt;, o texto é mantido dentro da foto. &lt;b&gt;Tamanho:&lt;/b&gt; dá a altura do texto como porcentagem do lado menor de cada foto, para que uma legenda tenha o mesmo peso numa saída pequena e numa grande; em &lt;i&gt;Tamanho da fonte&lt;/i&gt;, vale o tamanho escolhido em &lt;b&gt;Fonte&lt;/b&gt;. &lt;b&gt;Opacidade:&lt;/b&gt; deixa a foto aparecer através do texto, e &lt;i&gt;Contorno&lt;/i&gt; ou &lt;i&gt;Sombra&lt;/i&gt; desenha uma borda escura (ou clara, para texto escuro) que o mantém legível sobre qualquer fundo. A pré-visualização mostra o texto na foto em que você clicou, na mesma escala que ela.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Watermark:&lt;/b&gt; draws a picture, such as your logo, on every photo: choose a PNG, WebP or SVG file (its transparency is kept) with &lt;b&gt;Logo…&lt;/b&gt; or type its path; clear the field for none. It sits at the chosen corner, edge or middle, &lt;b&gt;Size:&lt;/b&gt; sets its longer side as a percentage of each photo&apos;s shorter side, &lt;b&gt;Opacity:&lt;/b&gt; how much of the photo shows through, and &lt;b&gt;Margin:&lt;/b&gt; its distance from the edges, also as a percentage of the shorter side. The file is read when you choose it, and every photo of a conversion gets that picture.</source>
        <translation>&lt;b&gt;Marca-d&apos;água:&lt;/b&gt; desenha uma imagem, como o seu logotipo, em cada foto: escolha um arquivo PNG, WebP ou SVG (a transparência é mantida) com &lt;b&gt;Logotipo…&lt;/b&gt; ou digite o caminho; esvazie o campo para não usar nenhuma. Ela fica no canto, na borda ou no meio escolhido; &lt;b&gt;Tamanho:&lt;/b&gt; define seu lado maior como porcentagem do lado menor de cada foto; &lt;b&gt;Opacidade:&lt;/b&gt;, quanto da foto aparece através dela; e &lt;b&gt;Margem:&lt;/b&gt;, sua distância das bordas, também como porcentagem do lado menor. O arquivo é lido quando você o escolhe, e todas as fotos de uma conversão recebem essa imagem.</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Predefinições</translation>
    </message>
    <message>
        <source>A preset keeps the output settings for new photos, the naming (prefix, &lt;b&gt;Not rename&lt;/b&gt;, &lt;b&gt;Keep sub-folders&lt;/b&gt;), the text and the watermark with all their settings under a name. &lt;b&gt;Save as…&lt;/b&gt; stores the window&apos;s current settings, &lt;b&gt;Apply&lt;/b&gt; brings the chosen preset back and, as &lt;b&gt;Options&lt;/b&gt; does, asks whether the listed photos get its output settings too, and &lt;b&gt;Remove&lt;/b&gt; removes it. The command line uses the same presets (&lt;code&gt;--preset&lt;/code&gt;, &lt;code&gt;--save-preset&lt;/code&gt;, &lt;code&gt;--list-presets&lt;/code&gt;).</source>
        <translation>Uma predefinição guarda sob um nome as configurações de saída para fotos novas, os nomes de arquivo (prefixo, &lt;b&gt;Não renomear&lt;/b&gt;, &lt;b&gt;Manter subpastas&lt;/b&gt;), o texto e a marca-d&apos;água, com todas as suas configurações. &lt;b&gt;Salvar como…&lt;/b&gt; guarda as configurações atuais da janela; &lt;b&gt;Aplicar&lt;/b&gt; traz de volta a predefinição escolhida e, como faz &lt;b&gt;Opções&lt;/b&gt;, pergunta se as fotos da lista também recebem as configurações de saída dela; e &lt;b&gt;Remover&lt;/b&gt; a exclui. A linha de comando usa as mesmas predefinições (&lt;code&gt;--preset&lt;/code&gt;, &lt;code&gt;--save-preset&lt;/code&gt;, &lt;code&gt;--list-presets&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversão</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; starts the run; while it runs the button reads &lt;b&gt;Stop&lt;/b&gt;, and pressing it stops the run after the photos in hand. The progress bar shows how many photos are done and about how long the rest will take. A photo that cannot be converted does not hold the run: its row says &lt;b&gt;Failed&lt;/b&gt; (the reason is in its tooltip), a line goes to the activity log &lt;code&gt;Corvale.log&lt;/code&gt; in the output folder, and the other photos are converted all the same. Before the first file is written a replace question is asked only for files that were there before the run, once for all of them if you answer &lt;b&gt;Yes to all&lt;/b&gt; or &lt;b&gt;No to all&lt;/b&gt;; two photos that would get the same name get two files (&lt;code&gt;IMG_0001.jpg&lt;/code&gt;, &lt;code&gt;IMG_0001-2.jpg&lt;/code&gt;). A photo is written under its final name only when it is complete, so a failed or stopped conversion never leaves a half-written file. When the run ends, one box lists every photo that failed with its reason in plain words (&lt;b&gt;Copy&lt;/b&gt; puts the list on the clipboard, &lt;b&gt;Show log&lt;/b&gt; opens the log), says how many photos a stop left unconverted, and offers to open the output folder or to &lt;b&gt;Convert the rest&lt;/b&gt; into the same folder with the numbering continued. &lt;b&gt;View log&lt;/b&gt; opens &lt;code&gt;Corvale.log&lt;/code&gt; in your text editor. If the output folder you typed does not exist yet, it is made with any folders missing above it; when it cannot be made, the message says why. Escape never closes the window; closing it with photos in the list, or during a run, asks first. The settings of the window come back at the next start.</source>
        <translation>&lt;b&gt;Converter&lt;/b&gt; inicia a conversão; enquanto ela dura, o botão mostra &lt;b&gt;Parar&lt;/b&gt;, e clicar nele interrompe a conversão depois das fotos em processamento. A barra de progresso mostra quantas fotos estão prontas e quanto tempo falta, aproximadamente. Uma foto que não pode ser convertida não trava a conversão: sua linha mostra &lt;b&gt;Falhou&lt;/b&gt; (o motivo está na dica de ferramenta), uma linha vai para o registro de atividades &lt;code&gt;Corvale.log&lt;/code&gt; na pasta de saída, e as demais fotos são convertidas normalmente. Antes de gravar o primeiro arquivo, só se pergunta sobre substituir os arquivos que já existiam antes da conversão, uma única vez para todos se você responder &lt;b&gt;Sim para tudo&lt;/b&gt; ou &lt;b&gt;Não para tudo&lt;/b&gt;; duas fotos que receberiam o mesmo nome geram dois arquivos (&lt;code&gt;IMG_0001.jpg&lt;/code&gt;, &lt;code&gt;IMG_0001-2.jpg&lt;/code&gt;). Uma foto só é gravada com o nome final quando está completa, por isso uma conversão que falhou ou foi interrompida nunca deixa um arquivo gravado pela metade. Ao fim da conversão, uma caixa lista cada foto que falhou com o motivo em palavras simples (&lt;b&gt;Copiar&lt;/b&gt; coloca a lista na área de transferência, &lt;b&gt;Mostrar registro&lt;/b&gt; abre o registro), informa quantas fotos ficaram sem converter por causa da interrupção e oferece abrir a pasta de saída ou &lt;b&gt;Converter o restante&lt;/b&gt; na mesma pasta, continuando a numeração. &lt;b&gt;Ver registro&lt;/b&gt; abre &lt;code&gt;Corvale.log&lt;/code&gt; no seu editor de texto. Se a pasta de saída digitada ainda não existir, ela é criada junto com as pastas que faltarem acima dela; se não puder ser criada, a mensagem diz por quê. Esc nunca fecha a janela; fechá-la com fotos na lista, ou durante uma conversão, pede confirmação antes. As configurações da janela voltam na próxima inicialização.</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>Quillmere reads the common picture formats (JPEG, PNG, TIFF, GIF, BMP, WebP and more). It writes:</source>
        <translation>O Quillmere lê os formatos de imagem comuns (JPEG, PNG, TIFF, GIF, BMP, WebP e outros). Ele grava:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Observações</translation>
    </message>
    <message>
        <source>Every output is 8-bit RGB on a white background; colour profiles are converted to sRGB and the source&apos;s resolution (DPI) is kept where the format has one. A photo larger than its format can store is refused with a message before it is read. The camera data kept is set under &lt;a href=&quot;#options&quot;&gt;Camera data&lt;/a&gt;.</source>
        <translation>Toda saída é RGB de 8 bits sobre fundo branco; os perfis de cor são convertidos para sRGB e a resolução (DPI) do original é mantida quando o formato tem uma. Uma foto maior do que o seu formato consegue armazenar é recusada com uma mensagem antes de ser lida. Os dados da câmera mantidos são definidos em &lt;a href=&quot;#options&quot;&gt;Dados da câmera&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>All controls of the main window</source>
        <translation>Todos os controles da janela principal</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Photos&lt;/b&gt;</source>
        <translation>&lt;b&gt;Adicionar fotos&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Add photos with a file dialog.</source>
        <translation>Adiciona fotos com uma caixa de diálogo de arquivos.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search photos&lt;/b&gt;</source>
        <translation>&lt;b&gt;Buscar fotos&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Add every photo of a folder and its sub-folders.</source>
        <translation>Adiciona todas as fotos de uma pasta e de suas subpastas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt;</source>
        <translation>&lt;b&gt;Opções&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default output settings for new photos (and, if you agree, for all listed photos).</source>
        <translation>Configurações de saída padrão para fotos novas (e, se você concordar, para todas as fotos da lista).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; / &lt;b&gt;Stop&lt;/b&gt;</source>
        <translation>&lt;b&gt;Converter&lt;/b&gt; / &lt;b&gt;Parar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start or stop the conversion.</source>
        <translation>Inicia ou interrompe a conversão.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt; (&lt;kbd&gt;F1&lt;/kbd&gt;)</source>
        <translation>&lt;b&gt;Ajuda&lt;/b&gt; (&lt;kbd&gt;F1&lt;/kbd&gt;)</translation>
    </message>
    <message>
        <source>Opens this guide in your web browser.</source>
        <translation>Abre este guia no seu navegador.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Total Photos:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Total de fotos:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The number of photos in the list.</source>
        <translation>O número de fotos na lista.</translation>
    </message>
    <message>
        <source>Photo list, &lt;b&gt;Edit&lt;/b&gt;, &lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;, &lt;b&gt;Delete&lt;/b&gt;, &lt;b&gt;Clear&lt;/b&gt;</source>
        <translation>Lista de fotos, &lt;b&gt;Editar&lt;/b&gt;, &lt;b&gt;Subir&lt;/b&gt;, &lt;b&gt;Descer&lt;/b&gt;, &lt;b&gt;Excluir&lt;/b&gt;, &lt;b&gt;Limpar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#list&quot;&gt;The photo list&lt;/a&gt;.</source>
        <translation>Veja &lt;a href=&quot;#list&quot;&gt;A lista de fotos&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Folder:&lt;/b&gt;, &lt;b&gt;Browse&lt;/b&gt;</source>
        <translation>&lt;b&gt;Pasta de saída:&lt;/b&gt;, &lt;b&gt;Procurar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Where the run folders are made.</source>
        <translation>Onde as pastas das conversões são criadas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add text to photo:&lt;/b&gt;, &lt;b&gt;Position x, y:&lt;/b&gt;, &lt;b&gt;Font&lt;/b&gt;</source>
        <translation>&lt;b&gt;Adicionar texto à foto:&lt;/b&gt;, &lt;b&gt;Posição x, y:&lt;/b&gt;, &lt;b&gt;Fonte&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#text&quot;&gt;Text on the photos&lt;/a&gt;.</source>
        <translation>Veja &lt;a href=&quot;#text&quot;&gt;Texto nas fotos&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anchor:&lt;/b&gt;, &lt;b&gt;Size:&lt;/b&gt;, &lt;b&gt;Opacity:&lt;/b&gt;, outline or shadow</source>
        <translation>&lt;b&gt;Âncora:&lt;/b&gt;, &lt;b&gt;Tamanho:&lt;/b&gt;, &lt;b&gt;Opacidade:&lt;/b&gt;, contorno ou sombra</translation>
    </message>
    <message>
        <source>&lt;b&gt;Batch rename prefix:&lt;/b&gt; &lt;i&gt;+Number+Time&lt;/i&gt;, &lt;b&gt;File date&lt;/b&gt; / &lt;b&gt;Date taken&lt;/b&gt;, &lt;b&gt;Not rename&lt;/b&gt;, &lt;b&gt;Keep sub-folders&lt;/b&gt;</source>
        <translation>&lt;b&gt;Prefixo para renomear:&lt;/b&gt; &lt;i&gt;+Número+Data&lt;/i&gt;, &lt;b&gt;Data do arquivo&lt;/b&gt; / &lt;b&gt;Data de captura&lt;/b&gt;, &lt;b&gt;Não renomear&lt;/b&gt;, &lt;b&gt;Manter subpastas&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#output&quot;&gt;the naming rule&lt;/a&gt;.</source>
        <translation>Veja &lt;a href=&quot;#output&quot;&gt;a regra de nomes&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Preset:&lt;/b&gt;, &lt;b&gt;Apply&lt;/b&gt;, &lt;b&gt;Save as…&lt;/b&gt;, &lt;b&gt;Remove&lt;/b&gt;</source>
        <translation>&lt;b&gt;Predefinição:&lt;/b&gt;, &lt;b&gt;Aplicar&lt;/b&gt;, &lt;b&gt;Salvar como…&lt;/b&gt;, &lt;b&gt;Remover&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#presets&quot;&gt;Presets&lt;/a&gt;.</source>
        <translation>Veja &lt;a href=&quot;#presets&quot;&gt;Predefinições&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Preview frame</source>
        <translation>Quadro de pré-visualização</translation>
    </message>
    <message>
        <source>Shows the photo you clicked in the list.</source>
        <translation>Mostra a foto em que você clicou na lista.</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>Barra de progresso</translation>
    </message>
    <message>
        <source>Progress of the current run.</source>
        <translation>Progresso da conversão atual.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Update&lt;/b&gt;</source>
        <translation>&lt;b&gt;Atualizar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Opens the Quillmere web site, where new versions are published.</source>
        <translation>Abre o site do Quillmere, onde as versões novas são publicadas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;About&lt;/b&gt;</source>
        <translation>&lt;b&gt;Sobre&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Version and contact addresses.</source>
        <translation>Versão e endereços de contato.</translation>
    </message>
    <message>
        <source>&lt;b&gt;View log&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ver registro&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Opens the activity log &lt;code&gt;Corvale.log&lt;/code&gt;.</source>
        <translation>Abre o registro de atividades &lt;code&gt;Corvale.log&lt;/code&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Exit&lt;/b&gt;</source>
        <translation>&lt;b&gt;Sair&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Saves the output folder, the font and colour, the prefix and the date choice, and closes the program.</source>
        <translation>Salva a pasta de saída, a fonte e a cor, o prefixo e a data escolhida, e fecha o programa.</translation>
    </message>
    <message>
        <source>The command line: quillmere-convert</source>
        <translation>A linha de comando: quillmere-convert</translation>
    </message>
    <message>
        <source>&lt;code&gt;quillmere-convert&lt;/code&gt; converts photos with the same engine, without a window — for scripts, servers and large jobs.</source>
        <translation>&lt;code&gt;quillmere-convert&lt;/code&gt; converte fotos com o mesmo mecanismo, sem janela — para scripts, servidores e trabalhos grandes.</translation>
    </message>
    <message>
        <source>Each &lt;code&gt;PATH&lt;/code&gt; is a photo or a folder; folders are searched with their sub-folders like &lt;b&gt;Search photos&lt;/b&gt; does. Every option defaults to what the window starts with. An option&apos;s value follows as the next argument or after &lt;code&gt;=&lt;/code&gt; (&lt;code&gt;--text-pos=-5,3&lt;/code&gt;).</source>
        <translation>Cada &lt;code&gt;PATH&lt;/code&gt; é uma foto ou uma pasta; as pastas são percorridas com suas subpastas, como faz &lt;b&gt;Buscar fotos&lt;/b&gt;. Cada opção tem como padrão o valor com que a janela inicia. O valor de uma opção vem como argumento seguinte ou depois de &lt;code&gt;=&lt;/code&gt; (&lt;code&gt;--text-pos=-5,3&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>Messages are printed as &lt;code&gt;Caption: text&lt;/code&gt; on standard error, with a progress bar when that is a terminal. The last line on standard output is the run folder. The exit status is 0 when every photo was converted, 1 when some were not, and 2 for wrong options. Files that are not pictures are skipped with a notice.</source>
        <translation>As mensagens são exibidas como &lt;code&gt;Caption: text&lt;/code&gt; na saída de erro padrão, com uma barra de progresso quando ela é um terminal. A última linha na saída padrão é a pasta da conversão. O código de saída é 0 quando todas as fotos foram convertidas, 1 quando algumas não foram e 2 para opções erradas. Arquivos que não são imagens são ignorados com um aviso.</translation>
    </message>
    <message>
        <source>&lt;code&gt;--into&lt;/code&gt;, &lt;code&gt;--number-start&lt;/code&gt; and &lt;code&gt;--number-width&lt;/code&gt; let several runs, on one machine or many, each convert a part of one list and name their files exactly as one run over the whole list would; the README shows how with GNU parallel.</source>
        <translation>&lt;code&gt;--into&lt;/code&gt;, &lt;code&gt;--number-start&lt;/code&gt; e &lt;code&gt;--number-width&lt;/code&gt; permitem que várias execuções, numa máquina ou em várias, convertam cada uma a sua parte de uma mesma lista e nomeiem seus arquivos exatamente como faria uma única execução sobre a lista inteira; o README mostra como fazer isso com o GNU parallel.</translation>
    </message>
    <message>
        <source>What Quillmere remembers</source>
        <translation>O que o Quillmere lembra</translation>
    </message>
    <message>
        <source>Quillmere keeps its settings in &lt;code&gt;~/.config/Harbenwick/quillmere.conf&lt;/code&gt;: the output folder, the rename prefix and the date in the names, the font and colour of the text, the last folders used for adding photos, and in the options dialog the last confirmed format, pixel format and quality. The photo list, the overlay text and its position, and the other output settings (size, Lossless, Do not enlarge, camera data) start fresh at every start. Presets are kept in the same file, in its group &lt;code&gt;[Presets]&lt;/code&gt;, which the command line reads and writes too; a preset keeps every output setting, the date in the names among them.</source>
        <translation>O Quillmere guarda suas configurações em &lt;code&gt;~/.config/Harbenwick/quillmere.conf&lt;/code&gt;: a pasta de saída, o prefixo para renomear e a data nos nomes, a fonte e a cor do texto, as últimas pastas usadas para adicionar fotos e, na caixa de diálogo de opções, o último formato, formato de pixel e qualidade confirmados. A lista de fotos, o texto sobreposto e sua posição, e as demais configurações de saída (tamanho, Sem perdas, Não ampliar, dados da câmera) recomeçam do zero a cada inicialização. As predefinições ficam no mesmo arquivo, no grupo &lt;code&gt;[Presets]&lt;/code&gt;, que a linha de comando também lê e grava; uma predefinição guarda todas as configurações de saída, inclusive a data nos nomes.</translation>
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
    <message>
        <source>%1 lossless</source>
        <translation>%1 sem perdas</translation>
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
    <message>
        <source>Uncompressed; 24-bit colour, or 1, 4 or 8 bits per pixel with a palette (see Pixel format). Carries no camera data.</source>
        <translation>Sem compressão; cor de 24 bits, ou 1, 4 ou 8 bits por pixel com paleta (veja Formato de pixel). Não leva dados da câmera.</translation>
    </message>
    <message>
        <source>EXIF, XMP and a JPEG&apos;s IPTC</source>
        <translation>EXIF, XMP e o IPTC de um JPEG</translation>
    </message>
    <message>
        <source>Photos; smallest files. Quality @QUALITY_RANGE@ (built-in @QUALITY_BUILT_IN@).</source>
        <translation>Fotos; arquivos menores. Qualidade @QUALITY_RANGE@ (padrão @QUALITY_BUILT_IN@).</translation>
    </message>
    <message>
        <source>EXIF and XMP</source>
        <translation>EXIF e XMP</translation>
    </message>
    <message>
        <source>Lossless; transparent areas become white.</source>
        <translation>Sem perdas; áreas transparentes ficam brancas.</translation>
    </message>
    <message>
        <source>EXIF, XMP and a TIFF&apos;s IPTC</source>
        <translation>EXIF, XMP e o IPTC de um TIFF</translation>
    </message>
    <message>
        <source>Lossless (LZW compression), for print and archiving.</source>
        <translation>Sem perdas (compressão LZW), para impressão e arquivamento.</translation>
    </message>
    <message>
        <source>For the web: smaller than JPG at the same quality. Quality @QUALITY_RANGE@, or Lossless.</source>
        <translation>Para a web: menor que JPG com a mesma qualidade. Qualidade @QUALITY_RANGE@, ou Sem perdas.</translation>
    </message>
    <message>
        <source>AV1 in a HEIF file: the smallest photo files, slower to write. Quality @QUALITY_RANGE@.</source>
        <translation>AV1 em um arquivo HEIF: os menores arquivos de foto, mais lentos para gravar. Qualidade @QUALITY_RANGE@.</translation>
    </message>
    <message>
        <source>JPEG&apos;s successor: small files of high fidelity. Quality @QUALITY_RANGE@, or Lossless.</source>
        <translation>O sucessor do JPEG: arquivos pequenos de alta fidelidade. Qualidade @QUALITY_RANGE@, ou Sem perdas.</translation>
    </message>
    <message>
        <source>@KEPT_SOURCE_FORMATS@ photos keep their format (with that format&apos;s settings and extension); any other photo (GIF, HEIC, ...) becomes @SOURCE_FALLBACK_FORMAT@.</source>
        <translation>Fotos @KEPT_SOURCE_FORMATS@ mantêm seu formato (com as configurações e a extensão desse formato); qualquer outra foto (GIF, HEIC, ...) vira @SOURCE_FALLBACK_FORMAT@.</translation>
    </message>
    <message>
        <source>Keep each photo&apos;s own width and height.</source>
        <translation>Cada foto mantém sua própria largura e altura.</translation>
    </message>
    <message>
        <source>the fixed size</source>
        <translation>o tamanho fixo</translation>
    </message>
    <message>
        <source>The choice beside Output Width: and Output Height:</source>
        <translation>A opção ao lado de Largura de saída: e Altura de saída:</translation>
    </message>
    <message>
        <source>A fixed size in pixels. With Keep aspect ratio with width only the width counts and the height follows the photo&apos;s proportions; with Keep aspect ratio with Height only the height counts. Without either box, the photo is scaled to exactly the given width and height.</source>
        <translation>Um tamanho fixo em pixels. Com Manter proporção pela largura só a largura conta e a altura segue as proporções da foto; com Manter proporção pela altura só a altura conta. Sem nenhuma das duas caixas, a foto é redimensionada exatamente para a largura e a altura indicadas.</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Esticar</translation>
    </message>
    <message>
        <source>Stretch: Horizontal: / Vertical:</source>
        <translation>Esticar: Horizontal: / Vertical:</translation>
    </message>
    <message>
        <source>Multiply the photo&apos;s width and height by these factors (from 0.000001 to 1000000; 0.5 halves, 2 doubles). Sizes are cut to whole pixels.</source>
        <translation>Multiplica a largura e a altura da foto por esses fatores (de 0.000001 a 1000000; 0.5 reduz à metade, 2 dobra). Os tamanhos são truncados em pixels inteiros.</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Encaixar</translation>
    </message>
    <message>
        <source>The largest size with the photo&apos;s proportions that fits in the width and height: never cropped, never distorted. The side that does not fill the box is rounded to whole pixels, but never below 1.</source>
        <translation>O maior tamanho com as proporções da foto que cabe na largura e na altura: nunca recortada, nunca distorcida. O lado que não preenche a caixa é arredondado para pixels inteiros, mas nunca abaixo de 1.</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Lado maior</translation>
    </message>
    <message>
        <source>The photo&apos;s longer side becomes this many pixels, the other follows its proportions (rounded to whole pixels, never below 1). A landscape and a portrait photo of the same camera come out alike.</source>
        <translation>O lado maior da foto passa a ter esse número de pixels, o outro segue suas proporções (arredondado para pixels inteiros, nunca abaixo de 1). Uma foto na horizontal e outra na vertical da mesma câmera saem iguais.</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Preencher</translation>
    </message>
    <message>
        <source>Exactly the width and height: the photo is scaled until it covers them, and what reaches beyond is cropped. Crop: which part is kept (an edge, a corner, the centre, or Smart: the most interesting part).</source>
        <translation>Exatamente a largura e a altura: a foto é redimensionada até cobri-las, e o que passa disso é recortado. Recorte: qual parte fica (uma borda, um canto, o centro, ou Inteligente: a parte mais interessante).</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Ajustar com margens</translation>
    </message>
    <message>
        <source>Exactly the width and height: the whole photo is fitted inside, never cropped, and the margins take the background colour. Crop: where the photo sits.</source>
        <translation>Exatamente a largura e a altura: a foto inteira é encaixada dentro, nunca recortada, e as margens recebem a cor de fundo. Recorte: onde a foto fica.</translation>
    </message>
    <message>
        <source>mirror left to right</source>
        <translation>esquerda e direita invertidas</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>de cabeça para baixo</translation>
    </message>
    <message>
        <source>No camera data: the outputs carry only the resolution (DPI).</source>
        <translation>Sem dados da câmera: as saídas levam apenas a resolução (DPI).</translation>
    </message>
    <message>
        <source>As All, without the GPS position and without the location fields of XMP; the IPTC block, which may name places, is left out too.</source>
        <translation>Como Todos, sem a posição GPS e sem os campos de localização do XMP; o bloco IPTC, que pode citar lugares, também fica de fora.</translation>
    </message>
    <message>
        <source>EXIF (camera, lens, exposure, date taken, GPS), XMP and IPTC as the photo has them, with the orientation set to upright and the pixel size of the output, and the sRGB colour profile embedded. @CAMERA_DATA_BY_FORMAT@</source>
        <translation>EXIF (câmera, lente, exposição, data de captura, GPS), XMP e IPTC como a foto os tem, com a orientação endireitada e o tamanho em pixels da saída, e o perfil de cor sRGB incorporado. @CAMERA_DATA_BY_FORMAT@</translation>
    </message>
    <message>
        <source>The source file&apos;s modification date.</source>
        <translation>A data de modificação do arquivo de origem.</translation>
    </message>
    <message>
        <source>The date the photo was taken (EXIF DateTimeOriginal, else DateTimeDigitized); the file&apos;s date for a photo that has neither.</source>
        <translation>A data em que a foto foi tirada (EXIF DateTimeOriginal; senão, DateTimeDigitized); a data do arquivo para uma foto que não tem nenhuma das duas.</translation>
    </message>
    <message>
        <source>At most %1 pixels a side.</source>
        <translation>No máximo %1 pixels por lado.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
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
    <message>
        <source>cannot reach %1 at quality %2 (smallest %3)</source>
        <translation>não é possível chegar a %1 com qualidade %2 (menor arquivo: %3)</translation>
    </message>
    <message>
        <source>cannot reach %1 losslessly (smallest %2)</source>
        <translation>não é possível chegar a %1 sem perdas (menor arquivo: %2)</translation>
    </message>
    <message>
        <source>cannot reach %1 at quality %2 even at %3 (smallest %4)</source>
        <translation>não é possível chegar a %1 com qualidade %2 nem mesmo em %3 (menor arquivo: %4)</translation>
    </message>
    <message>
        <source>cannot reach %1 losslessly even at %2 (smallest %3)</source>
        <translation>não é possível chegar a %1 sem perdas nem mesmo em %2 (menor arquivo: %3)</translation>
    </message>
    <message>
        <source>output size %1</source>
        <translation>tamanho de saída %1</translation>
    </message>
    <message>
        <source>an output of %1 pixels is larger than %2 stores (%3 pixels a side)</source>
        <translation>uma saída de %1 pixels é maior do que %2 comporta (%3 pixels por lado)</translation>
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
