<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AncestorsList</name>
    <message>
        <source>Ancestor List (with repeats)</source>
        <translation>Liste d&apos;ascendance (avec répétitions)</translation>
    </message>
    <message>
        <source>Ancestor List (without repeats)</source>
        <translation>Liste d&apos;ascendance (sans répétitions)</translation>
    </message>
    <message>
        <source>Pedigree Position</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Sosa</translation>
    </message>
    <message>
        <source>R&apos;P</source>
        <translation>Rép.</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>naiss.</translation>
    </message>
    <message>
        <source>PPN too large to display.</source>
        <translation>Numéro Sosa trop grand.</translation>
    </message>
</context>
<context>
    <name>BrowseWindow</name>
    <message>
        <source>Choose a person</source>
        <translation>Choisir une personne</translation>
    </message>
    <message>
        <source>Loading ... </source>
        <translation>Chargement ... </translation>
    </message>
    <message>
        <source>Type part of a name</source>
        <translation>Tapez une partie du nom</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>C&amp;hoose</source>
        <translation>C&amp;hoisir</translation>
    </message>
    <message>
        <source>Loading ... Done</source>
        <translation>Chargement ... terminé</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>No name holds &quot;%1&quot;</source>
        <translation>Aucun nom ne contient « %1 »</translation>
    </message>
    <message>
        <source>There is no marriage record for this person.</source>
        <translation>Il n&apos;y a aucun mariage enregistré pour cette personne.</translation>
    </message>
    <message>
        <source>Next you will see a list of spouses for 

%1

 Please choose one.</source>
        <translation>Vous allez voir la liste des conjoints de 

%1

 Veuillez en choisir un.</translation>
    </message>
    <message>
        <source>b.</source>
        <translation>n.</translation>
    </message>
    <message>
        <source>c.</source>
        <translation>bapt.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>will not write %1: it is the data file being read</source>
        <translation>n&apos;écrira pas %1 : c&apos;est le fichier de données en cours de lecture</translation>
    </message>
    <message>
        <source>will not write %1</source>
        <translation>n&apos;écrira pas %1</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Utilisation :</translation>
    </message>
    <message>
        <source>  tamblewin report KIND --paf FILE.paf [--start TEXT] [-o OUT] [--format pdf|png|svg|log]
                 [--paper letter|legal|tabloid|a5|a4|a3] [--large-sheets]
                 [--date YYYY-MM-DD] [--plain-background]
                                lay out a report and write it as PDF, PNG or SVG pages or as
                                its page log; --start is the RIN, or the MRINs (&quot;23,24&quot;);
                                --paper: the paper to lay it out on (see below);
                                --large-sheets: on A5, A4 or A3 paper the Descendant Summary
                                Chart may take an A3 sheet where it needs a larger one
                                (without it, it fits itself onto the paper);
                                --plain-background: the Family Tree Chart&apos;s crown as plain
                                ovals instead of leaves
</source>
        <translation>  tamblewin report KIND --paf FILE.paf [--start TEXT] [-o OUT] [--format pdf|png|svg|log]
                 [--paper letter|legal|tabloid|a5|a4|a3] [--large-sheets]
                 [--date YYYY-MM-DD] [--plain-background]
                                met en page un rapport et l&apos;écrit en pages PDF, PNG ou SVG ou
                                en journal de pages ; --start est le RIN, ou les MRIN (« 23,24 ») ;
                                --paper : le papier de la mise en page (voir plus bas) ;
                                --large-sheets : sur papier A5, A4 ou A3, le tableau récapitulatif
                                de descendance peut prendre une feuille A3 là où il lui en faut
                                une plus grande (sans cette option, il s&apos;adapte au papier) ;
                                --plain-background : la couronne de l&apos;arbre généalogique en
                                ovales simples au lieu de feuilles
</translation>
    </message>
    <message>
        <source>  tamblewin info FILE.paf       header figures of a PAF 5 data file
</source>
        <translation>  tamblewin info FILE.paf       chiffres d&apos;en-tête d&apos;un fichier de données PAF 5
</translation>
    </message>
    <message>
        <source>  tamblewin people FILE.paf     every individual in name order, with the RIN
</source>
        <translation>  tamblewin people FILE.paf     chaque individu dans l&apos;ordre des noms, avec son RIN
</translation>
    </message>
    <message>
        <source>  tamblewin families FILE.paf   every marriage: MRIN, husband, wife and marriage year,
                                separated by tabs
</source>
        <translation>  tamblewin families FILE.paf   chaque mariage : MRIN, mari, épouse et année du mariage,
                                séparés par des tabulations
</translation>
    </message>
    <message>
        <source>  tamblewin import FILE.ged -o FILE.paf
                                build a PAF 5 file from a GEDCOM file; letters PAF cannot
                                hold become plain letters. report, info, people and
                                families also take a GEDCOM file directly, known by its
                                first line (0 HEAD) whatever its name
</source>
        <translation>  tamblewin import FILE.ged -o FILE.paf
                                crée un fichier PAF 5 à partir d&apos;un fichier GEDCOM ; les lettres
                                que PAF ne peut pas contenir deviennent des lettres simples.
                                report, info, people et families acceptent aussi directement
                                un fichier GEDCOM, reconnu à sa première ligne (0 HEAD),
                                quel que soit son nom
</translation>
    </message>
    <message>
        <source>  tamblewin FILE                the windows, with that PAF or GEDCOM file chosen
</source>
        <translation>  tamblewin FILE                les fenêtres, avec ce fichier PAF ou GEDCOM choisi
</translation>
    </message>
    <message>
        <source>--language CODE, before or after any command, gives the language of the words
on the pages, in the windows and in the messages: de (German), fr (French),
es (Spanish), nl (Dutch), sv (Swedish), nb (Norwegian Bokmal) or en (English).
Without it the language is the first that LANGUAGE lists, else that of LC_ALL,
LC_MESSAGES or LANG; a language tamblewin does not have is English.
</source>
        <translation>--language CODE, avant ou après toute commande, donne la langue des mots
sur les pages, dans les fenêtres et dans les messages : de (allemand), fr (français),
es (espagnol), nl (néerlandais), sv (suédois), nb (norvégien bokmål) ou en (anglais).
Sans cette option, la langue est la première que LANGUAGE indique, sinon celle de LC_ALL,
LC_MESSAGES ou LANG ; une langue que tamblewin n&apos;a pas donne l&apos;anglais.
</translation>
    </message>
    <message>
        <source>Without --paper the paper is the one PAPERSIZE names, else the first word of the
paper configuration file (/etc/papersize, or the file PAPERCONF names), else the
locale&apos;s (LC_ALL, else LC_PAPER, else LANG): letter in the United States, Canada,
Mexico, the Philippines, Chile, Colombia and Venezuela, A4 in every other country;
else letter. A name tamblewin does not know is passed over.
</source>
        <translation>Sans --paper, le papier est celui que PAPERSIZE nomme, sinon le premier mot du
fichier de configuration du papier (/etc/papersize, ou le fichier que PAPERCONF nomme),
sinon celui de la locale (LC_ALL, sinon LC_PAPER, sinon LANG) : letter aux États-Unis,
au Canada, au Mexique, aux Philippines, au Chili, en Colombie et au Venezuela, A4 dans
tous les autres pays ; sinon letter. Un nom que tamblewin ne connaît pas est ignoré.
</translation>
    </message>
    <message>
        <source>The data file is only ever read, never written: no output may be the data file or
the GEDCOM file read, and every output is written whole or not at all. Messages
go to standard error. Exit status:
</source>
        <translation>Le fichier de données est seulement lu, jamais écrit : aucune sortie ne peut être le fichier
