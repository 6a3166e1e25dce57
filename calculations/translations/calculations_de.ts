<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>calc::CalcScreen</name>
    <message>
        <source>CALCULATE</source>
        <translation>BERECHNEN</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>DRUCKEN</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>HILFE</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SCHLIESSEN</translation>
    </message>
    <message>
        <source>INCH TO MM</source>
        <translation>ZOLL IN MM</translation>
    </message>
    <message>
        <source>MM TO INCH</source>
        <translation>MM IN ZOLL</translation>
    </message>
    <message>
        <source>ANGLE CONVERSION</source>
        <translation>WINKEL UMRECHNEN</translation>
    </message>
    <message>
        <source>COPY ALL TO CLIPBOARD</source>
        <translation>ALLES KOPIEREN</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>the converted length</source>
        <translation>die umgerechnete Länge</translation>
    </message>
    <message>
        <source>INCH SYSTEM</source>
        <translation>ZOLL</translation>
    </message>
    <message>
        <source>METRIC SYSTEM</source>
        <translation>METRISCH</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>INCH</source>
        <translation>ZOLL</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Strg+P</translation>
    </message>
    <message>
        <source>HELP (F1)</source>
        <translation>HILFE (F1)</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Schließen (Esc)</translation>
    </message>
</context>
<context>
    <name>calc::CalculatorPicture</name>
    <message>
        <source>Start the desktop calculator</source>
        <translation>Taschenrechner des Desktops starten</translation>
    </message>
    <message>
        <source>Desktop calculator</source>
        <translation>Taschenrechner</translation>
    </message>
</context>
<context>
    <name>calc::Chords</name>
    <message>
        <source>Angle must be less than 180 degrees</source>
        <translation>Der Winkel muss kleiner als 180 Grad sein.</translation>
    </message>
    <message>
        <source>&apos;h&apos; must be less than &apos;r&apos;</source>
        <translation>„h“ muss kleiner als „r“ sein.</translation>
    </message>
    <message>
        <source>&apos;c&apos; will be bigger than arc diameter.</source>
        <translation>„c“ würde größer als der Bogendurchmesser.</translation>
    </message>
    <message>
        <source>&apos;c&apos; must be less than 2(r)</source>
        <translation>„c“ muss kleiner als 2r sein.</translation>
    </message>
    <message>
        <source>&apos;c&apos; is bigger than arc diameter.</source>
        <translation>„c“ ist größer als der Bogendurchmesser.</translation>
    </message>
    <message>
        <source>&apos;c&apos; must be bigger than 2(r)</source>
        <translation>„c“ muss größer als 2r sein.</translation>
    </message>
    <message>
        <source>Impossible data entered.</source>
        <translation>Mit diesen Werten gibt es keine Lösung.</translation>
    </message>
</context>
<context>
    <name>calc::CoreText</name>
    <message>
        <source>Do not insert spaces.</source>
        <translation>Bitte keine Leerzeichen eingeben.</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not Valid.</source>
        <translation>„%s“ ist ungültig.</translation>
    </message>
    <message>
        <source>Maximum decimal places is 5.</source>
        <translation>Es sind höchstens 5 Dezimalstellen möglich.</translation>
    </message>
    <message>
        <source>&apos;/&apos; is not allowed.</source>
        <translation>„/“ ist hier nicht erlaubt.</translation>
    </message>
    <message>
        <source>Please enter the ratio in the format &apos;1:x&apos;, or switch to Inch system.</source>
        <translation>Bitte geben Sie das Verhältnis in der Form „1:x“ ein oder schalten Sie auf Zoll um.</translation>
    </message>
    <message>
        <source>Ratio format &apos;1:x&apos; is for the Metric system only</source>
        <translation>Die Form „1:x“ gilt nur im metrischen System.</translation>
    </message>
    <message>
        <source>Negative values are not allowed.</source>
        <translation>Negative Werte sind nicht erlaubt.</translation>
    </message>
    <message>
        <source>Impossible data entered: %s cannot be calculated from these values.</source>
        <translation>Die eingegebenen Werte passen nicht zusammen: %s lässt sich daraus nicht berechnen.</translation>
    </message>
</context>
<context>
    <name>calc::DrillCharts</name>
    <message>
        <source>Decimal equivalents of Inch drills (inch)</source>
        <translation>Dezimalwerte der Zollbohrer (Zoll)</translation>
    </message>
    <message>
        <source>Unified tapping drills (inch)</source>
        <translation>Kernlochbohrer UN-Gewinde (Zoll)</translation>
    </message>
    <message>
        <source>Taper pipe tapping drills (inch)</source>
        <translation>Kernlochbohrer NPT-Rohrgewinde (Zoll)</translation>
    </message>
    <message>
        <source>ISO Metric tapping drills (MM)</source>
        <translation>Kernlochbohrer metrisches ISO-Gewinde (mm)</translation>
    </message>
    <message>
        <source>RollTap</source>
        <translation>Formen</translation>
    </message>
    <message>
        <source>Tap</source>
        <translation>Schneiden</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Bohrer</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Dezimal</translation>
    </message>
    <message>
        <source>Select a Drill</source>
        <translation>Bohrer wählen</translation>
    </message>
</context>
<context>
    <name>calc::HoleDrawing</name>
    <message>
        <source>The list of coordinates will appear here when the &quot;Calculate&quot; button is clicked.</source>
        <translation>Die Koordinatenliste erscheint hier, sobald Sie auf „Berechnen“ klicken.</translation>
    </message>
</context>
<context>
    <name>calc::MenuItem</name>
    <message>
        <source>MACHINING CALCULATIONS</source>
        <translation>SCHNITTWERTE</translation>
    </message>
    <message>
        <source>Click to calculate speeds and feeds, access drill charts, etc.</source>
        <translation>Drehzahl, Schnittgeschwindigkeit und Vorschub berechnen, Bohrertabellen und mehr.</translation>
    </message>
    <message>
        <source>RIGHT ANGLE TRIGONOMETRY</source>
        <translation>RECHTWINKLIGES DREIECK</translation>
    </message>
    <message>
        <source>Click to solve right angle triangle problems.</source>
        <translation>Rechtwinklige Dreiecke berechnen.</translation>
    </message>
    <message>
        <source>OBLIQUE TRIGONOMETRY</source>
        <translation>SCHIEFWINKLIGES DREIECK</translation>
    </message>
    <message>
        <source>Click to resolve oblique triangle problems.</source>
        <translation>Schiefwinklige Dreiecke berechnen.</translation>
    </message>
    <message>
        <source>BOLT CIRCLE</source>
        <translation>LOCHKREIS</translation>
    </message>
    <message>
        <source>Click to generate X-Y coordinates for bolt circles.</source>
        <translation>X-Y-Koordinaten für Lochkreise erzeugen.</translation>
    </message>
    <message>
        <source>SURFACE FINISH</source>
        <translation>RAUTIEFE</translation>
    </message>
    <message>
        <source>Click to calculate theoretical surface roughness.</source>
        <translation>Theoretische Rautiefe der Oberfläche berechnen.</translation>
    </message>
    <message>
        <source>KEYSEAT</source>
        <translation>PASSFEDERNUT</translation>
    </message>
    <message>
        <source>Click to measure keyseat depth.</source>
        <translation>Tiefe der Passfedernut berechnen.</translation>
    </message>
    <message>
        <source>POLYGONS</source>
        <translation>VIELECKE</translation>
    </message>
    <message>
        <source>Click to calculate regular polygon values.</source>
        <translation>Maße regelmäßiger Vielecke berechnen.</translation>
    </message>
    <message>
        <source>GRID PATTERN</source>
        <translation>LOCHRASTER</translation>
    </message>
    <message>
        <source>Click to generate grid pattern coordinates.</source>
        <translation>Koordinaten eines Lochrasters erzeugen.</translation>
    </message>
    <message>
        <source>MEASURE THREADS</source>
        <translation>GEWINDE MESSEN</translation>
    </message>
    <message>
        <source>Click to calculate three wire thread measuring values.</source>
        <translation>Prüfmaße für die Gewindemessung mit drei Drähten berechnen.</translation>
    </message>
    <message>
        <source>DOVETAIL</source>
        <translation>SCHWALBEN­SCHWANZ</translation>
    </message>
    <message>
        <source>Click to calculate values for measuring dovetails.</source>
        <translation>Prüfmaße für Schwalbenschwanzführungen berechnen.</translation>
    </message>
    <message>
        <source>TAPER</source>
        <translation>KEGEL</translation>
    </message>
    <message>
        <source>Click to calculate taper turning measurements.</source>
        <translation>Maße für das Kegeldrehen berechnen.</translation>
    </message>
    <message>
        <source>CHORD GEOMETRY</source>
        <translation>SEHNEN UND BÖGEN</translation>
    </message>
    <message>
        <source>Click to calculate chord measurements.</source>
        <translation>Sehnen, Bögen und Radien berechnen.</translation>
    </message>
    <message>
        <source>This screen is not available yet.</source>
        <translation>Diese Berechnung gibt es noch nicht.</translation>
    </message>
