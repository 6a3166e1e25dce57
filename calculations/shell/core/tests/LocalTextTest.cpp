#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "calc/LocalText.h"
#include "calc/TestCalcEnv.h"

namespace calc {
namespace {

using Texts = std::vector<std::string>;

// Nothing stored, or a value that is not exactly a language name: the desktop's
// language speaks, so no message goes unshown and no field name is empty.
TEST(LocalText, WithoutAStoredLanguageTheDesktopsLanguageSpeaks) {
    for (const char* stored : {"", "english", "GERMAN", "Deutsch", " French"}) {
        TestCalcEnv t;
        if (*stored) t.settings.SaveSetting("Arbormate", "Calcs", "Language", stored);
        EXPECT_EQ(StoredLanguage(t.env), Language::None) << stored;
        EXPECT_EQ(CurrentLanguage(t.env), Language::English) << stored;
        EXPECT_EQ(TextRollDiameter(t.env), "Roll Diameter");
        MsgNotEnoughData(t.env);
        MsgInvalidAmount(t.env, "Side a");
        t.messages.QueueAnswer(MsgAnswer::No);
        EXPECT_EQ(AskSwitchToMetric(t.env), MsgAnswer::No);
        EXPECT_EQ(t.messages.Texts(),
                  (Texts{"Not enough data entered.",
                         "Please insert a valid amount into Side a. If the amount is less than "
                         "one, you may enter a common fraction.",
                         "You have chosen a metric drill list. Would you like these calculations "
                         "to switch to metric mode?"}));
        EXPECT_EQ(TitleCaption(t.env), "Arbormate for Tarvik");
        EXPECT_EQ(UnitOptions(t.env), (UnitOptionTexts{false, "Inch", "Metric"}));

        t.messages.Clear();
        t.env.desktopLanguage = Language::German;
        EXPECT_EQ(CurrentLanguage(t.env), Language::German);
        MsgNegativeValues(t.env);
        EXPECT_EQ(t.messages.Last(),
                  (RecordedMessage{"Negative Werte sind nicht erlaubt.", "Arbormate"}));
        EXPECT_EQ(TitleCaption(t.env), "Arbormate");
        EXPECT_EQ(UnitOptions(t.env), (UnitOptionTexts{true, "Zoll", "Metrisch"}));
        // Nothing is written for the user.
        EXPECT_EQ(t.settings.GetSetting("Arbormate", "Calcs", "Language"), stored);
    }
}

TEST(LocalText, AStoredChoiceWinsOverTheDesktop) {
    TestCalcEnv t;
    t.env.desktopLanguage = Language::German;
    StoreLanguage(t.env, Language::French);
    EXPECT_EQ(t.settings.GetSetting("Arbormate", "Calcs", "Language"), "French");
    EXPECT_EQ(TextInchSuffix(t.env), "(pouce)");
    StoreLanguage(t.env, Language::English);
    EXPECT_EQ(TextInchSuffix(t.env), "(inch)");
    StoreLanguage(t.env, Language::None);
    EXPECT_EQ(TextInchSuffix(t.env), "(Zoll)");
}

TEST(LocalText, English) {
    TestCalcEnv t;
    t.SetLanguage("English");
    EXPECT_EQ(TextRollDiameter(t.env), "Roll Diameter");
    EXPECT_EQ(TextDegreesSuffix(t.env), " Degrees");
    EXPECT_EQ(TextCenterX(t.env), "Center: X ");
    MsgNotEnoughData(t.env);
    MsgHolesBetween2And3000(t.env);
    MsgNoCalculator(t.env);
    MsgMinimumNumber(t.env, 3);
    const std::vector<RecordedMessage> expected = {
        {"Not enough data entered.", "Calculations for Tarvik", MsgIcon::None},
        {"The  number of holes accepted is between 2 and 3000.", "Calculations for Tarvik",
         MsgIcon::None},
        {"No desktop calculator is installed. Install gnome-calculator, kcalc, galculator or "
         "qalculate-gtk, for example with: sudo apt install gnome-calculator",
         "Arbormate", MsgIcon::None},
        {"The minimum number allowed is 3.", "Calculations for Tarvik", MsgIcon::None},
    };
    EXPECT_EQ(t.messages.Messages(), expected);
    EXPECT_EQ(TitleCaption(t.env), "Arbormate for Tarvik");
    EXPECT_EQ(UnitOptions(t.env), (UnitOptionTexts{false, "Inch", "Metric"}));
}

TEST(LocalText, QuestionsReturnTheAnswer) {
    TestCalcEnv t;
    t.SetLanguage("English");
    t.messages.QueueAnswer(MsgAnswer::No);
    t.messages.QueueAnswer(MsgAnswer::Cancel);
    EXPECT_EQ(AskSwitchToMetric(t.env), MsgAnswer::No);
    EXPECT_EQ(AskSwitchToInch(t.env), MsgAnswer::Cancel);
    EXPECT_EQ(AskSwitchToInch(t.env), MsgAnswer::Yes);
    ASSERT_EQ(t.messages.Count(), 3u);
    EXPECT_TRUE(t.messages.Last().question);
    EXPECT_EQ(t.messages.Messages()[0].text,
              "You have chosen a metric drill list. Would you like these calculations to switch "
              "to metric mode?");
}

// The German and French texts a machinist reads, byte for byte: the ones that were
// misspelt, ungrammatical or named the wrong thing, and the trade terms around them.
TEST(LocalText, GermanAndFrenchTexts) {
    struct Row {
        LocalEntry entry;
        const char* german;
        const char* french;
    };
    const std::vector<Row> rows = {
        {LocalEntry::TextNumberOfHoles, "Anzahl der Bohrungen ", "Nombre de trous "},
        {LocalEntry::TextAngle, "Winkel", "Angle"},
        {LocalEntry::TextAngleA, "Winkel A", "Angle A"},
        {LocalEntry::TextSideA, "Seite a", "Côté a"},
        {LocalEntry::TextRpm, "Drehzahl (U/min)", "Vitesse de rotation (tr/min)"},
        {LocalEntry::TextBoltCircleDiameter, "Lochkreis-Durchmesser",
         "Diamètre du cercle de perçage"},
        {LocalEntry::TextBoltCircleDiameterPadded, "Lochkreis-Durchmesser ",
         "Diamètre du cercle de perçage "},
        {LocalEntry::TextStartX, "Startpunkt X", "Départ X"},
        {LocalEntry::TextDegreesSuffix, " Grad", " degrés"},
        {LocalEntry::TextInchSuffix, "(Zoll)", "(pouce)"},
        {LocalEntry::TextRollDiameter, "Rollendurchmesser", "Diamètre des piges"},
        {LocalEntry::TextNumberOfTeeth, "Zähnezahl", "Nombre de dents"},
        {LocalEntry::TextSpeedData, "Drehzahl und Schnittgeschwindigkeit",
         "Vitesses de rotation et de coupe"},
        {LocalEntry::TextFeedData, "Vorschub", "Avance"},
        {LocalEntry::MsgNegativeValues, "Negative Werte sind nicht erlaubt.",
         "Les valeurs négatives ne sont pas autorisées."},
        {LocalEntry::MsgNotEnoughData, "Es wurden nicht genug Werte eingegeben.",
         "Les données saisies sont insuffisantes."},
        {LocalEntry::MsgMaxHoles2300, "Pro Teil sind höchstens 2300 Bohrungen zulässig.",
         "Le nombre maximal de trous par pièce est de 2300."},
        {LocalEntry::MsgHolesBetween2And3000,
         "Die Anzahl der Bohrungen muss zwischen 2 und 3000 liegen.",
         "Le nombre de trous doit être compris entre 2 et 3000."},
        {LocalEntry::MsgAngleMax90, "Der Winkel darf höchstens 90 Grad betragen.",
         "L'angle ne doit pas dépasser 90 degrés."},
        {LocalEntry::MsgInsideWiderThanOutside,
         "Das Innenmaß an den Ecken darf nicht größer sein als das Außenmaß an den Ecken.",
         "La cote intérieure aux angles ne peut pas dépasser la cote extérieure aux angles."},
        {LocalEntry::MsgImpossibleRollAngleHeight,
         "Die eingegebenen Werte passen nicht zusammen. Prüfen Sie Rollendurchmesser, Winkel und "
         "Höhe.",
         "Les valeurs saisies sont incompatibles. Vérifiez le diamètre des piges, l'angle et la "
         "hauteur."},
        {LocalEntry::AskSwitchToMetric,
         "Sie haben eine metrische Bohrerliste gewählt. Sollen diese Berechnungen auf metrisch "
         "umgestellt werden?",
         "Vous avez choisi une liste de forets métriques. Voulez-vous passer ces calculs en mode "
         "métrique ?"},
        {LocalEntry::AskSwitchToInch,
         "Sie haben eine Zoll-Bohrerliste gewählt. Sollen diese Berechnungen auf Zoll umgestellt "
         "werden?",
         "Vous avez choisi une liste de forets en pouces. Voulez-vous passer ces calculs en mode "
         "pouces ?"},
        {LocalEntry::MsgToolPointPositive,
         "Werkzeugdurchmesser, Spitzenlänge und Spitzenwinkel müssen größer als null sein.",
         "Le diamètre de l'outil, la longueur de pointe et l'angle de pointe doivent être "
         "supérieurs à zéro."},
        {LocalEntry::MsgPointAngleDiameterPositive,
         "Spitzenwinkel und Spitzendurchmesser müssen größer als null sein.",
         "L'angle de pointe et la longueur de pointe doivent être supérieurs à zéro."},
        {LocalEntry::MsgCoordinatesOnClipboard,
         "Die Koordinatenliste ist jetzt in der Zwischenablage und kann in Ihr CNC-Programm "
         "eingefügt werden.",
         "La liste des coordonnées est maintenant dans le presse-papiers, prête à être collée "
         "dans votre programme CN."},
        {LocalEntry::MsgInvalidAmount,
         "Bitte geben Sie für Höhe einen gültigen Wert ein. Sie müssen Ziffern zwischen 0 und 9 "
         "verwenden und, falls nötig, einen Dezimalpunkt. Werte unter eins können Sie auch als "
         "Bruch eingeben.",
         "Veuillez entrer une valeur valable pour Hauteur. Vous devez utiliser des chiffres entre "
         "0 et 9 et, si nécessaire, un point décimal. Une valeur inférieure à un peut aussi être "
         "entrée sous forme de fraction."},
        {LocalEntry::MsgOnlyIntegers, "Im Feld Höhe sind nur ganze Zahlen erlaubt.",
         "Seuls des nombres entiers peuvent être entrés dans le champ Hauteur."},
        {LocalEntry::MsgInvalidValue, "Sie haben für Höhe einen ungültigen Wert eingegeben.",
         "Vous avez entré une valeur non valable pour Hauteur."},
        {LocalEntry::MsgMinimumNumber, "Der kleinste zulässige Wert ist 3.",
         "La valeur minimale autorisée est 3."},
        {LocalEntry::MsgNeedsAboveZero, "Höhe muss größer als null sein.",
         "La valeur de Hauteur doit être supérieure à zéro."},
        {LocalEntry::MsgNoCalculator,
         "Es ist kein Taschenrechner-Programm installiert. Installieren Sie gnome-calculator, "
         "kcalc, galculator oder qalculate-gtk, zum Beispiel mit: sudo apt install "
         "gnome-calculator",
         "Aucune calculatrice n'est installée. Installez gnome-calculator, kcalc, galculator ou "
         "qalculate-gtk, par exemple avec : sudo apt install gnome-calculator"},
    };
    for (const Row& row : rows) {
        const bool number = row.entry == LocalEntry::MsgMinimumNumber;
        EXPECT_EQ(LocalTextFor(row.entry, Language::German, number ? "3" : "Höhe"), row.german)
            << NameOf(row.entry);
        EXPECT_EQ(LocalTextFor(row.entry, Language::French, number ? "3" : "Hauteur"), row.french)
            << NameOf(row.entry);
    }
}

// Spellings no German or French text may carry: "ß" after a short vowel (modern and
// Swiss spelling write "ss"), the old misspellings, and "zéro"/"null" capitalised.
TEST(LocalText, NoMisspellingInAnyGermanOrFrenchText) {
    const std::vector<std::string> wrong = {"meßer",   "müß",  "muß",        "Siete",
                                            "großer",  "Null", "verrou",     "0 à 9",
                                            "afin de", "MS W", "angebracht", "  "};
    for (int i = 0; i < kLocalEntryCount; ++i) {
        const auto entry = static_cast<LocalEntry>(i);
        for (Language language : {Language::German, Language::French}) {
            const std::string text = LocalTextFor(entry, language, "X");
            for (const std::string& bad : wrong) {
                EXPECT_EQ(text.find(bad), std::string::npos) << NameOf(entry) << ": " << text;
            }
        }
    }
}

TEST(LocalText, EveryEntryHasEveryLanguage) {
    std::set<std::string_view> names;
    int setters = 0, questions = 0, withValue = 0;
    for (int i = 0; i < kLocalEntryCount; ++i) {
        const auto entry = static_cast<LocalEntry>(i);
        names.insert(NameOf(entry));
        setters += KindOf(entry) == LocalKind::Setter;
        questions += KindOf(entry) == LocalKind::Question;
        withValue += KindOf(entry) == LocalKind::MessageWithValue;
        for (Language language : {Language::English, Language::German, Language::French}) {
            const std::string text = LocalTextFor(entry, language, "NAME");
            EXPECT_FALSE(text.empty()) << NameOf(entry);
            EXPECT_EQ(text.find("{}"), std::string::npos) << NameOf(entry);
            if (KindOf(entry) == LocalKind::MessageWithValue) {
                EXPECT_NE(text.find("NAME"), std::string::npos) << NameOf(entry);
            }
        }
        EXPECT_EQ(LocalTextFor(entry, Language::None),
                  entry == LocalEntry::TextNumberOfHoles ? "Number of Holes " : "");
    }
    EXPECT_EQ(names.size(), 81u);
    EXPECT_EQ(setters, 2);
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(withValue, 5);
    EXPECT_EQ(NameOf(LocalEntry::MsgHolesBetween2And3000), "MsgHolesBetween2And3000");
}

TEST(LocalText, GermanAndFrenchCaptionsAndSetters) {
    TestCalcEnv t;
    t.SetLanguage("German");
    MsgNotEnoughData(t.env);
    EXPECT_EQ(t.messages.Last(), (RecordedMessage{"Es wurden nicht genug Werte eingegeben.",
                                                  "Arbormate", MsgIcon::None}));
    EXPECT_EQ(TitleCaption(t.env), "Arbormate");
    EXPECT_EQ(UnitOptions(t.env), (UnitOptionTexts{true, "Zoll", "Metrisch"}));
    t.SetLanguage("French");
    AskSwitchToInch(t.env);
    EXPECT_EQ(t.messages.Last().caption, "Arbormate");
    EXPECT_EQ(TitleCaption(t.env), "Arbormate");
    EXPECT_EQ(UnitOptions(t.env), (UnitOptionTexts{true, "Pouce", "Métrique"}));
}

TEST(LocalText, LanguageIsReadAfreshAtEveryLookup) {
    TestCalcEnv t;
    t.SetLanguage("German");
    EXPECT_EQ(TextInchSuffix(t.env), "(Zoll)");
    {
        // An edit from outside the program, as a machinist would make it.
        std::ofstream out(t.settings.FileFor("Arbormate"), std::ios::trunc);
        out << "[calcs]\nlanguage = French\n";
    }
    EXPECT_EQ(TextInchSuffix(t.env), "(pouce)");
    t.settings.SaveSetting("Arbormate", "Calcs", "Language", "English");
    EXPECT_EQ(TextInchSuffix(t.env), "(inch)");
}

}  // namespace
}  // namespace calc
