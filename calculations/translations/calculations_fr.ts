<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>calc::CalcScreen</name>
    <message>
        <source>CALCULATE</source>
        <translation>CALCULER</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>EFFACER</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>IMPRIMER</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AIDE</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>FERMER</translation>
    </message>
    <message>
        <source>INCH TO MM</source>
        <translation>POUCES EN MM</translation>
    </message>
    <message>
        <source>MM TO INCH</source>
        <translation>MM EN POUCES</translation>
    </message>
    <message>
        <source>ANGLE CONVERSION</source>
        <translation>CONVERSION D&apos;ANGLES</translation>
    </message>
    <message>
        <source>COPY ALL TO CLIPBOARD</source>
        <translation>TOUT COPIER</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>the converted length</source>
        <translation>la longueur convertie</translation>
    </message>
    <message>
        <source>INCH SYSTEM</source>
        <translation>POUCES</translation>
    </message>
    <message>
        <source>METRIC SYSTEM</source>
        <translation>MÉTRIQUE</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Pouce</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrique</translation>
    </message>
    <message>
        <source>INCH</source>
        <translation>POUCES</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>HELP (F1)</source>
        <translation>AIDE (F1)</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Fermer (Échap)</translation>
    </message>
</context>
<context>
    <name>calc::CalculatorPicture</name>
    <message>
        <source>Start the desktop calculator</source>
        <translation>Lancer la calculatrice du bureau</translation>
    </message>
    <message>
        <source>Desktop calculator</source>
        <translation>Calculatrice</translation>
    </message>
</context>
<context>
    <name>calc::Chords</name>
    <message>
        <source>Angle must be less than 180 degrees</source>
        <translation>L&apos;angle doit être inférieur à 180 degrés.</translation>
    </message>
    <message>
        <source>&apos;h&apos; must be less than &apos;r&apos;</source>
        <translation>« h » doit être inférieur à « r ».</translation>
    </message>
    <message>
        <source>&apos;c&apos; will be bigger than arc diameter.</source>
        <translation>« c » dépasserait le diamètre de l&apos;arc.</translation>
    </message>
    <message>
        <source>&apos;c&apos; must be less than 2(r)</source>
        <translation>« c » doit être inférieur à 2r.</translation>
    </message>
    <message>
        <source>&apos;c&apos; is bigger than arc diameter.</source>
        <translation>« c » dépasse le diamètre de l&apos;arc.</translation>
    </message>
    <message>
        <source>&apos;c&apos; must be bigger than 2(r)</source>
        <translation>« c » doit être supérieur à 2r.</translation>
    </message>
    <message>
        <source>Impossible data entered.</source>
        <translation>Ces valeurs n&apos;ont pas de solution.</translation>
    </message>
</context>
<context>
    <name>calc::CoreText</name>
    <message>
        <source>Do not insert spaces.</source>
        <translation>N&apos;entrez pas d&apos;espaces.</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not Valid.</source>
        <translation>« %s » n&apos;est pas valable.</translation>
    </message>
    <message>
        <source>Maximum decimal places is 5.</source>
        <translation>Le nombre maximal de décimales est 5.</translation>
    </message>
    <message>
        <source>&apos;/&apos; is not allowed.</source>
        <translation>« / » n&apos;est pas autorisé ici.</translation>
    </message>
    <message>
        <source>Please enter the ratio in the format &apos;1:x&apos;, or switch to Inch system.</source>
        <translation>Veuillez entrer le rapport sous la forme « 1:x » ou passer en pouces.</translation>
    </message>
    <message>
        <source>Ratio format &apos;1:x&apos; is for the Metric system only</source>
        <translation>La forme « 1:x » n&apos;existe qu&apos;en système métrique.</translation>
    </message>
    <message>
        <source>Negative values are not allowed.</source>
        <translation>Les valeurs négatives ne sont pas autorisées.</translation>
    </message>
    <message>
        <source>Impossible data entered: %s cannot be calculated from these values.</source>
        <translation>Les valeurs saisies sont incompatibles : %s ne peut pas être calculé(e) à partir de ces valeurs.</translation>
    </message>
</context>
<context>
    <name>calc::DrillCharts</name>
    <message>
        <source>Decimal equivalents of Inch drills (inch)</source>
        <translation>Équivalents décimaux des forets en pouces (pouce)</translation>
    </message>
    <message>
        <source>Unified tapping drills (inch)</source>
        <translation>Forets de taraudage UN (pouce)</translation>
    </message>
    <message>
        <source>Taper pipe tapping drills (inch)</source>
        <translation>Forets de taraudage gaz NPT (pouce)</translation>
    </message>
    <message>
        <source>ISO Metric tapping drills (MM)</source>
        <translation>Forets de taraudage ISO métrique (mm)</translation>
    </message>
    <message>
        <source>RollTap</source>
        <translation>Refouler</translation>
    </message>
    <message>
        <source>Tap</source>
        <translation>Tarauder</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Foret</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Décimal</translation>
    </message>
    <message>
        <source>Select a Drill</source>
        <translation>Choisir un foret</translation>
    </message>
</context>
<context>
    <name>calc::HoleDrawing</name>
    <message>
        <source>The list of coordinates will appear here when the &quot;Calculate&quot; button is clicked.</source>
        <translation>La liste des coordonnées s&apos;affiche ici quand vous cliquez sur « Calculer ».</translation>
    </message>
