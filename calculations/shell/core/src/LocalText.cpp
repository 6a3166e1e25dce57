#include "calc/LocalText.h"

#include <array>

namespace calc {
namespace {

struct Entry {
    LocalEntry id;
    const char* name;
    LocalKind kind;
    // "{}" in a message with a value stands for the inserted name or number.
    const char* english;
    const char* german;
    const char* french;
};

using K = LocalKind;
using E = LocalEntry;

// clang-format off
constexpr std::array<Entry, kLocalEntryCount> kTable{{
    {E::TextNumberOfHoles, "TextNumberOfHoles", K::Text, "Number of Holes ", "Anzahl der Bohrungen ", "Nombre de trous "},
    {E::TextBoltCircleDiameterPadded, "TextBoltCircleDiameterPadded", K::Text, "Bolt Circle Diameter ", "Lochkreis-Durchmesser ", "Diamètre du cercle de perçage "},
    {E::TextHolesOnX, "TextHolesOnX", K::Text, "Number of Holes on the X axis", "Anzahl der Bohrungen auf der X-Achse", "Nombre de trous sur l'axe X"},
    {E::TextHolesOnY, "TextHolesOnY", K::Text, "Number of Holes on the Y axis", "Anzahl der Bohrungen auf der Y-Achse", "Nombre de trous sur l'axe Y"},
    {E::TextStepX, "TextStepX", K::Text, "Step distance in X", "Schrittweite in X", "Pas en X"},
    {E::TextStepY, "TextStepY", K::Text, "Increment Y", "Schrittweite in Y", "Pas en Y"},
    {E::TextStartX, "TextStartX", K::Text, "Start X", "Startpunkt X", "Départ X"},
    {E::TextStartY, "TextStartY", K::Text, "Start Y", "Startpunkt Y", "Départ Y"},
    {E::TextBoltCircleDiameter, "TextBoltCircleDiameter", K::Text, "Bolt Circle Diameter", "Lochkreis-Durchmesser", "Diamètre du cercle de perçage"},
    {E::TextStartAngle, "TextStartAngle", K::Text, "Start Angle", "Startwinkel", "Angle de départ"},
    {E::TextCenterX, "TextCenterX", K::Text, "Center: X ", "Mittelpunkt: X ", "Centre : X "},
    {E::TextCenterY, "TextCenterY", K::Text, "Center: Y ", "Mittelpunkt: Y ", "Centre : Y "},
    {E::MsgMaxHoles2300, "MsgMaxHoles2300", K::Message, "The maximum number of holes accepted per part is 2300.", "Pro Teil sind höchstens 2300 Bohrungen zulässig.", "Le nombre maximal de trous par pièce est de 2300."},

    {E::TextAngle, "TextAngle", K::Text, "Angle", "Winkel", "Angle"},
    {E::MsgAngleMax90, "MsgAngleMax90", K::Message, "The angle must be 90 Degrees or less.", "Der Winkel darf höchstens 90 Grad betragen.", "L'angle ne doit pas dépasser 90 degrés."},
    {E::TextHeight, "TextHeight", K::Text, "Height", "Höhe", "Hauteur"},
    {E::TextInsideCornerDimension, "TextInsideCornerDimension", K::Text, "Inside Corner Dimension", "Innenmaß an den Ecken", "Cote intérieure aux angles"},
    {E::TextInsideRollDimension, "TextInsideRollDimension", K::Text, "Inside Roll Dimension", "Innenmaß über Rollen", "Cote intérieure sur piges"},
    {E::TextOutsideCornerDimension, "TextOutsideCornerDimension", K::Text, "Outside Corner Dimension", "Außenmaß an den Ecken", "Cote extérieure aux angles"},
    {E::TextOutsideRollDimension, "TextOutsideRollDimension", K::Text, "Outside Roll Dimension", "Außenmaß über Rollen", "Cote extérieure sur piges"},
    {E::TextRollDiameter, "TextRollDiameter", K::Text, "Roll Diameter", "Rollendurchmesser", "Diamètre des piges"},
    {E::MsgMarkCheckBox, "MsgMarkCheckBox", K::Message, "Please mark check box and enter known data.", "Bitte kreuzen Sie das Kontrollkästchen an und geben Sie die bekannten Werte ein.", "Veuillez cocher la case et entrer les données connues."},
    {E::MsgImpossibleRollAngleHeight, "MsgImpossibleRollAngleHeight", K::Message, "Impossible data are entered. Check Roll Diameter, Angle and Height.", "Die eingegebenen Werte passen nicht zusammen. Prüfen Sie Rollendurchmesser, Winkel und Höhe.", "Les valeurs saisies sont incompatibles. Vérifiez le diamètre des piges, l'angle et la hauteur."},
    {E::MsgInsideWiderThanOutside, "MsgInsideWiderThanOutside", K::Message, "Inside Corner Width cannot be greater than Outside Corner Width.", "Das Innenmaß an den Ecken darf nicht größer sein als das Außenmaß an den Ecken.", "La cote intérieure aux angles ne peut pas dépasser la cote extérieure aux angles."},
    {E::MsgImpossibleRollAngleCorner, "MsgImpossibleRollAngleCorner", K::Message, "Impossible data are entered. Check Roll Diameter, Angle and Corner Width.", "Die eingegebenen Werte passen nicht zusammen. Prüfen Sie Rollendurchmesser, Winkel und Maß an den Ecken.", "Les valeurs saisies sont incompatibles. Vérifiez le diamètre des piges, l'angle et la cote aux angles."},
    {E::MsgImpossibleRollAngleRollWidth, "MsgImpossibleRollAngleRollWidth", K::Message, "Impossible data are entered. Check Roll Diameter, Angle and Roll Width.", "Die eingegebenen Werte passen nicht zusammen. Prüfen Sie Rollendurchmesser, Winkel und Maß über Rollen.", "Les valeurs saisies sont incompatibles. Vérifiez le diamètre des piges, l'angle et la cote sur piges."},
    {E::MsgImpossibleHeightOrRollWidth, "MsgImpossibleHeightOrRollWidth", K::Message, "Impossible data are entered. Check Roll Diameter, Angle, Height or Roll Width.", "Die eingegebenen Werte passen nicht zusammen. Prüfen Sie Rollendurchmesser, Winkel, Höhe oder Maß über Rollen.", "Les valeurs saisies sont incompatibles. Vérifiez le diamètre des piges, l'angle, la hauteur ou la cote sur piges."},
    {E::MsgImpossibleHeightOrCornerWidth, "MsgImpossibleHeightOrCornerWidth", K::Message, "Impossible data are entered. Check Roll Diameter, Angle, Height or Corner Width.", "Die eingegebenen Werte passen nicht zusammen. Prüfen Sie Rollendurchmesser, Winkel, Höhe oder Maß an den Ecken.", "Les valeurs saisies sont incompatibles. Vérifiez le diamètre des piges, l'angle, la hauteur ou la cote aux angles."},

    {E::TextAngleA, "TextAngleA", K::Text, "Angle A", "Winkel A", "Angle A"},
    {E::TextAngleB, "TextAngleB", K::Text, "Angle B", "Winkel B", "Angle B"},
    {E::TextAngleC, "TextAngleC", K::Text, "Angle C", "Winkel C", "Angle C"},
    {E::TextSideA, "TextSideA", K::Text, "Side a", "Seite a", "Côté a"},
    {E::TextSideB, "TextSideB", K::Text, "Side b", "Seite b", "Côté b"},
    {E::TextSideC, "TextSideC", K::Text, "Side c", "Seite c", "Côté c"},

    {E::MsgNotEnoughData, "MsgNotEnoughData", K::Message, "Not enough data entered.", "Es wurden nicht genug Werte eingegeben.", "Les données saisies sont insuffisantes."},
    {E::MsgNegativeValues, "MsgNegativeValues", K::Message, "Negative values are not allowed.", "Negative Werte sind nicht erlaubt.", "Les valeurs négatives ne sont pas autorisées."},

    {E::TextNumberOfSides, "TextNumberOfSides", K::Text, "Number of Sides ", "Anzahl der Seiten ", "Nombre de côtés "},
    {E::TextSideLength, "TextSideLength", K::Text, "Side length", "Seitenlänge", "Longueur du côté"},
    {E::TextAcrossCorners, "TextAcrossCorners", K::Text, "Across Corners", "Eckmaß", "Cote sur angles"},
    {E::TextAcrossFlats, "TextAcrossFlats", K::Text, "Across Flats", "Schlüsselweite", "Cote sur plats"},

    {E::AskSwitchToMetric, "AskSwitchToMetric", K::Question, "You have chosen a metric drill list. Would you like these calculations to switch to metric mode?", "Sie haben eine metrische Bohrerliste gewählt. Sollen diese Berechnungen auf metrisch umgestellt werden?", "Vous avez choisi une liste de forets métriques. Voulez-vous passer ces calculs en mode métrique ?"},
    {E::AskSwitchToInch, "AskSwitchToInch", K::Question, "You have chosen an Inch drill list. Would you like these calculations to switch to Inch mode?", "Sie haben eine Zoll-Bohrerliste gewählt. Sollen diese Berechnungen auf Zoll umgestellt werden?", "Vous avez choisi une liste de forets en pouces. Voulez-vous passer ces calculs en mode pouces ?"},
    {E::MsgToolPointPositive, "MsgToolPointPositive", K::Message, "Diameter of Tool or Point Length or Point Angle should be greater than zero.", "Werkzeugdurchmesser, Spitzenlänge und Spitzenwinkel müssen größer als null sein.", "Le diamètre de l'outil, la longueur de pointe et l'angle de pointe doivent être supérieurs à zéro."},
    {E::MsgPointAngleLengthPositive, "MsgPointAngleLengthPositive", K::Message, "Point Angle or Point Length should be greater than zero.", "Spitzenwinkel und Spitzenlänge müssen größer als null sein.", "L'angle de pointe et la longueur de pointe doivent être supérieurs à zéro."},
    {E::MsgPointAngleDiameterPositive, "MsgPointAngleDiameterPositive", K::Message, "Point Angle or Point Length should be greater than zero.", "Spitzenwinkel und Spitzendurchmesser müssen größer als null sein.", "L'angle de pointe et la longueur de pointe doivent être supérieurs à zéro."},
    {E::MsgPointLengthToolPositive, "MsgPointLengthToolPositive", K::Message, "Point Length or Diameter of Tool should be greater than zero.", "Spitzenlänge und Werkzeugdurchmesser müssen größer als null sein.", "La longueur de pointe et le diamètre de l'outil doivent être supérieurs à zéro."},

    {E::SetUnitOptions, "SetUnitOptions", K::Setter, "Inch|Metric", "Zoll|Metrisch", "Pouce|Métrique"},

    {E::TextNumberOfTeeth, "TextNumberOfTeeth", K::Text, "Number of Teeth", "Zähnezahl", "Nombre de dents"},
    {E::TextSurfaceSpeedMpm, "TextSurfaceSpeedMpm", K::Text, "Surface speed in M/Min", "Schnittgeschwindigkeit in m/min", "Vitesse de coupe en m/min"},
    {E::TextSurfaceSpeedFpm, "TextSurfaceSpeedFpm", K::Text, "Surface speed in Feet/Min", "Schnittgeschwindigkeit in Fuß/min", "Vitesse de coupe en pieds/min"},
    {E::TextRpm, "TextRpm", K::Text, "RPM", "Drehzahl (U/min)", "Vitesse de rotation (tr/min)"},
    {E::TextMmPerTooth, "TextMmPerTooth", K::Text, "MM per tooth", "mm pro Zahn", "mm par dent"},
    {E::TextInchesPerTooth, "TextInchesPerTooth", K::Text, "Inches per tooth", "Zoll pro Zahn", "Pouces par dent"},
    {E::TextFeedPerMinute, "TextFeedPerMinute", K::Text, "Feed per Minute", "Vorschub pro Minute", "Avance par minute"},
    {E::TextSurfaceSpeed, "TextSurfaceSpeed", K::Text, "Surface speed", "Schnittgeschwindigkeit", "Vitesse de coupe"},
    {E::TextInchSuffix, "TextInchSuffix", K::Text, "(inch)", "(Zoll)", "(pouce)"},

    {E::TextThreadsPerInch, "TextThreadsPerInch", K::Text, "Threads per Inch", "Gänge pro Zoll", "Filets par pouce"},
    {E::TextPitchOfThread, "TextPitchOfThread", K::Text, "Pitch of Thread", "Gewindesteigung", "Pas du filetage"},
    {E::TextActualWireSize, "TextActualWireSize", K::Text, "Actual Wire Size", "Tatsächlicher Drahtdurchmesser", "Diamètre réel du fil"},
    {E::TextMeasurementOverWires, "TextMeasurementOverWires", K::Text, "Measurement over Wires", "Prüfmaß über Drähte", "Cote sur fils"},
    {E::TextPitchDiameter, "TextPitchDiameter", K::Text, "Pitch Diameter", "Flankendurchmesser", "Diamètre sur flancs"},
    {E::TextNominalMajorDiameter, "TextNominalMajorDiameter", K::Text, "Nominal Major Diameter", "Nenn-Außendurchmesser", "Diamètre extérieur nominal"},

    {E::MsgCoordinatesOnClipboard, "MsgCoordinatesOnClipboard", K::Message, "The list of coordinates is now on the Clipboard ready to paste into your CNC document. ", "Die Koordinatenliste ist jetzt in der Zwischenablage und kann in Ihr CNC-Programm eingefügt werden.", "La liste des coordonnées est maintenant dans le presse-papiers, prête à être collée dans votre programme CN."},
    {E::MsgHolesBetween2And3000, "MsgHolesBetween2And3000", K::Message, "The  number of holes accepted is between 2 and 3000.", "Die Anzahl der Bohrungen muss zwischen 2 und 3000 liegen.", "Le nombre de trous doit être compris entre 2 et 3000."},

    {E::MsgInvalidAmount, "MsgInvalidAmount", K::MessageWithValue, "Please insert a valid amount into {}. If the amount is less than one, you may enter a common fraction.", "Bitte geben Sie für {} einen gültigen Wert ein. Sie müssen Ziffern zwischen 0 und 9 verwenden und, falls nötig, einen Dezimalpunkt. Werte unter eins können Sie auch als Bruch eingeben.", "Veuillez entrer une valeur valable pour {}. Vous devez utiliser des chiffres entre 0 et 9 et, si nécessaire, un point décimal. Une valeur inférieure à un peut aussi être entrée sous forme de fraction."},
    {E::MsgOnlyIntegers, "MsgOnlyIntegers", K::MessageWithValue, "Only Integers may be entered into the {} field.", "Im Feld {} sind nur ganze Zahlen erlaubt.", "Seuls des nombres entiers peuvent être entrés dans le champ {}."},
    {E::MsgInvalidValue, "MsgInvalidValue", K::MessageWithValue, "You entered an invalid value for {}.", "Sie haben für {} einen ungültigen Wert eingegeben.", "Vous avez entré une valeur non valable pour {}."},
    {E::MsgMinimumNumber, "MsgMinimumNumber", K::MessageWithValue, "The minimum number allowed is {}.", "Der kleinste zulässige Wert ist {}.", "La valeur minimale autorisée est {}."},
    {E::MsgNeedsAboveZero, "MsgNeedsAboveZero", K::MessageWithValue, "{} needs a value greater than zero.", "{} muss größer als null sein.", "La valeur de {} doit être supérieure à zéro."},

    {E::TextCentreOfCircle, "TextCentreOfCircle", K::Text, "Centre of Circle", "Kreismittelpunkt", "Centre du cercle"},
    {E::TextGridPattern, "TextGridPattern", K::Text, "Grid Pattern", "Lochraster", "Grille de trous"},
    {E::TextDegreesSuffix, "TextDegreesSuffix", K::Text, " Degrees", " Grad", " degrés"},
    {E::TextSpeedData, "TextSpeedData", K::Text, "Speed Data", "Drehzahl und Schnittgeschwindigkeit", "Vitesses de rotation et de coupe"},
    {E::TextFeedData, "TextFeedData", K::Text, "Feed Data", "Vorschub", "Avance"},
    {E::TextMmPerRev, "TextMmPerRev", K::Text, "MM per Revolution(Thread Pitch)", "mm pro Umdrehung (Gewindesteigung)", "mm par tour (pas du filetage)"},
    {E::TextInchesPerRev, "TextInchesPerRev", K::Text, "Inches per Revolution(Thread Pitch)", "Zoll pro Umdrehung (Gewindesteigung)", "Pouces par tour (pas du filetage)"},
    {E::TextMmPerMinute, "TextMmPerMinute", K::Text, "MM per Minute", "mm pro Minute", "mm par minute"},
    {E::TextInchesPerMinute, "TextInchesPerMinute", K::Text, "Inches per Minute", "Zoll pro Minute", "Pouces par minute"},
    {E::TextWorkOrToolDiameter, "TextWorkOrToolDiameter", K::Text, "Diameter of workpiece or cutting tool", "Durchmesser von Werkstück oder Werkzeug", "Diamètre de la pièce ou de l'outil"},

    {E::MsgNoCalculator, "MsgNoCalculator", K::Message, "No desktop calculator is installed. Install gnome-calculator, kcalc, galculator or qalculate-gtk, for example with: sudo apt install gnome-calculator", "Es ist kein Taschenrechner-Programm installiert. Installieren Sie gnome-calculator, kcalc, galculator oder qalculate-gtk, zum Beispiel mit: sudo apt install gnome-calculator", "Aucune calculatrice n'est installée. Installez gnome-calculator, kcalc, galculator ou qalculate-gtk, par exemple avec : sudo apt install gnome-calculator"},
    {E::SetTitleCaption, "SetTitleCaption", K::Setter, "Arbormate for Tarvik", "Arbormate", "Arbormate"},
}};
// clang-format on

constexpr bool TableInOrder() {
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (static_cast<std::size_t>(kTable[i].id) != i) return false;
    }
    return true;
}
static_assert(TableInOrder(), "the table must list the entries in enum order");
static_assert(static_cast<int>(LocalEntry::SetTitleCaption) == kLocalEntryCount - 1);

const Entry& Find(LocalEntry entry) {
    return kTable[static_cast<std::size_t>(entry)];
}

std::string Fill(std::string_view pattern, std::string_view value) {
    std::string text(pattern);
    if (const auto at = text.find("{}"); at != std::string::npos) text.replace(at, 2, value);
    return text;
}

std::string Lookup(const CalcEnv& env, LocalEntry entry) {
    return LocalTextFor(entry, CurrentLanguage(env));
}

void Show(const CalcEnv& env, LocalEntry entry, std::string_view value = {}) {
    const Language language = CurrentLanguage(env);
    if (language == Language::None) return;
    env.messages.ShowMessage(LocalTextFor(entry, language, value), LocalCaptionFor(entry, language),
                             MsgIcon::None);
}

MsgAnswer Ask(const CalcEnv& env, LocalEntry entry) {
    const Language language = CurrentLanguage(env);
    if (language == Language::None) return MsgAnswer::None;
    return env.messages.AskYesNoCancel(LocalTextFor(entry, language),
                                       LocalCaptionFor(entry, language));
}

}  // namespace