</context>
<context>
    <name>calc::SpeedFeedPictures</name>
    <message>
        <source>Ø Diameter</source>
        <translation>Ø Durchmesser</translation>
    </message>
    <message>
        <source>Full Ø depth</source>
        <translation>Tiefe voller Ø</translation>
    </message>
    <message>
        <source>Dimensions in the screen&apos;s unit</source>
        <translation>Maße in der Einheit der Berechnung</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>U/min</translation>
    </message>
    <message>
        <source>Surface speed</source>
        <translation>Schnittgeschw.</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Vorschub</translation>
    </message>
    <message>
        <source>Ø Dia.</source>
        <translation>Ø</translation>
    </message>
    <message>
        <source>RPM = surface speed × constant ÷ Ø</source>
        <translation>n = Schnittgeschwindigkeit × Konstante ÷ Ø</translation>
    </message>
</context>
<context>
    <name>calc::SystemPrograms</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>calc::ThreadForms</name>
    <message>
        <source>60° UN</source>
        <translation>60° UN (Zoll)</translation>
    </message>
    <message>
        <source>60°ISO metric</source>
        <translation>60° ISO metrisch</translation>
    </message>
    <message>
        <source>55° BSW</source>
        <translation>55° Whitworth</translation>
    </message>
    <message>
        <source>29°Acme-2G</source>
        <translation>29° Acme-2G</translation>
    </message>
    <message>
        <source>29°Stub Acme</source>
        <translation>29° Acme flach</translation>
    </message>
    <message>
        <source>30° Trapezoid</source>
        <translation>30° Trapez</translation>
    </message>
    <message>
        <source>Minor Dia. External:</source>
        <translation>Kern-Ø außen:</translation>
    </message>
    <message>
        <source>Internal:</source>
        <translation>Innen:</translation>
    </message>
    <message>
        <source>Root and crest rad:</source>
        <translation>Radius Grund/Spitze:</translation>
    </message>
    <message>
        <source>Minor Dia:</source>
        <translation>Kern-Ø:</translation>
    </message>
    <message>
        <source>This illustration shows Maximum Material Condition.
<byte value="xd"/>If a specific tolerance designation is required, find the precise values in the tables in a handbook. Click the Help button file for more information.</source>
        <translation>Die Zeichnung zeigt das Maximum-Material-Maß.
<byte value="xd"/>Wird eine bestimmte Toleranzklasse verlangt, stehen die genauen Werte in den Tabellen eines Tabellenbuchs. Mehr dazu in der Hilfe.</translation>
    </message>
    <message>
        <source>This illustration shows Maximum Metal Condition. External thread depth assumes root radius of 0.1443p. If a specific tolerance designation is required, find the precise values in the tables in a handbook. Click the Help button file for more information.</source>
        <translation>Die Zeichnung zeigt das Maximum-Material-Maß. Die Gewindetiefe außen setzt einen Grundradius von 0.1443p voraus. Wird eine bestimmte Toleranzklasse verlangt, stehen die genauen Werte in den Tabellen eines Tabellenbuchs. Mehr dazu in der Hilfe.</translation>
    </message>
    <message>
        <source>This illustration shows Close Class values.
<byte value="xd"/>Find the other class values in the tables in a handbook. Click the Help button file for more information.</source>
        <translation>Die Zeichnung zeigt die Werte der Klasse „fein“.
<byte value="xd"/>Die Werte der übrigen Passungsklassen stehen in den Tabellen eines Tabellenbuchs. Mehr dazu in der Hilfe.</translation>
    </message>
    <message>
        <source>This illustration shows Basic Dimensions of General Purpose. If a specific tolerance designation is required, find the precise values in the tables in a handbook. Click the Help button file for more information.</source>
        <translation>Die Zeichnung zeigt die Grundmaße der Allgebrauchsklasse. Wird eine bestimmte Toleranzklasse verlangt, stehen die genauen Werte in den Tabellen eines Tabellenbuchs. Mehr dazu in der Hilfe.</translation>
    </message>
    <message>
        <source>This illustration shows Basic Dimensions of General Purpose.
<byte value="xd"/>If a specific tolerance designation is required, find the precise values in the tables in a handbook. Click the Help button file for more information.</source>
        <translation>Die Zeichnung zeigt die Grundmaße der Allgebrauchsklasse.
<byte value="xd"/>Wird eine bestimmte Toleranzklasse verlangt, stehen die genauen Werte in den Tabellen eines Tabellenbuchs. Mehr dazu in der Hilfe.</translation>
    </message>
    <message>
        <source>This illustration shows the Preferred Basic Size.
<byte value="xd"/>If a specific tolerance designation is required, find the precise values in the tables in a handbook. Click the Help button file for more information.</source>
        <translation>Die Zeichnung zeigt das bevorzugte Grundmaß.
<byte value="xd"/>Wird eine bestimmte Toleranzklasse verlangt, stehen die genauen Werte in den Tabellen eines Tabellenbuchs. Mehr dazu in der Hilfe.</translation>
    </message>
    <message>
        <source>60° Unified Thread</source>
        <translation>60° UN-Gewinde</translation>
    </message>
    <message>
        <source>60° ISO Metric Thread</source>
        <translation>60° metrisches ISO-Gewinde</translation>
    </message>
    <message>
        <source>55° Whitworth Thread</source>
        <translation>55° Whitworth-Gewinde</translation>
    </message>
    <message>
        <source>29° Acme Thread</source>
        <translation>29° Acme-Gewinde</translation>
    </message>
    <message>
        <source>29° Stub Acme Thread</source>
        <translation>29° flaches Acme-Gewinde</translation>
    </message>
    <message>
        <source>30° Trapezoid Thread</source>
        <translation>30° Trapezgewinde</translation>
    </message>
