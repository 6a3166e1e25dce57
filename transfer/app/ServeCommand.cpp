#include <CLI/CLI.hpp>

#include "Commands.h"
#include "transfer/serve/Serve.h"

namespace sendrik::cli {

void DefineServeOptions(CLI::App& app, Options& options) {
    const auto fileName = [&options](const char* name, auto store) {
        return [&options, name, store](const std::string& value) {
            if (value.empty() && options.error.empty())
                options.error = std::string(name) + " needs a file name";
            store(value);
        };
    };
    app.add_option_function<std::string>(
        "--machines",
        fileName("--machines", [&options](const std::string& v) { options.machinesFile = v; }));
    app.add_option_function<std::string>(
        "--log", fileName("--log", [&options](const std::string& v) { options.logFile = v; }));
    app.add_flag("--check", options.serveCheck);
}

int RunServeCommand(const Options& options, const std::string& configPath, std::ostream& out,
                    std::ostream& err) {
    serve::ServeOptions serveOptions;
    serveOptions.machinesFile = options.machinesFile;
    serveOptions.configFile = configPath;
    serveOptions.logFile = options.logFile;
    serveOptions.check = options.serveCheck;
    return serve::RunServe(serveOptions, out, err);
}

}  // namespace sendrik::cli