</context>
<context>
    <name>calc::MenuItem</name>
    <message>
        <source>MACHINING CALCULATIONS</source>
        <translation>CONDITIONS DE COUPE</translation>
    </message>
    <message>
        <source>Click to calculate speeds and feeds, access drill charts, etc.</source>
        <translation>Calculer la vitesse de rotation, la vitesse de coupe et l&apos;avance, tables de forets, etc.</translation>
    </message>
    <message>
        <source>RIGHT ANGLE TRIGONOMETRY</source>
        <translation>TRIANGLE RECTANGLE</translation>
    </message>
    <message>
        <source>Click to solve right angle triangle problems.</source>
        <translation>Résoudre des triangles rectangles.</translation>
    </message>
    <message>
        <source>OBLIQUE TRIGONOMETRY</source>
        <translation>TRIANGLE QUELCONQUE</translation>
    </message>
    <message>
        <source>Click to resolve oblique triangle problems.</source>
        <translation>Résoudre des triangles quelconques.</translation>
    </message>
    <message>
        <source>BOLT CIRCLE</source>
        <translation>CERCLE DE PERÇAGE</translation>
    </message>
    <message>
        <source>Click to generate X-Y coordinates for bolt circles.</source>
        <translation>Calculer les coordonnées X-Y d&apos;un cercle de perçage.</translation>
    </message>
    <message>
        <source>SURFACE FINISH</source>
        <translation>ÉTAT DE SURFACE</translation>
    </message>
    <message>
        <source>Click to calculate theoretical surface roughness.</source>
        <translation>Calculer la rugosité théorique de la surface.</translation>
    </message>
    <message>
        <source>KEYSEAT</source>
        <translation>RAINURE DE CLAVETTE</translation>
    </message>
    <message>
        <source>Click to measure keyseat depth.</source>
        <translation>Calculer la profondeur de la rainure de clavette.</translation>
    </message>
    <message>
        <source>POLYGONS</source>
        <translation>POLYGONES</translation>
    </message>
    <message>
        <source>Click to calculate regular polygon values.</source>
        <translation>Calculer les cotes des polygones réguliers.</translation>
    </message>
    <message>
        <source>GRID PATTERN</source>
        <translation>GRILLE DE TROUS</translation>
    </message>
    <message>
        <source>Click to generate grid pattern coordinates.</source>
        <translation>Calculer les coordonnées d&apos;une grille de trous.</translation>
    </message>
    <message>
        <source>MEASURE THREADS</source>
        <translation>MESURE DES FILETAGES</translation>
    </message>
    <message>
        <source>Click to calculate three wire thread measuring values.</source>
        <translation>Calculer les cotes de contrôle des filetages par la méthode des trois fils.</translation>
    </message>
    <message>
        <source>DOVETAIL</source>
        <translation>QUEUE D&apos;ARONDE</translation>
    </message>
    <message>
        <source>Click to calculate values for measuring dovetails.</source>
        <translation>Calculer les cotes de contrôle des queues d&apos;aronde.</translation>
    </message>
    <message>
        <source>TAPER</source>
        <translation>CÔNE</translation>
    </message>
    <message>
        <source>Click to calculate taper turning measurements.</source>
        <translation>Calculer les cotes pour le tournage des cônes.</translation>
    </message>
    <message>
        <source>CHORD GEOMETRY</source>
        <translation>CORDES ET ARCS</translation>
    </message>
    <message>
        <source>Click to calculate chord measurements.</source>
        <translation>Calculer cordes, arcs et rayons.</translation>
    </message>
    <message>
        <source>This screen is not available yet.</source>
        <translation>Ce calcul n&apos;est pas encore disponible.</translation>
    </message>
</context>
<context>
    <name>calc::SpeedFeedPictures</name>
    <message>
        <source>Ø Diameter</source>
        <translation>Ø Diamètre</translation>
    </message>
    <message>
        <source>Full Ø depth</source>
        <translation>Profondeur au Ø plein</translation>
    </message>
    <message>
        <source>Dimensions in the screen&apos;s unit</source>
        <translation>Cotes dans l&apos;unité du calcul</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>tr/min</translation>
    </message>
    <message>
        <source>Surface speed</source>
        <translation>Vitesse de coupe</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Avance</translation>
    </message>
    <message>
        <source>Ø Dia.</source>
        <translation>Ø</translation>
    </message>
    <message>
        <source>RPM = surface speed × constant ÷ Ø</source>
        <translation>N = vitesse de coupe × constante ÷ Ø</translation>
    </message>
</context>
<context>
    <name>calc::SystemPrograms</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment.</translation>
    </message>
</context>
<context>
    <name>calc::ThreadForms</name>
    <message>
        <source>60° UN</source>
        <translation>60° UN (pouces)</translation>
    </message>
    <message>
        <source>60°ISO metric</source>
        <translation>60° ISO métrique</translation>
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
        <translation>29° Acme tronqué</translation>
    </message>
    <message>
        <source>30° Trapezoid</source>
        <translation>30° trapézoïdal</translation>
    </message>
    <message>
        <source>Minor Dia. External:</source>
        <translation>Ø fond ext. :</translation>
    </message>
    <message>
        <source>Internal:</source>
        <translation>Int. :</translation>
    </message>
    <message>
        <source>Root and crest rad:</source>
        <translation>Rayon fond/sommet :</translation>
    </message>
    <message>
        <source>Minor Dia:</source>
        <translation>Ø fond :</translation>
    </message>
    <message>
        <source>This illustration shows Maximum Material Condition.
<byte value="xd"/>If a specific tolerance designation is required, find the precise values in the tables in a handbook. Click the Help button file for more information.</source>
        <translation>Le dessin montre l&apos;état au maximum de matière.
<byte value="xd"/>Si une tolérance précise est exigée, prenez les valeurs exactes dans les tables d&apos;un manuel. Plus d&apos;informations dans l&apos;aide.</translation>
    </message>
    <message>
        <source>This illustration shows Maximum Metal Condition. External thread depth assumes root radius of 0.1443p. If a specific tolerance designation is required, find the precise values in the tables in a handbook. Click the Help button file for more information.</source>
        <translation>Le dessin montre l&apos;état au maximum de matière. La profondeur du filet extérieur suppose un rayon de fond de 0.1443p. Si une tolérance précise est exigée, prenez les valeurs exactes dans les tables d&apos;un manuel. Plus d&apos;informations dans l&apos;aide.</translation>
    </message>
    <message>
        <source>This illustration shows Close Class values.
<byte value="xd"/>Find the other class values in the tables in a handbook. Click the Help button file for more information.</source>
        <translation>Le dessin montre les valeurs de la classe précise.
<byte value="xd"/>Les valeurs des autres classes figurent dans les tables d&apos;un manuel. Plus d&apos;informations dans l&apos;aide.</translation>
    </message>
    <message>
        <source>This illustration shows Basic Dimensions of General Purpose. If a specific tolerance designation is required, find the precise values in the tables in a handbook. Click the Help button file for more information.</source>
        <translation>Le dessin montre les dimensions de base de la classe d&apos;usage général. Si une tolérance précise est exigée, prenez les valeurs exactes dans les tables d&apos;un manuel. Plus d&apos;informations dans l&apos;aide.</translation>
    </message>
    <message>
        <source>This illustration shows Basic Dimensions of General Purpose.
<byte value="xd"/>If a specific tolerance designation is required, find the precise values in the tables in a handbook. Click the Help button file for more information.</source>
        <translation>Le dessin montre les dimensions de base de la classe d&apos;usage général.
<byte value="xd"/>Si une tolérance précise est exigée, prenez les valeurs exactes dans les tables d&apos;un manuel. Plus d&apos;informations dans l&apos;aide.</translation>
    </message>
    <message>
        <source>This illustration shows the Preferred Basic Size.
<byte value="xd"/>If a specific tolerance designation is required, find the precise values in the tables in a handbook. Click the Help button file for more information.</source>
        <translation>Le dessin montre la dimension de base préférentielle.
<byte value="xd"/>Si une tolérance précise est exigée, prenez les valeurs exactes dans les tables d&apos;un manuel. Plus d&apos;informations dans l&apos;aide.</translation>
    </message>
    <message>
        <source>60° Unified Thread</source>
        <translation>Filetage UN 60°</translation>
    </message>
    <message>
        <source>60° ISO Metric Thread</source>
        <translation>Filetage métrique ISO 60°</translation>
    </message>
    <message>
        <source>55° Whitworth Thread</source>
        <translation>Filetage Whitworth 55°</translation>
    </message>
    <message>
        <source>29° Acme Thread</source>
        <translation>Filetage Acme 29°</translation>
    </message>
    <message>
        <source>29° Stub Acme Thread</source>
        <translation>Filetage Acme tronqué 29°</translation>
    </message>
    <message>
        <source>30° Trapezoid Thread</source>
        <translation>Filetage trapézoïdal 30°</translation>
    </message>