</context>
<context>
    <name>calc::ThreadPictures</name>
    <message>
        <source>%1 — three wires</source>
        <translation>%1 — drei Drähte</translation>
    </message>
    <message>
        <source>NPT  taper 1:16 on the diameter</source>
        <translation>NPT  Kegel 1:16 auf den Durchmesser</translation>
    </message>
</context>
<context>
    <name>calc::dlgAboutEDITORv74</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Shop mathematics for CNC machinists.</source>
        <translation>Werkstattrechnen für CNC-Fachleute.</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>calc::frmAlternateObliqueV74</name>
    <message>
        <source>Alternate Answer</source>
        <translation>Zweite Lösung</translation>
    </message>
    <message>
        <source>  Alternate Oblique Answer</source>
        <translation>  Zweite Lösung des schiefwinkligen Dreiecks</translation>
    </message>
    <message>
        <source>Angle A</source>
        <translation>Winkel A</translation>
    </message>
    <message>
        <source>Side b</source>
        <translation>Seite b</translation>
    </message>
    <message>
        <source>Alternate Side c</source>
        <translation>Zweite Seite c</translation>
    </message>
    <message>
        <source>Alternate Angle C</source>
        <translation>Zweiter Winkel C</translation>
    </message>
    <message>
        <source>Side a</source>
        <translation>Seite a</translation>
    </message>
    <message>
        <source>Alternate Angle B</source>
        <translation>Zweiter Winkel B</translation>
    </message>
</context>
<context>
    <name>calc::frmArbormateEDITORv74</name>
    <message>
        <source>for Tarvik</source>
        <translation>für Tarvik</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>HELP (F1)</source>
        <translation>HILFE (F1)</translation>
    </message>
    <message>
        <source>Exit (Ctrl+Q)</source>
        <translation>Beenden (Strg+Q)</translation>
    </message>
</context>
<context>
    <name>calc::frmBallnoseV74</name>
    <message>
        <source>Tool diameter greater than zero is required.</source>
        <translation>Der Werkzeugdurchmesser muss größer als null sein.</translation>
    </message>
    <message>
        <source>If stepover is greater than the tool diameter the peak height is depth of cut.</source>
        <translation>Ist die Zeilenbreite größer als der Werkzeugdurchmesser, entspricht die Rautiefe der Schnitttiefe.</translation>
    </message>
    <message>
        <source>Ball Nose Cutters</source>
        <translation>Kugelfräser und Schneidenradius</translation>
    </message>
    <message>
        <source>  Surface Finish</source>
        <translation>  Rautiefe</translation>
    </message>
    <message>
        <source>Ball Nose Diameter</source>
        <translation>Kugelfräser-Durchmesser</translation>
    </message>
    <message>
        <source>Tool Nose Radius</source>
        <translation>Schneidenradius</translation>
    </message>
    <message>
        <source>Stepover</source>
        <translation>Zeilenbreite</translation>
    </message>
    <message>
        <source>Peak Height</source>
        <translation>Rautiefe (Profilhöhe)</translation>
    </message>
    <message>
        <source>Theoretical surface finish = Ra</source>
        <translation>Theoretischer Ra-Wert</translation>
    </message>
    <message>
        <source>Decimal Places</source>
        <translation>Dezimalstellen</translation>
    </message>
    <message>
        <source>Feed per rev.</source>
        <translation>Vorschub pro Umdrehung</translation>
    </message>
    <message>
        <source>D = 2r</source>
        <translation>D = 2r</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Rautiefe</translation>
    </message>
    <message>
        <source>Turned surface</source>
        <translation>Gedrehte Oberfläche</translation>
    </message>
    <message>
        <source>Feed/rev</source>
        <translation>Vorschub/U</translation>
    </message>
    <message>
        <source>feed</source>
        <translation>Vorschub</translation>
    </message>
</context>
<context>
    <name>calc::frmBoltCircleV74</name>
    <message>
        <source>Bolt Circle</source>
        <translation>Lochkreis</translation>
    </message>
    <message>
        <source>Reference Chart</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Bolt Circle Diameter</source>
        <translation>Lochkreis-Durchmesser</translation>
    </message>
    <message>
        <source>Common fraction allowed if under 1.0</source>
        <translation>Unter 1.0 ist auch ein Bruch möglich (z. B. 3/8)</translation>
    </message>
    <message>
        <source>Number of Holes</source>
        <translation>Anzahl der Bohrungen</translation>
    </message>
    <message>
        <source>Angle of first hole, zero is 3 o&apos;clock</source>
        <translation>Startwinkel (0 = 3 Uhr)</translation>
    </message>
    <message>
        <source>Enter the angle of the first hole from the X axis (3 o&apos;clock). Positive is CCW, negative is CW.</source>
        <translation>Winkel der ersten Bohrung zur X-Achse (3 Uhr): positiv gegen den Uhrzeigersinn, negativ im Uhrzeigersinn.</translation>
    </message>
    <message>
        <source>Center of Circle: XC</source>
        <translation>Kreismittelpunkt: XC</translation>
    </message>
    <message>
        <source>Enter the X distance from absolute zero.</source>
        <translation>X-Abstand vom Werkstücknullpunkt eingeben.</translation>
    </message>
    <message>
        <source>Center of Circle: YC</source>
        <translation>Kreismittelpunkt: YC</translation>
    </message>
    <message>
        <source>Enter the Y distance from absolute zero.</source>
        <translation>Y-Abstand vom Werkstücknullpunkt eingeben.</translation>
    </message>
    <message>
        <source>Decimal Places in Answer:</source>
        <translation>Nachkommastellen im Ergebnis:</translation>
    </message>
    <message>
        <source>Insert text between coordinates:</source>
        <translation>Text zwischen den Koordinaten einfügen:</translation>
    </message>
    <message>
        <source>Calculated Coordinates</source>
        <translation>Berechnete Koordinaten</translation>
    </message>
    <message>
        <source>+ CCW</source>
        <translation>+ Gegenuhrzeigersinn</translation>
    </message>
    <message>
        <source>- CW</source>
        <translation>- Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Bolt Circles</source>
        <translation>Lochkreise</translation>
    </message>
    <message>
        <source>Start angle, positive</source>
        <translation>Winkel positiv</translation>
    </message>
    <message>
        <source>Start angle, negative</source>
        <translation>Winkel negativ</translation>
    </message>
    <message>
        <source>XC,YC</source>
        <translation>XC, YC</translation>
    </message>
    <message>
        <source>Bolt Circle Diameter</source>
        <comment>the short dimension of the chart</comment>
        <translation>Lochkreis-Ø</translation>
    </message>
