<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Copyright © XXXX Varnelt Software</source>
        <translation>Copyright © XXXX Varnelt Software</translation>
    </message>
    <message>
        <source>Kopiert CD-Labels und CD-Cover: scannen, retuschieren,
beschriften, auf dem Etikettenbogen platzieren und drucken.</source>
        <translation>Copies CD labels and CD covers: scan, retouch,
annotate, place on the label sheet and print.</translation>
    </message>
    <message>
        <source>Varnelt im Internet...</source>
        <translation>Varnelt on the Web...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AnnotationEditor</name>
    <message>
        <source>Text ändern</source>
        <translation>Change text</translation>
    </message>
    <message>
        <source>Schriftart ändern</source>
        <translation>Change font</translation>
    </message>
    <message>
        <source>Texteffekte ändern</source>
        <translation>Change text effects</translation>
    </message>
    <message>
        <source>Verschieben</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Größe ändern</source>
        <translation>Resize</translation>
    </message>
</context>
<context>
    <name>AnnotationPage</name>
    <message>
        <source>Text einfügen</source>
        <translation>Insert text</translation>
    </message>
    <message>
        <source>Notiz einfügen</source>
        <translation>Insert note</translation>
    </message>
    <message>
        <source>Figur einfügen</source>
        <translation>Insert shape</translation>
    </message>
    <message>
        <source>Es wurden zuviele Objekte erstellt!</source>
        <translation>Too many objects have been created!</translation>
    </message>
    <message>
        <source>Fehler: Kein freies Objekt mehr</source>
        <translation>Error: No free object left</translation>
    </message>
    <message>
        <source>Objekt löschen</source>
        <translation>Delete object</translation>
    </message>
    <message>
        <source>Wollen Sie das Element löschen?</source>
        <translation>Do you want to delete this item?</translation>
    </message>
    <message>
        <source>Element löschen</source>
        <translation>Delete Item</translation>
    </message>
    <message>
        <source>Nach vorne</source>
        <translation>Bring to front</translation>
    </message>
    <message>
        <source>Nach hinten</source>
        <translation>Send to back</translation>
    </message>
    <message>
        <source>Form ändern</source>
        <translation>Change shape</translation>
    </message>
    <message>
        <source>Farbe ändern</source>
        <translation>Change color</translation>
    </message>
    <message>
        <source>Umrandungsfarbe ändern</source>
        <translation>Change outline color</translation>
    </message>
    <message>
        <source>Füllung ändern</source>
        <translation>Change fill</translation>
    </message>
    <message>
        <source>Linienstärke ändern</source>
        <translation>Change line width</translation>
    </message>
    <message>
        <source>Ausrichtung ändern</source>
        <translation>Change alignment</translation>
    </message>
    <message>
        <source>Text nach rechts rotieren</source>
        <translation>Rotate text right</translation>
    </message>
    <message>
        <source>Text nach links rotieren</source>
        <translation>Rotate text left</translation>
    </message>
    <message>
        <source>Kommentare - Hier können Sie Text-Objekte oder einfache Grafik-Objekte hinzufügen</source>
        <translation>Notes - Here you can add text objects or simple graphic objects</translation>
    </message>
    <message>
        <source>Figur</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Zeiger</source>
        <translation>Pointer</translation>
    </message>
    <message>
        <source>Verändert Objekte</source>
        <translation>Changes objects</translation>
    </message>
    <message>
        <source>Lupe</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Vergrößert oder Verkleinert</source>
        <translation>Zooms in or out</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Verschiebt den sichtbaren Ausschnitt</source>
        <translation>Moves the visible area</translation>
    </message>
    <message>
        <source>Fügt eine geometrische Figur ein</source>
        <translation>Inserts a geometric shape</translation>
    </message>
    <message>
        <source>Fügt Text ein - auf das Textfeld doppelklicken um Text einzugeben</source>
        <translation>Inserts text - double-click the text box to enter text</translation>
    </message>
    <message>
        <source>Notiz</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Kreis</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Quadrat</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>Rechteck</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Quadrat abgerundet</source>
        <translation>Rounded square</translation>
    </message>
    <message>
        <source>Rechteck abgerundet</source>
        <translation>Rounded rectangle</translation>
    </message>
    <message>
        <source>Linie horizontal</source>
        <translation>Horizontal line</translation>
    </message>
    <message>
        <source>Linie vertikal</source>
        <translation>Vertical line</translation>
    </message>
    <message>
        <source>Linie schräg hoch</source>
        <translation>Diagonal line up</translation>
    </message>
    <message>
        <source>Linie schräg runter</source>
        <translation>Diagonal line down</translation>
    </message>
    <message>
        <source>Farbe...</source>
        <translation>Color...</translation>
    </message>
    <message>
        <source>Umrandungsfarbe...</source>
        <translation>Outline color...</translation>
    </message>
    <message>
        <source>Ausgefüllt</source>
        <translation>Filled</translation>
    </message>
    <message>
        <source>Nur Umrandung</source>
        <translation>Outline only</translation>
    </message>
    <message>
        <source>Gefüllt und Umrandung</source>
        <translation>Filled and outlined</translation>
    </message>
    <message>
        <source>Linienstärke:</source>
        <translation>Line width:</translation>
    </message>
    <message>
        <source>Text eingeben...</source>
        <translation>Enter text...</translation>
    </message>
    <message>
        <source>Schriftart...</source>
        <translation>Font...</translation>
    </message>
    <message>
        <source>Texteffekte...</source>
        <translation>Text effects...</translation>
    </message>
    <message>
        <source>Linksbündig</source>
        <translation>Align left</translation>
    </message>
    <message>
        <source>Zentriert</source>
        <translation>Centered</translation>
    </message>
    <message>
        <source>Rechtsbündig</source>
        <translation>Align right</translation>
    </message>
    <message>
        <source>Nach links rotieren</source>
        <translation>Rotate left</translation>
    </message>
    <message>
        <source>Nach rechts rotieren</source>
        <translation>Rotate right</translation>
    </message>
    <message>
        <source>Löschen...</source>
        <translation>Delete...</translation>
    </message>