</context>
<context>
    <name>calc::ThreadPictures</name>
    <message>
        <source>%1 — three wires</source>
        <translation>%1 — trois fils</translation>
    </message>
    <message>
        <source>NPT  taper 1:16 on the diameter</source>
        <translation>NPT  conicité 1:16 sur le diamètre</translation>
    </message>
</context>
<context>
    <name>calc::dlgAboutEDITORv74</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Shop mathematics for CNC machinists.</source>
        <translation>Calculs d&apos;atelier pour les usineurs CN.</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informations &amp;système...</translation>
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
        <translation>Seconde solution</translation>
    </message>
    <message>
        <source>  Alternate Oblique Answer</source>
        <translation>  Seconde solution du triangle</translation>
    </message>
    <message>
        <source>Angle A</source>
        <translation>Angle A</translation>
    </message>
    <message>
        <source>Side b</source>
        <translation>Côté b</translation>
    </message>
    <message>
        <source>Alternate Side c</source>
        <translation>Côté c (2e solution)</translation>
    </message>
    <message>
        <source>Alternate Angle C</source>
        <translation>Angle C (2e solution)</translation>
    </message>
    <message>
        <source>Side a</source>
        <translation>Côté a</translation>
    </message>
    <message>
        <source>Alternate Angle B</source>
        <translation>Angle B (2e solution)</translation>
    </message>
</context>
<context>
    <name>calc::frmArbormateEDITORv74</name>
    <message>
        <source>for Tarvik</source>
        <translation>pour Tarvik</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>HELP (F1)</source>
        <translation>AIDE (F1)</translation>
    </message>
    <message>
        <source>Exit (Ctrl+Q)</source>
        <translation>Quitter (Ctrl+Q)</translation>
    </message>
</context>
<context>
    <name>calc::frmBallnoseV74</name>
    <message>
        <source>Tool diameter greater than zero is required.</source>
        <translation>Le diamètre de l&apos;outil doit être supérieur à zéro.</translation>
    </message>
    <message>
        <source>If stepover is greater than the tool diameter the peak height is depth of cut.</source>
        <translation>Si le pas latéral dépasse le diamètre de l&apos;outil, la hauteur de crête est la profondeur de passe.</translation>
    </message>
    <message>
        <source>Ball Nose Cutters</source>
        <translation>Fraises hémisphériques et rayon de bec</translation>
    </message>
    <message>
        <source>  Surface Finish</source>
        <translation>  État de surface</translation>
    </message>
    <message>
        <source>Ball Nose Diameter</source>
        <translation>Ø fraise hémisphérique</translation>
    </message>
    <message>
        <source>Tool Nose Radius</source>
        <translation>Rayon de bec</translation>
    </message>
    <message>
        <source>Stepover</source>
        <translation>Pas latéral</translation>
    </message>
    <message>
        <source>Peak Height</source>
        <translation>Hauteur de crête</translation>
    </message>
    <message>
        <source>Theoretical surface finish = Ra</source>
        <translation>Ra théorique</translation>
    </message>
    <message>
        <source>Decimal Places</source>
        <translation>Décimales</translation>
    </message>
    <message>
        <source>Feed per rev.</source>
        <translation>Avance par tour</translation>
    </message>
    <message>
        <source>D = 2r</source>
        <translation>D = 2r</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Crête</translation>
    </message>
    <message>
        <source>Turned surface</source>
        <translation>Surface tournée</translation>
    </message>
    <message>
        <source>Feed/rev</source>
        <translation>Avance/tr</translation>
    </message>
    <message>
        <source>feed</source>
        <translation>avance</translation>
    </message>
</context>
<context>
    <name>calc::frmBoltCircleV74</name>
    <message>
        <source>Bolt Circle</source>
        <translation>Cercle de perçage</translation>
    </message>
    <message>
        <source>Reference Chart</source>
        <translation>Schéma</translation>
    </message>
    <message>
        <source>Bolt Circle Diameter</source>
        <translation>Diamètre du cercle de perçage</translation>
    </message>
    <message>
        <source>Common fraction allowed if under 1.0</source>
        <translation>En dessous de 1.0, une fraction est possible (p. ex. 3/8)</translation>
    </message>
    <message>
        <source>Number of Holes</source>
        <translation>Nombre de trous</translation>
    </message>
    <message>
        <source>Angle of first hole, zero is 3 o&apos;clock</source>
        <translation>Angle du 1er trou (0 = 3 h)</translation>
    </message>
    <message>
        <source>Enter the angle of the first hole from the X axis (3 o&apos;clock). Positive is CCW, negative is CW.</source>
        <translation>Angle du premier trou par rapport à l&apos;axe X (3 heures) : positif dans le sens trigonométrique, négatif dans le sens horaire.</translation>
    </message>
    <message>
        <source>Center of Circle: XC</source>
        <translation>Centre du cercle : XC</translation>
    </message>
    <message>
        <source>Enter the X distance from absolute zero.</source>
        <translation>Entrez la distance en X depuis l&apos;origine pièce.</translation>
    </message>
    <message>
        <source>Center of Circle: YC</source>
        <translation>Centre du cercle : YC</translation>
    </message>
    <message>
        <source>Enter the Y distance from absolute zero.</source>
        <translation>Entrez la distance en Y depuis l&apos;origine pièce.</translation>
    </message>
    <message>
        <source>Decimal Places in Answer:</source>
        <translation>Décimales du résultat :</translation>
    </message>
    <message>
        <source>Insert text between coordinates:</source>
        <translation>Insérer un texte entre les coordonnées :</translation>
    </message>
    <message>
        <source>Calculated Coordinates</source>
        <translation>Coordonnées calculées</translation>
    </message>
    <message>
        <source>+ CCW</source>
        <translation>+ sens trigo</translation>
    </message>
    <message>
        <source>- CW</source>
        <translation>- sens horaire</translation>
    </message>
    <message>
        <source>Bolt Circles</source>
        <translation>Cercles de perçage</translation>
    </message>
    <message>
        <source>Start angle, positive</source>
        <translation>Angle positif</translation>
    </message>
    <message>
        <source>Start angle, negative</source>
        <translation>Angle négatif</translation>
    </message>
    <message>
        <source>XC,YC</source>
        <translation>XC, YC</translation>
    </message>
    <message>
        <source>Bolt Circle Diameter</source>
        <comment>the short dimension of the chart</comment>
        <translation>Ø de perçage</translation>
    </message>
