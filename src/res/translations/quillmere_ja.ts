<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>ソース: %1</translation>
    </message>
</context>
<context>
    <name>CDialogPhotoOptions</name>
    <message>
        <source>Photo Output Options</source>
        <translation>写真の出力オプション</translation>
    </message>
    <message>
        <source>O&amp;utput Format:</source>
        <translation>出力形式(&amp;U):</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>出力サイズ</translation>
    </message>
    <message>
        <source>O&amp;riginal size</source>
        <translation>元のサイズ(&amp;R)</translation>
    </message>
    <message>
        <source>Fixed size</source>
        <translation>サイズ指定</translation>
    </message>
    <message>
        <source>Fixed width and height</source>
        <translation>幅と高さを指定します</translation>
    </message>
    <message>
        <source>Output &amp;Width:</source>
        <translation>出力の幅(&amp;W):</translation>
    </message>
    <message>
        <source>&amp;Keep aspect ratio with width</source>
        <translation>幅に合わせて縦横比を維持(&amp;K)</translation>
    </message>
    <message>
        <source>Ou&amp;tput Height:</source>
        <translation>出力の高さ(&amp;T):</translation>
    </message>
    <message>
        <source>Keep aspect ratio with &amp;Height</source>
        <translation>高さに合わせて縦横比を維持(&amp;H)</translation>
    </message>
    <message>
        <source>Str&amp;etch:</source>
        <translation>伸縮(&amp;E):</translation>
    </message>
    <message>
        <source>Hori&amp;zontal:</source>
        <translation>横(&amp;Z):</translation>
    </message>
    <message>
        <source>&amp;Vertical:</source>
        <translation>縦(&amp;V):</translation>
    </message>
    <message>
        <source>&amp;Fit within Output Width x Output Height</source>
        <translation>出力の幅 x 高さに収める(&amp;F)</translation>
    </message>
    <message>
        <source>Lon&amp;g edge:</source>
        <translation>長辺(&amp;G):</translation>
    </message>
    <message>
        <source>Long edge in pixels</source>
        <translation>長辺のピクセル数</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>ピクセル</translation>
    </message>
    <message>
        <source>Do &amp;not enlarge</source>
        <translation>拡大しない(&amp;N)</translation>
    </message>
    <message>
        <source>A photo smaller than the chosen size keeps its own size</source>
        <translation>指定サイズより小さい写真は元のサイズのままにします</translation>
    </message>
    <message>
        <source>Format settings</source>
        <translation>形式の設定</translation>
    </message>
    <message>
        <source>Pi&amp;xel format:</source>
        <translation>ピクセル形式(&amp;X):</translation>
    </message>
    <message>
        <source>&amp;Quality Control:</source>
        <translation>画質(&amp;Q):</translation>
    </message>
    <message>
        <source>(Min 1, Max 100)</source>
        <translation>(最小 1、最大 100)</translation>
    </message>
    <message>
        <source>&amp;Lossless</source>
        <translation>ロスレス(&amp;L)</translation>
    </message>
    <message>
        <source>Camera &amp;data (EXIF, XMP, IPTC):</source>
        <translation>撮影データ (EXIF, XMP, IPTC)(&amp;D):</translation>
    </message>
    <message>
        <source>Ca&amp;mera RAW photos:</source>
        <translation>カメラ RAW 写真(&amp;M):</translation>
    </message>
    <message>
        <source>Rotate b&amp;y angle</source>
        <translation>回転角度(&amp;Y)</translation>
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
        <translation>反転</translation>
    </message>
    <message>
        <source>No flip</source>
        <translation>反転しない</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>色数:</translation>
    </message>
    <message>
        <source>(different)</source>
        <translation>(異なる値)</translation>
    </message>
    <message numerus="yes">
        <source>Settings for %n photos</source>
        <translation>
            <numerusform>%n 枚の写真の設定</numerusform>
        </translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Unknown flip type!</source>
        <translation>不明な反転の種類です。</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>整数を入力してください。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>%1 から %2 までの整数を入力してください。</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>数値を入力してください。</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>%1 から %2 までの数値を入力してください。</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Unknown nOuputSizeType type!</source>
        <translation>不明な nOuputSizeType の種類です。</translation>
    </message>
    <message>
        <source>Unknown nKeepAspectRatio type!</source>
        <translation>不明な nKeepAspectRatio の種類です。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1～%2</translation>
    </message>
    <message>
        <source>must be one of %1</source>
        <translation>%1 のいずれかである必要があります</translation>
    </message>
    <message>
        <source>must be an integer from %1 to %2</source>
        <translation>%1～%2 の整数である必要があります</translation>
    </message>
    <message>
        <source>must be a number from %1 to %2</source>
        <translation>%1～%2 の数値である必要があります</translation>
    </message>
    <message>
        <source> (default %1)</source>
        <translation> (既定値 %1)</translation>
    </message>
    <message>
        <source>must name a folder</source>
        <translation>フォルダーを指定する必要があります</translation>
    </message>
    <message>
        <source>must name a file</source>
        <translation>ファイルを指定する必要があります</translation>
    </message>
    <message>
        <source>must be six hexadecimal digits RRGGBB</source>
        <translation>16 進数 6 桁 (RRGGBB) である必要があります</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Text overlay</source>
        <translation>文字の重ね合わせ</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>Scripts and clusters</source>
        <translation>スクリプトとクラスター</translation>
    </message>
    <message>
        <source>start from the saved preset NAME; options after it override it</source>
        <translation>保存済みのプリセット NAME から開始します。後に続くオプションで上書きできます</translation>
    </message>
    <message>
        <source>output folder (default: the work folder, Pictures/Quillmere/)</source>
        <translation>出力フォルダー (既定値: 作業フォルダー Pictures/Quillmere/)</translation>
    </message>
    <message>
        <source>output width for %1</source>
        <translation>%1 での出力の幅</translation>
    </message>
    <message>
        <source>output height for %1</source>
        <translation>%1 での出力の高さ</translation>
    </message>
    <message>
        <source>the longer side for %1</source>
        <translation>%1 での長辺</translation>
    </message>
    <message>
        <source>with %1: a photo smaller than the result keeps its size</source>
        <translation>%1 の場合: 結果より小さい写真は元のサイズのままにします</translation>
    </message>
    <message>
        <source>factors for %1</source>
        <translation>%1 での倍率</translation>
    </message>
    <message>
        <source>must be two factors H,V from %1</source>
        <translation>%1 の範囲の 2 つの倍率 H,V である必要があります</translation>
    </message>
    <message>
        <source>BMP pixel format: %1, or %2</source>
        <translation>BMP のピクセル形式: %1、または %2</translation>
    </message>
    <message>
        <source>quality of %1</source>
        <translation>%1 の画質</translation>
    </message>
    <message>
        <source>lossless %1 (the quality is not used)</source>
        <translation>%1 をロスレスで保存 (画質は使われません)</translation>
    </message>
    <message>
        <source>camera data (EXIF, XMP, IPTC) the outputs keep: %1</source>
        <translation>出力に残す撮影データ (EXIF, XMP, IPTC): %1</translation>
    </message>
    <message>
        <source>rename prefix</source>
        <translation>リネームの接頭辞</translation>
    </message>
    <message>
        <source>must not contain &apos;/&apos;</source>
        <translation>&apos;/&apos; を含めることはできません</translation>
    </message>
    <message>
        <source>keep the source names, change the extension only</source>
        <translation>元のファイル名を保持し、拡張子だけを変更します</translation>
    </message>
    <message>
        <source>the date in the names: %1 (from EXIF, else the file&apos;s)</source>
        <translation>ファイル名に入れる日付: %1 (EXIF から、なければファイルの日付)</translation>
    </message>
    <message>
        <source>photos found in a folder keep their path below it inside the run folder</source>
        <translation>フォルダー内で見つかった写真は、変換先フォルダーの中でもそのフォルダー以下のパスを保ちます</translation>
    </message>
    <message>
        <source>the number of the first photo</source>
        <translation>最初の写真の番号</translation>
    </message>
    <message>
        <source>digits the numbers are padded to</source>
        <translation>番号をゼロで埋める桁数</translation>
    </message>
    <message>
        <source> (default: those of the last number)</source>
        <translation> (既定値: 最後の番号の桁数)</translation>
    </message>
    <message>
        <source>a line of text drawn on every photo</source>
        <translation>すべての写真に描画する 1 行の文字</translation>
    </message>
    <message>
        <source>must be one line, without line breaks</source>
        <translation>改行を含まない 1 行である必要があります</translation>
    </message>
    <message>
        <source>its margin in output pixels from the anchor; for top-left, its top-left corner (default 0,0)</source>
        <translation>基準位置からの余白 (出力のピクセル数)。top-left の場合は文字の左上隅の位置 (既定値 0,0)</translation>
    </message>
    <message>
        <source>font family (default: the sans-serif font)</source>
        <translation>フォントファミリー (既定値: sans-serif フォント)</translation>
    </message>
    <message>
        <source>must be a family name of at most 31 characters</source>
        <translation>31 文字以内のファミリー名である必要があります</translation>
    </message>
    <message>
        <source>font size in pixels</source>
        <translation>フォントサイズ (ピクセル)</translation>
    </message>
    <message>
        <source>text size as a percentage of the output&apos;s shorter side, in place of --font-px; %1 (default %2: the font&apos;s size)</source>
        <translation>文字のサイズを出力の短辺に対する割合 (%) で指定。--font-px の代わりに使います。%1 (既定値 %2: フォント自体のサイズ)</translation>
    </message>
    <message>
        <source>bold text</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>italic text</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>underlined text</source>
        <translation>下線付き</translation>
    </message>
    <message>
        <source>struck-out text</source>
        <translation>取り消し線付き</translation>
    </message>
    <message>
        <source>text colour (default 000000)</source>
        <translation>文字の色 (既定値 000000)</translation>
    </message>
    <message>
        <source>text opacity in percent</source>
        <translation>文字の不透明度 (%)</translation>
    </message>
    <message>
        <source>%1 around the text</source>
        <translation>文字の周囲の効果: %1</translation>
    </message>
    <message>
        <source>save the settings this command gives as preset NAME (PATHs optional)</source>
        <translation>このコマンドの設定をプリセット NAME として保存します (PATH は省略可)</translation>
    </message>
    <message>
        <source>print the saved presets&apos; names, one per line</source>
        <translation>保存済みのプリセット名を 1 行に 1 つずつ表示します</translation>
    </message>
    <message>
        <source>also convert the paths listed in FILE, one per line (- for standard input)</source>
        <translation>FILE に 1 行に 1 つずつ書かれたパスも変換します (- で標準入力)</translation>
    </message>
    <message>
        <source>the --files-from entries end with NUL, as find -print0 writes them</source>
        <translation>--files-from の各項目は、find -print0 が出力するように NUL で終わります</translation>
    </message>
    <message>
        <source>write into DIR (made if missing) instead of a new time-stamped folder</source>
        <translation>日時付きの新しいフォルダーではなく DIR (なければ作成) に書き出します</translation>
    </message>
    <message>
        <source>write one JSON object per photo, then a summary object, one per line, to FILE</source>
        <translation>写真ごとに JSON オブジェクトを 1 つ、最後に集計オブジェクトを、1 行に 1 つずつ FILE に書き出します</translation>
    </message>
    <message>
        <source>%1 when an output file exists (default: ask when standard input is a terminal, else no)</source>
        <translation>出力ファイルが既にある場合: %1 (既定値: 標準入力が端末なら確認、それ以外は no)</translation>
    </message>
    <message>
        <source>photos converted at once</source>
        <translation>同時に変換する写真の数</translation>
    </message>
    <message>
        <source> (default: one per core)</source>
        <translation> (既定値: コアごとに 1 枚)</translation>
    </message>
    <message>
        <source>memory the photos in hand may take, in MiB</source>
        <translation>処理中の写真が使えるメモリ (MiB)</translation>
    </message>
    <message>
        <source>; a larger photo converts alone (default: half the physical memory, %1 MiB)</source>
        <translation>。これより大きい写真は単独で変換します (既定値: 物理メモリの半分、%1 MiB)</translation>
    </message>
    <message>
        <source>no progress bar and no notices</source>
        <translation>進行状況バーも通知も表示しません</translation>
    </message>
    <message>
        <source>print the values a fixed-set option accepts, one per line</source>
        <translation>固定の選択肢を取るオプションが受け付ける値を 1 行に 1 つずつ表示します</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>このヘルプ</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>プログラムのバージョン</translation>
    </message>
    <message>
        <source>%1: %2, skipped</source>
        <translation>%1: %2、スキップしました</translation>
    </message>
    <message>
        <source>%1: %2, failed</source>
        <translation>%1: %2、失敗しました</translation>
    </message>
    <message>
        <source>or</source>
        <translation>または</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>オプション %1 に値は指定できません</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>オプション %1 には値が必要です</translation>
    </message>
    <message>
        <source>option %1: &apos;%2&apos; %3</source>
        <translation>オプション %1: &apos;%2&apos; は%3</translation>
    </message>
    <message>
        <source>option --metadata %1 keeps more camera data than preset &apos;%2&apos; (%3)</source>
        <translation>オプション --metadata %1 は、プリセット &apos;%2&apos; (%3) より多くの撮影データを残します</translation>
    </message>
    <message>
        <source>option %1: preset &apos;%2&apos; is not used: %3</source>
        <translation>オプション %1: プリセット &apos;%2&apos; は使用されません: %3</translation>
    </message>
    <message>
        <source>option %1: no preset &apos;%2&apos; (--list-presets lists them)</source>
        <translation>オプション %1: プリセット &apos;%2&apos; はありません (--list-presets で一覧を表示できます)</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; keeps camera data %2, not --metadata %3 given before it; give --metadata after --preset</source>
        <translation>プリセット &apos;%1&apos; は撮影データ %2 を残します。その前に指定した --metadata %3 ではありません。--metadata は --preset の後に指定してください</translation>
    </message>
    <message>
        <source>option --beside cannot be given with --into</source>
        <translation>オプション --beside は --into と同時に指定できません</translation>
    </message>
    <message>
        <source>option --null needs --files-from</source>
        <translation>オプション --null には --files-from が必要です</translation>
    </message>
    <message>
        <source>option --overwrite ask cannot be answered while --files-from - reads standard input</source>
        <translation>--files-from - が標準入力を読んでいる間は、オプション --overwrite ask に応答できません</translation>
    </message>
    <message>
        <source>no photos given: name at least one file or folder</source>
        <translation>写真が指定されていません: ファイルまたはフォルダーを 1 つ以上指定してください</translation>
    </message>
    <message>
        <source>Usage: quillmere-convert [options] PATH...
Converts photos (files, or folders searched with their sub-folders) into a
new time-stamped folder inside the output folder, and prints that folder.
</source>
        <translation>使い方: quillmere-convert [オプション] PATH...
写真 (ファイル、またはサブフォルダーを含めて検索するフォルダー) を、出力フォルダー内の
日時付きの新しいフォルダーに変換し、そのフォルダーを表示します。
</translation>
    </message>
    <message>
        <source>Options take their value as the next argument or after &apos;=&apos; (--text-pos=-5,3).
Exit status: 0 every photo converted, 1 some were not, 2 bad arguments.
</source>
        <translation>オプションの値は次の引数として、または &apos;=&apos; の後に指定します (--text-pos=-5,3)。
