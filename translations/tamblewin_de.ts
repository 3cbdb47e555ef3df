<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AncestorsList</name>
    <message>
        <source>Ancestor List (with repeats)</source>
        <translation>Ahnenliste (mit Wiederholungen)</translation>
    </message>
    <message>
        <source>Ancestor List (without repeats)</source>
        <translation>Ahnenliste (ohne Wiederholungen)</translation>
    </message>
    <message>
        <source>Pedigree Position</source>
        <translation>Ahnen-</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>R&apos;P</source>
        <translation>Wh.</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Geburts-</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>jahr</translation>
    </message>
    <message>
        <source>PPN too large to display.</source>
        <translation>Ahnen-Nr. zu groß für die Anzeige.</translation>
    </message>
</context>
<context>
    <name>BrowseWindow</name>
    <message>
        <source>Choose a person</source>
        <translation>Person auswählen</translation>
    </message>
    <message>
        <source>Loading ... </source>
        <translation>Wird geladen ... </translation>
    </message>
    <message>
        <source>Type part of a name</source>
        <translation>Einen Teil des Namens eingeben</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>C&amp;hoose</source>
        <translation>Aus&amp;wählen</translation>
    </message>
    <message>
        <source>Loading ... Done</source>
        <translation>Wird geladen ... Fertig</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(kein Name)</translation>
    </message>
    <message>
        <source>No name holds &quot;%1&quot;</source>
        <translation>Kein Name enthält „%1“</translation>
    </message>
    <message>
        <source>There is no marriage record for this person.</source>
        <translation>Für diese Person gibt es keinen Ehe-Datensatz.</translation>
    </message>
    <message>
        <source>Next you will see a list of spouses for 

%1

 Please choose one.</source>
        <translation>Als Nächstes sehen Sie eine Liste der Ehepartner von 

%1

 Bitte wählen Sie einen aus.</translation>
    </message>
    <message>
        <source>b.</source>
        <translation>geb.</translation>
    </message>
    <message>
        <source>c.</source>
        <translation>get.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>will not write %1: it is the data file being read</source>
        <translation>%1 wird nicht geschrieben: es ist die gelesene Datendatei</translation>
    </message>
    <message>
        <source>will not write %1</source>
        <translation>%1 wird nicht geschrieben</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
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
                                setzt einen Bericht und schreibt ihn als PDF-, PNG- oder
                                SVG-Seiten oder als Seitenprotokoll; --start ist die RIN
                                oder die MRINs (&quot;23,24&quot;);
                                --paper: das Papier, auf dem er gesetzt wird (siehe unten);
                                --large-sheets: auf A5-, A4- oder A3-Papier darf die
                                Nachkommen-Übersichtstafel ein A3-Blatt nehmen, wo sie ein
                                größeres bräuchte (ohne die Option passt sie sich dem
                                Papier an);
                                --plain-background: die Krone der Stammbaumtafel als
                                schlichte Ovale statt Blätter
</translation>
    </message>
    <message>
        <source>  tamblewin info FILE.paf       header figures of a PAF 5 data file
</source>
        <translation>  tamblewin info FILE.paf       Kopfdaten einer PAF-5-Datendatei
</translation>
    </message>
    <message>
        <source>  tamblewin people FILE.paf     every individual in name order, with the RIN
</source>
        <translation>  tamblewin people FILE.paf     alle Personen nach Namen geordnet, mit der RIN
</translation>
    </message>
    <message>
        <source>  tamblewin families FILE.paf   every marriage: MRIN, husband, wife and marriage year,
                                separated by tabs
</source>
        <translation>  tamblewin families FILE.paf   alle Ehen: MRIN, Ehemann, Ehefrau und Heiratsjahr,
                                durch Tabulatoren getrennt
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
                                erstellt eine PAF-5-Datei aus einer GEDCOM-Datei; Zeichen,
                                die PAF nicht speichern kann, werden zu einfachen Buchstaben.
                                report, info, people und families nehmen auch direkt eine
                                GEDCOM-Datei, erkannt an ihrer ersten Zeile (0 HEAD),
                                gleich wie sie heißt
</translation>
    </message>
    <message>
        <source>  tamblewin FILE                the windows, with that PAF or GEDCOM file chosen
</source>
        <translation>  tamblewin FILE                die Fenster, mit dieser PAF- oder GEDCOM-Datei gewählt
</translation>
    </message>
    <message>
        <source>--language CODE, before or after any command, gives the language of the words
on the pages, in the windows and in the messages: de (German), fr (French),
es (Spanish), nl (Dutch), sv (Swedish), nb (Norwegian Bokmal) or en (English).
Without it the language is the first that LANGUAGE lists, else that of LC_ALL,
LC_MESSAGES or LANG; a language tamblewin does not have is English.
</source>
        <translation>--language CODE, vor oder nach jedem Befehl, bestimmt die Sprache der Wörter
auf den Seiten, in den Fenstern und in den Meldungen: de (Deutsch), fr (Französisch),
es (Spanisch), nl (Niederländisch), sv (Schwedisch), nb (Norwegisch Bokmål) oder
en (Englisch). Ohne die Option gilt die erste Sprache, die LANGUAGE nennt, sonst die
von LC_ALL, LC_MESSAGES oder LANG; eine Sprache, die tamblewin nicht hat, wird
zu Englisch.
</translation>
    </message>
    <message>
        <source>Without --paper the paper is the one PAPERSIZE names, else the first word of the
paper configuration file (/etc/papersize, or the file PAPERCONF names), else the
locale&apos;s (LC_ALL, else LC_PAPER, else LANG): letter in the United States, Canada,
Mexico, the Philippines, Chile, Colombia and Venezuela, A4 in every other country;
else letter. A name tamblewin does not know is passed over.
</source>
        <translation>Ohne --paper ist das Papier das, welches PAPERSIZE nennt, sonst das erste Wort der
Papier-Konfigurationsdatei (/etc/papersize oder die Datei, die PAPERCONF nennt), sonst
das des Gebietsschemas (LC_ALL, sonst LC_PAPER, sonst LANG): letter in den
Vereinigten Staaten, Kanada, Mexiko, den Philippinen, Chile, Kolumbien und
Venezuela, A4 in allen anderen Ländern; sonst letter. Ein Name, den tamblewin nicht
kennt, wird übergangen.
</translation>
    </message>
    <message>
        <source>The data file is only ever read, never written: no output may be the data file or
the GEDCOM file read, and every output is written whole or not at all. Messages
go to standard error. Exit status:
</source>
        <translation>Die Datendatei wird nur gelesen, nie geschrieben: keine Ausgabe darf die Datendatei
oder die gelesene GEDCOM-Datei sein, und jede Ausgabe wird ganz oder gar nicht
geschrieben. Meldungen gehen an die Standardfehlerausgabe. Exit-Status:
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
        <translation>  0  vollständig
  1  konnte das Verlangte nicht tun (fehlende Datei, keine Seite, mit Strg-C gestoppt)
  2  fehlerhafte Befehlszeile oder Startfeld, oder eine Ausgabe, die eine Eingabe ist
  3  die Datendatei ist beschädigt und nichts wurde geschrieben
  4  die Ausgabe wurde geschrieben, aber die Datendatei ist beschädigt (die Meldungen
     sagen, wo)
  5  kein Speicher mehr