</context>
<context>
    <name>calc::frmChordsV74</name>
    <message>
        <source>Angle value must be less than 180.</source>
        <translation>L&apos;angle doit être inférieur à 180.</translation>
    </message>
    <message>
        <source>Included angle - a</source>
        <translation>Angle au centre - a</translation>
    </message>
    <message>
        <source>Chord length - c</source>
        <translation>Longueur de corde - c</translation>
    </message>
    <message>
        <source>Chord height - h</source>
        <translation>Flèche - h</translation>
    </message>
    <message>
        <source>Arc length - l</source>
        <translation>Longueur d&apos;arc - l</translation>
    </message>
    <message>
        <source>Arc radius - r</source>
        <translation>Rayon - r</translation>
    </message>
    <message>
        <source>Chord Calculations</source>
        <translation>Cordes et arcs</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Corde</translation>
    </message>
    <message>
        <source>Enter two values to calculate the others.</source>
        <translation>Entrez deux valeurs pour calculer les autres.</translation>
    </message>
    <message>
        <source>Decimal Places in Answer</source>
        <translation>Décimales</translation>
    </message>
    <message>
        <source>Chord Dimensions</source>
        <translation>Cotes de la corde et de l&apos;arc</translation>
    </message>
</context>
<context>
    <name>calc::frmDegreeConvertV74</name>
    <message>
        <source>Convert Angles</source>
        <translation>Conversion d&apos;angles</translation>
    </message>
    <message>
        <source>Convert Angle</source>
        <translation>Conversion d&apos;angle</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Do not enter 60 or more minutes.</source>
        <translation>Entrez moins de 60 minutes.</translation>
    </message>
    <message>
        <source>Do not enter 60 or more seconds.</source>
        <translation>Entrez moins de 60 secondes.</translation>
    </message>
    <message>
        <source>CONVERT</source>
        <translation>CONVERTIR</translation>
    </message>
</context>
<context>
    <name>calc::frmDovetaillV74</name>
    <message>
        <source>Impossible data are entered. Check Roll Diameter, Angle and Corner Width.</source>
        <translation>Les valeurs saisies sont incompatibles. Vérifiez le diamètre des piges, l&apos;angle et la cote aux angles.</translation>
    </message>
    <message>
        <source>Dovetails</source>
        <translation>Queues d&apos;aronde</translation>
    </message>
    <message>
        <source>Dovetail</source>
        <translation>Queue d&apos;aronde</translation>
    </message>
    <message>
        <source>Check any 2 possible checkboxes to enter known data</source>
        <translation>Cochez deux cases et entrez les cotes connues</translation>
    </message>
    <message>
        <source>Inside Roll Width</source>
        <translation>Int. sur piges</translation>
    </message>
    <message>
        <source>Outside Corner Width</source>
        <translation>Ext. aux angles</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Outside Roll Width</source>
        <translation>Ext. sur piges</translation>
    </message>
    <message>
        <source>Inside Corner Width</source>
        <translation>Int. aux angles</translation>
    </message>
    <message>
        <source>Roll diameter</source>
        <translation>Ø des piges</translation>
    </message>
    <message>
        <source>Common fraction allowed if under 1.0</source>
        <translation>En dessous de 1.0, une fraction est possible (p. ex. 3/8)</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Decimal Places</source>
        <translation>Décimales</translation>
    </message>
    <message>
        <source>Saddle</source>
        <translation>Chariot</translation>
    </message>
    <message>
        <source>Way</source>
        <translation>Glissière</translation>
    </message>
    <message>
        <source>Roll Diameter</source>
        <translation>Diamètre des piges</translation>
    </message>
</context>
<context>
    <name>calc::frmGridV74</name>
    <message>
        <source>Rectangular Grid</source>
        <translation>Grille rectangulaire</translation>
    </message>
    <message>
        <source>Grid Pattern</source>
        <translation>Grille de trous</translation>
    </message>
    <message>
        <source>Reference Chart</source>
        <translation>Schéma</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>X Start Position:</source>
        <translation>Départ X :</translation>
    </message>
    <message>
        <source>Number of Holes on the X Axis:</source>
        <translation>Nombre de trous en X :</translation>
    </message>
    <message>
        <source>X step distance:</source>
        <translation>Pas en X :</translation>
    </message>
    <message>
        <source>Y start Position:</source>
        <translation>Départ Y :</translation>
    </message>
    <message>
        <source>Number of Holes on the Y Axis</source>
        <translation>Nombre de trous en Y :</translation>
    </message>
    <message>
        <source>Y step distance:</source>
        <translation>Pas en Y :</translation>
    </message>
    <message>
        <source>Use positive or negative step distance to decide direction.</source>
        <translation>Le signe du pas détermine le sens.</translation>
    </message>
    <message>
        <source>Decimal Places:</source>
        <translation>Décimales :</translation>
    </message>
    <message>
        <source>Insert line of text between coordinates:</source>
        <translation>Texte entre les coordonnées :</translation>
    </message>
</context>
<context>
    <name>calc::frmKeyseatV74</name>
    <message>
        <source>Keyseat is bigger than the shaft!</source>
        <translation>La rainure de clavette est plus grande que l&apos;arbre.</translation>
    </message>
    <message>
        <source>A: Overall height: </source>
        <translation>A : Hauteur totale : </translation>
    </message>
    <message>
        <source>A: Overall height</source>
        <translation>A : Hauteur totale</translation>
    </message>
    <message>
        <source>B: Shaft diam minus keyseat: </source>
        <translation>B : Diamètre de l&apos;arbre moins rainure : </translation>
    </message>
    <message>
        <source>B: Shaft minus keyseat</source>
        <translation>B : Arbre moins rainure</translation>
    </message>
    <message>
        <source>C: Depth of keyseat in shaft from flat: </source>
        <translation>C : Profondeur de rainure dans l&apos;arbre depuis le méplat : </translation>
    </message>
    <message>
        <source>C: Seat depth from flat</source>
        <translation>C : Rainure arbre</translation>
    </message>
    <message>
        <source>D: From top of shaft to full flat: </source>
        <translation>D : Du sommet de l&apos;arbre au méplat : </translation>
    </message>
    <message>
        <source>D: Top of shaft to flat</source>
        <translation>D : Flèche</translation>
    </message>
    <message>
        <source>E: Total depth of keyseat in shaft: </source>
        <translation>E : Profondeur totale de la rainure dans l&apos;arbre : </translation>
    </message>
    <message>
        <source>E: Total seat depth</source>
        <translation>E : Total arbre</translation>
    </message>
    <message>
        <source>F: Depth of keyway in hub from flat: </source>
        <translation>F : Profondeur de rainure dans le moyeu depuis le méplat : </translation>
    </message>
    <message>
        <source>F: Hub depth from flat</source>
        <translation>F : Rainure moyeu</translation>
    </message>
    <message>
        <source>G: Total depth of keyway in hub: </source>
        <translation>G : Profondeur totale de la rainure dans le moyeu : </translation>
    </message>
    <message>
        <source>G: Total hub depth</source>
        <translation>G : Total moyeu</translation>
    </message>
    <message>
        <source>Keyseat</source>
        <translation>Rainure de clavette</translation>
    </message>
    <message>
        <source>W = Key Width:</source>
        <translation>W = Largeur :</translation>
    </message>
    <message>
        <source>H = Key Height:</source>
        <translation>H = Hauteur :</translation>
    </message>
    <message>
        <source>S = Shaft Diameter:</source>
        <translation>S = Ø de l&apos;arbre :</translation>
    </message>
    <message>
        <source>Check if key is square</source>
        <translation>Clavette carrée</translation>
    </message>
    <message>
        <source>Decimal Places in Answer</source>
        <translation>Décimales</translation>
    </message>
    <message>
        <source>Key width</source>
        <translation>Largeur de clavette</translation>
    </message>
    <message>
        <source>Key height</source>
        <translation>Hauteur de clavette</translation>
    </message>
    <message>
        <source>Shaft diameter</source>
        <translation>Diamètre de l&apos;arbre</translation>
    </message>
    <message>
        <source>Keyseat depth</source>
        <translation>Profondeur de rainure</translation>
    </message>
    <message>
        <source>Key width: </source>
        <translation>Largeur de clavette : </translation>
    </message>
    <message>
        <source>Key height: </source>
        <translation>Hauteur de clavette : </translation>
    </message>
    <message>
        <source>Shaft diameter: </source>
        <translation>Diamètre de l&apos;arbre : </translation>
    </message>
    <message>
        <source>NOTE: Add clearance to depth of keyway in hub to facilitate assembly.</source>
        <translation>REMARQUE : ajoutez un jeu à la profondeur de rainure du moyeu pour faciliter le montage.</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>CLAVETTE</translation>
    </message>
    <message>
        <source>W key width, H key height,</source>
        <translation>W largeur, H hauteur de clavette,</translation>
    </message>
    <message>
        <source>S shaft diameter</source>
        <translation>S diamètre de l&apos;arbre</translation>
    </message>
    <message>
        <source>Shaft, key and hub</source>
        <translation>Arbre, clavette et moyeu</translation>
    </message>