</context>
<context>
    <name>AutoCrop</name>
    <message>
        <source>Auf dem Bild wurde keine CD und kein Cover gefunden.</source>
        <translation>No CD or cover was found in the image.</translation>
    </message>
</context>
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

  --lang de|en          Sprache der Meldungen (Vorgabe: die der Umgebung, LANG)
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

  --lang de|en          language of the messages (default: the environment&apos;s, LANG)
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
    <name>BrightnessContrastDialog</name>
    <message>
        <source>Helligkeit und Kontrast</source>
        <translation>Brightness and Contrast</translation>
    </message>
    <message>
        <source>Helligkeit:</source>
        <translation>Brightness:</translation>
    </message>
    <message>
        <source>Kontrast:</source>
        <translation>Contrast:</translation>
    </message>
    <message>
        <source>&amp;Vorschau</source>
        <translation>&amp;Preview</translation>
    </message>
    <message>
        <source>&amp;Zurücksetzen</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A&amp;bbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>CalibrationDialog</name>
    <message>
        <source>Drucker kalibrieren...</source>
        <translation>Calibrate printer...</translation>
    </message>
    <message>
        <source>Durch diese Funktion, werden die Ausdrucke sehr genau, führen Sie diesen Test für jeden neuen Drucker durch.</source>
        <translation>This function makes your printouts very accurate. Run this test for every new printer.</translation>
    </message>
    <message>
        <source>Testrechteck drucken...</source>
        <translation>Print test rectangle...</translation>
    </message>
    <message>
        <source>Messen Sie auf dem Ausdruck die folgenden Werte ab und korrigieren Sie die aktuellen Einstellungen entsprechend.</source>
        <translation>Measure the following values on the printout and correct the current settings accordingly.</translation>
    </message>
    <message>
        <source>Abstand des Rechtecks zum linken Seitenrand:</source>
        <translation>Distance of the rectangle from the left page edge:</translation>
    </message>
    <message>
        <source>Abstand des Rechtecks zum oberen Seitenrand:</source>
        <translation>Distance of the rectangle from the top page edge:</translation>
    </message>
    <message>
        <source>Breite des Rechtecks:</source>
        <translation>Width of the rectangle:</translation>
    </message>
    <message>
        <source>Höhe des Rechtecks:</source>
        <translation>Height of the rectangle:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>CD/DVD direkt bedrucken</source>
        <translation>Print directly on CD/DVD</translation>
    </message>
    <message>
        <source>Drucken Sie den CD/DVD-Testdruck auf eine CD und lesen Sie an der Skala ab, wie weit die Mitte des Kreuzes neben der Mitte des Lochs liegt. Tragen Sie diese Abweichung mit umgekehrtem Vorzeichen ein.</source>
        <translation>Print the CD/DVD test print on a CD and read off the scale how far the center of the cross lies from the center of the hole. Enter this offset with the opposite sign.</translation>
    </message>
    <message>
        <source>CD/DVD-Testdruck...</source>
        <translation>CD/DVD test print...</translation>
    </message>
    <message>
        <source>Nach rechts verschieben:</source>
        <translation>Move right:</translation>
    </message>
    <message>
        <source>Nach unten verschieben:</source>
        <translation>Move down:</translation>
    </message>
    <message>
        <source>Drucker: </source>
        <translation>Printer: </translation>
    </message>
    <message>
        <source>Die Kalibrierung für den Drucker &quot;%1&quot; konnte nicht in %2 gespeichert werden. Sie gilt nur, bis das Programm beendet wird.</source>
        <translation>The calibration for the printer &quot;%1&quot; could not be saved in %2. It applies only until the program is closed.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Der Testdruck konnte nicht gedruckt werden.</source>
        <translation>The test print could not be printed.</translation>
    </message>
</context>
<context>
    <name>CoverFile</name>
    <message>
        <source>CD-Cover Datei öffnen: Konnte die Datei %1 nicht öffnen!</source>
        <translation>Open CD cover file: Could not open the file %1!</translation>
    </message>
    <message>
        <source>Die Datei ist keine gültige CD-Cover Datei!</source>
        <translation>The file is not a valid CD cover file!</translation>
    </message>
    <message>
        <source>CD-Cover Datei öffnen: Nicht genügend Speicher für das Bild der Datei %1!</source>
        <translation>Open CD cover file: Not enough memory for the image of the file %1!</translation>
    </message>
    <message>
        <source>Die CD-Cover Datei %1 ist beschädigt oder unvollständig und wurde nicht geöffnet!</source>
        <translation>The CD cover file %1 is damaged or incomplete and was not opened!</translation>
    </message>
    <message>
        <source>CD-Cover Datei speichern: Konnte die Datei %1 nicht erstellen!</source>
        <translation>Save CD cover file: Could not create the file %1!</translation>
    </message>
    <message>
        <source>CD-Cover Datei speichern: Fehler beim Schreiben der Datei %1! Die Datei wurde nicht gespeichert.</source>
        <translation>Save CD cover file: Error while writing the file %1! The file was not saved.</translation>
    </message>
</context>
<context>
    <name>CupsDiscTarget</name>
    <message>
        <source>Für den Druckauftrag konnte keine temporäre Datei angelegt werden.</source>
        <translation>No temporary file could be created for the print job.</translation>
    </message>
    <message>
        <source>Der Druckauftrag konnte nicht an den Drucker &quot;%1&quot; übergeben werden: %2</source>
        <translation>The print job could not be passed to the printer &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>DiscChoice</name>
    <message>
        <source>Auf CD/DVD drucken</source>
        <translation>Print on CD/DVD</translation>
    </message>
    <message>
        <source>Direkt auf bedruckbare CDs/DVDs im CD-Fach des Druckers drucken, eine Seite je CD, nur innerhalb des Rings</source>
        <translation>Print directly onto printable CDs/DVDs in the printer&apos;s CD tray, one page per CD, only inside the ring</translation>
    </message>
    <message>
        <source>Eigene Größe</source>
        <translation>Custom size</translation>
    </message>
    <message>
        <source>Außen:</source>
        <translation>Outer:</translation>
    </message>
    <message>
        <source>Innen:</source>
        <translation>Inner:</translation>
    </message>
