// vamok-cli profiles pull|push --link L [--port PATH] FILE.VPD [--json]:
// "Export von VAMOK" and "Import zu VAMOK" of the profile window. A pull
// reads all nine profiles and only then replaces the file; a push checks
// the whole file before the first profile is sent.
#include "cli/CliLink.h"
#include "cli/Commands.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "device/TAPSend.h"
#include "measure/RowJson.h"
#include "profiles/ProfileFile.h"

#include <cstdio>
#include <optional>

namespace {

using namespace vamok;

struct Arguments {
    LinkOptions link;
    std::string action; // pull or push
    std::string file;
    bool json = false;
};

std::optional<Arguments> Parse(const CliArguments& args)
{
    const std::vector<std::string>& words = args.operands();
    if (words.empty() || (words[0] != "pull" && words[0] != "push")) {
        args.UsageError(words.empty() ? "needs an action, pull or push" : "unknown action '" + words[0] + "'");
        return std::nullopt;
    }
    if (words.size() != 2) {
        args.UsageError(words[0] + " needs one profile file");
        return std::nullopt;
    }
    const std::optional<LinkOptions> link = TakeLinkOptions(args);
    if (!link)
        return std::nullopt;
    if (link->link != "rix" && link->link != "demo") {
        args.UsageError("the VAMOK " + link->link + " keeps no profiles; they are on the VAMOK rix");
        return std::nullopt;
    }
    Arguments a{*link, words[0], words[1], args.flag("json")};
    if (a.json && a.action == "push") {
        args.UsageError("--json belongs to pull");
        return std::nullopt;
    }
    return a;
}

void PrintJson(const std::vector<DeviceProfile>& profiles)
{
    std::string out = "[";
    for (const DeviceProfile& p : profiles) {
        if (out.size() > 1)
            out += ", ";
        out += "{\"profile\": " + std::to_string(p.number) + ", \"name\": " + JsonString(p.name) +
               ", \"mask\": " + std::to_string(p.mask) + "}";
    }
    std::printf("%s]\n", out.c_str());
}

std::string ProblemText(const std::string& file, const ProfileFileProblem& problem)
{
    if (problem.kind == ProfileFileProblem::Kind::Unreadable)
        return file + " cannot be read: " + TerminalText(problem.reason);
    return file + " is damaged: section " + problem.section + " lacks the key " + problem.key +
           "; nothing was written to the instrument";
}

ExitCode Pull(TAPSend& layer, const ProfileLink& link, const Arguments& a)
{
    const std::vector<DeviceProfile> read = ReadAllProfiles(link);
    if (a.json)
        PrintJson(read);
    if (read.empty())
        return ReportNoAnswer(layer);
    if (read.size() < kProfileCount)
        return ReportIncomplete(static_cast<int>(read.size()), kProfileCount,
                                "profiles read; " + a.file + " was left as it was",
                                "the instrument stopped answering");
    if (const std::optional<std::string> error = SaveProfileFile(CommandLineText(a.file), read)) {
        std::fprintf(stderr, "vamok-cli: %s cannot be written: %s\n", a.file.c_str(), TerminalText(*error).c_str());
        return ExitCode::Failed;
    }
    return ExitCode::Done;
}

ExitCode Push(TAPSend& layer, const ProfileLink& link, const ProfileSet& profiles)
{
    const int written = WriteAllProfiles(link, profiles);
    if (written == 0)
        return ReportNoAnswer(layer);
    if (written < kProfileCount)
        return ReportIncomplete(written, kProfileCount, "profiles written",
                                "the instrument did not acknowledge profile " + std::to_string(written + 1));
    return ExitCode::Done;
}

ExitCode Run(const CliArguments& args)
{
    const std::optional<Arguments> a = Parse(args);
    if (!a)
        return ExitCode::Usage;
    std::optional<ProfileSet> toWrite;
    if (a->action == "push") {
        LoadedProfiles loaded = LoadProfileFile(CommandLineText(a->file));
        if (!loaded.profiles) {
            std::fprintf(stderr, "vamok-cli: %s\n", ProblemText(a->file, *loaded.problem).c_str());
            return ExitCode::Unreadable;
        }
        toWrite = *loaded.profiles;
    }

    TAPSend layer;
    OpenLink(layer, a->link);
    if (!IdentifyInstrument(layer))
        return ReportNoAnswer(layer);
    const ProfileLink link{layer, WideProfileMasks(App().DeviceVersion)};
    return toWrite ? Push(layer, link, *toWrite) : Pull(layer, link, *a);
}

} // namespace

CliCommand ProfilesCommand()
{
    std::vector<CliOption> options = LinkOptionList();
    std::erase_if(options, [](const CliOption& o) { return o.names.front() == "library"; });
    options.push_back({{"json"}, "", "pull: also print the profiles read as [{\"profile\", \"name\", \"mask\"}, ...]"});
    return {"profiles",
            "profiles pull|push --link rix|demo [--port PATH] FILE.VPD [--json]",
            "the instrument's nine user profiles to and from a profile file (.VPD)",
            options,
            {{{"pull FILE.VPD"}, "", "read profiles 1 to 9 into FILE.VPD (replaced only when all nine were read)"},
             {{"push FILE.VPD"}, "", "write profiles 1 to 9 from FILE.VPD (checked completely before the first is sent)"}},
            Run};
}