</context>
<context>
    <name>calc::frmMaterialsV74</name>
    <message>
        <source>Material List</source>
        <translation>Liste des matériaux</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>Matériaux</translation>
    </message>
    <message>
        <source>Feet per minute:</source>
        <translation>Pieds par minute :</translation>
    </message>
    <message>
        <source>Metres per minute:</source>
        <translation>Mètres par minute :</translation>
    </message>
    <message>
        <source>Search for:</source>
        <translation>Chercher :</translation>
    </message>
    <message>
        <source>Search (down)</source>
        <translation>Chercher (vers le bas)</translation>
    </message>
    <message>
        <source>Back to Top</source>
        <translation>Retour au début</translation>
    </message>
    <message>
        <source>Click Help for material condition abbreviations.</source>
        <translation>Les abréviations de l&apos;état du matériau sont dans l&apos;aide.</translation>
    </message>
    <message>
        <source>Copy Surface Speed to Machining Calculations</source>
        <translation>Reporter la vitesse de coupe dans les conditions de coupe</translation>
    </message>
</context>
<context>
    <name>calc::frmNPTmeasureV74</name>
    <message>
        <source>Numerals only</source>
        <translation>Chiffres uniquement.</translation>
    </message>
    <message>
        <source>Negative values are not allowed in thread measurements.</source>
        <translation>Les valeurs négatives ne sont pas autorisées pour la mesure des filetages.</translation>
    </message>
    <message>
        <source>Decimal places must be between 1 and 5.</source>
        <translation>Le nombre de décimales doit être compris entre 1 et 5.</translation>
    </message>
    <message>
        <source>NPT Thread Measure</source>
        <translation>Mesure de filetage NPT</translation>
    </message>
    <message>
        <source>Measure NPT Threads with Wires</source>
        <translation>Mesure des filetages NPT aux trois fils</translation>
    </message>
    <message>
        <source>Nominal Pipe Size:</source>
        <translation>Dimension :</translation>
    </message>
    <message>
        <source>click to choose</source>
        <translation>à choisir</translation>
    </message>
    <message>
        <source>Threads per inch</source>
        <translation>Filets par pouce</translation>
    </message>
    <message>
        <source>Pitch of thread</source>
        <translation>Pas du filetage</translation>
    </message>
    <message>
        <source>Taper per Foot:</source>
        <translation>Conicité par pied :</translation>
    </message>
    <message>
        <source>PD at gauge point, E1:</source>
        <translation>Ø flancs au plan de jauge, E1 :</translation>
    </message>
    <message>
        <source>PD at start of thd, E0:</source>
        <translation>Ø flancs au début du filet, E0 :</translation>
    </message>
    <message>
        <source>Gauge length, L1:</source>
        <translation>Longueur de jauge, L1 :</translation>
    </message>
    <message>
        <source>Angle from centreline:</source>
        <translation>Angle par rapport à l&apos;axe :</translation>
    </message>
    <message>
        <source>Actual wire size:</source>
        <translation>Ø réel des fils :</translation>
    </message>
    <message>
        <source>Measurement over wires at gauge point:</source>
        <translation>Cote sur fils au plan de jauge :</translation>
    </message>
    <message>
        <source>Best Wire Size</source>
        <translation>Ø optimal</translation>
    </message>
    <message>
        <source>turns to gauge length.</source>
        <translation>tours jusqu&apos;à L1</translation>
    </message>
    <message>
        <source>Decimal places</source>
        <translation>Décimales</translation>
    </message>
    <message>
        <source>CALCULATE MOW</source>
        <translation>CALCULER LA COTE</translation>
    </message>
    <message>
        <source>INCH</source>
        <translation>POUCES</translation>
    </message>
    <message>
        <source>Switch between inch and millimetre</source>
        <translation>Basculer entre pouces et millimètres</translation>
    </message>
    <message>
        <source>Please choose a thread size.</source>
        <translation>Veuillez choisir une dimension de filetage.</translation>
    </message>
    <message>
        <source>An actual wire size is required.</source>
        <translation>Le diamètre réel des fils manque.</translation>
    </message>
    <message>
        <source>An actual wire size is required</source>
        <translation>Le diamètre réel des fils manque.</translation>
    </message>
    <message>
        <source>Impossible data are entered.</source>
        <translation>Les valeurs saisies sont incompatibles.</translation>
    </message>
    <message>
        <source>Ratio:</source>
        <translation>Rapport :</translation>
    </message>
    <message>
        <source>Taper per foot:</source>
        <translation>Conicité par pied :</translation>
    </message>
    <message>
        <source>Nominal pipe size: </source>
        <translation>Dimension nominale : </translation>
    </message>
    <message>
        <source>Threads per inch: </source>
        <translation>Filets par pouce : </translation>
    </message>
    <message>
        <source>Pitch of thread: </source>
        <translation>Pas du filetage : </translation>
    </message>
    <message>
        <source>PD at gauge point, E1: </source>
        <translation>Ø flancs au plan de jauge, E1 : </translation>
    </message>
    <message>
        <source>PD at start of thd, E0: </source>
        <translation>Ø flancs au début du filet, E0 : </translation>
    </message>
    <message>
        <source>Gauge length, L1: </source>
        <translation>Longueur de jauge, L1 : </translation>
    </message>
    <message>
        <source>Angle from centreline: </source>
        <translation>Angle par rapport à l&apos;axe : </translation>
    </message>
    <message>
        <source>Actual wire size: </source>
        <translation>Diamètre réel des fils : </translation>
    </message>
    <message>
        <source>Measurement over wires at gauge point: </source>
        <translation>Cote sur fils au plan de jauge : </translation>
    </message>
    <message>
        <source>Best wire size: </source>
        <translation>Meilleur diamètre de fil : </translation>
    </message>
    <message>
        <source>Units: </source>
        <translation>Unité : </translation>
    </message>