</context>
<context>
    <name>DiscFormat</name>
    <message>
        <source>CD/DVD 118/22 mm (kleines Loch)</source>
        <translation>CD/DVD 118/22 mm (small hole)</translation>
    </message>
    <message>
        <source>CD/DVD 116/41 mm</source>
        <translation>CD/DVD 116/41 mm</translation>
    </message>
    <message>
        <source>Mini-CD 78/22 mm</source>
        <translation>Mini CD 78/22 mm</translation>
    </message>
    <message>
        <source>Der äußere Durchmesser muss zwischen %1 und %2 mm liegen, nicht bei %3 mm.</source>
        <translation>The outer diameter must be between %1 and %2 mm, not %3 mm.</translation>
    </message>
    <message>
        <source>Der innere Durchmesser muss zwischen %1 und %2 mm liegen, nicht bei %3 mm.</source>
        <translation>The inner diameter must be between %1 and %2 mm, not %3 mm.</translation>
    </message>
    <message>
        <source>Der innere Durchmesser muss mindestens %1 mm kleiner sein als der äußere.</source>
        <translation>The inner diameter must be at least %1 mm smaller than the outer one.</translation>
    </message>
    <message>
        <source>CD/DVD %1/%2 mm (eigene Größe)</source>
        <translation>CD/DVD %1/%2 mm (custom size)</translation>
    </message>
</context>
<context>
    <name>DiscTestPrint</name>
    <message>
        <source>CD/DVD-Testdruck</source>
        <translation>CD/DVD test print</translation>
    </message>
</context>
<context>
    <name>EffectTable</name>
    <message>
        <source>Weichzeichnen</source>
        <translation>Blur</translation>
    </message>
    <message>
        <source>Schwach Weichzeichnen</source>
        <translation>Blur slightly</translation>
    </message>
    <message>
        <source>Stark Weichzeichnen</source>
        <translation>Blur strongly</translation>
    </message>
    <message>
        <source>Schärfen</source>
        <translation>Sharpen</translation>
    </message>
    <message>
        <source>Stark Schärfen</source>
        <translation>Sharpen strongly</translation>
    </message>
    <message>
        <source>Grease</source>
        <translation>Grease</translation>
    </message>
    <message>
        <source>Lithograph</source>
        <translation>Lithograph</translation>
    </message>
    <message>
        <source>Psychdist</source>
        <translation>Psychdist</translation>
    </message>
    <message>
        <source>Ecken hervorheben</source>
        <translation>Enhance edges</translation>
    </message>
    <message>
        <source>Ecken finden</source>
        <translation>Find edges</translation>
    </message>
    <message>
        <source>Ecken horizontal finden</source>
        <translation>Find horizontal edges</translation>
    </message>
    <message>
        <source>Ecken vertikal finden</source>
        <translation>Find vertical edges</translation>
    </message>
    <message>
        <source>Emboss</source>
        <translation>Emboss</translation>
    </message>
    <message>
        <source>Emboss vertikal</source>
        <translation>Emboss vertically</translation>
    </message>
</context>
<context>
    <name>HistoryEntries</name>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Rückgängig: %1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Wiederholen: %1</source>
        <translation>Redo: %1</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>Windows-Bitmap</source>
        <translation>Windows Bitmap</translation>
    </message>
    <message>
        <source>Geräteunabhängige Bitmap</source>
        <translation>Device-Independent Bitmap</translation>
    </message>
    <message>
        <source>CompuServe GIF</source>
        <translation>CompuServe GIF</translation>
    </message>
    <message>
        <source>IFF ILBM</source>
        <translation>IFF ILBM</translation>
    </message>
    <message>
        <source>JPEG/JFIF</source>
        <translation>JPEG/JFIF</translation>
    </message>
    <message>
        <source>JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>Deluxe Paint ILBM/PBM</source>
        <translation>Deluxe Paint ILBM/PBM</translation>
    </message>
    <message>
        <source>ZSoft Paintbrush PCX</source>
        <translation>ZSoft Paintbrush PCX</translation>
    </message>
    <message>
        <source>RLE-komprimierte Windows-Bitmap</source>
        <translation>RLE-Compressed Windows Bitmap</translation>
    </message>
    <message>
        <source>Truevision Targa</source>
        <translation>Truevision Targa</translation>
    </message>
    <message>
        <source>TIFF</source>
        <translation>TIFF</translation>
    </message>
    <message>
        <source>Portable Network Graphics</source>
        <translation>Portable Network Graphics</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht gelesen werden.</source>
        <translation>The image %1 could not be read.</translation>
    </message>
    <message>
        <source>Das Bild %1 ist zu groß: %2 × %3 Bildpunkte brauchen %4 MB, erlaubt sind %5 MB.</source>
        <translation>The image %1 is too large: %2 × %3 pixels need %4 MB, but only %5 MB are allowed.</translation>
    </message>
    <message>
        <source>Das Bild kann in diesem Format nicht gespeichert werden.</source>
        <translation>The image cannot be saved in this format.</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht umgewandelt werden (zu wenig Speicher?).
Die Datei &quot;%1&quot; wurde nicht geschrieben.</source>
        <translation>The image could not be converted (out of memory?).
