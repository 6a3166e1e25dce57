#include "turning/ShaftTaperScreen.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "TurningDrawing.h"
#include "calc/Domain.h"
#include "calc/Numeric.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/Twips.h"
#include "turning/ShaftTaper.h"

namespace calc {

namespace {

using V = TaperValue;
const QString kLineBreak = QStringLiteral("\n\r");
constexpr const char* kSection = "ShaftTaper";
constexpr const char* kPerSideLimit =
    QT_TRANSLATE_NOOP("calc::frmShaftTaperV74", "The angle per side must be less than 90 degrees.");
constexpr const char* kIncludedLimit = QT_TRANSLATE_NOOP(
    "calc::frmShaftTaperV74", "The included angle must be less than 180 degrees.");
constexpr const char* kNoTaper =
    QT_TRANSLATE_NOOP("calc::frmShaftTaperV74",
                      "Large and small diameters are equal: there is no taper to calculate.");

// The diagram (twips).
constexpr int kPicX = 120, kPicY = 780, kPicW = 5170, kPicH = 2400;

const char* ZeroMessage(V v) {
    switch (v) {
        case V::Taper:
            return QT_TRANSLATE_NOOP("calc::frmShaftTaperV74",
                                     "The taper must be greater than zero.");
        case V::Large:
            return QT_TRANSLATE_NOOP("calc::frmShaftTaperV74",
                                     "The large diameter must be greater than zero.");
        case V::Length:
            return QT_TRANSLATE_NOOP("calc::frmShaftTaperV74",
                                     "The length must be greater than zero.");
        case V::Included:
            return QT_TRANSLATE_NOOP("calc::frmShaftTaperV74",
                                     "The included angle must be greater than zero.");
        case V::PerSide:
            return QT_TRANSLATE_NOOP("calc::frmShaftTaperV74",
                                     "The angle per side must be greater than zero.");
        case V::Small:
            break;
    }
    return "";
}

}  // namespace

frmShaftTaperV74::frmShaftTaperV74(CalcEnv& env, QWidget* parent)
    : CalcScreen(env,
                 {"frmShaftTaperV74", tr("Shaft Tapers"), tr("Taper"), 5410, 7810,
                  "html\\ShaftTaper.htm", "DecPlaces", kSection},
                 parent) {
    auto* hint = AddLabel("Label1", tr("Insert three values to calculate the other three."), 720,
                          450, 4500, 285);
    hint->setWordWrap(true);

    struct Row {
        V value;
        const char* box;
        const char* field;
        const char* caption;
        int top;
    };
    const Row rows[] = {
        {V::Taper, "txtTaperPerFoot", "lblTaperPerFoot", QT_TR_NOOP("Taper per Foot:"), 3360},
        {V::Large, "txtLargeDia", "lblLargeDia", QT_TR_NOOP("Large Dia, D:"), 3840},
        {V::Small, "txtSmallDia", "lblSmallDia", QT_TR_NOOP("Small Dia, d:"), 4200},
        {V::Length, "txtLength", "lblLength", QT_TR_NOOP("Length, L:"), 4680},
        {V::Included, "txtIncludedAngle", "lblIncludedAngle", QT_TR_NOOP("Included Angle:"), 5160},
        {V::PerSide, "txtAnglePerSide", "lblAnglePerSide", QT_TR_NOOP("Angle per Side:"), 5520},
    };
    for (const Row& row : rows) {
        QLabel* caption = AddCaption(QString(row.field).replace("lbl", "lblCap"), tr(row.caption),
                                     240, row.top + 15, 2220);
        if (row.value == V::Taper) {
            caption->setObjectName("lblTaper");
            lblTaper_ = caption;
        }
        slots_[row.value] = AddValueSlot(row.box, row.field, 2520, row.top,
                                         [this, v = row.value] { return LeaveBox(v); });
    }
    AddCaption("Label2", tr("Decimal places"), 240, 6030, 2220);
    AddDecimalPlacesBox(2520, 6015);

    AddCommand(Command::Calculate, 4080, 3240, 1095, 1095);
    AddCommand(Command::Reset, 4080, 4380, 1095, 1095);
    AddCommand(Command::InchMetric, 4080, 5520, 1215, 1215);
    AddCommand(Command::Print, 120, 6480, 1215, 1215);
    AddCommand(Command::AngleConversion, 1440, 6480, 1215, 1215);
    AddCalculatorPicture(2760, 6480, 1215, 1215);

    SetLengthRule({.skipsEmpty = true});
    // The unit system the screen was closed in, then the last switch made.
    ShowUnitsOn(CommandButtonFor(Command::InchMetric)->Caption());
    KeepUnitsUnder(
        {{kSection, "InchOrMetric", SystemCaptions(), UnitSetting::Written::OnClose},
         {"InchMetric", kSection, OptionCaptions(), UnitSetting::Written::OnSwitch, true}});
    if (Metric()) lblTaper_->setText(tr("Ratio:"));
}

double frmShaftTaperV74::Entry(V v) const {
    return ParseEntryText(Env(), S(slots_[v].box->text()));
}

double frmShaftTaperV74::TaperRead(const QString& text) const {
    return ParseTaperEntry(Env(), S(text), S(slots_[V::Taper].box->text()),
                           Metric() ? kMetricSystemCaption : kInchSystemCaption);
}

double frmShaftTaperV74::TaperBox() const {
    return TaperRead(slots_[V::Taper].box->text());
}

double frmShaftTaperV74::TaperField() const {
    return TaperRead(slots_[V::Taper].field->text());
}

void frmShaftTaperV74::ShowResult(V v, const QString& text) {
    auto& slot = slots_[v];
    slot.field->setText(text);
    slot.field->show();
    slot.box->hide();
}

void frmShaftTaperV74::MarkResult(V v) {
    slots_[v].box->hide();
    slots_[v].field->show();
}

void frmShaftTaperV74::ShowAngles(double anglePerSide) {
    angle_ = anglePerSide;
    ShowResult(V::PerSide, Format(anglePerSide));
    ShowResult(V::Included, Format(2 * anglePerSide));
}

bool frmShaftTaperV74::DeriveTaper(double anglePerSide) {
    auto& taper = slots_[V::Taper];
    if (Metric()) {
        // The ratio is formatted once: x = tan(90 - a) / 2.
        const auto x = MetricRatioFromAngle(anglePerSide);
        if (!x) return false;
        ShowResult(V::Taper, "1:" + Format(*x));
    } else {
        const auto tpf = TaperPerFootFromAngle(anglePerSide);
        if (!tpf) return false;
        ShowResult(V::Taper, Format(*tpf));
    }
    taper.box->setText(taper.field->text());
    return true;
}

void frmShaftTaperV74::Refuse(V v, const char* message) {
    if (message && *message) Env().messages.ShowMessage(S(tr(message)), kAppTitle, MsgIcon::None);
    slots_[v].box->clear();
}

bool frmShaftTaperV74::LeaveBox(V v) {
    QLineEdit* box = slots_[v].box;
    if (box->text().isEmpty()) return true;
    const double value = v == V::Taper ? TaperBox() : Entry(v);
    if (value == -1) {
        Refuse(v);
        return false;
    }
    if (value == 0 && v != V::Small) {
        // The taper reader gives 0 after its own message for a ratio in the wrong system;
        // a typed zero gets one here.
        const std::string text = S(box->text());
        const bool typedZero = v != V::Taper || (!Metric() && IsNumberOrFraction(text));
        Refuse(v, typedZero ? ZeroMessage(v) : nullptr);
        return false;
    }
    // A negative taper (the reader has said so) is refused like any bad entry.
    if (value < 0) {
        Refuse(v);
        return false;
    }
    if (v == V::PerSide && value >= kMaxAnglePerSide) {
        Refuse(v, kPerSideLimit);
        return false;
    }
    if (v == V::Included && value >= kMaxIncludedAngle) {
        Refuse(v, kIncludedLimit);
        return false;
    }

    switch (v) {
        case V::PerSide:
        case V::Included: {
            const double a = v == V::PerSide ? value : value / 2;
            const V other = v == V::PerSide ? V::Included : V::PerSide;
            slots_[v].field->setText(box->text());
            angle_ = a;
            slots_[other].box->hide();
            slots_[V::Taper].box->hide();
            slots_[other].field->show();
            slots_[V::Taper].field->show();
            slots_[other].field->setText(Format(v == V::PerSide ? 2 * a : a));
            DeriveTaper(a);
            break;
        }
        case V::Taper:
            ShowAngles(Metric() ? AngleFromMetricTaper(value) : AngleFromTaperPerFoot(value));
            break;
        default:
            break;
    }
    MarkFrom(v);
    return true;
}

void frmShaftTaperV74::MarkFrom(V left) {
    auto above = [this](V v) { return Entry(v) > 0; };
    const bool D = above(V::Large), L = above(V::Length);
    const bool d = left == V::Small ? Entry(V::Small) >= 0 : above(V::Small);
    const bool isAngle = left == V::Included || left == V::PerSide;
    bool taper = TaperField() > 0;
    if (!isAngle && left != V::Taper) taper = taper || TaperBox() > 0;
    auto markAngles = [this] {
        MarkResult(V::Included);
        MarkResult(V::PerSide);
    };
    auto mark = [&](V value) {
        MarkResult(value);
        markAngles();
    };
    const bool dim = left == V::Large || left == V::Small || left == V::Length;
    if (dim) {
        if (D && d && L) mark(V::Taper);
        if ((left == V::Large || left == V::Small) && D && d && taper) mark(V::Length);
        if ((left == V::Large || left == V::Length) && D && L && taper) mark(V::Small);
        if ((left == V::Small || left == V::Length) && d && L && taper) mark(V::Large);
    } else if (left == V::Taper) {
        if (D && d) mark(V::Length);
        if (D && L) mark(V::Small);
        if (L && d) mark(V::Large);
    } else if (isAngle) {
        const V other = left == V::PerSide ? V::Included : V::PerSide;
        auto markWith = [&](V value) {
            MarkResult(value);
            MarkResult(other);
        };
        if (D && d) markWith(V::Length);
        if (D && L) markWith(V::Small);
        if (L && d) markWith(V::Large);
    }
}

void frmShaftTaperV74::GetAngles() {
    ShowAngles(AngleFromTaperPerFoot(TaperField()));
}

void frmShaftTaperV74::GetMetricAngles() {
    const double D = ParseNumberText(S(slots_[V::Large].box->text()));
    const double d = ParseNumberText(S(slots_[V::Small].box->text()));
    const double L = ParseNumberText(S(slots_[V::Length].box->text()));
    const auto a = AngleFromDimensions(D, d, L);
    if (!a) {
        ShowNotCalculable(Env(), S(tr("Angle per side")));
        return;
    }
    ShowAngles(*a);
}

void frmShaftTaperV74::Calculate() {
    if (Metric())
        CalculateMetric();
    else
        CalculateInch();
}

bool frmShaftTaperV74::CalculateInch() {
    auto& small = slots_[V::Small];
    if (!small.box->isHidden() && small.box->text().isEmpty()) small.box->setText("0");
    auto D = [this] { return Entry(V::Large); };
    auto d = [this] { return Entry(V::Small); };
    auto L = [this] { return Entry(V::Length); };
    auto& taper = slots_[V::Taper];
    if (taper.box->text().isEmpty() && D() > 0 && d() >= 0 && L() > 0) {
        const auto tpf = TaperPerFoot(D(), d(), L());
        if (!tpf) {
            Env().messages.ShowMessage(S(tr(kNoTaper)), kAppTitle, MsgIcon::None);
            return false;
        }
        taper.field->setText(Format(*tpf));
        taper.field->show();
        taper.box->setText(taper.field->text());
        GetAngles();
        return true;
    }
    // Steps with the taper from the box, then again with the taper from the field.
    for (int pass = 0; pass < 2; ++pass) {
        auto taperAbove = [&] { return (pass == 0 ? TaperBox() : TaperField()) > 0; };
        auto T = [&] {
            return ParseEntryText(Env(), S(pass == 0 ? taper.box->text() : taper.field->text()));
        };
        if (taperAbove() && D() > 0 && d() >= 0) {
            const auto length = LengthFromTaperPerFoot(D(), d(), T());
            if (!length) {
                ShowNotCalculable(Env(), S(tr("Length")));
                return false;
            }
            ShowResult(V::Length, Format(*length));
        }
        if (taperAbove() && L() > 0 && d() >= 0)
            ShowResult(V::Large, Format(LargeFromTaperPerFoot(L(), d(), T())));
        if (taperAbove() && L() > 0 && D() > 0) {
            ShowResult(V::Small, Format(SmallFromTaperPerFoot(D(), L(), T())));
            if (pass == 0) {
                slots_[V::Length].box->show();
                slots_[V::Large].box->show();
                return true;
            }
        }
    }
    if (!(TaperField() > 0)) {
        taper.field->setText(taper.box->text());
        GetAngles();
    }
    return true;
}

bool frmShaftTaperV74::CalculateMetric() {
    auto& small = slots_[V::Small];
    if (small.box->text().isEmpty()) small.box->setText("0");
    auto D = [this] { return Entry(V::Large); };
    auto d = [this] { return Entry(V::Small); };
    auto L = [this] { return Entry(V::Length); };
    auto number = [this](V v) { return ParseNumberText(S(slots_[v].box->text())); };
    auto& taper = slots_[V::Taper];
    if (taper.box->text().isEmpty() && D() > 0 && d() >= 0 && L() > 0) {
        const auto x = MetricRatio(D(), d(), L());
        if (!x) {
            Env().messages.ShowMessage(S(tr(kNoTaper)), kAppTitle, MsgIcon::None);
            return false;
        }
        taper.field->setText("1:" + Format(*x));
        taper.box->setText(taper.field->text());
        GetMetricAngles();
    }
    if (TaperBox() > 0 && D() > 0 && d() >= 0) {
        const auto length = LengthFromAngle(number(V::Large), number(V::Small), angle_);
        if (!length) {
            ShowNotCalculable(Env(), S(tr("Length")));
            return false;
        }
        ShowResult(V::Length, Format(*length));
    }
    if (TaperBox() > 0 && L() > 0 && d() >= 0) {
        const auto large = LargeFromAngle(L(), d(), angle_);
        if (!large) {
            ShowNotCalculable(Env(), S(tr("Large Dia")));
            return false;
        }
        ShowResult(V::Large, Format(*large));
    }
    if (TaperBox() > 0 && L() > 0 && D() > 0) {
        const auto smallDia = SmallFromAngle(D(), L(), angle_);
        if (!smallDia) {
            ShowNotCalculable(Env(), S(tr("Small Dia")));
            return false;
        }
        ShowResult(V::Small, Format(*smallDia));
        slots_[V::Length].box->show();
        slots_[V::Large].box->show();
    }
    return true;
}

QList<QWidget*> frmShaftTaperV74::LengthSlots() const {
    QList<QWidget*> lengths;
    for (V v : {V::Large, V::Small, V::Length}) lengths << slots_[v].box << slots_[v].field;
    return lengths;
}

bool frmShaftTaperV74::ConvertUnits(UnitSystem units) {
    return units == UnitSystem::Metric ? ToMetric() : ToInch();
}

bool frmShaftTaperV74::ToMetric() {
    auto& taper = slots_[V::Taper];
    if (!ConvertFields(LengthSlots(), kMmPerInch)) return false;
    taper.box->setText(Q(DoubleToText15(ParseEntryText(Env(), S(taper.box->text())))));
    if (taper.box->text() == "0") taper.box->clear();
    if (TaperBox() > 0) {
        if (const auto x = RatioFromTaperPerFoot(TaperBox())) taper.box->setText("1:" + Format(*x));
    }
    const double fieldTaper = ParseEntryText(Env(), S(taper.field->text()));
    if (fieldTaper > 0) {
        if (const auto x = RatioFromTaperPerFoot(fieldTaper))
            taper.field->setText("1:" + Format(*x));
    }
    lblTaper_->setText(tr("Ratio:"));
    return true;
}

bool frmShaftTaperV74::ToInch() {
    if (!ConvertFields(LengthSlots(), kInchPerMm)) return false;
    lblTaper_->setText(tr("Taper per foot:"));
    auto& taper = slots_[V::Taper];
    if (taper.box->text() == "0") taper.box->clear();
    // A ratio that cannot be read is emptied; everything else still converts, so the
    // caption and the values always agree.
    auto toTaperPerFoot = [this](const QString& ratio) -> std::optional<double> {
        const double x = ParseRatio(Env(), S(ratio));
        if (!(x > 0)) return std::nullopt;
        return TaperPerFootFromRatio(x);
    };
    if (!taper.box->text().isEmpty()) {
        const auto tpf = toTaperPerFoot(taper.box->text());
        if (tpf)
            taper.box->setText(Format(*tpf));
        else
            taper.box->clear();
    }
    if (!taper.field->text().isEmpty()) {
        const auto tpf = toTaperPerFoot(taper.field->text());
        if (tpf)
            taper.field->setText(Format(*tpf));
        else
            taper.field->clear();
    }
    return true;
}

void frmShaftTaperV74::Reset() {
    slots_.Reset();
}

QString frmShaftTaperV74::PrintValue(V v) const {
    const auto& slot = slots_[v];
    double typed = 0;
    if (v == V::Taper)
        typed = Metric() ? TaperBox() : Entry(V::Taper);
    else
        typed = Entry(v);
    return typed > 0 ? slot.box->text() : slot.field->text();
}

QString frmShaftTaperV74::PrintText() const {
    const QString inch = "\"", degree = QString::fromUtf8("\u00b0");
    QString text = kLineBreak.repeated(8);
    if (!Metric()) {
        text += kLineBreak + tr("Taper per foot") + ": " + PrintValue(V::Taper) + inch;
        text += kLineBreak + tr("Large diameter: ") + PrintValue(V::Large) + inch;
        text += kLineBreak + tr("Small diameter: ") + PrintValue(V::Small) + inch;
        text += kLineBreak + tr("Length: ") + PrintValue(V::Length) + inch;
    } else {
        text += kLineBreak + tr("Taper Ratio") + "= " + PrintValue(V::Taper);
        text += kLineBreak + tr("Large diameter: ") + PrintValue(V::Large) + "mm";
        text += kLineBreak + tr("Small diameter: ") + PrintValue(V::Small) + "mm";
        text += kLineBreak + tr("Length: ") + PrintValue(V::Length) + "mm";
    }
    text += kLineBreak + tr("Included angle") + ": " + PrintValue(V::Included) + degree;
    text += kLineBreak + tr("Angle per side") + ": " + PrintValue(V::PerSide) + degree;
    return text;
}

PrintPicture frmShaftTaperV74::PrintDiagram() const {
    const QSize size = TwSize(kPicW, kPicH);
    return {size, [size](QPainter& p) { PaintDiagram(p, QSizeF(size)); }};
}

void frmShaftTaperV74::PaintBackground(QPainter& p) {
    drawing::PaintInto(p, TwRect(kPicX, kPicY, kPicW, kPicH), &frmShaftTaperV74::PaintDiagram);
}

void frmShaftTaperV74::PaintDiagram(QPainter& p, const QSizeF& size) {
    using namespace drawing;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    PaperFrame(p, size);

    const double w = size.width(), h = size.height();
    const double axisY = h * 0.46;
    const double bigX = w * 0.2, smallX = w * 0.6;
    const double bigR = h * 0.32, smallR = h * 0.12;
    // The part: a stub of the large diameter, the taper, a stub of the small diameter.
    QPainterPath part;
    part.moveTo(bigX - 34, axisY - bigR);
    part.lineTo(bigX, axisY - bigR);
    part.lineTo(smallX, axisY - smallR);
    part.lineTo(smallX + 20, axisY - smallR);
    part.lineTo(smallX + 20, axisY + smallR);
    part.lineTo(smallX, axisY + smallR);
    part.lineTo(bigX, axisY + bigR);
    part.lineTo(bigX - 34, axisY + bigR);
    part.closeSubpath();
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(kMetal);
    p.drawPath(part);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(bigX, axisY - bigR), QPointF(bigX, axisY + bigR));
    p.drawLine(QPointF(smallX, axisY - smallR), QPointF(smallX, axisY + smallR));
    // Break lines on the stubs.
    p.setPen(QPen(kInk, 1, Qt::DashLine));
    p.drawLine(QPointF(bigX - 34, axisY - bigR), QPointF(bigX - 34, axisY + bigR));
    CentreLine(p, QPointF(bigX - 44, axisY), QPointF(w - 10, axisY));

