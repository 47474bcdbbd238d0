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
