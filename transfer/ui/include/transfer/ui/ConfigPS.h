#pragma once

#include <QDialog>
#include <QString>
#include <QWidget>

#include "transfer/Port.h"
#include "transfer/PortConfig.h"
#include "transfer/Settings.h"
#include "transfer/ui/UiServices.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace sendrik {

// A page of the configuration editor: loads its fields into the controls and saves
// them back when it is left or the sheet is accepted.
class CPropertyPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    // Fields into controls.
    virtual void LoadPage() = 0;
    // Controls into fields, with the checks; a failure tells the user, puts the focus on
    // the offending control and returns false.
    virtual bool OnKillActive() = 0;
};

// "Common": the name and the line settings.
class CCommonPage : public CPropertyPage {
    Q_OBJECT
public:
    CCommonPage(CPortConfig& config, const CSettings& settings, bool adding, const PortMap& map,
                IMessageBoxes& messages, QWidget* parent = nullptr);
    void LoadPage() override;
    bool OnKillActive() override;
    void OnRestoreDefault();

private:
    bool ReadByte(QLineEdit* edit, std::uint8_t& value);

    CPortConfig& m_config;
    const CSettings& m_settings;
    bool m_bAdding;
    IMessageBoxes& m_messages;
    std::string m_strInitialName;

    QLineEdit* m_editName;
    QComboBox* m_cboBaudRate;
    QComboBox* m_cboDataBits;
    QComboBox* m_cboStopBits;
    QComboBox* m_cboParity;
    QComboBox* m_cboFlowControl;
    QLineEdit* m_editXon;
    QLineEdit* m_editXoff;
    QComboBox* m_cboPort;
};

// "Send" and "Receive": the processing of one direction.
class CTransferPage : public CPropertyPage {
    Q_OBJECT
public:
    CTransferPage(TRANSFER_CONFIG& config, bool sendPage, IFileDialogs& files,
                  IMessageBoxes& messages, QWidget* parent = nullptr);
    void LoadPage() override;
    bool OnKillActive() override;
    void OnRestoreDefault();
    void OnBrowse();
    // Enables each sequence edit exactly while its check box is checked; a disabled edit's
    // text is kept aside and comes back when it is enabled again.
    void UpdateSequenceEdits();

private:
    bool ReadInt(QLineEdit* edit, int low, int high, int& value);

    TRANSFER_CONFIG& m_config;
    bool m_bSendPage;
    IFileDialogs& m_files;
    IMessageBoxes& m_messages;
    QString m_strRememberedRecognize;
    QString m_strRememberedReplace;

    QLineEdit* m_editHeader;
    QLineEdit* m_editTrailer;
    QCheckBox* m_chkRecognizeEol;
    QLineEdit* m_editEolRecognize;
    QCheckBox* m_chkReplaceEol;
    QLineEdit* m_editEolReplace;
    QCheckBox* m_chkCheckPercent;
    QCheckBox* m_chkSkipEmptyLines;
    QCheckBox* m_chkSkipLineNumbers;
    QCheckBox* m_chkSkipNonPrintable;
    QCheckBox* m_chkSkipParen;
    QCheckBox* m_chkSkipBracket;
    QCheckBox* m_chkSkipSemicolon;
    QLineEdit* m_editFolder;
    QLineEdit* m_editMinutes = nullptr;
    QLineEdit* m_editSeconds = nullptr;
};

class CSendPage : public CTransferPage {
    Q_OBJECT
public:
    CSendPage(TRANSFER_CONFIG_SEND& config, IFileDialogs& files, IMessageBoxes& messages,
              QWidget* parent = nullptr)
        : CTransferPage(config, true, files, messages, parent) {}
};

class CReceivePage : public CTransferPage {
    Q_OBJECT
public:
    CReceivePage(TRANSFER_CONFIG_RECEIVE& config, IFileDialogs& files, IMessageBoxes& messages,
                 QWidget* parent = nullptr)
        : CTransferPage(config, false, files, messages, parent) {}
};

// The configuration editor: "Add New Port Config" or "Edit Port Config" on a working copy
// of a configuration. The caller reads Config() after OK.
class CConfigPS : public QDialog {
    Q_OBJECT
public:
    CConfigPS(const CPortConfig& source, bool adding, const CSettings& settings, const PortMap& map,
              UiServices services, QWidget* parent = nullptr);

    const CPortConfig& Config() const { return m_config; }
    QTabWidget* Tabs() const { return m_tabs; }
    CCommonPage* CommonPage() const { return m_pCommon; }
    CSendPage* SendPage() const { return m_pSend; }
    CReceivePage* ReceivePage() const { return m_pReceive; }

public slots:
    void accept() override;

private:
    void OnPageChanging(int newIndex);

    CPortConfig m_config;
    bool m_bAdding;
    QTabWidget* m_tabs;
    CCommonPage* m_pCommon;
    CSendPage* m_pSend;
    CReceivePage* m_pReceive;
    int m_nCurrent = 0;
};

}  // namespace sendrik
