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
                  (RecordedMessage{"Negativen Werten wird nicht erlaubt.", "Arbormate"}));
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

// The German and French texts the program has always shown, byte for byte.
TEST(LocalText, GivenTranslations) {
    struct Row {
        LocalEntry entry;
        const char* german;
        const char* french;
    };
    const std::vector<Row> rows = {
        {LocalEntry::TextAngle, "Winkel", "Angle"},
        {LocalEntry::TextAngleA, "Winkel A", "Angle A"},
        {LocalEntry::TextSideA, "Siete a", "Côté a"},
        {LocalEntry::TextRpm, "U/Min", "RPM"},
        {LocalEntry::TextBoltCircleDiameter, "Lochkreis-Durchmeßer",
         "Diamètre du cercle du verrou"},
        {LocalEntry::TextBoltCircleDiameterPadded, "Lochkreis-Durchmeßer ",
         "Diamètre du cercle du verrou"},
        {LocalEntry::TextDegreesSuffix, " Grad", " Degrés"},
        {LocalEntry::TextInchSuffix, "(Zoll)", "(pouce)"},
        {LocalEntry::MsgNegativeValues, "Negativen Werten wird nicht erlaubt.",
         "Les valeurs négatives ne sont pas permises."},
        {LocalEntry::MsgNotEnoughData, "Nicht genug Information ist eingegangen worden.",
         "Pas assez de renseignements ont été insérés."},
        {LocalEntry::MsgMaxHoles2300,
         "Die maximal akzeptierte Anzahl von Bohrungen pro Teil ist 2300",
         "Le nombre maximal de trous acceptés par partie est 2300."},
        {LocalEntry::AskSwitchToMetric,
         "Sie haben eine metrische Bohrerliste gewählt. Wollen Sie ins metrische System "
         "umschalten?",
         "Vous avez choisi une liste de mèches métriques. Voudriez-vous ces calculs afin de "
         "changer au mode métrique?"},
        {LocalEntry::AskSwitchToInch,
         "Sie haben eine Zoll-Bohrerliste gewählt. Sollen diese Berechnungen auf Zoll umgestellt "
         "werden?",
         "Vous avez choisi une liste de mèches en pouces. Voudriez-vous ces calculs afin de "
         "changer au mode pouce?"},
        {LocalEntry::MsgPointAngleDiameterPositive,
         "Spitzenwinkel oder Spitzendurchmeßer  müßen großer sein als Null.",
         "L'angle de la pointe ou la longueur de la pointe devrait être plus grande que zéro."},
        {LocalEntry::MsgInvalidAmount,
         "Geben Sie Höhe einen gültigen Betrag ein. Sie müßen Ziffern zwischen 0 und 9 wählen, "
         "und - falls nötig - eine Dezimalstelle.",
         "Insérez s'il vous plaît une quantité valable dans Höhe. Vous devez utiliser des "
         "chiffres entre 0 à 9 et un point décimal si exigé."},
        {LocalEntry::MsgOnlyIntegers, "Nur ganze Zahlen können im Höhe Feld eingetragen werden.",
         "Seulement les entiers peuvent être entrés dans le champ Höhe."},
        {LocalEntry::MsgInvalidValue, "Sie haben einen ungültigen Wert für Höhe eingetragen.",
         "Vous avez entré une valeur invalide pour Höhe."},
        {LocalEntry::MsgMinimumNumber, "Die erlaubte Mindestzahl ist Höhe.",
         "Le nombre minimal permis est Höhe."},
        {LocalEntry::MsgNeedsAboveZero, "Höhe muß größer sein als Null.",
         "Höhe a besoin d'une valeur plus grande que zéro."},
        {LocalEntry::MsgNoCalculator,
         "Kein Rechnerprogramm installiert. Installieren Sie gnome-calculator, kcalc, galculator "
         "oder qalculate-gtk, zum Beispiel mit: sudo apt install gnome-calculator",
         "Aucune calculatrice n'est installée. Installez gnome-calculator, kcalc, galculator ou "
         "qalculate-gtk, par exemple avec : sudo apt install gnome-calculator"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(LocalTextFor(row.entry, Language::German, "Höhe"), row.german)
            << NameOf(row.entry);
        EXPECT_EQ(LocalTextFor(row.entry, Language::French, "Höhe"), row.french)
            << NameOf(row.entry);
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
    EXPECT_EQ(t.messages.Last(), (RecordedMessage{"Nicht genug Information ist eingegangen worden.",
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
