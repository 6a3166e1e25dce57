#include "calc/ui/FrameWidgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "calc/ui/Twips.h"

namespace calc {

namespace {

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

QPixmap CalculatorPixmap(QSize size, bool pressed) {
    QPixmap pm(size);
    pm.fill(kButtonFace);
    QPainter painter(&pm);
    PaintCalculatorPicture(painter, QRectF(QPointF(0, 0), QSizeF(size)), pressed);
    return pm;
}

}  // namespace

PressLabel::PressLabel(QWidget* parent) : QLabel(parent) {}

PressLabel* MakeLabelCommand(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new PressLabel(parent);
    label->setObjectName(name);
    label->setText(text);
    label->setAlignment(Qt::AlignCenter);
    label->setFocusPolicy(Qt::TabFocus);
    label->setCursor(Qt::PointingHandCursor);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, kButtonFace);
    label->setPalette(p);
    SetTextColour(label, Qt::white);
    QObject::connect(label, &PressLabel::pressed, label,
                     [label] { SetTextColour(label, Qt::black); });
    QObject::connect(label, &PressLabel::released, label,
                     [label] { SetTextColour(label, Qt::white); });
    return label;
}

void BringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void ShowOwnedWindow(QWidget* window, bool modal) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(modal ? Qt::WindowModal : Qt::NonModal);
    BringToFront(window);
}

void PressLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    // A label reached with Tab shows that it has the keyboard.
    if (hasFocus()) {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void PressLabel::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button());
    event->accept();
}

void PressLabel::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->button());
    event->accept();
}

void PressLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        emit keyActivated();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