The file &quot;%1&quot; was not written.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>The file &quot;%1&quot; could not be written.</translation>
    </message>
    <message>
        <source>Alle Bilddateien</source>
        <translation>All image files</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>ImagePreparation</name>
    <message>
        <source>Fehler: Nicht genügend Speicher für das Bild.</source>
        <translation>Error: Not enough memory for the image.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Der Auftrag wurde geändert. Sollen die Änderungen gespeichert werden?</source>
        <translation>The job has been changed. Do you want to save the changes?</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>CD-Cover-Dateien (*.cov)|*.cov</source>
        <translation>CD cover files (*.cov)|*.cov</translation>
    </message>
    <message>
        <source>Datei/Neu</source>
        <translation>File/New</translation>
    </message>
    <message>
        <source>Datei/Öffnen</source>
        <translation>File/Open</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Speichern unter</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Papierformat &quot;%1&quot; aus dem Cover hinzugefügt</source>
        <translation>Paper format &quot;%1&quot; added from the cover</translation>
    </message>
    <message>
        <source>Papierformat &quot;%1&quot; aus dem Cover hinzugefügt, aber nicht gespeichert</source>
        <translation>Paper format &quot;%1&quot; added from the cover, but not saved</translation>
    </message>
    <message>
        <source>Zu wenig Speicher: Diese und frühere Änderungen können nicht rückgängig gemacht werden.</source>
        <translation>Out of memory: this and earlier changes cannot be undone.</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Neues Cover erstellen</source>
        <translation>Create a new cover</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Cover öffnen...</source>
        <translation>Open a cover...</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Cover speichern</source>
        <translation>Save the cover</translation>
    </message>
    <message>
        <source>Speichern &amp;unter...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Cover speichern unter...</source>
        <translation>Save the cover as...</translation>
    </message>
    <message>
        <source>Auf zur Varnelt Homepage...</source>
        <translation>Visit the Varnelt home page...</translation>
    </message>
    <message>
        <source>Informationen über das Programm</source>
        <translation>About this program</translation>
    </message>
    <message>
        <source>Hiermit verlassen Sie das Programm</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>Scannen</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Retuschieren</source>
        <translation>Retouch</translation>
    </message>
    <message>
        <source>Kommentare</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Zentrieren</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Unbenannt.cov</source>
        <translation>Untitled.cov</translation>
    </message>
    <message>
        <source>Programm beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Hiermit beenden Sie das Programm.</source>
        <translation>This quits the program.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>ObjectMenu</name>
    <message>
        <source>&amp;Löschen...</source>
        <translation>&amp;Delete...</translation>
    </message>
    <message>
        <source>Nach &amp;vorne</source>
        <translation>Bring to &amp;front</translation>
    </message>
    <message>
        <source>Nach &amp;hinten</source>
        <translation>Send to &amp;back</translation>
    </message>
    <message>
        <source>&amp;Farbe...</source>
        <translation>&amp;Color...</translation>
    </message>
    <message>
        <source>&amp;Schriftart...</source>
        <translation>F&amp;ont...</translation>
    </message>
    <message>
        <source>&amp;Texteffekte...</source>
        <translation>&amp;Text effects...</translation>
    </message>
    <message>
        <source>Linksbündig</source>
        <translation>Align left</translation>
    </message>
    <message>
        <source>Zentriert</source>
        <translation>Centered</translation>
    </message>
    <message>
        <source>Rechtsbündig</source>
        <translation>Align right</translation>
    </message>
    <message>
        <source>Nach links rotieren</source>
        <translation>Rotate left</translation>
    </message>
    <message>
        <source>Nach rechts rotieren</source>
        <translation>Rotate right</translation>
    </message>
    <message>
        <source>&amp;Kreis</source>
        <translation>C&amp;ircle</translation>
    </message>
    <message>
        <source>&amp;Ellipse</source>
        <translation>&amp;Ellipse</translation>
    </message>
    <message>
        <source>&amp;Quadrat</source>
        <translation>&amp;Square</translation>
    </message>
    <message>
        <source>&amp;Rechteck</source>
        <translation>&amp;Rectangle</translation>
    </message>
    <message>
        <source>&amp;Quadrat &amp;abgerundet</source>
        <translation>Rounded s&amp;quare</translation>
    </message>
    <message>
        <source>Rechteck a&amp;bgerundet</source>
        <translation>Rounded recta&amp;ngle</translation>
    </message>
    <message>
        <source>Linie &amp;horizontal</source>
        <translation>&amp;Horizontal line</translation>
    </message>
    <message>
        <source>Linie &amp;vertikal</source>
        <translation>&amp;Vertical line</translation>
    </message>
    <message>
        <source>Linie schräg hoch</source>
        <translation>Diagonal line up</translation>
    </message>
    <message>
        <source>Linie schräg runter</source>
        <translation>Diagonal line down</translation>
    </message>
</context>
<context>
    <name>PaperEdit</name>
    <message>
        <source>Kein Name</source>
        <translation>Unnamed</translation>
    </message>
</context>
<context>
    <name>PaperFormatDialog</name>
    <message>
        <source>Papierformat bearbeiten</source>
        <translation>Edit Paper Format</translation>
    </message>
    <message>
        <source>Bezeichnung für diesen Papiertyp</source>
        <translation>Name of this paper type</translation>
    </message>
    <message>
        <source>Ränder in mm</source>
        <translation>Margins in mm</translation>
    </message>
    <message>
        <source>Links:</source>
        <translation>Left:</translation>
    </message>
    <message>
        <source>Oben:</source>
        <translation>Top:</translation>
    </message>
    <message>
        <source>Ausmaße in mm</source>
        <translation>Dimensions in mm</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Abstände zwischen den Elementen in mm</source>
        <translation>Spacing between labels in mm</translation>
    </message>
    <message>
        <source>Horizontaler:</source>
        <translation>Horizontal:</translation>
    </message>
    <message>
        <source>Vertikal:</source>
        <translation>Vertical:</translation>
    </message>
    <message>
        <source>Anzahl der Elemente pro Blatt</source>
        <translation>Number of labels per sheet</translation>
    </message>
    <message>
        <source>Horizontal:</source>
        <translation>Horizontal:</translation>
    </message>
    <message>
        <source>&amp;Vorlage…</source>
        <translation>&amp;Template…</translation>
    </message>
    <message>
        <source>Die Werte aus einem installierten Etikettenbogen übernehmen</source>
        <translation>Take the values from an installed label sheet</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>PdfFileTarget</name>
    <message>
        <source>Die PDF-Datei %1</source>
        <translation>The PDF file %1</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>CD-Label und Cover</source>
        <translation>CD Label and Cover</translation>
    </message>
    <message>
        <source>Go scan!</source>
        <translation>Go scan!</translation>
    </message>
    <message>
        <source>Go!</source>
        <translation>Go!</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Scanner</translation>
    </message>
