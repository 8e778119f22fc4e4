<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>&amp;Conserver les proportions d’après la largeur</translation>
    </message>
    <message>
        <source>Ou&amp;tput Height:</source>
        <translation>&amp;Hauteur de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Keep aspect ratio with &amp;Height</source>
        <translation>Conserver les proportions d’après la ha&amp;uteur</translation>
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
        <translation>&amp;Tenir dans largeur × hauteur de sortie</translation>
    </message>
    <message>
        <source>Lon&amp;g edge:</source>
        <translation>Grand &amp;côté&#xa0;:</translation>
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
        <translation>Ne &amp;pas agrandir</translation>
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
        <translation>Sans &amp;perte</translation>
    </message>
    <message>
        <source>Camera &amp;data (EXIF, XMP, IPTC):</source>
        <translation>&amp;Données de l’appareil (EXIF, XMP, IPTC)&#xa0;:</translation>
    </message>
    <message>
        <source>Ca&amp;mera RAW photos:</source>
        <translation>Photos RA&amp;W de l’appareil&#xa0;:</translation>
    </message>
    <message>
        <source>Rotate b&amp;y angle</source>
        <translation>Rotati&amp;on</translation>
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
</context>
<context>
    <name>FrameControls</name>
    <message>
        <source>Frame and finishing</source>
        <translation>Cadrage et finition</translation>
    </message>
    <message>
        <source>&amp;Aspect:</source>
        <translation>&amp;Format&#xa0;:</translation>
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
        <source>Resolution:</source>
        <translation>Résolution&#xa0;:</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
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
        <translation>Préfi&amp;xe de renommage&#xa0;:</translation>
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
</context>
<context>
    <name>OutputSettingsEditor</name>
    <message numerus="yes">
        <source>Give the %n photo in the list these settings too?</source>
        <translation>
            <numerusform>Appliquer aussi ces réglages à %n photo de la liste&#xa0;?</numerusform>
            <numerusform>Appliquer aussi ces réglages aux %n photos de la liste&#xa0;?</numerusform>
        </translation>
    </message>
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
    <name>PhotoSources</name>
    <message>
        <source>%1: could not be searched (%2)</source>
        <translation>%1&#xa0;: recherche impossible (%2)</translation>
    </message>
    <message>
        <source>Photo Files (%1) (%2)</source>
        <translation>Fichiers photo (%1) (%2)</translation>
    </message>
    <message>
        <source>Any Files (*.*) (*)</source>
        <translation>Tous les fichiers (*.*) (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n file was left out: not a picture (%1)</source>
        <translation>
            <numerusform>%n fichier ignoré&#xa0;: ce n’est pas une image (%1)</numerusform>
            <numerusform>%n fichiers ignorés&#xa0;: ce ne sont pas des images (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: not pictures (%1)</source>
        <translation>
            <numerusform>%n fichier ignoré&#xa0;: ce n’est pas une image (%1)</numerusform>
            <numerusform>%n fichiers ignorés&#xa0;: ce ne sont pas des images (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: left out, not a picture</source>
        <translation>%1&#xa0;: ignoré, ce n’est pas une image</translation>
    </message>
    <message>
        <source>Select Photo Files...</source>
        <translation>Sélectionner des fichiers photo...</translation>
    </message>
</context>
<context>
    <name>PlacesRow</name>
    <message>
        <source>Name template:</source>
        <translation>Modèle de nom&#xa0;:</translation>
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
        <source>Keep file dates (each output gets its original&apos;s)</source>
        <translation>Conserver les dates des fichiers (chaque sortie reçoit celle de son original)</translation>
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
    <message>
        <source>&amp;Write: 1 preset</source>
        <translation>&amp;Écrire&#xa0;: 1 préréglage</translation>
    </message>
    <message>
        <source>&amp;Write: %1 presets</source>
        <translation>&amp;Écrire&#xa0;: %1 préréglages</translation>
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
        <translation>Mar&amp;ge&#xa0;:</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source>Pictures (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;All files (*)</source>
        <translation>Images (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;Tous les fichiers (*)</translation>
    </message>
</context>
</TS>
