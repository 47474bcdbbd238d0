<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
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
    <name>DiscTestPrint</name>
    <message>
        <source>CD/DVD-Testdruck</source>
        <translation>CD/DVD test print</translation>
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
</TS>
