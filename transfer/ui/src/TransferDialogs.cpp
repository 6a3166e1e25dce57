#include "transfer/ui/TransferDialogs.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedLayout>
#include <QTimer>
#include <QVBoxLayout>

#include "transfer/ui/UiServices.h"

namespace sendrik {

CCancelDlg::CCancelDlg(int& stopFlag, QWidget* parent) : QDialog(parent), m_stopFlag(stopFlag) {
    setObjectName("CCancelDlg");
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_editLine = new QLineEdit(this);
    m_editLine->setObjectName("lineText");
    m_editLine->setReadOnly(true);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName("progress");
    m_progress->setRange(1, 100);
    m_progress->setValue(1);
    m_progress->setFormat("%v%");

    auto* stack = new QWidget(this);
    auto* stacked = new QStackedLayout(stack);
    stacked->setStackingMode(QStackedLayout::StackOne);
    stacked->addWidget(m_progress);
    stacked->addWidget(m_editLine);
    stack->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cancelButton");
    connect(cancel, &QPushButton::clicked, this, &CCancelDlg::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stack);
    layout->addLayout(buttons);
    setMinimumWidth(420);
    ShowBar(true);
}

void CCancelDlg::ShowBar(bool showBar) {
    auto* stacked = static_cast<QStackedLayout*>(m_progress->parentWidget()->layout());
    stacked->setCurrentWidget(showBar ? static_cast<QWidget*>(m_progress) : m_editLine);
}

void CCancelDlg::SetLineText(const QString& text) {
    m_editLine->setText(text);
}

void CCancelDlg::SetProgressPos(int percent) {
    if (m_progress->value() != percent) m_progress->setValue(percent);
}

void CCancelDlg::reject() {
    m_stopFlag = 1;
}

CTransDelayDlg::CTransDelayDlg(const QString& path, int delaySeconds, QWidget* parent)
    : QDialog(parent), m_strPath(path), m_nDelay(delaySeconds), m_nRemaining(delaySeconds) {
    setObjectName("CTransDelayDlg");
    setWindowTitle(tr("File Transfer Delay"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_lblFile = new QLabel(this);
    m_lblFile->setObjectName("fileText");
    m_lblFile->setAlignment(Qt::AlignCenter);
    m_lblFile->setWordWrap(true);
    m_lblFile->setText(tr("File %1 will be sent in:").arg(m_strPath));

    m_lblCountdown = new QLabel(this);
    m_lblCountdown->setObjectName("countdown");
    m_lblCountdown->setAlignment(Qt::AlignCenter);
    QFont big = m_lblCountdown->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    m_lblCountdown->setFont(big);

    auto* sendNow = new QPushButton(tr("Send Immediately"), this);
    sendNow->setObjectName("sendImmediatelyButton");
    sendNow->setDefault(true);
    sendNow->setAutoDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cancelButton");
    cancel->setAutoDefault(false);
    connect(sendNow, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(sendNow);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lblFile);
    layout->addWidget(m_lblCountdown);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(380);

    m_timer = new QTimer(this);
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &CTransDelayDlg::OnTimer);
    m_timer->start();
    UpdateCountdown();
}

CTransDelayDlg::~CTransDelayDlg() {
    m_timer->stop();
}

QString CTransDelayDlg::FormatCountdown(int seconds) {
    if (seconds < 0) seconds = 0;
    return QString("%1 : %2").arg(seconds / 60).arg(seconds % 60);
}

void CTransDelayDlg::OnTimer() {
    --m_nRemaining;
    if (m_nRemaining <= 0) {
        m_timer->stop();
        accept();
    }
    UpdateCountdown();
}

void CTransDelayDlg::UpdateCountdown() {
    m_lblCountdown->setText(FormatCountdown(m_nRemaining));
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("CAboutDlg");
    setWindowTitle(tr("About Sendrik"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* icon = new QLabel(this);
    icon->setPixmap(SendrikIcon().pixmap(48, 48));
    auto* name = new QLabel(this);
    name->setObjectName("programName");
    QString text = "Sendrik";
    const QString version = QCoreApplication::applicationVersion();
    if (!version.isEmpty()) text += " " + tr("Version %1").arg(version);
    name->setText(text);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addWidget(name, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

}  // namespace sendrik