</context>
<context>
    <name>PlacementPage</name>
    <message>
        <source>Zentrieren - Zunächst das Papierformat wählen und dann die Scanvorlage auf dem Papier zentrieren</source>
        <translation>Center - First choose the paper format, then center the scanned original on the paper</translation>
    </message>
    <message>
        <source>Label/Cover zentrieren</source>
        <translation>Center label/cover</translation>
    </message>
    <message>
        <source>Papierformat</source>
        <translation>Paper format</translation>
    </message>
    <message>
        <source>Auswahl:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Ä&amp;ndern</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Noch gibt es keine Papierformate. Wählen Sie Ihren Etikettenbogen aus den installierten Vorlagen – dann ist zum ersten Druck kein Lineal nötig.</source>
        <translation>There are no paper formats yet. Choose your label sheet from the installed templates – then you need no ruler for your first print.</translation>
    </message>
    <message>
        <source>Etikettenbogen aus &amp;Vorlage wählen…</source>
        <translation>Choose label sheet from &amp;template…</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Größe:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Links/rechts Verschiebung:</source>
        <translation>Left/right shift:</translation>
    </message>
    <message>
        <source>Oben/unten Verschiebung:</source>
        <translation>Up/down shift:</translation>
    </message>
    <message>
        <source>Hiermit löschen Sie den Papiertyp unwiederrufbar.</source>
        <translation>This deletes the paper type permanently.</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>PrintFile</name>
    <message>
        <source>Druckausgabe speichern unter</source>
        <translation>Save print output as</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)|*.pdf</source>
        <translation>PDF files (*.pdf)|*.pdf</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>Sie haben noch kein Papierformat ausgewählt! Bitte wählen Sie unter &quot;Zentrieren&quot; das Papierformat aus!</source>
        <translation>You have not chosen a paper format yet! Please choose the paper format under &quot;Center&quot;!</translation>
    </message>
    <message>
        <source>Drucken - Anzahl der zu druckenden Elemente wählen und auf &quot;Go!&quot; klicken</source>
        <translation>Print - choose the number of items to print and click &quot;Go!&quot;</translation>
    </message>
    <message>
        <source>Label/Cover Drucken</source>
        <translation>Print Label/Cover</translation>
    </message>
    <message>
        <source>Klicken Sie hier, um einen anderen Drucker oder ein anderes Papierformat zu wählen</source>
        <translation>Click here to choose another printer or paper format</translation>
    </message>
    <message>
        <source>Startet den Druckvorgang!</source>
        <translation>Starts printing!</translation>
    </message>
    <message>
        <source>Drucker &amp;kalibrieren...</source>
        <translation>&amp;Calibrate printer...</translation>
    </message>
    <message>
        <source>Schon bedruckte Positionen festlegen</source>
        <translation>Set the positions already printed on</translation>
    </message>
    <message>
        <source>Anzahl der Kopien festlegen</source>
        <translation>Set the number of copies</translation>
    </message>
    <message>
        <source>Schon benutzte:</source>
        <translation>Already used:</translation>
    </message>
    <message>
        <source>Kopien:</source>
        <translation>Copies:</translation>
    </message>
    <message>
        <source>Gezeigte Seite:</source>
        <translation>Page shown:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Nur innerhalb der
Etikettform drucken</source>
        <translation>Print only inside
the label shape</translation>
    </message>
    <message>
        <source>Bild und Objekte auf die Form des Etiketts beschneiden, bei CD/DVD auch das Loch freilassen</source>
        <translation>Clip the image and objects to the label&apos;s shape; on a CD/DVD, also leave the hole blank</translation>
    </message>
    <message>
        <source>Nicht genügend Speicher, um das Etikett zu drucken.</source>
        <translation>Not enough memory to print the label.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Der Drucker &quot;%1&quot; kann nicht auf CDs/DVDs drucken: sein Treiber bietet weder ein CD-Fach noch CD-Seitengrößen an. Bitte wählen Sie einen anderen Drucker.</source>
        <translation>The printer &quot;%1&quot; cannot print on CDs/DVDs: its driver offers neither a CD tray nor CD page sizes. Please choose another printer.</translation>
    </message>
    <message>
        <source>Nicht genügend Speicher, um die CD zu drucken.</source>
        <translation>Not enough memory to print the CD.</translation>
    </message>
