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