</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>kann nicht auf die Standardausgabe schreiben: %1</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>kann nicht auf die Standardausgabe schreiben</translation>
    </message>
    <message>
        <source>&apos;import&apos; does not take &apos;%1&apos;</source>
        <translation>&apos;import&apos; nimmt kein &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;import&apos; takes a GEDCOM file and -o FILE.paf</source>
        <translation>&apos;import&apos; nimmt eine GEDCOM-Datei und -o FILE.paf</translation>
    </message>
    <message>
        <source>the PAF file must not be the GEDCOM file itself</source>
        <translation>die PAF-Datei darf nicht die GEDCOM-Datei selbst sein</translation>
    </message>
    <message>
        <source>will not write %1; choose another output</source>
        <translation>%1 wird nicht geschrieben; wählen Sie eine andere Ausgabe</translation>
    </message>
    <message>
        <source>will not write %1: %2; choose another output</source>
        <translation>%1 wird nicht geschrieben: %2; wählen Sie eine andere Ausgabe</translation>
    </message>
    <message>
        <source>%1 names and places hold letters a PAF file cannot; they were written with plain letters, and &quot;?&quot; where there is none</source>
        <translation>%1 Namen und Orte enthalten Zeichen, die eine PAF-Datei nicht speichern kann; sie wurden mit einfachen Buchstaben geschrieben, und mit „?“, wo es keinen gibt</translation>
    </message>
    <message>
        <source>the import was stopped; nothing was written</source>
        <translation>der Import wurde abgebrochen; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Wrote %1 individuals and %2 marriages to %3</source>
        <translation>%1 Personen und %2 Ehen nach %3 geschrieben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one data file</source>
        <translation>&apos;%1&apos; nimmt eine Datendatei</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Kein Speicher mehr</translation>
    </message>
    <message>
        <source>this build of tamblewin writes page logs only (--format log); PDF, PNG and SVG need the full build</source>
        <translation>diese Ausgabe von tamblewin schreibt nur Seitenprotokolle (--format log); PDF, PNG und SVG brauchen die volle Ausgabe</translation>
    </message>
    <message>
        <source>PNG and SVG pages are written by the Qt module</source>
        <translation>PNG- und SVG-Seiten schreibt das Qt-Modul</translation>
    </message>
    <message>
        <source>page logs are not written through a printer</source>
        <translation>Seitenprotokolle werden nicht über einen Drucker geschrieben</translation>
    </message>
    <message>
        <source>1 problem in the GEDCOM file was passed over; `tamblewin import %1 -o X.paf` lists it</source>
        <translation>1 Problem in der GEDCOM-Datei wurde übergangen; `tamblewin import %1 -o X.paf` nennt es</translation>
    </message>
    <message>
        <source>%2 problems in the GEDCOM file were passed over; `tamblewin import %1 -o X.paf` lists them</source>
        <translation>%2 Probleme in der GEDCOM-Datei wurden übergangen; `tamblewin import %1 -o X.paf` nennt sie</translation>
    </message>
    <message>
        <source>Laying out generation %1</source>
        <translation>Generation %1 wird gesetzt</translation>
    </message>
    <message>
        <source>Writing page %1 of %2</source>
        <translation>Seite %1 von %2 wird geschrieben</translation>
    </message>
    <message>
        <source>the program&apos;s own folder is not known</source>
        <translation>der eigene Ordner des Programms ist nicht bekannt</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 has no %2</source>
        <translation>%1 hat kein %2</translation>
    </message>
    <message>
        <source>the windows and PNG and SVG pages need Qt&apos;s module: %1</source>
        <translation>die Fenster sowie PNG- und SVG-Seiten brauchen das Qt-Modul: %1</translation>
    </message>
    <message>
        <source>&apos;report&apos; needs a report kind; the kinds are:
%1</source>
        <translation>&apos;report&apos; braucht eine Berichtsart; die Arten sind:
%1</translation>
    </message>
    <message>
        <source>unknown report kind &apos;%1&apos;; the kinds are:
%2</source>
        <translation>unbekannte Berichtsart &apos;%1&apos;; die Arten sind:
%2</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>Option &apos;%1&apos; braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (pdf, png, svg or log)</source>
        <translation>unbekanntes Format &apos;%1&apos; (pdf, png, svg oder log)</translation>
    </message>
    <message>
        <source>unknown paper &apos;%1&apos;; the papers are %2</source>
        <translation>unbekanntes Papier &apos;%1&apos;; die Papiere sind %2</translation>
    </message>
    <message>
        <source>--date wants a date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--date verlangt ein Datum als YYYY-MM-DD, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;report&apos; needs the data file: --paf FILE.paf</source>
        <translation>&apos;report&apos; braucht die Datendatei: --paf FILE.paf</translation>
    </message>
    <message>
        <source>--start &apos;%1&apos; is not a RIN or a list of MRINs such as 23,24</source>
        <translation>--start &apos;%1&apos; ist keine RIN und keine Liste von MRINs wie 23,24</translation>
    </message>
    <message>
        <source>cannot tell the format from &apos;%1&apos;; give --format</source>
        <translation>das Format ist aus &apos;%1&apos; nicht erkennbar; geben Sie --format an</translation>
    </message>
    <message>
        <source>SOURCE_DATE_EPOCH wants seconds since 1970 within the years 1 to 9999, not &apos;%1&apos;</source>
        <translation>SOURCE_DATE_EPOCH verlangt Sekunden seit 1970 innerhalb der Jahre 1 bis 9999, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 Seite</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 Seiten</translation>
    </message>
    <message>
        <source>Removed 1 page file left from an earlier, longer run</source>
        <translation>1 Seitendatei aus einem früheren, längeren Lauf entfernt</translation>
    </message>
    <message>
        <source>Removed %1 page files left from an earlier, longer run</source>
        <translation>%1 Seitendateien aus einem früheren, längeren Lauf entfernt</translation>
    </message>
    <message>
        <source>will not write %1: it is the data file being read; choose another output</source>
        <translation>%1 wird nicht geschrieben: es ist die gelesene Datendatei; wählen Sie eine andere Ausgabe</translation>
    </message>
    <message>
        <source>only the page log (--format log) can go to standard output</source>
        <translation>nur das Seitenprotokoll (--format log) kann auf die Standardausgabe gehen</translation>
    </message>
    <message>
        <source>%1 is a folder; give a file name for the page log</source>
        <translation>%1 ist ein Ordner; geben Sie einen Dateinamen für das Seitenprotokoll an</translation>
    </message>
    <message>
        <source>%1 is a folder; give a file name for the PDF document</source>
        <translation>%1 ist ein Ordner; geben Sie einen Dateinamen für das PDF-Dokument an</translation>
    </message>
    <message>
        <source>cannot write the page log</source>
        <translation>kann das Seitenprotokoll nicht schreiben</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>kann %1 nicht schreiben</translation>
    </message>
    <message>
        <source>Wrote the page log of %1 to %2</source>
        <translation>Seitenprotokoll von %1 nach %2 geschrieben</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>cannot write %1 in full</source>
        <translation>kann %1 nicht vollständig schreiben</translation>
    </message>
    <message>
        <source>Wrote %1 to %2</source>
        <translation>%1 nach %2 geschrieben</translation>
    </message>
    <message>
        <source>no report was written: the start field was refused</source>
        <translation>kein Bericht geschrieben: das Startfeld wurde abgelehnt</translation>
    </message>
    <message>
        <source>the report was stopped; nothing was written</source>
        <translation>der Bericht wurde abgebrochen; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>the report stopped on bad data; nothing was written</source>
        <translation>der Bericht brach bei fehlerhaften Daten ab; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>the report produced no page; nothing was written</source>
        <translation>der Bericht ergab keine Seite; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>stopped; nothing was written</source>
        <translation>abgebrochen; nichts wurde geschrieben</translation>
    </message>
</context>
<context>
    <name>CoupleListWindow</name>
    <message>
        <source>Marriage Choose Rin</source>
        <translation>Ehe auswählen</translation>
    </message>