</context>
<context>
    <name>calc::frmChordsV74</name>
    <message>
        <source>Angle value must be less than 180.</source>
        <translation>Der Winkel muss kleiner als 180 sein.</translation>
    </message>
    <message>
        <source>Included angle - a</source>
        <translation>Mittelpunktswinkel - a</translation>
    </message>
    <message>
        <source>Chord length - c</source>
        <translation>Sehnenlänge - c</translation>
    </message>
    <message>
        <source>Chord height - h</source>
        <translation>Bogenhöhe - h</translation>
    </message>
    <message>
        <source>Arc length - l</source>
        <translation>Bogenlänge - l</translation>
    </message>
    <message>
        <source>Arc radius - r</source>
        <translation>Radius - r</translation>
    </message>
    <message>
        <source>Chord Calculations</source>
        <translation>Sehnen und Bögen</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Sehne</translation>
    </message>
    <message>
        <source>Enter two values to calculate the others.</source>
        <translation>Zwei Werte eingeben, die übrigen werden berechnet.</translation>
    </message>
    <message>
        <source>Decimal Places in Answer</source>
        <translation>Nachkommastellen</translation>
    </message>
    <message>
        <source>Chord Dimensions</source>
        <translation>Maße an Sehne und Bogen</translation>
    </message>
</context>
<context>
    <name>calc::frmDegreeConvertV74</name>
    <message>
        <source>Convert Angles</source>
        <translation>Winkel umrechnen</translation>
    </message>
    <message>
        <source>Convert Angle</source>
        <translation>Winkel umrechnen</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Do not enter 60 or more minutes.</source>
        <translation>Bitte weniger als 60 Minuten eingeben.</translation>
    </message>
    <message>
        <source>Do not enter 60 or more seconds.</source>
        <translation>Bitte weniger als 60 Sekunden eingeben.</translation>
    </message>
    <message>
        <source>CONVERT</source>
        <translation>UMRECHNEN</translation>
    </message>
</context>
<context>
    <name>calc::frmDovetaillV74</name>
    <message>
        <source>Impossible data are entered. Check Roll Diameter, Angle and Corner Width.</source>
        <translation>Die eingegebenen Werte passen nicht zusammen. Prüfen Sie Rollendurchmesser, Winkel und Maß an den Ecken.</translation>
    </message>
    <message>
        <source>Dovetails</source>
        <translation>Schwalbenschwanzführungen</translation>
    </message>
    <message>
        <source>Dovetail</source>
        <translation>Schwalbenschwanz</translation>
    </message>
    <message>
        <source>Check any 2 possible checkboxes to enter known data</source>
        <translation>Zwei Kästchen ankreuzen und die bekannten Maße eingeben</translation>
    </message>
    <message>
        <source>Inside Roll Width</source>
        <translation>Rollenmaß innen</translation>
    </message>
    <message>
        <source>Outside Corner Width</source>
        <translation>Eckmaß außen</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Outside Roll Width</source>
        <translation>Rollenmaß außen</translation>
    </message>
    <message>
        <source>Inside Corner Width</source>
        <translation>Eckmaß innen</translation>
    </message>
    <message>
        <source>Roll diameter</source>
        <translation>Rollen-Ø</translation>
    </message>
    <message>
        <source>Common fraction allowed if under 1.0</source>
        <translation>Unter 1.0 ist auch ein Bruch möglich (z. B. 3/8)</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Decimal Places</source>
        <translation>Nachkommastellen</translation>
    </message>
    <message>
        <source>Saddle</source>
        <translation>Schlitten</translation>
    </message>
    <message>
        <source>Way</source>
        <translation>Führung</translation>
    </message>
    <message>
        <source>Roll Diameter</source>
        <translation>Rollendurchmesser</translation>
    </message>
</context>
<context>
    <name>calc::frmGridV74</name>
    <message>
        <source>Rectangular Grid</source>
        <translation>Rechteckiges Lochraster</translation>
    </message>
    <message>
        <source>Grid Pattern</source>
        <translation>Lochraster</translation>
    </message>
    <message>
        <source>Reference Chart</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>X Start Position:</source>
        <translation>Startpunkt X:</translation>
    </message>
    <message>
        <source>Number of Holes on the X Axis:</source>
        <translation>Anzahl der Bohrungen in X:</translation>
    </message>
    <message>
        <source>X step distance:</source>
        <translation>Schrittweite in X:</translation>
    </message>
    <message>
        <source>Y start Position:</source>
        <translation>Startpunkt Y:</translation>
    </message>
    <message>
        <source>Number of Holes on the Y Axis</source>
        <translation>Anzahl der Bohrungen in Y:</translation>
    </message>
    <message>
        <source>Y step distance:</source>
        <translation>Schrittweite in Y:</translation>
    </message>
    <message>
        <source>Use positive or negative step distance to decide direction.</source>
        <translation>Das Vorzeichen der Schrittweite bestimmt die Richtung.</translation>
    </message>
    <message>
        <source>Decimal Places:</source>
        <translation>Nachkommastellen:</translation>
    </message>
    <message>
        <source>Insert line of text between coordinates:</source>
        <translation>Textzeile zwischen Koordinaten:</translation>
    </message>
</context>
<context>
    <name>calc::frmKeyseatV74</name>
    <message>
        <source>Keyseat is bigger than the shaft!</source>
        <translation>Die Passfedernut ist größer als die Welle.</translation>
    </message>
    <message>
        <source>A: Overall height: </source>
        <translation>A: Gesamthöhe: </translation>
    </message>
    <message>
        <source>A: Overall height</source>
        <translation>A: Gesamthöhe</translation>
    </message>
    <message>
        <source>B: Shaft diam minus keyseat: </source>
        <translation>B: Wellendurchmesser minus Nuttiefe: </translation>
    </message>
    <message>
        <source>B: Shaft minus keyseat</source>
        <translation>B: Welle minus Nut</translation>
    </message>
    <message>
        <source>C: Depth of keyseat in shaft from flat: </source>
        <translation>C: Nuttiefe in der Welle ab Abflachung: </translation>
    </message>
    <message>
        <source>C: Seat depth from flat</source>
        <translation>C: Nut ab Abflachung</translation>
    </message>
    <message>
        <source>D: From top of shaft to full flat: </source>
        <translation>D: Wellenscheitel bis volle Abflachung: </translation>
    </message>
    <message>
        <source>D: Top of shaft to flat</source>
        <translation>D: Bogenhöhe</translation>
    </message>
    <message>
        <source>E: Total depth of keyseat in shaft: </source>
        <translation>E: Gesamte Nuttiefe in der Welle: </translation>
    </message>
    <message>
        <source>E: Total seat depth</source>
        <translation>E: Gesamte Nuttiefe</translation>
    </message>
    <message>
        <source>F: Depth of keyway in hub from flat: </source>
        <translation>F: Nuttiefe in der Nabe ab Abflachung: </translation>
    </message>
    <message>
        <source>F: Hub depth from flat</source>
        <translation>F: Nabennut ab Fläche</translation>
    </message>
    <message>
        <source>G: Total depth of keyway in hub: </source>
        <translation>G: Gesamte Nuttiefe in der Nabe: </translation>
    </message>
    <message>
        <source>G: Total hub depth</source>
        <translation>G: Nabennut gesamt</translation>
    </message>
    <message>
        <source>Keyseat</source>
        <translation>Passfedernut</translation>
    </message>
    <message>
        <source>W = Key Width:</source>
        <translation>W = Passfederbreite:</translation>
    </message>
    <message>
        <source>H = Key Height:</source>
        <translation>H = Passfederhöhe:</translation>
    </message>
    <message>
        <source>S = Shaft Diameter:</source>
        <translation>S = Wellen-Ø:</translation>
    </message>
    <message>
        <source>Check if key is square</source>
        <translation>Passfeder quadratisch</translation>
    </message>
    <message>
        <source>Decimal Places in Answer</source>
        <translation>Nachkommastellen</translation>
    </message>
    <message>
        <source>Key width</source>
        <translation>Passfederbreite</translation>
    </message>
    <message>
        <source>Key height</source>
        <translation>Passfederhöhe</translation>
    </message>
    <message>
        <source>Shaft diameter</source>
        <translation>Wellendurchmesser</translation>
    </message>
    <message>
        <source>Keyseat depth</source>
        <translation>Nuttiefe</translation>
    </message>
    <message>
        <source>Key width: </source>
        <translation>Passfederbreite: </translation>
    </message>
    <message>
        <source>Key height: </source>
        <translation>Passfederhöhe: </translation>
    </message>
    <message>
        <source>Shaft diameter: </source>
        <translation>Wellendurchmesser: </translation>
    </message>
    <message>
        <source>NOTE: Add clearance to depth of keyway in hub to facilitate assembly.</source>
        <translation>HINWEIS: Zur Nuttiefe in der Nabe ein Spiel für die Montage zugeben.</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>FEDER</translation>
    </message>
    <message>
        <source>W key width, H key height,</source>
        <translation>W Passfederbreite, H Passfederhöhe,</translation>
    </message>
    <message>
        <source>S shaft diameter</source>
        <translation>S Wellendurchmesser</translation>
    </message>
    <message>
        <source>Shaft, key and hub</source>
        <translation>Welle, Passfeder und Nabe</translation>
    </message>