</context>
<context>
    <name>PrintRun</name>
    <message>
        <source>CD-Label/Cover</source>
        <translation>CD Label/Cover</translation>
    </message>
    <message>
        <source>Das Etikett des gewählten Papierformats</source>
        <translation>The label of the chosen paper format</translation>
    </message>
    <message>
        <source>Das Etikett des gewählten Papierformats &quot;%1&quot;</source>
        <translation>The label of the chosen paper format &quot;%1&quot;</translation>
    </message>
    <message>
        <source> hat keine Fläche: seine Breite oder Höhe ist 0 mm.</source>
        <translation> has no area: its width or height is 0 mm.</translation>
    </message>
    <message>
        <source> ist schmaler oder niedriger als ein Bildpunkt des Druckers.</source>
        <translation> is narrower or shorter than one printer pixel.</translation>
    </message>
    <message>
        <source> Es wurde nichts gedruckt.</source>
        <translation> Nothing was printed.</translation>
    </message>
    <message>
        <source>Der Druckauftrag konnte nicht gestartet werden.</source>
        <translation>The print job could not be started.</translation>
    </message>
    <message>
        <source>Der Druckauftrag konnte nicht abgeschlossen werden.</source>
        <translation>The print job could not be completed.</translation>
    </message>
    <message>
        <source>Diese Meldung dürfte nie erscheinen. Das Programm kann mit diesem Drucker wahrscheinlich nicht korrekt drucken.</source>
        <translation>This message should never appear. The program probably cannot print correctly with this printer.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>PrintTarget</name>
    <message>
        <source>PDF-Datei</source>
        <translation>PDF file</translation>
    </message>
</context>
<context>
    <name>PrinterSetupDialog</name>
    <message>
        <source>Druckereinrichtung</source>
        <translation>Printer Setup</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Typ:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Papier</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>&amp;Größe:</source>
        <translation>Si&amp;ze:</translation>
    </message>
    <message>
        <source>Ausrichtung</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>&amp;Hochformat</source>
        <translation>&amp;Portrait</translation>
    </message>
    <message>
        <source>&amp;Querformat</source>
        <translation>&amp;Landscape</translation>
    </message>
    <message>
        <source>Ausgabe in eine Datei; ihr Name wird beim Drucken erfragt</source>
        <translation>Output to a file; you are asked for its name when printing</translation>
    </message>
</context>
<context>
    <name>ProgramLanguage</name>
    <message>
        <source>Bei --lang fehlt die Sprache (de oder en).</source>
        <translation>--lang needs a language (de or en).</translation>
    </message>
    <message>
        <source>Unbekannte Sprache bei --lang: %1 (de oder en)</source>
        <translation>Unknown language for --lang: %1 (de or en)</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Schriftart</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Farbe...</source>
        <translation>Color...</translation>
    </message>
</context>
<context>
    <name>RetouchPage</name>
    <message>
        <source>Fehler: Konnte Bild nicht erstellen! (Zuwenig Speicher?)</source>
        <translation>Error: Could not create the image! (Out of memory?)</translation>
    </message>
    <message>
        <source>Automatisch zuschneiden</source>
        <translation>Crop automatically</translation>
    </message>
    <message>
        <source>Drehen um Winkel</source>
        <translation>Rotate by angle</translation>
    </message>
    <message>
        <source>Für diese Aktion muß die Farbtiefe des Bildes auf 16,7 Millionen Farben hochgerechnet werden, dadurch erhöhert sich der Speicherbedarf. Wollen Sie fortfahren?</source>
        <translation>For this action the image&apos;s color depth must be raised to 16.7 million colors, which increases the memory needed. Do you want to continue?</translation>
    </message>
    <message>
        <source>Farbtiefe anpassen?</source>
        <translation>Adjust Color Depth?</translation>
    </message>
    <message>
        <source>Farbtiefe anpassen</source>
        <translation>Adjust color depth</translation>
    </message>
    <message>
        <source>Die Farbtiefe konnte nicht hochgerechnet werden (Speichermangel?).</source>
        <translation>The color depth could not be raised (out of memory?).</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Fehler: Nicht genügent Speicher für diese Aktion!</source>
        <translation>Error: Not enough memory for this action!</translation>
    </message>
    <message>
        <source>Wollen Sie das Ergebnis bebehalten?</source>
        <translation>Do you want to keep the result?</translation>
    </message>
    <message>
        <source>Ist das Ergebnis Ok?</source>
        <translation>Is the Result OK?</translation>
    </message>
    <message>
        <source>Helligkeit und Kontrast</source>
        <translation>Brightness and contrast</translation>
    </message>
    <message>
        <source>90° nach links rotieren</source>
        <translation>Rotate 90° left</translation>
    </message>
    <message>
        <source>90° nach rechts rotieren</source>
        <translation>Rotate 90° right</translation>
    </message>
    <message>
        <source>Horizontal spiegeln</source>
        <translation>Flip horizontally</translation>
    </message>
    <message>
        <source>Vertikal spiegeln</source>
        <translation>Flip vertically</translation>
    </message>
    <message>
        <source>Sie müssen zuerst einen Bereich mit der Maus aufziehen!</source>
        <translation>You must first drag out an area with the mouse!</translation>
    </message>
    <message>
        <source>Zuschneiden</source>
        <translation>Crop</translation>
    </message>
    <message>
        <source>Retuschieren - Rand abschneiden und Effekte anwenden</source>
        <translation>Retouch - crop the margin and apply effects</translation>
    </message>
    <message>
        <source>Bild retuschieren</source>
        <translation>Retouch the image</translation>
    </message>
    <message>
        <source>&amp;Speichern unter...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Bild in einer Datei speichern</source>
        <translation>Save the image to a file</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Datei Menü aufrufen...</source>
        <translation>Open the File menu...</translation>
    </message>
    <message>
        <source>Effekte</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>Effektfilter anwenden...</source>
        <translation>Apply effect filters...</translation>
    </message>
    <message>
        <source>Retusche</source>
        <translation>Retouch</translation>
    </message>
    <message>
        <source>Bild nachbessern...</source>
        <translation>Touch up the image...</translation>
    </message>
    <message>
        <source>Dient der Vergrößerung und Verkleinerung der Ansicht des Bildes</source>
        <translation>Zooms the view of the image in or out</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Helligkeit und &amp;Kontrast...</source>
        <translation>Brightness and &amp;Contrast...</translation>
    </message>
    <message>
        <source>Läßt Sie die Helligkeit und den Kontrast verändern</source>
        <translation>Lets you change the brightness and contrast</translation>
    </message>
    <message>
        <source>&amp;90° nach links rotieren</source>
        <translation>Rotate 90° &amp;left</translation>
    </message>
    <message>
        <source>Rotiert das Bild um 90° nach links</source>
        <translation>Rotates the image 90° to the left</translation>
    </message>
    <message>
        <source>9&amp;0° nach rechts rotieren</source>
        <translation>Rotate 90° &amp;right</translation>
    </message>
    <message>
        <source>Rotiert das Bild um 90° nach rechts</source>
        <translation>Rotates the image 90° to the right</translation>
    </message>
    <message>
        <source>&amp;Drehen um Winkel...</source>
        <translation>Rotate by an&amp;gle...</translation>
    </message>
    <message>
        <source>Dreht das Bild um einen beliebigen Winkel</source>
        <translation>Rotates the image by any angle</translation>
    </message>
    <message>
        <source>&amp;Horizontal spiegeln</source>
        <translation>Flip &amp;horizontally</translation>
    </message>
    <message>
        <source>Spiegelt das Bild an einer horizontalen Achse</source>
        <translation>Mirrors the image from left to right</translation>
    </message>
    <message>
        <source>&amp;Vertikal spiegeln</source>
        <translation>Flip &amp;vertically</translation>
    </message>
    <message>
        <source>Spiegelt das Bild an einer vertikalen Achse</source>
        <translation>Mirrors the image from top to bottom</translation>
    </message>
    <message>
        <source>&amp;Rand abschneiden</source>
        <translation>Crop &amp;margin</translation>
    </message>
    <message>
        <source>Schneidet den Rand ab, und läßt das markierte Stück übrig</source>
        <translation>Cuts off the margin and keeps the marked area</translation>
    </message>
    <message>
        <source>&amp;Automatisch zuschneiden</source>
        <translation>Crop &amp;automatically</translation>
    </message>
    <message>
        <source>Sucht die CD oder das Cover auf dem Bild und schneidet es gerade aus</source>
        <translation>Finds the CD or cover in the image and cuts it out straight</translation>
    </message>
