#include "transfer/ui/ConfigPS.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/ScreenFit.h"

namespace sendrik {

namespace {

const char* const kMsgEnterByte =
    QT_TRANSLATE_NOOP("sendrik::CConfigPS", "Enter an integer between 0 and 255.");
const char* const kMsgEnterInteger = QT_TRANSLATE_NOOP("sendrik::CConfigPS", "Enter an integer.");

QString Translated(const char* text) {
    return QCoreApplication::translate("sendrik::CConfigPS", text);
}

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// Selects the entry whose data is `value`; none when no entry has it.
void SelectByData(QComboBox* box, int value) {
    box->setCurrentIndex(box->findData(value));
}

QComboBox* MakeList(const char* name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    return box;
}

QLineEdit* MakeEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QCheckBox* MakeCheck(const QString& caption, const char* name, QWidget* parent) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    return check;
}

QLabel* MakeNote(QWidget* parent) {
    auto* note =
        new QLabel(Translated(QT_TRANSLATE_NOOP(
                       "sendrik::CConfigPS", "(Codes are in ASCII decimal format, see Help file)")),
                   parent);
    note->setEnabled(false);
    return note;
}

// The whole text as a decimal integer with an optional sign.
bool ParseInteger(const QString& text, long long& value) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 12) return false;
    bool ok = false;
    value = t.toLongLong(&ok, 10);
    return ok;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Common page

CCommonPage::CCommonPage(CPortConfig& config, const CSettings& settings, bool adding,
                         const PortMap& map, IMessageBoxes& messages, QWidget* parent)
    : CPropertyPage(parent),
      m_config(config),
      m_settings(settings),
      m_bAdding(adding),
      m_messages(messages) {
    setObjectName("CCommonPage");
    m_editName = MakeEdit("nameEdit", this);
    m_cboBaudRate = MakeList("baudRateBox", this);
    for (int rate : {110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600,
                     115200, 128000, 256000})
        m_cboBaudRate->addItem(QString::number(rate), rate);
    m_cboDataBits = MakeList("dataBitsBox", this);
    for (int bits : {4, 5, 6, 7, 8}) m_cboDataBits->addItem(QString::number(bits), bits);
    m_cboStopBits = MakeList("stopBitsBox", this);
    m_cboStopBits->addItem("1", 0);
    m_cboStopBits->addItem("1.5", 1);
    m_cboStopBits->addItem("2", 2);
    m_cboParity = MakeList("parityBox", this);
    m_cboParity->addItem(tr("Even"), 2);
    m_cboParity->addItem(tr("Mark"), 3);
    m_cboParity->addItem(tr("None"), 0);
    m_cboParity->addItem(tr("Odd"), 1);
    m_cboParity->addItem(tr("Space"), 4);
    m_cboFlowControl = MakeList("flowControlBox", this);
    m_cboFlowControl->addItem(tr("None"), kFlowNone);
    m_cboFlowControl->addItem(tr("Hardware"), kFlowHardware);
    m_cboFlowControl->addItem(tr("Hardware no DTR"), kFlowHardwareNoDtr);
    m_cboFlowControl->addItem("Xon/Xoff", kFlowXonXoff);
    auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this);
    m_editXon = MakeEdit("xonEdit", this);
    m_editXon->setValidator(digits);
    m_editXon->setMaxLength(5);
    m_editXoff = MakeEdit("xoffEdit", this);
    m_editXoff->setValidator(digits);
    m_editXoff->setMaxLength(5);
    m_cboPort = MakeList("portBox", this);
    m_cboPort->addItem(tr("Use Current Port"), 0);
    for (int number : EnumeratePorts(map))
        m_cboPort->addItem(FromUtf8(PortDisplayName(number, map)), number);
    auto* restore = new QPushButton(tr("Restore Default"), this);
    restore->setObjectName("restoreDefaultButton");
    restore->setAutoDefault(false);
    connect(restore, &QPushButton::clicked, this, &CCommonPage::OnRestoreDefault);

    auto* grid = new QGridLayout;
    int row = 0;
    grid->addWidget(new QLabel(tr("Name:"), this), row, 0);
    grid->addWidget(m_editName, row, 1, 1, 3);
    ++row;
    grid->addWidget(new QLabel(tr("Baud Rate:"), this), row, 0);
    grid->addWidget(m_cboBaudRate, row, 1);
    grid->addWidget(new QLabel(tr("Data Bits:"), this), row, 2);
    grid->addWidget(m_cboDataBits, row, 3);
    ++row;
    grid->addWidget(new QLabel(tr("Parity:"), this), row, 0);
    grid->addWidget(m_cboParity, row, 1);
    grid->addWidget(new QLabel(tr("Stop Bits:"), this), row, 2);
    grid->addWidget(m_cboStopBits, row, 3);
    ++row;
    grid->addWidget(new QLabel(tr("Flow Control:"), this), row, 0);
    grid->addWidget(m_cboFlowControl, row, 1);
    ++row;
    grid->addWidget(new QLabel(tr("XON Char:"), this), row, 0);
    grid->addWidget(m_editXon, row, 1);
    grid->addWidget(new QLabel(tr("XOFF Char:"), this), row, 2);
    grid->addWidget(m_editXoff, row, 3);
    ++row;
    grid->addWidget(new QLabel(tr("Port:"), this), row, 0);
    grid->addWidget(m_cboPort, row, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnMinimumWidth(2, 70);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(restore);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(bottom);

    LoadPage();
    m_strInitialName = m_config.m_strName;
}

