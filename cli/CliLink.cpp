#include "cli/CliLink.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/Folders.h"
#include "device/AccessMessages.h"
#include "device/DemoLink.h"
#include "device/TAPSend.h"
#include "live/IdentificationParser.h"
#include "types/TypeFile.h"
#include "types/TypeLibraryFile.h"
#include "types/TypeReporter.h"

#include <QFileInfo>

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

void LoadForRating(const std::string& path)
{
    // A missing file gives the predefined type alone, as in the program.
    StderrReporter reporter;
    LoadTypeFile(path, reporter);
}

std::string UserLibrary() { return AppDataFolder() + kLibraryFileName; }

} // namespace

std::vector<CliOption> LinkOptionList()
{
    return {
        {{"link"}, "L", "altarim, quadrovan, rix, ventiq or demo (the built-in demonstration rix)"},
        {{"port"}, "PATH", "the serial device instead of the settings' port (e.g. vamok-sim's terminal)"},
        {{"library"}, "FILE", "the type library the ratings come from (default: the program's Vamok.APT)"},
    };
}

std::optional<LinkOptions> TakeLinkOptions(const CliArguments& args)
{
    LinkOptions o{args.value("link").value_or(""), args.value("port").value_or(""),
                  args.value("library").value_or("")};
    if (o.link == "demo" && !o.port.empty()) {
        args.UsageError("the demo link has no port");
        return std::nullopt;
    }
    if (o.link != "demo" && o.link != "altarim" && o.link != "quadrovan" && o.link != "rix" && o.link != "ventiq") {
        args.UsageError(o.link.empty() ? "--link is missing" : "unknown link '" + o.link + "'");
        return std::nullopt;
    }
    return o;
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
        // A refusal the user must act on is told with its fix once nothing
        // answers (ReportNoAnswer).
        if (!layer.AccessRefusal())
            std::fprintf(stderr, "vamok-cli: %s\n", e.what());
    }
}

bool IdentifyForVersion(TAPSend& layer)
{
    DeviceAnswering = true;
    const int timeoutMs = App().VentiqMode ? 1400 : 1000;
    const std::string reply = layer.SendCommand("VeSr", "VAMOK", timeoutMs, 53, "");
    if (reply.empty())
        return false;
    const Identification id = ParseIdentification(PrefixWithLength(reply), App().UsbMode);
    if (id.DeviceVersion)
        App().DeviceVersion = *id.DeviceVersion;
    return true;
}

ExitCode ReportNoAnswer(const TAPSend& layer)
{
    if (const auto& refusal = layer.AccessRefusal()) {
        std::fprintf(stderr, "vamok-cli: %s\n", TerminalText(AccessRefusalText(*refusal, EnglishAccessTexts())).c_str());
        return ExitCode::CannotOpen;
    }
    std::fprintf(stderr, "vamok-cli: no instrument answered\n");
    return ExitCode::NoInstrument;
}

void LoadTypesForRating(const std::string& library)
{
    if (!library.empty())
        LoadForRating(CommandLineText(library));
    else if (QFileInfo::exists(FromCp1252(UserLibrary())))
        LoadForRating(UserLibrary());
    else
        LoadForRating(ShippedLibraryPath());
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
