<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AncestorsList</name>
    <message>
        <source>Ancestor List (with repeats)</source>
        <translation>Lista de antepasados (con repeticiones)</translation>
    </message>
    <message>
        <source>Ancestor List (without repeats)</source>
        <translation>Lista de antepasados (sin repeticiones)</translation>
    </message>
    <message>
        <source>Pedigree Position</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Sosa</translation>
    </message>
    <message>
        <source>R&apos;P</source>
        <translation>Rep.</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>nacim.</translation>
    </message>
    <message>
        <source>PPN too large to display.</source>
        <translation>N.º Sosa demasiado grande.</translation>
    </message>
</context>
<context>
    <name>BrowseWindow</name>
    <message>
        <source>Choose a person</source>
        <translation>Elegir una persona</translation>
    </message>
    <message>
        <source>Loading ... </source>
        <translation>Cargando ... </translation>
    </message>
    <message>
        <source>Type part of a name</source>
        <translation>Escriba parte de un nombre</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>C&amp;hoose</source>
        <translation>&amp;Elegir</translation>
    </message>
    <message>
        <source>Loading ... Done</source>
        <translation>Cargando ... hecho</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>No name holds &quot;%1&quot;</source>
        <translation>Ningún nombre contiene «%1»</translation>
    </message>
    <message>
        <source>There is no marriage record for this person.</source>
        <translation>No hay ningún registro de matrimonio para esta persona.</translation>
    </message>
    <message>
        <source>Next you will see a list of spouses for 

%1

 Please choose one.</source>
        <translation>A continuación verá una lista de cónyuges de 

%1

 Elija uno, por favor.</translation>
    </message>
    <message>
        <source>b.</source>
        <translation>n.</translation>
    </message>
    <message>
        <source>c.</source>
        <translation>bau.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>will not write %1: it is the data file being read</source>
        <translation>no se escribirá %1: es el archivo de datos que se está leyendo</translation>
    </message>
    <message>
        <source>will not write %1</source>
        <translation>no se escribirá %1</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
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
                                maqueta un informe y lo escribe como páginas PDF, PNG o SVG o
                                como su registro de páginas; --start es el RIN, o los MRIN («23,24»);
                                --paper: el papel en el que maquetarlo (véase abajo);
                                --large-sheets: en papel A5, A4 o A3 el gráfico resumen de
                                descendientes puede usar una hoja A3 donde necesite una mayor
                                (sin ella, se ajusta al papel);
                                --plain-background: la copa del árbol genealógico como óvalos
                                simples en lugar de hojas
</translation>
    </message>
    <message>
        <source>  tamblewin info FILE.paf       header figures of a PAF 5 data file
</source>
        <translation>  tamblewin info FILE.paf       datos de la cabecera de un archivo de datos PAF 5
</translation>
    </message>
    <message>
        <source>  tamblewin people FILE.paf     every individual in name order, with the RIN
</source>
        <translation>  tamblewin people FILE.paf     cada persona por orden de nombre, con su RIN
</translation>
    </message>
    <message>
        <source>  tamblewin families FILE.paf   every marriage: MRIN, husband, wife and marriage year,
                                separated by tabs
</source>
        <translation>  tamblewin families FILE.paf   cada matrimonio: MRIN, esposo, esposa y año del matrimonio,
                                separados por tabuladores
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
                                crea un archivo PAF 5 a partir de un archivo GEDCOM; las letras
                                que PAF no admite se convierten en letras simples. report, info,
                                people y families también aceptan directamente un archivo GEDCOM,
                                reconocido por su primera línea (0 HEAD) sea cual sea su nombre
</translation>
    </message>
    <message>
        <source>  tamblewin FILE                the windows, with that PAF or GEDCOM file chosen
</source>
        <translation>  tamblewin FILE                las ventanas, con ese archivo PAF o GEDCOM elegido
</translation>
    </message>
    <message>
        <source>--language CODE, before or after any command, gives the language of the words
on the pages, in the windows and in the messages: de (German), fr (French),
es (Spanish), nl (Dutch), sv (Swedish), nb (Norwegian Bokmal) or en (English).
Without it the language is the first that LANGUAGE lists, else that of LC_ALL,
LC_MESSAGES or LANG; a language tamblewin does not have is English.
</source>
        <translation>--language CODE, antes o después de cualquier comando, indica el idioma de las palabras
de las páginas, las ventanas y los mensajes: de (alemán), fr (francés),
es (español), nl (neerlandés), sv (sueco), nb (noruego bokmål) o en (inglés).
Sin ella, el idioma es el primero que indique LANGUAGE, si no el de LC_ALL,
LC_MESSAGES o LANG; un idioma que tamblewin no tiene se sustituye por el inglés.
</translation>
    </message>
    <message>
        <source>Without --paper the paper is the one PAPERSIZE names, else the first word of the
paper configuration file (/etc/papersize, or the file PAPERCONF names), else the
locale&apos;s (LC_ALL, else LC_PAPER, else LANG): letter in the United States, Canada,
Mexico, the Philippines, Chile, Colombia and Venezuela, A4 in every other country;
else letter. A name tamblewin does not know is passed over.
</source>
        <translation>Sin --paper, el papel es el que indique PAPERSIZE, si no la primera palabra del
archivo de configuración del papel (/etc/papersize, o el archivo que indique PAPERCONF),
si no el de la configuración regional (LC_ALL, si no LC_PAPER, si no LANG): letter en
Estados Unidos, Canadá, México, Filipinas, Chile, Colombia y Venezuela, A4 en todos los
demás países; si no, letter. Un nombre que tamblewin no conoce se pasa por alto.
</translation>
    </message>
    <message>
        <source>The data file is only ever read, never written: no output may be the data file or
the GEDCOM file read, and every output is written whole or not at all. Messages
go to standard error. Exit status:
</source>
        <translation>El archivo de datos solo se lee, nunca se escribe: ninguna salida puede ser el archivo de datos
ni el archivo GEDCOM leído, y cada salida se escribe completa o no se escribe. Los mensajes
van a la salida de error estándar. Código de salida:
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
        <translation>  0  completado
  1  no se pudo hacer lo pedido (un archivo que falta, ninguna página, detenido con Ctrl-C)
  2  línea de comandos o campo de inicio erróneo, o una salida que es una entrada
  3  el archivo de datos está dañado y no se escribió nada
  4  se escribió la salida, pero el archivo de datos está dañado (los mensajes indican dónde)
  5  memoria insuficiente
