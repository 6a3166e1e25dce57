#include "calc/ui/MainMenu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <cstdlib>

#include "calc/LocalText.h"
#include "calc/ui/CalcScreen.h"
#include "calc/ui/FrameWidgets.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/SystemPrograms.h"
#include "calc/ui/Twips.h"
#include "common/HelpWindow.h"
#include "common/ScreenFit.h"

namespace calc {

namespace {

void SetColours(QWidget* w, const QColor& back, const QColor& text) {
    w->setAutoFillBackground(back.isValid());
    QPalette p = w->palette();
    if (back.isValid()) p.setColor(QPalette::Window, back);
    p.setColor(QPalette::WindowText, text);
    w->setPalette(p);
}

void CentreOnDisplay(QWidget* w) {
    const QScreen* display = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!display) return;
    const QRect area = display->geometry();
    w->move(area.x() + (area.width() - w->width()) / 2,
            area.y() + (area.height() - w->height()) / 2);
}

}  // namespace

const QList<MenuItem>& MenuItems() {
    static const QList<MenuItem> items = {
        {"picSpeedFeed", QT_TRANSLATE_NOOP("calc::MenuItem", "MACHINING CALCULATIONS"),
         QT_TRANSLATE_NOOP("calc::MenuItem",
                           "Click to calculate speeds and feeds, access drill charts, etc.")},
        {"picRAtrig", QT_TRANSLATE_NOOP("calc::MenuItem", "RIGHT ANGLE TRIGONOMETRY"),
         QT_TRANSLATE_NOOP("calc::MenuItem", "Click to solve right angle triangle problems.")},
        {"picOBtrig", QT_TRANSLATE_NOOP("calc::MenuItem", "OBLIQUE TRIGONOMETRY"),
         QT_TRANSLATE_NOOP("calc::MenuItem", "Click to resolve oblique triangle problems.")},
        {"picBoltCircle", QT_TRANSLATE_NOOP("calc::MenuItem", "BOLT CIRCLE"),
         QT_TRANSLATE_NOOP("calc::MenuItem",
                           "Click to generate X-Y coordinates for bolt circles.")},
        {"picSurfFin", QT_TRANSLATE_NOOP("calc::MenuItem", "SURFACE FINISH"),
         QT_TRANSLATE_NOOP("calc::MenuItem", "Click to calculate theoretical surface roughness.")},
        {"picKeyseat", QT_TRANSLATE_NOOP("calc::MenuItem", "KEYSEAT"),
         QT_TRANSLATE_NOOP("calc::MenuItem", "Click to measure keyseat depth.")},
        {"picPolygon", QT_TRANSLATE_NOOP("calc::MenuItem", "POLYGONS"),
         QT_TRANSLATE_NOOP("calc::MenuItem", "Click to calculate regular polygon values.")},
        {"picGrid", QT_TRANSLATE_NOOP("calc::MenuItem", "GRID PATTERN"),
         QT_TRANSLATE_NOOP("calc::MenuItem", "Click to generate grid pattern coordinates.")},
        {"picMeasureThread", QT_TRANSLATE_NOOP("calc::MenuItem", "MEASURE THREADS"),
         QT_TRANSLATE_NOOP("calc::MenuItem",
                           "Click to calculate three wire thread measuring values.")},
        {"picDovetail", QT_TRANSLATE_NOOP("calc::MenuItem", "DOVETAIL"),
         QT_TRANSLATE_NOOP("calc::MenuItem", "Click to calculate values for measuring dovetails.")},
        {"picTaper", QT_TRANSLATE_NOOP("calc::MenuItem", "TAPER"),
         QT_TRANSLATE_NOOP("calc::MenuItem", "Click to calculate taper turning measurements.")},
        {"picChord", QT_TRANSLATE_NOOP("calc::MenuItem", "CHORD GEOMETRY"),
         QT_TRANSLATE_NOOP("calc::MenuItem", "Click to calculate chord measurements.")},
    };
    return items;
}

QString MenuItem::DrawnText() const {
    return QCoreApplication::translate("calc::MenuItem", drawnName.toUtf8().constData());
}

