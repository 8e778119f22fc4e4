<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Code source&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CDialogPhotoOptions</name>
    <message>
        <source>Photo Output Options</source>
        <translation>Options de sortie des photos</translation>
    </message>
    <message>
        <source>O&amp;utput Format:</source>
        <translation>Format de so&amp;rtie&#xa0;:</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Taille de sortie</translation>
    </message>
    <message>
        <source>O&amp;riginal size</source>
        <translation>Taille d’&amp;origine</translation>
    </message>
    <message>
        <source>Fixed size</source>
        <translation>Taille fixe</translation>
    </message>
    <message>
        <source>Fixed width and height</source>
        <translation>Largeur et hauteur fixes</translation>
    </message>
    <message>
        <source>Output &amp;Width:</source>
        <translation>&amp;Largeur de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Keep aspect ratio with width</source>
        <translation>&amp;Proportions selon la largeur</translation>
    </message>
    <message>
        <source>Ou&amp;tput Height:</source>
        <translation>&amp;Hauteur de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Keep aspect ratio with &amp;Height</source>
        <translation>Proportions selon la ha&amp;uteur</translation>
    </message>
    <message>
        <source>Str&amp;etch:</source>
        <translation>Ét&amp;irer&#xa0;:</translation>
    </message>
    <message>
        <source>Hori&amp;zontal:</source>
        <translation>Hori&amp;zontal&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Vertical:</source>
        <translation>&amp;Vertical&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Fit within Output Width x Output Height</source>
        <translation>Adap&amp;ter à largeur × hauteur de sortie</translation>
    </message>
    <message>
        <source>Lon&amp;g edge:</source>
        <translation>&amp;Grand côté&#xa0;:</translation>
    </message>
    <message>
        <source>Long edge in pixels</source>
        <translation>Grand côté en pixels</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>Do &amp;not enlarge</source>
        <translation>&amp;Ne pas agrandir</translation>
    </message>
    <message>
        <source>A photo smaller than the chosen size keeps its own size</source>
        <translation>Une photo plus petite que la taille choisie garde sa propre taille</translation>
    </message>
    <message>
        <source>Format settings</source>
        <translation>Réglages du format</translation>
    </message>
    <message>
        <source>Pi&amp;xel format:</source>
        <translation>Format de pi&amp;xel&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Quality Control:</source>
        <translation>&amp;Qualité&#xa0;:</translation>
    </message>
    <message>
        <source>(Min 1, Max 100)</source>
        <translation>(min. 1, max. 100)</translation>
    </message>
    <message>
        <source>&amp;Lossless</source>
        <translation>&amp;Sans perte</translation>
    </message>
    <message>
        <source>Camera &amp;data (EXIF, XMP, IPTC):</source>
        <translation>&amp;Données de l’appareil (EXIF, XMP, IPTC)&#xa0;:</translation>
    </message>
    <message>
        <source>Ca&amp;mera RAW photos:</source>
        <translation>Photos RA&amp;W&#xa0;:</translation>
    </message>
    <message>
        <source>Rotate b&amp;y angle</source>
        <translation>&amp;Angle de rotation</translation>
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
        <translation>Miroir</translation>
    </message>
    <message>
        <source>No flip</source>
        <translation>Aucun miroir</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>Miroir horizontal</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Miroir vertical</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>Couleurs&#xa0;:</translation>
    </message>
    <message>
        <source>(different)</source>
        <translation>(divers)</translation>
    </message>
    <message numerus="yes">
        <source>Settings for %n photos</source>
        <translation>
            <numerusform>Réglages de %n photo</numerusform>
            <numerusform>Réglages de %n photos</numerusform>
        </translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Unknown flip type!</source>
        <translation>Type de miroir inconnu&#xa0;!</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier entre %1 et %2.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Veuillez saisir un nombre.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entre %1 et %2.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erreur</translation>
    </message>
    <message>
        <source>Unknown nOuputSizeType type!</source>
        <translation>Type nOuputSizeType inconnu&#xa0;!</translation>
    </message>
    <message>
        <source>Unknown nKeepAspectRatio type!</source>
        <translation>Type nKeepAspectRatio inconnu&#xa0;!</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>must be one of %1</source>
        <translation>doit être l’une des valeurs %1</translation>
    </message>
    <message>
        <source>must be an integer from %1 to %2</source>
        <translation>doit être un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>must be a number from %1 to %2</source>
        <translation>doit être un nombre de %1 à %2</translation>
    </message>
    <message>
        <source> (default %1)</source>
        <translation> (par défaut %1)</translation>
    </message>
    <message>
        <source>must name a folder</source>
        <translation>doit désigner un dossier</translation>
    </message>
    <message>
        <source>must name a file</source>
        <translation>doit désigner un fichier</translation>
    </message>
    <message>
        <source>must be six hexadecimal digits RRGGBB</source>
        <translation>doit compter six chiffres hexadécimaux RRGGBB</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Text overlay</source>
        <translation>Texte incrusté</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécution</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <source>Scripts and clusters</source>
        <translation>Scripts et clusters</translation>
    </message>
    <message>
        <source>start from the saved preset NAME; options after it override it</source>
        <translation>partir du préréglage enregistré NAME&#xa0;; les options placées après le remplacent</translation>
    </message>
    <message>
        <source>output folder (default: the work folder, Pictures/Quillmere/)</source>
        <translation>dossier de sortie (par défaut&#xa0;: le dossier de travail, Pictures/Quillmere/)</translation>
    </message>
    <message>
        <source>output width for %1</source>
        <translation>largeur de sortie pour %1</translation>
    </message>
    <message>
        <source>output height for %1</source>
        <translation>hauteur de sortie pour %1</translation>
    </message>
    <message>
        <source>the longer side for %1</source>
        <translation>le grand côté pour %1</translation>
    </message>
    <message>
        <source>with %1: a photo smaller than the result keeps its size</source>
        <translation>avec %1&#xa0;: une photo plus petite que le résultat garde sa taille</translation>
    </message>
    <message>
        <source>factors for %1</source>
        <translation>facteurs pour %1</translation>
    </message>
    <message>
        <source>must be two factors H,V from %1</source>
        <translation>doit indiquer deux facteurs H,V de %1</translation>
    </message>
    <message>
        <source>BMP pixel format: %1, or %2</source>
        <translation>format de pixel BMP&#xa0;: %1, ou %2</translation>
    </message>
    <message>
        <source>quality of %1</source>
        <translation>qualité pour %1</translation>
    </message>
    <message>
        <source>lossless %1 (the quality is not used)</source>
        <translation>%1 sans perte (la qualité n’est pas utilisée)</translation>
    </message>
    <message>
        <source>camera data (EXIF, XMP, IPTC) the outputs keep: %1</source>
        <translation>données de l’appareil (EXIF, XMP, IPTC) que gardent les fichiers produits&#xa0;: %1</translation>
    </message>
    <message>
        <source>rename prefix</source>
        <translation>préfixe de renommage</translation>
    </message>
    <message>
        <source>must not contain &apos;/&apos;</source>
        <translation>ne doit pas contenir «&#xa0;/&#xa0;»</translation>
    </message>
    <message>
        <source>keep the source names, change the extension only</source>
        <translation>garder les noms d’origine, ne changer que l’extension</translation>
    </message>
    <message>
        <source>the date in the names: %1 (from EXIF, else the file&apos;s)</source>
        <translation>la date dans les noms&#xa0;: %1 (d’après l’EXIF, sinon celle du fichier)</translation>
    </message>
    <message>
        <source>photos found in a folder keep their path below it inside the run folder</source>
        <translation>les photos trouvées dans un dossier gardent leur chemin sous celui-ci dans le dossier de la conversion</translation>
    </message>
    <message>
        <source>the number of the first photo</source>
        <translation>le numéro de la première photo</translation>
    </message>
    <message>
        <source>digits the numbers are padded to</source>
        <translation>nombre de chiffres des numéros, complétés par des zéros</translation>
    </message>
    <message>
        <source> (default: those of the last number)</source>
        <translation> (par défaut&#xa0;: ceux du dernier numéro)</translation>
    </message>
    <message>
        <source>a line of text drawn on every photo</source>
        <translation>une ligne de texte dessinée sur chaque photo</translation>
    </message>
    <message>
        <source>must be one line, without line breaks</source>
        <translation>doit tenir sur une ligne, sans saut de ligne</translation>
    </message>
    <message>
        <source>its margin in output pixels from the anchor; for top-left, its top-left corner (default 0,0)</source>
        <translation>sa marge en pixels de sortie depuis l’ancrage&#xa0;; pour top-left, son coin supérieur gauche (par défaut 0,0)</translation>
    </message>
    <message>
        <source>font family (default: the sans-serif font)</source>
        <translation>famille de police (par défaut&#xa0;: la police sans empattement)</translation>
    </message>
    <message>
        <source>must be a family name of at most 31 characters</source>
        <translation>doit être un nom de famille de police de 31 caractères au plus</translation>
    </message>
    <message>
        <source>font size in pixels</source>
        <translation>taille de police en pixels</translation>
    </message>
    <message>
        <source>text size as a percentage of the output&apos;s shorter side, in place of --font-px; %1 (default %2: the font&apos;s size)</source>
        <translation>taille du texte en pourcentage du petit côté de la sortie, à la place de --font-px&#xa0;; %1 (par défaut %2&#xa0;: la taille de la police)</translation>
    </message>
    <message>
        <source>bold text</source>
        <translation>texte en gras</translation>
    </message>
    <message>
        <source>italic text</source>
        <translation>texte en italique</translation>
    </message>
    <message>
        <source>underlined text</source>
        <translation>texte souligné</translation>
    </message>
    <message>
        <source>struck-out text</source>
        <translation>texte barré</translation>
    </message>
    <message>
        <source>text colour (default 000000)</source>
        <translation>couleur du texte (par défaut 000000)</translation>
    </message>
    <message>
        <source>text opacity in percent</source>
        <translation>opacité du texte en pour cent</translation>
    </message>
    <message>
        <source>%1 around the text</source>
        <translation>%1 autour du texte</translation>
    </message>
    <message>
        <source>save the settings this command gives as preset NAME (PATHs optional)</source>
        <translation>enregistrer les réglages donnés par cette commande comme préréglage NAME (PATH facultatifs)</translation>
    </message>
    <message>
        <source>print the saved presets&apos; names, one per line</source>
        <translation>afficher les noms des préréglages enregistrés, un par ligne</translation>
    </message>
    <message>
        <source>also convert the paths listed in FILE, one per line (- for standard input)</source>
        <translation>convertir aussi les chemins listés dans FILE, un par ligne (- pour l’entrée standard)</translation>
    </message>
    <message>
        <source>the --files-from entries end with NUL, as find -print0 writes them</source>
        <translation>les entrées de --files-from se terminent par NUL, comme les écrit find -print0</translation>
    </message>
    <message>
        <source>write into DIR (made if missing) instead of a new time-stamped folder</source>
        <translation>écrire dans DIR (créé s’il manque) au lieu d’un nouveau dossier horodaté</translation>
    </message>
    <message>
        <source>write one JSON object per photo, then a summary object, one per line, to FILE</source>
        <translation>écrire dans FILE un objet JSON par photo, puis un objet de synthèse, un par ligne</translation>
    </message>
    <message>
        <source>%1 when an output file exists (default: ask when standard input is a terminal, else no)</source>
        <translation>%1 quand un fichier de sortie existe (par défaut&#xa0;: ask si l’entrée standard est un terminal, sinon no)</translation>
    </message>
    <message>
        <source>photos converted at once</source>
        <translation>photos converties simultanément</translation>
    </message>
    <message>
        <source> (default: one per core)</source>
        <translation> (par défaut&#xa0;: une par cœur)</translation>
    </message>
    <message>
        <source>memory the photos in hand may take, in MiB</source>
        <translation>mémoire que peuvent occuper les photos en cours, en MiB</translation>
    </message>
    <message>
        <source>; a larger photo converts alone (default: half the physical memory, %1 MiB)</source>
        <translation>&#xa0;; une photo plus grande est convertie seule (par défaut&#xa0;: la moitié de la mémoire physique, %1 MiB)</translation>
    </message>
    <message>
        <source>no progress bar and no notices</source>
        <translation>ni barre de progression ni avis</translation>
    </message>
    <message>
        <source>print the values a fixed-set option accepts, one per line</source>
        <translation>afficher les valeurs qu’accepte une option à choix fixes, une par ligne</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>ce texte</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>la version du programme</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>l’option %1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l’option %1 demande une valeur</translation>
    </message>
    <message>
        <source>option %1: &apos;%2&apos; %3</source>
        <translation>option %1&#xa0;: «&#xa0;%2&#xa0;» %3</translation>
    </message>
    <message>
        <source>option --metadata %1 keeps more camera data than preset &apos;%2&apos; (%3)</source>
        <translation>l’option --metadata %1 garde plus de données de l’appareil que le préréglage «&#xa0;%2&#xa0;» (%3)</translation>
    </message>
    <message>
        <source>option %1: preset &apos;%2&apos; is not used: %3</source>
        <translation>option %1&#xa0;: le préréglage «&#xa0;%2&#xa0;» n’est pas utilisé&#xa0;: %3</translation>
    </message>
    <message>
        <source>option %1: no preset &apos;%2&apos; (--list-presets lists them)</source>
        <translation>option %1&#xa0;: aucun préréglage «&#xa0;%2&#xa0;» (--list-presets les liste)</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; keeps camera data %2, not --metadata %3 given before it; give --metadata after --preset</source>
        <translation>le préréglage «&#xa0;%1&#xa0;» garde les données de l’appareil %2, et non --metadata %3 donné avant lui&#xa0;; placez --metadata après --preset</translation>
    </message>
    <message>
        <source>option --beside cannot be given with --into</source>
        <translation>l’option --beside ne peut pas être donnée avec --into</translation>
    </message>
    <message>
        <source>option --null needs --files-from</source>
        <translation>l’option --null demande --files-from</translation>
    </message>
    <message>
        <source>option --overwrite ask cannot be answered while --files-from - reads standard input</source>
        <translation>l’option --overwrite ask ne peut pas recevoir de réponse pendant que --files-from - lit l’entrée standard</translation>
    </message>
    <message>
        <source>no photos given: name at least one file or folder</source>
        <translation>aucune photo donnée&#xa0;: indiquez au moins un fichier ou un dossier</translation>
    </message>
    <message>
        <source>Usage: quillmere-convert [options] PATH...
Converts photos (files, or folders searched with their sub-folders) into a
new time-stamped folder inside the output folder, and prints that folder.
</source>
        <translation>Utilisation&#xa0;: quillmere-convert [options] PATH...
Convertit des photos (fichiers, ou dossiers parcourus avec leurs sous-dossiers)
dans un nouveau dossier horodaté à l’intérieur du dossier de sortie, et affiche
ce dossier.
</translation>
    </message>
    <message>
        <source>Options take their value as the next argument or after &apos;=&apos; (--text-pos=-5,3).
Exit status: 0 every photo converted, 1 some were not, 2 bad arguments.
</source>
        <translation>Les options prennent leur valeur dans l’argument suivant ou après «&#xa0;=&#xa0;»
(--text-pos=-5,3).
Code de sortie&#xa0;: 0 toutes les photos converties, 1 certaines non,
2 arguments incorrects.
</translation>
    </message>
    <message>
        <source>Image watermark</source>
        <translation>Filigrane image</translation>
    </message>
    <message>
        <source>for %1: the part fill keeps, or where pad places the photo: %2 (smart: the most interesting part; pad centres it)</source>
        <translation>pour %1&#xa0;: la partie que fill conserve, ou l’endroit où pad place la photo&#xa0;: %2 (smart&#xa0;: la partie la plus intéressante&#xa0;; pad la centre)</translation>
    </message>
    <message>
        <source>colour of pad&apos;s margins and of transparent areas</source>
        <translation>couleur des marges de pad et des zones transparentes</translation>
    </message>
    <message>
        <source>sharpen a photo that is made smaller, by as much as it is reduced: %1</source>
        <translation>accentuer la netteté d’une photo réduite, d’autant plus qu’elle est réduite&#xa0;: %1</translation>
    </message>
    <message>
        <source>the resolution written into JPG, PNG, TIF and BMP outputs (and WebP and AVIF with camera data)</source>
        <translation>la résolution écrite dans les fichiers JPG, PNG, TIF et BMP produits (et WebP et AVIF avec les données de l’appareil)</translation>
    </message>
    <message>
        <source> (default 0: the source&apos;s)</source>
        <translation> (par défaut 0&#xa0;: celle de l’original)</translation>
    </message>
    <message>
        <source>a picture (PNG, WebP or SVG, transparency kept) drawn on every photo</source>
        <translation>une image (PNG, WebP ou SVG, transparence conservée) dessinée sur chaque photo</translation>
    </message>
    <message>
        <source>its longer side as a percentage of the output&apos;s shorter side</source>
        <translation>son grand côté en pourcentage du petit côté de la sortie</translation>
    </message>
    <message>
        <source>its opacity in percent</source>
        <translation>son opacité en pour cent</translation>
    </message>
    <message>
        <source>its distance from the anchor&apos;s edges as a percentage of the output&apos;s shorter side</source>
        <translation>sa distance aux bords de l’ancrage en pourcentage du petit côté de la sortie</translation>
    </message>
    <message>
        <source>%1: %2, skipped</source>
        <translation>%1&#xa0;: %2, ignoré</translation>
    </message>
    <message>
        <source>%1: %2, failed</source>
        <translation>%1&#xa0;: %2, échec</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; not saved: %2</source>
        <translation>préréglage «&#xa0;%1&#xa0;» non enregistré&#xa0;: %2</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; saved in %2</source>
        <translation>préréglage «&#xa0;%1&#xa0;» enregistré dans %2</translation>
    </message>
    <message>
        <source>option %1 has no fixed set of values</source>
        <translation>l’option %1 n’a pas de liste fixe de valeurs</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>no photos to convert</source>
        <translation>aucune photo à convertir</translation>
    </message>
    <message>
        <source>written per preset: %1</source>
        <translation>fichiers écrits par préréglage&#xa0;: %1</translation>
    </message>
    <message>
        <source>at most SIZE bytes per output file; K and M count 1,000 and 1,000,000, KiB and MiB 1,024 and 1,048,576 (500K, 2MiB; 0: no limit). %1 get the best quality that fits, down to --min-quality, then smaller dimensions; lossless outputs (PNG, TIF, BMP, --lossless) only smaller dimensions</source>
        <translation>au plus SIZE octets par fichier produit&#xa0;; K et M valent 1&#xa0;000 et 1&#xa0;000&#xa0;000, KiB et MiB 1&#xa0;024 et 1&#xa0;048&#xa0;576 (500K, 2MiB&#xa0;; 0&#xa0;: pas de limite). %1 reçoivent la meilleure qualité qui tient, jusqu’à --min-quality, puis des dimensions plus petites&#xa0;; les sorties sans perte (PNG, TIF, BMP, --lossless) seulement des dimensions plus petites</translation>
    </message>
    <message>
        <source>must be a size in bytes such as 500000, 500K or 488KiB, at most 1000000M</source>
        <translation>doit être une taille en octets comme 500000, 500K ou 488KiB, au plus 1000000M</translation>
    </message>
    <message>
        <source>the lowest quality --max-file-size may use, %1 (default %2; never above --quality)</source>
        <translation>la qualité la plus basse que --max-file-size peut utiliser, %1 (par défaut %2&#xa0;; jamais au-dessus de --quality)</translation>
    </message>
    <message>
        <source>with --max-file-size: a photo that does not fit at --min-quality fails instead of being made smaller</source>
        <translation>avec --max-file-size&#xa0;: une photo qui ne tient pas à --min-quality échoue au lieu d’être réduite</translation>
    </message>
    <message>
        <source>colour resolution of JPG and AVIF: %1 (default %2: 420 below quality 90, else 444, which --max-file-size keeps only where the --quality file fits)</source>
        <translation>résolution des couleurs des JPG et AVIF&#xa0;: %1 (par défaut %2&#xa0;: 420 sous la qualité 90, sinon 444, que --max-file-size ne garde que si le fichier à --quality tient)</translation>
    </message>
    <message>
        <source>progressive JPG, shown coarse first while it loads</source>
        <translation>JPG progressif, affiché d’abord grossièrement pendant son chargement</translation>
    </message>
    <message>
        <source>name the outputs by TEMPLATE instead: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera} (&quot;.{ext}&quot; is added when missing)</source>
        <translation>nommer plutôt les fichiers produits d’après TEMPLATE&#xa0;: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera} («&#xa0;.{ext}&#xa0;» est ajouté s’il manque)</translation>
    </message>
    <message>
        <source>is refused: %1</source>
        <translation>est refusé&#xa0;: %1</translation>
    </message>
    <message>
        <source>write each output into the folder DIR next to its original (made if missing) instead of a run folder</source>
        <translation>écrire chaque fichier produit dans le dossier DIR à côté de son original (créé s’il manque) au lieu d’un dossier de conversion</translation>
    </message>
    <message>
        <source>must be a folder name without &apos;/&apos;</source>
        <translation>doit être un nom de dossier sans «&#xa0;/&#xa0;»</translation>
    </message>
    <message>
        <source>give each output its original&apos;s modification time</source>
        <translation>donner à chaque fichier produit la date de modification de son original</translation>
    </message>
    <message>
        <source>write one output per preset of the comma-separated list, each photo decoded once; the names must differ (use {preset} in the template)</source>
        <translation>écrire une sortie par préréglage de la liste séparée par des virgules, chaque photo décodée une seule fois&#xa0;; les noms doivent différer (utilisez {preset} dans le modèle)</translation>
    </message>
    <message>
        <source>must list preset names, separated by commas</source>
        <translation>doit lister des noms de préréglages, séparés par des virgules</translation>
    </message>
    <message>
        <source>how camera RAW photos are developed: auto (the camera&apos;s preview when it covers the output, else half size when that does, else full), preview or full (default %1)</source>
        <translation>mode de développement des photos RAW&#xa0;: auto (l’aperçu de l’appareil s’il couvre la sortie, sinon la demi-taille si elle la couvre, sinon complet), preview ou full (par défaut %1)</translation>
    </message>
    <message>
        <source>colours of 4- and 8-bit BMP: fixed (the standard table) or adaptive (the photo&apos;s own, by an octree) (default %1)</source>
        <translation>couleurs des BMP 4 et 8 bits&#xa0;: fixed (la table standard) ou adaptive (celles de la photo, par un octree) (par défaut %1)</translation>
    </message>
    <message>
        <source>font family &apos;%1&apos; is not installed; the text is drawn in &apos;%2&apos;</source>
        <translation>la famille de police «&#xa0;%1&#xa0;» n’est pas installée&#xa0;; le texte est dessiné en «&#xa0;%2&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <source>stopped: %n photos not started</source>
        <translation>
            <numerusform>arrêt&#xa0;: %n photo non commencée</numerusform>
            <numerusform>arrêt&#xa0;: %n photos non commencées</numerusform>
        </translation>
    </message>
    <message>
        <source>when the run ends, write to FILE in the user&apos;s language how many photos were converted and into which folder, then each photo that was not, with its reason</source>
        <translation>à la fin de la conversion, écrire dans FILE, dans la langue de l’utilisateur, combien de photos ont été converties et dans quel dossier, puis chaque photo qui ne l’a pas été, avec la raison</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a heading of --help</comment>
        <extracomment>A heading of the option list, %1 its name (&quot;Output:&quot;).</extracomment>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>option %1: %2</source>
        <translation>option %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No photo was converted.</source>
        <translation>Aucune photo n’a été convertie.</translation>
    </message>
    <message>
        <source>%1 of %2 photos converted</source>
        <translation>%1 sur %2 photos converties</translation>
    </message>
    <message>
        <source>%1 of %2 photos converted into %3</source>
        <translation>%1 sur %2 photos converties dans %3</translation>
    </message>
    <message>
        <source>y</source>
        <comment>the letter that answers yes in &quot;[y/N]&quot;</comment>
        <translation>o</translation>
    </message>
    <message>
        <source>[yes]</source>
        <translation>[oui]</translation>
    </message>
    <message>
        <source>[no]</source>
        <translation>[non]</translation>
    </message>
    <message>
        <source>[y/N]</source>
        <extracomment>The answers of a question in the terminal: the letter of Yes, and N (the default) for No.</extracomment>
        <translation>[o/N]</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Batch Photo Converter</source>
        <translation>Convertisseur de photos par lots</translation>
    </message>
    <message>
        <source>Resize and convert photos in batches</source>
        <translation>Redimensionner et convertir des photos par lots</translation>
    </message>
    <message>
        <source>Convert with Quillmere…</source>
        <translation>Convertir avec Quillmere…</translation>
    </message>
    <message>
        <source>Open the selected photos in Quillmere</source>
        <translation>Ouvrir les photos sélectionnées dans Quillmere</translation>
    </message>
    <message>
        <source>Convert with a preset…</source>
        <translation>Convertir avec un préréglage…</translation>
    </message>
    <message>
        <source>Quillmere: convert with a preset…</source>
        <translation>Quillmere&#xa0;: convertir avec un préréglage…</translation>
    </message>
    <message>
        <source>Choose one of Quillmere&apos;s saved presets and convert the selected photos with it</source>
        <translation>Choisir l’un des préréglages enregistrés de Quillmere et convertir avec lui les photos sélectionnées</translation>
    </message>
    <message>
        <source>Convert the selection with the preset &quot;%1&quot;</source>
        <extracomment>The tooltip of a file manager&apos;s entry &quot;Quillmere: PRESET&quot;; %1 is the preset&apos;s name.</extracomment>
        <translation>Convertir la sélection avec le préréglage «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Convert with the preset:</source>
        <extracomment>Asked in a small list of the saved presets, before converting the selected photos.</extracomment>
        <translation>Convertir avec le préréglage&#xa0;:</translation>
    </message>
    <message>
        <source>Preset</source>
        <extracomment>The heading of that list&apos;s one column.</extracomment>
        <translation>Préréglage</translation>
    </message>
    <message>
        <source>photo;picture;resize;convert;batch;rename;jpeg;png;tiff;bmp;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ended by &quot;;&quot;.</extracomment>
        <translation>photo;image;redimensionner;convertir;lot;renommer;jpeg;png;tiff;bmp;</translation>
    </message>
</context>
<context>
    <name>DestinationPanel</name>
    <message>
        <source>The preset could not be read.</source>
        <translation>Le préréglage n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>it is no longer stored</source>
        <translation>il n’est plus enregistré</translation>
    </message>
</context>
<context>
    <name>FileSizeLimitRow</name>
    <message>
        <source>L&amp;imit file size to</source>
        <translation>L&amp;imiter la taille du fichier à</translation>
    </message>
    <message>
        <source>Largest file size in KB</source>
        <translation>Taille de fichier maximale en KB</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>The search for a size that fits goes no lower</source>
        <translation>La recherche d’une taille qui convient ne descend pas plus bas</translation>
    </message>
    <message>
        <source>Lo&amp;west quality:</source>
        <translation>Qualité mi&amp;nimale&#xa0;:</translation>
    </message>
    <message>
        <source>Colour &amp;resolution:</source>
        <translation>&amp;Résolution des couleurs&#xa0;:</translation>
    </message>
    <message>
        <source>Pro&amp;gressive</source>
        <translation>Pro&amp;gressif</translation>
    </message>
    <message>
        <source>A JPG shown coarse first while it loads</source>
        <translation>Un JPG affiché d’abord grossièrement pendant son chargement</translation>
    </message>
    <message>
        <source>Please enter a number of KB between 1 and %1.</source>
        <translation>Veuillez saisir un nombre de KB entre 1 et %1.</translation>
    </message>
    <message>
        <source>the best quality that fits, then a smaller size</source>
        <translation>la meilleure qualité qui tient, puis une taille plus petite</translation>
    </message>
    <message>
        <source>lossless: met by a smaller size only</source>
        <translation>sans perte&#xa0;: atteinte uniquement par une taille plus petite</translation>
    </message>
</context>
<context>
    <name>FolderChooser</name>
    <message>
        <source>Choose a folder</source>
        <translation>Choisir un dossier</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police&#xa0;:</translation>
    </message>
    <message>
        <source>St&amp;yle:</source>
        <translation>St&amp;yle&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Height of the characters in pixels of the output photo</source>
        <translation>Hauteur des caractères, en pixels de la photo produite</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Effects:</source>
        <translation>Effets&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Barré</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Choose the text color</source>
        <translation>Choisir la couleur du texte</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>AaBbYyZz 123</source>
        <translation>AaBbYyZz 123</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
</context>
<context>
    <name>FrameControls</name>
    <message>
        <source>Frame and finishing</source>
        <translation>Cadrage et finition</translation>
    </message>
    <message>
        <source>&amp;Aspect:</source>
        <translation>&amp;Proportions&#xa0;:</translation>
    </message>
    <message>
        <source>Cro&amp;p:</source>
        <translation>&amp;Recadrage&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Fond&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Sharpen when reduced:</source>
        <translation>&amp;Netteté après réduction&#xa0;:</translation>
    </message>
    <message>
        <source>As the source</source>
        <translation>Comme l’original</translation>
    </message>
    <message>
        <source> DPI</source>
        <translation> DPI</translation>
    </message>
    <message>
        <source>Res&amp;olution:</source>
        <translation>Rés&amp;olution&#xa0;:</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>1:1 (square)</source>
        <translation>1:1 (carré)</translation>
    </message>
    <message>
        <source>4:5 (portrait post)</source>
        <translation>4:5 (publication portrait)</translation>
    </message>
    <message>
        <source>3:2 (photo print)</source>
        <translation>3:2 (tirage photo)</translation>
    </message>
    <message>
        <source>16:9 (wide screen)</source>
        <translation>16:9 (écran large)</translation>
    </message>
    <message>
        <source>9:16 (story)</source>
        <translation>9:16 (story)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
</context>
<context>
    <name>GatherTask</name>
    <message>
        <source>Reading photos...</source>
        <translation>Lecture des photos...</translation>
    </message>
    <message>
        <source>Searching folders: %1 photo files found in %2 folders</source>
        <translation>Recherche dans les dossiers&#xa0;: %1 fichiers photo trouvés dans %2 dossiers</translation>
    </message>
    <message>
        <source>Reading photos: %1 of %2</source>
        <translation>Lecture des photos&#xa0;: %1 sur %2</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Quillmere — User Guide</source>
        <translation>Quillmere — Guide de l’utilisateur</translation>
    </message>
    <message>
        <source>Quillmere</source>
        <translation>Quillmere</translation>
    </message>
    <message>
        <source>Resize and convert photos in batches.</source>
        <translation>Redimensionner et convertir des photos par lots.</translation>
    </message>
    <message>
        <source>Quillmere takes a list of photos, gives each of them output settings (format, size, pixel format, quality, rotation and flip, and which camera data to keep), optionally writes a line of text on every photo, and converts them all into a new folder of their own with tidy, numbered file names. Your original photos are never changed.</source>
        <translation>Quillmere prend une liste de photos, donne à chacune des réglages de sortie (format, taille, format de pixel, qualité, rotation et miroir, et les données de l’appareil à conserver), écrit si vous le souhaitez une ligne de texte sur chaque photo, puis les convertit toutes dans un nouveau dossier qui leur est réservé, avec des noms de fichiers numérotés et ordonnés. Vos photos originales ne sont jamais modifiées.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#quick&quot;&gt;Quick start&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#quick&quot;&gt;Démarrage rapide&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#gather&quot;&gt;Adding photos&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#gather&quot;&gt;Ajouter des photos&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#list&quot;&gt;The photo list&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#list&quot;&gt;La liste des photos&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#options&quot;&gt;Output options&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#options&quot;&gt;Options de sortie&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#output&quot;&gt;Output folder and file names&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#output&quot;&gt;Dossier de sortie et noms de fichiers&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#text&quot;&gt;Text on the photos&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#text&quot;&gt;Texte sur les photos&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#presets&quot;&gt;Presets&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#presets&quot;&gt;Préréglages&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#convert&quot;&gt;Converting&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#convert&quot;&gt;Conversion&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#formats&quot;&gt;Formats&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#formats&quot;&gt;Formats&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#window&quot;&gt;All controls of the main window&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#window&quot;&gt;Toutes les commandes de la fenêtre principale&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#cli&quot;&gt;The command line: quillmere-convert&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#cli&quot;&gt;La ligne de commande&#xa0;: quillmere-convert&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#settings&quot;&gt;What Quillmere remembers&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#settings&quot;&gt;Ce que Quillmere mémorise&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Quick start</source>
        <translation>Démarrage rapide</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Add Photos&lt;/b&gt; and pick some photos (or drop them onto the window).</source>
        <translation>Cliquez sur &lt;b&gt;Ajouter des photos&lt;/b&gt; et choisissez des photos (ou déposez-les sur la fenêtre).</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Options&lt;/b&gt; to choose the output format and size. The built-in setting makes @BUILT_IN_FORMAT@ files of quality @QUALITY_BUILT_IN@, @BUILT_IN_WIDTH@ pixels wide, with the height that keeps each photo&apos;s proportions.</source>
        <translation>Cliquez sur &lt;b&gt;Options&lt;/b&gt; pour choisir le format et la taille de sortie. Le réglage intégré produit des fichiers @BUILT_IN_FORMAT@ de qualité @QUALITY_BUILT_IN@, larges de @BUILT_IN_WIDTH@ pixels, avec la hauteur qui conserve les proportions de chaque photo.</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;Output Folder&lt;/b&gt;; the first time it is the folder &lt;code&gt;Quillmere&lt;/code&gt; in your Pictures folder.</source>
        <translation>Vérifiez le &lt;b&gt;Dossier de sortie&lt;/b&gt;&#xa0;; la première fois, c’est le dossier &lt;code&gt;Quillmere&lt;/code&gt; de votre dossier Images.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Convert&lt;/b&gt;. When the run is done, Quillmere offers to open the folder with the results.</source>
        <translation>Cliquez sur &lt;b&gt;Convertir&lt;/b&gt;. Une fois la conversion terminée, Quillmere propose d’ouvrir le dossier des résultats.</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>Ajouter des photos</translation>
    </message>
    <message>
        <source>There are three ways to put photos into the list. New photos are added at the end of the list and get the current default output settings (see &lt;a href=&quot;#options&quot;&gt;Options&lt;/a&gt;).</source>
        <translation>Il y a trois façons de mettre des photos dans la liste. Les nouvelles photos s’ajoutent en fin de liste et reçoivent les réglages de sortie par défaut en vigueur (voir &lt;a href=&quot;#options&quot;&gt;Options&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Photos&lt;/b&gt; opens a file dialog in which you can select several files at once. It opens in the folder you last added photos from.</source>
        <translation>&lt;b&gt;Ajouter des photos&lt;/b&gt; ouvre une boîte de dialogue de fichiers dans laquelle vous pouvez sélectionner plusieurs fichiers à la fois. Elle s’ouvre dans le dossier d’où vous avez ajouté des photos la dernière fois.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Drag and drop&lt;/b&gt;: drop files and folders from your file manager onto the window. Files are added in the order dropped; a folder is searched as &lt;b&gt;Search photos&lt;/b&gt; does. Opening photos or folders with Quillmere from a file manager (or &lt;code&gt;quillmere FILE|FOLDER...&lt;/code&gt;) adds them the same way.</source>
        <translation>&lt;b&gt;Glisser-déposer&lt;/b&gt;&#xa0;: déposez des fichiers et des dossiers depuis votre gestionnaire de fichiers sur la fenêtre. Les fichiers sont ajoutés dans l’ordre du dépôt&#xa0;; un dossier est parcouru comme le fait &lt;b&gt;Rechercher des photos&lt;/b&gt;. Ouvrir des photos ou des dossiers avec Quillmere depuis un gestionnaire de fichiers (ou &lt;code&gt;quillmere FILE|FOLDER...&lt;/code&gt;) les ajoute de la même façon.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search photos&lt;/b&gt; asks for a folder and adds every photo found in it and in all its sub-folders, folder by folder. Files with the extensions @PHOTO_EXTENSIONS@ are considered (in any letter case).</source>
        <translation>&lt;b&gt;Rechercher des photos&lt;/b&gt; demande un dossier et ajoute toutes les photos trouvées dans ce dossier et dans tous ses sous-dossiers, dossier par dossier. Les fichiers portant les extensions @PHOTO_EXTENSIONS@ sont pris en compte (en majuscules comme en minuscules).</translation>
    </message>
    <message>
        <source>Files that are not pictures, or cannot be read, are left out silently. A name with several dots, such as &lt;code&gt;IMG 2009.05.17.jpg&lt;/code&gt; or &lt;code&gt;trip.day1.HEIC&lt;/code&gt;, counts by its last extension. Photos taken with the camera turned are shown and converted upright. Phone photos (HEIC and HEIF) are read as they are.</source>
        <translation>Les fichiers qui ne sont pas des images, ou qui ne peuvent pas être lus, sont écartés sans message. Un nom à plusieurs points, comme &lt;code&gt;IMG 2009.05.17.jpg&lt;/code&gt; ou &lt;code&gt;trip.day1.HEIC&lt;/code&gt;, compte par sa dernière extension. Les photos prises avec l’appareil tourné sont affichées et converties à l’endroit. Les photos de téléphone (HEIC et HEIF) sont lues telles quelles.</translation>
    </message>
    <message>
        <source>From the file manager</source>
        <translation>Depuis le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Right-click photos or folders in the file manager. &lt;b&gt;Convert with Quillmere…&lt;/b&gt; opens this window with them; each saved preset has an entry of its own, &lt;b&gt;Quillmere: &lt;i&gt;preset&lt;/i&gt;&lt;/b&gt; (in Nemo and Dolphin, &lt;b&gt;convert with a preset…&lt;/b&gt; asks which), which converts the selection at once with that preset into the output folder you chose here, in a new time-stamped folder, and ends with a desktop notification naming that folder and any photo that failed. Presets you save later appear without reinstalling anything.</source>
        <translation>Faites un clic droit sur des photos ou des dossiers dans le gestionnaire de fichiers. &lt;b&gt;Convertir avec Quillmere…&lt;/b&gt; ouvre cette fenêtre avec eux&#xa0;; chaque préréglage enregistré a sa propre entrée, &lt;b&gt;Quillmere: &lt;i&gt;préréglage&lt;/i&gt;&lt;/b&gt; (dans Nemo et Dolphin, &lt;b&gt;convertir avec un préréglage…&lt;/b&gt; demande lequel), qui convertit aussitôt la sélection avec ce préréglage dans le dossier de sortie choisi ici, dans un nouveau dossier horodaté, puis affiche une notification du bureau qui indique ce dossier et les photos en échec. Les préréglages enregistrés plus tard apparaissent sans rien réinstaller.</translation>
    </message>
    <message>
        <source>&lt;b&gt;GNOME Files&lt;/b&gt; shows the entries when the package &lt;code&gt;python3-nautilus&lt;/code&gt; is installed (then restart it: &lt;code&gt;nautilus -q&lt;/code&gt;).</source>
        <translation>&lt;b&gt;Fichiers&lt;/b&gt; (GNOME) affiche ces entrées lorsque le paquet &lt;code&gt;python3-nautilus&lt;/code&gt; est installé (redémarrez-le ensuite&#xa0;: &lt;code&gt;nautilus -q&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Nemo&lt;/b&gt; (Cinnamon) and &lt;b&gt;Dolphin&lt;/b&gt; (KDE) show them at once.</source>
        <translation>&lt;b&gt;Nemo&lt;/b&gt; (Cinnamon) et &lt;b&gt;Dolphin&lt;/b&gt; (KDE) les affichent immédiatement.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Thunar&lt;/b&gt; (Xfce) keeps custom actions in each user&apos;s own settings: in Thunar choose &lt;b&gt;Edit → Configure custom actions…&lt;/b&gt;, add an action named &lt;i&gt;Quillmere: Web 2048&lt;/i&gt; with the command &lt;code&gt;/usr/libexec/quillmere/quillmere-file-action convert &apos;Web 2048&apos; %F&lt;/code&gt; (the name of your preset in quotes), and under &lt;b&gt;Appearance Conditions&lt;/b&gt; tick &lt;b&gt;Image Files&lt;/b&gt; and &lt;b&gt;Directories&lt;/b&gt;. An action with the command &lt;code&gt;quillmere %F&lt;/code&gt; opens the window instead.</source>
        <translation>&lt;b&gt;Thunar&lt;/b&gt; (Xfce) garde les actions personnalisées dans les réglages propres à chaque utilisateur&#xa0;: dans Thunar, choisissez &lt;b&gt;Modifier → Configurer les actions personnalisées…&lt;/b&gt;, ajoutez une action nommée &lt;i&gt;Quillmere: Web 2048&lt;/i&gt; avec la commande &lt;code&gt;/usr/libexec/quillmere/quillmere-file-action convert &apos;Web 2048&apos; %F&lt;/code&gt; (le nom de votre préréglage entre guillemets simples), puis, dans &lt;b&gt;Conditions d’apparition&lt;/b&gt;, cochez &lt;b&gt;Fichiers image&lt;/b&gt; et &lt;b&gt;Répertoires&lt;/b&gt;. Une action dont la commande est &lt;code&gt;quillmere %F&lt;/code&gt; ouvre plutôt la fenêtre.</translation>
    </message>
    <message>
        <source>The photo list</source>
        <translation>La liste des photos</translation>
    </message>
    <message>
        <source>Each row shows one photo: &lt;b&gt;File name&lt;/b&gt;, its size (&lt;b&gt;Width * Height&lt;/b&gt;), the file&apos;s modification &lt;b&gt;Time&lt;/b&gt;, the size it will be converted to (&lt;b&gt;Output Width * Height&lt;/b&gt;) and its &lt;b&gt;Rotate&lt;/b&gt; angle, and its &lt;b&gt;Status&lt;/b&gt; in the last run: waiting, converting, converted, skipped or failed (rest the pointer on it for the reason). Rest the pointer on a name for the full path. The list order is the conversion order and so the numbering order of the new files. The same file may be in the list more than once. &lt;b&gt;Total Photos:&lt;/b&gt; above the list counts the photos.</source>
        <translation>Chaque ligne présente une photo&#xa0;: &lt;b&gt;Nom du fichier&lt;/b&gt;, sa taille (&lt;b&gt;Largeur * Hauteur&lt;/b&gt;), la &lt;b&gt;Date&lt;/b&gt; de modification du fichier, la taille après conversion (&lt;b&gt;Largeur * Hauteur de sortie&lt;/b&gt;), son angle de &lt;b&gt;Rotation&lt;/b&gt; et son &lt;b&gt;État&lt;/b&gt; lors de la dernière conversion&#xa0;: en attente, conversion en cours, convertie, ignorée ou échec (laissez le pointeur dessus pour en voir la raison). Laissez le pointeur sur un nom pour voir le chemin complet. L’ordre de la liste est l’ordre de conversion, et donc celui de la numérotation des nouveaux fichiers. Un même fichier peut figurer plusieurs fois dans la liste. Au-dessus de la liste, &lt;b&gt;Nombre de photos&#xa0;:&lt;/b&gt; indique combien elle en contient.</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Click a row</source>
        <translation>Cliquer sur une ligne</translation>
    </message>
    <message>
        <source>Shows the photo in the preview frame, whole and in its own proportions.</source>
        <translation>Affiche la photo dans le cadre d’aperçu, entière et dans ses propres proportions.</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;File name&lt;/b&gt; or &lt;b&gt;Time&lt;/b&gt; heading</source>
        <translation>Cliquer sur l’en-tête &lt;b&gt;Nom du fichier&lt;/b&gt; ou &lt;b&gt;Date&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Sorts the list by that column; click again to reverse the order.</source>
        <translation>Trie la liste selon cette colonne&#xa0;; cliquez à nouveau pour inverser l’ordre.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt; (or double-click / right-click a row)</source>
        <translation>&lt;b&gt;Modifier&lt;/b&gt; (ou double-clic / clic droit sur une ligne)</translation>
    </message>
    <message>
        <source>Opens the output options for each selected photo in turn, so that single photos can get settings of their own.</source>
        <translation>Ouvre tour à tour les options de sortie de chaque photo sélectionnée, pour donner à certaines photos leurs propres réglages.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Up&lt;/b&gt; / &lt;b&gt;Down&lt;/b&gt;</source>
        <translation>&lt;b&gt;Vers le haut&lt;/b&gt; / &lt;b&gt;Vers le bas&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Move the selected photos one place up or down.</source>
        <translation>Déplace les photos sélectionnées d’une place vers le haut ou vers le bas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Delete&lt;/b&gt; (&lt;kbd&gt;Del&lt;/kbd&gt;)</source>
        <translation>&lt;b&gt;Supprimer&lt;/b&gt; (&lt;kbd&gt;Suppr&lt;/kbd&gt;)</translation>
    </message>
    <message>
        <source>Removes the selected photos from the list (the files stay on disk).</source>
        <translation>Retire les photos sélectionnées de la liste (les fichiers restent sur le disque).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear&lt;/b&gt;</source>
        <translation>&lt;b&gt;Vider&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Empties the list.</source>
        <translation>Vide la liste.</translation>
    </message>
    <message>
        <source>Convert, Edit, Up, Down, Delete and Clear are available as soon as the list holds a photo. &lt;kbd&gt;Ctrl+A&lt;/kbd&gt; selects every photo. Every button has an &lt;kbd&gt;Alt&lt;/kbd&gt; letter (the underlined one); &lt;kbd&gt;Ctrl+O&lt;/kbd&gt; is Add Photos, &lt;kbd&gt;Ctrl+F&lt;/kbd&gt; Search photos and &lt;kbd&gt;Ctrl+Return&lt;/kbd&gt; Convert.</source>
        <translation>Convertir, Modifier, Vers le haut, Vers le bas, Supprimer et Vider sont disponibles dès que la liste contient une photo. &lt;kbd&gt;Ctrl+A&lt;/kbd&gt; sélectionne toutes les photos. Chaque bouton a une lettre &lt;kbd&gt;Alt&lt;/kbd&gt; (celle qui est soulignée)&#xa0;; &lt;kbd&gt;Ctrl+O&lt;/kbd&gt; correspond à Ajouter des photos, &lt;kbd&gt;Ctrl+F&lt;/kbd&gt; à Rechercher des photos et &lt;kbd&gt;Ctrl+Entrée&lt;/kbd&gt; à Convertir.</translation>
    </message>
    <message>
        <source>Output options</source>
        <translation>Options de sortie</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt; edits the default settings that photos added from now on receive. After you confirm it with photos in the list, Quillmere asks whether all photos in the list should get the new settings as well. &lt;b&gt;Edit&lt;/b&gt; opens the same dialog for the selected photos only.</source>
        <translation>&lt;b&gt;Options&lt;/b&gt; modifie les réglages par défaut que recevront les photos ajoutées désormais. Si vous validez alors que la liste contient des photos, Quillmere demande si toutes les photos de la liste doivent elles aussi recevoir les nouveaux réglages. &lt;b&gt;Modifier&lt;/b&gt; ouvre la même boîte de dialogue pour les seules photos sélectionnées.</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Signification</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Format:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Format de sortie&#xa0;:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>@OUTPUT_FORMAT_LIST@ (see &lt;a href=&quot;#formats&quot;&gt;Formats&lt;/a&gt;).</source>
        <translation>@OUTPUT_FORMAT_LIST@ (voir &lt;a href=&quot;#formats&quot;&gt;Formats&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pixel format:&lt;/b&gt; (@PIXEL_FORMAT_FORMATS@ only)</source>
        <translation>&lt;b&gt;Format de pixel&#xa0;:&lt;/b&gt; (@PIXEL_FORMAT_FORMATS@ uniquement)</translation>
    </message>
    <message>
        <source>The colour depth of the BMP file: 1, 4 or 8 bits indexed (2, 16 or 256 colours, made with error diffusion), or one of the direct-colour formats. The text below the list describes the choice. &lt;b&gt;Colours:&lt;/b&gt; for 4 and 8 bits, the standard 16 or 256 colours, or the colours of the photo (the 16 or 256 that best match each photo).</source>
        <translation>La profondeur de couleur du fichier BMP&#xa0;: 1, 4 ou 8 bits indexés (2, 16 ou 256 couleurs, obtenues par diffusion d’erreur), ou l’un des formats en couleurs directes. Le texte sous la liste décrit le choix. &lt;b&gt;Couleurs&#xa0;:&lt;/b&gt; pour 4 et 8 bits, les 16 ou 256 couleurs standard, ou les couleurs de la photo (les 16 ou 256 les plus fidèles à chaque photo).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Do not enlarge&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ne pas agrandir&lt;/b&gt;</translation>
    </message>
    <message>
        <source>With @NO_ENLARGE_RULES@: a photo smaller than the chosen size keeps its own size (no side grows), so a 100*66 picture is not blown up to 1024*675.</source>
        <translation>Avec @NO_ENLARGE_RULES@&#xa0;: une photo plus petite que la taille choisie garde sa propre taille (aucun côté ne grandit)&#xa0;; une image de 100*66 n’est donc pas gonflée à 1024*675.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quality Control:&lt;/b&gt; (@QUALITY_FORMATS@)</source>
        <translation>&lt;b&gt;Qualité&#xa0;:&lt;/b&gt; (@QUALITY_FORMATS@)</translation>
    </message>
    <message>
        <source>Quality from @QUALITY_MIN@ (smallest file) to @QUALITY_MAX@ (best picture), for every format that loses detail to save space. The quality you confirm last is remembered and shown every time the dialog opens.</source>
        <translation>Qualité de @QUALITY_MIN@ (fichier le plus petit) à @QUALITY_MAX@ (meilleure image), pour tout format qui sacrifie des détails pour gagner de la place. La dernière qualité validée est mémorisée et affichée à chaque ouverture de la boîte de dialogue.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lossless&lt;/b&gt; (@LOSSLESS_FORMATS@)</source>
        <translation>&lt;b&gt;Sans perte&lt;/b&gt; (@LOSSLESS_FORMATS@)</translation>
    </message>
    <message>
        <source>Keeps every pixel exactly; the quality is then not used and the files are larger.</source>
        <translation>Conserve chaque pixel à l’identique&#xa0;; la qualité n’est alors pas utilisée et les fichiers sont plus gros.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Limit file size to … KB&lt;/b&gt;</source>
        <translation>&lt;b&gt;Limiter la taille du fichier à … KB&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Every output file at most this many KB (1 KB = 1,000 bytes), camera data included, for upload forms and mail limits. @QUALITY_FORMATS@ files get the best quality that fits, found in a few trial encodes and never above the quality set; where even quality 30 does not fit, the picture is made smaller until it does. Lossless files (PNG, TIF, BMP, Lossless) can only be made smaller. A photo that already fits, in the same format and size with all its camera data, is copied unchanged. The command line adds &lt;code&gt;--min-quality&lt;/code&gt;, &lt;code&gt;--no-shrink-to-fit&lt;/code&gt;, &lt;code&gt;--chroma&lt;/code&gt; and &lt;code&gt;--progressive&lt;/code&gt;.</source>
        <translation>Chaque fichier produit pèse au plus ce nombre de KB (1 KB = 1&#xa0;000 octets), données de l’appareil comprises, pour respecter les formulaires d’envoi et les limites des messageries. Les fichiers @QUALITY_FORMATS@ reçoivent la meilleure qualité qui tient, trouvée en quelques encodages d’essai et jamais supérieure à la qualité réglée&#xa0;; si même la qualité 30 ne tient pas, l’image est réduite jusqu’à ce qu’elle tienne. Les fichiers sans perte (PNG, TIF, BMP, Sans perte) ne peuvent qu’être réduits. Une photo qui tient déjà, dans le même format et à la même taille avec toutes ses données de l’appareil, est copiée telle quelle. La ligne de commande ajoute &lt;code&gt;--min-quality&lt;/code&gt;, &lt;code&gt;--no-shrink-to-fit&lt;/code&gt;, &lt;code&gt;--chroma&lt;/code&gt; et &lt;code&gt;--progressive&lt;/code&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Camera data (EXIF, XMP, IPTC):&lt;/b&gt;</source>
        <translation>&lt;b&gt;Données de l’appareil (EXIF, XMP, IPTC)&#xa0;:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>What the outputs keep of the data the camera or phone stored with the photo (not for @FORMATS_WITHOUT_CAMERA_DATA@):</source>
        <translation>Ce que les fichiers produits conservent des données que l’appareil photo ou le téléphone a enregistrées avec la photo (sauf pour @FORMATS_WITHOUT_CAMERA_DATA@)&#xa0;:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Camera RAW photos:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Photos RAW&#xa0;:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>How camera RAW files (recognised by their content) are developed, always with the camera&apos;s white balance and no automatic brightening, so that the photos of one shoot match:</source>
        <translation>Comment les fichiers RAW (reconnus à leur contenu) sont développés, toujours avec la balance des blancs de l’appareil et sans éclaircissement automatique, pour que les photos d’une même séance restent homogènes&#xa0;:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Rotate by angle&lt;/b&gt;</source>
        <translation>&lt;b&gt;Angle de rotation&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Turn the result by @ROTATION_CHOICES@ degrees clockwise.</source>
        <translation>Fait pivoter le résultat de @ROTATION_CHOICES@ degrés dans le sens des aiguilles d’une montre.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Flip&lt;/b&gt;</source>
        <translation>&lt;b&gt;Miroir&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aspect:&lt;/b&gt; (Fill and Pad)</source>
        <translation>&lt;b&gt;Proportions&#xa0;:&lt;/b&gt; (Remplir et Inscrire)</translation>
    </message>
    <message>
        <source>1:1, 4:5, 3:2, 16:9 or 9:16 fills in the height from the width you type (1080 wide at 4:5 gives 1350); &lt;i&gt;Custom&lt;/i&gt; keeps the height you type.</source>
        <translation>1:1, 4:5, 3:2, 16:9 ou 9:16 calcule la hauteur à partir de la largeur saisie (1080 de large en 4:5 donne 1350)&#xa0;; &lt;i&gt;Personnalisé&lt;/i&gt; garde la hauteur que vous saisissez.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Crop:&lt;/b&gt; (Fill and Pad)</source>
        <translation>&lt;b&gt;Recadrage&#xa0;:&lt;/b&gt; (Remplir et Inscrire)</translation>
    </message>
    <message>
        <source>Which part of the photo Fill keeps (an edge, a corner, the centre, or &lt;i&gt;Smart&lt;/i&gt;: the part with the most detail, skin tones and colour), or where Pad places the photo.</source>
        <translation>La partie de la photo que Remplir conserve (un bord, un coin, le centre, ou &lt;i&gt;Intelligent&lt;/i&gt;&#xa0;: la partie la plus riche en détails, en tons chair et en couleurs), ou l’endroit où Inscrire place la photo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Background:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Fond&#xa0;:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The colour of Pad&apos;s margins and of transparent areas of the photos (white unless you choose another).</source>
        <translation>La couleur des marges d’Inscrire et des zones transparentes des photos (blanc, sauf si vous en choisissez une autre).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sharpen when reduced:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Netteté après réduction&#xa0;:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>A mild sharpening of the photo&apos;s lightness after it was made smaller, the more the more it was reduced (up to half its size); a photo that is not reduced is never sharpened.</source>
        <translation>Une légère accentuation de la netteté, appliquée à la luminance de la photo après sa réduction, d’autant plus forte que la réduction est importante (jusqu’à la moitié de la taille)&#xa0;; une photo qui n’est pas réduite n’est jamais accentuée.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Resolution:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Résolution&#xa0;:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The DPI written into JPG, PNG, TIF and BMP files (WebP and AVIF with camera data); &lt;i&gt;As the source&lt;/i&gt; keeps the photo&apos;s own.</source>
        <translation>La résolution (DPI) écrite dans les fichiers JPG, PNG, TIF et BMP (WebP et AVIF avec les données de l’appareil)&#xa0;; &lt;i&gt;Comme l’original&lt;/i&gt; conserve celle de la photo.</translation>
    </message>
    <message>
        <source>Photos are turned upright (from the orientation the camera recorded) before any size rule is applied, so a portrait photo&apos;s width is its short side. Sizes are whole pixels: the fixed size and Stretch cut them, the other rules round to the nearest pixel.</source>
        <translation>Les photos sont redressées (selon l’orientation enregistrée par l’appareil) avant l’application de toute règle de taille&#xa0;; la largeur d’une photo en portrait est donc son petit côté. Les tailles sont des pixels entiers&#xa0;: la taille fixe et Étirer les tronquent, les autres règles les arrondissent au pixel le plus proche.</translation>
    </message>
    <message>
        <source>The dialog shows only what matters for the chosen format and size rule. When you press OK, every number is checked, including those of hidden or unavailable fields: a message names what is wrong, the field gets the focus and the dialog stays open.</source>
        <translation>La boîte de dialogue n’affiche que ce qui compte pour le format et la règle de taille choisis. Lorsque vous cliquez sur OK, chaque nombre est vérifié, y compris ceux des champs masqués ou indisponibles&#xa0;: un message indique ce qui ne va pas, le champ reçoit le focus et la boîte de dialogue reste ouverte.</translation>
    </message>
    <message>
        <source>Output folder and file names</source>
        <translation>Dossier de sortie et noms de fichiers</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Folder:&lt;/b&gt; is where the results go; type a folder or choose one with &lt;b&gt;Browse&lt;/b&gt;. On the first start it is the folder &lt;code&gt;Quillmere&lt;/code&gt; inside your Pictures folder, which Quillmere creates for you. The folder you used last is remembered.</source>
        <translation>&lt;b&gt;Dossier de sortie&#xa0;:&lt;/b&gt; indique où vont les résultats&#xa0;; saisissez un dossier ou choisissez-en un avec &lt;b&gt;Parcourir&lt;/b&gt;. Au premier lancement, c’est le dossier &lt;code&gt;Quillmere&lt;/code&gt; de votre dossier Images, que Quillmere crée pour vous. Le dernier dossier utilisé est mémorisé.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The run folder.&lt;/b&gt; Every conversion makes a new folder inside the output folder, named after the moment it started as &lt;code&gt;year.month.day.hour.minute.second&lt;/code&gt;, for example &lt;code&gt;2026.05.17.14.05.09&lt;/code&gt;. Earlier results are therefore never overwritten.</source>
        <translation>&lt;b&gt;Le dossier de la conversion.&lt;/b&gt; Chaque conversion crée un nouveau dossier dans le dossier de sortie, nommé d’après l’instant où elle a commencé sous la forme &lt;code&gt;year.month.day.hour.minute.second&lt;/code&gt; (année, mois, jour, heure, minute, seconde), par exemple &lt;code&gt;2026.05.17.14.05.09&lt;/code&gt;. Les résultats précédents ne sont donc jamais écrasés.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The naming rule.&lt;/b&gt; With &lt;b&gt;Batch rename prefix:&lt;/b&gt; (default &lt;code&gt;output.photo&lt;/code&gt;) each file is named</source>
        <translation>&lt;b&gt;La règle de nommage.&lt;/b&gt; Avec &lt;b&gt;Préfixe de renommage&#xa0;:&lt;/b&gt; (par défaut &lt;code&gt;output.photo&lt;/code&gt;), chaque fichier est nommé</translation>
    </message>
    <message>
        <source>where the number is the photo&apos;s place in the list, padded with zeros to the width of the photo count (&lt;code&gt;1&lt;/code&gt;–&lt;code&gt;9&lt;/code&gt; for up to 9 photos, &lt;code&gt;01&lt;/code&gt;–&lt;code&gt;12&lt;/code&gt; for 12, &lt;code&gt;001&lt;/code&gt; for 100 or more), and the date is the one chosen in the list beside the prefix:</source>
        <translation>où le numéro (number) est la place de la photo dans la liste, complété par des zéros à gauche jusqu’à la largeur du nombre de photos (&lt;code&gt;1&lt;/code&gt;–&lt;code&gt;9&lt;/code&gt; jusqu’à 9 photos, &lt;code&gt;01&lt;/code&gt;–&lt;code&gt;12&lt;/code&gt; pour 12, &lt;code&gt;001&lt;/code&gt; pour 100 ou plus), et la date est celle choisie dans la liste à côté du préfixe&#xa0;:</translation>
    </message>
    <message>
        <source>Example: prefix &lt;code&gt;trip&lt;/code&gt;, 12 photos, the third taken (or, with File date, modified) on 17 May 2009 gives &lt;code&gt;trip.03.2009.05.17.jpg&lt;/code&gt;. Photos copied from a camera card get the copy&apos;s day as their file date; choose Date taken to name them after the day they were taken.</source>
        <translation>Exemple&#xa0;: préfixe &lt;code&gt;trip&lt;/code&gt;, 12 photos, la troisième prise (ou, avec Date du fichier, modifiée) le 17 mai 2009 donne &lt;code&gt;trip.03.2009.05.17.jpg&lt;/code&gt;. Les photos copiées depuis une carte mémoire ont pour date de fichier le jour de la copie&#xa0;; choisissez Date de prise de vue pour les nommer d’après le jour de la prise de vue.</translation>
    </message>
    <message>
        <source>Check &lt;b&gt;Not rename&lt;/b&gt; to keep each photo&apos;s own name instead (only the extension changes, for example &lt;code&gt;IMG_0001.jpg&lt;/code&gt;); the prefix field is then unavailable. If a file of that name already exists, Quillmere asks before replacing it.</source>
        <translation>Cochez &lt;b&gt;Ne pas renommer&lt;/b&gt; pour garder plutôt le nom de chaque photo (seule l’extension change, par exemple &lt;code&gt;IMG_0001.jpg&lt;/code&gt;)&#xa0;; le champ du préfixe est alors indisponible. Si un fichier de ce nom existe déjà, Quillmere demande confirmation avant de le remplacer.</translation>
    </message>
    <message>
        <source>Check &lt;b&gt;Keep sub-folders&lt;/b&gt; to keep the folder tree of a search: a photo that &lt;b&gt;Search photos&lt;/b&gt; (or a dropped folder) found in &lt;code&gt;Holiday/Day2/&lt;/code&gt; is written to &lt;code&gt;Day2/&lt;/code&gt; inside the run folder (for example &lt;code&gt;Day2/IMG_0001.jpg&lt;/code&gt;, or &lt;code&gt;Day2/trip.07.2009.05.17.jpg&lt;/code&gt; with renaming: the numbers still count through the whole list). Photos added one by one go to the run folder itself.</source>
        <translation>Cochez &lt;b&gt;Garder les sous-dossiers&lt;/b&gt; pour conserver l’arborescence d’une recherche&#xa0;: une photo que &lt;b&gt;Rechercher des photos&lt;/b&gt; (ou un dossier déposé) a trouvée dans &lt;code&gt;Holiday/Day2/&lt;/code&gt; est écrite dans &lt;code&gt;Day2/&lt;/code&gt; à l’intérieur du dossier de la conversion (par exemple &lt;code&gt;Day2/IMG_0001.jpg&lt;/code&gt;, ou &lt;code&gt;Day2/trip.07.2009.05.17.jpg&lt;/code&gt; avec renommage&#xa0;: la numérotation court toujours sur toute la liste). Les photos ajoutées une à une vont directement dans le dossier de la conversion.</translation>
    </message>
    <message>
        <source>Text on the photos</source>
        <translation>Texte sur les photos</translation>
    </message>
    <message>
        <source>Type a line into &lt;b&gt;Add text to photo:&lt;/b&gt; to write it on every converted photo, for example a copyright note. &lt;b&gt;Position x, y:&lt;/b&gt; is the place of the text&apos;s top-left corner, in pixels of the converted photo before it is rotated or flipped. A position outside the photo is reported and set to 0. &lt;b&gt;Font&lt;/b&gt; opens a dialog in which you choose the font, its style, its size in pixels of the output photo, underline, strikeout and the colour; the chosen font&apos;s name is shown beside the position fields. Font and colour are remembered; the text itself is not.</source>
        <translation>Saisissez une ligne dans &lt;b&gt;Ajouter un texte à la photo&#xa0;:&lt;/b&gt; pour l’écrire sur chaque photo convertie, par exemple une mention de copyright. &lt;b&gt;Position x, y&#xa0;:&lt;/b&gt; est l’emplacement du coin supérieur gauche du texte, en pixels de la photo convertie, avant rotation ou miroir. Une position hors de la photo est signalée et remise à 0. &lt;b&gt;Police&lt;/b&gt; ouvre une boîte de dialogue où vous choisissez la police, son style, sa taille en pixels de la photo produite, le soulignement, le barré et la couleur&#xa0;; le nom de la police choisie s’affiche à côté des champs de position. La police et la couleur sont mémorisées&#xa0;; le texte lui-même ne l’est pas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anchor:&lt;/b&gt; measures x and y from another corner, an edge or the middle of the photo instead: with &lt;i&gt;Bottom right&lt;/i&gt;, 20, 20 puts the text 20 pixels from the right and bottom edges of every photo, whatever its size. With any anchor but &lt;i&gt;Top left&lt;/i&gt; the text is kept inside the photo. &lt;b&gt;Size:&lt;/b&gt; gives the text&apos;s height as a percentage of each photo&apos;s shorter side, so that a caption has the same weight on a small and a large output; at &lt;i&gt;Font size&lt;/i&gt; the size chosen with &lt;b&gt;Font&lt;/b&gt; counts. &lt;b&gt;Opacity:&lt;/b&gt; lets the photo show through the text, and &lt;i&gt;Outline&lt;/i&gt; or &lt;i&gt;Shadow&lt;/i&gt; draws a dark (or, for dark text, light) edge that keeps it legible on any background. The preview shows the text on the photo you clicked, scaled with it.</source>
        <translation>&lt;b&gt;Ancrage&#xa0;:&lt;/b&gt; mesure plutôt x et y depuis un autre coin, un bord ou le milieu de la photo&#xa0;: avec &lt;i&gt;En bas à droite&lt;/i&gt;, 20, 20 place le texte à 20 pixels des bords droit et inférieur de chaque photo, quelle que soit sa taille. Avec tout ancrage autre que &lt;i&gt;En haut à gauche&lt;/i&gt;, le texte reste à l’intérieur de la photo. &lt;b&gt;Taille&#xa0;:&lt;/b&gt; donne la hauteur du texte en pourcentage du petit côté de chaque photo, pour qu’une légende ait le même poids sur une petite et sur une grande image&#xa0;; sur &lt;i&gt;Taille de police&lt;/i&gt;, c’est la taille choisie avec &lt;b&gt;Police&lt;/b&gt; qui compte. &lt;b&gt;Opacité&#xa0;:&lt;/b&gt; laisse transparaître la photo à travers le texte, et &lt;i&gt;Contour&lt;/i&gt; ou &lt;i&gt;Ombre&lt;/i&gt; trace un bord sombre (ou clair, pour un texte sombre) qui le garde lisible sur tous les fonds. L’aperçu montre le texte sur la photo sur laquelle vous avez cliqué, mis à l’échelle avec elle.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Watermark:&lt;/b&gt; draws a picture, such as your logo, on every photo: choose a PNG, WebP or SVG file (its transparency is kept) with &lt;b&gt;Logo…&lt;/b&gt; or type its path; clear the field for none. It sits at the chosen corner, edge or middle, &lt;b&gt;Size:&lt;/b&gt; sets its longer side as a percentage of each photo&apos;s shorter side, &lt;b&gt;Opacity:&lt;/b&gt; how much of the photo shows through, and &lt;b&gt;Margin:&lt;/b&gt; its distance from the edges, also as a percentage of the shorter side. The file is read when you choose it, and every photo of a conversion gets that picture.</source>
        <translation>&lt;b&gt;Filigrane&#xa0;:&lt;/b&gt; dessine une image, par exemple votre logo, sur chaque photo&#xa0;: choisissez un fichier PNG, WebP ou SVG (sa transparence est conservée) avec &lt;b&gt;Logo…&lt;/b&gt; ou saisissez son chemin&#xa0;; videz le champ pour n’en mettre aucun. Il se place au coin, au bord ou au milieu choisi&#xa0;; &lt;b&gt;Taille&#xa0;:&lt;/b&gt; règle son grand côté en pourcentage du petit côté de chaque photo, &lt;b&gt;Opacité&#xa0;:&lt;/b&gt; la part de la photo qui transparaît, et &lt;b&gt;Marge&#xa0;:&lt;/b&gt; sa distance aux bords, elle aussi en pourcentage du petit côté. Le fichier est lu au moment où vous le choisissez, et chaque photo d’une conversion reçoit cette image.</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <source>A preset keeps the output settings for new photos, the naming (prefix, &lt;b&gt;Not rename&lt;/b&gt;, &lt;b&gt;Keep sub-folders&lt;/b&gt;), the text and the watermark with all their settings under a name. &lt;b&gt;Save as…&lt;/b&gt; stores the window&apos;s current settings, &lt;b&gt;Apply&lt;/b&gt; brings the chosen preset back and, as &lt;b&gt;Options&lt;/b&gt; does, asks whether the listed photos get its output settings too, and &lt;b&gt;Remove&lt;/b&gt; removes it. The command line uses the same presets (&lt;code&gt;--preset&lt;/code&gt;, &lt;code&gt;--save-preset&lt;/code&gt;, &lt;code&gt;--list-presets&lt;/code&gt;).</source>
        <translation>Un préréglage conserve sous un nom les réglages de sortie des nouvelles photos, le nommage (préfixe, &lt;b&gt;Ne pas renommer&lt;/b&gt;, &lt;b&gt;Garder les sous-dossiers&lt;/b&gt;), le texte et le filigrane avec tous leurs réglages. &lt;b&gt;Enregistrer sous…&lt;/b&gt; enregistre les réglages actuels de la fenêtre, &lt;b&gt;Appliquer&lt;/b&gt; rétablit le préréglage choisi et, comme &lt;b&gt;Options&lt;/b&gt;, demande si les photos de la liste reçoivent aussi ses réglages de sortie, et &lt;b&gt;Retirer&lt;/b&gt; le supprime. La ligne de commande utilise les mêmes préréglages (&lt;code&gt;--preset&lt;/code&gt;, &lt;code&gt;--save-preset&lt;/code&gt;, &lt;code&gt;--list-presets&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; starts the run; while it runs the button reads &lt;b&gt;Stop&lt;/b&gt;, and pressing it stops the run after the photos in hand. The progress bar shows how many photos are done and about how long the rest will take. A photo that cannot be converted does not hold the run: its row says &lt;b&gt;Failed&lt;/b&gt; (the reason is in its tooltip), a line goes to the activity log &lt;code&gt;Corvale.log&lt;/code&gt; in the output folder, and the other photos are converted all the same. Before the first file is written a replace question is asked only for files that were there before the run, once for all of them if you answer &lt;b&gt;Yes to all&lt;/b&gt; or &lt;b&gt;No to all&lt;/b&gt;; two photos that would get the same name get two files (&lt;code&gt;IMG_0001.jpg&lt;/code&gt;, &lt;code&gt;IMG_0001-2.jpg&lt;/code&gt;). A photo is written under its final name only when it is complete, so a failed or stopped conversion never leaves a half-written file. When the run ends, one box lists every photo that failed with its reason in plain words (&lt;b&gt;Copy&lt;/b&gt; puts the list on the clipboard, &lt;b&gt;Show log&lt;/b&gt; opens the log), says how many photos a stop left unconverted, and offers to open the output folder or to &lt;b&gt;Convert the rest&lt;/b&gt; into the same folder with the numbering continued. &lt;b&gt;View log&lt;/b&gt; opens &lt;code&gt;Corvale.log&lt;/code&gt; in your text editor. If the output folder you typed does not exist yet, it is made with any folders missing above it; when it cannot be made, the message says why. Escape never closes the window; closing it with photos in the list, or during a run, asks first. The settings of the window come back at the next start.</source>
        <translation>&lt;b&gt;Convertir&lt;/b&gt; lance la conversion&#xa0;; pendant qu’elle s’exécute, le bouton devient &lt;b&gt;Arrêter&lt;/b&gt;, qui arrête la conversion après les photos en cours. La barre de progression indique combien de photos sont terminées et le temps restant approximatif. Une photo qui ne peut pas être convertie ne bloque pas la conversion&#xa0;: sa ligne indique &lt;b&gt;Échec&lt;/b&gt; (la raison figure dans son infobulle), une ligne est ajoutée au journal d’activité &lt;code&gt;Corvale.log&lt;/code&gt; dans le dossier de sortie, et les autres photos sont converties malgré tout. Avant l’écriture du premier fichier, la question du remplacement n’est posée que pour les fichiers qui existaient avant la conversion, et une seule fois pour tous si vous répondez &lt;b&gt;Oui à tout&lt;/b&gt; ou &lt;b&gt;Non à tout&lt;/b&gt;&#xa0;; deux photos qui recevraient le même nom donnent deux fichiers (&lt;code&gt;IMG_0001.jpg&lt;/code&gt;, &lt;code&gt;IMG_0001-2.jpg&lt;/code&gt;). Une photo n’est écrite sous son nom définitif qu’une fois complète&#xa0;: une conversion en échec ou arrêtée ne laisse donc jamais de fichier à moitié écrit. À la fin de la conversion, une fenêtre liste chaque photo en échec avec sa raison en termes simples (&lt;b&gt;Copier&lt;/b&gt; place la liste dans le presse-papiers, &lt;b&gt;Afficher le journal&lt;/b&gt; ouvre le journal), indique combien de photos un arrêt a laissées non converties, et propose d’ouvrir le dossier de sortie ou de &lt;b&gt;Convertir le reste&lt;/b&gt; dans le même dossier en poursuivant la numérotation. &lt;b&gt;Afficher le journal&lt;/b&gt; ouvre &lt;code&gt;Corvale.log&lt;/code&gt; dans votre éditeur de texte. Si le dossier de sortie saisi n’existe pas encore, il est créé avec tous les dossiers parents manquants&#xa0;; s’il ne peut pas l’être, le message dit pourquoi. Échap ne ferme jamais la fenêtre&#xa0;; la fermer alors que la liste contient des photos, ou pendant une conversion, demande d’abord confirmation. Les réglages de la fenêtre sont rétablis au lancement suivant.</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formats</translation>
    </message>
    <message>
        <source>Quillmere reads the common picture formats (JPEG, PNG, TIFF, GIF, BMP, WebP and more). It writes:</source>
        <translation>Quillmere lit les formats d’image courants (JPEG, PNG, TIFF, GIF, BMP, WebP et d’autres). Il écrit&#xa0;:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Every output is 8-bit RGB on a white background; colour profiles are converted to sRGB and the source&apos;s resolution (DPI) is kept where the format has one. A photo larger than its format can store is refused with a message before it is read. The camera data kept is set under &lt;a href=&quot;#options&quot;&gt;Camera data&lt;/a&gt;.</source>
        <translation>Chaque fichier produit est en RGB 8 bits sur fond blanc&#xa0;; les profils de couleur sont convertis en sRGB et la résolution (DPI) de l’original est conservée si le format en prévoit une. Une photo plus grande que ce que son format peut contenir est refusée avec un message avant d’être lue. Les données de l’appareil conservées se règlent dans &lt;a href=&quot;#options&quot;&gt;Données de l’appareil&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>All controls of the main window</source>
        <translation>Toutes les commandes de la fenêtre principale</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Photos&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ajouter des photos&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Add photos with a file dialog.</source>
        <translation>Ajouter des photos avec une boîte de dialogue de fichiers.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search photos&lt;/b&gt;</source>
        <translation>&lt;b&gt;Rechercher des photos&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Add every photo of a folder and its sub-folders.</source>
        <translation>Ajouter toutes les photos d’un dossier et de ses sous-dossiers.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt;</source>
        <translation>&lt;b&gt;Options&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default output settings for new photos (and, if you agree, for all listed photos).</source>
        <translation>Réglages de sortie par défaut des nouvelles photos (et, si vous l’acceptez, de toutes les photos de la liste).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; / &lt;b&gt;Stop&lt;/b&gt;</source>
        <translation>&lt;b&gt;Convertir&lt;/b&gt; / &lt;b&gt;Arrêter&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start or stop the conversion.</source>
        <translation>Lancer ou arrêter la conversion.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt; (&lt;kbd&gt;F1&lt;/kbd&gt;)</source>
        <translation>&lt;b&gt;Aide&lt;/b&gt; (&lt;kbd&gt;F1&lt;/kbd&gt;)</translation>
    </message>
    <message>
        <source>Opens this guide in your web browser.</source>
        <translation>Ouvre ce guide dans votre navigateur web.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Total Photos:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Nombre de photos&#xa0;:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The number of photos in the list.</source>
        <translation>Le nombre de photos de la liste.</translation>
    </message>
    <message>
        <source>Photo list, &lt;b&gt;Edit&lt;/b&gt;, &lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;, &lt;b&gt;Delete&lt;/b&gt;, &lt;b&gt;Clear&lt;/b&gt;</source>
        <translation>Liste des photos, &lt;b&gt;Modifier&lt;/b&gt;, &lt;b&gt;Vers le haut&lt;/b&gt;, &lt;b&gt;Vers le bas&lt;/b&gt;, &lt;b&gt;Supprimer&lt;/b&gt;, &lt;b&gt;Vider&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#list&quot;&gt;The photo list&lt;/a&gt;.</source>
        <translation>Voir &lt;a href=&quot;#list&quot;&gt;La liste des photos&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Folder:&lt;/b&gt;, &lt;b&gt;Browse&lt;/b&gt;</source>
        <translation>&lt;b&gt;Dossier de sortie&#xa0;:&lt;/b&gt;, &lt;b&gt;Parcourir&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Where the run folders are made.</source>
        <translation>L’emplacement où sont créés les dossiers de conversion.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add text to photo:&lt;/b&gt;, &lt;b&gt;Position x, y:&lt;/b&gt;, &lt;b&gt;Font&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ajouter un texte à la photo&#xa0;:&lt;/b&gt;, &lt;b&gt;Position x, y&#xa0;:&lt;/b&gt;, &lt;b&gt;Police&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#text&quot;&gt;Text on the photos&lt;/a&gt;.</source>
        <translation>Voir &lt;a href=&quot;#text&quot;&gt;Texte sur les photos&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anchor:&lt;/b&gt;, &lt;b&gt;Size:&lt;/b&gt;, &lt;b&gt;Opacity:&lt;/b&gt;, outline or shadow</source>
        <translation>&lt;b&gt;Ancrage&#xa0;:&lt;/b&gt;, &lt;b&gt;Taille&#xa0;:&lt;/b&gt;, &lt;b&gt;Opacité&#xa0;:&lt;/b&gt;, contour ou ombre</translation>
    </message>
    <message>
        <source>&lt;b&gt;Batch rename prefix:&lt;/b&gt; &lt;i&gt;+Number+Time&lt;/i&gt;, &lt;b&gt;File date&lt;/b&gt; / &lt;b&gt;Date taken&lt;/b&gt;, &lt;b&gt;Not rename&lt;/b&gt;, &lt;b&gt;Keep sub-folders&lt;/b&gt;</source>
        <translation>&lt;b&gt;Préfixe de renommage&#xa0;:&lt;/b&gt; &lt;i&gt;+Numéro+Date&lt;/i&gt;, &lt;b&gt;Date du fichier&lt;/b&gt; / &lt;b&gt;Date de prise de vue&lt;/b&gt;, &lt;b&gt;Ne pas renommer&lt;/b&gt;, &lt;b&gt;Garder les sous-dossiers&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#output&quot;&gt;the naming rule&lt;/a&gt;.</source>
        <translation>Voir &lt;a href=&quot;#output&quot;&gt;la règle de nommage&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Preset:&lt;/b&gt;, &lt;b&gt;Apply&lt;/b&gt;, &lt;b&gt;Save as…&lt;/b&gt;, &lt;b&gt;Remove&lt;/b&gt;</source>
        <translation>&lt;b&gt;Préréglage&#xa0;:&lt;/b&gt;, &lt;b&gt;Appliquer&lt;/b&gt;, &lt;b&gt;Enregistrer sous…&lt;/b&gt;, &lt;b&gt;Retirer&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#presets&quot;&gt;Presets&lt;/a&gt;.</source>
        <translation>Voir &lt;a href=&quot;#presets&quot;&gt;Préréglages&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Preview frame</source>
        <translation>Cadre d’aperçu</translation>
    </message>
    <message>
        <source>Shows the photo you clicked in the list.</source>
        <translation>Affiche la photo sur laquelle vous avez cliqué dans la liste.</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>Barre de progression</translation>
    </message>
    <message>
        <source>Progress of the current run.</source>
        <translation>Avancement de la conversion en cours.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Update&lt;/b&gt;</source>
        <translation>&lt;b&gt;Mise à jour&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Opens the Quillmere web site, where new versions are published.</source>
        <translation>Ouvre le site web de Quillmere, où les nouvelles versions sont publiées.</translation>
    </message>
    <message>
        <source>&lt;b&gt;About&lt;/b&gt;</source>
        <translation>&lt;b&gt;À propos&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Version and contact addresses.</source>
        <translation>Version et adresses de contact.</translation>
    </message>
    <message>
        <source>&lt;b&gt;View log&lt;/b&gt;</source>
        <translation>&lt;b&gt;Afficher le journal&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Opens the activity log &lt;code&gt;Corvale.log&lt;/code&gt;.</source>
        <translation>Ouvre le journal d’activité &lt;code&gt;Corvale.log&lt;/code&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Exit&lt;/b&gt;</source>
        <translation>&lt;b&gt;Quitter&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Saves the output folder, the font and colour, the prefix and the date choice, and closes the program.</source>
        <translation>Enregistre le dossier de sortie, la police et la couleur, le préfixe et le choix de la date, puis ferme le programme.</translation>
    </message>
    <message>
        <source>The command line: quillmere-convert</source>
        <translation>La ligne de commande&#xa0;: quillmere-convert</translation>
    </message>
    <message>
        <source>&lt;code&gt;quillmere-convert&lt;/code&gt; converts photos with the same engine, without a window — for scripts, servers and large jobs.</source>
        <translation>&lt;code&gt;quillmere-convert&lt;/code&gt; convertit des photos avec le même moteur, sans fenêtre — pour les scripts, les serveurs et les gros traitements.</translation>
    </message>
    <message>
        <source>Each &lt;code&gt;PATH&lt;/code&gt; is a photo or a folder; folders are searched with their sub-folders like &lt;b&gt;Search photos&lt;/b&gt; does. Every option defaults to what the window starts with. An option&apos;s value follows as the next argument or after &lt;code&gt;=&lt;/code&gt; (&lt;code&gt;--text-pos=-5,3&lt;/code&gt;).</source>
        <translation>Chaque &lt;code&gt;PATH&lt;/code&gt; est une photo ou un dossier&#xa0;; les dossiers sont parcourus avec leurs sous-dossiers, comme le fait &lt;b&gt;Rechercher des photos&lt;/b&gt;. La valeur par défaut de chaque option est celle avec laquelle la fenêtre démarre. La valeur d’une option se donne dans l’argument suivant ou après &lt;code&gt;=&lt;/code&gt; (&lt;code&gt;--text-pos=-5,3&lt;/code&gt;).</translation>
    </message>
    <message>
        <source>Messages are printed as &lt;code&gt;Caption: text&lt;/code&gt; on standard error, with a progress bar when that is a terminal. The last line on standard output is the run folder. The exit status is 0 when every photo was converted, 1 when some were not, and 2 for wrong options. Files that are not pictures are skipped with a notice.</source>
        <translation>Les messages s’affichent sous la forme &lt;code&gt;Caption: text&lt;/code&gt; sur la sortie d’erreur standard, avec une barre de progression lorsque celle-ci est un terminal. La dernière ligne de la sortie standard est le dossier de la conversion. Le code de sortie vaut 0 quand toutes les photos ont été converties, 1 quand certaines ne l’ont pas été, et 2 en cas d’options erronées. Les fichiers qui ne sont pas des images sont ignorés avec un avis.</translation>
    </message>
    <message>
        <source>&lt;code&gt;--into&lt;/code&gt;, &lt;code&gt;--number-start&lt;/code&gt; and &lt;code&gt;--number-width&lt;/code&gt; let several runs, on one machine or many, each convert a part of one list and name their files exactly as one run over the whole list would; the README shows how with GNU parallel.</source>
        <translation>&lt;code&gt;--into&lt;/code&gt;, &lt;code&gt;--number-start&lt;/code&gt; et &lt;code&gt;--number-width&lt;/code&gt; permettent à plusieurs exécutions, sur une ou plusieurs machines, de convertir chacune une partie d’une même liste et de nommer leurs fichiers exactement comme le ferait une seule exécution sur toute la liste&#xa0;; le README montre comment faire avec GNU parallel.</translation>
    </message>
    <message>
        <source>What Quillmere remembers</source>
        <translation>Ce que Quillmere mémorise</translation>
    </message>
    <message>
        <source>Quillmere keeps its settings in &lt;code&gt;~/.config/Harbenwick/quillmere.conf&lt;/code&gt;: the output folder, the rename prefix and the date in the names, the font and colour of the text, the last folders used for adding photos, and in the options dialog the last confirmed format, pixel format and quality. The photo list, the overlay text and its position, and the other output settings (size, Lossless, Do not enlarge, camera data) start fresh at every start. Presets are kept in the same file, in its group &lt;code&gt;[Presets]&lt;/code&gt;, which the command line reads and writes too; a preset keeps every output setting, the date in the names among them.</source>
        <translation>Quillmere garde ses réglages dans &lt;code&gt;~/.config/Harbenwick/quillmere.conf&lt;/code&gt;&#xa0;: le dossier de sortie, le préfixe de renommage et la date dans les noms, la police et la couleur du texte, les derniers dossiers utilisés pour ajouter des photos et, dans la boîte de dialogue des options, les derniers format, format de pixel et qualité validés. La liste des photos, le texte incrusté et sa position, ainsi que les autres réglages de sortie (taille, Sans perte, Ne pas agrandir, données de l’appareil) repartent de zéro à chaque lancement. Les préréglages sont conservés dans le même fichier, dans son groupe &lt;code&gt;[Presets]&lt;/code&gt;, que la ligne de commande lit et écrit elle aussi&#xa0;; un préréglage conserve chaque réglage de sortie, dont la date dans les noms.</translation>
    </message>
</context>
<context>
    <name>LanguagePack</name>
    <message>
        <source>&amp;About Quillmere</source>
        <translation>À &amp;propos de Quillmere</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The output width is invalid!</source>
        <translation>La largeur de sortie n’est pas valide&#xa0;!</translation>
    </message>
    <message>
        <source>The output hight is invalid!</source>
        <translation>La hauteur de sortie n’est pas valide&#xa0;!</translation>
    </message>
    <message>
        <source>Failed to SetResolution!</source>
        <translation>Échec de la définition de la résolution&#xa0;!</translation>
    </message>
    <message>
        <source>Failed to SetInterpolationMode!</source>
        <translation>Échec de la définition du mode d’interpolation&#xa0;!</translation>
    </message>
    <message>
        <source>Failed to convert photo!</source>
        <translation>Échec de la conversion de la photo&#xa0;!</translation>
    </message>
    <message>
        <source>Unknown rotate angle!</source>
        <translation>Angle de rotation inconnu&#xa0;!</translation>
    </message>
    <message>
        <source>Failed to rotate and flip photo!</source>
        <translation>Échec de la rotation et du miroir de la photo&#xa0;!</translation>
    </message>
    <message>
        <source>Failed to save the file!</source>
        <translation>Échec de l’enregistrement du fichier&#xa0;!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>%s exists. Do you want to replace it?</source>
        <translation>%s existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The text position X is bigger than the photo width!, The program set it to 0 now.</source>
        <translation>La position X du texte dépasse la largeur de la photo&#xa0;! Le programme l’a remise à 0.</translation>
    </message>
    <message>
        <source>The text position Y is bigger than the photo height!, The program set it to 0 now.</source>
        <translation>La position Y du texte dépasse la hauteur de la photo&#xa0;! Le programme l’a remise à 0.</translation>
    </message>
    <message>
        <source>The text position X is out of range! The program set it to 0 now.</source>
        <translation>La position X du texte est hors limites&#xa0;! Le programme l’a remise à 0.</translation>
    </message>
    <message>
        <source>The text position Y is out of range! The program set it to 0 now.</source>
        <translation>La position Y du texte est hors limites&#xa0;! Le programme l’a remise à 0.</translation>
    </message>
    <message>
        <source>1 bit per pixel, indexed. 2 color.</source>
        <translation>1 bit par pixel, indexé. 2 couleurs.</translation>
    </message>
    <message>
        <source>4 bits per pixel, indexed. 16 color.</source>
        <translation>4 bits par pixel, indexé. 16 couleurs.</translation>
    </message>
    <message>
        <source>8 bits per pixel, indexed. 256 color.</source>
        <translation>8 bits par pixel, indexé. 256 couleurs.</translation>
    </message>
    <message>
        <source>16 bits per pixel; 5 bits are used for the red component, 6 bits are used for the green component, and 5 bits are used for the blue component.</source>
        <translation>16 bits par pixel&#xa0;; 5 bits pour la composante rouge, 6 bits pour la composante verte et 5 bits pour la composante bleue.</translation>
    </message>
    <message>
        <source>24 bits per pixel; 8 bits each are used for the red, green, and blue components.</source>
        <translation>24 bits par pixel&#xa0;; 8 bits pour chacune des composantes rouge, verte et bleue.</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the alpha, red, green, and blue components.</source>
        <translation>32 bits par pixel&#xa0;; 8 bits pour chacune des composantes alpha, rouge, verte et bleue.</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the alpha, red, green, and blue components. The red, green, and blue components are premultiplied according to the alpha component.</source>
        <translation>32 bits par pixel&#xa0;; 8 bits pour chacune des composantes alpha, rouge, verte et bleue. Les composantes rouge, verte et bleue sont prémultipliées par la composante alpha.</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the red, green, and blue components. The remaining 8 bits are not used.</source>
        <translation>32 bits par pixel&#xa0;; 8 bits pour chacune des composantes rouge, verte et bleue. Les 8 bits restants ne sont pas utilisés.</translation>
    </message>
    <message>
        <source>64 bits per pixel; 16 bits each are used for the alpha, red, green, and blue components. Written as 32 bits ARGB, as no BMP reader takes 64 bits.</source>
        <translation>64 bits par pixel&#xa0;; 16 bits pour chacune des composantes alpha, rouge, verte et bleue. Écrit en 32 bits ARGB, car aucun lecteur BMP n’accepte 64 bits.</translation>
    </message>
    <message>
        <source>64 bits per pixel; 16 bits each are used for the alpha, red, green, and blue components. The red, green, and blue components are premultiplied according to the alpha component. Written as 32 bits PARGB, as no BMP reader takes 64 bits.</source>
        <translation>64 bits par pixel&#xa0;; 16 bits pour chacune des composantes alpha, rouge, verte et bleue. Les composantes rouge, verte et bleue sont prémultipliées par la composante alpha. Écrit en 32 bits PARGB, car aucun lecteur BMP n’accepte 64 bits.</translation>
    </message>
</context>
<context>
    <name>ListHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
</context>
<context>
    <name>LocalFigures</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
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
        <translation>l’original tient&#xa0;: copié</translation>
    </message>
    <message>
        <source>fitted by reducing to %1 x %2</source>
        <translation>ajusté en réduisant à %1 x %2</translation>
    </message>
    <message>
        <source>fitted: quality %1</source>
        <translation>ajusté&#xa0;: qualité %1</translation>
    </message>
    <message>
        <source>the source fits (%1): copied unchanged</source>
        <translation>l’original tient (%1)&#xa0;: copié tel quel</translation>
    </message>
    <message>
        <source>%1 at quality %2</source>
        <translation>%1 en qualité %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n encodes</source>
        <extracomment>%1 is the size and quality (&quot;498 KB at quality 72&quot;); an encode is one trial compression made to find it.</extracomment>
        <translation>
            <numerusform>%1, %n encodage</numerusform>
            <numerusform>%1, %n encodages</numerusform>
        </translation>
    </message>
    <message>
        <source>fitted by reducing to %1: %2</source>
        <translation>ajusté en réduisant à %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 lossless</source>
        <translation>%1 sans perte</translation>
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
        <translation>&amp;Ajouter des photos</translation>
    </message>
    <message>
        <source>&amp;Search photos</source>
        <translation>&amp;Rechercher des photos</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Total Photos:</source>
        <translation>Nombre de photos&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Vers le &amp;haut</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Vers le &amp;bas</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>Output &amp;Folder:</source>
        <translation>&amp;Dossier de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Parcourir</translation>
    </message>
    <message>
        <source>Add &amp;text to photo:</source>
        <translation>Ajouter un &amp;texte à la photo&#xa0;:</translation>
    </message>
    <message>
        <source>Position &amp;x, y:</source>
        <translation>Position &amp;x, y&#xa0;:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>Po&amp;lice</translation>
    </message>
    <message>
        <source>A&amp;nchor:</source>
        <translation>A&amp;ncrage&#xa0;:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>Ta&amp;ille&#xa0;:</translation>
    </message>
    <message>
        <source>The text&apos;s size as a percentage of the photo&apos;s shorter side; at 0 the font&apos;s own size counts.</source>
        <translation>Taille du texte en pourcentage du petit côté de la photo&#xa0;; à 0, la taille propre de la police s’applique.</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source> % of shorter side</source>
        <translation> % du petit côté</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>Opa&amp;cité&#xa0;:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Batch rena&amp;me prefix:</source>
        <translation>Pré&amp;fixe de renommage&#xa0;:</translation>
    </message>
    <message>
        <source>+Number+Time</source>
        <translation>+Numéro+Date</translation>
    </message>
    <message>
        <source>Date in the names</source>
        <translation>Date dans les noms</translation>
    </message>
    <message>
        <source>Which date the file names carry</source>
        <translation>La date que portent les noms de fichiers</translation>
    </message>
    <message>
        <source>&amp;Not rename</source>
        <translation>&amp;Ne pas renommer</translation>
    </message>
    <message>
        <source>Photos found by Search photos or in a dropped folder keep their sub-folders inside the run folder.</source>
        <translation>Les photos trouvées par Rechercher des photos ou dans un dossier déposé gardent leurs sous-dossiers dans le dossier de la conversion.</translation>
    </message>
    <message>
        <source>&amp;Keep sub-folders</source>
        <translation>&amp;Garder les sous-dossiers</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>Préré&amp;glage&#xa0;:</translation>
    </message>
    <message>
        <source>Output settings, naming and text of the preset; the listed photos get its output settings if you agree.</source>
        <translation>Réglages de sortie, nommage et texte du préréglage&#xa0;; les photos de la liste reçoivent ses réglages de sortie si vous l’acceptez.</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>Appli&amp;quer</translation>
    </message>
    <message>
        <source>Sa&amp;ve as…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Reti&amp;rer</translation>
    </message>
    <message>
        <source>%p%</source>
        <translation>%p %</translation>
    </message>
    <message>
        <source>Stops gathering; the photos read so far are added (Esc).</source>
        <translation>Arrête la recherche&#xa0;; les photos déjà lues sont ajoutées (Échap).</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>V&amp;iew log</source>
        <translation>Afficher le &amp;journal</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>Enregistrer la liste</translation>
    </message>
    <message>
        <source>load list</source>
        <translation>charger la liste</translation>
    </message>
    <message>
        <source>U&amp;pdate</source>
        <translation>Mise à jo&amp;ur</translation>
    </message>
    <message>
        <source>Abou&amp;t</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>These files were left out because they are not pictures:</source>
        <translation>Ces fichiers ont été ignorés, car ce ne sont pas des images&#xa0;:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>la modification des réglages</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>le déplacement vers le haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>le déplacement vers le bas</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>la suppression</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>le vidage de la liste</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>l’application du préréglage</translation>
    </message>
    <message>
        <source>Stop the conversion and quit?</source>
        <translation>Arrêter la conversion et quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Stop and quit</source>
        <translation>Arrêter et quitter</translation>
    </message>
    <message numerus="yes">
        <source>The list of %n photos is not kept. Do you want to quit?</source>
        <translation>
            <numerusform>La liste de %n photo ne sera pas conservée. Voulez-vous quitter&#xa0;?</numerusform>
            <numerusform>La liste de %n photos ne sera pas conservée. Voulez-vous quitter&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>MainDialogHooks</name>
    <message>
        <source>The desktop has no program that opens %1.</source>
        <translation>Le bureau n’a aucun programme pour ouvrir %1.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>Enregistrer le préréglage</translation>
    </message>
    <message>
        <source>Preset &amp;name:</source>
        <translation>&amp;Nom du préréglage&#xa0;:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1 occurs error!</source>
        <translation>Une erreur s’est produite avec %1&#xa0;!</translation>
    </message>
    <message>
        <source>%1 is not a right directory</source>
        <translation>%1 n’est pas un dossier valide</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>L’accès à %1 a été refusé.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contient un chemin non valide.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 n’a pas pu être ouvert, car trop de fichiers sont ouverts.</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Une erreur matérielle d’entrée/sortie a été signalée lors de l’accès à %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Une violation de partage s’est produite lors de l’accès à %1.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Une erreur inconnue s’est produite lors de l’accès à %1.</translation>
    </message>
    <message>
        <source>Failed file.GetStatus from %1</source>
        <translation>Impossible de lire l’état du fichier %1</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Les réglages n’ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>The Program does not launch your web browser to access %1 ,
Please launch your web browser and input the URL manually.</source>
        <translation>Le programme n’a pas pu lancer votre navigateur web pour accéder à %1.
Veuillez lancer votre navigateur et saisir l’adresse manuellement.</translation>
    </message>
    <message>
        <source>The help page %1 is missing.</source>
        <translation>La page d’aide %1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 %2 is installed.</source>
        <translation>%1 %2 est installé.</translation>
    </message>
    <message>
        <source>Updates come from your system&apos;s package manager: update %1 there together with your other programs.</source>
        <translation>Les mises à jour viennent du gestionnaire de paquets de votre système&#xa0;: mettez-y %1 à jour avec vos autres programmes.</translation>
    </message>
    <message>
        <source>This copy was built from source, outside a package, so the package manager does not update it.</source>
        <translation>Cette copie a été compilée à partir des sources, hors paquet&#xa0;: le gestionnaire de paquets ne la met donc pas à jour.</translation>
    </message>
    <message>
        <source>Newer versions of the source are at %1.</source>
        <translation>Les versions plus récentes des sources se trouvent sur %1.</translation>
    </message>
    <message>
        <source>A packaged %1 gets its updates from your system&apos;s package manager.</source>
        <translation>%1 installé par paquet reçoit ses mises à jour du gestionnaire de paquets de votre système.</translation>
    </message>
    <message>
        <source>Can not get My Documents directory!</source>
        <translation>Impossible de trouver le dossier Documents&#xa0;!</translation>
    </message>
    <message>
        <source>The log file could not be written; its notices are lost.</source>
        <translation>Le fichier journal n’a pas pu être écrit&#xa0;; ses avis sont perdus.</translation>
    </message>
    <message>
        <source>The watermark could not be read.</source>
        <translation>Le filigrane n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>The stored setting %1 is not used: %2. %3 is used instead.</source>
        <translation>Le réglage enregistré %1 n’est pas utilisé&#xa0;: %2. %3 est utilisé à la place.</translation>
    </message>
</context>
<context>
    <name>OptionTables</name>
    <message>
        <source>Same as the source</source>
        <translation>Identique à l’original</translation>
    </message>
    <message>
        <source>1 bit Indexed</source>
        <translation>1 bit indexé</translation>
    </message>
    <message>
        <source>4 bits Indexed</source>
        <translation>4 bits indexé</translation>
    </message>
    <message>
        <source>8 bits Indexed</source>
        <translation>8 bits indexé</translation>
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
        <translation>Taille d’origine</translation>
    </message>
    <message>
        <source>Stretch:</source>
        <translation>Étirer&#xa0;:</translation>
    </message>
    <message>
        <source>Fit within Output Width x Output Height</source>
        <translation>Adapter à largeur × hauteur de sortie</translation>
    </message>
    <message>
        <source>Long edge:</source>
        <translation>Grand côté&#xa0;:</translation>
    </message>
    <message>
        <source>Fill Output Width x Output Height, cropped</source>
        <translation>Remplir largeur × hauteur de sortie, avec recadrage</translation>
    </message>
    <message>
        <source>Pad to Output Width x Output Height</source>
        <translation>Inscrire dans largeur × hauteur de sortie, avec marges</translation>
    </message>
    <message>
        <source>No flip</source>
        <translation>Aucun miroir</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>Miroir horizontal</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Miroir vertical</translation>
    </message>
    <message>
        <source>All but the location</source>
        <translation>Toutes sauf la localisation</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Smart</source>
        <translation>Intelligent</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Légère</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Forte</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Halved colour resolution below quality 90, full from 90 up.</source>
        <translation>Résolution des couleurs réduite de moitié sous la qualité 90, complète à partir de 90.</translation>
    </message>
    <message>
        <source>Colour at half resolution: smaller files.</source>
        <translation>Couleurs à demi-résolution&#xa0;: fichiers plus petits.</translation>
    </message>
    <message>
        <source>Colour at full resolution: sharper red edges.</source>
        <translation>Couleurs en pleine résolution&#xa0;: bords rouges plus nets.</translation>
    </message>
    <message>
        <source>Standard colours</source>
        <translation>Couleurs standard</translation>
    </message>
    <message>
        <source>The standard 16 or 256 colours, the same for every photo.</source>
        <translation>Les 16 ou 256 couleurs standard, les mêmes pour toutes les photos.</translation>
    </message>
    <message>
        <source>Colours of the photo</source>
        <translation>Couleurs de la photo</translation>
    </message>
    <message>
        <source>The 16 or 256 colours that best match each photo, found by an octree.</source>
        <translation>Les 16 ou 256 couleurs les plus fidèles à chaque photo, trouvées par un octree.</translation>
    </message>
    <message>
        <source>File date</source>
        <translation>Date du fichier</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>Date de prise de vue</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>En haut</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>À gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Au centre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>À droite</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>En bas</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>No outline</source>
        <translation>Sans contour</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>The camera&apos;s own preview when it is at least the output size, else the sensor at half size when that is, else the whole sensor.</source>
        <translation>L’aperçu intégré de l’appareil s’il atteint au moins la taille de sortie, sinon le capteur en demi-taille s’il l’atteint, sinon le capteur entier.</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Aperçu de l’appareil</translation>
    </message>
    <message>
        <source>The preview the camera embedded in the file: fastest; a file without one fails.</source>
        <translation>L’aperçu que l’appareil a intégré au fichier&#xa0;: le plus rapide&#xa0;; un fichier qui n’en contient pas échoue.</translation>
    </message>
    <message>
        <source>Full develop</source>
        <translation>Développement complet</translation>
    </message>
    <message>
        <source>Always the whole sensor, demosaicked: slowest, the most detail.</source>
        <translation>Toujours le capteur entier, dématricé&#xa0;: le plus lent, le plus détaillé.</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no camera data kept</comment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no sharpening</comment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Uncompressed; 24-bit colour, or 1, 4 or 8 bits per pixel with a palette (see Pixel format). Carries no camera data.</source>
        <translation>Non compressé&#xa0;; couleur 24 bits, ou 1, 4 ou 8 bits par pixel avec palette (voir Format de pixel). Ne contient aucune donnée de l’appareil.</translation>
    </message>
    <message>
        <source>EXIF, XMP and a JPEG&apos;s IPTC</source>
        <translation>EXIF, XMP et l’IPTC d’un JPEG</translation>
    </message>
    <message>
        <source>Photos; smallest files. Quality @QUALITY_RANGE@ (built-in @QUALITY_BUILT_IN@).</source>
        <translation>Photos&#xa0;; fichiers les plus petits. Qualité @QUALITY_RANGE@ (par défaut @QUALITY_BUILT_IN@).</translation>
    </message>
    <message>
        <source>EXIF and XMP</source>
        <translation>EXIF et XMP</translation>
    </message>
    <message>
        <source>Lossless; transparent areas become white.</source>
        <translation>Sans perte&#xa0;; les zones transparentes deviennent blanches.</translation>
    </message>
    <message>
        <source>EXIF, XMP and a TIFF&apos;s IPTC</source>
        <translation>EXIF, XMP et l’IPTC d’un TIFF</translation>
    </message>
    <message>
        <source>Lossless (LZW compression), for print and archiving.</source>
        <translation>Sans perte (compression LZW), pour l’impression et l’archivage.</translation>
    </message>
    <message>
        <source>For the web: smaller than JPG at the same quality. Quality @QUALITY_RANGE@, or Lossless.</source>
        <translation>Pour le web&#xa0;: plus petit que JPG à qualité égale. Qualité @QUALITY_RANGE@, ou Sans perte.</translation>
    </message>
    <message>
        <source>AV1 in a HEIF file: the smallest photo files, slower to write. Quality @QUALITY_RANGE@.</source>
        <translation>AV1 dans un fichier HEIF&#xa0;: les fichiers photo les plus petits, plus lents à écrire. Qualité @QUALITY_RANGE@.</translation>
    </message>
    <message>
        <source>JPEG&apos;s successor: small files of high fidelity. Quality @QUALITY_RANGE@, or Lossless.</source>
        <translation>Le successeur du JPEG&#xa0;: petits fichiers très fidèles. Qualité @QUALITY_RANGE@, ou Sans perte.</translation>
    </message>
    <message>
        <source>@KEPT_SOURCE_FORMATS@ photos keep their format (with that format&apos;s settings and extension); any other photo (GIF, HEIC, ...) becomes @SOURCE_FALLBACK_FORMAT@.</source>
        <translation>Les photos @KEPT_SOURCE_FORMATS@ gardent leur format (avec ses réglages et son extension)&#xa0;; toute autre photo (GIF, HEIC…) devient @SOURCE_FALLBACK_FORMAT@.</translation>
    </message>
    <message>
        <source>Keep each photo&apos;s own width and height.</source>
        <translation>Chaque photo garde sa largeur et sa hauteur.</translation>
    </message>
    <message>
        <source>the fixed size</source>
        <translation>la taille fixe</translation>
    </message>
    <message>
        <source>The choice beside Output Width: and Output Height:</source>
        <translation>Le choix à côté de Largeur de sortie&#xa0;: et Hauteur de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>A fixed size in pixels. With Keep aspect ratio with width only the width counts and the height follows the photo&apos;s proportions; with Keep aspect ratio with Height only the height counts. Without either box, the photo is scaled to exactly the given width and height.</source>
        <translation>Une taille fixe en pixels. Avec Proportions selon la largeur, seule la largeur compte et la hauteur suit les proportions de la photo&#xa0;; avec Proportions selon la hauteur, seule la hauteur compte. Sans aucune des deux cases, la photo est mise exactement à la largeur et à la hauteur données.</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Étirer</translation>
    </message>
    <message>
        <source>Stretch: Horizontal: / Vertical:</source>
        <translation>Étirer&#xa0;: Horizontal&#xa0;: / Vertical&#xa0;:</translation>
    </message>
    <message>
        <source>Multiply the photo&apos;s width and height by these factors (from 0.000001 to 1000000; 0.5 halves, 2 doubles). Sizes are cut to whole pixels.</source>
        <translation>Multiplie la largeur et la hauteur de la photo par ces facteurs (de 0.000001 à 1000000&#xa0;; 0.5 divise par deux, 2 double). Les tailles sont tronquées au pixel entier.</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adapter</translation>
    </message>
    <message>
        <source>The largest size with the photo&apos;s proportions that fits in the width and height: never cropped, never distorted. The side that does not fill the box is rounded to whole pixels, but never below 1.</source>
        <translation>La plus grande taille aux proportions de la photo qui tient dans la largeur et la hauteur&#xa0;: jamais recadrée, jamais déformée. Le côté qui ne remplit pas le cadre est arrondi au pixel entier, sans descendre sous 1.</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Grand côté</translation>
    </message>
    <message>
        <source>The photo&apos;s longer side becomes this many pixels, the other follows its proportions (rounded to whole pixels, never below 1). A landscape and a portrait photo of the same camera come out alike.</source>
        <translation>Le plus grand côté de la photo prend ce nombre de pixels, l’autre suit ses proportions (arrondi au pixel entier, jamais sous 1). Une photo en paysage et une en portrait du même appareil sortent à la même taille.</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>Exactly the width and height: the photo is scaled until it covers them, and what reaches beyond is cropped. Crop: which part is kept (an edge, a corner, the centre, or Smart: the most interesting part).</source>
        <translation>Exactement la largeur et la hauteur&#xa0;: la photo est mise à l’échelle jusqu’à les couvrir, et ce qui dépasse est recadré. Recadrage&#xa0;: la partie gardée (un bord, un coin, le centre, ou Intelligent&#xa0;: la partie la plus intéressante).</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Inscrire</translation>
    </message>
    <message>
        <source>Exactly the width and height: the whole photo is fitted inside, never cropped, and the margins take the background colour. Crop: where the photo sits.</source>
        <translation>Exactement la largeur et la hauteur&#xa0;: la photo entière est inscrite à l’intérieur, jamais recadrée, et les marges prennent la couleur de fond. Recadrage&#xa0;: où la photo se place.</translation>
    </message>
    <message>
        <source>mirror left to right</source>
        <translation>gauche et droite inversées</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>tête en bas</translation>
    </message>
    <message>
        <source>No camera data: the outputs carry only the resolution (DPI).</source>
        <translation>Aucune donnée de l’appareil&#xa0;: les fichiers produits ne portent que la résolution (DPI).</translation>
    </message>
    <message>
        <source>As All, without the GPS position and without the location fields of XMP; the IPTC block, which may name places, is left out too.</source>
        <translation>Comme Toutes, sans la position GPS ni les champs de lieu du XMP&#xa0;; le bloc IPTC, qui peut nommer des lieux, est aussi omis.</translation>
    </message>
    <message>
        <source>EXIF (camera, lens, exposure, date taken, GPS), XMP and IPTC as the photo has them, with the orientation set to upright and the pixel size of the output, and the sRGB colour profile embedded. @CAMERA_DATA_BY_FORMAT@</source>
        <translation>EXIF (appareil, objectif, exposition, date de prise de vue, GPS), XMP et IPTC tels que la photo les a, avec l’orientation remise à l’endroit et la taille en pixels du fichier produit, et le profil de couleur sRGB incorporé. @CAMERA_DATA_BY_FORMAT@</translation>
    </message>
    <message>
        <source>The source file&apos;s modification date.</source>
        <translation>La date de modification du fichier source.</translation>
    </message>
    <message>
        <source>The date the photo was taken (EXIF DateTimeOriginal, else DateTimeDigitized); the file&apos;s date for a photo that has neither.</source>
        <translation>La date de prise de vue (EXIF DateTimeOriginal, sinon DateTimeDigitized)&#xa0;; la date du fichier pour une photo qui n’a ni l’une ni l’autre.</translation>
    </message>
    <message>
        <source>At most %1 pixels a side.</source>
        <translation>Au plus %1 pixels de côté.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 keep %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>OutputSettingsEditor</name>
    <message numerus="yes">
        <source>Give the %n photos in the list these settings too?</source>
        <translation>
            <numerusform>Appliquer aussi ces réglages à %n photo de la liste&#xa0;?</numerusform>
            <numerusform>Appliquer aussi ces réglages aux %n photos de la liste&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
</context>
<context>
    <name>OverlayPanel</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
</context>
<context>
    <name>PhotoListModel</name>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversion en cours</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Convertie</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignorée</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Non convertie</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Width * Height</source>
        <translation>Largeur * Hauteur</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Output Width * Height</source>
        <translation>Largeur * Hauteur de sortie</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>PhotoListPanel</name>
    <message>
        <source>Total photos: %1</source>
        <translation>Nombre de photos&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>le tri</translation>
    </message>
    <message>
        <source>Please select items!</source>
        <translation>Veuillez sélectionner des éléments&#xa0;!</translation>
    </message>
</context>
<context>
    <name>PhotoSources</name>
    <message>
        <source>Photo Files (%1) (%2)</source>
        <translation>Fichiers photo (%1) (%2)</translation>
    </message>
    <message>
        <source>Any Files (*.*) (*)</source>
        <translation>Tous les fichiers (*.*) (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: not pictures (%1)</source>
        <translation>
            <numerusform>%n fichier ignoré&#xa0;: ce n’est pas une image (%1)</numerusform>
            <numerusform>%n fichiers ignorés&#xa0;: ce ne sont pas des images (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Select Photo Files...</source>
        <translation>Sélectionner des fichiers photo...</translation>
    </message>
</context>
<context>
    <name>PlacesRow</name>
    <message>
        <source>Name tem&amp;plate:</source>
        <translation>Modèle de &amp;nom&#xa0;:</translation>
    </message>
    <message>
        <source>prefix naming</source>
        <translation>nommage par préfixe</translation>
    </message>
    <message>
        <source>Names the outputs instead of the prefix: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera}</source>
        <translation>Nomme les fichiers produits à la place du préfixe&#xa0;: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera}</translation>
    </message>
    <message>
        <source>Where the outputs go</source>
        <translation>Destination des fichiers produits</translation>
    </message>
    <message>
        <source>New time-stamped folder</source>
        <translation>Nouveau dossier horodaté</translation>
    </message>
    <message>
        <source>Into the output folder</source>
        <translation>Dans le dossier de sortie</translation>
    </message>
    <message>
        <source>Next to each photo, in:</source>
        <translation>À côté de chaque photo, dans&#xa0;:</translation>
    </message>
    <message>
        <source>Folder next to each photo</source>
        <translation>Dossier à côté de chaque photo</translation>
    </message>
    <message>
        <source>The file dates, and the presets whose outputs each photo gets, from one decode</source>
        <translation>Les dates des fichiers, et les préréglages dont chaque photo reçoit une sortie, en un seul décodage</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>p. ex. %1</translation>
    </message>
    <message>
        <source>Outputs: one per preset ticked</source>
        <translation>Sorties&#xa0;: une par préréglage coché</translation>
    </message>
    <message>
        <source>No presets saved</source>
        <translation>Aucun préréglage enregistré</translation>
    </message>
    <message>
        <source>&amp;Write: one output</source>
        <translation>&amp;Écrire&#xa0;: une sortie</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Write: %n presets</source>
        <translation>
            <numerusform>&amp;Écrire&#xa0;: %n préréglage</numerusform>
            <numerusform>&amp;Écrire&#xa0;: %n préréglages</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Conserver les dates des fichiers</translation>
    </message>
    <message>
        <source>Each output gets its original&apos;s modification date</source>
        <translation>Chaque fichier produit reçoit la date de modification de son original</translation>
    </message>
</context>
<context>
    <name>PresetPanel</name>
    <message>
        <source>Choose a preset</source>
        <translation>Choisissez un préréglage</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not applied.</source>
        <translation>Le préréglage «&#xa0;%1&#xa0;» n’a pas été appliqué.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; is not stored any more.</source>
        <translation>Le préréglage «&#xa0;%1&#xa0;» n’est plus enregistré.</translation>
    </message>
    <message>
        <source>A preset name %1.</source>
        <translation>Un nom de préréglage %1.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; exists. Do you want to replace it?</source>
        <translation>Le préréglage «&#xa0;%1&#xa0;» existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be saved.</source>
        <translation>Le préréglage «&#xa0;%1&#xa0;» n’a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Do you want to delete the preset &quot;%1&quot;?</source>
        <translation>Voulez-vous supprimer le préréglage «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>Le préréglage «&#xa0;%1&#xa0;» n’a pas pu être supprimé.</translation>
    </message>
</context>
<context>
    <name>PresetStore</name>
    <message>
        <source>must not be empty</source>
        <translation>ne doit pas être vide</translation>
    </message>
    <message>
        <source>must not contain &apos;/&apos; or &apos;\&apos;</source>
        <translation>ne doit contenir ni « / » ni « \ »</translation>
    </message>
    <message>
        <source>must not contain control characters</source>
        <translation>ne doit pas contenir de caractères de contrôle</translation>
    </message>
    <message>
        <source>the settings file %1 has a line that cannot be read</source>
        <translation>le fichier de réglages %1 contient une ligne illisible</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written</source>
        <translation>le fichier de réglages %1 n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>a preset name %1</source>
        <translation>un nom de préréglage %1</translation>
    </message>
</context>
<context>
    <name>PreviewFrame</name>
    <message>
        <source>Show source</source>
        <translation>Afficher l’original</translation>
    </message>
    <message>
        <source>The selected photo as it will be written. Double-click or press Space in the list to see it larger.</source>
        <translation>La photo sélectionnée telle qu’elle sera écrite. Double-cliquez ou appuyez sur Espace dans la liste pour l’agrandir.</translation>
    </message>
    <message>
        <source>Before and after: the source photo, or the result</source>
        <translation>Avant/après&#xa0;: la photo originale ou le résultat</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a tooltip, then its key</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No result: %1</source>
        <translation>Aucun résultat&#xa0;: %1</translation>
    </message>
    <message>
        <source>Show result</source>
        <translation>Afficher le résultat</translation>
    </message>
    <message>
        <source>Opening…</source>
        <translation>Ouverture…</translation>
    </message>
    <message>
        <source>The result could not be shown.</source>
        <translation>Le résultat n’a pas pu être affiché.</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>no such file or folder</source>
        <translation>fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>a loop of symbolic links</source>
        <translation>une boucle de liens symboliques</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>ce n’est pas une image</translation>
    </message>
    <message>
        <source>could not be searched (%1)</source>
        <translation>recherche impossible (%1)</translation>
    </message>
    <message>
        <source>standard input could not be read</source>
        <translation>l’entrée standard n’a pas pu être lue</translation>
    </message>
    <message>
        <source>Can not create the directory</source>
        <translation>Impossible de créer le dossier</translation>
    </message>
    <message>
        <source>Not converted: the output file exists</source>
        <translation>Non convertie&#xa0;: le fichier de sortie existe déjà</translation>
    </message>
    <message>
        <source>unknown output photo format!</source>
        <translation>format de photo de sortie inconnu&#xa0;!</translation>
    </message>
    <message>
        <source>developed from the camera&apos;s preview</source>
        <translation>développée à partir de l’aperçu de l’appareil</translation>
    </message>
    <message>
        <source>developed at half size</source>
        <translation>développée en demi-taille</translation>
    </message>
    <message>
        <source>developed in full</source>
        <translation>développée en entier</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>le fichier est introuvable</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>the format is not supported</source>
        <translation>le format n’est pas pris en charge</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete</source>
        <translation>le fichier est endommagé ou incomplet</translation>
    </message>
    <message>
        <source>a damaged picture</source>
        <translation>une image endommagée</translation>
    </message>
    <message>
        <source>the imaging library could not start</source>
        <translation>la bibliothèque d’images n’a pas pu démarrer</translation>
    </message>
    <message>
        <source>a picture without pixels</source>
        <translation>une image sans pixels</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the value %1 is not a whole number</source>
        <translation>la valeur %1 n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>the value %1 is not between %2 and %3</source>
        <translation>la valeur %1 n’est pas comprise entre %2 et %3</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not a whole number</source>
        <translation>la valeur «&#xa0;%1&#xa0;» n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not a number</source>
        <translation>la valeur «&#xa0;%1&#xa0;» n’est pas un nombre</translation>
    </message>
    <message>
        <source>the value %1 stands for no choice</source>
        <translation>la valeur %1 ne correspond à aucun choix</translation>
    </message>
    <message>
        <source>the photo has no size</source>
        <translation>la photo n’a pas de dimensions</translation>
    </message>
    <message>
        <source>the setting %1 could not be saved</source>
        <translation>le réglage %1 n’a pas pu être enregistré</translation>
    </message>
    <message>
        <source>the log could not be written</source>
        <translation>le journal n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>the watermark: %1</source>
        <translation>le filigrane&#xa0;: %1</translation>
    </message>
    <message>
        <source>the output would replace one of the photos being converted</source>
        <translation>la sortie remplacerait l’une des photos en cours de conversion</translation>
    </message>
    <message>
        <source>two outputs of %1 would have this name; give each preset its own name, for example with {preset}</source>
        <translation>deux sorties de %1 porteraient ce nom&#xa0;; donnez à chaque préréglage son propre nom, par exemple avec {preset}</translation>
    </message>
    <message>
        <source>the file date could not be set: %1</source>
        <translation>la date du fichier n’a pas pu être définie&#xa0;: %1</translation>
    </message>
    <message>
        <source>the encoder wrote nothing</source>
        <translation>l’encodeur n’a rien écrit</translation>
    </message>
    <message>
        <source>the preview file could not be read back</source>
        <translation>le fichier d’aperçu n’a pas pu être relu</translation>
    </message>
    <message>
        <source>the output size %1 x %2 cannot be written</source>
        <translation>impossible d’écrire une sortie de %1 x %2</translation>
    </message>
    <message>
        <source>the output is larger than %1 stores</source>
        <translation>la sortie dépasse ce que %1 peut stocker</translation>
    </message>
    <message>
        <source>the output could not be made</source>
        <translation>la sortie n’a pas pu être créée</translation>
    </message>
    <message>
        <source>the output could not be read back</source>
        <translation>la sortie n’a pas pu être relue</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>un lien symbolique, non suivi</translation>
    </message>
    <message>
        <source>the value %1 is out of range</source>
        <translation>la valeur %1 est hors limites</translation>
    </message>
    <message>
        <source>the value %1 is not a colour</source>
        <translation>la valeur %1 n’est pas une couleur</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot;</source>
        <translation>le modèle de nom «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>a &apos;}&apos; without its &apos;{&apos; (write &quot;}}&quot; for a brace)</source>
        <translation>un «&#xa0;}&#xa0;» sans son «&#xa0;{&#xa0;» (écrivez «&#xa0;}}&#xa0;» pour l’accolade elle-même)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not closed by &apos;}&apos;</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas fermé par «&#xa0;}&#xa0;»</translation>
    </message>
    <message>
        <source>unknown token %1</source>
        <translation>balise inconnue %1</translation>
    </message>
    <message>
        <source>the width in %1 must be a number from 1 to 10</source>
        <translation>le nombre de chiffres dans %1 doit être compris entre 1 et 10</translation>
    </message>
    <message>
        <source>the date format in %1 is empty</source>
        <translation>le format de date dans %1 est vide</translation>
    </message>
    <message>
        <source>unknown date format &quot;%1&quot; in %2</source>
        <translation>format de date inconnu «&#xa0;%1&#xa0;» dans %2</translation>
    </message>
    <message>
        <source>the token %1 takes no format</source>
        <translation>la balise %1 n’accepte pas de format</translation>
    </message>
    <message>
        <source>&apos;/&apos; is not allowed in a file name</source>
        <translation>«&#xa0;/&#xa0;» n’est pas autorisé dans un nom de fichier</translation>
    </message>
    <message>
        <source>a control character is not allowed in a file name</source>
        <translation>un caractère de contrôle n’est pas autorisé dans un nom de fichier</translation>
    </message>
    <message>
        <source>it names nothing but the extension</source>
        <translation>il ne contient que l’extension</translation>
    </message>
    <message>
        <source>preset %1: %2</source>
        <translation>préréglage %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the folder could not be searched</source>
        <translation>recherche impossible dans le dossier</translation>
    </message>
    <message>
        <source>cannot reach %1 at quality %2 (smallest %3)</source>
        <translation>impossible d’atteindre %1 en qualité %2 (plus petit fichier : %3)</translation>
    </message>
    <message>
        <source>cannot reach %1 losslessly (smallest %2)</source>
        <translation>impossible d’atteindre %1 sans perte (plus petit fichier : %2)</translation>
    </message>
    <message>
        <source>cannot reach %1 at quality %2 even at %3 (smallest %4)</source>
        <translation>impossible d’atteindre %1 en qualité %2, même en %3 (plus petit fichier : %4)</translation>
    </message>
    <message>
        <source>cannot reach %1 losslessly even at %2 (smallest %3)</source>
        <translation>impossible d’atteindre %1 sans perte, même en %2 (plus petit fichier : %3)</translation>
    </message>
    <message>
        <source>output size %1</source>
        <translation>taille de sortie %1</translation>
    </message>
    <message>
        <source>an output of %1 pixels is larger than %2 stores (%3 pixels a side)</source>
        <translation>une sortie de %1 pixels dépasse ce que %2 peut stocker (%3 pixels par côté)</translation>
    </message>
</context>
<context>
    <name>RunPanel</name>
    <message>
        <source>Do you want to open the output folder?</source>
        <translation>Voulez-vous ouvrir le dossier de sortie&#xa0;?</translation>
    </message>
    <message>
        <source>The conversion is done. %1</source>
        <translation>La conversion est terminée. %1</translation>
    </message>
    <message>
        <source>There is not log file now!</source>
        <translation>Il n’y a pas encore de fichier journal&#xa0;!</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Stopped: %1 of %2 converted, %3 not started</source>
        <translation>Arrêt&#xa0;: %1 sur %2 converties, %3 non commencées</translation>
    </message>
    <message numerus="yes">
        <source>%1 photos were not converted; see the log.</source>
        <translation>
            <numerusform>%1 photo n’a pas été convertie&#xa0;; voir le journal.</numerusform>
            <numerusform>%1 photos n’ont pas été converties&#xa0;; voir le journal.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 photos got a number added to a name another photo has.</source>
        <translation>
            <numerusform>%1 photo a reçu un numéro ajouté à son nom, déjà porté par une autre photo.</numerusform>
            <numerusform>%1 photos ont reçu un numéro ajouté à leur nom, déjà porté par une autre photo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Written per preset: %1</source>
        <translation>Fichiers écrits par préréglage&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>moins d’une minute restante</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>environ %n min restante</numerusform>
            <numerusform>environ %n min restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>environ %n h restante</numerusform>
            <numerusform>environ %n h restantes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunSummaryDialog</name>
    <message>
        <source>Co&amp;py</source>
        <translation>Co&amp;pier</translation>
    </message>
    <message>
        <source>Show &amp;log</source>
        <translation>Afficher le &amp;journal</translation>
    </message>
    <message>
        <source>Convert the &amp;rest</source>
        <translation>Convertir le &amp;reste</translation>
    </message>
</context>
<context>
    <name>WatermarkPanel</name>
    <message>
        <source>&amp;Watermark:</source>
        <translation>&amp;Filigrane&#xa0;:</translation>
    </message>
    <message>
        <source>No picture: type a path or choose a logo</source>
        <translation>Aucune image&#xa0;: saisissez un chemin ou choisissez un logo</translation>
    </message>
    <message>
        <source>Lo&amp;go...</source>
        <translation>Lo&amp;go...</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>Tai&amp;lle&#xa0;:</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>O&amp;pacité&#xa0;:</translation>
    </message>
    <message>
        <source>Margi&amp;n:</source>
        <translation>&amp;Marge&#xa0;:</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source>Pictures (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;All files (*)</source>
        <translation>Images (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The watermark could not be read.</source>
        <translation>Le filigrane n’a pas pu être lu.</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>Add photo files to the list</source>
        <translation>Ajouter des fichiers photo à la liste</translation>
    </message>
    <message>
        <source>Add every photo in a folder and its subfolders to the list</source>
        <translation>Ajouter à la liste toutes les photos d’un dossier et de ses sous-dossiers</translation>
    </message>
    <message>
        <source>Output settings for photos added from now on</source>
        <translation>Réglages de sortie des photos ajoutées désormais</translation>
    </message>
    <message>
        <source>Convert every photo in the list into a new folder inside the output folder</source>
        <translation>Convertir toutes les photos de la liste dans un nouveau dossier à l’intérieur du dossier de sortie</translation>
    </message>
    <message>
        <source>Show the program&apos;s help</source>
        <translation>Afficher l’aide du programme</translation>
    </message>
    <message>
        <source>Output settings of the selected photos</source>
        <translation>Réglages de sortie des photos sélectionnées</translation>
    </message>
    <message>
        <source>Move the selected photos up the list</source>
        <translation>Monter les photos sélectionnées dans la liste</translation>
    </message>
    <message>
        <source>Move the selected photos down the list</source>
        <translation>Descendre les photos sélectionnées dans la liste</translation>
    </message>
    <message>
        <source>Remove the selected photos from the list</source>
        <translation>Retirer les photos sélectionnées de la liste</translation>
    </message>
    <message>
        <source>Remove every photo from the list</source>
        <translation>Retirer toutes les photos de la liste</translation>
    </message>
    <message>
        <source>Sort the list by a column</source>
        <translation>Trier la liste selon une colonne</translation>
    </message>
    <message>
        <source>Select every photo in the list</source>
        <translation>Sélectionner toutes les photos de la liste</translation>
    </message>
    <message>
        <source>Choose the folder the converted photos go to</source>
        <translation>Choisir le dossier qui reçoit les photos converties</translation>
    </message>
    <message>
        <source>Font and colour of the text added to photos</source>
        <translation>Police et couleur du texte ajouté aux photos</translation>
    </message>
    <message>
        <source>Use the settings of the chosen preset</source>
        <translation>Utiliser les réglages du préréglage choisi</translation>
    </message>
    <message>
        <source>Keep the current settings as a preset</source>
        <translation>Enregistrer les réglages actuels comme préréglage</translation>
    </message>
    <message>
        <source>Remove the chosen preset</source>
        <translation>Supprimer le préréglage choisi</translation>
    </message>
    <message>
        <source>Open the activity log</source>
        <translation>Ouvrir le journal d’activité</translation>
    </message>
    <message>
        <source>Which version is installed and where updates come from</source>
        <translation>La version installée et la provenance des mises à jour</translation>
    </message>
    <message>
        <source>The program&apos;s version and licence</source>
        <translation>La version et la licence du programme</translation>
    </message>
    <message>
        <source>Quit the program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Undo the last change to the list</source>
        <translation>Annuler la dernière modification de la liste</translation>
    </message>
    <message>
        <source>Redo the change just undone</source>
        <translation>Rétablir la modification qui vient d’être annulée</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
</context>
</TS>