de données ou le fichier GEDCOM lu, et chaque sortie est écrite en entier ou pas du tout.
Les messages vont sur la sortie d&apos;erreur standard. Code de sortie :
</translation>
    </message>
    <message>
        <source>  0  complete
  1  could not do what was asked (a missing file, no page, stopped with Ctrl-C)
  2  bad command line or start field, or an output that is an input
  3  the data file is damaged and nothing was written
  4  the output was written, but the data file is damaged (the messages say where)
  5  out of memory
</source>
        <translation>  0  terminé
  1  impossible de faire ce qui était demandé (fichier manquant, aucune page, arrêt par Ctrl-C)
  2  ligne de commande ou champ de départ erroné, ou sortie qui est une entrée
  3  le fichier de données est endommagé et rien n&apos;a été écrit
  4  la sortie a été écrite, mais le fichier de données est endommagé (les messages disent où)
  5  mémoire insuffisante
</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d&apos;écrire sur la sortie standard : %1</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>impossible d&apos;écrire sur la sortie standard</translation>
    </message>
    <message>
        <source>&apos;import&apos; does not take &apos;%1&apos;</source>
        <translation>&apos;import&apos; n&apos;accepte pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;import&apos; takes a GEDCOM file and -o FILE.paf</source>
        <translation>&apos;import&apos; prend un fichier GEDCOM et -o FILE.paf</translation>
    </message>
    <message>
        <source>the PAF file must not be the GEDCOM file itself</source>
        <translation>le fichier PAF ne doit pas être le fichier GEDCOM lui-même</translation>
    </message>
    <message>
        <source>will not write %1; choose another output</source>
        <translation>n&apos;écrira pas %1 ; choisissez une autre sortie</translation>
    </message>
    <message>
        <source>will not write %1: %2; choose another output</source>
        <translation>n&apos;écrira pas %1 : %2 ; choisissez une autre sortie</translation>
    </message>
    <message>
        <source>%1 names and places hold letters a PAF file cannot; they were written with plain letters, and &quot;?&quot; where there is none</source>
        <translation>%1 noms et lieux contiennent des lettres qu&apos;un fichier PAF ne peut pas contenir ; ils ont été écrits en lettres simples, et « ? » là où il n&apos;y en a pas</translation>
    </message>
    <message>
        <source>the import was stopped; nothing was written</source>
        <translation>l&apos;importation a été interrompue ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1 : ne peut pas être écrit</translation>
    </message>
    <message>
        <source>Wrote %1 individuals and %2 marriages to %3</source>
        <translation>%1 individus et %2 mariages écrits dans %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one data file</source>
        <translation>&apos;%1&apos; prend un seul fichier de données</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>this build of tamblewin writes page logs only (--format log); PDF, PNG and SVG need the full build</source>
        <translation>cette version de tamblewin n&apos;écrit que des journaux de pages (--format log) ; PDF, PNG et SVG nécessitent la version complète</translation>
    </message>
    <message>
        <source>PNG and SVG pages are written by the Qt module</source>
        <translation>les pages PNG et SVG sont écrites par le module Qt</translation>
    </message>
    <message>
        <source>page logs are not written through a printer</source>
        <translation>les journaux de pages ne passent pas par une imprimante</translation>
    </message>
    <message>
        <source>1 problem in the GEDCOM file was passed over; `tamblewin import %1 -o X.paf` lists it</source>
        <translation>1 problème du fichier GEDCOM a été ignoré ; `tamblewin import %1 -o X.paf` l&apos;affiche</translation>
    </message>
    <message>
        <source>%2 problems in the GEDCOM file were passed over; `tamblewin import %1 -o X.paf` lists them</source>
        <translation>%2 problèmes du fichier GEDCOM ont été ignorés ; `tamblewin import %1 -o X.paf` les affiche</translation>
    </message>
    <message>
        <source>Laying out generation %1</source>
        <translation>Mise en page de la génération %1</translation>
    </message>
    <message>
        <source>Writing page %1 of %2</source>
        <translation>Écriture de la page %1 sur %2</translation>
    </message>
    <message>
        <source>the program&apos;s own folder is not known</source>
        <translation>le dossier du programme est inconnu</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est absent</translation>
    </message>
    <message>
        <source>%1 has no %2</source>
        <translation>%1 n&apos;a pas de %2</translation>
    </message>
    <message>
        <source>the windows and PNG and SVG pages need Qt&apos;s module: %1</source>
        <translation>les fenêtres et les pages PNG et SVG nécessitent le module Qt : %1</translation>
    </message>
    <message>
        <source>&apos;report&apos; needs a report kind; the kinds are:
%1</source>
        <translation>&apos;report&apos; attend un type de rapport ; les types sont :
%1</translation>
    </message>
    <message>
        <source>unknown report kind &apos;%1&apos;; the kinds are:
%2</source>
        <translation>type de rapport inconnu &apos;%1&apos; ; les types sont :
%2</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l&apos;option &apos;%1&apos; attend une valeur</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (pdf, png, svg or log)</source>
        <translation>format inconnu &apos;%1&apos; (pdf, png, svg ou log)</translation>
    </message>
    <message>
        <source>unknown paper &apos;%1&apos;; the papers are %2</source>
        <translation>papier inconnu &apos;%1&apos; ; les papiers sont %2</translation>
    </message>
    <message>
        <source>--date wants a date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--date attend une date au format YYYY-MM-DD, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;report&apos; needs the data file: --paf FILE.paf</source>
        <translation>&apos;report&apos; attend le fichier de données : --paf FILE.paf</translation>
    </message>
    <message>
        <source>--start &apos;%1&apos; is not a RIN or a list of MRINs such as 23,24</source>
        <translation>--start &apos;%1&apos; n&apos;est ni un RIN ni une liste de MRIN comme 23,24</translation>
    </message>
    <message>
        <source>cannot tell the format from &apos;%1&apos;; give --format</source>
        <translation>impossible de déduire le format de &apos;%1&apos; ; indiquez --format</translation>
    </message>
    <message>
        <source>SOURCE_DATE_EPOCH wants seconds since 1970 within the years 1 to 9999, not &apos;%1&apos;</source>
        <translation>SOURCE_DATE_EPOCH attend des secondes depuis 1970 comprises dans les années 1 à 9999, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 page</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 pages</translation>
    </message>
    <message>
        <source>Removed 1 page file left from an earlier, longer run</source>
        <translation>1 fichier de page laissé par une exécution précédente plus longue a été supprimé</translation>
    </message>
    <message>
        <source>Removed %1 page files left from an earlier, longer run</source>
        <translation>%1 fichiers de page laissés par une exécution précédente plus longue ont été supprimés</translation>
    </message>
    <message>
        <source>will not write %1: it is the data file being read; choose another output</source>
        <translation>n&apos;écrira pas %1 : c&apos;est le fichier de données en cours de lecture ; choisissez une autre sortie</translation>
    </message>
    <message>
        <source>only the page log (--format log) can go to standard output</source>
        <translation>seul le journal de pages (--format log) peut aller sur la sortie standard</translation>
    </message>
    <message>
        <source>%1 is a folder; give a file name for the page log</source>
        <translation>%1 est un dossier ; donnez un nom de fichier pour le journal de pages</translation>
    </message>
    <message>
        <source>%1 is a folder; give a file name for the PDF document</source>
        <translation>%1 est un dossier ; donnez un nom de fichier pour le document PDF</translation>
    </message>
    <message>
        <source>cannot write the page log</source>
        <translation>impossible d&apos;écrire le journal de pages</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>Wrote the page log of %1 to %2</source>
        <translation>Journal de pages de %1 écrit dans %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>cannot write %1 in full</source>
        <translation>impossible d&apos;écrire %1 en entier</translation>
    </message>
    <message>
        <source>Wrote %1 to %2</source>
        <translation>Écrit : %1 dans %2</translation>
    </message>
    <message>
        <source>no report was written: the start field was refused</source>
        <translation>aucun rapport n&apos;a été écrit : le champ de départ a été refusé</translation>
    </message>
    <message>
        <source>the report was stopped; nothing was written</source>
        <translation>le rapport a été interrompu ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>the report stopped on bad data; nothing was written</source>
        <translation>le rapport s&apos;est arrêté sur des données erronées ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>the report produced no page; nothing was written</source>
        <translation>le rapport n&apos;a produit aucune page ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>stopped; nothing was written</source>
        <translation>interrompu ; rien n&apos;a été écrit</translation>
    </message>