</context>
<context>
    <name>calc::frmObliqueTriangleV74</name>
    <message>
        <source>Impossible data entered. Please reset and try again.</source>
        <translation>Ces valeurs ne donnent aucun triangle. Effacez et recommencez.</translation>
    </message>
    <message>
        <source>There may be an alternate answer to this scenario. Click OK to check.</source>
        <translation>Ces valeurs admettent peut-être une seconde solution. Cliquez sur OK pour la voir.</translation>
    </message>
    <message>
        <source>Oblique Triangle</source>
        <translation>Triangle quelconque</translation>
    </message>
    <message>
        <source>Oblique Trigonometry</source>
        <translation>Triangle quelconque</translation>
    </message>
    <message>
        <source>Angle A</source>
        <translation>Angle A</translation>
    </message>
    <message>
        <source>Side b</source>
        <translation>Côté b</translation>
    </message>
    <message>
        <source>Side c</source>
        <translation>Côté c</translation>
    </message>
    <message>
        <source>Angle C</source>
        <translation>Angle C</translation>
    </message>
    <message>
        <source>Side a</source>
        <translation>Côté a</translation>
    </message>
    <message>
        <source>Angle B</source>
        <translation>Angle B</translation>
    </message>
    <message>
        <source>One Side and Two Angles</source>
        <translation>Un côté et deux angles</translation>
    </message>
    <message>
        <source>Two Sides and the Included Angle</source>
        <translation>Deux côtés et l&apos;angle compris</translation>
    </message>
    <message>
        <source>Two sides and the Opposite Angle</source>
        <translation>Deux côtés et l&apos;angle opposé</translation>
    </message>
    <message>
        <source>All Sides</source>
        <translation>Les trois côtés</translation>
    </message>
    <message>
        <source>Decimal Places</source>
        <translation>Décimales</translation>
    </message>
    <message>
        <source>Area: %1 units²</source>
        <translation>Aire : %1 u²</translation>
    </message>
    <message>
        <source>Side a: </source>
        <translation>Côté a : </translation>
    </message>
    <message>
        <source>Side b: </source>
        <translation>Côté b : </translation>
    </message>
    <message>
        <source>Side c: </source>
        <translation>Côté c : </translation>
    </message>
    <message>
        <source>Angle A: </source>
        <translation>Angle A : </translation>
    </message>
    <message>
        <source>Angle B: </source>
        <translation>Angle B : </translation>
    </message>
    <message>
        <source>Angle C: </source>
        <translation>Angle C : </translation>
    </message>
    <message>
        <source>Oblique triangle</source>
        <translation>Triangle quelconque</translation>
    </message>
</context>
<context>
    <name>calc::frmPolygonsV74</name>
    <message>
        <source>Across Corners(Outside Circle)</source>
        <translation>Cote sur angles (cercle circonscrit)</translation>
    </message>
    <message>
        <source>Across Flats (Inside Circle)</source>
        <translation>Sur plats (cercle int.)</translation>
    </message>
    <message>
        <source>Side length(chord)</source>
        <translation>Longueur du côté (corde)</translation>
    </message>
    <message>
        <source>Polygon dimensions</source>
        <translation>Cotes du polygone</translation>
    </message>
    <message>
        <source>Polygons</source>
        <translation>Polygones</translation>
    </message>
    <message>
        <source>Regular Polygons</source>
        <translation>Polygones réguliers</translation>
    </message>
    <message>
        <source>Enter Known Data</source>
        <translation>Cote connue</translation>
    </message>
    <message>
        <source>Across Flats</source>
        <translation>Cote sur plats</translation>
    </message>
    <message>
        <source>Across Corners</source>
        <translation>Cote sur angles</translation>
    </message>
    <message>
        <source>Side Length</source>
        <translation>Longueur du côté</translation>
    </message>
    <message>
        <source>Number of Sides</source>
        <translation>Nombre de côtés</translation>
    </message>
    <message>
        <source>Across Corners (Outside Circle)</source>
        <translation>Sur angles (cercle ext.)</translation>
    </message>
    <message>
        <source>Side Length (Chord):</source>
        <translation>Côté (corde) :</translation>
    </message>
    <message>
        <source>Hord Length</source>
        <translation>Longueur de corde</translation>
    </message>
    <message>
        <source>Angle of sector:</source>
        <translation>Angle du secteur :</translation>
    </message>
    <message>
        <source>Sector Angle</source>
        <translation>Angle du secteur</translation>
    </message>
    <message>
        <source>Decimal Places in Answer</source>
        <translation>Décimales</translation>
    </message>
    <message>
        <source>Volume of a </source>
        <translation>Barre de</translation>
    </message>
    <message>
        <source>unit length bar is L*A units³.</source>
        <translation>unités : V = L*A u³</translation>
    </message>
    <message>
        <source>Area= %1units²</source>
        <translation>A = %1 u²</translation>
    </message>
    <message>
        <source>unit length bar is %1units³.</source>
        <translation>unités : V = %1 u³</translation>
    </message>
    <message>
        <source>Sector angle: </source>
        <translation>Angle du secteur : </translation>
    </message>
    <message>
        <source>Volume: </source>
        <translation>Volume : </translation>
    </message>
</context>
<context>
    <name>calc::frmRtAngleV74</name>
    <message>
        <source>Too much data entered. Enter two sides, or one side and one angle.</source>
        <translation>Trop de données. Entrez deux côtés, ou un côté et un angle.</translation>
    </message>
    <message>
        <source>Not enough data specified. Enter two sides, or one side and one angle.</source>
        <translation>Données insuffisantes. Entrez deux côtés, ou un côté et un angle.</translation>
    </message>
    <message>
        <source>The hypotenuse cannot be smaller than another side.</source>
        <translation>L&apos;hypoténuse ne peut pas être plus courte qu&apos;un autre côté.</translation>
    </message>
    <message>
        <source>Angle value must be less than 90.</source>
        <translation>L&apos;angle doit être inférieur à 90.</translation>
    </message>
    <message>
        <source>Side a</source>
        <translation>Côté a</translation>
    </message>
    <message>
        <source>Side b</source>
        <translation>Côté b</translation>
    </message>
    <message>
        <source>Side c</source>
        <translation>Côté c</translation>
    </message>
    <message>
        <source>Angle A</source>
        <translation>Angle A</translation>
    </message>
    <message>
        <source>Angle B</source>
        <translation>Angle B</translation>
    </message>
    <message>
        <source>Solve Right Angle Triangles</source>
        <translation>Résolution de triangles rectangles</translation>
    </message>
    <message>
        <source>Right Angle Trigonometry</source>
        <translation>Triangle rectangle</translation>
    </message>
    <message>
        <source>Enter 2 sides or 1 side and 1 angle.</source>
        <translation>Entrez 2 côtés ou 1 côté et 1 angle.</translation>
    </message>
    <message>
        <source>Decimal Places in Answer</source>
        <translation>Décimales</translation>
    </message>
    <message>
        <source>the triangle</source>
        <translation>le triangle</translation>
    </message>
    <message>
        <source>Area: %1 units²</source>
        <translation>Aire : %1 u²</translation>
    </message>
    <message>
        <source>Side a: </source>
        <translation>Côté a : </translation>
    </message>
    <message>
        <source>Side b: </source>
        <translation>Côté b : </translation>
    </message>
    <message>
        <source>Side c: </source>
        <translation>Côté c : </translation>
    </message>
    <message>
        <source>Angle A: </source>
        <translation>Angle A : </translation>
    </message>
    <message>
        <source>Angle B: </source>
        <translation>Angle B : </translation>
    </message>
    <message>
        <source>Angle C: </source>
        <translation>Angle C : </translation>
    </message>
    <message>
        <source>Right Angle Triangle</source>
        <translation>Triangle rectangle</translation>
    </message>
