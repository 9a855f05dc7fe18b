#include "cli/CliLink.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/Folders.h"
#include "device/DemoLink.h"
#include "device/TAPSend.h"
#include "types/TypeFile.h"
#include "types/TypeLibraryFile.h"
#include "types/TypeReporter.h"

#include <cstdio>

using namespace vamok;

namespace {

class StderrReporter : public TypeReporter {
public:
    void Message(const std::string& caption, const std::string& text) override
    {
        std::fprintf(stderr, "%s: %s\n", TerminalText(caption).c_str(), TerminalText(text).c_str());
    }
    // Nothing here asks a question that needs a Yes.
    bool AskYes(const std::string&, const std::string&) override { return false; }
};

} // namespace

bool TakeLinkOption(const CliArgs& args, std::size_t& i, LinkOptions& options)
{
    if (i + 1 >= args.size())
        return false;
    std::string* target = nullptr;
    if (args[i] == "--link")
        target = &options.link;
    else if (args[i] == "--port")
        target = &options.port;
    else if (args[i] == "--library")
        target = &options.library;
    if (!target)
        return false;
    *target = args[++i];
    return true;
}

bool ValidLinkOptions(const LinkOptions& o)
{
    if (o.link == "demo")
        return o.port.empty();
    return o.link == "altarim" || o.link == "quadrovan" || o.link == "rix" || o.link == "ventiq";
}

void EnsureCoreApplication(std::unique_ptr<QCoreApplication>& owned)
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "vamok-cli";
    static char* argv[] = {name, nullptr};
    owned = std::make_unique<QCoreApplication>(argc, argv);
}

void OpenLink(TAPSend& layer, const LinkOptions& o)
{
    if (o.link == "demo") {
        StartDemoLink(layer);
        return;
    }
    App().UsbMode = o.link == "rix" || o.link == "ventiq";
    App().VentiqMode = o.link == "ventiq";
    App().QuadrovanMode = o.link == "quadrovan";
    if (!o.port.empty()) {
        App().ComPortPath = CommandLineText(o.port);
        // A serial device carries the bridge's frames too (vamok-sim).
        layer.SetUsbFramesOnSerial(App().UsbMode);
    }
    // The USB bridge is opened by the first send; a serial port only when
    // the link uses one.
    if (App().UsbMode && o.port.empty())
        return;
    try {
        layer.SelectComPort(App().ComPortNumber);
    } catch (const PortOpenError& e) {
        std::fprintf(stderr, "vamok-cli: %s\n", e.what());
    }
}

void LoadTypesForRating(const std::string& library)
{
    // A missing library (a fresh installation) gives the predefined type
    // alone, as in the program.
    StderrReporter reporter;
    LoadTypeFile(library.empty() ? AppDataFolder() + kLibraryFileName : CommandLineText(library), reporter);
}

std::string TerminalText(const std::string& cp1252)
{
    QString text = FromCp1252(cp1252);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.toUtf8().toStdString();
}

std::string CommandLineText(const std::string& localPath)
{
    return ToCp1252(QString::fromLocal8Bit(QByteArray::fromStdString(localPath)));
}
