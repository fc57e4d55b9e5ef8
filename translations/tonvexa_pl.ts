<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>FileList</name>
    <message>
        <source>%1 kbps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dual Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tonvexa</name>
    <message>
        <source>Conversion Failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped. Please use Sonidrift (https://www.sonidrift.example/) to convert between WAV and MP3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to create destination file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Converting %1 of %n file(s) to %2...</source>
        <extracomment>%1 files begun of %n in all; %2 is the target format (MP3, WMA or WAV)</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1...%2%</source>
        <extracomment>%1 is the file&apos;s name, %2 how far it is in percent</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You should select a file at least.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to load the following files.

%1
To get help, please contact &lt;%2&gt;.</source>
        <extracomment>%1 is the list of files, one a line; %2 the support address</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--set: unknown option key &quot;%1&quot; (--help lists the keys)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--set %1: &quot;%2&quot; is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--set %1: a tag is read only from an options file (--options)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--set %1: cannot be set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--to needs mp3, wav or wma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown target &quot;%1&quot; (mp3, wav or wma)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--options needs a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--jobs needs a number from 1 to 64</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give exactly one of --to, --probe, --tags and --wma-formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the options file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an options file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tonvexa::ProgressDialogFrame</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
