<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Código fuente: %1</translation>
    </message>
</context>
<context>
    <name>CDialogPhotoOptions</name>
    <message>
        <source>Photo Output Options</source>
        <translation>Opciones de salida de las fotos</translation>
    </message>
    <message>
        <source>O&amp;utput Format:</source>
        <translation>&amp;Formato de salida:</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Tamaño de salida</translation>
    </message>
    <message>
        <source>O&amp;riginal size</source>
        <translation>Tamaño &amp;original</translation>
    </message>
    <message>
        <source>Fixed size</source>
        <translation>Tamaño fijo</translation>
    </message>
    <message>
        <source>Fixed width and height</source>
        <translation>Ancho y alto fijos</translation>
    </message>
    <message>
        <source>Output &amp;Width:</source>
        <translation>&amp;Ancho de salida:</translation>
    </message>
    <message>
        <source>&amp;Keep aspect ratio with width</source>
        <translation>&amp;Mantener proporción según el ancho</translation>
    </message>
    <message>
        <source>Ou&amp;tput Height:</source>
        <translation>A&amp;lto de salida:</translation>
    </message>
    <message>
        <source>Keep aspect ratio with &amp;Height</source>
        <translation>Mantener proporción según el al&amp;to</translation>
    </message>
    <message>
        <source>Str&amp;etch:</source>
        <translation>Esti&amp;rar:</translation>
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
        <translation>&amp;Encajar en ancho x alto de salida</translation>
    </message>
    <message>
        <source>Lon&amp;g edge:</source>
        <translation>Lado lar&amp;go:</translation>
    </message>
    <message>
        <source>Long edge in pixels</source>
        <translation>Lado largo en píxeles</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>píxeles</translation>
    </message>
    <message>
        <source>Do &amp;not enlarge</source>
        <translation>&amp;No ampliar</translation>
    </message>
    <message>
        <source>A photo smaller than the chosen size keeps its own size</source>
        <translation>Una foto más pequeña que el tamaño elegido conserva su tamaño</translation>
    </message>
    <message>
        <source>Format settings</source>
        <translation>Ajustes del formato</translation>
    </message>
    <message>
        <source>Pi&amp;xel format:</source>
        <translation>Formato de pí&amp;xel:</translation>
    </message>
    <message>
        <source>&amp;Quality Control:</source>
        <translation>Control de &amp;calidad:</translation>
    </message>
    <message>
        <source>(Min 1, Max 100)</source>
        <translation>(mín. 1, máx. 100)</translation>
    </message>
    <message>
        <source>&amp;Lossless</source>
        <translation>Sin &amp;pérdida</translation>
    </message>
    <message>
        <source>Camera &amp;data (EXIF, XMP, IPTC):</source>
        <translation>&amp;Datos de cámara (EXIF, XMP, IPTC):</translation>
    </message>
    <message>
        <source>Ca&amp;mera RAW photos:</source>
        <translation>Fotos RA&amp;W de cámara:</translation>
    </message>
    <message>
        <source>Rotate b&amp;y angle</source>
        <translation>G&amp;irar según ángulo</translation>
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
        <translation>Voltear</translation>
    </message>
    <message>
        <source>No flip</source>
        <translation>Sin voltear</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>Voltear horizontalmente</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Voltear verticalmente</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>Colores:</translation>
    </message>
    <message>
        <source>(different)</source>
        <translation>(distintos)</translation>
    </message>
    <message numerus="yes">
        <source>Settings for %n photos</source>
        <translation>
            <numerusform>Ajustes de %n foto</numerusform>
            <numerusform>Ajustes de %n fotos</numerusform>
        </translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Unknown flip type!</source>
        <translation>¡Tipo de volteo desconocido!</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Introduzca un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Introduzca un número.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Introduzca un número entre %1 y %2.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>Unknown nOuputSizeType type!</source>
        <translation>¡Tipo nOuputSizeType desconocido!</translation>
    </message>
    <message>
        <source>Unknown nKeepAspectRatio type!</source>
        <translation>¡Tipo nKeepAspectRatio desconocido!</translation>
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
        <translation>debe ser uno de estos: %1</translation>
    </message>
    <message>
        <source>must be an integer from %1 to %2</source>
        <translation>debe ser un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>must be a number from %1 to %2</source>
        <translation>debe ser un número de %1 a %2</translation>
    </message>
    <message>
        <source> (default %1)</source>
        <translation> (predeterminado: %1)</translation>
    </message>
    <message>
        <source>must name a folder</source>
        <translation>debe indicar una carpeta</translation>
    </message>
    <message>
        <source>must name a file</source>
        <translation>debe indicar un archivo</translation>
    </message>
    <message>
        <source>must be six hexadecimal digits RRGGBB</source>
        <translation>debe tener seis dígitos hexadecimales RRGGBB</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Text overlay</source>
        <translation>Texto superpuesto</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecución</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Preajustes</translation>
    </message>
    <message>
        <source>Scripts and clusters</source>
        <translation>Scripts y clústeres</translation>
    </message>
    <message>
        <source>start from the saved preset NAME; options after it override it</source>
        <translation>partir del preajuste guardado NAME; las opciones posteriores prevalecen sobre él</translation>
    </message>
    <message>
        <source>output folder (default: the work folder, Pictures/Quillmere/)</source>
        <translation>carpeta de salida (predeterminada: la carpeta de trabajo, Pictures/Quillmere/)</translation>
    </message>
    <message>
        <source>output width for %1</source>
        <translation>ancho de salida para %1</translation>
    </message>
    <message>
        <source>output height for %1</source>
        <translation>alto de salida para %1</translation>
    </message>
    <message>
        <source>the longer side for %1</source>
        <translation>el lado largo para %1</translation>
    </message>
    <message>
        <source>with %1: a photo smaller than the result keeps its size</source>
        <translation>con %1: una foto más pequeña que el resultado conserva su tamaño</translation>
    </message>
    <message>
        <source>factors for %1</source>
        <translation>factores para %1</translation>
    </message>
    <message>
        <source>must be two factors H,V from %1</source>
        <translation>debe ser un par de factores H,V de %1</translation>
    </message>
    <message>
        <source>BMP pixel format: %1, or %2</source>
        <translation>formato de píxel BMP: %1, o %2</translation>
    </message>
    <message>
        <source>quality of %1</source>
        <translation>calidad de %1</translation>
    </message>
    <message>
        <source>lossless %1 (the quality is not used)</source>
        <translation>%1 sin pérdida (no se usa la calidad)</translation>
    </message>
    <message>
        <source>camera data (EXIF, XMP, IPTC) the outputs keep: %1</source>
        <translation>datos de cámara (EXIF, XMP, IPTC) que conservan las salidas: %1</translation>
    </message>
    <message>
        <source>rename prefix</source>
        <translation>prefijo para renombrar</translation>
    </message>
    <message>
        <source>must not contain &apos;/&apos;</source>
        <translation>no debe contener &apos;/&apos;</translation>
    </message>
    <message>
        <source>keep the source names, change the extension only</source>
        <translation>conservar los nombres originales y cambiar solo la extensión</translation>
    </message>
    <message>
        <source>the date in the names: %1 (from EXIF, else the file&apos;s)</source>
        <translation>la fecha en los nombres: %1 (de EXIF; si no, la del archivo)</translation>
    </message>
    <message>
        <source>photos found in a folder keep their path below it inside the run folder</source>
        <translation>las fotos encontradas en una carpeta conservan su ruta relativa dentro de la carpeta de la conversión</translation>
    </message>
    <message>
        <source>the number of the first photo</source>
        <translation>el número de la primera foto</translation>
    </message>
    <message>
        <source>digits the numbers are padded to</source>
        <translation>cifras de los números, completadas con ceros</translation>
    </message>
    <message>
        <source> (default: those of the last number)</source>
        <translation> (predeterminado: las del último número)</translation>
    </message>
    <message>
        <source>a line of text drawn on every photo</source>
        <translation>una línea de texto dibujada en cada foto</translation>
    </message>
    <message>
        <source>must be one line, without line breaks</source>
        <translation>debe ser una sola línea, sin saltos de línea</translation>
    </message>
    <message>
        <source>its margin in output pixels from the anchor; for top-left, its top-left corner (default 0,0)</source>
        <translation>su margen en píxeles de salida desde el anclaje; con top-left, su esquina superior izquierda (predeterminado: 0,0)</translation>
    </message>
    <message>
        <source>font family (default: the sans-serif font)</source>
        <translation>familia de fuente (predeterminada: la fuente sans-serif)</translation>
    </message>
    <message>
        <source>must be a family name of at most 31 characters</source>
        <translation>debe ser un nombre de familia de 31 caracteres como máximo</translation>
    </message>
    <message>
        <source>font size in pixels</source>
        <translation>tamaño de fuente en píxeles</translation>
    </message>
    <message>
        <source>text size as a percentage of the output&apos;s shorter side, in place of --font-px; %1 (default %2: the font&apos;s size)</source>
        <translation>tamaño del texto como porcentaje del lado corto de la salida, en lugar de --font-px; %1 (predeterminado: %2, el tamaño de la fuente)</translation>
    </message>
    <message>
        <source>bold text</source>
        <translation>texto en negrita</translation>
    </message>
    <message>
        <source>italic text</source>
        <translation>texto en cursiva</translation>
    </message>
    <message>
        <source>underlined text</source>
        <translation>texto subrayado</translation>
    </message>
    <message>
        <source>struck-out text</source>
        <translation>texto tachado</translation>
    </message>
    <message>
        <source>text colour (default 000000)</source>
        <translation>color del texto (predeterminado: 000000)</translation>
    </message>
    <message>
        <source>text opacity in percent</source>
        <translation>opacidad del texto en porcentaje</translation>
    </message>
    <message>
        <source>%1 around the text</source>
        <translation>%1 alrededor del texto</translation>
    </message>
    <message>
        <source>save the settings this command gives as preset NAME (PATHs optional)</source>
        <translation>guardar los ajustes de esta orden como preajuste NAME (PATH opcional)</translation>
    </message>
    <message>
        <source>print the saved presets&apos; names, one per line</source>
        <translation>mostrar los nombres de los preajustes guardados, uno por línea</translation>
    </message>
    <message>
        <source>also convert the paths listed in FILE, one per line (- for standard input)</source>
        <translation>convertir también las rutas listadas en FILE, una por línea (- para la entrada estándar)</translation>
    </message>
    <message>
        <source>the --files-from entries end with NUL, as find -print0 writes them</source>
        <translation>las entradas de --files-from terminan en NUL, como las escribe find -print0</translation>
    </message>
    <message>
        <source>write into DIR (made if missing) instead of a new time-stamped folder</source>
        <translation>escribir en DIR (se crea si no existe) en lugar de en una carpeta nueva con fecha y hora</translation>
    </message>
    <message>
        <source>write one JSON object per photo, then a summary object, one per line, to FILE</source>
        <translation>escribir en FILE un objeto JSON por foto y después un objeto de resumen, uno por línea</translation>
    </message>
    <message>
        <source>%1 when an output file exists (default: ask when standard input is a terminal, else no)</source>
        <translation>%1 cuando ya existe un archivo de salida (predeterminado: ask si la entrada estándar es un terminal; si no, no)</translation>
    </message>
    <message>
        <source>photos converted at once</source>
        <translation>fotos convertidas a la vez</translation>
    </message>
    <message>
        <source> (default: one per core)</source>
        <translation> (predeterminado: una por núcleo)</translation>
    </message>
    <message>
        <source>memory the photos in hand may take, in MiB</source>
        <translation>memoria que pueden ocupar las fotos en proceso, en MiB</translation>
    </message>
    <message>
        <source>; a larger photo converts alone (default: half the physical memory, %1 MiB)</source>
        <translation>; una foto mayor se convierte sola (predeterminado: la mitad de la memoria física, %1 MiB)</translation>
    </message>
    <message>
        <source>no progress bar and no notices</source>
        <translation>sin barra de progreso ni avisos</translation>
    </message>
    <message>
        <source>print the values a fixed-set option accepts, one per line</source>
        <translation>mostrar los valores que acepta una opción de conjunto fijo, uno por línea</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>este texto</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>la versión del programa</translation>
    </message>
    <message>
        <source>or</source>
        <translation>o</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>la opción %1 no admite ningún valor</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>option %1: &apos;%2&apos; %3</source>
        <translation>opción %1: &apos;%2&apos; %3</translation>
    </message>
    <message>
        <source>option --metadata %1 keeps more camera data than preset &apos;%2&apos; (%3)</source>
        <translation>la opción --metadata %1 conserva más datos de cámara que el preajuste &apos;%2&apos; (%3)</translation>
    </message>
    <message>
        <source>option %1: preset &apos;%2&apos; is not used: %3</source>
        <translation>opción %1: no se usa el preajuste &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>option %1: no preset &apos;%2&apos; (--list-presets lists them)</source>
        <translation>opción %1: no existe el preajuste &apos;%2&apos; (--list-presets los muestra)</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; keeps camera data %2, not --metadata %3 given before it; give --metadata after --preset</source>
        <translation>el preajuste &apos;%1&apos; conserva los datos de cámara %2, no el --metadata %3 indicado antes; indique --metadata después de --preset</translation>
    </message>
    <message>
        <source>option --beside cannot be given with --into</source>
        <translation>la opción --beside no se puede usar con --into</translation>
    </message>
    <message>
        <source>option --null needs --files-from</source>
        <translation>la opción --null necesita --files-from</translation>
    </message>
    <message>
        <source>option --overwrite ask cannot be answered while --files-from - reads standard input</source>
        <translation>la opción --overwrite ask no se puede responder mientras --files-from - lee la entrada estándar</translation>
    </message>
    <message>
        <source>no photos given: name at least one file or folder</source>
        <translation>no se indicó ninguna foto: indique al menos un archivo o una carpeta</translation>
    </message>
    <message>
        <source>Usage: quillmere-convert [options] PATH...
Converts photos (files, or folders searched with their sub-folders) into a
new time-stamped folder inside the output folder, and prints that folder.
</source>
        <translation>Uso: quillmere-convert [opciones] PATH...
Convierte fotos (archivos, o carpetas, que se recorren con sus subcarpetas) en
una carpeta nueva con fecha y hora dentro de la carpeta de salida, y muestra
esa carpeta.
</translation>
    </message>
    <message>
        <source>Options take their value as the next argument or after &apos;=&apos; (--text-pos=-5,3).
Exit status: 0 every photo converted, 1 some were not, 2 bad arguments.
</source>
        <translation>Las opciones toman su valor del argumento siguiente o de lo que va tras &apos;=&apos;