</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>no se puede escribir en la salida estándar</translation>
    </message>
    <message>
        <source>&apos;import&apos; does not take &apos;%1&apos;</source>
        <translation>&apos;import&apos; no admite &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;import&apos; takes a GEDCOM file and -o FILE.paf</source>
        <translation>&apos;import&apos; requiere un archivo GEDCOM y -o FILE.paf</translation>
    </message>
    <message>
        <source>the PAF file must not be the GEDCOM file itself</source>
        <translation>el archivo PAF no debe ser el propio archivo GEDCOM</translation>
    </message>
    <message>
        <source>will not write %1; choose another output</source>
        <translation>no se escribirá %1; elija otra salida</translation>
    </message>
    <message>
        <source>will not write %1: %2; choose another output</source>
        <translation>no se escribirá %1: %2; elija otra salida</translation>
    </message>
    <message>
        <source>%1 names and places hold letters a PAF file cannot; they were written with plain letters, and &quot;?&quot; where there is none</source>
        <translation>%1 nombres y lugares contienen letras que un archivo PAF no admite; se escribieron con letras simples, y «?» donde no hay ninguna</translation>
    </message>
    <message>
        <source>the import was stopped; nothing was written</source>
        <translation>la importación se detuvo; no se escribió nada</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: no se puede escribir</translation>
    </message>
    <message>
        <source>Wrote %1 individuals and %2 marriages to %3</source>
        <translation>Se escribieron %1 personas y %2 matrimonios en %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one data file</source>
        <translation>&apos;%1&apos; requiere un único archivo de datos</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconocido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>this build of tamblewin writes page logs only (--format log); PDF, PNG and SVG need the full build</source>
        <translation>esta compilación de tamblewin solo escribe registros de páginas (--format log); PDF, PNG y SVG necesitan la compilación completa</translation>
    </message>
    <message>
        <source>PNG and SVG pages are written by the Qt module</source>
        <translation>las páginas PNG y SVG las escribe el módulo Qt</translation>
    </message>
    <message>
        <source>page logs are not written through a printer</source>
        <translation>los registros de páginas no se escriben a través de una impresora</translation>
    </message>
    <message>
        <source>1 problem in the GEDCOM file was passed over; `tamblewin import %1 -o X.paf` lists it</source>
        <translation>se pasó por alto 1 problema del archivo GEDCOM; `tamblewin import %1 -o X.paf` lo muestra</translation>
    </message>
    <message>
        <source>%2 problems in the GEDCOM file were passed over; `tamblewin import %1 -o X.paf` lists them</source>
        <translation>se pasaron por alto %2 problemas del archivo GEDCOM; `tamblewin import %1 -o X.paf` los muestra</translation>
    </message>
    <message>
        <source>Laying out generation %1</source>
        <translation>Maquetando la generación %1</translation>
    </message>
    <message>
        <source>Writing page %1 of %2</source>
        <translation>Escribiendo la página %1 de %2</translation>
    </message>
    <message>
        <source>the program&apos;s own folder is not known</source>
        <translation>no se conoce la carpeta del propio programa</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 has no %2</source>
        <translation>%1 no tiene %2</translation>
    </message>
    <message>
        <source>the windows and PNG and SVG pages need Qt&apos;s module: %1</source>
        <translation>las ventanas y las páginas PNG y SVG necesitan el módulo Qt: %1</translation>
    </message>
    <message>
        <source>&apos;report&apos; needs a report kind; the kinds are:
%1</source>
        <translation>&apos;report&apos; necesita un tipo de informe; los tipos son:
%1</translation>
    </message>
    <message>
        <source>unknown report kind &apos;%1&apos;; the kinds are:
%2</source>
        <translation>tipo de informe desconocido &apos;%1&apos;; los tipos son:
%2</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>la opción &apos;%1&apos; necesita un valor</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (pdf, png, svg or log)</source>
        <translation>formato desconocido &apos;%1&apos; (pdf, png, svg o log)</translation>
    </message>
    <message>
        <source>unknown paper &apos;%1&apos;; the papers are %2</source>
        <translation>papel desconocido &apos;%1&apos;; los papeles son %2</translation>
    </message>
    <message>
        <source>--date wants a date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--date espera una fecha con el formato YYYY-MM-DD, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;report&apos; needs the data file: --paf FILE.paf</source>
        <translation>&apos;report&apos; necesita el archivo de datos: --paf FILE.paf</translation>
    </message>
    <message>
        <source>--start &apos;%1&apos; is not a RIN or a list of MRINs such as 23,24</source>
        <translation>--start &apos;%1&apos; no es un RIN ni una lista de MRIN como 23,24</translation>
    </message>
    <message>
        <source>cannot tell the format from &apos;%1&apos;; give --format</source>
        <translation>no se puede deducir el formato de &apos;%1&apos;; indique --format</translation>
    </message>
    <message>
        <source>SOURCE_DATE_EPOCH wants seconds since 1970 within the years 1 to 9999, not &apos;%1&apos;</source>
        <translation>SOURCE_DATE_EPOCH espera segundos desde 1970 dentro de los años 1 a 9999, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 página</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 páginas</translation>
    </message>
    <message>
        <source>Removed 1 page file left from an earlier, longer run</source>
        <translation>Se eliminó 1 archivo de página que quedaba de una ejecución anterior más larga</translation>
    </message>
    <message>
        <source>Removed %1 page files left from an earlier, longer run</source>
        <translation>Se eliminaron %1 archivos de página que quedaban de una ejecución anterior más larga</translation>
    </message>
    <message>
        <source>will not write %1: it is the data file being read; choose another output</source>
        <translation>no se escribirá %1: es el archivo de datos que se está leyendo; elija otra salida</translation>
    </message>
    <message>
        <source>only the page log (--format log) can go to standard output</source>
        <translation>solo el registro de páginas (--format log) puede ir a la salida estándar</translation>
    </message>
    <message>
        <source>%1 is a folder; give a file name for the page log</source>
        <translation>%1 es una carpeta; indique un nombre de archivo para el registro de páginas</translation>
    </message>
    <message>
        <source>%1 is a folder; give a file name for the PDF document</source>
        <translation>%1 es una carpeta; indique un nombre de archivo para el documento PDF</translation>
    </message>
    <message>
        <source>cannot write the page log</source>
        <translation>no se puede escribir el registro de páginas</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>Wrote the page log of %1 to %2</source>
        <translation>Se escribió el registro de páginas de %1 en %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 in full</source>
        <translation>no se puede escribir %1 completo</translation>
    </message>
    <message>
        <source>Wrote %1 to %2</source>
        <translation>Escrito: %1 en %2</translation>
    </message>
    <message>
        <source>no report was written: the start field was refused</source>
        <translation>no se escribió ningún informe: el campo de inicio fue rechazado</translation>
    </message>
    <message>
        <source>the report was stopped; nothing was written</source>
        <translation>el informe se detuvo; no se escribió nada</translation>
    </message>
    <message>
        <source>the report stopped on bad data; nothing was written</source>
        <translation>el informe se detuvo por datos erróneos; no se escribió nada</translation>
    </message>
    <message>
        <source>the report produced no page; nothing was written</source>
        <translation>el informe no produjo ninguna página; no se escribió nada</translation>
    </message>
    <message>
        <source>stopped; nothing was written</source>
        <translation>detenido; no se escribió nada</translation>
    </message>
</context>
<context>
    <name>CoupleListWindow</name>
    <message>
        <source>Marriage Choose Rin</source>
        <translation>Elegir matrimonio</translation>
    </message>