Language StoredLanguage(const CalcEnv& env) {
    const std::string value = env.settings.GetSetting(kSettingsApp, kLanguageSection, kLanguageKey);
    if (value == "English") return Language::English;
    if (value == "German") return Language::German;
    if (value == "French") return Language::French;
    return Language::None;
}

Language CurrentLanguage(const CalcEnv& env) {
    const Language stored = StoredLanguage(env);
    if (stored != Language::None) return stored;
    return env.desktopLanguage == Language::None ? Language::English : env.desktopLanguage;
}

void StoreLanguage(const CalcEnv& env, Language language) {
    const char* value = "";
    switch (language) {
        case Language::English:
            value = "English";
            break;
        case Language::German:
            value = "German";
            break;
        case Language::French:
            value = "French";
            break;
        case Language::None:
            break;
    }
    env.settings.SaveSetting(kSettingsApp, kLanguageSection, kLanguageKey, value);
}

LocalKind KindOf(LocalEntry entry) {
    return Find(entry).kind;
}
std::string_view NameOf(LocalEntry entry) {
    return Find(entry).name;
}

std::string LocalTextFor(LocalEntry entry, Language language, std::string_view value) {
    const Entry& e = Find(entry);
    if (entry == LocalEntry::TextNumberOfHoles && language == Language::None) return e.english;
    const char* pattern = nullptr;
    switch (language) {
        case Language::English:
            pattern = e.english;
            break;
        case Language::German:
            pattern = e.german;
            break;
        case Language::French:
            pattern = e.french;
            break;
        case Language::None:
            return {};
    }
    return e.kind == LocalKind::MessageWithValue ? Fill(pattern, value) : std::string(pattern);
}