</context>
<context>
    <name>CoupleListWindow</name>
    <message>
        <source>Marriage Choose Rin</source>
        <translation>Choix du mariage</translation>
    </message>
</context>
<context>
    <name>DataFileWindow</name>
    <message>
        <source>Which data file do you want to use?</source>
        <translation>Quel fichier de données voulez-vous utiliser ?</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Data file - %1</source>
        <translation>Fichier de données - %1</translation>
    </message>
    <message>
        <source>There must be a valid PAF file name.</source>
        <translation>Il faut un nom de fichier PAF valide.</translation>
    </message>
    <message>
        <source>Opening %1 ...</source>
        <translation>Ouverture de %1 ...</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <source>%1 is a folder, not a data file.</source>
        <translation>%1 est un dossier, pas un fichier de données.</translation>
    </message>
    <message>
        <source>%1

is neither a PAF 5 data file nor a GEDCOM file, so it cannot be opened.</source>
        <translation>%1

n&apos;est ni un fichier de données PAF 5 ni un fichier GEDCOM ; il ne peut donc pas être ouvert.</translation>
    </message>
    <message>
        <source>%1

cannot be read: %2.</source>
        <translation>%1

ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Family files</source>
        <translation>Fichiers familiaux</translation>
    </message>
    <message>
        <source>PAF 5 data files</source>
        <translation>Fichiers de données PAF 5</translation>
    </message>
    <message>
        <source>GEDCOM files</source>
        <translation>Fichiers GEDCOM</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>Aft</source>
        <translation>ap.</translation>
    </message>
    <message>
        <source>Cal</source>
        <translation>calc.</translation>
    </message>
    <message>
        <source>DNS</source>
        <translation>DNS</translation>
    </message>
    <message>
        <source>Stillborn</source>
        <translation>Mort-né</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non validé</translation>
    </message>
    <message>
        <source>Abt</source>
        <translation>vers</translation>
    </message>
    <message>
        <source>Bef</source>
        <translation>av.</translation>
    </message>
    <message>
        <source>Est</source>
        <translation>est.</translation>
    </message>
    <message>
        <source>BIC</source>
        <translation>BIC</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Enfant</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Validé</translation>
    </message>
    <message>
        <source>Out of range month</source>
        <translation>Mois hors limites</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>janv</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc</translation>
    </message>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
</context>
<context>
    <name>DescendantSummaryChart</name>
    <message>
        <source>The chart counts the first %1 generations:
the next generation would take the count past %2 entries.</source>
        <translation>Le tableau compte les %1 premières générations :
la génération suivante porterait le compte au-delà de %2 entrées.</translation>
    </message>
    <message>
        <source>Only the first %1 generations below the couple are counted: the next would take the count past %2 people.</source>
        <translation>Seules les %1 premières générations sous le couple sont comptées : la suivante porterait le compte au-delà de %2 personnes.</translation>
    </message>
    <message>
        <source>Only the first %1 generations below the couple are counted: the chart counts no further.</source>
        <translation>Seules les %1 premières générations sous le couple sont comptées : le tableau ne compte pas plus loin.</translation>
    </message>
    <message>
        <source>1 child</source>
        <translation>1 enfant</translation>
    </message>
    <message>
        <source>its %1 generations do not fit across the page.</source>
        <translation>ses %1 générations ne tiennent pas dans la largeur de la page.</translation>
    </message>
    <message>
        <source>This couple has more generations of data than
will fit on this report.  Be advised that the report
will show only the first %1 generations of data.</source>
        <translation>Ce couple a plus de générations de données que
ce rapport ne peut en contenir. Notez que le rapport
n&apos;affichera que les %1 premières générations.</translation>
    </message>
    <message>
        <source>This information could not
be formatted into any of
the 4 forms of this chart:
%1</source>
        <translation>Ces informations n&apos;ont pu
être mises en page dans aucune
des 4 formes de ce tableau :
%1</translation>
    </message>
    <message>
        <source>children</source>
        <translation>enfants</translation>
    </message>
    <message>
        <source>ch</source>
        <translation>enf</translation>
    </message>
    <message>
        <source>g&apos;ch</source>
        <translation>p-enf</translation>
    </message>
    <message>
        <source>G g&apos;ch</source>
        <translation>ap-enf</translation>
    </message>
    <message>
        <source>%1G g&apos;ch</source>
        <translation>%1e ap-enf</translation>
    </message>
    <message>
        <source>its title does not fit across the page.</source>
        <translation>son titre ne tient pas dans la largeur de la page.</translation>
    </message>
    <message>
        <source>the rows of its %1 children would stand %2 in apart, too close for the smallest type (%3 points).</source>
        <translation>les lignes de ses %1 enfants seraient espacées de %2 pouces, trop serrées pour le plus petit corps (%3 points).</translation>
    </message>
    <message>
        <source>the couple&apos;s names and dates do not fit across the page.</source>
        <translation>les noms et dates du couple ne tiennent pas dans la largeur de la page.</translation>
    </message>
    <message>
        <source>its totals do not fit across the page.</source>
        <translation>ses totaux ne tiennent pas dans la largeur de la page.</translation>
    </message>
    <message>
        <source>*repeat descendants involved</source>
        <translation>*avec descendants répétés</translation>
    </message>
    <message>
        <source>family totals (parents, descendants, and all spouses):</source>
        <translation>totaux de la famille (parents, descendants et tous les conjoints) :</translation>
    </message>
    <message>
        <source>Only the first %1 of %2 generations fit across the page; the totals count them all.</source>
        <translation>Seules les %1 premières des %2 générations tiennent dans la largeur ; les totaux les comptent toutes.</translation>
    </message>
    <message>
        <source>total descendants:</source>
        <translation>total des descendants :</translation>
    </message>
    <message>
        <source>born:</source>
        <translation>naiss. :</translation>
    </message>
    <message>
        <source>married:</source>
        <translation>mariage :</translation>
    </message>
    <message>
        <source>child</source>
        <translation>enfant</translation>
    </message>
    <message>
        <source>DESCENDANTS SUMMARY CHART</source>
        <translation>TABLEAU RÉCAPITULATIF DE DESCENDANCE</translation>
    </message>
</context>
<context>
    <name>DescendantsList</name>
    <message>
        <source>Descendants of</source>
        <translation>Descendants de</translation>
    </message>
    <message>
        <source>BIRTH</source>
        <translation>DATE</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>NAISS.</translation>
    </message>
    <message>
        <source>CHILD</source>
        <translation>LIGNE</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>ENF.</translation>
    </message>
</context>
<context>
    <name>DescendantsSummaryList</name>
    <message>
        <source>sub-totals:</source>
        <translation>sous-totaux :</translation>
    </message>
    <message>
        <source>Grand totals:</source>
        <translation>Total gén. :</translation>
    </message>
    <message>
        <source>(cont&apos;d)</source>
        <translation>(suite)</translation>
    </message>
    <message>
        <source>Descendants Summary List</source>
        <translation>Liste récapitulative des descendants</translation>
    </message>
    <message>
        <source>Child and Spouse(s)</source>
        <translation>Enfant et conjoint(s)</translation>
    </message>
    <message>
        <source>G.</source>
        <translation>arr.</translation>
    </message>
    <message>
        <source>%1G.</source>
        <translation>%1e arr.</translation>
    </message>
    <message>
        <source>ch</source>
        <translation>enf</translation>
    </message>
    <message>
        <source>gch</source>
        <translation>p-enf</translation>
    </message>
    <message>
        <source>Descendants of this couple intermarried resulting in repeat descendants.  Grand totals have been adjusted so each descendant is counted only once.</source>
        <translation>Des descendants de ce couple se sont mariés entre eux, d&apos;où des descendants répétés. Les totaux généraux ont été corrigés pour que chaque descendant ne soit compté qu&apos;une fois.</translation>
    </message>