終了ステータス: 0 すべての写真を変換、1 一部を変換できず、2 引数が不正。
</translation>
    </message>
    <message>
        <source>at most SIZE bytes per output file; K and M count 1,000 and 1,000,000, KiB and MiB 1,024 and 1,048,576 (500K, 2MiB; 0: no limit). %1 get the best quality that fits, down to --min-quality, then smaller dimensions; lossless outputs (PNG, TIF, BMP, --lossless) only smaller dimensions</source>
        <translation>出力ファイル 1 つあたりの最大サイズ (バイト)。K と M は 1,000 と 1,000,000、KiB と MiB は 1,024 と 1,048,576 (例: 500K、2MiB。0: 制限なし)。%1 は --min-quality を下限として収まる最高の画質にし、それでも収まらなければ画素数を縮小します。ロスレス出力 (PNG、TIF、BMP、--lossless) は画素数の縮小のみで対応します</translation>
    </message>
    <message>
        <source>must be a size in bytes such as 500000, 500K or 488KiB, at most 1000000M</source>
        <translation>500000、500K、488KiB のようなバイト単位のサイズ (最大 1000000M) である必要があります</translation>
    </message>
    <message>
        <source>the lowest quality --max-file-size may use, %1 (default %2; never above --quality)</source>
        <translation>--max-file-size で使える最低画質。%1 (既定値 %2。--quality を超えることはありません)</translation>
    </message>
    <message>
        <source>with --max-file-size: a photo that does not fit at --min-quality fails instead of being made smaller</source>
        <translation>--max-file-size 使用時: --min-quality でも収まらない写真は、縮小せずに失敗とします</translation>
    </message>
    <message>
        <source>colour resolution of JPG and AVIF: %1 (default %2: 420 below quality 90, else 444, which --max-file-size keeps only where the --quality file fits)</source>
        <translation>JPG と AVIF の色の解像度: %1 (既定値 %2: 画質 90 未満は 420、それ以外は 444。--max-file-size では --quality で収まる場合にのみ 444 を保ちます)</translation>
    </message>
    <message>
        <source>progressive JPG, shown coarse first while it loads</source>
        <translation>プログレッシブ JPG (読み込み中に粗い画像から表示)</translation>
    </message>
    <message>
        <source>name the outputs by TEMPLATE instead: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera} (&quot;.{ext}&quot; is added when missing)</source>
        <translation>代わりに TEMPLATE で出力ファイルに名前を付けます: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera} (&quot;.{ext}&quot; がなければ付加されます)</translation>
    </message>
    <message>
        <source>is refused: %1</source>
        <translation>使用できません: %1</translation>
    </message>
    <message>
        <source>write each output into the folder DIR next to its original (made if missing) instead of a run folder</source>
        <translation>各出力を、変換用フォルダーではなく元ファイルと同じ場所のフォルダー DIR (なければ作成) に書き出します</translation>
    </message>
    <message>
        <source>must be a folder name without &apos;/&apos;</source>
        <translation>&apos;/&apos; を含まないフォルダー名である必要があります</translation>
    </message>
    <message>
        <source>give each output its original&apos;s modification time</source>
        <translation>各出力に元ファイルの更新日時を設定します</translation>
    </message>
    <message>
        <source>write one output per preset of the comma-separated list, each photo decoded once; the names must differ (use {preset} in the template)</source>
        <translation>カンマ区切りのリストにあるプリセットごとに 1 つずつ出力します (各写真のデコードは 1 回)。ファイル名は互いに異なる必要があります (テンプレートで {preset} を使用)</translation>
    </message>
    <message>
        <source>must list preset names, separated by commas</source>
        <translation>カンマで区切ったプリセット名である必要があります</translation>
    </message>
    <message>
        <source>Image watermark</source>
        <translation>画像の透かし</translation>
    </message>
    <message>
        <source>for %1: the part fill keeps, or where pad places the photo: %2 (smart: the most interesting part; pad centres it)</source>
        <translation>%1 の場合: fill で残す部分、または pad で写真を置く位置: %2 (smart: 最も注目される部分。pad では中央に配置)</translation>
    </message>
    <message>
        <source>colour of pad&apos;s margins and of transparent areas</source>
        <translation>pad の余白と透明部分の色</translation>
    </message>
    <message>
        <source>sharpen a photo that is made smaller, by as much as it is reduced: %1</source>
        <translation>縮小する写真に、縮小の度合いに応じてシャープをかけます: %1</translation>
    </message>
    <message>
        <source>the resolution written into JPG, PNG, TIF and BMP outputs (and WebP and AVIF with camera data)</source>
        <translation>JPG、PNG、TIF、BMP の出力 (および撮影データ付きの WebP と AVIF) に書き込む解像度</translation>
    </message>
    <message>
        <source> (default 0: the source&apos;s)</source>
        <translation> (既定値 0: 元画像の解像度)</translation>
    </message>
    <message>
        <source>a picture (PNG, WebP or SVG, transparency kept) drawn on every photo</source>
        <translation>すべての写真に描画する画像 (PNG、WebP、SVG。透明部分は保持)</translation>
    </message>
    <message>
        <source>its longer side as a percentage of the output&apos;s shorter side</source>
        <translation>長辺の長さ (出力の短辺に対する割合、%)</translation>
    </message>
    <message>
        <source>its opacity in percent</source>
        <translation>不透明度 (%)</translation>
    </message>
    <message>
        <source>its distance from the anchor&apos;s edges as a percentage of the output&apos;s shorter side</source>
        <translation>基準位置側の端からの距離 (出力の短辺に対する割合、%)</translation>
    </message>
    <message>
        <source>how camera RAW photos are developed: auto (the camera&apos;s preview when it covers the output, else half size when that does, else full), preview or full (default %1)</source>
        <translation>カメラ RAW 写真の現像方法: auto (出力サイズを満たせばカメラのプレビュー、次に半分のサイズ、どちらも足りなければフル)、preview、または full (既定値 %1)</translation>
    </message>
    <message>
        <source>colours of 4- and 8-bit BMP: fixed (the standard table) or adaptive (the photo&apos;s own, by an octree) (default %1)</source>
        <translation>4 ビットおよび 8 ビット BMP の色: fixed (標準のカラーテーブル) または adaptive (写真自身の色、八分木で算出) (既定値 %1)</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; not saved: %2</source>
        <translation>プリセット &apos;%1&apos; は保存されませんでした: %2</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; saved in %2</source>
        <translation>プリセット &apos;%1&apos; を %2 に保存しました</translation>
    </message>
    <message>
        <source>option %1 has no fixed set of values</source>
        <translation>オプション %1 には固定の選択肢がありません</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>詳しくは &apos;%1 --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>no photos to convert</source>
        <translation>変換する写真がありません</translation>
    </message>
    <message>
        <source>written per preset: %1</source>
        <translation>プリセットごとの出力: %1</translation>
    </message>
    <message numerus="yes">
        <source>stopped: %n photos not started</source>
        <translation>
            <numerusform>中止しました: %n 枚の写真は未処理です</numerusform>
        </translation>
    </message>
    <message>
        <source>font family &apos;%1&apos; is not installed; the text is drawn in &apos;%2&apos;</source>
        <translation>フォントファミリー &apos;%1&apos; はインストールされていません。文字は &apos;%2&apos; で描画されます</translation>
    </message>
    <message>
        <source>when the run ends, write to FILE in the user&apos;s language how many photos were converted and into which folder, then each photo that was not, with its reason</source>
        <translation>処理の終了時に、変換した写真の枚数と出力先のフォルダー、続いて変換できなかった各写真とその理由を、ユーザーの言語で FILE に書き出します</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a heading of --help</comment>
        <extracomment>A heading of the option list, %1 its name (&quot;Output:&quot;).</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>option %1: %2</source>
        <translation>オプション %1: %2</translation>
    </message>
    <message>
        <source>No photo was converted.</source>
        <translation>変換できた写真はありません。</translation>
    </message>
    <message>
        <source>%1 of %2 photos converted</source>
        <translation>%2 枚中 %1 枚の写真を変換しました</translation>
    </message>
    <message>
        <source>%1 of %2 photos converted into %3</source>
        <translation>%2 枚中 %1 枚の写真を %3 に変換しました</translation>
    </message>
    <message>
        <source>y</source>
        <comment>the letter that answers yes in &quot;[y/N]&quot;</comment>
        <translation>y</translation>
    </message>
    <message>
        <source>[yes]</source>
        <translation>[はい]</translation>
    </message>
    <message>
        <source>[no]</source>
        <translation>[いいえ]</translation>
    </message>
    <message>
        <source>[y/N]</source>
        <extracomment>The answers of a question in the terminal: the letter of Yes, and N (the default) for No.</extracomment>
        <translation>[y/N]</translation>
    </message>
    <message>
        <source>and</source>
        <translation>および</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Batch Photo Converter</source>
        <translation>写真一括変換</translation>
    </message>
    <message>
        <source>Resize and convert photos in batches</source>
        <translation>写真をまとめてリサイズ・変換</translation>
    </message>
    <message>
        <source>Convert with Quillmere…</source>
        <translation>Quillmere で変換…</translation>
    </message>
    <message>
        <source>Open the selected photos in Quillmere</source>
        <translation>選択した写真を Quillmere で開きます</translation>
    </message>
    <message>
        <source>Convert with a preset…</source>
        <translation>プリセットで変換…</translation>
    </message>
    <message>
        <source>Quillmere: convert with a preset…</source>
        <translation>Quillmere: プリセットで変換…</translation>
    </message>
    <message>
        <source>Choose one of Quillmere&apos;s saved presets and convert the selected photos with it</source>
        <translation>Quillmere に保存したプリセットを選び、選択した写真を変換します</translation>
    </message>
    <message>
        <source>Convert the selection with the preset &quot;%1&quot;</source>
        <extracomment>The tooltip of a file manager&apos;s entry &quot;Quillmere: PRESET&quot;; %1 is the preset&apos;s name.</extracomment>
        <translation>選択したものをプリセット「%1」で変換します</translation>
    </message>
    <message>
        <source>Convert with the preset:</source>
        <extracomment>Asked in a small list of the saved presets, before converting the selected photos.</extracomment>
        <translation>変換に使うプリセット:</translation>
    </message>
    <message>
        <source>Preset</source>
        <extracomment>The heading of that list&apos;s one column.</extracomment>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>photo;picture;resize;convert;batch;rename;jpeg;png;tiff;bmp;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ended by &quot;;&quot;.</extracomment>
        <translation>写真;画像;リサイズ;変換;一括;名前の変更;jpeg;png;tiff;bmp;</translation>
    </message>
</context>
<context>
    <name>DestinationPanel</name>
    <message>
        <source>The preset could not be read.</source>
        <translation>プリセットを読み込めませんでした。</translation>
    </message>
    <message>
        <source>it is no longer stored</source>
        <translation>もう保存されていません</translation>
    </message>
</context>
<context>
    <name>FileSizeLimitRow</name>
    <message>
        <source>L&amp;imit file size to</source>
        <translation>ファイルサイズの上限(&amp;I)</translation>
    </message>
    <message>
        <source>Largest file size in KB</source>
        <translation>ファイルサイズの上限 (KB)</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>The search for a size that fits goes no lower</source>
        <translation>収まるサイズを探すとき、これより下げません</translation>
    </message>
    <message>
        <source>Lo&amp;west quality:</source>
        <translation>最低画質(&amp;W):</translation>
    </message>
    <message>
        <source>Colour &amp;resolution:</source>
        <translation>色の解像度(&amp;R):</translation>
    </message>
    <message>
        <source>Pro&amp;gressive</source>
        <translation>プログレッシブ(&amp;G)</translation>
    </message>
    <message>
        <source>A JPG shown coarse first while it loads</source>
        <translation>読み込み中に粗い画像から表示される JPG</translation>
    </message>
    <message>
        <source>Please enter a number of KB between 1 and %1.</source>
        <translation>1 から %1 までの KB 数を入力してください。</translation>
    </message>
    <message>
        <source>the best quality that fits, then a smaller size</source>
        <translation>収まる範囲で最高の画質、それでも大きければサイズを縮小</translation>
    </message>
    <message>
        <source>lossless: met by a smaller size only</source>
        <translation>ロスレス: サイズの縮小でのみ対応</translation>
    </message>