</context>
<context>
    <name>DataFileWindow</name>
    <message>
        <source>Which data file do you want to use?</source>
        <translation>Welche Datendatei möchten Sie verwenden?</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Data file - %1</source>
        <translation>Datendatei - %1</translation>
    </message>
    <message>
        <source>There must be a valid PAF file name.</source>
        <translation>Ein gültiger PAF-Dateiname ist nötig.</translation>
    </message>
    <message>
        <source>Opening %1 ...</source>
        <translation>%1 wird geöffnet ...</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>%1 is a folder, not a data file.</source>
        <translation>%1 ist ein Ordner, keine Datendatei.</translation>
    </message>
    <message>
        <source>%1

is neither a PAF 5 data file nor a GEDCOM file, so it cannot be opened.</source>
        <translation>%1

ist weder eine PAF-5-Datendatei noch eine GEDCOM-Datei und kann daher nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1

cannot be read: %2.</source>
        <translation>%1

kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Family files</source>
        <translation>Familiendateien</translation>
    </message>
    <message>
        <source>PAF 5 data files</source>
        <translation>PAF-5-Datendateien</translation>
    </message>
    <message>
        <source>GEDCOM files</source>
        <translation>GEDCOM-Dateien</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>Aft</source>
        <translation>nach</translation>
    </message>
    <message>
        <source>Cal</source>
        <translation>ber.</translation>
    </message>
    <message>
        <source>DNS</source>
        <translation>DNS</translation>
    </message>
    <message>
        <source>Stillborn</source>
        <translation>Totgeburt</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Nicht freigegeben</translation>
    </message>
    <message>
        <source>Abt</source>
        <translation>um</translation>
    </message>
    <message>
        <source>Bef</source>
        <translation>vor</translation>
    </message>
    <message>
        <source>Est</source>
        <translation>gesch.</translation>
    </message>
    <message>
        <source>BIC</source>
        <translation>BIC</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Freigegeben</translation>
    </message>
    <message>
        <source>Out of range month</source>
        <translation>Monat außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
</context>
<context>
    <name>DescendantSummaryChart</name>
    <message>
        <source>The chart counts the first %1 generations:
the next generation would take the count past %2 entries.</source>
        <translation>Die Tafel zählt die ersten %1 Generationen:
die nächste Generation brächte die Zählung über %2 Einträge.</translation>
    </message>
    <message>
        <source>Only the first %1 generations below the couple are counted: the next would take the count past %2 people.</source>
        <translation>Nur die ersten %1 Generationen unter dem Paar werden gezählt: die nächste brächte die Zählung über %2 Personen.</translation>
    </message>
    <message>
        <source>Only the first %1 generations below the couple are counted: the chart counts no further.</source>
        <translation>Nur die ersten %1 Generationen unter dem Paar werden gezählt: weiter zählt die Tafel nicht.</translation>
    </message>
    <message>
        <source>1 child</source>
        <translation>1 Kind</translation>
    </message>
    <message>
        <source>its %1 generations do not fit across the page.</source>
        <translation>ihre %1 Generationen passen nicht in die Seitenbreite.</translation>
    </message>
    <message>
        <source>This couple has more generations of data than
will fit on this report.  Be advised that the report
will show only the first %1 generations of data.</source>
        <translation>Dieses Paar hat mehr Generationen an Daten, als
in diesen Bericht passen.  Bitte beachten Sie, dass der Bericht
nur die ersten %1 Generationen zeigt.</translation>
    </message>
    <message>
        <source>This information could not
be formatted into any of
the 4 forms of this chart:
%1</source>
        <translation>Diese Angaben ließen sich
in keine der 4 Formen
dieser Tafel bringen:
%1</translation>
    </message>
    <message>
        <source>children</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>ch</source>
        <translation>Ki.</translation>
    </message>
    <message>
        <source>g&apos;ch</source>
        <translation>Enk.</translation>
    </message>
    <message>
        <source>G g&apos;ch</source>
        <translation>Urenk.</translation>
    </message>
    <message>
        <source>%1G g&apos;ch</source>
        <translation>%1. Urenk.</translation>
    </message>
    <message>
        <source>its title does not fit across the page.</source>
        <translation>ihr Titel passt nicht in die Seitenbreite.</translation>
    </message>
    <message>
        <source>the rows of its %1 children would stand %2 in apart, too close for the smallest type (%3 points).</source>
        <translation>die Zeilen ihrer %1 Kinder stünden %2 Zoll auseinander, zu eng für die kleinste Schrift (%3 Punkt).</translation>
    </message>
    <message>
        <source>the couple&apos;s names and dates do not fit across the page.</source>
        <translation>Namen und Daten des Paares passen nicht in die Seitenbreite.</translation>
    </message>
    <message>
        <source>its totals do not fit across the page.</source>
        <translation>ihre Summen passen nicht in die Seitenbreite.</translation>
    </message>
    <message>
        <source>*repeat descendants involved</source>
        <translation>*mehrfache Nachkommen enthalten</translation>
    </message>
    <message>
        <source>family totals (parents, descendants, and all spouses):</source>
        <translation>Familie gesamt (Eltern, Nachkommen und alle Ehepartner):</translation>
    </message>
    <message>
        <source>Only the first %1 of %2 generations fit across the page; the totals count them all.</source>
        <translation>Nur die ersten %1 von %2 Generationen passen in die Seitenbreite; die Summen zählen alle.</translation>
    </message>
    <message>
        <source>total descendants:</source>
        <translation>Nachkommen gesamt:</translation>
    </message>
    <message>
        <source>born:</source>
        <translation>geb.:</translation>
    </message>
    <message>
        <source>married:</source>
        <translation>verh.:</translation>
    </message>
    <message>
        <source>child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>DESCENDANTS SUMMARY CHART</source>
        <translation>NACHKOMMEN-ÜBERSICHTSTAFEL</translation>
    </message>
</context>
<context>
    <name>DescendantsList</name>
    <message>
        <source>Descendants of</source>
        <translation>Nachkommen von</translation>
    </message>
    <message>
        <source>BIRTH</source>
        <translation>GEB.</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATUM</translation>
    </message>
    <message>
        <source>CHILD</source>
        <translation>KIND</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>LINIE</translation>
    </message>
</context>
<context>
    <name>DescendantsSummaryList</name>
    <message>
        <source>sub-totals:</source>
        <translation>Zwischensummen:</translation>
    </message>
    <message>
        <source>Grand totals:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>(cont&apos;d)</source>
        <translation>(Forts.)</translation>
    </message>
    <message>
        <source>Descendants Summary List</source>
        <translation>Nachkommen-Übersichtsliste</translation>
    </message>
    <message>
        <source>Child and Spouse(s)</source>
        <translation>Kind und Ehepartner</translation>
    </message>
    <message>
        <source>G.</source>
        <translation>Ur-</translation>
    </message>
    <message>
        <source>%1G.</source>
        <translation>%1.Ur-</translation>
    </message>
    <message>
        <source>ch</source>
        <translation>Ki.</translation>
    </message>
    <message>
        <source>gch</source>
        <translation>Enk.</translation>
    </message>
    <message>
        <source>Descendants of this couple intermarried resulting in repeat descendants.  Grand totals have been adjusted so each descendant is counted only once.</source>
        <translation>Nachkommen dieses Paares haben untereinander geheiratet, daher gibt es mehrfache Nachkommen.  Die Gesamtsummen wurden so angepasst, dass jeder Nachkomme nur einmal gezählt wird.</translation>
    </message>
