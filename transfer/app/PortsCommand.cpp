#include "Commands.h"
#include "transfer/Port.h"

namespace sendrik::cli {

int RunPorts(const Options&, const std::string& path, std::ostream& out, std::ostream& err) {
    const PortMap map = PortMap::Load(PortMap::MapFileFor(path));
    for (const std::string& problem : map.Problems()) err << "sendrik: " << problem << "\n";
    const std::vector<int> ports = EnumeratePorts(map);
    for (int number : ports) out << "COM" << number << "\t" << map.DevicePath(number) << "\n";
    if (ports.empty())
        err << "sendrik: no serial port could be opened (COM1 to COM30, port map "
            << PortMap::MapFileFor(path).string() << ")\n";
    return kExitOk;
}

}  // namespace sendrik::cli