CommandFace::CommandFace(FaceDrawing drawing, QWidget* parent)
    : PressLabel(parent), drawing_(drawing) {
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void CommandFace::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor face = isEnabled() ? kButtonFace : QColor(150, 160, 170);
    painter.fillRect(rect(), face);
    // A light top-left and dark bottom-right edge give the raised picture look.
    painter.setPen(QPen(face.lighter(140), 1));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.setPen(QPen(face.darker(150), 1));
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
    const qreal drawHeight = height() * 0.62;
    PaintFaceDrawing(
        painter, drawing_,
        QRectF(width() * 0.18, height() * 0.08, width() * 0.64, drawHeight - height() * 0.08));
    if (hasFocus()) {
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void PaintFaceDrawing(QPainter& p, FaceDrawing drawing, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::white, std::max(1.5, r.width() / 28.0));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const qreal w = r.width(), h = r.height();
    const QPointF c = r.center();
    QFont font = p.font();
    auto text = [&](const QRectF& box, const QString& s, qreal px, bool bold = true) {
        QFont f = font;
        f.setPixelSize(std::max(6, static_cast<int>(px)));
        f.setBold(bold);
        p.setFont(f);
        p.drawText(box, Qt::AlignCenter, s);
    };
    switch (drawing) {
        case FaceDrawing::Calculate: {
            // Pocket calculator: display and a grid of keys, "=" lit.
            QRectF body(c.x() - h * 0.38, r.top(), h * 0.76, h);
            p.drawRoundedRect(body, 3, 3);
            QRectF display(body.left() + body.width() * 0.15, body.top() + h * 0.1,
                           body.width() * 0.7, h * 0.2);
            p.drawRect(display);
            p.setBrush(Qt::white);
            for (int row = 0; row < 3; ++row)
                for (int col = 0; col < 3; ++col) {
                    QRectF key(body.left() + body.width() * (0.15 + col * 0.25),
                               body.top() + h * (0.42 + row * 0.18), body.width() * 0.16, h * 0.1);
                    p.drawRect(key);
                }
            break;
        }
        case FaceDrawing::Reset: {
            const qreal rad = std::min(w, h) * 0.4;
            QRectF circle(c.x() - rad, c.y() - rad, 2 * rad, 2 * rad);
            p.drawArc(circle, 60 * 16, 290 * 16);
            const qreal a = 60 * M_PI / 180;
            QPointF tip(c.x() + rad * std::cos(a), c.y() - rad * std::sin(a));
            p.drawLine(tip, tip + QPointF(-rad * 0.55, -rad * 0.05));
            p.drawLine(tip, tip + QPointF(rad * 0.1, rad * 0.55));
            break;
        }
        case FaceDrawing::Print: {
            QRectF paper(c.x() - w * 0.22, r.top(), w * 0.44, h * 0.35);
            p.drawRect(paper);
            QRectF body(r.left() + w * 0.05, r.top() + h * 0.35, w * 0.9, h * 0.4);
            p.drawRoundedRect(body, 3, 3);
            QRectF out(c.x() - w * 0.28, r.top() + h * 0.62, w * 0.56, h * 0.38);
            p.setBrush(kButtonFace);
            p.drawRect(out);
            p.drawLine(QPointF(out.left() + 4, out.top() + h * 0.14),
                       QPointF(out.right() - 4, out.top() + h * 0.14));
            p.drawLine(QPointF(out.left() + 4, out.top() + h * 0.26),
                       QPointF(out.right() - 8, out.top() + h * 0.26));
            break;
        }
        case FaceDrawing::Help:
            text(r, "?", h * 1.0);
            break;
        case FaceDrawing::Close: {
            const qreal rad = std::min(w, h) * 0.42;
            p.drawEllipse(c, rad, rad);
            const qreal d = rad * 0.5;
            p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
            p.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
            break;
        }
        case FaceDrawing::InchToMm:
        case FaceDrawing::MmToInch:
        case FaceDrawing::InchMetric: {
            // A rule with ticks, and the direction of the conversion above it.
            QRectF rule(r.left(), r.top() + h * 0.55, w, h * 0.35);
            p.drawRect(rule);
            for (int i = 1; i < 10; ++i) {
                const qreal x = rule.left() + rule.width() * i / 10.0;
                const qreal len = (i % 5 == 0) ? rule.height() * 0.6 : rule.height() * 0.35;
                p.drawLine(QPointF(x, rule.top()), QPointF(x, rule.top() + len));
            }
            const QString label = drawing == FaceDrawing::InchToMm   ? QString::fromUtf8("in→mm")
                                  : drawing == FaceDrawing::MmToInch ? QString::fromUtf8("mm→in")
                                                                     : QString("in | mm");
            text(QRectF(r.left() - w * 0.1, r.top(), w * 1.2, h * 0.5), label, h * 0.36);
            break;
        }
        case FaceDrawing::AngleConversion: {
            QPointF origin(r.left() + w * 0.1, r.bottom() - h * 0.05);
            p.drawLine(origin, QPointF(r.right(), origin.y()));
            p.drawLine(origin, origin + QPointF(w * 0.75, -h * 0.85));
            const qreal rad = w * 0.45;
            QRectF arc(origin.x() - rad, origin.y() - rad, 2 * rad, 2 * rad);
            p.drawArc(arc, 0, 48 * 16);
            text(QRectF(r.left() + w * 0.5, r.top(), w * 0.5, h * 0.5), QString::fromUtf8("°"),
                 h * 0.6);
            break;
        }
        case FaceDrawing::Copy: {
            QRectF back(r.left() + w * 0.15, r.top(), w * 0.5, h * 0.7);
            p.drawRect(back);
            QRectF front(r.left() + w * 0.35, r.top() + h * 0.3, w * 0.5, h * 0.7);
            p.setBrush(kButtonFace);
            p.drawRect(front);
            for (int i = 1; i <= 3; ++i)
                p.drawLine(QPointF(front.left() + 4, front.top() + front.height() * i / 4.5),
                           QPointF(front.right() - 4, front.top() + front.height() * i / 4.5));
            break;
        }
        case FaceDrawing::Blank:
            break;
    }
    p.restore();
}

CommandButton::CommandButton(QWidget* parent, const QString& baseName, const QString& caption,
                             FaceDrawing drawing, const QRect& faceRect)
    : QObject(parent) {
    setObjectName(baseName);
    face_ = new CommandFace(drawing, parent);
    face_->setObjectName(baseName + "1");
    face_->setGeometry(faceRect);
    face_->setToolTip(QString(caption).replace('\n', ' '));
    face_->setAccessibleName(QString(caption).replace('\n', ' '));

    caption_ = new PressLabel(parent);
    caption_->setObjectName(baseName + "2");
    caption_->setText(caption);
    caption_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    caption_->setWordWrap(true);
    QFont f = caption_->font();
    f.setBold(true);
    f.setPixelSize(9);
    caption_->setFont(f);
    SetTextColour(caption_, Qt::white);
    caption_->setAttribute(Qt::WA_TranslucentBackground);
    // A wide flat face without a drawing (a bar) is all caption.
    const bool bar = drawing == FaceDrawing::Blank && faceRect.height() * 2 < faceRect.width();
    const int top = bar ? faceRect.top() + 1 : faceRect.top() + faceRect.height() * 62 / 100;
    caption_->setGeometry(faceRect.left() + 1, top, faceRect.width() - 2,
                          faceRect.bottom() - top - 1);
    FitCaption();
    caption_->setCursor(Qt::PointingHandCursor);
    caption_->raise();

    for (PressLabel* half : {static_cast<PressLabel*>(face_), caption_}) {
        connect(half, &PressLabel::pressed, this, &CommandButton::OnPress);
        connect(half, &PressLabel::released, this, &CommandButton::OnRelease);
    }
    connect(face_, &PressLabel::keyActivated, this, &CommandButton::triggered);
}

void CommandButton::FitCaption() {
    // A long word in a small face (CONVERSION) would be cut: the type gets a little smaller;
    // a caption still too long for the strip under the drawing takes the whole face.
    const QFont original = caption_->font();
    auto fitsAt = [this](QFont& f, int smallest) {
        const QRect room = caption_->contentsRect();
        for (int px = f.pixelSize(); px >= smallest; --px) {
            f.setPixelSize(px);
            const QRect need = QFontMetrics(f).boundingRect(
                room, Qt::AlignCenter | Qt::TextWordWrap, caption_->text());
            if (need.width() <= room.width() && need.height() <= room.height()) return true;
        }
        return false;
    };
    QFont f = original;
    if (!fitsAt(f, 8)) {
        caption_->setGeometry(face_->geometry().adjusted(1, 1, -1, -1));
        f = original;
        fitsAt(f, 6);
    }
    caption_->setFont(f);
}

bool CommandButton::CaptionFits() const {
    const QRect room = caption_->contentsRect();
    const QRect need = caption_->fontMetrics().boundingRect(
        room, Qt::AlignCenter | Qt::TextWordWrap, caption_->text());
    return need.width() <= room.width() && need.height() <= room.height();
}

void CommandButton::SetShortcutText(const QString& keys) {
    const QString name = QString(caption_->text()).replace('\n', ' ');
    const QString tip = keys.isEmpty() ? name : name + " (" + keys + ")";
    for (QWidget* half : {static_cast<QWidget*>(face_), static_cast<QWidget*>(caption_)}) {
        half->setToolTip(tip);
        half->setAccessibleName(name);
        half->setAccessibleDescription(tip);
    }
}

void CommandButton::Trigger() {
    if (face_->isVisible() && face_->isEnabled()) emit triggered();
}

void CommandButton::OnPress() {
    SetTextColour(caption_, Qt::black);
}

void CommandButton::OnRelease() {
    SetTextColour(caption_, Qt::white);
    emit triggered();
}

void CommandButton::SetVisible(bool visible) {
    face_->setVisible(visible);
    caption_->setVisible(visible);
}

void CommandButton::SetEnabled(bool enabled) {
    face_->setEnabled(enabled);
    caption_->setEnabled(enabled);
}

MarkLabel::MarkLabel(const QString& objectName, const QString& text, const QColor& background,
                     QWidget* parent)
    : PressLabel(parent) {
    setObjectName(objectName);
    setText(text);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(13);
    setFont(f);
    // The marks show no focus; their keys are F1 and Esc.
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    connect(this, &PressLabel::pressed, this, [this] { SetTextColour(this, Qt::white); });
    connect(this, &PressLabel::released, this, [this] {
        SetTextColour(this, Qt::black);
        emit triggered();
    });
    connect(this, &PressLabel::keyActivated, this, &MarkLabel::triggered);
}

TitleStrip::TitleStrip(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setObjectName("lblTitle");
    setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    setIndent(8);
    QFont f = font();
    f.setBold(true);
    setFont(f);
}

void TitleStrip::mousePressEvent(QMouseEvent* event) {
    grab_ = event->position().toPoint();
    systemMove_ = false;
    // The window manager moves the window where it can (Wayland allows nothing else).
    if (event->button() == Qt::LeftButton && window()->windowHandle())
        systemMove_ = window()->windowHandle()->startSystemMove();
    event->accept();
}

void TitleStrip::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() != Qt::LeftButton || systemMove_) return;
    QWidget* w = window();
    const QPoint pos = event->position().toPoint();
    w->move(w->x() + pos.x() - grab_.x(), w->y() + pos.y() - grab_.y());
    event->accept();
}

