#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace sendrik {

// The progress window of a running transfer: a line-text box and a progress bar in the
// same place, one of them shown, and Cancel. Cancel (and Esc, and the close box) only
// sets the stop flag; the transfer procedure closes the window when it has stopped.
class CCancelDlg : public QDialog {
    Q_OBJECT
public:
    CCancelDlg(int& stopFlag, QWidget* parent = nullptr);

    // true: the progress bar is shown and the text box hidden; false: the other way round.
    void ShowBar(bool showBar);
    void SetLineText(const QString& text);
    void SetProgressPos(int percent);

    QLineEdit* LineEdit() const { return m_editLine; }

public slots:
    void reject() override;  // OnCancel

private:
    int& m_stopFlag;
    QLineEdit* m_editLine;
    QProgressBar* m_progress;
};

// The transfer delay window: counts down the start delay of a file, then sends.
class CTransDelayDlg : public QDialog {
    Q_OBJECT
public:
    CTransDelayDlg(const QString& path, int delaySeconds, QWidget* parent = nullptr);
    ~CTransDelayDlg() override;

    int Remaining() const { return m_nRemaining; }
    // "1 : 5" for 65 seconds.
    static QString FormatCountdown(int seconds);

private:
    void OnTimer();
    void UpdateCountdown();

    QString m_strPath;
    int m_nDelay;
    int m_nRemaining;
    QTimer* m_timer;
    QLabel* m_lblFile;
    QLabel* m_lblCountdown;
};

// "About Sendrik": the icon, the program name and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace sendrik
