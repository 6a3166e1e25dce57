#include "calc/ui/MainMenu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "calc/LocalText.h"
#include "calc/ui/CalcScreen.h"
#include "calc/ui/FrameWidgets.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/SystemPrograms.h"
#include "calc/ui/Twips.h"
#include "common/HelpWindow.h"

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
        {"picSpeedFeed", "MACHINING CALCULATIONS",
         "Click to calculate speeds and feeds, access drill charts, etc."},
        {"picRAtrig", "RIGHT ANGLE TRIGONOMETRY", "Click to solve right angle triangle problems."},
        {"picOBtrig", "OBLIQUE TRIGONOMETRY", "Click to resolve oblique triangle problems."},
        {"picBoltCircle", "BOLT CIRCLE", "Click to generate X-Y coordinates for bolt circles."},
        {"picSurfFin", "SURFACE FINISH", "Click to calculate theoretical surface roughness."},
        {"picKeyseat", "KEYSEAT", "Click to measure keyseat depth."},
        {"picPolygon", "POLYGONS", "Click to calculate regular polygon values."},
        {"picGrid", "GRID PATTERN", "Click to generate grid pattern coordinates."},
        {"picMeasureThread", "MEASURE THREADS",
         "Click to calculate three wire thread measuring values."},
        {"picDovetail", "DOVETAIL", "Click to calculate values for measuring dovetails."},
        {"picTaper", "TAPER", "Click to calculate taper turning measurements."},
        {"picChord", "CHORD GEOMETRY", "Click to calculate chord measurements."},
    };
    return items;
}

MenuPicture::MenuPicture(const MenuItem& item, QWidget* parent) : QLabel(parent), item_(item) {
    setObjectName(item.pictureName);
    setToolTip(item.toolTip);
    setAccessibleName(item.drawnName);
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
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(bandRect.adjusted(2, 1, -2, -1), Qt::AlignCenter | Qt::TextWordWrap,
               item_.drawnName);
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
    auto* sub = new QLabel("for Tarvik", this);
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
    question->setToolTip("HELP");
    question->setGeometry(width() - 46, 3, 20, 19);
    auto* markX = new MarkLabel("lblX", "X", kMarkXBack, this);
    markX->setToolTip("Exit");
    markX->setGeometry(width() - 23, 3, 20, 19);

    about2_ = MakeLabelCommand(this, "lblAbout2", "About");
    about2_->setGeometry(width() - 70, 24, 66, 20);
    help2_ = MakeLabelCommand(this, "lblHelp2", "Help");
    help2_->setGeometry(width() - 70, 45, 66, 20);
    // The language choice: a face (lblLanguage1) under its caption (lblLanguage2); either
    // half turns the caption black while pressed and opens the choice on release.
    language1_ = MakeLabelCommand(this, "lblLanguage1", "");
    language1_->setGeometry(width() - 70, 66, 66, 20);
    language2_ = MakeLabelCommand(this, "lblLanguage2", "Language");
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
        pic->setToolTip(kNotAvailableToolTip);
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
    CentreOnDisplay(this);
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
        pic->setToolTip(pic->Item().toolTip);
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
    ApplyTitle();
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
    setWindowTitle("About");
    setFixedSize(TwSize(5700, 3600));
    SetColours(this, Qt::black, Qt::white);

    auto* strip = new TitleStrip("About", this);
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
    SetColours(title, QColor(), Qt::white);
    title->setGeometry(84, 40, width() - 100, 30);
    SetTitleCaption(env_, title);

    auto* version = new QLabel(VersionText(), this);
    version->setObjectName("lblVersion");
    SetColours(version, QColor(), QColor(210, 230, 255));
    version->setGeometry(84, 72, width() - 100, 20);

    auto* blurb = new QLabel("Shop mathematics for CNC machinists.", this);
    blurb->setObjectName("lblDescription");
    SetColours(blurb, QColor(), QColor(180, 190, 200));
    blurb->setGeometry(84, 94, width() - 100, 20);

    auto* sysInfo = new QPushButton("&System Info...", this);
    sysInfo->setObjectName("cmdSysInfo");
    sysInfo->setGeometry(20, height() - 46, 120, 28);
    connect(sysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(env_); });

    auto* close = new CommandButton(this, "lblClose", "CLOSE", FaceDrawing::Close,
                                    QRect(width() - 81 - 16, height() - 81 - 12, 81, 81));
    connect(close, &CommandButton::triggered, this, &QWidget::close);

    CentreOnDisplay(this);
}

QString dlgAboutEDITORv74::VersionText() {
    QStringList parts = QCoreApplication::applicationVersion().split('.');
    while (parts.size() < 3) parts << "0";
    for (QString& part : parts)
        if (part.isEmpty()) part = "0";
    return "Version " + parts[0] + "." + parts[1] + "." + parts[2];
}

}  // namespace calc