</context>
<context>
    <name>DataFileWindow</name>
    <message>
        <source>Which data file do you want to use?</source>
        <translation>¿Qué archivo de datos desea usar?</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>Data file - %1</source>
        <translation>Archivo de datos - %1</translation>
    </message>
    <message>
        <source>There must be a valid PAF file name.</source>
        <translation>Debe haber un nombre de archivo PAF válido.</translation>
    </message>
    <message>
        <source>Opening %1 ...</source>
        <translation>Abriendo %1 ...</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Apertura</translation>
    </message>
    <message>
        <source>%1 is a folder, not a data file.</source>
        <translation>%1 es una carpeta, no un archivo de datos.</translation>
    </message>
    <message>
        <source>%1

is neither a PAF 5 data file nor a GEDCOM file, so it cannot be opened.</source>
        <translation>%1

no es un archivo de datos PAF 5 ni un archivo GEDCOM, así que no se puede abrir.</translation>
    </message>
    <message>
        <source>%1

cannot be read: %2.</source>
        <translation>%1

no se puede leer: %2.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Family files</source>
        <translation>Archivos de familia</translation>
    </message>
    <message>
        <source>PAF 5 data files</source>
        <translation>Archivos de datos PAF 5</translation>
    </message>
    <message>
        <source>GEDCOM files</source>
        <translation>Archivos GEDCOM</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>Aft</source>
        <translation>desp.</translation>
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
        <translation>Mortinato</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No aprobado</translation>
    </message>
    <message>
        <source>Abt</source>
        <translation>hacia</translation>
    </message>
    <message>
        <source>Bef</source>
        <translation>ant.</translation>
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
        <translation>Niño</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Aprobado</translation>
    </message>
    <message>
        <source>Out of range month</source>
        <translation>Mes fuera de rango</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>ene</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>abr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>may</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sep</translation>
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
        <translation>dic</translation>
    </message>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
</context>
<context>
    <name>DescendantSummaryChart</name>
    <message>
        <source>The chart counts the first %1 generations:
the next generation would take the count past %2 entries.</source>
        <translation>El gráfico cuenta las primeras %1 generaciones:
la siguiente generación llevaría la cuenta a más de %2 entradas.</translation>
    </message>
    <message>
        <source>Only the first %1 generations below the couple are counted: the next would take the count past %2 people.</source>
        <translation>Solo se cuentan las primeras %1 generaciones bajo la pareja: la siguiente llevaría la cuenta a más de %2 personas.</translation>
    </message>
    <message>
        <source>Only the first %1 generations below the couple are counted: the chart counts no further.</source>
        <translation>Solo se cuentan las primeras %1 generaciones bajo la pareja: el gráfico no cuenta más allá.</translation>
    </message>
    <message>
        <source>1 child</source>
        <translation>1 hijo</translation>
    </message>
    <message>
        <source>its %1 generations do not fit across the page.</source>
        <translation>sus %1 generaciones no caben a lo ancho de la página.</translation>
    </message>
    <message>
        <source>This couple has more generations of data than
will fit on this report.  Be advised that the report
will show only the first %1 generations of data.</source>
        <translation>Esta pareja tiene más generaciones de datos de las que
caben en este informe. Tenga en cuenta que el informe
solo mostrará las primeras %1 generaciones.</translation>
    </message>
    <message>
        <source>This information could not
be formatted into any of
the 4 forms of this chart:
%1</source>
        <translation>Esta información no se pudo
formatear en ninguna de
las 4 formas de este gráfico:
%1</translation>
    </message>
    <message>
        <source>children</source>
        <translation>hijos</translation>
    </message>
    <message>
        <source>ch</source>
        <translation>hij</translation>
    </message>
    <message>
        <source>g&apos;ch</source>
        <translation>niet</translation>
    </message>
    <message>
        <source>G g&apos;ch</source>
        <translation>bisn</translation>
    </message>
    <message>
        <source>%1G g&apos;ch</source>
        <translation>%1.º bisn</translation>
    </message>
    <message>
        <source>its title does not fit across the page.</source>
        <translation>su título no cabe a lo ancho de la página.</translation>
    </message>
    <message>
        <source>the rows of its %1 children would stand %2 in apart, too close for the smallest type (%3 points).</source>
        <translation>las filas de sus %1 hijos quedarían a %2 pulgadas, demasiado juntas para la letra más pequeña (%3 puntos).</translation>
    </message>
    <message>
        <source>the couple&apos;s names and dates do not fit across the page.</source>
        <translation>los nombres y fechas de la pareja no caben a lo ancho de la página.</translation>
    </message>
    <message>
        <source>its totals do not fit across the page.</source>
        <translation>sus totales no caben a lo ancho de la página.</translation>
    </message>
    <message>
        <source>*repeat descendants involved</source>
        <translation>*incluye descendientes repetidos</translation>
    </message>
    <message>
        <source>family totals (parents, descendants, and all spouses):</source>
        <translation>totales de la familia (padres, descendientes y todos los cónyuges):</translation>
    </message>
    <message>
        <source>Only the first %1 of %2 generations fit across the page; the totals count them all.</source>
        <translation>Solo caben a lo ancho las primeras %1 de %2 generaciones; los totales las cuentan todas.</translation>
    </message>
    <message>
        <source>total descendants:</source>
        <translation>total de descendientes:</translation>
    </message>
    <message>
        <source>born:</source>
        <translation>nacim.:</translation>
    </message>
    <message>
        <source>married:</source>
        <translation>matrim.:</translation>
    </message>
    <message>
        <source>child</source>
        <translation>hijo</translation>
    </message>
    <message>
        <source>DESCENDANTS SUMMARY CHART</source>
        <translation>GRÁFICO RESUMEN DE DESCENDIENTES</translation>
    </message>
</context>
<context>
    <name>DescendantsList</name>
    <message>
        <source>Descendants of</source>
        <translation>Descendientes de</translation>
    </message>
    <message>
        <source>BIRTH</source>
        <translation>FECHA</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>NACIM.</translation>
    </message>
    <message>
        <source>CHILD</source>
        <translation>LÍNEA</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>HIJO</translation>
    </message>
