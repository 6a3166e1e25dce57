#include "search/ui/SearchDlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

#include "common/HelpWindow.h"
#include "common/ScreenFit.h"
#include "search/Criteria.h"
#include "search/SearchEngine.h"
#include "search/ui/ScarrowDoc.h"
#include "search/ui/UiSupport.h"

namespace scarrow::ui {

// ---------------------------------------------------------------------------------------
// CBusyAnimation

CBusyAnimation::CBusyAnimation(QWidget* parent) : QWidget(parent), m_timer(new QTimer(this)) {
    setFixedSize(32, 32);
    m_timer->setInterval(80);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_step = (m_step + 1) % 12;
        update();
    });
}

void CBusyAnimation::Play() {
    m_step = 0;
    m_timer->start();
    update();
}

void CBusyAnimation::Stop() {
    m_timer->stop();
}

bool CBusyAnimation::IsPlaying() const {
    return m_timer->isActive();
}

void CBusyAnimation::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width() / 2.0, height() / 2.0);
    const QColor base = palette().color(QPalette::Highlight);
    for (int i = 0; i < 12; ++i) {
        QColor c = base;
        // The spoke at the current step is darkest; the trail fades behind it.
        const int age = (m_step - i + 12) % 12;
        c.setAlphaF(std::max(0.15, 1.0 - age / 10.0));
        p.setPen(QPen(c, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, -7), QPointF(0, -13));
        p.rotate(30);
    }
}

// ---------------------------------------------------------------------------------------
// CAddPhraseDlg