</context>
<context>
    <name>FamilyDateChart</name>
    <message>
        <source>MRIN: %1</source>
        <translation>MRIN : %1</translation>
    </message>
    <message>
        <source>H</source>
        <translation>M</translation>
    </message>
    <message>
        <source>W</source>
        <translation>É</translation>
    </message>
    <message>
        <source>S</source>
        <translation>C</translation>
    </message>
    <message>
        <source>(1 more marriage not shown)</source>
        <translation>(1 autre mariage non affiché)</translation>
    </message>
    <message>
        <source>(%1 more marriages not shown)</source>
        <translation>(%1 autres mariages non affichés)</translation>
    </message>
    <message>
        <source>Family Date Chart</source>
        <translation>Tableau des dates familiales</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Naiss.</translation>
    </message>
    <message>
        <source>Christened</source>
        <translation>Bapt.</translation>
    </message>
    <message>
        <source>Died</source>
        <translation>Décès</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <source>Buried</source>
        <translation>Inhum.</translation>
    </message>
    <message>
        <source>Baptized</source>
        <translation>Bapt. SDJ</translation>
    </message>
    <message>
        <source>Endowed</source>
        <translation>Dotation</translation>
    </message>
    <message>
        <source>Sealed Par</source>
        <translation>Scel. par.</translation>
    </message>
    <message>
        <source>Married</source>
        <translation>Mariage</translation>
    </message>
    <message>
        <source>Sealed Sp</source>
        <translation>Scel. conj.</translation>
    </message>
</context>
<context>
    <name>FamilySummaryList</name>
    <message>
        <source>G. Grandchildren</source>
        <translation>Arrière-petits-enfants</translation>
    </message>
    <message>
        <source>%1G. Grandchildren</source>
        <translation>%1e arr.-petits-enf.</translation>
    </message>
    <message>
        <source>Themselves</source>
        <translation>Eux-mêmes</translation>
    </message>
    <message>
        <source>Totals:</source>
        <translation>Totaux :</translation>
    </message>
    <message>
        <source>Family Summary List</source>
        <translation>Liste récapitulative de la famille</translation>
    </message>
    <message>
        <source>Gen</source>
        <translation>Gén.</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>Parenté</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Descendants</translation>
    </message>
    <message>
        <source>Descendants</source>
        <translation>directs</translation>
    </message>
    <message>
        <source>Descendant&apos;s</source>
        <translation>Conjoints</translation>
    </message>
    <message>
        <source>Spouses</source>
        <translation>des desc.</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Famille</translation>
    </message>
</context>
<context>
    <name>FamilyTreeChart</name>
    <message>
        <source>married  %1</source>
        <translation>mar.  %1</translation>
    </message>
    <message>
        <source>Family Tree</source>
        <translation>Arbre familial</translation>
    </message>
    <message>
        <source>Only the first %1 children have branches: the trunk has no room for more.</source>
        <translation>Seuls les %1 premiers enfants ont des branches : le tronc n&apos;a pas la place pour plus.</translation>
    </message>
    <message>
        <source>Counts of only %1 of %2 generations fit beside the boxes: the deeper ones are left out.</source>
        <translation>Seuls les comptes de %1 des %2 générations tiennent à côté des cases : les plus profondes sont omises.</translation>
    </message>
    <message>
        <source>Some lines are counted only in part: the chart stops counting at its limit of generations and people.</source>
        <translation>Certaines lignées ne sont comptées qu&apos;en partie : le tableau cesse de compter à sa limite de générations et de personnes.</translation>
    </message>
</context>
<context>
    <name>GedcomImport</name>
    <message>
        <source>the file is larger than 2 GiB</source>
        <translation>le fichier dépasse 2 Gio</translation>
    </message>
    <message>
        <source>more than %1 links between records; this one and the rest ignored</source>
        <translation>plus de %1 liens entre enregistrements ; celui-ci et les suivants ignorés</translation>
    </message>
    <message>
        <source>the INDI record of line %1</source>
        <translation>l&apos;enregistrement INDI de la ligne %1</translation>
    </message>
    <message>
        <source>%1 is also the id of the %2 record of line %3; links to it go to that one</source>
        <translation>%1 est aussi l&apos;identifiant de l&apos;enregistrement %2 de la ligne %3 ; les liens vers lui vont à celui-là</translation>
    </message>
    <message>
        <source>%1 %2 names no INDI record; dropped</source>
        <translation>%1 %2 ne nomme aucun enregistrement INDI ; supprimé</translation>
    </message>
    <message>
        <source>%1 %2 names no FAM record; dropped</source>
        <translation>%1 %2 ne nomme aucun enregistrement FAM ; supprimé</translation>
    </message>
    <message>
        <source>CHIL %1 is already a child of this family; dropped</source>
        <translation>CHIL %1 est déjà un enfant de cette famille ; supprimé</translation>
    </message>
    <message>
        <source>a second HUSB in the family; dropped</source>
        <translation>un second HUSB dans la famille ; supprimé</translation>
    </message>
    <message>
        <source>a second WIFE in the family; dropped</source>
        <translation>une seconde WIFE dans la famille ; supprimée</translation>
    </message>
    <message>
        <source>%1 is both husband and wife of the family; the second link dropped</source>
        <translation>%1 est à la fois mari et épouse de la famille ; le second lien supprimé</translation>
    </message>
    <message>
        <source>%1 is a spouse and a child of the same family; the child link dropped</source>
        <translation>%1 est conjoint et enfant de la même famille ; le lien d&apos;enfant supprimé</translation>
    </message>
    <message>
        <source>FAMS %1: the family does not name %2 as husband or wife; dropped</source>
        <translation>FAMS %1 : la famille ne nomme pas %2 comme mari ou épouse ; supprimé</translation>
    </message>
    <message>
        <source>FAMC %1: %2 is husband or wife of that family; dropped</source>
        <translation>FAMC %1 : %2 est mari ou épouse de cette famille ; supprimé</translation>
    </message>
    <message>
        <source>FAMC %1: the family does not list %2 as a child; added as its last child</source>
        <translation>FAMC %1 : la famille ne liste pas %2 comme enfant ; ajouté comme son dernier enfant</translation>
    </message>
    <message>
        <source>SLGC without FAMC, and %1 is a child of %2 families; dropped</source>
        <translation>SLGC sans FAMC, et %1 est enfant de %2 familles ; supprimé</translation>
    </message>
    <message>
        <source>SLGC: %1 is not a child of %2; dropped</source>
        <translation>SLGC : %1 n&apos;est pas un enfant de %2 ; supprimé</translation>
    </message>
    <message>
        <source>%1 is his or her own ancestor</source>
        <translation>%1 est son propre ascendant</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>illisible : %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>... and %1 more warnings</source>
        <translation>... et %1 autres avertissements</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes; cut there</source>
        <translation>la ligne dépasse %1 octets ; coupée là</translation>
    </message>
    <message>
        <source>text after &quot;0 TRLR&quot; ignored</source>
        <translation>texte après « 0 TRLR » ignoré</translation>
    </message>
    <message>
        <source>not a GEDCOM line (no level number), ignored: &quot;%1&quot;</source>
        <translation>pas une ligne GEDCOM (pas de numéro de niveau), ignorée : « %1 »</translation>
    </message>
    <message>
        <source>not a GEDCOM line, ignored: &quot;%1&quot;</source>
        <translation>pas une ligne GEDCOM, ignorée : « %1 »</translation>
    </message>
    <message>
        <source>level %1 follows level %2; the line and the lines under it ignored</source>
        <translation>le niveau %1 suit le niveau %2 ; la ligne et les lignes en dessous ignorées</translation>
    </message>
    <message>
        <source>malformed line, ignored with the lines under it: &quot;%1&quot;</source>
        <translation>ligne mal formée, ignorée avec les lignes en dessous : « %1 »</translation>
    </message>
    <message>
        <source>the file ends without &quot;0 TRLR&quot;; it may have been cut short</source>
        <translation>le fichier se termine sans « 0 TRLR » ; il a peut-être été tronqué</translation>
    </message>
    <message>
        <source>more than %1 %2 records; this one and the rest ignored</source>
        <translation>plus de %1 enregistrements %2 ; celui-ci et les suivants ignorés</translation>
    </message>
    <message>
        <source>%1 record without a cross-reference id; nothing can link to it</source>
        <translation>enregistrement %1 sans identifiant de renvoi ; rien ne peut y mener</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a link to a record; ignored</source>
        <translation>%1 « %2 » n&apos;est pas un lien vers un enregistrement ; ignoré</translation>
    </message>
    <message>
        <source>not a GEDCOM file: it does not begin with &quot;0 HEAD&quot; (line %1: &quot;%2&quot;)</source>
        <translation>pas un fichier GEDCOM : il ne commence pas par « 0 HEAD » (ligne %1 : « %2 »)</translation>
    </message>
    <message>
        <source>not a GEDCOM file: it holds no lines</source>
        <translation>pas un fichier GEDCOM : il ne contient aucune ligne</translation>
    </message>
    <message>
        <source>the file is not valid UTF-8; malformed characters read as &quot;?&quot;</source>
        <translation>le fichier n&apos;est pas en UTF-8 valide ; caractères mal formés lus comme « ? »</translation>
    </message>
    <message>
        <source>the header says ANSEL but the file is UTF-8; it was read as UTF-8</source>
        <translation>l&apos;en-tête indique ANSEL mais le fichier est en UTF-8 ; il a été lu en UTF-8</translation>
    </message>
    <message>
        <source>the header says %1 but the file is not; it was read as Windows-1252</source>
        <translation>l&apos;en-tête indique %1 mais le fichier ne l&apos;est pas ; il a été lu en Windows-1252</translation>
    </message>
