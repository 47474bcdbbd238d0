<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>BatchDisc</name>
    <message>
        <source>Fehler: Nicht genügend Speicher für den Druck.</source>
        <translation>Error: Not enough memory to print.</translation>
    </message>
    <message>
        <source>Den Drucker &quot;%1&quot; gibt es nicht.</source>
        <translation>There is no printer &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Der Drucker &quot;%1&quot; kann nicht auf CDs/DVDs drucken: sein Treiber bietet weder ein CD-Fach noch CD-Seitengrößen an.</source>
        <translation>The printer &quot;%1&quot; cannot print on CDs/DVDs: its driver offers neither a CD tray nor CD page sizes.</translation>
    </message>
</context>
<context>
    <name>BatchMain</name>
    <message>
        <source>Hilfe: cdcover-batch --help</source>
        <translation>Help: cdcover-batch --help</translation>
    </message>
</context>
<context>
    <name>BatchOptions</name>
    <message>
        <source>von %1 bis %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>ab %1</source>
        <translation>%1 or greater</translation>
    </message>
    <message>
        <source>--calibration erwartet vier Zahlen: links,oben,breite,höhe.</source>
        <translation>--calibration expects four numbers: left,top,width,height.</translation>
    </message>
    <message>
        <source>den Abstand links</source>
        <translation>the left offset</translation>
    </message>
    <message>
        <source>den Abstand oben</source>
        <translation>the top offset</translation>
    </message>
    <message>
        <source>die Breite</source>
        <translation>the width</translation>
    </message>
    <message>
        <source>die Höhe</source>
        <translation>the height</translation>
    </message>
    <message>
        <source>--calibration erwartet für %1 eine Zahl %2, nicht &quot;%3&quot;.</source>
        <translation>--calibration expects a number %2 for %1, not &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>--disc erwartet den äußeren und inneren Durchmesser in mm, z. B. 118/22, nicht &quot;%1&quot;.</source>
        <translation>--disc expects the outer and inner diameter in mm, e.g. 118/22, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--disc-offset erwartet zwei Zahlen X,Y in mm %1, nicht &quot;%2&quot;.</source>
        <translation>--disc-offset expects two numbers X,Y in mm %1, not &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Bei %1 fehlt der Wert.</source>
        <translation>%1 needs a value.</translation>
    </message>
    <message>
        <source>%1 erwartet eine ganze Zahl %2, nicht &quot;%3&quot;.</source>
        <translation>%1 expects a whole number %2, not &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1 erwartet eine Zahl %2, nicht &quot;%3&quot;.</source>
        <translation>%1 expects a number %2, not &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Bitte entweder einen Auftrag oder --image angeben, nicht beides.</source>
        <translation>Please give either a job or --image, not both.</translation>
    </message>
    <message>
        <source>Bitte nur einen Auftrag angeben.</source>
        <translation>Please give only one job.</translation>
    </message>
    <message>
        <source>Es wurde kein Auftrag angegeben.</source>
        <translation>No job was given.</translation>
    </message>
    <message>
        <source>Bitte nur eines angeben: --format, --format-index oder --template.</source>
        <translation>Please give only one of --format, --format-index or --template.</translation>
    </message>
    <message>
        <source>Bitte entweder --disc oder ein Papierformat angeben.</source>
        <translation>Please give either --disc or a paper format.</translation>
    </message>
    <message>
        <source>Bitte entweder --options oder --calibration angeben.</source>
        <translation>Please give either --options or --calibration.</translation>
    </message>
    <message>
        <source>Bitte genau eine Ausgabe angeben: -o, -P, --preview oder --save-job.</source>
        <translation>Please give exactly one output: -o, -P, --preview or --save-job.</translation>
    </message>
    <message>
        <source>Unbekanntes Papierformat: %1</source>
        <translation>Unknown paper format: %1</translation>
    </message>
    <message>
        <source>Aufruf:
  cdcover-batch [OPTIONEN] AUFTRAG.cov
  cdcover-batch [OPTIONEN] --image BILDDATEI

Druckt einen CD-Cover-Auftrag (oder ein Bild ohne Objekte) auf Etikettenbögen,
mit denselben Regeln wie das Programm.

Werte außerhalb ihres Bereichs werden nicht angepasst, sondern abgelehnt.

