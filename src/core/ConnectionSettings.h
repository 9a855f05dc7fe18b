#pragma once
// The stored link selection and the history of identified instruments.
#include <string>

namespace vamok {

// "CommPort" = "COM" + port (modulo 65536), "Sprache" = language,
// "UserPath" when chosen, and the three link flags from App().
void WriteConnectionSettings(int port, const std::string& language);

// "CommDevice": an explicit serial device path; removed when empty.
void WriteCommDevice(const std::string& devicePath);

// App().LastVamok and the three found flags from the store.
void ReadDeviceHistory();

// Stores App().LastVamok; a known model also sets its found value for good.
void WriteDeviceHistory();

// The port number in a "CommPort" text: the number after its first three
// characters, 1 when that is not a positive number.
int ParseCommPort(const std::string& text);

} // namespace vamok