</context>
<context>
    <name>calc::frmMaterialsV74</name>
    <message>
        <source>Material List</source>
        <translation>Werkstoffliste</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>Werkstoffe</translation>
    </message>
    <message>
        <source>Feet per minute:</source>
        <translation>Fuß pro Minute:</translation>
    </message>
    <message>
        <source>Metres per minute:</source>
        <translation>Meter pro Minute:</translation>
    </message>
    <message>
        <source>Search for:</source>
        <translation>Suchen nach:</translation>
    </message>
    <message>
        <source>Search (down)</source>
        <translation>Suchen (abwärts)</translation>
    </message>
    <message>
        <source>Back to Top</source>
        <translation>Zum Anfang</translation>
    </message>
    <message>
        <source>Click Help for material condition abbreviations.</source>
        <translation>Die Abkürzungen für den Werkstoffzustand stehen in der Hilfe.</translation>
    </message>
    <message>
        <source>Copy Surface Speed to Machining Calculations</source>
        <translation>Schnittgeschwindigkeit in die Schnittwerte übernehmen</translation>
    </message>
</context>
<context>
    <name>calc::frmNPTmeasureV74</name>
    <message>
        <source>Numerals only</source>
        <translation>Bitte nur Ziffern eingeben.</translation>
    </message>
    <message>
        <source>Negative values are not allowed in thread measurements.</source>
        <translation>Negative Werte sind bei der Gewindemessung nicht erlaubt.</translation>
    </message>
    <message>
        <source>Decimal places must be between 1 and 5.</source>
        <translation>Die Nachkommastellen müssen zwischen 1 und 5 liegen.</translation>
    </message>
    <message>
        <source>NPT Thread Measure</source>
        <translation>NPT-Gewinde messen</translation>
    </message>
    <message>
        <source>Measure NPT Threads with Wires</source>
        <translation>NPT-Gewinde mit drei Drähten messen</translation>
    </message>
    <message>
        <source>Nominal Pipe Size:</source>
        <translation>Rohr-Nenngröße:</translation>
    </message>
    <message>
        <source>click to choose</source>
        <translation>bitte wählen</translation>
    </message>
    <message>
        <source>Threads per inch</source>
        <translation>Gänge pro Zoll</translation>
    </message>
    <message>
        <source>Pitch of thread</source>
        <translation>Gewindesteigung</translation>
    </message>
    <message>
        <source>Taper per Foot:</source>
        <translation>Kegel pro Fuß:</translation>
    </message>
    <message>
        <source>PD at gauge point, E1:</source>
        <translation>Flanken-Ø Lehrenebene, E1:</translation>
    </message>
    <message>
        <source>PD at start of thd, E0:</source>
        <translation>Flanken-Ø Anfang, E0:</translation>
    </message>
    <message>
        <source>Gauge length, L1:</source>
        <translation>Lehrenlänge, L1:</translation>
    </message>
    <message>
        <source>Angle from centreline:</source>
        <translation>Winkel zur Mittellinie:</translation>
    </message>
    <message>
        <source>Actual wire size:</source>
        <translation>Tatsächlicher Draht-Ø:</translation>
    </message>
    <message>
        <source>Measurement over wires at gauge point:</source>
        <translation>Prüfmaß über Drähte in der Lehrenebene:</translation>
    </message>
    <message>
        <source>Best Wire Size</source>
        <translation>Bester Draht-Ø</translation>
    </message>
    <message>
        <source>turns to gauge length.</source>
        <translation>Umdr. bis Lehrenlänge</translation>
    </message>
    <message>
        <source>Decimal places</source>
        <translation>Dezimalstellen</translation>
    </message>
    <message>
        <source>CALCULATE MOW</source>
        <translation>PRÜFMASS BERECHNEN</translation>
    </message>
    <message>
        <source>INCH</source>
        <translation>ZOLL</translation>
    </message>
    <message>
        <source>Switch between inch and millimetre</source>
        <translation>Zwischen Zoll und Millimeter umschalten</translation>
    </message>
    <message>
        <source>Please choose a thread size.</source>
        <translation>Bitte eine Gewindegröße wählen.</translation>
    </message>
    <message>
        <source>An actual wire size is required.</source>
        <translation>Der tatsächliche Drahtdurchmesser fehlt.</translation>
    </message>
    <message>
        <source>An actual wire size is required</source>
        <translation>Der tatsächliche Drahtdurchmesser fehlt.</translation>
    </message>
    <message>
        <source>Impossible data are entered.</source>
        <translation>Die eingegebenen Werte passen nicht zusammen.</translation>
    </message>
    <message>
        <source>Ratio:</source>
        <translation>Verhältnis:</translation>
    </message>
    <message>
        <source>Taper per foot:</source>
        <translation>Kegel pro Fuß:</translation>
    </message>
    <message>
        <source>Nominal pipe size: </source>
        <translation>Rohr-Nenngröße: </translation>
    </message>
    <message>
        <source>Threads per inch: </source>
        <translation>Gänge pro Zoll: </translation>
    </message>
    <message>
        <source>Pitch of thread: </source>
        <translation>Gewindesteigung: </translation>
    </message>
    <message>
        <source>PD at gauge point, E1: </source>
        <translation>Flanken-Ø Lehrenebene, E1: </translation>
    </message>
    <message>
        <source>PD at start of thd, E0: </source>
        <translation>Flanken-Ø Gewindeanfang, E0: </translation>
    </message>
    <message>
        <source>Gauge length, L1: </source>
        <translation>Lehrenlänge, L1: </translation>
    </message>
    <message>
        <source>Angle from centreline: </source>
        <translation>Winkel zur Mittellinie: </translation>
    </message>
    <message>
        <source>Actual wire size: </source>
        <translation>Tatsächlicher Drahtdurchmesser: </translation>
    </message>
    <message>
        <source>Measurement over wires at gauge point: </source>
        <translation>Prüfmaß über Drähte in der Lehrenebene: </translation>
    </message>
    <message>
        <source>Best wire size: </source>
        <translation>Bester Drahtdurchmesser: </translation>
    </message>
    <message>
        <source>Units: </source>
        <translation>Einheit: </translation>
    </message>