</context>
<context>
    <name>GroupedDescendantsList</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Great Grandchildren</source>
        <translation>Arrière-petits-enfants</translation>
    </message>
    <message>
        <source>%1 Great Grandchildren</source>
        <translation>%1 arrière-petits-enfants</translation>
    </message>
    <message>
        <source>repeated</source>
        <translation>répété</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Problem!</source>
        <translation>Problème !</translation>
    </message>
    <message>
        <source>The MRIN is invalid</source>
        <translation>Le MRIN n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Error reading a marriage record</source>
        <translation>Erreur de lecture d&apos;un enregistrement de mariage</translation>
    </message>
    <message>
        <source>The RIN is invalid</source>
        <translation>Le RIN n&apos;est pas valide</translation>
    </message>
    <message>
        <source>The branch positions could not be saved in
%1</source>
        <translation>Les positions des branches n&apos;ont pas pu être enregistrées dans
%1</translation>
    </message>
    <message>
        <source>The branch positions could not be saved in
%1:
%2</source>
        <translation>Les positions des branches n&apos;ont pas pu être enregistrées dans
%1 :
%2</translation>
    </message>
    <message>
        <source>Whoops!</source>
        <translation>Oups !</translation>
    </message>
    <message>
        <source>symbol</source>
        <translation>symboles</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>1 name or place</source>
        <translation>1 nom ou lieu</translation>
    </message>
    <message>
        <source>%1 names and places</source>
        <translation>%1 noms et lieux</translation>
    </message>
    <message>
        <source>%1 is not installed: the %2 characters of %3 print as empty boxes.</source>
        <translation>%1 n&apos;est pas installée : dans %3, les caractères (%2) s&apos;impriment comme des cases vides.</translation>
    </message>
    <message>
        <source>%1 is not installed: the %2 characters of %3 print as empty boxes (Debian&apos;s %4 has it).</source>
        <translation>%1 n&apos;est pas installée : dans %3, les caractères (%2) s&apos;impriment comme des cases vides (le paquet Debian %4 la contient).</translation>
    </message>
    <message>
        <source>No installed font has the %1 characters of %2: they print as empty boxes.</source>
        <translation>Aucune police installée n&apos;a les caractères (%1) de %2 : ils s&apos;impriment comme des cases vides.</translation>
    </message>
    <message>
        <source>Unknown date type</source>
        <translation>Type de date inconnu</translation>
    </message>
    <message>
        <source>(this file holds no %1)</source>
        <translation>(ce fichier ne contient aucun %1)</translation>
    </message>
    <message>
        <source>(%1 in this file run from 1 to %2)</source>
        <translation>(les %1 de ce fichier vont de 1 à %2)</translation>
    </message>
    <message>
        <source>This Rin is out of range
%1</source>
        <translation>Ce RIN est hors limites
%1</translation>
    </message>
    <message>
        <source>This Rin references a record
which has been deleted.</source>
        <translation>Ce RIN renvoie à un enregistrement
qui a été supprimé.</translation>
    </message>
    <message>
        <source>This MRin is out of range
%1</source>
        <translation>Ce MRIN est hors limites
%1</translation>
    </message>
    <message>
        <source>This MRin references a record
which has been deleted.</source>
        <translation>Ce MRIN renvoie à un enregistrement
qui a été supprimé.</translation>
    </message>
    <message>
        <source>PAF file is corrupted.  Open failed.</source>
        <translation>Le fichier PAF est endommagé. Échec de l&apos;ouverture.</translation>
    </message>
    <message>
        <source>Open failed.  If PAF is running,
even if it is minimized,
Tamblewin can&apos;t get access
to the data file.  Please
close PAF and try again.</source>
        <translation>Échec de l&apos;ouverture. Si PAF est en cours
