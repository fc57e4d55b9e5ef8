<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ConverterApp</name>
    <message>
        <source>no display to show the window on (neither %1 nor %2 is set); to convert without a window, use %3</source>
        <extracomment>Printed on the terminal after &quot;tonvexa: &quot;. %1 and %2 are names of environment variables, %3 the name of the command-line converter.</extracomment>
        <translation>nessuno schermo su cui mostrare la finestra (non è impostata né %1 né %2); per convertire senza finestra, usare %3</translation>
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
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>Stereo congiunto</translation>
    </message>
    <message>
        <source>Dual Channel</source>
        <translation>Doppio canale</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
</context>
<context>
    <name>OptionsCommand</name>
    <message>
        <source>the system gave no reason</source>
        <extracomment>Stands for the system&apos;s reason in &quot;Tonvexa could not save its options: %1.&quot;</extracomment>
        <translation>il sistema non ha indicato il motivo</translation>
    </message>
    <message>
        <source>Tonvexa could not save its options: %1.</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;Permission denied&quot;</extracomment>
        <translation>Tonvexa non è riuscito a salvare le opzioni: %1.</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Tonvexa</name>
    <message>
        <source>Conversion Failure</source>
        <translation>Conversione non riuscita</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Skipped. Please use Sonidrift (https://www.sonidrift.example/) to convert between WAV and MP3.</source>
        <translation>Saltato. Usare Sonidrift (https://www.sonidrift.example/) per convertire tra WAV e MP3.</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>Impossibile creare la cartella «%1»</translation>
    </message>
    <message>
        <source>Failed to create destination file</source>
        <translation>Impossibile creare il file di destinazione</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Conversione in corso...</translation>
    </message>
    <message numerus="yes">
        <source>Converting %1 of %n file(s) to %2...</source>
        <extracomment>%1 files begun of %n in all; %2 is the target format (MP3, WMA or WAV)</extracomment>
        <translation>
            <numerusform>Conversione in %2: file %1 di %n...</numerusform>
            <numerusform>Conversione in %2: file %1 di %n...</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1...%2%</source>
        <extracomment>%1 is the file&apos;s name, %2 how far it is in percent</extracomment>
        <translation>Conversione di %1...%2%</translation>
    </message>
    <message>
        <source>You should select a file at least.</source>
        <translation>Selezionare almeno un file.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>Nessun file nell&apos;elenco.</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;altri file&gt;...</translation>
    </message>
    <message>
        <source>Failed to load the following files.

%1
To get help, please contact &lt;%2&gt;.</source>
        <extracomment>%1 is the list of files, one a line; %2 the support address</extracomment>
        <translation>Impossibile caricare i seguenti file.

%1
Per ricevere assistenza, contattare &lt;%2&gt;.</translation>
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
        <translation>uso: tonvexa-convert --to mp3|wav|wma [--options FILE] [--set KEY=VALUE]...
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
        <translation>Converte file Windows Media (.wma, .wmv, .asf) in MP3, WAV o Windows Media, e
file WAV e MP3 in Windows Media. Ogni PATH è un file o una cartella; la ricerca
nelle cartelle comprende le sottocartelle. Non viene mai sovrascritto nulla: a
un nome già in uso si aggiunge un numero.

  --to mp3|wav|wma  il formato di destinazione
  --options FILE    usare le opzioni di questo file INI invece di quelle salvate
  --set KEY=VALUE   impostare un&apos;opzione per questa esecuzione, al posto di
                    quelle salvate o di quelle del file (ripetibile); KEY è il
                    nome con cui l&apos;opzione è salvata, elencato sotto, e VALUE
                    viene letto e verificato come in un file di opzioni
  --jobs N          convertire fino a N file alla volta (da 1 a 64); altrimenti
                    vale l&apos;opzione SimultaneousConversions (0, il valore
                    predefinito: uno per core)
  --probe           mostrare nome, durata, bitrate, frequenza e canali di ogni
                    file
  --tags            mostrare il tag di ogni file come lo legge una conversione
                    che lo mantiene: righe NAME=value (UTF-8; \n, \r e \\ per un
                    a capo, un ritorno carrello e una barra rovesciata) e una
                    riga PICTURE per immagine; con più file, ciascuno inizia con
                    una riga &quot;==&gt; PATH &lt;==&quot;
  --wma-formats     mostrare i formati Windows Media disponibili: frequenza,
                    bit/s, canali, descrizione

Stampa una riga per operazione: l&apos;origine, una tabulazione e l&apos;esito (il nome
del file di output o il motivo dell&apos;errore). Ctrl+C annulla: le operazioni in
corso terminano come «Annullato» e non lasciano file incompleti. Codice di
uscita: 0 se tutti i file sono stati convertiti, 1 se qualcuno non lo è stato, 2
per un errore di utilizzo.

Chiavi delle opzioni (i nomi nel file delle opzioni, gruppo [Options]):
</translation>
    </message>
    <message>
        <source>--set: unknown option key &quot;%1&quot; (--help lists the keys)</source>
        <translation>--set: chiave di opzione sconosciuta «%1» (--help elenca le chiavi)</translation>
    </message>
    <message>
        <source>--set %1: &quot;%2&quot; is not a whole number</source>
        <translation>--set %1: «%2» non è un numero intero</translation>
    </message>
    <message>
        <source>--set %1: a tag is read only from an options file (--options)</source>
        <translation>--set %1: un tag si legge solo da un file di opzioni (--options)</translation>
    </message>
    <message>
        <source>--set %1: cannot be set</source>
        <translation>--set %1: non si può impostare</translation>
    </message>
    <message>
        <source>--to needs mp3, wav or wma</source>
        <translation>--to richiede mp3, wav o wma</translation>
    </message>
    <message>
        <source>unknown target &quot;%1&quot; (mp3, wav or wma)</source>
        <translation>formato di destinazione sconosciuto «%1» (mp3, wav o wma)</translation>
    </message>
    <message>
        <source>--options needs a file</source>
        <translation>--options richiede un file</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE</source>
        <translation>--set richiede KEY=VALUE</translation>
    </message>
    <message>
        <source>--jobs needs a number from 1 to 64</source>
        <translation>--jobs richiede un numero da 1 a 64</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>give exactly one of --to, --probe, --tags and --wma-formats</source>
        <translation>specificare esattamente una tra --to, --probe, --tags e --wma-formats</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>nessun PATH specificato</translation>
    </message>
    <message>
        <source>cannot read the options file %1</source>
        <translation>impossibile leggere il file di opzioni %1</translation>
    </message>
    <message>
        <source>%1 is not an options file</source>
        <translation>%1 non è un file di opzioni</translation>
    </message>
</context>
<context>
    <name>tonvexa::AboutDialog</name>
    <message>
        <source>About Tonvexa</source>
        <translation>Informazioni su Tonvexa</translation>
    </message>
    <message>
        <source>Tonvexa v%1 build %2</source>
        <extracomment>%1 is the version number, %2 the build number</extracomment>
        <translation>Tonvexa v%1 build %2</translation>
    </message>
    <message>
        <source>Visit Tonvexa Homepage</source>
        <translation>Visita il sito web di Tonvexa</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <extracomment>A link that writes a mail to the program&apos;s support</extracomment>
        <translation>Feedback e assistenza</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <extracomment>A link to the web site of LAME, the MP3 encoder&apos;s name</extracomment>
        <translation>Il programma usa l&apos;encoder MP3 LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <extracomment>A button that opens the web page telling whether a newer version is out</extracomment>
        <translation>&amp;Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <extracomment>A button that writes a mail recommending the program</extracomment>
        <translation>Consiglia a un amico</translation>
    </message>
</context>
<context>
    <name>tonvexa::AmplifyControls</name>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>&amp;Amplify / Reduce sound</source>
        <translation>&amp;Amplifica / riduci il volume</translation>
    </message>
    <message>
        <source>Coefficient in percent</source>
        <extracomment>Name for screen readers of the field of the volume&apos;s scale</extracomment>
        <translation>Coefficiente in percentuale</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Immettere un numero intero.</translation>
    </message>
    <message>
        <source>Invalid amplification coefficient. It&apos;s betwen 10 and 3000.</source>
        <translation>Coefficiente di amplificazione non valido. Deve essere compreso tra 10 e 3000.</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptMp3Page</name>
    <message>
        <source>MP3 Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Opzioni MP3</translation>
    </message>
    <message>
        <source>Parameters</source>
        <extracomment>Group of the encoding parameters</extracomment>
        <translation>Parametri</translation>
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
        <translation>Stereo con&amp;giunto</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>&amp;Stereo</translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>&amp;Mono</translation>
    </message>
    <message>
        <source>Joint Stereo vs. Stereo</source>
        <extracomment>A link to a web search that explains the difference</extracomment>
        <translation>Stereo congiunto vs. stereo</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder.</source>
        <extracomment>A link to the web site of LAME, the MP3 encoder&apos;s name</extracomment>
        <translation>Il programma usa l&apos;encoder MP3 LAME.</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>&amp;Frequenza di campionamento:</translation>
    </message>
    <message>
        <source>&amp;Bit Rate:</source>
        <translation>&amp;Bitrate:</translation>
    </message>
    <message>
        <source>&amp;Encoding Options:</source>
        <extracomment>Label of the list of presets (Auto, fixed ones, Custom); the &amp; letters of a page&apos;s controls differ from one another</extracomment>
        <translation>Opzioni di &amp;codifica:</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptOutputPage</name>
    <message>
        <source>Output Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Opzioni di output</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <extracomment>Group of the controls that say where converted files go</extracomment>
        <translation>Cartella di output</translation>
    </message>
    <message>
        <source>Same as source file</source>
        <extracomment>Converted files go to the folder of their source file</extracomment>
        <translation>Stessa cartella del file di origine</translation>
    </message>
    <message>
        <source>Specify output folder</source>
        <extracomment>Converted files go to the folder given below</extracomment>
        <translation>Specifica cartella di output</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <extracomment>Chooses the output folder in a folder dialog</extracomment>
        <translation>S&amp;foglia</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of source file</source>
        <translation>&amp;Crea cartelle secondo il percorso del file di origine</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion is complete</source>
        <extracomment>Shows the output folder in the file manager once a conversion has ended</extracomment>
        <translation>&amp;Apri la cartella di output al termine della conversione</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>Number of simultaneous conversions: as many as the computer has processor cores</extracomment>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>&amp;Output Folder:</source>
        <extracomment>Label of the list: Same as source file, Specify output folder</extracomment>
        <translation>Cartella di &amp;output:</translation>
    </message>
    <message>
        <source>&amp;Specific Folder:</source>
        <translation>Cartella &amp;specifica:</translation>
    </message>
    <message>
        <source>Si&amp;multaneous conversions:</source>
        <translation>Conversioni si&amp;multanee:</translation>
    </message>
    <message>
        <source>For example: the source file is %1 and the specified folder is %2; then the output folder is %3, which is created automatically.</source>
        <extracomment>%1 is a source file&apos;s path, %2 the specified output folder, %3 the folder its output goes to</extracomment>
        <translation>Esempio: se il file di origine è %1 e la cartella specificata è %2, la cartella di output sarà %3, che viene creata automaticamente.</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Scegliere una cartella di output:</translation>
    </message>
    <message numerus="yes">
        <source>The path of this folder is too long: an output folder can have at most %n characters.</source>
        <translation>
            <numerusform>Il percorso di questa cartella è troppo lungo: una cartella di output può avere al massimo %n carattere.</numerusform>
            <numerusform>Il percorso di questa cartella è troppo lungo: una cartella di output può avere al massimo %n caratteri.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Scegliere una cartella di output.</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptSheet</name>
    <message>
        <source>Options</source>
        <extracomment>The options window&apos;s title, also its tabs&apos; name for screen readers</extracomment>
        <translation>Opzioni</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptWavPage</name>
    <message>
        <source>WAV Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Opzioni WAV</translation>
    </message>
    <message>
        <source>Parameters</source>
        <extracomment>Group of the encoding parameters</extracomment>
        <translation>Parametri</translation>
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
            <numerusform>%n bit</numerusform>
            <numerusform>%n bit</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <extracomment>Channels of WAV output</extracomment>
        <translation>&amp;Mono</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <extracomment>Channels of WAV output</extracomment>
        <translation>&amp;Stereo</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>&amp;Frequenza di campionamento:</translation>
    </message>
    <message>
        <source>&amp;Bits:</source>
        <extracomment>Label of the list of sample widths (8 bits, 16 bits)</extracomment>
        <translation>&amp;Bit:</translation>
    </message>
    <message>
        <source>&amp;Encoding Options:</source>
        <extracomment>Label of the list of presets (Auto, fixed ones, Custom); the &amp; letters of a page&apos;s controls differ from one another</extracomment>
        <translation>Opzioni di &amp;codifica:</translation>
    </message>
</context>
<context>
    <name>tonvexa::CPageWMAOptions</name>
    <message>
        <source>WMA Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Opzioni WMA</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>The first of the formats on offer: the program chooses one to suit each file</extracomment>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>&amp;Encoding Options: (Sample Frequency, Bit Rate, Channels)</source>
        <extracomment>Label of the list of formats, each shown as &quot;44100 Hz, 128 kbps, Stereo&quot;</extracomment>
        <translation>Opzioni di &amp;codifica: (frequenza di campionamento, bitrate, canali)</translation>
    </message>
    <message>
        <source>%1 Hz, %2 kbps, %3</source>
        <extracomment>A Windows Media Audio format: %1 is its sample rate in hertz, %2 its bit rate in kilobits per second, %3 its channels (Mono or Stereo)</extracomment>
        <translation>%1 Hz, %2 kbps, %3</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
</context>
<context>
    <name>tonvexa::CommandSet</name>
    <message>
        <source>&amp;Play Source</source>
        <extracomment>Context menu of the file list; the &amp; letters of its items differ from one another</extracomment>
        <translation>Ri&amp;produci origine</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>Apri cartella di &amp;origine</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>Riproduci &amp;destinazione</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>&amp;Apri cartella di destinazione</translation>
    </message>
    <message>
        <source>&amp;Convert to MP3</source>
        <translation>&amp;Converti in MP3</translation>
    </message>
    <message>
        <source>Convert &amp;to WMA</source>
        <translation>Con&amp;verti in WMA</translation>
    </message>
    <message>
        <source>Con&amp;vert to WAV</source>
        <translation>Conver&amp;ti in WAV</translation>
    </message>
    <message>
        <source>Convert All to &amp;MP3</source>
        <translation>Converti tutto in &amp;MP3</translation>
    </message>
    <message>
        <source>Co&amp;nvert All to WMA</source>
        <translation>Co&amp;nverti tutto in WMA</translation>
    </message>
    <message>
        <source>Convert All to &amp;WAV</source>
        <translation>Converti tutto in &amp;WAV</translation>
    </message>
    <message>
        <source>&amp;Add Files...</source>
        <translation>A&amp;ggiungi file...</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Aggiungi cart&amp;ella</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>Takes the selected files off the list; the files themselves stay</extracomment>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <extracomment>Takes every file off the list</extracomment>
        <translation>Rimuovi t&amp;utti</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <extracomment>Help menu; the &amp; letters of its items differ from one another</extracomment>
        <translation>A&amp;rgomenti della guida</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <extracomment>Writes a mail recommending the program</extracomment>
        <translation>&amp;Consiglia a un amico</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Feedback e assistenza</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <extracomment>Opens the program&apos;s web site</extracomment>
        <translation>Sito &amp;web</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>&amp;Verifica ultima versione</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The title bar&apos;s button that opens the help menu</extracomment>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>The title bar&apos;s button that minimises the window</extracomment>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The title bar&apos;s button that closes the window</extracomment>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>tonvexa::FileAdder</name>
    <message>
        <source>Searching files...</source>
        <extracomment>Progress line while folders are searched for files to add</extracomment>
        <translation>Ricerca dei file...</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <extracomment>Progress line: %1 is the number of the file being added, %2 how many there are</extracomment>
        <translation>Aggiunta del file %1 di %2...</translation>
    </message>
</context>
<context>
    <name>tonvexa::FileListModel</name>
    <message>
        <source>Original Files</source>
        <extracomment>Heading of the column of the files&apos; names (152 pixels wide)</extracomment>
        <translation>File originali</translation>
    </message>
    <message>
        <source>Length</source>
        <extracomment>Heading of the column of the playing times (55 pixels wide)</extracomment>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <extracomment>Column heading (70 pixels wide)</extracomment>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Freq.</source>
        <extracomment>Heading of the column of the sample rates, shortened for its 70 pixels</extracomment>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Channels</source>
        <extracomment>Heading of the column that shows Mono, Stereo... (60 pixels wide)</extracomment>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Heading of the column that shows how each conversion went</extracomment>
        <translation>Stato</translation>
    </message>
</context>
<context>
    <name>tonvexa::HelpWindow</name>
    <message>
        <source>Tonvexa Help</source>
        <extracomment>The help window&apos;s title</extracomment>
        <translation>Guida di Tonvexa</translation>
    </message>
</context>
<context>
    <name>tonvexa::HyperlinkLabel</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <extracomment>%1 is the reason, such as &quot;The specified file was not found.&quot;</extracomment>
        <translation>Impossibile aprire il collegamento:

%1</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Il sistema operativo ha esaurito
la memoria o le risorse.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Impossibile trovare il file specificato.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Impossibile trovare il percorso specificato.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Il sistema operativo ha negato
l&apos;accesso al file specificato.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Memoria insufficiente per completare l&apos;operazione.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Il file .EXE non è valido
(.EXE non Win32 o errore nell&apos;immagine .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Si è verificata una violazione di condivisione. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;associazione del nome file
è incompleta o non valida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Impossibile completare la transazione DDE
perché la richiesta è scaduta.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Transazione DDE non riuscita.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Impossibile completare la transazione DDE
perché erano in corso
altre transazioni DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Nessuna applicazione associata
all&apos;estensione del nome file indicata.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Impossibile trovare la libreria a collegamento dinamico specificata.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <extracomment>%1 is the error&apos;s number</extracomment>
        <translation>Si è verificato un errore sconosciuto (%1).</translation>
    </message>
</context>
<context>
    <name>tonvexa::Id3TagDialog</name>
    <message>
        <source>“%1”</source>
        <extracomment>A character the tag cannot hold (%1), in quotation marks, as it begins the message &quot;%1 cannot be stored in an ID3 tag...&quot;</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Edit ID3 tag</source>
        <extracomment>The tag editor&apos;s title</extracomment>
        <translation>Modifica tag ID3</translation>
    </message>
    <message>
        <source>Name as file name (not include extension)</source>
        <extracomment>The output&apos;s title is its file name without the extension</extracomment>
        <translation>Usa il nome del file come titolo (senza estensione)</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <extracomment>Label of the song&apos;s title; the &amp; letters of the editor&apos;s controls differ from one another</extracomment>
        <translation>&amp;Titolo:</translation>
    </message>
    <message>
        <source>&amp;Track #:</source>
        <extracomment>Label of the track number on the album; little room</extracomment>
        <translation>T&amp;raccia:</translation>
    </message>
    <message>
        <source>&amp;Artist:</source>
        <translation>&amp;Artista:</translation>
    </message>
    <message>
        <source>Albu&amp;m:</source>
        <translation>Albu&amp;m:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>A&amp;nno:</translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <extracomment>Label of the list of music genres</extracomment>
        <translation>&amp;Genere:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <extracomment>Label of the tag&apos;s comment field</extracomment>
        <translation>&amp;Commento:</translation>
    </message>
    <message>
        <source>%1 cannot be stored in an ID3 tag, which holds Western European (ISO-8859-1) characters only.</source>
        <extracomment>%1 is the character typed, such as “€” or U+0009</extracomment>
        <translation>%1 non può essere memorizzato in un tag ID3, che contiene solo caratteri dell&apos;Europa occidentale (ISO-8859-1).</translation>
    </message>
    <message>
        <source>Only digits can be typed here.</source>
        <translation>Qui è possibile digitare solo cifre.</translation>
    </message>
    <message numerus="yes">
        <source>This field holds at most %n characters.</source>
        <translation>
            <numerusform>Questo campo contiene al massimo %n carattere.</numerusform>
            <numerusform>Questo campo contiene al massimo %n caratteri.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and %1.</source>
        <translation>Immettere un numero intero compreso tra 0 e %1.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Immettere un numero intero.</translation>
    </message>
</context>
<context>
    <name>tonvexa::MainCommands</name>
    <message>
        <source>All Support Formats</source>
        <extracomment>Open-file dialog filter that shows every kind of file the program reads</extracomment>
        <translation>Tutti i formati supportati</translation>
    </message>
    <message>
        <source>Windows Media Audio Files</source>
        <translation>File Windows Media Audio</translation>
    </message>
    <message>
        <source>Windows Media Video Files</source>
        <translation>File Windows Media Video</translation>
    </message>
    <message>
        <source>Advanced Systems Format</source>
        <extracomment>The name of the container format of .asf files</extracomment>
        <translation>Advanced Systems Format</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>File MP3</translation>
    </message>
    <message>
        <source>WAV Files</source>
        <translation>File WAV</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Please choose a folder:</source>
        <translation>Scegliere una cartella:</translation>
    </message>
</context>
<context>
    <name>tonvexa::MainDialog</name>
    <message>
        <source>&amp;Add Files</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>&amp;Aggiungi file</translation>
    </message>
    <message>
        <source>Add WMA/WMV/ASF/MP3/WAV files</source>
        <translation>Aggiungi file WMA/WMV/ASF/MP3/WAV</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Aggiungi &amp;cartella</translation>
    </message>
    <message>
        <source>Add WMA/WMV/ASF/MP3/WAV files from a folder</source>
        <translation>Aggiungi file WMA/WMV/ASF/MP3/WAV da una cartella</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Rimuovi &amp;tutti</translation>
    </message>
    <message>
        <source>Remove all files from list</source>
        <translation>Rimuovi tutti i file dall&apos;elenco</translation>
    </message>
    <message>
        <source>Convert to M&amp;P3</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Converti in M&amp;P3</translation>
    </message>
    <message>
        <source>Convert all files to MP3 format</source>
        <translation>Converti tutti i file in formato MP3</translation>
    </message>
    <message>
        <source>Convert to W&amp;MA</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Converti in W&amp;MA</translation>
    </message>
    <message>
        <source>Convert all files to WMA format</source>
        <translation>Converti tutti i file in formato WMA</translation>
    </message>
    <message>
        <source>Convert to &amp;WAV</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Converti in &amp;WAV</translation>
    </message>
    <message>
        <source>Convert all files to WAV format</source>
        <translation>Converti tutti i file in formato WAV</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Tooltip of the Options button</extracomment>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The title bar&apos;s button that opens the help menu</extracomment>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>The title bar&apos;s button that minimises the window</extracomment>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The title bar&apos;s button that closes the window</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Visit Tonvexa Homepage</source>
        <translation>Sito web di Tonvexa</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <extracomment>Beside the product name in the window&apos;s title band; about 450 pixels of room</extracomment>
        <translation>Convertitore audio</translation>
    </message>
</context>
<context>
    <name>tonvexa::PopupMenus</name>
    <message>
        <source>File list</source>
        <extracomment>Name of the file list&apos;s context menu for screen readers</extracomment>
        <translation>Elenco dei file</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Name of the help menu for screen readers</extracomment>
        <translation>Guida</translation>
    </message>
</context>
<context>
    <name>tonvexa::PresetControls</name>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 16 kbps, Mono (bassa qualità, file più piccolo)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbps, Stereo congiunto (qualità discreta, file piccolo)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbps, Stereo congiunto (qualità media, dimensioni normali)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbps, Stereo congiunto (qualità quasi CD, file grande)</translation>
    </message>
    <message>
        <source>11025 Hz, 8 bits, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 8 bit, Mono (bassa qualità, file più piccolo)</translation>
    </message>
    <message>
        <source>22050 Hz, 16 bits, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 16 bit, Stereo (qualità discreta, file piccolo)</translation>
    </message>
    <message>
        <source>32000 Hz, 16 bits, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 16 bit, Stereo (qualità media, dimensioni normali)</translation>
    </message>
    <message>
        <source>44100Hz, 16 bits, Stereo (high quality, large size)</source>
        <translation>44100 Hz, 16 bit, Stereo (alta qualità, file grande)</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>Encoding preset: the program chooses the parameters to suit each file</extracomment>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Encoding preset: the parameters chosen below it</extracomment>
        <translation>Personalizzato</translation>
    </message>
</context>
<context>
    <name>tonvexa::ProgressDialogFrame</name>
    <message>
        <source>Cancel</source>
        <extracomment>Ends the adding of files or the conversion under way</extracomment>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>tonvexa::SortableListCtrl</name>
    <message>
        <source>File list</source>
        <extracomment>Name of the list of files to convert, for screen readers</extracomment>
        <translation>Elenco dei file</translation>
    </message>
</context>
<context>
    <name>tonvexa::TagOptionControls</name>
    <message>
        <source>ID3 Tag</source>
        <translation>Tag ID3</translation>
    </message>
    <message>
        <source>Add &amp;ID3 tag</source>
        <extracomment>The output gets the tag edited with &quot;Edit ID3 tag&quot;</extracomment>
        <translation>Aggiungi tag &amp;ID3</translation>
    </message>
    <message>
        <source>&amp;Keep ID3 tag</source>
        <extracomment>The output gets the source file&apos;s tag</extracomment>
        <translation>Ma&amp;ntieni tag ID3</translation>
    </message>
    <message>
        <source>No ID3 tag</source>
        <translation>Nessun tag ID3</translation>
    </message>
    <message>
        <source>Edit ID3 &amp;tag</source>
        <translation>Modifica &amp;tag ID3</translation>
    </message>
</context>
<context>
    <name>tonvexa::UpDownControl</name>
    <message>
        <source>Up</source>
        <extracomment>Name for screen readers of the arrow that raises the number beside it</extracomment>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Name for screen readers of the arrow that lowers the number beside it</extracomment>
        <translation>Giù</translation>
    </message>
</context>
</TS>