</context>
<context>
    <name>DescendantsSummaryList</name>
    <message>
        <source>sub-totals:</source>
        <translation>subtotales:</translation>
    </message>
    <message>
        <source>Grand totals:</source>
        <translation>Total general:</translation>
    </message>
    <message>
        <source>(cont&apos;d)</source>
        <translation>(cont.)</translation>
    </message>
    <message>
        <source>Descendants Summary List</source>
        <translation>Lista resumen de descendientes</translation>
    </message>
    <message>
        <source>Child and Spouse(s)</source>
        <translation>Hijo y cónyuge(s)</translation>
    </message>
    <message>
        <source>G.</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>%1G.</source>
        <translation>%1.º bis</translation>
    </message>
    <message>
        <source>ch</source>
        <translation>hij</translation>
    </message>
    <message>
        <source>gch</source>
        <translation>niet</translation>
    </message>
    <message>
        <source>Descendants of this couple intermarried resulting in repeat descendants.  Grand totals have been adjusted so each descendant is counted only once.</source>
        <translation>Descendientes de esta pareja se casaron entre sí, lo que produce descendientes repetidos. Los totales generales se han ajustado para contar a cada descendiente una sola vez.</translation>
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
        <translation>E</translation>
    </message>
    <message>
        <source>S</source>
        <translation>C</translation>
    </message>
    <message>
        <source>(1 more marriage not shown)</source>
        <translation>(1 matrimonio más no mostrado)</translation>
    </message>
    <message>
        <source>(%1 more marriages not shown)</source>
        <translation>(%1 matrimonios más no mostrados)</translation>
    </message>
    <message>
        <source>Family Date Chart</source>
        <translation>Gráfico de fechas familiares</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Nacim.</translation>
    </message>
    <message>
        <source>Christened</source>
        <translation>Bautismo</translation>
    </message>
    <message>
        <source>Died</source>
        <translation>Defunc.</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Edad</translation>
    </message>
    <message>
        <source>Buried</source>
        <translation>Sepult.</translation>
    </message>
    <message>
        <source>Baptized</source>
        <translation>Bau. SUD</translation>
    </message>
    <message>
        <source>Endowed</source>
        <translation>Investid.</translation>
    </message>
    <message>
        <source>Sealed Par</source>
        <translation>Sell. pad.</translation>
    </message>
    <message>
        <source>Married</source>
        <translation>Matrim.</translation>
    </message>
    <message>
        <source>Sealed Sp</source>
        <translation>Sell. cón.</translation>
    </message>
</context>
<context>
    <name>FamilySummaryList</name>
    <message>
        <source>G. Grandchildren</source>
        <translation>Bisnietos</translation>
    </message>
    <message>
        <source>%1G. Grandchildren</source>
        <translation>%1.º bisnietos</translation>
    </message>
    <message>
        <source>Themselves</source>
        <translation>Ellos mismos</translation>
    </message>
    <message>
        <source>Totals:</source>
        <translation>Totales:</translation>
    </message>
    <message>
        <source>Family Summary List</source>
        <translation>Lista resumen de la familia</translation>
    </message>
    <message>
        <source>Gen</source>
        <translation>Gen.</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>Parentesco</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Descendientes</translation>
    </message>
    <message>
        <source>Descendants</source>
        <translation>directos</translation>
    </message>
    <message>
        <source>Descendant&apos;s</source>
        <translation>Cónyuges</translation>
    </message>
    <message>
        <source>Spouses</source>
        <translation>de desc.</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familia</translation>
    </message>
</context>
<context>
    <name>FamilyTreeChart</name>
    <message>
        <source>married  %1</source>
        <translation>cas.  %1</translation>
    </message>
    <message>
        <source>Family Tree</source>
        <translation>Árbol familiar</translation>
    </message>
    <message>
        <source>Only the first %1 children have branches: the trunk has no room for more.</source>
        <translation>Solo los primeros %1 hijos tienen ramas: el tronco no tiene sitio para más.</translation>
    </message>
    <message>
        <source>Counts of only %1 of %2 generations fit beside the boxes: the deeper ones are left out.</source>
        <translation>Solo caben junto a los recuadros los recuentos de %1 de %2 generaciones: las más profundas se omiten.</translation>
    </message>
    <message>
        <source>Some lines are counted only in part: the chart stops counting at its limit of generations and people.</source>
        <translation>Algunas líneas solo se cuentan en parte: el gráfico deja de contar en su límite de generaciones y personas.</translation>
    </message>