</context>
<context>
    <name>FolderChooser</name>
    <message>
        <source>Choose a folder</source>
        <translation>フォルダーを選択</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>フォント(&amp;F):</translation>
    </message>
    <message>
        <source>St&amp;yle:</source>
        <translation>スタイル(&amp;Y):</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>サイズ(&amp;S):</translation>
    </message>
    <message>
        <source>Height of the characters in pixels of the output photo</source>
        <translation>出力写真での文字の高さ (ピクセル)</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Effects:</source>
        <translation>効果:</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>下線(&amp;U)</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>取り消し線(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>色(&amp;C):</translation>
    </message>
    <message>
        <source>Choose the text color</source>
        <translation>文字の色を選択します</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>サンプル</translation>
    </message>
    <message>
        <source>AaBbYyZz 123</source>
        <translation>AaBbYyZz 123 あア亜</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>文字の色</translation>
    </message>
</context>
<context>
    <name>FrameControls</name>
    <message>
        <source>Frame and finishing</source>
        <translation>トリミングと仕上げ</translation>
    </message>
    <message>
        <source>&amp;Aspect:</source>
        <translation>縦横比(&amp;A):</translation>
    </message>
    <message>
        <source>Cro&amp;p:</source>
        <translation>トリミング(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>背景(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Sharpen when reduced:</source>
        <translation>縮小時にシャープ(&amp;S):</translation>
    </message>
    <message>
        <source>As the source</source>
        <translation>元画像と同じ</translation>
    </message>
    <message>
        <source> DPI</source>
        <translation> DPI</translation>
    </message>
    <message>
        <source>Res&amp;olution:</source>
        <translation>解像度(&amp;O):</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>1:1 (square)</source>
        <translation>1:1 (正方形)</translation>
    </message>
    <message>
        <source>4:5 (portrait post)</source>
        <translation>4:5 (縦長の投稿)</translation>
    </message>
    <message>
        <source>3:2 (photo print)</source>
        <translation>3:2 (写真プリント)</translation>
    </message>
    <message>
        <source>16:9 (wide screen)</source>
        <translation>16:9 (ワイド画面)</translation>
    </message>
    <message>
        <source>9:16 (story)</source>
        <translation>9:16 (ストーリー)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
</context>
<context>
    <name>GatherTask</name>
    <message>
        <source>Reading photos...</source>
        <translation>写真を読み込んでいます...</translation>
    </message>
    <message>
        <source>Searching folders: %1 photo files found in %2 folders</source>
        <translation>フォルダーを検索中: %2 個のフォルダーで %1 個の写真ファイルが見つかりました</translation>
    </message>
    <message>
        <source>Reading photos: %1 of %2</source>
        <translation>写真を読み込んでいます: %1 / %2</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Quillmere — User Guide</source>
        <translation>Quillmere — ユーザーガイド</translation>
    </message>
    <message>
        <source>Quillmere</source>
        <translation>Quillmere</translation>
    </message>
    <message>
        <source>Resize and convert photos in batches.</source>
        <translation>写真をまとめてリサイズ・変換します。</translation>
    </message>
    <message>
        <source>Quillmere takes a list of photos, gives each of them output settings (format, size, pixel format, quality, rotation and flip, and which camera data to keep), optionally writes a line of text on every photo, and converts them all into a new folder of their own with tidy, numbered file names. Your original photos are never changed.</source>
        <translation>Quillmere は写真のリストを受け取り、1 枚ごとに出力設定 (形式、サイズ、ピクセル形式、画質、回転と反転、残す撮影データ) を与え、必要ならすべての写真に 1 行の文字を書き入れて、整った連番のファイル名で専用の新しいフォルダーにまとめて変換します。元の写真が変更されることはありません。</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#quick&quot;&gt;Quick start&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#quick&quot;&gt;クイックスタート&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#gather&quot;&gt;Adding photos&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#gather&quot;&gt;写真の追加&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#list&quot;&gt;The photo list&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#list&quot;&gt;写真リスト&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#options&quot;&gt;Output options&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#options&quot;&gt;出力オプション&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#output&quot;&gt;Output folder and file names&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#output&quot;&gt;出力フォルダーとファイル名&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#text&quot;&gt;Text on the photos&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#text&quot;&gt;写真に入れる文字&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#presets&quot;&gt;Presets&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#presets&quot;&gt;プリセット&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#convert&quot;&gt;Converting&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#convert&quot;&gt;変換&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#formats&quot;&gt;Formats&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#formats&quot;&gt;形式&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#window&quot;&gt;All controls of the main window&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#window&quot;&gt;メインウィンドウの操作一覧&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#cli&quot;&gt;The command line: quillmere-convert&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#cli&quot;&gt;コマンドライン: quillmere-convert&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#settings&quot;&gt;What Quillmere remembers&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#settings&quot;&gt;Quillmere が記憶する設定&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Quick start</source>
        <translation>クイックスタート</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Add Photos&lt;/b&gt; and pick some photos (or drop them onto the window).</source>
        <translation>&lt;b&gt;写真を追加&lt;/b&gt;を押して写真を選びます (ウィンドウにドロップしてもかまいません)。</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Options&lt;/b&gt; to choose the output format and size. The built-in setting makes @BUILT_IN_FORMAT@ files of quality @QUALITY_BUILT_IN@, @BUILT_IN_WIDTH@ pixels wide, with the height that keeps each photo&apos;s proportions.</source>
        <translation>&lt;b&gt;オプション&lt;/b&gt;を押して出力形式とサイズを選びます。初期設定では、画質 @QUALITY_BUILT_IN@ の @BUILT_IN_FORMAT@ ファイルを、幅 @BUILT_IN_WIDTH@ ピクセル、各写真の縦横比を保つ高さで作成します。</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;Output Folder&lt;/b&gt;; the first time it is the folder &lt;code&gt;Quillmere&lt;/code&gt; in your Pictures folder.</source>
        <translation>&lt;b&gt;出力フォルダー&lt;/b&gt;を確認します。初回は「画像」フォルダー内の &lt;code&gt;Quillmere&lt;/code&gt; フォルダーになっています。</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Convert&lt;/b&gt;. When the run is done, Quillmere offers to open the folder with the results.</source>
        <translation>&lt;b&gt;変換&lt;/b&gt;を押します。処理が終わると、結果の入ったフォルダーを開くかどうか Quillmere が尋ねます。</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>写真の追加</translation>
    </message>
    <message>
        <source>There are three ways to put photos into the list. New photos are added at the end of the list and get the current default output settings (see &lt;a href=&quot;#options&quot;&gt;Options&lt;/a&gt;).</source>
        <translation>リストに写真を入れる方法は 3 つあります。新しい写真はリストの末尾に追加され、その時点の既定の出力設定が適用されます (&lt;a href=&quot;#options&quot;&gt;オプション&lt;/a&gt;を参照)。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Photos&lt;/b&gt; opens a file dialog in which you can select several files at once. It opens in the folder you last added photos from.</source>
        <translation>&lt;b&gt;写真を追加&lt;/b&gt;はファイルダイアログを開き、複数のファイルを一度に選択できます。ダイアログは、前回写真を追加したフォルダーで開きます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Drag and drop&lt;/b&gt;: drop files and folders from your file manager onto the window. Files are added in the order dropped; a folder is searched as &lt;b&gt;Search photos&lt;/b&gt; does. Opening photos or folders with Quillmere from a file manager (or &lt;code&gt;quillmere FILE|FOLDER...&lt;/code&gt;) adds them the same way.</source>
        <translation>&lt;b&gt;ドラッグ＆ドロップ&lt;/b&gt;: ファイルマネージャーからファイルやフォルダーをウィンドウにドロップします。ファイルはドロップした順に追加され、フォルダーは&lt;b&gt;写真を検索&lt;/b&gt;と同じように検索されます。ファイルマネージャーから写真やフォルダーを Quillmere で開いた場合 (または &lt;code&gt;quillmere FILE|FOLDER...&lt;/code&gt;) も、同じように追加されます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search photos&lt;/b&gt; asks for a folder and adds every photo found in it and in all its sub-folders, folder by folder. Files with the extensions @PHOTO_EXTENSIONS@ are considered (in any letter case).</source>
        <translation>&lt;b&gt;写真を検索&lt;/b&gt;はフォルダーを尋ね、そのフォルダーとすべてのサブフォルダーで見つかった写真を、フォルダーごとに追加します。対象は拡張子が @PHOTO_EXTENSIONS@ のファイルです (大文字・小文字は区別しません)。</translation>
    </message>
    <message>
        <source>Files that are not pictures, or cannot be read, are left out silently. A name with several dots, such as &lt;code&gt;IMG 2009.05.17.jpg&lt;/code&gt; or &lt;code&gt;trip.day1.HEIC&lt;/code&gt;, counts by its last extension. Photos taken with the camera turned are shown and converted upright. Phone photos (HEIC and HEIF) are read as they are.</source>
        <translation>画像でないファイルや読み込めないファイルは、何も表示せずに除外されます。&lt;code&gt;IMG 2009.05.17.jpg&lt;/code&gt; や &lt;code&gt;trip.day1.HEIC&lt;/code&gt; のようにドットを複数含む名前は、最後の拡張子で判断されます。カメラを縦にして撮った写真は、正しい向きで表示・変換されます。スマートフォンの写真 (HEIC と HEIF) もそのまま読み込めます。</translation>
    </message>
    <message>
        <source>From the file manager</source>
        <translation>ファイルマネージャーから</translation>
    </message>
    <message>
        <source>Right-click photos or folders in the file manager. &lt;b&gt;Convert with Quillmere…&lt;/b&gt; opens this window with them; each saved preset has an entry of its own, &lt;b&gt;Quillmere: &lt;i&gt;preset&lt;/i&gt;&lt;/b&gt; (in Nemo and Dolphin, &lt;b&gt;convert with a preset…&lt;/b&gt; asks which), which converts the selection at once with that preset into the output folder you chose here, in a new time-stamped folder, and ends with a desktop notification naming that folder and any photo that failed. Presets you save later appear without reinstalling anything.</source>
        <translation>ファイルマネージャーで写真やフォルダーを右クリックします。&lt;b&gt;Quillmere で変換…&lt;/b&gt; を選ぶと、それらを入れた状態でこのウィンドウが開きます。保存済みのプリセットにはそれぞれ専用の項目 &lt;b&gt;Quillmere: &lt;i&gt;プリセット名&lt;/i&gt;&lt;/b&gt; があり (Nemo と Dolphin では &lt;b&gt;プリセットで変換…&lt;/b&gt; でプリセットを選びます)、選択したものをそのプリセットですぐに変換します。保存先は、ここで選んだ出力フォルダー内の日時付きの新しいフォルダーです。終わるとデスクトップ通知で、そのフォルダーと失敗した写真を知らせます。後から保存したプリセットも、何も再インストールせずに表示されます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;GNOME Files&lt;/b&gt; shows the entries when the package &lt;code&gt;python3-nautilus&lt;/code&gt; is installed (then restart it: &lt;code&gt;nautilus -q&lt;/code&gt;).</source>
        <translation>&lt;b&gt;GNOME ファイル&lt;/b&gt;では、パッケージ &lt;code&gt;python3-nautilus&lt;/code&gt; がインストールされていれば項目が表示されます (インストール後に再起動してください: &lt;code&gt;nautilus -q&lt;/code&gt;)。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Nemo&lt;/b&gt; (Cinnamon) and &lt;b&gt;Dolphin&lt;/b&gt; (KDE) show them at once.</source>
        <translation>&lt;b&gt;Nemo&lt;/b&gt; (Cinnamon) と &lt;b&gt;Dolphin&lt;/b&gt; (KDE) では、すぐに表示されます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Thunar&lt;/b&gt; (Xfce) keeps custom actions in each user&apos;s own settings: in Thunar choose &lt;b&gt;Edit → Configure custom actions…&lt;/b&gt;, add an action named &lt;i&gt;Quillmere: Web 2048&lt;/i&gt; with the command &lt;code&gt;/usr/libexec/quillmere/quillmere-file-action convert &apos;Web 2048&apos; %F&lt;/code&gt; (the name of your preset in quotes), and under &lt;b&gt;Appearance Conditions&lt;/b&gt; tick &lt;b&gt;Image Files&lt;/b&gt; and &lt;b&gt;Directories&lt;/b&gt;. An action with the command &lt;code&gt;quillmere %F&lt;/code&gt; opens the window instead.</source>
        <translation>&lt;b&gt;Thunar&lt;/b&gt; (Xfce) は、カスタムアクションをユーザーごとの設定に保存します。Thunar で&lt;b&gt;編集 → カスタムアクションの設定…&lt;/b&gt;を選び、&lt;i&gt;Quillmere: Web 2048&lt;/i&gt; という名前のアクションを追加して、コマンドに &lt;code&gt;/usr/libexec/quillmere/quillmere-file-action convert &apos;Web 2048&apos; %F&lt;/code&gt; (引用符の中はプリセット名) を指定し、&lt;b&gt;表示する条件&lt;/b&gt;で&lt;b&gt;画像ファイル&lt;/b&gt;と&lt;b&gt;ディレクトリ&lt;/b&gt;にチェックを入れます。コマンドを &lt;code&gt;quillmere %F&lt;/code&gt; にしたアクションは、代わりにウィンドウを開きます。</translation>
    </message>
    <message>
        <source>The photo list</source>
        <translation>写真リスト</translation>
    </message>
    <message>
        <source>Each row shows one photo: &lt;b&gt;File name&lt;/b&gt;, its size (&lt;b&gt;Width * Height&lt;/b&gt;), the file&apos;s modification &lt;b&gt;Time&lt;/b&gt;, the size it will be converted to (&lt;b&gt;Output Width * Height&lt;/b&gt;) and its &lt;b&gt;Rotate&lt;/b&gt; angle, and its &lt;b&gt;Status&lt;/b&gt; in the last run: waiting, converting, converted, skipped or failed (rest the pointer on it for the reason). Rest the pointer on a name for the full path. The list order is the conversion order and so the numbering order of the new files. The same file may be in the list more than once. &lt;b&gt;Total Photos:&lt;/b&gt; above the list counts the photos.</source>
        <translation>各行に 1 枚の写真が表示されます: &lt;b&gt;ファイル名&lt;/b&gt;、サイズ (&lt;b&gt;幅 * 高さ&lt;/b&gt;)、ファイルの更新&lt;b&gt;日時&lt;/b&gt;、変換後のサイズ (&lt;b&gt;出力の幅 * 高さ&lt;/b&gt;)、&lt;b&gt;回転&lt;/b&gt;角度、そして前回の処理での&lt;b&gt;状態&lt;/b&gt; (待機中、変換中、変換済み、スキップ、失敗。ポインターを重ねると理由が表示されます)。名前にポインターを重ねると、フルパスが表示されます。リストの順序が変換の順序となり、そのまま新しいファイルの番号の順序にもなります。同じファイルを複数回リストに入れることもできます。リストの上の&lt;b&gt;写真の総数:&lt;/b&gt;に写真の数が表示されます。</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>機能</translation>
    </message>
    <message>
        <source>Click a row</source>
        <translation>行をクリック</translation>
    </message>
    <message>
        <source>Shows the photo in the preview frame, whole and in its own proportions.</source>
        <translation>その写真をプレビュー枠に、全体を元の縦横比のまま表示します。</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;File name&lt;/b&gt; or &lt;b&gt;Time&lt;/b&gt; heading</source>
        <translation>&lt;b&gt;ファイル名&lt;/b&gt;または&lt;b&gt;日時&lt;/b&gt;の見出しをクリック</translation>
    </message>
    <message>
        <source>Sorts the list by that column; click again to reverse the order.</source>
        <translation>その列でリストを並べ替えます。もう一度クリックすると逆順になります。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt; (or double-click / right-click a row)</source>
        <translation>&lt;b&gt;編集&lt;/b&gt; (または行をダブルクリック / 右クリック)</translation>
    </message>
    <message>
        <source>Opens the output options for each selected photo in turn, so that single photos can get settings of their own.</source>
        <translation>選択した写真の出力オプションを 1 枚ずつ順に開きます。個々の写真に独自の設定を与えるときに使います。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Up&lt;/b&gt; / &lt;b&gt;Down&lt;/b&gt;</source>
        <translation>&lt;b&gt;上へ&lt;/b&gt; / &lt;b&gt;下へ&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Move the selected photos one place up or down.</source>
        <translation>選択した写真を 1 つ上または下へ移動します。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Delete&lt;/b&gt; (&lt;kbd&gt;Del&lt;/kbd&gt;)</source>
        <translation>&lt;b&gt;削除&lt;/b&gt; (&lt;kbd&gt;Del&lt;/kbd&gt;)</translation>
    </message>
    <message>
        <source>Removes the selected photos from the list (the files stay on disk).</source>
        <translation>選択した写真をリストから削除します (ファイル自体はディスクに残ります)。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear&lt;/b&gt;</source>
        <translation>&lt;b&gt;クリア&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Empties the list.</source>
        <translation>リストを空にします。</translation>
    </message>
    <message>
        <source>Convert, Edit, Up, Down, Delete and Clear are available as soon as the list holds a photo. &lt;kbd&gt;Ctrl+A&lt;/kbd&gt; selects every photo. Every button has an &lt;kbd&gt;Alt&lt;/kbd&gt; letter (the underlined one); &lt;kbd&gt;Ctrl+O&lt;/kbd&gt; is Add Photos, &lt;kbd&gt;Ctrl+F&lt;/kbd&gt; Search photos and &lt;kbd&gt;Ctrl+Return&lt;/kbd&gt; Convert.</source>
        <translation>変換、編集、上へ、下へ、削除、クリアは、リストに写真が 1 枚でもあれば使えます。&lt;kbd&gt;Ctrl+A&lt;/kbd&gt; ですべての写真を選択します。どのボタンにも &lt;kbd&gt;Alt&lt;/kbd&gt; キーと組み合わせて使う文字 (下線の付いた文字) があります。&lt;kbd&gt;Ctrl+O&lt;/kbd&gt; は写真を追加、&lt;kbd&gt;Ctrl+F&lt;/kbd&gt; は写真を検索、&lt;kbd&gt;Ctrl+Return&lt;/kbd&gt; は変換です。</translation>
    </message>
    <message>
        <source>Output options</source>
        <translation>出力オプション</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt; edits the default settings that photos added from now on receive. After you confirm it with photos in the list, Quillmere asks whether all photos in the list should get the new settings as well. &lt;b&gt;Edit&lt;/b&gt; opens the same dialog for the selected photos only.</source>
        <translation>&lt;b&gt;オプション&lt;/b&gt;では、これから追加する写真に適用される既定の設定を編集します。リストに写真がある状態で確定すると、リストのすべての写真にも新しい設定を適用するかどうか Quillmere が尋ねます。&lt;b&gt;編集&lt;/b&gt;は、選択した写真だけを対象に同じダイアログを開きます。</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Format:&lt;/b&gt;</source>
        <translation>&lt;b&gt;出力形式:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>@OUTPUT_FORMAT_LIST@ (see &lt;a href=&quot;#formats&quot;&gt;Formats&lt;/a&gt;).</source>
        <translation>@OUTPUT_FORMAT_LIST@ (&lt;a href=&quot;#formats&quot;&gt;形式&lt;/a&gt;を参照)。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pixel format:&lt;/b&gt; (@PIXEL_FORMAT_FORMATS@ only)</source>
        <translation>&lt;b&gt;ピクセル形式:&lt;/b&gt; (@PIXEL_FORMAT_FORMATS@ のみ)</translation>
    </message>
    <message>
        <source>The colour depth of the BMP file: 1, 4 or 8 bits indexed (2, 16 or 256 colours, made with error diffusion), or one of the direct-colour formats. The text below the list describes the choice. &lt;b&gt;Colours:&lt;/b&gt; for 4 and 8 bits, the standard 16 or 256 colours, or the colours of the photo (the 16 or 256 that best match each photo).</source>
        <translation>BMP ファイルの色深度: 1、4、8 ビットのインデックスカラー (2 色、16 色、256 色。誤差拡散で作成)、またはダイレクトカラー形式のいずれかです。リストの下に、選んだ形式の説明が表示されます。&lt;b&gt;色数:&lt;/b&gt; 4 ビットと 8 ビットでは、標準の 16 色または 256 色か、写真に合わせた色 (各写真に最も合う 16 色または 256 色) を選べます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Do not enlarge&lt;/b&gt;</source>
        <translation>&lt;b&gt;拡大しない&lt;/b&gt;</translation>
    </message>
    <message>
        <source>With @NO_ENLARGE_RULES@: a photo smaller than the chosen size keeps its own size (no side grows), so a 100*66 picture is not blown up to 1024*675.</source>
        <translation>@NO_ENLARGE_RULES@ の場合: 指定サイズより小さい写真は元のサイズのままになり (どの辺も大きくなりません)、100*66 の画像が 1024*675 に引き伸ばされることはありません。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quality Control:&lt;/b&gt; (@QUALITY_FORMATS@)</source>
        <translation>&lt;b&gt;画質:&lt;/b&gt; (@QUALITY_FORMATS@)</translation>
    </message>
    <message>
        <source>Quality from @QUALITY_MIN@ (smallest file) to @QUALITY_MAX@ (best picture), for every format that loses detail to save space. The quality you confirm last is remembered and shown every time the dialog opens.</source>
        <translation>画質は @QUALITY_MIN@ (ファイルが最も小さい) から @QUALITY_MAX@ (画質が最も高い) まで。容量を抑えるために細部を失うすべての形式で使われます。最後に確定した画質が記憶され、ダイアログを開くたびに表示されます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lossless&lt;/b&gt; (@LOSSLESS_FORMATS@)</source>
        <translation>&lt;b&gt;ロスレス&lt;/b&gt; (@LOSSLESS_FORMATS@)</translation>
    </message>
    <message>
        <source>Keeps every pixel exactly; the quality is then not used and the files are larger.</source>
        <translation>すべてのピクセルを正確に保持します。このとき画質は使われず、ファイルは大きくなります。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Limit file size to … KB&lt;/b&gt;</source>
        <translation>&lt;b&gt;ファイルサイズの上限 … KB&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Every output file at most this many KB (1 KB = 1,000 bytes), camera data included, for upload forms and mail limits. @QUALITY_FORMATS@ files get the best quality that fits, found in a few trial encodes and never above the quality set; where even quality 30 does not fit, the picture is made smaller until it does. Lossless files (PNG, TIF, BMP, Lossless) can only be made smaller. A photo that already fits, in the same format and size with all its camera data, is copied unchanged. The command line adds &lt;code&gt;--min-quality&lt;/code&gt;, &lt;code&gt;--no-shrink-to-fit&lt;/code&gt;, &lt;code&gt;--chroma&lt;/code&gt; and &lt;code&gt;--progressive&lt;/code&gt;.</source>
        <translation>出力ファイルを、撮影データを含めてそれぞれこの KB 数以下 (1 KB = 1,000 バイト) に抑えます。アップロードフォームやメールのサイズ制限に合わせるときに使います。@QUALITY_FORMATS@ ファイルは、数回の試しエンコードで収まる最高の画質になります (設定した画質を超えることはありません)。画質 30 でも収まらない場合は、収まるまで画像を縮小します。ロスレスのファイル (PNG、TIF、BMP、ロスレス) は縮小でしか対応できません。すでに収まっている写真は、同じ形式・同じサイズで撮影データもすべて残す場合、そのままコピーされます。コマンドラインには、さらに &lt;code&gt;--min-quality&lt;/code&gt;、&lt;code&gt;--no-shrink-to-fit&lt;/code&gt;、&lt;code&gt;--chroma&lt;/code&gt;、&lt;code&gt;--progressive&lt;/code&gt; があります。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Camera data (EXIF, XMP, IPTC):&lt;/b&gt;</source>
        <translation>&lt;b&gt;撮影データ (EXIF, XMP, IPTC):&lt;/b&gt;</translation>
    </message>
    <message>
        <source>What the outputs keep of the data the camera or phone stored with the photo (not for @FORMATS_WITHOUT_CAMERA_DATA@):</source>
        <translation>カメラやスマートフォンが写真と一緒に保存したデータのうち、出力に残すもの (@FORMATS_WITHOUT_CAMERA_DATA@ では使用できません):</translation>
    </message>
    <message>
        <source>&lt;b&gt;Camera RAW photos:&lt;/b&gt;</source>
        <translation>&lt;b&gt;カメラ RAW 写真:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>How camera RAW files (recognised by their content) are developed, always with the camera&apos;s white balance and no automatic brightening, so that the photos of one shoot match:</source>
        <translation>カメラ RAW ファイル (内容で判別します) の現像方法。同じ撮影の写真がそろうように、常にカメラのホワイトバランスを使い、明るさの自動補正は行いません:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Rotate by angle&lt;/b&gt;</source>
        <translation>&lt;b&gt;回転角度&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Turn the result by @ROTATION_CHOICES@ degrees clockwise.</source>
        <translation>結果を時計回りに @ROTATION_CHOICES@ 度回転します。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Flip&lt;/b&gt;</source>
        <translation>&lt;b&gt;反転&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aspect:&lt;/b&gt; (Fill and Pad)</source>
        <translation>&lt;b&gt;縦横比:&lt;/b&gt; (「埋める」と「余白を付ける」)</translation>
    </message>
    <message>
        <source>1:1, 4:5, 3:2, 16:9 or 9:16 fills in the height from the width you type (1080 wide at 4:5 gives 1350); &lt;i&gt;Custom&lt;/i&gt; keeps the height you type.</source>
        <translation>1:1、4:5、3:2、16:9、9:16 では、入力した幅から高さを自動で決めます (幅 1080 で 4:5 なら 1350)。&lt;i&gt;カスタム&lt;/i&gt;では、入力した高さをそのまま使います。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Crop:&lt;/b&gt; (Fill and Pad)</source>
        <translation>&lt;b&gt;トリミング:&lt;/b&gt; (「埋める」と「余白を付ける」)</translation>
    </message>
    <message>
        <source>Which part of the photo Fill keeps (an edge, a corner, the centre, or &lt;i&gt;Smart&lt;/i&gt;: the part with the most detail, skin tones and colour), or where Pad places the photo.</source>
        <translation>「埋める」で写真のどの部分を残すか (端、隅、中央、または&lt;i&gt;スマート&lt;/i&gt;: 細部・肌の色・色彩が最も多い部分)、あるいは「余白を付ける」で写真をどこに置くか。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Background:&lt;/b&gt;</source>
        <translation>&lt;b&gt;背景:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The colour of Pad&apos;s margins and of transparent areas of the photos (white unless you choose another).</source>
        <translation>「余白を付ける」の余白と、写真の透明部分の色 (ほかの色を選ばない限り白)。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sharpen when reduced:&lt;/b&gt;</source>
        <translation>&lt;b&gt;縮小時にシャープ:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>A mild sharpening of the photo&apos;s lightness after it was made smaller, the more the more it was reduced (up to half its size); a photo that is not reduced is never sharpened.</source>
        <translation>縮小した写真の明るさ成分に、軽いシャープをかけます。縮小の度合いが大きいほど強くなります (半分のサイズまで)。縮小しない写真にシャープがかかることはありません。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Resolution:&lt;/b&gt;</source>
        <translation>&lt;b&gt;解像度:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The DPI written into JPG, PNG, TIF and BMP files (WebP and AVIF with camera data); &lt;i&gt;As the source&lt;/i&gt; keeps the photo&apos;s own.</source>
        <translation>JPG、PNG、TIF、BMP ファイル (撮影データ付きの WebP と AVIF も) に書き込む DPI。&lt;i&gt;元画像と同じ&lt;/i&gt;では、写真自身の値を保ちます。</translation>
    </message>
    <message>
        <source>Photos are turned upright (from the orientation the camera recorded) before any size rule is applied, so a portrait photo&apos;s width is its short side. Sizes are whole pixels: the fixed size and Stretch cut them, the other rules round to the nearest pixel.</source>
        <translation>写真は、サイズのルールを適用する前に (カメラが記録した向きに従って) 正しい向きに直されます。そのため縦位置の写真では、幅が短辺になります。サイズは整数のピクセル数です。「サイズ指定」と「伸縮」では端数を切り捨て、その他のルールでは最も近いピクセル数に丸めます。</translation>
    </message>
    <message>
        <source>The dialog shows only what matters for the chosen format and size rule. When you press OK, every number is checked, including those of hidden or unavailable fields: a message names what is wrong, the field gets the focus and the dialog stays open.</source>
        <translation>ダイアログには、選んだ形式とサイズのルールに関係する項目だけが表示されます。OK を押すと、非表示や無効の欄も含めてすべての数値が検査されます。問題があればメッセージでその内容を示し、該当する欄にフォーカスが移り、ダイアログは開いたままになります。</translation>
    </message>
    <message>
        <source>Output folder and file names</source>
        <translation>出力フォルダーとファイル名</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Folder:&lt;/b&gt; is where the results go; type a folder or choose one with &lt;b&gt;Browse&lt;/b&gt;. On the first start it is the folder &lt;code&gt;Quillmere&lt;/code&gt; inside your Pictures folder, which Quillmere creates for you. The folder you used last is remembered.</source>
        <translation>&lt;b&gt;出力フォルダー:&lt;/b&gt;は結果の保存先です。フォルダーを入力するか、&lt;b&gt;参照&lt;/b&gt;で選びます。初回起動時は「画像」フォルダー内の &lt;code&gt;Quillmere&lt;/code&gt; フォルダーで、Quillmere が自動で作成します。前回使ったフォルダーが記憶されます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;The run folder.&lt;/b&gt; Every conversion makes a new folder inside the output folder, named after the moment it started as &lt;code&gt;year.month.day.hour.minute.second&lt;/code&gt;, for example &lt;code&gt;2026.05.17.14.05.09&lt;/code&gt;. Earlier results are therefore never overwritten.</source>
        <translation>&lt;b&gt;変換先フォルダー。&lt;/b&gt;変換のたびに、出力フォルダー内に新しいフォルダーが作られます。名前は開始時刻を &lt;code&gt;year.month.day.hour.minute.second&lt;/code&gt; (年.月.日.時.分.秒) の形にしたもので、例えば &lt;code&gt;2026.05.17.14.05.09&lt;/code&gt; となります。そのため、以前の結果が上書きされることはありません。</translation>
    </message>
    <message>
        <source>&lt;b&gt;The naming rule.&lt;/b&gt; With &lt;b&gt;Batch rename prefix:&lt;/b&gt; (default &lt;code&gt;output.photo&lt;/code&gt;) each file is named</source>
        <translation>&lt;b&gt;命名ルール。&lt;/b&gt;&lt;b&gt;一括リネームの接頭辞:&lt;/b&gt; (既定値 &lt;code&gt;output.photo&lt;/code&gt;) を使うと、各ファイルの名前は次の形式になります:</translation>
    </message>
    <message>
        <source>where the number is the photo&apos;s place in the list, padded with zeros to the width of the photo count (&lt;code&gt;1&lt;/code&gt;–&lt;code&gt;9&lt;/code&gt; for up to 9 photos, &lt;code&gt;01&lt;/code&gt;–&lt;code&gt;12&lt;/code&gt; for 12, &lt;code&gt;001&lt;/code&gt; for 100 or more), and the date is the one chosen in the list beside the prefix:</source>
        <translation>ここで番号はリスト内での写真の位置で、写真の枚数の桁数に合わせてゼロで埋められます (9 枚までは &lt;code&gt;1&lt;/code&gt;–&lt;code&gt;9&lt;/code&gt;、12 枚なら &lt;code&gt;01&lt;/code&gt;–&lt;code&gt;12&lt;/code&gt;、100 枚以上なら &lt;code&gt;001&lt;/code&gt; から)。日付は、接頭辞の横のリストで選んだものです:</translation>
    </message>
    <message>
        <source>Example: prefix &lt;code&gt;trip&lt;/code&gt;, 12 photos, the third taken (or, with File date, modified) on 17 May 2009 gives &lt;code&gt;trip.03.2009.05.17.jpg&lt;/code&gt;. Photos copied from a camera card get the copy&apos;s day as their file date; choose Date taken to name them after the day they were taken.</source>
        <translation>例: 接頭辞が &lt;code&gt;trip&lt;/code&gt;、写真が 12 枚で、3 枚目の撮影日 (「ファイルの日付」では更新日) が 2009 年 5 月 17 日なら、&lt;code&gt;trip.03.2009.05.17.jpg&lt;/code&gt; になります。カメラのメモリーカードからコピーした写真は、コピーした日がファイルの日付になります。撮影した日で名前を付けるには「撮影日」を選んでください。</translation>
    </message>
    <message>
        <source>Check &lt;b&gt;Not rename&lt;/b&gt; to keep each photo&apos;s own name instead (only the extension changes, for example &lt;code&gt;IMG_0001.jpg&lt;/code&gt;); the prefix field is then unavailable. If a file of that name already exists, Quillmere asks before replacing it.</source>
        <translation>&lt;b&gt;リネームしない&lt;/b&gt;にチェックを入れると、代わりに各写真の元の名前が使われます (拡張子だけが変わります。例: &lt;code&gt;IMG_0001.jpg&lt;/code&gt;)。このとき接頭辞の欄は無効になります。同じ名前のファイルが既にある場合は、置き換える前に Quillmere が確認します。</translation>
    </message>
    <message>
        <source>Check &lt;b&gt;Keep sub-folders&lt;/b&gt; to keep the folder tree of a search: a photo that &lt;b&gt;Search photos&lt;/b&gt; (or a dropped folder) found in &lt;code&gt;Holiday/Day2/&lt;/code&gt; is written to &lt;code&gt;Day2/&lt;/code&gt; inside the run folder (for example &lt;code&gt;Day2/IMG_0001.jpg&lt;/code&gt;, or &lt;code&gt;Day2/trip.07.2009.05.17.jpg&lt;/code&gt; with renaming: the numbers still count through the whole list). Photos added one by one go to the run folder itself.</source>
        <translation>&lt;b&gt;サブフォルダーを保持&lt;/b&gt;にチェックを入れると、検索したフォルダーの構成が保たれます: &lt;b&gt;写真を検索&lt;/b&gt; (またはドロップしたフォルダー) で &lt;code&gt;Holiday/Day2/&lt;/code&gt; から見つかった写真は、変換先フォルダー内の &lt;code&gt;Day2/&lt;/code&gt; に書き出されます (例: &lt;code&gt;Day2/IMG_0001.jpg&lt;/code&gt;、リネームする場合は &lt;code&gt;Day2/trip.07.2009.05.17.jpg&lt;/code&gt;。番号はリスト全体を通して数えます)。1 枚ずつ追加した写真は、変換先フォルダーの直下に書き出されます。</translation>
    </message>
    <message>
        <source>Text on the photos</source>
        <translation>写真に入れる文字</translation>
    </message>
    <message>
        <source>Type a line into &lt;b&gt;Add text to photo:&lt;/b&gt; to write it on every converted photo, for example a copyright note. &lt;b&gt;Position x, y:&lt;/b&gt; is the place of the text&apos;s top-left corner, in pixels of the converted photo before it is rotated or flipped. A position outside the photo is reported and set to 0. &lt;b&gt;Font&lt;/b&gt; opens a dialog in which you choose the font, its style, its size in pixels of the output photo, underline, strikeout and the colour; the chosen font&apos;s name is shown beside the position fields. Font and colour are remembered; the text itself is not.</source>
        <translation>&lt;b&gt;写真に文字を追加:&lt;/b&gt;に 1 行入力すると、変換したすべての写真にその文字が書き込まれます。著作権表示などに使えます。&lt;b&gt;位置 x, y:&lt;/b&gt;は文字の左上隅の位置で、回転・反転する前の、変換後の写真のピクセルで指定します。写真の外になる位置はメッセージで知らされ、0 に設定されます。&lt;b&gt;フォント&lt;/b&gt;を押すとダイアログが開き、フォント、スタイル、サイズ (出力写真のピクセル数)、下線、取り消し線、色を選べます。選んだフォントの名前は位置の欄の横に表示されます。フォントと色は記憶されますが、文字そのものは記憶されません。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anchor:&lt;/b&gt; measures x and y from another corner, an edge or the middle of the photo instead: with &lt;i&gt;Bottom right&lt;/i&gt;, 20, 20 puts the text 20 pixels from the right and bottom edges of every photo, whatever its size. With any anchor but &lt;i&gt;Top left&lt;/i&gt; the text is kept inside the photo. &lt;b&gt;Size:&lt;/b&gt; gives the text&apos;s height as a percentage of each photo&apos;s shorter side, so that a caption has the same weight on a small and a large output; at &lt;i&gt;Font size&lt;/i&gt; the size chosen with &lt;b&gt;Font&lt;/b&gt; counts. &lt;b&gt;Opacity:&lt;/b&gt; lets the photo show through the text, and &lt;i&gt;Outline&lt;/i&gt; or &lt;i&gt;Shadow&lt;/i&gt; draws a dark (or, for dark text, light) edge that keeps it legible on any background. The preview shows the text on the photo you clicked, scaled with it.</source>
        <translation>&lt;b&gt;基準位置:&lt;/b&gt;を使うと、x と y を別の隅や辺、または写真の中央から測ります。&lt;i&gt;右下&lt;/i&gt;で 20, 20 とすると、写真のサイズに関係なく、どの写真でも右端と下端から 20 ピクセルの位置に文字が置かれます。&lt;i&gt;左上&lt;/i&gt;以外の基準位置では、文字は写真の内側に収められます。&lt;b&gt;サイズ:&lt;/b&gt;は文字の高さを各写真の短辺に対する割合 (%) で指定し、小さな出力でも大きな出力でもキャプションが同じ存在感になるようにします。&lt;i&gt;フォントサイズ&lt;/i&gt;のときは、&lt;b&gt;フォント&lt;/b&gt;で選んだサイズが使われます。&lt;b&gt;不透明度:&lt;/b&gt;を下げると文字を通して写真が透けて見え、&lt;i&gt;縁取り&lt;/i&gt;や&lt;i&gt;影&lt;/i&gt;は暗い (暗い文字なら明るい) 縁を描いて、どんな背景でも文字を読みやすくします。プレビューには、クリックした写真に文字が写真と同じ縮尺で重ねて表示されます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Watermark:&lt;/b&gt; draws a picture, such as your logo, on every photo: choose a PNG, WebP or SVG file (its transparency is kept) with &lt;b&gt;Logo…&lt;/b&gt; or type its path; clear the field for none. It sits at the chosen corner, edge or middle, &lt;b&gt;Size:&lt;/b&gt; sets its longer side as a percentage of each photo&apos;s shorter side, &lt;b&gt;Opacity:&lt;/b&gt; how much of the photo shows through, and &lt;b&gt;Margin:&lt;/b&gt; its distance from the edges, also as a percentage of the shorter side. The file is read when you choose it, and every photo of a conversion gets that picture.</source>
        <translation>&lt;b&gt;透かし:&lt;/b&gt;は、ロゴなどの画像をすべての写真に描画します。&lt;b&gt;ロゴ...&lt;/b&gt;で PNG、WebP、SVG ファイル (透明部分は保持されます) を選ぶか、パスを入力します。使わないときは欄を空にします。透かしは選んだ隅、辺、または中央に置かれます。&lt;b&gt;サイズ:&lt;/b&gt;は透かしの長辺を各写真の短辺に対する割合 (%) で、&lt;b&gt;不透明度:&lt;/b&gt;は写真がどれだけ透けて見えるかを、&lt;b&gt;余白:&lt;/b&gt;は端からの距離を、これも短辺に対する割合で指定します。ファイルは選んだ時点で読み込まれ、1 回の変換のすべての写真にその画像が使われます。</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>A preset keeps the output settings for new photos, the naming (prefix, &lt;b&gt;Not rename&lt;/b&gt;, &lt;b&gt;Keep sub-folders&lt;/b&gt;), the text and the watermark with all their settings under a name. &lt;b&gt;Save as…&lt;/b&gt; stores the window&apos;s current settings, &lt;b&gt;Apply&lt;/b&gt; brings the chosen preset back and, as &lt;b&gt;Options&lt;/b&gt; does, asks whether the listed photos get its output settings too, and &lt;b&gt;Remove&lt;/b&gt; removes it. The command line uses the same presets (&lt;code&gt;--preset&lt;/code&gt;, &lt;code&gt;--save-preset&lt;/code&gt;, &lt;code&gt;--list-presets&lt;/code&gt;).</source>
        <translation>プリセットは、新しい写真の出力設定、命名 (接頭辞、&lt;b&gt;リネームしない&lt;/b&gt;、&lt;b&gt;サブフォルダーを保持&lt;/b&gt;)、文字と透かしを、それぞれのすべての設定とともに名前を付けて保存したものです。&lt;b&gt;名前を付けて保存…&lt;/b&gt;はウィンドウの現在の設定を保存し、&lt;b&gt;適用&lt;/b&gt;は選んだプリセットを呼び出して、&lt;b&gt;オプション&lt;/b&gt;と同じようにリストの写真にもその出力設定を適用するかどうか尋ねます。&lt;b&gt;削除&lt;/b&gt;はプリセットを削除します。コマンドラインでも同じプリセットを使えます (&lt;code&gt;--preset&lt;/code&gt;、&lt;code&gt;--save-preset&lt;/code&gt;、&lt;code&gt;--list-presets&lt;/code&gt;)。</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; starts the run; while it runs the button reads &lt;b&gt;Stop&lt;/b&gt;, and pressing it stops the run after the photos in hand. The progress bar shows how many photos are done and about how long the rest will take. A photo that cannot be converted does not hold the run: its row says &lt;b&gt;Failed&lt;/b&gt; (the reason is in its tooltip), a line goes to the activity log &lt;code&gt;Corvale.log&lt;/code&gt; in the output folder, and the other photos are converted all the same. Before the first file is written a replace question is asked only for files that were there before the run, once for all of them if you answer &lt;b&gt;Yes to all&lt;/b&gt; or &lt;b&gt;No to all&lt;/b&gt;; two photos that would get the same name get two files (&lt;code&gt;IMG_0001.jpg&lt;/code&gt;, &lt;code&gt;IMG_0001-2.jpg&lt;/code&gt;). A photo is written under its final name only when it is complete, so a failed or stopped conversion never leaves a half-written file. When the run ends, one box lists every photo that failed with its reason in plain words (&lt;b&gt;Copy&lt;/b&gt; puts the list on the clipboard, &lt;b&gt;Show log&lt;/b&gt; opens the log), says how many photos a stop left unconverted, and offers to open the output folder or to &lt;b&gt;Convert the rest&lt;/b&gt; into the same folder with the numbering continued. &lt;b&gt;View log&lt;/b&gt; opens &lt;code&gt;Corvale.log&lt;/code&gt; in your text editor. If the output folder you typed does not exist yet, it is made with any folders missing above it; when it cannot be made, the message says why. Escape never closes the window; closing it with photos in the list, or during a run, asks first. The settings of the window come back at the next start.</source>
        <translation>&lt;b&gt;変換&lt;/b&gt;で処理が始まります。処理中はボタンが&lt;b&gt;中止&lt;/b&gt;に変わり、押すと処理中の写真が終わった時点で停止します。進行状況バーには、完了した写真の数と残りのおおよその時間が表示されます。変換できない写真があっても処理は止まりません。その行には&lt;b&gt;失敗&lt;/b&gt;と表示され (理由はツールチップに表示されます)、出力フォルダーの処理ログ &lt;code&gt;Corvale.log&lt;/code&gt; に 1 行記録され、ほかの写真はそのまま変換されます。最初のファイルを書き出す前に、処理の前から存在していたファイルについてだけ置き換えの確認があります。&lt;b&gt;全てはい&lt;/b&gt;または&lt;b&gt;全ていいえ&lt;/b&gt;と答えれば、確認は 1 回で済みます。同じ名前になる 2 枚の写真は、2 つのファイルになります (&lt;code&gt;IMG_0001.jpg&lt;/code&gt;、&lt;code&gt;IMG_0001-2.jpg&lt;/code&gt;)。写真は完成して初めて最終的な名前で書き出されるため、変換が失敗しても中止しても、書きかけのファイルが残ることはありません。処理が終わると 1 つのボックスが開き、失敗した写真をすべて、その理由とともにわかりやすい言葉で一覧表示し (&lt;b&gt;コピー&lt;/b&gt;で一覧をクリップボードにコピー、&lt;b&gt;ログを表示&lt;/b&gt;でログを表示)、中止によって変換されなかった写真の数を示します。そこから出力フォルダーを開くことも、番号を引き継いで同じフォルダーに&lt;b&gt;残りを変換&lt;/b&gt;することもできます。&lt;b&gt;ログを表示&lt;/b&gt;は &lt;code&gt;Corvale.log&lt;/code&gt; をテキストエディターで開きます。入力した出力フォルダーがまだない場合は、足りない上位のフォルダーも含めて作成されます。作成できないときは、メッセージでその理由を示します。Esc キーでウィンドウが閉じることはありません。リストに写真がある状態や処理中にウィンドウを閉じようとすると、先に確認があります。ウィンドウの設定は次回の起動時に復元されます。</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Quillmere reads the common picture formats (JPEG, PNG, TIFF, GIF, BMP, WebP and more). It writes:</source>
        <translation>Quillmere は一般的な画像形式 (JPEG、PNG、TIFF、GIF、BMP、WebP など) を読み込めます。書き出せる形式は次のとおりです:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>備考</translation>
    </message>
    <message>
        <source>Every output is 8-bit RGB on a white background; colour profiles are converted to sRGB and the source&apos;s resolution (DPI) is kept where the format has one. A photo larger than its format can store is refused with a message before it is read. The camera data kept is set under &lt;a href=&quot;#options&quot;&gt;Camera data&lt;/a&gt;.</source>
        <translation>すべての出力は白背景の 8 ビット RGB です。カラープロファイルは sRGB に変換され、形式に解像度 (DPI) の情報があれば元画像の値が保たれます。形式が保存できる大きさを超える写真は、読み込む前にメッセージを出して処理しません。残す撮影データは&lt;a href=&quot;#options&quot;&gt;撮影データ&lt;/a&gt;で設定します。</translation>
    </message>
    <message>
        <source>All controls of the main window</source>
        <translation>メインウィンドウの操作一覧</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Photos&lt;/b&gt;</source>
        <translation>&lt;b&gt;写真を追加&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Add photos with a file dialog.</source>
        <translation>ファイルダイアログで写真を追加します。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search photos&lt;/b&gt;</source>
        <translation>&lt;b&gt;写真を検索&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Add every photo of a folder and its sub-folders.</source>
        <translation>フォルダーとそのサブフォルダーにあるすべての写真を追加します。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt;</source>
        <translation>&lt;b&gt;オプション&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default output settings for new photos (and, if you agree, for all listed photos).</source>
        <translation>新しい写真の既定の出力設定です (同意すれば、リストのすべての写真にも適用されます)。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; / &lt;b&gt;Stop&lt;/b&gt;</source>
        <translation>&lt;b&gt;変換&lt;/b&gt; / &lt;b&gt;中止&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start or stop the conversion.</source>
        <translation>変換を開始または中止します。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt; (&lt;kbd&gt;F1&lt;/kbd&gt;)</source>
        <translation>&lt;b&gt;ヘルプ&lt;/b&gt; (&lt;kbd&gt;F1&lt;/kbd&gt;)</translation>
    </message>
    <message>
        <source>Opens this guide in your web browser.</source>
        <translation>このガイドを Web ブラウザーで開きます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Total Photos:&lt;/b&gt;</source>
        <translation>&lt;b&gt;写真の総数:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The number of photos in the list.</source>
        <translation>リストにある写真の数です。</translation>
    </message>
    <message>
        <source>Photo list, &lt;b&gt;Edit&lt;/b&gt;, &lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;, &lt;b&gt;Delete&lt;/b&gt;, &lt;b&gt;Clear&lt;/b&gt;</source>
        <translation>写真リスト、&lt;b&gt;編集&lt;/b&gt;、&lt;b&gt;上へ&lt;/b&gt;、&lt;b&gt;下へ&lt;/b&gt;、&lt;b&gt;削除&lt;/b&gt;、&lt;b&gt;クリア&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#list&quot;&gt;The photo list&lt;/a&gt;.</source>
        <translation>&lt;a href=&quot;#list&quot;&gt;写真リスト&lt;/a&gt;を参照してください。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Folder:&lt;/b&gt;, &lt;b&gt;Browse&lt;/b&gt;</source>
        <translation>&lt;b&gt;出力フォルダー:&lt;/b&gt;、&lt;b&gt;参照&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Where the run folders are made.</source>
        <translation>変換先フォルダーを作る場所です。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add text to photo:&lt;/b&gt;, &lt;b&gt;Position x, y:&lt;/b&gt;, &lt;b&gt;Font&lt;/b&gt;</source>
        <translation>&lt;b&gt;写真に文字を追加:&lt;/b&gt;、&lt;b&gt;位置 x, y:&lt;/b&gt;、&lt;b&gt;フォント&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#text&quot;&gt;Text on the photos&lt;/a&gt;.</source>
        <translation>&lt;a href=&quot;#text&quot;&gt;写真に入れる文字&lt;/a&gt;を参照してください。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anchor:&lt;/b&gt;, &lt;b&gt;Size:&lt;/b&gt;, &lt;b&gt;Opacity:&lt;/b&gt;, outline or shadow</source>
        <translation>&lt;b&gt;基準位置:&lt;/b&gt;、&lt;b&gt;サイズ:&lt;/b&gt;、&lt;b&gt;不透明度:&lt;/b&gt;、縁取りまたは影</translation>
    </message>
    <message>
        <source>&lt;b&gt;Batch rename prefix:&lt;/b&gt; &lt;i&gt;+Number+Time&lt;/i&gt;, &lt;b&gt;File date&lt;/b&gt; / &lt;b&gt;Date taken&lt;/b&gt;, &lt;b&gt;Not rename&lt;/b&gt;, &lt;b&gt;Keep sub-folders&lt;/b&gt;</source>
        <translation>&lt;b&gt;一括リネームの接頭辞:&lt;/b&gt; &lt;i&gt;+連番+日時&lt;/i&gt;、&lt;b&gt;ファイルの日付&lt;/b&gt; / &lt;b&gt;撮影日&lt;/b&gt;、&lt;b&gt;リネームしない&lt;/b&gt;、&lt;b&gt;サブフォルダーを保持&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#output&quot;&gt;the naming rule&lt;/a&gt;.</source>
        <translation>&lt;a href=&quot;#output&quot;&gt;命名ルール&lt;/a&gt;を参照してください。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Preset:&lt;/b&gt;, &lt;b&gt;Apply&lt;/b&gt;, &lt;b&gt;Save as…&lt;/b&gt;, &lt;b&gt;Remove&lt;/b&gt;</source>
        <translation>&lt;b&gt;プリセット:&lt;/b&gt;、&lt;b&gt;適用&lt;/b&gt;、&lt;b&gt;名前を付けて保存…&lt;/b&gt;、&lt;b&gt;削除&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#presets&quot;&gt;Presets&lt;/a&gt;.</source>
        <translation>&lt;a href=&quot;#presets&quot;&gt;プリセット&lt;/a&gt;を参照してください。</translation>
    </message>
    <message>
        <source>Preview frame</source>
        <translation>プレビュー枠</translation>
    </message>
    <message>
        <source>Shows the photo you clicked in the list.</source>
        <translation>リストでクリックした写真を表示します。</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>進行状況バー</translation>
    </message>
    <message>
        <source>Progress of the current run.</source>
        <translation>現在の処理の進み具合を示します。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Update&lt;/b&gt;</source>
        <translation>&lt;b&gt;更新&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Opens the Quillmere web site, where new versions are published.</source>
        <translation>Quillmere の Web サイトを開きます。新しいバージョンはそこで公開されます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;About&lt;/b&gt;</source>
        <translation>&lt;b&gt;バージョン情報&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Version and contact addresses.</source>
        <translation>バージョンと連絡先を表示します。</translation>
    </message>
    <message>
        <source>&lt;b&gt;View log&lt;/b&gt;</source>
        <translation>&lt;b&gt;ログを表示&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Opens the activity log &lt;code&gt;Corvale.log&lt;/code&gt;.</source>
        <translation>処理ログ &lt;code&gt;Corvale.log&lt;/code&gt; を開きます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Exit&lt;/b&gt;</source>
        <translation>&lt;b&gt;終了&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Saves the output folder, the font and colour, the prefix and the date choice, and closes the program.</source>
        <translation>出力フォルダー、フォントと色、接頭辞、日付の選択を保存して、プログラムを終了します。</translation>
    </message>
    <message>
        <source>The command line: quillmere-convert</source>
        <translation>コマンドライン: quillmere-convert</translation>
    </message>
    <message>
        <source>&lt;code&gt;quillmere-convert&lt;/code&gt; converts photos with the same engine, without a window — for scripts, servers and large jobs.</source>
        <translation>&lt;code&gt;quillmere-convert&lt;/code&gt; は、同じエンジンを使ってウィンドウなしで写真を変換します。スクリプト、サーバー、大量の処理に向いています。</translation>
    </message>
    <message>
        <source>Each &lt;code&gt;PATH&lt;/code&gt; is a photo or a folder; folders are searched with their sub-folders like &lt;b&gt;Search photos&lt;/b&gt; does. Every option defaults to what the window starts with. An option&apos;s value follows as the next argument or after &lt;code&gt;=&lt;/code&gt; (&lt;code&gt;--text-pos=-5,3&lt;/code&gt;).</source>
        <translation>&lt;code&gt;PATH&lt;/code&gt; はそれぞれ写真またはフォルダーです。フォルダーは&lt;b&gt;写真を検索&lt;/b&gt;と同じように、サブフォルダーも含めて検索されます。どのオプションも、既定値はウィンドウの起動時と同じです。オプションの値は、次の引数として、または &lt;code&gt;=&lt;/code&gt; の後に指定します (&lt;code&gt;--text-pos=-5,3&lt;/code&gt;)。</translation>
    </message>
    <message>
        <source>Messages are printed as &lt;code&gt;Caption: text&lt;/code&gt; on standard error, with a progress bar when that is a terminal. The last line on standard output is the run folder. The exit status is 0 when every photo was converted, 1 when some were not, and 2 for wrong options. Files that are not pictures are skipped with a notice.</source>
        <translation>メッセージは標準エラー出力に &lt;code&gt;Caption: text&lt;/code&gt; の形で表示され、それが端末であれば進行状況バーも表示されます。標準出力の最後の行は変換先フォルダーです。終了ステータスは、すべての写真を変換できたときは 0、一部を変換できなかったときは 1、オプションが正しくないときは 2 です。画像でないファイルは、通知を出してスキップします。</translation>
    </message>
    <message>
        <source>&lt;code&gt;--into&lt;/code&gt;, &lt;code&gt;--number-start&lt;/code&gt; and &lt;code&gt;--number-width&lt;/code&gt; let several runs, on one machine or many, each convert a part of one list and name their files exactly as one run over the whole list would; the README shows how with GNU parallel.</source>
        <translation>&lt;code&gt;--into&lt;/code&gt;、&lt;code&gt;--number-start&lt;/code&gt;、&lt;code&gt;--number-width&lt;/code&gt; を使うと、1 台または複数のマシンで複数の処理を実行し、1 つのリストを分担して変換しながら、リスト全体を 1 回で処理した場合とまったく同じ名前をファイルに付けられます。GNU parallel を使った方法は README で説明しています。</translation>
    </message>
    <message>
        <source>What Quillmere remembers</source>
        <translation>Quillmere が記憶する設定</translation>
    </message>
    <message>
        <source>Quillmere keeps its settings in &lt;code&gt;~/.config/Harbenwick/quillmere.conf&lt;/code&gt;: the output folder, the rename prefix and the date in the names, the font and colour of the text, the last folders used for adding photos, and in the options dialog the last confirmed format, pixel format and quality. The photo list, the overlay text and its position, and the other output settings (size, Lossless, Do not enlarge, camera data) start fresh at every start. Presets are kept in the same file, in its group &lt;code&gt;[Presets]&lt;/code&gt;, which the command line reads and writes too; a preset keeps every output setting, the date in the names among them.</source>
        <translation>Quillmere は設定を &lt;code&gt;~/.config/Harbenwick/quillmere.conf&lt;/code&gt; に保存します: 出力フォルダー、リネームの接頭辞とファイル名の日付、文字のフォントと色、写真の追加に最後に使ったフォルダー、そしてオプションダイアログで最後に確定した形式、ピクセル形式、画質です。写真リスト、重ねる文字とその位置、その他の出力設定 (サイズ、ロスレス、拡大しない、撮影データ) は、起動するたびに初期状態に戻ります。プリセットも同じファイルの &lt;code&gt;[Presets]&lt;/code&gt; グループに保存され、コマンドラインからも読み書きされます。プリセットには、ファイル名の日付を含むすべての出力設定が保存されます。</translation>
    </message>
</context>
<context>
    <name>LanguagePack</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>&amp;About Quillmere</source>
        <translation>Quillmere について(&amp;A)</translation>
    </message>
    <message>
        <source>The output width is invalid!</source>
        <translation>出力の幅が正しくありません。</translation>
    </message>
    <message>
        <source>The output hight is invalid!</source>
        <translation>出力の高さが正しくありません。</translation>
    </message>
    <message>
        <source>Failed to SetResolution!</source>
        <translation>解像度を設定できませんでした。</translation>
    </message>
    <message>
        <source>Failed to SetInterpolationMode!</source>
        <translation>補間方法を設定できませんでした。</translation>
    </message>
    <message>
        <source>Failed to convert photo!</source>
        <translation>写真を変換できませんでした。</translation>
    </message>
    <message>
        <source>Unknown rotate angle!</source>
        <translation>不明な回転角度です。</translation>
    </message>
    <message>
        <source>Failed to rotate and flip photo!</source>
        <translation>写真を回転・反転できませんでした。</translation>
    </message>
    <message>
        <source>Failed to save the file!</source>
        <translation>ファイルを保存できませんでした。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>%s exists. Do you want to replace it?</source>
        <translation>%s は既に存在します。置き換えますか?</translation>
    </message>
    <message>
        <source>The text position X is bigger than the photo width!, The program set it to 0 now.</source>
        <translation>文字の位置 X が写真の幅を超えています。0 に設定しました。</translation>
    </message>
    <message>
        <source>The text position Y is bigger than the photo height!, The program set it to 0 now.</source>
        <translation>文字の位置 Y が写真の高さを超えています。0 に設定しました。</translation>
    </message>
    <message>
        <source>The text position X is out of range! The program set it to 0 now.</source>
        <translation>文字の位置 X が範囲外です。0 に設定しました。</translation>
    </message>
    <message>
        <source>The text position Y is out of range! The program set it to 0 now.</source>
        <translation>文字の位置 Y が範囲外です。0 に設定しました。</translation>
    </message>
    <message>
        <source>1 bit per pixel, indexed. 2 color.</source>
        <translation>1 ピクセルあたり 1 ビット、インデックスカラー。2 色。</translation>
    </message>
    <message>
        <source>4 bits per pixel, indexed. 16 color.</source>
        <translation>1 ピクセルあたり 4 ビット、インデックスカラー。16 色。</translation>
    </message>
    <message>
        <source>8 bits per pixel, indexed. 256 color.</source>
        <translation>1 ピクセルあたり 8 ビット、インデックスカラー。256 色。</translation>
    </message>
    <message>
        <source>16 bits per pixel; 5 bits are used for the red component, 6 bits are used for the green component, and 5 bits are used for the blue component.</source>
        <translation>1 ピクセルあたり 16 ビット。赤に 5 ビット、緑に 6 ビット、青に 5 ビットを使用します。</translation>
    </message>
    <message>
        <source>24 bits per pixel; 8 bits each are used for the red, green, and blue components.</source>
        <translation>1 ピクセルあたり 24 ビット。赤、緑、青にそれぞれ 8 ビットを使用します。</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the alpha, red, green, and blue components.</source>
        <translation>1 ピクセルあたり 32 ビット。アルファ、赤、緑、青にそれぞれ 8 ビットを使用します。</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the alpha, red, green, and blue components. The red, green, and blue components are premultiplied according to the alpha component.</source>
        <translation>1 ピクセルあたり 32 ビット。アルファ、赤、緑、青にそれぞれ 8 ビットを使用します。赤、緑、青の値はアルファ値で事前乗算されます。</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the red, green, and blue components. The remaining 8 bits are not used.</source>
        <translation>1 ピクセルあたり 32 ビット。赤、緑、青にそれぞれ 8 ビットを使用し、残りの 8 ビットは使用しません。</translation>
    </message>
    <message>
        <source>64 bits per pixel; 16 bits each are used for the alpha, red, green, and blue components. Written as 32 bits ARGB, as no BMP reader takes 64 bits.</source>
        <translation>1 ピクセルあたり 64 ビット。アルファ、赤、緑、青にそれぞれ 16 ビットを使用します。64 ビットを読める BMP リーダーがないため、32 ビット ARGB で書き出します。</translation>
    </message>
    <message>
        <source>64 bits per pixel; 16 bits each are used for the alpha, red, green, and blue components. The red, green, and blue components are premultiplied according to the alpha component. Written as 32 bits PARGB, as no BMP reader takes 64 bits.</source>
        <translation>1 ピクセルあたり 64 ビット。アルファ、赤、緑、青にそれぞれ 16 ビットを使用します。赤、緑、青の値はアルファ値で事前乗算されます。64 ビットを読める BMP リーダーがないため、32 ビット PARGB で書き出します。</translation>
    </message>
</context>
<context>
    <name>ListHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>元に戻す(&amp;U): %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>やり直し(&amp;R): %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
</context>
<context>
    <name>LocalFigures</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
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
        <translation>元ファイルが収まるためコピーしました</translation>
    </message>
    <message>
        <source>fitted by reducing to %1 x %2</source>
        <translation>%1 x %2 に縮小して収めました</translation>
    </message>
    <message>
        <source>fitted: quality %1</source>
        <translation>収めました: 画質 %1</translation>
    </message>
    <message>
        <source>the source fits (%1): copied unchanged</source>
        <translation>元ファイルが収まるため (%1)、そのままコピーしました</translation>
    </message>
    <message>
        <source>%1 at quality %2</source>
        <translation>%1 (画質 %2)</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n encodes</source>
        <extracomment>%1 is the size and quality (&quot;498 KB at quality 72&quot;); an encode is one trial compression made to find it.</extracomment>
        <translation>
            <numerusform>%1、エンコード %n 回</numerusform>
        </translation>
    </message>
    <message>
        <source>fitted by reducing to %1: %2</source>
        <translation>%1 に縮小して収めました: %2</translation>
    </message>
    <message>
        <source>%1 lossless</source>
        <translation>%1 ロスレス</translation>
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
        <translation>写真を追加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Search photos</source>
        <translation>写真を検索(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>変換(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Total Photos:</source>
        <translation>写真の総数:</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>上へ(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>下へ(&amp;D)</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>削除(&amp;L)</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>クリア(&amp;R)</translation>
    </message>
    <message>
        <source>Output &amp;Folder:</source>
        <translation>出力フォルダー(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>参照(&amp;B)</translation>
    </message>
    <message>
        <source>Add &amp;text to photo:</source>
        <translation>写真に文字を追加(&amp;T):</translation>
    </message>
    <message>
        <source>Position &amp;x, y:</source>
        <translation>位置 x, y(&amp;X):</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>フォント(&amp;F)</translation>
    </message>
    <message>
        <source>A&amp;nchor:</source>
        <translation>基準位置(&amp;N):</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>サイズ(&amp;Z):</translation>
    </message>
    <message>
        <source>The text&apos;s size as a percentage of the photo&apos;s shorter side; at 0 the font&apos;s own size counts.</source>
        <translation>文字のサイズを写真の短辺に対する割合で指定します。0 のときはフォント自体のサイズを使います。</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>フォントサイズ</translation>
    </message>
    <message>
        <source> % of shorter side</source>
        <translation> % (短辺比)</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>不透明度(&amp;P):</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Batch rena&amp;me prefix:</source>
        <translation>一括リネームの接頭辞(&amp;M):</translation>
    </message>
    <message>
        <source>+Number+Time</source>
        <translation>+連番+日時</translation>
    </message>
    <message>
        <source>Date in the names</source>
        <translation>ファイル名の日付</translation>
    </message>
    <message>
        <source>Which date the file names carry</source>
        <translation>ファイル名に入れる日付を選びます</translation>
    </message>
    <message>
        <source>&amp;Not rename</source>
        <translation>リネームしない(&amp;N)</translation>
    </message>
    <message>
        <source>Photos found by Search photos or in a dropped folder keep their sub-folders inside the run folder.</source>
        <translation>「写真を検索」やドロップしたフォルダーで見つかった写真は、変換先フォルダーの中でもサブフォルダー構成を保ちます。</translation>
    </message>
    <message>
        <source>&amp;Keep sub-folders</source>
        <translation>サブフォルダーを保持(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>プリセット(&amp;P):</translation>
    </message>
    <message>
        <source>Output settings, naming and text of the preset; the listed photos get its output settings if you agree.</source>
        <translation>プリセットの出力設定、ファイル名、文字を適用します。確認すると、リストの写真にもその出力設定が適用されます。</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>適用(&amp;Y)</translation>
    </message>
    <message>
        <source>Sa&amp;ve as…</source>
        <translation>名前を付けて保存(&amp;V)…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>削除(&amp;M)</translation>
    </message>
    <message>
        <source>%p%</source>
        <translation>%p%</translation>
    </message>
    <message>
        <source>Stops gathering; the photos read so far are added (Esc).</source>
        <translation>検索を中止します。それまでに読み込んだ写真は追加されます (Esc)。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>V&amp;iew log</source>
        <translation>ログを表示(&amp;I)</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>リストを保存</translation>
    </message>
    <message>
        <source>load list</source>
        <translation>リストを読み込む</translation>
    </message>
    <message>
        <source>U&amp;pdate</source>
        <translation>更新(&amp;P)</translation>
    </message>
    <message>
        <source>Abou&amp;t</source>
        <translation>バージョン情報(&amp;T)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>These files were left out because they are not pictures:</source>
        <translation>次のファイルは画像ではないため除外しました:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>Stop the conversion and quit?</source>
        <translation>変換を中止して終了しますか?</translation>
    </message>
    <message>
        <source>Stop and quit</source>
        <translation>中止して終了</translation>
    </message>
    <message numerus="yes">
        <source>The list of %n photos is not kept. Do you want to quit?</source>
        <translation>
            <numerusform>%n 枚の写真のリストは保存されません。終了しますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>MainDialogHooks</name>
    <message>
        <source>The desktop has no program that opens %1.</source>
        <translation>%1 を開くプログラムがデスクトップにありません。</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>プリセットの保存</translation>
    </message>
    <message>
        <source>Preset &amp;name:</source>
        <translation>プリセット名(&amp;N):</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1 occurs error!</source>
        <translation>%1 でエラーが発生しました。</translation>
    </message>
    <message>
        <source>%1 is not a right directory</source>
        <translation>%1 は正しいディレクトリではありません</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>%1 へのアクセスが拒否されました。</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 が見つかりませんでした。</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 に無効なパスが含まれています。</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>開いているファイルが多すぎるため、%1 を開けませんでした。</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>%1 へのアクセス中にハードウェアの入出力エラーが発生しました。</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>%1 へのアクセス中に共有違反が発生しました。</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>%1 へのアクセス中に不明なエラーが発生しました。</translation>
    </message>
    <message>
        <source>Failed file.GetStatus from %1</source>
        <translation>%1 の file.GetStatus に失敗しました</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>設定を保存できませんでした。</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>The Program does not launch your web browser to access %1 ,
Please launch your web browser and input the URL manually.</source>
        <translation>Web ブラウザーを起動して %1 にアクセスすることはできません。
Web ブラウザーを起動して URL を直接入力してください。</translation>
    </message>
    <message>
        <source>The help page %1 is missing.</source>
        <translation>ヘルプページ %1 が見つかりません。</translation>
    </message>
    <message>
        <source>%1 %2 is installed.</source>
        <translation>%1 %2 がインストールされています。</translation>
    </message>
    <message>
        <source>Updates come from your system&apos;s package manager: update %1 there together with your other programs.</source>
        <translation>更新はシステムのパッケージマネージャーから提供されます。ほかのプログラムと一緒に %1 を更新してください。</translation>
    </message>
    <message>
        <source>This copy was built from source, outside a package, so the package manager does not update it.</source>
        <translation>このコピーはパッケージを使わずにソースからビルドされたため、パッケージマネージャーでは更新されません。</translation>
    </message>
    <message>
        <source>Newer versions of the source are at %1.</source>
        <translation>ソースの新しいバージョンは %1 にあります。</translation>
    </message>
    <message>
        <source>A packaged %1 gets its updates from your system&apos;s package manager.</source>
        <translation>パッケージ版の %1 は、システムのパッケージマネージャーから更新を受け取ります。</translation>
    </message>
    <message>
        <source>Can not get My Documents directory!</source>
        <translation>ドキュメントフォルダーを取得できません。</translation>
    </message>
    <message>
        <source>The log file could not be written; its notices are lost.</source>
        <translation>ログファイルを書き込めませんでした。記録内容は失われます。</translation>
    </message>
    <message>
        <source>The watermark could not be read.</source>
        <translation>透かし画像を読み込めませんでした。</translation>
    </message>
    <message>
        <source>The stored setting %1 is not used: %2. %3 is used instead.</source>
        <translation>保存されている設定 %1 は使用されません: %2。代わりに %3 を使用します。</translation>
    </message>
</context>
<context>
    <name>OptionTables</name>
    <message>
        <source>Same as the source</source>
        <translation>元画像と同じ</translation>
    </message>
    <message>
        <source>1 bit Indexed</source>
        <translation>1 ビット インデックス</translation>
    </message>
    <message>
        <source>4 bits Indexed</source>
        <translation>4 ビット インデックス</translation>
    </message>
    <message>
        <source>8 bits Indexed</source>
        <translation>8 ビット インデックス</translation>
    </message>
    <message>
        <source>16 bits RGB565</source>
        <translation>16 ビット RGB565</translation>
    </message>
    <message>
        <source>24 bits RGB</source>
        <translation>24 ビット RGB</translation>
    </message>
    <message>
        <source>32 bits ARGB</source>
        <translation>32 ビット ARGB</translation>
    </message>
    <message>
        <source>32 bits PARGB</source>
        <translation>32 ビット PARGB</translation>
    </message>
    <message>
        <source>32 bits RGB</source>
        <translation>32 ビット RGB</translation>
    </message>
    <message>
        <source>64 bits ARGB</source>
        <translation>64 ビット ARGB</translation>
    </message>
    <message>
        <source>64 bits PARGB</source>
        <translation>64 ビット PARGB</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>元のサイズ</translation>
    </message>
    <message>
        <source>Stretch:</source>
        <translation>伸縮:</translation>
    </message>
    <message>
        <source>Fit within Output Width x Output Height</source>
        <translation>出力の幅 x 高さに収める</translation>
    </message>
    <message>
        <source>Long edge:</source>
        <translation>長辺:</translation>
    </message>
    <message>
        <source>Fill Output Width x Output Height, cropped</source>
        <translation>出力の幅 x 高さを埋める (トリミング)</translation>
    </message>
    <message>
        <source>Pad to Output Width x Output Height</source>
        <translation>余白を付けて出力の幅 x 高さにする</translation>
    </message>
    <message>
        <source>No flip</source>
        <translation>反転しない</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>All but the location</source>
        <translation>位置情報以外すべて</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Smart</source>
        <translation>スマート</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>弱</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>強</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Halved colour resolution below quality 90, full from 90 up.</source>
        <translation>画質 90 未満では色の解像度を半分に、90 以上ではフル解像度にします。</translation>
    </message>
    <message>
        <source>Colour at half resolution: smaller files.</source>
        <translation>色を半分の解像度で記録: ファイルが小さくなります。</translation>
    </message>
    <message>
        <source>Colour at full resolution: sharper red edges.</source>
        <translation>色をフル解像度で記録: 赤い輪郭がよりシャープになります。</translation>
    </message>
    <message>
        <source>Standard colours</source>
        <translation>標準の色</translation>
    </message>
    <message>
        <source>The standard 16 or 256 colours, the same for every photo.</source>
        <translation>標準の 16 色または 256 色。どの写真でも同じです。</translation>
    </message>
    <message>
        <source>Colours of the photo</source>
        <translation>写真に合わせた色</translation>
    </message>
    <message>
        <source>The 16 or 256 colours that best match each photo, found by an octree.</source>
        <translation>各写真に最も合う 16 色または 256 色 (八分木で算出)。</translation>
    </message>
    <message>
        <source>File date</source>
        <translation>ファイルの日付</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>撮影日</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>No outline</source>
        <translation>縁取りなし</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>縁取り</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>影</translation>
    </message>
    <message>
        <source>The camera&apos;s own preview when it is at least the output size, else the sensor at half size when that is, else the whole sensor.</source>
        <translation>出力サイズ以上ならカメラ内蔵のプレビュー、そうでなくセンサーの半分のサイズで足りればそれ、どちらでもなければセンサー全体を使います。</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>カメラのプレビュー</translation>
    </message>
    <message>
        <source>The preview the camera embedded in the file: fastest; a file without one fails.</source>
        <translation>カメラがファイルに埋め込んだプレビュー: 最も高速です。プレビューのないファイルは失敗します。</translation>
    </message>
    <message>
        <source>Full develop</source>
        <translation>フル現像</translation>
    </message>
    <message>
        <source>Always the whole sensor, demosaicked: slowest, the most detail.</source>
        <translation>常にセンサー全体をデモザイク処理: 最も低速ですが、最も精細です。</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no camera data kept</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no sharpening</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Uncompressed; 24-bit colour, or 1, 4 or 8 bits per pixel with a palette (see Pixel format). Carries no camera data.</source>
        <translation>非圧縮。24 ビットカラー、またはパレット付きの 1・4・8 ビット/ピクセル (ピクセル形式を参照)。撮影データは含みません。</translation>
    </message>
    <message>
        <source>EXIF, XMP and a JPEG&apos;s IPTC</source>
        <translation>EXIF、XMP と JPEG の IPTC</translation>
    </message>
    <message>
        <source>Photos; smallest files. Quality @QUALITY_RANGE@ (built-in @QUALITY_BUILT_IN@).</source>
        <translation>写真向け。ファイルが最も小さくなります。画質 @QUALITY_RANGE@ (既定値 @QUALITY_BUILT_IN@)。</translation>
    </message>
    <message>
        <source>EXIF and XMP</source>
        <translation>EXIF と XMP</translation>
    </message>
    <message>
        <source>Lossless; transparent areas become white.</source>
        <translation>ロスレス。透明な部分は白になります。</translation>
    </message>
    <message>
        <source>EXIF, XMP and a TIFF&apos;s IPTC</source>
        <translation>EXIF、XMP と TIFF の IPTC</translation>
    </message>
    <message>
        <source>Lossless (LZW compression), for print and archiving.</source>
        <translation>ロスレス (LZW 圧縮)。印刷や保存用に。</translation>
    </message>
    <message>
        <source>For the web: smaller than JPG at the same quality. Quality @QUALITY_RANGE@, or Lossless.</source>
        <translation>Web 向け。同じ画質なら JPG より小さくなります。画質 @QUALITY_RANGE@、またはロスレス。</translation>
    </message>
    <message>
        <source>AV1 in a HEIF file: the smallest photo files, slower to write. Quality @QUALITY_RANGE@.</source>
        <translation>HEIF ファイルに収めた AV1。写真のファイルが最も小さくなりますが、書き出しは遅めです。画質 @QUALITY_RANGE@。</translation>
    </message>
    <message>
        <source>JPEG&apos;s successor: small files of high fidelity. Quality @QUALITY_RANGE@, or Lossless.</source>
        <translation>JPEG の後継。小さなファイルで高い忠実度。画質 @QUALITY_RANGE@、またはロスレス。</translation>
    </message>
    <message>
        <source>@KEPT_SOURCE_FORMATS@ photos keep their format (with that format&apos;s settings and extension); any other photo (GIF, HEIC, ...) becomes @SOURCE_FALLBACK_FORMAT@.</source>
        <translation>@KEPT_SOURCE_FORMATS@ の写真は元の形式のまま (その形式の設定と拡張子で) 書き出します。それ以外の写真 (GIF、HEIC など) は @SOURCE_FALLBACK_FORMAT@ になります。</translation>
    </message>
    <message>
        <source>Keep each photo&apos;s own width and height.</source>
        <translation>各写真の元の幅と高さのままにします。</translation>
    </message>
    <message>
        <source>the fixed size</source>
        <translation>固定サイズ</translation>
    </message>
    <message>
        <source>The choice beside Output Width: and Output Height:</source>
        <translation>出力の幅: と 出力の高さ: の横の選択肢</translation>
    </message>
    <message>
        <source>A fixed size in pixels. With Keep aspect ratio with width only the width counts and the height follows the photo&apos;s proportions; with Keep aspect ratio with Height only the height counts. Without either box, the photo is scaled to exactly the given width and height.</source>
        <translation>ピクセル単位の固定サイズ。「幅に合わせて縦横比を維持」では幅だけが使われ、高さは写真の縦横比に従います。「高さに合わせて縦横比を維持」では高さだけが使われます。どちらもオフなら、写真は指定した幅と高さにぴったり拡大縮小されます。</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>伸縮</translation>
    </message>
    <message>
        <source>Stretch: Horizontal: / Vertical:</source>
        <translation>伸縮: 横: / 縦:</translation>
    </message>
    <message>
        <source>Multiply the photo&apos;s width and height by these factors (from 0.000001 to 1000000; 0.5 halves, 2 doubles). Sizes are cut to whole pixels.</source>
        <translation>写真の幅と高さにこれらの倍率を掛けます (0.000001 から 1000000 まで。0.5 で半分、2 で 2 倍)。サイズは整数ピクセルに切り捨てられます。</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>収める</translation>
    </message>
    <message>
        <source>The largest size with the photo&apos;s proportions that fits in the width and height: never cropped, never distorted. The side that does not fill the box is rounded to whole pixels, but never below 1.</source>
        <translation>写真の縦横比のまま、幅と高さに収まる最大のサイズ。トリミングもゆがみもありません。枠を埋めない側は整数ピクセルに丸められますが、1 未満にはなりません。</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>長辺</translation>
    </message>
    <message>
        <source>The photo&apos;s longer side becomes this many pixels, the other follows its proportions (rounded to whole pixels, never below 1). A landscape and a portrait photo of the same camera come out alike.</source>
        <translation>写真の長い辺がこのピクセル数になり、もう一方は縦横比に従います (整数ピクセルに丸め、1 未満にはなりません)。同じカメラの横位置と縦位置の写真が同じ大きさになります。</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>埋める</translation>
    </message>
    <message>
        <source>Exactly the width and height: the photo is scaled until it covers them, and what reaches beyond is cropped. Crop: which part is kept (an edge, a corner, the centre, or Smart: the most interesting part).</source>
        <translation>幅と高さにぴったり。枠を覆うまで写真を拡大縮小し、はみ出た部分をトリミングします。トリミング: 残す部分 (辺、角、中央、または スマート: 最も見どころのある部分)。</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>余白を付ける</translation>
    </message>
    <message>
        <source>Exactly the width and height: the whole photo is fitted inside, never cropped, and the margins take the background colour. Crop: where the photo sits.</source>
        <translation>幅と高さにぴったり。写真全体を内側に収め、トリミングはせず、余白は背景色になります。トリミング: 写真を置く位置。</translation>
    </message>
    <message>
        <source>mirror left to right</source>
        <translation>左右を入れ替え</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>上下逆さま</translation>
    </message>
    <message>
        <source>No camera data: the outputs carry only the resolution (DPI).</source>
        <translation>撮影データなし。出力には解像度 (DPI) だけが入ります。</translation>
    </message>
    <message>
        <source>As All, without the GPS position and without the location fields of XMP; the IPTC block, which may name places, is left out too.</source>
        <translation>「すべて」と同じですが、GPS の位置と XMP の位置情報フィールドを除きます。地名を含むことがある IPTC ブロックも除きます。</translation>
    </message>
    <message>
        <source>EXIF (camera, lens, exposure, date taken, GPS), XMP and IPTC as the photo has them, with the orientation set to upright and the pixel size of the output, and the sRGB colour profile embedded. @CAMERA_DATA_BY_FORMAT@</source>
        <translation>写真にある EXIF (カメラ、レンズ、露出、撮影日、GPS)、XMP、IPTC を、向きを正立に、ピクセルサイズを出力に合わせて残し、sRGB カラープロファイルを埋め込みます。@CAMERA_DATA_BY_FORMAT@</translation>
    </message>
    <message>
        <source>The source file&apos;s modification date.</source>
        <translation>元ファイルの更新日時。</translation>
    </message>
    <message>
        <source>The date the photo was taken (EXIF DateTimeOriginal, else DateTimeDigitized); the file&apos;s date for a photo that has neither.</source>
        <translation>写真の撮影日時 (EXIF の DateTimeOriginal、なければ DateTimeDigitized)。どちらもない写真はファイルの日付。</translation>
    </message>
    <message>
        <source>At most %1 pixels a side.</source>
        <translation>1 辺は最大 %1 ピクセルです。</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
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
            <numerusform>リストにある %n 枚の写真にもこの設定を適用しますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>Question</source>
        <translation>確認</translation>
    </message>
</context>
<context>
    <name>OverlayPanel</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>整数を入力してください。</translation>
    </message>
</context>
<context>
    <name>PhotoListModel</name>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>変換中</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>変換済み</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>未変換</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Width * Height</source>
        <translation>幅 * 高さ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Output Width * Height</source>
        <translation>出力の幅 * 高さ</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
</context>
<context>
    <name>PhotoListPanel</name>
    <message>
        <source>Total photos: %1</source>
        <translation>写真の総数: %1</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Please select items!</source>
        <translation>項目を選択してください。</translation>
    </message>
</context>
<context>
    <name>PhotoSources</name>
    <message>
        <source>Photo Files (%1) (%2)</source>
        <translation>写真ファイル (%1) (%2)</translation>
    </message>
    <message>
        <source>Any Files (*.*) (*)</source>
        <translation>すべてのファイル (*.*) (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: not pictures (%1)</source>
        <translation>
            <numerusform>%n 個のファイルを除外しました: 画像ではありません (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Select Photo Files...</source>
        <translation>写真ファイルを選択...</translation>
    </message>
</context>
<context>
    <name>PlacesRow</name>
    <message>
        <source>Name tem&amp;plate:</source>
        <translation>ファイル名テンプレート(&amp;P):</translation>
    </message>
    <message>
        <source>prefix naming</source>
        <translation>接頭辞による命名</translation>
    </message>
    <message>
        <source>Names the outputs instead of the prefix: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera}</source>
        <translation>接頭辞の代わりにこのテンプレートで出力ファイルに名前を付けます: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera}</translation>
    </message>
    <message>
        <source>Where the outputs go</source>
        <translation>出力先</translation>
    </message>
    <message>
        <source>New time-stamped folder</source>
        <translation>日時付きの新しいフォルダー</translation>
    </message>
    <message>
        <source>Into the output folder</source>
        <translation>出力フォルダーに直接</translation>
    </message>
    <message>
        <source>Next to each photo, in:</source>
        <translation>各写真と同じ場所のフォルダー:</translation>
    </message>
    <message>
        <source>Folder next to each photo</source>
        <translation>各写真と同じ場所のフォルダー</translation>
    </message>
    <message>
        <source>The file dates, and the presets whose outputs each photo gets, from one decode</source>
        <translation>ファイルの日付と、各写真を出力するプリセット (1 回のデコードで処理)</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>例: %1</translation>
    </message>
    <message>
        <source>Outputs: one per preset ticked</source>
        <translation>出力: チェックしたプリセットごとに 1 つ</translation>
    </message>
    <message>
        <source>No presets saved</source>
        <translation>保存されたプリセットはありません</translation>
    </message>
    <message>
        <source>&amp;Write: one output</source>
        <translation>書き出し: 1 つ(&amp;W)</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Write: %n presets</source>
        <translation>
            <numerusform>書き出し: プリセット %n 個(&amp;W)</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>ファイルの日付を保持</translation>
    </message>
    <message>
        <source>Each output gets its original&apos;s modification date</source>
        <translation>各出力に元ファイルの更新日時を設定します</translation>
    </message>
</context>
<context>
    <name>PresetPanel</name>
    <message>
        <source>Choose a preset</source>
        <translation>プリセットを選択してください</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not applied.</source>
        <translation>プリセット「%1」は適用されませんでした。</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; is not stored any more.</source>
        <translation>プリセット「%1」はもう保存されていません。</translation>
    </message>
    <message>
        <source>A preset name %1.</source>
        <translation>プリセット名は%1。</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; exists. Do you want to replace it?</source>
        <translation>プリセット「%1」は既にあります。置き換えますか?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be saved.</source>
        <translation>プリセット「%1」を保存できませんでした。</translation>
    </message>
    <message>
        <source>Do you want to delete the preset &quot;%1&quot;?</source>
        <translation>プリセット「%1」を削除しますか?</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>プリセット「%1」を削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>PresetStore</name>
    <message>
        <source>must not be empty</source>
        <translation>空にできません</translation>
    </message>
    <message>
        <source>must not contain &apos;/&apos; or &apos;\&apos;</source>
        <translation>&apos;/&apos; や &apos;\&apos; を含めることはできません</translation>
    </message>
    <message>
        <source>must not contain control characters</source>
        <translation>制御文字を含めることはできません</translation>
    </message>
    <message>
        <source>the settings file %1 has a line that cannot be read</source>
        <translation>設定ファイル %1 に読み取れない行があります</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written</source>
        <translation>設定ファイル %1 に書き込めませんでした</translation>
    </message>
    <message>
        <source>a preset name %1</source>
        <translation>プリセット名は%1</translation>
    </message>
</context>
<context>
    <name>PreviewFrame</name>
    <message>
        <source>Show source</source>
        <translation>元画像を表示</translation>
    </message>
    <message>
        <source>The selected photo as it will be written. Double-click or press Space in the list to see it larger.</source>
        <translation>選択した写真の出力イメージです。リストでダブルクリックするか Space キーを押すと拡大表示します。</translation>
    </message>
    <message>
        <source>Before and after: the source photo, or the result</source>
        <translation>変換前と変換後: 元画像または結果</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a tooltip, then its key</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No result: %1</source>
        <translation>結果なし: %1</translation>
    </message>
    <message>
        <source>Show result</source>
        <translation>結果を表示</translation>
    </message>
    <message>
        <source>Opening…</source>
        <translation>開いています…</translation>
    </message>
    <message>
        <source>The result could not be shown.</source>
        <translation>結果を表示できませんでした。</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>no such file or folder</source>
        <translation>そのようなファイルやフォルダーはありません</translation>
    </message>
    <message>
        <source>a loop of symbolic links</source>
        <translation>シンボリックリンクがループしています</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>画像ではありません</translation>
    </message>
    <message>
        <source>could not be searched (%1)</source>
        <translation>検索できませんでした (%1)</translation>
    </message>
    <message>
        <source>standard input could not be read</source>
        <translation>標準入力を読み込めませんでした</translation>
    </message>
    <message>
        <source>a damaged picture</source>
        <translation>画像が破損しています</translation>
    </message>
    <message>
        <source>the imaging library could not start</source>
        <translation>画像処理ライブラリを起動できませんでした</translation>
    </message>
    <message>
        <source>a picture without pixels</source>
        <translation>ピクセルのない画像です</translation>
    </message>
    <message>
        <source>developed from the camera&apos;s preview</source>
        <translation>カメラのプレビューから現像しました</translation>
    </message>
    <message>
        <source>developed at half size</source>
        <translation>半分のサイズで現像しました</translation>
    </message>
    <message>
        <source>developed in full</source>
        <translation>フルサイズで現像しました</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>the value %1 is not a whole number</source>
        <translation>値 %1 は整数ではありません</translation>
    </message>
    <message>
        <source>the value %1 is not between %2 and %3</source>
        <translation>値 %1 が %2～%3 の範囲にありません</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not a whole number</source>
        <translation>値 &quot;%1&quot; は整数ではありません</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not a number</source>
        <translation>値 &quot;%1&quot; は数値ではありません</translation>
    </message>
    <message>
        <source>the value %1 stands for no choice</source>
        <translation>値 %1 に対応する選択肢がありません</translation>
    </message>
    <message>
        <source>the photo has no size</source>
        <translation>写真のサイズがありません</translation>
    </message>
    <message>
        <source>the setting %1 could not be saved</source>
        <translation>設定 %1 を保存できませんでした</translation>
    </message>
    <message>
        <source>Can not create the directory</source>
        <translation>ディレクトリを作成できません</translation>
    </message>
    <message>
        <source>the log could not be written</source>
        <translation>ログを書き込めませんでした</translation>
    </message>
    <message>
        <source>Not converted: the output file exists</source>
        <translation>変換しませんでした: 出力ファイルが既にあります</translation>
    </message>
    <message>
        <source>unknown output photo format!</source>
        <translation>不明な出力形式です。</translation>
    </message>
    <message>
        <source>the watermark: %1</source>
        <translation>透かし: %1</translation>
    </message>
    <message>
        <source>the output would replace one of the photos being converted</source>
        <translation>出力が変換中の写真のいずれかを置き換えてしまいます</translation>
    </message>
    <message>
        <source>two outputs of %1 would have this name; give each preset its own name, for example with {preset}</source>
        <translation>%1 の 2 つの出力が同じ名前になります。プリセットごとに異なる名前にしてください (例: {preset} を使用)</translation>
    </message>
    <message>
        <source>the file date could not be set: %1</source>
        <translation>ファイルの日付を設定できませんでした: %1</translation>
    </message>
    <message>
        <source>the encoder wrote nothing</source>
        <translation>エンコーダーが何も書き出しませんでした</translation>
    </message>
    <message>
        <source>the preview file could not be read back</source>
        <translation>プレビューファイルを読み戻せませんでした</translation>
    </message>
    <message>
        <source>the output size %1 x %2 cannot be written</source>
        <translation>出力サイズ %1 x %2 では書き出せません</translation>
    </message>
    <message>
        <source>the output is larger than %1 stores</source>
        <translation>出力が %1 で保存できる大きさを超えています</translation>
    </message>
    <message>
        <source>the output could not be made</source>
        <translation>出力を作成できませんでした</translation>
    </message>
    <message>
        <source>the output could not be read back</source>
        <translation>出力を読み戻せませんでした</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>シンボリックリンクのため、たどりませんでした</translation>
    </message>
    <message>
        <source>the value %1 is out of range</source>
        <translation>値 %1 が範囲外です</translation>
    </message>
    <message>
        <source>the value %1 is not a colour</source>
        <translation>値 %1 は色ではありません</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>メモリが足りません</translation>
    </message>
    <message>
        <source>the format is not supported</source>
        <translation>サポートされていない形式です</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete</source>
        <translation>ファイルが破損しているか、不完全です</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot;</source>
        <translation>ファイル名テンプレート「%1」</translation>
    </message>
    <message>
        <source>a &apos;}&apos; without its &apos;{&apos; (write &quot;}}&quot; for a brace)</source>
        <translation>対応する &apos;{&apos; のない &apos;}&apos; があります (括弧そのものは &quot;}}&quot; と書きます)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not closed by &apos;}&apos;</source>
        <translation>「%1」が &apos;}&apos; で閉じられていません</translation>
    </message>
    <message>
        <source>unknown token %1</source>
        <translation>不明なトークン %1</translation>
    </message>
    <message>
        <source>the width in %1 must be a number from 1 to 10</source>
        <translation>%1 の桁数は 1 から 10 の数値で指定してください</translation>
    </message>
    <message>
        <source>the date format in %1 is empty</source>
        <translation>%1 の日付書式が空です</translation>
    </message>
    <message>
        <source>unknown date format &quot;%1&quot; in %2</source>
        <translation>%2 の日付書式「%1」は使えません</translation>
    </message>
    <message>
        <source>the token %1 takes no format</source>
        <translation>トークン %1 には書式を指定できません</translation>
    </message>
    <message>
        <source>&apos;/&apos; is not allowed in a file name</source>
        <translation>&apos;/&apos; はファイル名に使えません</translation>
    </message>
    <message>
        <source>a control character is not allowed in a file name</source>
        <translation>制御文字はファイル名に使えません</translation>
    </message>
    <message>
        <source>it names nothing but the extension</source>
        <translation>拡張子しか指定されていません</translation>
    </message>
    <message>
        <source>preset %1: %2</source>
        <translation>プリセット %1: %2</translation>
    </message>
    <message>
        <source>the folder could not be searched</source>
        <translation>フォルダーを検索できませんでした</translation>
    </message>
    <message>
        <source>cannot reach %1 at quality %2 (smallest %3)</source>
        <translation>画質 %2 では %1 に収まりません (最小 %3)</translation>
    </message>
    <message>
        <source>cannot reach %1 losslessly (smallest %2)</source>
        <translation>ロスレスでは %1 に収まりません (最小 %2)</translation>
    </message>
    <message>
        <source>cannot reach %1 at quality %2 even at %3 (smallest %4)</source>
        <translation>画質 %2 で %3 に縮小しても %1 に収まりません (最小 %4)</translation>
    </message>
    <message>
        <source>cannot reach %1 losslessly even at %2 (smallest %3)</source>
        <translation>ロスレスで %2 に縮小しても %1 に収まりません (最小 %3)</translation>
    </message>
    <message>
        <source>output size %1</source>
        <translation>出力サイズ %1</translation>
    </message>
    <message>
        <source>an output of %1 pixels is larger than %2 stores (%3 pixels a side)</source>
        <translation>%1 ピクセルの出力は %2 で保存できる大きさを超えています (1 辺 %3 ピクセルまで)</translation>
    </message>
</context>
<context>
    <name>RunPanel</name>
    <message>
        <source>Do you want to open the output folder?</source>
        <translation>出力フォルダーを開きますか?</translation>
    </message>
    <message>
        <source>The conversion is done. %1</source>
        <translation>変換が完了しました。%1</translation>
    </message>
    <message>
        <source>There is not log file now!</source>
        <translation>ログファイルはまだありません。</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Stopped: %1 of %2 converted, %3 not started</source>
        <translation>中止しました: %2 枚中 %1 枚を変換、%3 枚は未処理</translation>
    </message>
    <message numerus="yes">
        <source>%1 photos were not converted; see the log.</source>
        <translation>
            <numerusform>%1 枚の写真を変換できませんでした。ログを確認してください。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 photos got a number added to a name another photo has.</source>
        <translation>
            <numerusform>%1 枚の写真は、ほかの写真と同じ名前になるため番号を付け加えました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Written per preset: %1</source>
        <translation>プリセットごとの出力: %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>残り 1 分未満</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>残り約 %n 分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>残り約 %n 時間</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunSummaryDialog</name>
    <message>
        <source>Co&amp;py</source>
        <translation>コピー(&amp;P)</translation>
    </message>
    <message>
        <source>Show &amp;log</source>
        <translation>ログを表示(&amp;L)</translation>
    </message>
    <message>
        <source>Convert the &amp;rest</source>
        <translation>残りを変換(&amp;R)</translation>
    </message>
</context>
<context>
    <name>WatermarkPanel</name>
    <message>
        <source>&amp;Watermark:</source>
        <translation>透かし(&amp;W):</translation>
    </message>
    <message>
        <source>No picture: type a path or choose a logo</source>
        <translation>画像なし: パスを入力するかロゴを選択</translation>
    </message>
    <message>
        <source>Lo&amp;go...</source>
        <translation>ロゴ(&amp;G)...</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>サイズ(&amp;Z):</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>不透明度(&amp;P):</translation>
    </message>
    <message>
        <source>Margi&amp;n:</source>
        <translation>余白(&amp;N):</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>透かし</translation>
    </message>
    <message>
        <source>Pictures (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;All files (*)</source>
        <translation>画像 (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The watermark could not be read.</source>
        <translation>透かし画像を読み込めませんでした。</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>Add photo files to the list</source>
        <translation>写真ファイルをリストに追加します</translation>
    </message>
    <message>
        <source>Add every photo in a folder and its subfolders to the list</source>
        <translation>フォルダーとそのサブフォルダーにあるすべての写真をリストに追加します</translation>
    </message>
    <message>
        <source>Output settings for photos added from now on</source>
        <translation>これから追加する写真の出力設定</translation>
    </message>
    <message>
        <source>Convert every photo in the list into a new folder inside the output folder</source>
        <translation>リストのすべての写真を変換し、出力フォルダー内の新しいフォルダーに保存します</translation>
    </message>
    <message>
        <source>Show the program&apos;s help</source>
        <translation>プログラムのヘルプを表示します</translation>
    </message>
    <message>
        <source>Output settings of the selected photos</source>
        <translation>選択した写真の出力設定</translation>
    </message>
    <message>
        <source>Move the selected photos up the list</source>
        <translation>選択した写真をリストの上へ移動します</translation>
    </message>
    <message>
        <source>Move the selected photos down the list</source>
        <translation>選択した写真をリストの下へ移動します</translation>
    </message>
    <message>
        <source>Remove the selected photos from the list</source>
        <translation>選択した写真をリストから削除します</translation>
    </message>
    <message>
        <source>Remove every photo from the list</source>
        <translation>リストからすべての写真を削除します</translation>
    </message>
    <message>
        <source>Sort the list by a column</source>
        <translation>列を指定してリストを並べ替えます</translation>
    </message>
    <message>
        <source>Select every photo in the list</source>
        <translation>リストのすべての写真を選択します</translation>
    </message>
    <message>
        <source>Choose the folder the converted photos go to</source>
        <translation>変換した写真の保存先フォルダーを選択します</translation>
    </message>
    <message>
        <source>Font and colour of the text added to photos</source>
        <translation>写真に追加する文字のフォントと色</translation>
    </message>
    <message>
        <source>Use the settings of the chosen preset</source>
        <translation>選択したプリセットの設定を使用します</translation>
    </message>
    <message>
        <source>Keep the current settings as a preset</source>
        <translation>現在の設定をプリセットとして保存します</translation>
    </message>
    <message>
        <source>Remove the chosen preset</source>
        <translation>選択したプリセットを削除します</translation>
    </message>
    <message>
        <source>Open the activity log</source>
        <translation>処理ログを開きます</translation>
    </message>
    <message>
        <source>Which version is installed and where updates come from</source>
        <translation>インストールされているバージョンと更新の入手先</translation>
    </message>
    <message>
        <source>The program&apos;s version and licence</source>
        <translation>プログラムのバージョンとライセンス</translation>
    </message>
    <message>
        <source>Quit the program</source>
        <translation>プログラムを終了します</translation>
    </message>
    <message>
        <source>Undo the last change to the list</source>
        <translation>リストへの直前の変更を元に戻します</translation>
    </message>
    <message>
        <source>Redo the change just undone</source>
        <translation>元に戻した変更をやり直します</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>中止(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>変換(&amp;C)</translation>
    </message>
</context>
</TS>