void CCommonPage::LoadPage() {
    const PORT_CONFIG& port = m_config.m_port;
    SelectByData(m_cboBaudRate, static_cast<int>(port.m_dwBaudRate));
    SelectByData(m_cboDataBits, port.m_byDataBits);
    SelectByData(m_cboStopBits, port.m_byStopBits);
    SelectByData(m_cboParity, port.m_byParity);
    SelectByData(m_cboFlowControl, port.m_nFlowControl);
    const int portPos = m_cboPort->findData(port.m_nPort);
    m_cboPort->setCurrentIndex(portPos >= 0 ? portPos : 0);
    m_editXoff->setText(QString::number(port.m_chXoff));
    m_editXon->setText(QString::number(port.m_chXon));
    m_editName->setText(FromUtf8(m_config.m_strName));
}

bool CCommonPage::ReadByte(QLineEdit* edit, std::uint8_t& value) {
    long long number = 0;
    if (!ParseInteger(edit->text(), number) || number < 0 || number > 255) {
        m_messages.ShowMessage(this, Translated(kMsgEnterByte));
        edit->setFocus();
        edit->selectAll();
        return false;
    }
    value = static_cast<std::uint8_t>(number);
    return true;
}

bool CCommonPage::OnKillActive() {
    PORT_CONFIG port = m_config.m_port;
    if (!ReadByte(m_editXoff, port.m_chXoff)) return false;
    if (!ReadByte(m_editXon, port.m_chXon)) return false;
    const std::string name = m_editName->text().trimmed().toStdString();
    // A list without a selection keeps the stored value (one that is in no entry).
    if (m_cboBaudRate->currentIndex() >= 0)
        port.m_dwBaudRate = m_cboBaudRate->currentData().toUInt();
    if (m_cboDataBits->currentIndex() >= 0)
        port.m_byDataBits = static_cast<std::uint8_t>(m_cboDataBits->currentData().toInt());
    if (m_cboStopBits->currentIndex() >= 0)
        port.m_byStopBits = static_cast<std::uint8_t>(m_cboStopBits->currentData().toInt());
    if (m_cboParity->currentIndex() >= 0)
        port.m_byParity = static_cast<std::uint8_t>(m_cboParity->currentData().toInt());
    if (m_cboFlowControl->currentIndex() >= 0)
        port.m_nFlowControl = m_cboFlowControl->currentData().toInt();
    if (m_cboPort->currentIndex() >= 0) port.m_nPort = m_cboPort->currentData().toInt();

    if (auto failure = m_settings.ValidateName(name, m_strInitialName, m_bAdding)) {
        m_messages.ShowMessage(this, TranslateCoreText(failure->message));
        m_editName->setFocus();
        m_editName->selectAll();
        return false;
    }
    m_config.m_port = port;
    m_config.m_strName = name;
    return true;
}

