<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>源代码：%1</translation>
    </message>
</context>
<context>
    <name>CDialogPhotoOptions</name>
    <message>
        <source>Photo Output Options</source>
        <translation>照片输出选项</translation>
    </message>
    <message>
        <source>O&amp;utput Format:</source>
        <translation>输出格式(&amp;U)：</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>输出尺寸</translation>
    </message>
    <message>
        <source>O&amp;riginal size</source>
        <translation>原始尺寸(&amp;R)</translation>
    </message>
    <message>
        <source>Fixed size</source>
        <translation>固定尺寸</translation>
    </message>
    <message>
        <source>Fixed width and height</source>
        <translation>固定宽度和高度</translation>
    </message>
    <message>
        <source>Output &amp;Width:</source>
        <translation>输出宽度(&amp;W)：</translation>
    </message>
    <message>
        <source>&amp;Keep aspect ratio with width</source>
        <translation>按宽度保持宽高比(&amp;K)</translation>
    </message>
    <message>
        <source>Ou&amp;tput Height:</source>
        <translation>输出高度(&amp;T)：</translation>
    </message>
    <message>
        <source>Keep aspect ratio with &amp;Height</source>
        <translation>按高度保持宽高比(&amp;H)</translation>
    </message>
    <message>
        <source>Str&amp;etch:</source>
        <translation>拉伸(&amp;E)：</translation>
    </message>
    <message>
        <source>Hori&amp;zontal:</source>
        <translation>水平(&amp;Z)：</translation>
    </message>
    <message>
        <source>&amp;Vertical:</source>
        <translation>垂直(&amp;V)：</translation>
    </message>
    <message>
        <source>&amp;Fit within Output Width x Output Height</source>
        <translation>适应输出宽度 x 输出高度(&amp;F)</translation>
    </message>
    <message>
        <source>Lon&amp;g edge:</source>
        <translation>长边(&amp;G)：</translation>
    </message>
    <message>
        <source>Long edge in pixels</source>
        <translation>长边像素数</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>像素</translation>
    </message>
    <message>
        <source>Do &amp;not enlarge</source>
        <translation>不放大(&amp;N)</translation>
    </message>
    <message>
        <source>A photo smaller than the chosen size keeps its own size</source>
        <translation>小于所选尺寸的照片保持原始尺寸</translation>
    </message>
    <message>
        <source>Format settings</source>
        <translation>格式设置</translation>
    </message>
    <message>
        <source>Pi&amp;xel format:</source>
        <translation>像素格式(&amp;X)：</translation>
    </message>
    <message>
        <source>&amp;Quality Control:</source>
        <translation>质量(&amp;Q)：</translation>
    </message>
    <message>
        <source>(Min 1, Max 100)</source>
        <translation>（最小 1，最大 100）</translation>
    </message>
    <message>
        <source>&amp;Lossless</source>
        <translation>无损(&amp;L)</translation>
    </message>
    <message>
        <source>Camera &amp;data (EXIF, XMP, IPTC):</source>
        <translation>相机数据 (EXIF, XMP, IPTC)(&amp;D)：</translation>
    </message>
    <message>
        <source>Ca&amp;mera RAW photos:</source>
        <translation>相机 RAW 照片(&amp;M)：</translation>
    </message>
    <message>
        <source>Rotate b&amp;y angle</source>
        <translation>旋转角度(&amp;Y)</translation>
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
        <translation>翻转</translation>
    </message>
    <message>
        <source>No flip</source>
        <translation>不翻转</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>水平翻转</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>垂直翻转</translation>
    </message>
    <message>
        <source>Colours:</source>
        <translation>颜色数：</translation>
    </message>
    <message>
        <source>(different)</source>
        <translation>（不同）</translation>
    </message>
    <message numerus="yes">
        <source>Settings for %n photos</source>
        <translation>
            <numerusform>%n 张照片的设置</numerusform>
        </translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Unknown flip type!</source>
        <translation>未知的翻转类型！</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>请输入整数。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>请输入 %1 到 %2 之间的整数。</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>请输入数字。</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>请输入 %1 到 %2 之间的数字。</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Unknown nOuputSizeType type!</source>
        <translation>未知的 nOuputSizeType 类型！</translation>
    </message>
    <message>
        <source>Unknown nKeepAspectRatio type!</source>
        <translation>未知的 nKeepAspectRatio 类型！</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 到 %2</translation>
    </message>
    <message>
        <source>must be one of %1</source>
        <translation>必须是 %1 之一</translation>
    </message>
    <message>
        <source>must be an integer from %1 to %2</source>
        <translation>必须是 %1 到 %2 之间的整数</translation>
    </message>
    <message>
        <source>must be a number from %1 to %2</source>
        <translation>必须是 %1 到 %2 之间的数字</translation>
    </message>
    <message>
        <source> (default %1)</source>
        <translation>（默认 %1）</translation>
    </message>
    <message>
        <source>must name a folder</source>
        <translation>必须指定一个文件夹</translation>
    </message>
    <message>
        <source>must name a file</source>
        <translation>必须指定一个文件</translation>
    </message>
    <message>
        <source>must be six hexadecimal digits RRGGBB</source>
        <translation>必须是六位十六进制数 RRGGBB</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Text overlay</source>
        <translation>文字叠加</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>Scripts and clusters</source>
        <translation>脚本与集群</translation>
    </message>
    <message>
        <source>start from the saved preset NAME; options after it override it</source>
        <translation>以已保存的预设 NAME 为基础；其后的选项会覆盖它</translation>
    </message>
    <message>
        <source>output folder (default: the work folder, Pictures/Quillmere/)</source>
        <translation>输出文件夹（默认：工作文件夹 Pictures/Quillmere/）</translation>
    </message>
    <message>
        <source>output width for %1</source>
        <translation>%1 的输出宽度</translation>
    </message>
    <message>
        <source>output height for %1</source>
        <translation>%1 的输出高度</translation>
    </message>
    <message>
        <source>the longer side for %1</source>
        <translation>%1 的长边</translation>
    </message>
    <message>
        <source>with %1: a photo smaller than the result keeps its size</source>
        <translation>配合 %1：小于结果尺寸的照片保持原尺寸</translation>
    </message>
    <message>
        <source>factors for %1</source>
        <translation>%1 的缩放系数</translation>
    </message>
    <message>
        <source>must be two factors H,V from %1</source>
        <translation>必须是 %1 范围内的两个系数 H,V</translation>
    </message>
    <message>
        <source>BMP pixel format: %1, or %2</source>
        <translation>BMP 像素格式：%1，或 %2</translation>
    </message>
    <message>
        <source>quality of %1</source>
        <translation>%1 的质量</translation>
    </message>
    <message>
        <source>lossless %1 (the quality is not used)</source>
        <translation>无损 %1（不使用质量设置）</translation>
    </message>
    <message>
        <source>camera data (EXIF, XMP, IPTC) the outputs keep: %1</source>
        <translation>输出保留的相机数据 (EXIF, XMP, IPTC)：%1</translation>
    </message>
    <message>
        <source>rename prefix</source>
        <translation>重命名前缀</translation>
    </message>
    <message>
        <source>must not contain &apos;/&apos;</source>
        <translation>不能包含 &apos;/&apos;</translation>
    </message>
    <message>
        <source>keep the source names, change the extension only</source>
        <translation>保留原文件名，只更改扩展名</translation>
    </message>
    <message>
        <source>the date in the names: %1 (from EXIF, else the file&apos;s)</source>
        <translation>文件名中的日期：%1（取自 EXIF，没有则用文件日期）</translation>
    </message>
    <message>
        <source>photos found in a folder keep their path below it inside the run folder</source>
        <translation>在文件夹中找到的照片，在本次输出文件夹中保留其相对该文件夹的路径</translation>
    </message>
    <message>
        <source>the number of the first photo</source>
        <translation>第一张照片的序号</translation>
    </message>
    <message>
        <source>digits the numbers are padded to</source>
        <translation>序号补零到的位数</translation>
    </message>
    <message>
        <source> (default: those of the last number)</source>
        <translation>（默认：最后一个序号的位数）</translation>
    </message>
    <message>
        <source>a line of text drawn on every photo</source>
        <translation>绘制在每张照片上的一行文字</translation>
    </message>
    <message>
        <source>must be one line, without line breaks</source>
        <translation>必须是一行，不能包含换行</translation>
    </message>
    <message>
        <source>its margin in output pixels from the anchor; for top-left, its top-left corner (default 0,0)</source>
        <translation>距锚点的边距，以输出像素计；top-left 时为文字左上角的位置（默认 0,0）</translation>
    </message>
    <message>
        <source>font family (default: the sans-serif font)</source>
        <translation>字体族（默认：无衬线字体）</translation>
    </message>
    <message>
        <source>must be a family name of at most 31 characters</source>
        <translation>必须是不超过 31 个字符的字体族名称</translation>
    </message>
    <message>
        <source>font size in pixels</source>
        <translation>字体大小（像素）</translation>
    </message>
    <message>
        <source>text size as a percentage of the output&apos;s shorter side, in place of --font-px; %1 (default %2: the font&apos;s size)</source>
        <translation>文字大小，以输出短边的百分比表示，代替 --font-px；%1（默认 %2：字体本身的大小）</translation>
    </message>
    <message>
        <source>bold text</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>italic text</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>underlined text</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>struck-out text</source>
        <translation>删除线</translation>
    </message>
    <message>
        <source>text colour (default 000000)</source>
        <translation>文字颜色（默认 000000）</translation>
    </message>
    <message>
        <source>text opacity in percent</source>
        <translation>文字不透明度（百分比）</translation>
    </message>
    <message>
        <source>%1 around the text</source>
        <translation>文字周围的效果：%1</translation>
    </message>
    <message>
        <source>save the settings this command gives as preset NAME (PATHs optional)</source>
        <translation>将此命令给出的设置保存为预设 NAME（PATH 可省略）</translation>
    </message>
    <message>
        <source>print the saved presets&apos; names, one per line</source>
        <translation>列出已保存的预设名称，每行一个</translation>
    </message>
    <message>
        <source>also convert the paths listed in FILE, one per line (- for standard input)</source>
        <translation>同时转换 FILE 中列出的路径，每行一个（- 表示标准输入）</translation>
    </message>
    <message>
        <source>the --files-from entries end with NUL, as find -print0 writes them</source>
        <translation>--files-from 的条目以 NUL 结尾，与 find -print0 的输出一致</translation>
    </message>
    <message>
        <source>write into DIR (made if missing) instead of a new time-stamped folder</source>
        <translation>写入 DIR（不存在则创建），而不是新建带时间戳的文件夹</translation>
    </message>
    <message>
        <source>write one JSON object per photo, then a summary object, one per line, to FILE</source>
        <translation>向 FILE 写入每张照片一个 JSON 对象，最后一个汇总对象，每行一个</translation>
    </message>
    <message>
        <source>%1 when an output file exists (default: ask when standard input is a terminal, else no)</source>
        <translation>输出文件已存在时：%1（默认：标准输入为终端时询问，否则为 no）</translation>
    </message>
    <message>
        <source>photos converted at once</source>
        <translation>同时转换的照片数</translation>
    </message>
    <message>
        <source> (default: one per core)</source>
        <translation>（默认：每个核心一张）</translation>
    </message>
    <message>
        <source>memory the photos in hand may take, in MiB</source>
        <translation>处理中的照片可使用的内存，单位 MiB</translation>
    </message>
    <message>
        <source>; a larger photo converts alone (default: half the physical memory, %1 MiB)</source>
        <translation>；更大的照片单独转换（默认：物理内存的一半，%1 MiB）</translation>
    </message>
    <message>
        <source>no progress bar and no notices</source>
        <translation>不显示进度条和提示</translation>
    </message>
    <message>
        <source>print the values a fixed-set option accepts, one per line</source>
        <translation>列出固定取值选项可接受的值，每行一个</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>本帮助信息</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>程序版本</translation>
    </message>
    <message>
        <source>%1: %2, skipped</source>
        <translation>%1：%2，已跳过</translation>
    </message>
    <message>
        <source>%1: %2, failed</source>
        <translation>%1：%2，失败</translation>
    </message>
    <message>
        <source>or</source>
        <translation>或</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>选项 %1 不接受值</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>选项 %1 需要一个值</translation>
    </message>
    <message>
        <source>option %1: &apos;%2&apos; %3</source>
        <translation>选项 %1：&apos;%2&apos; %3</translation>
    </message>
    <message>
        <source>option --metadata %1 keeps more camera data than preset &apos;%2&apos; (%3)</source>
        <translation>选项 --metadata %1 保留的相机数据多于预设 &apos;%2&apos;（%3）</translation>
    </message>
    <message>
        <source>option %1: preset &apos;%2&apos; is not used: %3</source>
        <translation>选项 %1：未使用预设 &apos;%2&apos;：%3</translation>
    </message>
    <message>
        <source>option %1: no preset &apos;%2&apos; (--list-presets lists them)</source>
        <translation>选项 %1：没有预设 &apos;%2&apos;（--list-presets 可列出所有预设）</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; keeps camera data %2, not --metadata %3 given before it; give --metadata after --preset</source>
        <translation>预设 &apos;%1&apos; 保留相机数据 %2，而不是在它之前给出的 --metadata %3；请将 --metadata 放在 --preset 之后</translation>
    </message>
    <message>
        <source>option --beside cannot be given with --into</source>
        <translation>选项 --beside 不能与 --into 同时使用</translation>
    </message>
    <message>
        <source>option --null needs --files-from</source>
        <translation>选项 --null 需要 --files-from</translation>
    </message>
    <message>
        <source>option --overwrite ask cannot be answered while --files-from - reads standard input</source>
        <translation>--files-from - 读取标准输入时，无法回答选项 --overwrite ask 的询问</translation>
    </message>
    <message>
        <source>no photos given: name at least one file or folder</source>
        <translation>未给出照片：请至少指定一个文件或文件夹</translation>
    </message>
    <message>
        <source>Usage: quillmere-convert [options] PATH...
Converts photos (files, or folders searched with their sub-folders) into a
new time-stamped folder inside the output folder, and prints that folder.
</source>
        <translation>用法：quillmere-convert [选项] PATH...
将照片（文件，或连同子文件夹一起搜索的文件夹）转换到输出文件夹内
新建的带时间戳的文件夹中，并输出该文件夹。
</translation>
    </message>
    <message>
        <source>Options take their value as the next argument or after &apos;=&apos; (--text-pos=-5,3).
Exit status: 0 every photo converted, 1 some were not, 2 bad arguments.
</source>
        <translation>选项的值作为下一个参数给出，或写在 &apos;=&apos; 之后（--text-pos=-5,3）。