(--text-pos=-5,3). Código de salida: 0 todas las fotos convertidas, 1 alguna
no se convirtió, 2 argumentos incorrectos.
</translation>
    </message>
    <message>
        <source>Image watermark</source>
        <translation>Marca de agua de imagen</translation>
    </message>
    <message>
        <source>for %1: the part fill keeps, or where pad places the photo: %2 (smart: the most interesting part; pad centres it)</source>
        <translation>para %1: la parte que conserva fill, o dónde coloca pad la foto: %2 (smart: la parte más interesante; pad la centra)</translation>
    </message>
    <message>
        <source>colour of pad&apos;s margins and of transparent areas</source>
        <translation>color de los márgenes de pad y de las zonas transparentes</translation>
    </message>
    <message>
        <source>sharpen a photo that is made smaller, by as much as it is reduced: %1</source>
        <translation>enfocar una foto que se reduce, en la medida en que se reduce: %1</translation>
    </message>
    <message>
        <source>the resolution written into JPG, PNG, TIF and BMP outputs (and WebP and AVIF with camera data)</source>
        <translation>la resolución que se escribe en las salidas JPG, PNG, TIF y BMP (y en WebP y AVIF con datos de cámara)</translation>
    </message>
    <message>
        <source> (default 0: the source&apos;s)</source>
        <translation> (predeterminado: 0, la del original)</translation>
    </message>
    <message>
        <source>a picture (PNG, WebP or SVG, transparency kept) drawn on every photo</source>
        <translation>una imagen (PNG, WebP o SVG, con su transparencia) dibujada en cada foto</translation>
    </message>
    <message>
        <source>its longer side as a percentage of the output&apos;s shorter side</source>
        <translation>su lado largo como porcentaje del lado corto de la salida</translation>
    </message>
    <message>
        <source>its opacity in percent</source>
        <translation>su opacidad en porcentaje</translation>
    </message>
    <message>
        <source>its distance from the anchor&apos;s edges as a percentage of the output&apos;s shorter side</source>
        <translation>su distancia a los bordes del anclaje como porcentaje del lado corto de la salida</translation>
    </message>
    <message>
        <source>%1: %2, skipped</source>
        <translation>%1: %2, omitido</translation>
    </message>
    <message>
        <source>%1: %2, failed</source>
        <translation>%1: %2, falló</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; not saved: %2</source>
        <translation>no se guardó el preajuste &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; saved in %2</source>
        <translation>preajuste &apos;%1&apos; guardado en %2</translation>
    </message>
    <message>
        <source>option %1 has no fixed set of values</source>
        <translation>la opción %1 no tiene un conjunto fijo de valores</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Pruebe &apos;%1 --help&apos; para más información.</translation>
    </message>
    <message>
        <source>no photos to convert</source>
        <translation>no hay fotos que convertir</translation>
    </message>
    <message>
        <source>written per preset: %1</source>
        <translation>generadas por preajuste: %1</translation>
    </message>
    <message>
        <source>at most SIZE bytes per output file; K and M count 1,000 and 1,000,000, KiB and MiB 1,024 and 1,048,576 (500K, 2MiB; 0: no limit). %1 get the best quality that fits, down to --min-quality, then smaller dimensions; lossless outputs (PNG, TIF, BMP, --lossless) only smaller dimensions</source>
        <translation>como máximo SIZE bytes por archivo de salida; K y M cuentan 1.000 y 1.000.000; KiB y MiB, 1.024 y 1.048.576 (500K, 2MiB; 0: sin límite). %1 obtienen la mejor calidad que quepa, hasta --min-quality, y después dimensiones menores; las salidas sin pérdida (PNG, TIF, BMP, --lossless), solo dimensiones menores</translation>
    </message>
    <message>
        <source>must be a size in bytes such as 500000, 500K or 488KiB, at most 1000000M</source>
        <translation>debe ser un tamaño en bytes como 500000, 500K o 488KiB, como máximo 1000000M</translation>
    </message>
    <message>
        <source>the lowest quality --max-file-size may use, %1 (default %2; never above --quality)</source>
        <translation>la calidad mínima que puede usar --max-file-size, %1 (predeterminado: %2; nunca por encima de --quality)</translation>
    </message>
    <message>
        <source>with --max-file-size: a photo that does not fit at --min-quality fails instead of being made smaller</source>
        <translation>con --max-file-size: una foto que no cabe con --min-quality falla en lugar de reducirse</translation>
    </message>
    <message>
        <source>colour resolution of JPG and AVIF: %1 (default %2: 420 below quality 90, else 444, which --max-file-size keeps only where the --quality file fits)</source>
        <translation>resolución de color de JPG y AVIF: %1 (predeterminado: %2, 420 por debajo de calidad 90 y, si no, 444, que --max-file-size solo mantiene cuando cabe el archivo con --quality)</translation>
    </message>
    <message>
        <source>progressive JPG, shown coarse first while it loads</source>
        <translation>JPG progresivo, que se muestra primero a baja resolución mientras se carga</translation>
    </message>
    <message>
        <source>name the outputs by TEMPLATE instead: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera} (&quot;.{ext}&quot; is added when missing)</source>
        <translation>nombrar las salidas según TEMPLATE en lugar del prefijo: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera} (se añade &quot;.{ext}&quot; si falta)</translation>
    </message>
    <message>
        <source>is refused: %1</source>
        <translation>no se acepta: %1</translation>
    </message>
    <message>
        <source>write each output into the folder DIR next to its original (made if missing) instead of a run folder</source>
        <translation>escribir cada salida en la carpeta DIR junto a su original (se crea si no existe) en lugar de en una carpeta de conversión</translation>
    </message>
    <message>
        <source>must be a folder name without &apos;/&apos;</source>
        <translation>debe ser un nombre de carpeta sin &apos;/&apos;</translation>
    </message>
    <message>
        <source>give each output its original&apos;s modification time</source>
        <translation>dar a cada salida la fecha de modificación de su original</translation>
    </message>
    <message>
        <source>write one output per preset of the comma-separated list, each photo decoded once; the names must differ (use {preset} in the template)</source>
        <translation>escribir una salida por cada preajuste de la lista separada por comas, decodificando cada foto una sola vez; los nombres deben ser distintos (use {preset} en la plantilla)</translation>
    </message>
    <message>
        <source>must list preset names, separated by commas</source>
        <translation>debe ser una lista de nombres de preajustes separados por comas</translation>
    </message>
    <message>
        <source>how camera RAW photos are developed: auto (the camera&apos;s preview when it covers the output, else half size when that does, else full), preview or full (default %1)</source>
        <translation>cómo se revelan las fotos RAW de cámara: auto (la vista previa de la cámara si cubre la salida; si no, a mitad de tamaño si lo cubre; si no, completo), preview o full (predeterminado: %1)</translation>
    </message>
    <message>
        <source>colours of 4- and 8-bit BMP: fixed (the standard table) or adaptive (the photo&apos;s own, by an octree) (default %1)</source>
        <translation>colores de BMP de 4 y 8 bits: fixed (la tabla estándar) o adaptive (los de la propia foto, mediante un árbol octal) (predeterminado: %1)</translation>
    </message>
    <message>
        <source>font family &apos;%1&apos; is not installed; the text is drawn in &apos;%2&apos;</source>
        <translation>la familia de fuente &apos;%1&apos; no está instalada; el texto se dibuja con &apos;%2&apos;</translation>
    </message>
    <message numerus="yes">
        <source>stopped: %n photos not started</source>
        <translation>
            <numerusform>conversión detenida: %n foto sin empezar</numerusform>
            <numerusform>conversión detenida: %n fotos sin empezar</numerusform>
        </translation>
    </message>
    <message>
        <source>when the run ends, write to FILE in the user&apos;s language how many photos were converted and into which folder, then each photo that was not, with its reason</source>
        <translation>al terminar, escribir en FILE, en el idioma del usuario, cuántas fotos se convirtieron y en qué carpeta, y después cada foto que no se convirtió, con el motivo</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a heading of --help</comment>
        <extracomment>A heading of the option list, %1 its name (&quot;Output:&quot;).</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>option %1: %2</source>
        <translation>opción %1: %2</translation>
    </message>
    <message>
        <source>No photo was converted.</source>
        <translation>No se convirtió ninguna foto.</translation>
    </message>
    <message>
        <source>%1 of %2 photos converted</source>
        <translation>%1 de %2 fotos convertidas</translation>
    </message>
    <message>
        <source>%1 of %2 photos converted into %3</source>
        <translation>%1 de %2 fotos convertidas en %3</translation>
    </message>
    <message>
        <source>y</source>
        <comment>the letter that answers yes in &quot;[y/N]&quot;</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>[yes]</source>
        <translation>[sí]</translation>
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
        <translation>y</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Batch Photo Converter</source>
        <translation>Conversor de fotos por lotes</translation>
    </message>
    <message>
        <source>Resize and convert photos in batches</source>
        <translation>Redimensiona y convierte fotos por lotes</translation>
    </message>
    <message>
        <source>Convert with Quillmere…</source>
        <translation>Convertir con Quillmere…</translation>
    </message>
    <message>
        <source>Open the selected photos in Quillmere</source>
        <translation>Abrir las fotos seleccionadas en Quillmere</translation>
    </message>
    <message>
        <source>Convert with a preset…</source>
        <translation>Convertir con un preajuste…</translation>
    </message>
    <message>
        <source>Quillmere: convert with a preset…</source>
        <translation>Quillmere: convertir con un preajuste…</translation>
    </message>
    <message>
        <source>Choose one of Quillmere&apos;s saved presets and convert the selected photos with it</source>
        <translation>Elegir uno de los preajustes guardados de Quillmere y convertir con él las fotos seleccionadas</translation>
    </message>
    <message>
        <source>Convert the selection with the preset &quot;%1&quot;</source>
        <extracomment>The tooltip of a file manager&apos;s entry &quot;Quillmere: PRESET&quot;; %1 is the preset&apos;s name.</extracomment>
        <translation>Convertir la selección con el preajuste «%1»</translation>
    </message>
    <message>
        <source>Convert with the preset:</source>
        <extracomment>Asked in a small list of the saved presets, before converting the selected photos.</extracomment>
        <translation>Convertir con el preajuste:</translation>
    </message>
    <message>
        <source>Preset</source>
        <extracomment>The heading of that list&apos;s one column.</extracomment>
        <translation>Preajuste</translation>
    </message>
    <message>
        <source>photo;picture;resize;convert;batch;rename;jpeg;png;tiff;bmp;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ended by &quot;;&quot;.</extracomment>
        <translation>foto;imagen;redimensionar;convertir;lote;renombrar;jpeg;png;tiff;bmp;</translation>
    </message>
</context>
<context>
    <name>DestinationPanel</name>
    <message>
        <source>The preset could not be read.</source>
        <translation>No se pudo leer el preajuste.</translation>
    </message>
    <message>
        <source>it is no longer stored</source>
        <translation>ya no está guardado</translation>
    </message>
</context>
<context>
    <name>FileSizeLimitRow</name>
    <message>
        <source>L&amp;imit file size to</source>
        <translation>Limitar el arc&amp;hivo a</translation>
    </message>
    <message>
        <source>Largest file size in KB</source>
        <translation>Tamaño máximo de archivo en KB</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>The search for a size that fits goes no lower</source>
        <translation>La búsqueda de un tamaño que quepa no baja de este valor</translation>
    </message>
    <message>
        <source>Lo&amp;west quality:</source>
        <translation>Calidad &amp;mínima:</translation>
    </message>
    <message>
        <source>Colour &amp;resolution:</source>
        <translation>Resol&amp;ución de color:</translation>
    </message>
    <message>
        <source>Pro&amp;gressive</source>
        <translation>Progre&amp;sivo</translation>
    </message>
    <message>
        <source>A JPG shown coarse first while it loads</source>
        <translation>Un JPG que se muestra primero a baja resolución mientras se carga</translation>
    </message>
    <message>
        <source>Please enter a number of KB between 1 and %1.</source>
        <translation>Introduzca un número de KB entre 1 y %1.</translation>
    </message>
    <message>
        <source>the best quality that fits, then a smaller size</source>
        <translation>la mejor calidad que quepa; si no, un tamaño menor</translation>
    </message>
    <message>
        <source>lossless: met by a smaller size only</source>
        <translation>sin pérdida: solo se logra con un tamaño menor</translation>
    </message>
</context>
<context>
    <name>FolderChooser</name>
    <message>
        <source>Choose a folder</source>
        <translation>Elija una carpeta</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Fuente:</translation>
    </message>
    <message>
        <source>St&amp;yle:</source>
        <translation>Est&amp;ilo:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>Height of the characters in pixels of the output photo</source>
        <translation>Altura de los caracteres en píxeles de la foto de salida</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Effects:</source>
        <translation>Efectos:</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Subrayado</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>Tac&amp;hado</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Color:</translation>
    </message>
    <message>
        <source>Choose the text color</source>
        <translation>Elija el color del texto</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>AaBbYyZz 123</source>
        <translation>AaBbÁáÑñ 123</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