Papierformat:
  --paper-file DATEI    Papierformate (Vorgabe: paper.dat im Programmverzeichnis)
  --format NAME         das Papierformat dieses Namens
  --format-index N      das N-te Papierformat, ab 0 gezählt (Vorgabe: 0)
  --template &quot;MARKE ARTIKEL&quot;
                        der Etikettenbogen aus den installierten Vorlagen, z. B.
                        &quot;Zweckform 3654&quot;; bei mehreren Rastern &quot;MARKE ARTIKEL (2)&quot;
  --templates [TEXT]    die installierten Vorlagen auflisten (nur die mit TEXT):
                        Artikel, Beschreibung, Etikettgröße, Etiketten pro Bogen
  --disc AUSSEN/INNEN   statt auf Etikettenbögen direkt auf CDs/DVDs drucken; die
                        bedruckbaren Durchmesser in mm (außen 40..120, innen 15..50,
                        innen mindestens 10 kleiner), z. B. 118/22; eine Seite je CD
  --disc-offset X,Y     die CD-Kalibrierung: den Druck um X mm nach rechts und Y mm
                        nach unten verschieben (-10..10; Vorgabe: die gespeicherte
                        des Druckers bzw. der PDF-Ausgabe)
  --clip, --no-clip     nur innerhalb der Etikettform drucken, oder nicht (Vorgabe:
                        bei CD/DVD-Etiketten ja, sonst nein)

Platzierung und Auftrag (wie unter &quot;Zentrieren&quot; und &quot;Drucken&quot;; ohne Angabe gelten die
im Auftrag gespeicherten Werte und sein Papierformat, sonst die Vorgaben):
  --size PROZENT        Größe des Bildes in Prozent der Etikettbreite (10..500, Vorgabe 100)
  --shift-x MM          Links/rechts Verschiebung (-1000..1000, Vorgabe 0)
  --shift-y MM          Oben/unten Verschiebung (-1000..1000, Vorgabe 0)
  --used N              schon benutzte Positionen des ersten Bogens (0..100, Vorgabe 0)
  --copies N            Anzahl der Kopien (1..1000, Vorgabe 1)

Kalibrierung:
  --options DATEI       Kalibrierung (Vorgabe: die des Druckers bzw. der PDF-Ausgabe,
                        wie das Programm sie gespeichert hat, sonst options.dat)
  --calibration L,O,B,H Abstand links, Abstand oben (0..10 mm), Breite, Höhe des
                        Testrechtecks (70..130 mm)

Ausgabe (genau eine):
  -o DATEI.pdf          PDF-Datei; dazu --resolution DPI (72..2400, Vorgabe 600) und
                        --paper A4|A5|Letter|... (Vorgabe A4), ganze Seite bedruckbar;
                        mit --disc eine quadratische Seite des äußeren Durchmessers
  -P DRUCKER            ein Drucker des Systems (CUPS); mit --disc einer mit CD-Fach
  --preview DATEI.png   die Bogenvorschau von Bogen --sheet K (1..1000, Vorgabe 1)
                        bei --zoom PROZENT (10..500, Vorgabe 100)
  --save-job DATEI.cov  den Auftrag so speichern, wie er gedruckt würde (Bild, Objekte,
                        Papierformat und Werte), zum Öffnen im Programm
  --info                statt zu drucken den Auftrag als JSON ausgeben
  --detect              statt zu drucken die CD oder das Cover auf dem Bild suchen und
                        als JSON ausgeben: Art, Mitte, Größe (Pixel und mm), Winkel

Bild (vor allem anderen):
  --auto-crop           die CD oder das Cover auf dem Bild suchen und gerade
                        ausschneiden; wird nichts gefunden, wird nichts geschrieben
  --rotate GRAD         das Bild gegen den Uhrzeigersinn drehen (-180..180)

  --help                diese Hilfe

Rückgabewert: 0 bei Erfolg, 2 bei falschem Aufruf, 1 wenn eine Eingabe nicht gelesen
oder die Ausgabe nicht geschrieben werden konnte. Bei einem Fehler wird nichts geschrieben.
</source>
        <translation>Usage:
  cdcover-batch [OPTIONS] JOB.cov
  cdcover-batch [OPTIONS] --image IMAGEFILE

Prints a CD cover job (or an image without objects) on label sheets,
with the same rules as the program.

Values outside their range are refused, not adjusted.

Paper format:
  --paper-file FILE     paper formats (default: paper.dat in the program folder)
  --format NAME         the paper format of this name
  --format-index N      the Nth paper format, counted from 0 (default: 0)
  --template &quot;BRAND PRODUCT&quot;
                        the label sheet from the installed templates, e.g.
                        &quot;Zweckform 3654&quot;; for several layouts &quot;BRAND PRODUCT (2)&quot;
  --templates [TEXT]    list the installed templates (only those with TEXT):
                        product, description, label size, labels per sheet
  --disc OUTER/INNER    print directly onto CDs/DVDs instead of label sheets; the
                        printable diameters in mm (outer 40..120, inner 15..50,
                        inner at least 10 smaller), e.g. 118/22; one page per disc
  --disc-offset X,Y     the disc calibration: shift the print X mm to the right
                        and Y mm down (-10..10; default: the one saved for the
                        printer or the PDF output)
  --clip, --no-clip     print only inside the label&apos;s shape, or not (default:
                        yes for CD/DVD labels, otherwise no)