退出状态：0 所有照片均已转换，1 部分照片未转换，2 参数错误。
</translation>
    </message>
    <message>
        <source>at most SIZE bytes per output file; K and M count 1,000 and 1,000,000, KiB and MiB 1,024 and 1,048,576 (500K, 2MiB; 0: no limit). %1 get the best quality that fits, down to --min-quality, then smaller dimensions; lossless outputs (PNG, TIF, BMP, --lossless) only smaller dimensions</source>
        <translation>每个输出文件最多 SIZE 字节；K 和 M 表示 1,000 和 1,000,000，KiB 和 MiB 表示 1,024 和 1,048,576（500K、2MiB；0：不限制）。%1 采用能容纳的最佳质量，最低到 --min-quality，然后再缩小尺寸；无损输出（PNG、TIF、BMP、--lossless）只能缩小尺寸</translation>
    </message>
    <message>
        <source>must be a size in bytes such as 500000, 500K or 488KiB, at most 1000000M</source>
        <translation>必须是以字节计的大小，如 500000、500K 或 488KiB，最大 1000000M</translation>
    </message>
    <message>
        <source>the lowest quality --max-file-size may use, %1 (default %2; never above --quality)</source>
        <translation>--max-file-size 可使用的最低质量，%1（默认 %2；不会高于 --quality）</translation>
    </message>
    <message>
        <source>with --max-file-size: a photo that does not fit at --min-quality fails instead of being made smaller</source>
        <translation>配合 --max-file-size：在 --min-quality 下仍无法容纳的照片直接失败，而不缩小尺寸</translation>
    </message>
    <message>
        <source>colour resolution of JPG and AVIF: %1 (default %2: 420 below quality 90, else 444, which --max-file-size keeps only where the --quality file fits)</source>
        <translation>JPG 和 AVIF 的色度分辨率：%1（默认 %2：质量低于 90 时为 420，否则为 444；使用 --max-file-size 时仅在 --quality 下能容纳才保留 444）</translation>
    </message>
    <message>
        <source>progressive JPG, shown coarse first while it loads</source>
        <translation>渐进式 JPG，加载时先显示粗略图像</translation>
    </message>
    <message>
        <source>name the outputs by TEMPLATE instead: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera} (&quot;.{ext}&quot; is added when missing)</source>
        <translation>改用 TEMPLATE 为输出文件命名：{name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera}（缺少时会添加 &quot;.{ext}&quot;）</translation>
    </message>
    <message>
        <source>is refused: %1</source>
        <translation>被拒绝：%1</translation>
    </message>
    <message>
        <source>write each output into the folder DIR next to its original (made if missing) instead of a run folder</source>
        <translation>将每个输出写入其原文件旁的文件夹 DIR（不存在则创建），而不是本次运行的文件夹</translation>
    </message>
    <message>
        <source>must be a folder name without &apos;/&apos;</source>
        <translation>必须是不含 &apos;/&apos; 的文件夹名称</translation>
    </message>
    <message>
        <source>give each output its original&apos;s modification time</source>
        <translation>为每个输出设置其原文件的修改时间</translation>
    </message>
    <message>
        <source>write one output per preset of the comma-separated list, each photo decoded once; the names must differ (use {preset} in the template)</source>
        <translation>按逗号分隔列表中的每个预设各写出一份，每张照片只解码一次；文件名必须各不相同（在模板中使用 {preset}）</translation>
    </message>
    <message>
        <source>must list preset names, separated by commas</source>
        <translation>必须是以逗号分隔的预设名称</translation>
    </message>
    <message>
        <source>Image watermark</source>
        <translation>图片水印</translation>
    </message>
    <message>
        <source>for %1: the part fill keeps, or where pad places the photo: %2 (smart: the most interesting part; pad centres it)</source>
        <translation>用于 %1：fill 保留的部分，或 pad 放置照片的位置：%2（smart：最引人注目的部分；pad 时居中）</translation>
    </message>
    <message>
        <source>colour of pad&apos;s margins and of transparent areas</source>
        <translation>pad 边距及透明区域的颜色</translation>
    </message>
    <message>
        <source>sharpen a photo that is made smaller, by as much as it is reduced: %1</source>
        <translation>对缩小的照片按缩小程度进行锐化：%1</translation>
    </message>
    <message>
        <source>the resolution written into JPG, PNG, TIF and BMP outputs (and WebP and AVIF with camera data)</source>
        <translation>写入 JPG、PNG、TIF 和 BMP 输出（以及带相机数据的 WebP 和 AVIF）的分辨率</translation>
    </message>
    <message>
        <source> (default 0: the source&apos;s)</source>
        <translation>（默认 0：与原图相同）</translation>
    </message>
    <message>
        <source>a picture (PNG, WebP or SVG, transparency kept) drawn on every photo</source>
        <translation>绘制在每张照片上的图片（PNG、WebP 或 SVG，保留透明度）</translation>
    </message>
    <message>
        <source>its longer side as a percentage of the output&apos;s shorter side</source>
        <translation>其长边，以输出短边的百分比表示</translation>
    </message>
    <message>
        <source>its opacity in percent</source>
        <translation>其不透明度（百分比）</translation>
    </message>
    <message>
        <source>its distance from the anchor&apos;s edges as a percentage of the output&apos;s shorter side</source>
        <translation>距锚点所在边缘的距离，以输出短边的百分比表示</translation>
    </message>
    <message>
        <source>how camera RAW photos are developed: auto (the camera&apos;s preview when it covers the output, else half size when that does, else full), preview or full (default %1)</source>
        <translation>相机 RAW 照片的处理方式：auto（相机预览图足够输出尺寸时用预览图，否则半尺寸足够时用半尺寸，再否则完整解码）、preview 或 full（默认 %1）</translation>
    </message>
    <message>
        <source>colours of 4- and 8-bit BMP: fixed (the standard table) or adaptive (the photo&apos;s own, by an octree) (default %1)</source>
        <translation>4 位和 8 位 BMP 的颜色：fixed（标准颜色表）或 adaptive（照片自身的颜色，八叉树算法）（默认 %1）</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; not saved: %2</source>
        <translation>预设 &apos;%1&apos; 未保存：%2</translation>
    </message>
    <message>
        <source>preset &apos;%1&apos; saved in %2</source>
        <translation>预设 &apos;%1&apos; 已保存到 %2</translation>
    </message>
    <message>
        <source>option %1 has no fixed set of values</source>
        <translation>选项 %1 没有固定的取值集合</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>使用 &apos;%1 --help&apos; 了解更多信息。</translation>
    </message>
    <message>
        <source>no photos to convert</source>
        <translation>没有要转换的照片</translation>
    </message>
    <message>
        <source>written per preset: %1</source>
        <translation>按预设写出：%1</translation>
    </message>
    <message numerus="yes">
        <source>stopped: %n photos not started</source>
        <translation>
            <numerusform>已停止：%n 张照片未开始处理</numerusform>
        </translation>
    </message>
    <message>
        <source>font family &apos;%1&apos; is not installed; the text is drawn in &apos;%2&apos;</source>
        <translation>字体族 &apos;%1&apos; 未安装；文字将以 &apos;%2&apos; 绘制</translation>
    </message>
    <message>
        <source>when the run ends, write to FILE in the user&apos;s language how many photos were converted and into which folder, then each photo that was not, with its reason</source>
        <translation>运行结束时，以用户的语言向 FILE 写入已转换的照片数量及所在文件夹，然后逐一列出未转换的照片及原因</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a heading of --help</comment>
        <extracomment>A heading of the option list, %1 its name (&quot;Output:&quot;).</extracomment>
        <translation>%1：</translation>
    </message>
    <message>
        <source>option %1: %2</source>
        <translation>选项 %1：%2</translation>
    </message>
    <message>
        <source>No photo was converted.</source>
        <translation>未转换任何照片。</translation>
    </message>
    <message>
        <source>%1 of %2 photos converted</source>
        <translation>已转换 %1/%2 张照片</translation>
    </message>
    <message>
        <source>%1 of %2 photos converted into %3</source>
        <translation>已将 %1/%2 张照片转换到 %3</translation>
    </message>
    <message>
        <source>y</source>
        <comment>the letter that answers yes in &quot;[y/N]&quot;</comment>
        <translation>y</translation>
    </message>
    <message>
        <source>[yes]</source>
        <translation>[是]</translation>
    </message>
    <message>
        <source>[no]</source>
        <translation>[否]</translation>
    </message>
    <message>
        <source>[y/N]</source>
        <extracomment>The answers of a question in the terminal: the letter of Yes, and N (the default) for No.</extracomment>
        <translation>[y/N]</translation>
    </message>
    <message>
        <source>and</source>
        <translation>和</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Batch Photo Converter</source>
        <translation>批量照片转换器</translation>
    </message>
    <message>
        <source>Resize and convert photos in batches</source>
        <translation>批量调整照片尺寸并转换格式</translation>
    </message>
    <message>
        <source>Convert with Quillmere…</source>
        <translation>使用 Quillmere 转换…</translation>
    </message>
    <message>
        <source>Open the selected photos in Quillmere</source>
        <translation>在 Quillmere 中打开所选照片</translation>
    </message>
    <message>
        <source>Convert with a preset…</source>
        <translation>使用预设转换…</translation>
    </message>
    <message>
        <source>Quillmere: convert with a preset…</source>
        <translation>Quillmere：使用预设转换…</translation>
    </message>
    <message>
        <source>Choose one of Quillmere&apos;s saved presets and convert the selected photos with it</source>
        <translation>选择 Quillmere 中保存的一个预设，用它转换所选照片</translation>
    </message>
    <message>
        <source>Convert the selection with the preset &quot;%1&quot;</source>
        <extracomment>The tooltip of a file manager&apos;s entry &quot;Quillmere: PRESET&quot;; %1 is the preset&apos;s name.</extracomment>
        <translation>使用预设“%1”转换所选内容</translation>
    </message>
    <message>
        <source>Convert with the preset:</source>
        <extracomment>Asked in a small list of the saved presets, before converting the selected photos.</extracomment>
        <translation>使用以下预设转换：</translation>
    </message>
    <message>
        <source>Preset</source>
        <extracomment>The heading of that list&apos;s one column.</extracomment>
        <translation>预设</translation>
    </message>
    <message>
        <source>photo;picture;resize;convert;batch;rename;jpeg;png;tiff;bmp;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each ended by &quot;;&quot;.</extracomment>
        <translation>照片;图片;调整大小;转换;批量;重命名;jpeg;png;tiff;bmp;</translation>
    </message>
</context>
<context>
    <name>DestinationPanel</name>
    <message>
        <source>The preset could not be read.</source>
        <translation>无法读取预设。</translation>
    </message>
    <message>
        <source>it is no longer stored</source>
        <translation>它已不再存在</translation>
    </message>
</context>
<context>
    <name>FileSizeLimitRow</name>
    <message>
        <source>L&amp;imit file size to</source>
        <translation>限制文件大小为(&amp;I)</translation>
    </message>
    <message>
        <source>Largest file size in KB</source>
        <translation>最大文件大小 (KB)</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>The search for a size that fits goes no lower</source>
        <translation>寻找合适大小时不低于此值</translation>
    </message>
    <message>
        <source>Lo&amp;west quality:</source>
        <translation>最低质量(&amp;W)：</translation>
    </message>
    <message>
        <source>Colour &amp;resolution:</source>
        <translation>色度分辨率(&amp;R)：</translation>
    </message>
    <message>
        <source>Pro&amp;gressive</source>
        <translation>渐进式(&amp;G)</translation>
    </message>
    <message>
        <source>A JPG shown coarse first while it loads</source>
        <translation>加载时先显示粗略图像的 JPG</translation>
    </message>
    <message>
        <source>Please enter a number of KB between 1 and %1.</source>
        <translation>请输入 1 到 %1 之间的 KB 数。</translation>
    </message>
    <message>
        <source>the best quality that fits, then a smaller size</source>
        <translation>先取能容纳的最佳质量，不够再缩小尺寸</translation>
    </message>
    <message>
        <source>lossless: met by a smaller size only</source>
        <translation>无损：只能通过缩小尺寸达到</translation>
    </message>
