#include "i18n/LanguageFiles.h"

#include "core/AppState.h"
#include "core/Cp1252.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace vamok {

std::string LanguageFileName(std::string_view code) { return "Master." + std::string(code); }

std::string MissingFileName(std::string_view code) { return "_Missing." + std::string(code); }

std::string LanguageFolder() { return App().ProgramPath + "Lang/"; }

bool LanguageFolderExists() { return QFileInfo(FromCp1252(LanguageFolder())).isDir(); }

std::optional<std::string> LanguageFilePath(std::string_view name)
{
    if (name.empty() || name == "." || name == ".." ||
        name.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string folder = LanguageFolder();
    const std::string exact = folder + std::string(name);
    if (QFileInfo::exists(FromCp1252(exact))) {
        return exact;
    }
    const QString wanted = FromCp1252(std::string(name));
    const QStringList present = QDir(FromCp1252(folder)).entryList(QDir::Files | QDir::Hidden);
    for (const QString& candidate : present) {
        if (candidate.compare(wanted, Qt::CaseInsensitive) == 0) {
            return folder + ToCp1252(candidate);
        }
    }
    return exact;
}

LanguageFileCache::Stamp LanguageFileCache::StampOf(const std::string& path)
{
    const QFileInfo info(FromCp1252(path));
    if (!info.exists()) {
        return {};
    }
    return {info.size(), info.lastModified().toMSecsSinceEpoch()};
}

LanguageFileCache::Cached& LanguageFileCache::load(const std::string& path)
{
    const Stamp stamp = StampOf(path);
    Cached& cached = files_[path];
    if (cached.stamp != stamp || (stamp.size >= 0 && !cached.file)) {
        cached.stamp = stamp;
        cached.file = stamp.size >= 0 ? IniFile::Load(path) : std::nullopt;
    }
    return cached;
}

std::optional<std::string> LanguageFileCache::value(const std::string& path, std::string_view section,
                                                    std::string_view key)
{
    const Cached& cached = load(path);
    return cached.file ? cached.file->value(section, key) : std::nullopt;
}

bool LanguageFileCache::write(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view value, std::string& error)
{
    Cached& cached = load(path);
    if (cached.stamp.size >= 0 && !cached.file) {
        IniFile::Load(path, &error);
        return false;
    }
    IniFile file = cached.file.value_or(IniFile{});
    if (!file.setValue(section, key, value)) {
        error = "Invalid section, key or value";
        return false;
    }
    if (!file.save(path, &error)) {
        return false;
    }
    cached.file = std::move(file);
    cached.stamp = StampOf(path);
    return true;
}

} // namespace vamok