</context>
<context>
    <name>FamilyDateChart</name>
    <message>
        <source>MRIN: %1</source>
        <translation>MRIN: %1</translation>
    </message>
    <message>
        <source>H</source>
        <translation>M</translation>
    </message>
    <message>
        <source>W</source>
        <translation>F</translation>
    </message>
    <message>
        <source>S</source>
        <translation>E</translation>
    </message>
    <message>
        <source>(1 more marriage not shown)</source>
        <translation>(1 weitere Ehe nicht gezeigt)</translation>
    </message>
    <message>
        <source>(%1 more marriages not shown)</source>
        <translation>(%1 weitere Ehen nicht gezeigt)</translation>
    </message>
    <message>
        <source>Family Date Chart</source>
        <translation>Familien-Datentafel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Geboren</translation>
    </message>
    <message>
        <source>Christened</source>
        <translation>Getauft</translation>
    </message>
    <message>
        <source>Died</source>
        <translation>Gestorben</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Buried</source>
        <translation>Begraben</translation>
    </message>
    <message>
        <source>Baptized</source>
        <translation>Taufe</translation>
    </message>
    <message>
        <source>Endowed</source>
        <translation>Begabung</translation>
    </message>
    <message>
        <source>Sealed Par</source>
        <translation>Ges. Eltern</translation>
    </message>
    <message>
        <source>Married</source>
        <translation>Verheiratet</translation>
    </message>
    <message>
        <source>Sealed Sp</source>
        <translation>Ges. Ehep.</translation>
    </message>
</context>
<context>
    <name>FamilySummaryList</name>
    <message>
        <source>G. Grandchildren</source>
        <translation>Urenkel</translation>
    </message>
    <message>
        <source>%1G. Grandchildren</source>
        <translation>%1. Urenkel</translation>
    </message>
    <message>
        <source>Themselves</source>
        <translation>Selbst</translation>
    </message>
    <message>
        <source>Totals:</source>
        <translation>Summen:</translation>
    </message>
    <message>
        <source>Family Summary List</source>
        <translation>Familien-Übersichtsliste</translation>
    </message>
    <message>
        <source>Gen</source>
        <translation>Gen</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>Verwandtschaft</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Direkte</translation>
    </message>
    <message>
        <source>Descendants</source>
        <translation>Nachkommen</translation>
    </message>
    <message>
        <source>Descendant&apos;s</source>
        <translation>Ehepartner</translation>
    </message>
    <message>
        <source>Spouses</source>
        <translation>d. Nachk.</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familie</translation>
    </message>
</context>
<context>
    <name>FamilyTreeChart</name>
    <message>
        <source>married  %1</source>
        <translation>verh.  %1</translation>
    </message>
    <message>
        <source>Family Tree</source>
        <translation>Stammbaum</translation>
    </message>
    <message>
        <source>Only the first %1 children have branches: the trunk has no room for more.</source>
        <translation>Nur die ersten %1 Kinder haben Äste: der Stamm hat keinen Platz für mehr.</translation>
    </message>
    <message>
        <source>Counts of only %1 of %2 generations fit beside the boxes: the deeper ones are left out.</source>
        <translation>Nur die Zahlen von %1 der %2 Generationen passen neben die Kästen: die tieferen fehlen.</translation>
    </message>
    <message>
        <source>Some lines are counted only in part: the chart stops counting at its limit of generations and people.</source>
        <translation>Manche Linien sind nur teilweise gezählt: die Tafel hört an ihrer Grenze für Generationen und Personen auf zu zählen.</translation>
    </message>
