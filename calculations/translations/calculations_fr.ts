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
</context>
<context>
    <name>calc::CalculatorPicture</name>
    <message>
        <source>Start the desktop calculator</source>
        <translation>Lancer la calculatrice du bureau</translation>
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
    <name>calc::SystemPrograms</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment.</translation>
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
    <name>calc::frmArbormateEDITORv74</name>
    <message>
        <source>for Tarvik</source>
        <translation>pour Tarvik</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AIDE</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
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
        <source>Angle of first hole, zero is 3o&apos;clock</source>
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
</TS>