d&apos;exécution, même réduit,
Tamblewin ne peut pas accéder
au fichier de données. Veuillez
fermer PAF et réessayer.</translation>
    </message>
    <message>
        <source>Open failed.  Error code: %1</source>
        <translation>Échec de l&apos;ouverture. Code d&apos;erreur : %1</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>Alerte !</translation>
    </message>
    <message>
        <source>Open failed: %1.</source>
        <translation>Échec de l&apos;ouverture : %1.</translation>
    </message>
    <message>
        <source>1 problem in %1 was passed over:</source>
        <translation>1 problème dans %1 a été ignoré :</translation>
    </message>
    <message>
        <source>%1 problems in %2 were passed over:</source>
        <translation>%1 problèmes dans %2 ont été ignorés :</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>%1: the imported family could not be opened: %2</source>
        <translation>%1 : la famille importée n&apos;a pas pu être ouverte : %2</translation>
    </message>
    <message>
        <source>GEDCOM import</source>
        <translation>Importation GEDCOM</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>The start number must be 1 or more</source>
        <translation>Le numéro de départ doit être 1 ou plus</translation>
    </message>
    <message>
        <source>The %1 is not available in this version of Tamblewin.</source>
        <translation>Le rapport « %1 » n&apos;est pas disponible dans cette version de Tamblewin.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file to write</source>
        <translation>%1 est un dossier, pas un fichier à écrire</translation>
    </message>
    <message>
        <source>%1 is a FIFO, not a file to write</source>
        <translation>%1 est un FIFO, pas un fichier à écrire</translation>
    </message>
    <message>
        <source>%1 is a socket, not a file to write</source>
        <translation>%1 est un socket, pas un fichier à écrire</translation>
    </message>
    <message>
        <source>%1 is a device, not a file to write</source>
        <translation>%1 est un périphérique, pas un fichier à écrire</translation>
    </message>
    <message>
        <source>%1 is no regular file, not a file to write</source>
        <translation>%1 n&apos;est pas un fichier ordinaire, pas un fichier à écrire</translation>
    </message>
    <message>
        <source>%1 is the data file being read</source>
        <translation>%1 est le fichier de données en cours de lecture</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the file is larger than %1</source>
        <translation>le fichier dépasse %1</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>le fichier a changé pendant sa lecture</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>c&apos;est un tube nommé, pas un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c&apos;est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c&apos;est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>il dépasse %1</translation>
    </message>
    <message>
        <source>the file is too short for a PAF header: bytes %1</source>
        <translation>le fichier est trop court pour un en-tête PAF : octets %1</translation>
    </message>
    <message>
        <source>the file has no PAF signature</source>
        <translation>le fichier n&apos;a pas de signature PAF</translation>
    </message>
    <message>
        <source>the header announces an impossible number of page spaces: %1</source>
        <translation>l&apos;en-tête annonce un nombre impossible d&apos;espaces de pages : %1</translation>
    </message>
    <message>
        <source>the path cannot be used</source>
        <translation>le chemin est inutilisable</translation>
    </message>
    <message>
        <source>the page-count table is cut short</source>
        <translation>la table du nombre de pages est tronquée</translation>
    </message>
    <message>
        <source>the page-type map of page space %1 is cut short</source>
        <translation>la carte des types de pages de l&apos;espace %1 est tronquée</translation>
    </message>
    <message>
        <source>the page-type map of page space %1 does not start with its own type</source>
        <translation>la carte des types de pages de l&apos;espace %1 ne commence pas par son propre type</translation>
    </message>
    <message>
        <source>the page-count table gives %1 pages of type %2 in page space %3, but its map lists %4</source>
        <translation>la table du nombre de pages indique %1 pages de type %2 dans l&apos;espace %3, mais sa carte en liste %4</translation>
    </message>
    <message>
        <source>the family does not fit in 31 page spaces</source>
        <translation>la famille ne tient pas dans 31 espaces de pages</translation>
    </message>
    <message>
        <source>the marriages&apos; links do not match the marriages</source>
        <translation>les liens des mariages ne correspondent pas aux mariages</translation>
    </message>
    <message>
        <source>marriage %1 names a person who does not exist</source>
        <translation>le mariage %1 nomme une personne qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>person %1 lists a marriage that does not exist</source>
        <translation>la personne %1 liste un mariage qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>Invalid Rin</source>
        <translation>RIN non valide</translation>
    </message>
    <message>
        <source>Corrupt Data.  Run check/repair
in PAF to repair data.</source>
        <translation>Données corrompues.  Lancez vérifier/réparer
dans PAF pour réparer les données.</translation>
    </message>
    <message>
        <source>individual</source>
        <translation>individu</translation>
    </message>
    <message>
        <source>marriage</source>
        <translation>mariage</translation>
    </message>
    <message>
        <source>name index</source>
        <translation>index des noms</translation>
    </message>
    <message>
        <source>record</source>
        <translation>enregistrement</translation>
    </message>
    <message>
        <source>node</source>
        <translation>nœud</translation>
    </message>
    <message>
        <source>child link</source>
        <translation>lien d&apos;enfant</translation>
    </message>
    <message>
        <source>child chain at link</source>
        <translation>chaîne d&apos;enfants au lien</translation>
    </message>
    <message>
        <source>marriage chain at marriage</source>
        <translation>chaîne de mariages au mariage</translation>
    </message>
    <message>
        <source>parents&apos; marriage</source>
        <translation>mariage des parents</translation>
    </message>
    <message>
        <source>own marriage</source>
        <translation>propre mariage</translation>
    </message>
    <message>
        <source>father</source>
        <translation>père</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>mère</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>est illisible</translation>
    </message>
    <message>
        <source>is deleted</source>
        <translation>est supprimé</translation>
    </message>
    <message>
        <source>loops</source>
        <translation>boucle</translation>
    </message>
    <message>
        <source>is reached twice</source>
        <translation>est atteint deux fois</translation>
    </message>
    <message>
        <source>is beyond the last individual</source>
        <translation>est au-delà du dernier individu</translation>
    </message>
    <message>
        <source>is beyond the last node</source>
        <translation>est au-delà du dernier nœud</translation>
    </message>
    <message>
        <source>does not name him as husband</source>
        <translation>ne le nomme pas comme mari</translation>
    </message>
    <message>
        <source>does not name her as wife</source>
        <translation>ne la nomme pas comme épouse</translation>
    </message>
    <message>
        <source>closes a loop (someone is his own ancestor); cut there</source>
        <translation>ferme une boucle (quelqu&apos;un est son propre ascendant) ; coupé là</translation>
    </message>
    <message>
        <source> (the last is %1)</source>
        <translation> (le dernier est %1)</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Page Preview</source>
        <translation>Aperçu de la page</translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Page </translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Aller</translation>
    </message>
    <message>
        <source>Format 2</source>
        <translation>Format 2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Next Pos</source>
        <translation>Pos. suiv.</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Ajuster largeur</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Ajuster page</translation>
    </message>
    <message>
        <source>Page Preview - %1</source>
        <translation>Aperçu de la page - %1</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>sur %1</translation>
    </message>
    <message>
        <source>If you decide you want to go back to Format 1
you must cancel out of this run and start all
over again.</source>
        <translation>Si vous décidez de revenir au format 1,
vous devez annuler cette exécution et tout
recommencer.</translation>
    </message>
    <message>
        <source>The branch positions were saved in
%1</source>
        <translation>Les positions des branches ont été enregistrées dans
%1</translation>
    </message>
</context>
<context>
    <name>PrintWindow</name>
    <message>
        <source>Cannot write %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>No PDF file was named to print into.</source>
        <translation>Aucun fichier PDF n&apos;a été indiqué pour l&apos;impression.</translation>
    </message>
    <message>
        <source>The printer %1 could not start printing.</source>
        <translation>L&apos;imprimante %1 n&apos;a pas pu commencer l&apos;impression.</translation>
    </message>
    <message>
        <source>Cannot write %1: the font %2 is not installed</source>
        <translation>Impossible d&apos;écrire %1 : la police %2 n&apos;est pas installée</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>Before the first page&apos;s field of a range: &quot;Pages [ 3 ] to [ 7 ]&quot;</extracomment>
        <translation>Pages</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the first and the last page&apos;s fields of a range: &quot;Pages [ 3 ] to [ 7 ]&quot;</extracomment>
        <translation>à</translation>
    </message>
    <message>
        <source>Printing ...</source>
        <translation>Impression ...</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>%1 of %2 pages printed</source>
        <translation>%1 pages imprimées sur %2</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Page actuelle</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Imprimante :</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papier :</translation>
    </message>
    <message>
        <source>A3 where needed</source>
        <translation>A3 si nécessaire</translation>
    </message>
    <message>
        <source>On A5, A4 or A3 paper the Descendant Summary Chart may take an A3 sheet where it needs a larger one; otherwise it fits itself onto the paper.</source>
        <translation>Sur papier A5, A4 ou A3, le tableau récapitulatif de descendance peut prendre une feuille A3 là où il lui en faut une plus grande ; sinon, il s&apos;adapte au papier.</translation>
    </message>
    <message>
        <source>All %1 pages</source>
        <translation>Les %1 pages</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Fichier PDF</translation>
    </message>
    <message>
        <source>Invalid page range.</source>
        <translation>Plage de pages non valide.</translation>
    </message>
    <message>
        <source>The report was written to
%1</source>
        <translation>Le rapport a été écrit dans
