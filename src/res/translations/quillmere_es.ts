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