CAddPhraseDlg::CAddPhraseDlg(QWidget* parent) : QDialog(parent), m_edit(new QLineEdit(this)) {
    setObjectName(QStringLiteral("addPhraseDlg"));
    setWindowTitle(tr("Add phrase to search criteria"));
    m_edit->setObjectName(QStringLiteral("editPhrase"));
    m_edit->setMinimumWidth(320);
    m_edit->setPlaceholderText(tr("a word or phrase, for example T1 M6"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setObjectName(QStringLiteral("btnOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_edit, &QLineEdit::textChanged, this,
            [this](const QString& t) { m_ok->setEnabled(!t.isEmpty()); });
    m_ok->setEnabled(false);
}

QString CAddPhraseDlg::Phrase() const {
    return m_edit->text();
}

// ---------------------------------------------------------------------------------------
// CCalendarDlg

CCalendarDlg::CCalendarDlg(const QDate& date, QWidget* parent)
    : QDialog(parent), m_calendar(new QCalendarWidget(this)) {
    setObjectName(QStringLiteral("calendarDlg"));
    setWindowTitle(tr("Choose Date"));
    m_calendar->setObjectName(QStringLiteral("calendar"));
    m_calendar->setGridVisible(true);
    if (date.isValid()) {
        m_calendar->setSelectedDate(date);
        m_calendar->setCurrentPage(date.year(), date.month());
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setObjectName(QStringLiteral("btnOK"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_calendar);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, &CCalendarDlg::UpdateOk);
    connect(m_calendar, &QCalendarWidget::currentPageChanged, this, &CCalendarDlg::UpdateOk);
    connect(m_calendar, &QCalendarWidget::activated, this, &QDialog::accept);
    UpdateOk();
}

QDate CCalendarDlg::Date() const {
    return m_calendar->selectedDate();
}

void CCalendarDlg::UpdateOk() {
    m_ok->setEnabled(m_calendar->selectedDate().isValid());
}

// ---------------------------------------------------------------------------------------
// CSearchDlg

namespace {

// The window pumps its events whenever the engine asks whether to go on, so Stop and
// repainting work while the search runs. The results reach the document a batch at a
// time: the list then lays out and repaints once for many rows, not at every pump.
class CDialogSearchSink : public ISearchSink {
public:
    CDialogSearchSink(CScarrowDoc& doc, const bool& searching)
        : m_doc(doc), m_searching(searching) {
        m_sinceFlush.start();
    }
    void ResultFound(std::unique_ptr<CSearchResult> result) override {
        m_pending.push_back(std::move(result));
        if (m_sinceFlush.hasExpired(kBatchMs)) Flush();
    }
    bool GoOn() override {
        if (!m_pending.empty() && m_sinceFlush.hasExpired(kBatchMs)) Flush();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return m_searching;
    }
    // Hands what is waiting to the document; also when the search stopped or failed.
    void Flush() {
        for (std::unique_ptr<CSearchResult>& result : m_pending) m_doc.AddResult(std::move(result));
        m_pending.clear();
        m_sinceFlush.start();
    }

private:
    static constexpr qint64 kBatchMs = 200;
    CScarrowDoc& m_doc;
    const bool& m_searching;
    std::vector<std::unique_ptr<CSearchResult>> m_pending;
    QElapsedTimer m_sinceFlush;
};

// Writes a copy of the history on a thread of its own: the disk may take a while to say
// the file is safe, and the search need not wait for it.
class CHistoryWriter {
public:
    explicit CHistoryWriter(const CConfig& config) {
        try {
            m_thread = std::thread([copy = config] {
                try {
                    copy.Save();
                } catch (const std::exception&) {
                    // Told when the program ends and saves again.
                }
            });
        } catch (const std::system_error&) {
            config.Save();
        }
    }
    ~CHistoryWriter() {
        if (m_thread.joinable()) m_thread.join();
    }
    CHistoryWriter(const CHistoryWriter&) = delete;
    CHistoryWriter& operator=(const CHistoryWriter&) = delete;

private:
    std::thread m_thread;
};

QPushButton* MakeButton(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QRadioButton* MakeRadio(const QString& text, const char* name, QWidget* parent) {
    auto* r = new QRadioButton(text, parent);
    r->setObjectName(QLatin1String(name));
    return r;
}

constexpr unsigned long long kMaxLines = 4294967295ull;

}  // namespace

CSearchDlg::CSearchDlg(CScarrowDoc& doc, CConfig& config, IUserPrompts& prompts, QWidget* parent)
    : QDialog(parent),
      m_doc(doc),
      m_config(config),
      m_history(config.m_history),
      m_prompts(prompts) {
    setObjectName(QStringLiteral("searchDlg"));
    setWindowTitle(tr("Search Criteria"));
    BuildControls();

    m_askPhrase = [this](QString& phrase) {
        CAddPhraseDlg dlg(this);
        if (dlg.exec() != QDialog::Accepted) return false;
        phrase = dlg.Phrase();
        return true;
    };
    m_askDate = [this](QDate& date) {
        CCalendarDlg dlg(date, this);
        if (dlg.exec() != QDialog::Accepted) return false;
        date = dlg.Date();
        return true;
    };
    m_askFolder = [this](QString& folder) {
        const QString chosen =
            QFileDialog::getExistingDirectory(this, tr("Select Directory"), folder);
        if (chosen.isEmpty()) return false;
        folder = chosen;
        return true;
    };

    m_criteria.m_strFolder = ToStdString(MostRecentFolder());
    m_historyCursor = m_history.empty() ? -1 : 0;
    LoadControls();
    CreateToolTips();
    UpdateControls();
    resize(sizeHint());
    common::FitWindowToScreen(this);
}

void CSearchDlg::BuildControls() {
    // Folder
    auto* folderLabel = new QLabel(tr("Search in folder:"), this);
    m_folder = new QLineEdit(this);
    m_folder->setObjectName(QStringLiteral("editFolder"));
    folderLabel->setBuddy(m_folder);
    m_browse = MakeButton(QStringLiteral("..."), "btnBrowseFolder", this);
    m_browse->setFixedWidth(32);
    m_subfolders = new QCheckBox(tr("Search in subdirectories"), this);
    m_subfolders->setObjectName(QStringLiteral("chkSubfolders"));

    // Words
    auto* wordsBox = new QGroupBox(tr("Words or phrases in the file:"), this);
    m_words = new QListWidget(wordsBox);
    m_words->setObjectName(QStringLiteral("listWords"));
    m_words->setSortingEnabled(false);
    m_matchAll = MakeRadio(tr("All phrases match"), "radioAllMatch", wordsBox);
    m_matchAny = MakeRadio(tr("Any phrase match"), "radioAnyMatch", wordsBox);
    m_matchGroup = new QButtonGroup(this);
    m_matchGroup->addButton(m_matchAll, 0);
    m_matchGroup->addButton(m_matchAny, 1);
    m_ignoreCase = new QCheckBox(tr("Ignore Case"), wordsBox);
    m_ignoreCase->setObjectName(QStringLiteral("chkIgnoreCase"));
    m_add = MakeButton(tr("&Add..."), "btnAdd", wordsBox);
    m_remove = MakeButton(tr("Re&move"), "btnRemove", wordsBox);
    {
        auto* grid = new QGridLayout(wordsBox);
        grid->addWidget(m_words, 0, 0, 5, 1);
        grid->addWidget(m_add, 0, 1);
        grid->addWidget(m_remove, 1, 1);
        grid->setRowStretch(2, 1);
        grid->addWidget(m_matchAll, 5, 0);
        grid->addWidget(m_matchAny, 6, 0);
        grid->addWidget(m_ignoreCase, 7, 0);
    }

    // Lines
    auto* linesBox = new QGroupBox(tr("Lines to search:"), this);
    m_wholeFile = MakeRadio(tr("The whole file"), "radioWholeFile", linesBox);
    m_firstLines = MakeRadio(tr("First "), "radioFirstLines", linesBox);
    m_linesGroup = new QButtonGroup(this);
    m_linesGroup->addButton(m_wholeFile, 0);
    m_linesGroup->addButton(m_firstLines, 1);
    m_lines = new QLineEdit(linesBox);
    m_lines->setObjectName(QStringLiteral("editLines"));
    m_lines->setMaximumWidth(90);
    m_lines->setAlignment(Qt::AlignRight);
    m_spin = new QWidget(linesBox);
    m_spin->setObjectName(QStringLiteral("spinLines"));
    {
        auto* up = new QToolButton(m_spin);
        up->setObjectName(QStringLiteral("spinUp"));
        up->setArrowType(Qt::UpArrow);
        up->setAutoRepeat(true);
        auto* down = new QToolButton(m_spin);
        down->setObjectName(QStringLiteral("spinDown"));
        down->setArrowType(Qt::DownArrow);
        down->setAutoRepeat(true);
        for (QToolButton* b : {up, down}) b->setFixedSize(18, 12);
        auto* v = new QVBoxLayout(m_spin);
        v->setContentsMargins(0, 0, 0, 0);
        v->setSpacing(0);
        v->addWidget(up);
        v->addWidget(down);
        auto step = [this](long long delta) {
            bool ok = false;
            long long n = m_lines->text().trimmed().toLongLong(&ok);
            if (!ok) n = 10;
            n = std::clamp<long long>(n + delta, 1, static_cast<long long>(kMaxLines));
            m_lines->setText(QString::number(n));
        };
        connect(up, &QToolButton::clicked, this, [step] { step(1); });
        connect(down, &QToolButton::clicked, this, [step] { step(-1); });
    }
    m_linesLabel = new QLabel(tr("lines"), linesBox);
    m_linesLabel->setObjectName(QStringLiteral("lblLines"));
    {
        auto* v = new QVBoxLayout(linesBox);
        v->addWidget(m_wholeFile);
        auto* h = new QHBoxLayout;
        h->addWidget(m_firstLines);
        h->addWidget(m_lines);
        h->addWidget(m_spin);
        h->addWidget(m_linesLabel);
        h->addStretch();
        v->addLayout(h);
    }

    // Extensions
    auto* extBox = new QGroupBox(tr("File filter:"), this);
    m_anyExt = MakeRadio(tr("Any extension"), "radioAnyExtension", extBox);
    m_extList = MakeRadio(tr("Extensions from list"), "radioExtensionList", extBox);
    m_extGroup = new QButtonGroup(this);
    m_extGroup->addButton(m_anyExt, 0);
    m_extGroup->addButton(m_extList, 1);
    m_extensions = new QLineEdit(extBox);
    m_extensions->setObjectName(QStringLiteral("editExtensions"));
    m_extensions->setPlaceholderText(QStringLiteral("nc, tap, h"));
    {
        auto* v = new QVBoxLayout(extBox);
        v->addWidget(m_anyExt);
        v->addWidget(m_extList);
        v->addWidget(m_extensions);
    }

    // Dates
    auto* dateBox = new QGroupBox(tr("Modification Date:"), this);
    const char* dateNames[5] = {"radioAnyDate", "radioWeek", "radioMonth", "radioYear",
                                "radioSpecifyDates"};
    const QString dateTexts[5] = {tr("Any date"), tr("Within a Week"), tr("Within a Month"),
                                  tr("Within a Year"), tr("Specify Dates")};
    m_dateGroup = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        m_dateRadios[i] = MakeRadio(dateTexts[i], dateNames[i], dateBox);
        m_dateGroup->addButton(m_dateRadios[i], i);
    }
    m_fromLabel = new QLabel(tr("From:"), dateBox);
    m_from = new QLineEdit(dateBox);
    m_from->setObjectName(QStringLiteral("editFrom"));
    m_fromButton = MakeButton(QStringLiteral("..."), "btnFromDate", dateBox);
    m_toLabel = new QLabel(tr("To:"), dateBox);
    m_to = new QLineEdit(dateBox);
    m_to->setObjectName(QStringLiteral("editTo"));
    m_toButton = MakeButton(QStringLiteral("..."), "btnToDate", dateBox);
    for (QPushButton* b : {m_fromButton, m_toButton}) b->setFixedWidth(32);
    {
        auto* grid = new QGridLayout(dateBox);
        grid->addWidget(m_dateRadios[0], 0, 0, 1, 3);
        grid->addWidget(m_dateRadios[1], 1, 0, 1, 3);
        grid->addWidget(m_dateRadios[2], 2, 0, 1, 3);
        grid->addWidget(m_dateRadios[3], 3, 0, 1, 3);
        grid->addWidget(m_dateRadios[4], 4, 0, 1, 3);
        grid->addWidget(m_fromLabel, 5, 0);
        grid->addWidget(m_from, 5, 1);
        grid->addWidget(m_fromButton, 5, 2);
        grid->addWidget(m_toLabel, 6, 0);
        grid->addWidget(m_to, 6, 1);
        grid->addWidget(m_toButton, 6, 2);
        grid->setColumnStretch(1, 1);
    }

    // Buttons
    m_reset = MakeButton(tr("&Reset"), "btnReset", this);
    m_fromHistory = MakeButton(tr("From &History"), "btnFromHistory", this);
    m_help = MakeButton(tr("He&lp"), "btnHelp", this);
    m_cancel = MakeButton(tr("Cancel"), "btnCancel", this);
    m_search = MakeButton(tr("&Search"), "btnSearch", this);
    m_search->setMinimumWidth(m_search->fontMetrics().horizontalAdvance(tr("Search")) + 40);
    m_search->setDefault(true);
    m_ok = MakeButton(tr("OK"), "btnOK", this);
    m_ok->hide();
    m_animation = new CBusyAnimation(this);
    m_animation->setObjectName(QStringLiteral("animation"));

    // Layout: at large font sizes the criteria scroll; the buttons stay in sight.
    auto* body = new QWidget;
    auto* top = new QVBoxLayout(body);
    top->setContentsMargins(0, 0, 0, 0);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderLabel);
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(m_browse);
    top->addLayout(folderRow);
    top->addWidget(m_subfolders);

    auto* columns = new QHBoxLayout;
    columns->addWidget(wordsBox, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(linesBox);
    right->addWidget(extBox);
    right->addWidget(dateBox);
    right->addStretch();
    columns->addLayout(right);
    top->addLayout(columns, 1);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(common::MakeFittedScrollArea(body, this), 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_reset);
    bottom->addWidget(m_fromHistory);
    bottom->addWidget(m_help);
    bottom->addStretch();
    bottom->addWidget(m_animation);
    bottom->addSpacing(8);
    bottom->addWidget(m_cancel);
    bottom->addWidget(m_search);
    outer->addLayout(bottom);

    connect(m_search, &QPushButton::clicked, this, &CSearchDlg::OnSearch);
    connect(m_add, &QPushButton::clicked, this, &CSearchDlg::OnAdd);
    connect(m_remove, &QPushButton::clicked, this, &CSearchDlg::OnRemove);
    connect(m_browse, &QPushButton::clicked, this, &CSearchDlg::OnBrowseFolder);
    connect(m_fromButton, &QPushButton::clicked, this, &CSearchDlg::OnFromDate);
    connect(m_toButton, &QPushButton::clicked, this, &CSearchDlg::OnToDate);
    connect(m_reset, &QPushButton::clicked, this, &CSearchDlg::OnReset);
    connect(m_fromHistory, &QPushButton::clicked, this, &CSearchDlg::OnFromHistory);
    connect(m_help, &QPushButton::clicked, this, &CSearchDlg::OnHelp);
    connect(m_cancel, &QPushButton::clicked, this, &CSearchDlg::reject);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        if (!m_searching && SaveControls()) accept();
    });
    for (QButtonGroup* g : {m_matchGroup, m_linesGroup, m_extGroup, m_dateGroup})
        connect(g, &QButtonGroup::idClicked, this, [this] { UpdateControls(); });
}

void CSearchDlg::CreateToolTips() {
    m_folder->setToolTip(tr("Search Directory"));
    m_browse->setToolTip(tr("Select search directory"));
    m_subfolders->setToolTip(tr("Search in subdirectories"));
    m_words->setToolTip(tr("Words to look for"));
    m_matchAll->setToolTip(tr("All words in the list should be found in the file"));
    m_matchAny->setToolTip(tr("Any one word in the list should be found in the file"));
    m_ignoreCase->setToolTip(tr("Check to ignore word case"));
    m_add->setToolTip(tr("Add text to the search criteria list"));
    m_remove->setToolTip(tr("Remove text from the search criteria list"));
    m_wholeFile->setToolTip(tr("Search in the entire file"));
    m_firstLines->setToolTip(tr("Search in first number of lines specified"));
    const QString linesTip = tr("Number of lines from the beginning of the file to search in");
    m_lines->setToolTip(linesTip);
    m_spin->setToolTip(linesTip);
    m_linesLabel->setToolTip(linesTip);
    m_anyExt->setToolTip(tr("Search in any file (ignore extension)"));
    m_extList->setToolTip(tr("Search in files with extensions specified"));
    m_extensions->setToolTip(tr("Enter desired extensions"));
    m_dateRadios[0]->setToolTip(tr("Search in any file (ignore creation date)"));
    m_dateRadios[1]->setToolTip(tr("Search in the files modified last week"));
    m_dateRadios[2]->setToolTip(tr("Search in the files modified last month"));
    m_dateRadios[3]->setToolTip(tr("Search in the files modified last year"));
    m_dateRadios[4]->setToolTip(tr("Search in the files modified within the date range"));
    m_from->setToolTip(tr("From date"));
    m_fromButton->setToolTip(tr("Select From date"));
    m_to->setToolTip(tr("To date"));
    m_toButton->setToolTip(tr("Select To date"));
    m_reset->setToolTip(tr("Reset all settings"));
    m_fromHistory->setToolTip(tr("Scroll through previously used search settings"));
    m_cancel->setToolTip(tr("Cancel Search"));
    m_search->setToolTip(tr("Start Search"));
}

QString CSearchDlg::MostRecentFolder() const {
    return m_history.empty() ? QString() : ToQString(m_history.front().m_strFolder);
}

void CSearchDlg::LoadControls() {
    const CSearchConfig& c = m_criteria;
    m_folder->setText(ToQString(c.m_strFolder));
    m_subfolders->setChecked(c.m_bSubfolders != 0);
    m_words->clear();
    for (const std::string& w : c.m_words) m_words->addItem(ToQString(w));
    m_matchAll->setChecked(c.m_nMatchMode == CSearchConfig::MatchAll);
    m_matchAny->setChecked(c.m_nMatchMode != CSearchConfig::MatchAll);
    m_ignoreCase->setChecked(c.m_bIgnoreCase != 0);
    m_wholeFile->setChecked(c.m_nLinesMode == CSearchConfig::LinesWholeFile);
    m_firstLines->setChecked(c.m_nLinesMode != CSearchConfig::LinesWholeFile);
    m_lines->setText(QString::number(c.m_nLines));
    m_anyExt->setChecked(c.m_nExtMode == CSearchConfig::ExtAny);
    m_extList->setChecked(c.m_nExtMode != CSearchConfig::ExtAny);
    m_extensions->setText(ToQString(c.m_strExtensions));
    const int dateMode = (c.m_nDateMode >= 0 && c.m_nDateMode <= 4) ? c.m_nDateMode : 0;
    m_dateRadios[dateMode]->setChecked(true);
    m_from->setText(FormatDateForEdit(c.m_dateFrom));
    m_to->setText(FormatDateForEdit(c.m_dateTo));
}

bool CSearchDlg::SaveControls() {
    CSearchConfig c = m_criteria;

    bool ok = false;
    const unsigned long long lines = m_lines->text().trimmed().toULongLong(&ok);
    if (!ok || lines < 1 || lines > kMaxLines) {
        m_prompts.ShowMessage(this, tr("Please enter an integer between 1 and 4294967295."),
                              IUserPrompts::Icon::Warning);
        m_lines->setFocus();
        m_lines->selectAll();
        return false;
    }
    c.m_nLines = static_cast<std::uint32_t>(lines);

    c.m_nDateMode = std::max(0, m_dateGroup->checkedId());
    // The dates only have to be readable when they are used; otherwise a bad text
    // keeps the date it replaced.
    for (auto [edit, date] : {std::pair{m_from, &c.m_dateFrom}, std::pair{m_to, &c.m_dateTo}}) {
        CDateTime parsed;
        if (ParseDateFromEdit(edit->text(), parsed)) {
            *date = parsed;
        } else if (c.m_nDateMode == CSearchConfig::DateRange) {
            m_prompts.ShowMessage(this, tr("Please enter a date and/or time."),
                                  IUserPrompts::Icon::Warning);
            edit->setFocus();
            edit->selectAll();
            return false;
        }
    }

    c.m_strFolder = ToStdString(m_folder->text());
    c.m_bSubfolders = m_subfolders->isChecked() ? 1 : 0;
    c.m_words.clear();
    for (int i = 0; i < m_words->count(); ++i)
        c.m_words.push_back(ToStdString(m_words->item(i)->text()));
    c.m_nMatchMode = m_matchAny->isChecked() ? CSearchConfig::MatchAny : CSearchConfig::MatchAll;
    c.m_bIgnoreCase = m_ignoreCase->isChecked() ? 1 : 0;
    c.m_nLinesMode =
        m_firstLines->isChecked() ? CSearchConfig::LinesFirst : CSearchConfig::LinesWholeFile;
    c.m_nExtMode = m_extList->isChecked() ? CSearchConfig::ExtList : CSearchConfig::ExtAny;
    c.m_strExtensions = ToStdString(m_extensions->text());
    m_criteria = c;
    return true;
}

void CSearchDlg::UpdateControls() {
    const bool idle = !m_searching;
    const bool hasRows = m_words->count() > 0;
    m_search->setText(m_searching ? tr("Stop") : tr("&Search"));
    m_search->setToolTip(m_searching ? tr("Stop Search") : tr("Start Search"));
    m_search->setEnabled(hasRows);
    m_remove->setEnabled(idle && hasRows);
    const bool dates = m_dateRadios[CSearchConfig::DateRange]->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(m_from), static_cast<QWidget*>(m_fromButton),
                       static_cast<QWidget*>(m_to), static_cast<QWidget*>(m_toButton)})
        w->setEnabled(idle && dates);
    m_spin->setEnabled(idle && m_firstLines->isChecked());
    m_extensions->setEnabled(idle && m_extList->isChecked());
    m_fromHistory->setEnabled(idle && m_historyCursor >= 0 &&
                              m_historyCursor < static_cast<int>(m_history.size()));
    m_animation->setVisible(m_searching);

    for (QWidget* w : std::initializer_list<QWidget*>{
             m_folder,        m_browse,        m_subfolders,    m_words,         m_matchAll,
             m_matchAny,      m_ignoreCase,    m_add,           m_wholeFile,     m_firstLines,
             m_lines,         m_linesLabel,    m_anyExt,        m_extList,       m_dateRadios[0],
             m_dateRadios[1], m_dateRadios[2], m_dateRadios[3], m_dateRadios[4], m_fromLabel,
             m_toLabel,       m_reset,         m_help,          m_cancel})
        w->setEnabled(idle);
}

