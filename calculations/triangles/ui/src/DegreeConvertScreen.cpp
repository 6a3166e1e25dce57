#include <QLabel>
#include <QLineEdit>

#include "calc/Numeric.h"
#include "calc/ui/QtControls.h"
#include "triangles/DegreeConvert.h"
#include "triangles/TriangleScreens.h"

namespace calc {

frmDegreeConvertV74::frmDegreeConvertV74(CalcEnv& env, QWidget* parent)
    : CalcScreen(env,
                 {"frmDegreeConvertV74", tr("Convert Angles"), tr("Convert Angle"), 4090, 3490,
                  "html\\DegreeConvert.htm", "", "DecimalPlaces", false, kMenuBack},
                 parent) {
    AddLabel("Label1", tr("Degrees"), 600, 360, 900, 225);
    AddLabel("Label2", tr("Minutes"), 1680, 360, 700, 225);
    AddLabel("Label3", tr("Seconds"), 2640, 360, 900, 225);
    AddLabel("Label4", tr("Degrees"), 120, 1395, 1020, 225)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    degree_ = AddEntryBox("txtDegree", 240, 600, 1215, 375);
    minute_ = AddEntryBox("txtMinute", 1680, 600, 495, 375);
    second_ = AddEntryBox("txtSecond", 2400, 600, 1215, 375);
    decimal_ = AddEntryBox("txtDegreeDecimal", 1200, 1320, 1575, 375);
    for (QLineEdit* box : {degree_, minute_, second_, decimal_}) SetBoxEditable(box, true);

    CheckOnLeave(decimal_, [this] {
        if (!decimal_->text().isEmpty() && ParseEntryText(Env(), S(decimal_->text())) > 0)
            for (QLineEdit* box : {degree_, minute_, second_}) SetBoxEditable(box, false);
        return true;
    });
    CheckOnLeave(degree_, [this] {
        if (!degree_->text().isEmpty() && ParseEntryText(Env(), S(degree_->text())) > 0)
            SetBoxEditable(decimal_, false);
        return true;
    });
    CheckOnLeave(minute_,
                 [this] { return CheckLimit60(minute_, tr("Do not enter 60 or more minutes.")); });
    CheckOnLeave(second_,
                 [this] { return CheckLimit60(second_, tr("Do not enter 60 or more seconds.")); });

    AddCommand(Command::Reset, 720, 1920);
    AddCommand(Command::Calculate, 2160, 1920, 1215, 1215, tr("CONVERT"));
}

bool frmDegreeConvertV74::CheckLimit60(QLineEdit* box, const QString& message) {
    if (box->text().isEmpty()) return true;
    const double value = ParseEntryText(Env(), S(box->text()));
    if (value > 0) SetBoxEditable(decimal_, false);
    if (value >= 60) {
        Env().messages.ShowMessage(S(message), kAppTitle, MsgIcon::Exclamation);
        box->clear();
        return false;
    }
    return true;
}

void frmDegreeConvertV74::Calculate() {
    if (!decimal_->isReadOnly() && ParseEntryText(Env(), S(decimal_->text())) > 0) {
        // An entry that cannot be split was refused: nothing to convert back.
        if (!DecimalPosToDegrees()) return;
    }
    if (minute_->text().isEmpty() && second_->text().isEmpty()) {
        decimal_->setText(degree_->text() + ".0");
    } else if (!degree_->isReadOnly()) {
        DegreesMinutesSecondsToDegrees();
    }
}

bool frmDegreeConvertV74::DecimalPosToDegrees() {
    const std::string text = S(decimal_->text());
    const auto dms = calc::DecimalPosToDegrees(
        text, {S(degree_->text()), S(minute_->text()), S(second_->text())});
    if (!dms) {
        ShowNotValidEntry(Env(), text);
        return false;
    }
    degree_->setText(Q(dms->degrees));
    minute_->setText(Q(dms->minutes));
    second_->setText(Q(dms->seconds));
    return true;
}

void frmDegreeConvertV74::DegreesMinutesSecondsToDegrees() {
    auto read = [this](QLineEdit* box) {
        const double value = ParseEntryText(Env(), S(box->text()));
        if (value > 0) return value;
        box->setText("0");
        return 0.0;
    };
    const double d = read(degree_);
    const double m = read(minute_);
    const double s = read(second_);
    decimal_->setText(Q(calc::DegreesMinutesSecondsToDegrees(d, m, s)));
}

void frmDegreeConvertV74::Reset() {
    for (QLineEdit* box : {degree_, minute_, second_, decimal_}) {
        box->clear();
        SetBoxEditable(box, true);
    }
}

}  // namespace calc