</context>
<context>
    <name>FrameControls</name>
    <message>
        <source>Frame and finishing</source>
        <translation>Encuadre y acabado</translation>
    </message>
    <message>
        <source>&amp;Aspect:</source>
        <translation>&amp;Proporción:</translation>
    </message>
    <message>
        <source>Cro&amp;p:</source>
        <translation>&amp;Recorte:</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Fondo:</translation>
    </message>
    <message>
        <source>&amp;Sharpen when reduced:</source>
        <translation>&amp;Enfocar al reducir:</translation>
    </message>
    <message>
        <source>As the source</source>
        <translation>Como el original</translation>
    </message>
    <message>
        <source> DPI</source>
        <translation> DPI</translation>
    </message>
    <message>
        <source>Res&amp;olution:</source>
        <translation>Res&amp;olución:</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>1:1 (square)</source>
        <translation>1:1 (cuadrado)</translation>
    </message>
    <message>
        <source>4:5 (portrait post)</source>
        <translation>4:5 (publicación vertical)</translation>
    </message>
    <message>
        <source>3:2 (photo print)</source>
        <translation>3:2 (copia fotográfica)</translation>
    </message>
    <message>
        <source>16:9 (wide screen)</source>
        <translation>16:9 (panorámico)</translation>
    </message>
    <message>
        <source>9:16 (story)</source>
        <translation>9:16 (historia)</translation>
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
        <translation>Leyendo fotos...</translation>
    </message>
    <message>
        <source>Searching folders: %1 photo files found in %2 folders</source>
        <translation>Buscando en carpetas: %1 archivos de fotos encontrados en %2 carpetas</translation>
    </message>
    <message>
        <source>Reading photos: %1 of %2</source>
        <translation>Leyendo fotos: %1 de %2</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Quillmere — User Guide</source>
        <translation>Quillmere — Guía del usuario</translation>
    </message>
    <message>
        <source>Quillmere</source>
        <translation>Quillmere</translation>
    </message>
    <message>
        <source>Resize and convert photos in batches.</source>
        <translation>Redimensione y convierta fotos por lotes.</translation>
    </message>
    <message>
        <source>Quillmere takes a list of photos, gives each of them output settings (format, size, pixel format, quality, rotation and flip, and which camera data to keep), optionally writes a line of text on every photo, and converts them all into a new folder of their own with tidy, numbered file names. Your original photos are never changed.</source>
        <translation>Quillmere toma una lista de fotos, asigna a cada una ajustes de salida (formato, tamaño, formato de píxel, calidad, giro y volteo, y qué datos de cámara conservar), escribe opcionalmente una línea de texto en cada foto y las convierte todas en una carpeta nueva propia, con nombres de archivo ordenados y numerados. Sus fotos originales nunca se modifican.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#quick&quot;&gt;Quick start&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#quick&quot;&gt;Inicio rápido&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#gather&quot;&gt;Adding photos&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#gather&quot;&gt;Añadir fotos&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#list&quot;&gt;The photo list&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#list&quot;&gt;La lista de fotos&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#options&quot;&gt;Output options&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#options&quot;&gt;Opciones de salida&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#output&quot;&gt;Output folder and file names&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#output&quot;&gt;Carpeta de salida y nombres de archivo&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#text&quot;&gt;Text on the photos&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#text&quot;&gt;Texto sobre las fotos&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#presets&quot;&gt;Presets&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#presets&quot;&gt;Preajustes&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#convert&quot;&gt;Converting&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#convert&quot;&gt;Conversión&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#formats&quot;&gt;Formats&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#formats&quot;&gt;Formatos&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#window&quot;&gt;All controls of the main window&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#window&quot;&gt;Todos los controles de la ventana principal&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#cli&quot;&gt;The command line: quillmere-convert&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#cli&quot;&gt;La línea de comandos: quillmere-convert&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#settings&quot;&gt;What Quillmere remembers&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#settings&quot;&gt;Qué recuerda Quillmere&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Quick start</source>
        <translation>Inicio rápido</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Add Photos&lt;/b&gt; and pick some photos (or drop them onto the window).</source>
        <translation>Pulse &lt;b&gt;Añadir fotos&lt;/b&gt; y elija algunas fotos (o arrástrelas a la ventana).</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Options&lt;/b&gt; to choose the output format and size. The built-in setting makes @BUILT_IN_FORMAT@ files of quality @QUALITY_BUILT_IN@, @BUILT_IN_WIDTH@ pixels wide, with the height that keeps each photo&apos;s proportions.</source>
        <translation>Pulse &lt;b&gt;Opciones&lt;/b&gt; para elegir el formato y el tamaño de salida. El ajuste inicial genera archivos @BUILT_IN_FORMAT@ de calidad @QUALITY_BUILT_IN@ y @BUILT_IN_WIDTH@ píxeles de ancho, con el alto que conserva las proporciones de cada foto.</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;Output Folder&lt;/b&gt;; the first time it is the folder &lt;code&gt;Quillmere&lt;/code&gt; in your Pictures folder.</source>
        <translation>Compruebe la &lt;b&gt;Carpeta de salida&lt;/b&gt;; la primera vez es la carpeta &lt;code&gt;Quillmere&lt;/code&gt; dentro de su carpeta Imágenes.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Convert&lt;/b&gt;. When the run is done, Quillmere offers to open the folder with the results.</source>
        <translation>Pulse &lt;b&gt;Convertir&lt;/b&gt;. Cuando termina la conversión, Quillmere ofrece abrir la carpeta con los resultados.</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>Añadir fotos</translation>
    </message>
    <message>
        <source>There are three ways to put photos into the list. New photos are added at the end of the list and get the current default output settings (see &lt;a href=&quot;#options&quot;&gt;Options&lt;/a&gt;).</source>
        <translation>Hay tres formas de poner fotos en la lista. Las fotos nuevas se añaden al final de la lista y reciben los ajustes de salida predeterminados del momento (consulte &lt;a href=&quot;#options&quot;&gt;Opciones&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Photos&lt;/b&gt; opens a file dialog in which you can select several files at once. It opens in the folder you last added photos from.</source>
        <translation>&lt;b&gt;Añadir fotos&lt;/b&gt; abre un diálogo de archivos en el que puede seleccionar varios archivos a la vez. Se abre en la carpeta de la que añadió fotos la última vez.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Drag and drop&lt;/b&gt;: drop files and folders from your file manager onto the window. Files are added in the order dropped; a folder is searched as &lt;b&gt;Search photos&lt;/b&gt; does. Opening photos or folders with Quillmere from a file manager (or &lt;code&gt;quillmere FILE|FOLDER...&lt;/code&gt;) adds them the same way.</source>
        <translation>&lt;b&gt;Arrastrar y soltar&lt;/b&gt;: suelte sobre la ventana archivos y carpetas desde su gestor de archivos. Los archivos se añaden en el orden en que se sueltan; una carpeta se explora como lo hace &lt;b&gt;Buscar fotos&lt;/b&gt;. Abrir fotos o carpetas con Quillmere desde un gestor de archivos (o con &lt;code&gt;quillmere FILE|FOLDER...&lt;/code&gt;) las añade del mismo modo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search photos&lt;/b&gt; asks for a folder and adds every photo found in it and in all its sub-folders, folder by folder. Files with the extensions @PHOTO_EXTENSIONS@ are considered (in any letter case).</source>
        <translation>&lt;b&gt;Buscar fotos&lt;/b&gt; pide una carpeta y añade todas las fotos que encuentra en ella y en todas sus subcarpetas, carpeta por carpeta. Se tienen en cuenta los archivos con las extensiones @PHOTO_EXTENSIONS@ (en mayúsculas o minúsculas).</translation>
    </message>
    <message>
        <source>Files that are not pictures, or cannot be read, are left out silently. A name with several dots, such as &lt;code&gt;IMG 2009.05.17.jpg&lt;/code&gt; or &lt;code&gt;trip.day1.HEIC&lt;/code&gt;, counts by its last extension. Photos taken with the camera turned are shown and converted upright. Phone photos (HEIC and HEIF) are read as they are.</source>
        <translation>Los archivos que no son imágenes, o que no se pueden leer, se omiten sin aviso. Un nombre con varios puntos, como &lt;code&gt;IMG 2009.05.17.jpg&lt;/code&gt; o &lt;code&gt;trip.day1.HEIC&lt;/code&gt;, cuenta por su última extensión. Las fotos tomadas con la cámara girada se muestran y se convierten con la orientación correcta. Las fotos del móvil (HEIC y HEIF) se leen tal cual.</translation>
    </message>
    <message>
        <source>From the file manager</source>
        <translation>Desde el gestor de archivos</translation>
    </message>
    <message>
        <source>Right-click photos or folders in the file manager. &lt;b&gt;Convert with Quillmere…&lt;/b&gt; opens this window with them; each saved preset has an entry of its own, &lt;b&gt;Quillmere: &lt;i&gt;preset&lt;/i&gt;&lt;/b&gt; (in Nemo and Dolphin, &lt;b&gt;convert with a preset…&lt;/b&gt; asks which), which converts the selection at once with that preset into the output folder you chose here, in a new time-stamped folder, and ends with a desktop notification naming that folder and any photo that failed. Presets you save later appear without reinstalling anything.</source>
        <translation>Haga clic con el botón derecho en fotos o carpetas en el gestor de archivos. &lt;b&gt;Convertir con Quillmere…&lt;/b&gt; abre esta ventana con ellas; cada preajuste guardado tiene una entrada propia, &lt;b&gt;Quillmere: &lt;i&gt;preajuste&lt;/i&gt;&lt;/b&gt; (en Nemo y Dolphin, &lt;b&gt;convertir con un preajuste…&lt;/b&gt; pregunta cuál), que convierte la selección al instante con ese preajuste en la carpeta de salida elegida aquí, dentro de una carpeta nueva con fecha y hora, y termina con una notificación del escritorio que indica esa carpeta y las fotos que hayan fallado. Los preajustes que guarde más adelante aparecen sin reinstalar nada.</translation>
    </message>
    <message>
        <source>&lt;b&gt;GNOME Files&lt;/b&gt; shows the entries when the package &lt;code&gt;python3-nautilus&lt;/code&gt; is installed (then restart it: &lt;code&gt;nautilus -q&lt;/code&gt;).</source>
        <translation>En &lt;b&gt;Archivos de GNOME&lt;/b&gt;, las entradas aparecen cuando está instalado el paquete &lt;code&gt;python3-nautilus&lt;/code&gt; (después, reinicie el gestor de archivos: &lt;code&gt;nautilus -q&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Nemo&lt;/b&gt; (Cinnamon) and &lt;b&gt;Dolphin&lt;/b&gt; (KDE) show them at once.</source>
        <translation>&lt;b&gt;Nemo&lt;/b&gt; (Cinnamon) y &lt;b&gt;Dolphin&lt;/b&gt; (KDE) las muestran de inmediato.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Thunar&lt;/b&gt; (Xfce) keeps custom actions in each user&apos;s own settings: in Thunar choose &lt;b&gt;Edit → Configure custom actions…&lt;/b&gt;, add an action named &lt;i&gt;Quillmere: Web 2048&lt;/i&gt; with the command &lt;code&gt;/usr/libexec/quillmere/quillmere-file-action convert &apos;Web 2048&apos; %F&lt;/code&gt; (the name of your preset in quotes), and under &lt;b&gt;Appearance Conditions&lt;/b&gt; tick &lt;b&gt;Image Files&lt;/b&gt; and &lt;b&gt;Directories&lt;/b&gt;. An action with the command &lt;code&gt;quillmere %F&lt;/code&gt; opens the window instead.</source>
        <translation>&lt;b&gt;Thunar&lt;/b&gt; (Xfce) guarda las acciones personalizadas en los ajustes de cada usuario: en Thunar, elija &lt;b&gt;Editar → Configurar acciones personalizadas…&lt;/b&gt;, añada una acción llamada &lt;i&gt;Quillmere: Web 2048&lt;/i&gt; con el comando &lt;code&gt;/usr/libexec/quillmere/quillmere-file-action convert &apos;Web 2048&apos; %F&lt;/code&gt; (el nombre de su preajuste entre comillas) y, en &lt;b&gt;Condiciones de apariencia&lt;/b&gt;, marque &lt;b&gt;Archivos de imagen&lt;/b&gt; y &lt;b&gt;Directorios&lt;/b&gt;. Una acción con el comando &lt;code&gt;quillmere %F&lt;/code&gt; abre la ventana en su lugar.</translation>
    </message>
    <message>
        <source>The photo list</source>
        <translation>La lista de fotos</translation>
    </message>
    <message>
        <source>Each row shows one photo: &lt;b&gt;File name&lt;/b&gt;, its size (&lt;b&gt;Width * Height&lt;/b&gt;), the file&apos;s modification &lt;b&gt;Time&lt;/b&gt;, the size it will be converted to (&lt;b&gt;Output Width * Height&lt;/b&gt;) and its &lt;b&gt;Rotate&lt;/b&gt; angle, and its &lt;b&gt;Status&lt;/b&gt; in the last run: waiting, converting, converted, skipped or failed (rest the pointer on it for the reason). Rest the pointer on a name for the full path. The list order is the conversion order and so the numbering order of the new files. The same file may be in the list more than once. &lt;b&gt;Total Photos:&lt;/b&gt; above the list counts the photos.</source>
        <translation>Cada fila muestra una foto: &lt;b&gt;Nombre de archivo&lt;/b&gt;, su tamaño (&lt;b&gt;Ancho * Alto&lt;/b&gt;), la &lt;b&gt;Fecha&lt;/b&gt; de modificación del archivo, el tamaño al que se convertirá (&lt;b&gt;Ancho * Alto de salida&lt;/b&gt;), su ángulo de &lt;b&gt;Giro&lt;/b&gt; y su &lt;b&gt;Estado&lt;/b&gt; en la última conversión: en espera, convirtiendo, convertida, omitida o fallida (deje el puntero encima para ver el motivo). Deje el puntero sobre un nombre para ver la ruta completa. El orden de la lista es el orden de conversión y, por tanto, el de numeración de los archivos nuevos. Un mismo archivo puede estar en la lista más de una vez. &lt;b&gt;Total de fotos:&lt;/b&gt;, encima de la lista, cuenta las fotos.</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Qué hace</translation>
    </message>
    <message>
        <source>Click a row</source>
        <translation>Clic en una fila</translation>
    </message>
    <message>
        <source>Shows the photo in the preview frame, whole and in its own proportions.</source>
        <translation>Muestra la foto en el marco de vista previa, entera y con sus propias proporciones.</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;File name&lt;/b&gt; or &lt;b&gt;Time&lt;/b&gt; heading</source>
        <translation>Clic en el encabezado &lt;b&gt;Nombre de archivo&lt;/b&gt; o &lt;b&gt;Fecha&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Sorts the list by that column; click again to reverse the order.</source>
        <translation>Ordena la lista por esa columna; otro clic invierte el orden.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt; (or double-click / right-click a row)</source>
        <translation>&lt;b&gt;Editar&lt;/b&gt; (o doble clic / clic derecho en una fila)</translation>
    </message>
    <message>
        <source>Opens the output options for each selected photo in turn, so that single photos can get settings of their own.</source>
        <translation>Abre las opciones de salida de cada foto seleccionada, una tras otra, para que una foto concreta pueda tener ajustes propios.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Up&lt;/b&gt; / &lt;b&gt;Down&lt;/b&gt;</source>
        <translation>&lt;b&gt;Subir&lt;/b&gt; / &lt;b&gt;Bajar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Move the selected photos one place up or down.</source>
        <translation>Mueven las fotos seleccionadas un puesto hacia arriba o hacia abajo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Delete&lt;/b&gt; (&lt;kbd&gt;Del&lt;/kbd&gt;)</source>
        <translation>&lt;b&gt;Eliminar&lt;/b&gt; (&lt;kbd&gt;Supr&lt;/kbd&gt;)</translation>
    </message>
    <message>
        <source>Removes the selected photos from the list (the files stay on disk).</source>
        <translation>Quita de la lista las fotos seleccionadas (los archivos permanecen en el disco).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear&lt;/b&gt;</source>
        <translation>&lt;b&gt;Vaciar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Empties the list.</source>
        <translation>Vacía la lista.</translation>
    </message>
    <message>
        <source>Convert, Edit, Up, Down, Delete and Clear are available as soon as the list holds a photo. &lt;kbd&gt;Ctrl+A&lt;/kbd&gt; selects every photo. Every button has an &lt;kbd&gt;Alt&lt;/kbd&gt; letter (the underlined one); &lt;kbd&gt;Ctrl+O&lt;/kbd&gt; is Add Photos, &lt;kbd&gt;Ctrl+F&lt;/kbd&gt; Search photos and &lt;kbd&gt;Ctrl+Return&lt;/kbd&gt; Convert.</source>
        <translation>Convertir, Editar, Subir, Bajar, Eliminar y Vaciar están disponibles en cuanto la lista contiene una foto. &lt;kbd&gt;Ctrl+A&lt;/kbd&gt; selecciona todas las fotos. Cada botón tiene una letra de acceso con &lt;kbd&gt;Alt&lt;/kbd&gt; (la subrayada); &lt;kbd&gt;Ctrl+O&lt;/kbd&gt; equivale a Añadir fotos, &lt;kbd&gt;Ctrl+F&lt;/kbd&gt; a Buscar fotos y &lt;kbd&gt;Ctrl+Intro&lt;/kbd&gt; a Convertir.</translation>
    </message>
    <message>
        <source>Output options</source>
        <translation>Opciones de salida</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt; edits the default settings that photos added from now on receive. After you confirm it with photos in the list, Quillmere asks whether all photos in the list should get the new settings as well. &lt;b&gt;Edit&lt;/b&gt; opens the same dialog for the selected photos only.</source>
        <translation>&lt;b&gt;Opciones&lt;/b&gt; edita los ajustes predeterminados que recibirán las fotos que se añadan a partir de ahora. Si lo confirma con fotos en la lista, Quillmere pregunta si todas las fotos de la lista deben recibir también los nuevos ajustes. &lt;b&gt;Editar&lt;/b&gt; abre el mismo diálogo solo para las fotos seleccionadas.</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Format:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Formato de salida:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>@OUTPUT_FORMAT_LIST@ (see &lt;a href=&quot;#formats&quot;&gt;Formats&lt;/a&gt;).</source>
        <translation>@OUTPUT_FORMAT_LIST@ (consulte &lt;a href=&quot;#formats&quot;&gt;Formatos&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pixel format:&lt;/b&gt; (@PIXEL_FORMAT_FORMATS@ only)</source>
        <translation>&lt;b&gt;Formato de píxel:&lt;/b&gt; (solo @PIXEL_FORMAT_FORMATS@)</translation>
    </message>
    <message>
        <source>The colour depth of the BMP file: 1, 4 or 8 bits indexed (2, 16 or 256 colours, made with error diffusion), or one of the direct-colour formats. The text below the list describes the choice. &lt;b&gt;Colours:&lt;/b&gt; for 4 and 8 bits, the standard 16 or 256 colours, or the colours of the photo (the 16 or 256 that best match each photo).</source>
        <translation>La profundidad de color del archivo BMP: 1, 4 u 8 bits indexados (2, 16 o 256 colores, obtenidos por difusión de error) o uno de los formatos de color directo. El texto bajo la lista describe la opción elegida. &lt;b&gt;Colores:&lt;/b&gt; para 4 y 8 bits, los 16 o 256 colores estándar, o los colores de la foto (los 16 o 256 que mejor se ajustan a cada foto).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Do not enlarge&lt;/b&gt;</source>
        <translation>&lt;b&gt;No ampliar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>With @NO_ENLARGE_RULES@: a photo smaller than the chosen size keeps its own size (no side grows), so a 100*66 picture is not blown up to 1024*675.</source>
        <translation>Con @NO_ENLARGE_RULES@: una foto más pequeña que el tamaño elegido conserva su propio tamaño (ningún lado crece), así que una imagen de 100*66 no se amplía a 1024*675.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quality Control:&lt;/b&gt; (@QUALITY_FORMATS@)</source>
        <translation>&lt;b&gt;Control de calidad:&lt;/b&gt; (@QUALITY_FORMATS@)</translation>
    </message>
    <message>
        <source>Quality from @QUALITY_MIN@ (smallest file) to @QUALITY_MAX@ (best picture), for every format that loses detail to save space. The quality you confirm last is remembered and shown every time the dialog opens.</source>
        <translation>Calidad de @QUALITY_MIN@ (archivo más pequeño) a @QUALITY_MAX@ (mejor imagen), para todos los formatos que pierden detalle para ahorrar espacio. Se recuerda la última calidad confirmada, que se muestra cada vez que se abre el diálogo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lossless&lt;/b&gt; (@LOSSLESS_FORMATS@)</source>
        <translation>&lt;b&gt;Sin pérdida&lt;/b&gt; (@LOSSLESS_FORMATS@)</translation>
    </message>
    <message>
        <source>Keeps every pixel exactly; the quality is then not used and the files are larger.</source>
        <translation>Conserva exactamente cada píxel; la calidad no se usa entonces y los archivos son más grandes.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Limit file size to … KB&lt;/b&gt;</source>
        <translation>&lt;b&gt;Limitar el archivo a … KB&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Every output file at most this many KB (1 KB = 1,000 bytes), camera data included, for upload forms and mail limits. @QUALITY_FORMATS@ files get the best quality that fits, found in a few trial encodes and never above the quality set; where even quality 30 does not fit, the picture is made smaller until it does. Lossless files (PNG, TIF, BMP, Lossless) can only be made smaller. A photo that already fits, in the same format and size with all its camera data, is copied unchanged. The command line adds &lt;code&gt;--min-quality&lt;/code&gt;, &lt;code&gt;--no-shrink-to-fit&lt;/code&gt;, &lt;code&gt;--chroma&lt;/code&gt; and &lt;code&gt;--progressive&lt;/code&gt;.</source>
        <translation>Cada archivo de salida ocupa como máximo esa cantidad de KB (1 KB = 1000 bytes), con los datos de cámara incluidos, para formularios de subida y límites del correo. Los archivos @QUALITY_FORMATS@ reciben la mejor calidad que quepa, hallada con unas pocas codificaciones de prueba y nunca por encima de la calidad ajustada; si ni siquiera con calidad 30 cabe, la imagen se reduce hasta que quepa. Los archivos sin pérdida (PNG, TIF, BMP, Sin pérdida) solo pueden reducirse. Una foto que ya cabe, en el mismo formato y tamaño y con todos sus datos de cámara, se copia sin cambios. La línea de comandos añade &lt;code&gt;--min-quality&lt;/code&gt;, &lt;code&gt;--no-shrink-to-fit&lt;/code&gt;, &lt;code&gt;--chroma&lt;/code&gt; y &lt;code&gt;--progressive&lt;/code&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Camera data (EXIF, XMP, IPTC):&lt;/b&gt;</source>
        <translation>&lt;b&gt;Datos de cámara (EXIF, XMP, IPTC):&lt;/b&gt;</translation>
    </message>
    <message>
        <source>What the outputs keep of the data the camera or phone stored with the photo (not for @FORMATS_WITHOUT_CAMERA_DATA@):</source>
        <translation>Qué conservan las salidas de los datos que la cámara o el móvil guardaron con la foto (salvo en @FORMATS_WITHOUT_CAMERA_DATA@):</translation>
    </message>
    <message>
        <source>&lt;b&gt;Camera RAW photos:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Fotos RAW de cámara:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>How camera RAW files (recognised by their content) are developed, always with the camera&apos;s white balance and no automatic brightening, so that the photos of one shoot match:</source>
        <translation>Cómo se revelan los archivos RAW de cámara (reconocidos por su contenido), siempre con el balance de blancos de la cámara y sin aclarado automático, para que las fotos de una misma sesión coincidan:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Rotate by angle&lt;/b&gt;</source>
        <translation>&lt;b&gt;Girar según ángulo&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Turn the result by @ROTATION_CHOICES@ degrees clockwise.</source>
        <translation>Gira el resultado @ROTATION_CHOICES@ grados en el sentido de las agujas del reloj.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Flip&lt;/b&gt;</source>
        <translation>&lt;b&gt;Voltear&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aspect:&lt;/b&gt; (Fill and Pad)</source>
        <translation>&lt;b&gt;Proporción:&lt;/b&gt; (Rellenar y Ajustar con márgenes)</translation>
    </message>
    <message>
        <source>1:1, 4:5, 3:2, 16:9 or 9:16 fills in the height from the width you type (1080 wide at 4:5 gives 1350); &lt;i&gt;Custom&lt;/i&gt; keeps the height you type.</source>
        <translation>1:1, 4:5, 3:2, 16:9 o 9:16 calcula el alto a partir del ancho que escriba (1080 de ancho con 4:5 da 1350); &lt;i&gt;Personalizado&lt;/i&gt; conserva el alto que escriba.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Crop:&lt;/b&gt; (Fill and Pad)</source>
        <translation>&lt;b&gt;Recorte:&lt;/b&gt; (Rellenar y Ajustar con márgenes)</translation>
    </message>
    <message>
        <source>Which part of the photo Fill keeps (an edge, a corner, the centre, or &lt;i&gt;Smart&lt;/i&gt;: the part with the most detail, skin tones and colour), or where Pad places the photo.</source>
        <translation>Qué parte de la foto conserva Rellenar (un borde, una esquina, el centro o &lt;i&gt;Inteligente&lt;/i&gt;: la parte con más detalle, tonos de piel y color), o dónde coloca la foto Ajustar con márgenes.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Background:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Fondo:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The colour of Pad&apos;s margins and of transparent areas of the photos (white unless you choose another).</source>
        <translation>El color de los márgenes de Ajustar con márgenes y de las zonas transparentes de las fotos (blanco, salvo que elija otro).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sharpen when reduced:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Enfocar al reducir:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>A mild sharpening of the photo&apos;s lightness after it was made smaller, the more the more it was reduced (up to half its size); a photo that is not reduced is never sharpened.</source>
        <translation>Un enfoque suave de la luminosidad de la foto después de reducirla, tanto mayor cuanto más se redujo (hasta la mitad de su tamaño); una foto que no se reduce nunca se enfoca.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Resolution:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Resolución:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The DPI written into JPG, PNG, TIF and BMP files (WebP and AVIF with camera data); &lt;i&gt;As the source&lt;/i&gt; keeps the photo&apos;s own.</source>
        <translation>Los DPI que se escriben en los archivos JPG, PNG, TIF y BMP (WebP y AVIF con datos de cámara); &lt;i&gt;Como el original&lt;/i&gt; conserva los de la propia foto.</translation>
    </message>
    <message>
        <source>Photos are turned upright (from the orientation the camera recorded) before any size rule is applied, so a portrait photo&apos;s width is its short side. Sizes are whole pixels: the fixed size and Stretch cut them, the other rules round to the nearest pixel.</source>
        <translation>Las fotos se enderezan (según la orientación que registró la cámara) antes de aplicar cualquier regla de tamaño, de modo que el ancho de una foto vertical es su lado corto. Los tamaños son píxeles enteros: el tamaño fijo y Estirar truncan los decimales; las demás reglas redondean al píxel más cercano.</translation>
    </message>
    <message>
        <source>The dialog shows only what matters for the chosen format and size rule. When you press OK, every number is checked, including those of hidden or unavailable fields: a message names what is wrong, the field gets the focus and the dialog stays open.</source>
        <translation>El diálogo muestra solo lo que importa para el formato y la regla de tamaño elegidos. Al pulsar Aceptar se comprueban todos los números, incluidos los de los campos ocultos o no disponibles: un mensaje indica qué está mal, el campo recibe el foco y el diálogo sigue abierto.</translation>
    </message>
    <message>
        <source>Output folder and file names</source>
        <translation>Carpeta de salida y nombres de archivo</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Folder:&lt;/b&gt; is where the results go; type a folder or choose one with &lt;b&gt;Browse&lt;/b&gt;. On the first start it is the folder &lt;code&gt;Quillmere&lt;/code&gt; inside your Pictures folder, which Quillmere creates for you. The folder you used last is remembered.</source>
        <translation>&lt;b&gt;Carpeta de salida:&lt;/b&gt; es donde se guardan los resultados; escriba una carpeta o elija una con &lt;b&gt;Examinar&lt;/b&gt;. En el primer inicio es la carpeta &lt;code&gt;Quillmere&lt;/code&gt; dentro de su carpeta Imágenes, que Quillmere crea por usted. Se recuerda la última carpeta utilizada.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The run folder.&lt;/b&gt; Every conversion makes a new folder inside the output folder, named after the moment it started as &lt;code&gt;year.month.day.hour.minute.second&lt;/code&gt;, for example &lt;code&gt;2026.05.17.14.05.09&lt;/code&gt;. Earlier results are therefore never overwritten.</source>
        <translation>&lt;b&gt;La carpeta de la conversión.&lt;/b&gt; Cada conversión crea una carpeta nueva dentro de la carpeta de salida, con el nombre del momento en que empezó en la forma &lt;code&gt;year.month.day.hour.minute.second&lt;/code&gt; (año, mes, día, hora, minuto, segundo), por ejemplo &lt;code&gt;2026.05.17.14.05.09&lt;/code&gt;. Así, los resultados anteriores nunca se sobrescriben.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The naming rule.&lt;/b&gt; With &lt;b&gt;Batch rename prefix:&lt;/b&gt; (default &lt;code&gt;output.photo&lt;/code&gt;) each file is named</source>
        <translation>&lt;b&gt;La regla de nombres.&lt;/b&gt; Con &lt;b&gt;Prefijo para renombrar:&lt;/b&gt; (predeterminado: &lt;code&gt;output.photo&lt;/code&gt;), cada archivo se llama</translation>
    </message>
    <message>
        <source>where the number is the photo&apos;s place in the list, padded with zeros to the width of the photo count (&lt;code&gt;1&lt;/code&gt;–&lt;code&gt;9&lt;/code&gt; for up to 9 photos, &lt;code&gt;01&lt;/code&gt;–&lt;code&gt;12&lt;/code&gt; for 12, &lt;code&gt;001&lt;/code&gt; for 100 or more), and the date is the one chosen in the list beside the prefix:</source>
        <translation>donde el número es la posición de la foto en la lista, completado con ceros hasta las cifras del total de fotos (&lt;code&gt;1&lt;/code&gt;–&lt;code&gt;9&lt;/code&gt; para hasta 9 fotos, &lt;code&gt;01&lt;/code&gt;–&lt;code&gt;12&lt;/code&gt; para 12, &lt;code&gt;001&lt;/code&gt; para 100 o más), y la fecha es la elegida en la lista junto al prefijo:</translation>
    </message>
    <message>
        <source>Example: prefix &lt;code&gt;trip&lt;/code&gt;, 12 photos, the third taken (or, with File date, modified) on 17 May 2009 gives &lt;code&gt;trip.03.2009.05.17.jpg&lt;/code&gt;. Photos copied from a camera card get the copy&apos;s day as their file date; choose Date taken to name them after the day they were taken.</source>
        <translation>Ejemplo: prefijo &lt;code&gt;trip&lt;/code&gt;, 12 fotos, la tercera tomada (o, con Fecha del archivo, modificada) el 17 de mayo de 2009 da &lt;code&gt;trip.03.2009.05.17.jpg&lt;/code&gt;. Las fotos copiadas de una tarjeta de la cámara reciben como fecha de archivo el día de la copia; elija Fecha de captura para nombrarlas según el día en que se tomaron.</translation>
    </message>
    <message>
        <source>Check &lt;b&gt;Not rename&lt;/b&gt; to keep each photo&apos;s own name instead (only the extension changes, for example &lt;code&gt;IMG_0001.jpg&lt;/code&gt;); the prefix field is then unavailable. If a file of that name already exists, Quillmere asks before replacing it.</source>
        <translation>Marque &lt;b&gt;No renombrar&lt;/b&gt; para conservar en su lugar el nombre de cada foto (solo cambia la extensión, por ejemplo &lt;code&gt;IMG_0001.jpg&lt;/code&gt;); el campo del prefijo queda entonces desactivado. Si ya existe un archivo con ese nombre, Quillmere pregunta antes de reemplazarlo.</translation>
    </message>
    <message>
        <source>Check &lt;b&gt;Keep sub-folders&lt;/b&gt; to keep the folder tree of a search: a photo that &lt;b&gt;Search photos&lt;/b&gt; (or a dropped folder) found in &lt;code&gt;Holiday/Day2/&lt;/code&gt; is written to &lt;code&gt;Day2/&lt;/code&gt; inside the run folder (for example &lt;code&gt;Day2/IMG_0001.jpg&lt;/code&gt;, or &lt;code&gt;Day2/trip.07.2009.05.17.jpg&lt;/code&gt; with renaming: the numbers still count through the whole list). Photos added one by one go to the run folder itself.</source>
        <translation>Marque &lt;b&gt;Mantener subcarpetas&lt;/b&gt; para conservar el árbol de carpetas de una búsqueda: una foto que &lt;b&gt;Buscar fotos&lt;/b&gt; (o una carpeta arrastrada) encontró en &lt;code&gt;Holiday/Day2/&lt;/code&gt; se escribe en &lt;code&gt;Day2/&lt;/code&gt; dentro de la carpeta de la conversión (por ejemplo &lt;code&gt;Day2/IMG_0001.jpg&lt;/code&gt;, o &lt;code&gt;Day2/trip.07.2009.05.17.jpg&lt;/code&gt; al renombrar: los números siguen contando a lo largo de toda la lista). Las fotos añadidas una a una van a la propia carpeta de la conversión.</translation>
    </message>
    <message>
        <source>Text on the photos</source>
        <translation>Texto sobre las fotos</translation>
    </message>
    <message>
        <source>Type a line into &lt;b&gt;Add text to photo:&lt;/b&gt; to write it on every converted photo, for example a copyright note. &lt;b&gt;Position x, y:&lt;/b&gt; is the place of the text&apos;s top-left corner, in pixels of the converted photo before it is rotated or flipped. A position outside the photo is reported and set to 0. &lt;b&gt;Font&lt;/b&gt; opens a dialog in which you choose the font, its style, its size in pixels of the output photo, underline, strikeout and the colour; the chosen font&apos;s name is shown beside the position fields. Font and colour are remembered; the text itself is not.</source>
        <translation>Escriba una línea en &lt;b&gt;Añadir texto a la foto:&lt;/b&gt; para que aparezca en cada foto convertida, por ejemplo un aviso de copyright. &lt;b&gt;Posición x, y:&lt;/b&gt; es el lugar de la esquina superior izquierda del texto, en píxeles de la foto convertida antes de girarla o voltearla. Una posición fuera de la foto se notifica y se pone a 0. &lt;b&gt;Fuente&lt;/b&gt; abre un diálogo en el que se eligen la fuente, su estilo, su tamaño en píxeles de la foto de salida, el subrayado, el tachado y el color; el nombre de la fuente elegida se muestra junto a los campos de posición. La fuente y el color se recuerdan; el texto en sí, no.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anchor:&lt;/b&gt; measures x and y from another corner, an edge or the middle of the photo instead: with &lt;i&gt;Bottom right&lt;/i&gt;, 20, 20 puts the text 20 pixels from the right and bottom edges of every photo, whatever its size. With any anchor but &lt;i&gt;Top left&lt;/i&gt; the text is kept inside the photo. &lt;b&gt;Size:&lt;/b&gt; gives the text&apos;s height as a percentage of each photo&apos;s shorter side, so that a caption has the same weight on a small and a large output; at &lt;i&gt;Font size&lt;/i&gt; the size chosen with &lt;b&gt;Font&lt;/b&gt; counts. &lt;b&gt;Opacity:&lt;/b&gt; lets the photo show through the text, and &lt;i&gt;Outline&lt;/i&gt; or &lt;i&gt;Shadow&lt;/i&gt; draws a dark (or, for dark text, light) edge that keeps it legible on any background. The preview shows the text on the photo you clicked, scaled with it.</source>
        <translation>&lt;b&gt;Anclaje:&lt;/b&gt; mide x e y desde otra esquina, un borde o el centro de la foto: con &lt;i&gt;Abajo a la derecha&lt;/i&gt;, 20, 20 coloca el texto a 20 píxeles de los bordes derecho e inferior de cada foto, sea cual sea su tamaño. Con cualquier anclaje salvo &lt;i&gt;Arriba a la izquierda&lt;/i&gt;, el texto se mantiene dentro de la foto. &lt;b&gt;Tamaño:&lt;/b&gt; da la altura del texto como porcentaje del lado corto de cada foto, para que un pie de foto tenga el mismo peso en una salida pequeña y en una grande; con &lt;i&gt;Tamaño de fuente&lt;/i&gt; cuenta el tamaño elegido con &lt;b&gt;Fuente&lt;/b&gt;. &lt;b&gt;Opacidad:&lt;/b&gt; deja ver la foto a través del texto, y &lt;i&gt;Contorno&lt;/i&gt; o &lt;i&gt;Sombra&lt;/i&gt; dibuja un borde oscuro (o claro, si el texto es oscuro) que lo mantiene legible sobre cualquier fondo. La vista previa muestra el texto sobre la foto en la que hizo clic, escalado con ella.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Watermark:&lt;/b&gt; draws a picture, such as your logo, on every photo: choose a PNG, WebP or SVG file (its transparency is kept) with &lt;b&gt;Logo…&lt;/b&gt; or type its path; clear the field for none. It sits at the chosen corner, edge or middle, &lt;b&gt;Size:&lt;/b&gt; sets its longer side as a percentage of each photo&apos;s shorter side, &lt;b&gt;Opacity:&lt;/b&gt; how much of the photo shows through, and &lt;b&gt;Margin:&lt;/b&gt; its distance from the edges, also as a percentage of the shorter side. The file is read when you choose it, and every photo of a conversion gets that picture.</source>
        <translation>&lt;b&gt;Marca de agua:&lt;/b&gt; dibuja una imagen, como su logotipo, en cada foto: elija un archivo PNG, WebP o SVG (se conserva su transparencia) con &lt;b&gt;Logotipo…&lt;/b&gt; o escriba su ruta; vacíe el campo para no usar ninguna. Se sitúa en la esquina, el borde o el centro elegidos; &lt;b&gt;Tamaño:&lt;/b&gt; fija su lado largo como porcentaje del lado corto de cada foto; &lt;b&gt;Opacidad:&lt;/b&gt;, cuánto se ve la foto a través de ella, y &lt;b&gt;Margen:&lt;/b&gt;, su distancia a los bordes, también como porcentaje del lado corto. El archivo se lee al elegirlo, y todas las fotos de una conversión reciben esa imagen.</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Preajustes</translation>
    </message>
    <message>
        <source>A preset keeps the output settings for new photos, the naming (prefix, &lt;b&gt;Not rename&lt;/b&gt;, &lt;b&gt;Keep sub-folders&lt;/b&gt;), the text and the watermark with all their settings under a name. &lt;b&gt;Save as…&lt;/b&gt; stores the window&apos;s current settings, &lt;b&gt;Apply&lt;/b&gt; brings the chosen preset back and, as &lt;b&gt;Options&lt;/b&gt; does, asks whether the listed photos get its output settings too, and &lt;b&gt;Remove&lt;/b&gt; removes it. The command line uses the same presets (&lt;code&gt;--preset&lt;/code&gt;, &lt;code&gt;--save-preset&lt;/code&gt;, &lt;code&gt;--list-presets&lt;/code&gt;).</source>
        <translation>Un preajuste guarda con un nombre los ajustes de salida para fotos nuevas, los nombres de archivo (prefijo, &lt;b&gt;No renombrar&lt;/b&gt;, &lt;b&gt;Mantener subcarpetas&lt;/b&gt;), el texto y la marca de agua, con todos sus ajustes. &lt;b&gt;Guardar como…&lt;/b&gt; guarda los ajustes actuales de la ventana; &lt;b&gt;Aplicar&lt;/b&gt; recupera el preajuste elegido y, como hace &lt;b&gt;Opciones&lt;/b&gt;, pregunta si las fotos de la lista reciben también sus ajustes de salida; y &lt;b&gt;Quitar&lt;/b&gt; lo elimina. La línea de comandos usa los mismos preajustes (&lt;code&gt;--preset&lt;/code&gt;, &lt;code&gt;--save-preset&lt;/code&gt;, &lt;code&gt;--list-presets&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversión</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; starts the run; while it runs the button reads &lt;b&gt;Stop&lt;/b&gt;, and pressing it stops the run after the photos in hand. The progress bar shows how many photos are done and about how long the rest will take. A photo that cannot be converted does not hold the run: its row says &lt;b&gt;Failed&lt;/b&gt; (the reason is in its tooltip), a line goes to the activity log &lt;code&gt;Corvale.log&lt;/code&gt; in the output folder, and the other photos are converted all the same. Before the first file is written a replace question is asked only for files that were there before the run, once for all of them if you answer &lt;b&gt;Yes to all&lt;/b&gt; or &lt;b&gt;No to all&lt;/b&gt;; two photos that would get the same name get two files (&lt;code&gt;IMG_0001.jpg&lt;/code&gt;, &lt;code&gt;IMG_0001-2.jpg&lt;/code&gt;). A photo is written under its final name only when it is complete, so a failed or stopped conversion never leaves a half-written file. When the run ends, one box lists every photo that failed with its reason in plain words (&lt;b&gt;Copy&lt;/b&gt; puts the list on the clipboard, &lt;b&gt;Show log&lt;/b&gt; opens the log), says how many photos a stop left unconverted, and offers to open the output folder or to &lt;b&gt;Convert the rest&lt;/b&gt; into the same folder with the numbering continued. &lt;b&gt;View log&lt;/b&gt; opens &lt;code&gt;Corvale.log&lt;/code&gt; in your text editor. If the output folder you typed does not exist yet, it is made with any folders missing above it; when it cannot be made, the message says why. Escape never closes the window; closing it with photos in the list, or during a run, asks first. The settings of the window come back at the next start.</source>
        <translation>&lt;b&gt;Convertir&lt;/b&gt; inicia la conversión; mientras dura, el botón dice &lt;b&gt;Detener&lt;/b&gt;, y al pulsarlo la conversión se detiene tras las fotos que se están procesando. La barra de progreso muestra cuántas fotos están listas y cuánto falta aproximadamente. Una foto que no se puede convertir no detiene la conversión: su fila indica &lt;b&gt;Fallida&lt;/b&gt; (el motivo está en su información emergente), se escribe una línea en el registro de actividad &lt;code&gt;Corvale.log&lt;/code&gt; de la carpeta de salida, y las demás fotos se convierten igualmente. Antes de escribir el primer archivo, solo se pregunta si reemplazar los archivos que ya existían antes de la conversión, una sola vez para todos si responde &lt;b&gt;Sí a todo&lt;/b&gt; o &lt;b&gt;No a todo&lt;/b&gt;; dos fotos que recibirían el mismo nombre dan dos archivos (&lt;code&gt;IMG_0001.jpg&lt;/code&gt;, &lt;code&gt;IMG_0001-2.jpg&lt;/code&gt;). Una foto se escribe con su nombre definitivo solo cuando está completa, así que una conversión fallida o detenida nunca deja un archivo a medio escribir. Al terminar la conversión, un cuadro enumera cada foto que falló con su motivo en palabras sencillas (&lt;b&gt;Copiar&lt;/b&gt; pone la lista en el portapapeles, &lt;b&gt;Mostrar registro&lt;/b&gt; abre el registro), indica cuántas fotos quedaron sin convertir por haberla detenido y ofrece abrir la carpeta de salida o &lt;b&gt;Convertir el resto&lt;/b&gt; en la misma carpeta, continuando la numeración. &lt;b&gt;Ver registro&lt;/b&gt; abre &lt;code&gt;Corvale.log&lt;/code&gt; en su editor de textos. Si la carpeta de salida que escribió aún no existe, se crea junto con las carpetas superiores que falten; si no se puede crear, el mensaje explica por qué. Esc nunca cierra la ventana; si la cierra con fotos en la lista, o durante una conversión, se le pide confirmación. Los ajustes de la ventana se restauran en el siguiente inicio.</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>Quillmere reads the common picture formats (JPEG, PNG, TIFF, GIF, BMP, WebP and more). It writes:</source>
        <translation>Quillmere lee los formatos de imagen habituales (JPEG, PNG, TIFF, GIF, BMP, WebP y más). Escribe:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Every output is 8-bit RGB on a white background; colour profiles are converted to sRGB and the source&apos;s resolution (DPI) is kept where the format has one. A photo larger than its format can store is refused with a message before it is read. The camera data kept is set under &lt;a href=&quot;#options&quot;&gt;Camera data&lt;/a&gt;.</source>
        <translation>Todas las salidas son RGB de 8 bits sobre fondo blanco; los perfiles de color se convierten a sRGB y se conserva la resolución (DPI) del original cuando el formato la admite. Una foto más grande de lo que su formato puede almacenar se rechaza con un mensaje antes de leerla. Los datos de cámara que se conservan se eligen en &lt;a href=&quot;#options&quot;&gt;Datos de cámara&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>All controls of the main window</source>
        <translation>Todos los controles de la ventana principal</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Photos&lt;/b&gt;</source>
        <translation>&lt;b&gt;Añadir fotos&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Add photos with a file dialog.</source>
        <translation>Añade fotos con un diálogo de archivos.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search photos&lt;/b&gt;</source>
        <translation>&lt;b&gt;Buscar fotos&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Add every photo of a folder and its sub-folders.</source>
        <translation>Añade todas las fotos de una carpeta y sus subcarpetas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt;</source>
        <translation>&lt;b&gt;Opciones&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default output settings for new photos (and, if you agree, for all listed photos).</source>
        <translation>Ajustes de salida predeterminados para las fotos nuevas (y, si lo acepta, para todas las fotos de la lista).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; / &lt;b&gt;Stop&lt;/b&gt;</source>
        <translation>&lt;b&gt;Convertir&lt;/b&gt; / &lt;b&gt;Detener&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start or stop the conversion.</source>
        <translation>Inicia o detiene la conversión.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt; (&lt;kbd&gt;F1&lt;/kbd&gt;)</source>
        <translation>&lt;b&gt;Ayuda&lt;/b&gt; (&lt;kbd&gt;F1&lt;/kbd&gt;)</translation>
    </message>
    <message>
        <source>Opens this guide in your web browser.</source>
        <translation>Abre esta guía en su navegador web.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Total Photos:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Total de fotos:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The number of photos in the list.</source>
        <translation>El número de fotos de la lista.</translation>
    </message>
    <message>
        <source>Photo list, &lt;b&gt;Edit&lt;/b&gt;, &lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;, &lt;b&gt;Delete&lt;/b&gt;, &lt;b&gt;Clear&lt;/b&gt;</source>
        <translation>Lista de fotos, &lt;b&gt;Editar&lt;/b&gt;, &lt;b&gt;Subir&lt;/b&gt;, &lt;b&gt;Bajar&lt;/b&gt;, &lt;b&gt;Eliminar&lt;/b&gt;, &lt;b&gt;Vaciar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#list&quot;&gt;The photo list&lt;/a&gt;.</source>
        <translation>Consulte &lt;a href=&quot;#list&quot;&gt;La lista de fotos&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Folder:&lt;/b&gt;, &lt;b&gt;Browse&lt;/b&gt;</source>
        <translation>&lt;b&gt;Carpeta de salida:&lt;/b&gt;, &lt;b&gt;Examinar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Where the run folders are made.</source>
        <translation>Dónde se crean las carpetas de las conversiones.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add text to photo:&lt;/b&gt;, &lt;b&gt;Position x, y:&lt;/b&gt;, &lt;b&gt;Font&lt;/b&gt;</source>
        <translation>&lt;b&gt;Añadir texto a la foto:&lt;/b&gt;, &lt;b&gt;Posición x, y:&lt;/b&gt;, &lt;b&gt;Fuente&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#text&quot;&gt;Text on the photos&lt;/a&gt;.</source>
        <translation>Consulte &lt;a href=&quot;#text&quot;&gt;Texto sobre las fotos&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anchor:&lt;/b&gt;, &lt;b&gt;Size:&lt;/b&gt;, &lt;b&gt;Opacity:&lt;/b&gt;, outline or shadow</source>
        <translation>&lt;b&gt;Anclaje:&lt;/b&gt;, &lt;b&gt;Tamaño:&lt;/b&gt;, &lt;b&gt;Opacidad:&lt;/b&gt;, contorno o sombra</translation>
    </message>
    <message>
        <source>&lt;b&gt;Batch rename prefix:&lt;/b&gt; &lt;i&gt;+Number+Time&lt;/i&gt;, &lt;b&gt;File date&lt;/b&gt; / &lt;b&gt;Date taken&lt;/b&gt;, &lt;b&gt;Not rename&lt;/b&gt;, &lt;b&gt;Keep sub-folders&lt;/b&gt;</source>
        <translation>&lt;b&gt;Prefijo para renombrar:&lt;/b&gt; &lt;i&gt;+Número+Fecha&lt;/i&gt;, &lt;b&gt;Fecha del archivo&lt;/b&gt; / &lt;b&gt;Fecha de captura&lt;/b&gt;, &lt;b&gt;No renombrar&lt;/b&gt;, &lt;b&gt;Mantener subcarpetas&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#output&quot;&gt;the naming rule&lt;/a&gt;.</source>
        <translation>Consulte &lt;a href=&quot;#output&quot;&gt;la regla de nombres&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Preset:&lt;/b&gt;, &lt;b&gt;Apply&lt;/b&gt;, &lt;b&gt;Save as…&lt;/b&gt;, &lt;b&gt;Remove&lt;/b&gt;</source>
        <translation>&lt;b&gt;Preajuste:&lt;/b&gt;, &lt;b&gt;Aplicar&lt;/b&gt;, &lt;b&gt;Guardar como…&lt;/b&gt;, &lt;b&gt;Quitar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#presets&quot;&gt;Presets&lt;/a&gt;.</source>
        <translation>Consulte &lt;a href=&quot;#presets&quot;&gt;Preajustes&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Preview frame</source>
        <translation>Marco de vista previa</translation>
    </message>
    <message>
        <source>Shows the photo you clicked in the list.</source>
        <translation>Muestra la foto en la que hizo clic en la lista.</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>Barra de progreso</translation>
    </message>
    <message>
        <source>Progress of the current run.</source>
        <translation>Progreso de la conversión en curso.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Update&lt;/b&gt;</source>
        <translation>&lt;b&gt;Actualizar&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Opens the Quillmere web site, where new versions are published.</source>
        <translation>Abre el sitio web de Quillmere, donde se publican las versiones nuevas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;About&lt;/b&gt;</source>
        <translation>&lt;b&gt;Acerca de&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Version and contact addresses.</source>
        <translation>Versión y direcciones de contacto.</translation>
    </message>
    <message>
        <source>&lt;b&gt;View log&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ver registro&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Opens the activity log &lt;code&gt;Corvale.log&lt;/code&gt;.</source>
        <translation>Abre el registro de actividad &lt;code&gt;Corvale.log&lt;/code&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Exit&lt;/b&gt;</source>
        <translation>&lt;b&gt;Salir&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Saves the output folder, the font and colour, the prefix and the date choice, and closes the program.</source>
        <translation>Guarda la carpeta de salida, la fuente y el color, el prefijo y la fecha elegida, y cierra el programa.</translation>
    </message>
    <message>
        <source>The command line: quillmere-convert</source>
        <translation>La línea de comandos: quillmere-convert</translation>
    </message>
    <message>
        <source>&lt;code&gt;quillmere-convert&lt;/code&gt; converts photos with the same engine, without a window — for scripts, servers and large jobs.</source>
        <translation>&lt;code&gt;quillmere-convert&lt;/code&gt; convierte fotos con el mismo motor, sin ventana: para scripts, servidores y trabajos grandes.</translation>
    </message>
    <message>
        <source>Each &lt;code&gt;PATH&lt;/code&gt; is a photo or a folder; folders are searched with their sub-folders like &lt;b&gt;Search photos&lt;/b&gt; does. Every option defaults to what the window starts with. An option&apos;s value follows as the next argument or after &lt;code&gt;=&lt;/code&gt; (&lt;code&gt;--text-pos=-5,3&lt;/code&gt;).</source>
        <translation>Cada &lt;code&gt;PATH&lt;/code&gt; es una foto o una carpeta; las carpetas se exploran con sus subcarpetas, como hace &lt;b&gt;Buscar fotos&lt;/b&gt;. Cada opción tiene como valor predeterminado el mismo con el que se inicia la ventana. El valor de una opción va en el argumento siguiente o después de &lt;code&gt;=&lt;/code&gt; (&lt;code&gt;--text-pos=-5,3&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>Messages are printed as &lt;code&gt;Caption: text&lt;/code&gt; on standard error, with a progress bar when that is a terminal. The last line on standard output is the run folder. The exit status is 0 when every photo was converted, 1 when some were not, and 2 for wrong options. Files that are not pictures are skipped with a notice.</source>
        <translation>Los mensajes se escriben como &lt;code&gt;Caption: text&lt;/code&gt; en la salida de error estándar, con una barra de progreso si esta es un terminal. La última línea de la salida estándar es la carpeta de la conversión. El código de salida es 0 si se convirtieron todas las fotos, 1 si alguna no se convirtió y 2 si las opciones son incorrectas. Los archivos que no son imágenes se omiten con un aviso.</translation>
    </message>
    <message>
        <source>&lt;code&gt;--into&lt;/code&gt;, &lt;code&gt;--number-start&lt;/code&gt; and &lt;code&gt;--number-width&lt;/code&gt; let several runs, on one machine or many, each convert a part of one list and name their files exactly as one run over the whole list would; the README shows how with GNU parallel.</source>
        <translation>&lt;code&gt;--into&lt;/code&gt;, &lt;code&gt;--number-start&lt;/code&gt; y &lt;code&gt;--number-width&lt;/code&gt; permiten que varias ejecuciones, en una máquina o en varias, conviertan cada una su parte de la misma lista y nombren sus archivos exactamente como lo haría una sola ejecución sobre la lista completa; el README muestra cómo hacerlo con GNU parallel.</translation>
    </message>
    <message>
        <source>What Quillmere remembers</source>
        <translation>Qué recuerda Quillmere</translation>
    </message>
    <message>
        <source>Quillmere keeps its settings in &lt;code&gt;~/.config/Harbenwick/quillmere.conf&lt;/code&gt;: the output folder, the rename prefix and the date in the names, the font and colour of the text, the last folders used for adding photos, and in the options dialog the last confirmed format, pixel format and quality. The photo list, the overlay text and its position, and the other output settings (size, Lossless, Do not enlarge, camera data) start fresh at every start. Presets are kept in the same file, in its group &lt;code&gt;[Presets]&lt;/code&gt;, which the command line reads and writes too; a preset keeps every output setting, the date in the names among them.</source>
        <translation>Quillmere guarda sus ajustes en &lt;code&gt;~/.config/Harbenwick/quillmere.conf&lt;/code&gt;: la carpeta de salida, el prefijo para renombrar y la fecha de los nombres, la fuente y el color del texto, las últimas carpetas usadas para añadir fotos y, en el diálogo de opciones, el último formato, formato de píxel y calidad confirmados. La lista de fotos, el texto superpuesto y su posición, y los demás ajustes de salida (tamaño, Sin pérdida, No ampliar, datos de cámara) empiezan de cero en cada inicio. Los preajustes se guardan en el mismo archivo, en su grupo &lt;code&gt;[Presets]&lt;/code&gt;, que la línea de comandos también lee y escribe; un preajuste guarda todos los ajustes de salida, entre ellos la fecha de los nombres.</translation>
    </message>
</context>
<context>
    <name>LanguagePack</name>
    <message>
        <source>&amp;About Quillmere</source>
        <translation>&amp;Acerca de Quillmere</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The output width is invalid!</source>
        <translation>¡El ancho de salida no es válido!</translation>
    </message>
    <message>
        <source>The output hight is invalid!</source>
        <translation>¡El alto de salida no es válido!</translation>
    </message>
    <message>
        <source>Failed to SetResolution!</source>
        <translation>¡Error en SetResolution!</translation>
    </message>
    <message>
        <source>Failed to SetInterpolationMode!</source>
        <translation>¡Error en SetInterpolationMode!</translation>
    </message>
    <message>
        <source>Failed to convert photo!</source>
        <translation>¡No se pudo convertir la foto!</translation>
    </message>
    <message>
        <source>Unknown rotate angle!</source>
        <translation>¡Ángulo de giro desconocido!</translation>
    </message>
    <message>
        <source>Failed to rotate and flip photo!</source>
        <translation>¡No se pudo girar y voltear la foto!</translation>
    </message>
    <message>
        <source>Failed to save the file!</source>
        <translation>¡No se pudo guardar el archivo!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>%s exists. Do you want to replace it?</source>
        <translation>%s ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The text position X is bigger than the photo width!, The program set it to 0 now.</source>
        <translation>¡La posición X del texto es mayor que el ancho de la foto! El programa la ha puesto a 0.</translation>
    </message>
    <message>
        <source>The text position Y is bigger than the photo height!, The program set it to 0 now.</source>
        <translation>¡La posición Y del texto es mayor que el alto de la foto! El programa la ha puesto a 0.</translation>
    </message>
    <message>
        <source>The text position X is out of range! The program set it to 0 now.</source>
        <translation>¡La posición X del texto está fuera del intervalo! El programa la ha puesto a 0.</translation>
    </message>
    <message>
        <source>The text position Y is out of range! The program set it to 0 now.</source>
        <translation>¡La posición Y del texto está fuera del intervalo! El programa la ha puesto a 0.</translation>
    </message>
    <message>
        <source>1 bit per pixel, indexed. 2 color.</source>
        <translation>1 bit por píxel, indexado. 2 colores.</translation>
    </message>
    <message>
        <source>4 bits per pixel, indexed. 16 color.</source>
        <translation>4 bits por píxel, indexado. 16 colores.</translation>
    </message>
    <message>
        <source>8 bits per pixel, indexed. 256 color.</source>
        <translation>8 bits por píxel, indexado. 256 colores.</translation>
    </message>
    <message>
        <source>16 bits per pixel; 5 bits are used for the red component, 6 bits are used for the green component, and 5 bits are used for the blue component.</source>
        <translation>16 bits por píxel; 5 bits para el componente rojo, 6 bits para el verde y 5 bits para el azul.</translation>
    </message>
    <message>
        <source>24 bits per pixel; 8 bits each are used for the red, green, and blue components.</source>
        <translation>24 bits por píxel; 8 bits para cada uno de los componentes rojo, verde y azul.</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the alpha, red, green, and blue components.</source>
        <translation>32 bits por píxel; 8 bits para cada uno de los componentes alfa, rojo, verde y azul.</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the alpha, red, green, and blue components. The red, green, and blue components are premultiplied according to the alpha component.</source>
        <translation>32 bits por píxel; 8 bits para cada uno de los componentes alfa, rojo, verde y azul. Los componentes rojo, verde y azul están premultiplicados por el componente alfa.</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the red, green, and blue components. The remaining 8 bits are not used.</source>
        <translation>32 bits por píxel; 8 bits para cada uno de los componentes rojo, verde y azul. Los 8 bits restantes no se usan.</translation>
    </message>
    <message>
        <source>64 bits per pixel; 16 bits each are used for the alpha, red, green, and blue components. Written as 32 bits ARGB, as no BMP reader takes 64 bits.</source>
        <translation>64 bits por píxel; 16 bits para cada uno de los componentes alfa, rojo, verde y azul. Se guarda como 32 bits ARGB, ya que ningún lector de BMP admite 64 bits.</translation>
    </message>
    <message>
        <source>64 bits per pixel; 16 bits each are used for the alpha, red, green, and blue components. The red, green, and blue components are premultiplied according to the alpha component. Written as 32 bits PARGB, as no BMP reader takes 64 bits.</source>
        <translation>64 bits por píxel; 16 bits para cada uno de los componentes alfa, rojo, verde y azul. Los componentes rojo, verde y azul están premultiplicados por el componente alfa. Se guarda como 32 bits PARGB, ya que ningún lector de BMP admite 64 bits.</translation>
    </message>
</context>
<context>
    <name>ListHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
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
        <translation>el original cabe: copiado</translation>
    </message>
    <message>
        <source>fitted by reducing to %1 x %2</source>
        <translation>ajustado reduciendo a %1 x %2</translation>
    </message>
    <message>
        <source>fitted: quality %1</source>
        <translation>ajustado: calidad %1</translation>
    </message>
    <message>
        <source>the source fits (%1): copied unchanged</source>
        <translation>el original cabe (%1): copiado sin cambios</translation>
    </message>
    <message>
        <source>%1 at quality %2</source>
        <translation>%1 con calidad %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n encodes</source>
        <extracomment>%1 is the size and quality (&quot;498 KB at quality 72&quot;); an encode is one trial compression made to find it.</extracomment>
        <translation>
            <numerusform>%1, %n codificación</numerusform>
            <numerusform>%1, %n codificaciones</numerusform>
        </translation>
    </message>
    <message>
        <source>fitted by reducing to %1: %2</source>
        <translation>ajustado reduciendo a %1: %2</translation>
    </message>
    <message>
        <source>%1 lossless</source>
        <translation>%1 sin pérdida</translation>
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
        <translation>&amp;Añadir fotos</translation>
    </message>
    <message>
        <source>&amp;Search photos</source>
        <translation>&amp;Buscar fotos</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
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
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>Output &amp;Folder:</source>
        <translation>Carpeta de &amp;salida:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>E&amp;xaminar</translation>
    </message>
    <message>
        <source>Add &amp;text to photo:</source>
        <translation>Añadir &amp;texto a la foto:</translation>
    </message>
    <message>
        <source>Position &amp;x, y:</source>
        <translation>Posición &amp;x, y:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Fuente</translation>
    </message>
    <message>
        <source>A&amp;nchor:</source>
        <translation>A&amp;nclaje:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>The text&apos;s size as a percentage of the photo&apos;s shorter side; at 0 the font&apos;s own size counts.</source>
        <translation>Tamaño del texto como porcentaje del lado corto de la foto; con 0 se usa el tamaño propio de la fuente.</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source> % of shorter side</source>
        <translation> % del lado corto</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>O&amp;pacidad:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Batch rena&amp;me prefix:</source>
        <translation>Prefijo para &amp;renombrar:</translation>
    </message>
    <message>
        <source>+Number+Time</source>
        <translation>+Número+Fecha</translation>
    </message>
    <message>
        <source>Date in the names</source>
        <translation>Fecha en los nombres</translation>
    </message>
    <message>
        <source>Which date the file names carry</source>
        <translation>Qué fecha llevan los nombres de archivo</translation>
    </message>
    <message>
        <source>&amp;Not rename</source>
        <translation>&amp;No renombrar</translation>
    </message>
    <message>
        <source>Photos found by Search photos or in a dropped folder keep their sub-folders inside the run folder.</source>
        <translation>Las fotos encontradas con Buscar fotos o en una carpeta arrastrada conservan sus subcarpetas dentro de la carpeta de la conversión.</translation>
    </message>
    <message>
        <source>&amp;Keep sub-folders</source>
        <translation>&amp;Mantener subcarpetas</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Preajuste:</translation>
    </message>
    <message>
        <source>Output settings, naming and text of the preset; the listed photos get its output settings if you agree.</source>
        <translation>Ajustes de salida, nombres y texto del preajuste; si usted lo acepta, las fotos de la lista reciben sus ajustes de salida.</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>Apl&amp;icar</translation>
    </message>
    <message>
        <source>Sa&amp;ve as…</source>
        <translation>&amp;Guardar como…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>%p%</source>
        <translation>%p%</translation>
    </message>
    <message>
        <source>Stops gathering; the photos read so far are added (Esc).</source>
        <translation>Detiene la búsqueda; se añaden las fotos leídas hasta ahora (Esc).</translation>
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
        <translation>Guardar lista</translation>
    </message>
    <message>
        <source>load list</source>
        <translation>Cargar lista</translation>
    </message>
    <message>
        <source>U&amp;pdate</source>
        <translation>Ac&amp;tualizar</translation>
    </message>
    <message>
        <source>Abou&amp;t</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sal&amp;ir</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>These files were left out because they are not pictures:</source>
        <translation>Se omitieron estos archivos porque no son imágenes:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preajuste</translation>
    </message>
    <message>
        <source>Stop the conversion and quit?</source>
        <translation>¿Detener la conversión y salir?</translation>
    </message>
    <message>
        <source>Stop and quit</source>
        <translation>Detener y salir</translation>
    </message>
    <message numerus="yes">
        <source>The list of %n photos is not kept. Do you want to quit?</source>
        <translation>
            <numerusform>La lista de %n foto no se guardará. ¿Desea salir?</numerusform>
            <numerusform>La lista de %n fotos no se guardará. ¿Desea salir?</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>MainDialogHooks</name>
    <message>
        <source>The desktop has no program that opens %1.</source>
        <translation>El escritorio no tiene ningún programa que abra %1.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>Guardar preajuste</translation>
    </message>
    <message>
        <source>Preset &amp;name:</source>
        <translation>&amp;Nombre del preajuste:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualización</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1 occurs error!</source>
        <translation>¡Se produjo un error en %1!</translation>
    </message>
    <message>
        <source>%1 is not a right directory</source>
        <translation>%1 no es una carpeta válida</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Se denegó el acceso a %1.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>No se encontró %1.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contiene una ruta no válida.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>No se pudo abrir %1 porque hay demasiados archivos abiertos.</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Se produjo un error de E/S del hardware al acceder a %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Se produjo una infracción de uso compartido al acceder a %1.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Se produjo un error desconocido al acceder a %1.</translation>
    </message>
    <message>
        <source>Failed file.GetStatus from %1</source>
        <translation>Error en file.GetStatus de %1</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>No se pudieron guardar los ajustes.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>The Program does not launch your web browser to access %1 ,
Please launch your web browser and input the URL manually.</source>
        <translation>El programa no pudo abrir el navegador web para acceder a %1.
Abra el navegador web y escriba la dirección URL manualmente.</translation>
    </message>
    <message>
        <source>The help page %1 is missing.</source>
        <translation>Falta la página de ayuda %1.</translation>
    </message>
    <message>
        <source>%1 %2 is installed.</source>
        <translation>%1 %2 está instalado.</translation>
    </message>
    <message>
        <source>Updates come from your system&apos;s package manager: update %1 there together with your other programs.</source>
        <translation>Las actualizaciones llegan a través del gestor de paquetes del sistema: actualice %1 allí junto con sus demás programas.</translation>
    </message>
    <message>
        <source>This copy was built from source, outside a package, so the package manager does not update it.</source>
        <translation>Esta copia se compiló a partir del código fuente, fuera de un paquete, por lo que el gestor de paquetes no la actualiza.</translation>
    </message>
    <message>
        <source>Newer versions of the source are at %1.</source>
        <translation>Las versiones más recientes del código fuente están en %1.</translation>
    </message>
    <message>
        <source>A packaged %1 gets its updates from your system&apos;s package manager.</source>
        <translation>%1 instalado desde un paquete recibe las actualizaciones del gestor de paquetes del sistema.</translation>
    </message>
    <message>
        <source>Can not get My Documents directory!</source>
        <translation>¡No se puede obtener la carpeta Documentos!</translation>
    </message>
    <message>
        <source>The log file could not be written; its notices are lost.</source>
        <translation>No se pudo escribir el archivo de registro; sus avisos se han perdido.</translation>
    </message>
    <message>
        <source>The watermark could not be read.</source>
        <translation>No se pudo leer la marca de agua.</translation>
    </message>
    <message>
        <source>The stored setting %1 is not used: %2. %3 is used instead.</source>
        <translation>No se usa el ajuste guardado %1: %2. Se usa %3 en su lugar.</translation>
    </message>
</context>
<context>
    <name>OptionTables</name>
    <message>
        <source>Same as the source</source>
        <translation>Igual que el original</translation>
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
        <translation>Tamaño original</translation>
    </message>
    <message>
        <source>Stretch:</source>
        <translation>Estirar:</translation>
    </message>
    <message>
        <source>Fit within Output Width x Output Height</source>
        <translation>Encajar en ancho x alto de salida</translation>
    </message>
    <message>
        <source>Long edge:</source>
        <translation>Lado largo:</translation>
    </message>
    <message>
        <source>Fill Output Width x Output Height, cropped</source>
        <translation>Rellenar ancho x alto de salida, con recorte</translation>
    </message>
    <message>
        <source>Pad to Output Width x Output Height</source>
        <translation>Ajustar con márgenes a ancho x alto de salida</translation>
    </message>
    <message>
        <source>No flip</source>
        <translation>Sin voltear</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>Voltear horizontalmente</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Voltear verticalmente</translation>
    </message>
    <message>
        <source>All but the location</source>
        <translation>Todos menos la ubicación</translation>
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
        <translation>Suave</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Fuerte</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Halved colour resolution below quality 90, full from 90 up.</source>
        <translation>Resolución de color a la mitad por debajo de calidad 90; completa a partir de 90.</translation>
    </message>
    <message>
        <source>Colour at half resolution: smaller files.</source>
        <translation>Color a media resolución: archivos más pequeños.</translation>
    </message>
    <message>
        <source>Colour at full resolution: sharper red edges.</source>
        <translation>Color a resolución completa: bordes rojos más nítidos.</translation>
    </message>
    <message>
        <source>Standard colours</source>
        <translation>Colores estándar</translation>
    </message>
    <message>
        <source>The standard 16 or 256 colours, the same for every photo.</source>
        <translation>Los 16 o 256 colores estándar, los mismos para todas las fotos.</translation>
    </message>
    <message>
        <source>Colours of the photo</source>
        <translation>Colores de la foto</translation>
    </message>
    <message>
        <source>The 16 or 256 colours that best match each photo, found by an octree.</source>
        <translation>Los 16 o 256 colores que mejor se ajustan a cada foto, hallados con un árbol octal (octree).</translation>
    </message>
    <message>
        <source>File date</source>
        <translation>Fecha del archivo</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>Fecha de captura</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source>No outline</source>
        <translation>Sin contorno</translation>
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
        <translation>La vista previa de la propia cámara si alcanza el tamaño de salida; si no, el sensor a la mitad de tamaño si lo alcanza; si no, el sensor completo.</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Vista previa de la cámara</translation>
    </message>
    <message>
        <source>The preview the camera embedded in the file: fastest; a file without one fails.</source>
        <translation>La vista previa que la cámara incrustó en el archivo: lo más rápido; un archivo que no la tenga falla.</translation>
    </message>
    <message>
        <source>Full develop</source>
        <translation>Revelado completo</translation>
    </message>
    <message>
        <source>Always the whole sensor, demosaicked: slowest, the most detail.</source>
        <translation>Siempre el sensor completo, con interpolación cromática (demosaico): lo más lento, con el máximo detalle.</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no camera data kept</comment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no sharpening</comment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Uncompressed; 24-bit colour, or 1, 4 or 8 bits per pixel with a palette (see Pixel format). Carries no camera data.</source>
        <translation>Sin compresión; color de 24 bits, o 1, 4 u 8 bits por píxel con paleta (véase Formato de píxel). No lleva datos de cámara.</translation>
    </message>
    <message>
        <source>EXIF, XMP and a JPEG&apos;s IPTC</source>
        <translation>EXIF, XMP y el IPTC de un JPEG</translation>
    </message>
    <message>
        <source>Photos; smallest files. Quality @QUALITY_RANGE@ (built-in @QUALITY_BUILT_IN@).</source>
        <translation>Fotos; archivos más pequeños. Calidad @QUALITY_RANGE@ (predeterminada @QUALITY_BUILT_IN@).</translation>
    </message>
    <message>
        <source>EXIF and XMP</source>
        <translation>EXIF y XMP</translation>
    </message>
    <message>
        <source>Lossless; transparent areas become white.</source>
        <translation>Sin pérdida; las zonas transparentes quedan blancas.</translation>
    </message>
    <message>
        <source>EXIF, XMP and a TIFF&apos;s IPTC</source>
        <translation>EXIF, XMP y el IPTC de un TIFF</translation>
    </message>
    <message>
        <source>Lossless (LZW compression), for print and archiving.</source>
        <translation>Sin pérdida (compresión LZW), para impresión y archivo.</translation>
    </message>
    <message>
        <source>For the web: smaller than JPG at the same quality. Quality @QUALITY_RANGE@, or Lossless.</source>
        <translation>Para la web: más pequeño que JPG con la misma calidad. Calidad @QUALITY_RANGE@, o Sin pérdida.</translation>
    </message>
    <message>
        <source>AV1 in a HEIF file: the smallest photo files, slower to write. Quality @QUALITY_RANGE@.</source>
        <translation>AV1 en un archivo HEIF: los archivos de foto más pequeños, más lentos de escribir. Calidad @QUALITY_RANGE@.</translation>
    </message>
    <message>
        <source>JPEG&apos;s successor: small files of high fidelity. Quality @QUALITY_RANGE@, or Lossless.</source>
        <translation>El sucesor de JPEG: archivos pequeños de gran fidelidad. Calidad @QUALITY_RANGE@, o Sin pérdida.</translation>
    </message>
    <message>
        <source>@KEPT_SOURCE_FORMATS@ photos keep their format (with that format&apos;s settings and extension); any other photo (GIF, HEIC, ...) becomes @SOURCE_FALLBACK_FORMAT@.</source>
        <translation>Las fotos @KEPT_SOURCE_FORMATS@ conservan su formato (con los ajustes y la extensión de ese formato); cualquier otra foto (GIF, HEIC, ...) pasa a @SOURCE_FALLBACK_FORMAT@.</translation>
    </message>
    <message>
        <source>Keep each photo&apos;s own width and height.</source>
        <translation>Cada foto conserva su propio ancho y alto.</translation>
    </message>
    <message>
        <source>the fixed size</source>
        <translation>el tamaño fijo</translation>
    </message>
    <message>
        <source>The choice beside Output Width: and Output Height:</source>
        <translation>La opción junto a Ancho de salida: y Alto de salida:</translation>
    </message>
    <message>
        <source>A fixed size in pixels. With Keep aspect ratio with width only the width counts and the height follows the photo&apos;s proportions; with Keep aspect ratio with Height only the height counts. Without either box, the photo is scaled to exactly the given width and height.</source>
        <translation>Un tamaño fijo en píxeles. Con Mantener proporción según el ancho solo cuenta el ancho y el alto sigue las proporciones de la foto; con Mantener proporción según el alto solo cuenta el alto. Sin ninguna de las dos casillas, la foto se escala exactamente al ancho y alto indicados.</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Estirar</translation>
    </message>
    <message>
        <source>Stretch: Horizontal: / Vertical:</source>
        <translation>Estirar: Horizontal: / Vertical:</translation>
    </message>
    <message>
        <source>Multiply the photo&apos;s width and height by these factors (from 0.000001 to 1000000; 0.5 halves, 2 doubles). Sizes are cut to whole pixels.</source>
        <translation>Multiplica el ancho y el alto de la foto por estos factores (de 0.000001 a 1000000; 0.5 reduce a la mitad, 2 duplica). Los tamaños se truncan a píxeles enteros.</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Encajar</translation>
    </message>
    <message>
        <source>The largest size with the photo&apos;s proportions that fits in the width and height: never cropped, never distorted. The side that does not fill the box is rounded to whole pixels, but never below 1.</source>
        <translation>El mayor tamaño con las proporciones de la foto que cabe en el ancho y el alto: nunca recortada, nunca deformada. El lado que no llena el recuadro se redondea a píxeles enteros, pero nunca por debajo de 1.</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Lado largo</translation>
    </message>
    <message>
        <source>The photo&apos;s longer side becomes this many pixels, the other follows its proportions (rounded to whole pixels, never below 1). A landscape and a portrait photo of the same camera come out alike.</source>
        <translation>El lado más largo de la foto pasa a tener esos píxeles y el otro sigue sus proporciones (redondeado a píxeles enteros, nunca por debajo de 1). Una foto horizontal y una vertical de la misma cámara salen iguales.</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Rellenar</translation>
    </message>
    <message>
        <source>Exactly the width and height: the photo is scaled until it covers them, and what reaches beyond is cropped. Crop: which part is kept (an edge, a corner, the centre, or Smart: the most interesting part).</source>
        <translation>Exactamente el ancho y el alto: la foto se escala hasta cubrirlos y lo que sobresale se recorta. Recorte: qué parte se conserva (un borde, una esquina, el centro, o Inteligente: la parte más interesante).</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Ajustar con márgenes</translation>
    </message>
    <message>
        <source>Exactly the width and height: the whole photo is fitted inside, never cropped, and the margins take the background colour. Crop: where the photo sits.</source>
        <translation>Exactamente el ancho y el alto: la foto entera se encaja dentro, sin recortes, y los márgenes toman el color de fondo. Recorte: dónde queda la foto.</translation>
    </message>
    <message>
        <source>mirror left to right</source>
        <translation>izquierda y derecha invertidas</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>boca abajo</translation>
    </message>
    <message>
        <source>No camera data: the outputs carry only the resolution (DPI).</source>
        <translation>Sin datos de cámara: las salidas solo llevan la resolución (DPI).</translation>
    </message>
    <message>
        <source>As All, without the GPS position and without the location fields of XMP; the IPTC block, which may name places, is left out too.</source>
        <translation>Como Todos, sin la posición GPS ni los campos de ubicación de XMP; el bloque IPTC, que puede nombrar lugares, también se omite.</translation>
    </message>
    <message>
        <source>EXIF (camera, lens, exposure, date taken, GPS), XMP and IPTC as the photo has them, with the orientation set to upright and the pixel size of the output, and the sRGB colour profile embedded. @CAMERA_DATA_BY_FORMAT@</source>
        <translation>EXIF (cámara, objetivo, exposición, fecha de captura, GPS), XMP e IPTC tal como los tiene la foto, con la orientación enderezada y el tamaño en píxeles de la salida, y el perfil de color sRGB incrustado. @CAMERA_DATA_BY_FORMAT@</translation>
    </message>
    <message>
        <source>The source file&apos;s modification date.</source>
        <translation>La fecha de modificación del archivo de origen.</translation>
    </message>
    <message>
        <source>The date the photo was taken (EXIF DateTimeOriginal, else DateTimeDigitized); the file&apos;s date for a photo that has neither.</source>
        <translation>La fecha en que se tomó la foto (EXIF DateTimeOriginal; si no, DateTimeDigitized); la fecha del archivo para una foto que no tiene ninguna.</translation>
    </message>
    <message>
        <source>At most %1 pixels a side.</source>
        <translation>Como máximo %1 píxeles por lado.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
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
            <numerusform>¿Aplicar estos ajustes también a %n foto de la lista?</numerusform>
            <numerusform>¿Aplicar estos ajustes también a las %n fotos de la lista?</numerusform>
        </translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
</context>
<context>
    <name>OverlayPanel</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
</context>
<context>
    <name>PhotoListModel</name>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Convirtiendo</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Convertida</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitida</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallida</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Sin convertir</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Width * Height</source>
        <translation>Ancho * Alto</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Output Width * Height</source>
        <translation>Ancho * Alto de salida</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Giro</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
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
        <translation>¡Seleccione elementos de la lista!</translation>
    </message>
</context>
<context>
    <name>PhotoSources</name>
    <message>
        <source>Photo Files (%1) (%2)</source>
        <translation>Archivos de fotos (%1) (%2)</translation>
    </message>
    <message>
        <source>Any Files (*.*) (*)</source>
        <translation>Todos los archivos (*.*) (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: not pictures (%1)</source>
        <translation>
            <numerusform>Se omitió %n archivo: no es una imagen (%1)</numerusform>
            <numerusform>Se omitieron %n archivos: no son imágenes (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Select Photo Files...</source>
        <translation>Seleccionar archivos de fotos...</translation>
    </message>
</context>
<context>
    <name>PlacesRow</name>
    <message>
        <source>Name tem&amp;plate:</source>
        <translation>&amp;Plantilla de nombre:</translation>
    </message>
    <message>
        <source>prefix naming</source>
        <translation>nombres con prefijo</translation>
    </message>
    <message>
        <source>Names the outputs instead of the prefix: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera}</source>
        <translation>Da nombre a los archivos de salida en lugar del prefijo: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera}</translation>
    </message>
    <message>
        <source>Where the outputs go</source>
        <translation>Dónde se guardan los archivos de salida</translation>
    </message>
    <message>
        <source>New time-stamped folder</source>
        <translation>Carpeta nueva con fecha y hora</translation>
    </message>
    <message>
        <source>Into the output folder</source>
        <translation>En la carpeta de salida</translation>
    </message>
    <message>
        <source>Next to each photo, in:</source>
        <translation>Junto a cada foto, en:</translation>
    </message>
    <message>
        <source>Folder next to each photo</source>
        <translation>Carpeta junto a cada foto</translation>
    </message>
    <message>
        <source>The file dates, and the presets whose outputs each photo gets, from one decode</source>
        <translation>Las fechas de archivo y los preajustes cuyas salidas recibe cada foto, con una sola decodificación</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>p. ej. %1</translation>
    </message>
    <message>
        <source>Outputs: one per preset ticked</source>
        <translation>Salidas: una por preajuste marcado</translation>
    </message>
    <message>
        <source>No presets saved</source>
        <translation>No hay preajustes guardados</translation>
    </message>
    <message>
        <source>&amp;Write: one output</source>
        <translation>&amp;Generar: una salida</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Write: %n presets</source>
        <translation>
            <numerusform>&amp;Generar: %n preajuste</numerusform>
            <numerusform>&amp;Generar: %n preajustes</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Conservar fechas de archivo</translation>
    </message>
    <message>
        <source>Each output gets its original&apos;s modification date</source>
        <translation>Cada salida recibe la fecha de modificación de su original</translation>
    </message>
</context>
<context>
    <name>PresetPanel</name>
    <message>
        <source>Choose a preset</source>
        <translation>Elija un preajuste</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not applied.</source>
        <translation>No se aplicó el preajuste &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; is not stored any more.</source>
        <translation>El preajuste &quot;%1&quot; ya no está guardado.</translation>
    </message>
    <message>
        <source>A preset name %1.</source>
        <translation>El nombre de un preajuste %1.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; exists. Do you want to replace it?</source>
        <translation>El preajuste &quot;%1&quot; ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be saved.</source>
        <translation>No se pudo guardar el preajuste &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Do you want to delete the preset &quot;%1&quot;?</source>
        <translation>¿Desea eliminar el preajuste &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>No se pudo eliminar el preajuste &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>PresetStore</name>
    <message>
        <source>must not be empty</source>
        <translation>no puede estar vacío</translation>
    </message>
    <message>
        <source>must not contain &apos;/&apos; or &apos;\&apos;</source>
        <translation>no puede contener &apos;/&apos; ni &apos;\&apos;</translation>
    </message>
    <message>
        <source>must not contain control characters</source>
        <translation>no puede contener caracteres de control</translation>
    </message>
    <message>
        <source>the settings file %1 has a line that cannot be read</source>
        <translation>el archivo de ajustes %1 tiene una línea que no se puede leer</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written</source>
        <translation>no se pudo escribir el archivo de ajustes %1</translation>
    </message>
    <message>
        <source>a preset name %1</source>
        <translation>el nombre de un preajuste %1</translation>
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
        <translation>La foto seleccionada tal como se guardará. Haga doble clic o pulse Espacio en la lista para verla más grande.</translation>
    </message>
    <message>
        <source>Before and after: the source photo, or the result</source>
        <translation>Antes y después: la foto original o el resultado</translation>
    </message>
    <message>
        <source>No result: %1</source>
        <translation>Sin resultado: %1</translation>
    </message>
    <message>
        <source>Show result</source>
        <translation>Mostrar resultado</translation>
    </message>
    <message>
        <source>Opening…</source>
        <translation>Abriendo…</translation>
    </message>
    <message>
        <source>The result could not be shown.</source>
        <translation>No se pudo mostrar el resultado.</translation>
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
        <translation>no existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>a loop of symbolic links</source>
        <translation>un bucle de enlaces simbólicos</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>no es una imagen</translation>
    </message>
    <message>
        <source>could not be searched (%1)</source>
        <translation>no se pudo explorar (%1)</translation>
    </message>
    <message>
        <source>standard input could not be read</source>
        <translation>no se pudo leer la entrada estándar</translation>
    </message>
    <message>
        <source>Can not create the directory</source>
        <translation>No se puede crear la carpeta</translation>
    </message>
    <message>
        <source>Not converted: the output file exists</source>
        <translation>Sin convertir: el archivo de salida ya existe</translation>
    </message>
    <message>
        <source>unknown output photo format!</source>
        <translation>¡formato de salida de la foto desconocido!</translation>
    </message>
    <message>
        <source>developed from the camera&apos;s preview</source>
        <translation>revelada a partir de la vista previa de la cámara</translation>
    </message>
    <message>
        <source>developed at half size</source>
        <translation>revelada a mitad de tamaño</translation>
    </message>
    <message>
        <source>developed in full</source>
        <translation>revelada por completo</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>falta el archivo</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>the format is not supported</source>
        <translation>el formato no es compatible</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete</source>
        <translation>el archivo está dañado o incompleto</translation>
    </message>
    <message>
        <source>the log could not be written</source>
        <translation>no se pudo escribir el registro</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>un enlace simbólico, no seguido</translation>
    </message>
    <message>
        <source>a damaged picture</source>
        <translation>una imagen dañada</translation>
    </message>
    <message>
        <source>the imaging library could not start</source>
        <translation>no se pudo iniciar la biblioteca de imágenes</translation>
    </message>
    <message>
        <source>a picture without pixels</source>
        <translation>una imagen sin píxeles</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the value %1 is not a whole number</source>
        <translation>el valor %1 no es un número entero</translation>
    </message>
    <message>
        <source>the value %1 is not between %2 and %3</source>
        <translation>el valor %1 no está entre %2 y %3</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not a whole number</source>
        <translation>el valor &quot;%1&quot; no es un número entero</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not a number</source>
        <translation>el valor &quot;%1&quot; no es un número</translation>
    </message>
    <message>
        <source>the value %1 stands for no choice</source>
        <translation>el valor %1 no corresponde a ninguna opción</translation>
    </message>
    <message>
        <source>the photo has no size</source>
        <translation>la foto no tiene tamaño</translation>
    </message>
    <message>
        <source>the setting %1 could not be saved</source>
        <translation>no se pudo guardar el ajuste %1</translation>
    </message>
    <message>
        <source>the watermark: %1</source>
        <translation>la marca de agua: %1</translation>
    </message>
    <message>
        <source>the output would replace one of the photos being converted</source>
        <translation>la salida reemplazaría una de las fotos que se están convirtiendo</translation>
    </message>
    <message>
        <source>two outputs of %1 would have this name; give each preset its own name, for example with {preset}</source>
        <translation>dos salidas de %1 tendrían este nombre; dé a cada preajuste un nombre propio, por ejemplo con {preset}</translation>
    </message>
    <message>
        <source>the file date could not be set: %1</source>
        <translation>no se pudo fijar la fecha del archivo: %1</translation>
    </message>
    <message>
        <source>the encoder wrote nothing</source>
        <translation>el codificador no escribió nada</translation>
    </message>
    <message>
        <source>the preview file could not be read back</source>
        <translation>no se pudo volver a leer el archivo de vista previa</translation>
    </message>
    <message>
        <source>the output size %1 x %2 cannot be written</source>
        <translation>no se puede escribir el tamaño de salida %1 x %2</translation>
    </message>
    <message>
        <source>the output is larger than %1 stores</source>
        <translation>la salida es mayor de lo que admite %1</translation>
    </message>
    <message>
        <source>the output could not be made</source>
        <translation>no se pudo crear la salida</translation>
    </message>
    <message>
        <source>the output could not be read back</source>
        <translation>no se pudo volver a leer la salida</translation>
    </message>
    <message>
        <source>the value %1 is out of range</source>
        <translation>el valor %1 está fuera del intervalo</translation>
    </message>
    <message>
        <source>the value %1 is not a colour</source>
        <translation>el valor %1 no es un color</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot;</source>
        <translation>la plantilla de nombre «%1»</translation>
    </message>
    <message>
        <source>a &apos;}&apos; without its &apos;{&apos; (write &quot;}}&quot; for a brace)</source>
        <translation>una &apos;}&apos; sin su &apos;{&apos; (escriba &quot;}}&quot; para la llave misma)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not closed by &apos;}&apos;</source>
        <translation>«%1» no se cierra con &apos;}&apos;</translation>
    </message>
    <message>
        <source>unknown token %1</source>
        <translation>marcador desconocido %1</translation>
    </message>
    <message>
        <source>the width in %1 must be a number from 1 to 10</source>
        <translation>el número de cifras en %1 debe ser de 1 a 10</translation>
    </message>
    <message>
        <source>the date format in %1 is empty</source>
        <translation>el formato de fecha en %1 está vacío</translation>
    </message>
    <message>
        <source>unknown date format &quot;%1&quot; in %2</source>
        <translation>formato de fecha desconocido «%1» en %2</translation>
    </message>
    <message>
        <source>the token %1 takes no format</source>
        <translation>el marcador %1 no admite formato</translation>
    </message>
    <message>
        <source>&apos;/&apos; is not allowed in a file name</source>
        <translation>&apos;/&apos; no está permitido en un nombre de archivo</translation>
    </message>
    <message>
        <source>a control character is not allowed in a file name</source>
        <translation>no se permiten caracteres de control en un nombre de archivo</translation>
    </message>
    <message>
        <source>it names nothing but the extension</source>
        <translation>solo contiene la extensión</translation>
    </message>
    <message>
        <source>preset %1: %2</source>
        <translation>preajuste %1: %2</translation>
    </message>
    <message>
        <source>the folder could not be searched</source>
        <translation>no se pudo explorar la carpeta</translation>
    </message>
    <message>
        <source>cannot reach %1 at quality %2 (smallest %3)</source>
        <translation>no se puede llegar a %1 con calidad %2 (archivo más pequeño: %3)</translation>
    </message>
    <message>
        <source>cannot reach %1 losslessly (smallest %2)</source>
        <translation>no se puede llegar a %1 sin pérdida (archivo más pequeño: %2)</translation>
    </message>
    <message>
        <source>cannot reach %1 at quality %2 even at %3 (smallest %4)</source>
        <translation>no se puede llegar a %1 con calidad %2 ni siquiera a %3 (archivo más pequeño: %4)</translation>
    </message>
    <message>
        <source>cannot reach %1 losslessly even at %2 (smallest %3)</source>
        <translation>no se puede llegar a %1 sin pérdida ni siquiera a %2 (archivo más pequeño: %3)</translation>
    </message>
    <message>
        <source>output size %1</source>
        <translation>tamaño de salida %1</translation>
    </message>
    <message>
        <source>an output of %1 pixels is larger than %2 stores (%3 pixels a side)</source>
        <translation>una salida de %1 píxeles es mayor de lo que admite %2 (%3 píxeles por lado)</translation>
    </message>
</context>
<context>
    <name>RunPanel</name>
    <message>
        <source>Do you want to open the output folder?</source>
        <translation>¿Desea abrir la carpeta de salida?</translation>
    </message>
    <message>
        <source>The conversion is done. %1</source>
        <translation>La conversión ha terminado. %1</translation>
    </message>
    <message>
        <source>There is not log file now!</source>
        <translation>¡Todavía no hay archivo de registro!</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Stopped: %1 of %2 converted, %3 not started</source>
        <translation>Detenida: %1 de %2 convertidas, %3 sin empezar</translation>
    </message>
    <message numerus="yes">
        <source>%1 photos were not converted; see the log.</source>
        <translation>
            <numerusform>%1 foto no se convirtió; consulte el registro.</numerusform>
            <numerusform>%1 fotos no se convirtieron; consulte el registro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 photos got a number added to a name another photo has.</source>
        <translation>
            <numerusform>%1 foto recibió un número en el nombre porque otra foto ya lo tenía.</numerusform>
            <numerusform>%1 fotos recibieron un número en el nombre porque otra foto ya lo tenía.</numerusform>
        </translation>
    </message>
    <message>
        <source>Written per preset: %1</source>
        <translation>Generadas por preajuste: %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>queda menos de un minuto</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>queda aprox. %n min</numerusform>
            <numerusform>quedan aprox. %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>queda aprox. %n h</numerusform>
            <numerusform>quedan aprox. %n h</numerusform>
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
        <translation>Convertir el &amp;resto</translation>
    </message>
</context>
<context>
    <name>WatermarkPanel</name>
    <message>
        <source>&amp;Watermark:</source>
        <translation>Marca de &amp;agua:</translation>
    </message>
    <message>
        <source>No picture: type a path or choose a logo</source>
        <translation>Sin imagen: escriba una ruta o elija un logotipo</translation>
    </message>
    <message>
        <source>Lo&amp;go...</source>
        <translation>&amp;Logotipo...</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>O&amp;pacidad:</translation>
    </message>
    <message>
        <source>Margi&amp;n:</source>
        <translation>&amp;Margen:</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Marca de agua</translation>
    </message>
    <message>
        <source>Pictures (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;All files (*)</source>
        <translation>Imágenes (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The watermark could not be read.</source>
        <translation>No se pudo leer la marca de agua.</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>Add photo files to the list</source>
        <translation>Añadir archivos de fotos a la lista</translation>
    </message>
    <message>
        <source>Add every photo in a folder and its subfolders to the list</source>
        <translation>Añadir a la lista todas las fotos de una carpeta y sus subcarpetas</translation>
    </message>
    <message>
        <source>Output settings for photos added from now on</source>
        <translation>Ajustes de salida para las fotos que se añadan a partir de ahora</translation>
    </message>
    <message>
        <source>Convert every photo in the list into a new folder inside the output folder</source>
        <translation>Convertir todas las fotos de la lista en una carpeta nueva dentro de la carpeta de salida</translation>
    </message>
    <message>
        <source>Show the program&apos;s help</source>
        <translation>Mostrar la ayuda del programa</translation>
    </message>
    <message>
        <source>Output settings of the selected photos</source>
        <translation>Ajustes de salida de las fotos seleccionadas</translation>
    </message>
    <message>
        <source>Move the selected photos up the list</source>
        <translation>Subir en la lista las fotos seleccionadas</translation>
    </message>
    <message>
        <source>Move the selected photos down the list</source>
        <translation>Bajar en la lista las fotos seleccionadas</translation>
    </message>
    <message>
        <source>Remove the selected photos from the list</source>
        <translation>Quitar de la lista las fotos seleccionadas</translation>
    </message>
    <message>
        <source>Remove every photo from the list</source>
        <translation>Quitar todas las fotos de la lista</translation>
    </message>
    <message>
        <source>Sort the list by a column</source>
        <translation>Ordenar la lista por una columna</translation>
    </message>
    <message>
        <source>Select every photo in the list</source>
        <translation>Seleccionar todas las fotos de la lista</translation>
    </message>
    <message>
        <source>Choose the folder the converted photos go to</source>
        <translation>Elegir la carpeta donde se guardan las fotos convertidas</translation>
    </message>
    <message>
        <source>Font and colour of the text added to photos</source>
        <translation>Fuente y color del texto añadido a las fotos</translation>
    </message>
    <message>
        <source>Use the settings of the chosen preset</source>
        <translation>Usar los ajustes del preajuste elegido</translation>
    </message>
    <message>
        <source>Keep the current settings as a preset</source>
        <translation>Guardar los ajustes actuales como preajuste</translation>
    </message>
    <message>
        <source>Remove the chosen preset</source>
        <translation>Quitar el preajuste elegido</translation>
    </message>
    <message>
        <source>Open the activity log</source>
        <translation>Abrir el registro de actividad</translation>
    </message>
    <message>
        <source>Which version is installed and where updates come from</source>
        <translation>Qué versión está instalada y de dónde llegan las actualizaciones</translation>
    </message>
    <message>
        <source>The program&apos;s version and licence</source>
        <translation>Versión y licencia del programa</translation>
    </message>
    <message>
        <source>Quit the program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Undo the last change to the list</source>
        <translation>Deshacer el último cambio en la lista</translation>
    </message>
    <message>
        <source>Redo the change just undone</source>
        <translation>Rehacer el cambio que se acaba de deshacer</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
</context>
</TS>
