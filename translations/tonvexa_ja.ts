<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ConverterApp</name>
    <message>
        <source>no display to show the window on (neither %1 nor %2 is set); to convert without a window, use %3</source>
        <extracomment>Printed on the terminal after &quot;tonvexa: &quot;. %1 and %2 are names of environment variables, %3 the name of the command-line converter.</extracomment>
        <translation>ウィンドウを表示するディスプレイがありません(%1も%2も設定されていません)。ウィンドウなしで変換するには%3を使用してください</translation>
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
        <translation>ステレオ</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>ジョイントステレオ</translation>
    </message>
    <message>
        <source>Dual Channel</source>
        <translation>デュアルチャンネル</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>モノラル</translation>
    </message>
</context>
<context>
    <name>OptionsCommand</name>
    <message>
        <source>the system gave no reason</source>
        <extracomment>Stands for the system&apos;s reason in &quot;Tonvexa could not save its options: %1.&quot;</extracomment>
        <translation>システムから理由が示されませんでした</translation>
    </message>
    <message>
        <source>Tonvexa could not save its options: %1.</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;Permission denied&quot;</extracomment>
        <translation>Tonvexaはオプションを保存できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>PageControls</name>
    <message>
        <source>OK</source>
        <extracomment>Button of the options and of the tag editor; no &amp; letter, which their controls need</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button of the options and of the tag editor; no &amp; letter, which their controls need</extracomment>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>Tonvexa</name>
    <message>
        <source>Conversion Failure</source>
        <translation>変換失敗</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>キャンセル済み</translation>
    </message>
    <message>
        <source>Skipped. Please use Sonidrift (https://www.sonidrift.example/) to convert between WAV and MP3.</source>
        <translation>スキップしました。WAVとMP3の間の変換にはSonidrift (https://www.sonidrift.example/)をご利用ください。</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>フォルダー「%1」を作成できませんでした</translation>
    </message>
    <message>
        <source>Failed to create destination file</source>
        <translation>変換先ファイルを作成できませんでした</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>変換中...</translation>
    </message>
    <message numerus="yes">
        <source>Converting %1 of %n file(s) to %2...</source>
        <extracomment>%1 files begun of %n in all; %2 is the target format (MP3, WMA or WAV)</extracomment>
        <translation>
            <numerusform>%n個のファイルのうち%1個目を%2に変換しています...</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1...%2%</source>
        <extracomment>%1 is the file&apos;s name, %2 how far it is in percent</extracomment>
        <translation>%1を変換しています...%2%</translation>
    </message>
    <message>
        <source>You should select a file at least.</source>
        <translation>ファイルを1つ以上選択してください。</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>リストにファイルがありません。</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;その他のファイル&gt;...</translation>
    </message>
    <message>
        <source>Failed to load the following files.

%1
To get help, please contact &lt;%2&gt;.</source>
        <extracomment>%1 is the list of files, one a line; %2 the support address</extracomment>
        <translation>次のファイルを読み込めませんでした。

%1
サポートが必要な場合は&lt;%2&gt;までお問い合わせください。</translation>
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
        <translation>使い方: tonvexa-convert --to mp3|wav|wma [--options FILE] [--set KEY=VALUE]...
                        [--jobs N] PATH...
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
        <translation>Windows Media(.wma、.wmv、.asf)のファイルをMP3、WAV、Windows Mediaに、
WAVとMP3のファイルをWindows Mediaに変換します。各PATHはファイルまたは
フォルダーで、フォルダーはサブフォルダーも含めて検索されます。出力が既存の
ものを上書きすることはありません。名前が使用済みのときは番号が付きます。

  --to mp3|wav|wma  変換先の形式
  --options FILE    保存済みのものではなく、このINIファイルからオプションを読む
  --set KEY=VALUE   この実行に限り、オプションを1つ設定する。保存済みのものや
                    ファイルのものより優先される(繰り返し指定可)。KEYは下に
                    一覧するオプションの保存名で、VALUEはオプションファイルと
                    同じように読み取られ、検査される
  --jobs N          最大N個のファイルを同時に変換する(1～64)。省略時は
                    オプションSimultaneousConversionsに従う(既定値は0で、
                    コアごとに1つ)
  --probe           各ファイルの名前、長さ、ビットレート、サンプリング周波数、
                    チャンネルを表示する
  --tags            タグを保持する変換が読み取るとおりに、各ファイルのタグを
                    表示する: NAME=valueの行(UTF-8。改行、復帰、バックスラッシュ
                    はそれぞれ\n、\r、\\)と、画像ごとに1行のPICTURE行。
                    ファイルが複数あるときは、それぞれ「==&gt; PATH &lt;==」の行で
                    始まる
  --wma-formats     利用できるWindows Mediaの形式を表示する: サンプリング
                    周波数、bit/s、チャンネル、説明

ジョブごとに1行を出力します: 変換元、タブ、結果(出力ファイル名または
失敗の理由)。Ctrl+Cでキャンセルします: 実行中のジョブは「キャンセル済み」
として終了し、書きかけのファイルは残りません。終了ステータス: すべての
ファイルを変換できたときは0、変換できなかったファイルがあるときは1、
使い方の誤りのときは2。

オプションキー(オプションファイルでの名前、グループ[Options]):
</translation>
    </message>
    <message>
        <source>--set: unknown option key &quot;%1&quot; (--help lists the keys)</source>
        <translation>--set: 不明なオプションキー「%1」です(キーの一覧は--helpで表示されます)</translation>
    </message>
    <message>
        <source>--set %1: &quot;%2&quot; is not a whole number</source>
        <translation>--set %1: 「%2」は整数ではありません</translation>
    </message>
    <message>
        <source>--set %1: a tag is read only from an options file (--options)</source>
        <translation>--set %1: タグはオプションファイル(--options)からのみ読み込まれます</translation>
    </message>
    <message>
        <source>--set %1: cannot be set</source>
        <translation>--set %1: 設定できません</translation>
    </message>
    <message>
        <source>--to needs mp3, wav or wma</source>
        <translation>--toにはmp3、wav、wmaのいずれかが必要です</translation>
    </message>
    <message>
        <source>unknown target &quot;%1&quot; (mp3, wav or wma)</source>
        <translation>不明な変換先「%1」です(mp3、wav、wmaのいずれか)</translation>
    </message>
    <message>
        <source>--options needs a file</source>
        <translation>--optionsにはファイルが必要です</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE</source>
        <translation>--setにはKEY=VALUEが必要です</translation>
    </message>
    <message>
        <source>--jobs needs a number from 1 to 64</source>
        <translation>--jobsには1～64の数値が必要です</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション%1</translation>
    </message>
    <message>
        <source>give exactly one of --to, --probe, --tags and --wma-formats</source>
        <translation>--to、--probe、--tags、--wma-formatsのうち1つだけを指定してください</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>PATHが指定されていません</translation>
    </message>
    <message>
        <source>cannot read the options file %1</source>
        <translation>オプションファイル%1を読み込めません</translation>
    </message>
    <message>
        <source>%1 is not an options file</source>
        <translation>%1はオプションファイルではありません</translation>
    </message>
</context>
<context>
    <name>tonvexa::AboutDialog</name>
    <message>
        <source>About Tonvexa</source>
        <translation>Tonvexaのバージョン情報</translation>
    </message>
    <message>
        <source>Tonvexa v%1 build %2</source>
        <extracomment>%1 is the version number, %2 the build number</extracomment>
        <translation>Tonvexa v%1 ビルド %2</translation>
    </message>
    <message>
        <source>Visit Tonvexa Homepage</source>
        <translation>Tonvexaのホームページを開く</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <extracomment>A link that writes a mail to the program&apos;s support</extracomment>
        <translation>フィードバックとサポート</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <extracomment>A link to the web site of LAME, the MP3 encoder&apos;s name</extracomment>
        <translation>このプログラムはLAME MP3エンコーダーを使用しています</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <extracomment>A button that opens the web page telling whether a newer version is out</extracomment>
        <translation>更新の確認(&amp;C)</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <extracomment>A button that writes a mail recommending the program</extracomment>
        <translation>友人に紹介</translation>
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
        <translation>音量を増減する(&amp;A)</translation>
    </message>
    <message>
        <source>Coefficient in percent</source>
        <extracomment>Name for screen readers of the field of the volume&apos;s scale</extracomment>
        <translation>係数(パーセント)</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>整数を入力してください。</translation>
    </message>
    <message>
        <source>Invalid amplification coefficient. It&apos;s betwen 10 and 3000.</source>
        <translation>増幅係数が無効です。10～3000の範囲で指定してください。</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptMp3Page</name>
    <message>
        <source>MP3 Options</source>
        <extracomment>Tab title</extracomment>
        <translation>MP3オプション</translation>
    </message>
    <message>
        <source>Parameters</source>
        <extracomment>Group of the encoding parameters</extracomment>
        <translation>パラメーター</translation>
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
        <translation>ジョイントステレオ(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>ステレオ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>モノラル(&amp;M)</translation>
    </message>
    <message>
        <source>Joint Stereo vs. Stereo</source>
        <extracomment>A link to a web search that explains the difference</extracomment>
        <translation>ジョイントステレオとステレオの違い</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder.</source>
        <extracomment>A link to the web site of LAME, the MP3 encoder&apos;s name</extracomment>
        <translation>このプログラムはLAME MP3エンコーダーを使用しています。</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>サンプリング周波数(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Bit Rate:</source>
        <translation>ビットレート(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Encoding Options:</source>
        <extracomment>Label of the list of presets (Auto, fixed ones, Custom); the &amp; letters of a page&apos;s controls differ from one another</extracomment>
        <translation>エンコードオプション(&amp;E):</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptOutputPage</name>
    <message>
        <source>Output Options</source>
        <extracomment>Tab title</extracomment>
        <translation>出力オプション</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <extracomment>Group of the controls that say where converted files go</extracomment>
        <translation>出力フォルダー</translation>
    </message>
    <message>
        <source>Same as source file</source>
        <extracomment>Converted files go to the folder of their source file</extracomment>
        <translation>変換元ファイルと同じフォルダー</translation>
    </message>
    <message>
        <source>Specify output folder</source>
        <extracomment>Converted files go to the folder given below</extracomment>
        <translation>出力フォルダーを指定</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <extracomment>Chooses the output folder in a folder dialog</extracomment>
        <translation>参照(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of source file</source>
        <translation>変換元ファイルのパスに従ってフォルダーを作成(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion is complete</source>
        <extracomment>Shows the output folder in the file manager once a conversion has ended</extracomment>
        <translation>変換の完了時に出力フォルダーを開く(&amp;W)</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>Number of simultaneous conversions: as many as the computer has processor cores</extracomment>
        <translation>自動</translation>
    </message>
    <message>
        <source>&amp;Output Folder:</source>
        <extracomment>Label of the list: Same as source file, Specify output folder</extracomment>
        <translation>出力フォルダー(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Specific Folder:</source>
        <translation>指定フォルダー(&amp;S):</translation>
    </message>
    <message>
        <source>Si&amp;multaneous conversions:</source>
        <translation>同時変換数(&amp;M):</translation>
    </message>
    <message>
        <source>For example: the source file is %1 and the specified folder is %2; then the output folder is %3, which is created automatically.</source>
        <extracomment>%1 is a source file&apos;s path, %2 the specified output folder, %3 the folder its output goes to</extracomment>
        <translation>例: 変換元ファイルが%1、指定フォルダーが%2のとき、出力フォルダーは%3になり、自動的に作成されます。</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>出力フォルダーを選択してください:</translation>
    </message>
    <message numerus="yes">
        <source>The path of this folder is too long: an output folder can have at most %n characters.</source>
        <translation>
            <numerusform>このフォルダーのパスは長すぎます。出力フォルダーのパスは%n文字までです。</numerusform>
        </translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>出力フォルダーを選択してください。</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptSheet</name>
    <message>
        <source>Options</source>
        <extracomment>The options window&apos;s title, also its tabs&apos; name for screen readers</extracomment>
        <translation>オプション</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptWavPage</name>
    <message>
        <source>WAV Options</source>
        <extracomment>Tab title</extracomment>
        <translation>WAVオプション</translation>
    </message>
    <message>
        <source>Parameters</source>
        <extracomment>Group of the encoding parameters</extracomment>
        <translation>パラメーター</translation>
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
            <numerusform>%nビット</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <extracomment>Channels of WAV output</extracomment>
        <translation>モノラル(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <extracomment>Channels of WAV output</extracomment>
        <translation>ステレオ(&amp;S)</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>サンプリング周波数(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Bits:</source>
        <extracomment>Label of the list of sample widths (8 bits, 16 bits)</extracomment>
        <translation>ビット数(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Encoding Options:</source>
        <extracomment>Label of the list of presets (Auto, fixed ones, Custom); the &amp; letters of a page&apos;s controls differ from one another</extracomment>
        <translation>エンコードオプション(&amp;E):</translation>
    </message>
</context>
<context>
    <name>tonvexa::CPageWMAOptions</name>
    <message>
        <source>WMA Options</source>
        <extracomment>Tab title</extracomment>
        <translation>WMAオプション</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>The first of the formats on offer: the program chooses one to suit each file</extracomment>
        <translation>自動</translation>
    </message>
    <message>
        <source>&amp;Encoding Options: (Sample Frequency, Bit Rate, Channels)</source>
        <extracomment>Label of the list of formats, each shown as &quot;44100 Hz, 128 kbps, Stereo&quot;</extracomment>
        <translation>エンコードオプション(&amp;E): (サンプリング周波数, ビットレート, チャンネル)</translation>
    </message>
    <message>
        <source>%1 Hz, %2 kbps, %3</source>
        <extracomment>A Windows Media Audio format: %1 is its sample rate in hertz, %2 its bit rate in kilobits per second, %3 its channels (Mono or Stereo)</extracomment>
        <translation>%1 Hz, %2 kbps, %3</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>モノラル</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>ステレオ</translation>
    </message>
</context>
<context>
    <name>tonvexa::CommandSet</name>
    <message>
        <source>&amp;Play Source</source>
        <extracomment>Context menu of the file list; the &amp; letters of its items differ from one another</extracomment>
        <translation>変換元を再生(&amp;P)</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>変換元フォルダーを表示(&amp;S)</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>変換先を再生(&amp;D)</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>変換先フォルダーを表示(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Convert to MP3</source>
        <translation>MP3に変換(&amp;C)</translation>
    </message>
    <message>
        <source>Convert &amp;to WMA</source>
        <translation>WMAに変換(&amp;T)</translation>
    </message>
    <message>
        <source>Con&amp;vert to WAV</source>
        <translation>WAVに変換(&amp;V)</translation>
    </message>
    <message>
        <source>Convert All to &amp;MP3</source>
        <translation>すべてMP3に変換(&amp;M)</translation>
    </message>
    <message>
        <source>Co&amp;nvert All to WMA</source>
        <translation>すべてWMAに変換(&amp;N)</translation>
    </message>
    <message>
        <source>Convert All to &amp;WAV</source>
        <translation>すべてWAVに変換(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Add Files...</source>
        <translation>ファイル追加(&amp;A)...</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>フォルダー追加(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>Takes the selected files off the list; the files themselves stay</extracomment>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <extracomment>Takes every file off the list</extracomment>
        <translation>すべて削除(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <extracomment>Help menu; the &amp; letters of its items differ from one another</extracomment>
        <translation>ヘルプトピック(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <extracomment>Writes a mail recommending the program</extracomment>
        <translation>友人に紹介(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>フィードバックとサポート(&amp;F)</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <extracomment>Opens the program&apos;s web site</extracomment>
        <translation>ホームページ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>最新バージョンの確認(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The title bar&apos;s button that opens the help menu</extracomment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>The title bar&apos;s button that minimises the window</extracomment>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The title bar&apos;s button that closes the window</extracomment>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>tonvexa::FileAdder</name>
    <message>
        <source>Searching files...</source>
        <extracomment>Progress line while folders are searched for files to add</extracomment>
        <translation>ファイルを検索しています...</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <extracomment>Progress line: %1 is the number of the file being added, %2 how many there are</extracomment>
        <translation>ファイルを追加しています(%1/%2)...</translation>
    </message>
</context>
<context>
    <name>tonvexa::FileListModel</name>
    <message>
        <source>Original Files</source>
        <extracomment>Heading of the column of the files&apos; names (152 pixels wide)</extracomment>
        <translation>元のファイル</translation>
    </message>
    <message>
        <source>Length</source>
        <extracomment>Heading of the column of the playing times (55 pixels wide)</extracomment>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <extracomment>Column heading (70 pixels wide)</extracomment>
        <translation>ビットレート</translation>
    </message>
    <message>
        <source>Freq.</source>
        <extracomment>Heading of the column of the sample rates, shortened for its 70 pixels</extracomment>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Channels</source>
        <extracomment>Heading of the column that shows Mono, Stereo... (60 pixels wide)</extracomment>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Heading of the column that shows how each conversion went</extracomment>
        <translation>状態</translation>
    </message>
</context>
<context>
    <name>tonvexa::HelpWindow</name>
    <message>
        <source>Tonvexa Help</source>
        <extracomment>The help window&apos;s title</extracomment>
        <translation>Tonvexaヘルプ</translation>
    </message>
</context>
<context>
    <name>tonvexa::HyperlinkLabel</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <extracomment>%1 is the reason, such as &quot;The specified file was not found.&quot;</extracomment>
        <translation>ハイパーリンクを開けません:

%1</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>オペレーティングシステムのメモリまたは
リソースが不足しています。</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>指定されたファイルが見つかりません。</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>指定されたパスが見つかりません。</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>オペレーティングシステムにより、指定された
ファイルへのアクセスが拒否されました。</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>操作を完了するのに十分なメモリがありません。</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>.EXEファイルが無効です
(Win32以外の.EXEか、.EXEイメージのエラー)。</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>共有違反が発生しました。</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>ファイル名の関連付けが
不完全か無効です。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>要求がタイムアウトしたため、
DDEトランザクションを完了できませんでした。</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>DDEトランザクションに失敗しました。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>ほかのDDEトランザクションを処理中だったため、
DDEトランザクションを
完了できませんでした。</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>指定されたファイル拡張子に関連付けられた
アプリケーションがありません。</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>指定されたダイナミックリンクライブラリが見つかりません。</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <extracomment>%1 is the error&apos;s number</extracomment>
        <translation>不明なエラー(%1)が発生しました。</translation>
    </message>
</context>
<context>
    <name>tonvexa::Id3TagDialog</name>
    <message>
        <source>“%1”</source>
        <extracomment>A character the tag cannot hold (%1), in quotation marks, as it begins the message &quot;%1 cannot be stored in an ID3 tag...&quot;</extracomment>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>Edit ID3 tag</source>
        <extracomment>The tag editor&apos;s title</extracomment>
        <translation>ID3タグの編集</translation>
    </message>
    <message>
        <source>Name as file name (not include extension)</source>
        <extracomment>The output&apos;s title is its file name without the extension</extracomment>
        <translation>ファイル名をタイトルにする(拡張子を除く)</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <extracomment>Label of the song&apos;s title; the &amp; letters of the editor&apos;s controls differ from one another</extracomment>
        <translation>タイトル(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Track #:</source>
        <extracomment>Label of the track number on the album; little room</extracomment>
        <translation>トラック番号(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Artist:</source>
        <translation>アーティスト(&amp;A):</translation>
    </message>
    <message>
        <source>Albu&amp;m:</source>
        <translation>アルバム(&amp;M):</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>年(&amp;Y):</translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <extracomment>Label of the list of music genres</extracomment>
        <translation>ジャンル(&amp;G):</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <extracomment>Label of the tag&apos;s comment field</extracomment>
        <translation>コメント(&amp;C):</translation>
    </message>
    <message>
        <source>%1 cannot be stored in an ID3 tag, which holds Western European (ISO-8859-1) characters only.</source>
        <extracomment>%1 is the character typed, such as “€” or U+0009</extracomment>
        <translation>%1はID3タグに保存できません。ID3タグに保存できるのは西ヨーロッパ言語(ISO-8859-1)の文字だけです。</translation>
    </message>
    <message>
        <source>Only digits can be typed here.</source>
        <translation>ここには数字だけを入力できます。</translation>
    </message>
    <message numerus="yes">
        <source>This field holds at most %n characters.</source>
        <translation>
            <numerusform>この欄には%n文字まで入力できます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and %1.</source>
        <translation>0～%1の整数を入力してください。</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>整数を入力してください。</translation>
    </message>
</context>
<context>
    <name>tonvexa::MainCommands</name>
    <message>
        <source>All Support Formats</source>
        <extracomment>Open-file dialog filter that shows every kind of file the program reads</extracomment>
        <translation>サポートされているすべての形式</translation>
    </message>
    <message>
        <source>Windows Media Audio Files</source>
        <translation>Windows Media Audioファイル</translation>
    </message>
    <message>
        <source>Windows Media Video Files</source>
        <translation>Windows Media Videoファイル</translation>
    </message>
    <message>
        <source>Advanced Systems Format</source>
        <extracomment>The name of the container format of .asf files</extracomment>
        <translation>Advanced Systems Format</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>MP3ファイル</translation>
    </message>
    <message>
        <source>WAV Files</source>
        <translation>WAVファイル</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>Please choose a folder:</source>
        <translation>フォルダーを選択してください:</translation>
    </message>
</context>
<context>
    <name>tonvexa::MainDialog</name>
    <message>
        <source>&amp;Add Files</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>ファイル追加(&amp;A)</translation>
    </message>
    <message>
        <source>Add WMA/WMV/ASF/MP3/WAV files</source>
        <translation>WMA/WMV/ASF/MP3/WAVファイルを追加</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>フォルダー追加(&amp;F)</translation>
    </message>
    <message>
        <source>Add WMA/WMV/ASF/MP3/WAV files from a folder</source>
        <translation>フォルダーからWMA/WMV/ASF/MP3/WAVファイルを追加</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>すべて削除(&amp;L)</translation>
    </message>
    <message>
        <source>Remove all files from list</source>
        <translation>リストからすべてのファイルを削除</translation>
    </message>
    <message>
        <source>Convert to M&amp;P3</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>MP3に変換(&amp;P)</translation>
    </message>
    <message>
        <source>Convert all files to MP3 format</source>
        <translation>すべてのファイルをMP3形式に変換</translation>
    </message>
    <message>
        <source>Convert to W&amp;MA</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>WMAに変換(&amp;M)</translation>
    </message>
    <message>
        <source>Convert all files to WMA format</source>
        <translation>すべてのファイルをWMA形式に変換</translation>
    </message>
    <message>
        <source>Convert to &amp;WAV</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>WAVに変換(&amp;W)</translation>
    </message>
    <message>
        <source>Convert all files to WAV format</source>
        <translation>すべてのファイルをWAV形式に変換</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Tooltip of the Options button</extracomment>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The title bar&apos;s button that opens the help menu</extracomment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>The title bar&apos;s button that minimises the window</extracomment>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The title bar&apos;s button that closes the window</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Visit Tonvexa Homepage</source>
        <translation>Tonvexaのホームページを開く</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <extracomment>Beside the product name in the window&apos;s title band; about 450 pixels of room</extracomment>
        <translation>オーディオ変換ツール</translation>
    </message>
</context>
<context>
    <name>tonvexa::PopupMenus</name>
    <message>
        <source>File list</source>
        <extracomment>Name of the file list&apos;s context menu for screen readers</extracomment>
        <translation>ファイルリスト</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Name of the help menu for screen readers</extracomment>
        <translation>ヘルプ</translation>
    </message>
</context>
<context>
    <name>tonvexa::PresetControls</name>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 16 kbps, モノラル(低音質、ファイルサイズ最小)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbps, ジョイントステレオ(まずまずの音質、サイズ小)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbps, ジョイントステレオ(中音質、標準サイズ)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)</source>
        <translation>44100Hz, 128 kbps, ジョイントステレオ(CDに近い音質、サイズ大)</translation>
    </message>
    <message>
        <source>11025 Hz, 8 bits, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 8ビット, モノラル(低音質、ファイルサイズ最小)</translation>
    </message>
    <message>
        <source>22050 Hz, 16 bits, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 16ビット, ステレオ(まずまずの音質、サイズ小)</translation>
    </message>
    <message>
        <source>32000 Hz, 16 bits, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 16ビット, ステレオ(中音質、標準サイズ)</translation>
    </message>
    <message>
        <source>44100Hz, 16 bits, Stereo (high quality, large size)</source>
        <translation>44100Hz, 16ビット, ステレオ(高音質、サイズ大)</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>Encoding preset: the program chooses the parameters to suit each file</extracomment>
        <translation>自動</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Encoding preset: the parameters chosen below it</extracomment>
        <translation>カスタム</translation>
    </message>
</context>
<context>
    <name>tonvexa::ProgressDialogFrame</name>
    <message>
        <source>Cancel</source>
        <extracomment>Ends the adding of files or the conversion under way</extracomment>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>tonvexa::SortableListCtrl</name>
    <message>
        <source>File list</source>
        <extracomment>Name of the list of files to convert, for screen readers</extracomment>
        <translation>ファイルリスト</translation>
    </message>
</context>
<context>
    <name>tonvexa::TagOptionControls</name>
    <message>
        <source>ID3 Tag</source>
        <translation>ID3タグ</translation>
    </message>
    <message>
        <source>Add &amp;ID3 tag</source>
        <extracomment>The output gets the tag edited with &quot;Edit ID3 tag&quot;</extracomment>
        <translation>ID3タグを追加(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Keep ID3 tag</source>
        <extracomment>The output gets the source file&apos;s tag</extracomment>
        <translation>ID3タグを保持(&amp;K)</translation>
    </message>
    <message>
        <source>No ID3 tag</source>
        <translation>ID3タグなし</translation>
    </message>
    <message>
        <source>Edit ID3 &amp;tag</source>
        <translation>ID3タグを編集(&amp;T)</translation>
    </message>
</context>
<context>
    <name>tonvexa::UpDownControl</name>
    <message>
        <source>Up</source>
        <extracomment>Name for screen readers of the arrow that raises the number beside it</extracomment>
        <translation>増やす</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Name for screen readers of the arrow that lowers the number beside it</extracomment>
        <translation>減らす</translation>
    </message>
</context>
</TS>