</context>
<context>
    <name>calc::frmShaftTaperV74</name>
    <message>
        <source>The angle per side must be less than 90 degrees.</source>
        <translation>L&apos;angle par côté doit être inférieur à 90 degrés.</translation>
    </message>
    <message>
        <source>The included angle must be less than 180 degrees.</source>
        <translation>L&apos;angle au sommet doit être inférieur à 180 degrés.</translation>
    </message>
    <message>
        <source>Large and small diameters are equal: there is no taper to calculate.</source>
        <translation>Le grand et le petit diamètre sont égaux : il n&apos;y a pas de cône à calculer.</translation>
    </message>
    <message>
        <source>The taper must be greater than zero.</source>
        <translation>La conicité doit être supérieure à zéro.</translation>
    </message>
    <message>
        <source>The large diameter must be greater than zero.</source>
        <translation>Le grand diamètre doit être supérieur à zéro.</translation>
    </message>
    <message>
        <source>The length must be greater than zero.</source>
        <translation>La longueur doit être supérieure à zéro.</translation>
    </message>
    <message>
        <source>The included angle must be greater than zero.</source>
        <translation>L&apos;angle au sommet doit être supérieur à zéro.</translation>
    </message>
    <message>
        <source>The angle per side must be greater than zero.</source>
        <translation>L&apos;angle par côté doit être supérieur à zéro.</translation>
    </message>
    <message>
        <source>Shaft Tapers</source>
        <translation>Cônes d&apos;arbre</translation>
    </message>
    <message>
        <source>Taper</source>
        <translation>Cône</translation>
    </message>
    <message>
        <source>Insert three values to calculate the other three.</source>
        <translation>Entrez trois valeurs pour calculer les trois autres.</translation>
    </message>
    <message>
        <source>Taper per Foot:</source>
        <translation>Conicité par pied :</translation>
    </message>
    <message>
        <source>Large Dia, D:</source>
        <translation>Grand Ø, D :</translation>
    </message>
    <message>
        <source>Small Dia, d:</source>
        <translation>Petit Ø, d :</translation>
    </message>
    <message>
        <source>Length, L:</source>
        <translation>Longueur, L :</translation>
    </message>
    <message>
        <source>Included Angle:</source>
        <translation>Angle au sommet :</translation>
    </message>
    <message>
        <source>Angle per Side:</source>
        <translation>Angle par côté :</translation>
    </message>
    <message>
        <source>Decimal places</source>
        <translation>Décimales</translation>
    </message>
    <message>
        <source>Ratio:</source>
        <translation>Rapport :</translation>
    </message>
    <message>
        <source>Angle per side</source>
        <translation>Angle par côté</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Large Dia</source>
        <translation>Grand diamètre</translation>
    </message>
    <message>
        <source>Small Dia</source>
        <translation>Petit diamètre</translation>
    </message>
    <message>
        <source>Taper per foot:</source>
        <translation>Conicité par pied :</translation>
    </message>
    <message>
        <source>Taper per foot</source>
        <translation>Conicité par pied</translation>
    </message>
    <message>
        <source>Large diameter: </source>
        <translation>Grand diamètre : </translation>
    </message>
    <message>
        <source>Small diameter: </source>
        <translation>Petit diamètre : </translation>
    </message>
    <message>
        <source>Length: </source>
        <translation>Longueur : </translation>
    </message>
    <message>
        <source>Taper Ratio</source>
        <translation>Conicité</translation>
    </message>
    <message>
        <source>Included angle</source>
        <translation>Angle au sommet</translation>
    </message>
    <message>
        <source>Included Angle</source>
        <translation>Angle au sommet</translation>
    </message>
    <message>
        <source>Large Dia.</source>
        <translation>Grand Ø</translation>
    </message>
    <message>
        <source>Small Dia.</source>
        <translation>Petit Ø</translation>
    </message>
    <message>
        <source>Length  L</source>
        <translation>Longueur  L</translation>
    </message>
</context>
<context>
    <name>calc::frmSpeedFeedV74</name>
    <message>
        <source>Show Drill Point/Countersink</source>
        <translation>Afficher pointe de foret/fraisure</translation>
    </message>
    <message>
        <source>Hide Drill Point/Countersink</source>
        <translation>Masquer pointe de foret/fraisure</translation>
    </message>
    <message>
        <source>Common fractions under 1 may be entered here.</source>
        <translation>Une valeur inférieure à 1 peut aussi être entrée en fraction (p. ex. 3/8).</translation>
    </message>
    <message>
        <source>The surface finish screen is not available yet.</source>
        <translation>Le calcul de l&apos;état de surface n&apos;est pas encore disponible.</translation>
    </message>
    <message>
        <source>Machining Calculations</source>
        <translation>Conditions de coupe</translation>
    </message>
    <message>
        <source>Diameter of Tool (Workpiece for Lathe)</source>
        <translation>Diamètre de l&apos;outil (de la pièce en tournage)</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Pouce</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Decimal Places in Answer</source>
        <translation>Décimales</translation>
    </message>
    <message>
        <source>Surface speed: Feet/min</source>
        <translation>Vitesse de coupe : pieds/min</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>Vitesse de rotation tr/min</translation>
    </message>
    <message>
        <source>Inches/Rev   (or thread pitch)</source>
        <translation>Pouces/tr (ou pas)</translation>
    </message>
    <message>
        <source>Inches/tooth</source>
        <translation>Pouces/dent</translation>
    </message>
    <message>
        <source>Inches/min</source>
        <translation>Pouces/min</translation>
    </message>
    <message>
        <source>Number of Teeth  (Use 1 for Lathe or Tap)</source>
        <translation>Nombre de dents (1 en tournage et taraudage)</translation>
    </message>
    <message>
        <source>Drill charts: pick a drill to fill the diameter</source>
        <translation>Tables de forets : un foret donne le diamètre</translation>
    </message>
    <message>
        <source>Point Angle</source>
        <translation>Angle de pointe</translation>
    </message>
    <message>
        <source>Point Length</source>
        <translation>Longueur de pointe</translation>
    </message>
    <message>
        <source>TotalDepth</source>
        <translation>Profondeur totale</translation>
    </message>
    <message>
        <source>MATERIAL LIST</source>
        <translation>MATÉRIAUX</translation>
    </message>
    <message>
        <source>Surface Finish</source>
        <translation>État de surface</translation>
    </message>
    <message>
        <source>Surface speed in Feet/Min</source>
        <translation>Vitesse de coupe en pieds/min</translation>
    </message>
    <message>
        <source>Inches per tooth</source>
        <translation>Pouces par dent</translation>
    </message>
    <message>
        <source>Inches per Rev (or thread pitch)</source>
        <translation>Pouces par tour (ou pas)</translation>
    </message>
    <message>
        <source>Inches per Minute</source>
        <translation>Avance en pouces/min</translation>
    </message>
    <message>
        <source>Surface speed in M/Min</source>
        <translation>Vitesse de coupe en m/min</translation>
    </message>
    <message>
        <source>MM per tooth</source>
        <translation>mm par dent</translation>
    </message>
    <message>
        <source>MM per Rev (or thread pitch)</source>
        <translation>mm par tour (ou pas)</translation>
    </message>
    <message>
        <source>MM per Minute</source>
        <translation>Avance en mm/min</translation>
    </message>