std::string LocalCaptionFor(LocalEntry entry, Language language) {
    if (language == Language::English && entry != LocalEntry::MsgNoCalculator) return kAppTitle;
    return kLocalCaption;
}

std::optional<std::string> TitleCaption(const CalcEnv& env) {
    const Language language = CurrentLanguage(env);
    if (language == Language::None) return std::nullopt;
    return LocalTextFor(LocalEntry::SetTitleCaption, language);
}

std::optional<UnitOptionTexts> UnitOptions(const CalcEnv& env) {
    const Language language = CurrentLanguage(env);
    if (language == Language::None) return std::nullopt;
    const std::string both = LocalTextFor(LocalEntry::SetUnitOptions, language);
    const auto bar = both.find('|');
    return UnitOptionTexts{language != Language::English, both.substr(0, bar),
                           both.substr(bar + 1)};
}

std::string TextNumberOfHoles() {
    return Find(LocalEntry::TextNumberOfHoles).english;
}
std::string TextNumberOfHoles(const CalcEnv& env) {
    return Lookup(env, LocalEntry::TextNumberOfHoles);
}

#define CALC_TEXT(entry)                       \
    std::string entry(const CalcEnv& env) {    \
        return Lookup(env, LocalEntry::entry); \
    }
#define CALC_MESSAGE(entry)           \
    void entry(const CalcEnv& env) {  \
        Show(env, LocalEntry::entry); \
    }
