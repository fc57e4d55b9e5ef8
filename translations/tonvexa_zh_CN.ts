<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ConverterApp</name>
    <message>
        <source>no display to show the window on (neither %1 nor %2 is set); to convert without a window, use %3</source>
        <extracomment>Printed on the terminal after &quot;tonvexa: &quot;. %1 and %2 are names of environment variables, %3 the name of the command-line converter.</extracomment>
        <translation>没有可以显示窗口的显示环境（%1 和 %2 均未设置）；如需在没有窗口的情况下转换，请使用 %3</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbps</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>联合立体声</translation>
    </message>
    <message>
        <source>Dual Channel</source>
        <translation>双声道</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
</context>
<context>
    <name>OptionsCommand</name>
    <message>
        <source>the system gave no reason</source>
        <extracomment>Stands for the system&apos;s reason in &quot;Tonvexa could not save its options: %1.&quot;</extracomment>
        <translation>系统未给出原因</translation>
    </message>
    <message>
        <source>Tonvexa could not save its options: %1.</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;Permission denied&quot;</extracomment>
        <translation>Tonvexa 无法保存选项：%1。</translation>
    </message>
</context>
<context>
    <name>PageControls</name>
    <message>
        <source>OK</source>
        <extracomment>Button of the options and of the tag editor; no &amp; letter, which their controls need</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button of the options and of the tag editor; no &amp; letter, which their controls need</extracomment>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Tonvexa</name>
    <message>
        <source>Conversion Failure</source>
        <translation>转换失败</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Skipped. Please use Sonidrift (https://www.sonidrift.example/) to convert between WAV and MP3.</source>
        <translation>已跳过。请使用 Sonidrift（https://www.sonidrift.example/）在 WAV 和 MP3 之间转换。</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>无法创建文件夹“%1”</translation>
    </message>
    <message>
        <source>Failed to create destination file</source>
        <translation>无法创建目标文件</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>正在转换...</translation>
    </message>
    <message numerus="yes">
        <source>Converting %1 of %n file(s) to %2...</source>
        <extracomment>%1 files begun of %n in all; %2 is the target format (MP3, WMA or WAV)</extracomment>
        <translation>
            <numerusform>正在将第 %1 个文件（共 %n 个）转换为 %2...</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1...%2%</source>
        <extracomment>%1 is the file&apos;s name, %2 how far it is in percent</extracomment>
        <translation>正在转换 %1...%2%</translation>
    </message>
    <message>
        <source>You should select a file at least.</source>
        <translation>请至少选择一个文件。</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>列表中没有文件。</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;更多文件&gt;...</translation>
    </message>
    <message>
        <source>Failed to load the following files.

%1
To get help, please contact &lt;%2&gt;.</source>
        <extracomment>%1 is the list of files, one a line; %2 the support address</extracomment>
        <translation>无法加载以下文件。

%1
如需帮助，请联系 &lt;%2&gt;。</translation>
    </message>
</context>
<context>
    <name>tonvexa-convert</name>
    <message>
        <source>usage: tonvexa-convert --to mp3|wav|wma [--options FILE] [--set KEY=VALUE]... [--jobs N]
                       PATH...
       tonvexa-convert --probe PATH...
       tonvexa-convert --tags PATH...
       tonvexa-convert --wma-formats
       tonvexa-convert --help | --version
</source>
        <translation>用法：tonvexa-convert --to mp3|wav|wma [--options FILE] [--set KEY=VALUE]... [--jobs N]
                      PATH...
      tonvexa-convert --probe PATH...
      tonvexa-convert --tags PATH...
      tonvexa-convert --wma-formats
      tonvexa-convert --help | --version
</translation>
    </message>
    <message>
        <source>Converts Windows Media (.wma, .wmv, .asf) files to MP3, WAV or Windows Media, and WAV
and MP3 files to Windows Media. Each PATH is a file or a folder; folders are searched
with their subfolders. Outputs never overwrite anything: a taken name gets a number.

  --to mp3|wav|wma  the target format
  --options FILE    read the options from this INI file instead of the saved ones
  --set KEY=VALUE   set one option for this run, over the saved ones or the file&apos;s
                    (repeatable); KEY is an option&apos;s stored name, listed below, and
                    VALUE is read and checked as in an options file
  --jobs N          convert up to N files at once (1 to 64); without it, as the
                    option SimultaneousConversions says (0, the default: one per
                    core)
  --probe           print each file&apos;s name, length, bit rate, rate and channels
  --tags            print each file&apos;s tag as a conversion that keeps it reads it:
                    NAME=value lines (UTF-8; \n, \r and \\ for a newline, a return
                    and a backslash) and a PICTURE line per picture; several files
                    each start with a line &quot;==&gt; PATH &lt;==&quot;
  --wma-formats     print the Windows Media formats on offer: rate, bit/s, channels,
                    description

Prints one line per job: the source, a tab, and the outcome (the output&apos;s file name or
the reason it failed). Ctrl+C cancels: running jobs end as &quot;Cancelled&quot; and leave no
partial file. Exit status: 0 when every file converted, 1 when any did not, 2 for a
usage error.

Option keys (the names in the options file, group [Options]):
</source>
        <extracomment>Keep the options (--to, --set, ...), KEY, VALUE, PATH, N and FILE as they are; the lines are wrapped for an 80-column terminal.</extracomment>
        <translation>将 Windows Media（.wma、.wmv、.asf）文件转换为 MP3、WAV 或 Windows Media，
并将 WAV 和 MP3 文件转换为 Windows Media。每个 PATH 可以是文件或文件夹；
文件夹连同其子文件夹一起搜索。输出从不覆盖任何文件：名称已被占用时加上编号。

  --to mp3|wav|wma  目标格式
  --options FILE    从此 INI 文件读取选项，而不使用已保存的选项
  --set KEY=VALUE   为本次运行设置一个选项，优先于已保存的选项或文件中的选项
                    （可重复使用）；KEY 是选项的存储名称（见下方列表），
                    VALUE 的读取和检查方式与选项文件中相同
  --jobs N          同时转换最多 N 个文件（1 到 64）；不指定时按选项
                    SimultaneousConversions 的设置（默认值 0：每个处理器核心
                    一个）
  --probe           显示每个文件的名称、时长、比特率、采样率和声道
  --tags            显示每个文件的标签，与保留标签的转换所读取的相同：
                    NAME=value 行（UTF-8；\n、\r 和 \\ 分别表示换行符、
                    回车符和反斜杠），每张图片一行 PICTURE；有多个文件时，
                    每个文件以一行“==&gt; PATH &lt;==”开头
  --wma-formats     显示可用的 Windows Media 格式：采样率、比特/秒、声道、说明

每个任务输出一行：源文件、制表符和结果（输出文件的名称或失败原因）。
按 Ctrl+C 取消：正在运行的任务以“已取消”结束，不会留下不完整的文件。
退出状态：所有文件均已转换时为 0，有文件未转换时为 1，用法错误时为 2。

选项键（选项文件中 [Options] 组内的名称）：
</translation>
    </message>
    <message>
        <source>--set: unknown option key &quot;%1&quot; (--help lists the keys)</source>
        <translation>--set：未知的选项键“%1”（--help 会列出所有选项键）</translation>
    </message>
    <message>
        <source>--set %1: &quot;%2&quot; is not a whole number</source>
        <translation>--set %1：“%2”不是整数</translation>
    </message>
    <message>
        <source>--set %1: a tag is read only from an options file (--options)</source>
        <translation>--set %1：标签只能从选项文件（--options）读取</translation>
    </message>
    <message>
        <source>--set %1: cannot be set</source>
        <translation>--set %1：无法设置</translation>
    </message>
    <message>
        <source>--to needs mp3, wav or wma</source>
        <translation>--to 需要 mp3、wav 或 wma</translation>
    </message>
    <message>
        <source>unknown target &quot;%1&quot; (mp3, wav or wma)</source>
        <translation>未知的目标格式“%1”（应为 mp3、wav 或 wma）</translation>
    </message>
    <message>
        <source>--options needs a file</source>
        <translation>--options 需要一个文件</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE</source>
        <translation>--set 需要 KEY=VALUE</translation>
    </message>
    <message>
        <source>--jobs needs a number from 1 to 64</source>
        <translation>--jobs 需要 1 到 64 之间的数字</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>give exactly one of --to, --probe, --tags and --wma-formats</source>
        <translation>--to、--probe、--tags 和 --wma-formats 必须且只能指定其中一个</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>未指定 PATH</translation>
    </message>
    <message>
        <source>cannot read the options file %1</source>
        <translation>无法读取选项文件 %1</translation>
    </message>
    <message>
        <source>%1 is not an options file</source>
        <translation>%1 不是选项文件</translation>
    </message>
</context>
<context>
    <name>tonvexa::AboutDialog</name>
    <message>
        <source>About Tonvexa</source>
        <translation>关于 Tonvexa</translation>
    </message>
    <message>
        <source>Tonvexa v%1 build %2</source>
        <extracomment>%1 is the version number, %2 the build number</extracomment>
        <translation>Tonvexa v%1 构建 %2</translation>
    </message>
    <message>
        <source>Visit Tonvexa Homepage</source>
        <translation>访问 Tonvexa 主页</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <extracomment>A link that writes a mail to the program&apos;s support</extracomment>
        <translation>反馈与支持</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <extracomment>A link to the web site of LAME, the MP3 encoder&apos;s name</extracomment>
        <translation>本程序使用 LAME MP3 编码器</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <extracomment>A button that opens the web page telling whether a newer version is out</extracomment>
        <translation>检查更新(&amp;C)</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <extracomment>A button that writes a mail recommending the program</extracomment>
        <translation>推荐给朋友</translation>
    </message>
</context>
<context>
    <name>tonvexa::AmplifyControls</name>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>&amp;Amplify / Reduce sound</source>
        <translation>增大/减小音量(&amp;A)</translation>
    </message>
    <message>
        <source>Coefficient in percent</source>
        <extracomment>Name for screen readers of the field of the volume&apos;s scale</extracomment>
        <translation>百分比系数</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>请输入整数。</translation>
    </message>
    <message>
        <source>Invalid amplification coefficient. It&apos;s betwen 10 and 3000.</source>
        <translation>音量系数无效。有效范围为 10 到 3000。</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptMp3Page</name>
    <message>
        <source>MP3 Options</source>
        <extracomment>Tab title</extracomment>
        <translation>MP3 选项</translation>
    </message>
    <message>
        <source>Parameters</source>
        <extracomment>Group of the encoding parameters</extracomment>
        <translation>参数</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <extracomment>%1 is a sample rate in hertz</extracomment>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <extracomment>%1 is a bit rate in kilobits per second</extracomment>
        <translation>%1 kbps</translation>
    </message>
    <message>
        <source>&amp;Joint Stereo</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>联合立体声(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>立体声(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>单声道(&amp;M)</translation>
    </message>
    <message>
        <source>Joint Stereo vs. Stereo</source>
        <extracomment>A link to a web search that explains the difference</extracomment>
        <translation>联合立体声与立体声的区别</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder.</source>
        <extracomment>A link to the web site of LAME, the MP3 encoder&apos;s name</extracomment>
        <translation>本程序使用 LAME MP3 编码器。</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>采样率(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Bit Rate:</source>
        <translation>比特率(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Encoding Options:</source>
        <extracomment>Label of the list of presets (Auto, fixed ones, Custom); the &amp; letters of a page&apos;s controls differ from one another</extracomment>
        <translation>编码选项(&amp;E):</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptOutputPage</name>
    <message>
        <source>Output Options</source>
        <extracomment>Tab title</extracomment>
        <translation>输出选项</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <extracomment>Group of the controls that say where converted files go</extracomment>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Same as source file</source>
        <extracomment>Converted files go to the folder of their source file</extracomment>
        <translation>源文件所在文件夹</translation>
    </message>
    <message>
        <source>Specify output folder</source>
        <extracomment>Converted files go to the folder given below</extracomment>
        <translation>指定输出文件夹</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <extracomment>Chooses the output folder in a folder dialog</extracomment>
        <translation>浏览(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of source file</source>
        <translation>按源文件的路径创建文件夹(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion is complete</source>
        <extracomment>Shows the output folder in the file manager once a conversion has ended</extracomment>
        <translation>转换完成后浏览输出文件夹(&amp;W)</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>Number of simultaneous conversions: as many as the computer has processor cores</extracomment>
        <translation>自动</translation>
    </message>
    <message>
        <source>&amp;Output Folder:</source>
        <extracomment>Label of the list: Same as source file, Specify output folder</extracomment>
        <translation>输出文件夹(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Specific Folder:</source>
        <translation>指定文件夹(&amp;S):</translation>
    </message>
    <message>
        <source>Si&amp;multaneous conversions:</source>
        <translation>同时转换数(&amp;M):</translation>
    </message>
    <message>
        <source>For example: the source file is %1 and the specified folder is %2; then the output folder is %3, which is created automatically.</source>
        <extracomment>%1 is a source file&apos;s path, %2 the specified output folder, %3 the folder its output goes to</extracomment>
        <translation>例如：源文件为 %1，指定文件夹为 %2，则输出文件夹为 %3，该文件夹会自动创建。</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>请选择输出文件夹：</translation>
    </message>
    <message numerus="yes">
        <source>The path of this folder is too long: an output folder can have at most %n characters.</source>
        <translation>
            <numerusform>此文件夹的路径过长：输出文件夹的路径最多只能有 %n 个字符。</numerusform>
        </translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>请选择输出文件夹。</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptSheet</name>
    <message>
        <source>Options</source>
        <extracomment>The options window&apos;s title, also its tabs&apos; name for screen readers</extracomment>
        <translation>选项</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptWavPage</name>
    <message>
        <source>WAV Options</source>
        <extracomment>Tab title</extracomment>
        <translation>WAV 选项</translation>
    </message>
    <message>
        <source>Parameters</source>
        <extracomment>Group of the encoding parameters</extracomment>
        <translation>参数</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <extracomment>%1 is a sample rate in hertz</extracomment>
        <translation>%1 Hz</translation>
    </message>
    <message numerus="yes">
        <source>%n bits</source>
        <extracomment>A sample width: %n is 8 or 16</extracomment>
        <translation>
            <numerusform>%n 位</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <extracomment>Channels of WAV output</extracomment>
        <translation>单声道(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <extracomment>Channels of WAV output</extracomment>
        <translation>立体声(&amp;S)</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>采样率(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Bits:</source>
        <extracomment>Label of the list of sample widths (8 bits, 16 bits)</extracomment>
        <translation>位数(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Encoding Options:</source>
        <extracomment>Label of the list of presets (Auto, fixed ones, Custom); the &amp; letters of a page&apos;s controls differ from one another</extracomment>
        <translation>编码选项(&amp;E):</translation>
    </message>
</context>
<context>
    <name>tonvexa::CPageWMAOptions</name>
    <message>
        <source>WMA Options</source>
        <extracomment>Tab title</extracomment>
        <translation>WMA 选项</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>The first of the formats on offer: the program chooses one to suit each file</extracomment>
        <translation>自动</translation>
    </message>
    <message>
        <source>&amp;Encoding Options: (Sample Frequency, Bit Rate, Channels)</source>
        <extracomment>Label of the list of formats, each shown as &quot;44100 Hz, 128 kbps, Stereo&quot;</extracomment>
        <translation>编码选项（采样率、比特率、声道）(&amp;E):</translation>
    </message>
    <message>
        <source>%1 Hz, %2 kbps, %3</source>
        <extracomment>A Windows Media Audio format: %1 is its sample rate in hertz, %2 its bit rate in kilobits per second, %3 its channels (Mono or Stereo)</extracomment>
        <translation>%1 Hz，%2 kbps，%3</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
</context>
<context>
    <name>tonvexa::CommandSet</name>
    <message>
        <source>&amp;Play Source</source>
        <extracomment>Context menu of the file list; the &amp; letters of its items differ from one another</extracomment>
        <translation>播放源文件(&amp;P)</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>浏览源文件夹(&amp;S)</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>播放目标文件(&amp;D)</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>浏览目标文件夹(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Convert to MP3</source>
        <translation>转换为 MP3(&amp;C)</translation>
    </message>
    <message>
        <source>Convert &amp;to WMA</source>
        <translation>转换为 WMA(&amp;T)</translation>
    </message>
    <message>
        <source>Con&amp;vert to WAV</source>
        <translation>转换为 WAV(&amp;V)</translation>
    </message>
    <message>
        <source>Convert All to &amp;MP3</source>
        <translation>全部转换为 MP3(&amp;M)</translation>
    </message>
    <message>
        <source>Co&amp;nvert All to WMA</source>
        <translation>全部转换为 WMA(&amp;N)</translation>
    </message>
    <message>
        <source>Convert All to &amp;WAV</source>
        <translation>全部转换为 WAV(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Add Files...</source>
        <translation>添加文件(&amp;A)...</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>添加文件夹(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>Takes the selected files off the list; the files themselves stay</extracomment>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <extracomment>Takes every file off the list</extracomment>
        <translation>全部移除(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <extracomment>Help menu; the &amp; letters of its items differ from one another</extracomment>
        <translation>帮助主题(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <extracomment>Writes a mail recommending the program</extracomment>
        <translation>推荐给朋友(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>反馈与支持(&amp;F)</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <extracomment>Opens the program&apos;s web site</extracomment>
        <translation>主页(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>检查最新版本(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The title bar&apos;s button that opens the help menu</extracomment>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>The title bar&apos;s button that minimises the window</extracomment>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The title bar&apos;s button that closes the window</extracomment>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>tonvexa::FileAdder</name>
    <message>
        <source>Searching files...</source>
        <extracomment>Progress line while folders are searched for files to add</extracomment>
        <translation>正在搜索文件...</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <extracomment>Progress line: %1 is the number of the file being added, %2 how many there are</extracomment>
        <translation>正在添加第 %1 个文件（共 %2 个）...</translation>
    </message>
</context>
<context>
    <name>tonvexa::FileListModel</name>
    <message>
        <source>Original Files</source>
        <extracomment>Heading of the column of the files&apos; names (152 pixels wide)</extracomment>
        <translation>原始文件</translation>
    </message>
    <message>
        <source>Length</source>
        <extracomment>Heading of the column of the playing times (55 pixels wide)</extracomment>
        <translation>时长</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <extracomment>Column heading (70 pixels wide)</extracomment>
        <translation>比特率</translation>
    </message>
    <message>
        <source>Freq.</source>
        <extracomment>Heading of the column of the sample rates, shortened for its 70 pixels</extracomment>
        <translation>采样率</translation>
    </message>
    <message>
        <source>Channels</source>
        <extracomment>Heading of the column that shows Mono, Stereo... (60 pixels wide)</extracomment>
        <translation>声道</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Heading of the column that shows how each conversion went</extracomment>
        <translation>状态</translation>
    </message>
</context>
<context>
    <name>tonvexa::HelpWindow</name>
    <message>
        <source>Tonvexa Help</source>
        <extracomment>The help window&apos;s title</extracomment>
        <translation>Tonvexa 帮助</translation>
    </message>
</context>
<context>
    <name>tonvexa::HyperlinkLabel</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <extracomment>%1 is the reason, such as &quot;The specified file was not found.&quot;</extracomment>
        <translation>无法打开超链接：

%1</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>操作系统的内存
或资源不足。</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>找不到指定的文件。</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>找不到指定的路径。</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>操作系统拒绝
访问指定的文件。</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>内存不足，无法完成此操作。</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>.EXE 文件无效
（不是 Win32 .EXE，或 .EXE 映像有错误）。</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>发生共享冲突。</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>文件名关联
不完整或无效。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>请求超时，
无法完成 DDE 事务。</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>DDE 事务失败。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>正在处理其他 DDE 事务，
无法完成此 DDE 事务。</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>没有与此文件扩展名
关联的应用程序。</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>找不到指定的动态链接库。</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <extracomment>%1 is the error&apos;s number</extracomment>
        <translation>发生未知错误（%1）。</translation>
    </message>
</context>
<context>
    <name>tonvexa::Id3TagDialog</name>
    <message>
        <source>“%1”</source>
        <extracomment>A character the tag cannot hold (%1), in quotation marks, as it begins the message &quot;%1 cannot be stored in an ID3 tag...&quot;</extracomment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Edit ID3 tag</source>
        <extracomment>The tag editor&apos;s title</extracomment>
        <translation>编辑 ID3 标签</translation>
    </message>
    <message>
        <source>Name as file name (not include extension)</source>
        <extracomment>The output&apos;s title is its file name without the extension</extracomment>
        <translation>以文件名作为标题（不含扩展名）</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <extracomment>Label of the song&apos;s title; the &amp; letters of the editor&apos;s controls differ from one another</extracomment>
        <translation>标题(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Track #:</source>
        <extracomment>Label of the track number on the album; little room</extracomment>
        <translation>音轨号(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Artist:</source>
        <translation>艺术家(&amp;A):</translation>
    </message>
    <message>
        <source>Albu&amp;m:</source>
        <translation>专辑(&amp;M):</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>年份(&amp;Y):</translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <extracomment>Label of the list of music genres</extracomment>
        <translation>流派(&amp;G):</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <extracomment>Label of the tag&apos;s comment field</extracomment>
        <translation>注释(&amp;C):</translation>
    </message>
    <message>
        <source>%1 cannot be stored in an ID3 tag, which holds Western European (ISO-8859-1) characters only.</source>
        <extracomment>%1 is the character typed, such as “€” or U+0009</extracomment>
        <translation>%1 无法保存在 ID3 标签中：ID3 标签只能保存西欧（ISO-8859-1）字符。</translation>
    </message>
    <message>
        <source>Only digits can be typed here.</source>
        <translation>此处只能输入数字。</translation>
    </message>
    <message numerus="yes">
        <source>This field holds at most %n characters.</source>
        <translation>
            <numerusform>此字段最多只能容纳 %n 个字符。</numerusform>
        </translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and %1.</source>
        <translation>请输入 0 到 %1 之间的整数。</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>请输入整数。</translation>
    </message>
</context>
<context>
    <name>tonvexa::MainCommands</name>
    <message>
        <source>All Support Formats</source>
        <extracomment>Open-file dialog filter that shows every kind of file the program reads</extracomment>
        <translation>所有支持的格式</translation>
    </message>
    <message>
        <source>Windows Media Audio Files</source>
        <translation>Windows Media 音频文件</translation>
    </message>
    <message>
        <source>Windows Media Video Files</source>
        <translation>Windows Media 视频文件</translation>
    </message>
    <message>
        <source>Advanced Systems Format</source>
        <extracomment>The name of the container format of .asf files</extracomment>
        <translation>高级系统格式</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>MP3 文件</translation>
    </message>
    <message>
        <source>WAV Files</source>
        <translation>WAV 文件</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>Please choose a folder:</source>
        <translation>请选择文件夹：</translation>
    </message>
</context>
<context>
    <name>tonvexa::MainDialog</name>
    <message>
        <source>&amp;Add Files</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>添加文件(&amp;A)</translation>
    </message>
    <message>
        <source>Add WMA/WMV/ASF/MP3/WAV files</source>
        <translation>添加 WMA/WMV/ASF/MP3/WAV 文件</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>添加文件夹(&amp;F)</translation>
    </message>
    <message>
        <source>Add WMA/WMV/ASF/MP3/WAV files from a folder</source>
        <translation>从文件夹添加 WMA/WMV/ASF/MP3/WAV 文件</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>全部移除(&amp;L)</translation>
    </message>
    <message>
        <source>Remove all files from list</source>
        <translation>从列表中移除所有文件</translation>
    </message>
    <message>
        <source>Convert to M&amp;P3</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>转换为 MP3(&amp;P)</translation>
    </message>
    <message>
        <source>Convert all files to MP3 format</source>
        <translation>将所有文件转换为 MP3 格式</translation>
    </message>
    <message>
        <source>Convert to W&amp;MA</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>转换为 WMA(&amp;M)</translation>
    </message>
    <message>
        <source>Convert all files to WMA format</source>
        <translation>将所有文件转换为 WMA 格式</translation>
    </message>
    <message>
        <source>Convert to &amp;WAV</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>转换为 WAV(&amp;W)</translation>
    </message>
    <message>
        <source>Convert all files to WAV format</source>
        <translation>将所有文件转换为 WAV 格式</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Tooltip of the Options button</extracomment>
        <translation>选项</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The title bar&apos;s button that opens the help menu</extracomment>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>The title bar&apos;s button that minimises the window</extracomment>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The title bar&apos;s button that closes the window</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Visit Tonvexa Homepage</source>
        <translation>访问 Tonvexa 主页</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <extracomment>Beside the product name in the window&apos;s title band; about 450 pixels of room</extracomment>
        <translation>音频转换器</translation>
    </message>
</context>
<context>
    <name>tonvexa::PopupMenus</name>
    <message>
        <source>File list</source>
        <extracomment>Name of the file list&apos;s context menu for screen readers</extracomment>
        <translation>文件列表</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Name of the help menu for screen readers</extracomment>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>tonvexa::PresetControls</name>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz，16 kbps，单声道（低音质，文件很小）</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)</source>
        <translation>22050 Hz，32 kbps，联合立体声（音质尚可，文件较小）</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)</source>
        <translation>32000 Hz，96 kbps，联合立体声（中等音质，文件大小适中）</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz，128 kbps，联合立体声（接近 CD 音质，文件较大）</translation>
    </message>
    <message>
        <source>11025 Hz, 8 bits, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz，8 位，单声道（低音质，文件很小）</translation>
    </message>
    <message>
        <source>22050 Hz, 16 bits, Stereo (OK quality, small size)</source>
        <translation>22050 Hz，16 位，立体声（音质尚可，文件较小）</translation>
    </message>
    <message>
        <source>32000 Hz, 16 bits, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz，16 位，立体声（中等音质，文件大小适中）</translation>
    </message>
    <message>
        <source>44100Hz, 16 bits, Stereo (high quality, large size)</source>
        <translation>44100 Hz，16 位，立体声（高音质，文件较大）</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>Encoding preset: the program chooses the parameters to suit each file</extracomment>
        <translation>自动</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Encoding preset: the parameters chosen below it</extracomment>
        <translation>自定义</translation>
    </message>
</context>
<context>
    <name>tonvexa::ProgressDialogFrame</name>
    <message>
        <source>Cancel</source>
        <extracomment>Ends the adding of files or the conversion under way</extracomment>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>tonvexa::SortableListCtrl</name>
    <message>
        <source>File list</source>
        <extracomment>Name of the list of files to convert, for screen readers</extracomment>
        <translation>文件列表</translation>
    </message>
</context>
<context>
    <name>tonvexa::TagOptionControls</name>
    <message>
        <source>ID3 Tag</source>
        <translation>ID3 标签</translation>
    </message>
    <message>
        <source>Add &amp;ID3 tag</source>
        <extracomment>The output gets the tag edited with &quot;Edit ID3 tag&quot;</extracomment>
        <translation>添加 ID3 标签(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Keep ID3 tag</source>
        <extracomment>The output gets the source file&apos;s tag</extracomment>
        <translation>保留 ID3 标签(&amp;K)</translation>
    </message>
    <message>
        <source>No ID3 tag</source>
        <translation>不使用 ID3 标签</translation>
    </message>
    <message>
        <source>Edit ID3 &amp;tag</source>
        <translation>编辑 ID3 标签(&amp;T)</translation>
    </message>
</context>
<context>
    <name>tonvexa::UpDownControl</name>
    <message>
        <source>Up</source>
        <extracomment>Name for screen readers of the arrow that raises the number beside it</extracomment>
        <translation>向上</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Name for screen readers of the arrow that lowers the number beside it</extracomment>
        <translation>向下</translation>
    </message>
</context>
</TS>