</context>
<context>
    <name>GedcomImport</name>
    <message>
        <source>the file is larger than 2 GiB</source>
        <translation>el archivo supera 2 GiB</translation>
    </message>
    <message>
        <source>more than %1 links between records; this one and the rest ignored</source>
        <translation>más de %1 enlaces entre registros; este y los demás se pasan por alto</translation>
    </message>
    <message>
        <source>the INDI record of line %1</source>
        <translation>el registro INDI de la línea %1</translation>
    </message>
    <message>
        <source>%1 is also the id of the %2 record of line %3; links to it go to that one</source>
        <translation>%1 es también el identificador del registro %2 de la línea %3; los enlaces a él van a ese</translation>
    </message>
    <message>
        <source>%1 %2 names no INDI record; dropped</source>
        <translation>%1 %2 no nombra ningún registro INDI; descartado</translation>
    </message>
    <message>
        <source>%1 %2 names no FAM record; dropped</source>
        <translation>%1 %2 no nombra ningún registro FAM; descartado</translation>
    </message>
    <message>
        <source>CHIL %1 is already a child of this family; dropped</source>
        <translation>CHIL %1 ya es hijo de esta familia; descartado</translation>
    </message>
    <message>
        <source>a second HUSB in the family; dropped</source>
        <translation>un segundo HUSB en la familia; descartado</translation>
    </message>
    <message>
        <source>a second WIFE in the family; dropped</source>
        <translation>una segunda WIFE en la familia; descartada</translation>
    </message>
    <message>
        <source>%1 is both husband and wife of the family; the second link dropped</source>
        <translation>%1 es a la vez esposo y esposa de la familia; el segundo enlace descartado</translation>
    </message>
    <message>
        <source>%1 is a spouse and a child of the same family; the child link dropped</source>
        <translation>%1 es cónyuge e hijo de la misma familia; el enlace de hijo descartado</translation>
    </message>
    <message>
        <source>FAMS %1: the family does not name %2 as husband or wife; dropped</source>
        <translation>FAMS %1: la familia no nombra a %2 como esposo o esposa; descartado</translation>
    </message>
    <message>
        <source>FAMC %1: %2 is husband or wife of that family; dropped</source>
        <translation>FAMC %1: %2 es esposo o esposa de esa familia; descartado</translation>
    </message>
    <message>
        <source>FAMC %1: the family does not list %2 as a child; added as its last child</source>
        <translation>FAMC %1: la familia no enumera a %2 como hijo; añadido como su último hijo</translation>
    </message>
    <message>
        <source>SLGC without FAMC, and %1 is a child of %2 families; dropped</source>
        <translation>SLGC sin FAMC, y %1 es hijo de %2 familias; descartado</translation>
    </message>
    <message>
        <source>SLGC: %1 is not a child of %2; dropped</source>
        <translation>SLGC: %1 no es hijo de %2; descartado</translation>
    </message>
    <message>
        <source>%1 is his or her own ancestor</source>
        <translation>%1 es su propio antepasado</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more warnings</source>
        <translation>... y %1 avisos más</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes; cut there</source>
        <translation>la línea supera %1 bytes; cortada ahí</translation>
    </message>
    <message>
        <source>text after &quot;0 TRLR&quot; ignored</source>
        <translation>texto tras &quot;0 TRLR&quot; pasado por alto</translation>
    </message>
    <message>
        <source>not a GEDCOM line (no level number), ignored: &quot;%1&quot;</source>
        <translation>no es una línea GEDCOM (sin número de nivel), pasada por alto: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>not a GEDCOM line, ignored: &quot;%1&quot;</source>
        <translation>no es una línea GEDCOM, pasada por alto: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>level %1 follows level %2; the line and the lines under it ignored</source>
        <translation>el nivel %1 sigue al nivel %2; la línea y las líneas bajo ella pasadas por alto</translation>
    </message>
    <message>
        <source>malformed line, ignored with the lines under it: &quot;%1&quot;</source>
        <translation>línea mal formada, pasada por alto con las líneas bajo ella: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file ends without &quot;0 TRLR&quot;; it may have been cut short</source>
        <translation>el archivo termina sin &quot;0 TRLR&quot;; puede estar cortado</translation>
    </message>
    <message>
        <source>more than %1 %2 records; this one and the rest ignored</source>
        <translation>más de %1 registros %2; este y los demás pasados por alto</translation>
    </message>
    <message>
        <source>%1 record without a cross-reference id; nothing can link to it</source>
        <translation>registro %1 sin identificador de referencia; nada puede enlazar con él</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a link to a record; ignored</source>
        <translation>%1 &quot;%2&quot; no es un enlace a un registro; pasado por alto</translation>
    </message>
    <message>
        <source>not a GEDCOM file: it does not begin with &quot;0 HEAD&quot; (line %1: &quot;%2&quot;)</source>
        <translation>no es un archivo GEDCOM: no empieza por &quot;0 HEAD&quot; (línea %1: &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>not a GEDCOM file: it holds no lines</source>
        <translation>no es un archivo GEDCOM: no contiene líneas</translation>
    </message>
    <message>
        <source>the file is not valid UTF-8; malformed characters read as &quot;?&quot;</source>
        <translation>el archivo no es UTF-8 válido; caracteres mal formados leídos como &quot;?&quot;</translation>
    </message>
    <message>
        <source>the header says ANSEL but the file is UTF-8; it was read as UTF-8</source>
        <translation>la cabecera dice ANSEL pero el archivo es UTF-8; se leyó como UTF-8</translation>
    </message>
    <message>
        <source>the header says %1 but the file is not; it was read as Windows-1252</source>
        <translation>la cabecera dice %1 pero el archivo no lo es; se leyó como Windows-1252</translation>
    </message>
</context>
<context>
    <name>GroupedDescendantsList</name>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Great Grandchildren</source>
        <translation>Bisnietos</translation>
    </message>
    <message>
        <source>%1 Great Grandchildren</source>
        <translation>%1 bisnietos</translation>
    </message>
    <message>
        <source>repeated</source>
        <translation>repetido</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Problem!</source>
        <translation>¡Problema!</translation>
    </message>
    <message>
        <source>The MRIN is invalid</source>
        <translation>El MRIN no es válido</translation>
    </message>
    <message>
        <source>Error reading a marriage record</source>
        <translation>Error al leer un registro de matrimonio</translation>
    </message>
    <message>
        <source>The RIN is invalid</source>
        <translation>El RIN no es válido</translation>
    </message>
    <message>
        <source>The branch positions could not be saved in
%1</source>
        <translation>No se pudieron guardar las posiciones de las ramas en
%1</translation>
    </message>
    <message>
        <source>The branch positions could not be saved in
%1:
%2</source>
        <translation>No se pudieron guardar las posiciones de las ramas en
%1:
%2</translation>
    </message>
    <message>
        <source>Whoops!</source>
        <translation>¡Vaya!</translation>
    </message>
    <message>
        <source>symbol</source>
        <translation>símbolos</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>1 name or place</source>
        <translation>1 nombre o lugar</translation>
    </message>
    <message>
        <source>%1 names and places</source>
        <translation>%1 nombres y lugares</translation>
    </message>
    <message>
        <source>%1 is not installed: the %2 characters of %3 print as empty boxes.</source>
        <translation>%1 no está instalada: en %3, los caracteres (%2) se imprimen como cuadros vacíos.</translation>
    </message>
    <message>
        <source>%1 is not installed: the %2 characters of %3 print as empty boxes (Debian&apos;s %4 has it).</source>
        <translation>%1 no está instalada: en %3, los caracteres (%2) se imprimen como cuadros vacíos (el paquete %4 de Debian la contiene).</translation>
    </message>
    <message>
        <source>No installed font has the %1 characters of %2: they print as empty boxes.</source>
        <translation>Ninguna fuente instalada tiene los caracteres (%1) de %2: se imprimen como cuadros vacíos.</translation>
    </message>
    <message>
        <source>Unknown date type</source>
        <translation>Tipo de fecha desconocido</translation>
    </message>
    <message>
        <source>(this file holds no %1)</source>
        <translation>(este archivo no contiene ningún %1)</translation>
    </message>
    <message>
        <source>(%1 in this file run from 1 to %2)</source>
        <translation>(los %1 de este archivo van de 1 a %2)</translation>
    </message>
    <message>
        <source>This Rin is out of range
%1</source>
        <translation>Este RIN está fuera de rango
%1</translation>
    </message>
    <message>
        <source>This Rin references a record
which has been deleted.</source>
        <translation>Este RIN remite a un registro
que ha sido eliminado.</translation>
    </message>
    <message>
        <source>This MRin is out of range
%1</source>
        <translation>Este MRIN está fuera de rango
%1</translation>
    </message>
    <message>
        <source>This MRin references a record
which has been deleted.</source>
        <translation>Este MRIN remite a un registro
que ha sido eliminado.</translation>
    </message>
    <message>
        <source>PAF file is corrupted.  Open failed.</source>
        <translation>El archivo PAF está dañado. No se pudo abrir.</translation>
    </message>
    <message>
        <source>Open failed.  If PAF is running,
even if it is minimized,
Tamblewin can&apos;t get access
to the data file.  Please
close PAF and try again.</source>
        <translation>No se pudo abrir. Si PAF se está
ejecutando, aunque esté minimizado,
Tamblewin no puede acceder
al archivo de datos. Cierre
PAF e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Open failed.  Error code: %1</source>
        <translation>No se pudo abrir. Código de error: %1</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>¡Alerta!</translation>
    </message>
    <message>
        <source>Open failed: %1.</source>
        <translation>No se pudo abrir: %1.</translation>
    </message>
    <message>
        <source>1 problem in %1 was passed over:</source>
        <translation>Se pasó por alto 1 problema en %1:</translation>
    </message>
    <message>
        <source>%1 problems in %2 were passed over:</source>
        <translation>Se pasaron por alto %1 problemas en %2:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>%1: the imported family could not be opened: %2</source>
        <translation>%1: no se pudo abrir la familia importada: %2</translation>
    </message>
    <message>
        <source>GEDCOM import</source>
        <translation>Importación GEDCOM</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>The start number must be 1 or more</source>
        <translation>El número inicial debe ser 1 o más</translation>
    </message>
    <message>
        <source>The %1 is not available in this version of Tamblewin.</source>
        <translation>El informe «%1» no está disponible en esta versión de Tamblewin.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file to write</source>
        <translation>%1 es una carpeta, no un archivo que escribir</translation>
    </message>
    <message>
        <source>%1 is a FIFO, not a file to write</source>
        <translation>%1 es un FIFO, no un archivo que escribir</translation>
    </message>
    <message>
        <source>%1 is a socket, not a file to write</source>
        <translation>%1 es un socket, no un archivo que escribir</translation>
    </message>
    <message>
        <source>%1 is a device, not a file to write</source>
        <translation>%1 es un dispositivo, no un archivo que escribir</translation>
    </message>
    <message>
        <source>%1 is no regular file, not a file to write</source>
        <translation>%1 no es un archivo normal, no un archivo que escribir</translation>
    </message>
    <message>
        <source>%1 is the data file being read</source>
        <translation>%1 es el archivo de datos que se está leyendo</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>the file is larger than %1</source>
        <translation>el archivo supera %1</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>el archivo cambió mientras se leía</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>es una tubería con nombre, no un archivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es un socket, no un archivo</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>supera %1</translation>
    </message>
    <message>
        <source>the file is too short for a PAF header: bytes %1</source>
        <translation>el archivo es demasiado corto para una cabecera PAF: bytes %1</translation>
    </message>
    <message>
        <source>the file has no PAF signature</source>
        <translation>el archivo no tiene firma PAF</translation>
    </message>
    <message>
        <source>the header announces an impossible number of page spaces: %1</source>
        <translation>la cabecera anuncia un número imposible de espacios de páginas: %1</translation>
    </message>
    <message>
        <source>the path cannot be used</source>
        <translation>la ruta no se puede usar</translation>
    </message>
    <message>
        <source>the page-count table is cut short</source>
        <translation>la tabla de número de páginas está cortada</translation>
    </message>
    <message>
        <source>the page-type map of page space %1 is cut short</source>
        <translation>el mapa de tipos de página del espacio %1 está cortado</translation>
    </message>
    <message>
        <source>the page-type map of page space %1 does not start with its own type</source>
        <translation>el mapa de tipos de página del espacio %1 no empieza por su propio tipo</translation>
    </message>
    <message>
        <source>the page-count table gives %1 pages of type %2 in page space %3, but its map lists %4</source>
        <translation>la tabla de número de páginas da %1 páginas de tipo %2 en el espacio %3, pero su mapa enumera %4</translation>
    </message>
    <message>
        <source>the family does not fit in 31 page spaces</source>
        <translation>la familia no cabe en 31 espacios de páginas</translation>
    </message>
    <message>
        <source>the marriages&apos; links do not match the marriages</source>
        <translation>los enlaces de los matrimonios no coinciden con los matrimonios</translation>
    </message>
    <message>
        <source>marriage %1 names a person who does not exist</source>
        <translation>el matrimonio %1 nombra a una persona que no existe</translation>
    </message>
    <message>
        <source>person %1 lists a marriage that does not exist</source>
        <translation>la persona %1 enumera un matrimonio que no existe</translation>
    </message>
    <message>
        <source>Invalid Rin</source>
        <translation>RIN no válido</translation>
    </message>
    <message>
        <source>Corrupt Data.  Run check/repair
in PAF to repair data.</source>
        <translation>Datos dañados.  Ejecute comprobar/reparar
en PAF para reparar los datos.</translation>
    </message>
    <message>
        <source>individual</source>
        <translation>persona</translation>
    </message>
    <message>
        <source>marriage</source>
        <translation>matrimonio</translation>
    </message>
    <message>
        <source>name index</source>
        <translation>índice de nombres</translation>
    </message>
    <message>
        <source>record</source>
        <translation>registro</translation>
    </message>
    <message>
        <source>node</source>
        <translation>nodo</translation>
    </message>
    <message>
        <source>child link</source>
        <translation>enlace de hijo</translation>
    </message>
    <message>
        <source>child chain at link</source>
        <translation>cadena de hijos en el enlace</translation>
    </message>
    <message>
        <source>marriage chain at marriage</source>
        <translation>cadena de matrimonios en el matrimonio</translation>
    </message>
    <message>
        <source>parents&apos; marriage</source>
        <translation>matrimonio de los padres</translation>
    </message>
    <message>
        <source>own marriage</source>
        <translation>matrimonio propio</translation>
    </message>
    <message>
        <source>father</source>
        <translation>padre</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>madre</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>is deleted</source>
        <translation>está borrado</translation>
    </message>
    <message>
        <source>loops</source>
        <translation>forma un bucle</translation>
    </message>
    <message>
        <source>is reached twice</source>
        <translation>se alcanza dos veces</translation>
    </message>
    <message>
        <source>is beyond the last individual</source>
        <translation>está más allá de la última persona</translation>
    </message>
    <message>
        <source>is beyond the last node</source>
        <translation>está más allá del último nodo</translation>
    </message>
    <message>
        <source>does not name him as husband</source>
        <translation>no lo nombra como esposo</translation>
    </message>
    <message>
        <source>does not name her as wife</source>
        <translation>no la nombra como esposa</translation>
    </message>
    <message>
        <source>closes a loop (someone is his own ancestor); cut there</source>
        <translation>cierra un bucle (alguien es su propio antepasado); cortado ahí</translation>
    </message>
    <message>
        <source> (the last is %1)</source>
        <translation> (el último es %1)</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Page Preview</source>
        <translation>Vista previa de la página</translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Página </translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Ir</translation>
    </message>
    <message>
        <source>Format 2</source>
        <translation>Formato 2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Next Pos</source>
        <translation>Pos. sig.</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Ajustar ancho</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Ajustar página</translation>
    </message>
    <message>
        <source>Page Preview - %1</source>
        <translation>Vista previa de la página - %1</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>If you decide you want to go back to Format 1
you must cancel out of this run and start all
over again.</source>
        <translation>Si decide volver al formato 1,
debe cancelar esta ejecución y empezar
de nuevo.</translation>
    </message>
    <message>
        <source>The branch positions were saved in
%1</source>
        <translation>Las posiciones de las ramas se guardaron en
%1</translation>
    </message>
</context>
<context>
    <name>PrintWindow</name>
    <message>
        <source>Cannot write %1</source>
        <translation>No se puede escribir %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>No PDF file was named to print into.</source>
        <translation>No se indicó ningún archivo PDF en el que imprimir.</translation>
    </message>
    <message>
        <source>The printer %1 could not start printing.</source>
        <translation>La impresora %1 no pudo empezar a imprimir.</translation>
    </message>
    <message>
        <source>Cannot write %1: the font %2 is not installed</source>
        <translation>No se puede escribir %1: la fuente %2 no está instalada</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>Before the first page&apos;s field of a range: &quot;Pages [ 3 ] to [ 7 ]&quot;</extracomment>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the first and the last page&apos;s fields of a range: &quot;Pages [ 3 ] to [ 7 ]&quot;</extracomment>
        <translation>a</translation>
    </message>
    <message>
        <source>Printing ...</source>
        <translation>Imprimiendo ...</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impresión</translation>
    </message>
    <message>
        <source>%1 of %2 pages printed</source>
        <translation>%1 de %2 páginas impresas</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Página actual</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papel:</translation>
    </message>
    <message>
        <source>A3 where needed</source>
        <translation>A3 donde haga falta</translation>
    </message>
    <message>
        <source>On A5, A4 or A3 paper the Descendant Summary Chart may take an A3 sheet where it needs a larger one; otherwise it fits itself onto the paper.</source>
        <translation>En papel A5, A4 o A3, el gráfico resumen de descendientes puede usar una hoja A3 donde necesite una mayor; si no, se ajusta al papel.</translation>
    </message>
    <message>
        <source>All %1 pages</source>
        <translation>Las %1 páginas</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Archivo PDF</translation>
    </message>
    <message>
        <source>Invalid page range.</source>
        <translation>Intervalo de páginas no válido.</translation>
    </message>
    <message>
        <source>The report was written to
%1</source>
        <translation>El informe se escribió en
%1</translation>
    </message>
    <message>
        <source>Print to PDF file</source>
        <translation>Imprimir en un archivo PDF</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>Archivos PDF</translation>
    </message>
</context>
<context>
    <name>RepeatAncestorsList</name>
    <message>
        <source>No ancestor appears more than once.</source>
        <translation>Ningún antepasado aparece más de una vez.</translation>
    </message>
    <message>
        <source>Repeat Ancestor List</source>
        <translation>Lista de antepasados repetidos</translation>
    </message>
    <message>
        <source>Cont&apos;d</source>
        <translation>Cont.</translation>
    </message>
</context>
<context>
    <name>RepeatDescendantList</name>
    <message>
        <source>No descendant appears more than once.</source>
        <translation>Ningún descendiente aparece más de una vez.</translation>
    </message>
    <message>
        <source>child</source>
        <translation>hijo</translation>
    </message>
    <message>
        <source>grandchild</source>
        <translation>nieto</translation>
    </message>
    <message>
        <source>G g&apos;child</source>
        <translation>bisnieto</translation>
    </message>
    <message>
        <source>%1 G g&apos;child</source>
        <translation>%1.º bisnieto</translation>
    </message>
    <message>
        <source>Repeat Descendants</source>
        <translation>Descendientes repetidos</translation>
    </message>
    <message>
        <source>RELATION</source>
        <translation>PARENTESCO</translation>
    </message>
</context>
<context>
    <name>ReportChoiceWindow</name>
    <message>
        <source>Choose a report</source>
        <translation>Elegir un informe</translation>
    </message>
    <message>
        <source>What do you want to print?</source>
        <translation>¿Qué desea imprimir?</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Gráficos</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>and</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>The list stops after generation %1:
the next generation would fill more than %2 positions.</source>
        <translation>La lista se detiene tras la generación %1:
la siguiente generación ocuparía más de %2 posiciones.</translation>
    </message>
    <message>
        <source>The list stops after generation %1:
the next generation would take it past %2 entries.</source>
        <translation>La lista se detiene tras la generación %1:
la siguiente generación la llevaría a más de %2 entradas.</translation>
    </message>
    <message>
        <source>The list stops after generation %1:
no list goes further than %1 generations.</source>
        <translation>La lista se detiene tras la generación %1:
ninguna lista pasa de %1 generaciones.</translation>
    </message>
    <message>
        <source>No children are recorded.</source>
        <translation>No hay hijos registrados.</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>Año nacim.</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Mín</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Máx</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>self</source>
        <translation>probando</translation>
    </message>
    <message>
        <source>cont&apos;d</source>
        <translation>cont.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>DESCENDANT PARENT</source>
        <translation>PROGENITOR DESCENDIENTE</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Hijos</translation>
    </message>
    <message>
        <source>Grandchildren</source>
        <translation>Nietos</translation>
    </message>
    <message>
        <source>Research Status List</source>
        <translation>Lista del estado de la investigación</translation>
    </message>
    <message>
        <source>Descendants Summary List</source>
        <translation>Lista resumen de descendientes</translation>
    </message>
    <message>
        <source>Family Summary List</source>
        <translation>Lista resumen de la familia</translation>
    </message>
    <message>
        <source>Descendants List</source>
        <translation>Lista de descendientes</translation>
    </message>
    <message>
        <source>Grouped Descendants List</source>
        <translation>Lista de descendientes agrupada</translation>
    </message>
    <message>
        <source>Research Status Chart</source>
        <translation>Gráfico del estado de la investigación</translation>
    </message>
    <message>
        <source>Repeat Ancestors List</source>
        <translation>Lista de antepasados repetidos</translation>
    </message>
    <message>
        <source>Ancestors List (with repeats)</source>
        <translation>Lista de antepasados (con repeticiones)</translation>
    </message>
    <message>
        <source>Ancestors List (without repeats)</source>
        <translation>Lista de antepasados (sin repeticiones)</translation>
    </message>
    <message>
        <source>Descendant Summary Chart</source>
        <translation>Gráfico resumen de descendientes</translation>
    </message>
    <message>
        <source>Family Tree Chart</source>
        <translation>Árbol genealógico</translation>
    </message>
    <message>
        <source>Surname Distribution List</source>
        <translation>Lista de distribución de apellidos</translation>
    </message>
    <message>
        <source>Family Date Chart</source>
        <translation>Gráfico de fechas familiares</translation>
    </message>
    <message>
        <source>Repeat Descendant List</source>
        <translation>Lista de descendientes repetidos</translation>
    </message>
    <message>
        <source>Invalid start RIN</source>
        <translation>RIN inicial no válido</translation>
    </message>
    <message>
        <source>RinX access out of range</source>
        <translation>Acceso a RIN fuera de rango</translation>
    </message>
</context>
<context>
    <name>ResearchStatusChart</name>
    <message>
        <source>GENERATION</source>
        <translation>GENERACIÓN</translation>
    </message>
    <message>
        <source>RELATIONSHIP</source>
        <translation>PARENTESCO</translation>
    </message>
    <message>
        <source>PEDIGREE</source>
        <translation>POSICIONES</translation>
    </message>
    <message>
        <source>POSITIONS</source>
        <translation>SOSA</translation>
    </message>
    <message>
        <source>ANCESTORS</source>
        <translation>ANTEPASADOS</translation>
    </message>
    <message>
        <source>IDENTIFIED</source>
        <translation>IDENTIFICADOS</translation>
    </message>
    <message>
        <source>REPEATS</source>
        <translation>REPETIDOS</translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation>TOTALES</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>PORCENTAJE</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>COMPLETADO</translation>
    </message>
    <message>
        <source>BIRTH YEARS</source>
        <translation>AÑOS DE</translation>
    </message>
    <message>
        <source>INVOLVED</source>
        <translation>NACIMIENTO</translation>
    </message>
    <message>
        <source>Research Status Chart</source>
        <translation>Gráfico del estado de la investigación</translation>
    </message>
    <message>
        <source>Generations %1 and later are not shown.</source>
        <translation>No se muestran las generaciones %1 y siguientes.</translation>
    </message>
    <message>
        <source>par</source>
        <translation>pad.</translation>
    </message>
    <message>
        <source>G.</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>%1 G.</source>
        <translation>%1.º bis</translation>
    </message>
    <message>
        <source>g&apos;par</source>
        <translation>abu.</translation>
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
        <translation>Posiciones</translation>
    </message>
    <message>
        <source>positions</source>
        <translation>Sosa</translation>
    </message>
    <message>
        <source>filled</source>
        <translation>llenas</translation>
    </message>
    <message>
        <source>Ancestors</source>
        <translation>Ancestros</translation>
    </message>
    <message>
        <source>Ancestor</source>
        <translation>Ancestros</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Identified</source>
        <translation>identific.</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>repetidos</translation>
    </message>
    <message>
        <source>Research Status List</source>
        <translation>Lista de estado de investigación</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 MM</translation>
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
        <translation>árabe</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>armenio</translation>
    </message>
    <message>
        <source>Balinese</source>
        <translation>balinés</translation>
    </message>
    <message>
        <source>Bamum</source>
        <translation>bamum</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>bengalí</translation>
    </message>
    <message>
        <source>Bopomofo</source>
        <translation>bopomofo</translation>
    </message>
    <message>
        <source>Buginese</source>
        <translation>buginés</translation>
    </message>
    <message>
        <source>Chakma</source>
        <translation>chakma</translation>
    </message>
    <message>
        <source>Canadian Aboriginal</source>
        <translation>silabario aborigen canadiense</translation>
    </message>
    <message>
        <source>Cherokee</source>
        <translation>cheroqui</translation>
    </message>
    <message>
        <source>Coptic</source>
        <translation>copto</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>cirílico</translation>
    </message>
    <message>
        <source>Devanagari</source>
        <translation>devanagari</translation>
    </message>
    <message>
        <source>Ethiopic</source>
        <translation>etiópico</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>georgiano</translation>
    </message>
    <message>
        <source>Glagolitic</source>
        <translation>glagolítico</translation>
    </message>
    <message>
        <source>Gothic</source>
        <translation>gótico</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>griego</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>guyaratí</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>gurmukhi</translation>
    </message>
    <message>
        <source>Hangul</source>
        <translation>hangul</translation>
    </message>
    <message>
        <source>Han</source>
        <translation>han</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>hebreo</translation>
    </message>
    <message>
        <source>Hiragana</source>
        <translation>hiragana</translation>
    </message>
    <message>
        <source>Javanese</source>
        <translation>javanés</translation>
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
        <translation>jemer</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>canarés</translation>
    </message>
    <message>
        <source>Lao</source>
        <translation>lao</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>latino</translation>
    </message>
    <message>
        <source>Lepcha</source>
        <translation>lepcha</translation>
    </message>
    <message>
        <source>Limbu</source>
        <translation>limbu</translation>
    </message>
    <message>
        <source>Lisu</source>
        <translation>lisu</translation>
    </message>
    <message>
        <source>Mandaic</source>
        <translation>mandeo</translation>
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
        <translation>birmano</translation>
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
        <translation>rúnico</translation>
    </message>
    <message>
        <source>Samaritan</source>
        <translation>samaritano</translation>
    </message>
    <message>
        <source>Saurashtra</source>
        <translation>saurashtra</translation>
    </message>
    <message>
        <source>Sinhala</source>
        <translation>cingalés</translation>
    </message>
    <message>
        <source>Sundanese</source>
        <translation>sundanés</translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation>siríaco</translation>
    </message>
    <message>
        <source>Tai Le</source>
        <translation>tai le</translation>
    </message>
    <message>
        <source>New Tai Lue</source>
        <translation>nuevo tai lue</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>tamil</translation>
    </message>
    <message>
        <source>Tai Viet</source>
        <translation>tai viet</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>telugu</translation>
    </message>
    <message>
        <source>Tifinagh</source>
        <translation>tifinagh</translation>
    </message>
    <message>
        <source>Tagalog</source>
        <translation>tagalo</translation>
    </message>
    <message>
        <source>Thaana</source>
        <translation>thaana</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>tailandés</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>tibetano</translation>
    </message>
    <message>
        <source>Vai</source>
        <translation>vai</translation>
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
        <translation>Nota: si la misma pareja se casó más
     de una vez, incluya ambos MRIN 
separados por una coma. Ejemplo: 23,24</translation>
    </message>
    <message>
        <source>Computing statistics for generation: </source>
        <translation>Calculando estadísticas de la generación: </translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>E&amp;xaminar</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>detailed &amp;foliage background</source>
        <translation>&amp;follaje detallado de fondo</translation>
    </message>
    <message>
        <source>Start couple - %1</source>
        <translation>Pareja inicial - %1</translation>
    </message>
    <message>
        <source>Start individual - %1</source>
        <translation>Persona inicial - %1</translation>
    </message>
    <message>
        <source>Which couple do you want to start with?</source>
        <translation>¿Con qué pareja desea empezar?</translation>
    </message>
    <message>
        <source>&amp;MRIN:</source>
        <translation>&amp;MRIN:</translation>
    </message>
    <message>
        <source>Which individual do you want to start with?</source>
        <translation>¿Con qué persona desea empezar?</translation>
    </message>
    <message>
        <source>&amp;RIN:</source>
        <translation>&amp;RIN:</translation>
    </message>
    <message>
        <source>done</source>
        <translation>hecho</translation>
    </message>
</context>
<context>
    <name>SurnameDistributionList</name>
    <message>
        <source>%1 none count</source>
        <translation>%1 sin apellido</translation>
    </message>
    <message>
        <source>Surname Distribution List</source>
        <translation>Lista de distribución de apellidos</translation>
    </message>
</context>
<context>
    <name>TitleWindow</name>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Tamblewin V %1</source>
        <translation>Tamblewin V %1</translation>
    </message>
    <message>
        <source>Prints unique genealogical lists and charts directly from your PAF 5 data file</source>
        <translation>Imprime listas y gráficos genealógicos únicos directamente desde su archivo de datos PAF 5</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>(takes effect at the next start)</source>
        <translation>(se aplica en el próximo inicio)</translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>there is no display to show the windows on.</source>
        <translation>no hay ninguna pantalla en la que mostrar las ventanas.</translation>
    </message>
    <message>
        <source>no display can be reached to show the windows on (%1, and nothing answers there).</source>
        <translation>no se puede acceder a ninguna pantalla para mostrar las ventanas (%1, y nada responde allí).</translation>
    </message>
    <message>
        <source>Run it in a desktop session, or use a command: %1</source>
        <translation>Ejecútelo en una sesión de escritorio, o use un comando: %1</translation>
    </message>
    <message>
        <source>the windows cannot be shown: Qt found no display it could use.</source>
        <translation>no se pueden mostrar las ventanas: Qt no encontró ninguna pantalla que pudiera usar.</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 pulg.</translation>
    </message>
    <message>
        <source>%1 landscape</source>
        <translation>%1 horizontal</translation>
    </message>
    <message>
        <source>Tamblewin for PAF</source>
        <translation>Tamblewin para PAF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>¡Alerta!</translation>
    </message>
    <message>
        <source>Whoops</source>
        <translation>Vaya</translation>
    </message>
    <message>
        <source>Whoops!</source>
        <translation>¡Vaya!</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Multiple marriages</source>
        <translation>Matrimonios múltiples</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>Problem!</source>
        <translation>¡Problema!</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abortar</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>GEDCOM import</source>
        <translation>Importación GEDCOM</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
</context>
</TS>
