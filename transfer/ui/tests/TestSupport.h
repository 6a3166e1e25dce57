#pragma once

// Shared by the window and command-line tests: a pseudo-terminal pair that plays the
// machine, message boxes that record and answer, file dialogs that answer from a script,
// and configuration files on a real temporary disk.

#include <QStringList>
#include <deque>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "../../tests/PtyPair.h"
#include "transfer/Settings.h"
#include "transfer/ui/UiServices.h"

namespace sendrik::test {

using ::PtyPair;

// Records every message and answers questions from a queue (Yes when it is empty).
class RecordingMessageBoxes final : public IMessageBoxes {
public:
    void ShowMessage(QWidget*, const QString& text) override { messages << text; }
    bool AskYesNo(QWidget*, const QString& text) override {
        questions << text;
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QStringList messages;
    QStringList questions;
    std::deque<bool> answers;
};

// Answers the file dialogs with what the test put in; records where each started.
class ScriptedFileDialogs final : public IFileDialogs {
public:
    QString GetOpenFileName(QWidget*, const QString& start) override {
        starts << start;
        return openFile;
    }
    QStringList GetOpenFileNames(QWidget*, const QString& start) override {
        starts << start;
        return openFiles;
    }
    QString GetSaveFileName(QWidget*, const QString& start) override {
        starts << start;
        return saveFile;
    }
    QString GetExistingDirectory(QWidget*, const QString& title, const QString& start) override {
        titles << title;
        starts << start;
        return directory;
    }
    QString openFile;
    QStringList openFiles;
    QString saveFile;
    QString directory;
    QStringList titles;
    QStringList starts;
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Writes a configuration file holding configurations named `names` (defaults otherwise).
inline void WriteConfigFile(const std::string& path, const std::vector<std::string>& names,
                            int selected = 0) {
    CSettings settings(path);
    for (const std::string& name : names) {
        auto config = std::make_unique<CPortConfig>();
        config->m_strName = name;
        settings.Add(std::move(config));
    }
    settings.m_nSelected = selected;
    settings.Save();
}

}  // namespace sendrik::test
