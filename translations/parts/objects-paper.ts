<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
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
</TS>