</context>
<context>
    <name>calc::frmThreadMeasureV74</name>
    <message>
        <source>Common fraction allowed if under 1.0</source>
        <translation>En dessous de 1.0, une fraction est possible (p. ex. 3/8)</translation>
    </message>
    <message>
        <source>Impossible data are entered.</source>
        <translation>Les valeurs saisies sont incompatibles.</translation>
    </message>
    <message>
        <source>Measure threads</source>
        <translation>Mesure des filetages</translation>
    </message>
    <message>
        <source>Measure Threads with Wires</source>
        <translation>Mesure des filetages aux trois fils</translation>
    </message>
    <message>
        <source>Thread form</source>
        <translation>Profil du filetage</translation>
    </message>
    <message>
        <source>National Pipe Thread</source>
        <translation>Filetage gaz NPT</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Pouce</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrique</translation>
    </message>
    <message>
        <source>Pitch entry</source>
        <translation>Saisie du pas</translation>
    </message>
    <message>
        <source>Threads per Inch</source>
        <translation>Filets par pouce</translation>
    </message>
    <message>
        <source>Pitch of Thread</source>
        <translation>Pas du filetage</translation>
    </message>
    <message>
        <source>Given</source>
        <translation>Valeur connue</translation>
    </message>
    <message>
        <source>Pitch Diameter</source>
        <translation>Diamètre sur flancs</translation>
    </message>
    <message>
        <source>Measurement over wires</source>
        <translation>Cote sur fils</translation>
    </message>
    <message>
        <source>Basic Major Diameter Only</source>
        <translation>Diamètre nominal seul</translation>
    </message>
    <message>
        <source>Basic Major Diameter (REQUIRED)</source>
        <translation>Diamètre nominal (OBLIGATOIRE)</translation>
    </message>
    <message>
        <source>Actual Wire Size (REQUIRED)</source>
        <translation>Ø réel des fils (OBLIGATOIRE)</translation>
    </message>
    <message>
        <source>Pitch (Effective) Diameter</source>
        <translation>Diamètre sur flancs</translation>
    </message>
    <message>
        <source>CALCULATE BEST WIRE SIZE</source>
        <translation>CALCULER LE MEILLEUR Ø DE FIL</translation>
    </message>
    <message>
        <source>Nom dia of # thds</source>
        <translation>Vis numérotées</translation>
    </message>
    <message>
        <source>Numbered screw sizes: basic major diameters in inches</source>
        <translation>Vis numérotées : diamètres nominaux en pouces</translation>
    </message>
    <message>
        <source>Maximum Major Diameter, External:</source>
        <translation>Diamètre extérieur maxi, vis :</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>External</source>
        <translation>extérieur</translation>
    </message>
    <message>
        <source>internal</source>
        <translation>intérieur</translation>
    </message>
    <message>
        <source>Decimal Places</source>
        <translation>Décimales</translation>
    </message>
    <message>
        <source>Thread Pitch or TPI required</source>
        <translation>Il faut le pas ou le nombre de filets par pouce.</translation>
    </message>
    <message>
        <source>An actual wire size is required.</source>
        <translation>Le diamètre réel des fils manque.</translation>
    </message>
    <message>
        <source>Please enter a value for TPI or Thread Pitch.</source>
        <translation>Veuillez entrer le nombre de filets par pouce ou le pas.</translation>
    </message>
    <message>
        <source>Nominal thread size is required.</source>
        <translation>La dimension nominale du filetage manque.</translation>
    </message>
    <message>
        <source>Major Diam.</source>
        <translation>Diamètre nominal</translation>
    </message>
    <message>
        <source>Please enter all required values</source>
        <translation>Veuillez entrer toutes les valeurs nécessaires.</translation>
    </message>
    <message>
        <source>Thread Pitch.</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Actual Wire Size.</source>
        <translation>Diamètre réel des fils</translation>
    </message>
    <message>
        <source>Pitch diameter: </source>
        <translation>Diamètre sur flancs : </translation>
    </message>
    <message>
        <source>Nominal major diameter: </source>
        <translation>Diamètre nominal : </translation>
    </message>
    <message>
        <source>Measurement over wires: </source>
        <translation>Cote sur fils : </translation>
    </message>
    <message>
        <source>Threads per inch: </source>
        <translation>Filets par pouce : </translation>
    </message>
    <message>
        <source>Thread pitch: </source>
        <translation>Pas : </translation>
    </message>
    <message>
        <source>Actual wire size: </source>
        <translation>Diamètre réel des fils : </translation>
    </message>
    <message>
        <source>Best wire size: </source>
        <translation>Meilleur diamètre de fil : </translation>
    </message>
    <message>
        <source>Maximum major diameter, external: </source>
        <translation>Diamètre extérieur maxi, vis : </translation>
    </message>
    <message>
        <source>Root and crest radius: </source>
        <translation>Rayon de fond et de sommet : </translation>
    </message>
    <message>
        <source>Minor diameter: </source>
        <translation>Diamètre de fond : </translation>
    </message>
    <message>
        <source>Minor diameter, external: </source>
        <translation>Diamètre de fond extérieur : </translation>
    </message>
    <message>
        <source>Minor diameter, internal: </source>
        <translation>Diamètre de fond intérieur : </translation>
    </message>
    <message>
        <source>Height, external: </source>
        <translation>Hauteur de filet extérieure : </translation>
    </message>
    <message>
        <source>Height, internal: </source>
        <translation>Hauteur de filet intérieure : </translation>
    </message>
</context>
</TS>
