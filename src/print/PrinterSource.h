#pragma once
// The installed printers as the print options see them; tests and machines
// without printers get their own list.
#include <functional>
#include <string>
#include <vector>

namespace vamok {

struct PrinterSource {
    std::function<std::vector<std::string>()> names; // installed printers
    std::function<std::string()> current;            // the platform's current printer, "" for none
    std::function<int(const std::string& name)> colorCount;
};

} // namespace vamok