void CCommonPage::OnRestoreDefault() {
    m_config.m_port.SetDefault();
    LoadPage();
}

// ---------------------------------------------------------------------------------------
// Send and Receive pages

CTransferPage::CTransferPage(TRANSFER_CONFIG& config, bool sendPage, IFileDialogs& files,
                             IMessageBoxes& messages, QWidget* parent)
    : CPropertyPage(parent),
      m_config(config),
      m_bSendPage(sendPage),
      m_files(files),
      m_messages(messages) {
    setObjectName(sendPage ? "CSendPage" : "CReceivePage");

    m_editHeader = MakeEdit("headerEdit", this);
    m_editTrailer = MakeEdit("trailerEdit", this);
    auto* codes = new QGroupBox(this);
    auto* codesGrid = new QGridLayout(codes);
    codesGrid->addWidget(new QLabel(tr("Header:"), codes), 0, 0);
    codesGrid->addWidget(m_editHeader, 0, 1);
    codesGrid->addWidget(new QLabel(tr("Trailer:"), codes), 1, 0);
    codesGrid->addWidget(m_editTrailer, 1, 1);
    codesGrid->addWidget(MakeNote(codes), 2, 0, 1, 2);

    auto* eolGroup = new QGroupBox(tr("End Of Line sequence:"), this);
    m_chkRecognizeEol =
        MakeCheck(tr("Recognize custom EOL sequence:"), "recognizeEolCheck", eolGroup);
    m_editEolRecognize = MakeEdit("eolRecognizeEdit", eolGroup);
    m_chkReplaceEol = MakeCheck(tr("Replace With:"), "replaceEolCheck", eolGroup);
    m_editEolReplace = MakeEdit("eolReplaceEdit", eolGroup);
    auto* eolGrid = new QGridLayout(eolGroup);
    eolGrid->addWidget(m_chkRecognizeEol, 0, 0);
    eolGrid->addWidget(m_editEolRecognize, 0, 1);
    eolGrid->addWidget(m_chkReplaceEol, 1, 0);
    eolGrid->addWidget(m_editEolReplace, 1, 1);
    eolGrid->addWidget(MakeNote(eolGroup), 2, 0, 1, 2);
    eolGrid->setColumnStretch(1, 1);

    m_chkCheckPercent =
        MakeCheck(tr("Check \"%\" character, at the end of the program, for transfer termination."),
                  "checkPercentCheck", this);
    m_chkSkipEmptyLines = MakeCheck(tr("Skip empty lines."), "skipEmptyLinesCheck", this);
    m_chkSkipLineNumbers = MakeCheck(tr("Skip line numbers."), "skipLineNumbersCheck", this);
    // The configuration file has no place for this choice.
    m_chkSkipLineNumbers->setToolTip(tr("Not stored: off again each time Sendrik starts."));
    m_chkSkipNonPrintable =
        MakeCheck(tr("Skip non printable bytes"), "skipNonPrintableCheck", this);

    auto* commentGroup = new QGroupBox(tr("Skip Comments:"), this);
    m_chkSkipParen = MakeCheck("(...)", "skipParenCheck", commentGroup);
    m_chkSkipBracket = MakeCheck("[...]", "skipBracketCheck", commentGroup);
    m_chkSkipSemicolon = MakeCheck(";...EOL", "skipSemicolonCheck", commentGroup);
    auto* commentLayout = new QVBoxLayout(commentGroup);
    commentLayout->addWidget(m_chkSkipParen);
    commentLayout->addWidget(m_chkSkipBracket);
    commentLayout->addWidget(m_chkSkipSemicolon);

    auto* skips = new QVBoxLayout;
    skips->addWidget(m_chkSkipEmptyLines);
    skips->addWidget(m_chkSkipLineNumbers);
    skips->addWidget(m_chkSkipNonPrintable);
    skips->addStretch();
    auto* options = new QHBoxLayout;
    options->addLayout(skips, 1);
    options->addWidget(commentGroup);

    m_editFolder = MakeEdit("folderEdit", this);
    auto* browse = new QPushButton("...", this);
    browse->setObjectName("browseButton");
    browse->setAutoDefault(false);
    browse->setFixedWidth(browse->fontMetrics().horizontalAdvance("...") + 24);
    connect(browse, &QPushButton::clicked, this, &CTransferPage::OnBrowse);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(new QLabel(tr("Default folder:"), this));
    folderRow->addWidget(m_editFolder, 1);
    folderRow->addWidget(browse);

    auto* restore = new QPushButton(tr("Restore Default"), this);
    restore->setObjectName("restoreDefaultButton");
    restore->setAutoDefault(false);
    connect(restore, &QPushButton::clicked, this, &CTransferPage::OnRestoreDefault);
    auto* bottom = new QHBoxLayout;
    if (m_bSendPage) {
        m_editMinutes = MakeEdit("delayMinutesEdit", this);
        m_editSeconds = MakeEdit("delaySecondsEdit", this);
        const int width = m_editMinutes->fontMetrics().horizontalAdvance("0000") + 16;
        m_editMinutes->setFixedWidth(width);
        m_editSeconds->setFixedWidth(width);
        auto* delayGrid = new QGridLayout;
        delayGrid->addWidget(new QLabel(tr("Start transfer delay:"), this), 0, 0);
        delayGrid->addWidget(m_editMinutes, 0, 1);
        delayGrid->addWidget(new QLabel(":", this), 0, 2);
        delayGrid->addWidget(m_editSeconds, 0, 3);
        delayGrid->addWidget(new QLabel(tr("min."), this), 1, 1, Qt::AlignHCenter);
        delayGrid->addWidget(new QLabel(tr("sec."), this), 1, 3, Qt::AlignHCenter);
        bottom->addLayout(delayGrid);
    }
    bottom->addStretch();
    bottom->addWidget(restore, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(codes);
    layout->addWidget(eolGroup);
    layout->addWidget(m_chkCheckPercent);
    layout->addLayout(options);
    layout->addLayout(folderRow);
    layout->addStretch();
    layout->addLayout(bottom);

    connect(m_chkRecognizeEol, &QCheckBox::clicked, this, &CTransferPage::UpdateSequenceEdits);
    connect(m_chkReplaceEol, &QCheckBox::clicked, this, &CTransferPage::UpdateSequenceEdits);

    LoadPage();
}

void CTransferPage::LoadPage() {
    // Both edits take their loaded text; the check boxes then decide which keep it.
    m_editEolRecognize->setEnabled(true);
    m_editEolReplace->setEnabled(true);
    m_editHeader->setText(FromUtf8(FormatCodes(m_config.m_header)));
    m_editTrailer->setText(FromUtf8(FormatCodes(m_config.m_trailer)));
    m_editEolRecognize->setText(FromUtf8(FormatCodes(m_config.m_eolRecognize)));
    m_editEolReplace->setText(FromUtf8(FormatCodes(m_config.m_eolReplace)));
    m_chkRecognizeEol->setChecked(m_config.m_bRecognizeEol != 0);
    m_chkReplaceEol->setChecked(m_config.m_bReplaceEol != 0);
    m_chkCheckPercent->setChecked(m_config.m_bCheckPercent != 0);
    m_chkSkipEmptyLines->setChecked(m_config.m_bSkipEmptyLines != 0);
    m_chkSkipLineNumbers->setChecked(m_config.m_bSkipLineNumbers != 0);
    m_chkSkipNonPrintable->setChecked(m_config.m_bSkipNonPrintable != 0);
    m_chkSkipParen->setChecked((m_config.m_nSkipComments & kCommentParen) != 0);
    m_chkSkipBracket->setChecked((m_config.m_nSkipComments & kCommentBracket) != 0);
    m_chkSkipSemicolon->setChecked((m_config.m_nSkipComments & kCommentSemicolon) != 0);
    m_editFolder->setText(FromUtf8(m_config.m_strFolder));
    if (m_bSendPage) {
        m_editMinutes->setText(QString::number(m_config.m_nDelaySeconds / 60));
        m_editSeconds->setText(QString::number(m_config.m_nDelaySeconds % 60));
    }
    m_strRememberedRecognize.clear();
    m_strRememberedReplace.clear();
    UpdateSequenceEdits();
}

void CTransferPage::UpdateSequenceEdits() {
    const auto apply = [](QCheckBox* check, QLineEdit* edit, QString& remembered) {
        if (check->isChecked() && !edit->isEnabled()) {
            edit->setText(remembered);
            edit->setEnabled(true);
        } else if (!check->isChecked() && edit->isEnabled()) {
            remembered = edit->text();
            edit->clear();
            edit->setEnabled(false);
        }
    };
    apply(m_chkRecognizeEol, m_editEolRecognize, m_strRememberedRecognize);
    apply(m_chkReplaceEol, m_editEolReplace, m_strRememberedReplace);
}

bool CTransferPage::ReadInt(QLineEdit* edit, int low, int high, int& value) {
    long long number = 0;
    QString message;
    if (!ParseInteger(edit->text(), number))
        message = Translated(kMsgEnterInteger);
    else if (number < low || number > high)
        message = tr("Enter an integer between %1 and %2.").arg(low).arg(high);
    if (!message.isEmpty()) {
        m_messages.ShowMessage(this, message);
        edit->setFocus();
        edit->selectAll();
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

bool CTransferPage::OnKillActive() {
    int delay = m_config.m_nDelaySeconds;
    if (m_bSendPage) {
        int minutes = 0;
        int seconds = 0;
        if (!ReadInt(m_editMinutes, 0, 480, minutes)) return false;
        if (!ReadInt(m_editSeconds, 0, 59, seconds)) return false;
        delay = minutes * 60 + seconds;
    }
    TransferTexts texts;
    texts.header = m_editHeader->text().toStdString();
    texts.trailer = m_editTrailer->text().toStdString();
    texts.recognizeEol = m_chkRecognizeEol->isChecked();
    texts.eolRecognize = m_editEolRecognize->text().toStdString();
    texts.eolReplace = m_editEolReplace->text().toStdString();
    if (auto failure = ValidateTransferTexts(texts)) {
        m_messages.ShowMessage(this, TranslateCoreText(failure->message));
        QLineEdit* edit = m_editHeader;
        switch (failure->field) {
            case ConfigField::Trailer:
                edit = m_editTrailer;
                break;
            case ConfigField::EolRecognize:
                edit = m_editEolRecognize;
                break;
            case ConfigField::EolReplace:
                edit = m_editEolReplace;
                break;
            default:
                break;
        }
        edit->setFocus();
        edit->selectAll();
        return false;
    }
    ParseCodes(texts.header, m_config.m_header);
    ParseCodes(texts.trailer, m_config.m_trailer);
    ParseCodes(texts.eolRecognize, m_config.m_eolRecognize);
    ParseCodes(texts.eolReplace, m_config.m_eolReplace);
    m_config.m_bRecognizeEol = texts.recognizeEol ? 1 : 0;
    m_config.m_bReplaceEol = m_chkReplaceEol->isChecked() ? 1 : 0;
    m_config.m_bCheckPercent = m_chkCheckPercent->isChecked() ? 1 : 0;
    m_config.m_bSkipEmptyLines = m_chkSkipEmptyLines->isChecked() ? 1 : 0;
    m_config.m_bSkipLineNumbers = m_chkSkipLineNumbers->isChecked() ? 1 : 0;
    m_config.m_bSkipNonPrintable = m_chkSkipNonPrintable->isChecked() ? 1 : 0;
    m_config.m_strFolder = m_editFolder->text().toStdString();
    m_config.m_nDelaySeconds = delay;
    m_config.m_nSkipComments = (m_chkSkipParen->isChecked() ? kCommentParen : 0) |
                               (m_chkSkipBracket->isChecked() ? kCommentBracket : 0) |
                               (m_chkSkipSemicolon->isChecked() ? kCommentSemicolon : 0);
    return true;
}

void CTransferPage::OnRestoreDefault() {
    m_config.SetDefault();
    LoadPage();
}

void CTransferPage::OnBrowse() {
    const QString title = m_bSendPage ? tr("Select Default Directory to send from")
                                      : tr("Select Default Directory to save received files");
    QString start = m_editFolder->text();
    if (start.isEmpty()) start = FromUtf8(m_config.m_strFolder);
    const QString folder = m_files.GetExistingDirectory(this, title, start);
    if (!folder.isEmpty()) m_editFolder->setText(folder);
}

// ---------------------------------------------------------------------------------------
// The sheet

CConfigPS::CConfigPS(const CPortConfig& source, bool adding, const CSettings& settings,
                     const PortMap& map, UiServices services, QWidget* parent)
    : QDialog(parent), m_bAdding(adding) {
    if (!services.messages) services.messages = UiServices::Default().messages;
    if (!services.files) services.files = UiServices::Default().files;
    setObjectName("CConfigPS");
    setWindowTitle(adding ? tr("Add New Port Config") : tr("Edit Port Config"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_config.Copy(source);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName("pages");
    m_pCommon = new CCommonPage(m_config, settings, adding, map, *services.messages, m_tabs);
    m_pSend = new CSendPage(m_config.m_send, *services.files, *services.messages, m_tabs);
    m_pReceive = new CReceivePage(m_config.m_receive, *services.files, *services.messages, m_tabs);
    m_tabs->addTab(m_pCommon, tr("Common"));
    m_tabs->addTab(m_pSend, tr("Send"));
    m_tabs->addTab(m_pReceive, tr("Receive"));
    connect(m_tabs, &QTabWidget::currentChanged, this, &CConfigPS::OnPageChanging);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &CConfigPS::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CConfigPS::reject);

    // At large font sizes the pages scroll; OK and Cancel stay in sight.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(common::MakeFittedScrollArea(m_tabs, this), 1);
    layout->addWidget(buttons);
    resize(sizeHint());
    common::FitWindowToScreen(this);

    // A new configuration starts with its name: what is typed first replaces "New Config".
    if (adding) {
        if (auto* name = m_pCommon->findChild<QLineEdit*>("nameEdit")) {
            name->setFocus(Qt::OtherFocusReason);
            name->selectAll();
        }
    }
}

void CConfigPS::OnPageChanging(int newIndex) {
    if (newIndex == m_nCurrent) return;
    // The page being left must save cleanly before another is shown.
    {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(m_nCurrent);
    }
    auto* leaving = static_cast<CPropertyPage*>(m_tabs->widget(m_nCurrent));
    if (!leaving->OnKillActive()) return;
    const QSignalBlocker block(m_tabs);
    m_tabs->setCurrentIndex(newIndex);
    m_nCurrent = newIndex;
}

void CConfigPS::accept() {
    auto* current = static_cast<CPropertyPage*>(m_tabs->currentWidget());
    if (!current->OnKillActive()) return;
    QDialog::accept();
}

}  // namespace sendrik