#define CALC_MESSAGE_WITH(entry)                             \
    void entry(const CalcEnv& env, std::string_view value) { \
        Show(env, LocalEntry::entry, value);                 \
    }
#define CALC_QUESTION(entry)                \
    MsgAnswer entry(const CalcEnv& env) {   \
        return Ask(env, LocalEntry::entry); \
    }

CALC_TEXT(TextBoltCircleDiameterPadded)
CALC_TEXT(TextHolesOnX)
CALC_TEXT(TextHolesOnY)
CALC_TEXT(TextStepX)
CALC_TEXT(TextStepY)
CALC_TEXT(TextStartX)
CALC_TEXT(TextStartY)
CALC_TEXT(TextBoltCircleDiameter)
CALC_TEXT(TextStartAngle)
CALC_TEXT(TextCenterX)
CALC_TEXT(TextCenterY)
CALC_TEXT(TextAngle)
CALC_TEXT(TextHeight)
CALC_TEXT(TextInsideCornerDimension)
CALC_TEXT(TextInsideRollDimension)
CALC_TEXT(TextOutsideCornerDimension)
CALC_TEXT(TextOutsideRollDimension)
CALC_TEXT(TextRollDiameter)
CALC_TEXT(TextAngleA)
CALC_TEXT(TextAngleB)
CALC_TEXT(TextAngleC)
CALC_TEXT(TextSideA)
CALC_TEXT(TextSideB)
CALC_TEXT(TextSideC)
CALC_TEXT(TextNumberOfSides)
CALC_TEXT(TextSideLength)
CALC_TEXT(TextAcrossCorners)
CALC_TEXT(TextAcrossFlats)
CALC_TEXT(TextNumberOfTeeth)
CALC_TEXT(TextSurfaceSpeedMpm)
CALC_TEXT(TextSurfaceSpeedFpm)
CALC_TEXT(TextRpm)
CALC_TEXT(TextMmPerTooth)
CALC_TEXT(TextInchesPerTooth)
CALC_TEXT(TextFeedPerMinute)
CALC_TEXT(TextSurfaceSpeed)
CALC_TEXT(TextInchSuffix)
CALC_TEXT(TextThreadsPerInch)
CALC_TEXT(TextPitchOfThread)
CALC_TEXT(TextActualWireSize)
CALC_TEXT(TextMeasurementOverWires)
CALC_TEXT(TextPitchDiameter)
CALC_TEXT(TextNominalMajorDiameter)
CALC_TEXT(TextCentreOfCircle)
CALC_TEXT(TextGridPattern)
CALC_TEXT(TextDegreesSuffix)
CALC_TEXT(TextSpeedData)
CALC_TEXT(TextFeedData)
CALC_TEXT(TextMmPerRev)
CALC_TEXT(TextInchesPerRev)
CALC_TEXT(TextMmPerMinute)
CALC_TEXT(TextInchesPerMinute)
CALC_TEXT(TextWorkOrToolDiameter)

