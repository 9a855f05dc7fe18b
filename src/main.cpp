// The program's entry: one copy per user, every window created once and
// hidden (the main window first, as its create handler reads the settings
// and the language the others rely on), translated, then the message loop.
#include "app/AboutDialog.h"
#include "core/AppState.h"
#include "core/Cp1252.h"
#include "app/FolderDialog.h"
#include "app/MainWindow.h"
#include "core/MessageDialog.h"
#include "app/PaintTestWindow.h"
#include "app/SingleInstanceGuard.h"
#include "app/Version.h"
#include "comfort/PmvCalculatorWindow.h"
#include "device/BridgeWindow.h"
#include "device/ComOptionWindow.h"
#include "device/DemoLink.h"
#include "device/DeviceClock.h"
#include "device/ProtocolMonitorWindow.h"
#include "device/TAPSend.h"
#include "device/UsbBridge.h"
#include "i18n/LanguageChoiceDialog.h"
#include "i18n/TranslatorWidget.h"
#include "live/InstrumentDialogue.h"
#include "live/NewOnlineSettingsDialog.h"
#include "live/NewOnlineWindow.h"
#include "live/OnlineWindow.h"
#include "live/PresenceNotifier.h"
#include "print/PrintDataWindow.h"
#include "print/PrintOptionsDialog.h"
#include "print/ReportOutputDialog.h"
#include "profiles/ProfileWindow.h"
#include "profiles/TableSelectColsWindow.h"
#include "measure/BusyDialog.h"
#include "measure/BusyState.h"
#include "measure/GetSelectDialog.h"
#include "measure/InputAPNDialog.h"
#include "measure/NameTypDialog.h"
#include "measure/ReadingDialog.h"
#include "measure/TransferWindow.h"
#include "measure/WritingDialog.h"
#include "types/TypeImport.h"
#include "types/TypeLibrary.h"
#include "types/TypeLibraryFile.h"
#include "types/TypeChoiceDialog.h"
#include "types/TypeDefWindow.h"
#include "types/TypeEditorDialog.h"
#include "types/TypeMessageDialog.h"
#include "types/TypeSync.h"
#include "types/TypeSyncDialog.h"

