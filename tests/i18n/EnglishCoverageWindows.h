#pragma once
// Every window of the program, built as the program builds it, each named by
// the section its texts have in the language files. The windows and the
// parts they work on live in a WindowParts; the windows go first.
#include "app/AboutDialog.h"
#include "app/FolderDialog.h"
#include "app/MainWindow.h"
#include "app/PaintTestWindow.h"
#include "comfort/PmvCalculatorWindow.h"
#include "device/BridgeWindow.h"
#include "device/ComOptionWindow.h"
#include "device/ProtocolMonitorWindow.h"
#include "device/TAPSend.h"
#include "device/UsbBridge.h"
#include "i18n/LanguageChoiceDialog.h"
#include "live/NewOnlineSettingsDialog.h"
#include "live/NewOnlineWindow.h"
#include "live/OnlineWindow.h"
#include "measure/BusyDialog.h"
#include "measure/BusyState.h"
#include "measure/GetSelectDialog.h"
#include "measure/InputAPNDialog.h"
#include "measure/NameTypDialog.h"
#include "measure/ReadingDialog.h"
#include "measure/TransferWindow.h"
#include "measure/WritingDialog.h"
#include "print/PrintDataWindow.h"
#include "print/PrintOptionsDialog.h"
#include "print/ReportOutputDialog.h"
#include "profiles/ProfileWindow.h"
#include "profiles/TableSelectColsWindow.h"
#include "types/TypeChoiceDialog.h"
#include "types/TypeDefWindow.h"
#include "types/TypeEditorDialog.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

class WindowParts {
public:
    WindowParts() = default;
    WindowParts(const WindowParts&) = delete;
    WindowParts& operator=(const WindowParts&) = delete;
    ~WindowParts()
    {
        // A window may use the windows made before it until it is gone.
        while (!windows_.empty()) {
            windows_.pop_back();
        }
    }

    template <class Window, class... Args>
    Window& make(Args&&... args)
    {
        auto window = std::make_unique<Window>(std::forward<Args>(args)...);
        Window& made = *window;
        windows_.push_back(std::move(window));
        return made;
    }

    vamok::TAPSend link;
    vamok::UsbBridge ventiqBridge{vamok::MakeHidApiBackend()};
    vamok::BusyState busy;
    vamok::PrintState printState;

private:
    std::vector<std::unique_ptr<QWidget>> windows_;
};

struct WindowCase {
    const char* section;
    std::function<QWidget&(WindowParts&)> create;
};

inline void PrintTo(const WindowCase& window, std::ostream* out) { *out << window.section; }

// The program's windows in the order it creates them.
inline std::vector<WindowCase> ProgramWindows()
{
    using namespace vamok;
    const std::vector<std::string> args{"vamok"};
    return {
        {"TwVamok", [args](WindowParts& p) -> QWidget& { return p.make<TwVamok>(args); }},
        {"TNameTyp", [](WindowParts& p) -> QWidget& { return p.make<TNameTyp>(); }},
        {"TInputAPN", [](WindowParts& p) -> QWidget& { return p.make<TInputAPN>(); }},
        {"TReading", [](WindowParts& p) -> QWidget& { return p.make<TReading>(); }},
        {"TWriting", [](WindowParts& p) -> QWidget& { return p.make<TWriting>(); }},
        {"TGetSelect", [](WindowParts& p) -> QWidget& { return p.make<TGetSelect>(); }},
        {"TBusy", [](WindowParts& p) -> QWidget& { return p.make<TBusy>(p.busy); }},
        {"TInfo", [](WindowParts& p) -> QWidget& { return p.make<TInfo>(); }},
        {"TComOption",
         [](WindowParts& p) -> QWidget& {
             // The serial ports of the machine running the test are no texts.
             auto& window = p.make<TComOption>(p.link);
             window.SetPortSource({});
             return window;
         }},
        {"TPrintOptions",
         [](WindowParts& p) -> QWidget& {
             // The printers of the machine running the test are no texts.
             auto& window = p.make<TPrintOptions>(p.printState);
             window.setPrinterSource({});
             return window;
         }},
        {"TwSprachwahl", [args](WindowParts& p) -> QWidget& { return p.make<TwSprachwahl>(args); }},
        {"TOnline", [](WindowParts& p) -> QWidget& { return p.make<TOnline>(p.link); }},
        {"TwNewOnlineSettings", [](WindowParts& p) -> QWidget& { return p.make<TwNewOnlineSettings>(); }},
        {"TNewOnline", [](WindowParts& p) -> QWidget& { return p.make<TNewOnline>(); }},
        {"TTransferVamokPC",
         [](WindowParts& p) -> QWidget& {
             return p.make<TTransferVamokPC>(p.link, p.make<TGetSelect>(), p.make<TNameTyp>());
         }},
        {"TPrintData",
         [](WindowParts& p) -> QWidget& {
             return p.make<TPrintData>(p.printState, p.make<TPrintOptions>(p.printState));
         }},
        {"TReportOutput", [](WindowParts& p) -> QWidget& { return p.make<TReportOutput>(); }},
        {"TwVerzeichnisse", [](WindowParts& p) -> QWidget& { return p.make<TwVerzeichnisse>(); }},
        {"TwTableSelectCols", [](WindowParts& p) -> QWidget& { return p.make<TwTableSelectCols>(); }},
        {"TwTableSelectColsProfile",
         [](WindowParts& p) -> QWidget& { return p.make<TwTableSelectColsProfile>(p.link); }},
        {"TwVAMOK_PMV", [](WindowParts& p) -> QWidget& { return p.make<TwVAMOK_PMV>(); }},
        // Without a meta object of its own the monitor is named by its objectName.
        {"APSend", [](WindowParts& p) -> QWidget& { return p.make<TAPSendWindow>(p.link); }},
        {"TwVamokHIDControl", [](WindowParts& p) -> QWidget& { return p.make<TwVamokHIDControl>(p.link); }},
        {"TwVentiqHIDControl", [](WindowParts& p) -> QWidget& { return p.make<TwVentiqHIDControl>(p.ventiqBridge); }},
        {"TwPaintTest", [](WindowParts& p) -> QWidget& { return p.make<TwPaintTest>(); }},
        {"TAPTWahl", [](WindowParts& p) -> QWidget& { return p.make<TAPTWahl>(); }},
        {"TTypeDef", [](WindowParts& p) -> QWidget& { return p.make<TTypeDef>(); }},
        {"TBalken2", [](WindowParts& p) -> QWidget& { return p.make<TBalken2>(); }},
    };
}