QString MenuItem::ToolTipText() const {
    return QCoreApplication::translate("calc::MenuItem", toolTip.toUtf8().constData());
}

QString NotAvailableToolTip() {
    return QCoreApplication::translate("calc::MenuItem", "This screen is not available yet.");
}

MenuPicture::MenuPicture(const MenuItem& item, QWidget* parent) : QLabel(parent), item_(item) {
    setObjectName(item.pictureName);
    setToolTip(item.ToolTipText());
    setAccessibleName(item.DrawnText());
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void MenuPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double band = height() * 0.3;
    p.fillRect(rect(), Qt::white);
    PaintMenuDrawing(
        p, item_.pictureName,
        QRectF(width() * 0.12, height() * 0.06, width() * 0.76, height() - band - height() * 0.1)
            .translated(down_ ? 1 : 0, down_ ? 1 : 0));
    const QRectF bandRect(0, height() - band, width(), band);
    p.fillRect(bandRect, isEnabled() ? QColor(0, 70, 160) : QColor(130, 140, 150));
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(9);
    // Longer names (German compounds) get a smaller type rather than running out.
    const QRectF textRect = bandRect.adjusted(2, 1, -2, -1);
    const QString name = item_.DrawnText();
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    for (; f.pixelSize() > 6; f.setPixelSize(f.pixelSize() - 1)) {
        const QFontMetricsF metrics(f);
        double widest = 0;
        // A soft hyphen (U+00AD) marks where a compound may break.
        static const QRegularExpression breaks(QStringLiteral("[ \\x{00AD}]"));
        for (const QString& word : name.split(breaks, Qt::SkipEmptyParts))
            widest = std::max(widest, metrics.horizontalAdvance(word));
        if (widest <= textRect.width() &&
            metrics.boundingRect(textRect, flags, name).height() <= textRect.height())
            break;
    }
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(textRect, flags, name);
    if (!isEnabled()) p.fillRect(rect(), QColor(255, 255, 255, 110));
    p.setPen(QPen(hasFocus() ? QColor(200, 60, 40) : QColor(30, 70, 100), hasFocus() ? 2 : 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all);
}

void MenuPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        down_ = true;
        update();
    }
    event->accept();
}