</context>
<context>
    <name>FolderChooser</name>
    <message>
        <source>Choose a folder</source>
        <translation>选择文件夹</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>字体(&amp;F)：</translation>
    </message>
    <message>
        <source>St&amp;yle:</source>
        <translation>字形(&amp;Y)：</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>大小(&amp;S)：</translation>
    </message>
    <message>
        <source>Height of the characters in pixels of the output photo</source>
        <translation>文字高度，以输出照片的像素计</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Effects:</source>
        <translation>效果：</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>下划线(&amp;U)</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>删除线(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>颜色(&amp;C)：</translation>
    </message>
    <message>
        <source>Choose the text color</source>
        <translation>选择文字颜色</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>示例</translation>
    </message>
    <message>
        <source>AaBbYyZz 123</source>
        <translation>AaBbYyZz 123 中文</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>文字颜色</translation>
    </message>
</context>
<context>
    <name>FrameControls</name>
    <message>
        <source>Frame and finishing</source>
        <translation>画幅与最终处理</translation>
    </message>
    <message>
        <source>&amp;Aspect:</source>
        <translation>宽高比(&amp;A)：</translation>
    </message>
    <message>
        <source>Cro&amp;p:</source>
        <translation>裁剪(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>背景(&amp;B)：</translation>
    </message>
    <message>
        <source>&amp;Sharpen when reduced:</source>
        <translation>缩小时锐化(&amp;S)：</translation>
    </message>
    <message>
        <source>As the source</source>
        <translation>与原图相同</translation>
    </message>
    <message>
        <source> DPI</source>
        <translation> DPI</translation>
    </message>
    <message>
        <source>Res&amp;olution:</source>
        <translation>分辨率(&amp;O)：</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>1:1 (square)</source>
        <translation>1:1（正方形）</translation>
    </message>
    <message>
        <source>4:5 (portrait post)</source>
        <translation>4:5（竖版帖子）</translation>
    </message>
    <message>
        <source>3:2 (photo print)</source>
        <translation>3:2（照片冲印）</translation>
    </message>
    <message>
        <source>16:9 (wide screen)</source>
        <translation>16:9（宽屏）</translation>
    </message>
    <message>
        <source>9:16 (story)</source>
        <translation>9:16（竖屏故事）</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
</context>
<context>
    <name>GatherTask</name>
    <message>
        <source>Reading photos...</source>
        <translation>正在读取照片...</translation>
    </message>
    <message>
        <source>Searching folders: %1 photo files found in %2 folders</source>
        <translation>正在搜索文件夹：在 %2 个文件夹中找到 %1 个照片文件</translation>
    </message>
    <message>
        <source>Reading photos: %1 of %2</source>
        <translation>正在读取照片：%1 / %2</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Quillmere — User Guide</source>
        <translation>Quillmere — 用户指南</translation>
    </message>
    <message>
        <source>Quillmere</source>
        <translation>Quillmere</translation>
    </message>
    <message>
        <source>Resize and convert photos in batches.</source>
        <translation>批量调整照片尺寸并转换格式。</translation>
    </message>
    <message>
        <source>Quillmere takes a list of photos, gives each of them output settings (format, size, pixel format, quality, rotation and flip, and which camera data to keep), optionally writes a line of text on every photo, and converts them all into a new folder of their own with tidy, numbered file names. Your original photos are never changed.</source>
        <translation>Quillmere 接收一组照片，为每张照片指定输出设置（格式、尺寸、像素格式、质量、旋转和翻转，以及保留哪些相机数据），可选择在每张照片上写一行文字，然后将它们全部转换到一个专属的新文件夹中，并以整齐的编号命名文件。原始照片永远不会被修改。</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#quick&quot;&gt;Quick start&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#quick&quot;&gt;快速入门&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#gather&quot;&gt;Adding photos&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#gather&quot;&gt;添加照片&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#list&quot;&gt;The photo list&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#list&quot;&gt;照片列表&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#options&quot;&gt;Output options&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#options&quot;&gt;输出选项&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#output&quot;&gt;Output folder and file names&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#output&quot;&gt;输出文件夹和文件名&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#text&quot;&gt;Text on the photos&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#text&quot;&gt;照片上的文字&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#presets&quot;&gt;Presets&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#presets&quot;&gt;预设&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#convert&quot;&gt;Converting&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#convert&quot;&gt;转换&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#formats&quot;&gt;Formats&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#formats&quot;&gt;格式&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#window&quot;&gt;All controls of the main window&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#window&quot;&gt;主窗口的所有控件&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#cli&quot;&gt;The command line: quillmere-convert&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#cli&quot;&gt;命令行：quillmere-convert&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#settings&quot;&gt;What Quillmere remembers&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#settings&quot;&gt;Quillmere 会记住哪些设置&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Quick start</source>
        <translation>快速入门</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Add Photos&lt;/b&gt; and pick some photos (or drop them onto the window).</source>
        <translation>点击&lt;b&gt;添加照片&lt;/b&gt;并选择一些照片（也可以将照片拖放到窗口上）。</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Options&lt;/b&gt; to choose the output format and size. The built-in setting makes @BUILT_IN_FORMAT@ files of quality @QUALITY_BUILT_IN@, @BUILT_IN_WIDTH@ pixels wide, with the height that keeps each photo&apos;s proportions.</source>
        <translation>点击&lt;b&gt;选项&lt;/b&gt;选择输出格式和尺寸。内置设置会生成质量为 @QUALITY_BUILT_IN@ 的 @BUILT_IN_FORMAT@ 文件，宽 @BUILT_IN_WIDTH@ 像素，高度按每张照片的原有比例确定。</translation>
    </message>
    <message>
        <source>Check the &lt;b&gt;Output Folder&lt;/b&gt;; the first time it is the folder &lt;code&gt;Quillmere&lt;/code&gt; in your Pictures folder.</source>
        <translation>检查&lt;b&gt;输出文件夹&lt;/b&gt;；首次使用时，它是“图片”文件夹中的 &lt;code&gt;Quillmere&lt;/code&gt; 文件夹。</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Convert&lt;/b&gt;. When the run is done, Quillmere offers to open the folder with the results.</source>
        <translation>点击&lt;b&gt;转换&lt;/b&gt;。运行结束后，Quillmere 会询问是否打开存放结果的文件夹。</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>添加照片</translation>
    </message>
    <message>
        <source>There are three ways to put photos into the list. New photos are added at the end of the list and get the current default output settings (see &lt;a href=&quot;#options&quot;&gt;Options&lt;/a&gt;).</source>
        <translation>有三种方式可以将照片放入列表。新照片添加到列表末尾，并使用当前的默认输出设置（参见&lt;a href=&quot;#options&quot;&gt;选项&lt;/a&gt;）。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Photos&lt;/b&gt; opens a file dialog in which you can select several files at once. It opens in the folder you last added photos from.</source>
        <translation>&lt;b&gt;添加照片&lt;/b&gt;会打开文件对话框，可以一次选择多个文件。对话框会在您上次添加照片的文件夹中打开。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Drag and drop&lt;/b&gt;: drop files and folders from your file manager onto the window. Files are added in the order dropped; a folder is searched as &lt;b&gt;Search photos&lt;/b&gt; does. Opening photos or folders with Quillmere from a file manager (or &lt;code&gt;quillmere FILE|FOLDER...&lt;/code&gt;) adds them the same way.</source>
        <translation>&lt;b&gt;拖放&lt;/b&gt;：将文件和文件夹从文件管理器拖放到窗口上。文件按拖放的顺序添加；文件夹的搜索方式与&lt;b&gt;搜索照片&lt;/b&gt;相同。在文件管理器中用 Quillmere 打开照片或文件夹（或使用 &lt;code&gt;quillmere FILE|FOLDER...&lt;/code&gt;）也会以同样的方式添加。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search photos&lt;/b&gt; asks for a folder and adds every photo found in it and in all its sub-folders, folder by folder. Files with the extensions @PHOTO_EXTENSIONS@ are considered (in any letter case).</source>
        <translation>&lt;b&gt;搜索照片&lt;/b&gt;会让您选择一个文件夹，然后逐个文件夹地添加在该文件夹及其所有子文件夹中找到的照片。只考虑扩展名为 @PHOTO_EXTENSIONS@ 的文件（不区分大小写）。</translation>
    </message>
    <message>
        <source>Files that are not pictures, or cannot be read, are left out silently. A name with several dots, such as &lt;code&gt;IMG 2009.05.17.jpg&lt;/code&gt; or &lt;code&gt;trip.day1.HEIC&lt;/code&gt;, counts by its last extension. Photos taken with the camera turned are shown and converted upright. Phone photos (HEIC and HEIF) are read as they are.</source>
        <translation>不是图片或无法读取的文件会被直接略过，不作提示。含有多个点的文件名，如 &lt;code&gt;IMG 2009.05.17.jpg&lt;/code&gt; 或 &lt;code&gt;trip.day1.HEIC&lt;/code&gt;，以最后一个扩展名为准。竖握相机拍摄的照片会以正确的方向显示和转换。手机照片（HEIC 和 HEIF）可以直接读取。</translation>
    </message>
    <message>
        <source>From the file manager</source>
        <translation>从文件管理器使用</translation>
    </message>
    <message>
        <source>Right-click photos or folders in the file manager. &lt;b&gt;Convert with Quillmere…&lt;/b&gt; opens this window with them; each saved preset has an entry of its own, &lt;b&gt;Quillmere: &lt;i&gt;preset&lt;/i&gt;&lt;/b&gt; (in Nemo and Dolphin, &lt;b&gt;convert with a preset…&lt;/b&gt; asks which), which converts the selection at once with that preset into the output folder you chose here, in a new time-stamped folder, and ends with a desktop notification naming that folder and any photo that failed. Presets you save later appear without reinstalling anything.</source>
        <translation>在文件管理器中右键单击照片或文件夹。&lt;b&gt;使用 Quillmere 转换…&lt;/b&gt; 会打开本窗口并载入它们；每个已保存的预设都有自己的菜单项 &lt;b&gt;Quillmere: &lt;i&gt;预设名称&lt;/i&gt;&lt;/b&gt;（在 Nemo 和 Dolphin 中，由 &lt;b&gt;使用预设转换…&lt;/b&gt; 询问使用哪个预设），它会立即用该预设转换所选内容，输出到您在这里选择的输出文件夹中新建的带时间戳的文件夹，并在结束时显示桌面通知，指出该文件夹以及所有失败的照片。之后保存的预设无需重新安装任何东西即会出现。</translation>
    </message>
    <message>
        <source>&lt;b&gt;GNOME Files&lt;/b&gt; shows the entries when the package &lt;code&gt;python3-nautilus&lt;/code&gt; is installed (then restart it: &lt;code&gt;nautilus -q&lt;/code&gt;).</source>
        <translation>安装软件包 &lt;code&gt;python3-nautilus&lt;/code&gt; 后，&lt;b&gt;GNOME 文件&lt;/b&gt;会显示这些菜单项（安装后请重启它：&lt;code&gt;nautilus -q&lt;/code&gt;）。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Nemo&lt;/b&gt; (Cinnamon) and &lt;b&gt;Dolphin&lt;/b&gt; (KDE) show them at once.</source>
        <translation>&lt;b&gt;Nemo&lt;/b&gt;（Cinnamon）和 &lt;b&gt;Dolphin&lt;/b&gt;（KDE）会立即显示这些菜单项。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Thunar&lt;/b&gt; (Xfce) keeps custom actions in each user&apos;s own settings: in Thunar choose &lt;b&gt;Edit → Configure custom actions…&lt;/b&gt;, add an action named &lt;i&gt;Quillmere: Web 2048&lt;/i&gt; with the command &lt;code&gt;/usr/libexec/quillmere/quillmere-file-action convert &apos;Web 2048&apos; %F&lt;/code&gt; (the name of your preset in quotes), and under &lt;b&gt;Appearance Conditions&lt;/b&gt; tick &lt;b&gt;Image Files&lt;/b&gt; and &lt;b&gt;Directories&lt;/b&gt;. An action with the command &lt;code&gt;quillmere %F&lt;/code&gt; opens the window instead.</source>
        <translation>&lt;b&gt;Thunar&lt;/b&gt;（Xfce）将自定义动作保存在每个用户自己的设置中：在 Thunar 中选择&lt;b&gt;编辑 → 配置自定义动作…&lt;/b&gt;，添加一个名为 &lt;i&gt;Quillmere: Web 2048&lt;/i&gt; 的动作，命令为 &lt;code&gt;/usr/libexec/quillmere/quillmere-file-action convert &apos;Web 2048&apos; %F&lt;/code&gt;（引号中为您的预设名称），并在&lt;b&gt;出现条件&lt;/b&gt;下勾选&lt;b&gt;图像文件&lt;/b&gt;和&lt;b&gt;目录&lt;/b&gt;。命令为 &lt;code&gt;quillmere %F&lt;/code&gt; 的动作则会打开窗口。</translation>
    </message>
    <message>
        <source>The photo list</source>
        <translation>照片列表</translation>
    </message>
    <message>
        <source>Each row shows one photo: &lt;b&gt;File name&lt;/b&gt;, its size (&lt;b&gt;Width * Height&lt;/b&gt;), the file&apos;s modification &lt;b&gt;Time&lt;/b&gt;, the size it will be converted to (&lt;b&gt;Output Width * Height&lt;/b&gt;) and its &lt;b&gt;Rotate&lt;/b&gt; angle, and its &lt;b&gt;Status&lt;/b&gt; in the last run: waiting, converting, converted, skipped or failed (rest the pointer on it for the reason). Rest the pointer on a name for the full path. The list order is the conversion order and so the numbering order of the new files. The same file may be in the list more than once. &lt;b&gt;Total Photos:&lt;/b&gt; above the list counts the photos.</source>
        <translation>每一行显示一张照片：&lt;b&gt;文件名&lt;/b&gt;、尺寸（&lt;b&gt;宽 * 高&lt;/b&gt;）、文件的修改&lt;b&gt;时间&lt;/b&gt;、转换后的尺寸（&lt;b&gt;输出宽 * 高&lt;/b&gt;）、&lt;b&gt;旋转&lt;/b&gt;角度，以及在上次运行中的&lt;b&gt;状态&lt;/b&gt;：等待中、正在转换、已转换、已跳过或失败（将指针停在上面可查看原因）。将指针停在文件名上可查看完整路径。列表顺序就是转换顺序，因而也是新文件的编号顺序。同一个文件可以在列表中出现多次。列表上方的&lt;b&gt;照片总数：&lt;/b&gt;显示照片数量。</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>控件</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>作用</translation>
    </message>
    <message>
        <source>Click a row</source>
        <translation>单击一行</translation>
    </message>
    <message>
        <source>Shows the photo in the preview frame, whole and in its own proportions.</source>
        <translation>在预览框中完整显示该照片，保持其原有比例。</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;File name&lt;/b&gt; or &lt;b&gt;Time&lt;/b&gt; heading</source>
        <translation>单击&lt;b&gt;文件名&lt;/b&gt;或&lt;b&gt;时间&lt;/b&gt;列标题</translation>
    </message>
    <message>
        <source>Sorts the list by that column; click again to reverse the order.</source>
        <translation>按该列对列表排序；再次单击则反向排序。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt; (or double-click / right-click a row)</source>
        <translation>&lt;b&gt;编辑&lt;/b&gt;（或双击 / 右键单击某一行）</translation>
    </message>
    <message>
        <source>Opens the output options for each selected photo in turn, so that single photos can get settings of their own.</source>
        <translation>依次为每张所选照片打开输出选项，以便为单张照片单独设置。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Up&lt;/b&gt; / &lt;b&gt;Down&lt;/b&gt;</source>
        <translation>&lt;b&gt;上移&lt;/b&gt; / &lt;b&gt;下移&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Move the selected photos one place up or down.</source>
        <translation>将所选照片上移或下移一位。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Delete&lt;/b&gt; (&lt;kbd&gt;Del&lt;/kbd&gt;)</source>
        <translation>&lt;b&gt;删除&lt;/b&gt;（&lt;kbd&gt;Del&lt;/kbd&gt;）</translation>
    </message>
    <message>
        <source>Removes the selected photos from the list (the files stay on disk).</source>
        <translation>从列表中移除所选照片（文件仍保留在磁盘上）。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Clear&lt;/b&gt;</source>
        <translation>&lt;b&gt;清空&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Empties the list.</source>
        <translation>清空列表。</translation>
    </message>
    <message>
        <source>Convert, Edit, Up, Down, Delete and Clear are available as soon as the list holds a photo. &lt;kbd&gt;Ctrl+A&lt;/kbd&gt; selects every photo. Every button has an &lt;kbd&gt;Alt&lt;/kbd&gt; letter (the underlined one); &lt;kbd&gt;Ctrl+O&lt;/kbd&gt; is Add Photos, &lt;kbd&gt;Ctrl+F&lt;/kbd&gt; Search photos and &lt;kbd&gt;Ctrl+Return&lt;/kbd&gt; Convert.</source>
        <translation>只要列表中有照片，转换、编辑、上移、下移、删除和清空即可使用。&lt;kbd&gt;Ctrl+A&lt;/kbd&gt; 选择所有照片。每个按钮都有一个配合 &lt;kbd&gt;Alt&lt;/kbd&gt; 使用的字母（带下划线的那个）；&lt;kbd&gt;Ctrl+O&lt;/kbd&gt; 对应添加照片，&lt;kbd&gt;Ctrl+F&lt;/kbd&gt; 对应搜索照片，&lt;kbd&gt;Ctrl+Return&lt;/kbd&gt; 对应转换。</translation>
    </message>
    <message>
        <source>Output options</source>
        <translation>输出选项</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt; edits the default settings that photos added from now on receive. After you confirm it with photos in the list, Quillmere asks whether all photos in the list should get the new settings as well. &lt;b&gt;Edit&lt;/b&gt; opens the same dialog for the selected photos only.</source>
        <translation>&lt;b&gt;选项&lt;/b&gt;用于编辑此后添加的照片将获得的默认设置。如果确认时列表中已有照片，Quillmere 会询问是否也将新设置应用到列表中的所有照片。&lt;b&gt;编辑&lt;/b&gt;则只为所选照片打开同一个对话框。</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>含义</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Format:&lt;/b&gt;</source>
        <translation>&lt;b&gt;输出格式：&lt;/b&gt;</translation>
    </message>
    <message>
        <source>@OUTPUT_FORMAT_LIST@ (see &lt;a href=&quot;#formats&quot;&gt;Formats&lt;/a&gt;).</source>
        <translation>@OUTPUT_FORMAT_LIST@（参见&lt;a href=&quot;#formats&quot;&gt;格式&lt;/a&gt;）。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pixel format:&lt;/b&gt; (@PIXEL_FORMAT_FORMATS@ only)</source>
        <translation>&lt;b&gt;像素格式：&lt;/b&gt;（仅限 @PIXEL_FORMAT_FORMATS@）</translation>
    </message>
    <message>
        <source>The colour depth of the BMP file: 1, 4 or 8 bits indexed (2, 16 or 256 colours, made with error diffusion), or one of the direct-colour formats. The text below the list describes the choice. &lt;b&gt;Colours:&lt;/b&gt; for 4 and 8 bits, the standard 16 or 256 colours, or the colours of the photo (the 16 or 256 that best match each photo).</source>
        <translation>BMP 文件的色深：1、4 或 8 位索引色（2、16 或 256 色，采用误差扩散生成），或某种直接色格式。列表下方的文字会说明所选项。&lt;b&gt;颜色数：&lt;/b&gt;对于 4 位和 8 位，可选择标准的 16 或 256 色，或照片自身的颜色（最匹配每张照片的 16 或 256 色）。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Do not enlarge&lt;/b&gt;</source>
        <translation>&lt;b&gt;不放大&lt;/b&gt;</translation>
    </message>
    <message>
        <source>With @NO_ENLARGE_RULES@: a photo smaller than the chosen size keeps its own size (no side grows), so a 100*66 picture is not blown up to 1024*675.</source>
        <translation>适用于 @NO_ENLARGE_RULES@：小于所选尺寸的照片保持原尺寸（任何一边都不会变大），因此 100*66 的图片不会被放大到 1024*675。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quality Control:&lt;/b&gt; (@QUALITY_FORMATS@)</source>
        <translation>&lt;b&gt;质量：&lt;/b&gt;（@QUALITY_FORMATS@）</translation>
    </message>
    <message>
        <source>Quality from @QUALITY_MIN@ (smallest file) to @QUALITY_MAX@ (best picture), for every format that loses detail to save space. The quality you confirm last is remembered and shown every time the dialog opens.</source>
        <translation>质量从 @QUALITY_MIN@（文件最小）到 @QUALITY_MAX@（画质最佳），适用于所有通过舍弃细节来节省空间的格式。最后确认的质量会被记住，每次打开对话框时都会显示。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lossless&lt;/b&gt; (@LOSSLESS_FORMATS@)</source>
        <translation>&lt;b&gt;无损&lt;/b&gt;（@LOSSLESS_FORMATS@）</translation>
    </message>
    <message>
        <source>Keeps every pixel exactly; the quality is then not used and the files are larger.</source>
        <translation>精确保留每个像素；此时不使用质量设置，文件也会更大。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Limit file size to … KB&lt;/b&gt;</source>
        <translation>&lt;b&gt;限制文件大小为 … KB&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Every output file at most this many KB (1 KB = 1,000 bytes), camera data included, for upload forms and mail limits. @QUALITY_FORMATS@ files get the best quality that fits, found in a few trial encodes and never above the quality set; where even quality 30 does not fit, the picture is made smaller until it does. Lossless files (PNG, TIF, BMP, Lossless) can only be made smaller. A photo that already fits, in the same format and size with all its camera data, is copied unchanged. The command line adds &lt;code&gt;--min-quality&lt;/code&gt;, &lt;code&gt;--no-shrink-to-fit&lt;/code&gt;, &lt;code&gt;--chroma&lt;/code&gt; and &lt;code&gt;--progressive&lt;/code&gt;.</source>
        <translation>每个输出文件（包括相机数据）最多为这么多 KB（1 KB = 1,000 字节），以满足上传表单和邮件附件的大小限制。@QUALITY_FORMATS@ 文件会通过几次试编码找到能容纳的最佳质量，且绝不高于所设质量；如果连质量 30 都无法容纳，则逐步缩小图片直到符合。无损文件（PNG、TIF、BMP、无损）只能通过缩小尺寸来满足。已经符合大小的照片，如果格式和尺寸相同并保留全部相机数据，会原样复制。命令行还提供 &lt;code&gt;--min-quality&lt;/code&gt;、&lt;code&gt;--no-shrink-to-fit&lt;/code&gt;、&lt;code&gt;--chroma&lt;/code&gt; 和 &lt;code&gt;--progressive&lt;/code&gt;。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Camera data (EXIF, XMP, IPTC):&lt;/b&gt;</source>
        <translation>&lt;b&gt;相机数据 (EXIF, XMP, IPTC)：&lt;/b&gt;</translation>
    </message>
    <message>
        <source>What the outputs keep of the data the camera or phone stored with the photo (not for @FORMATS_WITHOUT_CAMERA_DATA@):</source>
        <translation>输出保留相机或手机随照片存储的哪些数据（不适用于 @FORMATS_WITHOUT_CAMERA_DATA@）：</translation>
    </message>
    <message>
        <source>&lt;b&gt;Camera RAW photos:&lt;/b&gt;</source>
        <translation>&lt;b&gt;相机 RAW 照片：&lt;/b&gt;</translation>
    </message>
    <message>
        <source>How camera RAW files (recognised by their content) are developed, always with the camera&apos;s white balance and no automatic brightening, so that the photos of one shoot match:</source>
        <translation>相机 RAW 文件（按内容识别）的处理方式；始终使用相机的白平衡，不做自动提亮，以便同一次拍摄的照片保持一致：</translation>
    </message>
    <message>
        <source>&lt;b&gt;Rotate by angle&lt;/b&gt;</source>
        <translation>&lt;b&gt;旋转角度&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Turn the result by @ROTATION_CHOICES@ degrees clockwise.</source>
        <translation>将结果顺时针旋转 @ROTATION_CHOICES@ 度。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Flip&lt;/b&gt;</source>
        <translation>&lt;b&gt;翻转&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aspect:&lt;/b&gt; (Fill and Pad)</source>
        <translation>&lt;b&gt;宽高比：&lt;/b&gt;（“填满”和“填充边距”）</translation>
    </message>
    <message>
        <source>1:1, 4:5, 3:2, 16:9 or 9:16 fills in the height from the width you type (1080 wide at 4:5 gives 1350); &lt;i&gt;Custom&lt;/i&gt; keeps the height you type.</source>
        <translation>选择 1:1、4:5、3:2、16:9 或 9:16 时，会根据您输入的宽度自动填入高度（宽 1080、比例 4:5 时为 1350）；&lt;i&gt;自定义&lt;/i&gt;则保留您输入的高度。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Crop:&lt;/b&gt; (Fill and Pad)</source>
        <translation>&lt;b&gt;裁剪：&lt;/b&gt;（“填满”和“填充边距”）</translation>
    </message>
    <message>
        <source>Which part of the photo Fill keeps (an edge, a corner, the centre, or &lt;i&gt;Smart&lt;/i&gt;: the part with the most detail, skin tones and colour), or where Pad places the photo.</source>
        <translation>“填满”时保留照片的哪一部分（某条边、某个角、中心，或&lt;i&gt;智能&lt;/i&gt;：细节、肤色和色彩最丰富的部分），或“填充边距”时将照片放在哪里。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Background:&lt;/b&gt;</source>
        <translation>&lt;b&gt;背景：&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The colour of Pad&apos;s margins and of transparent areas of the photos (white unless you choose another).</source>
        <translation>“填充边距”的边距以及照片透明区域的颜色（除非另选，否则为白色）。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sharpen when reduced:&lt;/b&gt;</source>
        <translation>&lt;b&gt;缩小时锐化：&lt;/b&gt;</translation>
    </message>
    <message>
        <source>A mild sharpening of the photo&apos;s lightness after it was made smaller, the more the more it was reduced (up to half its size); a photo that is not reduced is never sharpened.</source>
        <translation>照片缩小后，对其亮度进行轻度锐化，缩小得越多，锐化越强（最多到缩小一半为止）；未缩小的照片永远不会被锐化。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Resolution:&lt;/b&gt;</source>
        <translation>&lt;b&gt;分辨率：&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The DPI written into JPG, PNG, TIF and BMP files (WebP and AVIF with camera data); &lt;i&gt;As the source&lt;/i&gt; keeps the photo&apos;s own.</source>
        <translation>写入 JPG、PNG、TIF 和 BMP 文件（以及带相机数据的 WebP 和 AVIF）的 DPI；&lt;i&gt;与原图相同&lt;/i&gt;则保留照片自身的值。</translation>
    </message>
    <message>
        <source>Photos are turned upright (from the orientation the camera recorded) before any size rule is applied, so a portrait photo&apos;s width is its short side. Sizes are whole pixels: the fixed size and Stretch cut them, the other rules round to the nearest pixel.</source>
        <translation>在应用任何尺寸规则之前，照片会先（根据相机记录的方向）转正，因此竖拍照片的宽度是其短边。尺寸为整数像素：“固定尺寸”和“拉伸”直接舍去小数，其他规则四舍五入到最接近的像素。</translation>
    </message>
    <message>
        <source>The dialog shows only what matters for the chosen format and size rule. When you press OK, every number is checked, including those of hidden or unavailable fields: a message names what is wrong, the field gets the focus and the dialog stays open.</source>
        <translation>对话框只显示与所选格式和尺寸规则相关的内容。点击“确定”时，会检查每个数值，包括隐藏或不可用字段中的数值：消息会指出问题所在，该字段获得焦点，对话框保持打开。</translation>
    </message>
    <message>
        <source>Output folder and file names</source>
        <translation>输出文件夹和文件名</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Folder:&lt;/b&gt; is where the results go; type a folder or choose one with &lt;b&gt;Browse&lt;/b&gt;. On the first start it is the folder &lt;code&gt;Quillmere&lt;/code&gt; inside your Pictures folder, which Quillmere creates for you. The folder you used last is remembered.</source>
        <translation>&lt;b&gt;输出文件夹：&lt;/b&gt;是结果的存放位置；可以输入文件夹，或点击&lt;b&gt;浏览&lt;/b&gt;选择。首次启动时，它是“图片”文件夹中的 &lt;code&gt;Quillmere&lt;/code&gt; 文件夹，由 Quillmere 为您创建。上次使用的文件夹会被记住。</translation>
    </message>
    <message>
        <source>&lt;b&gt;The run folder.&lt;/b&gt; Every conversion makes a new folder inside the output folder, named after the moment it started as &lt;code&gt;year.month.day.hour.minute.second&lt;/code&gt;, for example &lt;code&gt;2026.05.17.14.05.09&lt;/code&gt;. Earlier results are therefore never overwritten.</source>
        <translation>&lt;b&gt;本次输出文件夹。&lt;/b&gt;每次转换都会在输出文件夹中新建一个文件夹，以开始的时刻命名，格式为 &lt;code&gt;year.month.day.hour.minute.second&lt;/code&gt;（年.月.日.时.分.秒），例如 &lt;code&gt;2026.05.17.14.05.09&lt;/code&gt;。因此之前的结果永远不会被覆盖。</translation>
    </message>
    <message>
        <source>&lt;b&gt;The naming rule.&lt;/b&gt; With &lt;b&gt;Batch rename prefix:&lt;/b&gt; (default &lt;code&gt;output.photo&lt;/code&gt;) each file is named</source>
        <translation>&lt;b&gt;命名规则。&lt;/b&gt;使用&lt;b&gt;批量重命名前缀：&lt;/b&gt;（默认为 &lt;code&gt;output.photo&lt;/code&gt;）时，每个文件按以下方式命名：</translation>
    </message>
    <message>
        <source>where the number is the photo&apos;s place in the list, padded with zeros to the width of the photo count (&lt;code&gt;1&lt;/code&gt;–&lt;code&gt;9&lt;/code&gt; for up to 9 photos, &lt;code&gt;01&lt;/code&gt;–&lt;code&gt;12&lt;/code&gt; for 12, &lt;code&gt;001&lt;/code&gt; for 100 or more), and the date is the one chosen in the list beside the prefix:</source>
        <translation>其中序号是照片在列表中的位置，按照片总数的位数补零（最多 9 张时为 &lt;code&gt;1&lt;/code&gt;–&lt;code&gt;9&lt;/code&gt;，12 张时为 &lt;code&gt;01&lt;/code&gt;–&lt;code&gt;12&lt;/code&gt;，100 张或以上时从 &lt;code&gt;001&lt;/code&gt; 开始），日期则是在前缀旁边的列表中所选的日期：</translation>
    </message>
    <message>
        <source>Example: prefix &lt;code&gt;trip&lt;/code&gt;, 12 photos, the third taken (or, with File date, modified) on 17 May 2009 gives &lt;code&gt;trip.03.2009.05.17.jpg&lt;/code&gt;. Photos copied from a camera card get the copy&apos;s day as their file date; choose Date taken to name them after the day they were taken.</source>
        <translation>示例：前缀为 &lt;code&gt;trip&lt;/code&gt;，共 12 张照片，第三张拍摄于（若选择文件日期，则为修改于）2009 年 5 月 17 日，得到 &lt;code&gt;trip.03.2009.05.17.jpg&lt;/code&gt;。从相机存储卡复制的照片，其文件日期是复制的那一天；若要按拍摄当天命名，请选择“拍摄日期”。</translation>
    </message>
    <message>
        <source>Check &lt;b&gt;Not rename&lt;/b&gt; to keep each photo&apos;s own name instead (only the extension changes, for example &lt;code&gt;IMG_0001.jpg&lt;/code&gt;); the prefix field is then unavailable. If a file of that name already exists, Quillmere asks before replacing it.</source>
        <translation>勾选&lt;b&gt;不重命名&lt;/b&gt;则保留每张照片自己的文件名（只更改扩展名，例如 &lt;code&gt;IMG_0001.jpg&lt;/code&gt;）；此时前缀字段不可用。如果同名文件已存在，Quillmere 会在替换前询问。</translation>
    </message>
    <message>
        <source>Check &lt;b&gt;Keep sub-folders&lt;/b&gt; to keep the folder tree of a search: a photo that &lt;b&gt;Search photos&lt;/b&gt; (or a dropped folder) found in &lt;code&gt;Holiday/Day2/&lt;/code&gt; is written to &lt;code&gt;Day2/&lt;/code&gt; inside the run folder (for example &lt;code&gt;Day2/IMG_0001.jpg&lt;/code&gt;, or &lt;code&gt;Day2/trip.07.2009.05.17.jpg&lt;/code&gt; with renaming: the numbers still count through the whole list). Photos added one by one go to the run folder itself.</source>
        <translation>勾选&lt;b&gt;保留子文件夹&lt;/b&gt;可保留搜索时的文件夹结构：由&lt;b&gt;搜索照片&lt;/b&gt;（或拖放的文件夹）在 &lt;code&gt;Holiday/Day2/&lt;/code&gt; 中找到的照片，会写入本次输出文件夹中的 &lt;code&gt;Day2/&lt;/code&gt;（例如 &lt;code&gt;Day2/IMG_0001.jpg&lt;/code&gt;，重命名时为 &lt;code&gt;Day2/trip.07.2009.05.17.jpg&lt;/code&gt;：序号仍按整个列表连续计数）。逐张添加的照片直接放在本次输出文件夹中。</translation>
    </message>
    <message>
        <source>Text on the photos</source>
        <translation>照片上的文字</translation>
    </message>
    <message>
        <source>Type a line into &lt;b&gt;Add text to photo:&lt;/b&gt; to write it on every converted photo, for example a copyright note. &lt;b&gt;Position x, y:&lt;/b&gt; is the place of the text&apos;s top-left corner, in pixels of the converted photo before it is rotated or flipped. A position outside the photo is reported and set to 0. &lt;b&gt;Font&lt;/b&gt; opens a dialog in which you choose the font, its style, its size in pixels of the output photo, underline, strikeout and the colour; the chosen font&apos;s name is shown beside the position fields. Font and colour are remembered; the text itself is not.</source>
        <translation>&lt;b&gt;在照片上添加文字：&lt;/b&gt;一栏中输入的一行文字会写在每张转换后的照片上，例如版权声明。&lt;b&gt;位置 x, y：&lt;/b&gt;是文字左上角的位置，以转换后（旋转或翻转之前）照片的像素计。超出照片的位置会给出提示并设为 0。&lt;b&gt;字体&lt;/b&gt;会打开一个对话框，可选择字体、字形、大小（以输出照片的像素计）、下划线、删除线和颜色；所选字体的名称显示在位置字段旁边。字体和颜色会被记住，文字本身则不会。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anchor:&lt;/b&gt; measures x and y from another corner, an edge or the middle of the photo instead: with &lt;i&gt;Bottom right&lt;/i&gt;, 20, 20 puts the text 20 pixels from the right and bottom edges of every photo, whatever its size. With any anchor but &lt;i&gt;Top left&lt;/i&gt; the text is kept inside the photo. &lt;b&gt;Size:&lt;/b&gt; gives the text&apos;s height as a percentage of each photo&apos;s shorter side, so that a caption has the same weight on a small and a large output; at &lt;i&gt;Font size&lt;/i&gt; the size chosen with &lt;b&gt;Font&lt;/b&gt; counts. &lt;b&gt;Opacity:&lt;/b&gt; lets the photo show through the text, and &lt;i&gt;Outline&lt;/i&gt; or &lt;i&gt;Shadow&lt;/i&gt; draws a dark (or, for dark text, light) edge that keeps it legible on any background. The preview shows the text on the photo you clicked, scaled with it.</source>
        <translation>&lt;b&gt;锚点：&lt;/b&gt;改为从另一个角、某条边或照片中心测量 x 和 y：选择&lt;i&gt;右下&lt;/i&gt;时，20, 20 会将文字放在距每张照片右边缘和下边缘各 20 像素处，无论照片大小。锚点不是&lt;i&gt;左上&lt;/i&gt;时，文字会保持在照片内部。&lt;b&gt;大小：&lt;/b&gt;以每张照片短边的百分比指定文字高度，使标注在小尺寸和大尺寸输出上比例相同；选择&lt;i&gt;字体大小&lt;/i&gt;时，使用通过&lt;b&gt;字体&lt;/b&gt;选择的大小。&lt;b&gt;不透明度：&lt;/b&gt;让照片透过文字显示出来，&lt;i&gt;描边&lt;/i&gt;或&lt;i&gt;阴影&lt;/i&gt;会绘制深色（深色文字则为浅色）边缘，使文字在任何背景上都清晰可读。预览会在您单击的照片上显示文字，并随照片一起缩放。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Watermark:&lt;/b&gt; draws a picture, such as your logo, on every photo: choose a PNG, WebP or SVG file (its transparency is kept) with &lt;b&gt;Logo…&lt;/b&gt; or type its path; clear the field for none. It sits at the chosen corner, edge or middle, &lt;b&gt;Size:&lt;/b&gt; sets its longer side as a percentage of each photo&apos;s shorter side, &lt;b&gt;Opacity:&lt;/b&gt; how much of the photo shows through, and &lt;b&gt;Margin:&lt;/b&gt; its distance from the edges, also as a percentage of the shorter side. The file is read when you choose it, and every photo of a conversion gets that picture.</source>
        <translation>&lt;b&gt;水印：&lt;/b&gt;在每张照片上绘制一张图片，例如您的徽标：点击&lt;b&gt;徽标...&lt;/b&gt;选择 PNG、WebP 或 SVG 文件（保留其透明度），或输入其路径；清空该字段即不使用水印。水印位于所选的角、边或中心，&lt;b&gt;大小：&lt;/b&gt;以每张照片短边的百分比设置其长边，&lt;b&gt;不透明度：&lt;/b&gt;设置照片透出的程度，&lt;b&gt;边距：&lt;/b&gt;设置其与边缘的距离，同样以短边的百分比表示。文件在您选择时读取，一次转换中的每张照片都使用该图片。</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>A preset keeps the output settings for new photos, the naming (prefix, &lt;b&gt;Not rename&lt;/b&gt;, &lt;b&gt;Keep sub-folders&lt;/b&gt;), the text and the watermark with all their settings under a name. &lt;b&gt;Save as…&lt;/b&gt; stores the window&apos;s current settings, &lt;b&gt;Apply&lt;/b&gt; brings the chosen preset back and, as &lt;b&gt;Options&lt;/b&gt; does, asks whether the listed photos get its output settings too, and &lt;b&gt;Remove&lt;/b&gt; removes it. The command line uses the same presets (&lt;code&gt;--preset&lt;/code&gt;, &lt;code&gt;--save-preset&lt;/code&gt;, &lt;code&gt;--list-presets&lt;/code&gt;).</source>
        <translation>预设以一个名称保存新照片的输出设置、命名方式（前缀、&lt;b&gt;不重命名&lt;/b&gt;、&lt;b&gt;保留子文件夹&lt;/b&gt;）、文字和水印及其全部设置。&lt;b&gt;另存为…&lt;/b&gt;保存窗口的当前设置，&lt;b&gt;应用&lt;/b&gt;恢复所选预设，并像&lt;b&gt;选项&lt;/b&gt;一样询问列表中的照片是否也使用其输出设置，&lt;b&gt;移除&lt;/b&gt;则删除该预设。命令行使用相同的预设（&lt;code&gt;--preset&lt;/code&gt;、&lt;code&gt;--save-preset&lt;/code&gt;、&lt;code&gt;--list-presets&lt;/code&gt;）。</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; starts the run; while it runs the button reads &lt;b&gt;Stop&lt;/b&gt;, and pressing it stops the run after the photos in hand. The progress bar shows how many photos are done and about how long the rest will take. A photo that cannot be converted does not hold the run: its row says &lt;b&gt;Failed&lt;/b&gt; (the reason is in its tooltip), a line goes to the activity log &lt;code&gt;Corvale.log&lt;/code&gt; in the output folder, and the other photos are converted all the same. Before the first file is written a replace question is asked only for files that were there before the run, once for all of them if you answer &lt;b&gt;Yes to all&lt;/b&gt; or &lt;b&gt;No to all&lt;/b&gt;; two photos that would get the same name get two files (&lt;code&gt;IMG_0001.jpg&lt;/code&gt;, &lt;code&gt;IMG_0001-2.jpg&lt;/code&gt;). A photo is written under its final name only when it is complete, so a failed or stopped conversion never leaves a half-written file. When the run ends, one box lists every photo that failed with its reason in plain words (&lt;b&gt;Copy&lt;/b&gt; puts the list on the clipboard, &lt;b&gt;Show log&lt;/b&gt; opens the log), says how many photos a stop left unconverted, and offers to open the output folder or to &lt;b&gt;Convert the rest&lt;/b&gt; into the same folder with the numbering continued. &lt;b&gt;View log&lt;/b&gt; opens &lt;code&gt;Corvale.log&lt;/code&gt; in your text editor. If the output folder you typed does not exist yet, it is made with any folders missing above it; when it cannot be made, the message says why. Escape never closes the window; closing it with photos in the list, or during a run, asks first. The settings of the window come back at the next start.</source>
        <translation>&lt;b&gt;转换&lt;/b&gt;开始运行；运行期间该按钮显示为&lt;b&gt;停止&lt;/b&gt;，点击它会在正在处理的照片完成后停止运行。进度条显示已完成的照片数以及剩余部分大约还需多长时间。无法转换的照片不会阻碍运行：该行显示&lt;b&gt;失败&lt;/b&gt;（原因见其工具提示），输出文件夹中的活动日志 &lt;code&gt;Corvale.log&lt;/code&gt; 会记录一行，其他照片照常转换。在写入第一个文件之前，只会对运行前就已存在的文件询问是否替换；如果回答&lt;b&gt;全是&lt;/b&gt;或&lt;b&gt;全否&lt;/b&gt;，则所有文件只问一次。会得到相同名称的两张照片将生成两个文件（&lt;code&gt;IMG_0001.jpg&lt;/code&gt;、&lt;code&gt;IMG_0001-2.jpg&lt;/code&gt;）。照片只有在完整写好后才会以最终名称保存，因此失败或停止的转换绝不会留下写了一半的文件。运行结束时，一个对话框会列出每张失败的照片及其通俗易懂的原因（&lt;b&gt;复制&lt;/b&gt;将列表放到剪贴板，&lt;b&gt;显示日志&lt;/b&gt;打开日志），说明因停止而未转换的照片数量，并可选择打开输出文件夹，或&lt;b&gt;转换其余照片&lt;/b&gt;到同一文件夹并接续编号。&lt;b&gt;查看日志&lt;/b&gt;用文本编辑器打开 &lt;code&gt;Corvale.log&lt;/code&gt;。如果您输入的输出文件夹尚不存在，会连同其上层缺失的文件夹一起创建；无法创建时，消息会说明原因。按 Esc 永远不会关闭窗口；列表中有照片或正在运行时关闭窗口，会先询问。窗口的设置会在下次启动时恢复。</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Quillmere reads the common picture formats (JPEG, PNG, TIFF, GIF, BMP, WebP and more). It writes:</source>
        <translation>Quillmere 可读取常见的图片格式（JPEG、PNG、TIFF、GIF、BMP、WebP 等）。可写出的格式：</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Every output is 8-bit RGB on a white background; colour profiles are converted to sRGB and the source&apos;s resolution (DPI) is kept where the format has one. A photo larger than its format can store is refused with a message before it is read. The camera data kept is set under &lt;a href=&quot;#options&quot;&gt;Camera data&lt;/a&gt;.</source>
        <translation>所有输出均为白色背景上的 8 位 RGB；颜色配置文件会转换为 sRGB，若格式支持分辨率（DPI），则保留原图的分辨率。超出格式可存储尺寸的照片会在读取前被拒绝，并给出消息。保留哪些相机数据在&lt;a href=&quot;#options&quot;&gt;相机数据&lt;/a&gt;中设置。</translation>
    </message>
    <message>
        <source>All controls of the main window</source>
        <translation>主窗口的所有控件</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add Photos&lt;/b&gt;</source>
        <translation>&lt;b&gt;添加照片&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Add photos with a file dialog.</source>
        <translation>通过文件对话框添加照片。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search photos&lt;/b&gt;</source>
        <translation>&lt;b&gt;搜索照片&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Add every photo of a folder and its sub-folders.</source>
        <translation>添加某个文件夹及其子文件夹中的所有照片。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt;</source>
        <translation>&lt;b&gt;选项&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Default output settings for new photos (and, if you agree, for all listed photos).</source>
        <translation>新照片的默认输出设置（如您同意，也应用于列表中的所有照片）。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Convert&lt;/b&gt; / &lt;b&gt;Stop&lt;/b&gt;</source>
        <translation>&lt;b&gt;转换&lt;/b&gt; / &lt;b&gt;停止&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Start or stop the conversion.</source>
        <translation>开始或停止转换。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt; (&lt;kbd&gt;F1&lt;/kbd&gt;)</source>
        <translation>&lt;b&gt;帮助&lt;/b&gt;（&lt;kbd&gt;F1&lt;/kbd&gt;）</translation>
    </message>
    <message>
        <source>Opens this guide in your web browser.</source>
        <translation>在网页浏览器中打开本指南。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Total Photos:&lt;/b&gt;</source>
        <translation>&lt;b&gt;照片总数：&lt;/b&gt;</translation>
    </message>
    <message>
        <source>The number of photos in the list.</source>
        <translation>列表中的照片数量。</translation>
    </message>
    <message>
        <source>Photo list, &lt;b&gt;Edit&lt;/b&gt;, &lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;, &lt;b&gt;Delete&lt;/b&gt;, &lt;b&gt;Clear&lt;/b&gt;</source>
        <translation>照片列表、&lt;b&gt;编辑&lt;/b&gt;、&lt;b&gt;上移&lt;/b&gt;、&lt;b&gt;下移&lt;/b&gt;、&lt;b&gt;删除&lt;/b&gt;、&lt;b&gt;清空&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#list&quot;&gt;The photo list&lt;/a&gt;.</source>
        <translation>参见&lt;a href=&quot;#list&quot;&gt;照片列表&lt;/a&gt;。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Output Folder:&lt;/b&gt;, &lt;b&gt;Browse&lt;/b&gt;</source>
        <translation>&lt;b&gt;输出文件夹：&lt;/b&gt;、&lt;b&gt;浏览&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Where the run folders are made.</source>
        <translation>本次输出文件夹的创建位置。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add text to photo:&lt;/b&gt;, &lt;b&gt;Position x, y:&lt;/b&gt;, &lt;b&gt;Font&lt;/b&gt;</source>
        <translation>&lt;b&gt;在照片上添加文字：&lt;/b&gt;、&lt;b&gt;位置 x, y：&lt;/b&gt;、&lt;b&gt;字体&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#text&quot;&gt;Text on the photos&lt;/a&gt;.</source>
        <translation>参见&lt;a href=&quot;#text&quot;&gt;照片上的文字&lt;/a&gt;。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Anchor:&lt;/b&gt;, &lt;b&gt;Size:&lt;/b&gt;, &lt;b&gt;Opacity:&lt;/b&gt;, outline or shadow</source>
        <translation>&lt;b&gt;锚点：&lt;/b&gt;、&lt;b&gt;大小：&lt;/b&gt;、&lt;b&gt;不透明度：&lt;/b&gt;、描边或阴影</translation>
    </message>
    <message>
        <source>&lt;b&gt;Batch rename prefix:&lt;/b&gt; &lt;i&gt;+Number+Time&lt;/i&gt;, &lt;b&gt;File date&lt;/b&gt; / &lt;b&gt;Date taken&lt;/b&gt;, &lt;b&gt;Not rename&lt;/b&gt;, &lt;b&gt;Keep sub-folders&lt;/b&gt;</source>
        <translation>&lt;b&gt;批量重命名前缀：&lt;/b&gt;&lt;i&gt;+序号+时间&lt;/i&gt;、&lt;b&gt;文件日期&lt;/b&gt; / &lt;b&gt;拍摄日期&lt;/b&gt;、&lt;b&gt;不重命名&lt;/b&gt;、&lt;b&gt;保留子文件夹&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#output&quot;&gt;the naming rule&lt;/a&gt;.</source>
        <translation>参见&lt;a href=&quot;#output&quot;&gt;命名规则&lt;/a&gt;。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Preset:&lt;/b&gt;, &lt;b&gt;Apply&lt;/b&gt;, &lt;b&gt;Save as…&lt;/b&gt;, &lt;b&gt;Remove&lt;/b&gt;</source>
        <translation>&lt;b&gt;预设：&lt;/b&gt;、&lt;b&gt;应用&lt;/b&gt;、&lt;b&gt;另存为…&lt;/b&gt;、&lt;b&gt;移除&lt;/b&gt;</translation>
    </message>
    <message>
        <source>See &lt;a href=&quot;#presets&quot;&gt;Presets&lt;/a&gt;.</source>
        <translation>参见&lt;a href=&quot;#presets&quot;&gt;预设&lt;/a&gt;。</translation>
    </message>
    <message>
        <source>Preview frame</source>
        <translation>预览框</translation>
    </message>
    <message>
        <source>Shows the photo you clicked in the list.</source>
        <translation>显示您在列表中单击的照片。</translation>
    </message>
    <message>
        <source>Progress bar</source>
        <translation>进度条</translation>
    </message>
    <message>
        <source>Progress of the current run.</source>
        <translation>当前运行的进度。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Update&lt;/b&gt;</source>
        <translation>&lt;b&gt;更新&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Opens the Quillmere web site, where new versions are published.</source>
        <translation>打开 Quillmere 网站，新版本在那里发布。</translation>
    </message>
    <message>
        <source>&lt;b&gt;About&lt;/b&gt;</source>
        <translation>&lt;b&gt;关于&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Version and contact addresses.</source>
        <translation>版本和联系地址。</translation>
    </message>
    <message>
        <source>&lt;b&gt;View log&lt;/b&gt;</source>
        <translation>&lt;b&gt;查看日志&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Opens the activity log &lt;code&gt;Corvale.log&lt;/code&gt;.</source>
        <translation>打开活动日志 &lt;code&gt;Corvale.log&lt;/code&gt;。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Exit&lt;/b&gt;</source>
        <translation>&lt;b&gt;退出&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Saves the output folder, the font and colour, the prefix and the date choice, and closes the program.</source>
        <translation>保存输出文件夹、字体和颜色、前缀以及日期选择，然后关闭程序。</translation>
    </message>
    <message>
        <source>The command line: quillmere-convert</source>
        <translation>命令行：quillmere-convert</translation>
    </message>
    <message>
        <source>&lt;code&gt;quillmere-convert&lt;/code&gt; converts photos with the same engine, without a window — for scripts, servers and large jobs.</source>
        <translation>&lt;code&gt;quillmere-convert&lt;/code&gt; 使用同一引擎转换照片，无需窗口——适用于脚本、服务器和大批量任务。</translation>
    </message>
    <message>
        <source>Each &lt;code&gt;PATH&lt;/code&gt; is a photo or a folder; folders are searched with their sub-folders like &lt;b&gt;Search photos&lt;/b&gt; does. Every option defaults to what the window starts with. An option&apos;s value follows as the next argument or after &lt;code&gt;=&lt;/code&gt; (&lt;code&gt;--text-pos=-5,3&lt;/code&gt;).</source>
        <translation>每个 &lt;code&gt;PATH&lt;/code&gt; 是一张照片或一个文件夹；文件夹会像&lt;b&gt;搜索照片&lt;/b&gt;一样连同子文件夹一起搜索。每个选项的默认值都与窗口启动时相同。选项的值作为下一个参数给出，或写在 &lt;code&gt;=&lt;/code&gt; 之后（&lt;code&gt;--text-pos=-5,3&lt;/code&gt;）。</translation>
    </message>
    <message>
        <source>Messages are printed as &lt;code&gt;Caption: text&lt;/code&gt; on standard error, with a progress bar when that is a terminal. The last line on standard output is the run folder. The exit status is 0 when every photo was converted, 1 when some were not, and 2 for wrong options. Files that are not pictures are skipped with a notice.</source>
        <translation>消息以 &lt;code&gt;Caption: text&lt;/code&gt; 的形式输出到标准错误，若标准错误是终端，还会显示进度条。标准输出的最后一行是本次输出文件夹。所有照片均已转换时退出状态为 0，部分未转换时为 1，选项错误时为 2。不是图片的文件会被跳过并给出提示。</translation>
    </message>
    <message>
        <source>&lt;code&gt;--into&lt;/code&gt;, &lt;code&gt;--number-start&lt;/code&gt; and &lt;code&gt;--number-width&lt;/code&gt; let several runs, on one machine or many, each convert a part of one list and name their files exactly as one run over the whole list would; the README shows how with GNU parallel.</source>
        <translation>借助 &lt;code&gt;--into&lt;/code&gt;、&lt;code&gt;--number-start&lt;/code&gt; 和 &lt;code&gt;--number-width&lt;/code&gt;，多次运行（在一台或多台机器上）可以各自转换同一列表的一部分，并且文件命名与对整个列表运行一次时完全相同；README 中介绍了如何配合 GNU parallel 使用。</translation>
    </message>
    <message>
        <source>What Quillmere remembers</source>
        <translation>Quillmere 会记住哪些设置</translation>
    </message>
    <message>
        <source>Quillmere keeps its settings in &lt;code&gt;~/.config/Harbenwick/quillmere.conf&lt;/code&gt;: the output folder, the rename prefix and the date in the names, the font and colour of the text, the last folders used for adding photos, and in the options dialog the last confirmed format, pixel format and quality. The photo list, the overlay text and its position, and the other output settings (size, Lossless, Do not enlarge, camera data) start fresh at every start. Presets are kept in the same file, in its group &lt;code&gt;[Presets]&lt;/code&gt;, which the command line reads and writes too; a preset keeps every output setting, the date in the names among them.</source>
        <translation>Quillmere 将设置保存在 &lt;code&gt;~/.config/Harbenwick/quillmere.conf&lt;/code&gt; 中：输出文件夹、重命名前缀和文件名中的日期、文字的字体和颜色、上次添加照片时使用的文件夹，以及选项对话框中上次确认的格式、像素格式和质量。照片列表、叠加文字及其位置，以及其他输出设置（尺寸、无损、不放大、相机数据）在每次启动时都会重置。预设也保存在同一个文件的 &lt;code&gt;[Presets]&lt;/code&gt; 组中，命令行同样会读写该组；预设会保存所有输出设置，包括文件名中的日期。</translation>
    </message>
</context>
<context>
    <name>LanguagePack</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>&amp;About Quillmere</source>
        <translation>关于 Quillmere(&amp;A)</translation>
    </message>
    <message>
        <source>The output width is invalid!</source>
        <translation>输出宽度无效！</translation>
    </message>
    <message>
        <source>The output hight is invalid!</source>
        <translation>输出高度无效！</translation>
    </message>
    <message>
        <source>Failed to SetResolution!</source>
        <translation>设置分辨率失败！</translation>
    </message>
    <message>
        <source>Failed to SetInterpolationMode!</source>
        <translation>设置插值方式失败！</translation>
    </message>
    <message>
        <source>Failed to convert photo!</source>
        <translation>转换照片失败！</translation>
    </message>
    <message>
        <source>Unknown rotate angle!</source>
        <translation>未知的旋转角度！</translation>
    </message>
    <message>
        <source>Failed to rotate and flip photo!</source>
        <translation>旋转和翻转照片失败！</translation>
    </message>
    <message>
        <source>Failed to save the file!</source>
        <translation>保存文件失败！</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>%s exists. Do you want to replace it?</source>
        <translation>%s 已存在。是否替换？</translation>
    </message>
    <message>
        <source>The text position X is bigger than the photo width!, The program set it to 0 now.</source>
        <translation>文字位置 X 大于照片宽度！程序已将其设为 0。</translation>
    </message>
    <message>
        <source>The text position Y is bigger than the photo height!, The program set it to 0 now.</source>
        <translation>文字位置 Y 大于照片高度！程序已将其设为 0。</translation>
    </message>
    <message>
        <source>The text position X is out of range! The program set it to 0 now.</source>
        <translation>文字位置 X 超出范围！程序已将其设为 0。</translation>
    </message>
    <message>
        <source>The text position Y is out of range! The program set it to 0 now.</source>
        <translation>文字位置 Y 超出范围！程序已将其设为 0。</translation>
    </message>
    <message>
        <source>1 bit per pixel, indexed. 2 color.</source>
        <translation>每像素 1 位，索引色。2 色。</translation>
    </message>
    <message>
        <source>4 bits per pixel, indexed. 16 color.</source>
        <translation>每像素 4 位，索引色。16 色。</translation>
    </message>
    <message>
        <source>8 bits per pixel, indexed. 256 color.</source>
        <translation>每像素 8 位，索引色。256 色。</translation>
    </message>
    <message>
        <source>16 bits per pixel; 5 bits are used for the red component, 6 bits are used for the green component, and 5 bits are used for the blue component.</source>
        <translation>每像素 16 位；红色分量使用 5 位，绿色分量使用 6 位，蓝色分量使用 5 位。</translation>
    </message>
    <message>
        <source>24 bits per pixel; 8 bits each are used for the red, green, and blue components.</source>
        <translation>每像素 24 位；红、绿、蓝分量各使用 8 位。</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the alpha, red, green, and blue components.</source>
        <translation>每像素 32 位；Alpha、红、绿、蓝分量各使用 8 位。</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the alpha, red, green, and blue components. The red, green, and blue components are premultiplied according to the alpha component.</source>
        <translation>每像素 32 位；Alpha、红、绿、蓝分量各使用 8 位。红、绿、蓝分量已按 Alpha 分量预乘。</translation>
    </message>
    <message>
        <source>32 bits per pixel; 8 bits each are used for the red, green, and blue components. The remaining 8 bits are not used.</source>
        <translation>每像素 32 位；红、绿、蓝分量各使用 8 位，其余 8 位不使用。</translation>
    </message>
    <message>
        <source>64 bits per pixel; 16 bits each are used for the alpha, red, green, and blue components. Written as 32 bits ARGB, as no BMP reader takes 64 bits.</source>
        <translation>每像素 64 位；Alpha、红、绿、蓝分量各使用 16 位。由于没有 BMP 读取程序支持 64 位，将以 32 位 ARGB 写出。</translation>
    </message>
    <message>
        <source>64 bits per pixel; 16 bits each are used for the alpha, red, green, and blue components. The red, green, and blue components are premultiplied according to the alpha component. Written as 32 bits PARGB, as no BMP reader takes 64 bits.</source>
        <translation>每像素 64 位；Alpha、红、绿、蓝分量各使用 16 位。红、绿、蓝分量已按 Alpha 分量预乘。由于没有 BMP 读取程序支持 64 位，将以 32 位 PARGB 写出。</translation>
    </message>
</context>
<context>
    <name>ListHistory</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销(&amp;U)：%1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做(&amp;R)：%1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
</context>
<context>
    <name>LocalFigures</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
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
        <translation>原文件已符合大小：直接复制</translation>
    </message>
    <message>
        <source>fitted by reducing to %1 x %2</source>
        <translation>缩小至 %1 x %2 以符合大小</translation>
    </message>
    <message>
        <source>fitted: quality %1</source>
        <translation>已符合大小：质量 %1</translation>
    </message>
    <message>
        <source>the source fits (%1): copied unchanged</source>
        <translation>原文件已符合大小 (%1)：原样复制</translation>
    </message>
    <message>
        <source>%1 at quality %2</source>
        <translation>%1，质量 %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n encodes</source>
        <extracomment>%1 is the size and quality (&quot;498 KB at quality 72&quot;); an encode is one trial compression made to find it.</extracomment>
        <translation>
            <numerusform>%1，编码 %n 次</numerusform>
        </translation>
    </message>
    <message>
        <source>fitted by reducing to %1: %2</source>
        <translation>缩小至 %1 以符合大小：%2</translation>
    </message>
    <message>
        <source>%1 lossless</source>
        <translation>%1 无损</translation>
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
        <translation>添加照片(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Search photos</source>
        <translation>搜索照片(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>转换(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Total Photos:</source>
        <translation>照片总数：</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>下移(&amp;D)</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>删除(&amp;L)</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>清空(&amp;R)</translation>
    </message>
    <message>
        <source>Output &amp;Folder:</source>
        <translation>输出文件夹(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>浏览(&amp;B)</translation>
    </message>
    <message>
        <source>Add &amp;text to photo:</source>
        <translation>在照片上添加文字(&amp;T)：</translation>
    </message>
    <message>
        <source>Position &amp;x, y:</source>
        <translation>位置 x, y(&amp;X)：</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>字体(&amp;F)</translation>
    </message>
    <message>
        <source>A&amp;nchor:</source>
        <translation>锚点(&amp;N)：</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>大小(&amp;Z)：</translation>
    </message>
    <message>
        <source>The text&apos;s size as a percentage of the photo&apos;s shorter side; at 0 the font&apos;s own size counts.</source>
        <translation>文字大小，以照片短边的百分比表示；为 0 时使用字体本身的大小。</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>字体大小</translation>
    </message>
    <message>
        <source> % of shorter side</source>
        <translation> % 短边</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>不透明度(&amp;P)：</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Batch rena&amp;me prefix:</source>
        <translation>批量重命名前缀(&amp;M)：</translation>
    </message>
    <message>
        <source>+Number+Time</source>
        <translation>+序号+时间</translation>
    </message>
    <message>
        <source>Date in the names</source>
        <translation>文件名中的日期</translation>
    </message>
    <message>
        <source>Which date the file names carry</source>
        <translation>文件名使用哪个日期</translation>
    </message>
    <message>
        <source>&amp;Not rename</source>
        <translation>不重命名(&amp;N)</translation>
    </message>
    <message>
        <source>Photos found by Search photos or in a dropped folder keep their sub-folders inside the run folder.</source>
        <translation>通过“搜索照片”或拖放文件夹找到的照片，在本次输出文件夹中保留其子文件夹结构。</translation>
    </message>
    <message>
        <source>&amp;Keep sub-folders</source>
        <translation>保留子文件夹(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>预设(&amp;P)：</translation>
    </message>
    <message>
        <source>Output settings, naming and text of the preset; the listed photos get its output settings if you agree.</source>
        <translation>应用预设的输出设置、命名和文字；如您同意，列表中的照片也将使用其输出设置。</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>应用(&amp;Y)</translation>
    </message>
    <message>
        <source>Sa&amp;ve as…</source>
        <translation>另存为(&amp;V)…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>移除(&amp;M)</translation>
    </message>
    <message>
        <source>%p%</source>
        <translation>%p%</translation>
    </message>
    <message>
        <source>Stops gathering; the photos read so far are added (Esc).</source>
        <translation>停止搜索；已读取的照片将被添加 (Esc)。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>V&amp;iew log</source>
        <translation>查看日志(&amp;I)</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>保存列表</translation>
    </message>
    <message>
        <source>load list</source>
        <translation>载入列表</translation>
    </message>
    <message>
        <source>U&amp;pdate</source>
        <translation>更新(&amp;P)</translation>
    </message>
    <message>
        <source>Abou&amp;t</source>
        <translation>关于(&amp;T)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
    <message>
        <source>These files were left out because they are not pictures:</source>
        <translation>以下文件不是图片，已略过：</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>Stop the conversion and quit?</source>
        <translation>是否停止转换并退出？</translation>
    </message>
    <message>
        <source>Stop and quit</source>
        <translation>停止并退出</translation>
    </message>
    <message numerus="yes">
        <source>The list of %n photos is not kept. Do you want to quit?</source>
        <translation>
            <numerusform>包含 %n 张照片的列表不会保留。是否退出？</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>MainDialogHooks</name>
    <message>
        <source>The desktop has no program that opens %1.</source>
        <translation>桌面上没有可以打开 %1 的程序。</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>保存预设</translation>
    </message>
    <message>
        <source>Preset &amp;name:</source>
        <translation>预设名称(&amp;N)：</translation>
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
        <translation>%1 发生错误！</translation>
    </message>
    <message>
        <source>%1 is not a right directory</source>
        <translation>%1 不是有效的目录</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>对 %1 的访问被拒绝。</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>找不到 %1。</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 包含无效路径。</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>打开的文件过多，无法打开 %1。</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>访问 %1 时报告了硬件 I/O 错误。</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>访问 %1 时发生共享冲突。</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>访问 %1 时发生未知错误。</translation>
    </message>
    <message>
        <source>Failed file.GetStatus from %1</source>
        <translation>从 %1 执行 file.GetStatus 失败</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>无法保存设置。</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>The Program does not launch your web browser to access %1 ,
Please launch your web browser and input the URL manually.</source>
        <translation>程序不会启动网页浏览器访问 %1，
请启动网页浏览器并手动输入该网址。</translation>
    </message>
    <message>
        <source>The help page %1 is missing.</source>
        <translation>帮助页面 %1 缺失。</translation>
    </message>
    <message>
        <source>%1 %2 is installed.</source>
        <translation>已安装 %1 %2。</translation>
    </message>
    <message>
        <source>Updates come from your system&apos;s package manager: update %1 there together with your other programs.</source>
        <translation>更新由系统的软件包管理器提供：请在那里与其他程序一起更新 %1。</translation>
    </message>
    <message>
        <source>This copy was built from source, outside a package, so the package manager does not update it.</source>
        <translation>此副本是从源代码构建的，不属于软件包，因此软件包管理器不会更新它。</translation>
    </message>
    <message>
        <source>Newer versions of the source are at %1.</source>
        <translation>源代码的新版本位于 %1。</translation>
    </message>
    <message>
        <source>A packaged %1 gets its updates from your system&apos;s package manager.</source>
        <translation>软件包版本的 %1 通过系统的软件包管理器获取更新。</translation>
    </message>
    <message>
        <source>Can not get My Documents directory!</source>
        <translation>无法获取“我的文档”目录！</translation>
    </message>
    <message>
        <source>The log file could not be written; its notices are lost.</source>
        <translation>无法写入日志文件；其中的记录已丢失。</translation>
    </message>
    <message>
        <source>The watermark could not be read.</source>
        <translation>无法读取水印图片。</translation>
    </message>
    <message>
        <source>The stored setting %1 is not used: %2. %3 is used instead.</source>
        <translation>已存储的设置 %1 未被使用：%2。改用 %3。</translation>
    </message>
</context>
<context>
    <name>OptionTables</name>
    <message>
        <source>1 bit Indexed</source>
        <translation>1 位索引色</translation>
    </message>
    <message>
        <source>4 bits Indexed</source>
        <translation>4 位索引色</translation>
    </message>
    <message>
        <source>8 bits Indexed</source>
        <translation>8 位索引色</translation>
    </message>
    <message>
        <source>16 bits RGB565</source>
        <translation>16 位 RGB565</translation>
    </message>
    <message>
        <source>24 bits RGB</source>
        <translation>24 位 RGB</translation>
    </message>
    <message>
        <source>32 bits ARGB</source>
        <translation>32 位 ARGB</translation>
    </message>
    <message>
        <source>32 bits PARGB</source>
        <translation>32 位 PARGB</translation>
    </message>
    <message>
        <source>32 bits RGB</source>
        <translation>32 位 RGB</translation>
    </message>
    <message>
        <source>64 bits ARGB</source>
        <translation>64 位 ARGB</translation>
    </message>
    <message>
        <source>64 bits PARGB</source>
        <translation>64 位 PARGB</translation>
    </message>
    <message>
        <source>Stretch:</source>
        <translation>拉伸：</translation>
    </message>
    <message>
        <source>Fit within Output Width x Output Height</source>
        <translation>适应输出宽度 x 输出高度</translation>
    </message>
    <message>
        <source>Long edge:</source>
        <translation>长边：</translation>
    </message>
    <message>
        <source>Fill Output Width x Output Height, cropped</source>
        <translation>填满输出宽度 x 输出高度（裁剪）</translation>
    </message>
    <message>
        <source>Pad to Output Width x Output Height</source>
        <translation>填充边距至输出宽度 x 输出高度</translation>
    </message>
    <message>
        <source>No flip</source>
        <translation>不翻转</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>水平翻转</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>垂直翻转</translation>
    </message>
    <message>
        <source>All but the location</source>
        <translation>除位置信息外全部</translation>
    </message>
    <message>
        <source>Smart</source>
        <translation>智能</translation>
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
        <translation>强</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Halved colour resolution below quality 90, full from 90 up.</source>
        <translation>质量低于 90 时色度分辨率减半，90 及以上为全分辨率。</translation>
    </message>
    <message>
        <source>Colour at half resolution: smaller files.</source>
        <translation>色度半分辨率：文件更小。</translation>
    </message>
    <message>
        <source>Colour at full resolution: sharper red edges.</source>
        <translation>色度全分辨率：红色边缘更锐利。</translation>
    </message>
    <message>
        <source>Standard colours</source>
        <translation>标准颜色</translation>
    </message>
    <message>
        <source>The standard 16 or 256 colours, the same for every photo.</source>
        <translation>标准的 16 色或 256 色，所有照片相同。</translation>
    </message>
    <message>
        <source>Colours of the photo</source>
        <translation>照片自身的颜色</translation>
    </message>
    <message>
        <source>The 16 or 256 colours that best match each photo, found by an octree.</source>
        <translation>八叉树算法为每张照片选出的最匹配的 16 色或 256 色。</translation>
    </message>
    <message>
        <source>File date</source>
        <translation>文件日期</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>拍摄日期</translation>
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
        <translation>居中</translation>
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
        <translation>无描边</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>描边</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>阴影</translation>
    </message>
    <message>
        <source>Same as the source</source>
        <translation>与原图相同</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>原始尺寸</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>The camera&apos;s own preview when it is at least the output size, else the sensor at half size when that is, else the whole sensor.</source>
        <translation>若相机内嵌预览图不小于输出尺寸则使用它；否则若半尺寸传感器数据足够则用半尺寸；再否则使用整个传感器。</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>相机预览图</translation>
    </message>
    <message>
        <source>The preview the camera embedded in the file: fastest; a file without one fails.</source>
        <translation>相机嵌入文件的预览图：最快；没有预览图的文件会失败。</translation>
    </message>
    <message>
        <source>Full develop</source>
        <translation>完整解码</translation>
    </message>
    <message>
        <source>Always the whole sensor, demosaicked: slowest, the most detail.</source>
        <translation>始终对整个传感器数据去马赛克：最慢，细节最丰富。</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no camera data kept</comment>
        <translation>无</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no sharpening</comment>
        <translation>无</translation>
    </message>
    <message>
        <source>Uncompressed; 24-bit colour, or 1, 4 or 8 bits per pixel with a palette (see Pixel format). Carries no camera data.</source>
        <translation>不压缩；24 位色彩，或带调色板的每像素 1、4 或 8 位（见像素格式）。不含相机数据。</translation>
    </message>
    <message>
        <source>EXIF, XMP and a JPEG&apos;s IPTC</source>
        <translation>EXIF、XMP 和 JPEG 的 IPTC</translation>
    </message>
    <message>
        <source>Photos; smallest files. Quality @QUALITY_RANGE@ (built-in @QUALITY_BUILT_IN@).</source>
        <translation>适合照片；文件最小。质量 @QUALITY_RANGE@（默认 @QUALITY_BUILT_IN@）。</translation>
    </message>
    <message>
        <source>EXIF and XMP</source>
        <translation>EXIF 和 XMP</translation>
    </message>
    <message>
        <source>Lossless; transparent areas become white.</source>
        <translation>无损；透明区域变为白色。</translation>
    </message>
    <message>
        <source>EXIF, XMP and a TIFF&apos;s IPTC</source>
        <translation>EXIF、XMP 和 TIFF 的 IPTC</translation>
    </message>
    <message>
        <source>Lossless (LZW compression), for print and archiving.</source>
        <translation>无损（LZW 压缩），适合打印和存档。</translation>
    </message>
    <message>
        <source>For the web: smaller than JPG at the same quality. Quality @QUALITY_RANGE@, or Lossless.</source>
        <translation>适合网页：同等质量下比 JPG 更小。质量 @QUALITY_RANGE@，或无损。</translation>
    </message>
    <message>
        <source>AV1 in a HEIF file: the smallest photo files, slower to write. Quality @QUALITY_RANGE@.</source>
        <translation>HEIF 文件中的 AV1：照片文件最小，写入较慢。质量 @QUALITY_RANGE@。</translation>
    </message>
    <message>
        <source>JPEG&apos;s successor: small files of high fidelity. Quality @QUALITY_RANGE@, or Lossless.</source>
        <translation>JPEG 的继任者：文件小、保真度高。质量 @QUALITY_RANGE@，或无损。</translation>
    </message>
    <message>
        <source>@KEPT_SOURCE_FORMATS@ photos keep their format (with that format&apos;s settings and extension); any other photo (GIF, HEIC, ...) becomes @SOURCE_FALLBACK_FORMAT@.</source>
        <translation>@KEPT_SOURCE_FORMATS@ 照片保持原格式（使用该格式的设置和扩展名）；其他照片（GIF、HEIC 等）转为 @SOURCE_FALLBACK_FORMAT@。</translation>
    </message>
    <message>
        <source>Keep each photo&apos;s own width and height.</source>
        <translation>保持每张照片自身的宽度和高度。</translation>
    </message>
    <message>
        <source>the fixed size</source>
        <translation>固定尺寸</translation>
    </message>
    <message>
        <source>The choice beside Output Width: and Output Height:</source>
        <translation>输出宽度：和输出高度：旁的选项</translation>
    </message>
    <message>
        <source>A fixed size in pixels. With Keep aspect ratio with width only the width counts and the height follows the photo&apos;s proportions; with Keep aspect ratio with Height only the height counts. Without either box, the photo is scaled to exactly the given width and height.</source>
        <translation>以像素为单位的固定尺寸。勾选“按宽度保持宽高比”时只看宽度，高度按照片比例计算；勾选“按高度保持宽高比”时只看高度。两者都不勾选时，照片被缩放到正好指定的宽度和高度。</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>拉伸</translation>
    </message>
    <message>
        <source>Stretch: Horizontal: / Vertical:</source>
        <translation>拉伸：水平：/ 垂直：</translation>
    </message>
    <message>
        <source>Multiply the photo&apos;s width and height by these factors (from 0.000001 to 1000000; 0.5 halves, 2 doubles). Sizes are cut to whole pixels.</source>
        <translation>将照片的宽度和高度乘以这些倍数（0.000001 至 1000000；0.5 为减半，2 为加倍）。尺寸截断为整像素。</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>适应</translation>
    </message>
    <message>
        <source>The largest size with the photo&apos;s proportions that fits in the width and height: never cropped, never distorted. The side that does not fill the box is rounded to whole pixels, but never below 1.</source>
        <translation>保持照片比例、能放入宽度和高度的最大尺寸：从不裁剪，从不变形。未填满框的一边四舍五入到整像素，但不小于 1。</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>长边</translation>
    </message>
    <message>
        <source>The photo&apos;s longer side becomes this many pixels, the other follows its proportions (rounded to whole pixels, never below 1). A landscape and a portrait photo of the same camera come out alike.</source>
        <translation>照片的长边变为此像素数，另一边按比例计算（四舍五入到整像素，不小于 1）。同一相机拍摄的横幅和竖幅照片结果一致。</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>填满</translation>
    </message>
    <message>
        <source>Exactly the width and height: the photo is scaled until it covers them, and what reaches beyond is cropped. Crop: which part is kept (an edge, a corner, the centre, or Smart: the most interesting part).</source>
        <translation>正好为宽度和高度：照片缩放到完全覆盖，超出部分被裁掉。裁剪：保留哪一部分（一条边、一个角、中心，或智能：最有看点的部分）。</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>填充边距</translation>
    </message>
    <message>
        <source>Exactly the width and height: the whole photo is fitted inside, never cropped, and the margins take the background colour. Crop: where the photo sits.</source>
        <translation>正好为宽度和高度：整张照片放入其中，从不裁剪，边距使用背景颜色。裁剪：照片所处的位置。</translation>
    </message>
    <message>
        <source>mirror left to right</source>
        <translation>左右镜像</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>上下颠倒</translation>
    </message>
    <message>
        <source>No camera data: the outputs carry only the resolution (DPI).</source>
        <translation>无相机数据：输出仅带分辨率 (DPI)。</translation>
    </message>
    <message>
        <source>As All, without the GPS position and without the location fields of XMP; the IPTC block, which may name places, is left out too.</source>
        <translation>与“全部”相同，但不含 GPS 位置和 XMP 的位置字段；可能含有地名的 IPTC 块也一并省略。</translation>
    </message>
    <message>
        <source>EXIF (camera, lens, exposure, date taken, GPS), XMP and IPTC as the photo has them, with the orientation set to upright and the pixel size of the output, and the sRGB colour profile embedded. @CAMERA_DATA_BY_FORMAT@</source>
        <translation>照片原有的 EXIF（相机、镜头、曝光、拍摄日期、GPS）、XMP 和 IPTC，方向设为正向，像素尺寸为输出的尺寸，并嵌入 sRGB 颜色配置文件。@CAMERA_DATA_BY_FORMAT@</translation>
    </message>
    <message>
        <source>The source file&apos;s modification date.</source>
        <translation>源文件的修改日期。</translation>
    </message>
    <message>
        <source>The date the photo was taken (EXIF DateTimeOriginal, else DateTimeDigitized); the file&apos;s date for a photo that has neither.</source>
        <translation>照片的拍摄日期（EXIF DateTimeOriginal，否则为 DateTimeDigitized）；两者都没有的照片使用文件日期。</translation>
    </message>
    <message>
        <source>At most %1 pixels a side.</source>
        <translation>每边最多 %1 像素。</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 keep %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>OutputSettingsEditor</name>
    <message numerus="yes">
        <source>Give the %n photos in the list these settings too?</source>
        <translation>
            <numerusform>是否将这些设置也应用到列表中的 %n 张照片？</numerusform>
        </translation>
    </message>
    <message>
        <source>Question</source>
        <translation>确认</translation>
    </message>
</context>
<context>
    <name>OverlayPanel</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>请输入整数。</translation>
    </message>
</context>
<context>
    <name>PhotoListModel</name>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>正在转换</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>已转换</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>已跳过</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>未转换</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Width * Height</source>
        <translation>宽 * 高</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Output Width * Height</source>
        <translation>输出宽 * 高</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
</context>
<context>
    <name>PhotoListPanel</name>
    <message>
        <source>Total photos: %1</source>
        <translation>照片总数：%1</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>排序</translation>
    </message>
    <message>
        <source>Please select items!</source>
        <translation>请选择项目！</translation>
    </message>
</context>
<context>
    <name>PhotoSources</name>
    <message>
        <source>Photo Files (%1) (%2)</source>
        <translation>照片文件 (%1) (%2)</translation>
    </message>
    <message>
        <source>Any Files (*.*) (*)</source>
        <translation>所有文件 (*.*) (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n files were left out: not pictures (%1)</source>
        <translation>
            <numerusform>已略过 %n 个文件：不是图片 (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Select Photo Files...</source>
        <translation>选择照片文件...</translation>
    </message>
</context>
<context>
    <name>PlacesRow</name>
    <message>
        <source>Name tem&amp;plate:</source>
        <translation>文件名模板(&amp;P)：</translation>
    </message>
    <message>
        <source>prefix naming</source>
        <translation>前缀命名</translation>
    </message>
    <message>
        <source>Names the outputs instead of the prefix: {name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera}</source>
        <translation>用此模板代替前缀为输出文件命名：{name} {ext} {n} {n:3} {date} {taken} {taken:%Y-%m-%d} {w} {h} {folder} {preset} {camera}</translation>
    </message>
    <message>
        <source>Where the outputs go</source>
        <translation>输出位置</translation>
    </message>
    <message>
        <source>New time-stamped folder</source>
        <translation>新建带时间戳的文件夹</translation>
    </message>
    <message>
        <source>Into the output folder</source>
        <translation>直接输出到输出文件夹</translation>
    </message>
    <message>
        <source>Next to each photo, in:</source>
        <translation>各照片旁的文件夹：</translation>
    </message>
    <message>
        <source>Folder next to each photo</source>
        <translation>各照片旁的文件夹</translation>
    </message>
    <message>
        <source>The file dates, and the presets whose outputs each photo gets, from one decode</source>
        <translation>文件日期，以及每张照片要输出的预设（一次解码完成）</translation>
    </message>
    <message>
        <source>e.g. %1</source>
        <translation>例如：%1</translation>
    </message>
    <message>
        <source>Outputs: one per preset ticked</source>
        <translation>输出：每个勾选的预设各一份</translation>
    </message>
    <message>
        <source>No presets saved</source>
        <translation>没有已保存的预设</translation>
    </message>
    <message>
        <source>&amp;Write: one output</source>
        <translation>写出：一份(&amp;W)</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Write: %n presets</source>
        <translation>
            <numerusform>写出：%n 个预设(&amp;W)</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>保留文件日期</translation>
    </message>
    <message>
        <source>Each output gets its original&apos;s modification date</source>
        <translation>每个输出沿用其原文件的修改日期</translation>
    </message>
</context>
<context>
    <name>PresetPanel</name>
    <message>
        <source>Choose a preset</source>
        <translation>选择预设</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; was not applied.</source>
        <translation>预设“%1”未应用。</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; is not stored any more.</source>
        <translation>预设“%1”已不再存在。</translation>
    </message>
    <message>
        <source>A preset name %1.</source>
        <translation>预设名称%1。</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; exists. Do you want to replace it?</source>
        <translation>预设“%1”已存在。是否替换？</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be saved.</source>
        <translation>无法保存预设“%1”。</translation>
    </message>
    <message>
        <source>Do you want to delete the preset &quot;%1&quot;?</source>
        <translation>是否删除预设“%1”？</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>无法删除预设“%1”。</translation>
    </message>
</context>
<context>
    <name>PresetStore</name>
    <message>
        <source>must not be empty</source>
        <translation>不能为空</translation>
    </message>
    <message>
        <source>must not contain &apos;/&apos; or &apos;\&apos;</source>
        <translation>不能包含 &apos;/&apos; 或 &apos;\&apos;</translation>
    </message>
    <message>
        <source>must not contain control characters</source>
        <translation>不能包含控制字符</translation>
    </message>
    <message>
        <source>the settings file %1 has a line that cannot be read</source>
        <translation>设置文件 %1 中有无法读取的行</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written</source>
        <translation>无法写入设置文件 %1</translation>
    </message>
    <message>
        <source>a preset name %1</source>
        <translation>预设名称%1</translation>
    </message>
</context>
<context>
    <name>PreviewFrame</name>
    <message>
        <source>Show source</source>
        <translation>显示原图</translation>
    </message>
    <message>
        <source>The selected photo as it will be written. Double-click or press Space in the list to see it larger.</source>
        <translation>所选照片的输出效果。在列表中双击或按空格键可放大查看。</translation>
    </message>
    <message>
        <source>Before and after: the source photo, or the result</source>
        <translation>转换前后对比：原图或结果</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a tooltip, then its key</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No result: %1</source>
        <translation>无结果：%1</translation>
    </message>
    <message>
        <source>Show result</source>
        <translation>显示结果</translation>
    </message>
    <message>
        <source>Opening…</source>
        <translation>正在打开…</translation>
    </message>
    <message>
        <source>The result could not be shown.</source>
        <translation>无法显示结果。</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>no such file or folder</source>
        <translation>没有这个文件或文件夹</translation>
    </message>
    <message>
        <source>a loop of symbolic links</source>
        <translation>符号链接形成循环</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>不是图片</translation>
    </message>
    <message>
        <source>could not be searched (%1)</source>
        <translation>无法搜索 (%1)</translation>
    </message>
    <message>
        <source>standard input could not be read</source>
        <translation>无法读取标准输入</translation>
    </message>
    <message>
        <source>a damaged picture</source>
        <translation>图片已损坏</translation>
    </message>
    <message>
        <source>the imaging library could not start</source>
        <translation>图像处理库无法启动</translation>
    </message>
    <message>
        <source>a picture without pixels</source>
        <translation>没有像素的图片</translation>
    </message>
    <message>
        <source>developed from the camera&apos;s preview</source>
        <translation>由相机预览图生成</translation>
    </message>
    <message>
        <source>developed at half size</source>
        <translation>以半尺寸解码</translation>
    </message>
    <message>
        <source>developed in full</source>
        <translation>完整解码</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>the value %1 is not a whole number</source>
        <translation>值 %1 不是整数</translation>
    </message>
    <message>
        <source>the value %1 is not between %2 and %3</source>
        <translation>值 %1 不在 %2 到 %3 之间</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not a whole number</source>
        <translation>值“%1”不是整数</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not a number</source>
        <translation>值“%1”不是数字</translation>
    </message>
    <message>
        <source>the value %1 stands for no choice</source>
        <translation>值 %1 不对应任何选项</translation>
    </message>
    <message>
        <source>the photo has no size</source>
        <translation>照片没有尺寸</translation>
    </message>
    <message>
        <source>the setting %1 could not be saved</source>
        <translation>无法保存设置 %1</translation>
    </message>
    <message>
        <source>Can not create the directory</source>
        <translation>无法创建目录</translation>
    </message>
    <message>
        <source>the log could not be written</source>
        <translation>无法写入日志</translation>
    </message>
    <message>
        <source>Not converted: the output file exists</source>
        <translation>未转换：输出文件已存在</translation>
    </message>
    <message>
        <source>unknown output photo format!</source>
        <translation>未知的输出照片格式！</translation>
    </message>
    <message>
        <source>the watermark: %1</source>
        <translation>水印：%1</translation>
    </message>
    <message>
        <source>the output would replace one of the photos being converted</source>
        <translation>输出会替换正在转换的某张照片</translation>
    </message>
    <message>
        <source>two outputs of %1 would have this name; give each preset its own name, for example with {preset}</source>
        <translation>%1 的两个输出会得到这个名称；请为每个预设设置不同的名称，例如使用 {preset}</translation>
    </message>
    <message>
        <source>the file date could not be set: %1</source>
        <translation>无法设置文件日期：%1</translation>
    </message>
    <message>
        <source>the encoder wrote nothing</source>
        <translation>编码器没有写出任何内容</translation>
    </message>
    <message>
        <source>the preview file could not be read back</source>
        <translation>无法读回预览文件</translation>
    </message>
    <message>
        <source>the output size %1 x %2 cannot be written</source>
        <translation>无法写出 %1 x %2 的输出尺寸</translation>
    </message>
    <message>
        <source>the output is larger than %1 stores</source>
        <translation>输出超出 %1 可存储的大小</translation>
    </message>
    <message>
        <source>the output could not be made</source>
        <translation>无法生成输出</translation>
    </message>
    <message>
        <source>the output could not be read back</source>
        <translation>无法读回输出</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>符号链接，未跟随</translation>
    </message>
    <message>
        <source>the value %1 is out of range</source>
        <translation>值 %1 超出范围</translation>
    </message>
    <message>
        <source>the value %1 is not a colour</source>
        <translation>值 %1 不是颜色</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>权限被拒绝</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>the format is not supported</source>
        <translation>不支持该格式</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete</source>
        <translation>文件已损坏或不完整</translation>
    </message>
    <message>
        <source>the name template &quot;%1&quot;</source>
        <translation>文件名模板“%1”</translation>
    </message>
    <message>
        <source>a &apos;}&apos; without its &apos;{&apos; (write &quot;}}&quot; for a brace)</source>
        <translation>&apos;}&apos; 缺少对应的 &apos;{&apos;（要写入花括号本身，请写 &quot;}}&quot;）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not closed by &apos;}&apos;</source>
        <translation>“%1”缺少结尾的 &apos;}&apos;</translation>
    </message>
    <message>
        <source>unknown token %1</source>
        <translation>未知标记 %1</translation>
    </message>
    <message>
        <source>the width in %1 must be a number from 1 to 10</source>
        <translation>%1 中的位数必须是 1 到 10 之间的数字</translation>
    </message>
    <message>
        <source>the date format in %1 is empty</source>
        <translation>%1 中的日期格式为空</translation>
    </message>
    <message>
        <source>unknown date format &quot;%1&quot; in %2</source>
        <translation>%2 中的日期格式“%1”未知</translation>
    </message>
    <message>
        <source>the token %1 takes no format</source>
        <translation>标记 %1 不接受格式</translation>
    </message>
    <message>
        <source>&apos;/&apos; is not allowed in a file name</source>
        <translation>文件名中不允许使用 &apos;/&apos;</translation>
    </message>
    <message>
        <source>a control character is not allowed in a file name</source>
        <translation>文件名中不允许使用控制字符</translation>
    </message>
    <message>
        <source>it names nothing but the extension</source>
        <translation>只包含扩展名</translation>
    </message>
    <message>
        <source>preset %1: %2</source>
        <translation>预设 %1：%2</translation>
    </message>
    <message>
        <source>the folder could not be searched</source>
        <translation>无法搜索该文件夹</translation>
    </message>
    <message>
        <source>cannot reach %1 at quality %2 (smallest %3)</source>
        <translation>质量 %2 时无法达到 %1（最小 %3）</translation>
    </message>
    <message>
        <source>cannot reach %1 losslessly (smallest %2)</source>
        <translation>无损时无法达到 %1（最小 %2）</translation>
    </message>
    <message>
        <source>cannot reach %1 at quality %2 even at %3 (smallest %4)</source>
        <translation>质量 %2 时即使缩小到 %3 也无法达到 %1（最小 %4）</translation>
    </message>
    <message>
        <source>cannot reach %1 losslessly even at %2 (smallest %3)</source>
        <translation>无损时即使缩小到 %2 也无法达到 %1（最小 %3）</translation>
    </message>
    <message>
        <source>output size %1</source>
        <translation>输出尺寸 %1</translation>
    </message>
    <message>
        <source>an output of %1 pixels is larger than %2 stores (%3 pixels a side)</source>
        <translation>%1 像素的输出超出了 %2 能保存的大小（每边最多 %3 像素）</translation>
    </message>
</context>
<context>
    <name>RunPanel</name>
    <message>
        <source>Do you want to open the output folder?</source>
        <translation>是否打开输出文件夹？</translation>
    </message>
    <message>
        <source>The conversion is done. %1</source>
        <translation>转换完成。%1</translation>
    </message>
    <message>
        <source>There is not log file now!</source>
        <translation>目前还没有日志文件！</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Stopped: %1 of %2 converted, %3 not started</source>
        <translation>已停止：已转换 %1/%2 张，%3 张未开始</translation>
    </message>
    <message numerus="yes">
        <source>%1 photos were not converted; see the log.</source>
        <translation>
            <numerusform>有 %1 张照片未转换；请查看日志。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 photos got a number added to a name another photo has.</source>
        <translation>
            <numerusform>有 %1 张照片与其他照片重名，已在名称中添加序号。</numerusform>
        </translation>
    </message>
    <message>
        <source>Written per preset: %1</source>
        <translation>按预设写出：%1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>剩余不到 1 分钟</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>剩余约 %n 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n h left</source>
        <translation>
            <numerusform>剩余约 %n 小时</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunSummaryDialog</name>
    <message>
        <source>Co&amp;py</source>
        <translation>复制(&amp;P)</translation>
    </message>
    <message>
        <source>Show &amp;log</source>
        <translation>显示日志(&amp;L)</translation>
    </message>
    <message>
        <source>Convert the &amp;rest</source>
        <translation>转换其余照片(&amp;R)</translation>
    </message>
</context>
<context>
    <name>WatermarkPanel</name>
    <message>
        <source>&amp;Watermark:</source>
        <translation>水印(&amp;W)：</translation>
    </message>
    <message>
        <source>No picture: type a path or choose a logo</source>
        <translation>无图片：输入路径或选择徽标</translation>
    </message>
    <message>
        <source>Lo&amp;go...</source>
        <translation>徽标(&amp;G)...</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>大小(&amp;Z)：</translation>
    </message>
    <message>
        <source>O&amp;pacity:</source>
        <translation>不透明度(&amp;P)：</translation>
    </message>
    <message>
        <source>Margi&amp;n:</source>
        <translation>边距(&amp;N)：</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>水印</translation>
    </message>
    <message>
        <source>Pictures (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;All files (*)</source>
        <translation>图片 (*.png *.webp *.svg *.jpg *.jpeg *.tif *.tiff *.gif);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The watermark could not be read.</source>
        <translation>无法读取水印图片。</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>Add photo files to the list</source>
        <translation>将照片文件添加到列表</translation>
    </message>
    <message>
        <source>Add every photo in a folder and its subfolders to the list</source>
        <translation>将文件夹及其子文件夹中的所有照片添加到列表</translation>
    </message>
    <message>
        <source>Output settings for photos added from now on</source>
        <translation>此后添加的照片的输出设置</translation>
    </message>
    <message>
        <source>Convert every photo in the list into a new folder inside the output folder</source>
        <translation>转换列表中的所有照片，保存到输出文件夹内的新文件夹</translation>
    </message>
    <message>
        <source>Show the program&apos;s help</source>
        <translation>显示程序帮助</translation>
    </message>
    <message>
        <source>Output settings of the selected photos</source>
        <translation>所选照片的输出设置</translation>
    </message>
    <message>
        <source>Move the selected photos up the list</source>
        <translation>将所选照片在列表中上移</translation>
    </message>
    <message>
        <source>Move the selected photos down the list</source>
        <translation>将所选照片在列表中下移</translation>
    </message>
    <message>
        <source>Remove the selected photos from the list</source>
        <translation>从列表中移除所选照片</translation>
    </message>
    <message>
        <source>Remove every photo from the list</source>
        <translation>从列表中移除所有照片</translation>
    </message>
    <message>
        <source>Sort the list by a column</source>
        <translation>按某一列对列表排序</translation>
    </message>
    <message>
        <source>Select every photo in the list</source>
        <translation>选择列表中的所有照片</translation>
    </message>
    <message>
        <source>Choose the folder the converted photos go to</source>
        <translation>选择转换后照片的保存文件夹</translation>
    </message>
    <message>
        <source>Font and colour of the text added to photos</source>
        <translation>添加到照片上的文字的字体和颜色</translation>
    </message>
    <message>
        <source>Use the settings of the chosen preset</source>
        <translation>使用所选预设的设置</translation>
    </message>
    <message>
        <source>Keep the current settings as a preset</source>
        <translation>将当前设置保存为预设</translation>
    </message>
    <message>
        <source>Remove the chosen preset</source>
        <translation>移除所选预设</translation>
    </message>
    <message>
        <source>Open the activity log</source>
        <translation>打开活动日志</translation>
    </message>
    <message>
        <source>Which version is installed and where updates come from</source>
        <translation>已安装的版本及更新来源</translation>
    </message>
    <message>
        <source>The program&apos;s version and licence</source>
        <translation>程序的版本和许可证</translation>
    </message>
    <message>
        <source>Quit the program</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>Undo the last change to the list</source>
        <translation>撤销对列表的上一次更改</translation>
    </message>
    <message>
        <source>Redo the change just undone</source>
        <translation>重做刚才撤销的更改</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>排序</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>View</source>
        <translation>查看</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>转换(&amp;C)</translation>
    </message>
</context>
</TS>