</context>
<context>
    <name>calc::frmObliqueTriangleV74</name>
    <message>
        <source>Impossible data entered. Please reset and try again.</source>
        <translation>Mit diesen Werten gibt es kein Dreieck. Bitte löschen und neu eingeben.</translation>
    </message>
    <message>
        <source>There may be an alternate answer to this scenario. Click OK to check.</source>
        <translation>Für diese Werte kann es eine zweite Lösung geben. Klicken Sie auf OK, um sie anzuzeigen.</translation>
    </message>
    <message>
        <source>Oblique Triangle</source>
        <translation>Schiefwinkliges Dreieck</translation>
    </message>
    <message>
        <source>Oblique Trigonometry</source>
        <translation>Schiefwinkliges Dreieck</translation>
    </message>
    <message>
        <source>Angle A</source>
        <translation>Winkel A</translation>
    </message>
    <message>
        <source>Side b</source>
        <translation>Seite b</translation>
    </message>
    <message>
        <source>Side c</source>
        <translation>Seite c</translation>
    </message>
    <message>
        <source>Angle C</source>
        <translation>Winkel C</translation>
    </message>
    <message>
        <source>Side a</source>
        <translation>Seite a</translation>
    </message>
    <message>
        <source>Angle B</source>
        <translation>Winkel B</translation>
    </message>
    <message>
        <source>One Side and Two Angles</source>
        <translation>Eine Seite und zwei Winkel</translation>
    </message>
    <message>
        <source>Two Sides and the Included Angle</source>
        <translation>Zwei Seiten und Zwischenwinkel</translation>
    </message>
    <message>
        <source>Two sides and the Opposite Angle</source>
        <translation>Zwei Seiten und ein Gegenwinkel</translation>
    </message>
    <message>
        <source>All Sides</source>
        <translation>Alle drei Seiten</translation>
    </message>
    <message>
        <source>Decimal Places</source>
        <translation>Dezimalstellen</translation>
    </message>
    <message>
        <source>Area: %1 units²</source>
        <translation>Fläche: %1 Einh.²</translation>
    </message>
    <message>
        <source>Side a: </source>
        <translation>Seite a: </translation>
    </message>
    <message>
        <source>Side b: </source>
        <translation>Seite b: </translation>
    </message>
    <message>
        <source>Side c: </source>
        <translation>Seite c: </translation>
    </message>
    <message>
        <source>Angle A: </source>
        <translation>Winkel A: </translation>
    </message>
    <message>
        <source>Angle B: </source>
        <translation>Winkel B: </translation>
    </message>
    <message>
        <source>Angle C: </source>
        <translation>Winkel C: </translation>
    </message>
    <message>
        <source>Oblique triangle</source>
        <translation>Schiefwinkliges Dreieck</translation>
    </message>
</context>
<context>
    <name>calc::frmPolygonsV74</name>
    <message>
        <source>Across Corners(Outside Circle)</source>
        <translation>Eckmaß (Umkreis)</translation>
    </message>
    <message>
        <source>Across Flats (Inside Circle)</source>
        <translation>Schlüsselweite (Inkreis)</translation>
    </message>
    <message>
        <source>Side length(chord)</source>
        <translation>Seitenlänge (Sehne)</translation>
    </message>
    <message>
        <source>Polygon dimensions</source>
        <translation>Maße des Vielecks</translation>
    </message>
    <message>
        <source>Polygons</source>
        <translation>Vielecke</translation>
    </message>
    <message>
        <source>Regular Polygons</source>
        <translation>Regelmäßige Vielecke</translation>
    </message>
    <message>
        <source>Enter Known Data</source>
        <translation>Bekanntes Maß</translation>
    </message>
    <message>
        <source>Across Flats</source>
        <translation>Schlüsselweite</translation>
    </message>
    <message>
        <source>Across Corners</source>
        <translation>Eckmaß</translation>
    </message>
    <message>
        <source>Side Length</source>
        <translation>Seitenlänge</translation>
    </message>
    <message>
        <source>Number of Sides</source>
        <translation>Anzahl der Seiten</translation>
    </message>
    <message>
        <source>Across Corners (Outside Circle)</source>
        <translation>Eckmaß (Umkreis)</translation>
    </message>
    <message>
        <source>Side Length (Chord):</source>
        <translation>Seitenlänge:</translation>
    </message>
    <message>
        <source>Hord Length</source>
        <translation>Sehnenlänge</translation>
    </message>
    <message>
        <source>Angle of sector:</source>
        <translation>Sektorwinkel:</translation>
    </message>
    <message>
        <source>Sector Angle</source>
        <translation>Sektorwinkel</translation>
    </message>
    <message>
        <source>Decimal Places in Answer</source>
        <translation>Nachkommastellen</translation>
    </message>
    <message>
        <source>Volume of a </source>
        <translation>Stab mit</translation>
    </message>
    <message>
        <source>unit length bar is L*A units³.</source>
        <translation>Längeneinheiten: V = L*A Einh.³</translation>
    </message>
    <message>
        <source>Area= %1units²</source>
        <translation>A = %1 Einh.²</translation>
    </message>
    <message>
        <source>unit length bar is %1units³.</source>
        <translation>Längeneinheiten: V = %1 Einh.³</translation>
    </message>
    <message>
        <source>Sector angle: </source>
        <translation>Sektorwinkel: </translation>
    </message>
    <message>
        <source>Volume: </source>
        <translation>Volumen: </translation>
    </message>