CalculatorPicture::CalculatorPicture(QWidget* parent, const QRect& rect) : QObject(parent) {
    auto makePic = [&](const QString& name, bool pressedLook, bool visible) {
        auto* pic = new QLabel(parent);
        pic->setObjectName(name);
        pic->setGeometry(rect);
        pic->setAutoFillBackground(true);
        QPalette p = pic->palette();
        p.setColor(QPalette::Window, kButtonFace);
        pic->setPalette(p);
        pic->setPixmap(CalculatorPixmap(rect.size(), pressedLook));
        pic->setVisible(visible);
        return pic;
    };
    pic1_ = makePic("PicRechner1", false, true);
    pic2_ = makePic("PicRechner2", true, false);
    pic3_ = makePic("PicRechner3", false, false);
    label_ = new PressLabel(parent);
    label_->setObjectName("lblRechner1");
    label_->setGeometry(rect);
    label_->setToolTip(tr("Start the desktop calculator"));
    label_->setAccessibleName(tr("Desktop calculator"));
    label_->setFocusPolicy(Qt::NoFocus);
    label_->setCursor(Qt::PointingHandCursor);
    label_->raise();
    connect(label_, &PressLabel::pressed, this, [this] {
        if (!pressed_) Swap();
    });
    connect(label_, &PressLabel::released, this, [this] {
        if (pressed_) Swap();
        emit triggered();
    });
    connect(label_, &PressLabel::keyActivated, this, &CalculatorPicture::triggered);
}

