<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>AutoCrop</name>
    <message>
        <source>Auf dem Bild wurde keine CD und kein Cover gefunden.</source>
        <translation>No CD or cover was found in the image.</translation>
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
</TS>
