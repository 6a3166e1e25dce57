#include "calc/ui/SystemPrograms.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

#include "calc/LocalText.h"

namespace calc {

QString FindFirstProgram(const QStringList& names) {
    for (const QString& name : names) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty()) return path;
    }
    return {};
}

bool LaunchSystemCalculator(const CalcEnv& env) {
    const QString program = FindFirstProgram(kCalculatorPrograms);
    if (program.isEmpty() || !QProcess::startDetached(program, {})) {
        MsgNoCalculator(env);
        return false;
    }
    return true;
}

bool StartSysInfo(const CalcEnv& env) {
    const QString program = FindFirstProgram(kSystemInfoPrograms);
    if (program.isEmpty() || !QProcess::startDetached(program, {})) {
        env.messages.ShowMessage(
            QCoreApplication::translate("calc::SystemPrograms",
                                        "System Information Is Unavailable At This Time")
                .toStdString(),
            kAppTitle, MsgIcon::None);
        return false;
    }
    return true;
}

}  // namespace calc