void CSearchDlg::OnSearch() {
    if (m_searching) {
        m_searching = false;  // Stop
        return;
    }
    if (!SaveControls()) return;
    const CriteriaCheck check = ValidateCriteria(m_criteria);
    if (!check.ok) {
        m_prompts.ShowMessage(this, TranslateCoreText(check.message), IUserPrompts::Icon::Warning);
        QLineEdit* edit = check.field == CriteriaField::Extensions ? m_extensions : m_folder;
        edit->setFocus();
        edit->selectAll();
        return;
    }

    m_doc.ClearResults();
    m_config.AddToHistory(m_criteria);
    m_historyCursor = 0;

    m_searching = true;
    m_animation->Play();
    UpdateControls();
    m_search->setFocus();
    QString failure;
    {
        // Written now as well as at the end: a program that is killed or a session that
        // ends keeps its searches. A failure is told once, when the program ends.
        CHistoryWriter history(m_config);
        CBusyCursor busy(true);
        CDialogSearchSink sink(m_doc, m_searching);
        try {
            // The list keeps each file's count only: the text view finds the occurrences
            // again when it shows a file, so a search for "G" over gigabytes of programs
            // needs no memory for them.
            SearchOptions options = m_searchOptions;
            options.maxOccurrencesPerFile = 0;
            RunSearch(m_criteria, sink, options);
        } catch (const std::exception& e) {
            failure = QString::fromLocal8Bit(e.what());
        }
        // What was found before a failure or Stop is listed too.
        try {
            sink.Flush();
        } catch (const std::exception& e) {
            if (failure.isEmpty()) failure = QString::fromLocal8Bit(e.what());
        }
    }
    m_searching = false;
    m_animation->Stop();
    UpdateControls();
    if (!failure.isEmpty())
        m_prompts.ShowMessage(this, tr("The search stopped: %1").arg(failure),
                              IUserPrompts::Icon::Critical);
    accept();
}