</context>
<context>
    <name>calc::frmRtAngleV74</name>
    <message>
        <source>Too much data entered. Enter two sides, or one side and one angle.</source>
        <translation>Zu viele Werte. Geben Sie zwei Seiten oder eine Seite und einen Winkel ein.</translation>
    </message>
    <message>
        <source>Not enough data specified. Enter two sides, or one side and one angle.</source>
        <translation>Es fehlen Werte. Geben Sie zwei Seiten oder eine Seite und einen Winkel ein.</translation>
    </message>
    <message>
        <source>The hypotenuse cannot be smaller than another side.</source>
        <translation>Die Hypotenuse kann nicht kürzer sein als eine andere Seite.</translation>
    </message>
    <message>
        <source>Angle value must be less than 90.</source>
        <translation>Der Winkel muss kleiner als 90 sein.</translation>
    </message>
    <message>
        <source>Side a</source>
        <translation>Seite a</translation>
    </message>
    <message>
        <source>Side b</source>
        <translation>Seite b</translation>
    </message>
    <message>
        <source>Side c</source>
        <translation>Seite c</translation>
    </message>
    <message>
        <source>Angle A</source>
        <translation>Winkel A</translation>
    </message>
    <message>
        <source>Angle B</source>
        <translation>Winkel B</translation>
    </message>
    <message>
        <source>Solve Right Angle Triangles</source>
        <translation>Rechtwinklige Dreiecke berechnen</translation>
    </message>
    <message>
        <source>Right Angle Trigonometry</source>
        <translation>Rechtwinkliges Dreieck</translation>
    </message>
    <message>
        <source>Enter 2 sides or 1 side and 1 angle.</source>
        <translation>2 Seiten oder 1 Seite und 1 Winkel eingeben.</translation>
    </message>
    <message>
        <source>Decimal Places in Answer</source>
        <translation>Nachkommastellen</translation>
    </message>
    <message>
        <source>the triangle</source>
        <translation>das Dreieck</translation>
    </message>
    <message>
        <source>Area: %1 units²</source>
        <translation>Fläche: %1 Einh.²</translation>
    </message>
    <message>
        <source>Side a: </source>
        <translation>Seite a: </translation>
    </message>
    <message>
        <source>Side b: </source>
        <translation>Seite b: </translation>
    </message>
    <message>
        <source>Side c: </source>
        <translation>Seite c: </translation>
    </message>
    <message>
        <source>Angle A: </source>
        <translation>Winkel A: </translation>
    </message>
    <message>
        <source>Angle B: </source>
        <translation>Winkel B: </translation>
    </message>
    <message>
        <source>Angle C: </source>
        <translation>Winkel C: </translation>
    </message>
    <message>
        <source>Right Angle Triangle</source>
        <translation>Rechtwinkliges Dreieck</translation>
    </message>
</context>
<context>
    <name>calc::frmShaftTaperV74</name>
    <message>
        <source>The angle per side must be less than 90 degrees.</source>
        <translation>Der Winkel je Seite muss kleiner als 90 Grad sein.</translation>
    </message>
    <message>
        <source>The included angle must be less than 180 degrees.</source>
        <translation>Der Kegelwinkel muss kleiner als 180 Grad sein.</translation>
    </message>
    <message>
        <source>Large and small diameters are equal: there is no taper to calculate.</source>
        <translation>Großer und kleiner Durchmesser sind gleich: Es gibt keinen Kegel zu berechnen.</translation>
    </message>
    <message>
        <source>The taper must be greater than zero.</source>
        <translation>Der Kegel muss größer als null sein.</translation>
    </message>
    <message>
        <source>The large diameter must be greater than zero.</source>
        <translation>Der große Durchmesser muss größer als null sein.</translation>
    </message>
    <message>
        <source>The length must be greater than zero.</source>
        <translation>Die Länge muss größer als null sein.</translation>
    </message>
    <message>
        <source>The included angle must be greater than zero.</source>
        <translation>Der Kegelwinkel muss größer als null sein.</translation>
    </message>
    <message>
        <source>The angle per side must be greater than zero.</source>
        <translation>Der Winkel je Seite muss größer als null sein.</translation>
    </message>
    <message>
        <source>Shaft Tapers</source>
        <translation>Wellenkegel</translation>
    </message>
    <message>
        <source>Taper</source>
        <translation>Kegel</translation>
    </message>
    <message>
        <source>Insert three values to calculate the other three.</source>
        <translation>Drei Werte eingeben, drei werden berechnet.</translation>
    </message>
    <message>
        <source>Taper per Foot:</source>
        <translation>Kegel pro Fuß:</translation>
    </message>
    <message>
        <source>Large Dia, D:</source>
        <translation>Großer Ø, D:</translation>
    </message>
    <message>
        <source>Small Dia, d:</source>
        <translation>Kleiner Ø, d:</translation>
    </message>
    <message>
        <source>Length, L:</source>
        <translation>Länge, L:</translation>
    </message>
    <message>
        <source>Included Angle:</source>
        <translation>Kegelwinkel:</translation>
    </message>
    <message>
        <source>Angle per Side:</source>
        <translation>Winkel je Seite:</translation>
    </message>
    <message>
        <source>Decimal places</source>
        <translation>Nachkommastellen</translation>
    </message>
    <message>
        <source>Ratio:</source>
        <translation>Verhältnis:</translation>
    </message>
    <message>
        <source>Angle per side</source>
        <translation>Winkel je Seite</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Large Dia</source>
        <translation>Großer Durchmesser</translation>
    </message>
    <message>
        <source>Small Dia</source>
        <translation>Kleiner Durchmesser</translation>
    </message>
    <message>
        <source>Taper per foot:</source>
        <translation>Kegel pro Fuß:</translation>
    </message>
    <message>
        <source>Taper per foot</source>
        <translation>Kegel pro Fuß</translation>
    </message>
    <message>
        <source>Large diameter: </source>
        <translation>Großer Durchmesser: </translation>
    </message>
    <message>
        <source>Small diameter: </source>
        <translation>Kleiner Durchmesser: </translation>
    </message>
    <message>
        <source>Length: </source>
        <translation>Länge: </translation>
    </message>
    <message>
        <source>Taper Ratio</source>
        <translation>Kegelverhältnis</translation>
    </message>
    <message>
        <source>Included angle</source>
        <translation>Kegelwinkel</translation>
    </message>
    <message>
        <source>Included Angle</source>
        <translation>Kegelwinkel</translation>
    </message>
    <message>
        <source>Large Dia.</source>
        <translation>Großer Ø</translation>
    </message>
    <message>
        <source>Small Dia.</source>
        <translation>Kleiner Ø</translation>
    </message>
    <message>
        <source>Length  L</source>
        <translation>Länge  L</translation>
    </message>
</context>
<context>
    <name>calc::frmSpeedFeedV74</name>
    <message>
        <source>Show Drill Point/Countersink</source>
        <translation>Bohrerspitze/Senkung einblenden</translation>
    </message>
    <message>
        <source>Hide Drill Point/Countersink</source>
        <translation>Bohrerspitze/Senkung ausblenden</translation>
    </message>
    <message>
        <source>Common fractions under 1 may be entered here.</source>
        <translation>Werte unter 1 können auch als Bruch eingegeben werden (z. B. 3/8).</translation>
    </message>
    <message>
        <source>The surface finish screen is not available yet.</source>
        <translation>Die Berechnung der Rautiefe gibt es noch nicht.</translation>
    </message>
    <message>
        <source>Machining Calculations</source>
        <translation>Schnittwerte</translation>
    </message>
    <message>
        <source>Diameter of Tool (Workpiece for Lathe)</source>
        <translation>Werkzeugdurchmesser (beim Drehen Werkstückdurchmesser)</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Decimal Places in Answer</source>
        <translation>Nachkommastellen</translation>
    </message>
    <message>
        <source>Surface speed: Feet/min</source>
        <translation>Schnittgeschw. (Fuß/min)</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>Drehzahl U/min</translation>
    </message>
    <message>
        <source>Inches/Rev   (or thread pitch)</source>
        <translation>Zoll/U (oder Steigung)</translation>
    </message>
    <message>
        <source>Inches/tooth</source>
        <translation>Zoll/Zahn</translation>
    </message>
    <message>
        <source>Inches/min</source>
        <translation>Zoll/min</translation>
    </message>
    <message>
        <source>Number of Teeth  (Use 1 for Lathe or Tap)</source>
        <translation>Zähnezahl (1 beim Drehen und Gewindebohren)</translation>
    </message>
    <message>
        <source>Drill charts: pick a drill to fill the diameter</source>
        <translation>Bohrertabellen: ein Bohrer setzt den Durchmesser</translation>
    </message>
    <message>
        <source>Point Angle</source>
        <translation>Spitzenwinkel</translation>
    </message>
    <message>
        <source>Point Length</source>
        <translation>Spitzenlänge</translation>
    </message>
    <message>
        <source>TotalDepth</source>
        <translation>Gesamttiefe</translation>
    </message>
    <message>
        <source>MATERIAL LIST</source>
        <translation>WERKSTOFFE</translation>
    </message>
    <message>
        <source>Surface Finish</source>
        <translation>Rautiefe</translation>
    </message>
    <message>
        <source>Surface speed in Feet/Min</source>
        <translation>Schnittgeschw. in Fuß/min</translation>
    </message>
    <message>
        <source>Inches per tooth</source>
        <translation>Zoll pro Zahn</translation>
    </message>
    <message>
        <source>Inches per Rev (or thread pitch)</source>
        <translation>Zoll pro Umdrehung (oder Steigung)</translation>
    </message>
    <message>
        <source>Inches per Minute</source>
        <translation>Vorschub in Zoll/min</translation>
    </message>
    <message>
        <source>Surface speed in M/Min</source>
        <translation>Schnittgeschw. in m/min</translation>
    </message>
    <message>
        <source>MM per tooth</source>
        <translation>mm pro Zahn</translation>
    </message>
    <message>
        <source>MM per Rev (or thread pitch)</source>
        <translation>mm pro Umdrehung (oder Steigung)</translation>
    </message>
    <message>
        <source>MM per Minute</source>
        <translation>Vorschub in mm/min</translation>
    </message>