#include <QApplication>
#include <QAction>
#include <QDateTime>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string> CommandLine(const QStringList& arguments)
{
    std::vector<std::string> args;
    for (const QString& argument : arguments) {
        args.push_back(vamok::ToCp1252(argument));
    }
    return args;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace vamok;
    // Answered before any window or the single-instance guard, so that it
    // works without a display and beside a running copy.
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--version") {
            std::printf("vamok %s\n", VersionText().c_str());
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vamok");

    const SingleInstanceGuard guard;
    if (!guard.acquired()) {
        ShowMessageBox(nullptr, kAlreadyRunningText, "Vamok");
        return 1;
    }

    const std::vector<std::string> args = CommandLine(QApplication::arguments());
    // "--demo": the built-in simulated instrument is the link.
    App().DemoMode = args.size() > 1 && std::find(args.begin() + 1, args.end(), "--demo") != args.end();

    TAPSend commandLayer;
    SetCommandLayer(&commandLayer);
    TwVamok main(args);
    // After the main window has read the stored link, so the demo wins for
    // this run without being stored.
    if (App().DemoMode)
        StartDemoLink(commandLayer);
    TNameTyp nameTyp;
    TInputAPN inputApn;
    TReading reading;
    TWriting writing;
    TGetSelect getSelect;
    TBusy busy(Busy());
    TInfo info;
    TComOption settings(commandLayer);
    PrintState printState;
    TPrintOptions printOptions(printState);
    TwSprachwahl language(args);
    TOnline online(commandLayer);
    TwNewOnlineSettings newOnlineSettings;
    TNewOnline newOnline(&newOnlineSettings);
    TTransferVamokPC transfer(commandLayer, getSelect, nameTyp);
    TPrintData printData(printState, printOptions);
    TReportOutput reportOutput;
    printData.setOutputStep(&reportOutput);
    TwVerzeichnisse folders;
    folders.setMessageSource(main.messageSource());
    TwTableSelectCols columns;
    TwTableSelectColsProfile profiles(commandLayer);
    TwVAMOK_PMV pmvCalculator;
    TAPSendWindow commandWindow(commandLayer);
    TwVamokHIDControl bridgeWindow(commandLayer);
    UsbBridge ventiqBridge(MakeHidApiBackend());
    TwVentiqHIDControl ventiqBridgeWindow(ventiqBridge);
    TwPaintTest paintTest;

    OnlineWindowLinks onlineLinks;
    onlineLinks.setSerialPanel = [&main](const std::string& text) { main.setStatusPanel(2, text); };
    onlineLinks.diagnosticLine = [&main](int line, const std::string& text) {
        main.setDiagnosticLine(line, text);
    };
    onlineLinks.showPaintTest = [&paintTest] { paintTest.show(); };
    // The workplace types of an instrument seen for the first time in this
    // run are read once the poll tick that identified it has ended.
    TypeSyncDialog syncUi(reading, writing, &main);
    TypeSync typeSync(commandLayer, syncUi);
    writing.SetAbortTransfer([&typeSync] { typeSync.Abort(); });
    QTimer showTimer;
    showTimer.setSingleShot(true);
    showTimer.setInterval(10);
    QObject::connect(&showTimer, &QTimer::timeout, [&] {
        const auto start = InstrumentDialogue::Run([&] {
            typeSync.ReadDeviceTypes();
            syncUi.ReadingEnded();
            main.refreshSharedLists();
        });
        if (start == InstrumentDialogue::Start::Refused)
            showTimer.start(); // another dialogue runs: read after it
    });
    onlineLinks.startTypeRead = [&showTimer] { showTimer.start(); };
    onlineLinks.liveValues = [&newOnline](const TVamokAPDatenStrg& record) { newOnline.LiveValues(record); };
    onlineLinks.showLiveDisplay = [&newOnline] { newOnline.showMaximized(); };
    online.setLinks(onlineLinks);
    commandLayer.OnAccessRefused = [&main](const OpenFailure& failure) { main.ReportAccessRefusal(failure); };
    // An answer after silence brings the poll interval down to 100 ms.
    commandLayer.OnDeviceAnswering = [&online] { online.Poller().ShortenInterval(); };
    RegisterPresenceWindow(&main);

    // The workplace types are needed by every rating: load the library before
    // any data file or readout can be shown.
    TypeMessageDialog typeMessages(&main);
    const bool typesFromDefaults = LoadLibrary(typeMessages).DefaultsBuilt();

    TransferWindowLinks transferLinks;
    transferLinks.about = [&info] { info.exec(); };
    transferLinks.busyTransferText = [&busy] { return busy.TransferText(); };
    transferLinks.editColumnDefinitions = [&columns](int n) {
        columns.selectDefinition(n);
        columns.exec();
    };
    transferLinks.print = [&printData, &transfer](int layout) {
        printData.PrintMeasurementReport(transfer, layout, true);
    };
    transferLinks.printAll = [&printData, &transfer] {
        printData.PrintMeasurementReport(transfer, PrintMode::ShownColumns, false);
    };
    transferLinks.printerSetup = [&printOptions] { printOptions.PrintButtonClick(); };
    TAPTWahl typeChoice;
    transferLinks.chooseTypes = [&typeChoice, &transfer, &main] {
        std::vector<std::string> rowTypes;
        for (int n = 1; n <= kRowCount; ++n)
            rowTypes.push_back(transfer.Table().row(n).texts.Type);
        if (typeChoice.Execute(App().UsedAPT, rowTypes))
            main.refreshSharedLists();
    };
    transferLinks.writeNames = [&transfer, &typeSync] { transfer.WriteButtonClick(typeSync); };
    transfer.setLinks(transferLinks);
    columns.setApplyHandler([&transfer](int n) { transfer.ColumnDefinitionsApplied(n); });
    columns.setMessageSource(main.messageSource());

    ComOptionLinks settingsLinks;
    settingsLinks.poller = &online.Poller();
    settingsLinks.busyWindow = &busy;
    settingsLinks.showBridgeDevices = [&bridgeWindow] { bridgeWindow.ShowCompact(); };
    settingsLinks.changeUserPath = [&folders] { return folders.ChangeUserPath(); };
    settingsLinks.changeAppDataPath = [&folders] { return folders.ChangeAppDataPath(); };
    settingsLinks.chooseLanguage = [&language] { language.Execute(); };
    settingsLinks.languageCaption = [&main] { return ToCp1252(main.Sprache1->text()); };
    settings.setLinks(settingsLinks);

    MainWindowLinks links;
    links.showOnline = [&online] { online.show(); };
    links.showPmvCalculator = [&pmvCalculator] { pmvCalculator.show(); };
    links.showProfiles = [&profiles] { profiles.exec(); };
    links.showLiveDisplay = [&newOnline] { newOnline.showMaximized(); };
    links.closeLiveDisplay = [&newOnline] { newOnline.close(); };
    links.showTable = [&transfer] {
        transfer.showNormal();
        transfer.raise();
    };
    links.openDataFile = [&transfer](const std::string& path) { transfer.OpenAtStartup(path); };
    links.selectComPort = [&commandLayer] {
        try {
            commandLayer.SelectComPort(App().ComPortNumber);
        } catch (const PortOpenError&) {
            // The status bar and the online window show that nothing answers,
            // or why the port would not open (OnAccessRefused).
        }
    };
    links.startPolling = [&online] { online.StartPolling(); };
    links.stopPolling = [&online] { online.StopPolling(); };
    links.enablePollTimer = [&online] { online.Poller().Start(); };
    links.resetPoller = [&online] { online.Poller().ResetPoller(); };
    links.onlineVersionLabel = [&online] { return online.VersionLabelText(); };
    links.chooseLanguage = [&language] { language.Execute(); };
    links.setupCommandWindow = [&commandWindow](bool terminalOn) {
        if (terminalOn) {
            commandWindow.show();
        }
    };
    // Clock and keyboard lock are dialogues: the poller stays parked meanwhile.
    links.setDeviceClock = [&commandLayer](std::function<void(bool)> done) {
        InstrumentDialogue::Run([&commandLayer, done] {
            done(SetDeviceClock(commandLayer, QDateTime::currentDateTime()));
        });
    };
    links.releaseKeyboardLock = [&commandLayer](std::function<void(bool)> done) {
        InstrumentDialogue::Run([&commandLayer, done] { done(ReleaseKeyboardLock(commandLayer)); });
    };
    links.importTypes = [&typeMessages] { ImportFromProgramFolder(typeMessages, true); };
    TTypeDef typeDef;
    TypeDefLinks typeDefLinks;
    typeDefLinks.print = [&printData](const TypePrintRequest& request) {
        printData.PrintTypeReport(TypeReportInputOf(request));
    };
    typeDefLinks.printerSetup = [&printOptions] { printOptions.PrintButtonClick(); };
    typeDefLinks.newSync = [&main] { main.Synchronisieren1Click(); };
    typeDefLinks.newSyncCaption = [&main] { return ToCp1252(main.Synchronisieren1->text()); };
    typeDefLinks.upload = [&typeSync] { InstrumentDialogue::Run([&typeSync] { typeSync.UploadUsedTypes(); }); };
    typeDefLinks.about = [&info] { info.exec(); };
    typeDefLinks.askNewName = [&inputApn] { return inputApn.Ask(); };
    typeDefLinks.typeRemoved = [&nameTyp](const std::string&) {
        std::vector<std::string> names;
        for (std::size_t i = 1; i < PCTypes().size(); ++i)
            names.push_back(PCTypes()[i].Name);
        nameTyp.SetTypeNames(names);
    };
    typeDef.setLinks(typeDefLinks);
    typeDef.MarkDefaults(typesFromDefaults);
    links.showTypeDefinition = [&typeDef] { typeDef.exec(); };
    links.showSettings = [&settings] { settings.show(); };
    links.changeUserPath = [&settings] { settings.ChangeUserPathClick(); };
    links.about = &info;
    links.printerSetup = [&printOptions] { printOptions.PrintButtonClick(); };
    main.setLinks(links);

    TranslateAllWindows({&main, &nameTyp, &inputApn, &reading, &writing, &getSelect, &busy, &info,
                         &settings, &printOptions, &language, &online, &newOnlineSettings, &newOnline,
                         &transfer, &printData, &reportOutput, &folders, &columns, &profiles,
                         &pmvCalculator, &bridgeWindow, &ventiqBridgeWindow, &paintTest, &typeChoice, &typeDef,
                         typeDef.Editor});
    App().MeasurementsModified = false;
    return QApplication::exec();
}