</context>
<context>
    <name>GedcomImport</name>
    <message>
        <source>the file is larger than 2 GiB</source>
        <translation>die Datei ist größer als 2 GiB</translation>
    </message>
    <message>
        <source>more than %1 links between records; this one and the rest ignored</source>
        <translation>mehr als %1 Verweise zwischen Datensätzen; dieser und die übrigen übergangen</translation>
    </message>
    <message>
        <source>the INDI record of line %1</source>
        <translation>der INDI-Datensatz von Zeile %1</translation>
    </message>
    <message>
        <source>%1 is also the id of the %2 record of line %3; links to it go to that one</source>
        <translation>%1 ist auch die Kennung des %2-Datensatzes von Zeile %3; Verweise darauf gehen zu diesem</translation>
    </message>
    <message>
        <source>%1 %2 names no INDI record; dropped</source>
        <translation>%1 %2 nennt keinen INDI-Datensatz; entfernt</translation>
    </message>
    <message>
        <source>%1 %2 names no FAM record; dropped</source>
        <translation>%1 %2 nennt keinen FAM-Datensatz; entfernt</translation>
    </message>
    <message>
        <source>CHIL %1 is already a child of this family; dropped</source>
        <translation>CHIL %1 ist schon ein Kind dieser Familie; entfernt</translation>
    </message>
    <message>
        <source>a second HUSB in the family; dropped</source>
        <translation>ein zweiter HUSB in der Familie; entfernt</translation>
    </message>
    <message>
        <source>a second WIFE in the family; dropped</source>
        <translation>eine zweite WIFE in der Familie; entfernt</translation>
    </message>
    <message>
        <source>%1 is both husband and wife of the family; the second link dropped</source>
        <translation>%1 ist Ehemann und Ehefrau der Familie zugleich; der zweite Verweis entfernt</translation>
    </message>
    <message>
        <source>%1 is a spouse and a child of the same family; the child link dropped</source>
        <translation>%1 ist Ehepartner und Kind derselben Familie; der Kindverweis entfernt</translation>
    </message>
    <message>
        <source>FAMS %1: the family does not name %2 as husband or wife; dropped</source>
        <translation>FAMS %1: die Familie nennt %2 nicht als Ehemann oder Ehefrau; entfernt</translation>
    </message>
    <message>
        <source>FAMC %1: %2 is husband or wife of that family; dropped</source>
        <translation>FAMC %1: %2 ist Ehemann oder Ehefrau dieser Familie; entfernt</translation>
    </message>
    <message>
        <source>FAMC %1: the family does not list %2 as a child; added as its last child</source>
        <translation>FAMC %1: die Familie führt %2 nicht als Kind; als ihr letztes Kind angefügt</translation>
    </message>
    <message>
        <source>SLGC without FAMC, and %1 is a child of %2 families; dropped</source>
        <translation>SLGC ohne FAMC, und %1 ist Kind von %2 Familien; entfernt</translation>
    </message>
    <message>
        <source>SLGC: %1 is not a child of %2; dropped</source>
        <translation>SLGC: %1 ist kein Kind von %2; entfernt</translation>
    </message>
    <message>
        <source>%1 is his or her own ancestor</source>
        <translation>%1 ist sein oder ihr eigener Vorfahr</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more warnings</source>
        <translation>... und %1 weitere Warnungen</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes; cut there</source>
        <translation>die Zeile ist länger als %1 Bytes; dort abgeschnitten</translation>
    </message>
    <message>
        <source>text after &quot;0 TRLR&quot; ignored</source>
        <translation>Text nach &quot;0 TRLR&quot; übergangen</translation>
    </message>
    <message>
        <source>not a GEDCOM line (no level number), ignored: &quot;%1&quot;</source>
        <translation>keine GEDCOM-Zeile (keine Stufennummer), übergangen: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>not a GEDCOM line, ignored: &quot;%1&quot;</source>
        <translation>keine GEDCOM-Zeile, übergangen: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>level %1 follows level %2; the line and the lines under it ignored</source>
        <translation>Stufe %1 folgt auf Stufe %2; die Zeile und die Zeilen darunter übergangen</translation>
    </message>
    <message>
        <source>malformed line, ignored with the lines under it: &quot;%1&quot;</source>
        <translation>fehlerhafte Zeile, mit den Zeilen darunter übergangen: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file ends without &quot;0 TRLR&quot;; it may have been cut short</source>
        <translation>die Datei endet ohne &quot;0 TRLR&quot;; sie ist womöglich abgeschnitten</translation>
    </message>
    <message>
        <source>more than %1 %2 records; this one and the rest ignored</source>
        <translation>mehr als %1 %2-Datensätze; dieser und die übrigen übergangen</translation>
    </message>
    <message>
        <source>%1 record without a cross-reference id; nothing can link to it</source>
        <translation>%1-Datensatz ohne Querverweis-Kennung; nichts kann auf ihn verweisen</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a link to a record; ignored</source>
        <translation>%1 &quot;%2&quot; ist kein Verweis auf einen Datensatz; übergangen</translation>
    </message>
    <message>
        <source>not a GEDCOM file: it does not begin with &quot;0 HEAD&quot; (line %1: &quot;%2&quot;)</source>
        <translation>keine GEDCOM-Datei: sie beginnt nicht mit &quot;0 HEAD&quot; (Zeile %1: &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>not a GEDCOM file: it holds no lines</source>
        <translation>keine GEDCOM-Datei: sie enthält keine Zeilen</translation>
    </message>
    <message>
        <source>the file is not valid UTF-8; malformed characters read as &quot;?&quot;</source>
        <translation>die Datei ist kein gültiges UTF-8; fehlerhafte Zeichen als &quot;?&quot; gelesen</translation>
    </message>
    <message>
        <source>the header says ANSEL but the file is UTF-8; it was read as UTF-8</source>
        <translation>der Kopf nennt ANSEL, aber die Datei ist UTF-8; sie wurde als UTF-8 gelesen</translation>
    </message>
    <message>
        <source>the header says %1 but the file is not; it was read as Windows-1252</source>
        <translation>der Kopf nennt %1, aber die Datei ist es nicht; sie wurde als Windows-1252 gelesen</translation>
    </message>
</context>
<context>
    <name>GroupedDescendantsList</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Great Grandchildren</source>
        <translation>Urenkel</translation>
    </message>
    <message>
        <source>%1 Great Grandchildren</source>
        <translation>%1 Urenkel</translation>
    </message>
    <message>
        <source>repeated</source>
        <translation>wiederholt</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Problem!</source>
        <translation>Problem!</translation>
    </message>
    <message>
        <source>The MRIN is invalid</source>
        <translation>Die MRIN ist ungültig</translation>
    </message>
    <message>
        <source>Error reading a marriage record</source>
        <translation>Fehler beim Lesen eines Ehe-Datensatzes</translation>
    </message>
    <message>
        <source>The RIN is invalid</source>
        <translation>Die RIN ist ungültig</translation>
    </message>
    <message>
        <source>The branch positions could not be saved in
%1</source>
        <translation>Die Positionen der Äste konnten nicht gespeichert werden in
%1</translation>
    </message>
    <message>
        <source>The branch positions could not be saved in
%1:
%2</source>
        <translation>Die Positionen der Äste konnten nicht gespeichert werden in
%1:
%2</translation>
    </message>
    <message>
        <source>Whoops!</source>
        <translation>Hoppla!</translation>
    </message>
    <message>
        <source>symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>1 name or place</source>
        <translation>1 Name oder Ort</translation>
    </message>
    <message>
        <source>%1 names and places</source>
        <translation>%1 Namen und Orte</translation>
    </message>
    <message>
        <source>%1 is not installed: the %2 characters of %3 print as empty boxes.</source>
        <translation>%1 ist nicht installiert: die Zeichen des Schriftsystems %2 werden als leere Kästchen gedruckt (%3).</translation>
    </message>
    <message>
        <source>%1 is not installed: the %2 characters of %3 print as empty boxes (Debian&apos;s %4 has it).</source>
        <translation>%1 ist nicht installiert: die Zeichen des Schriftsystems %2 werden als leere Kästchen gedruckt (%3; Debians %4 enthält sie).</translation>
    </message>
    <message>
        <source>No installed font has the %1 characters of %2: they print as empty boxes.</source>
        <translation>Keine installierte Schrift hat die Zeichen des Schriftsystems %1: sie werden als leere Kästchen gedruckt (%2).</translation>
    </message>
    <message>
        <source>Unknown date type</source>
        <translation>Unbekannte Datumsart</translation>
    </message>
    <message>
        <source>(this file holds no %1)</source>
        <translation>(diese Datei enthält keine %1)</translation>
    </message>
    <message>
        <source>(%1 in this file run from 1 to %2)</source>
        <translation>(%1 gehen in dieser Datei von 1 bis %2)</translation>
    </message>
    <message>
        <source>This Rin is out of range
%1</source>
        <translation>Diese RIN liegt außerhalb des Bereichs
%1</translation>
    </message>
    <message>
        <source>This Rin references a record
which has been deleted.</source>
        <translation>Diese RIN verweist auf einen Datensatz,
der gelöscht wurde.</translation>
    </message>
    <message>
        <source>This MRin is out of range
%1</source>
        <translation>Diese MRIN liegt außerhalb des Bereichs
%1</translation>
    </message>
    <message>
        <source>This MRin references a record
which has been deleted.</source>
        <translation>Diese MRIN verweist auf einen Datensatz,
der gelöscht wurde.</translation>
    </message>
    <message>
        <source>PAF file is corrupted.  Open failed.</source>
        <translation>PAF-Datei ist beschädigt.  Öffnen fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Open failed.  If PAF is running,
even if it is minimized,
Tamblewin can&apos;t get access
to the data file.  Please
close PAF and try again.</source>
        <translation>Öffnen fehlgeschlagen.  Wenn PAF läuft,
auch wenn es minimiert ist,
kann Tamblewin nicht auf die
Datendatei zugreifen.  Bitte
schließen Sie PAF und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Open failed.  Error code: %1</source>
        <translation>Öffnen fehlgeschlagen.  Fehlercode: %1</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>Achtung!</translation>
    </message>
    <message>
        <source>Open failed: %1.</source>
        <translation>Öffnen fehlgeschlagen: %1.</translation>
    </message>
    <message>
        <source>1 problem in %1 was passed over:</source>
        <translation>1 Problem in %1 wurde übergangen:</translation>
    </message>
    <message>
        <source>%1 problems in %2 were passed over:</source>
        <translation>%1 Probleme in %2 wurden übergangen:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>%1: the imported family could not be opened: %2</source>
        <translation>%1: die importierte Familie konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>GEDCOM import</source>
        <translation>GEDCOM-Import</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>The start number must be 1 or more</source>
        <translation>Die Startnummer muss 1 oder größer sein</translation>
    </message>
    <message>
        <source>The %1 is not available in this version of Tamblewin.</source>
        <translation>%1 ist in dieser Version von Tamblewin nicht verfügbar.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file to write</source>
        <translation>%1 ist ein Ordner, keine Datei zum Schreiben</translation>
    </message>
    <message>
        <source>%1 is a FIFO, not a file to write</source>
        <translation>%1 ist ein FIFO, keine Datei zum Schreiben</translation>
    </message>
    <message>
        <source>%1 is a socket, not a file to write</source>
        <translation>%1 ist ein Socket, keine Datei zum Schreiben</translation>
    </message>
    <message>
        <source>%1 is a device, not a file to write</source>
        <translation>%1 ist ein Gerät, keine Datei zum Schreiben</translation>
    </message>
    <message>
        <source>%1 is no regular file, not a file to write</source>
        <translation>%1 ist keine reguläre Datei, keine Datei zum Schreiben</translation>
    </message>
    <message>
        <source>%1 is the data file being read</source>
        <translation>%1 ist die Datendatei, die gelesen wird</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>the file is larger than %1</source>
        <translation>die Datei ist größer als %1</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>die Datei wurde während des Lesens geändert</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>es ist eine benannte Pipe, keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>sie ist größer als %1</translation>
    </message>
    <message>
        <source>the file is too short for a PAF header: bytes %1</source>
        <translation>die Datei ist zu kurz für einen PAF-Kopf: Bytes %1</translation>
    </message>
    <message>
        <source>the file has no PAF signature</source>
        <translation>die Datei hat keine PAF-Signatur</translation>
    </message>
    <message>
        <source>the header announces an impossible number of page spaces: %1</source>
        <translation>der Kopf nennt eine unmögliche Zahl von Seitenbereichen: %1</translation>
    </message>
    <message>
        <source>the path cannot be used</source>
        <translation>der Pfad ist nicht verwendbar</translation>
    </message>
    <message>
        <source>the page-count table is cut short</source>
        <translation>die Seitenzahltabelle ist abgeschnitten</translation>
    </message>
    <message>
        <source>the page-type map of page space %1 is cut short</source>
        <translation>die Seitentypkarte von Seitenbereich %1 ist abgeschnitten</translation>
    </message>
    <message>
        <source>the page-type map of page space %1 does not start with its own type</source>
        <translation>die Seitentypkarte von Seitenbereich %1 beginnt nicht mit ihrem eigenen Typ</translation>
    </message>
    <message>
        <source>the page-count table gives %1 pages of type %2 in page space %3, but its map lists %4</source>
        <translation>die Seitenzahltabelle nennt %1 Seiten vom Typ %2 in Seitenbereich %3, aber dessen Karte führt %4 auf</translation>
    </message>
    <message>
        <source>the family does not fit in 31 page spaces</source>
        <translation>die Familie passt nicht in 31 Seitenbereiche</translation>
    </message>
    <message>
        <source>the marriages&apos; links do not match the marriages</source>
        <translation>die Verweise der Ehen passen nicht zu den Ehen</translation>
    </message>
    <message>
        <source>marriage %1 names a person who does not exist</source>
        <translation>Ehe %1 nennt eine Person, die es nicht gibt</translation>
    </message>
    <message>
        <source>person %1 lists a marriage that does not exist</source>
        <translation>Person %1 führt eine Ehe auf, die es nicht gibt</translation>
    </message>
    <message>
        <source>Invalid Rin</source>
        <translation>Ungültige RIN</translation>
    </message>
    <message>
        <source>Corrupt Data.  Run check/repair
in PAF to repair data.</source>
        <translation>Beschädigte Daten.  Mit Prüfen/Reparieren
in PAF die Daten reparieren.</translation>
    </message>
    <message>
        <source>individual</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>marriage</source>
        <translation>Ehe</translation>
    </message>
    <message>
        <source>name index</source>
        <translation>Namensindex</translation>
    </message>
    <message>
        <source>record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>node</source>
        <translation>Knoten</translation>
    </message>
    <message>
        <source>child link</source>
        <translation>Kindverweis</translation>
    </message>
    <message>
        <source>child chain at link</source>
        <translation>Kinderkette bei Verweis</translation>
    </message>
    <message>
        <source>marriage chain at marriage</source>
        <translation>Ehekette bei Ehe</translation>
    </message>
    <message>
        <source>parents&apos; marriage</source>
        <translation>Ehe der Eltern</translation>
    </message>
    <message>
        <source>own marriage</source>
        <translation>eigene Ehe</translation>
    </message>
    <message>
        <source>father</source>
        <translation>Vater</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>Mutter</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ist nicht lesbar</translation>
    </message>
    <message>
        <source>is deleted</source>
        <translation>ist gelöscht</translation>
    </message>
    <message>
        <source>loops</source>
        <translation>bildet eine Schleife</translation>
    </message>
    <message>
        <source>is reached twice</source>
        <translation>wird zweimal erreicht</translation>
    </message>
    <message>
        <source>is beyond the last individual</source>
        <translation>liegt hinter der letzten Person</translation>
    </message>
    <message>
        <source>is beyond the last node</source>
        <translation>liegt hinter dem letzten Knoten</translation>
    </message>
    <message>
        <source>does not name him as husband</source>
        <translation>nennt ihn nicht als Ehemann</translation>
    </message>
    <message>
        <source>does not name her as wife</source>
        <translation>nennt sie nicht als Ehefrau</translation>
    </message>
    <message>
        <source>closes a loop (someone is his own ancestor); cut there</source>
        <translation>schließt einen Kreis (jemand ist sein eigener Vorfahr); dort getrennt</translation>
    </message>
    <message>
        <source> (the last is %1)</source>
        <translation> (die letzte ist %1)</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Page Preview</source>
        <translation>Seitenvorschau</translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Seite </translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Format 2</source>
        <translation>Format 2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Next Pos</source>
        <translation>Nächste Pos.</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Breite anpassen</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Seite anpassen</translation>
    </message>
    <message>
        <source>Page Preview - %1</source>
        <translation>Seitenvorschau - %1</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>If you decide you want to go back to Format 1
you must cancel out of this run and start all
over again.</source>
        <translation>Wenn Sie zu Format 1 zurückkehren möchten,
müssen Sie diesen Lauf abbrechen und ganz
von vorn beginnen.</translation>
    </message>
    <message>
        <source>The branch positions were saved in
%1</source>
        <translation>Die Positionen der Äste wurden gespeichert in
%1</translation>
    </message>
</context>
<context>
    <name>PrintWindow</name>
    <message>
        <source>Cannot write %1</source>
        <translation>Kann %1 nicht schreiben</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>No PDF file was named to print into.</source>
        <translation>Es wurde keine PDF-Datei zum Drucken angegeben.</translation>
    </message>
    <message>
        <source>The printer %1 could not start printing.</source>
        <translation>Der Drucker %1 konnte den Druck nicht starten.</translation>
    </message>
    <message>
        <source>Cannot write %1: the font %2 is not installed</source>
        <translation>Kann %1 nicht schreiben: die Schrift %2 ist nicht installiert</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>Before the first page&apos;s field of a range: &quot;Pages [ 3 ] to [ 7 ]&quot;</extracomment>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the first and the last page&apos;s fields of a range: &quot;Pages [ 3 ] to [ 7 ]&quot;</extracomment>
        <translation>bis</translation>
    </message>
    <message>
        <source>Printing ...</source>
        <translation>Drucken ...</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>%1 of %2 pages printed</source>
        <translation>%1 von %2 Seiten gedruckt</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Aktuelle Seite</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Drucker:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papier:</translation>
    </message>
    <message>
        <source>A3 where needed</source>
        <translation>A3 wo nötig</translation>
    </message>
    <message>
        <source>On A5, A4 or A3 paper the Descendant Summary Chart may take an A3 sheet where it needs a larger one; otherwise it fits itself onto the paper.</source>
        <translation>Auf A5-, A4- oder A3-Papier darf die Nachkommen-Übersichtstafel ein A3-Blatt nehmen, wo sie ein größeres bräuchte; sonst passt sie sich dem Papier an.</translation>
    </message>
    <message>
        <source>All %1 pages</source>
        <translation>Alle %1 Seiten</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>Invalid page range.</source>
        <translation>Ungültiger Seitenbereich.</translation>
    </message>
    <message>
        <source>The report was written to
%1</source>
        <translation>Der Bericht wurde geschrieben nach
%1</translation>
    </message>
    <message>
        <source>Print to PDF file</source>
        <translation>In PDF-Datei drucken</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>PDF-Dateien</translation>
    </message>
</context>
<context>
    <name>RepeatAncestorsList</name>
    <message>
        <source>No ancestor appears more than once.</source>
        <translation>Kein Vorfahr kommt mehr als einmal vor.</translation>
    </message>
    <message>
        <source>Repeat Ancestor List</source>
        <translation>Liste mehrfacher Ahnen</translation>
    </message>
    <message>
        <source>Cont&apos;d</source>
        <translation>Forts.</translation>
    </message>
</context>
<context>
    <name>RepeatDescendantList</name>
    <message>
        <source>No descendant appears more than once.</source>
        <translation>Kein Nachkomme kommt mehr als einmal vor.</translation>
    </message>
    <message>
        <source>child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>grandchild</source>
        <translation>Enkel</translation>
    </message>
    <message>
        <source>G g&apos;child</source>
        <translation>Urenkel</translation>
    </message>
    <message>
        <source>%1 G g&apos;child</source>
        <translation>%1. Urenkel</translation>
    </message>
    <message>
        <source>Repeat Descendants</source>
        <translation>Mehrfache Nachkommen</translation>
    </message>
    <message>
        <source>RELATION</source>
        <translation>BEZIEHUNG</translation>
    </message>
</context>
<context>
    <name>ReportChoiceWindow</name>
    <message>
        <source>Choose a report</source>
        <translation>Bericht auswählen</translation>
    </message>
    <message>
        <source>What do you want to print?</source>
        <translation>Was möchten Sie drucken?</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Tafeln</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>(no name)</source>
        <translation>(kein Name)</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>The list stops after generation %1:
the next generation would fill more than %2 positions.</source>
        <translation>Die Liste endet nach Generation %1:
die nächste Generation füllte mehr als %2 Positionen.</translation>
    </message>
    <message>
        <source>The list stops after generation %1:
the next generation would take it past %2 entries.</source>
        <translation>Die Liste endet nach Generation %1:
die nächste Generation brächte sie über %2 Einträge.</translation>
    </message>
    <message>
        <source>The list stops after generation %1:
no list goes further than %1 generations.</source>
        <translation>Die Liste endet nach Generation %1:
keine Liste geht über %1 Generationen hinaus.</translation>
    </message>
    <message>
        <source>No children are recorded.</source>
        <translation>Keine Kinder verzeichnet.</translation>
    </message>
    <message>
        <source>GEN</source>
        <translation>GEN</translation>
    </message>
    <message>
        <source>RIN</source>
        <translation>RIN</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>Geburtsjahr</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>self</source>
        <translation>selbst</translation>
    </message>
    <message>
        <source>cont&apos;d</source>
        <translation>Forts.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>DESCENDANT PARENT</source>
        <translation>NACHKOMME ELTERNTEIL</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>Grandchildren</source>
        <translation>Enkel</translation>
    </message>
    <message>
        <source>Research Status List</source>
        <translation>Forschungsstand-Liste</translation>
    </message>
    <message>
        <source>Descendants Summary List</source>
        <translation>Nachkommen-Übersichtsliste</translation>
    </message>
    <message>
        <source>Family Summary List</source>
        <translation>Familien-Übersichtsliste</translation>
    </message>
    <message>
        <source>Descendants List</source>
        <translation>Nachkommenliste</translation>
    </message>
    <message>
        <source>Grouped Descendants List</source>
        <translation>Gruppierte Nachkommenliste</translation>
    </message>
    <message>
        <source>Research Status Chart</source>
        <translation>Forschungsstand-Tafel</translation>
    </message>
    <message>
        <source>Repeat Ancestors List</source>
        <translation>Liste mehrfacher Ahnen</translation>
    </message>
    <message>
        <source>Ancestors List (with repeats)</source>
        <translation>Ahnenliste (mit Wiederholungen)</translation>
    </message>
    <message>
        <source>Ancestors List (without repeats)</source>
        <translation>Ahnenliste (ohne Wiederholungen)</translation>
    </message>
    <message>
        <source>Descendant Summary Chart</source>
        <translation>Nachkommen-Übersichtstafel</translation>
    </message>
    <message>
        <source>Family Tree Chart</source>
        <translation>Stammbaumtafel</translation>
    </message>
    <message>
        <source>Surname Distribution List</source>
        <translation>Familiennamen-Verteilungsliste</translation>
    </message>
    <message>
        <source>Family Date Chart</source>
        <translation>Familien-Datentafel</translation>
    </message>
    <message>
        <source>Repeat Descendant List</source>
        <translation>Liste mehrfacher Nachkommen</translation>
    </message>
    <message>
        <source>Invalid start RIN</source>
        <translation>Ungültige Start-RIN</translation>
    </message>
    <message>
        <source>RinX access out of range</source>
        <translation>RIN-Zugriff außerhalb des Bereichs</translation>
    </message>
</context>
<context>
    <name>ResearchStatusChart</name>
    <message>
        <source>GENERATION</source>
        <translation>GENERATION</translation>
    </message>
    <message>
        <source>RELATIONSHIP</source>
        <translation>VERWANDTSCH.</translation>
    </message>
    <message>
        <source>PEDIGREE</source>
        <translation>AHNEN-</translation>
    </message>
    <message>
        <source>POSITIONS</source>
        <translation>STELLEN</translation>
    </message>
    <message>
        <source>ANCESTORS</source>
        <translation>AHNEN</translation>
    </message>
    <message>
        <source>IDENTIFIED</source>
        <translation>ERMITTELT</translation>
    </message>
    <message>
        <source>REPEATS</source>
        <translation>WIEDERH.</translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation>SUMMEN</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>PROZENT</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>ERLEDIGT</translation>
    </message>
    <message>
        <source>BIRTH YEARS</source>
        <translation>GEBURTSJAHRE</translation>
    </message>
    <message>
        <source>INVOLVED</source>
        <translation>BETROFFEN</translation>
    </message>
    <message>
        <source>Research Status Chart</source>
        <translation>Forschungsstand-Tafel</translation>
    </message>
    <message>
        <source>Generations %1 and later are not shown.</source>
        <translation>Generationen ab %1 werden nicht gezeigt.</translation>
    </message>
    <message>
        <source>par</source>
        <translation>Eltern</translation>
    </message>
    <message>
        <source>G.</source>
        <translation>Ur-</translation>
    </message>
    <message>
        <source>%1 G.</source>
        <translation>%1.Ur-</translation>
    </message>
    <message>
        <source>g&apos;par</source>
        <translation>Großelt.</translation>
    </message>
    <message>
        <source>M</source>
        <translation>Mio.</translation>
    </message>
</context>
<context>
    <name>ResearchStatusList</name>
    <message>
        <source>Pedigree</source>
        <translation>Ahnen-</translation>
    </message>
    <message>
        <source>positions</source>
        <translation>stellen</translation>
    </message>
    <message>
        <source>filled</source>
        <translation>besetzt</translation>
    </message>
    <message>
        <source>Ancestors</source>
        <translation>Ahnen</translation>
    </message>
    <message>
        <source>Ancestor</source>
        <translation>Ahnen</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Identified</source>
        <translation>ermittelt</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>mehrfach</translation>
    </message>
    <message>
        <source>Research Status List</source>
        <translation>Forschungsstand-Liste</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 Mrd.</translation>
    </message>
    <message>
        <source>%1 T</source>
        <translation>%1 Bio.</translation>
    </message>
</context>
<context>
    <name>Scripts</name>
    <message>
        <source>Adlam</source>
        <translation>Adlam</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Armenisch</translation>
    </message>
    <message>
        <source>Balinese</source>
        <translation>Balinesisch</translation>
    </message>
    <message>
        <source>Bamum</source>
        <translation>Bamum</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengalisch</translation>
    </message>
    <message>
        <source>Bopomofo</source>
        <translation>Bopomofo</translation>
    </message>
    <message>
        <source>Buginese</source>
        <translation>Buginesisch</translation>
    </message>
    <message>
        <source>Chakma</source>
        <translation>Chakma</translation>
    </message>
    <message>
        <source>Canadian Aboriginal</source>
        <translation>Kanadische Silbenschrift</translation>
    </message>
    <message>
        <source>Cherokee</source>
        <translation>Cherokee</translation>
    </message>
    <message>
        <source>Coptic</source>
        <translation>Koptisch</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Kyrillisch</translation>
    </message>
    <message>
        <source>Devanagari</source>
        <translation>Devanagari</translation>
    </message>
    <message>
        <source>Ethiopic</source>
        <translation>Äthiopisch</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Georgisch</translation>
    </message>
    <message>
        <source>Glagolitic</source>
        <translation>Glagolitisch</translation>
    </message>
    <message>
        <source>Gothic</source>
        <translation>Gotisch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>Gujarati</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>Gurmukhi</translation>
    </message>
    <message>
        <source>Hangul</source>
        <translation>Hangul</translation>
    </message>
    <message>
        <source>Han</source>
        <translation>Han</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>Hiragana</source>
        <translation>Hiragana</translation>
    </message>
    <message>
        <source>Javanese</source>
        <translation>Javanisch</translation>
    </message>
    <message>
        <source>Kayah Li</source>
        <translation>Kayah Li</translation>
    </message>
    <message>
        <source>Katakana</source>
        <translation>Katakana</translation>
    </message>
    <message>
        <source>Khmer</source>
        <translation>Khmer</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>Kannada</translation>
    </message>
    <message>
        <source>Lao</source>
        <translation>Laotisch</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Lateinisch</translation>
    </message>
    <message>
        <source>Lepcha</source>
        <translation>Lepcha</translation>
    </message>
    <message>
        <source>Limbu</source>
        <translation>Limbu</translation>
    </message>
    <message>
        <source>Lisu</source>
        <translation>Lisu</translation>
    </message>
    <message>
        <source>Mandaic</source>
        <translation>Mandäisch</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>Malayalam</translation>
    </message>
    <message>
        <source>Mongolian</source>
        <translation>Mongolisch</translation>
    </message>
    <message>
        <source>Meetei Mayek</source>
        <translation>Meitei Mayek</translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation>Birmanisch</translation>
    </message>
    <message>
        <source>N&apos;Ko</source>
        <translation>N’Ko</translation>
    </message>
    <message>
        <source>Ogham</source>
        <translation>Ogham</translation>
    </message>
    <message>
        <source>Ol Chiki</source>
        <translation>Ol Chiki</translation>
    </message>
    <message>
        <source>Odia</source>
        <translation>Oriya</translation>
    </message>
    <message>
        <source>Osage</source>
        <translation>Osage</translation>
    </message>
    <message>
        <source>Hanifi Rohingya</source>
        <translation>Hanifi Rohingya</translation>
    </message>
    <message>
        <source>Runic</source>
        <translation>Runen</translation>
    </message>
    <message>
        <source>Samaritan</source>
        <translation>Samaritanisch</translation>
    </message>
    <message>
        <source>Saurashtra</source>
        <translation>Saurashtra</translation>
    </message>
    <message>
        <source>Sinhala</source>
        <translation>Singhalesisch</translation>
    </message>
    <message>
        <source>Sundanese</source>
        <translation>Sundanesisch</translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation>Syrisch</translation>
    </message>
    <message>
        <source>Tai Le</source>
        <translation>Tai Le</translation>
    </message>
    <message>
        <source>New Tai Lue</source>
        <translation>Neu-Tai-Lue</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>Tamilisch</translation>
    </message>
    <message>
        <source>Tai Viet</source>
        <translation>Tai Viet</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>Telugu</translation>
    </message>
    <message>
        <source>Tifinagh</source>
        <translation>Tifinagh</translation>
    </message>
    <message>
        <source>Tagalog</source>
        <translation>Tagalog</translation>
    </message>
    <message>
        <source>Thaana</source>
        <translation>Thaana</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailändisch</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>Tibetisch</translation>
    </message>
    <message>
        <source>Vai</source>
        <translation>Vai</translation>
    </message>
    <message>
        <source>Yi</source>
        <translation>Yi</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Note: If the same couple married more
     than once, include both MRINs 
separated by a comma. example: 23,24</source>
        <translation>Hinweis: Hat dasselbe Paar mehr als
     einmal geheiratet, beide MRINs 
durch Komma getrennt angeben. Beispiel: 23,24</translation>
    </message>
    <message>
        <source>Computing statistics for generation: </source>
        <translation>Statistik wird berechnet für Generation: </translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>detailed &amp;foliage background</source>
        <translation>detaillierter &amp;Laubhintergrund</translation>
    </message>
    <message>
        <source>Start couple - %1</source>
        <translation>Startpaar - %1</translation>
    </message>
    <message>
        <source>Start individual - %1</source>
        <translation>Startperson - %1</translation>
    </message>
    <message>
        <source>Which couple do you want to start with?</source>
        <translation>Mit welchem Paar möchten Sie beginnen?</translation>
    </message>
    <message>
        <source>&amp;MRIN:</source>
        <translation>&amp;MRIN:</translation>
    </message>
    <message>
        <source>Which individual do you want to start with?</source>
        <translation>Mit welcher Person möchten Sie beginnen?</translation>
    </message>
    <message>
        <source>&amp;RIN:</source>
        <translation>&amp;RIN:</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fertig</translation>
    </message>
</context>
<context>
    <name>SurnameDistributionList</name>
    <message>
        <source>%1 none count</source>
        <translation>%1 ohne Namen</translation>
    </message>
    <message>
        <source>Surname Distribution List</source>
        <translation>Familiennamen-Verteilungsliste</translation>
    </message>
</context>
<context>
    <name>TitleWindow</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Tamblewin V %1</source>
        <translation>Tamblewin V %1</translation>
    </message>
    <message>
        <source>Prints unique genealogical lists and charts directly from your PAF 5 data file</source>
        <translation>Druckt einzigartige genealogische Listen und Tafeln direkt aus Ihrer PAF-5-Datendatei</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>(takes effect at the next start)</source>
        <translation>(wirkt beim nächsten Start)</translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>there is no display to show the windows on.</source>
        <translation>es gibt keine Anzeige, auf der die Fenster erscheinen könnten.</translation>
    </message>
    <message>
        <source>no display can be reached to show the windows on (%1, and nothing answers there).</source>
        <translation>keine Anzeige für die Fenster erreichbar (%1, und dort antwortet nichts).</translation>
    </message>
    <message>
        <source>Run it in a desktop session, or use a command: %1</source>
        <translation>Starten Sie es in einer Desktop-Sitzung oder verwenden Sie einen Befehl: %1</translation>
    </message>
    <message>
        <source>the windows cannot be shown: Qt found no display it could use.</source>
        <translation>die Fenster können nicht gezeigt werden: Qt fand keine nutzbare Anzeige.</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 Zoll</translation>
    </message>
    <message>
        <source>%1 landscape</source>
        <translation>%1 quer</translation>
    </message>
    <message>
        <source>Tamblewin for PAF</source>
        <translation>Tamblewin für PAF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>Achtung!</translation>
    </message>
    <message>
        <source>Whoops</source>
        <translation>Hoppla</translation>
    </message>
    <message>
        <source>Whoops!</source>
        <translation>Hoppla!</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Multiple marriages</source>
        <translation>Mehrere Ehen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Fehlerhaft</translation>
    </message>
    <message>
        <source>Problem!</source>
        <translation>Problem!</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>GEDCOM import</source>
        <translation>GEDCOM-Import</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
</context>
</TS>