Placement and job (as on the &quot;Center&quot; and &quot;Print&quot; tabs; without them, the values
and paper format saved in the job apply, otherwise the defaults):
  --size PERCENT        image size in percent of the label width (10..500, default 100)
  --shift-x MM          left/right shift (-1000..1000, default 0)
  --shift-y MM          up/down shift (-1000..1000, default 0)
  --used N              positions already used on the first sheet (0..100, default 0)
  --copies N            number of copies (1..1000, default 1)

Calibration:
  --options FILE        calibration (default: the printer&apos;s or the PDF output&apos;s,
                        as the program saved it, otherwise options.dat)
  --calibration L,T,W,H left offset, top offset (0..10 mm), width, height of the
                        test rectangle (70..130 mm)

Output (exactly one):
  -o FILE.pdf           PDF file; with --resolution DPI (72..2400, default 600) and
                        --paper A4|A5|Letter|... (default A4), whole page printable;
                        with --disc a square page of the outer diameter
  -P PRINTER            a system printer (CUPS); with --disc one with a CD tray
  --preview FILE.png    the preview of sheet --sheet K (1..1000, default 1)
                        at --zoom PERCENT (10..500, default 100)
  --save-job FILE.cov   save the job as it would be printed (image, objects,
                        paper format and values), to open in the program
  --info                instead of printing, write the job as JSON
  --detect              instead of printing, find the CD or cover on the image
                        and write it as JSON: kind, center, size (pixels and mm),
                        angle

Image (before anything else):
  --auto-crop           find the CD or cover on the image and crop it straight;
                        if nothing is found, nothing is written
  --rotate DEGREES      rotate the image counter-clockwise (-180..180)

  --help                this help

Exit status: 0 on success, 2 on wrong usage, 1 if an input could not be read
or the output could not be written. Nothing is written on an error.
</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>Die Datei %1 ist keine gültige CD-Cover Datei!</source>
        <translation>The file %1 is not a valid CD cover file!</translation>
    </message>
    <message>
        <source>hat nur ein Papierformat, --format-index 0</source>
        <translation>has only one paper format, --format-index 0</translation>
    </message>
    <message>
        <source>--format-index %1 gibt es nicht: %2 %3.</source>
        <translation>There is no --format-index %1: %2 %3.</translation>
    </message>
    <message>
        <source>Das Papierformat &quot;%1&quot; gibt es in %2 nicht.</source>
        <translation>There is no paper format &quot;%1&quot; in %2.</translation>
    </message>
    <message>
        <source>In %1 gibt es keine Papierformate. Bitte mit --paper-file eine Datei mit Papierformaten oder mit --template einen Etikettenbogen angeben.</source>
        <translation>There are no paper formats in %1. Please give a file of paper formats with --paper-file or a label sheet with --template.</translation>
    </message>
    <message>
        <source>Fehler: Nicht genügend Speicher für den Druck.</source>
        <translation>Error: Not enough memory to print.</translation>
    </message>
    <message>
        <source>Fehler: Nicht genügend Speicher für die Vorschau.</source>
        <translation>Error: Not enough memory for the preview.</translation>
    </message>
    <message>
        <source>Die Vorschau %1</source>
        <translation>The preview %1</translation>
    </message>
    <message>
        <source>Die CD-Cover Datei %1</source>
        <translation>The CD cover file %1</translation>
    </message>
    <message>
        <source>--disc-offset gilt nur beim Druck auf CDs/DVDs (--disc).</source>
        <translation>--disc-offset applies only when printing on CDs/DVDs (--disc).</translation>
    </message>
    <message>
        <source>Den Drucker &quot;%1&quot; gibt es nicht.</source>
        <translation>There is no printer &quot;%1&quot;.</translation>
    </message>
    <message numerus="yes">
        <source>hat %n Papierformate, --format-index 0 bis %1</source>
        <translation>
            <numerusform>has %n paper format, --format-index 0 to %1</numerusform>
            <numerusform>has %n paper formats, --format-index 0 to %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchTemplates</name>
    <message>
        <source>Es sind keine Etikettenvorlagen installiert (Paket glabels-data).</source>
        <translation>No label templates are installed (package glabels-data).</translation>
    </message>
    <message>
        <source>Keine Etikettenvorlage passt zu &quot;%1&quot;.</source>
        <translation>No label template matches &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Die Etikettenvorlage &quot;%1&quot; gibt es nicht; --templates zeigt die installierten Vorlagen.</source>
        <translation>There is no label template &quot;%1&quot;; --templates lists the installed templates.</translation>
    </message>
</context>
<context>
    <name>ImagePreparation</name>
    <message>
        <source>Fehler: Nicht genügend Speicher für das Bild.</source>
        <translation>Error: Not enough memory for the image.</translation>
    </message>
</context>
</TS>