void MenuPicture::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasDown = down_;
    down_ = false;
    update();
    if (wasDown && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

void MenuPicture::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    // The arrows move to the nearest picture that way in the same row or column.
    const int key = event->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down) {
        const bool across = key == Qt::Key_Left || key == Qt::Key_Right;
        const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
        MenuPicture* best = nullptr;
        int bestDistance = 0;
        const auto pictures =
            parentWidget()->findChildren<MenuPicture*>(Qt::FindDirectChildrenOnly);
        for (MenuPicture* other : pictures) {
            if (other == this || !other->isEnabled() || !other->isVisible()) continue;
            const bool inLine = across ? other->y() == y() : other->x() == x();
            const int distance = across ? other->x() - x() : other->y() - y();
            if (!inLine || (forward ? distance <= 0 : distance >= 0)) continue;
            if (!best || std::abs(distance) < bestDistance) {
                best = other;
                bestDistance = std::abs(distance);
            }
        }
        if (best) best->setFocus(Qt::TabFocusReason);
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

frmArbormateEDITORv74::frmArbormateEDITORv74(CalcEnv& env, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), env_(env) {
    setObjectName("frmArbormateEDITORv74");
    setWindowTitle("Arbormate for Tarvik");
    setWindowIcon(QIcon(AppIconPixmap(64)));
    setFixedSize(TwSize(6130, 5770));
    SetColours(this, kMenuBack, Qt::black);

    title_ = new TitleStrip("", this);
    title_->setGeometry(0, 0, width(), 22);
    SetColours(title_, kMenuBack, Qt::black);

    auto* heading = new QLabel("Arbormate", this);
    heading->setObjectName("Label1");
    QFont hf = heading->font();
    hf.setPixelSize(24);
    hf.setBold(true);
    heading->setFont(hf);
    SetColours(heading, QColor(), QColor(0, 60, 130));
    heading->setGeometry(12, 8, 200, 32);
    auto* sub = new QLabel(this);
    sub_ = sub;
    sub->setObjectName("Label2");
    QFont sf = sub->font();
    sf.setPixelSize(13);
    sf.setItalic(true);
    sub->setFont(sf);
    SetColours(sub, QColor(), QColor(0, 60, 130));
    sub->setGeometry(14, 40, 200, 18);
    // The headings are part of the drag strip.
    heading->setAttribute(Qt::WA_TransparentForMouseEvents);
    sub->setAttribute(Qt::WA_TransparentForMouseEvents);
    title_->setGeometry(0, 0, width() - 50, 62);

    auto* question = new MarkLabel("lblQuestion", "?", QColor(235, 245, 255), this);
    question_ = question;
    question->setGeometry(width() - 46, 3, 20, 19);
    auto* markX = new MarkLabel("lblX", "X", kMarkXBack, this);
    markX_ = markX;
    markX->setGeometry(width() - 23, 3, 20, 19);

    about2_ = MakeLabelCommand(this, "lblAbout2", "");
    about2_->setGeometry(width() - 70, 24, 66, 20);
    help2_ = MakeLabelCommand(this, "lblHelp2", "");
    help2_->setGeometry(width() - 70, 45, 66, 20);
    // The language choice: a face (lblLanguage1) under its caption (lblLanguage2); either
    // half turns the caption black while pressed and opens the choice on release.
    language1_ = MakeLabelCommand(this, "lblLanguage1", "");
    language1_->setGeometry(width() - 70, 66, 66, 20);
    language2_ = MakeLabelCommand(this, "lblLanguage2", "");
    language2_->setGeometry(width() - 70, 66, 66, 20);
    for (QLabel* half : {language1_, language2_}) {
        auto* label = static_cast<PressLabel*>(half);
        connect(label, &PressLabel::pressed, this, [this] {
            QPalette p = language2_->palette();
            p.setColor(QPalette::WindowText, Qt::black);
            language2_->setPalette(p);
        });
        connect(label, &PressLabel::released, this, [this] {
            QPalette p = language2_->palette();
            p.setColor(QPalette::WindowText, Qt::white);
            language2_->setPalette(p);
            ShowLanguageChoice();
        });
        connect(label, &PressLabel::keyActivated, this, [this] { ShowLanguageChoice(); });
    }
    SetPopupVisible(false);
    ApplyTitle();

    connect(question, &MarkLabel::triggered, this, [this] { SetPopupVisible(true); });
    connect(markX, &MarkLabel::triggered, this, &frmArbormateEDITORv74::EndProgram);
    connect(static_cast<PressLabel*>(about2_), &PressLabel::released, this,
            [this] { ShowAbout(); });
    connect(static_cast<PressLabel*>(about2_), &PressLabel::keyActivated, this,
            [this] { ShowAbout(); });
    connect(static_cast<PressLabel*>(help2_), &PressLabel::released, this, [this] { ShowHelp(); });
    connect(static_cast<PressLabel*>(help2_), &PressLabel::keyActivated, this,
            [this] { ShowHelp(); });

    const int cols = 4, size = 92, gap = 7;
    const int left = (width() - cols * size - (cols - 1) * gap) / 2;
    const int top = 70;
    int i = 0;
    for (const MenuItem& item : MenuItems()) {
        auto* pic = new MenuPicture(item, this);
        pic->setGeometry(left + (i % cols) * (size + gap), top + (i / cols) * (size + gap), size,
                         size);
        pic->setEnabled(false);
        pic->setToolTip(NotAvailableToolTip());
        connect(pic, &MenuPicture::clicked, this,
                [this, name = item.pictureName] { OpenScreen(name); });
        pictures_.insert(item.pictureName, pic);
        ++i;
    }
    // The pop-up lies over the pictures' row when shown.
    about2_->raise();
    help2_->raise();
    language1_->raise();
    language2_->raise();
    auto* quitKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quitKey, &QShortcut::activated, this, &frmArbormateEDITORv74::EndProgram);
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(helpKey, &QShortcut::activated, this, &frmArbormateEDITORv74::ShowHelp);
    RetranslateUi();
    CentreOnDisplay(this);
}