void CalculatorPicture::Swap() {
    // PicRechner3 holds one picture while the other two trade places.
    pic3_->setPixmap(pic1_->pixmap());
    pic1_->setPixmap(pic2_->pixmap());
    pic2_->setPixmap(pic3_->pixmap());
    pressed_ = !pressed_;
}

void PaintCalculatorPicture(QPainter& p, const QRectF& area, bool pressed) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = area.adjusted(area.width() * 0.2, area.height() * 0.1, -area.width() * 0.2,
                                   -area.height() * 0.1)
                         .translated(pressed ? 2 : 0, pressed ? 2 : 0);
    if (!pressed) p.fillRect(r.translated(3, 3), QColor(20, 50, 80));
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.setBrush(pressed ? QColor(200, 200, 190) : QColor(235, 235, 225));
    p.drawRoundedRect(r, 4, 4);
    QRectF display(r.left() + r.width() * 0.12, r.top() + r.height() * 0.08, r.width() * 0.76,
                   r.height() * 0.2);
    p.setBrush(QColor(170, 200, 160));
    p.drawRect(display);
    QFont f = p.font();
    f.setPixelSize(std::max(6, static_cast<int>(display.height() * 0.75)));
    p.setFont(f);
    p.drawText(display.adjusted(2, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter, "25.4");
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) {
            QRectF key(r.left() + r.width() * (0.12 + col * 0.2),
                       r.top() + r.height() * (0.36 + row * 0.15), r.width() * 0.16,
                       r.height() * 0.11);
            p.setBrush(col == 3 ? QColor(220, 120, 60) : QColor(90, 90, 100));
            p.setPen(Qt::NoPen);
            p.drawRoundedRect(key, 1.5, 1.5);
        }
    p.restore();
}

void FilledArrowHead(QPainter& p, QPointF tip, QPointF direction, const QColor& colour,
                     double length, double halfWidth) {
    const double norm = std::hypot(direction.x(), direction.y());
    if (norm == 0) return;
    const QPointF u(direction.x() / norm, direction.y() / norm);
    const QPointF n(-u.y(), u.x());
    const QPointF base = tip - u * length;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({tip, base + n * halfWidth, base - n * halfWidth}));
    p.restore();
}

void DrawArrowHead(QPainter& painter, const QString& direction, QPointF tip) {
    qreal dx1, dy1, dx2, dy2;
    if (direction == "top") {
        dx1 = 58, dy1 = 100, dx2 = -58, dy2 = 100;
    } else if (direction == "bottom") {
        dx1 = 58, dy1 = -100, dx2 = -58, dy2 = -100;
    } else if (direction == "left") {
        dx1 = 100, dy1 = -58, dx2 = 100, dy2 = 58;
    } else if (direction == "right") {
        dx1 = -100, dy1 = 58, dx2 = -100, dy2 = -58;
    } else {
        return;
    }
    const qreal k = 1.0 / kTwipsPerPixel;
    const QPointF t(tip.x() * k, tip.y() * k);
    painter.drawLine(t, QPointF((tip.x() + dx1) * k, (tip.y() + dy1) * k));
    painter.drawLine(t, QPointF((tip.x() + dx2) * k, (tip.y() + dy2) * k));
}

}  // namespace calc