%1</translation>
    </message>
    <message>
        <source>Print to PDF file</source>
        <translation>Imprimer dans un fichier PDF</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>Fichiers PDF</translation>
    </message>
</context>
<context>
    <name>RepeatAncestorsList</name>
    <message>
        <source>No ancestor appears more than once.</source>
        <translation>Aucun ascendant n&apos;apparaît plus d&apos;une fois.</translation>
    </message>
    <message>
        <source>Repeat Ancestor List</source>
        <translation>Liste des ascendants répétés</translation>
    </message>
    <message>
        <source>Cont&apos;d</source>
        <translation>Suite</translation>
    </message>
</context>
<context>
    <name>RepeatDescendantList</name>
    <message>
        <source>No descendant appears more than once.</source>
        <translation>Aucun descendant n&apos;apparaît plus d&apos;une fois.</translation>
    </message>
    <message>
        <source>child</source>
        <translation>enfant</translation>
    </message>
    <message>
        <source>grandchild</source>
        <translation>petit-enfant</translation>
    </message>
    <message>
        <source>G g&apos;child</source>
        <translation>arr.-petit-enfant</translation>
    </message>
    <message>
        <source>%1 G g&apos;child</source>
        <translation>%1e arr.-petit-enfant</translation>
    </message>
    <message>
        <source>Repeat Descendants</source>
        <translation>Descendants répétés</translation>
    </message>
    <message>
        <source>RELATION</source>
        <translation>PARENTÉ</translation>
    </message>
</context>
<context>
    <name>ReportChoiceWindow</name>
    <message>
        <source>Choose a report</source>
        <translation>Choisir un rapport</translation>
    </message>
    <message>
        <source>What do you want to print?</source>
        <translation>Que voulez-vous imprimer ?</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listes</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Tableaux</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>The list stops after generation %1:
the next generation would fill more than %2 positions.</source>
        <translation>La liste s&apos;arrête après la génération %1 :
la génération suivante remplirait plus de %2 positions.</translation>
    </message>
    <message>
        <source>The list stops after generation %1:
the next generation would take it past %2 entries.</source>
        <translation>La liste s&apos;arrête après la génération %1 :
la génération suivante la porterait au-delà de %2 entrées.</translation>
    </message>
    <message>
        <source>The list stops after generation %1:
no list goes further than %1 generations.</source>
        <translation>La liste s&apos;arrête après la génération %1 :
aucune liste ne va au-delà de %1 générations.</translation>
    </message>
    <message>
        <source>No children are recorded.</source>
        <translation>Aucun enfant n&apos;est enregistré.</translation>
    </message>
    <message>
        <source>GEN</source>
        <translation>GÉN</translation>
    </message>
    <message>
        <source>RIN</source>
        <translation>RIN</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>An. naiss.</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>self</source>
        <translation>de cujus</translation>
    </message>
    <message>
        <source>cont&apos;d</source>
        <translation>suite</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>DESCENDANT PARENT</source>
        <translation>PARENT DESCENDANT</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Enfants</translation>
    </message>
    <message>
        <source>Grandchildren</source>
        <translation>Petits-enfants</translation>
    </message>
    <message>
        <source>Research Status List</source>
        <translation>Liste d&apos;état des recherches</translation>
    </message>
    <message>
        <source>Descendants Summary List</source>
        <translation>Liste récapitulative des descendants</translation>
    </message>
    <message>
        <source>Family Summary List</source>
        <translation>Liste récapitulative de la famille</translation>
    </message>
    <message>
        <source>Descendants List</source>
        <translation>Liste de descendance</translation>
    </message>
    <message>
        <source>Grouped Descendants List</source>
        <translation>Liste de descendance groupée</translation>
    </message>
    <message>
        <source>Research Status Chart</source>
        <translation>Tableau d&apos;état des recherches</translation>
    </message>
    <message>
        <source>Repeat Ancestors List</source>
        <translation>Liste des ascendants répétés</translation>
    </message>
    <message>
        <source>Ancestors List (with repeats)</source>
        <translation>Liste d&apos;ascendance (avec répétitions)</translation>
    </message>
    <message>
        <source>Ancestors List (without repeats)</source>
        <translation>Liste d&apos;ascendance (sans répétitions)</translation>
    </message>
    <message>
        <source>Descendant Summary Chart</source>
        <translation>Tableau récapitulatif de descendance</translation>
    </message>
    <message>
        <source>Family Tree Chart</source>
        <translation>Arbre généalogique</translation>
    </message>
    <message>
        <source>Surname Distribution List</source>
        <translation>Liste de répartition des patronymes</translation>
    </message>
    <message>
        <source>Family Date Chart</source>
        <translation>Tableau des dates familiales</translation>
    </message>
    <message>
        <source>Repeat Descendant List</source>
        <translation>Liste des descendants répétés</translation>
    </message>
    <message>
        <source>Invalid start RIN</source>
        <translation>RIN de départ non valide</translation>
    </message>
    <message>
        <source>RinX access out of range</source>
        <translation>Accès RIN hors limites</translation>
    </message>
</context>
<context>
    <name>ResearchStatusChart</name>
    <message>
        <source>GENERATION</source>
        <translation>GÉNÉRATION</translation>
    </message>
    <message>
        <source>RELATIONSHIP</source>
        <translation>PARENTÉ</translation>
    </message>
    <message>
        <source>PEDIGREE</source>
        <translation>POSITIONS</translation>
    </message>
    <message>
        <source>POSITIONS</source>
        <translation>SOSA</translation>
    </message>
    <message>
        <source>ANCESTORS</source>
        <translation>ASCENDANTS</translation>
    </message>
    <message>
        <source>IDENTIFIED</source>
        <translation>IDENTIFIÉS</translation>
    </message>
    <message>
        <source>REPEATS</source>
        <translation>RÉPÉTÉS</translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation>TOTAUX</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>POURCENTAGE</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>COMPLÉTÉ</translation>
    </message>
    <message>
        <source>BIRTH YEARS</source>
        <translation>ANNÉES DE</translation>
    </message>
    <message>
        <source>INVOLVED</source>
        <translation>NAISSANCE</translation>
    </message>
    <message>
        <source>Research Status Chart</source>
        <translation>Tableau d&apos;état des recherches</translation>
    </message>
    <message>
        <source>Generations %1 and later are not shown.</source>
        <translation>Les générations %1 et suivantes ne sont pas affichées.</translation>
    </message>
    <message>
        <source>par</source>
        <translation>par.</translation>
    </message>
    <message>
        <source>G.</source>
        <translation>arr.</translation>
    </message>
    <message>
        <source>%1 G.</source>
        <translation>%1e arr.</translation>
    </message>
    <message>
        <source>g&apos;par</source>
        <translation>g.-par.</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
</context>
<context>
    <name>ResearchStatusList</name>
    <message>
        <source>Pedigree</source>
        <translation>Positions</translation>
    </message>
    <message>
        <source>positions</source>
        <translation>Sosa</translation>
    </message>
    <message>
        <source>filled</source>
        <translation>remplies</translation>
    </message>
    <message>
        <source>Ancestors</source>
        <translation>Ascendants</translation>
    </message>
    <message>
        <source>Ancestor</source>
        <translation>Ascend.</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Identified</source>
        <translation>identifiés</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>répétés</translation>
    </message>
    <message>
        <source>Research Status List</source>
        <translation>Liste d&apos;état des recherches</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 Md</translation>
    </message>
    <message>
        <source>%1 T</source>
        <translation>%1 T</translation>
    </message>