void frmArbormateEDITORv74::RetranslateUi() {
    sub_->setText(tr("for Tarvik"));
    question_->setToolTip(tr("HELP (F1)"));
    markX_->setToolTip(tr("Exit (Ctrl+Q)"));
    about2_->setText(tr("About"));
    help2_->setText(tr("Help"));
    language2_->setText(tr("Language"));
    for (MenuPicture* pic : std::as_const(pictures_)) {
        pic->setToolTip(registry_.contains(pic->Item().pictureName) ? pic->Item().ToolTipText()
                                                                    : NotAvailableToolTip());
        pic->setAccessibleName(pic->Item().DrawnText());
        pic->update();
    }
    ApplyTitle();
}

void frmArbormateEDITORv74::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) RetranslateUi();
    QWidget::changeEvent(event);
}

void frmArbormateEDITORv74::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The keys start on the first picture that opens a screen.
    if (!focusWidget()) {
        for (const MenuItem& item : MenuItems()) {
            MenuPicture* pic = pictures_.value(item.pictureName);
            if (pic && pic->isEnabled()) {
                pic->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
    common::KeepOnScreen(this);
}

frmArbormateEDITORv74::~frmArbormateEDITORv74() {
    CloseOpenScreens();
}

namespace {

QHash<QString, ScreenFactory>& ProgramScreens() {
    static QHash<QString, ScreenFactory> screens;
    return screens;
}

}  // namespace

ScreenFactory RegisteredScreen(const QString& pictureName) {
    return ProgramScreens().value(pictureName);
}

void SetRegisteredScreen(const QString& pictureName, ScreenFactory factory) {
    if (factory)
        ProgramScreens().insert(pictureName, std::move(factory));
    else
        ProgramScreens().remove(pictureName);
}

void frmArbormateEDITORv74::RegisterScreen(const QString& pictureName, ScreenFactory factory,
                                           ShowMode mode) {
    SetRegisteredScreen(pictureName, factory);
    registry_.insert(pictureName, {std::move(factory), mode});
    if (MenuPicture* pic = pictures_.value(pictureName)) {
        pic->setEnabled(true);
        pic->setToolTip(pic->Item().ToolTipText());
    }
}

QWidget* frmArbormateEDITORv74::OpenInstance(const QString& pictureName) const {
    return open_.value(pictureName).data();
}

QWidget* frmArbormateEDITORv74::OpenScreen(const QString& pictureName) {
    if (QWidget* existing = OpenInstance(pictureName)) {
        BringToFront(existing);
        return existing;
    }
    const auto it = registry_.constFind(pictureName);
    if (it == registry_.constEnd() || !it->factory) return nullptr;
    QWidget* screen = it->factory(env_, this);
    if (!screen) return nullptr;
    if (!screen->isWindow()) screen->setWindowFlags(screen->windowFlags() | Qt::Dialog);
    open_.insert(pictureName, screen);
    ShowOwnedWindow(screen, it->mode == ShowMode::Modal);
    return screen;
}

void frmArbormateEDITORv74::SetPopupVisible(bool visible) {
    about2_->setVisible(visible);
    help2_->setVisible(visible);
    language1_->setVisible(visible);
    language2_->setVisible(visible);
}

void frmArbormateEDITORv74::ApplyTitle() {
    if (const auto caption = TitleCaption(env_)) setWindowTitle(Q(*caption));
}

QMenu* frmArbormateEDITORv74::ShowLanguageChoice() {
    delete languageMenu_.data();
    auto* menu = new QMenu(this);
    menu->setObjectName("mnuLanguage");
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const Language current = CurrentLanguage(env_);
    const struct {
        Language language;
        const char* name;
        QString caption;
    } choices[] = {
        {Language::English, "actLanguageEnglish", "English"},
        {Language::German, "actLanguageGerman", "Deutsch"},
        {Language::French, "actLanguageFrench", QString::fromUtf8("Français")},
    };
    for (const auto& choice : choices) {
        QAction* action = menu->addAction(choice.caption);
        action->setObjectName(choice.name);
        action->setCheckable(true);
        action->setChecked(choice.language == current);
        connect(action, &QAction::triggered, this,
                [this, language = choice.language] { ChooseLanguage(language); });
    }
    languageMenu_ = menu;
    menu->popup(language2_->mapToGlobal(QPoint(0, language2_->height())));
    return menu;
}

void frmArbormateEDITORv74::ChooseLanguage(Language language) {
    StoreLanguage(env_, language);
    // The other windows get a LanguageChange event later; the menu turns at once.
    ApplyLanguage(env_);
    RetranslateUi();
    SetPopupVisible(false);
}

void frmArbormateEDITORv74::ShowHelp() {
    common::HelpWindow::ShowTopic(CalcScreen::HelpFolder(), CalcScreen::kHelpContents,
                                  CalcScreen::kHelpContents);
    SetPopupVisible(false);
}

QDialog* frmArbormateEDITORv74::ShowAbout() {
    if (about_ && about_->isVisible()) {
        BringToFront(about_);
        return about_;
    }
    delete about_.data();
    auto* about = new dlgAboutEDITORv74(env_, this);
    connect(about, &QDialog::finished, this, [this] { SetPopupVisible(false); });
    about_ = about;
    ShowOwnedWindow(about);
    return about;
}

void frmArbormateEDITORv74::CloseOpenScreens() {
    for (const auto& screen : open_)
        if (screen) screen->close();
    open_.clear();
    if (about_) about_->close();
}

void frmArbormateEDITORv74::EndProgram() {
    common::HelpWindow::CloseAll();
    close();
    if (quit_)
        quit_();
    else
        QCoreApplication::quit();
}

void frmArbormateEDITORv74::closeEvent(QCloseEvent* event) {
    common::HelpWindow::CloseAll();
    CloseOpenScreens();
    event->accept();
}

// ---- About box ----------------------------------------------------------------------

dlgAboutEDITORv74::dlgAboutEDITORv74(CalcEnv& env, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), env_(env) {
    setObjectName("dlgAboutEDITORv74");
    setWindowTitle(tr("About"));
    setFixedSize(TwSize(5700, 3600));
    // The desktop's own colours, light or dark, like the dialogs around it: a fixed black
    // box stood out on a light desktop.
    setAutoFillBackground(true);

    auto* strip = new TitleStrip(tr("About"), this);
    strip->setObjectName("Label7");
    strip->setGeometry(0, 0, width(), 22);
    SetColours(strip, kButtonFace, Qt::white);

    auto* icon = new QLabel(this);
    icon->setObjectName("picIcon");
    icon->setPixmap(AppIconPixmap(48));
    icon->setGeometry(20, 40, 48, 48);

    auto* title = new QLabel("Arbormate for Tarvik", this);
    title->setObjectName("lblTitle");
    QFont tf = title->font();
    tf.setPixelSize(20);
    tf.setBold(true);
    title->setFont(tf);
    title->setGeometry(84, 40, width() - 100, 30);
    SetTitleCaption(env_, title);

    auto* version = new QLabel(VersionText(), this);
    version->setObjectName("lblVersion");
    version->setGeometry(84, 72, width() - 100, 20);

    auto* blurb = new QLabel(tr("Shop mathematics for CNC machinists."), this);
    blurb->setObjectName("lblDescription");
    blurb->setGeometry(84, 94, width() - 100, 20);

    auto* sysInfo = new QPushButton(tr("&System Info..."), this);
    sysInfo->setObjectName("cmdSysInfo");
    sysInfo->setGeometry(20, height() - 46, 120, 28);
    connect(sysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(env_); });

    auto* close =
        new CommandButton(this, "lblClose", LookOf(Command::Close).caption, FaceDrawing::Close,
                          QRect(width() - 81 - 16, height() - 81 - 12, 81, 81));
    connect(close, &CommandButton::triggered, this, &QWidget::close);

    CentreOnDisplay(this);
}

QString dlgAboutEDITORv74::VersionText() {
    QStringList parts = QCoreApplication::applicationVersion().split('.');
    while (parts.size() < 3) parts << "0";
    for (QString& part : parts)
        if (part.isEmpty()) part = "0";
    return tr("Version %1").arg(parts[0] + "." + parts[1] + "." + parts[2]);
}

}  // namespace calc