void CSearchDlg::reject() {
    // Esc or the window's close button during a search act as Stop; the dialog then
    // closes with what was found.
    if (m_searching) {
        m_searching = false;
        return;
    }
    QDialog::reject();
}

void CSearchDlg::keyPressEvent(QKeyEvent* event) {
    // Enter in the phrase list adds a phrase; on any other field it searches (a focused
    // push button takes its own Enter). Closing without a search would leave the old
    // results on show as if they were the new ones.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        !qobject_cast<QPushButton*>(focusWidget())) {
        event->accept();
        if (focusWidget() == m_words) {
            if (m_add->isEnabled()) OnAdd();
        } else if (m_search->isEnabled()) {
            m_search->click();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void CSearchDlg::OnAdd() {
    QString phrase;
    if (!m_askPhrase || !m_askPhrase(phrase) || phrase.isEmpty()) return;
    m_words->addItem(phrase);
    UpdateControls();
}

void CSearchDlg::OnRemove() {
    const int row = m_words->currentRow();
    if (row >= 0 && m_words->currentItem() && m_words->currentItem()->isSelected())
        delete m_words->takeItem(row);
    UpdateControls();
    if (m_words->count() > 0) m_words->setCurrentRow(m_words->count() - 1);
}

void CSearchDlg::OnBrowseFolder() {
    QString folder = m_folder->text();
    if (folder.isEmpty()) folder = MostRecentFolder();
    if (folder.isEmpty()) folder = QDir::currentPath();
    if (m_askFolder && m_askFolder(folder)) m_folder->setText(QDir::toNativeSeparators(folder));
}

void CSearchDlg::OnFromDate() {
    OnDate(true);
}
void CSearchDlg::OnToDate() {
    OnDate(false);
}

void CSearchDlg::OnDate(bool from) {
    QLineEdit* edit = from ? m_from : m_to;
    CDateTime& target = from ? m_criteria.m_dateFrom : m_criteria.m_dateTo;
    CDateTime shown;
    QDate date;
    if (ParseDateFromEdit(edit->text(), shown))
        date = ToQDateTime(shown).date();
    else if (target.IsValid())
        date = ToQDateTime(target).date();
    if (!date.isValid()) date = QDate::currentDate();
    if (!m_askDate || !m_askDate(date) || !date.isValid()) return;
    if (!SaveControls()) return;
    target = CDateTime::FromDate(date.year(), date.month(), date.day());
    LoadControls();
    UpdateControls();
}

void CSearchDlg::OnReset() {
    m_criteria.SetDefault();
    m_criteria.m_strFolder = ToStdString(MostRecentFolder());
    LoadControls();
    UpdateControls();
}

void CSearchDlg::OnFromHistory() {
    if (m_historyCursor < 0 || m_historyCursor >= static_cast<int>(m_history.size())) return;
    m_criteria = m_history[static_cast<std::size_t>(m_historyCursor)];
    m_historyCursor = (m_historyCursor + 1) % static_cast<int>(m_history.size());
    LoadControls();
    UpdateControls();
}

void CSearchDlg::OnHelp() {
    common::HelpWindow::ShowTopic(common::HelpWindow::ProgramHelpFolder(QStringLiteral("scarrow")),
                                  QStringLiteral("index.htm"), QStringLiteral("ScarrowHelp.htm"));
}

}  // namespace scarrow::ui