</context>
<context>
    <name>SaneScan</name>
    <message>
        <source>Es wurde kein Scanner gefunden.
Bitte schließen Sie einen Scanner an und schalten Sie ihn ein.</source>
        <translation>No scanner was found.
Please connect a scanner and switch it on.</translation>
    </message>
    <message>
        <source>Der Scanner ist belegt. Bitte versuchen Sie es später noch einmal.</source>
        <translation>The scanner is busy. Please try again later.</translation>
    </message>
    <message>
        <source>Bei der Verbindung zum Scanner ist ein Ein-/Ausgabefehler aufgetreten.</source>
        <translation>An input/output error occurred while communicating with the scanner.</translation>
    </message>
    <message>
        <source>Der Scanvorgang wurde abgebrochen.</source>
        <translation>The scan was canceled.</translation>
    </message>
    <message>
        <source>Im Einzug liegt kein Dokument.</source>
        <translation>There is no document in the feeder.</translation>
    </message>
    <message>
        <source>Im Einzug des Scanners hat sich das Papier gestaut.</source>
        <translation>The paper has jammed in the scanner&apos;s feeder.</translation>
    </message>
    <message>
        <source>Die Abdeckung des Scanners ist geöffnet.</source>
        <translation>The scanner&apos;s cover is open.</translation>
    </message>
    <message>
        <source>Der Zugriff auf den Scanner wurde verweigert.</source>
        <translation>Access to the scanner was denied.</translation>
    </message>
    <message>
        <source>Für das gescannte Bild ist nicht genug Speicher frei.</source>
        <translation>There is not enough free memory for the scanned image.</translation>
    </message>
    <message>
        <source>Der Scanner hat einen Fehler gemeldet.</source>
        <translation>The scanner reported an error.</translation>
    </message>
</context>
<context>
    <name>ScanCommands</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>ScanDialogs</name>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ScanOptionsDialog</name>
    <message>
        <source>Modus</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Auflösung</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Vorlage</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Scanbereich links</source>
        <translation>Scan area left</translation>
    </message>
    <message>
        <source>Scanbereich oben</source>
        <translation>Scan area top</translation>
    </message>
    <message>
        <source>Scanbereich rechts</source>
        <translation>Scan area right</translation>
    </message>
    <message>
        <source>Scanbereich unten</source>
        <translation>Scan area bottom</translation>
    </message>
    <message>
        <source> Pixel</source>
        <translation> px</translation>
    </message>
    <message>
        <source> Bit</source>
        <translation> bit</translation>
    </message>
    <message>
        <source>Scannen - %1</source>
        <translation>Scan - %1</translation>
    </message>
    <message>
        <source>Scannen</source>
        <translation>Scan</translation>
    </message>
</context>
<context>
    <name>ScanPage</name>
    <message>
        <source>Motiv einscannen - Scanner wählen und auf &quot;Go scan!&quot; klicken</source>
        <translation>Scan a picture - choose a scanner and click &quot;Go scan!&quot;</translation>
    </message>
    <message>
        <source>Label oder Cover scannen</source>
        <translation>Scan a label or cover</translation>
    </message>
    <message>
        <source>Klicken Sie hier, um das Benutzerinterface des Gerätes zu starten</source>
        <translation>Click here to open the device&apos;s scan settings and start scanning</translation>
    </message>
    <message>
        <source>Klicken Sie hier, um das Gerät zu wählen, von dem das Bild geholt werden soll</source>
        <translation>Click here to choose the device to get the image from</translation>
    </message>
    <message>
        <source>Bild öffnen...</source>
        <translation>Open image...</translation>
    </message>
    <message>
        <source>Bild speichern...</source>
        <translation>Save image...</translation>
    </message>
    <message>
        <source>Nach dem Scannen automatisch zuschneiden</source>
        <translation>Crop automatically after scanning</translation>
    </message>
    <message>
        <source>Sucht nach dem Scannen die CD oder das Cover auf dem Bild und schneidet es gerade aus</source>
        <translation>After scanning, finds the CD or cover in the image and cuts it out straight</translation>
    </message>
    <message>
        <source>Die Einstellung konnte nicht gespeichert werden.</source>
        <translation>The setting could not be saved.</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Für das Zuschneiden ist nicht genug Speicher frei.</source>
        <translation>There is not enough free memory to crop the image.</translation>
    </message>
    <message>
        <source>Automatisch zuschneiden</source>
        <translation>Crop automatically</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Scannen</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Bild öffnen</source>
        <translation>Open image</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Save image</translation>
    </message>
