<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ConverterApp</name>
    <message>
        <source>no display to show the window on (neither %1 nor %2 is set); to convert without a window, use %3</source>
        <extracomment>Printed on the terminal after &quot;tonvexa: &quot;. %1 and %2 are names of environment variables, %3 the name of the command-line converter.</extracomment>
        <translation>aucun écran où afficher la fenêtre (ni %1 ni %2 n&apos;est défini)&#xa0;; pour convertir sans fenêtre, utilisez %3</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>Stéréo jointe</translation>
    </message>
    <message>
        <source>Dual Channel</source>
        <translation>Double canal</translation>
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
        <translation>le système n&apos;a donné aucune raison</translation>
    </message>
    <message>
        <source>Tonvexa could not save its options: %1.</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;Permission denied&quot;</extracomment>
        <translation>Tonvexa n&apos;a pas pu enregistrer ses options&#xa0;: %1.</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Tonvexa</name>
    <message>
        <source>Conversion Failure</source>
        <translation>Échec de la conversion</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Skipped. Please use Sonidrift (https://www.sonidrift.example/) to convert between WAV and MP3.</source>
        <translation>Ignoré. Veuillez utiliser Sonidrift (https://www.sonidrift.example/) pour convertir entre WAV et MP3.</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Failed to create destination file</source>
        <translation>Impossible de créer le fichier de sortie</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Conversion en cours...</translation>
    </message>
    <message numerus="yes">
        <source>Converting %1 of %n file(s) to %2...</source>
        <extracomment>%1 files begun of %n in all; %2 is the target format (MP3, WMA or WAV)</extracomment>
        <translation>
            <numerusform>Conversion du fichier %1 sur %n en %2...</numerusform>
            <numerusform>Conversion du fichier %1 sur %n en %2...</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1...%2%</source>
        <extracomment>%1 is the file&apos;s name, %2 how far it is in percent</extracomment>
        <translation>Conversion de %1...%2&#xa0;%</translation>
    </message>
    <message>
        <source>You should select a file at least.</source>
        <translation>Veuillez sélectionner au moins un fichier.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>La liste ne contient aucun fichier.</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;autres fichiers&gt;...</translation>
    </message>
    <message>
        <source>Failed to load the following files.

%1
To get help, please contact &lt;%2&gt;.</source>
        <extracomment>%1 is the list of files, one a line; %2 the support address</extracomment>
        <translation>Impossible de charger les fichiers suivants.

%1
Pour obtenir de l&apos;aide, veuillez écrire à &lt;%2&gt;.</translation>
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
        <translation>usage&#xa0;: tonvexa-convert --to mp3|wav|wma [--options FILE] [--set KEY=VALUE]...
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
        <translation>Convertit les fichiers Windows Media (.wma, .wmv, .asf) en MP3, WAV ou Windows
Media, et les fichiers WAV et MP3 en Windows Media. Chaque PATH est un fichier
ou un dossier&#xa0;; les dossiers sont parcourus avec leurs sous-dossiers. Rien
n&apos;est jamais écrasé&#xa0;: un nom déjà pris reçoit un numéro.

  --to mp3|wav|wma  le format cible
  --options FILE    lire les options dans ce fichier INI au lieu des options
                    enregistrées
  --set KEY=VALUE   définir une option pour cette exécution, par-dessus les
                    options enregistrées ou celles du fichier (répétable)&#xa0;;
                    KEY est le nom enregistré d&apos;une option, listé ci-dessous,
                    et VALUE est lu et vérifié comme dans un fichier d&apos;options
  --jobs N          convertir jusqu&apos;à N fichiers à la fois (1 à 64)&#xa0;; sans
                    cette option, selon l&apos;option SimultaneousConversions (0,
                    la valeur par défaut&#xa0;: un par cœur de processeur)
  --probe           afficher le nom, la durée, le débit binaire, la fréquence
                    et les canaux de chaque fichier
  --tags            afficher la balise de chaque fichier telle que la lit une
                    conversion qui la conserve&#xa0;: des lignes NAME=value (UTF-8&#xa0;;
                    \n, \r et \\ pour un saut de ligne, un retour chariot et
                    une barre oblique inverse) et une ligne PICTURE par image&#xa0;;
                    avec plusieurs fichiers, chacun commence par une ligne
                    &quot;==&gt; PATH &lt;==&quot;
  --wma-formats     afficher les formats Windows Media proposés&#xa0;: fréquence,
                    bit/s, canaux, description

Affiche une ligne par tâche&#xa0;: la source, une tabulation et le résultat (le nom
du fichier de sortie ou la raison de l&apos;échec). Ctrl+C annule&#xa0;: les tâches en
cours se terminent par «&#xa0;Annulé&#xa0;» et ne laissent aucun fichier partiel. Code
de sortie&#xa0;: 0 si chaque fichier a été converti, 1 si l&apos;un d&apos;eux ne l&apos;a pas
été, 2 pour une erreur d&apos;utilisation.

Clés d&apos;option (les noms dans le fichier d&apos;options, groupe [Options])&#xa0;:
</translation>
    </message>
    <message>
        <source>--set: unknown option key &quot;%1&quot; (--help lists the keys)</source>
        <translation>--set&#xa0;: clé d&apos;option inconnue «&#xa0;%1&#xa0;» (--help liste les clés)</translation>
    </message>
    <message>
        <source>--set %1: &quot;%2&quot; is not a whole number</source>
        <translation>--set %1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>--set %1: a tag is read only from an options file (--options)</source>
        <translation>--set %1&#xa0;: une balise ne se lit que dans un fichier d&apos;options (--options)</translation>
    </message>
    <message>
        <source>--set %1: cannot be set</source>
        <translation>--set %1&#xa0;: ne peut pas être défini</translation>
    </message>
    <message>
        <source>--to needs mp3, wav or wma</source>
        <translation>--to attend mp3, wav ou wma</translation>
    </message>
    <message>
        <source>unknown target &quot;%1&quot; (mp3, wav or wma)</source>
        <translation>cible inconnue «&#xa0;%1&#xa0;» (mp3, wav ou wma)</translation>
    </message>
    <message>
        <source>--options needs a file</source>
        <translation>--options attend un fichier</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE</source>
        <translation>--set attend KEY=VALUE</translation>
    </message>
    <message>
        <source>--jobs needs a number from 1 to 64</source>
        <translation>--jobs attend un nombre de 1 à 64</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>give exactly one of --to, --probe, --tags and --wma-formats</source>
        <translation>indiquez exactement une des options --to, --probe, --tags et --wma-formats</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>aucun PATH indiqué</translation>
    </message>
    <message>
        <source>cannot read the options file %1</source>
        <translation>impossible de lire le fichier d&apos;options %1</translation>
    </message>
    <message>
        <source>%1 is not an options file</source>
        <translation>%1 n&apos;est pas un fichier d&apos;options</translation>
    </message>
</context>
<context>
    <name>tonvexa::AboutDialog</name>
    <message>
        <source>About Tonvexa</source>
        <translation>À propos de Tonvexa</translation>
    </message>
    <message>
        <source>Tonvexa v%1 build %2</source>
        <extracomment>%1 is the version number, %2 the build number</extracomment>
        <translation>Tonvexa v%1 build %2</translation>
    </message>
    <message>
        <source>Visit Tonvexa Homepage</source>
        <translation>Visiter le site web de Tonvexa</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <extracomment>A link that writes a mail to the program&apos;s support</extracomment>
        <translation>Commentaires et assistance</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <extracomment>A link to the web site of LAME, the MP3 encoder&apos;s name</extracomment>
        <translation>Ce programme utilise l&apos;encodeur MP3 LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <extracomment>A button that opens the web page telling whether a newer version is out</extracomment>
        <translation>&amp;Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <extracomment>A button that writes a mail recommending the program</extracomment>
        <translation>Recommander à un ami</translation>
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
        <translation>&amp;Amplifier / réduire le son</translation>
    </message>
    <message>
        <source>Coefficient in percent</source>
        <extracomment>Name for screen readers of the field of the volume&apos;s scale</extracomment>
        <translation>Coefficient en pourcentage</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Invalid amplification coefficient. It&apos;s betwen 10 and 3000.</source>
        <translation>Coefficient d&apos;amplification non valide. Il doit être compris entre 10 et 3000.</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptMp3Page</name>
    <message>
        <source>MP3 Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Options MP3</translation>
    </message>
    <message>
        <source>Parameters</source>
        <extracomment>Group of the encoding parameters</extracomment>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <extracomment>%1 is a sample rate in hertz</extracomment>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <extracomment>%1 is a bit rate in kilobits per second</extracomment>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>&amp;Joint Stereo</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>Stéréo &amp;jointe</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>&amp;Stéréo</translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>&amp;Mono</translation>
    </message>
    <message>
        <source>Joint Stereo vs. Stereo</source>
        <extracomment>A link to a web search that explains the difference</extracomment>
        <translation>Stéréo jointe ou stéréo&#xa0;?</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder.</source>
        <extracomment>A link to the web site of LAME, the MP3 encoder&apos;s name</extracomment>
        <translation>Ce programme utilise l&apos;encodeur MP3 LAME.</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>&amp;Fréquence d&apos;échantillonnage&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Bit Rate:</source>
        <translation>&amp;Débit binaire&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Encoding Options:</source>
        <extracomment>Label of the list of presets (Auto, fixed ones, Custom); the &amp; letters of a page&apos;s controls differ from one another</extracomment>
        <translation>Options d&apos;&amp;encodage&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptOutputPage</name>
    <message>
        <source>Output Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Options de sortie</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <extracomment>Group of the controls that say where converted files go</extracomment>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Same as source file</source>
        <extracomment>Converted files go to the folder of their source file</extracomment>
        <translation>Dossier du fichier source</translation>
    </message>
    <message>
        <source>Specify output folder</source>
        <extracomment>Converted files go to the folder given below</extracomment>
        <translation>Indiquer un dossier de sortie</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <extracomment>Chooses the output folder in a folder dialog</extracomment>
        <translation>&amp;Parcourir</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of source file</source>
        <translation>&amp;Créer les dossiers selon le chemin du fichier source</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion is complete</source>
        <extracomment>Shows the output folder in the file manager once a conversion has ended</extracomment>
        <translation>&amp;Ouvrir le dossier de sortie à la fin de la conversion</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>Number of simultaneous conversions: as many as the computer has processor cores</extracomment>
        <translation>Auto</translation>
    </message>
    <message>
        <source>&amp;Output Folder:</source>
        <extracomment>Label of the list: Same as source file, Specify output folder</extracomment>
        <translation>&amp;Dossier de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Specific Folder:</source>
        <translation>Dossier &amp;indiqué&#xa0;:</translation>
    </message>
    <message>
        <source>Si&amp;multaneous conversions:</source>
        <translation>Conversions si&amp;multanées&#xa0;:</translation>
    </message>
    <message>
        <source>For example: the source file is %1 and the specified folder is %2; then the output folder is %3, which is created automatically.</source>
        <extracomment>%1 is a source file&apos;s path, %2 the specified output folder, %3 the folder its output goes to</extracomment>
        <translation>Exemple&#xa0;: le fichier source est %1 et le dossier indiqué est %2&#xa0;; le dossier de sortie est alors %3, qui est créé automatiquement.</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Veuillez choisir un dossier de sortie&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>The path of this folder is too long: an output folder can have at most %n characters.</source>
        <translation>
            <numerusform>Le chemin de ce dossier est trop long&#xa0;: un dossier de sortie peut comporter au plus %n caractère.</numerusform>
            <numerusform>Le chemin de ce dossier est trop long&#xa0;: un dossier de sortie peut comporter au plus %n caractères.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Veuillez choisir un dossier de sortie.</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptSheet</name>
    <message>
        <source>Options</source>
        <extracomment>The options window&apos;s title, also its tabs&apos; name for screen readers</extracomment>
        <translation>Options</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptWavPage</name>
    <message>
        <source>WAV Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Options WAV</translation>
    </message>
    <message>
        <source>Parameters</source>
        <extracomment>Group of the encoding parameters</extracomment>
        <translation>Paramètres</translation>
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
            <numerusform>%n bits</numerusform>
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
        <translation>&amp;Stéréo</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>&amp;Fréquence d&apos;échantillonnage&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Bits:</source>
        <extracomment>Label of the list of sample widths (8 bits, 16 bits)</extracomment>
        <translation>&amp;Résolution&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Encoding Options:</source>
        <extracomment>Label of the list of presets (Auto, fixed ones, Custom); the &amp; letters of a page&apos;s controls differ from one another</extracomment>
        <translation>Options d&apos;&amp;encodage&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tonvexa::CPageWMAOptions</name>
    <message>
        <source>WMA Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Options WMA</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>The first of the formats on offer: the program chooses one to suit each file</extracomment>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>&amp;Encoding Options: (Sample Frequency, Bit Rate, Channels)</source>
        <extracomment>Label of the list of formats, each shown as &quot;44100 Hz, 128 kbps, Stereo&quot;</extracomment>
        <translation>Options d&apos;&amp;encodage&#xa0;: (fréquence d&apos;échantillonnage, débit binaire, canaux)</translation>
    </message>
    <message>
        <source>%1 Hz, %2 kbps, %3</source>
        <extracomment>A Windows Media Audio format: %1 is its sample rate in hertz, %2 its bit rate in kilobits per second, %3 its channels (Mono or Stereo)</extracomment>
        <translation>%1 Hz, %2 kbit/s, %3</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
</context>
<context>
    <name>tonvexa::CommandSet</name>
    <message>
        <source>&amp;Play Source</source>
        <extracomment>Context menu of the file list; the &amp; letters of its items differ from one another</extracomment>
        <translation>&amp;Lire la source</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>Ouvrir le dossier &amp;source</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>Lire le &amp;fichier de sortie</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Ouvrir le &amp;dossier de sortie</translation>
    </message>
    <message>
        <source>&amp;Convert to MP3</source>
        <translation>Convertir en M&amp;P3</translation>
    </message>
    <message>
        <source>Convert &amp;to WMA</source>
        <translation>Convertir en &amp;WMA</translation>
    </message>
    <message>
        <source>Con&amp;vert to WAV</source>
        <translation>&amp;Convertir en WAV</translation>
    </message>
    <message>
        <source>Convert All to &amp;MP3</source>
        <translation>Tout convertir en &amp;MP3</translation>
    </message>
    <message>
        <source>Co&amp;nvert All to WMA</source>
        <translation>Tout co&amp;nvertir en WMA</translation>
    </message>
    <message>
        <source>Convert All to &amp;WAV</source>
        <translation>Tout convertir en WA&amp;V</translation>
    </message>
    <message>
        <source>&amp;Add Files...</source>
        <translation>&amp;Ajouter des fichiers...</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Ajouter un d&amp;ossier</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>Takes the selected files off the list; the files themselves stay</extracomment>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <extracomment>Takes every file off the list</extracomment>
        <translation>&amp;Tout retirer</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <extracomment>Help menu; the &amp; letters of its items differ from one another</extracomment>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <extracomment>Writes a mail recommending the program</extracomment>
        <translation>Recommander à un a&amp;mi</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Commentaires et assistance</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <extracomment>Opens the program&apos;s web site</extracomment>
        <translation>Site &amp;web</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>&amp;Vérifier la dernière version</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The title bar&apos;s button that opens the help menu</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>The title bar&apos;s button that minimises the window</extracomment>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The title bar&apos;s button that closes the window</extracomment>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>tonvexa::FileAdder</name>
    <message>
        <source>Searching files...</source>
        <extracomment>Progress line while folders are searched for files to add</extracomment>
        <translation>Recherche des fichiers...</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <extracomment>Progress line: %1 is the number of the file being added, %2 how many there are</extracomment>
        <translation>Ajout du fichier %1 sur %2...</translation>
    </message>
</context>
<context>
    <name>tonvexa::FileListModel</name>
    <message>
        <source>Original Files</source>
        <extracomment>Heading of the column of the files&apos; names (152 pixels wide)</extracomment>
        <translation>Fichiers source</translation>
    </message>
    <message>
        <source>Length</source>
        <extracomment>Heading of the column of the playing times (55 pixels wide)</extracomment>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <extracomment>Column heading (70 pixels wide)</extracomment>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Freq.</source>
        <extracomment>Heading of the column of the sample rates, shortened for its 70 pixels</extracomment>
        <translation>Fréq.</translation>
    </message>
    <message>
        <source>Channels</source>
        <extracomment>Heading of the column that shows Mono, Stereo... (60 pixels wide)</extracomment>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Heading of the column that shows how each conversion went</extracomment>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>tonvexa::HelpWindow</name>
    <message>
        <source>Tonvexa Help</source>
        <extracomment>The help window&apos;s title</extracomment>
        <translation>Aide de Tonvexa</translation>
    </message>
</context>
<context>
    <name>tonvexa::HyperlinkLabel</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <extracomment>%1 is the reason, such as &quot;The specified file was not found.&quot;</extracomment>
        <translation>Impossible d&apos;ouvrir le lien&#xa0;:

%1</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Le système d&apos;exploitation manque
de mémoire ou de ressources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d&apos;exploitation a refusé
l&apos;accès au fichier spécifié.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>La mémoire est insuffisante pour terminer l&apos;opération.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Le fichier .EXE n&apos;est pas valide
(.EXE non Win32 ou erreur dans l&apos;image .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Une violation de partage s&apos;est produite. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;association du nom de fichier est
incomplète ou non valide.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n&apos;a pas pu aboutir
car le délai de la demande a expiré.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n&apos;a pas pu aboutir
car d&apos;autres transactions DDE
étaient en cours de traitement.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucune application n&apos;est associée
à cette extension de nom de fichier.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque de liens dynamiques (DLL) spécifiée est introuvable.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <extracomment>%1 is the error&apos;s number</extracomment>
        <translation>Une erreur inconnue (%1) s&apos;est produite.</translation>
    </message>
</context>
<context>
    <name>tonvexa::Id3TagDialog</name>
    <message>
        <source>“%1”</source>
        <extracomment>A character the tag cannot hold (%1), in quotation marks, as it begins the message &quot;%1 cannot be stored in an ID3 tag...&quot;</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Edit ID3 tag</source>
        <extracomment>The tag editor&apos;s title</extracomment>
        <translation>Modifier la balise ID3</translation>
    </message>
    <message>
        <source>Name as file name (not include extension)</source>
        <extracomment>The output&apos;s title is its file name without the extension</extracomment>
        <translation>Nom du fichier comme titre (sans extension)</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <extracomment>Label of the song&apos;s title; the &amp; letters of the editor&apos;s controls differ from one another</extracomment>
        <translation>&amp;Titre&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Track #:</source>
        <extracomment>Label of the track number on the album; little room</extracomment>
        <translation>&amp;Piste&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Artist:</source>
        <translation>&amp;Artiste&#xa0;:</translation>
    </message>
    <message>
        <source>Albu&amp;m:</source>
        <translation>Albu&amp;m&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>A&amp;nnée&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <extracomment>Label of the list of music genres</extracomment>
        <translation>&amp;Genre&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <extracomment>Label of the tag&apos;s comment field</extracomment>
        <translation>&amp;Commentaire&#xa0;:</translation>
    </message>
    <message>
        <source>%1 cannot be stored in an ID3 tag, which holds Western European (ISO-8859-1) characters only.</source>
        <extracomment>%1 is the character typed, such as “€” or U+0009</extracomment>
        <translation>%1 ne peut pas être enregistré dans une balise ID3, qui ne contient que des caractères d&apos;Europe occidentale (ISO-8859-1).</translation>
    </message>
    <message>
        <source>Only digits can be typed here.</source>
        <translation>Seuls des chiffres peuvent être saisis ici.</translation>
    </message>
    <message numerus="yes">
        <source>This field holds at most %n characters.</source>
        <translation>
            <numerusform>Ce champ contient au plus %n caractère.</numerusform>
            <numerusform>Ce champ contient au plus %n caractères.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and %1.</source>
        <translation>Veuillez saisir un nombre entier entre 0 et %1.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
</context>
<context>
    <name>tonvexa::MainCommands</name>
    <message>
        <source>All Support Formats</source>
        <extracomment>Open-file dialog filter that shows every kind of file the program reads</extracomment>
        <translation>Tous les formats pris en charge</translation>
    </message>
    <message>
        <source>Windows Media Audio Files</source>
        <translation>Fichiers Windows Media Audio</translation>
    </message>
    <message>
        <source>Windows Media Video Files</source>
        <translation>Fichiers Windows Media Video</translation>
    </message>
    <message>
        <source>Advanced Systems Format</source>
        <extracomment>The name of the container format of .asf files</extracomment>
        <translation>Advanced Systems Format</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>Fichiers MP3</translation>
    </message>
    <message>
        <source>WAV Files</source>
        <translation>Fichiers WAV</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Please choose a folder:</source>
        <translation>Veuillez choisir un dossier&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tonvexa::MainDialog</name>
    <message>
        <source>&amp;Add Files</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>&amp;Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Add WMA/WMV/ASF/MP3/WAV files</source>
        <translation>Ajouter des fichiers WMA/WMV/ASF/MP3/WAV</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Ajouter un &amp;dossier</translation>
    </message>
    <message>
        <source>Add WMA/WMV/ASF/MP3/WAV files from a folder</source>
        <translation>Ajouter les fichiers WMA/WMV/ASF/MP3/WAV d&apos;un dossier</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>&amp;Tout retirer</translation>
    </message>
    <message>
        <source>Remove all files from list</source>
        <translation>Retirer tous les fichiers de la liste</translation>
    </message>
    <message>
        <source>Convert to M&amp;P3</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Convertir en M&amp;P3</translation>
    </message>
    <message>
        <source>Convert all files to MP3 format</source>
        <translation>Convertir tous les fichiers au format MP3</translation>
    </message>
    <message>
        <source>Convert to W&amp;MA</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Convertir en W&amp;MA</translation>
    </message>
    <message>
        <source>Convert all files to WMA format</source>
        <translation>Convertir tous les fichiers au format WMA</translation>
    </message>
    <message>
        <source>Convert to &amp;WAV</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Convertir en &amp;WAV</translation>
    </message>
    <message>
        <source>Convert all files to WAV format</source>
        <translation>Convertir tous les fichiers au format WAV</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Tooltip of the Options button</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The title bar&apos;s button that opens the help menu</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>The title bar&apos;s button that minimises the window</extracomment>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The title bar&apos;s button that closes the window</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Visit Tonvexa Homepage</source>
        <translation>Visiter le site web de Tonvexa</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <extracomment>Beside the product name in the window&apos;s title band; about 450 pixels of room</extracomment>
        <translation>Convertisseur audio</translation>
    </message>
</context>
<context>
    <name>tonvexa::PopupMenus</name>
    <message>
        <source>File list</source>
        <extracomment>Name of the file list&apos;s context menu for screen readers</extracomment>
        <translation>Liste des fichiers</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Name of the help menu for screen readers</extracomment>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>tonvexa::PresetControls</name>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 16 kbit/s, Mono (qualité faible, fichiers plus petits)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbit/s, Stéréo jointe (qualité correcte, petite taille)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbit/s, Stéréo jointe (qualité moyenne, taille normale)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbit/s, Stéréo jointe (proche de la qualité CD, grande taille)</translation>
    </message>
    <message>
        <source>11025 Hz, 8 bits, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 8 bits, Mono (qualité faible, fichiers plus petits)</translation>
    </message>
    <message>
        <source>22050 Hz, 16 bits, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 16 bits, Stéréo (qualité correcte, petite taille)</translation>
    </message>
    <message>
        <source>32000 Hz, 16 bits, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 16 bits, Stéréo (qualité moyenne, taille normale)</translation>
    </message>
    <message>
        <source>44100Hz, 16 bits, Stereo (high quality, large size)</source>
        <translation>44100 Hz, 16 bits, Stéréo (haute qualité, grande taille)</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>Encoding preset: the program chooses the parameters to suit each file</extracomment>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Encoding preset: the parameters chosen below it</extracomment>
        <translation>Personnalisé</translation>
    </message>
</context>
<context>
    <name>tonvexa::ProgressDialogFrame</name>
    <message>
        <source>Cancel</source>
        <extracomment>Ends the adding of files or the conversion under way</extracomment>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tonvexa::SortableListCtrl</name>
    <message>
        <source>File list</source>
        <extracomment>Name of the list of files to convert, for screen readers</extracomment>
        <translation>Liste des fichiers</translation>
    </message>
</context>
<context>
    <name>tonvexa::TagOptionControls</name>
    <message>
        <source>ID3 Tag</source>
        <translation>Balise ID3</translation>
    </message>
    <message>
        <source>Add &amp;ID3 tag</source>
        <extracomment>The output gets the tag edited with &quot;Edit ID3 tag&quot;</extracomment>
        <translation>Ajouter une balise &amp;ID3</translation>
    </message>
    <message>
        <source>&amp;Keep ID3 tag</source>
        <extracomment>The output gets the source file&apos;s tag</extracomment>
        <translation>&amp;Conserver la balise ID3</translation>
    </message>
    <message>
        <source>No ID3 tag</source>
        <translation>Aucune balise ID3</translation>
    </message>
    <message>
        <source>Edit ID3 &amp;tag</source>
        <translation>Modifier la &amp;balise ID3</translation>
    </message>
</context>
<context>
    <name>tonvexa::UpDownControl</name>
    <message>
        <source>Up</source>
        <extracomment>Name for screen readers of the arrow that raises the number beside it</extracomment>
        <translation>Augmenter</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Name for screen readers of the arrow that lowers the number beside it</extracomment>
        <translation>Diminuer</translation>
    </message>
</context>
</TS>