CALC_MESSAGE(MsgMaxHoles2300)
CALC_MESSAGE(MsgAngleMax90)
CALC_MESSAGE(MsgMarkCheckBox)
CALC_MESSAGE(MsgImpossibleRollAngleHeight)
CALC_MESSAGE(MsgInsideWiderThanOutside)
CALC_MESSAGE(MsgImpossibleRollAngleCorner)
CALC_MESSAGE(MsgImpossibleRollAngleRollWidth)
CALC_MESSAGE(MsgImpossibleHeightOrRollWidth)
CALC_MESSAGE(MsgImpossibleHeightOrCornerWidth)
CALC_MESSAGE(MsgNotEnoughData)
CALC_MESSAGE(MsgNegativeValues)
CALC_MESSAGE(MsgToolPointPositive)
CALC_MESSAGE(MsgPointAngleLengthPositive)
CALC_MESSAGE(MsgPointAngleDiameterPositive)
CALC_MESSAGE(MsgPointLengthToolPositive)
CALC_MESSAGE(MsgCoordinatesOnClipboard)
CALC_MESSAGE(MsgHolesBetween2And3000)
CALC_MESSAGE(MsgNoCalculator)

CALC_MESSAGE_WITH(MsgInvalidAmount)
CALC_MESSAGE_WITH(MsgOnlyIntegers)
CALC_MESSAGE_WITH(MsgInvalidValue)
CALC_MESSAGE_WITH(MsgMinimumNumber)
CALC_MESSAGE_WITH(MsgNeedsAboveZero)

CALC_QUESTION(AskSwitchToMetric)
CALC_QUESTION(AskSwitchToInch)

void MsgMinimumNumber(const CalcEnv& env, long long number) {
    MsgMinimumNumber(env, std::to_string(number));
}

#undef CALC_TEXT
#undef CALC_MESSAGE
#undef CALC_MESSAGE_WITH
#undef CALC_QUESTION

}  // namespace calc