</context>
<context>
    <name>Scripts</name>
    <message>
        <source>Adlam</source>
        <translation>adlam</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>arabe</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>arménien</translation>
    </message>
    <message>
        <source>Balinese</source>
        <translation>balinais</translation>
    </message>
    <message>
        <source>Bamum</source>
        <translation>bamoum</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>bengali</translation>
    </message>
    <message>
        <source>Bopomofo</source>
        <translation>bopomofo</translation>
    </message>
    <message>
        <source>Buginese</source>
        <translation>bouguis</translation>
    </message>
    <message>
        <source>Chakma</source>
        <translation>chakma</translation>
    </message>
    <message>
        <source>Canadian Aboriginal</source>
        <translation>syllabaire autochtone canadien</translation>
    </message>
    <message>
        <source>Cherokee</source>
        <translation>cherokee</translation>
    </message>
    <message>
        <source>Coptic</source>
        <translation>copte</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>cyrillique</translation>
    </message>
    <message>
        <source>Devanagari</source>
        <translation>dévanagari</translation>
    </message>
    <message>
        <source>Ethiopic</source>
        <translation>éthiopien</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>géorgien</translation>
    </message>
    <message>
        <source>Glagolitic</source>
        <translation>glagolitique</translation>
    </message>
    <message>
        <source>Gothic</source>
        <translation>gotique</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>grec</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>goudjarati</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>gourmoukhî</translation>
    </message>
    <message>
        <source>Hangul</source>
        <translation>hangûl</translation>
    </message>
    <message>
        <source>Han</source>
        <translation>han</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>hébreu</translation>
    </message>
    <message>
        <source>Hiragana</source>
        <translation>hiragana</translation>
    </message>
    <message>
        <source>Javanese</source>
        <translation>javanais</translation>
    </message>
    <message>
        <source>Kayah Li</source>
        <translation>kayah li</translation>
    </message>
    <message>
        <source>Katakana</source>
        <translation>katakana</translation>
    </message>
    <message>
        <source>Khmer</source>
        <translation>khmer</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>kannada</translation>
    </message>
    <message>
        <source>Lao</source>
        <translation>lao</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>latin</translation>
    </message>
    <message>
        <source>Lepcha</source>
        <translation>lepcha</translation>
    </message>
    <message>
        <source>Limbu</source>
        <translation>limbou</translation>
    </message>
    <message>
        <source>Lisu</source>
        <translation>lisu</translation>
    </message>
    <message>
        <source>Mandaic</source>
        <translation>mandéen</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>malayalam</translation>
    </message>
    <message>
        <source>Mongolian</source>
        <translation>mongol</translation>
    </message>
    <message>
        <source>Meetei Mayek</source>
        <translation>meitei mayek</translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation>birman</translation>
    </message>
    <message>
        <source>N&apos;Ko</source>
        <translation>n&apos;ko</translation>
    </message>
    <message>
        <source>Ogham</source>
        <translation>ogam</translation>
    </message>
    <message>
        <source>Ol Chiki</source>
        <translation>ol chiki</translation>
    </message>
    <message>
        <source>Odia</source>
        <translation>odia</translation>
    </message>
    <message>
        <source>Osage</source>
        <translation>osage</translation>
    </message>
    <message>
        <source>Hanifi Rohingya</source>
        <translation>hanifi rohingya</translation>
    </message>
    <message>
        <source>Runic</source>
        <translation>runique</translation>
    </message>
    <message>
        <source>Samaritan</source>
        <translation>samaritain</translation>
    </message>
    <message>
        <source>Saurashtra</source>
        <translation>saurashtra</translation>
    </message>
    <message>
        <source>Sinhala</source>
        <translation>cingalais</translation>
    </message>
    <message>
        <source>Sundanese</source>
        <translation>soundanais</translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation>syriaque</translation>
    </message>
    <message>
        <source>Tai Le</source>
        <translation>taï-le</translation>
    </message>
    <message>
        <source>New Tai Lue</source>
        <translation>nouveau taï-lue</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>tamoul</translation>
    </message>
    <message>
        <source>Tai Viet</source>
        <translation>taï viêt</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>télougou</translation>
    </message>
    <message>
        <source>Tifinagh</source>
        <translation>tifinagh</translation>
    </message>
    <message>
        <source>Tagalog</source>
        <translation>tagalog</translation>
    </message>
    <message>
        <source>Thaana</source>
        <translation>thâna</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>thaï</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>tibétain</translation>
    </message>
    <message>
        <source>Vai</source>
        <translation>vaï</translation>
    </message>
    <message>
        <source>Yi</source>
        <translation>yi</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Note: If the same couple married more
     than once, include both MRINs 
separated by a comma. example: 23,24</source>
        <translation>Remarque : si le même couple s&apos;est marié
     plus d&apos;une fois, indiquez les deux MRIN 
séparés par une virgule. Exemple : 23,24</translation>
    </message>
    <message>
        <source>Computing statistics for generation: </source>
        <translation>Calcul des statistiques de la génération : </translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>&amp;Parcourir</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>detailed &amp;foliage background</source>
        <translation>&amp;feuillage détaillé en arrière-plan</translation>
    </message>
    <message>
        <source>Start couple - %1</source>
        <translation>Couple de départ - %1</translation>
    </message>
    <message>
        <source>Start individual - %1</source>
        <translation>Personne de départ - %1</translation>
    </message>
    <message>
        <source>Which couple do you want to start with?</source>
        <translation>Par quel couple voulez-vous commencer ?</translation>
    </message>
    <message>
        <source>&amp;MRIN:</source>
        <translation>&amp;MRIN :</translation>
    </message>
    <message>
        <source>Which individual do you want to start with?</source>
        <translation>Par quelle personne voulez-vous commencer ?</translation>
    </message>
    <message>
        <source>&amp;RIN:</source>
        <translation>&amp;RIN :</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminé</translation>
    </message>
</context>
<context>
    <name>SurnameDistributionList</name>
    <message>
        <source>%1 none count</source>
        <translation>%1 sans patronyme</translation>
    </message>
    <message>
        <source>Surname Distribution List</source>
        <translation>Liste de répartition des patronymes</translation>
    </message>
</context>
<context>
    <name>TitleWindow</name>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Tamblewin V %1</source>
        <translation>Tamblewin V %1</translation>
    </message>
    <message>
        <source>Prints unique genealogical lists and charts directly from your PAF 5 data file</source>
        <translation>Imprime des listes et tableaux généalogiques originaux directement depuis votre fichier de données PAF 5</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>(takes effect at the next start)</source>
        <translation>(prend effet au prochain démarrage)</translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Pré&amp;cédent</translation>
    </message>
    <message>
        <source>there is no display to show the windows on.</source>
        <translation>il n&apos;y a aucun écran pour afficher les fenêtres.</translation>
    </message>
    <message>
        <source>no display can be reached to show the windows on (%1, and nothing answers there).</source>
        <translation>aucun écran n&apos;est accessible pour afficher les fenêtres (%1, et rien n&apos;y répond).</translation>
    </message>
    <message>
        <source>Run it in a desktop session, or use a command: %1</source>
        <translation>Lancez-le dans une session de bureau, ou utilisez une commande : %1</translation>
    </message>
    <message>
        <source>the windows cannot be shown: Qt found no display it could use.</source>
        <translation>les fenêtres ne peuvent pas être affichées : Qt n&apos;a trouvé aucun écran utilisable.</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 po</translation>
    </message>
    <message>
        <source>%1 landscape</source>
        <translation>%1 paysage</translation>
    </message>
    <message>
        <source>Tamblewin for PAF</source>
        <translation>Tamblewin pour PAF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>Alerte !</translation>
    </message>
    <message>
        <source>Whoops</source>
        <translation>Oups</translation>
    </message>
    <message>
        <source>Whoops!</source>
        <translation>Oups !</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Multiple marriages</source>
        <translation>Mariages multiples</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Anomalie</translation>
    </message>
    <message>
        <source>Problem!</source>
        <translation>Problème !</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandon</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>GEDCOM import</source>
        <translation>Importation GEDCOM</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
</context>
</TS>
