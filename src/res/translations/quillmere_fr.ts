<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogPhotoOptions</name>
    <message>
        <source>Photo Output Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;utput Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;riginal size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed width and height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output &amp;Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep aspect ratio with width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ou&amp;tput Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep aspect ratio with &amp;Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Str&amp;etch:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hori&amp;zontal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vertical:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit within Output Width x Output Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lon&amp;g edge:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long edge in pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do &amp;not enlarge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A photo smaller than the chosen size keeps its own size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pi&amp;xel format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quality Control:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Min 1, Max 100)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lossless</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera &amp;data (EXIF, XMP, IPTC):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ca&amp;mera RAW photos:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate b&amp;y angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>180</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>270</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St&amp;yle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height of the characters in pixels of the output photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effects:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the text color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AaBbYyZz 123</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrameControls</name>
    <message>
        <source>Frame and finishing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aspect:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cro&amp;p:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sharpen when reduced:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> DPI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Quillmere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Photos:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output &amp;Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;text to photo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position &amp;x, y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;nchor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text&apos;s size as a percentage of the photo&apos;s shorter side; at 0 the font&apos;s own size counts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> % of shorter side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batch rena&amp;me prefix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+Number+Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date in the names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which date the file names carry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Not rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photos found by Search photos or in a dropped folder keep their sub-folders inside the run folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep sub-folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output settings, naming and text of the preset; the listed photos get its output settings if you agree.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve as…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%p%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops gathering; the photos read so far are added (Esc).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V&amp;iew log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>load list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U&amp;pdate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abou&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlacesRow</name>
    <message>
        <source>Name template:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prefix naming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names the outputs instead of the prefix: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the outputs go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New time-stamped folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into the output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next to each photo, in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder next to each photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file dates, and the presets whose outputs each photo gets, from one decode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep file dates (each output gets its original&apos;s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outputs: one per preset ticked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No presets saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write: one output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write: 1 preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write: %1 presets</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunSummaryDialog</name>
    <message>
        <source>Co&amp;py</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert the &amp;rest</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WatermarkPanel</name>
    <message>
        <source>&amp;Watermark:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No picture: type a path or choose a logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo&amp;go...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margi&amp;n:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