</context>
<context>
    <name>ScannerSelectDialog</name>
    <message>
        <source>Scanner wählen</source>
        <translation>Choose Scanner</translation>
    </message>
    <message>
        <source>Gerät, von dem das Bild geholt werden soll:</source>
        <translation>Device to get the image from:</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Select</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>Auf dem Gerät ist kein Speicherplatz mehr verfügbar</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>Der zugewiesene Plattenplatz (Quota) ist überschritten</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Die Operation ist nicht erlaubt</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>Das Dateisystem ist nur lesbar</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>Datei oder Verzeichnis nicht gefunden</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>Ist kein Verzeichnis</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>Ist ein Verzeichnis</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>Eingabe-/Ausgabefehler</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>Nicht genügend Hauptspeicher verfügbar</source>
        <translation>Not enough memory available</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien im System</source>
        <translation>Too many open files in system</translation>
    </message>
    <message>
        <source>Zu viele Ebenen aus symbolischen Links</source>
        <translation>Too many levels of symbolic links</translation>
    </message>
    <message>
        <source>Das Gerät oder die Ressource ist belegt</source>
        <translation>Device or resource busy</translation>
    </message>
    <message>
        <source>Die Datei wird gerade benutzt</source>
        <translation>The file is in use</translation>
    </message>
    <message>
        <source>Veraltete Dateizugriffsnummer (file handle)</source>
        <translation>Stale file handle</translation>
    </message>
    <message>
        <source>%1 konnte nicht geschrieben werden.</source>
        <translation>%1 could not be written.</translation>
    </message>
    <message>
        <source>%1 konnte nicht geschrieben werden: %2.</source>
        <translation>%1 could not be written: %2.</translation>
    </message>
</context>
<context>
    <name>TemplateChooser</name>
    <message>
        <source>Es sind keine Etikettenvorlagen installiert. Das Paket glabels-data bringt über 1.700 Etikettenbögen vieler Hersteller mit.</source>
        <translation>No label templates are installed. The glabels-data package brings over 1,700 label sheets from many manufacturers.</translation>
    </message>
    <message>
        <source>Dieser Bogen hat versetzte Reihen: jedes Raster wird ein eigenes Papierformat, &quot;(1)&quot;, &quot;(2)&quot;, …, und wird für sich bedruckt.</source>
        <translation>This sheet has staggered rows: each grid becomes a paper format of its own, &quot;(1)&quot;, &quot;(2)&quot;, …, and is printed separately.</translation>
    </message>
    <message>
        <source>Etikettenvorlage wählen</source>
        <translation>Choose Label Template</translation>
    </message>
    <message>
        <source>&amp;Suchen:</source>
        <translation>&amp;Search:</translation>
    </message>
    <message>
        <source>Marke, Artikel oder Beschreibung</source>
        <translation>Brand, product or description</translation>
    </message>
    <message>
        <source>nur &amp;CD/DVD</source>
        <translation>CD/&amp;DVD only</translation>
    </message>
    <message>
        <source>Marke</source>
        <translation>Brand</translation>
    </message>
    <message>
        <source>Artikel</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Etikett</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Pro Bogen</source>
        <translation>Per sheet</translation>
    </message>
    <message>
        <source>Bogen</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TestPrint</name>
    <message>
        <source>Format-Drucker Testdruck</source>
        <translation>Printer test print</translation>
    </message>
    <message>
        <source>Drucker: </source>
        <translation>Printer: </translation>
    </message>
    <message>
        <source>Datum: </source>
        <translation>Date: </translation>
    </message>
</context>
<context>
    <name>TextDialog</name>
    <message>
        <source>Text eingeben...</source>
        <translation>Enter Text...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TextEffectsDialog</name>
    <message>
        <source>Effekte</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>Umrandung</source>
        <translation>Outline</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Schatten</source>
        <translation>Shadow</translation>
    </message>
    <message>
        <source>Entfernung Horizontal:</source>
        <translation>Horizontal offset:</translation>
    </message>
    <message>
        <source>Entfernung Vertikal:</source>
        <translation>Vertical offset:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TurnDialog</name>
    <message>
        <source>Drehen um Winkel</source>
        <translation>Rotate by Angle</translation>
    </message>
    <message>
        <source>Positive Winkel drehen gegen den Uhrzeigersinn</source>
        <translation>Positive angles rotate counterclockwise</translation>
    </message>
    <message>
        <source>Winkel (Grad):</source>
        <translation>Angle (degrees):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ValueSteps</name>
    <message>
        <source>Bildgröße ändern</source>
        <translation>Change image size</translation>
    </message>
    <message>
        <source>Bild verschieben</source>
        <translation>Move image</translation>
    </message>
    <message>
        <source>Zentrieren</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>Schon benutzte Etiketten ändern</source>
        <translation>Change labels already used</translation>
    </message>
    <message>
        <source>Kopien ändern</source>
        <translation>Change copies</translation>
    </message>
    <message>
        <source>Gezeigte Seite ändern</source>
        <translation>Change page shown</translation>
    </message>
    <message>
        <source>Etikettform beim Druck ändern</source>
        <translation>Change label shape in print</translation>
    </message>
    <message>
        <source>Druckwerte ändern</source>
        <translation>Change print values</translation>
    </message>
</context>
</TS>