    // The flanks carried on to the apex, where the included angle is.
    const double slope = (bigR - smallR) / (smallX - bigX);
    const double apexX = smallX + smallR / slope;
    ExtensionLine(p, QPointF(smallX, axisY - smallR), QPointF(apexX, axisY), kInk);
    ExtensionLine(p, QPointF(smallX, axisY + smallR), QPointF(apexX, axisY), kInk);
    const double half = std::atan(slope) * 180 / kPi;
    p.setPen(QPen(kDimension, 1));
    const double arcR = 22;
    p.drawArc(QRectF(apexX - arcR, axisY - arcR, 2 * arcR, 2 * arcR), int((180 - half) * 16),
              int(2 * half * 16));
    CentredText(p, QPointF(std::min(apexX - 10, w - 44.0), axisY - 28), tr("Included Angle"), 10,
                kDimension, true);

    // Angle per side: between the upper flank and a line parallel to the axis.
    ExtensionLine(p, QPointF(bigX, axisY - bigR), QPointF(bigX + 60, axisY - bigR));
    p.drawArc(QRectF(bigX - 48, axisY - bigR - 48, 96, 96), int(-half * 16), int(half * 16));

    // D and d across the ends, L along the axis.
    DimensionLine(p, QPointF(bigX - 16, axisY - bigR), QPointF(bigX - 16, axisY + bigR));
    CentredText(p, QPointF(bigX - 17, axisY - bigR - 10), tr("Large Dia."), 10, kDimension, true);
    CentredText(p, QPointF(bigX - 24, axisY - bigR * 0.3), "D", 11, kDimension, true);
    CentredText(p, QPointF(bigX + 54, axisY - bigR - 2), "a", 11, kDimension, true, true);
    DimensionLine(p, QPointF(smallX + 10, axisY - smallR), QPointF(smallX + 10, axisY + smallR));
    CentredText(p, QPointF(smallX + 18, axisY + smallR + 14), tr("Small Dia."), 10, kDimension,
                true);
    CentredText(p, QPointF(smallX + 3, axisY - smallR * 0.45), "d", 11, kDimension, true);
    const double lY = axisY + bigR + 18;
    ExtensionLine(p, QPointF(bigX, axisY + bigR + 2), QPointF(bigX, lY + 4));
    ExtensionLine(p, QPointF(smallX, axisY + smallR + 2), QPointF(smallX, lY + 4));
    DimensionLine(p, QPointF(bigX, lY), QPointF(smallX, lY));
    CentredText(p, QPointF((bigX + smallX) / 2, lY + 11), tr("Length  L"), 10, kDimension, true);
    p.restore();
}

}  // namespace calc
