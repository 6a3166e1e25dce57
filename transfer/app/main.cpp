// Sendrik: without a subcommand the window opens; with one, the command runs without
// windows (see CommandLine.h).

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStringList>
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "OpenedFiles.h"
#include "common/DisplayCheck.h"
#include "common/Translations.h"
#include "transfer/ui/SendrikDlg.h"

namespace {

std::string ProgramDir(const char* argv0) {
    // applicationDirPath needs an application object; before one exists, /proc knows.
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists()) return QFileInfo(self.symLinkTarget()).absolutePath().toStdString();
    return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath().toStdString();
}

int g_signalPipe[2] = {-1, -1};

extern "C" void OnTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}

// A logout or "kill" closes the window the normal way, so the configurations are saved
// (a running transfer is stopped first).
void CloseOnTermination(QWidget& window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[0], &byte, 1);
        window.close();
    });
    struct sigaction action {};
    action.sa_handler = OnTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    const auto opened = sendrik::cli::TakeOpenedFiles(args);
    sendrik::cli::Options options = sendrik::cli::ParseArguments(args);
    const std::string programDir = ProgramDir(argv[0]);
    using sendrik::cli::Command;
    if (opened && options.command != Command::Window && options.command != Command::Help &&
        options.command != Command::Version)
        options.error = "--open belongs to the window";

    if (options.command != Command::Window || !options.error.empty()) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName("Sendrik");
        QCoreApplication::setApplicationVersion(SENDRIK_VERSION);
        return sendrik::cli::RunCommand(options, programDir, std::cout, std::cerr);
    }

    common::DisplayCheck display("sendrik", argc, argv);
    if (!display.Available()) return 1;
    QApplication app(argc, argv);
    display.Connected();
    QApplication::setApplicationName("Sendrik");
    QApplication::setApplicationVersion(SENDRIK_VERSION);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarvik.Sendrik"));
    common::InstallTranslations(QStringLiteral("sendrik"), common::DesktopLanguageCode());
    QString commandFile;
    if (!options.commandFile.empty())
        commandFile = QFileInfo(QString::fromStdString(options.commandFile)).absoluteFilePath();
    sendrik::CSendrikDlg window(sendrik::cli::ConfigFilePath(options, programDir), commandFile);
    if (opened) {
        QStringList files;
        for (const std::string& file : *opened)
            files << QFileInfo(QString::fromLocal8Bit(file.c_str())).absoluteFilePath();
        window.SetOpenedFiles(files);
    }
    CloseOnTermination(window);
    window.show();
    try {
        return app.exec();
    } catch (const std::exception& e) {
        std::cerr << "sendrik: " << e.what() << "\n";
        return 1;
    }
}