</context>
<context>
    <name>calc::frmThreadMeasureV74</name>
    <message>
        <source>Common fraction allowed if under 1.0</source>
        <translation>Unter 1.0 ist auch ein Bruch möglich (z. B. 3/8)</translation>
    </message>
    <message>
        <source>Impossible data are entered.</source>
        <translation>Die eingegebenen Werte passen nicht zusammen.</translation>
    </message>
    <message>
        <source>Measure threads</source>
        <translation>Gewinde messen</translation>
    </message>
    <message>
        <source>Measure Threads with Wires</source>
        <translation>Gewinde messen mit drei Drähten</translation>
    </message>
    <message>
        <source>Thread form</source>
        <translation>Gewindeform</translation>
    </message>
    <message>
        <source>National Pipe Thread</source>
        <translation>NPT-Rohrgewinde</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>Pitch entry</source>
        <translation>Eingabe der Steigung</translation>
    </message>
    <message>
        <source>Threads per Inch</source>
        <translation>Gänge pro Zoll</translation>
    </message>
    <message>
        <source>Pitch of Thread</source>
        <translation>Gewindesteigung</translation>
    </message>
    <message>
        <source>Given</source>
        <translation>Gegeben</translation>
    </message>
    <message>
        <source>Pitch Diameter</source>
        <translation>Flankendurchmesser</translation>
    </message>
    <message>
        <source>Measurement over wires</source>
        <translation>Prüfmaß über Drähte</translation>
    </message>
    <message>
        <source>Basic Major Diameter Only</source>
        <translation>Nur Nenndurchmesser</translation>
    </message>
    <message>
        <source>Basic Major Diameter (REQUIRED)</source>
        <translation>Nenndurchmesser (NÖTIG)</translation>
    </message>
    <message>
        <source>Actual Wire Size (REQUIRED)</source>
        <translation>Tatsächlicher Draht-Ø (NÖTIG)</translation>
    </message>
    <message>
        <source>Pitch (Effective) Diameter</source>
        <translation>Flankendurchmesser</translation>
    </message>
    <message>
        <source>CALCULATE BEST WIRE SIZE</source>
        <translation>BESTEN DRAHT-Ø BERECHNEN</translation>
    </message>
    <message>
        <source>Nom dia of # thds</source>
        <translation>Nummerngewinde</translation>
    </message>
    <message>
        <source>Numbered screw sizes: basic major diameters in inches</source>
        <translation>Nummerngewinde: Nenndurchmesser in Zoll</translation>
    </message>
    <message>
        <source>Maximum Major Diameter, External:</source>
        <translation>Größter Außendurchmesser, Bolzen:</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Tiefe</translation>
    </message>
    <message>
        <source>External</source>
        <translation>außen</translation>
    </message>
    <message>
        <source>internal</source>
        <translation>innen</translation>
    </message>
    <message>
        <source>Decimal Places</source>
        <translation>Nachkommastellen</translation>
    </message>
    <message>
        <source>Thread Pitch or TPI required</source>
        <translation>Steigung oder Gänge pro Zoll fehlen.</translation>
    </message>
    <message>
        <source>An actual wire size is required.</source>
        <translation>Der tatsächliche Drahtdurchmesser fehlt.</translation>
    </message>
    <message>
        <source>Please enter a value for TPI or Thread Pitch.</source>
        <translation>Bitte Gänge pro Zoll oder die Steigung eingeben.</translation>
    </message>
    <message>
        <source>Nominal thread size is required.</source>
        <translation>Die Gewindenenngröße fehlt.</translation>
    </message>
    <message>
        <source>Major Diam.</source>
        <translation>Nenndurchmesser</translation>
    </message>
    <message>
        <source>Please enter all required values</source>
        <translation>Bitte alle nötigen Werte eingeben.</translation>
    </message>
    <message>
        <source>Thread Pitch.</source>
        <translation>Steigung</translation>
    </message>
    <message>
        <source>Actual Wire Size.</source>
        <translation>Tatsächlicher Drahtdurchmesser</translation>
    </message>
    <message>
        <source>Pitch diameter: </source>
        <translation>Flankendurchmesser: </translation>
    </message>
    <message>
        <source>Nominal major diameter: </source>
        <translation>Nenndurchmesser: </translation>
    </message>
    <message>
        <source>Measurement over wires: </source>
        <translation>Prüfmaß über Drähte: </translation>
    </message>
    <message>
        <source>Threads per inch: </source>
        <translation>Gänge pro Zoll: </translation>
    </message>
    <message>
        <source>Thread pitch: </source>
        <translation>Steigung: </translation>
    </message>
    <message>
        <source>Actual wire size: </source>
        <translation>Tatsächlicher Drahtdurchmesser: </translation>
    </message>
    <message>
        <source>Best wire size: </source>
        <translation>Bester Drahtdurchmesser: </translation>
    </message>
    <message>
        <source>Maximum major diameter, external: </source>
        <translation>Größter Außendurchmesser, Bolzen: </translation>
    </message>
    <message>
        <source>Root and crest radius: </source>
        <translation>Radius an Grund und Spitze: </translation>
    </message>
    <message>
        <source>Minor diameter: </source>
        <translation>Kerndurchmesser: </translation>
    </message>
    <message>
        <source>Minor diameter, external: </source>
        <translation>Kerndurchmesser außen: </translation>
    </message>
    <message>
        <source>Minor diameter, internal: </source>
        <translation>Kerndurchmesser innen: </translation>
    </message>
    <message>
        <source>Height, external: </source>
        <translation>Gewindetiefe außen: </translation>
    </message>
    <message>
        <source>Height, internal: </source>
        <translation>Gewindetiefe innen: </translation>
    </message>
</context>
</TS>
